#include "photos/images_folder_setting.h"

#include "platform/user_settings.h"

namespace photos {

namespace {

const QString kValueName = QStringLiteral("ImagesPath");

} // namespace

QString loadImagesFolder() {
    const QSettings settings = platform::userSettings();
    const QVariant value = settings.value(kValueName);
    if (!value.isValid())
        return QString();
    if (value.typeId() != QMetaType::QString)
        throw SettingError(QStringLiteral("Invalid data type for '%1'").arg(kValueName));
    return value.toString();
}

void saveImagesFolder(const QString& folder) {
    QSettings settings = platform::userSettings();
    if (!platform::makeUserSettingsFolder(settings))
        throw SettingError(QStringLiteral("Failed to create key Software\\Kalmo"));
    settings.setValue(kValueName, folder);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw SettingError(QStringLiteral("Failed to set data for '%1'").arg(kValueName));
}

} // namespace photos

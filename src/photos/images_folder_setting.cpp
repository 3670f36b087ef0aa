#include "photos/images_folder_setting.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace photos {

namespace {

const QString kValueName = QStringLiteral("ImagesPath");

// The user's settings of the organisation "Kalmo", without an application part, so the
// file is Kalmo.conf itself.
QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kalmo"));
}

} // namespace

QString loadImagesFolder() {
    const QSettings settings = userSettings();
    const QVariant value = settings.value(kValueName);
    if (!value.isValid())
        return QString();
    if (value.typeId() != QMetaType::QString)
        throw SettingError(QStringLiteral("Invalid data type for '%1'").arg(kValueName));
    return value.toString();
}

void saveImagesFolder(const QString& folder) {
    QSettings settings = userSettings();
    if (!QDir().mkpath(QFileInfo(settings.fileName()).absolutePath()))
        throw SettingError(QStringLiteral("Failed to create key Software\\Kalmo"));
    settings.setValue(kValueName, folder);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw SettingError(QStringLiteral("Failed to set data for '%1'").arg(kValueName));
}

} // namespace photos

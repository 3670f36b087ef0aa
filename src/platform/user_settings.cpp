#include "platform/user_settings.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kalmo"));
}

bool makeUserSettingsFolder(const QSettings& settings) {
    return QDir().mkpath(QFileInfo(settings.fileName()).absolutePath());
}

} // namespace platform

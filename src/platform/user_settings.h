#pragma once

#include <QSettings>

namespace platform {

// The user's settings of the organisation "Kalmo", without an application part, so the
// file is ~/.config/Kalmo.conf itself. Every saved value of the program lives there.
QSettings userSettings();

// Makes the folder the settings file goes into; false when it cannot be made.
bool makeUserSettingsFolder(const QSettings& settings);

} // namespace platform

#pragma once

#include <QString>

#include <stdexcept>

namespace photos {

// The saved images folder: the value "ImagesPath" of the user's "Kalmo" settings
// (~/.config/Kalmo.conf here).

// A failed read or write, with the text the user sees.
class SettingError : public std::runtime_error {
public:
    explicit SettingError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The saved folder, taken as stored; empty when nothing is saved. A value that is not a
// text raises "Invalid data type for 'ImagesPath'".
QString loadImagesFolder();

// Saves the folder, also when empty. Raises "Failed to create key Software\Kalmo" when
// the settings file's folder cannot be made, "Failed to set data for 'ImagesPath'" when
// the value does not reach the disk.
void saveImagesFolder(const QString& folder);

} // namespace photos

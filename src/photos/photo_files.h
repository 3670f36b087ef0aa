#pragma once

#include <QString>

#include <system_error>

namespace photos {

// Where photos are kept and which of them the program may touch. Every photo is a copy
// in the images folder named after the record's full name.

// The photo path of a record: images folder + "/" + its photo file name, nothing
// validated or replaced (an empty folder gives "/" + name + ".jpg"). The file name is
// full name + ".jpg", or for number n >= 2, the photo of the n-th record of that name,
// full name + " (n).jpg".
QString photoPath(const QString& imagesFolder, const QString& fullName, int number = 1);

// Whether a photo may be named after this full name: a name with a path separator or
// NUL, "." or ".." would put the file outside the folder, and an empty name would make a
// hidden ".jpg" that belongs to no one.
bool isPhotoName(const QString& fullName);

// Whether a photo may be written under this full name: a photo name, and an images folder
// is set.
bool isStorableName(const QString& imagesFolder, const QString& fullName);

// Copies the chosen picture to the record's photo path (see photoPath), replacing a
// file of that name. The file there is either its old self or a complete copy, never a
// piece of one. Returns the file system's error; a refused name or an unset folder is
// `std::errc::invalid_argument`. An empty code means the copy is in place.
std::error_code copyPhoto(const QString& source, const QString& imagesFolder,
                          const QString& fullName, int number = 1);

// Whether the file is one of the program's photos: a ".jpg" file directly in the images
// folder, both folders compared as the file system resolves them (links followed).
// Nothing is ever own while the images folder does not exist.
bool isOwnPhotoFile(const QString& path, const QString& imagesFolder);

// Deletes the photo file when it is one of the program's own, by its name in the images
// folder without following links; a missing file, an empty path, a folder or a path
// elsewhere is left alone. Returns the error of a deletion that failed (the file is
// still there), or an empty code.
std::error_code deleteOwnPhotoFile(const QString& path, const QString& imagesFolder);

} // namespace photos

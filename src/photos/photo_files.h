#pragma once

#include <QString>

#include <system_error>

namespace photos {

// Where photos are kept and which of them the program may touch. Every photo is a copy
// in the images folder named after the record's full name.

// The photo path of a record: images folder + "/" + full name + ".jpg", nothing
// validated or replaced (an empty folder gives "/" + name + ".jpg").
QString photoPath(const QString& imagesFolder, const QString& fullName);

// Whether a photo may be written under this full name: a name with a path separator or
// NUL, "." or "..", or an unset images folder would put the file outside the folder.
bool isStorableName(const QString& imagesFolder, const QString& fullName);

// Copies the chosen picture to the record's photo path, replacing a file of that name.
// The file there is either its old self or a complete copy, never a piece of one.
// Returns the file system's error; a refused name or an unset folder is
// `std::errc::invalid_argument`. An empty code means the copy is in place.
std::error_code copyPhoto(const QString& source, const QString& imagesFolder,
                          const QString& fullName);

// Whether the file is one of the program's photos: its path, made absolute and
// normalised, names a ".jpg" file directly in the (equally normalised) images folder.
bool isOwnPhotoFile(const QString& path, const QString& imagesFolder);

// Deletes the photo file when it is one of the program's own; a missing file, an empty
// path or a path elsewhere is left alone. Returns the error of a deletion that failed
// (the file is still there), or an empty code.
std::error_code deleteOwnPhotoFile(const QString& path, const QString& imagesFolder);

} // namespace photos

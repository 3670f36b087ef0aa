#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <cstdint>

namespace photos {

// Which file in the images folder is a record's photo. A photo is named after the full
// name as the record stores it; a second record of the same name gets its own file,
// "ФИО (2).jpg", so one record's photo never replaces or removes another's.

// The full name as a record stores it: cut to the field's 50 characters, characters
// outside the code page as '?'.
QString storedFullName(const QString& typed);

// A photo path as the names below compare it: cleaned, empty for none.
QString cleanedPhotoPath(const QString& path);

// The cleaned photo paths of every record but record `except` (-1: every record), read
// in blocks; the file's position is kept.
QSet<QString> photoPathsInBase(store::DataFile& file, int32_t except = -1);

// Whether a record of the file names the photo path (compared as cleaned paths), not
// counting record `except` (-1: count every record).
bool isNamedInBase(store::DataFile& file, const QString& photoPath, int32_t except = -1);

// The number of the photo file for a record named `fullName` (see photoPath):
// `current`, the record's own photo path, when it is one of its names and no other
// record names it; else the first that no record but `self` (-1 for a record not yet
// stored) names.
int photoNumberFor(store::DataFile& file, const QString& imagesFolder, const QString& fullName,
                   int32_t self, const QString& current);

// Moves records' photos to an images folder, as "Применить" does for every record: a
// photo keeps its file name in the new folder when its current path has one of the names
// for the record's full name, else takes the first; a record whose name no photo can have
// (see isPhotoName) is left without a photo path. It works on the record's code-page
// bytes with the folder encoded once, so a pass over a large base costs little per record.
class PhotoPathMover {
public:
    explicit PhotoPathMover(const QString& imagesFolder);
    // Sets the record's photo path as storing the new path would, with zeros after it.
    void move(store::ContactRecord& record) const;

private:
    QByteArray m_folder; // with the separator after it
};

} // namespace photos

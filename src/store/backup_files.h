#pragma once

#include <QString>

#include <system_error>

namespace store {

// The backup of the data file: one copy, `Копия/Baza.dat` in the base folder, replaced by
// each new backup and read back by the restores.

QString dataFilePath(const QString& baseFolder);
QString backupFolderPath(const QString& baseFolder);
QString backupFilePath(const QString& baseFolder);

enum class BackupOutcome {
    Created,     // the copy is in place
    NotReplaced, // an earlier backup was there and could not be replaced
    NotCreated,  // there was no backup and none could be made
};

// Copies the data file into the backup folder, creating the folder when it is missing
// (a folder that is already there is fine). A folder that cannot be created throws
// DataFileError.
BackupOutcome createBackup(const QString& baseFolder);

// Removes what interrupted copies left in the base folder and the backup folder.
void removeStaleTemporaries(const QString& baseFolder);

// Copies the backup over the data file. Returns the file system's error, if any.
std::error_code restoreFromBackup(const QString& baseFolder);

// Makes a located file the backup (creating the backup folder when needed) and copies it
// over the data file. Only the copy over the data file decides the result: a backup
// that cannot be made does not stop the restore.
std::error_code restoreFromLocatedFile(const QString& located, const QString& baseFolder);

} // namespace store

#include "store/backup_files.h"

#include "store/data_file_error.h"
#include "store/file_changes.h"
#include "store/file_copy.h"
#include "store/rollback_journal.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace store {

namespace {

const QString kDataFileName = QStringLiteral("Baza.dat");
const QString kBackupFolderName = QStringLiteral("Копия");

std::error_code makeFolder(const QString& folder) {
    std::error_code error;
    // The new folder's name is made durable with the copy that goes into it.
    if (std::filesystem::create_directory(folder.toStdString(), error))
        error = syncFolder(folderOf(folder));
    return error;
}

// A change of the data file cut short is undone before the file is replaced: its journal
// must not outlive it and be played back into the restored base.
std::error_code settleDataFile(const QString& baseFolder) {
    try {
        rollBackJournalOf(dataFilePath(baseFolder));
    } catch (const DataFileError&) {
        return std::make_error_code(std::errc::io_error);
    }
    return {};
}

} // namespace

QString dataFilePath(const QString& baseFolder) {
    return QDir(baseFolder).filePath(kDataFileName);
}

QString backupFolderPath(const QString& baseFolder) {
    return QDir(baseFolder).filePath(kBackupFolderName);
}

QString backupFilePath(const QString& baseFolder) {
    return QDir(backupFolderPath(baseFolder)).filePath(kDataFileName);
}

BackupOutcome createBackup(const QString& baseFolder) {
    const QString backup = backupFilePath(baseFolder);
    const bool hadBackup = QFileInfo::exists(backup);
    if (!hadBackup) {
        if (const std::error_code error = makeFolder(backupFolderPath(baseFolder)))
            throw DataFileError::fromErrno(error.value());
    }
    const bool copied = !replaceWithCopy(dataFilePath(baseFolder), backup);
    if (copied && QFileInfo::exists(backup))
        return BackupOutcome::Created;
    return hadBackup ? BackupOutcome::NotReplaced : BackupOutcome::NotCreated;
}

void removeStaleTemporaries(const QString& baseFolder) {
    removeStaleTemporariesIn(baseFolder);
    removeStaleTemporariesIn(backupFolderPath(baseFolder));
}

std::error_code restoreFromBackup(const QString& baseFolder) {
    if (const std::error_code error = settleDataFile(baseFolder))
        return error;
    return replaceWithCopy(backupFilePath(baseFolder), dataFilePath(baseFolder));
}

std::error_code restoreFromLocatedFile(const QString& located, const QString& baseFolder) {
    if (const std::error_code error = settleDataFile(baseFolder))
        return error;
    if (!makeFolder(backupFolderPath(baseFolder)))
        replaceWithCopy(located, backupFilePath(baseFolder));
    return replaceWithCopy(located, dataFilePath(baseFolder));
}

} // namespace store

#include "store/backup_files.h"

#include "store/data_file_error.h"
#include "store/file_copy.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace store {

namespace {

const QString kDataFileName = QStringLiteral("Baza.dat");
const QString kBackupFolderName = QStringLiteral("Копия");

std::error_code makeFolder(const QString& folder) {
    std::error_code error;
    std::filesystem::create_directory(folder.toStdString(), error);
    return error;
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

std::error_code restoreFromBackup(const QString& baseFolder) {
    return replaceWithCopy(backupFilePath(baseFolder), dataFilePath(baseFolder));
}

std::error_code restoreFromLocatedFile(const QString& located, const QString& baseFolder) {
    if (!makeFolder(backupFolderPath(baseFolder)))
        replaceWithCopy(located, backupFilePath(baseFolder));
    return replaceWithCopy(located, dataFilePath(baseFolder));
}

} // namespace store

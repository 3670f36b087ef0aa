#include "photos/photo_files.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace photo_files {
namespace {

QString normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

QString photoPath(const QString& imagesFolder, const QString& fullName) {
    return imagesFolder + QLatin1Char('/') + fullName + QStringLiteral(".jpg");
}

bool isStorableName(const QString& imagesFolder, const QString& fullName) {
    return !imagesFolder.isEmpty() && fullName != QLatin1String(".") &&
           fullName != QLatin1String("..") && !fullName.contains(QLatin1Char('/')) &&
           !fullName.contains(QChar(0));
}

void copyPhoto(const QString& source, const QString& imagesFolder, const QString& fullName) {
    if (!isStorableName(imagesFolder, fullName))
        return;
    std::error_code ignored;
    std::filesystem::copy_file(fsPath(source), fsPath(photoPath(imagesFolder, fullName)),
                               std::filesystem::copy_options::overwrite_existing, ignored);
}

bool isOwnPhotoFile(const QString& path, const QString& imagesFolder) {
    if (path.isEmpty() || imagesFolder.isEmpty())
        return false;
    const QString file = normalised(path);
    return file.endsWith(QStringLiteral(".jpg")) &&
           QFileInfo(file).path() == normalised(imagesFolder);
}

void deleteOwnPhotoFile(const QString& path, const QString& imagesFolder) {
    if (!isOwnPhotoFile(path, imagesFolder))
        return;
    std::error_code ignored;
    // A folder that happens to end in ".jpg" is no photo.
    if (std::filesystem::is_directory(std::filesystem::symlink_status(fsPath(path), ignored)))
        return;
    std::filesystem::remove(fsPath(path), ignored);
}

} // namespace photo_files

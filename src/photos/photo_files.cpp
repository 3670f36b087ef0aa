#include "photos/photo_files.h"

#include "store/file_copy.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace photos {

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

std::error_code copyPhoto(const QString& source, const QString& imagesFolder,
                          const QString& fullName) {
    if (!isStorableName(imagesFolder, fullName))
        return std::make_error_code(std::errc::invalid_argument);
    return store::replaceWithCopy(source, photoPath(imagesFolder, fullName));
}

bool isOwnPhotoFile(const QString& path, const QString& imagesFolder) {
    if (path.isEmpty() || imagesFolder.isEmpty())
        return false;
    const QString file = normalised(path);
    return file.endsWith(QStringLiteral(".jpg")) &&
           QFileInfo(file).path() == normalised(imagesFolder);
}

std::error_code deleteOwnPhotoFile(const QString& path, const QString& imagesFolder) {
    if (!isOwnPhotoFile(path, imagesFolder))
        return {};
    std::error_code error;
    const auto status = std::filesystem::symlink_status(fsPath(path), error);
    // A photo already gone is no failure; a folder that happens to end in ".jpg" is no photo.
    if (status.type() == std::filesystem::file_type::not_found)
        return {};
    if (error || std::filesystem::is_directory(status))
        return error;
    std::filesystem::remove(fsPath(path), error);
    return error;
}

} // namespace photos

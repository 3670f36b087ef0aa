#include "photos/photo_files.h"

#include "store/file_copy.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace photos {

namespace {

// The folder's path with every link, "." and ".." resolved by the file system, or an
// empty text when it does not exist.
QString resolvedFolder(const QString& folder) {
    char* resolved = ::realpath(QFile::encodeName(folder).constData(), nullptr);
    if (!resolved)
        return QString();
    const QString result = QFile::decodeName(resolved);
    std::free(resolved);
    return result;
}

// The text before and after the last separator: the folder as written and the file name.
std::pair<QString, QString> splitLast(const QString& path) {
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::current().filePath(path);
    const qsizetype slash = absolute.lastIndexOf(QLatin1Char('/'));
    return {slash == 0 ? QStringLiteral("/") : absolute.left(slash), absolute.mid(slash + 1)};
}

bool isPhotoFileName(const QString& name) {
    return name.endsWith(QStringLiteral(".jpg")) && !name.contains(QChar(0));
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

QString photoPath(const QString& imagesFolder, const QString& fullName, int number) {
    // One allocation: a refresh builds a path for every record.
    const QString suffix = number <= 1 ? QString() : QString::number(number);
    QString path;
    path.reserve(imagesFolder.size() + fullName.size() + suffix.size() + 8);
    path += imagesFolder;
    path += QLatin1Char('/');
    path += fullName;
    if (number > 1) {
        path += QLatin1String(" (");
        path += suffix;
        path += QLatin1Char(')');
    }
    path += QLatin1String(".jpg");
    return path;
}

bool isPhotoName(const QString& fullName) {
    return !fullName.isEmpty() && fullName != QLatin1String(".") &&
           fullName != QLatin1String("..") && !fullName.contains(QLatin1Char('/')) &&
           !fullName.contains(QChar(0));
}

bool isStorableName(const QString& imagesFolder, const QString& fullName) {
    return !imagesFolder.isEmpty() && isPhotoName(fullName);
}

std::error_code copyPhoto(const QString& source, const QString& imagesFolder,
                          const QString& fullName, int number) {
    if (!isStorableName(imagesFolder, fullName))
        return std::make_error_code(std::errc::invalid_argument);
    return store::replaceWithCopy(source, photoPath(imagesFolder, fullName, number));
}

bool isOwnPhotoFile(const QString& path, const QString& imagesFolder) {
    if (path.isEmpty() || imagesFolder.isEmpty())
        return false;
    // The file system decides where the file is: "<images>/sub/../x.jpg" is outside when
    // sub is a link elsewhere, however the text reads.
    const auto [folder, name] = splitLast(path);
    const QString images = resolvedFolder(imagesFolder);
    return isPhotoFileName(name) && !images.isEmpty() && resolvedFolder(folder) == images;
}

std::error_code deleteOwnPhotoFile(const QString& path, const QString& imagesFolder) {
    if (!isOwnPhotoFile(path, imagesFolder))
        return {};
    // Through the images folder itself, by the file's own name: no link on the way is
    // followed, and a link named like a photo goes, not the file it names.
    const int folder = ::open(QFile::encodeName(resolvedFolder(imagesFolder)).constData(),
                              O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return errno == ENOENT ? std::error_code() : lastError();
    const QByteArray name = QFile::encodeName(splitLast(path).second);
    std::error_code error;
    struct stat info {};
    // A photo already gone is no failure; a folder that happens to end in ".jpg" is no photo.
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            error = lastError();
    } else if (!S_ISDIR(info.st_mode) && ::unlinkat(folder, name.constData(), 0) != 0) {
        error = lastError();
    }
    ::close(folder);
    return error;
}

} // namespace photos

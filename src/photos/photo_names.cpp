#include "photos/photo_names.h"

#include "photos/photo_files.h"
#include "store/record_scan.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace photos {

namespace {

// The number in the file name when it is one of the names of a photo of `fullName`
// ("name.jpg" is 1, "name (k).jpg" is k), else 0.
int numberInFileName(const QString& fileName, const QString& fullName) {
    if (fileName == photoFileName(fullName, 1))
        return 1;
    static const QRegularExpression numbered(QStringLiteral("^ \\((\\d{1,6})\\)\\.jpg$"));
    if (!fileName.startsWith(fullName))
        return 0;
    const QRegularExpressionMatch match = numbered.match(fileName.mid(fullName.size()));
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    return number >= 2 ? number : 0;
}

} // namespace

QString cleanedPhotoPath(const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(path);
}

QSet<QString> photoPathsInBase(store::DataFile& file, int32_t except) {
    QSet<QString> paths;
    store::forEachRecord(file, [&](int32_t index, const store::ContactRecord& record) {
        if (index != except)
            paths.insert(cleanedPhotoPath(record.field(store::ContactField::PhotoPath)));
    });
    return paths;
}

QString storedFullName(const QString& typed) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, typed);
    return record.field(store::ContactField::FullName);
}

bool isNamedInBase(store::DataFile& file, const QString& photoPath, int32_t except) {
    return !photoPath.isEmpty() &&
           photoPathsInBase(file, except).contains(cleanedPhotoPath(photoPath));
}

int photoNumberFor(store::DataFile& file, const QString& imagesFolder, const QString& fullName,
                   int32_t self, const QString& current) {
    const QSet<QString> named = photoPathsInBase(file, self);
    const bool inFolder = QDir::cleanPath(QFileInfo(current).absolutePath()) ==
                          QDir::cleanPath(QFileInfo(imagesFolder).absoluteFilePath());
    const int own = inFolder ? numberInFileName(QFileInfo(current).fileName(), fullName) : 0;
    if (own > 0 && !named.contains(cleanedPhotoPath(current)))
        return own;
    int number = 1;
    while (named.contains(cleanedPhotoPath(photoPath(imagesFolder, fullName, number))))
        ++number;
    return number;
}

QString movedPhotoPath(const QString& imagesFolder, const store::ContactRecord& record) {
    const QString name = record.field(store::ContactField::FullName);
    if (!isPhotoName(name))
        return QString();
    const QString current = record.field(store::ContactField::PhotoPath);
    const int number = std::max(1, numberInFileName(QFileInfo(current).fileName(), name));
    return photoPath(imagesFolder, name, number);
}

} // namespace photos

#include "photos/photo_names.h"

#include "photos/photo_files.h"
#include "store/record_scan.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace photos {

namespace {

// The text after the last separator, as the file name of a photo path.
QStringView fileNameOf(const QString& path) {
    return QStringView(path).mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The number in the file name when it is one of the names of a photo of `fullName`
// ("name.jpg" is 1, "name (k).jpg" with k of 2 and up in one to six digits is k), else 0.
// Read by hand: a refresh asks it of every record.
int numberInFileName(QStringView fileName, const QString& fullName) {
    if (!fileName.startsWith(fullName))
        return 0;
    const QStringView rest = fileName.mid(fullName.size());
    if (rest == u".jpg")
        return 1;
    if (!rest.startsWith(u" (") || !rest.endsWith(u").jpg"))
        return 0;
    const QStringView digits = rest.mid(2, rest.size() - 7);
    if (digits.isEmpty() || digits.size() > 6)
        return 0;
    int number = 0;
    for (const QChar digit : digits) {
        if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
            return 0;
        number = number * 10 + (digit.unicode() - '0');
    }
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
    const int own = inFolder ? numberInFileName(fileNameOf(current), fullName) : 0;
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
    const int number = std::max(1, numberInFileName(fileNameOf(current), name));
    return photoPath(imagesFolder, name, number);
}

} // namespace photos

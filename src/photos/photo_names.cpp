#include "photos/photo_names.h"

#include "photos/photo_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <vector>

namespace photos {

namespace {

QString cleaned(const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(path);
}

// The cleaned photo paths of every record but `except`. The file's position is kept.
QSet<QString> photoPathsInBase(store::DataFile& file, int32_t except) {
    constexpr int32_t kRecordsPerRead = 2048;
    const int32_t count = file.count();
    const int32_t position = file.position();
    QSet<QString> paths;
    std::vector<unsigned char> block;
    store::ContactRecord record;
    for (int32_t first = 0; first < count; first += kRecordsPerRead) {
        const int32_t n = std::min(kRecordsPerRead, count - first);
        block.resize(size_t(n) * store::ContactRecord::kSize);
        file.readBlock(first, block);
        for (int32_t k = 0; k < n; ++k) {
            if (first + k == except)
                continue;
            std::copy_n(block.begin() + ptrdiff_t(k) * ptrdiff_t(store::ContactRecord::kSize),
                        store::ContactRecord::kSize, record.bytes().begin());
            paths.insert(cleaned(record.field(store::ContactField::PhotoPath)));
        }
    }
    file.seek(position);
    return paths;
}

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

QString storedFullName(const QString& typed) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, typed);
    return record.field(store::ContactField::FullName);
}

bool isNamedInBase(store::DataFile& file, const QString& photoPath, int32_t except) {
    return !photoPath.isEmpty() && photoPathsInBase(file, except).contains(cleaned(photoPath));
}

int photoNumberFor(store::DataFile& file, const QString& imagesFolder, const QString& fullName,
                   int32_t self, const QString& current) {
    const QSet<QString> named = photoPathsInBase(file, self);
    const bool inFolder = QDir::cleanPath(QFileInfo(current).absolutePath()) ==
                          QDir::cleanPath(QFileInfo(imagesFolder).absoluteFilePath());
    const int own = inFolder ? numberInFileName(QFileInfo(current).fileName(), fullName) : 0;
    if (own > 0 && !named.contains(cleaned(current)))
        return own;
    int number = 1;
    while (named.contains(cleaned(photoPath(imagesFolder, fullName, number))))
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

#include "photos/photo_names.h"

#include "photos/photo_files.h"
#include "store/codec1251.h"
#include "store/record_scan.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace photos {

namespace {

// Whether the text begins with the ASCII characters, for texts of code-page bytes and of
// UTF-16 alike.
template <typename Char>
bool startsWithAscii(std::basic_string_view<Char> text, std::string_view ascii) {
    return text.size() >= ascii.size() && std::equal(ascii.begin(), ascii.end(), text.begin(),
                                                     [](char a, Char c) { return Char(a) == c; });
}

// The text after the last separator, as the file name of a photo path.
template <typename Char>
std::basic_string_view<Char> fileNameOf(std::basic_string_view<Char> path) {
    const size_t slash = path.rfind(Char('/'));
    return slash == path.npos ? path : path.substr(slash + 1);
}

// The number in the file name when it is one of the names of a photo of `fullName`
// ("name.jpg" is 1, "name (k).jpg" with k of 2 and up in one to six digits is k), else 0.
// Read by hand: a refresh asks it of every record.
template <typename Char>
int numberInFileName(std::basic_string_view<Char> fileName, std::basic_string_view<Char> fullName) {
    if (!fileName.starts_with(fullName))
        return 0;
    const std::basic_string_view<Char> rest = fileName.substr(fullName.size());
    if (rest.size() == 4 && startsWithAscii(rest, ".jpg"))
        return 1;
    if (rest.size() < 8 || !startsWithAscii(rest, " (") ||
        !startsWithAscii(rest.substr(rest.size() - 5), ").jpg"))
        return 0;
    const std::basic_string_view<Char> digits = rest.substr(2, rest.size() - 7);
    if (digits.size() > 6)
        return 0;
    int number = 0;
    for (const Char digit : digits) {
        if (digit < Char('0') || digit > Char('9'))
            return 0;
        number = number * 10 + int(digit - Char('0'));
    }
    return number >= 2 ? number : 0;
}

std::u16string_view viewOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

// A text field of the record as its code-page bytes.
std::string_view bytesOf(const store::ContactRecord& record, store::ContactField field) {
    const int at = store::ContactRecord::offset(field);
    return {reinterpret_cast<const char*>(record.bytes().data()) + at + 1,
            size_t(std::min<int>(record.bytes()[at], store::ContactRecord::capacity(field)))};
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
    const int own = inFolder ? numberInFileName(fileNameOf(viewOf(current)), viewOf(fullName)) : 0;
    if (own > 0 && !named.contains(cleanedPhotoPath(current)))
        return own;
    int number = 1;
    while (named.contains(cleanedPhotoPath(photoPath(imagesFolder, fullName, number))))
        ++number;
    return number;
}

PhotoPathMover::PhotoPathMover(const QString& imagesFolder)
    : m_folder(store::encode1251(imagesFolder + QLatin1Char('/'))) {}

void PhotoPathMover::move(store::ContactRecord& record) const {
    const std::string_view name = bytesOf(record, store::ContactField::FullName);
    // Built apart: the current path it reads lies where the new one goes.
    std::array<char, store::ContactRecord::kPathCapacity> path;
    size_t length = 0;
    const auto append = [&](std::string_view part) {
        const size_t taken = std::min(part.size(), path.size() - length);
        std::copy_n(part.begin(), taken, path.begin() + length);
        length += taken;
    };
    // Every byte is one character and ASCII stays ASCII, so the name's bytes answer what
    // its text would.
    if (isPhotoName(store::decode1251(name.data(), int(name.size())))) {
        const int number =
            numberInFileName(fileNameOf(bytesOf(record, store::ContactField::PhotoPath)), name);
        append({m_folder.constData(), size_t(m_folder.size())});
        append(name);
        if (number > 1) {
            std::array<char, 12> digits;
            const char* end = std::to_chars(digits.begin(), digits.end(), number).ptr;
            append(" (");
            append({digits.data(), size_t(end - digits.data())});
            append(")");
        }
        append(".jpg");
    }
    const int at = store::ContactRecord::offset(store::ContactField::PhotoPath);
    unsigned char* field = record.bytes().data() + at;
    field[0] = static_cast<unsigned char>(length);
    std::copy_n(path.begin(), length, field + 1);
    std::fill(field + 1 + length, field + 1 + path.size(), 0);
}

} // namespace photos

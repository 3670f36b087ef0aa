#include "interchange/contact_file.h"

#include "interchange/csv_mapping.h"
#include "interchange/text_encoding.h"
#include "interchange/vcard_parts.h"
#include "interchange/vcard_reader.h"
#include "platform/regular_file.h"
#include "platform/system_error_text.h"

#include <functional>

namespace interchange {

namespace {

// A contact file larger than this is no address book.
constexpr int64_t kMaxContactFileBytes = int64_t(512) << 20;
// A vCard file larger than two parts is read a part at a time.
constexpr qsizetype kPartBytes = qsizetype(4) << 20;

ContactFileError readError(const QString& path, std::error_code error) {
    return ContactFileError(QStringLiteral("Не удалось прочитать файл «%1»: %2")
                                .arg(path, platform::systemErrorText(error)));
}

// The file opened for reading, or the error of opening it thrown.
void requireOpen(const platform::RegularFile& file, const QString& path) {
    if (!file.isOpen())
        throw readError(path, file.error());
}

// The whole content of the opened file.
QByteArray wholeFile(const platform::RegularFile& file, const QString& path) {
    std::error_code error;
    const QByteArray bytes = file.readAll(kMaxContactFileBytes, error);
    if (error)
        throw readError(path, error);
    return bytes;
}

// Calls `visit` with the file's bytes in parts of whole cards, each about `partBytes`
// long or the length of its longest card.
void forEachPart(const platform::RegularFile& file, const QString& path, qsizetype partBytes,
                 const std::function<void(const QByteArray&)>& visit) {
    QByteArray pending;
    int64_t offset = 0;
    for (;;) {
        std::error_code error;
        const QByteArray block = file.readAt(offset, partBytes, error);
        if (error)
            throw readError(path, error);
        if (offset + block.size() > kMaxContactFileBytes)
            throw readError(path, std::make_error_code(std::errc::file_too_large));
        offset += block.size();
        if (block.isEmpty()) {
            if (!pending.isEmpty())
                visit(pending);
            return;
        }
        pending.append(block);
        if (const qsizetype whole = wholeCardsLength(pending); whole > 0) {
            visit(pending.first(whole));
            pending.remove(0, whole);
        }
    }
}

ContactList readVCardParts(const platform::RegularFile& file, const QString& path,
                           qsizetype partBytes) {
    // The byte-order mark and the zero bytes of UTF-16 show in the first part; such a
    // file is decoded whole.
    std::error_code error;
    const TextEncoding head = detectEncoding(file.readAt(0, partBytes, error));
    if (error)
        throw readError(path, error);
    if (head == TextEncoding::Utf16LE || head == TextEncoding::Utf16BE)
        return readVCards(wholeFile(file, path));
    // The texts of every part decide the encoding, as for the whole file.
    QByteArray sample;
    forEachPart(file, path, partBytes,
                [&sample](const QByteArray& part) { sample.append(encodingSample(part)); });
    ContactList list;
    list.encoding = detectEncoding(sample);
    sample.clear();
    forEachPart(file, path, partBytes, [&list](const QByteArray& part) {
        list.contacts.append(readVCards(part, list.encoding).contacts);
    });
    return list;
}

} // namespace

bool isCsvFileName(const QString& path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

bool isContactFileName(const QString& path) {
    return isCsvFileName(path) || path.endsWith(QStringLiteral(".vcf"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".vcard"), Qt::CaseInsensitive);
}

ContactList readVCardFileInParts(const QString& path, qsizetype partBytes) {
    const platform::RegularFile file(path, platform::RegularFile::Access::Read);
    requireOpen(file, path);
    return readVCardParts(file, path, partBytes);
}

QByteArray readContactBytes(const QString& path) {
    const platform::RegularFile file(path, platform::RegularFile::Access::Read);
    requireOpen(file, path);
    return wholeFile(file, path);
}

ContactList readContactFile(const QString& path) {
    const platform::RegularFile file(path, platform::RegularFile::Access::Read);
    requireOpen(file, path);
    if (!isCsvFileName(path)) {
        // A file of photos is not held whole beside the photos decoded from it.
        std::error_code error;
        if (file.size(error) > 2 * kPartBytes && !error)
            return readVCardParts(file, path, kPartBytes);
        return readVCards(wholeFile(file, path));
    }
    const CsvTable table = readCsv(wholeFile(file, path));
    return csvContacts(table, CsvMapping::fromHeaders(table.headers));
}

} // namespace interchange

#include "interchange/contact_file.h"

#include "interchange/csv_mapping.h"
#include "interchange/vcard_reader.h"
#include "platform/regular_file.h"
#include "platform/system_error_text.h"

namespace interchange {

namespace {

// A contact file larger than this is no address book.
constexpr int64_t kMaxContactFileBytes = int64_t(512) << 20;

} // namespace

bool isCsvFileName(const QString& path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

bool isContactFileName(const QString& path) {
    return isCsvFileName(path) || path.endsWith(QStringLiteral(".vcf"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".vcard"), Qt::CaseInsensitive);
}

QByteArray readContactBytes(const QString& path) {
    const platform::RegularFile file(path, platform::RegularFile::Access::Read);
    std::error_code error = file.error();
    const QByteArray bytes =
        file.isOpen() ? file.readAll(kMaxContactFileBytes, error) : QByteArray();
    if (error)
        throw ContactFileError(QStringLiteral("Не удалось прочитать файл «%1»: %2")
                                   .arg(path, platform::systemErrorText(error)));
    return bytes;
}

ContactList readContactFile(const QString& path) {
    const QByteArray bytes = readContactBytes(path);
    if (!isCsvFileName(path))
        return readVCards(bytes);
    const CsvTable table = readCsv(bytes);
    return csvContacts(table, CsvMapping::fromHeaders(table.headers));
}

} // namespace interchange

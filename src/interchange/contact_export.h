#pragma once

#include "interchange/contact.h"
#include "interchange/csv_writer.h"
#include "interchange/vcard_writer.h"
#include "store/contact_record.h"
#include "store/data_file.h"

#include <QString>

#include <stdexcept>

namespace interchange {

// The file formats of an export.
struct ExportFormat {
    enum class Kind { VCard, Csv } kind = Kind::VCard;
    VCardVersion version = VCardVersion::V30;
    Charset21 charset = Charset21::Utf8;
    CsvDialect dialect = CsvDialect::CodePage1251;
};

// The format a file name asks for: ".csv" is CSV in code page 1251, anything else a
// vCard 3.0 file.
ExportFormat formatForFile(const QString& path);

// An export that failed, with the text the user sees.
class ExportError : public std::runtime_error {
public:
    explicit ExportError(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The contact a record gives, with its photo file's bytes when the photo path names a
// readable regular file.
Contact recordContact(const store::ContactRecord& record);

// Writes every record of the base to one file, replacing it whole or not at all; the
// photos go into vCards, not into CSV. Returns the number of contacts written; throws
// ExportError.
int exportBase(store::DataFile& base, const QString& path, const ExportFormat& format);

// Writes a vCard file per record into the folder, named after the full name (a name that
// cannot name a file there becomes "Контакт N"; a second file of a name is "Имя (2).vcf").
// Returns the number of files written; throws ExportError.
int exportBaseToFolder(store::DataFile& base, const QString& folder, const ExportFormat& format);

} // namespace interchange

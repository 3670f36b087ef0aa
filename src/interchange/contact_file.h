#pragma once

#include "interchange/contact.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace interchange {

// A contact file that could not be read, with the text the user sees.
class ContactFileError : public std::runtime_error {
public:
    explicit ContactFileError(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Whether the file name is one of a contact file: ".vcf", ".vcard" or ".csv", any case.
bool isContactFileName(const QString& path);

// Whether the file is read as CSV: ".csv", any case.
bool isCsvFileName(const QString& path);

// The bytes of a contact file. Only a regular file of at most 512 MB is read; anything
// else throws ContactFileError.
QByteArray readContactBytes(const QString& path);

// Reads the contacts of a file: CSV for ".csv" (its columns mapped by their headers),
// vCard for anything else. Only a regular file of at most 512 MB is read; anything else
// throws ContactFileError.
ContactList readContactFile(const QString& path);

// Reads a vCard file a part of about `partBytes` at a time, each part whole cards, so
// that a file of photos is never held whole beside the photos decoded from it: the same
// contacts and encoding as readVCards of the whole file. readContactFile reads large
// vCard files this way.
ContactList readVCardFileInParts(const QString& path, qsizetype partBytes);

} // namespace interchange

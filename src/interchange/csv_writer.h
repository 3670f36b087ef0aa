#pragma once

#include "interchange/contact.h"

#include <QByteArray>
#include <QList>

namespace interchange {

// Code page 1251 with ";" for spreadsheets set up for Russian, or UTF-8 (with its
// byte-order mark) with ",".
enum class CsvDialect { CodePage1251, Utf8 };

// The header row (after UTF-8's byte-order mark) and the row of one contact.
QByteArray csvHeader(CsvDialect dialect);
QByteArray csvRow(const Contact& contact, CsvDialect dialect);

// A header row "ФИО", "Адрес", "Телефон", "Место работы", "E-mail" and a row per contact,
// lines ending in CRLF; a field holding the separator, a quote or a line break is quoted.
QByteArray writeCsv(const QList<Contact>& contacts, CsvDialect dialect);

} // namespace interchange

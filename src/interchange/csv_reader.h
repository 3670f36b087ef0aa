#pragma once

#include "interchange/text_encoding.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QStringList>

#include <optional>

namespace interchange {

// A CSV file as a table: its header row, the rows under it, the separator and the
// encoding it was read in.
struct CsvTable {
    QStringList headers;
    QList<QStringList> rows;
    QChar separator = QLatin1Char(',');
    TextEncoding encoding = TextEncoding::Utf8;
};

// The separator of the first line: whichever of ",", ";" and tab occurs most often
// outside quotes (",", when none does).
QChar detectSeparator(const QString& text);

// Splits the text into rows of fields. A field in double quotes may hold the separator,
// line breaks and doubled quotes; rows end in CRLF, LF or CR. Empty lines are no rows.
QList<QStringList> parseCsv(const QString& text, QChar separator);

// Reads the file in `encoding`, or in the one detected (see detectEncoding); the first
// row is the header row. Never throws.
CsvTable readCsv(const QByteArray& bytes, std::optional<TextEncoding> encoding = std::nullopt);

} // namespace interchange

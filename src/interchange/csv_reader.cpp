#include "interchange/csv_reader.h"

namespace interchange {

QChar detectSeparator(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        else if (c == QLatin1Char(','))
            ++commas;
        else if (c == QLatin1Char(';'))
            ++semicolons;
        else if (c == QLatin1Char('\t'))
            ++tabs;
    }
    if (tabs > commas && tabs > semicolons)
        return QLatin1Char('\t');
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

QList<QStringList> parseCsv(const QString& text, QChar separator) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endField = [&] {
        row.append(field);
        field.clear();
        fieldStarted = false;
    };
    const auto endRow = [&] {
        if (fieldStarted || !row.isEmpty() || !field.isEmpty())
            endField();
        if (!row.isEmpty() && !(row.size() == 1 && row.first().isEmpty()))
            rows.append(row);
        row.clear();
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                field.append(c);
            else if (i + 1 < n && text[i + 1] == QLatin1Char('"'))
                field.append(text[++i]);
            else
                quoted = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
            fieldStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    endRow();
    return rows;
}

CsvTable readCsv(const QByteArray& bytes, std::optional<TextEncoding> encoding) {
    CsvTable table;
    table.encoding = encoding ? *encoding : detectEncoding(bytes);
    const QString text = decodeText(bytes, table.encoding);
    table.separator = detectSeparator(text);
    QList<QStringList> rows = parseCsv(text, table.separator);
    if (!rows.isEmpty())
        table.headers = rows.takeFirst();
    table.rows = std::move(rows);
    return table;
}

} // namespace interchange

#include "interchange/csv_writer.h"

#include "store/codec1251.h"

#include <QStringList>

namespace interchange {

namespace {

QString quoted(const QString& field, QChar separator) {
    if (!field.contains(separator) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    return QLatin1Char('"') + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QChar separatorOf(CsvDialect dialect) {
    return dialect == CsvDialect::CodePage1251 ? QLatin1Char(';') : QLatin1Char(',');
}

QByteArray line(const QStringList& fields, CsvDialect dialect) {
    const QChar separator = separatorOf(dialect);
    QStringList cells;
    for (const QString& field : fields)
        cells.append(quoted(field, separator));
    const QString text = cells.join(separator) + QStringLiteral("\r\n");
    return dialect == CsvDialect::CodePage1251 ? store::encode1251(text) : text.toUtf8();
}

} // namespace

QByteArray csvHeader(CsvDialect dialect) {
    const QByteArray header =
        line({QStringLiteral("ФИО"), QStringLiteral("Адрес"), QStringLiteral("Телефон"),
              QStringLiteral("Место работы"), QStringLiteral("E-mail")},
             dialect);
    return dialect == CsvDialect::Utf8 ? QByteArray("\xEF\xBB\xBF") + header : header;
}

QByteArray csvRow(const Contact& contact, CsvDialect dialect) {
    return line(
        {contact.fullName, contact.address, contact.telephone, contact.workplace, contact.email},
        dialect);
}

QByteArray writeCsv(const QList<Contact>& contacts, CsvDialect dialect) {
    QByteArray bytes = csvHeader(dialect);
    for (const Contact& contact : contacts)
        bytes += csvRow(contact, dialect);
    return bytes;
}

} // namespace interchange

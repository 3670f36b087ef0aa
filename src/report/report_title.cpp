#include "report/report_title.h"

#include <QRegularExpression>

namespace report {

namespace {

// The long time format names the time zone as well; the title shows the clock time only.
QString longTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    return format.remove(zone).trimmed();
}

} // namespace

QString reportTitle(const QDateTime& when, const QLocale& locale) {
    return QStringLiteral("Отчет был создан ") +
           locale.toString(when.date(), QLocale::ShortFormat) + QStringLiteral(" в ") +
           locale.toString(when.time(), longTimeFormat(locale)) +
           QStringLiteral(" с помощью программы Kalmo");
}

} // namespace report

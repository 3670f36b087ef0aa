#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace report {

// The report's title: "Отчет был создан <date> в <time> с помощью программы Kalmo", the
// date in the locale's short date format and the time in its long time format (without a
// time zone), e.g. "Отчет был создан 06.12.2026 в 22:28:05 с помощью программы Kalmo".
QString reportTitle(const QDateTime& when, const QLocale& locale = QLocale());

} // namespace report

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace app {

// The base-size text of the main window: bytes / 1024 in the general number format with
// the locale's decimal separator, cut to its first 4 characters, then " Kb"
// (511 bytes -> "0,49 Kb" under Russian settings, -1 -> "-0,0 Kb").
QString baseSizeText(int64_t bytes, const QLocale& locale = QLocale());

// The size of a file in bytes, or -1 when it cannot be opened for reading.
int64_t GetFileSizeBytes(const QString& path);

} // namespace app

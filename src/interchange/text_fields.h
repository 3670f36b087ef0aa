#pragma once

#include <QString>
#include <QStringList>

namespace interchange {

// A record's fields are one line each: line breaks, tabs and other control characters
// become spaces, and runs of spaces one space, trimmed.
QString singleLine(const QString& text);

// The parts that are not empty as single lines, joined by the separator.
QString joinedParts(const QStringList& parts, const QString& separator);

} // namespace interchange

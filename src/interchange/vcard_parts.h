#pragma once

#include <QByteArray>

namespace interchange {

// The length of the longest beginning of the bytes that ends with the line end of an
// END:VCARD line closing a card not inside another card; 0 when there is none. A line
// after a quoted-printable soft break ("=" at the end of the line before) continues a
// value and closes nothing.
qsizetype wholeCardsLength(const QByteArray& bytes);

} // namespace interchange

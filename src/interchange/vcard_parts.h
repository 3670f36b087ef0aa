#pragma once

#include <QByteArray>

namespace interchange {

// The length of the longest beginning of the bytes that ends with the line end of an
// END:VCARD line closing a card not inside another card; 0 when there is none. Such a
// line closes its card even after a quoted-printable soft break or base64 ending in "=",
// as the reader takes it.
qsizetype wholeCardsLength(const QByteArray& bytes);

} // namespace interchange

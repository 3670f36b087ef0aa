#pragma once

#include <QByteArray>

namespace interchange {

// Quoted-printable as vCard 2.1 uses it. Decoding takes "=XX" in either case and drops
// soft line breaks ("=" at a line end); a "=" not followed by two hex digits stays as it
// is. Encoding escapes every byte outside printable ASCII, "=" itself and a space or tab
// at the start or end of a line, and breaks lines with "=" CRLF so that none is longer than
// `lineLength` octets, counting `firstLineUsed` octets already on the first line; an
// escape is never split.
QByteArray decodeQuotedPrintable(const QByteArray& encoded);
QByteArray encodeQuotedPrintable(const QByteArray& bytes, int firstLineUsed = 0,
                                 int lineLength = 76);

} // namespace interchange

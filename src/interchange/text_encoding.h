#pragma once

#include <QByteArray>
#include <QString>

namespace interchange {

// The text encodings a contact file is read in.
enum class TextEncoding { Utf8, Utf16LE, Utf16BE, CodePage1251, Koi8R, Latin1 };

// The name the user sees in the import window and the command line prints.
QString encodingName(TextEncoding encoding);

// Decides a file's encoding: a byte-order mark, then the zero bytes of UTF-16 without a
// mark, then strict UTF-8 (plain ASCII included), else code page 1251 or KOI8-R by which
// one makes Russian words of the letters, or ISO 8859-1 when the letters past ASCII sit
// mostly inside Latin words (a western name such as "Müller").
TextEncoding detectEncoding(const QByteArray& bytes);

// The length of the byte-order mark the bytes start with for the encoding, or 0.
int byteOrderMarkLength(const QByteArray& bytes, TextEncoding encoding);

// Decodes the bytes (a byte-order mark is skipped). A byte sequence the encoding does
// not allow becomes U+FFFD.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

// Decodes bytes in the encoding a CHARSET= parameter names ("UTF-8", "windows-1251",
// "KOI8-R", "Shift_JIS", ...); false in `known` when no decoder knows the name.
QString decodeCharset(const QByteArray& bytes, const QByteArray& charset, bool* known);

} // namespace interchange

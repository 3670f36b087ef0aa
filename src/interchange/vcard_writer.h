#pragma once

#include "interchange/contact.h"

#include <QByteArray>

namespace interchange {

enum class VCardVersion { V21, V30, V40 };
// The code page of a 2.1 card's texts.
enum class Charset21 { Utf8, CodePage1251 };

// One card for the contact, lines ending in CRLF: VERSION, N (the full name's words as
// Фамилия, Имя and the rest as Отчество), FN, UID (`uid`), ADR, TEL, ORG, EMAIL and the
// photo as JPEG. 3.0 and 4.0 are UTF-8 with escapes, folded at 75 octets on character
// boundaries, 4.0 with the photo as a data: URI; 2.1 writes texts that are not plain
// ASCII in quoted-printable with their CHARSET=.
QByteArray writeVCard(const Contact& contact, const QString& uid, VCardVersion version,
                      Charset21 charset = Charset21::Utf8);

// A line of UTF-8 folded at 75 octets: each continuation line starts with a space, and
// no fold falls inside a character.
QByteArray foldedLine(const QByteArray& line);

} // namespace interchange

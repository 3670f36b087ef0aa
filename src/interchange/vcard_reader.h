#pragma once

#include "interchange/contact.h"

#include <QByteArray>

#include <optional>

namespace interchange {

// Reads every vCard (2.1, 3.0 or 4.0) of a file. Texts without a CHARSET= parameter are
// read in `encoding`, or in the encoding the file's texts show (see detectEncoding) when
// none is given. A card's full name is its FN, else its N joined "Фамилия Имя Отчество";
// the address joins the parts of the preferred (or first) ADR; the telephone and e-mail
// are the preferred (or first) TEL and EMAIL, the others counted; the workplace is ORG
// with TITLE after it; the photo is the first PHOTO embedded in the card (a photo given
// only by its address is not fetched). A card whose BEGIN line is lost starts at its
// first property; cards inside a card and cards with nothing in them
// are left out. Never throws: whatever cannot be read is skipped.
ContactList readVCards(const QByteArray& bytes,
                       std::optional<TextEncoding> encoding = std::nullopt);

// The bytes of every text without a CHARSET= parameter in the cards: a file of ASCII
// lines with its texts in quoted-printable shows its encoding only there. readVCards
// decides the encoding of a file that is not UTF-16 by detectEncoding of this sample.
QByteArray encodingSample(const QByteArray& bytes);

// The encoding readVCards reads the file's texts in when none is given: UTF-16 by its mark
// or zero bytes, else detectEncoding of the encoding sample.
TextEncoding vcardEncoding(const QByteArray& bytes);

} // namespace interchange

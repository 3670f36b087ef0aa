#pragma once

#include <QChar>
#include <QString>

class QKeyEvent;

namespace skin::frame {

// The letter that opens a menu with Alt: the one marked with "&" in its caption, else
// its first letter; a null character when the caption has no letter.
QChar menuLetter(const QString& caption);

// Whether key (pressed with Alt) is letter: by the text it types, by its key code, or by
// the physical key, which on the Russian and the Latin layout carry one letter each
// (Ф and A share a key), so the menu opens whichever layout is active.
bool isMenuLetterKey(const QKeyEvent& key, QChar letter);

} // namespace skin::frame

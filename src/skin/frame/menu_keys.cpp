#include "skin/frame/menu_keys.h"

#include <QKeyEvent>

#include <array>

namespace skin::frame {
namespace {

// One physical key of a standard keyboard: the Russian letter it types, the Latin
// character it types, and its key code as the window system reports it (the Linux input
// code + 8).
struct LetterKey {
    char16_t russian;
    char latin;
    quint32 scanCode;
};

constexpr std::array<LetterKey, 33> kLetterKeys{{
    {u'й', 'q', 24}, {u'ц', 'w', 25}, {u'у', 'e', 26},  {u'к', 'r', 27}, {u'е', 't', 28},
    {u'н', 'y', 29}, {u'г', 'u', 30}, {u'ш', 'i', 31},  {u'щ', 'o', 32}, {u'з', 'p', 33},
    {u'х', '[', 34}, {u'ъ', ']', 35}, {u'ф', 'a', 38},  {u'ы', 's', 39}, {u'в', 'd', 40},
    {u'а', 'f', 41}, {u'п', 'g', 42}, {u'р', 'h', 43},  {u'о', 'j', 44}, {u'л', 'k', 45},
    {u'д', 'l', 46}, {u'ж', ';', 47}, {u'э', '\'', 48}, {u'ё', '`', 49}, {u'я', 'z', 52},
    {u'ч', 'x', 53}, {u'с', 'c', 54}, {u'м', 'v', 55},  {u'и', 'b', 56}, {u'т', 'n', 57},
    {u'ь', 'm', 58}, {u'б', ',', 59}, {u'ю', '.', 60},
}};

const LetterKey* keyOf(QChar letter) {
    const QChar lower = letter.toLower();
    for (const LetterKey& key : kLetterKeys) {
        if (lower == QChar(key.russian) || lower == QLatin1Char(key.latin))
            return &key;
    }
    return nullptr;
}

// The key code the toolkit gives a character's key: its upper-case code point.
int keyCodeOf(QChar c) {
    return int(c.toUpper().unicode());
}

} // namespace

QChar menuLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&') && caption.at(i + 1).isLetterOrNumber())
            return caption.at(i + 1);
        ++i; // "&&" is a literal ampersand
    }
    for (QChar c : caption) {
        if (c.isLetterOrNumber())
            return c;
    }
    return QChar();
}

bool isMenuLetterKey(const QKeyEvent& key, QChar letter) {
    if (letter.isNull())
        return false;
    const QString text = key.text();
    if (text.size() == 1 && text.at(0).toLower() == letter.toLower())
        return true;
    if (key.key() == keyCodeOf(letter))
        return true;
    const LetterKey* physical = keyOf(letter);
    if (!physical)
        return false;
    if (key.nativeScanCode() != 0)
        return key.nativeScanCode() == physical->scanCode;
    return key.key() == keyCodeOf(QChar(physical->russian)) ||
           key.key() == keyCodeOf(QLatin1Char(physical->latin));
}

} // namespace skin::frame

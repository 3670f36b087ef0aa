// Which key opens which menu: the letter of a caption, and the keys that count as that
// letter on the Russian and the Latin layout.
#include "skin/frame/menu_keys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace skin::frame;

namespace {

QKeyEvent altKey(int key, const QString& text, quint32 scanCode = 0) {
    return QKeyEvent(QEvent::KeyPress, key, Qt::AltModifier, scanCode, 0, 0, text);
}

} // namespace

TEST(MenuKeys, TheLetterIsTheMarkedOneElseTheFirst) {
    EXPECT_EQ(menuLetter(QStringLiteral("Файл")), QChar(u'Ф'));
    EXPECT_EQ(menuLetter(QStringLiteral("&Close")), QChar(u'C'));
    EXPECT_EQ(menuLetter(QStringLiteral("Mi&nimize")), QChar(u'n'));
    // "&&" is an ampersand, not a mark.
    EXPECT_EQ(menuLetter(QStringLiteral("&&Сохранить")), QChar(u'С'));
    EXPECT_EQ(menuLetter(QStringLiteral("A && &B")), QChar(u'B'));
    EXPECT_EQ(menuLetter(QStringLiteral(" 1 раз")), QChar(u'1'));
    EXPECT_TRUE(menuLetter(QStringLiteral("-")).isNull());
    EXPECT_TRUE(menuLetter(QString()).isNull());
}

TEST(MenuKeys, TheRussianLetterAnswersToItsKeyOnEitherLayout) {
    const QChar ef(u'Ф');
    // The Russian layout: the text, or the key code alone.
    EXPECT_TRUE(isMenuLetterKey(altKey(0x0424, QStringLiteral("ф")), ef));
    EXPECT_TRUE(isMenuLetterKey(altKey(0x0424, QString()), ef));
    // The Latin layout: the same key types "a".
    EXPECT_TRUE(isMenuLetterKey(altKey(Qt::Key_A, QStringLiteral("a")), ef));
    EXPECT_FALSE(isMenuLetterKey(altKey(Qt::Key_S, QStringLiteral("s")), ef));
    EXPECT_FALSE(isMenuLetterKey(altKey(0x042B, QStringLiteral("ы")), ef));
    // With the window system's key code the physical key decides for Latin text: on a
    // layout that types "q" where A usually is (code 38), that key opens "Файл", and an
    // "a" typed on another key does not; typed Russian text still counts.
    EXPECT_TRUE(isMenuLetterKey(altKey(Qt::Key_Q, QStringLiteral("q"), 38), ef));
    EXPECT_FALSE(isMenuLetterKey(altKey(Qt::Key_A, QStringLiteral("a"), 24), ef));
    EXPECT_TRUE(isMenuLetterKey(altKey(0x0424, QStringLiteral("ф"), 24), ef));
    // The last letters of the table: Ю on ".", Ё on "`".
    EXPECT_TRUE(isMenuLetterKey(altKey(Qt::Key_Period, QStringLiteral(".")), QChar(u'Ю')));
    EXPECT_TRUE(isMenuLetterKey(altKey(Qt::Key_QuoteLeft, QStringLiteral("`")), QChar(u'ё')));
}

TEST(MenuKeys, ALatinLetterAnswersToTheRussianLayoutToo) {
    const QChar c(u'C');
    EXPECT_TRUE(isMenuLetterKey(altKey(Qt::Key_C, QStringLiteral("c")), c));
    EXPECT_TRUE(isMenuLetterKey(altKey(0x0421, QStringLiteral("с")), c));
    EXPECT_FALSE(isMenuLetterKey(altKey(Qt::Key_X, QStringLiteral("x")), c));
    // A digit has no second layout.
    EXPECT_TRUE(isMenuLetterKey(altKey(Qt::Key_1, QStringLiteral("1")), QChar(u'1')));
    EXPECT_FALSE(isMenuLetterKey(altKey(Qt::Key_2, QStringLiteral("2")), QChar(u'1')));
    EXPECT_FALSE(isMenuLetterKey(altKey(Qt::Key_A, QStringLiteral("a")), QChar()));
}

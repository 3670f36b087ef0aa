#include "interchange/text_encoding.h"
#include "store/codec1251.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

using interchange::TextEncoding;

namespace {

const QString kRussian = QStringLiteral("Иванов Пётр Сергеевич, г. Москва, ул. Тверская");

QByteArray koi8(const QString& text) {
    return QStringEncoder("KOI8-R")(text);
}

QByteArray utf16(const QString& text, QStringEncoder::Encoding encoding, bool mark) {
    QStringEncoder encoder(encoding,
                           mark ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
    return encoder(text);
}

TEST(TextEncodingTest, ByteOrderMarksDecideAndAreSkipped) {
    const QByteArray utf8 = QByteArray("\xEF\xBB\xBF") + kRussian.toUtf8();
    EXPECT_EQ(interchange::detectEncoding(utf8), TextEncoding::Utf8);
    EXPECT_EQ(interchange::decodeText(utf8, TextEncoding::Utf8), kRussian);
    const QByteArray le = utf16(kRussian, QStringEncoder::Utf16LE, true);
    EXPECT_EQ(interchange::detectEncoding(le), TextEncoding::Utf16LE);
    EXPECT_EQ(interchange::decodeText(le, TextEncoding::Utf16LE), kRussian);
    const QByteArray be = utf16(kRussian, QStringEncoder::Utf16BE, true);
    EXPECT_EQ(interchange::detectEncoding(be), TextEncoding::Utf16BE);
    EXPECT_EQ(interchange::decodeText(be, TextEncoding::Utf16BE), kRussian);
}

TEST(TextEncodingTest, Utf16WithoutAMarkIsToldByItsZeroBytes) {
    // Latin text has a zero high byte; Cyrillic a 0x04 one: both orders, both scripts.
    const QString latin = QStringLiteral("BEGIN:VCARD\r\nFN:John Smith\r\nEND:VCARD\r\n");
    EXPECT_EQ(interchange::detectEncoding(utf16(latin, QStringEncoder::Utf16LE, false)),
              TextEncoding::Utf16LE);
    EXPECT_EQ(interchange::detectEncoding(utf16(latin, QStringEncoder::Utf16BE, false)),
              TextEncoding::Utf16BE);
    const QString mixed = QStringLiteral("FN:") + kRussian + QStringLiteral("\r\nTEL:+7 912\r\n");
    EXPECT_EQ(interchange::detectEncoding(utf16(mixed, QStringEncoder::Utf16BE, false)),
              TextEncoding::Utf16BE);
}

TEST(TextEncodingTest, StrictUtf8WinsOverTheSingleByteCodePages) {
    EXPECT_EQ(interchange::detectEncoding(kRussian.toUtf8()), TextEncoding::Utf8);
    EXPECT_EQ(interchange::detectEncoding("plain ascii"), TextEncoding::Utf8);
    // One byte that cannot be UTF-8 makes the text a single-byte one.
    EXPECT_NE(interchange::detectEncoding(kRussian.toUtf8() + "\xE9"), TextEncoding::Utf8);
}

TEST(TextEncodingTest, OnlyWellFormedUtf8CountsAsUtf8) {
    const QByteArray letter = QStringLiteral("Ж").toUtf8();
    EXPECT_EQ(interchange::detectEncoding(letter + QStringLiteral("€𝄞").toUtf8()),
              TextEncoding::Utf8);
    // A sequence cut off by the end, an overlong "/", a surrogate, a code point past
    // U+10FFFF and a continuation byte alone are no UTF-8.
    for (const QByteArray& wrong :
         {letter + letter.left(1), letter + "\xC0\xAF", letter + "\xED\xA0\x80",
          letter + "\xF4\x90\x80\x80", letter + "\x80"}) {
        SCOPED_TRACE(wrong.toHex().toStdString());
        EXPECT_NE(interchange::detectEncoding(wrong), TextEncoding::Utf8);
    }
}

TEST(TextEncodingTest, CodePage1251AndKoi8AreToldApartByTheirLetters) {
    const QStringList samples = {kRussian, QStringLiteral("ИВАНОВ ПЁТР"), QStringLiteral("Ёлкин"),
                                 QStringLiteral("ООО \"Ромашка\""),
                                 QStringLiteral("директор по развитию")};
    for (const QString& text : samples) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(interchange::detectEncoding(store::encode1251(text)), TextEncoding::CodePage1251);
        EXPECT_EQ(interchange::detectEncoding(koi8(text)), TextEncoding::Koi8R);
        EXPECT_EQ(interchange::decodeText(koi8(text), TextEncoding::Koi8R), text);
        EXPECT_EQ(interchange::decodeText(store::encode1251(text), TextEncoding::CodePage1251),
                  text);
    }
}

TEST(TextEncodingTest, WesternEightBitTextIsNotTakenForRussian) {
    // Accented letters inside Latin words: read as Cyrillic they would make "Mцller".
    for (const QString& text :
         {QStringLiteral("Müller Jürgen, Straße 5"), QStringLiteral("FN:José Núñez\r\nORG:Café"),
          QStringLiteral("Piotr Iksiñski")}) {
        SCOPED_TRACE(text.toStdString());
        const QByteArray bytes = text.toLatin1();
        EXPECT_EQ(interchange::detectEncoding(bytes), TextEncoding::Latin1);
        EXPECT_EQ(interchange::decodeText(bytes, TextEncoding::Latin1), text);
    }
    // Russian words beside Latin ones, and one word of both scripts, stay Russian.
    const QString russian =
        QStringLiteral("FN:Иванов Иван\r\nEMAIL:ivan@mail.ru\r\nORG:iPhoneсервис Москва");
    EXPECT_EQ(interchange::detectEncoding(store::encode1251(russian)), TextEncoding::CodePage1251);
    EXPECT_EQ(interchange::detectEncoding(koi8(russian)), TextEncoding::Koi8R);
}

TEST(TextEncodingTest, CharsetNamesAreDecodedOrReportedUnknown) {
    bool known = false;
    EXPECT_EQ(interchange::decodeCharset(store::encode1251(kRussian), "Windows-1251", &known),
              kRussian);
    EXPECT_TRUE(known);
    EXPECT_EQ(interchange::decodeCharset(koi8(kRussian), "koi8-r", &known), kRussian);
    EXPECT_TRUE(known);
    EXPECT_EQ(interchange::decodeCharset("\x82\xA0", "SHIFT_JIS", &known), QStringLiteral("あ"));
    EXPECT_TRUE(known);
    interchange::decodeCharset("x", "no-such-charset", &known);
    EXPECT_FALSE(known);
}

} // namespace

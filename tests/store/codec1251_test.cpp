#include "store/codec1251.h"

#include <gtest/gtest.h>

TEST(Codec1251, CyrillicLettersMapToTheirCodePageBytes) {
    const QByteArray bytes = store::encode1251(QStringLiteral("Аяя Ёё №"));
    EXPECT_EQ(bytes, QByteArray("\xC0\xFF\xFF\x20\xA8\xB8\x20\xB9"));
    EXPECT_EQ(store::decode1251(bytes), QStringLiteral("Аяя Ёё №"));
}

TEST(Codec1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    // A Chinese character, a Greek letter and an emoji (two UTF-16 units, one character).
    EXPECT_EQ(store::encode1251(QStringLiteral("a中β😀b")), QByteArray("a???b"));
}

TEST(Codec1251, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(store::encode1251(store::decode1251(all)), all);
}

TEST(Codec1251, UpperCaseTouchesOnlyLatinAndCyrillicLowerCase) {
    EXPECT_EQ(store::UpperCase1251(store::encode1251(QStringLiteral("иванов ivanov"))),
              store::encode1251(QStringLiteral("ИВАНОВ IVANOV")));
    // ё (0xB8), digits and punctuation stay as they are; я (0xFF) becomes Я (0xDF).
    EXPECT_EQ(store::upperCase1251Byte(0xB8), 0xB8);
    EXPECT_EQ(store::upperCase1251Byte('7'), '7');
    EXPECT_EQ(store::upperCase1251Byte(0xFF), 0xDF);
    EXPECT_EQ(store::upperCase1251Byte(0xE0), 0xC0);
    EXPECT_EQ(store::upperCase1251Byte('{'), '{');
}

TEST(Codec1251, EncodingIntoABufferStopsAtItsCapacity) {
    char out[6];
    std::fill(std::begin(out), std::end(out), 'Z');
    // The emoji is two UTF-16 units and one character: one byte.
    EXPECT_EQ(store::encode1251(QStringLiteral("a😀бвгдеж"), out, 5), 5);
    EXPECT_EQ(QByteArray(out, 6), QByteArray("a?\xE1\xE2\xE3Z"));
    EXPECT_EQ(store::encode1251(QStringLiteral("аб"), out, 5), 2);
    EXPECT_EQ(store::encode1251(QString(), out, 5), 0);
    // A high surrogate at the very end is one character of its own.
    EXPECT_EQ(store::encode1251(QString(QChar(0xD83D)), out, 5), 1);
    EXPECT_EQ(out[0], '?');
}

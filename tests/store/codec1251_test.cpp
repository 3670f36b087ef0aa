#include "store/codec1251.h"

#include <gtest/gtest.h>

TEST(Codec1251, CyrillicLettersMapToTheirCodePageBytes) {
    const QByteArray bytes = cp1251::encode(QStringLiteral("Аяя Ёё №"));
    EXPECT_EQ(bytes, QByteArray("\xC0\xFF\xFF\x20\xA8\xB8\x20\xB9"));
    EXPECT_EQ(cp1251::decode(bytes), QStringLiteral("Аяя Ёё №"));
}

TEST(Codec1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    // A Chinese character, a Greek letter and an emoji (two UTF-16 units, one character).
    EXPECT_EQ(cp1251::encode(QStringLiteral("a中β😀b")), QByteArray("a???b"));
}

TEST(Codec1251, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(cp1251::encode(cp1251::decode(all)), all);
}

TEST(Codec1251, UpperCaseTouchesOnlyLatinAndCyrillicLowerCase) {
    EXPECT_EQ(cp1251::upperCase(cp1251::encode(QStringLiteral("иванов ivanov"))),
              cp1251::encode(QStringLiteral("ИВАНОВ IVANOV")));
    // ё (0xB8), digits and punctuation stay as they are; я (0xFF) becomes Я (0xDF).
    EXPECT_EQ(cp1251::upperCaseByte(0xB8), 0xB8);
    EXPECT_EQ(cp1251::upperCaseByte('7'), '7');
    EXPECT_EQ(cp1251::upperCaseByte(0xFF), 0xDF);
    EXPECT_EQ(cp1251::upperCaseByte(0xE0), 0xC0);
    EXPECT_EQ(cp1251::upperCaseByte('{'), '{');
}

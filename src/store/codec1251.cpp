#include "store/codec1251.h"

#include <QList>

#include <array>

namespace store {

namespace {

// Unicode code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are А to я in order.
// 0x98 is unassigned in the code page and maps to the C1 control of the same value so
// that every byte survives a round trip.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

char16_t toUnicode(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return char16_t(0x0410 + (byte - 0xC0));
    return kUpperHalf[byte - 0x80];
}

char toByte(char32_t codePoint) {
    if (codePoint < 0x80)
        return char(codePoint);
    if (codePoint >= 0x0410 && codePoint <= 0x044F)
        return char(0xC0 + (codePoint - 0x0410));
    for (size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == codePoint)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

bool inCodePage1251(QChar character) {
    return character == QLatin1Char('?') || toByte(character.unicode()) != '?';
}

int encode1251(QStringView text, char* out, int capacity) {
    // Raw pointers: the loop runs over every text of every record in whole-base passes.
    const char16_t* unit = text.utf16();
    const char16_t* const end = unit + text.size();
    int length = 0;
    for (; unit != end && length < capacity; ++unit) {
        // A surrogate pair is one character, outside the code page like a lone surrogate:
        // one '?' either way.
        if (QChar::isHighSurrogate(*unit) && unit + 1 != end && QChar::isLowSurrogate(unit[1]))
            ++unit;
        out[length++] = toByte(*unit);
    }
    return length;
}

QByteArray encode1251(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(encode1251(text, bytes.data(), int(text.size())));
    return bytes;
}

QString decode1251(const char* bytes, int length) {
    QString text(length, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (int i = 0; i < length; ++i)
        out[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
    return text;
}

unsigned char upperCase1251Byte(unsigned char byte) {
    if ((byte >= 0x61 && byte <= 0x7A) || byte >= 0xE0)
        return byte - 32;
    return byte;
}

QByteArray UpperCase1251(const QByteArray& bytes) {
    QByteArray result = bytes;
    for (char& c : result)
        c = char(upperCase1251Byte(static_cast<unsigned char>(c)));
    return result;
}

} // namespace store

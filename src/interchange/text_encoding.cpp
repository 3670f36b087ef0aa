#include "interchange/text_encoding.h"

#include "store/codec1251.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace interchange {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool startsWith(const QByteArray& bytes, const char* mark, int length) {
    return bytes.size() >= length && std::equal(mark, mark + length, bytes.constData());
}

// UTF-16 without a mark: Latin and Cyrillic text has a zero (or 0x04) high byte in
// nearly every unit, so one byte of each pair is mostly zero and the other almost never.
std::optional<TextEncoding> zeroBytePattern(const QByteArray& bytes) {
    const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 4096);
    if (pairs < 2)
        return std::nullopt;
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        evenZeros += bytes[2 * i] == 0;
        oddZeros += bytes[2 * i + 1] == 0;
    }
    if (evenZeros * 10 >= pairs * 3 && oddZeros * 20 < pairs)
        return TextEncoding::Utf16BE;
    if (oddZeros * 10 >= pairs * 3 && evenZeros * 20 < pairs)
        return TextEncoding::Utf16LE;
    return std::nullopt;
}

// Checked on the bytes, without decoding: a file of photos is tens of megabytes and its
// text twice that. Overlong forms, surrogates, code points past U+10FFFF and a sequence
// cut off by the end are no UTF-8.
bool isStrictUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > n || p[i + 1] < low || p[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

// How common each letter а to я is in Russian text, per thousand letters.
constexpr std::array<int, 32> kLetterFrequency = {
    80, 16, 45, 17, 30, 85, 9, 16, 74, 12, 35, 44, 32, 67, 110, 28, // а to п
    47, 55, 63, 26, 2,  10, 5, 14, 7,  4,  1,  19, 17, 3,  6,   20, // р to я
};

bool isCyrillicLetter(QChar c) {
    return (c.unicode() >= 0x0410 && c.unicode() <= 0x044F) || c.unicode() == 0x0401 ||
           c.unicode() == 0x0451;
}

int frequencyOf(QChar c) {
    const char16_t lower = c.toLower().unicode();
    return lower >= 0x0430 && lower <= 0x044F ? kLetterFrequency[lower - 0x0430] : 1;
}

// How much the text reads as Russian: common letters score more, and a word written in
// lower case, upper case or with a capital first letter scores for each letter, while
// the mixed case a wrong code page makes ("йЧБОПЧ") does not.
long russianScore(const QString& text) {
    long score = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isCyrillicLetter(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        int upper = 0;
        int frequency = 0;
        while (i < text.size() && isCyrillicLetter(text[i])) {
            upper += text[i].isUpper();
            frequency += frequencyOf(text[i]);
            ++i;
        }
        const qsizetype length = i - start;
        const bool capitalised = text[start].isUpper() && upper == 1;
        const bool plausible = upper == 0 || upper == length || capitalised;
        score += frequency + (plausible ? 30 * length : 0);
    }
    return score;
}

bool isAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A letter of code page 1251 and KOI8-R alike (both keep their letters at 0xC0 and up).
bool isHighLetter(unsigned char c) {
    return c >= 0xC0;
}

// Russian words are written in Cyrillic only, while an 8-bit western file has its accented
// letters inside words of Latin letters. True when most letters past ASCII sit in words that
// also hold Latin letters.
bool highLettersSitInLatinWords(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype inLatinWords = 0;
    qsizetype inOtherWords = 0;
    qsizetype i = 0;
    while (i < n) {
        if (!isAsciiLetter(p[i]) && !isHighLetter(p[i])) {
            ++i;
            continue;
        }
        qsizetype high = 0;
        bool latin = false;
        for (; i < n && (isAsciiLetter(p[i]) || isHighLetter(p[i])); ++i) {
            high += isHighLetter(p[i]);
            latin = latin || isAsciiLetter(p[i]);
        }
        (latin ? inLatinWords : inOtherWords) += high;
    }
    return inLatinWords > inOtherWords;
}

} // namespace

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LE:
        return QStringLiteral("UTF-16LE");
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16BE");
    case TextEncoding::CodePage1251:
        return QStringLiteral("windows-1251");
    case TextEncoding::Koi8R:
        return QStringLiteral("KOI8-R");
    case TextEncoding::Latin1:
        return QStringLiteral("ISO-8859-1");
    }
    return QString();
}

int byteOrderMarkLength(const QByteArray& bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return startsWith(bytes, kUtf8Mark, 3) ? 3 : 0;
    case TextEncoding::Utf16LE:
        return startsWith(bytes, "\xFF\xFE", 2) ? 2 : 0;
    case TextEncoding::Utf16BE:
        return startsWith(bytes, "\xFE\xFF", 2) ? 2 : 0;
    default:
        return 0;
    }
}

TextEncoding detectEncoding(const QByteArray& bytes) {
    if (startsWith(bytes, kUtf8Mark, 3))
        return TextEncoding::Utf8;
    if (startsWith(bytes, "\xFF\xFE", 2))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF", 2))
        return TextEncoding::Utf16BE;
    if (const std::optional<TextEncoding> utf16 = zeroBytePattern(bytes))
        return *utf16;
    if (isStrictUtf8(bytes))
        return TextEncoding::Utf8;
    // The first megabyte holds letters enough to tell.
    const QByteArray sample = bytes.left(1024 * 1024);
    if (highLettersSitInLatinWords(sample))
        return TextEncoding::Latin1;
    const long cp1251 = russianScore(decodeText(sample, TextEncoding::CodePage1251));
    const long koi8 = russianScore(decodeText(sample, TextEncoding::Koi8R));
    return koi8 > cp1251 ? TextEncoding::Koi8R : TextEncoding::CodePage1251;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding) {
    const QByteArray body = bytes.mid(byteOrderMarkLength(bytes, encoding));
    switch (encoding) {
    case TextEncoding::Utf8:
        return QString::fromUtf8(body);
    case TextEncoding::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE)(body);
    case TextEncoding::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE)(body);
    case TextEncoding::CodePage1251:
        return store::decode1251(body);
    case TextEncoding::Koi8R:
        return QStringDecoder("KOI8-R")(body);
    case TextEncoding::Latin1:
        return QString::fromLatin1(body);
    }
    return QString();
}

QString decodeCharset(const QByteArray& bytes, const QByteArray& charset, bool* known) {
    const QByteArray name = charset.trimmed().toLower();
    *known = true;
    if (name == "windows-1251" || name == "cp1251" || name == "cp-1251")
        return store::decode1251(bytes);
    if (name == "utf-8" || name == "utf8")
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid()) {
        *known = false;
        return QString();
    }
    return decoder(bytes);
}

} // namespace interchange

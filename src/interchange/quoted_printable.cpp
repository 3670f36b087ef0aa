#include "interchange/quoted_printable.h"

namespace interchange {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

QByteArray decodeQuotedPrintable(const QByteArray& encoded) {
    QByteArray bytes;
    bytes.reserve(encoded.size());
    const qsizetype n = encoded.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = encoded[i];
        if (c != '=') {
            bytes.append(c);
            continue;
        }
        if (i + 1 < n && (encoded[i + 1] == '\r' || encoded[i + 1] == '\n')) {
            i += (i + 2 < n && encoded[i + 1] == '\r' && encoded[i + 2] == '\n') ? 2 : 1;
            continue;
        }
        const int high = i + 2 < n ? hexValue(encoded[i + 1]) : -1;
        const int low = i + 2 < n ? hexValue(encoded[i + 2]) : -1;
        if (high < 0 || low < 0) {
            bytes.append(c);
            continue;
        }
        bytes.append(char(high * 16 + low));
        i += 2;
    }
    return bytes;
}

QByteArray encodeQuotedPrintable(const QByteArray& bytes, int firstLineUsed, int lineLength) {
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray encoded;
    int used = firstLineUsed;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool last = i + 1 == bytes.size();
        const bool plain = byte >= 33 && byte <= 126 && byte != '=';
        const bool blank = (byte == ' ' || byte == '\t') && !last;
        QByteArray piece;
        if (plain || blank)
            piece.append(char(byte));
        else
            piece.append('=').append(kHex[byte >> 4]).append(kHex[byte & 15]);
        // One octet stays free for the soft break's "=".
        if (used + piece.size() > lineLength - 1) {
            encoded.append("=\r\n");
            used = 0;
        }
        encoded.append(piece);
        used += int(piece.size());
    }
    return encoded;
}

} // namespace interchange

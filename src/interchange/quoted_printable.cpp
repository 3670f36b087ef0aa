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
        // A blank that starts a line would read as a fold of the card.
        const auto piece = [&](int at) {
            if (plain || (blank && at > 0))
                return QByteArray(1, char(byte));
            const char escape[] = {'=', kHex[byte >> 4], kHex[byte & 15]};
            return QByteArray(escape, 3);
        };
        QByteArray next = piece(used);
        // One octet stays free for the soft break's "=".
        if (used + next.size() > lineLength - 1) {
            encoded.append("=\r\n");
            used = 0;
            next = piece(used);
        }
        encoded.append(next);
        used += int(next.size());
    }
    return encoded;
}

} // namespace interchange

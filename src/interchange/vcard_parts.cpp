#include "interchange/vcard_parts.h"

#include <QByteArrayView>

namespace interchange {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The line without the spaces and tabs at its end.
QByteArrayView trimmedEnd(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

} // namespace

qsizetype wholeCardsLength(const QByteArray& bytes) {
    const qsizetype n = bytes.size();
    qsizetype whole = 0;
    int depth = 0;
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && !isLineEnd(bytes[end]))
            ++end;
        if (end == n)
            break; // a line not yet ended may go on in the next part
        const qsizetype next =
            bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n' ? end + 2 : end + 1;
        const QByteArrayView line = trimmedEnd(QByteArrayView(bytes).sliced(start, end - start));
        if (line.compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0) {
            ++depth;
        } else if (line.compare("END:VCARD", Qt::CaseInsensitive) == 0) {
            depth = depth > 0 ? depth - 1 : 0;
            if (depth == 0)
                whole = next;
        }
        start = next;
    }
    return whole;
}

} // namespace interchange

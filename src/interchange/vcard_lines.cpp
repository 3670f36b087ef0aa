#include "interchange/vcard_lines.h"

#include <algorithm>

namespace interchange {

namespace {

// Hands each physical line of the bytes, without its line end, to `visit`.
template <typename Visit> void forEachPhysicalLine(const QByteArray& bytes, Visit visit) {
    qsizetype start = 0;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') {
            ++i;
            continue;
        }
        visit(QByteArrayView(bytes).sliced(start, i - start));
        if (c == '\r') {
            // CR CR LF, as some converters leave CRLF files, is one line end.
            qsizetype j = i;
            while (j < n && bytes[j] == '\r')
                ++j;
            i = (j < n && bytes[j] == '\n') ? j + 1 : i + 1;
        } else {
            ++i;
        }
        start = i;
    }
    if (start < n)
        visit(QByteArrayView(bytes).sliced(start));
}

// Where the property's name and parameters end: the first ":" outside double quotes.
qsizetype headerEnd(const QByteArray& line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

QList<QByteArray> splitParameters(const QByteArray& header) {
    QList<QByteArray> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (header[i] == '"')
            quoted = !quoted;
        else if (header[i] == ';' && !quoted) {
            parts.append(header.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(header.mid(start));
    return parts;
}

QByteArray unquoted(const QByteArray& value) {
    const QByteArray trimmed = value.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith('"') && trimmed.endsWith('"'))
        return trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

bool parse(const QByteArray& line, ContentLine& property) {
    const qsizetype end = headerEnd(line);
    if (end < 0)
        return false;
    const QList<QByteArray> parts = splitParameters(line.left(end));
    const QByteArray qualified = parts.first().trimmed();
    const qsizetype dot = qualified.lastIndexOf('.');
    property.group = dot < 0 ? QByteArray() : qualified.left(dot);
    property.name = qualified.mid(dot + 1).toUpper();
    property.parameters.clear();
    for (qsizetype k = 1; k < parts.size(); ++k) {
        const qsizetype equals = parts[k].indexOf('=');
        if (equals < 0)
            property.parameters.append({QByteArray(), parts[k].trimmed()});
        else
            property.parameters.append(
                {parts[k].left(equals).trimmed().toUpper(), unquoted(parts[k].mid(equals + 1))});
    }
    property.value = line.mid(end + 1);
    return !property.name.isEmpty();
}

bool containsWord(const QByteArray& header, const char* word) {
    return header.toUpper().contains(word);
}

bool startsCardBoundary(QByteArrayView line) {
    const QByteArray upper =
        line.first(std::min<qsizetype>(line.size(), 12)).toByteArray().toUpper();
    return upper.startsWith("END:VCARD") || upper.startsWith("BEGIN:VCARD");
}

bool isBase64Text(QByteArrayView line) {
    for (const char c : line) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '+' || c == '/' || c == '=' ||
                             c == ' ' || c == '\t';
        if (!allowed)
            return false;
    }
    return true;
}

} // namespace

QByteArray ContentLine::parameter(const QByteArray& wanted) const {
    for (const auto& [key, value] : parameters) {
        if (key == wanted)
            return value;
    }
    return QByteArray();
}

bool ContentLine::hasWord(const QByteArray& word) const {
    for (const auto& [key, value] : parameters) {
        if (!key.isEmpty() && key != "TYPE" && key != "ENCODING")
            continue;
        for (const QByteArray& item : value.split(',')) {
            if (item.trimmed().compare(word, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

void forEachContentLine(const QByteArray& bytes,
                        const std::function<void(const ContentLine& property)>& visit) {
    QByteArray current;
    bool quotedPrintable = false;
    bool base64 = false;
    ContentLine property;
    const auto flush = [&] {
        if (!current.isEmpty() && parse(current, property))
            visit(property);
        current.clear();
    };
    forEachPhysicalLine(bytes, [&](QByteArrayView line) {
        // A soft line break comes first: the next line may start with a space of the text.
        if (quotedPrintable && current.endsWith('=') && !startsCardBoundary(line)) {
            current.chop(1);
            current += line;
            return;
        }
        const bool folded = !line.isEmpty() && (line[0] == ' ' || line[0] == '\t');
        if (folded && !current.isEmpty()) {
            current += line.sliced(1);
            return;
        }
        if (base64 && !line.isEmpty() && !line.contains(':') && isBase64Text(line)) {
            current += line.trimmed();
            return;
        }
        flush();
        current = line.toByteArray();
        const QByteArray header = current.left(std::max<qsizetype>(headerEnd(current), 0));
        quotedPrintable = containsWord(header, "QUOTED-PRINTABLE");
        base64 = containsWord(header, "BASE64") || containsWord(header, "ENCODING=B");
    });
    flush();
}

} // namespace interchange

#include "interchange/vcard_reader.h"

#include "interchange/quoted_printable.h"
#include "interchange/text_fields.h"
#include "interchange/vcard_lines.h"

#include <QStringList>

#include <algorithm>
#include <functional>

namespace interchange {

namespace {

// A property with its transfer encoding (quoted-printable, base64) undone.
struct Property {
    ContentLine line;
    QByteArray bytes;
};

struct Card {
    QList<Property> properties;
    bool oldVersion = false; // 2.1, which escapes nothing but ";"
};

bool isBinaryProperty(const QByteArray& name) {
    return name == "PHOTO" || name == "LOGO" || name == "SOUND" || name == "KEY";
}

bool isBase64(const ContentLine& line) {
    const QByteArray encoding = line.parameter("ENCODING").toUpper();
    return encoding == "B" || encoding == "BASE64" || line.hasWord("BASE64");
}

bool isQuotedPrintable(const ContentLine& line) {
    return line.parameter("ENCODING").toUpper() == "QUOTED-PRINTABLE" ||
           line.hasWord("QUOTED-PRINTABLE");
}

QByteArray transferDecoded(const ContentLine& line) {
    if (isBase64(line))
        return QByteArray::fromBase64(line.value.simplified().replace(' ', ""));
    if (isQuotedPrintable(line))
        return decodeQuotedPrintable(line.value);
    return line.value;
}

// Gathers the properties of each card of the file, one card at a time, and hands each
// card to `done` when it ends (or at the end of the file).
class CardSplitter {
public:
    explicit CardSplitter(std::function<void(const Card&)> done) : m_done(std::move(done)) {}

    void add(const ContentLine& line) {
        const QByteArray value = line.value.trimmed().toUpper();
        if (line.name == "BEGIN" && value == "VCARD") {
            if (m_depth++ == 0)
                m_card = Card();
            return;
        }
        if (line.name == "END" && value == "VCARD") {
            if (m_depth > 0 && --m_depth == 0)
                m_done(m_card);
            return;
        }
        // A property outside any card starts one whose BEGIN was lost.
        if (m_depth == 0) {
            m_card = Card();
            m_depth = 1;
        }
        // Only the outer card's own properties count: an agent's card inside it is not
        // another contact of the file.
        if (m_depth != 1)
            return;
        if (line.name == "VERSION")
            m_card.oldVersion = line.value.trimmed() == "2.1";
        m_card.properties.append({line, transferDecoded(line)});
    }

    // A card the file does not end.
    void finish() {
        if (m_depth > 0)
            m_done(m_card);
        m_depth = 0;
    }

private:
    std::function<void(const Card&)> m_done;
    Card m_card;
    int m_depth = 0;
};

void forEachCard(const QByteArray& text, const std::function<void(const Card&)>& visit) {
    CardSplitter splitter(visit);
    forEachContentLine(text, [&splitter](const ContentLine& line) { splitter.add(line); });
    splitter.finish();
}

class CardReader {
public:
    CardReader(const Card& card, TextEncoding encoding) : m_card(card), m_encoding(encoding) {}

    Contact contact() const;

private:
    QString text(const Property& property) const;
    // The components of a structured value (N, ADR, ORG), unescaped.
    QStringList components(const Property& property) const;
    QString unescaped(const QString& value) const;
    // The preferred property of that name, else the first; `others` counts the
    // different values beside it.
    const Property* chosen(const QByteArray& name, int* others = nullptr) const;
    QByteArray photo() const;

    const Card& m_card;
    TextEncoding m_encoding;
};

QString CardReader::text(const Property& property) const {
    const QByteArray charset = property.line.parameter("CHARSET");
    if (!charset.isEmpty()) {
        bool known = false;
        const QString decoded = decodeCharset(property.bytes, charset, &known);
        if (known)
            return decoded;
    }
    return decodeText(property.bytes, m_encoding);
}

QString CardReader::unescaped(const QString& value) const {
    if (m_card.oldVersion)
        return QString(value).replace(QStringLiteral("\\;"), QStringLiteral(";"));
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            result.append(value[i]);
            continue;
        }
        const QChar next = value[++i];
        result.append(next == QLatin1Char('n') || next == QLatin1Char('N') ? QChar('\n') : next);
    }
    return result;
}

QStringList CardReader::components(const Property& property) const {
    const QString value = text(property);
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
            part.append(value[i]).append(value[i + 1]);
            ++i;
        } else if (value[i] == QLatin1Char(';')) {
            parts.append(unescaped(part));
            part.clear();
        } else {
            part.append(value[i]);
        }
    }
    parts.append(unescaped(part));
    return parts;
}

bool isPreferred(const ContentLine& line) {
    return line.hasWord("PREF") || !line.parameter("PREF").isEmpty();
}

const Property* CardReader::chosen(const QByteArray& name, int* others) const {
    const Property* first = nullptr;
    const Property* preferred = nullptr;
    QStringList values;
    for (const Property& property : m_card.properties) {
        if (property.line.name != name || property.bytes.trimmed().isEmpty())
            continue;
        if (!first)
            first = &property;
        if (!preferred && isPreferred(property.line))
            preferred = &property;
        const QString value = text(property).trimmed();
        if (!values.contains(value))
            values.append(value);
    }
    if (others)
        *others = std::max<int>(0, int(values.size()) - 1);
    return preferred ? preferred : first;
}

QByteArray dataUriPayload(const QByteArray& written) {
    // Some writers escape the comma as in a text value.
    const QByteArray uri = QByteArray(written).replace("\\,", ",");
    const qsizetype comma = uri.indexOf(',');
    if (comma < 0)
        return QByteArray();
    const QByteArray header = uri.left(comma).toLower();
    const QByteArray payload = uri.mid(comma + 1);
    if (header.endsWith(";base64"))
        return QByteArray::fromBase64(payload.simplified().replace(' ', ""));
    return QByteArray::fromPercentEncoding(payload);
}

QByteArray CardReader::photo() const {
    for (const Property& property : m_card.properties) {
        if (property.line.name != "PHOTO")
            continue;
        if (isBase64(property.line) && !property.bytes.isEmpty())
            return property.bytes;
        const QByteArray value = property.line.value.trimmed();
        if (value.left(5).toLower() == "data:") {
            const QByteArray payload = dataUriPayload(value);
            if (!payload.isEmpty())
                return payload;
        }
        // Anything else is an address of a picture elsewhere, which is not fetched.
    }
    return QByteArray();
}

QString withoutScheme(const QString& value, const QString& scheme) {
    return value.startsWith(scheme, Qt::CaseInsensitive) ? value.mid(scheme.size()) : value;
}

Contact CardReader::contact() const {
    Contact contact;
    if (const Property* name = chosen("FN"))
        contact.fullName = singleLine(unescaped(text(*name)));
    if (contact.fullName.isEmpty()) {
        if (const Property* name = chosen("N")) {
            // Фамилия, Имя, Отчество; the title and suffix are no part of the name here.
            contact.fullName = joinedParts(components(*name).mid(0, 3), QStringLiteral(" "));
        }
    }
    if (const Property* address = chosen("ADR"))
        contact.address = joinedParts(components(*address), QStringLiteral(", "));
    if (const Property* phone = chosen("TEL", &contact.extraPhones))
        contact.telephone =
            singleLine(withoutScheme(unescaped(text(*phone)), QStringLiteral("tel:")));
    if (const Property* email = chosen("EMAIL", &contact.extraEmails))
        contact.email =
            singleLine(withoutScheme(unescaped(text(*email)), QStringLiteral("mailto:")));
    QStringList workplace;
    if (const Property* org = chosen("ORG"))
        workplace.append(joinedParts(components(*org), QStringLiteral(", ")));
    if (const Property* title = chosen("TITLE"))
        workplace.append(singleLine(unescaped(text(*title))));
    contact.workplace = joinedParts(workplace, QStringLiteral(", "));
    contact.photo = photo();
    return contact;
}

} // namespace

QByteArray encodingSample(const QByteArray& bytes) {
    const int mark = byteOrderMarkLength(bytes, TextEncoding::Utf8);
    const QByteArray text = mark > 0 ? bytes.mid(mark) : bytes;
    QByteArray sample;
    forEachCard(text, [&sample](const Card& card) {
        for (const Property& property : card.properties) {
            if (!isBinaryProperty(property.line.name) &&
                property.line.parameter("CHARSET").isEmpty())
                sample.append(property.bytes).append('\n');
        }
    });
    return sample;
}

namespace {

bool isUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
}

} // namespace

TextEncoding vcardEncoding(const QByteArray& bytes) {
    const TextEncoding fileEncoding = detectEncoding(bytes);
    return isUtf16(fileEncoding) ? fileEncoding : detectEncoding(encodingSample(bytes));
}

ContactList readVCards(const QByteArray& bytes, std::optional<TextEncoding> encoding) {
    ContactList list;
    const TextEncoding fileEncoding = encoding ? *encoding : detectEncoding(bytes);
    const bool utf16 = isUtf16(fileEncoding);
    // UTF-16 files are read as the same text in UTF-8; folds fall between whole units.
    const int mark = byteOrderMarkLength(bytes, TextEncoding::Utf8);
    // Shared with the caller's bytes, not copied, unless there is something to take off.
    const QByteArray text = utf16      ? decodeText(bytes, fileEncoding).toUtf8()
                            : mark > 0 ? bytes.mid(mark)
                                       : bytes;
    list.encoding = fileEncoding;
    // A file of ASCII lines with texts in quoted-printable shows its encoding only in
    // the decoded texts.
    if (!encoding && !utf16)
        list.encoding = detectEncoding(encodingSample(text));
    const TextEncoding valueEncoding = utf16 ? TextEncoding::Utf8 : list.encoding;
    forEachCard(text, [&list, valueEncoding](const Card& card) {
        Contact contact = CardReader(card, valueEncoding).contact();
        if (!contact.isEmpty())
            list.contacts.append(std::move(contact));
    });
    return list;
}

} // namespace interchange

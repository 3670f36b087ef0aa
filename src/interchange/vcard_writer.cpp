#include "interchange/vcard_writer.h"

#include "interchange/quoted_printable.h"
#include "store/codec1251.h"

#include <QStringList>

#include <algorithm>

namespace interchange {

namespace {

constexpr int kFoldOctets = 75;
constexpr int kBase64Line21 = 72; // 2.1 base64 lines, each indented by one space

// 2.1 escapes only ";", which separates the parts of a value.
QString escaped(const QString& text, VCardVersion version) {
    const bool old = version == VCardVersion::V21;
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char(';') || (!old && (c == QLatin1Char('\\') || c == QLatin1Char(','))))
            result.append(QLatin1Char('\\'));
        if (c == QLatin1Char('\n')) {
            result.append(QStringLiteral("\\n"));
            continue;
        }
        result.append(c);
    }
    return result;
}

// Фамилия;Имя;Отчество;; from the words of the full name.
QStringList nameParts(const QString& fullName) {
    QStringList words = fullName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList parts;
    parts.append(words.isEmpty() ? QString() : words.takeFirst());
    parts.append(words.isEmpty() ? QString() : words.takeFirst());
    parts.append(words.join(QLatin1Char(' ')));
    parts.append(QString());
    parts.append(QString());
    return parts;
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

class CardWriter {
public:
    CardWriter(VCardVersion version, Charset21 charset) : m_version(version), m_charset(charset) {}

    // A text property; `value` is escaped already (components joined by ";").
    void text(const QByteArray& name, const QString& value);
    void photo(const QByteArray& jpeg);
    void raw(const QByteArray& line) { m_card += line + "\r\n"; }

    const QByteArray& card() const { return m_card; }

private:
    VCardVersion m_version;
    Charset21 m_charset;
    QByteArray m_card;
};

void CardWriter::text(const QByteArray& name, const QString& value) {
    if (m_version != VCardVersion::V21) {
        raw(foldedLine(name + ':' + value.toUtf8()));
        return;
    }
    if (isAscii(value)) {
        raw(name + ':' + value.toLatin1());
        return;
    }
    const bool cp1251 = m_charset == Charset21::CodePage1251;
    const QByteArray header = name + (cp1251 ? ";CHARSET=windows-1251" : ";CHARSET=UTF-8") +
                              ";ENCODING=QUOTED-PRINTABLE:";
    const QByteArray bytes = cp1251 ? store::encode1251(value) : value.toUtf8();
    raw(header + encodeQuotedPrintable(bytes, int(header.size())));
}

void CardWriter::photo(const QByteArray& jpeg) {
    switch (m_version) {
    case VCardVersion::V21: {
        // Base64 over indented lines, ended by an empty line.
        const QByteArray data = jpeg.toBase64();
        raw("PHOTO;ENCODING=BASE64;TYPE=JPEG:");
        for (qsizetype at = 0; at < data.size(); at += kBase64Line21)
            raw(' ' + data.mid(at, kBase64Line21));
        raw(QByteArray());
        break;
    }
    case VCardVersion::V30:
        raw(foldedLine("PHOTO;ENCODING=b;TYPE=JPEG:" + jpeg.toBase64()));
        break;
    case VCardVersion::V40:
        raw(foldedLine("PHOTO:data:image/jpeg;base64," + jpeg.toBase64()));
        break;
    }
}

QByteArray versionText(VCardVersion version) {
    switch (version) {
    case VCardVersion::V21:
        return "2.1";
    case VCardVersion::V30:
        return "3.0";
    case VCardVersion::V40:
        break;
    }
    return "4.0";
}

} // namespace

QByteArray foldedLine(const QByteArray& line) {
    if (line.size() <= kFoldOctets)
        return line;
    QByteArray folded;
    folded.reserve(line.size() + line.size() / kFoldOctets * 3);
    int used = 0;
    int limit = kFoldOctets;
    qsizetype i = 0;
    while (i < line.size()) {
        // The whole character: a lead byte and its continuation bytes.
        qsizetype end = i + 1;
        while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            ++end;
        const int length = int(end - i);
        if (used + length > limit) {
            folded.append("\r\n ");
            used = 1;
        }
        folded.append(line.constData() + i, length);
        used += length;
        i = end;
    }
    return folded;
}

QByteArray writeVCard(const Contact& contact, const QString& uid, VCardVersion version,
                      Charset21 charset) {
    CardWriter card(version, charset);
    card.raw("BEGIN:VCARD");
    card.raw("VERSION:" + versionText(version));
    QStringList parts;
    for (const QString& part : nameParts(contact.fullName))
        parts.append(escaped(part, version));
    card.text("N", parts.join(QLatin1Char(';')));
    card.text("FN", escaped(contact.fullName, version));
    card.text("UID", escaped(uid, version));
    if (!contact.address.isEmpty())
        card.text("ADR", QStringLiteral(";;%1;;;;").arg(escaped(contact.address, version)));
    if (!contact.telephone.isEmpty())
        card.text(version == VCardVersion::V21 ? "TEL;VOICE" : "TEL;TYPE=VOICE",
                  escaped(contact.telephone, version));
    if (!contact.workplace.isEmpty())
        card.text("ORG", escaped(contact.workplace, version));
    if (!contact.email.isEmpty())
        card.text(version == VCardVersion::V21 ? "EMAIL;INTERNET" : "EMAIL;TYPE=INTERNET",
                  escaped(contact.email, version));
    if (!contact.photo.isEmpty())
        card.photo(contact.photo);
    card.raw("END:VCARD");
    return card.card();
}

} // namespace interchange

#include "interchange/quoted_printable.h"
#include "interchange/vcard_reader.h"
#include "interchange/vcard_writer.h"
#include "store/codec1251.h"
#include "support/contact_expect.h"
#include "support/jpeg_fixture.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

using interchange::Charset21;
using interchange::Contact;
using interchange::VCardVersion;

namespace {

Contact sample() {
    Contact c;
    c.fullName = QStringLiteral("Семёнов Аркадий Львович");
    c.address = QStringLiteral("Россия, г. Новосибирск, Красный проспект, д. 101; кв. 7");
    c.telephone = QStringLiteral("+7 383 000-00-00");
    c.workplace = QStringLiteral("НГУ, кафедра физики");
    c.email = QStringLiteral("semenov@example.ru");
    c.photo = jpeg_fixture::encode(jpeg_fixture::markedPicture({24, 24}, Qt::darkGreen));
    return c;
}

QList<QByteArray> linesOf(const QByteArray& card) {
    QList<QByteArray> lines = card.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty()); // the card ends in a line end
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r')) << line.toStdString();
        line.chop(1);
    }
    return lines;
}

TEST(VCardWriterTest, FoldsAt75OctetsNeverInsideACharacter) {
    const QByteArray line =
        "NOTE:" + QString(100, QChar(0x0416)).toUtf8() + "x" + QString(40, QChar(0x20AC)).toUtf8();
    const QByteArray folded = interchange::foldedLine(line);
    QByteArray joined;
    for (const QByteArray& piece : folded.split('\n')) {
        const QByteArray part = piece.endsWith('\r') ? piece.chopped(1) : piece;
        EXPECT_LE(part.size(), 75);
        // Every piece is whole UTF-8 on its own.
        EXPECT_EQ(QString::fromUtf8(part).toUtf8(), part);
        EXPECT_FALSE(QString::fromUtf8(part).contains(QChar::ReplacementCharacter));
        joined += joined.isEmpty() ? part : part.mid(1);
    }
    EXPECT_EQ(joined, line);
    EXPECT_EQ(interchange::foldedLine("FN:short"), QByteArray("FN:short"));
}

TEST(VCardWriterTest, Version30IsUtf8WithEscapesAndAnEmbeddedJpeg) {
    const Contact c = sample();
    const QByteArray card = interchange::writeVCard(c, "uid-1", VCardVersion::V30);
    const QList<QByteArray> lines = linesOf(card);
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[0], "BEGIN:VCARD");
    EXPECT_EQ(lines[1], "VERSION:3.0");
    EXPECT_EQ(lines[2], QStringLiteral("N:Семёнов;Аркадий;Львович;;").toUtf8());
    EXPECT_EQ(lines[3], QStringLiteral("FN:Семёнов Аркадий Львович").toUtf8());
    EXPECT_EQ(lines[4], "UID:uid-1");
    EXPECT_TRUE(card.contains(QStringLiteral("НГУ\\, кафедра физики").toUtf8()));
    EXPECT_TRUE(card.contains("PHOTO;ENCODING=b;TYPE=JPEG:"));
    EXPECT_EQ(lines.last(), "END:VCARD");
    for (const QByteArray& line : lines)
        EXPECT_LE(line.size(), 75);
}

TEST(VCardWriterTest, Version21WritesQuotedPrintableInTheChosenCharset) {
    Contact c;
    c.fullName = QStringLiteral("Ян");
    c.telephone = QStringLiteral("123");
    const QByteArray utf8 = interchange::writeVCard(c, "u", VCardVersion::V21, Charset21::Utf8);
    EXPECT_TRUE(utf8.contains("FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=AF=D0=BD\r\n"));
    EXPECT_TRUE(utf8.contains("TEL;VOICE:123\r\n"));
    const QByteArray cp1251 =
        interchange::writeVCard(c, "u", VCardVersion::V21, Charset21::CodePage1251);
    EXPECT_TRUE(cp1251.contains("FN;CHARSET=windows-1251;ENCODING=QUOTED-PRINTABLE:=DF=ED\r\n"));
    EXPECT_TRUE(cp1251.contains("VERSION:2.1\r\n"));
}

TEST(VCardWriterTest, QuotedPrintableLinesStayWithinTheLimitAndDecodeBack) {
    const QByteArray bytes =
        store::encode1251(QString(90, QChar(0x044F)) + QStringLiteral(" end "));
    const QByteArray encoded = interchange::encodeQuotedPrintable(bytes, 40);
    const QList<QByteArray> lines = encoded.split('\n');
    EXPECT_LE(lines[0].size() + 40, 77); // "=" CR within 76 octets after 40 used
    for (const QByteArray& line : lines.mid(1))
        EXPECT_LE(line.chopped(line.endsWith('\r') ? 1 : 0).size(), 76);
    // A trailing space is escaped, never left at a line end.
    EXPECT_TRUE(encoded.endsWith("end=20"));
    EXPECT_EQ(interchange::decodeQuotedPrintable(encoded), bytes);
}

TEST(VCardWriterTest, ABlankAtTheStartOfAQuotedPrintableLineIsEscaped) {
    // Left as it is, the blank would make the line a fold of the one before.
    const QByteArray bytes = QByteArray(75, 'x') + " y";
    EXPECT_EQ(interchange::encodeQuotedPrintable(bytes), QByteArray(75, 'x') + "=\r\n=20y");
    const QByteArray card =
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;ENCODING=QUOTED-PRINTABLE:a=\r\n b\r\n"
        "END:VCARD\r\n";
    const interchange::ContactList list = interchange::readVCards(card);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("a b"));
}

TEST(VCardWriterTest, EveryVersionReadsBackTheSameContact) {
    const Contact c = sample();
    const QList<std::pair<VCardVersion, Charset21>> kinds = {
        {VCardVersion::V21, Charset21::Utf8},
        {VCardVersion::V21, Charset21::CodePage1251},
        {VCardVersion::V30, Charset21::Utf8},
        {VCardVersion::V40, Charset21::Utf8}};
    for (const auto& [version, charset] : kinds) {
        SCOPED_TRACE(int(version) * 10 + int(charset));
        const interchange::ContactList list =
            interchange::readVCards(interchange::writeVCard(c, "id", version, charset));
        ASSERT_EQ(list.contacts.size(), 1);
        expectSameContact(list.contacts[0], c);
    }
}

} // namespace

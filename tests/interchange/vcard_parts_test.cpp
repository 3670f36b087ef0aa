#include "interchange/contact_file.h"
#include "interchange/vcard_parts.h"
#include "interchange/vcard_reader.h"
#include "store/codec1251.h"
#include "support/contact_expect.h"
#include "support/jpeg_fixture.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

using interchange::Contact;
using interchange::ContactList;
using interchange::TextEncoding;

namespace {

void expectSameContacts(const ContactList& parts, const ContactList& whole) {
    EXPECT_EQ(parts.encoding, whole.encoding);
    ASSERT_EQ(parts.contacts.size(), whole.contacts.size());
    for (qsizetype i = 0; i < whole.contacts.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameContact(parts.contacts[i], whole.contacts[i]);
    }
}

TEST(VCardPartsTest, WholeCardsEndAfterTheLineClosingAnOuterCard) {
    EXPECT_EQ(interchange::wholeCardsLength("BEGIN:VCARD\r\nFN:A\r\n"), 0);
    // The END line is whole only with its line end.
    EXPECT_EQ(interchange::wholeCardsLength("BEGIN:VCARD\r\nEND:VCARD"), 0);
    const QByteArray one = "BEGIN:VCARD\r\nFN:A\r\nend:vcard \r\n";
    EXPECT_EQ(interchange::wholeCardsLength(one + "BEGIN:VCARD\r\nFN:B\r\n"), one.size());
    // A card inside a card closes nothing; CR alone and LF alone end lines too.
    const QByteArray nested = "BEGIN:VCARD\rBEGIN:VCARD\nN:Agent\nEND:VCARD\nTEL:1\rEND:VCARD\r";
    EXPECT_EQ(interchange::wholeCardsLength(nested + "BEGIN:VCARD\r"), nested.size());
    // A value ending in "=" (a soft break, base64 padding) does not swallow the END line.
    const QByteArray soft =
        "BEGIN:VCARD\r\nFN:A\r\nNOTE;ENCODING=QUOTED-PRINTABLE:a=\r\nEND:VCARD\r\n";
    EXPECT_EQ(interchange::wholeCardsLength(soft + "BEGIN:VCARD\r\n"), soft.size());
    EXPECT_EQ(interchange::readVCards(soft + "BEGIN:VCARD\r\nFN:B\r\n").contacts.size(), 2);
    // A card whose BEGIN is lost ends at its END all the same.
    EXPECT_EQ(interchange::wholeCardsLength("FN:C\nEND:VCARD\n"), 15);
}

TEST(VCardPartsTest, AFileReadInPartsGivesWhatTheWholeFileGives) {
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({16, 16}, Qt::red));
    QByteArray file = "\xEF\xBB\xBF";
    for (int k = 0; k < 40; ++k) {
        const QByteArray end = k % 3 == 0 ? "\r\n" : k % 3 == 1 ? "\n" : "\r";
        file += "BEGIN:VCARD" + end + "VERSION:3.0" + end + "FN:Card " + QByteArray::number(k) +
                end + "TEL:+7 900 " + QByteArray::number(k) + end;
        if (k % 4 == 0)
            file += "PHOTO;ENCODING=b;TYPE=JPEG:" + jpeg.toBase64() + end;
        if (k % 5 == 0)
            file += "NOTE;ENCODING=QUOTED-PRINTABLE:a=" + end;
        if (k == 7)
            file += "BEGIN:VCARD" + end + "FN:Agent" + end + "END:VCARD" + end;
        file += "END:VCARD" + end;
    }
    // The only texts that tell the encoding are quoted-printable, in the last card.
    file += "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;ENCODING=QUOTED-PRINTABLE:" +
            store::encode1251(QStringLiteral("Последний")).toPercentEncoding().replace('%', '=') +
            "\r\nEND:VCARD\r\n";
    TestFolder folder;
    folder.writeBytes("all.vcf", file);
    const ContactList whole = interchange::readVCards(file);
    ASSERT_EQ(whole.contacts.size(), 41);
    ASSERT_EQ(whole.encoding, TextEncoding::CodePage1251);
    EXPECT_EQ(whole.contacts.back().fullName, QStringLiteral("Последний"));
    for (const qsizetype part : {qsizetype(1), qsizetype(64), qsizetype(1000), file.size()}) {
        SCOPED_TRACE(part);
        expectSameContacts(interchange::readVCardFileInParts(folder.filePath("all.vcf"), part),
                           whole);
    }
}

TEST(VCardPartsTest, Utf16FilesAreReadWholeAndMissingFilesSaySo) {
    const QString card = QStringLiteral("BEGIN:VCARD\r\nFN:Юлия\r\nEND:VCARD\r\n");
    QByteArray utf16(reinterpret_cast<const char*>(card.utf16()), card.size() * 2);
    TestFolder folder;
    folder.writeBytes("le.vcf", utf16);
    const ContactList list = interchange::readVCardFileInParts(folder.filePath("le.vcf"), 8);
    EXPECT_EQ(list.encoding, TextEncoding::Utf16LE);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("Юлия"));
    EXPECT_THROW(interchange::readVCardFileInParts(folder.filePath("none.vcf"), 8),
                 interchange::ContactFileError);
}

} // namespace

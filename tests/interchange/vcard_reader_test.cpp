#include "interchange/vcard_reader.h"
#include "store/codec1251.h"
#include "support/jpeg_fixture.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QStringDecoder>
#include <QStringEncoder>

using interchange::Contact;
using interchange::ContactList;
using interchange::TextEncoding;

namespace {

// The same card in each encoding a Russian user's files come in, without CHARSET=.
QString russianCard() {
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                          "N:Петров;Иван;Сергеевич\r\n"
                          "ADR;HOME:;;ул. Ленина, 5;Москва;;101000;Россия\r\n"
                          "TEL;CELL:+7 912 345-67-89\r\n"
                          "ORG:ООО Ромашка\r\nTITLE:директор\r\n"
                          "END:VCARD\r\n");
}

void expectRussianContact(const ContactList& list) {
    ASSERT_EQ(list.contacts.size(), 1);
    const Contact& c = list.contacts[0];
    EXPECT_EQ(c.fullName, QStringLiteral("Петров Иван Сергеевич"));
    EXPECT_EQ(c.address, QStringLiteral("ул. Ленина, 5, Москва, 101000, Россия"));
    EXPECT_EQ(c.telephone, QStringLiteral("+7 912 345-67-89"));
    EXPECT_EQ(c.workplace, QStringLiteral("ООО Ромашка, директор"));
}

TEST(VCardReaderTest, CodePage1251WithoutCharsetIsReadAsRussian) {
    const ContactList list = interchange::readVCards(store::encode1251(russianCard()));
    EXPECT_EQ(list.encoding, TextEncoding::CodePage1251);
    expectRussianContact(list);
}

TEST(VCardReaderTest, Koi8WithoutCharsetIsReadAsRussian) {
    const ContactList list = interchange::readVCards(QStringEncoder("KOI8-R")(russianCard()));
    EXPECT_EQ(list.encoding, TextEncoding::Koi8R);
    expectRussianContact(list);
}

TEST(VCardReaderTest, Utf16WithoutAMarkIsReadInEitherOrder) {
    for (const auto order : {QStringEncoder::Utf16LE, QStringEncoder::Utf16BE}) {
        const ContactList list = interchange::readVCards(QStringEncoder(order)(russianCard()));
        expectRussianContact(list);
    }
}

TEST(VCardReaderTest, AChosenEncodingOverridesTheDetectedOne) {
    const QByteArray bytes = store::encode1251(russianCard());
    const ContactList list = interchange::readVCards(bytes, TextEncoding::Koi8R);
    EXPECT_EQ(list.encoding, TextEncoding::Koi8R);
    ASSERT_EQ(list.contacts.size(), 1);
    // The user's choice is taken as it is, even when the letters come out wrong.
    EXPECT_EQ(list.contacts[0].fullName,
              QStringDecoder("KOI8-R")(store::encode1251(QStringLiteral("Петров Иван Сергеевич"))));
}

TEST(VCardReaderTest, FoldsInsideALetterAreJoinedOnBytesWhateverTheLineEnds) {
    const QByteArray name = QStringLiteral("Щукин Юрий").toUtf8();
    // Cut inside the two bytes of "Щ" and of "Ю".
    const QByteArray folded = "FN:" + name.left(1) + "%1 " + name.mid(1, 8) + "%1\t" + name.mid(9);
    for (const char* end : {"\r\n", "\n", "\r", "\r\r\n"}) {
        SCOPED_TRACE(QByteArray(end).toHex().toStdString());
        QByteArray card = "BEGIN:VCARD%1VERSION:3.0%1" + folded + "%1END:VCARD%1";
        card.replace("%1", end);
        const ContactList list = interchange::readVCards(card);
        EXPECT_EQ(list.encoding, TextEncoding::Utf8);
        ASSERT_EQ(list.contacts.size(), 1);
        EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("Щукин Юрий"));
    }
}

TEST(VCardReaderTest, AndroidQuotedPrintableWithSoftBreaksAndBareParameters) {
    const QByteArray card =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=A1=D0=BC=D0=B8=D1=80=D0=BD=D0=BE=D0=B2;=\r\n"
        "=D0=90=D0=BD=D0=B4=D1=80=D0=B5=D0=B9;;;\r\n"
        "ADR;HOME;CHARSET=UTF-8;QUOTED-PRINTABLE:;;=D0=A2=D0=B2=D0=B5=D1=80=D1=8C;;;;\r\n"
        "TEL;CELL:8 912 000-00-00\r\n"
        "END:VCARD\r\n";
    const ContactList list = interchange::readVCards(card);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("Смирнов Андрей"));
    EXPECT_EQ(list.contacts[0].address, QStringLiteral("Тверь"));
}

TEST(VCardReaderTest, QuotedPrintableWithoutCharsetFollowsTheFilesEncoding) {
    // 8-bit code page 1251 bytes behind quoted-printable: only the decoded texts show it.
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                            "FN;ENCODING=QUOTED-PRINTABLE:=CA=EE=E7=EB=EE=E2 =C8=E3=EE=F0=FC\r\n"
                            "END:VCARD\r\n";
    const ContactList list = interchange::readVCards(card);
    EXPECT_EQ(list.encoding, TextEncoding::CodePage1251);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("Козлов Игорь"));
}

TEST(VCardReaderTest, CharsetIsHonouredInAFileOfAnotherEncoding) {
    const QByteArray card = "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=windows-1251:" +
                            store::encode1251(QStringLiteral("Зайцева Ольга")) +
                            "\nORG:" + QStringLiteral("Завод").toUtf8() + "\nEND:VCARD\n";
    const ContactList list = interchange::readVCards(card);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("Зайцева Ольга"));
    EXPECT_EQ(list.contacts[0].workplace, QStringLiteral("Завод"));
}

TEST(VCardReaderTest, AppleGroupsBase64PhotoAndPreferredPhone) {
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({8, 8}, Qt::blue));
    const QByteArray card = "begin:vcard\r\nversion:3.0\r\n"
                            "N:Applebaum;Anna;;;\r\nFN:Anna Applebaum\r\n"
                            "item1.TEL;type=CELL:+7 111\r\n"
                            "item2.TEL;type=WORK;type=pref:+7 222\r\n"
                            "item2.X-ABLabel:_$!<Work>!$_\r\n"
                            "item3.EMAIL;type=INTERNET:anna@example.com\r\n"
                            "PHOTO;BASE64:\r\n  " +
                            jpeg.toBase64() + "\r\nend:vcard\r\n";
    const ContactList list = interchange::readVCards(card);
    ASSERT_EQ(list.contacts.size(), 1);
    const Contact& c = list.contacts[0];
    EXPECT_EQ(c.telephone, QStringLiteral("+7 222"));
    EXPECT_EQ(c.extraPhones, 1);
    EXPECT_EQ(c.email, QStringLiteral("anna@example.com"));
    EXPECT_EQ(c.photo, jpeg);
}

TEST(VCardReaderTest, Version4DataUriPhotosAreDecodedAndAddressesNotFetched) {
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({8, 8}, Qt::red));
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Four\r\n"
                            "PHOTO;MEDIATYPE=image/jpeg:data:image/jpeg;base64," +
                            jpeg.toBase64() +
                            "\r\nTEL;VALUE=uri;TYPE=cell:tel:+7-900-1\r\n"
                            "EMAIL;PREF=1:four@example.com\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Linked\r\n"
                            "PHOTO:http://example.com/photo.jpg\r\nEND:VCARD\r\n";
    const ContactList list = interchange::readVCards(card);
    ASSERT_EQ(list.contacts.size(), 2);
    EXPECT_EQ(list.contacts[0].photo, jpeg);
    EXPECT_EQ(list.contacts[0].telephone, QStringLiteral("+7-900-1"));
    EXPECT_EQ(list.contacts[0].email, QStringLiteral("four@example.com"));
    EXPECT_TRUE(list.contacts[1].photo.isEmpty());
}

TEST(VCardReaderTest, Version21Base64PhotoOverUnindentedLinesEndsAtTheEmptyLine) {
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({16, 16}, Qt::green));
    QByteArray lines;
    const QByteArray data = jpeg.toBase64();
    for (qsizetype at = 0; at < data.size(); at += 60)
        lines += data.mid(at, 60) + "\r\n";
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Old Phone\r\n"
                            "PHOTO;ENCODING=BASE64;TYPE=JPEG:" +
                            lines + "\r\nTEL:123\r\nEND:VCARD\r\n";
    const ContactList list = interchange::readVCards(card);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].photo, jpeg);
    EXPECT_EQ(list.contacts[0].telephone, QStringLiteral("123"));
}

TEST(VCardReaderTest, EscapesAreUndoneIn30AndOnlySemicolonsIn21) {
    const QByteArray card30 = "BEGIN:VCARD\r\nVERSION:3.0\r\n"
                              "FN:A\\, B\\; C\\\\ D\\nE\r\n"
                              "ADR:;;Street 1\\, flat 2;City;;;\r\nEND:VCARD\r\n";
    const ContactList list30 = interchange::readVCards(card30);
    ASSERT_EQ(list30.contacts.size(), 1);
    EXPECT_EQ(list30.contacts[0].fullName, QStringLiteral("A, B; C\\ D E"));
    EXPECT_EQ(list30.contacts[0].address, QStringLiteral("Street 1, flat 2, City"));
    const QByteArray card21 = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:O\\;Brien;Pat\r\n"
                              "EMAIL:a\\b@example.com\r\nEND:VCARD\r\n";
    const ContactList list21 = interchange::readVCards(card21);
    ASSERT_EQ(list21.contacts.size(), 1);
    EXPECT_EQ(list21.contacts[0].fullName, QStringLiteral("O;Brien Pat"));
    EXPECT_EQ(list21.contacts[0].email, QStringLiteral("a\\b@example.com"));
}

TEST(VCardReaderTest, CardsNestedLostBeginAndEmptyCards) {
    const QByteArray file = "VERSION:3.0\r\nFN:No Begin\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Parent\r\n"
                            "BEGIN:VCARD\r\nN:Agent\r\nEND:VCARD\r\n"
                            "TEL:1\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nVERSION:3.0\r\nEND:VCARD\r\n"
                            "BEGIN:vCard\r\nFN:Unended\r\n";
    const ContactList list = interchange::readVCards(file);
    ASSERT_EQ(list.contacts.size(), 3);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("No Begin"));
    EXPECT_EQ(list.contacts[1].fullName, QStringLiteral("Parent"));
    EXPECT_EQ(list.contacts[1].telephone, QStringLiteral("1"));
    EXPECT_EQ(list.contacts[2].fullName, QStringLiteral("Unended"));
}

TEST(VCardReaderTest, SecondPhonesAndEmailsAreCountedNotRepeats) {
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:X\r\n"
                            "TEL:1\r\nTEL:1\r\nTEL:2\r\nTEL:3\r\n"
                            "EMAIL:a@x\r\nEMAIL;TYPE=INTERNET,PREF:b@x\r\nEND:VCARD\r\n";
    const ContactList list = interchange::readVCards(card);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].telephone, QStringLiteral("1"));
    EXPECT_EQ(list.contacts[0].extraPhones, 2);
    EXPECT_EQ(list.contacts[0].email, QStringLiteral("b@x"));
    EXPECT_EQ(list.contacts[0].extraEmails, 1);
}

} // namespace

#include "interchange/csv_mapping.h"
#include "interchange/csv_reader.h"
#include "interchange/csv_writer.h"
#include "store/codec1251.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

using interchange::ColumnRole;
using interchange::Contact;
using interchange::CsvMapping;
using interchange::TextEncoding;

namespace {

TEST(CsvReaderTest, SeparatorIsTheMostFrequentOutsideQuotes) {
    EXPECT_EQ(interchange::detectSeparator("a;b;c\n1,2;3"), QLatin1Char(';'));
    EXPECT_EQ(interchange::detectSeparator("\"x;y;z\",b,c\n"), QLatin1Char(','));
    EXPECT_EQ(interchange::detectSeparator("a\tb\tc,d\n"), QLatin1Char('\t'));
    EXPECT_EQ(interchange::detectSeparator("single"), QLatin1Char(','));
}

TEST(CsvReaderTest, QuotedFieldsHoldSeparatorsLineBreaksAndQuotes) {
    const QList<QStringList> rows = interchange::parseCsv(
        QStringLiteral("a;\"b;1\";\"line1\r\nline2\"\r\n\r\n\"say \"\"hi\"\"\";;\nlast"),
        QLatin1Char(';'));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QStringList{"a", "b;1", "line1\r\nline2"}));
    EXPECT_EQ(rows[1], (QStringList{"say \"hi\"", "", ""}));
    EXPECT_EQ(rows[2], QStringList{"last"});
}

TEST(CsvMappingTest, RussianOutlookExportInCodePage1251) {
    const QString text = QStringLiteral(
        "Имя;Отчество;Фамилия;Организация;Должность;Рабочий телефон;Мобильный телефон;"
        "Адрес эл. почты;Адрес 2 эл. почты;Улица (дом. адрес);Город (дом. адрес);Факс\r\n"
        "Ирина;Петровна;Соколова;НИИ Связи;инженер;+7 495 111-22-33;8 916 000-11-22;"
        "irina@example.ru;sokolova@example.ru;ул. Мира, 3;Самара;+7 495 999\r\n");
    const interchange::CsvTable table = interchange::readCsv(store::encode1251(text));
    EXPECT_EQ(table.encoding, TextEncoding::CodePage1251);
    EXPECT_EQ(table.separator, QLatin1Char(';'));
    const interchange::ContactList list =
        interchange::csvContacts(table, CsvMapping::fromHeaders(table.headers));
    ASSERT_EQ(list.contacts.size(), 1);
    const Contact& c = list.contacts[0];
    EXPECT_EQ(c.fullName, QStringLiteral("Соколова Ирина Петровна"));
    EXPECT_EQ(c.workplace, QStringLiteral("НИИ Связи, инженер"));
    // The mobile comes before the work phone; the fax is no phone.
    EXPECT_EQ(c.telephone, QStringLiteral("8 916 000-11-22"));
    EXPECT_EQ(c.extraPhones, 1);
    EXPECT_EQ(c.email, QStringLiteral("irina@example.ru"));
    EXPECT_EQ(c.extraEmails, 1);
    EXPECT_EQ(c.address, QStringLiteral("ул. Мира, 3, Самара"));
}

TEST(CsvMappingTest, GoogleExportInUtf8WithAFormattedAddress) {
    const QByteArray text =
        "Name,Given Name,Family Name,E-mail 1 - Type,E-mail 1 - Value,Phone 1 - Type,"
        "Phone 1 - Value,Address 1 - Formatted,Address 1 - City,Organization 1 - Name\n"
        "\"Кузнецов, Олег\",Олег,Кузнецов,* Home,oleg@example.com,Mobile,+7 900,"
        "\"Невский 1\nСанкт-Петербург\",Санкт-Петербург,Завод\n";
    const interchange::CsvTable table = interchange::readCsv(text);
    const interchange::ContactList list =
        interchange::csvContacts(table, CsvMapping::fromHeaders(table.headers));
    ASSERT_EQ(list.contacts.size(), 1);
    const Contact& c = list.contacts[0];
    EXPECT_EQ(c.fullName, QStringLiteral("Кузнецов, Олег"));
    EXPECT_EQ(c.email, QStringLiteral("oleg@example.com"));
    EXPECT_EQ(c.telephone, QStringLiteral("+7 900"));
    EXPECT_EQ(c.address, QStringLiteral("Невский 1 Санкт-Петербург"));
    EXPECT_EQ(c.workplace, QStringLiteral("Завод"));
}

TEST(CsvMappingTest, TheCallerCanCorrectAColumn) {
    const interchange::CsvTable table =
        interchange::readCsv(QStringLiteral("Контакт\tНомер\nЛена\t123\n").toUtf8());
    EXPECT_EQ(table.separator, QLatin1Char('\t'));
    CsvMapping mapping = CsvMapping::fromHeaders(table.headers);
    EXPECT_EQ(mapping.columns[0].role, ColumnRole::Ignored);
    EXPECT_EQ(mapping.columns[1].role, ColumnRole::Ignored);
    EXPECT_TRUE(interchange::csvContacts(table, mapping).contacts.isEmpty());
    mapping.columns[0].role = ColumnRole::FullName;
    mapping.columns[1].role = ColumnRole::Telephone;
    const interchange::ContactList list = interchange::csvContacts(table, mapping);
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("Лена"));
    EXPECT_EQ(list.contacts[0].telephone, QStringLiteral("123"));
}

TEST(CsvMappingTest, Utf16ExportsOfPhonesAreRead) {
    const QString text = QStringLiteral("\"First name\",\"Last name\",\"General mobile\"\r\n"
                                        "\"Вера\",\"Орлова\",\"89001112233\"\r\n");
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const interchange::CsvTable table = interchange::readCsv(encoder(text));
    EXPECT_EQ(table.encoding, TextEncoding::Utf16LE);
    const interchange::ContactList list =
        interchange::csvContacts(table, CsvMapping::fromHeaders(table.headers));
    ASSERT_EQ(list.contacts.size(), 1);
    EXPECT_EQ(list.contacts[0].fullName, QStringLiteral("Орлова Вера"));
    EXPECT_EQ(list.contacts[0].telephone, QStringLiteral("89001112233"));
}

TEST(CsvWriterTest, CodePage1251WithSemicolonsAndUtf8WithCommas) {
    Contact c;
    c.fullName = QStringLiteral("Фёдоров \"Федя\"");
    c.address = QStringLiteral("ул. Садовая; кв. 2, корп. 1");
    c.telephone = QStringLiteral("123");
    const QByteArray excel = interchange::writeCsv({c}, interchange::CsvDialect::CodePage1251);
    EXPECT_EQ(excel, store::encode1251(QStringLiteral(
                         "ФИО;Адрес;Телефон;Место работы;E-mail\r\n"
                         "\"Фёдоров \"\"Федя\"\"\";\"ул. Садовая; кв. 2, корп. 1\";123;;\r\n")));
    const QByteArray utf8 = interchange::writeCsv({c}, interchange::CsvDialect::Utf8);
    EXPECT_EQ(utf8, QByteArray("\xEF\xBB\xBF") +
                        QStringLiteral("ФИО,Адрес,Телефон,Место работы,E-mail\r\n"
                                       "\"Фёдоров \"\"Федя\"\"\",\"ул. Садовая; кв. 2, корп. 1\","
                                       "123,,\r\n")
                            .toUtf8());
    // What Kalmo writes, it reads back into the same fields.
    for (const QByteArray& bytes : {excel, utf8}) {
        const interchange::CsvTable table = interchange::readCsv(bytes);
        const interchange::ContactList list =
            interchange::csvContacts(table, CsvMapping::fromHeaders(table.headers));
        ASSERT_EQ(list.contacts.size(), 1);
        EXPECT_EQ(list.contacts[0].fullName, c.fullName);
        EXPECT_EQ(list.contacts[0].address, c.address);
        EXPECT_EQ(list.contacts[0].telephone, c.telephone);
    }
}

} // namespace

#include "interchange/duplicate_index.h"
#include "interchange/kept_record.h"
#include "store/data_file.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

using interchange::Contact;
using interchange::KeepNotes;
using store::ContactField;

namespace {

TEST(KeptRecordTest, AnExactContactHasNoNote) {
    Contact c;
    c.fullName = QStringLiteral("Белов Антон");
    c.telephone = QStringLiteral("+7 900");
    KeepNotes notes;
    const store::ContactRecord record = interchange::keptRecord(c, &notes);
    EXPECT_TRUE(notes.exact());
    EXPECT_TRUE(notes.text().isEmpty());
    EXPECT_EQ(record.field(ContactField::FullName), c.fullName);
    EXPECT_EQ(record.field(ContactField::Telephone), c.telephone);
    EXPECT_EQ(record.field(ContactField::PhotoPath), QString());
}

TEST(KeptRecordTest, LongTextsForeignCharactersAndSecondPhonesAreNoted) {
    Contact c;
    c.fullName = QString(60, QChar(0x0416)); // 60 × "Ж"
    c.address = QStringLiteral("東京 ok");
    c.workplace = QStringLiteral("Café ✓"); // é and ✓ are outside code page 1251
    c.extraPhones = 2;
    c.extraEmails = 1;
    KeepNotes notes;
    const store::ContactRecord record = interchange::keptRecord(c, &notes);
    EXPECT_EQ(record.field(ContactField::FullName), QString(50, QChar(0x0416)));
    EXPECT_EQ(record.field(ContactField::Address), QStringLiteral("?? ok"));
    EXPECT_EQ(record.field(ContactField::Workplace), QStringLiteral("Caf? ?"));
    EXPECT_EQ(notes.cut, QList<ContactField>{ContactField::FullName});
    EXPECT_EQ(notes.replaced,
              (QList<ContactField>{ContactField::Address, ContactField::Workplace}));
    EXPECT_FALSE(notes.exact());
    EXPECT_EQ(notes.text(),
              QStringLiteral("обрезано до 50 знаков: ФИО; знаки вне кодировки 1251 заменены на "
                             "«?»: адрес, место работы; не сохранены другие телефоны: 2; "
                             "не сохранены другие e-mail: 1"));
}

TEST(KeptRecordTest, AQuestionMarkInTheSourceIsNoReplacement) {
    Contact c;
    c.fullName = QStringLiteral("Кто? Неизвестно");
    KeepNotes notes;
    interchange::keptRecord(c, &notes);
    EXPECT_TRUE(notes.exact());
}

TEST(DuplicateIndexTest, PhonesAreComparedByTheirDigitsWithTheTrunkPrefixOff) {
    EXPECT_EQ(interchange::normalisedPhone(QStringLiteral("8 (912) 345-67-89")),
              QStringLiteral("9123456789"));
    EXPECT_EQ(interchange::normalisedPhone(QStringLiteral("+7 912 345 67 89")),
              QStringLiteral("9123456789"));
    EXPECT_EQ(interchange::normalisedPhone(QStringLiteral("912-345-67-89")),
              QStringLiteral("9123456789"));
    // Not a Russian number of 11 digits: the digits as they are.
    EXPECT_EQ(interchange::normalisedPhone(QStringLiteral("+44 20 7946 0958")),
              QStringLiteral("442079460958"));
    EXPECT_EQ(interchange::normalisedPhone(QStringLiteral("нет")), QString());
}

TEST(DuplicateIndexTest, TheBaseIsMatchedByNamePhoneOrEmail) {
    TestFolder folder;
    folder.writeRecords(
        "Baza.dat",
        {makeRecord(QStringLiteral("Иванов Иван"), "", QStringLiteral("8 912 1112233")),
         makeRecord(QStringLiteral("Петров"), "", "", "", QStringLiteral("Petrov@Mail.ru")),
         makeRecord("")});
    store::DataFile file;
    file.bind(folder.filePath("Baza.dat"));
    file.openExisting();
    file.seek(1);
    const interchange::DuplicateIndex index = interchange::DuplicateIndex::ofBase(file);
    EXPECT_EQ(file.position(), 1); // the scan keeps the file's position
    EXPECT_TRUE(index.matches(makeRecord(QStringLiteral("  иванов   ИВАН "))));
    EXPECT_TRUE(index.matches(
        makeRecord(QStringLiteral("Другой"), "", QStringLiteral("+7 (912) 111-22-33"))));
    EXPECT_TRUE(index.matches(
        makeRecord(QStringLiteral("Третий"), "", "", "", QStringLiteral("petrov@mail.RU"))));
    EXPECT_FALSE(index.matches(
        makeRecord(QStringLiteral("Иванова Ивана"), "", QStringLiteral("8 912 1112234"))));
    // Empty fields match nothing, not even the empty record of the base.
    EXPECT_FALSE(index.matches(makeRecord("", QStringLiteral("адрес"))));
}

} // namespace

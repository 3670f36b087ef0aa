#include "store/contact_record.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace {

int byteAt(const store::ContactRecord& record, int offset) {
    return record.bytes()[offset];
}

QByteArray slice(const store::ContactRecord& record, int offset, int length) {
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()) + offset, length);
}

} // namespace

TEST(ContactRecord, FieldsLieAtTheirFixedOffsets) {
    const store::ContactRecord record =
        makeRecord("Ivanov", "Moskva", "123", "Zavod", "a@b.ru", "/photos/Ivanov.jpg");
    EXPECT_EQ(sizeof(record.bytes()), 511u);
    EXPECT_EQ(byteAt(record, 0), 6);
    EXPECT_EQ(slice(record, 1, 6), "Ivanov");
    EXPECT_EQ(byteAt(record, 51), 6);
    EXPECT_EQ(slice(record, 52, 6), "Moskva");
    EXPECT_EQ(byteAt(record, 102), 3);
    EXPECT_EQ(slice(record, 103, 3), "123");
    EXPECT_EQ(byteAt(record, 153), 5);
    EXPECT_EQ(slice(record, 154, 5), "Zavod");
    EXPECT_EQ(byteAt(record, 204), 6);
    EXPECT_EQ(slice(record, 205, 6), "a@b.ru");
    EXPECT_EQ(byteAt(record, 255), 18);
    EXPECT_EQ(slice(record, 256, 18), "/photos/Ivanov.jpg");
}

TEST(ContactRecord, TextIsStoredInCodePage1251) {
    const store::ContactRecord record = makeRecord(QStringLiteral("Иванов Ё"));
    EXPECT_EQ(byteAt(record, 0), 8);
    EXPECT_EQ(slice(record, 1, 8), QByteArray("\xC8\xE2\xE0\xED\xEE\xE2\x20\xA8"));
    EXPECT_EQ(record.field(store::ContactField::FullName), QStringLiteral("Иванов Ё"));
}

TEST(ContactRecord, LongTextsAreCutToTheFieldCapacity) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, QString(60, QChar(u'Ж')));
    EXPECT_EQ(byteAt(record, 0), 50);
    EXPECT_EQ(record.field(store::ContactField::FullName), QString(50, QChar(u'Ж')));
    // The name never spills into the address that follows it.
    EXPECT_EQ(byteAt(record, 51), 0);

    record.store(store::ContactField::PhotoPath, QString(300, QChar('p')));
    EXPECT_EQ(byteAt(record, 255), 255);
    EXPECT_EQ(record.field(store::ContactField::PhotoPath), QString(255, QChar('p')));
}

TEST(ContactRecord, StoringChangesOnlyTheLengthByteAndTheTextBytes) {
    store::ContactRecord record;
    record.store(store::ContactField::Address, "long address text");
    record.store(store::ContactField::Address, "");
    EXPECT_EQ(byteAt(record, 51), 0);
    EXPECT_EQ(slice(record, 52, 17), "long address text");
    EXPECT_EQ(record.field(store::ContactField::Address), QString());

    record.store(store::ContactField::Address, "short");
    EXPECT_EQ(slice(record, 52, 17), "shortaddress text");
    EXPECT_EQ(record.field(store::ContactField::Address), "short");
}

TEST(ContactRecord, ALengthByteAboveTheCapacityReadsAsTheCapacity) {
    store::ContactRecord record = makeRecord(QString(50, 'n'), "address");
    record.bytes()[0] = 200; // damaged file
    EXPECT_EQ(record.field(store::ContactField::FullName), QString(50, 'n'));
    record.bytes()[255] = 255;
    EXPECT_EQ(record.field(store::ContactField::PhotoPath).size(), 255);
}

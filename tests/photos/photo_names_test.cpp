#include "photos/photo_names.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using photos::photoNumberFor;

store::ContactRecord named(const QString& name, const QString& photo = QString()) {
    return makeRecord(name, QString(), QString(), QString(), QString(), photo);
}

// The photo path the record takes when its photo moves to `folder`, checked to fill the
// whole field.
QString moved(const QString& folder, store::ContactRecord record) {
    photos::PhotoPathMover(folder).move(record);
    const int at = store::ContactRecord::offset(store::ContactField::PhotoPath);
    const auto tail = record.bytes().begin() + at + 1 + record.bytes()[at];
    EXPECT_TRUE(std::all_of(tail, record.bytes().end(), [](unsigned char b) { return b == 0; }));
    return record.field(store::ContactField::PhotoPath);
}

class PhotoNames : public ::testing::Test {
protected:
    store::DataFile& open(const QList<store::ContactRecord>& records) {
        folder.writeRecords("Baza.dat", records);
        file.bind(folder.filePath("Baza.dat"));
        file.openExisting();
        return file;
    }
    TestFolder folder;
    store::DataFile file;
};

TEST_F(PhotoNames, TheFirstNumberNoOtherRecordNamesAndARecordKeepsItsOwn) {
    open({named("Иванов", "/img/Иванов.jpg"), named("Иванов", "/img/./Иванов (2).jpg"),
          named("Петров", "/img/Петров.jpg"), named("Сидоров")});
    file.seek(3);
    // A new record of a name in use takes the first number free.
    EXPECT_EQ(photoNumberFor(file, "/img", "Иванов", -1, QString()), 3);
    EXPECT_EQ(photoNumberFor(file, "/img", "Сидоров", -1, QString()), 1);
    // A stored record keeps its own file, or takes the first free when it had none.
    EXPECT_EQ(photoNumberFor(file, "/img", "Иванов", 1, "/img/Иванов (2).jpg"), 2);
    EXPECT_EQ(photoNumberFor(file, "/img", "Иванов", 0, "/img/Иванов.jpg"), 1);
    EXPECT_EQ(photoNumberFor(file, "/img", "Петров", 3, QString()), 2);
    // Its path in another folder, or another record's file, is not its own.
    EXPECT_EQ(photoNumberFor(file, "/new", "Петров", 2, "/img/Петров.jpg"), 1);
    EXPECT_EQ(photoNumberFor(file, "/img", "Иванов", 3, "/img/Иванов.jpg"), 3);
    EXPECT_EQ(file.position(), 3); // the scan leaves the position alone

    EXPECT_TRUE(photos::isNamedInBase(file, "/img//Иванов (2).jpg"));
    EXPECT_FALSE(photos::isNamedInBase(file, "/img/Иванов (2).jpg", 1));
    EXPECT_FALSE(photos::isNamedInBase(file, QString()));
}

TEST_F(PhotoNames, AMovedPhotoKeepsItsFileNameWhenItIsOneOfTheRecordsNames) {
    EXPECT_EQ(moved("/new", named("Иванов", "/old/Иванов (2).jpg")), "/new/Иванов (2).jpg");
    EXPECT_EQ(moved("/new", named("Иванов", "/old/Иванов.jpg")), "/new/Иванов.jpg");
    EXPECT_EQ(moved("/new", named("Иванов", "/old/Петров (2).jpg")), "/new/Иванов.jpg");
    EXPECT_EQ(moved("/new", named("Иванов", "/old/Иванов (x).jpg")), "/new/Иванов.jpg");
    EXPECT_EQ(moved("/new", named("Иванов")), "/new/Иванов.jpg");
    for (const QString& refused : {QString(), QString("a/b"), QString(".."), QString(".")})
        EXPECT_EQ(moved("/new", named(refused, "/old/x.jpg")), QString());
    // The number is one to six ASCII digits, 2 or more, after exactly the record's name.
    const QList<std::pair<QString, QString>> numbers = {
        {"/old/Иванов (123456).jpg", "/new/Иванов (123456).jpg"},
        {"/old/Иванов (02).jpg", "/new/Иванов (2).jpg"},
        {"Иванов (3).jpg", "/new/Иванов (3).jpg"},
        {"/old/Иванов (1234567).jpg", "/new/Иванов.jpg"},
        {"/old/Иванов (1).jpg", "/new/Иванов.jpg"},
        {"/old/Иванов ().jpg", "/new/Иванов.jpg"},
        {"/old/Иванов (2).jpeg", "/new/Иванов.jpg"},
        {"/old/Ивановы (2).jpg", "/new/Иванов.jpg"},
        {"/old/Иванов (2).jpg/", "/new/Иванов.jpg"},
    };
    for (const auto& [current, expected] : numbers) {
        EXPECT_EQ(moved("/new", named("Иванов", current)), expected) << current.toStdString();
    }
    // No images folder: the path starts at the root, as it always did.
    EXPECT_EQ(moved(QString(), named("Иванов")), "/Иванов.jpg");
    // The path is stored as any text is: cut to the field, '?' for what the code page lacks.
    EXPECT_EQ(moved(QString(250, 'a'), named("Иванов")), QString(250, 'a') + "/Иван");
    EXPECT_EQ(moved(QString::fromUtf8("/фото/中"), named("Иванов")), "/фото/?/Иванов.jpg");
}

TEST(PhotoNamesStored, TheNameIsCutAsTheRecordStoresIt) {
    EXPECT_EQ(photos::storedFullName(QString(60, 'x')), QString(50, 'x'));
    EXPECT_EQ(photos::storedFullName("Иванов"), "Иванов");
    EXPECT_EQ(photos::storedFullName(QString::fromUtf8("名前")), "??");
}

} // namespace

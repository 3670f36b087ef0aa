#include "store/data_file.h"
#include "store/full_name_search.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

using namespace record_fixture;

namespace {

class FullNameSearchTest : public ::testing::Test {
protected:
    void open(const QList<store::ContactRecord>& records) {
        path = folder.filePath("Baza.dat");
        folder.writeBytes("Baza.dat", fileBytes(records));
        file.bind(path);
        file.openExisting();
    }

    TestFolder folder;
    QString path;
    store::DataFile file;
};

TEST_F(FullNameSearchTest, NamesComeInFileOrderOnePerRecord) {
    open({makeRecord("Петров"), makeRecord("Андреев"), makeRecord("Петров"), makeRecord("")});
    EXPECT_EQ(store::readFullNames(file), QStringList({"Петров", "Андреев", "Петров", ""}));
}

TEST_F(FullNameSearchTest, NamesOfALargeFileSpanSeveralBlocks) {
    QList<store::ContactRecord> records;
    for (int k = 0; k < 4500; ++k)
        records << makeRecord(QString("Имя %1").arg(k));
    open(records);
    const QStringList names = store::readFullNames(file);
    ASSERT_EQ(names.size(), 4500);
    EXPECT_EQ(names.at(2051), "Имя 2051");
    EXPECT_EQ(names.at(2052), "Имя 2052");
    EXPECT_EQ(names.last(), "Имя 4499");
}

TEST_F(FullNameSearchTest, FindsTheFirstExactMatchInFileOrder) {
    open({makeRecord("Сидоров", "1"), makeRecord("Петров", "2"), makeRecord("Петров", "3"),
          makeRecord("ПЕТРОВ", "4"), makeRecord("")});
    EXPECT_EQ(store::findFullName(file, "Петров"), 1);
    EXPECT_EQ(store::findFullName(file, "ПЕТРОВ"), 3);
    EXPECT_EQ(store::findFullName(file, ""), 4);
    // Case, a trailing blank and a mere prefix all make a different name.
    EXPECT_EQ(store::findFullName(file, "петров"), std::nullopt);
    EXPECT_EQ(store::findFullName(file, "Петров "), std::nullopt);
    EXPECT_EQ(store::findFullName(file, "Петр"), std::nullopt);
    EXPECT_EQ(store::findFullName(file, "СИДоров"), std::nullopt);
}

TEST_F(FullNameSearchTest, TextOutsideTheCodePageMatchesNothing) {
    // The codec stores such characters as '?'; a typed one must not find that record.
    open({makeRecord("Ли?")});
    EXPECT_EQ(store::findFullName(file, "Ли?"), 0);
    EXPECT_EQ(store::findFullName(file, QString::fromUtf8("Ли\u4e2d")), std::nullopt);
}

TEST(SearchListOrderTest, RussianCaseInsensitiveOrderKeepingFileOrderForEqualNames) {
    EXPECT_EQ(store::sortedForSearchList({"Петров", "Андреев", "Сидоров"}),
              QStringList({"Андреев", "Петров", "Сидоров"}));
    // Case does not separate names; ё sorts with е, before ж; Russian puts Cyrillic first.
    EXPECT_EQ(store::sortedForSearchList({"жуков", "Ёлкин", "бобров", "Борисов", "Zed", "Ежов"}),
              QStringList({"бобров", "Борисов", "Ежов", "Ёлкин", "жуков", "Zed"}));
    EXPECT_EQ(store::sortedForSearchList({"петров", "Петров", "ПЕТРОВ"}),
              QStringList({"петров", "Петров", "ПЕТРОВ"}));
}

} // namespace

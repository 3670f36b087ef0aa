#include "store/data_file.h"
#include "store/full_name_search.h"
#include "support/record_fixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace record_fixture;

namespace {

class FullNameSearchTest : public ::testing::Test {
protected:
    void open(const QList<ContactRecord>& records) {
        path = dir.filePath("Baza.dat");
        writeFile(path, fileBytes(records));
        file.bind(path);
        file.openExisting();
    }

    QTemporaryDir dir;
    QString path;
    DataFile file;
};

TEST_F(FullNameSearchTest, NamesComeInFileOrderOnePerRecord) {
    open({record("Петров"), record("Андреев"), record("Петров"), record("")});
    EXPECT_EQ(ReadFullNames(file), QStringList({"Петров", "Андреев", "Петров", ""}));
}

TEST_F(FullNameSearchTest, NamesOfALargeFileSpanSeveralBlocks) {
    QList<ContactRecord> records;
    for (int k = 0; k < 4500; ++k)
        records << record(QString("Имя %1").arg(k));
    open(records);
    const QStringList names = ReadFullNames(file);
    ASSERT_EQ(names.size(), 4500);
    EXPECT_EQ(names.at(2051), "Имя 2051");
    EXPECT_EQ(names.at(2052), "Имя 2052");
    EXPECT_EQ(names.last(), "Имя 4499");
}

TEST_F(FullNameSearchTest, FindsTheFirstExactMatchInFileOrder) {
    open({record("Сидоров", "1"), record("Петров", "2"), record("Петров", "3"),
          record("ПЕТРОВ", "4"), record("")});
    EXPECT_EQ(FindFullName(file, "Петров"), 1);
    EXPECT_EQ(FindFullName(file, "ПЕТРОВ"), 3);
    EXPECT_EQ(FindFullName(file, ""), 4);
    // Case, a trailing blank and a mere prefix all make a different name.
    EXPECT_EQ(FindFullName(file, "петров"), std::nullopt);
    EXPECT_EQ(FindFullName(file, "Петров "), std::nullopt);
    EXPECT_EQ(FindFullName(file, "Петр"), std::nullopt);
    EXPECT_EQ(FindFullName(file, "СИДоров"), std::nullopt);
}

TEST_F(FullNameSearchTest, TextOutsideTheCodePageMatchesNothing) {
    // The codec stores such characters as '?'; a typed one must not find that record.
    open({record("Ли?")});
    EXPECT_EQ(FindFullName(file, "Ли?"), 0);
    EXPECT_EQ(FindFullName(file, QString::fromUtf8("Ли\u4e2d")), std::nullopt);
}

TEST(SearchListOrderTest, RussianCaseInsensitiveOrderKeepingFileOrderForEqualNames) {
    EXPECT_EQ(SortedForSearchList({"Петров", "Андреев", "Сидоров"}),
              QStringList({"Андреев", "Петров", "Сидоров"}));
    // Case does not separate names; ё sorts with е, before ж; Russian puts Cyrillic first.
    EXPECT_EQ(SortedForSearchList({"жуков", "Ёлкин", "бобров", "Борисов", "Zed", "Ежов"}),
              QStringList({"бобров", "Борисов", "Ежов", "Ёлкин", "жуков", "Zed"}));
    EXPECT_EQ(SortedForSearchList({"петров", "Петров", "ПЕТРОВ"}),
              QStringList({"петров", "Петров", "ПЕТРОВ"}));
}

} // namespace

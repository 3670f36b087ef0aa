#include "app/base_size_text.h"

#include "support/test_folder.h"

#include <gtest/gtest.h>

TEST(BaseSizeText, CutsTheKilobyteFigureToFourCharacters) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const struct {
        int records;
        const char* text;
    } cases[] = {{1, "0,49 Kb"},   {2, "0,99 Kb"},   {3, "1,49 Kb"},
                 {10, "4,99 Kb"},  {21, "10,4 Kb"},  {200, "99,8 Kb"},
                 {201, "100, Kb"}, {1024, "511 Kb"}, {2005, "1000 Kb"}};
    for (const auto& c : cases)
        EXPECT_EQ(app::baseSizeText(int64_t(c.records) * 511, russian), QString::fromUtf8(c.text))
            << c.records << " records";
}

TEST(BaseSizeText, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(app::baseSizeText(511, QLocale(QLocale::English, QLocale::UnitedStates)), "0.49 Kb");
    EXPECT_EQ(app::baseSizeText(-1, QLocale(QLocale::Russian)), "-0,0 Kb");
    EXPECT_EQ(app::baseSizeText(0, QLocale(QLocale::Russian)), "0 Kb");
}

TEST(BaseSizeText, FileSizeIsMinusOneForAFileThatCannotBeRead) {
    TestFolder folder;
    folder.writeBytes("some.dat", QByteArray(1234, 'x'));
    EXPECT_EQ(app::GetFileSizeBytes(folder.filePath("some.dat")), 1234);
    EXPECT_EQ(app::GetFileSizeBytes(folder.filePath("missing.dat")), -1);
}

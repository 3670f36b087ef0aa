// The compact table of texts behind the report grid, the arrays made from it and the
// sheets that refer to it: every text comes back exactly, copies stay independent, and the
// workbook written from shared texts reads back the same from the file.
#include "report/automation/variant.h"
#include "report/report_workbook.h"
#include "report/spreadsheet/sheet.h"
#include "report/spreadsheet/workbook_file.h"
#include "report/string_grid.h"
#include "store/codec1251.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using automation::TextTable;
using automation::Variant;
using automation::VariantArray;

namespace {

// Every character the data file can hold, and texts that need care elsewhere.
QStringList awkwardTexts() {
    QByteArray upper;
    for (int b = 0x80; b <= 0xFF; ++b)
        upper.append(char(b));
    return {store::decode1251(upper),
            QStringLiteral("Иванов \"Иван\" 'Иванович'"),
            QStringLiteral("a\tb\nc\r\nd"),
            QString(QChar(0)) + QChar(1) + QChar(0x1F) + QChar(0x7F),
            QStringLiteral("Ёжик ёлка ЀѐѿЀ"),
            QStringLiteral("café №5 — «ёлка»"),
            QStringLiteral("emoji \U0001F600 and a lone ") + QChar(0xD800),
            QStringLiteral("plain ascii"),
            QString()};
}

TEST(TextTable, EveryTextComesBackExactlyAndEqualTextsStoreEqually) {
    const QStringList texts = awkwardTexts();
    TextTable table(int(texts.size()), 2);
    for (int r = 0; r < texts.size(); ++r) {
        table.setText(r, 0, texts[r]);
        table.setText(r, 1, QString(texts[r])); // the same text, stored a second time
    }
    for (int r = 0; r < texts.size(); ++r) {
        EXPECT_EQ(table.text(r, 0), texts[r]) << r;
        EXPECT_EQ(table.view(r, 0), table.view(r, 1)) << r;
        EXPECT_EQ(qHash(table.view(r, 0)), qHash(table.view(r, 1))) << r;
    }
    // One byte a character for ASCII and Cyrillic only; anything else in the text makes
    // the whole text two bytes a character.
    EXPECT_FALSE(table.view(4, 0).wide);
    EXPECT_EQ(table.view(4, 0).byteSize(), texts[4].size());
    EXPECT_FALSE(table.view(7, 0).wide);
    EXPECT_TRUE(table.view(0, 0).wide); // the code page's upper half has more than letters
    EXPECT_TRUE(table.view(5, 0).wide);
    EXPECT_EQ(table.view(5, 0).byteSize(), 2 * texts[5].size());
    // What fits one byte a character in the workbook file: Latin-1, not Cyrillic.
    EXPECT_TRUE(table.view(7, 0).fitsLatin1());
    EXPECT_TRUE(table.view(3, 0).fitsLatin1());
    EXPECT_FALSE(table.view(4, 0).fitsLatin1());
    TextTable latin(1, 1);
    latin.setText(0, 0, QStringLiteral("café"));
    EXPECT_TRUE(latin.view(0, 0).wide);
    EXPECT_TRUE(latin.view(0, 0).fitsLatin1());
    // A narrow and a wide text of the same length differ.
    TextTable pair(1, 2);
    pair.setText(0, 0, QStringLiteral("ab"));
    pair.setText(0, 1, QStringLiteral("a№"));
    EXPECT_FALSE(pair.view(0, 0) == pair.view(0, 1));
}

TEST(TextTable, RewritingCellsKeepsTheOthersAndTheLatestText) {
    TextTable table(3, 3);
    table.setText(0, 0, QStringLiteral("first"));
    table.setText(2, 2, QStringLiteral("Последняя"));
    // Enough rewrites of one cell to have the table drop the replaced texts many times.
    for (int i = 0; i < 2000; ++i)
        table.setText(1, 1, QString(200, QChar(i % 2 ? 0x0416 : 'x')) + QString::number(i));
    EXPECT_EQ(table.text(1, 1), QString(200, QChar(0x0416)) + "1999");
    EXPECT_EQ(table.text(0, 0), "first");
    EXPECT_EQ(table.text(2, 2), "Последняя");
    EXPECT_TRUE(table.text(0, 1).isEmpty());
    // Outside the table: empty, and writes are ignored.
    table.setText(3, 0, QStringLiteral("outside"));
    table.setText(0, -1, QStringLiteral("outside"));
    EXPECT_TRUE(table.text(3, 0).isEmpty());
    EXPECT_TRUE(table.text(-1, 0).isEmpty());
    EXPECT_EQ(table.rows(), 3);

    table.setRowCount(1);
    EXPECT_EQ(table.text(0, 0), "first");
    table.setRowCount(4);
    EXPECT_TRUE(table.text(2, 2).isEmpty());
    EXPECT_TRUE(table.text(3, 2).isEmpty());
    table.setRowCount(-1);
    EXPECT_EQ(table.rows(), 4);
}

TEST(TextTable, CopiesShareUntilOneChanges) {
    TextTable grid(2, 2);
    grid.setText(0, 0, QStringLiteral("общий"));
    const TextTable handedOn = grid;
    EXPECT_TRUE(handedOn.sharesTextsWith(grid));

    grid.setText(0, 1, QStringLiteral("new"));
    EXPECT_FALSE(handedOn.sharesTextsWith(grid));
    EXPECT_TRUE(handedOn.text(0, 1).isEmpty());
    EXPECT_EQ(handedOn.text(0, 0), "общий");

    const TextTable before = grid;
    grid.clear();
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_TRUE(grid.text(0, 0).isEmpty());
    EXPECT_EQ(before.text(0, 1), "new");
    grid.setRowCount(1);
    EXPECT_EQ(before.rows(), 2);
}

TEST(TextTable, AnArrayOfTextsTakesOtherValuesWithoutLosingItsTexts) {
    TextTable texts(2, 2);
    texts.setText(0, 0, QStringLiteral("a"));
    texts.setText(1, 1, QStringLiteral("д"));
    VariantArray array(texts);
    EXPECT_EQ(array.rows(), 2);
    EXPECT_EQ(array.columns(), 2);
    ASSERT_NE(array.texts(), nullptr);

    array.set(1, 2, Variant("b")); // a string: still all texts, and `texts` is untouched
    ASSERT_NE(array.texts(), nullptr);
    EXPECT_TRUE(texts.text(0, 1).isEmpty());

    array.set(2, 1, Variant(int32_t(7)));
    EXPECT_EQ(array.texts(), nullptr);
    EXPECT_EQ(array.at(1, 1).toString(), "a");
    EXPECT_EQ(array.at(1, 2).toString(), "b");
    EXPECT_EQ(array.at(2, 1).type(), Variant::Type::Int32);
    EXPECT_EQ(array.at(2, 2).toString(), "д");
    EXPECT_THROW(array.at(3, 1), std::exception);
    EXPECT_THROW(array.set(0, 1, Variant("x")), std::exception);
}

TEST(TextTable, AWorkbookOfSharedTextsReadsBackFromTheFileExactly) {
    const QStringList texts = awkwardTexts();
    TStringGrid grid(5);
    grid.setRowCount(int(texts.size()) + 1);
    for (int r = 0; r < texts.size(); ++r)
        for (int c = 0; c < 5; ++c)
            grid.setCells(c, r, texts[(r + c) % texts.size()]);
    // The same text in many cells is stored once in the file and read back in each.
    for (int c = 0; c < 5; ++c)
        grid.setCells(c, int(texts.size()), texts[0]);
    QTemporaryDir folder;
    const QString path = folder.filePath("texts.xls");
    ASSERT_TRUE(report::SaveGridAsWorkbook(grid, "Тексты", path));

    const spreadsheet::Workbook book = spreadsheet::openWorkbook(path);
    ASSERT_EQ(book.sheets.size(), 1u);
    const spreadsheet::Sheet& sheet = book.sheets[0];
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < 5; ++c) {
            // An empty cell without a format of its own is not written at all.
            const auto cell = sheet.cell(r, c);
            EXPECT_EQ(cell ? cell->text : QString(), grid.Cells(c, r)) << r << "," << c;
        }
    }
}

TEST(TextTable, ASheetKeepsItsTextsPastTheNumberOfTablesItCanReferTo) {
    // Every array assigned to a sheet adds a table its cells refer to; past what a cell
    // can number, the texts still in use move into the sheet's own table.
    spreadsheet::Sheet sheet;
    constexpr int kAssignments = 70000;
    for (int i = 0; i < kAssignments; ++i) {
        TextTable texts(1, 2);
        texts.setText(0, 0, QStringLiteral("№") + QString::number(i));
        texts.setText(0, 1, QStringLiteral("ячейка ") + QString::number(i));
        const int table = sheet.shareTexts(texts);
        sheet.setSharedText(i % 50, 0, table, 0);
        sheet.setSharedText(i % 50, 1, table, 1);
    }
    for (int r = 0; r < 50; ++r) {
        const int last = kAssignments - 50 + r;
        ASSERT_EQ(sheet.cell(r, 0)->text, QStringLiteral("№") + QString::number(last)) << r;
        ASSERT_EQ(sheet.cell(r, 1)->text, QStringLiteral("ячейка ") + QString::number(last));
    }
    // Formatting a whole column changes the cells' formats and leaves their texts.
    sheet.formatArea(spreadsheet::CellArea::columns(1, 1),
                     [](spreadsheet::CellFormat& f) { f.bold = true; });
    EXPECT_TRUE(sheet.cell(7, 1)->format.bold);
    EXPECT_FALSE(sheet.cell(7, 0)->format.bold);
    EXPECT_EQ(sheet.cell(7, 1)->text, QStringLiteral("ячейка ") + QString::number(69957));
}

} // namespace

// The records a workbook carries for the spreadsheet program's sake: the sheet settings,
// the row-block index, the property set streams and the container's class id. Each is
// checked in its bytes and read back with our own reader.
#include "report/biff_stream.h"
#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_reader.h"
#include "report/spreadsheet/biff_writer.h"
#include "report/spreadsheet/column_width.h"
#include "report/spreadsheet/compound_file.h"
#include "report/spreadsheet/property_sets.h"
#include "report/spreadsheet/workbook_file.h"
#include "support/report_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

// Rows 0 to 40 and 96 to 109, 1 to 5 cells each; the gap leaves the third block of 32
// rows without a single row.
Sheet sheetWithGaps() {
    Sheet sheet;
    sheet.name = "S";
    sheet.column(0).width = 30;
    for (int r = 0; r < 110; ++r) {
        if (r > 40 && r < 96)
            continue;
        for (int c = 0; c <= r % 5; ++c)
            sheet.setText(r, c, QStringLiteral("%1/%2").arg(r).arg(c));
    }
    // A formatted empty cell gives a blank record, which the index counts like any cell.
    sheet.formatArea({5, 5, 7, 7}, [](CellFormat& f) { f.bold = true; });
    return sheet;
}

std::vector<BiffRecord> sheetRecords(const QByteArray& stream) {
    const auto all = biffRecords(stream);
    const uint32_t offset = u32(withId(all, 0x0085).at(0).data, 0);
    std::vector<BiffRecord> sheet;
    for (const BiffRecord& r : all) {
        if (r.offset >= offset)
            sheet.push_back(r);
    }
    return sheet;
}

TEST(WorkbookRecords, SheetRecordsComeInTheFormatsOrder) {
    Workbook book;
    book.sheets.push_back(sheetWithGaps());
    const auto sheet = sheetRecords(writeWorkbookStream(book));

    // Record kinds in order, runs of one kind counted once.
    std::vector<uint16_t> kinds;
    for (const BiffRecord& r : sheet) {
        const bool cell = r.id == 0x00FD || r.id == 0x0201;
        const uint16_t kind = cell ? 0x00FD : r.id;
        if (kinds.empty() || kinds.back() != kind)
            kinds.push_back(kind);
    }
    const std::vector<uint16_t> blocks{0x0208, 0x00FD, 0x00D7};
    std::vector<uint16_t> expected{0x0809, 0x020B, 0x0225, 0x0081, 0x0014, 0x0015,
                                   0x0028, 0x00A1, 0x0055, 0x007D, 0x0200};
    for (int b = 0; b < 3; ++b) // rows 0-31, 32-63, 64-95 and 96-127: the third is empty
        expected.insert(expected.end(), blocks.begin(), blocks.end());
    expected.insert(expected.end(), {0x023E, 0x001D, 0x000A});
    EXPECT_EQ(kinds, expected);

    // Default row height 12.75 points, the usual sheet options, no header or footer, A1
    // active and selected.
    EXPECT_EQ(withId(sheet, 0x0225).at(0).data, QByteArray::fromHex("0000ff00"));
    EXPECT_EQ(withId(sheet, 0x0081).at(0).data, QByteArray::fromHex("c104"));
    EXPECT_EQ(withId(sheet, 0x0014).at(0).data, QByteArray());
    EXPECT_EQ(withId(sheet, 0x0015).at(0).data, QByteArray());
    EXPECT_EQ(withId(sheet, 0x001D).at(0).data, QByteArray::fromHex("03"
                                                                    "0000"
                                                                    "0000"
                                                                    "0000"
                                                                    "0100"
                                                                    "0000"
                                                                    "0000"
                                                                    "00"
                                                                    "00"));
}

TEST(WorkbookRecords, RowBlockIndexLeadsToEveryRowAndCell) {
    Workbook book;
    book.sheets.push_back(sheetWithGaps());
    const QByteArray stream = writeWorkbookStream(book);
    const auto sheet = sheetRecords(stream);
    auto recordAt = [&](qsizetype offset) -> const BiffRecord* {
        for (const BiffRecord& r : sheet) {
            if (r.offset == offset)
                return &r;
        }
        return nullptr;
    };

    const QByteArray index = withId(sheet, 0x020B).at(0).data;
    ASSERT_EQ(index.size(), 16 + 4 * 3);
    EXPECT_EQ(u32(index, 4), 0u);   // first row used
    EXPECT_EQ(u32(index, 8), 110u); // the row after the last used
    ASSERT_NE(recordAt(u32(index, 12)), nullptr);
    EXPECT_EQ(recordAt(u32(index, 12))->id, 0x0055);

    const int firstRows[] = {0, 32, 96};
    const int rowCounts[] = {32, 9, 14};
    for (int b = 0; b < 3; ++b) {
        SCOPED_TRACE(b);
        const BiffRecord* dbCell = recordAt(u32(index, 16 + 4 * b));
        ASSERT_NE(dbCell, nullptr);
        ASSERT_EQ(dbCell->id, 0x00D7);
        ASSERT_EQ(dbCell->data.size(), 4 + 2 * rowCounts[b]);
        const qsizetype firstRowAt = dbCell->offset - u32(dbCell->data, 0);
        const BiffRecord* firstRow = recordAt(firstRowAt);
        ASSERT_NE(firstRow, nullptr);
        ASSERT_EQ(firstRow->id, 0x0208);
        EXPECT_EQ(u16(firstRow->data, 0), firstRows[b]);

        // From the second ROW record to the first row's first cell, then row to row.
        qsizetype cellAt = firstRowAt + 20;
        for (int i = 0; i < rowCounts[b]; ++i) {
            cellAt += u16(dbCell->data, 4 + 2 * i);
            const BiffRecord* cell = recordAt(cellAt);
            ASSERT_NE(cell, nullptr) << i;
            EXPECT_TRUE(cell->id == 0x00FD || cell->id == 0x0201) << i;
            const int row = u16(cell->data, 0);
            EXPECT_EQ(u16(cell->data, 2), 0) << "row " << row << " starts at column A";
            EXPECT_GE(row, firstRows[b]);
            // Rows are in order: the i-th row of the block with any row.
            const BiffRecord* rowRecord = recordAt(firstRowAt + 20 * i);
            ASSERT_NE(rowRecord, nullptr);
            EXPECT_EQ(u16(rowRecord->data, 0), row) << i;
        }
    }
}

TEST(WorkbookRecords, ReaderRefusesABrokenRowBlockIndex) {
    Workbook book;
    book.sheets.push_back(sheetWithGaps());
    const QByteArray stream = writeWorkbookStream(book);
    ASSERT_NO_THROW(parseWorkbookStream(stream));
    const auto sheet = sheetRecords(stream);
    const BiffRecord index = withId(sheet, 0x020B).at(0);
    const BiffRecord dbCell = withId(sheet, 0x00D7).at(1);

    auto patched = [&](qsizetype at, uint16_t value) {
        QByteArray bad = stream;
        qToLittleEndian<quint16>(u16(stream, at) + value, bad.data() + at);
        return bad;
    };
    // An INDEX entry, the position of DEFCOLWIDTH and the distance back to the first ROW,
    // each moved by a few bytes.
    EXPECT_THROW(parseWorkbookStream(patched(index.offset + 4 + 16, 4)), WorkbookFormatError);
    EXPECT_THROW(parseWorkbookStream(patched(index.offset + 4 + 12, 2)), WorkbookFormatError);
    EXPECT_THROW(parseWorkbookStream(patched(dbCell.offset + 4, 20)), WorkbookFormatError);
    // The first DBCELL left out of the INDEX.
    QByteArray skipped = stream;
    qToLittleEndian<quint32>(u32(stream, index.offset + 4 + 20),
                             skipped.data() + index.offset + 4 + 16);
    EXPECT_THROW(parseWorkbookStream(skipped), WorkbookFormatError);
}

TEST(WorkbookRecords, SheetSettingsReadBack) {
    Workbook book;
    Sheet& sheet = book.sheets.emplace_back(sheetWithGaps());
    sheet.header = "Страница &P";
    sheet.footer = "Kalmo";
    sheet.activeRow = 100;
    sheet.activeColumn = 3;
    sheet.defaultRowHeightPoints = 15;
    sheet.fitToPage = true;
    const auto records = sheetRecords(writeWorkbookStream(book));
    EXPECT_EQ(withId(records, 0x0225).at(0).data, QByteArray::fromHex("01002c01"));
    EXPECT_EQ(withId(records, 0x0081).at(0).data, QByteArray::fromHex("c105"));
    EXPECT_EQ(withId(records, 0x0015).at(0).data, QByteArray::fromHex("050000") + "Kalmo");
    EXPECT_EQ(u16(withId(records, 0x0208).at(0).data, 6), 300); // ROW height in twips

    const Sheet back = parseWorkbookStream(writeWorkbookStream(book)).sheets.at(0);
    EXPECT_EQ(back.header, "Страница &P");
    EXPECT_EQ(back.footer, "Kalmo");
    EXPECT_EQ(back.activeRow, 100);
    EXPECT_EQ(back.activeColumn, 3);
    EXPECT_DOUBLE_EQ(back.defaultRowHeightPoints, 15);
    EXPECT_TRUE(back.fitToPage);
    EXPECT_EQ(back.cell(109, 4)->text, "109/4");
    EXPECT_TRUE(back.cell(5, 7)->format.bold);
}

TEST(WorkbookRecords, ColumnWidthsCountThePadding) {
    // Characters, what the file stores, and what is read back.
    const struct {
        double characters;
        uint16_t units;
        double shown;
    } cases[] = {{30, 7862, 30}, {15, 4022, 15},   {25, 6582, 25},    {8.43, 2340, 8.43},
                 {1, 438, 1},    {0.5, 329, 0.57}, {255, 65462, 255}, {0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(columnWidthUnits(c.characters), c.units) << c.characters;
        EXPECT_DOUBLE_EQ(columnWidthCharacters(c.units), c.shown) << c.characters;
    }

    Workbook book;
    Sheet& sheet = book.sheets.emplace_back();
    sheet.name = "S";
    sheet.column(2).width = 0;
    const auto columns = withId(sheetRecords(writeWorkbookStream(book)), 0x007D);
    ASSERT_EQ(columns.size(), 1u);
    EXPECT_EQ(u16(columns[0].data, 4), 0);
    EXPECT_EQ(u16(columns[0].data, 8), 0x0003); // set and hidden
}

TEST(WorkbookRecords, PropertySetsAndClassIdReadBack) {
    Workbook book;
    book.sheets.emplace_back().name = "Данные базы";
    const QDateTime created(QDate(2026, 12, 6), QTime(22, 28, 5, 250), QTimeZone::utc());
    book.properties = {"Данные базы", "Kalmo", created};
    QTemporaryDir dir;
    saveWorkbook(book, dir.filePath("a.xls"));
    QFile file(dir.filePath("a.xls"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const WorkbookContainer container = containerOf(file.readAll());
    EXPECT_EQ(container.classId, kWorkbookClassId);

    // Byte order mark, one property set of the summary's format, the set after the header.
    const QByteArray& summary = container.summary;
    ASSERT_GE(summary.size(), 48);
    EXPECT_EQ(u16(summary, 0), 0xFFFE);
    EXPECT_EQ(u32(summary, 24), 1u);
    EXPECT_EQ(summary.mid(28, 16), QByteArray::fromHex("e0859ff2f94f6810ab9108002b27b3d9"));
    EXPECT_EQ(u32(summary, 44), 48u);
    EXPECT_EQ(u32(summary, 48), summary.size() - 48); // the set's size
    EXPECT_EQ(u32(summary, 52), 4u);                  // code page, title, author, time
    // The title: UTF-16 text, its size in bytes with the terminating null.
    const qsizetype title = 48 + u32(summary, 56 + 8 + 4);
    EXPECT_EQ(u32(summary, 56 + 8), 2u);
    EXPECT_EQ(u16(summary, title), 0x001E);
    EXPECT_EQ(u32(summary, title + 4), 24u);
    EXPECT_EQ(u16(summary, title + 8), 0x0414); // "Д"
    const QByteArray& documentSummary = container.documentSummary;
    EXPECT_EQ(documentSummary.mid(28, 16), QByteArray::fromHex("02d5cdd59c2e1b10939708002b2cf9ae"));

    const Workbook back = openWorkbook(dir.filePath("a.xls"));
    EXPECT_EQ(back.properties.title, "Данные базы");
    EXPECT_EQ(back.properties.author, "Kalmo");
    EXPECT_EQ(back.properties.created, created);

    // A summary of another kind is refused.
    EXPECT_THROW(readSummaryInformation(documentSummary), WorkbookFormatError);
    // In another code page, "Kalmo" (K, 0, a, 0, ...) is no ASCII text and the title is no
    // text at all: both are left out, the time is kept.
    QByteArray otherCodePage = summary;
    const qsizetype codePage = 48 + u32(summary, 56 + 4);
    qToLittleEndian<quint16>(1251, otherCodePage.data() + codePage + 4);
    const DocumentProperties other = readSummaryInformation(otherCodePage);
    EXPECT_EQ(other.title, QString());
    EXPECT_EQ(other.author, "K");
    EXPECT_EQ(other.created, created);
    // Every truncation is refused.
    for (qsizetype size = 0; size < summary.size(); size += 3)
        EXPECT_THROW(readSummaryInformation(summary.left(size)), WorkbookFormatError) << size;
    // The largest time a file can hold reads as a time (far in the future), without overflow.
    QByteArray farFuture = summary;
    const qsizetype time = 48 + u32(summary, 56 + 3 * 8 + 4);
    ASSERT_EQ(u16(summary, time), 0x0040);
    qToLittleEndian<quint32>(0xFFFFFFFF, farFuture.data() + time + 4);
    qToLittleEndian<quint32>(0xFFFFFFFF, farFuture.data() + time + 8);
    EXPECT_GT(readSummaryInformation(farFuture).created, created);
}

} // namespace

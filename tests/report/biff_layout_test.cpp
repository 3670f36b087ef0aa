// Byte layout of the workbook stream: what other spreadsheet programs rely on.
#include "report/automation/automation_error.h"
#include "report/biff_stream.h"
#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_reader.h"
#include "report/spreadsheet/biff_writer.h"
#include "report/spreadsheet/compound_file.h"
#include "report/spreadsheet/workbook_file.h"
#include "support/report_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

Workbook reportLikeWorkbook() {
    Workbook book;
    Sheet& sheet = book.sheets.emplace_back();
    sheet.name = "Данные базы";
    sheet.setText(0, 0, "Title");
    sheet.setText(1, 0, "ФИО");
    sheet.formatArea({1, 1, 0, 4}, [](CellFormat& f) {
        f.bold = true;
        f.fill = 0xC0C0C0;
    });
    sheet.column(0).width = 30;
    sheet.formatArea(CellArea::columns(0, 255),
                     [](CellFormat& f) { f.alignment = HorizontalAlignment::Center; });
    sheet.formatArea(CellArea::columns(0, 4), [](CellFormat& f) { f.border = BorderWeight::Thin; });
    sheet.setMerged({0, 0, 0, 4}, true);
    sheet.landscape = true;
    sheet.topMarginPoints = 25;
    sheet.gridlines = false;
    return book;
}

TEST(BiffLayout, SubstreamsAndSheetList) {
    const QByteArray stream = writeWorkbookStream(reportLikeWorkbook());
    const auto all = biffRecords(stream);
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all.front().id, 0x0809);
    EXPECT_EQ(u16(all.front().data, 0), 0x0600);
    EXPECT_EQ(u16(all.front().data, 2), 0x0005);
    EXPECT_EQ(all.back().id, 0x000A);
    for (const BiffRecord& r : all)
        EXPECT_LE(r.data.size(), 8224);

    const auto sheets = withId(all, 0x0085);
    ASSERT_EQ(sheets.size(), 1u);
    const uint32_t offset = u32(sheets[0].data, 0);
    EXPECT_EQ(u16(stream, offset), 0x0809);
    EXPECT_EQ(u16(stream, offset + 6), 0x0010);
    // Name: 11 characters, UTF-16 flag, then the characters.
    EXPECT_EQ(static_cast<uint8_t>(sheets[0].data[6]), 11);
    EXPECT_EQ(static_cast<uint8_t>(sheets[0].data[7]), 1);
    EXPECT_EQ(u16(sheets[0].data, 8), 0x0414); // "Д"

    // Fifteen style formats, the plain cell format, and at least the heading format.
    EXPECT_GE(withId(all, 0x00E0).size(), 17u);
    EXPECT_EQ(withId(all, 0x0042).size(), 1u);
    EXPECT_EQ(u16(withId(all, 0x0042)[0].data, 0), 1200);
}

TEST(BiffLayout, FormattingRecords) {
    const auto all = biffRecords(writeWorkbookStream(reportLikeWorkbook()));

    // The heading format: bold font 5, centred, thin lines on four edges, solid silver.
    const auto fonts = withId(all, 0x0031);
    ASSERT_EQ(fonts.size(), 5u);
    EXPECT_EQ(u16(fonts[4].data, 6), 700);
    // Bold in the option bits as well as in the weight; the plain fonts have neither.
    EXPECT_EQ(u16(fonts[4].data, 2), 0x0001);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(u16(fonts[i].data, 2), 0x0000) << i;
        EXPECT_EQ(u16(fonts[i].data, 6), 400) << i;
    }
    const auto xfs = withId(all, 0x00E0);
    bool foundHeading = false;
    for (const BiffRecord& xf : xfs) {
        if (u16(xf.data, 0) != 5)
            continue;
        foundHeading = true;
        EXPECT_EQ(static_cast<uint8_t>(xf.data[6]) & 0x07, 2);
        EXPECT_EQ(u32(xf.data, 10) & 0xFFFF, 0x1111u);
        EXPECT_EQ(u32(xf.data, 14) >> 26, 1u);
        EXPECT_EQ(u16(xf.data, 18) & 0x7F, 22); // palette entry of #C0C0C0
        EXPECT_EQ(u16(xf.data, 4), 0x0001);     // a cell format on the Normal style
    }
    EXPECT_TRUE(foundHeading);

    const auto columns = withId(all, 0x007D);
    ASSERT_FALSE(columns.empty());
    EXPECT_EQ(u16(columns[0].data, 0), 0);
    EXPECT_EQ(u16(columns[0].data, 2), 0);
    // 30 characters of 7 pixels and 5 pixels of padding, in 1/256 of a digit: 215 × 256 / 7.
    EXPECT_EQ(u16(columns[0].data, 4), 7862);
    EXPECT_EQ(u16(columns[0].data, 8), 0x0002); // width set, not hidden
    EXPECT_EQ(u16(columns.back().data, 2), 255);

    const auto margin = withId(all, 0x0028);
    ASSERT_EQ(margin.size(), 1u);
    double inches = 0;
    std::memcpy(&inches, margin[0].data.constData(), 8);
    EXPECT_DOUBLE_EQ(inches * 72, 25.0);

    const auto setup = withId(all, 0x00A1);
    ASSERT_EQ(setup.size(), 1u);
    ASSERT_EQ(setup[0].data.size(), 34);
    EXPECT_EQ(u16(setup[0].data, 10) & 0x0006, 0); // landscape, printer data valid

    const auto window = withId(all, 0x023E);
    ASSERT_EQ(window.size(), 1u);
    EXPECT_EQ(window[0].data.size(), 18);
    EXPECT_EQ(u16(window[0].data, 0) & 0x0002, 0); // gridlines off

    const auto merged = withId(all, 0x00E5);
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(merged[0].data, QByteArray::fromHex("0100"
                                                  "0000"
                                                  "0000"
                                                  "0000"
                                                  "0400"));
}

TEST(BiffLayout, SharedStringsContinueAcrossRecords) {
    Workbook book;
    Sheet& sheet = book.sheets.emplace_back();
    sheet.name = "S";
    // 600 Cyrillic strings of 30 characters overflow the first record several times, with
    // strings cut in the middle; a Latin-1 string and a 40,000-character one as well.
    for (int r = 0; r < 600; ++r)
        sheet.setText(r, 0,
                      QString(27, QChar(0x0410 + r % 32)) +
                          QString::number(r).rightJustified(3, QChar(0x30)));
    sheet.setText(0, 1, QString(5000, 'x'));
    sheet.setText(0, 2, QString(40000, QChar(0x0416)));
    sheet.setText(1, 1, sheet.cell(0, 0)->text); // repeated

    const QByteArray stream = writeWorkbookStream(book);
    const auto all = biffRecords(stream);
    EXPECT_GE(withId(all, 0x003C).size(), 4u);
    const auto sst = withId(all, 0x00FC);
    ASSERT_EQ(sst.size(), 1u);
    EXPECT_EQ(u32(sst[0].data, 0), 603u); // references
    EXPECT_EQ(u32(sst[0].data, 4), 602u); // distinct strings

    // The string index: 128 buckets at most, each pointing at its first string's length.
    const auto index = withId(all, 0x00FF);
    ASSERT_EQ(index.size(), 1u);
    const int perBucket = u16(index[0].data, 0);
    EXPECT_EQ(perBucket, 8); // 602 strings: 76 buckets of 8
    ASSERT_EQ(index[0].data.size(), 2 + 8 * 76);
    for (int b = 0; b < 76; ++b) {
        const uint32_t at = u32(index[0].data, 2 + 8 * b);
        const uint16_t inRecord = u16(index[0].data, 6 + 8 * b);
        // The string's record starts inRecord bytes before it and is SST or CONTINUE.
        const uint16_t recordId = u16(stream, at - inRecord);
        EXPECT_TRUE(recordId == 0x00FC || recordId == 0x003C) << b;
        // Strings are numbered by first use: the long ones are 1 and 2, in no bucket's lead.
        EXPECT_EQ(u16(stream, at), 30) << b;
    }

    const Workbook back = parseWorkbookStream(stream);
    ASSERT_EQ(back.sheets.size(), 1u);
    for (int r = 0; r < 600; ++r)
        ASSERT_EQ(back.sheets[0].cell(r, 0)->text, sheet.cell(r, 0)->text) << r;
    EXPECT_EQ(back.sheets[0].cell(0, 1)->text, QString(5000, 'x'));
    EXPECT_EQ(back.sheets[0].cell(0, 2)->text, QString(32767, QChar(0x0416)));
    EXPECT_EQ(back.sheets[0].cell(1, 1)->text, sheet.cell(0, 0)->text);
}

TEST(BiffLayout, FileRoundTripKeepsEverything) {
    QTemporaryDir dir;
    const Workbook book = reportLikeWorkbook();
    saveWorkbook(book, dir.filePath("a.xls"));
    // The small stream is padded to the container's big blocks, past its last record.
    QFile file(dir.filePath("a.xls"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = containerOf(file.readAll()).workbook;
    const QByteArray written = writeWorkbookStream(book);
    ASSERT_LT(written.size(), 4096);
    EXPECT_EQ(stored.size(), 4096);
    EXPECT_EQ(stored.left(written.size()), written);
    EXPECT_EQ(stored.mid(written.size()), QByteArray(4096 - written.size(), '\0'));

    const Workbook back = openWorkbook(dir.filePath("a.xls"));
    ASSERT_EQ(back.sheets.size(), 1u);
    const Sheet& a = book.sheets[0];
    const Sheet& b = back.sheets[0];
    EXPECT_EQ(b.name, a.name);
    EXPECT_EQ(b.rowExtent(), a.rowExtent());
    for (int r = 0; r < a.rowExtent(); ++r) {
        for (int c = 0; c < 6; ++c) {
            const auto x = a.cell(r, c);
            const auto y = b.cell(r, c);
            ASSERT_EQ(x.has_value(), y.has_value()) << r << "," << c;
            if (x) {
                EXPECT_EQ(x->text, y->text);
                EXPECT_TRUE(x->format == y->format) << r << "," << c;
            }
        }
    }
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(a.column(c).width, b.column(c).width) << c;
        EXPECT_TRUE(a.column(c).format == b.column(c).format) << c;
    }
    EXPECT_EQ(b.merges(), a.merges());
    EXPECT_EQ(b.landscape, true);
    EXPECT_DOUBLE_EQ(b.topMarginPoints, 25);
    EXPECT_FALSE(b.gridlines);
}

// A large workbook goes to the file piece by piece: the stored stream must be exactly the
// one made in memory, sheet offsets and string index included, with no padding.
TEST(BiffLayout, LargeWorkbookIsStoredAsWrittenInMemory) {
    Workbook book;
    for (const char* name : {"Первый", "Second"}) {
        Sheet& sheet = book.sheets.emplace_back();
        sheet.name = name;
        for (int r = 0; r < 3000; ++r)
            sheet.setText(r, r % 3, QString(name) + QString::number(r));
    }
    QTemporaryDir dir;
    saveWorkbook(book, dir.filePath("big.xls"));
    const QByteArray written = writeWorkbookStream(book);
    ASSERT_GT(written.size(), 4096);
    QFile file(dir.filePath("big.xls"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(containerOf(file.readAll()).workbook, written);

    const Workbook back = openWorkbook(dir.filePath("big.xls"));
    ASSERT_EQ(back.sheets.size(), 2u);
    EXPECT_EQ(back.sheets[1].name, "Second");
    EXPECT_EQ(back.sheets[1].cell(2999, 2)->text, "Second2999");
    EXPECT_EQ(back.sheets[0].cell(1, 1)->text, "Первый1");
}

TEST(BiffLayout, MissingOrUnreadableFilesRaiseNamingThePath) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("none.xls");
    try {
        openWorkbook(missing);
        ADD_FAILURE() << "a missing file opened";
    } catch (const AutomationError& error) {
        EXPECT_TRUE(
            QString::fromUtf8(error.what()).startsWith("Cannot open the workbook '" + missing))
            << error.what();
    }
    EXPECT_THROW(openWorkbook(dir.path()), AutomationError); // a folder
}

TEST(BiffLayout, DamagedInputIsRefused) {
    const QByteArray stream = writeWorkbookStream(reportLikeWorkbook());
    // Every truncation of the stream is refused, never read half.
    for (qsizetype size = 0; size < stream.size(); size += 7)
        EXPECT_THROW(parseWorkbookStream(stream.left(size)), WorkbookFormatError) << size;
    EXPECT_THROW(readWorkbook(stream), WorkbookFormatError); // no compound file around it
    EXPECT_THROW(readWorkbook(QByteArray(2048, '\xD0')), WorkbookFormatError);

    // A shared string index past the table.
    QByteArray bad = stream;
    const auto labels = withId(biffRecords(stream), 0x00FD);
    ASSERT_FALSE(labels.empty());
    qToLittleEndian<quint32>(999, bad.data() + labels[0].offset + 4 + 6);
    EXPECT_THROW(parseWorkbookStream(bad), WorkbookFormatError);
}

} // namespace

namespace {

// Many sheet entries pointing at one small sheet that reaches the last row would make a
// tiny file take gigabytes; the reader refuses past 64 full sheets.
TEST(BiffLayout, ManySheetsReachingTheLastRowAreRefused) {
    Workbook book;
    Sheet& sheet = book.sheets.emplace_back();
    sheet.name = "S";
    sheet.setText(65535, 0, "last");
    const QByteArray one = writeWorkbookStream(book);
    const auto all = biffRecords(one);
    const BiffRecord entry = withId(all, 0x0085).at(0);

    // The same sheet list entry many times, each pointing at the one substream.
    const qsizetype entryEnd = entry.offset + 4 + entry.data.size();
    QByteArray patched = one.mid(entry.offset, 4 + entry.data.size());
    // The sheet's row-block index gives positions in the stream: they move as well.
    const BiffRecord index = withId(all, 0x020B).at(0);
    auto withEntries = [&](int count) {
        const qsizetype moved = (count - 1) * (4 + entry.data.size());
        qToLittleEndian<quint32>(u32(entry.data, 0) + moved, patched.data() + 4);
        QByteArray stream = one.left(entry.offset);
        for (int i = 0; i < count; ++i)
            stream += patched;
        stream += one.mid(entryEnd);
        for (qsizetype at = index.offset + moved + 4 + 12;
             at < index.offset + moved + 4 + index.data.size(); at += 4)
            qToLittleEndian<quint32>(u32(stream, at) + moved, stream.data() + at);
        return stream;
    };
    EXPECT_THROW(parseWorkbookStream(withEntries(65)), WorkbookFormatError);
    // 64 of them still open.
    EXPECT_EQ(parseWorkbookStream(withEntries(64)).sheets.size(), 64u);
}

} // namespace

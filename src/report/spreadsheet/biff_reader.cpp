#include "report/spreadsheet/biff_reader.h"

#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_records.h"
#include "report/spreadsheet/column_width.h"
#include "report/spreadsheet/palette.h"
#include "report/spreadsheet/xf_fields.h"

#include <QtEndian>

#include <cmath>

namespace spreadsheet {
namespace {

struct RecordView {
    uint16_t id = 0;
    const char* data = nullptr;
    qsizetype size = 0;
    ByteReader reader() const { return ByteReader(data, size); }
};

// Walks the records of the stream from a given offset.
class RecordCursor {
public:
    RecordCursor(const QByteArray& stream, qsizetype offset) : m_stream(stream), m_at(offset) {
        if (offset < 0 || offset > stream.size())
            throw WorkbookFormatError("substream outside the stream");
    }

    // Where the record that next() gives lies in the stream.
    qsizetype position() const { return m_at; }

    bool next(RecordView& record) {
        if (m_stream.size() - m_at < 4)
            return false;
        const char* header = m_stream.constData() + m_at;
        record.id = qFromLittleEndian<quint16>(header);
        record.size = qFromLittleEndian<quint16>(header + 2);
        if (record.size > m_stream.size() - m_at - 4)
            throw WorkbookFormatError("record runs past the stream");
        record.data = header + 4;
        m_at += 4 + record.size;
        return true;
    }

    // The CONTINUE records that follow, if any, as further pieces of the current record.
    std::vector<RecordView> continuations() {
        std::vector<RecordView> pieces;
        RecordView piece;
        qsizetype afterLast = m_at;
        while (next(piece) && piece.id == kContinue) {
            pieces.push_back(piece);
            afterLast = m_at;
        }
        m_at = afterLast;
        return pieces;
    }

private:
    const QByteArray& m_stream;
    qsizetype m_at;
};

// Reads the shared strings across the SST record and its CONTINUE records. Where a
// string's characters go on in the next piece, that piece starts with a new flag byte.
class StringTableReader {
public:
    explicit StringTableReader(std::vector<RecordView> pieces) : m_pieces(std::move(pieces)) {}

    std::vector<QString> read() {
        u32(); // total number of references
        const uint32_t unique = u32();
        std::vector<QString> strings;
        for (uint32_t i = 0; i < unique; ++i) {
            const uint16_t length = u16();
            const uint8_t flags = u8();
            const uint16_t runs = (flags & 0x08) ? u16() : 0;
            const uint32_t extension = (flags & 0x04) ? u32() : 0;
            strings.push_back(characters(length, flags & 1));
            skip(4 * static_cast<qsizetype>(runs) + extension);
        }
        return strings;
    }

private:
    ByteReader& current() {
        while (m_reader.remaining() == 0) {
            if (m_piece >= m_pieces.size())
                throw WorkbookFormatError("shared strings run past their records");
            m_reader = m_pieces[m_piece].reader();
            ++m_piece;
        }
        return m_reader;
    }
    uint8_t u8() { return current().u8(); }
    uint16_t u16() { return static_cast<uint16_t>(u8() | u8() << 8); }
    uint32_t u32() { return u16() | static_cast<uint32_t>(u16()) << 16; }

    void skip(qsizetype count) {
        while (count > 0) {
            const qsizetype n = std::min(count, current().remaining());
            m_reader.skip(n);
            count -= n;
        }
    }

    QString characters(qsizetype count, bool twoBytes) {
        // Most strings lie within one record: made in one piece, without spare capacity.
        if (m_reader.remaining() >= count * (twoBytes ? 2 : 1))
            return m_reader.characters(count, twoBytes);
        QString text;
        text.reserve(count);
        while (text.size() < count) {
            if (m_reader.remaining() == 0) {
                current();
                twoBytes = m_reader.u8() & 1;
                continue;
            }
            const qsizetype room = m_reader.remaining() / (twoBytes ? 2 : 1);
            if (room == 0)
                throw WorkbookFormatError("character split between records");
            text += m_reader.characters(std::min(room, count - text.size()), twoBytes);
        }
        return text;
    }

    std::vector<RecordView> m_pieces;
    std::size_t m_piece = 0;
    ByteReader m_reader{nullptr, 0};
};

struct SheetEntry {
    uint32_t offset;
    QString name;
};

struct Globals {
    std::vector<std::pair<bool, bool>> fonts; // bold, italic
    std::vector<CellFormat> formats;
    std::vector<SheetEntry> sheets;
    // The shared strings, one a row, which every sheet's cells refer to.
    automation::TextTable strings{0, 1};
};

void expectBof(RecordCursor& cursor, uint16_t substream) {
    RecordView record;
    if (!cursor.next(record) || record.id != kBof)
        throw WorkbookFormatError("no beginning-of-file record");
    ByteReader in = record.reader();
    if (in.u16() != kBiff8Version || in.u16() != substream)
        throw WorkbookFormatError("not an Excel 97-2003 workbook");
}

CellFormat readXf(ByteReader in, const std::vector<std::pair<bool, bool>>& fonts) {
    CellFormat format;
    uint16_t font = in.u16();
    if (font > kSkippedFontIndex)
        --font;
    if (font < fonts.size())
        std::tie(format.bold, format.italic) = fonts[font];
    in.skip(4);
    format.alignment = alignmentFromCode(in.u8() & 0x07);
    in.skip(3);
    const uint32_t lines = in.u32();
    const uint8_t left = lines & 0xF;
    if (((lines >> 4) & 0xF) == left && ((lines >> 8) & 0xF) == left &&
        ((lines >> 12) & 0xF) == left)
        format.border = borderFromLineCode(left);
    const uint32_t fill = in.u32();
    const uint16_t colors = in.u16();
    if ((fill >> 26) == kSolidFill)
        format.fill = paletteColor(colors & 0x7F);
    return format;
}

Globals readGlobals(const QByteArray& stream) {
    RecordCursor cursor(stream, 0);
    expectBof(cursor, kGlobalsSubstream);
    Globals globals;
    RecordView record;
    while (cursor.next(record) && record.id != kEof) {
        ByteReader in = record.reader();
        switch (record.id) {
        case kFont: {
            in.skip(2);
            const bool italic = in.u16() & kItalicFlag;
            in.skip(2);
            globals.fonts.emplace_back(in.u16() >= kBoldWeight, italic);
            break;
        }
        case kXf:
            globals.formats.push_back(readXf(in, globals.fonts));
            break;
        case kBoundSheet: {
            const uint32_t offset = in.u32();
            in.u8();
            const uint8_t type = in.u8();
            const QString name = in.shortString();
            if (type == 0)
                globals.sheets.push_back({offset, name});
            break;
        }
        case kSst: {
            std::vector<RecordView> pieces{record};
            for (const RecordView& piece : cursor.continuations())
                pieces.push_back(piece);
            const std::vector<QString> strings = StringTableReader(std::move(pieces)).read();
            globals.strings = automation::TextTable(static_cast<int>(strings.size()), 1);
            for (std::size_t i = 0; i < strings.size(); ++i)
                globals.strings.setText(static_cast<int>(i), 0, strings[i]);
            break;
        }
        default:
            break;
        }
    }
    if (record.id != kEof)
        throw WorkbookFormatError("workbook globals without an end");
    return globals;
}

CellFormat formatAt(const Globals& globals, uint16_t xf) {
    return xf < globals.formats.size() ? globals.formats[xf] : CellFormat{};
}

int checkedColumn(uint16_t column) {
    if (column >= kMaxColumns)
        throw WorkbookFormatError("column outside the sheet");
    return column;
}

// `strings` is the number the sheet knows the shared strings by.
void readCellRecord(const RecordView& record, const Globals& globals, int strings, Sheet& sheet) {
    ByteReader in = record.reader();
    const int row = in.u16();
    const int column = checkedColumn(in.u16());
    if (record.id == kMulBlank) {
        // Row, first column, one format per cell, last column.
        if (in.remaining() < 2 || in.remaining() % 2 != 0)
            throw WorkbookFormatError("bad blank cell run");
        const qsizetype count = (in.remaining() - 2) / 2;
        for (qsizetype i = 0; i < count; ++i)
            sheet.setFormat(row, checkedColumn(column + i), formatAt(globals, in.u16()));
        return;
    }
    const uint16_t xf = in.u16();
    sheet.setFormat(row, column, formatAt(globals, xf));
    if (record.id == kLabelSst) {
        const uint32_t index = in.u32();
        if (index >= uint32_t(globals.strings.rows()))
            throw WorkbookFormatError("shared string index out of range");
        sheet.setSharedText(row, column, strings, index);
    } else if (record.id == kLabel) {
        const uint16_t length = in.u16();
        sheet.setText(row, column, in.characters(length, in.u8() & 1));
    }
}

void readColumns(ByteReader in, const Globals& globals, Sheet& sheet) {
    const int first = checkedColumn(in.u16());
    const int last = in.u16();
    const uint16_t width = in.u16();
    const CellFormat format = formatAt(globals, in.u16());
    const uint16_t flags = in.u16();
    if (last < first)
        throw WorkbookFormatError("bad column range");
    for (int c = first; c <= std::min(last, kMaxColumns - 1); ++c) {
        sheet.column(c).format = format;
        if (flags & kColumnUserSet)
            sheet.column(c).width = columnWidthCharacters(width);
    }
}

void readMerges(ByteReader in, Sheet& sheet) {
    const uint16_t count = in.u16();
    for (uint16_t i = 0; i < count; ++i) {
        CellArea area;
        area.firstRow = in.u16();
        area.lastRow = in.u16();
        area.firstColumn = checkedColumn(in.u16());
        area.lastColumn = checkedColumn(in.u16());
        if (area.lastRow < area.firstRow || area.lastColumn < area.firstColumn)
            throw WorkbookFormatError("bad merged area");
        sheet.setMerged(area, true);
    }
}

// Checks a sheet's row-block index as the sheet is read, when it has one: the INDEX
// record must name every DBCELL record in order, and the DEFCOLWIDTH record where it gives
// its position; each DBCELL must lead back to its block's first ROW record. (The distances
// to each row's first cell are not checked: some writers fill them in their own way, and
// readers go by the records themselves.)
class RowIndexCheck {
public:
    void record(const RecordView& record, qsizetype at) {
        switch (record.id) {
        case kIndex: {
            ByteReader in = record.reader();
            in.skip(12);
            m_present = true;
            m_defColWidth = in.u32();
            while (in.remaining() >= 4)
                m_dbCells.push_back(in.u32());
            break;
        }
        case kDefColWidth:
            m_defColWidthAt = at;
            break;
        case kRow:
            if (m_firstRowAt < 0)
                m_firstRowAt = at;
            break;
        case kDbCell:
            if (m_present && (m_block >= m_dbCells.size() || qsizetype(m_dbCells[m_block]) != at ||
                              at - qsizetype(record.reader().u32()) != m_firstRowAt))
                fail();
            ++m_block;
            m_firstRowAt = -1;
            break;
        default:
            break;
        }
    }

    void finish() const {
        if (m_present && ((m_defColWidth != 0 && m_defColWidthAt != qsizetype(m_defColWidth)) ||
                          m_block != m_dbCells.size()))
            fail();
    }

private:
    [[noreturn]] static void fail() { throw WorkbookFormatError("bad row-block index"); }

    bool m_present = false;
    uint32_t m_defColWidth = 0;
    std::vector<uint32_t> m_dbCells;
    qsizetype m_defColWidthAt = -1;
    std::size_t m_block = 0;
    qsizetype m_firstRowAt = -1;
};

Sheet readSheet(const QByteArray& stream, const Globals& globals, const SheetEntry& entry) {
    RecordCursor cursor(stream, entry.offset);
    expectBof(cursor, kWorksheetSubstream);
    Sheet sheet;
    sheet.name = entry.name;
    const int strings = sheet.shareTexts(globals.strings);
    RecordView record;
    RowIndexCheck rowIndex;
    qsizetype at = cursor.position();
    while (cursor.next(record) && record.id != kEof) {
        rowIndex.record(record, at);
        at = cursor.position();
        ByteReader in = record.reader();
        switch (record.id) {
        case kLabelSst:
        case kLabel:
        case kBlank:
        case kMulBlank:
            readCellRecord(record, globals, strings, sheet);
            break;
        case kColInfo:
            readColumns(in, globals, sheet);
            break;
        case kMergedCells:
            readMerges(in, sheet);
            break;
        case kWindow2:
            sheet.gridlines = in.u16() & kWindow2GridlinesFlag;
            break;
        case kSelection:
            in.skip(1);
            sheet.activeRow = in.u16();
            sheet.activeColumn = checkedColumn(in.u16());
            break;
        case kDefaultRowHeight:
            in.skip(2);
            sheet.defaultRowHeightPoints = in.u16() / 20.0;
            break;
        case kWsBool:
            sheet.fitToPage = in.u16() & kWsBoolFitToPage;
            break;
        case kHeader:
        case kFooter: {
            QString& text = record.id == kHeader ? sheet.header : sheet.footer;
            text.clear();
            if (in.remaining() > 0) {
                const uint16_t length = in.u16();
                text = in.characters(length, in.u8() & 1);
            }
            break;
        }
        case kSetup: {
            in.skip(10);
            const uint16_t flags = in.u16();
            if (!(flags & kSetupNoPrinterDataFlag))
                sheet.landscape = !(flags & kSetupPortraitFlag);
            break;
        }
        case kTopMargin: {
            const double inches = in.f64();
            if (!std::isfinite(inches) || inches < 0 || inches > 100)
                throw WorkbookFormatError("bad top margin");
            sheet.topMarginPoints = inches * 72.0;
            break;
        }
        case kBof:
            throw WorkbookFormatError("nested substream");
        default:
            break;
        }
    }
    if (record.id != kEof)
        throw WorkbookFormatError("sheet without an end");
    rowIndex.finish();
    return sheet;
}

} // namespace

Workbook parseWorkbookStream(const QByteArray& stream) {
    // Rows cost memory even when empty: a few bytes of sheet list can point at many sheets
    // that each reach the last row. Up to 64 full sheets open.
    constexpr qsizetype kRowBudget = 64 * qsizetype(kMaxRows);
    const Globals globals = readGlobals(stream);
    Workbook workbook;
    qsizetype rows = 0;
    for (const SheetEntry& entry : globals.sheets) {
        workbook.sheets.push_back(readSheet(stream, globals, entry));
        rows += workbook.sheets.back().rowExtent();
        if (rows > kRowBudget)
            throw WorkbookFormatError("too many rows to open");
    }
    return workbook;
}

} // namespace spreadsheet

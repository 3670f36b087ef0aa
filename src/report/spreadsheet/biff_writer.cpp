#include "report/spreadsheet/biff_writer.h"

#include "report/automation/large_allocator.h"

#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_records.h"
#include "report/spreadsheet/column_width.h"
#include "report/spreadsheet/palette.h"
#include "report/spreadsheet/xf_fields.h"

#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>

namespace spreadsheet {
namespace {

// The writer's per-cell and per-string tables.
using LargeArray = std::vector<uint32_t, automation::LargeAllocator<uint32_t>>;

// Record identifier and data size, little-endian.
std::array<char, 4> recordHeader(uint16_t id, qsizetype size) {
    std::array<char, 4> header;
    qToLittleEndian<quint16>(id, header.data());
    qToLittleEndian<quint16>(static_cast<uint16_t>(size), header.data() + 2);
    return header;
}

void putRecord(QByteArray& stream, uint16_t id, const QByteArray& body) {
    const auto header = recordHeader(id, body.size());
    stream.append(header.data(), header.size());
    stream += body;
}

// Hands records on to a sink in pieces of about 64 KiB and counts the bytes; without a
// sink it only counts.
class StreamOut {
public:
    explicit StreamOut(const StreamSink* sink) : m_sink(sink) {
        if (m_sink)
            m_buffer.reserve(kPiece + kMaxRecordData);
    }
    ~StreamOut() { flush(); }
    StreamOut(const StreamOut&) = delete;
    StreamOut& operator=(const StreamOut&) = delete;

    void bytes(QByteArrayView data) {
        m_written += data.size();
        if (!m_sink)
            return;
        m_buffer.append(data);
        if (m_buffer.size() >= kPiece)
            flush();
    }
    void record(uint16_t id, QByteArrayView body) {
        const auto header = recordHeader(id, body.size());
        bytes(QByteArrayView(header.data(), header.size()));
        bytes(body);
    }
    void flush() {
        if (m_sink && !m_buffer.isEmpty())
            (*m_sink)(m_buffer);
        m_buffer.clear();
    }
    qsizetype written() const { return m_written; }
    bool hasSink() const { return m_sink != nullptr; }
    // Without a sink: counts bytes that are not made at all.
    void count(qsizetype size) {
        Q_ASSERT(!m_sink);
        m_written += size;
    }

private:
    static constexpr qsizetype kPiece = 64 * 1024;

    const StreamSink* m_sink;
    QByteArray m_buffer;
    qsizetype m_written = 0;
};

// The distinct cell formats and fonts of the workbook, numbered as the stream refers to
// them: fonts 0 (plain), then 5, 6, ...; cell formats from 16 on (15 is the plain one).
class FormatTable {
public:
    explicit FormatTable(const Workbook& workbook) {
        for (const Sheet& sheet : workbook.sheets) {
            for (int c = 0; c < kMaxColumns; ++c)
                xfIndex(sheet.column(c).format);
            // The sheet numbers its formats: each number is looked up once.
            constexpr uint16_t kUnknown = 0xFFFF;
            std::vector<uint16_t>& xf = m_sheetXf.emplace_back(sheet.formats().size(), kUnknown);
            for (int r = 0; r < sheet.rowExtent(); ++r) {
                for (const CellSlot& slot : sheet.row(r)) {
                    if (slot.present() && xf[slot.format] == kUnknown)
                        xf[slot.format] = xfIndex(sheet.formats()[slot.format]);
                }
            }
        }
    }

    // The cell format index of each of the sheet's format numbers in use.
    const std::vector<uint16_t>& sheetXf(std::size_t sheet) const { return m_sheetXf[sheet]; }

    uint16_t xfIndex(const CellFormat& format) {
        if (format == CellFormat{})
            return kDefaultCellXf;
        if (m_last < m_formats.size() && m_formats[m_last] == format)
            return static_cast<uint16_t>(kDefaultCellXf + 1 + m_last);
        for (std::size_t i = 0; i < m_formats.size(); ++i) {
            if (m_formats[i] == format) {
                m_last = i;
                return static_cast<uint16_t>(kDefaultCellXf + 1 + i);
            }
        }
        m_formats.push_back(format);
        const std::pair<bool, bool> style{format.bold, format.italic};
        if (style != std::pair<bool, bool>{false, false} &&
            std::find(m_fonts.begin(), m_fonts.end(), style) == m_fonts.end())
            m_fonts.push_back(style);
        m_last = m_formats.size() - 1;
        return static_cast<uint16_t>(kDefaultCellXf + m_formats.size());
    }

    // Every format's font is known once the formats are collected.
    uint16_t fontIndex(const CellFormat& format) const {
        const std::pair<bool, bool> style{format.bold, format.italic};
        if (style == std::pair<bool, bool>{false, false})
            return 0;
        const auto found = std::find(m_fonts.begin(), m_fonts.end(), style);
        return static_cast<uint16_t>(kSkippedFontIndex + 1 + (found - m_fonts.begin()));
    }

    const std::vector<CellFormat>& formats() const { return m_formats; }
    const std::vector<std::pair<bool, bool>>& fonts() const { return m_fonts; }

private:
    std::vector<CellFormat> m_formats;
    std::vector<std::pair<bool, bool>> m_fonts;
    std::size_t m_last = 0;
    std::vector<std::vector<uint16_t>> m_sheetXf;
};

QByteArray fontRecord(bool bold, bool italic) {
    ByteWriter body;
    body.u16(kFontHeightTwips);
    body.u16((bold ? kBoldFlag : 0) | (italic ? kItalicFlag : 0));
    body.u16(0x7FFF); // automatic colour
    body.u16(bold ? kBoldWeight : kNormalWeight);
    body.u16(0); // no super- or subscript
    body.u8(0);  // no underline
    body.u8(2);  // family: swiss
    body.u8(0);  // character set: the strings are Unicode
    body.u8(0);
    body.shortString(QStringLiteral("Arial"));
    return body.bytes;
}

QByteArray xfRecord(uint16_t font, const CellFormat& format, bool style, bool ownAttributes) {
    ByteWriter body;
    body.u16(font);
    body.u16(0); // number format "General"
    body.u16(style ? 0xFFF5 : 0x0001);
    body.u8(static_cast<uint8_t>(alignmentCode(format.alignment) | (2 << 4))); // bottom
    body.u8(0);
    body.u16(ownAttributes ? 0xFC00 : 0);
    const uint32_t line = borderLineCode(format.border);
    const uint32_t lineColor = format.border == BorderWeight::None ? 0 : kAutomaticForeground;
    body.u32(line | line << 4 | line << 8 | line << 12 | lineColor << 16 | lineColor << 23);
    const uint32_t pattern = format.fill ? kSolidFill : 0;
    body.u32(lineColor | lineColor << 7 | pattern << 26);
    const uint16_t fore = format.fill ? nearestPaletteIndex(*format.fill) : kAutomaticForeground;
    body.u16(static_cast<uint16_t>(fore | kAutomaticBackground << 7));
    return body.bytes;
}

// Shared strings: one record of up to 8,224 bytes, then CONTINUE records. A string's
// characters may go on in the next record, which then begins with the flag byte again.
// Every text cell looks its string up here, so the table is a flat open-addressing one:
// each slot holds the string's hash (high half) and its number + 1 (low half, 0 = free).
// The table refers to the cells' own texts, which stay unchanged while the stream is
// written, and compares them as the sheet stores them; a text longer than a cell may hold
// is cut when it is written.
class SharedStrings {
public:
    // Every text cell is looked up once, so the number of cells bounds the number of
    // distinct strings: the list never moves and the table stays under three quarters full.
    explicit SharedStrings(qsizetype cells) : m_capacity(static_cast<std::size_t>(cells)) {
        std::size_t slotCount = 64;
        while (m_capacity * 4 > slotCount * 3)
            slotCount *= 2;
        m_slots.assign(slotCount, 0);
        m_strings.reserve(m_capacity);
    }

    // The cells looked up from now on are the sheet's.
    void beginSheet(const Sheet& sheet) { m_sheets.push_back({m_strings.size(), &sheet}); }

    // The numbers of the cells' texts, in order, numbering each new text as it comes. The
    // table is far larger than the processor's caches: every cell's place in it is asked
    // for ahead of its look-up, so that the look-ups of a run of cells wait together.
    // A cell is given by its place in the current sheet, row * 256 + column.
    void index(const std::vector<uint32_t>& cells, LargeArray& numbers) {
        const std::size_t mask = m_slots.size() - 1;
        m_hashes.resize(cells.size());
        for (std::size_t k = 0; k < cells.size(); ++k) {
            m_hashes[k] = static_cast<uint32_t>(qHash(textAt(*m_sheets.back().second, cells[k])));
            __builtin_prefetch(&m_slots[m_hashes[k] & mask]);
        }
        for (std::size_t k = 0; k < cells.size(); ++k)
            numbers.push_back(index(cells[k], m_hashes[k]));
    }

    static uint32_t placeOf(int row, int column) {
        return static_cast<uint32_t>(row) * kMaxColumns + static_cast<uint32_t>(column);
    }

    // Writes SST and its CONTINUE records, then EXTSST: for every bucket of strings, where
    // its first string starts, in the stream (`streamOffset` is where `out`'s first byte
    // lies) and within its record. With a counting sink this gives the size of the table,
    // and no characters are copied.
    void write(StreamOut& out, qsizetype streamOffset) const {
        const bool counting = !out.hasSink();
        const std::size_t bucket = std::max<std::size_t>(
            kMinStringsPerBucket, (m_strings.size() + kMaxBuckets - 1) / kMaxBuckets);
        ByteWriter buckets;
        buckets.u16(static_cast<uint16_t>(bucket));
        ByteWriter record;
        qsizetype recordSize = 0; // what `record` holds, or would hold when counting
        uint16_t id = kSst;
        auto flush = [&] {
            if (counting)
                out.count(4 + recordSize);
            else
                out.record(id, record.bytes);
            record.bytes.clear();
            recordSize = 0;
            id = kContinue;
        };
        auto put = [&](auto write, qsizetype size) {
            if (!counting)
                write();
            recordSize += size;
        };
        put([&] { record.u32(m_total); }, 4);
        put([&] { record.u32(static_cast<uint32_t>(m_strings.size())); }, 4);
        std::vector<char16_t> piece(kMaxRecordData);
        for (std::size_t i = 0; i < m_strings.size(); ++i) {
            automation::TextView text = this->text(i);
            text.size = std::min<qsizetype>(text.size, kMaxStringLength);
            const bool oneByte = text.fitsLatin1();
            const int charSize = oneByte ? 1 : 2;
            if (recordSize + 3 + (text.isEmpty() ? 0 : charSize) > kMaxRecordData)
                flush();
            if (i % bucket == 0) {
                const qsizetype inRecord = 4 + recordSize;
                buckets.u32(static_cast<uint32_t>(streamOffset + out.written() + inRecord));
                buckets.u16(static_cast<uint16_t>(inRecord));
                buckets.u16(0);
            }
            put([&] { record.u16(static_cast<uint16_t>(text.size)); }, 2);
            put([&] { record.u8(oneByte ? 0 : 1); }, 1);
            qsizetype done = 0;
            while (done < text.size) {
                const qsizetype room = (kMaxRecordData - recordSize) / charSize;
                if (room == 0) {
                    flush();
                    put([&] { record.u8(oneByte ? 0 : 1); }, 1);
                    continue;
                }
                const qsizetype n = std::min(room, text.size - done);
                put(
                    [&] {
                        if (oneByte && !text.wide) {
                            // ASCII as the table keeps it is what the file wants.
                            record.bytes.append(text.data + done, n);
                            return;
                        }
                        text.copyTo(piece.data(), done, n);
                        record.characters(QStringView(piece.data(), n), oneByte);
                    },
                    n * charSize);
                done += n;
            }
        }
        flush();
        out.record(kExtSst, buckets.bytes);
    }

private:
    static automation::TextView textAt(const Sheet& sheet, uint32_t place) {
        return sheet.text(sheet.row(int(place / kMaxColumns))[place % kMaxColumns]);
    }

    uint32_t index(uint32_t cell, uint32_t hash) {
        ++m_total;
        const automation::TextView text = textAt(*m_sheets.back().second, cell);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const uint64_t slot = m_slots[i];
            if (slot == 0) {
                Q_ASSERT(m_strings.size() < m_capacity);
                m_strings.push_back(cell);
                m_slots[i] = uint64_t(hash) << 32 | m_strings.size();
                return static_cast<uint32_t>(m_strings.size() - 1);
            }
            const uint32_t number = static_cast<uint32_t>(slot) - 1;
            if ((slot >> 32) == hash && this->text(number) == text)
                return number;
        }
    }

    automation::TextView text(std::size_t number) const {
        // The last sheet whose first string number is not above `number`.
        auto sheet = std::upper_bound(m_sheets.begin(), m_sheets.end(), number,
                                      [](std::size_t n, const auto& s) { return n < s.first; });
        return textAt(*std::prev(sheet)->second, m_strings[number]);
    }

    std::vector<uint64_t, automation::LargeAllocator<uint64_t>> m_slots;
    std::size_t m_capacity;
    LargeArray m_strings;           // where each string's first cell lies
    std::vector<uint32_t> m_hashes; // of the run of cells being looked up
    // Each sheet with the number of its first string.
    std::vector<std::pair<std::size_t, const Sheet*>> m_sheets;
    uint32_t m_total = 0;
};

QByteArray bof(uint16_t substream) {
    ByteWriter body;
    body.u16(kBiff8Version);
    body.u16(substream);
    body.u16(0x0DBB); // build
    body.u16(0x07CC); // year
    body.u32(0);      // file history
    body.u32(0x0006); // lowest version that can read it
    return body.bytes;
}

QByteArray setupRecord(const Sheet& sheet) {
    ByteWriter body;
    body.u16(9);   // A4
    body.u16(100); // scale
    body.u16(1);   // first page number
    body.u16(1);   // fit to width
    body.u16(1);   // fit to height
    body.u16(sheet.landscape ? 0 : kSetupPortraitFlag);
    body.u16(600);
    body.u16(600);
    body.f64(0.5); // header margin, inches
    body.f64(0.5); // footer margin, inches
    body.u16(1);   // copies
    return body.bytes;
}

// A page header or footer: no data at all when there is none.
QByteArray headerFooterRecord(const QString& text) {
    ByteWriter body;
    if (!text.isEmpty()) {
        const QString cut = text.left(255);
        const bool oneByte = ByteWriter::fitsOneByte(cut);
        body.u16(static_cast<uint16_t>(cut.size()));
        body.u8(oneByte ? 0 : 1);
        body.characters(cut, oneByte);
    }
    return body.bytes;
}

uint16_t rowHeightTwips(const Sheet& sheet) {
    return static_cast<uint16_t>(std::lround(sheet.defaultRowHeightPoints * 20));
}

void writeColumns(QByteArray& stream, const Sheet& sheet, FormatTable& formats) {
    auto same = [&](int a, int b) {
        return sheet.column(a).width == sheet.column(b).width &&
               sheet.column(a).format == sheet.column(b).format;
    };
    for (int first = 0; first < kMaxColumns;) {
        int last = first;
        while (last + 1 < kMaxColumns && same(first, last + 1))
            ++last;
        const Column& column = sheet.column(first);
        if (column.width || column.format != CellFormat{}) {
            const uint16_t units =
                column.width ? columnWidthUnits(*column.width) : kStandardColumnWidth;
            ByteWriter body;
            body.u16(static_cast<uint16_t>(first));
            body.u16(static_cast<uint16_t>(last));
            body.u16(units);
            body.u16(formats.xfIndex(column.format));
            body.u16(column.width ? kColumnUserSet | (units == 0 ? kColumnHidden : 0) : 0);
            body.u16(0);
            putRecord(stream, kColInfo, body.bytes);
        }
        first = last + 1;
    }
}

// Calls `onCell(column, xf, cell)` for each cell record of a row, in column order; `cell`
// is null for an empty cell that is there for its format alone. `xf` gives the cell
// format index of each of the sheet's format numbers.
template <typename OnCell>
void rowCells(const Sheet& sheet, int row, const std::vector<uint16_t>& xf, OnCell onCell) {
    const auto& cells = sheet.row(row);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
        const CellSlot& cell = cells[c];
        if (!cell.present())
            continue;
        const uint16_t index = xf[cell.format];
        if (cell.hasText() || index != kDefaultCellXf)
            onCell(c, index, cell.hasText() ? &cell : nullptr);
    }
}

constexpr qsizetype kLabelSize = 4 + 10;
constexpr qsizetype kBlankSize = 4 + 6;

// A sheet's rows, worked out before any of them is written, so that the stream can give
// every position up front and the rows go out without being held in memory. Rows go in
// blocks of 32: the block's ROW records, its cells, then a DBCELL record giving the distance
// back to the first ROW record and, for each row, to its first cell from the second ROW
// record or from the previous row's first cell.
class RowBlocks {
public:
    RowBlocks(const Sheet& sheet, const std::vector<uint16_t>& xf, SharedStrings& strings)
        : m_sheet(sheet), m_xf(xf) {
        strings.beginSheet(sheet);
        std::vector<uint32_t> texts; // the text cells of a block
        qsizetype at = 0;
        for (int start = 0; start < sheet.rowExtent(); start += kRowBlock) {
            const int end = std::min(start + kRowBlock, sheet.rowExtent());
            const qsizetype firstRow = at;
            for (int r = start; r < end; ++r)
                at += sheet.row(r).empty() ? 0 : kRowRecordSize;
            if (at == firstRow)
                continue;
            ByteWriter dbCell;
            dbCell.u32(0); // distance back to the first ROW record, known at the end
            qsizetype previous = firstRow + kRowRecordSize;
            texts.clear();
            for (int r = start; r < end; ++r) {
                if (sheet.row(r).empty())
                    continue;
                dbCell.u16(static_cast<uint16_t>(at - previous));
                previous = at;
                rowCells(sheet, r, xf, [&](int c, uint16_t, const CellSlot* text) {
                    at += text ? kLabelSize : kBlankSize;
                    if (text)
                        texts.push_back(SharedStrings::placeOf(r, c));
                });
            }
            strings.index(texts, m_strings);
            qToLittleEndian<quint32>(static_cast<uint32_t>(at - firstRow), dbCell.bytes.data());
            m_dbCellsAt.push_back(at);
            m_dbCells.push_back(dbCell.bytes);
            at += 4 + dbCell.bytes.size();
        }
        m_size = at;
    }

    qsizetype size() const { return m_size; }
    // Where each DBCELL record lies, from the start of the first block.
    const std::vector<qsizetype>& dbCellsAt() const { return m_dbCellsAt; }

    void write(StreamOut& out) const {
        const uint16_t height = rowHeightTwips(m_sheet);
        auto string = m_strings.begin();
        auto dbCell = m_dbCells.begin();
        for (int start = 0; start < m_sheet.rowExtent(); start += kRowBlock) {
            const int end = std::min(start + kRowBlock, m_sheet.rowExtent());
            bool any = false;
            for (int r = start; r < end; ++r) {
                const auto& cells = m_sheet.row(r);
                if (cells.empty())
                    continue;
                any = true;
                ByteWriter body;
                body.u16(static_cast<uint16_t>(r));
                body.u16(0);
                body.u16(static_cast<uint16_t>(cells.size()));
                body.u16(height);
                body.u32(0);
                body.u32(0x000F0100);
                out.record(kRow, body.bytes);
            }
            if (!any)
                continue;
            for (int r = start; r < end; ++r) {
                rowCells(m_sheet, r, m_xf, [&](int c, uint16_t xf, const CellSlot* text) {
                    // The most frequent records by far: made in place, without a body buffer.
                    char record[kLabelSize];
                    qToLittleEndian<quint16>(text ? kLabelSst : kBlank, record);
                    qToLittleEndian<quint16>(text ? kLabelSize - 4 : kBlankSize - 4, record + 2);
                    qToLittleEndian<quint16>(static_cast<uint16_t>(r), record + 4);
                    qToLittleEndian<quint16>(static_cast<uint16_t>(c), record + 6);
                    qToLittleEndian<quint16>(xf, record + 8);
                    if (text)
                        qToLittleEndian<quint32>(*string++, record + 10);
                    out.bytes(QByteArrayView(record, text ? kLabelSize : kBlankSize));
                });
            }
            out.record(kDbCell, *dbCell++);
        }
    }

private:
    const Sheet& m_sheet;
    const std::vector<uint16_t>& m_xf;
    LargeArray m_strings; // of every text cell, in the order they are written
    std::vector<QByteArray> m_dbCells;
    std::vector<qsizetype> m_dbCellsAt;
    qsizetype m_size = 0;
};

// First used row and the row after the last, first used column and the column after the
// last; all 0 for a sheet without cells.
struct UsedArea {
    int firstRow = 0;
    int rowEnd = 0;
    int columnEnd = 0;
};

UsedArea usedArea(const Sheet& sheet) {
    UsedArea used;
    bool any = false;
    for (int r = 0; r < sheet.rowExtent(); ++r) {
        if (sheet.row(r).empty())
            continue;
        if (!any)
            used.firstRow = r;
        any = true;
        used.rowEnd = r + 1;
        used.columnEnd = std::max(used.columnEnd, static_cast<int>(sheet.row(r).size()));
    }
    return used;
}

QByteArray dimensions(const UsedArea& used) {
    ByteWriter body;
    body.u32(static_cast<uint32_t>(used.firstRow));
    body.u32(static_cast<uint32_t>(used.rowEnd));
    body.u16(0);
    body.u16(static_cast<uint16_t>(used.columnEnd));
    body.u16(0);
    return body.bytes;
}

QByteArray window2(const Sheet& sheet, bool first) {
    ByteWriter body;
    uint16_t flags = kWindow2BaseFlags | (sheet.gridlines ? kWindow2GridlinesFlag : 0);
    if (!first)
        flags &= ~0x0600; // neither selected nor active
    body.u16(flags);
    body.u16(0);
    body.u16(0);
    body.u32(kAutomaticForeground);
    body.u16(0);
    body.u16(0);
    body.u32(0);
    return body.bytes;
}

// The active cell, selected alone.
QByteArray selection(const Sheet& sheet) {
    const auto row = static_cast<uint16_t>(sheet.activeRow);
    const auto column = static_cast<uint16_t>(sheet.activeColumn);
    ByteWriter body;
    body.u8(kTopLeftPane);
    body.u16(row);
    body.u16(column);
    body.u16(0); // the active cell is in the first selected area
    body.u16(1); // one area
    body.u16(row);
    body.u16(row);
    body.u8(static_cast<uint8_t>(column));
    body.u8(static_cast<uint8_t>(column));
    return body.bytes;
}

void writeMerges(QByteArray& stream, const Sheet& sheet) {
    const auto& merges = sheet.merges();
    for (std::size_t start = 0; start < merges.size(); start += kMaxMergesPerRecord) {
        const std::size_t end = std::min(merges.size(), start + kMaxMergesPerRecord);
        ByteWriter body;
        body.u16(static_cast<uint16_t>(end - start));
        for (std::size_t i = start; i < end; ++i) {
            body.u16(static_cast<uint16_t>(merges[i].firstRow));
            body.u16(static_cast<uint16_t>(merges[i].lastRow));
            body.u16(static_cast<uint16_t>(merges[i].firstColumn));
            body.u16(static_cast<uint16_t>(merges[i].lastColumn));
        }
        putRecord(stream, kMergedCells, body.bytes);
    }
}

// A sheet substream in four parts: BOF and INDEX, which give absolute positions in the
// workbook stream and are made last; the records before the rows; the rows; the records
// after them.
class SheetSubstream {
public:
    SheetSubstream(const Sheet& sheet, std::size_t index, FormatTable& formats,
                   SharedStrings& strings)
        : m_used(usedArea(sheet)), m_rows(sheet, formats.sheetXf(index), strings) {
        const bool first = index == 0;
        ByteWriter rowHeight;
        const uint16_t height = rowHeightTwips(sheet);
        rowHeight.u16(height == kDefaultRowHeightTwips ? 0 : 1); // 1: set apart from the font
        rowHeight.u16(height);
        putRecord(m_front, kDefaultRowHeight, rowHeight.bytes);
        ByteWriter options;
        options.u16(kWsBoolDefault | (sheet.fitToPage ? kWsBoolFitToPage : 0));
        putRecord(m_front, kWsBool, options.bytes);
        putRecord(m_front, kHeader, headerFooterRecord(sheet.header));
        putRecord(m_front, kFooter, headerFooterRecord(sheet.footer));
        ByteWriter margin;
        margin.f64(sheet.topMarginPoints / 72.0);
        putRecord(m_front, kTopMargin, margin.bytes);
        putRecord(m_front, kSetup, setupRecord(sheet));
        m_defColWidthAt = m_front.size();
        ByteWriter width;
        width.u16(8);
        putRecord(m_front, kDefColWidth, width.bytes);
        writeColumns(m_front, sheet, formats);
        putRecord(m_front, kDimensions, dimensions(m_used));

        putRecord(m_back, kWindow2, window2(sheet, first));
        putRecord(m_back, kSelection, selection(sheet));
        writeMerges(m_back, sheet);
        putRecord(m_back, kEof, {});
    }

    qsizetype size() const { return headSize() + m_front.size() + m_rows.size() + m_back.size(); }

    // The substream, for a start at `offset` in the workbook stream.
    void write(StreamOut& out, qsizetype offset) const {
        const qsizetype front = offset + headSize();
        const qsizetype rows = front + m_front.size();
        out.record(kBof, bof(kWorksheetSubstream));
        ByteWriter index;
        index.u32(0);
        index.u32(static_cast<uint32_t>(m_used.firstRow));
        index.u32(static_cast<uint32_t>(m_used.rowEnd));
        index.u32(static_cast<uint32_t>(front + m_defColWidthAt));
        for (qsizetype at : m_rows.dbCellsAt())
            index.u32(static_cast<uint32_t>(rows + at));
        out.record(kIndex, index.bytes);
        out.bytes(m_front);
        m_rows.write(out);
        out.bytes(m_back);
    }

private:
    static constexpr qsizetype kBofRecordSize = 4 + 16;
    static constexpr qsizetype kIndexFixedSize = 4 + 16;

    qsizetype headSize() const {
        return kBofRecordSize + kIndexFixedSize +
               4 * static_cast<qsizetype>(m_rows.dbCellsAt().size());
    }

    UsedArea m_used;
    RowBlocks m_rows;
    QByteArray m_front;
    qsizetype m_defColWidthAt = 0;
    QByteArray m_back;
};

QByteArray globalsHead(const FormatTable& formats) {
    QByteArray stream;
    putRecord(stream, kBof, bof(kGlobalsSubstream));
    ByteWriter codePage;
    codePage.u16(kUnicodeCodePage);
    putRecord(stream, kCodePage, codePage.bytes);
    ByteWriter window;
    for (uint16_t v : {0, 0, 0x3000, 0x1E00, 0x0038, 0, 0, 1, 600})
        window.u16(v);
    putRecord(stream, kWindow1, window.bytes);
    for (int i = 0; i < kSkippedFontIndex; ++i)
        putRecord(stream, kFont, fontRecord(false, false));
    for (const auto& [bold, italic] : formats.fonts())
        putRecord(stream, kFont, fontRecord(bold, italic));
    for (int i = 0; i < kStyleXfCount; ++i)
        putRecord(stream, kXf, xfRecord(0, CellFormat{}, true, false));
    putRecord(stream, kXf, xfRecord(0, CellFormat{}, false, false));
    for (const CellFormat& format : formats.formats())
        putRecord(stream, kXf, xfRecord(formats.fontIndex(format), format, false, true));
    ByteWriter style;
    style.u16(0x8000); // built-in style on format 0
    style.u8(0);       // "Normal"
    style.u8(0xFF);
    putRecord(stream, kStyle, style.bytes);
    return stream;
}

} // namespace

void writeWorkbookStream(const Workbook& workbook, const StreamSink& sink) {
    FormatTable formats(workbook);
    qsizetype cells = 0;
    for (const Sheet& sheet : workbook.sheets) {
        for (int r = 0; r < sheet.rowExtent(); ++r)
            cells += static_cast<qsizetype>(sheet.row(r).size());
    }
    SharedStrings strings(cells);
    // The sheets are worked out first: that numbers the shared strings.
    std::vector<SheetSubstream> sheets;
    sheets.reserve(workbook.sheets.size());
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i)
        sheets.emplace_back(workbook.sheets[i], i, formats, strings);

    QByteArray head = globalsHead(formats);
    // The sheet list records where each sheet's substream starts, so the sizes of the
    // list and of the shared strings come first.
    qsizetype sheetListSize = 0;
    for (const Sheet& sheet : workbook.sheets) {
        ByteWriter name;
        name.shortString(sheet.name.left(31));
        sheetListSize += 4 + 6 + name.bytes.size();
    }
    const qsizetype stringsOffset = head.size() + sheetListSize;
    StreamOut counter(nullptr);
    strings.write(counter, stringsOffset);
    constexpr qsizetype kEofRecordBytes = 4;
    qsizetype offset = stringsOffset + counter.written() + kEofRecordBytes;
    std::vector<qsizetype> sheetOffsets;
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
        ByteWriter body;
        body.u32(static_cast<uint32_t>(offset));
        body.u8(0); // visible
        body.u8(0); // worksheet
        body.shortString(workbook.sheets[i].name.left(31));
        putRecord(head, kBoundSheet, body.bytes);
        sheetOffsets.push_back(offset);
        offset += sheets[i].size();
    }

    StreamOut out(&sink);
    out.bytes(head);
    strings.write(out, 0);
    out.record(kEof, {});
    for (std::size_t i = 0; i < sheets.size(); ++i)
        sheets[i].write(out, sheetOffsets[i]);
}

QByteArray writeWorkbookStream(const Workbook& workbook) {
    QByteArray stream;
    writeWorkbookStream(workbook, [&stream](QByteArrayView piece) { stream.append(piece); });
    return stream;
}

} // namespace spreadsheet

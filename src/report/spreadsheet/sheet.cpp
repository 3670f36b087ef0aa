#include "report/spreadsheet/sheet.h"

#include <algorithm>

namespace spreadsheet {

namespace {

constexpr std::size_t kMaxTextTables = CellSlot::kNoText;

} // namespace

std::optional<Cell> Sheet::cell(int row, int column) const {
    if (row < 0 || row >= rowExtent())
        return std::nullopt;
    const auto& cells = m_rows[row];
    if (column < 0 || column >= static_cast<int>(cells.size()) || !cells[column].present())
        return std::nullopt;
    const CellSlot& slot = cells[column];
    return Cell{text(slot).toString(), m_formats[slot.format]};
}

automation::TextView Sheet::text(const CellSlot& slot) const {
    if (!slot.hasText())
        return {};
    return m_texts[slot.table].viewAt(slot.text);
}

CellSlot& Sheet::slotAt(int row, int column) {
    if (row >= rowExtent())
        m_rows.resize(row + 1);
    auto& cells = m_rows[row];
    if (column >= static_cast<int>(cells.size())) {
        // Most rows are short and filled left to right: growing them to the exact width
        // keeps a sheet of many five-cell rows from holding three spare cells per row.
        // Wide rows grow by doubling as usual.
        constexpr int kExactGrowthColumns = 8;
        if (column < kExactGrowthColumns)
            cells.reserve(column + 1);
        cells.resize(column + 1);
    }
    CellSlot& slot = cells[column];
    if (!slot.present())
        slot.format = formatNumber(m_columns[column].format);
    return slot;
}

// Each format is listed once, and a format has far fewer possible values (a palette
// colour or none, two font flags, four alignments, five borders) than a cell can number.
uint16_t Sheet::formatNumber(const CellFormat& format) {
    const auto found = std::find(m_formats.begin(), m_formats.end(), format);
    if (found != m_formats.end())
        return static_cast<uint16_t>(found - m_formats.begin());
    Q_ASSERT(m_formats.size() < CellSlot::kAbsent);
    m_formats.push_back(format);
    return static_cast<uint16_t>(m_formats.size() - 1);
}

void Sheet::reserveCells(int row, int columns) {
    if (row >= rowExtent())
        m_rows.resize(row + 1);
    m_rows[row].reserve(columns);
}

void Sheet::setText(int row, int column, const QString& text) {
    CellSlot& slot = slotAt(row, column);
    if (text.isEmpty()) {
        slot.table = CellSlot::kNoText;
        return;
    }
    automation::TextTable& own = m_texts.front();
    const int place = own.rows();
    own.setRowCount(place + 1);
    own.setText(place, 0, text);
    slot.table = 0;
    slot.text = static_cast<uint32_t>(place);
}

void Sheet::setFormat(int row, int column, const CellFormat& format) {
    const uint16_t number = formatNumber(format);
    slotAt(row, column).format = number;
}

int Sheet::shareTexts(const automation::TextTable& texts) {
    if (m_texts.size() >= kMaxTextTables) {
        // As many tables as a cell can tell apart: the texts still in use move into the
        // sheet's own table, and the shared ones are let go.
        for (auto& cells : m_rows) {
            for (CellSlot& slot : cells) {
                if (slot.hasText() && slot.table != 0) {
                    automation::TextTable& own = m_texts.front();
                    const int place = own.rows();
                    own.setRowCount(place + 1);
                    own.setText(place, 0, text(slot).toString());
                    slot = CellSlot{static_cast<uint32_t>(place), 0, slot.format};
                }
            }
        }
        m_texts.resize(1);
    }
    m_texts.push_back(texts);
    return static_cast<int>(m_texts.size() - 1);
}

void Sheet::setSharedText(int row, int column, int table, qsizetype cell) {
    const automation::TextView text = m_texts[table].viewAt(cell);
    CellSlot& slot = slotAt(row, column);
    slot.table = text.isEmpty() ? CellSlot::kNoText : static_cast<uint16_t>(table);
    slot.text = static_cast<uint32_t>(cell);
}

void Sheet::formatArea(const CellArea& area, const std::function<void(CellFormat&)>& change) {
    if (area.wholeColumns()) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c)
            change(m_columns[c].format);
    }
    // Each format in use changes once: cells sharing a format before share one after.
    std::vector<uint16_t> changed(m_formats.size(), CellSlot::kAbsent);
    auto changeSlot = [&](CellSlot& slot) {
        // A cell made just now may bring its column's format.
        if (slot.format >= changed.size())
            changed.resize(m_formats.size(), CellSlot::kAbsent);
        if (changed[slot.format] == CellSlot::kAbsent) {
            CellFormat format = m_formats[slot.format];
            change(format);
            changed[slot.format] = formatNumber(format);
        }
        slot.format = changed[slot.format];
    };
    if (area.wholeColumns()) {
        for (auto& cells : m_rows) {
            const int end = std::min(area.lastColumn + 1, static_cast<int>(cells.size()));
            for (int c = area.firstColumn; c < end; ++c) {
                if (cells[c].present())
                    changeSlot(cells[c]);
            }
        }
        return;
    }
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c)
            changeSlot(slotAt(r, c));
    }
}

void Sheet::setMerged(const CellArea& area, bool merged) {
    std::erase_if(m_merges, [&](const CellArea& m) { return m.intersects(area); });
    if (merged && (area.rowCount() > 1 || area.columnCount() > 1))
        m_merges.push_back(area);
}

} // namespace spreadsheet

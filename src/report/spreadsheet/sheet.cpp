#include "report/spreadsheet/sheet.h"

#include <algorithm>

namespace spreadsheet {

const Cell* Sheet::cell(int row, int column) const {
    if (row < 0 || row >= rowExtent())
        return nullptr;
    const auto& cells = m_rows[row];
    if (column < 0 || column >= static_cast<int>(cells.size()) || !cells[column])
        return nullptr;
    return &*cells[column];
}

Cell& Sheet::cellAt(int row, int column) {
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
    if (!cells[column])
        cells[column] = Cell{QString(), m_columns[column].format};
    return *cells[column];
}

void Sheet::formatArea(const CellArea& area, const std::function<void(CellFormat&)>& change) {
    if (area.wholeColumns()) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c)
            change(m_columns[c].format);
        for (auto& cells : m_rows) {
            const int end = std::min(area.lastColumn + 1, static_cast<int>(cells.size()));
            for (int c = area.firstColumn; c < end; ++c) {
                if (cells[c])
                    change(cells[c]->format);
            }
        }
        return;
    }
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        for (int c = area.firstColumn; c <= area.lastColumn; ++c)
            change(cellAt(r, c).format);
    }
}

void Sheet::setMerged(const CellArea& area, bool merged) {
    std::erase_if(m_merges, [&](const CellArea& m) { return m.intersects(area); });
    if (merged && (area.rowCount() > 1 || area.columnCount() > 1))
        m_merges.push_back(area);
}

} // namespace spreadsheet

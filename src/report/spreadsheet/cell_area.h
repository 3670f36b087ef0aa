#pragma once

#include <QString>

namespace spreadsheet {

// The size of one worksheet in the workbook format: 65,536 rows and 256 columns (A to IV).
constexpr int kMaxRows = 65536;
constexpr int kMaxColumns = 256;

// A rectangle of cells, 0-based and inclusive.
struct CellArea {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;

    int rowCount() const { return lastRow - firstRow + 1; }
    int columnCount() const { return lastColumn - firstColumn + 1; }
    bool wholeColumns() const { return firstRow == 0 && lastRow == kMaxRows - 1; }
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool intersects(const CellArea& other) const;
    // The smallest area that holds both.
    CellArea united(const CellArea& other) const;

    static CellArea columns(int firstColumn, int lastColumn) {
        return {0, kMaxRows - 1, firstColumn, lastColumn};
    }

    bool operator==(const CellArea&) const = default;
};

// Reads a reference such as "A1", "e1", "$B$2" or "A1:E3" (letters in either case).
// Raises an automation error for anything else or for a cell outside the sheet.
CellArea parseCellArea(const QString& reference);

// "A1"-style name of a 0-based cell.
QString cellReference(int row, int column);

} // namespace spreadsheet

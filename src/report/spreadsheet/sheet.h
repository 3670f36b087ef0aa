#pragma once

#include "report/spreadsheet/cell_area.h"
#include "report/spreadsheet/cell_format.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace spreadsheet {

// A cell that holds text or carries a format of its own. An empty text is a blank cell.
struct Cell {
    QString text;
    CellFormat format;
};

// Width (in characters of the default font) and default format of one column.
struct Column {
    std::optional<double> width;
    CellFormat format;
};

// One worksheet: its cells, columns, merged areas, page setup and window options.
class Sheet {
public:
    static constexpr double kDefaultTopMarginPoints = 54.0; // three quarters of an inch
    static constexpr double kDefaultRowHeightPoints = 12.75;

    QString name;
    // Page setup: orientation, top margin, printing to one page, page header and footer
    // (empty: none).
    bool landscape = false;
    double topMarginPoints = kDefaultTopMarginPoints;
    bool fitToPage = false;
    QString header;
    QString footer;
    // Window: gridlines, the active cell (0-based) and the height of rows not set.
    bool gridlines = true;
    int activeRow = 0;
    int activeColumn = 0;
    double defaultRowHeightPoints = kDefaultRowHeightPoints;

    const Cell* cell(int row, int column) const;
    // The cell, created with its column's format when it does not exist yet.
    Cell& cellAt(int row, int column);
    int rowExtent() const { return static_cast<int>(m_rows.size()); }
    const std::vector<std::optional<Cell>>& row(int row) const { return m_rows[row]; }

    const Column& column(int column) const { return m_columns[column]; }
    Column& column(int column) { return m_columns[column]; }

    // Changes the format of every cell of the area. Whole columns change the columns'
    // format as well, so their empty cells look the same; other areas create their cells.
    void formatArea(const CellArea& area, const std::function<void(CellFormat&)>& change);

    const std::vector<CellArea>& merges() const { return m_merges; }
    // Merging replaces the merged areas it overlaps; unmerging removes them.
    void setMerged(const CellArea& area, bool merged);

private:
    std::vector<std::vector<std::optional<Cell>>> m_rows;
    std::vector<Column> m_columns = std::vector<Column>(kMaxColumns);
    std::vector<CellArea> m_merges;
};

// What the file tells about the document besides its sheets.
struct DocumentProperties {
    QString title;
    QString author;
    QDateTime created;
};

struct Workbook {
    std::vector<Sheet> sheets;
    DocumentProperties properties;
};

} // namespace spreadsheet

#pragma once

#include "report/automation/text_table.h"
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

// How a sheet keeps a cell: its text as a place in one of the sheet's tables of texts, its
// format as a number in the sheet's list of formats. Eight bytes a cell.
struct CellSlot {
    static constexpr uint16_t kNoText = 0xFFFF;
    static constexpr uint16_t kAbsent = 0xFFFF;

    uint32_t text = 0;         // the cell's place in its table
    uint16_t table = kNoText;  // which table
    uint16_t format = kAbsent; // kAbsent: no cell here

    bool present() const { return format != kAbsent; }
    bool hasText() const { return table != kNoText; }
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

    std::optional<Cell> cell(int row, int column) const;
    // These create the cell, with its column's format, when it does not exist yet.
    void setText(int row, int column, const QString& text);
    void setFormat(int row, int column, const CellFormat& format);
    // Texts the cells may refer to without a copy: the number to give setSharedText.
    int shareTexts(const automation::TextTable& texts);
    // The text at place `cell` (row * columns + column) of the shared table `table`.
    void setSharedText(int row, int column, int table, qsizetype cell);

    // Makes room for the first `columns` cells of the row at once, so filling it cell by
    // cell does not move it again and again.
    void reserveCells(int row, int columns);

    int rowExtent() const { return static_cast<int>(m_rows.size()); }
    const std::vector<CellSlot>& row(int row) const { return m_rows[row]; }
    automation::TextView text(const CellSlot& slot) const;
    // The formats cells refer to by number; some may no longer be in use.
    const std::vector<CellFormat>& formats() const { return m_formats; }

    const Column& column(int column) const { return m_columns[column]; }
    Column& column(int column) { return m_columns[column]; }

    // Changes the format of every cell of the area. Whole columns change the columns'
    // format as well, so their empty cells look the same; other areas create their cells.
    void formatArea(const CellArea& area, const std::function<void(CellFormat&)>& change);

    const std::vector<CellArea>& merges() const { return m_merges; }
    // Merging replaces the merged areas it overlaps; unmerging removes them.
    void setMerged(const CellArea& area, bool merged);

private:
    CellSlot& slotAt(int row, int column);
    uint16_t formatNumber(const CellFormat& format);

    std::vector<std::vector<CellSlot>, automation::LargeAllocator<std::vector<CellSlot>>> m_rows;
    std::vector<CellFormat> m_formats{CellFormat{}};
    // Table 0 holds the texts set one by one; the others are shared.
    std::vector<automation::TextTable> m_texts{automation::TextTable(0, 1)};
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

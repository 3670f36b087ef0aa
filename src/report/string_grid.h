#pragma once

#include "report/string_grid_model.h"

#include <QTableView>

// A table of plain texts addressed column first, as in a classic string grid. The cells
// live in a StringGridModel, so a large grid costs little more than its characters.
class TStringGrid : public QTableView {
    Q_OBJECT

public:
    explicit TStringGrid(int columns, QWidget* parent = nullptr);

    int rowCount() const { return m_cells->rowCount(); }
    int columnCount() const { return m_cells->columnCount(); }
    // Rows are added empty or dropped at the end; a negative count is ignored.
    void setRowCount(int rows) { m_cells->setRowCount(rows); }

    // An empty string outside the grid; writes outside it are ignored.
    QString Cells(int column, int row) const { return m_cells->text(row, column); }
    void setCells(int column, int row, const QString& text) { m_cells->setText(row, column, text); }
    // Empties every cell, keeping the size.
    void clearContents() { m_cells->clear(); }
    // Every cell, shared rather than copied until the grid or the copy changes.
    const automation::TextTable& texts() const { return m_cells->texts(); }

    // While one exists, cell writes do not update the view one by one; the view is told of
    // them all when the last one ends, so filling a large grid costs no signal per cell.
    class Batch {
    public:
        explicit Batch(TStringGrid& grid) : m_cells(*grid.m_cells) { m_cells.holdCellSignals(); }
        ~Batch() { m_cells.releaseCellSignals(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        report::StringGridModel& m_cells;
    };

private:
    report::StringGridModel* m_cells;
};

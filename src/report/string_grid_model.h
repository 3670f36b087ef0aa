#pragma once

#include "report/automation/text_table.h"

#include <QAbstractTableModel>
#include <QString>

namespace report {

// The cells of a string grid, an empty string being an empty cell, held in one table of
// texts: a large grid costs little more than its characters, and hands its texts on
// without copying them. The column count is fixed.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StringGridModel(int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The cell's text for the display and edit roles.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // An empty string outside the grid.
    QString text(int row, int column) const { return m_cells.text(row, column); }
    // Every cell; copies share the texts with the grid until either changes.
    const automation::TextTable& texts() const { return m_cells; }
    // Ignored outside the grid.
    void setText(int row, int column, const QString& text);
    // Rows are added empty or dropped at the end; the others keep their cells. A negative
    // count is ignored.
    void setRowCount(int rows);
    // Empties every cell, keeping the size.
    void clear();

    // Between these, cell writes tell the views nothing one by one; the last end tells them
    // of the whole grid at once. Changes of the row count are announced as they happen.
    void holdCellSignals();
    void releaseCellSignals();

private:
    bool contains(int row, int column) const;
    void cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    automation::TextTable m_cells;
    int m_holds = 0;
    bool m_heldChange = false;
};

} // namespace report

#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace report {

// The cells of a string grid: one row-major vector of strings, an empty string being an
// empty cell, so a cell costs one QString and nothing more. The column count is fixed.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StringGridModel(int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The cell's text for the display and edit roles.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // An empty string outside the grid. The reference holds until the row count changes.
    const QString& text(int row, int column) const;
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

    const int m_columns;
    int m_rows = 0;
    std::vector<QString> m_cells;
    int m_holds = 0;
    bool m_heldChange = false;
};

} // namespace report

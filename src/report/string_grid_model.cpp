#include "report/string_grid_model.h"

#include <algorithm>

namespace report {

StringGridModel::StringGridModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::max(columns, 0)) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return text(index.row(), index.column());
}

const QString& StringGridModel::text(int row, int column) const {
    static const QString empty;
    return contains(row, column) ? m_cells[size_t(row) * m_columns + column] : empty;
}

void StringGridModel::setText(int row, int column, const QString& text) {
    if (!contains(row, column))
        return;
    m_cells[size_t(row) * m_columns + column] = text;
    cellsChanged(index(row, column), index(row, column));
}

void StringGridModel::setRowCount(int rows) {
    if (rows < 0 || rows == m_rows)
        return;
    const size_t cells = size_t(rows) * m_columns;
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        // reserve() takes exactly what is asked; resize() alone may take twice as much.
        m_cells.reserve(cells);
        m_cells.resize(cells);
        m_rows = rows;
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        m_cells.resize(cells);
        m_cells.shrink_to_fit();
        m_rows = rows;
        endRemoveRows();
    }
}

void StringGridModel::clear() {
    std::fill(m_cells.begin(), m_cells.end(), QString());
    if (!m_cells.empty())
        cellsChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
}

void StringGridModel::holdCellSignals() {
    ++m_holds;
}

void StringGridModel::releaseCellSignals() {
    if (m_holds == 0 || --m_holds > 0 || !m_heldChange)
        return;
    m_heldChange = false;
    // The rows written to may have been dropped meanwhile.
    if (!m_cells.empty())
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1));
}

bool StringGridModel::contains(int row, int column) const {
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

void StringGridModel::cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    if (m_holds > 0)
        m_heldChange = true;
    else
        emit dataChanged(topLeft, bottomRight);
}

} // namespace report

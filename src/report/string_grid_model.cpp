#include "report/string_grid_model.h"

namespace report {

StringGridModel::StringGridModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), m_cells(0, columns) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cells.rows();
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cells.columns();
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return text(index.row(), index.column());
}

void StringGridModel::setText(int row, int column, const QString& text) {
    if (!contains(row, column))
        return;
    m_cells.setText(row, column, text);
    cellsChanged(index(row, column), index(row, column));
}

void StringGridModel::setRowCount(int rows) {
    const int now = m_cells.rows();
    if (rows < 0 || rows == now)
        return;
    if (rows > now) {
        beginInsertRows(QModelIndex(), now, rows - 1);
        m_cells.setRowCount(rows);
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), rows, now - 1);
        m_cells.setRowCount(rows);
        endRemoveRows();
    }
}

void StringGridModel::clear() {
    m_cells.clear();
    if (m_cells.rows() > 0 && m_cells.columns() > 0)
        cellsChanged(index(0, 0), index(m_cells.rows() - 1, m_cells.columns() - 1));
}

void StringGridModel::holdCellSignals() {
    ++m_holds;
}

void StringGridModel::releaseCellSignals() {
    if (m_holds == 0 || --m_holds > 0 || !m_heldChange)
        return;
    m_heldChange = false;
    // The rows written to may have been dropped meanwhile.
    if (m_cells.rows() > 0 && m_cells.columns() > 0)
        emit dataChanged(index(0, 0), index(m_cells.rows() - 1, m_cells.columns() - 1));
}

bool StringGridModel::contains(int row, int column) const {
    return row >= 0 && row < m_cells.rows() && column >= 0 && column < m_cells.columns();
}

void StringGridModel::cellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    if (m_holds > 0)
        m_heldChange = true;
    else
        emit dataChanged(topLeft, bottomRight);
}

} // namespace report

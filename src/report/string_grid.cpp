#include "report/string_grid.h"

TStringGrid::TStringGrid(int columns, QWidget* parent)
    : QTableView(parent), m_cells(new report::StringGridModel(columns, this)) {
    setModel(m_cells);
}

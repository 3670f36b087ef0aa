#pragma once

#include "report/spreadsheet/cell_area.h"

#include <QString>

class TStringGrid;

namespace report {

// One sheet holds the title row, the headings and this many records.
constexpr int kMaxReportRecords = spreadsheet::kMaxRows - 2;

// The column letter (code 64 + column, so 1 gives "A") followed by the row number, for
// 1-based columns 1 to 26.
QString CellName(int column, int row);

// First conversation with the spreadsheet server: puts the whole grid into a new
// workbook's first sheet in one range assignment (every cell as a string, empty cells as
// empty strings), names the sheet and saves the workbook at `path`. Returns false when
// only the saving failed; any earlier failure raises its automation error. The server
// instance is told to quit in every case.
bool SaveGridAsWorkbook(const TStringGrid& grid, const QString& sheetName, const QString& path);

// Second conversation: reopens the report workbook and formats it for printing: bold
// grey headings, column widths, centred columns with thin borders, landscape pages with a
// top margin of 25 points, no gridlines, the title merged over A1:E1. Saves it in place.
// Errors raise; the instance is told to quit in every case.
void formatReportWorkbook(const QString& path);

} // namespace report

#pragma once

#include "report/spreadsheet/sheet.h"

#include <QByteArray>

namespace spreadsheet {

// The workbook as an Excel 97-2003 "Workbook" stream: globals (fonts, cell formats, sheet
// list, shared strings) followed by one substream per sheet (page setup, columns, cells,
// window, merged areas).
QByteArray writeWorkbookStream(const Workbook& workbook);

} // namespace spreadsheet

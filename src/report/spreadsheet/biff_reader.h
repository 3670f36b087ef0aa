#pragma once

#include "report/spreadsheet/sheet.h"

#include <QByteArray>

namespace spreadsheet {

// Reads an Excel 97-2003 "Workbook" stream back into a workbook: sheet names, text and
// blank cells with their formats, column widths and formats, merged areas, orientation,
// top margin and the gridlines flag. Anything that is not a consistent stream of this
// format raises WorkbookFormatError; unknown records are skipped.
Workbook parseWorkbookStream(const QByteArray& stream);

} // namespace spreadsheet

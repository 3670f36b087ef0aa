#pragma once

#include "report/spreadsheet/sheet.h"

#include <QByteArray>
#include <QString>

namespace spreadsheet {

// Saves the workbook as an Excel 97-2003 file; raises AutomationError when it cannot.
void saveWorkbook(const Workbook& workbook, const QString& path);

// Reads an Excel 97-2003 file from memory; raises WorkbookFormatError when it is not one.
Workbook readWorkbook(const QByteArray& fileBytes);

// Opens an Excel 97-2003 file; a missing, unreadable or damaged file raises AutomationError.
Workbook openWorkbook(const QString& path);

} // namespace spreadsheet

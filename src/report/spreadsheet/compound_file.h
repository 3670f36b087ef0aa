#pragma once

#include <QByteArray>
#include <QString>

namespace spreadsheet {

// The OLE2 compound file that holds a workbook's "Workbook" stream, through libgsf.

// Writes a compound file with the one stream; raises AutomationError with the reason when
// the file cannot be written.
void saveWorkbookContainer(const QString& path, const QByteArray& workbookStream);

// The "Workbook" stream of a compound file held in memory; raises WorkbookFormatError when
// the bytes are not a compound file or hold no such stream.
QByteArray workbookStreamOf(const QByteArray& fileBytes);

} // namespace spreadsheet

#pragma once

#include "report/spreadsheet/biff_writer.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace spreadsheet {

// The OLE2 compound file that holds a workbook's "Workbook" stream, through libgsf.

// Writes a compound file with the one stream, whose bytes `produce` hands to the sink it
// is given; raises AutomationError with the reason when the file cannot be written.
void saveWorkbookContainer(const QString& path,
                           const std::function<void(const StreamSink&)>& produce);

// The "Workbook" stream of a compound file held in memory; raises WorkbookFormatError when
// the bytes are not a compound file or hold no such stream.
QByteArray workbookStreamOf(const QByteArray& fileBytes);

// The same for a compound file on disk, read without loading the whole file. A file that
// cannot be opened raises AutomationError.
QByteArray workbookStreamOfFile(const QString& path);

} // namespace spreadsheet

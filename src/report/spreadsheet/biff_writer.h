#pragma once

#include "report/spreadsheet/sheet.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

namespace spreadsheet {

// Receives a stream piece by piece, in order.
using StreamSink = std::function<void(QByteArrayView)>;

// The workbook as an Excel 97-2003 "Workbook" stream: globals (fonts, cell formats, sheet
// list, shared strings) followed by one substream per sheet (page setup, columns, cells,
// window, merged areas). The pieces go to `sink` as they are ready.
void writeWorkbookStream(const Workbook& workbook, const StreamSink& sink);

// The same stream, whole, in memory.
QByteArray writeWorkbookStream(const Workbook& workbook);

} // namespace spreadsheet

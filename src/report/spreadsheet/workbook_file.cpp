#include "report/spreadsheet/workbook_file.h"

#include "report/automation/automation_error.h"
#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_reader.h"
#include "report/spreadsheet/biff_writer.h"
#include "report/spreadsheet/compound_file.h"

namespace spreadsheet {

void saveWorkbook(const Workbook& workbook, const QString& path) {
    saveWorkbookContainer(path,
                          [&](const StreamSink& sink) { writeWorkbookStream(workbook, sink); });
}

Workbook readWorkbook(const QByteArray& fileBytes) {
    return parseWorkbookStream(workbookStreamOf(fileBytes));
}

Workbook openWorkbook(const QString& path) {
    try {
        return parseWorkbookStream(workbookStreamOfFile(path));
    } catch (const WorkbookFormatError& error) {
        throw AutomationError(
            QStringLiteral("'%1' is not a readable workbook (%2).").arg(path, error.what()));
    }
}

} // namespace spreadsheet

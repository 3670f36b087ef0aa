#include "report/spreadsheet/workbook_file.h"

#include "report/automation/automation_error.h"
#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_reader.h"
#include "report/spreadsheet/biff_writer.h"
#include "report/spreadsheet/compound_file.h"

#include <QFile>

namespace spreadsheet {

void saveWorkbook(const Workbook& workbook, const QString& path) {
    saveWorkbookContainer(path, writeWorkbookStream(workbook));
}

Workbook readWorkbook(const QByteArray& fileBytes) {
    return parseWorkbookStream(workbookStreamOf(fileBytes));
}

Workbook openWorkbook(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AutomationError(
            QStringLiteral("Cannot open the workbook '%1': %2.").arg(path, file.errorString()));
    try {
        return readWorkbook(file.readAll());
    } catch (const WorkbookFormatError& error) {
        throw AutomationError(
            QStringLiteral("'%1' is not a readable workbook (%2).").arg(path, error.what()));
    }
}

} // namespace spreadsheet

#include "report/spreadsheet/workbook_file.h"

#include "report/automation/automation_error.h"
#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_reader.h"
#include "report/spreadsheet/biff_writer.h"
#include "report/spreadsheet/compound_file.h"
#include "report/spreadsheet/property_sets.h"

#include <malloc.h>

namespace spreadsheet {

namespace {

// The sheets of the workbook stream and the document's properties from its summary.
Workbook readContainer(const WorkbookContainer& container) {
    Workbook workbook = parseWorkbookStream(container.workbook);
    if (!container.summary.isEmpty())
        workbook.properties = readSummaryInformation(container.summary);
    if (!container.documentSummary.isEmpty())
        checkDocumentSummaryInformation(container.documentSummary);
    return workbook;
}

} // namespace

void saveWorkbook(const Workbook& workbook, const QString& path) {
    saveWorkbookContainer(path,
                          [&](const StreamSink& sink) { writeWorkbookStream(workbook, sink); },
                          {{kSummaryStreamName, summaryInformation(workbook.properties)},
                           {kDocumentSummaryStreamName, documentSummaryInformation()}});
    // Writing a large workbook takes tables of many megabytes for a moment; the heap would
    // keep their room after they are freed, so the process would stay that large.
    malloc_trim(0);
}

Workbook readWorkbook(const QByteArray& fileBytes) {
    return readContainer(containerOf(fileBytes));
}

Workbook openWorkbook(const QString& path) {
    try {
        return readContainer(containerOfFile(path));
    } catch (const WorkbookFormatError& error) {
        throw AutomationError(
            QStringLiteral("'%1' is not a readable workbook (%2).").arg(path, error.what()));
    }
}

} // namespace spreadsheet

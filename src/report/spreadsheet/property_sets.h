#pragma once

#include "report/spreadsheet/sheet.h"

#include <QByteArray>

namespace spreadsheet {

// The two property set streams a workbook file carries beside its "Workbook" stream,
// with their texts in UTF-16 (code page 1200).
inline constexpr char kSummaryStreamName[] = "\005SummaryInformation";
inline constexpr char kDocumentSummaryStreamName[] = "\005DocumentSummaryInformation";

// The summary: code page, title, author and creation time (those that are set).
QByteArray summaryInformation(const DocumentProperties& properties);
// The document summary: code page, and the flags that say the document is not scaled
// and its links are up to date.
QByteArray documentSummaryInformation();

// Reads the title, author and creation time of a summary stream (a text in a code page
// other than UTF-16 only when it is plain ASCII); raises WorkbookFormatError when the
// stream is not a property set of that kind.
DocumentProperties readSummaryInformation(const QByteArray& stream);
// Checks that a document summary stream is a property set of that kind; raises
// WorkbookFormatError otherwise.
void checkDocumentSummaryInformation(const QByteArray& stream);

} // namespace spreadsheet

#pragma once

#include "report/automation/automation_object.h"
#include "report/spreadsheet/sheet.h"

#include <memory>

// The objects of the spreadsheet server below the application: they share the workbook
// they belong to, so an object obtained earlier sees later changes.
namespace spreadsheet {

struct Document {
    Workbook workbook;
};
using DocumentPtr = std::shared_ptr<Document>;

// A 1-based index argument checked against a count; raises "Subscript out of range.".
int indexArgument(const automation::Variant& value, int count);

automation::ObjectPtr makeWorksheet(DocumentPtr document, int sheet);
automation::ObjectPtr makeWindow(DocumentPtr document, int sheet);
automation::ObjectPtr makeRange(DocumentPtr document, int sheet, const CellArea& area);

// Range(reference) or Range(first, last) on a sheet.
automation::ObjectPtr rangeOf(const DocumentPtr& document, int sheet,
                              const automation::Arguments& arguments);
// Columns(i), or all columns without an argument.
automation::ObjectPtr columnsOf(const DocumentPtr& document, int sheet,
                                const automation::Arguments& arguments);

} // namespace spreadsheet

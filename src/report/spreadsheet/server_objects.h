#pragma once

#include "report/automation/automation_object.h"
#include "report/spreadsheet/sheet.h"

#include <memory>

// The objects of the spreadsheet server below the application: they share the workbook
// they belong to, so an object obtained earlier sees later changes.
namespace spreadsheet {

// The server's objects are automation objects and speak in its values.
using automation::Arguments;
using automation::AutomationObject;
using automation::ObjectPtr;
using automation::Variant;
using automation::VariantArray;

struct Document {
    Workbook workbook;
};
using DocumentPtr = std::shared_ptr<Document>;

// A 1-based index argument checked against a count; raises "Subscript out of range.".
int indexArgument(const Variant& value, int count);

ObjectPtr makeWorksheet(DocumentPtr document, int sheet);
ObjectPtr makeWindow(DocumentPtr document, int sheet);
ObjectPtr makeRange(DocumentPtr document, int sheet, const CellArea& area);

// Range(reference) or Range(first, last) on a sheet.
ObjectPtr rangeOf(const DocumentPtr& document, int sheet, const Arguments& arguments);
// Columns(i), or all columns without an argument.
ObjectPtr columnsOf(const DocumentPtr& document, int sheet, const Arguments& arguments);

} // namespace spreadsheet

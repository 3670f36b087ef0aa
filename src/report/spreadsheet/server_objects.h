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

// A workbook open in the server. The workbook may be shared with the record of the last
// save (see saved_workbooks.h); it is copied before use while it is, so what was saved
// stays as it was saved.
class Document {
public:
    explicit Document(std::shared_ptr<Workbook> workbook) : m_workbook(std::move(workbook)) {}

    Workbook& workbook() {
        if (m_workbook.use_count() > 1)
            m_workbook = std::make_shared<Workbook>(*m_workbook);
        return *m_workbook;
    }
    // The workbook as it is now, to be shared with the record of a save.
    const std::shared_ptr<Workbook>& shared() const { return m_workbook; }

private:
    std::shared_ptr<Workbook> m_workbook;
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

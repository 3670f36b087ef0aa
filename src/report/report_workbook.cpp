#include "report/report_workbook.h"

#include "report/automation/object_registry.h"
#include "report/spreadsheet/application_object.h"
#include "report/string_grid.h"

using automation::ObjectPtr;
using automation::Variant;
using automation::VariantArray;

namespace report {

namespace {

const QString kServer = QStringLiteral("Excel.Application");
constexpr int16_t kSingleWorksheetTemplate = -4167; // xlWBATWorksheet
constexpr int16_t kCenter = -4108;                  // xlCenter
constexpr int32_t kThin = 2;                        // xlThin
constexpr int32_t kLandscape = 2;                   // xlLandscape
constexpr int32_t kHeadingGrey = 12632256;          // #C0C0C0
constexpr int32_t kTopMarginPoints = 25;
constexpr int32_t kColumnWidths[] = {30, 30, 15, 25, 25};

// A new instance of the spreadsheet server, which the report registers on first use so
// the automation layer needs to know no server of its own.
ObjectPtr startServer() {
    static const bool registered = [] {
        spreadsheet::registerApplicationServer();
        return true;
    }();
    Q_UNUSED(registered);
    return automation::createObject(kServer);
}

void quit(const ObjectPtr& application) {
    application->put("DisplayAlerts", false);
    application->call("Quit");
}

// Runs a conversation and tells the instance to quit afterwards, also when the
// conversation failed; then the conversation's own error is the one that counts.
template <typename Conversation>
void talkTo(const ObjectPtr& application, Conversation conversation) {
    try {
        conversation();
    } catch (...) {
        try {
            quit(application);
        } catch (const std::exception&) {
        }
        throw;
    }
    quit(application);
}

} // namespace

QString CellName(int column, int row) {
    return QChar(64 + column) + QString::number(row);
}

bool SaveGridAsWorkbook(const TStringGrid& grid, const QString& sheetName, const QString& path) {
    const int rows = grid.rowCount();
    const int columns = grid.columnCount();
    // Element [r + 1, c + 1] is the cell at column c, row r: the array shares the grid's
    // texts rather than copying them.
    auto values = std::make_shared<VariantArray>(grid.texts());

    bool saved = false;
    const ObjectPtr a = startServer();
    talkTo(a, [&] {
        a->put("Visible", false);
        a->object("Workbooks")->call("Add", {kSingleWorksheetTemplate});
        const ObjectPtr s = a->object("Workbooks", {1})->object("WorkSheets", {1});
        s->put("Name", sheetName);
        s->object("Range", {CellName(1, 1), CellName(columns, rows)})->put("Value", values);
        // The sheet holds the values now; the array is not needed while the file is saved.
        values.reset();
        try {
            a->object("Workbooks", {1})->call("SaveAs", {path});
            saved = true;
        } catch (const std::exception&) {
            // A failed save is reported by the result, not as an error.
        }
    });
    return saved;
}

void formatReportWorkbook(const QString& path) {
    const ObjectPtr b = startServer();
    talkTo(b, [&] {
        b->put("DisplayAlerts", false);
        b->object("WorkBooks")->call("Open", {path});
        b->object("Range", {"A2", "E2"})->object("Font")->put("FontStyle", "Bold");
        b->object("Range", {"A2", "E2"})->object("Interior")->put("Color", kHeadingGrey);
        for (int32_t i = 1; i <= 5; ++i)
            b->object("Columns", {i})->put("ColumnWidth", kColumnWidths[i - 1]);
        b->object("columns")->put("HorizontalAlignment", kCenter);
        for (int32_t i = 1; i <= 5; ++i)
            b->object("Columns", {i})->object("Borders")->put("Weight", kThin);
        b->object("Range", {"A1:e1"})->object("Borders")->put("Weight", kThin);
        b->object("ActiveSheet")->object("PageSetup")->put("Orientation", kLandscape);
        b->object("ActiveSheet")->object("PageSetup")->put("TopMargin", kTopMarginPoints);
        b->object("ActiveWindow")->put("DisplayGridlines", false);
        b->object("Range", {"a1:e1"})->put("Mergecells", true);
        b->object("ActiveWorkBook")->call("SaveAs", {path});
    });
}

} // namespace report

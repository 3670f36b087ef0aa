#include "report/spreadsheet/application_object.h"

#include "report/automation/automation_error.h"
#include "report/automation/object_registry.h"
#include "report/spreadsheet/saved_workbooks.h"
#include "report/spreadsheet/server_objects.h"
#include "report/spreadsheet/workbook_file.h"

#include <vector>

namespace spreadsheet {
namespace {

// The template value that asks for a workbook of one worksheet.
constexpr int32_t kSingleWorksheetTemplate = -4167;
// The author the server's new workbooks give in their summary.
const QString kAuthor = QStringLiteral("Kalmo");

struct ApplicationState {
    bool visible = false;
    bool displayAlerts = true;
    std::vector<DocumentPtr> workbooks;

    const DocumentPtr& active() const {
        if (workbooks.empty())
            throw AutomationError("Object required: no workbook is open.");
        return workbooks.back();
    }
};
using StatePtr = std::shared_ptr<ApplicationState>;

Variant asVariant(ObjectPtr value) {
    return Variant(std::move(value));
}

class WorkbookObject : public AutomationObject {
public:
    explicit WorkbookObject(DocumentPtr document) {
        addMember("WorkSheets", [document](const Arguments& args) {
            automation::expectArguments(args, 1, 1);
            const int count = static_cast<int>(document->workbook().sheets.size());
            return asVariant(makeWorksheet(document, indexArgument(args[0], count)));
        });
        addMember("SaveAs", [document](const Arguments& args) {
            automation::expectArguments(args, 1, 1);
            Workbook& workbook = document->workbook();
            // Without a title of its own a workbook is titled after its first sheet, which
            // names what it holds.
            if (workbook.properties.title.isEmpty() && !workbook.sheets.empty())
                workbook.properties.title = workbook.sheets.front().name;
            const QString path = args[0].toString();
            saveWorkbook(workbook, path);
            rememberSavedWorkbook(path, document->shared());
            return Variant();
        });
    }
};

class WorkbooksObject : public AutomationObject {
public:
    explicit WorkbooksObject(StatePtr state) {
        addMember("Add", [state](const Arguments& args) {
            automation::expectArguments(args, 0, 1);
            if (!args.empty() && args[0].toInt() != kSingleWorksheetTemplate)
                throw AutomationError("Add method of Workbooks class failed: unknown template.");
            auto workbook = std::make_shared<Workbook>();
            workbook->sheets.emplace_back().name = QStringLiteral("Sheet1");
            workbook->properties = {QString(), kAuthor, QDateTime::currentDateTimeUtc()};
            auto document = std::make_shared<Document>(std::move(workbook));
            state->workbooks.push_back(document);
            return asVariant(std::make_shared<WorkbookObject>(document));
        });
        addMember("Open", [state](const Arguments& args) {
            automation::expectArguments(args, 1, 1);
            const QString path = args[0].toString();
            // A workbook the server saved itself and nobody changed since is not read back.
            std::shared_ptr<Workbook> workbook = takeSavedWorkbook(path);
            if (!workbook)
                workbook = std::make_shared<Workbook>(openWorkbook(path));
            if (workbook->sheets.empty())
                throw AutomationError("Open method of Workbooks class failed: no worksheet.");
            auto document = std::make_shared<Document>(std::move(workbook));
            state->workbooks.push_back(document);
            return asVariant(std::make_shared<WorkbookObject>(document));
        });
    }
};

class ApplicationObject : public AutomationObject {
public:
    ApplicationObject() : m_state(std::make_shared<ApplicationState>()) {
        const StatePtr state = m_state;
        addFlag("Visible", &ApplicationState::visible);
        addFlag("DisplayAlerts", &ApplicationState::displayAlerts);
        // Workbooks is the collection; Workbooks(i) is one of its members.
        addMember("Workbooks", [state](const Arguments& args) {
            automation::expectArguments(args, 0, 1);
            if (args.empty())
                return asVariant(std::make_shared<WorkbooksObject>(state));
            const int count = static_cast<int>(state->workbooks.size());
            return asVariant(
                std::make_shared<WorkbookObject>(state->workbooks[indexArgument(args[0], count)]));
        });
        addMember("Quit", [state](const Arguments& args) {
            automation::expectArguments(args, 0, 0);
            state->workbooks.clear();
            return Variant();
        });
        addMember("ActiveWorkbook", [state](const Arguments& args) {
            automation::expectArguments(args, 0, 0);
            return asVariant(std::make_shared<WorkbookObject>(state->active()));
        });
        addMember("ActiveSheet", [state](const Arguments& args) {
            automation::expectArguments(args, 0, 0);
            return asVariant(makeWorksheet(state->active(), 0));
        });
        addMember("ActiveWindow", [state](const Arguments& args) {
            automation::expectArguments(args, 0, 0);
            return asVariant(makeWindow(state->active(), 0));
        });
        addMember("Range", [state](const Arguments& args) {
            return asVariant(rangeOf(state->active(), 0, args));
        });
        addMember("Columns", [state](const Arguments& args) {
            return asVariant(columnsOf(state->active(), 0, args));
        });
    }

private:
    void addFlag(const QString& name, bool ApplicationState::*flag) {
        const StatePtr state = m_state;
        addMember(
            name,
            [state, flag](const Arguments& args) {
                automation::expectArguments(args, 0, 0);
                return Variant(state.get()->*flag);
            },
            [state, flag](const Variant& value) { state.get()->*flag = value.toBool(); });
    }

    StatePtr m_state;
};

} // namespace

int indexArgument(const Variant& value, int count) {
    const int32_t index = value.toInt();
    if (index < 1 || index > count)
        throw AutomationError("Subscript out of range.");
    return index - 1;
}

ObjectPtr createApplication() {
    return std::make_shared<ApplicationObject>();
}

void registerApplicationServer() {
    automation::registerServer(QStringLiteral("Excel.Application"), createApplication);
}

} // namespace spreadsheet

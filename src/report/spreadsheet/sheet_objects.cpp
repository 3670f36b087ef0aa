#include "report/automation/automation_error.h"
#include "report/spreadsheet/server_objects.h"

#include <QRegularExpression>

namespace spreadsheet {
namespace {

constexpr int32_t kPortrait = 1;
constexpr int32_t kLandscape = 2;
constexpr double kMaxMarginPoints = 49 * 72.0;

// Reads the sheet when a member is used, so a renamed or reloaded sheet is seen as it is.
struct SheetRef {
    DocumentPtr document;
    int index;
    Sheet& operator()() const { return document->workbook().sheets.at(index); }
};

class PageSetupObject : public AutomationObject {
public:
    explicit PageSetupObject(SheetRef sheet) {
        addMember(
            "Orientation",
            [sheet](const Arguments&) {
                return Variant(sheet().landscape ? kLandscape : kPortrait);
            },
            [sheet](const Variant& value) {
                const int32_t orientation = value.toInt();
                if (orientation != kPortrait && orientation != kLandscape)
                    throw AutomationError("Unable to set the Orientation property.");
                sheet().landscape = orientation == kLandscape;
            });
        addMember(
            "TopMargin",
            [sheet](const Arguments&) {
                return Variant(static_cast<int32_t>(sheet().topMarginPoints));
            },
            [sheet](const Variant& value) {
                const double points = value.toDouble();
                if (!(points >= 0 && points <= kMaxMarginPoints))
                    throw AutomationError("Unable to set the TopMargin property.");
                sheet().topMarginPoints = points;
            });
    }
};

class WorksheetObject : public AutomationObject {
public:
    explicit WorksheetObject(SheetRef sheet) {
        addMember(
            "Name", [sheet](const Arguments&) { return Variant(sheet().name); },
            [sheet](const Variant& value) {
                const QString name = value.toString();
                if (name.isEmpty() || name.size() > 31 ||
                    name.contains(QRegularExpression(QStringLiteral("[][:*?/\\\\]"))))
                    throw AutomationError("Unable to set the Name property: not a sheet name.");
                sheet().name = name;
            });
        addMember("Range", [sheet](const Arguments& args) {
            return Variant(rangeOf(sheet.document, sheet.index, args));
        });
        addMember("Columns", [sheet](const Arguments& args) {
            return Variant(columnsOf(sheet.document, sheet.index, args));
        });
        addMember("PageSetup", [sheet](const Arguments& args) {
            automation::expectArguments(args, 0, 0);
            return Variant(ObjectPtr(std::make_shared<PageSetupObject>(sheet)));
        });
    }
};

class WindowObject : public AutomationObject {
public:
    explicit WindowObject(SheetRef sheet) {
        addMember(
            "DisplayGridlines", [sheet](const Arguments&) { return Variant(sheet().gridlines); },
            [sheet](const Variant& value) { sheet().gridlines = value.toBool(); });
    }
};

} // namespace

ObjectPtr makeWorksheet(DocumentPtr document, int sheet) {
    return std::make_shared<WorksheetObject>(SheetRef{std::move(document), sheet});
}

ObjectPtr makeWindow(DocumentPtr document, int sheet) {
    return std::make_shared<WindowObject>(SheetRef{std::move(document), sheet});
}

} // namespace spreadsheet

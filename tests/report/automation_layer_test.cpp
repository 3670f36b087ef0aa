// The late-bound layer and the spreadsheet server, driven by name as the report drives it.
#include "report/automation/automation_error.h"
#include "report/automation/object_registry.h"
#include "report/report_title.h"
#include "report/report_workbook.h"
#include "report/spreadsheet/application_object.h"
#include "report/spreadsheet/workbook_file.h"
#include "support/report_fixture.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace automation;

namespace {

// The report registers the server on first use; these tests talk to it directly.
[[maybe_unused]] const bool kServerRegistered = (spreadsheet::registerApplicationServer(), true);

ObjectPtr newApplicationWithSheet() {
    ObjectPtr app = createObject("Excel.Application");
    app->object("Workbooks")->call("Add", {int16_t(-4167)});
    return app;
}

template <typename F> QString errorOf(F f) {
    try {
        f();
    } catch (const AutomationError& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("no error");
}

TEST(AutomationLayer, MemberNamesResolveWithoutRegardToCase) {
    ObjectPtr app = createObject("EXCEL.application");
    EXPECT_FALSE(app->get("VISIBLE").toBool());
    app->put("visible", true);
    EXPECT_TRUE(app->get("Visible").toBool());
    app->object("WorkBooks")->call("add", {int16_t(-4167)});
    ObjectPtr sheet = app->object("workbooks", {1})->object("worksheets", {1});
    sheet->put("NAME", "Лист");
    EXPECT_EQ(app->object("Workbooks", {1})->object("WorkSheets", {1})->get("Name").toString(),
              "Лист");

    app->object("Range", {"a1:e1"})->put("Mergecells", true);
    EXPECT_TRUE(app->object("RANGE", {"A1", "E1"})->get("MergeCells").toBool());
    app->object("columns")->put("horizontalalignment", int16_t(-4108));
    EXPECT_EQ(app->object("Columns", {7})->get("HorizontalAlignment").toInt(), -4108);
}

TEST(AutomationLayer, UnknownMembersAndBadCallsRaise) {
    ObjectPtr app = newApplicationWithSheet();
    EXPECT_EQ(errorOf([&] { app->get("Visibel"); }), "Unknown name: Visibel.");
    EXPECT_EQ(errorOf([&] { app->put("Charts", 1); }), "Unknown name: Charts.");
    EXPECT_EQ(errorOf([&] { app->object("Range", {"A1"})->get("Formula"); }),
              "Unknown name: Formula.");
    // A member that exists but cannot be written, or is called with the wrong arguments.
    EXPECT_EQ(errorOf([&] { app->put("Workbooks", 1); }), "Member not found: Workbooks.");
    EXPECT_EQ(errorOf([&] { app->call("Quit", {1}); }), "Wrong number of arguments.");
    EXPECT_EQ(errorOf([&] { app->object("Workbooks", {2}); }), "Subscript out of range.");
    EXPECT_EQ(errorOf([&] { app->object("Visible"); }), "Object required.");
    EXPECT_EQ(errorOf([&] { app->object("Columns", {"x"}); }), "Type mismatch.");
    EXPECT_EQ(errorOf([] { createObject("Word.Application"); }), "Invalid class string.");
    // Values the object model does not know.
    EXPECT_NE(errorOf([&] { app->object("Columns", {1})->put("HorizontalAlignment", 7); }),
              "no error");
    EXPECT_NE(errorOf([&] { app->object("Columns", {1})->object("Borders")->put("Weight", 3); }),
              "no error");
    EXPECT_NE(
        errorOf([&] { app->object("Range", {"A1"})->object("Font")->put("FontStyle", "Fett"); }),
        "no error");
    EXPECT_NE(
        errorOf([&] { app->object("ActiveSheet")->object("PageSetup")->put("Orientation", 3); }),
        "no error");
}

TEST(AutomationLayer, OverridesStandInFrontOfRegisteredServersUntilTheyEnd) {
    int registeredMade = 0, overrideMade = 0;
    EXPECT_EQ(errorOf([] { createObject("Kalmo.Probe"); }), "Invalid class string.");
    registerServer("Kalmo.Probe", [&] {
        ++registeredMade;
        return createObject("Excel.Application");
    });
    createObject("KALMO.probe");
    {
        ServerOverride stand("kalmo.PROBE", [&] {
            ++overrideMade;
            return createObject("Excel.Application");
        });
        createObject("Kalmo.Probe");
        {
            ServerOverride failing("Kalmo.Probe", []() -> ObjectPtr {
                throw AutomationError("Server execution failed.");
            });
            EXPECT_EQ(errorOf([] { createObject("Kalmo.Probe"); }), "Server execution failed.");
        }
        createObject("Kalmo.Probe");
    }
    createObject("Kalmo.Probe");
    EXPECT_EQ(registeredMade, 2);
    EXPECT_EQ(overrideMade, 2);
    registerServer("Kalmo.Probe", {});
    EXPECT_EQ(errorOf([] { createObject("Kalmo.Probe"); }), "Invalid class string.");
}

TEST(AutomationLayer, RangesStayInsideOneSheet) {
    ObjectPtr app = newApplicationWithSheet();
    EXPECT_EQ(errorOf([&] { app->object("Range", {"IV65536"}); }), "no error");
    for (const char* outside : {"E65537", "IW1", "A0", "1A", "A1:", "AAA1", "", "A1:B2:C3"})
        EXPECT_NE(errorOf([&] { app->object("Range", {outside}); }), "no error") << outside;
    EXPECT_NE(errorOf([&] { app->object("Range", {"A1", "E65537"}); }), "no error");
    EXPECT_EQ(errorOf([&] { app->object("Range", {"$A$1:$b$2"}); }), "no error");
}

TEST(AutomationLayer, ValueTakesAnArrayOfTheRangesShape) {
    ObjectPtr app = newApplicationWithSheet();
    auto values = std::make_shared<VariantArray>(2, 3);
    values->set(1, 1, Variant("x"));
    values->set(2, 3, Variant("Ж"));
    EXPECT_NE(errorOf([&] {
                  app->object("Range", {"A1", "B2"})->put("Value", values);
              }),
              "no error");
    app->object("Range", {"B2", "D3"})->put("Value", values);
    EXPECT_EQ(app->object("Range", {"B2"})->get("Value").toString(), "x");
    EXPECT_EQ(app->object("Range", {"D3"})->get("Value").toString(), "Ж");
    const auto back = app->object("Range", {"B2:D3"})->get("Value").toArray();
    EXPECT_EQ(back->rows(), 2);
    EXPECT_EQ(back->at(2, 3).toString(), "Ж");
    EXPECT_TRUE(back->at(1, 2).isEmpty() || back->at(1, 2).toString().isEmpty());
}

TEST(AutomationLayer, FillsTakeTheNearestPaletteColour) {
    ObjectPtr app = newApplicationWithSheet();
    ObjectPtr interior = app->object("Range", {"A1"})->object("Interior");
    interior->put("Color", 12632256);
    EXPECT_EQ(interior->get("Color").toInt(), 0xC0C0C0);
    interior->put("Color", 0xC4C2C1);
    EXPECT_EQ(interior->get("Color").toInt(), 0xC0C0C0);
    interior->put("Color", 0x0000FE); // nearly pure red, stored blue-green-red
    EXPECT_EQ(interior->get("Color").toInt(), 0x0000FF);
}

TEST(AutomationLayer, ObjectsFromOneInstanceSeeItsQuit) {
    ObjectPtr app = newApplicationWithSheet();
    app->call("Quit");
    EXPECT_EQ(errorOf([&] { app->object("ActiveSheet"); }),
              "Object required: no workbook is open.");
    // A second instance is independent of the first.
    ObjectPtr other = newApplicationWithSheet();
    EXPECT_EQ(errorOf([&] { other->object("ActiveSheet"); }), "no error");
}

TEST(AutomationLayer, OpenRaisesForFilesThatAreNoWorkbook) {
    QTemporaryDir dir;
    QFile junk(dir.filePath("junk.xls"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a workbook");
    junk.close();
    ObjectPtr app = createObject("Excel.Application");
    EXPECT_NE(errorOf([&] { app->object("Workbooks")->call("Open", {junk.fileName()}); }),
              "no error");
    EXPECT_NE(errorOf([&] { app->object("Workbooks")->call("Open", {dir.filePath("none.xls")}); }),
              "no error");
}

TEST(ReportNames, CellNameAndTitle) {
    EXPECT_EQ(report::CellName(1, 1), "A1");
    EXPECT_EQ(report::CellName(5, 3), "E3");
    EXPECT_EQ(report::CellName(26, 65536), "Z65536");

    const QDateTime when(QDate(2026, 12, 6), QTime(22, 28, 5));
    EXPECT_EQ(report::reportTitle(when, QLocale(QLocale::Russian, QLocale::Russia)),
              "Отчет был создан 06.12.2026 в 22:28:05 с помощью программы Kalmo");
    const QString us = report::reportTitle(when, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(us.startsWith("Отчет был создан 12/6/26 в 10:28:05")) << us.toStdString();
    EXPECT_TRUE(us.endsWith("PM с помощью программы Kalmo")) << us.toStdString();
}

} // namespace

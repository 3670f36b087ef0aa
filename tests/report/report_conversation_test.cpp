// Both conversations of the report, call by call: member names as the report spells them,
// argument types and values, in order, recorded in front of the real server.
#include "app/main_window.h"
#include "report/automation/object_registry.h"
#include "report/spreadsheet/application_object.h"
#include "support/report_fixture.h"

#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace automation;

namespace {

QString describe(const Variant& v) {
    switch (v.type()) {
    case Variant::Type::Bool:
        return QStringLiteral("bool:") + (v.toBool() ? "true" : "false");
    case Variant::Type::Int16:
        return "i16:" + v.toString();
    case Variant::Type::Int32:
        return "i32:" + v.toString();
    case Variant::Type::String:
        return "str:" + v.toString();
    case Variant::Type::Array: {
        const auto array = v.toArray();
        return QStringLiteral("array[%1x%2]").arg(array->rows()).arg(array->columns());
    }
    default:
        return "?";
    }
}

// Passes every call on to the object behind it and writes it down; objects it hands back
// are recorded the same way, under the path that led to them.
class Recorder : public AutomationObject {
public:
    Recorder(ObjectPtr inner, QString path, QStringList* log)
        : m_inner(std::move(inner)), m_path(std::move(path)), m_log(log) {}

    Variant get(const QString& name, const Arguments& arguments) override {
        QStringList args;
        for (const Variant& a : arguments)
            args << describe(a);
        const QString call = m_path + "." + name + "(" + args.join(", ") + ")";
        *m_log << call;
        Variant result = m_inner->get(name, arguments);
        if (result.type() == Variant::Type::Object)
            return Variant(ObjectPtr(std::make_shared<Recorder>(result.toObject(), call, m_log)));
        return result;
    }

    void put(const QString& name, const Variant& value) override {
        *m_log << m_path + "." + name + " := " + describe(value);
        m_inner->put(name, value);
    }

private:
    ObjectPtr m_inner;
    QString m_path;
    QStringList* m_log;
};

TEST(ReportConversation, CallsAsTheReportSpellsThem) {
    ReportFixture f(numberedRecords(2));
    QStringList log;
    QStringList statusAtCreation;
    int instances = 0;
    ServerOverride server("Excel.Application", [&]() -> ObjectPtr {
        statusAtCreation << f.form1->photoPanelText();
        const QString name = instances++ == 0 ? "A" : "B";
        return std::make_shared<Recorder>(spreadsheet::createApplication(), name, &log);
    });
    QTest::mouseClick(f.form1->ui.print, Qt::LeftButton);

    const QString path = log.filter("SaveAs").value(0).section("str:", 1).chopped(1);
    EXPECT_TRUE(path.startsWith(f.path(".kalmo-report-")) && path.endsWith(".xls"))
        << path.toStdString();
    const QStringList expected{
        // First conversation: the grid into a new workbook in one assignment.
        "A.Visible := bool:false",
        "A.Workbooks()",
        "A.Workbooks().Add(i16:-4167)",
        "A.Workbooks(i32:1)",
        "A.Workbooks(i32:1).WorkSheets(i32:1)",
        "A.Workbooks(i32:1).WorkSheets(i32:1).Name := str:Данные базы",
        "A.Workbooks(i32:1).WorkSheets(i32:1).Range(str:A1, str:E4)",
        "A.Workbooks(i32:1).WorkSheets(i32:1).Range(str:A1, str:E4).Value := array[4x5]",
        "A.Workbooks(i32:1)",
        "A.Workbooks(i32:1).SaveAs(str:" + path + ")",
        "A.DisplayAlerts := bool:false",
        "A.Quit()",
        // Second conversation: the formatting pass.
        "B.DisplayAlerts := bool:false",
        "B.WorkBooks()",
        "B.WorkBooks().Open(str:" + path + ")",
        "B.Range(str:A2, str:E2)",
        "B.Range(str:A2, str:E2).Font()",
        "B.Range(str:A2, str:E2).Font().FontStyle := str:Bold",
        "B.Range(str:A2, str:E2)",
        "B.Range(str:A2, str:E2).Interior()",
        "B.Range(str:A2, str:E2).Interior().Color := i32:12632256",
        "B.Columns(i32:1)",
        "B.Columns(i32:1).ColumnWidth := i32:30",
        "B.Columns(i32:2)",
        "B.Columns(i32:2).ColumnWidth := i32:30",
        "B.Columns(i32:3)",
        "B.Columns(i32:3).ColumnWidth := i32:15",
        "B.Columns(i32:4)",
        "B.Columns(i32:4).ColumnWidth := i32:25",
        "B.Columns(i32:5)",
        "B.Columns(i32:5).ColumnWidth := i32:25",
        "B.columns()",
        "B.columns().HorizontalAlignment := i16:-4108",
        "B.Columns(i32:1)",
        "B.Columns(i32:1).Borders()",
        "B.Columns(i32:1).Borders().Weight := i32:2",
        "B.Columns(i32:2)",
        "B.Columns(i32:2).Borders()",
        "B.Columns(i32:2).Borders().Weight := i32:2",
        "B.Columns(i32:3)",
        "B.Columns(i32:3).Borders()",
        "B.Columns(i32:3).Borders().Weight := i32:2",
        "B.Columns(i32:4)",
        "B.Columns(i32:4).Borders()",
        "B.Columns(i32:4).Borders().Weight := i32:2",
        "B.Columns(i32:5)",
        "B.Columns(i32:5).Borders()",
        "B.Columns(i32:5).Borders().Weight := i32:2",
        "B.Range(str:A1:e1)",
        "B.Range(str:A1:e1).Borders()",
        "B.Range(str:A1:e1).Borders().Weight := i32:2",
        "B.ActiveSheet()",
        "B.ActiveSheet().PageSetup()",
        "B.ActiveSheet().PageSetup().Orientation := i32:2",
        "B.ActiveSheet()",
        "B.ActiveSheet().PageSetup()",
        "B.ActiveSheet().PageSetup().TopMargin := i32:25",
        "B.ActiveWindow()",
        "B.ActiveWindow().DisplayGridlines := bool:false",
        "B.Range(str:a1:e1)",
        "B.Range(str:a1:e1).Mergecells := bool:true",
        "B.ActiveWorkBook()",
        "B.ActiveWorkBook().SaveAs(str:" + path + ")",
        "B.DisplayAlerts := bool:false",
        "B.Quit()",
    };
    EXPECT_EQ(log, expected);
    // The busy text is on show while the server works.
    EXPECT_EQ(statusAtCreation, (QStringList{"Создаю отчет, ждите...", "Создаю отчет, ждите..."}));
    EXPECT_EQ(f.form1->photoPanelText(), QString());
}

} // namespace

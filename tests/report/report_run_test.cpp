// The whole report through the main window's "Отчет" button, read back with our reader.
#include "app/main_window.h"
#include "app/report_grid_window.h"
#include "report/automation/automation_error.h"
#include "report/automation/object_registry.h"
#include "report/report_workbook.h"
#include "report/spreadsheet/application_object.h"
#include "report/spreadsheet/workbook_file.h"
#include "report/string_grid.h"
#include "support/report_fixture.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace spreadsheet;
using platform::ShownBox;

namespace {

const QString kBusy = QStringLiteral("Создаю отчет, ждите...");

class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

std::vector<QStringList> threeRecords() {
    return {{"Иванов Иван", "Москва, ул. Ленина, 1", "123-45-67", "Завод", "ivan@example.org"},
            {"Петров Пётр", "Тверь", "007", "01.02.2003", "petr@example.org"},
            {"Smith John", "", "", "", ""}};
}

QString text(const Sheet& sheet, int row, int column) {
    const auto cell = sheet.cell(row, column);
    return cell ? cell->text : QString();
}

CellFormat format(const Sheet& sheet, int row, int column) {
    const auto cell = sheet.cell(row, column);
    return cell ? cell->format : sheet.column(column).format;
}

void clickReport(ReportFixture& f) {
    QTest::mouseClick(f.form1->ui.print, Qt::LeftButton);
}

TEST(ReportRun, ThreeRecordsGiveAFormattedWorkbook) {
    LocaleScope russian{QLocale(QLocale::Russian, QLocale::Russia)};
    ReportFixture f(threeRecords());
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    clickReport(f);

    ASSERT_EQ(f.boxes.texts(), QStringList{"Отчет создан, хотите просмотреть?"});
    EXPECT_EQ(f.boxes.boxes[0].kind, ShownBox::Information);
    ASSERT_EQ(f.opened.urls.size(), 1);
    EXPECT_EQ(f.opened.urls[0], QUrl::fromLocalFile(f.reportPath()));
    EXPECT_EQ(f.form1->photoPanelText(), QString());
    // Only Report.xls and the data files are left in the folder.
    EXPECT_EQ(QDir(f.folder.path()).entryList({".kalmo-report-*"}, QDir::Files | QDir::Hidden),
              QStringList());

    const Workbook book = openWorkbook(f.reportPath());
    ASSERT_EQ(book.sheets.size(), 1u);
    const Sheet& sheet = book.sheets[0];
    EXPECT_EQ(sheet.name, "Данные базы");

    // Title in A1 alone, with the date and time of the Russian settings.
    const QString title = text(sheet, 0, 0);
    const QRegularExpression pattern("^Отчет был создан (\\d\\d\\.\\d\\d\\.\\d{4}) в "
                                     "(\\d{1,2}:\\d\\d:\\d\\d) с помощью программы Kalmo$");
    const auto match = pattern.match(title);
    ASSERT_TRUE(match.hasMatch()) << title.toStdString();
    const QDateTime stamped = QDateTime(QDate::fromString(match.captured(1), "dd.MM.yyyy"),
                                        QTime::fromString(match.captured(2), "H:mm:ss"));
    EXPECT_GE(stamped, before);
    EXPECT_LE(stamped, QDateTime::currentDateTime());
    for (int c = 1; c < 5; ++c)
        EXPECT_EQ(text(sheet, 0, c), QString()) << c;
    EXPECT_EQ(sheet.merges(), (std::vector<CellArea>{{0, 0, 0, 4}}));

    const QStringList headings{"ФИО", "Адрес", "Телефон", "Место работы", "E-mail"};
    const auto records = threeRecords();
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(text(sheet, 1, c), headings[c]);
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(text(sheet, r + 2, c), records[r][c]) << r << "," << c;
        EXPECT_EQ(text(sheet, 5, c), QString());
    }

    // Headings bold on #C0C0C0; records plain; everything centred with thin borders.
    for (int c = 0; c < 5; ++c) {
        const CellFormat heading = format(sheet, 1, c);
        EXPECT_TRUE(heading.bold);
        EXPECT_EQ(heading.fill, std::optional<uint32_t>(0xC0C0C0));
        for (int r : {0, 2, 3, 4}) {
            const CellFormat cell = format(sheet, r, c);
            EXPECT_FALSE(cell.bold) << r;
            EXPECT_FALSE(cell.fill.has_value()) << r;
        }
        for (int r : {0, 1, 2, 4, 100}) {
            EXPECT_EQ(format(sheet, r, c).alignment, HorizontalAlignment::Center) << r;
            EXPECT_EQ(format(sheet, r, c).border, BorderWeight::Thin) << r;
        }
    }
    EXPECT_EQ(sheet.column(5).format.alignment, HorizontalAlignment::Center);
    EXPECT_EQ(sheet.column(5).format.border, BorderWeight::None);

    const double widths[] = {30, 30, 15, 25, 25};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(sheet.column(c).width, std::optional<double>(widths[c])) << c;
    EXPECT_FALSE(sheet.column(5).width.has_value());

    EXPECT_TRUE(sheet.landscape);
    EXPECT_DOUBLE_EQ(sheet.topMarginPoints, 25.0);
    EXPECT_FALSE(sheet.gridlines);
    // What the spreadsheet program would write besides: A1 selected, rows 12.75 points,
    // no page header or footer, and the summary.
    EXPECT_EQ(sheet.activeRow, 0);
    EXPECT_EQ(sheet.activeColumn, 0);
    EXPECT_DOUBLE_EQ(sheet.defaultRowHeightPoints, 12.75);
    EXPECT_EQ(sheet.header, QString());
    EXPECT_EQ(sheet.footer, QString());
    EXPECT_FALSE(sheet.fitToPage);
    EXPECT_EQ(book.properties.title, "Данные базы");
    EXPECT_EQ(book.properties.author, "Kalmo");
    EXPECT_GE(book.properties.created, before);
    EXPECT_LE(book.properties.created, QDateTime::currentDateTime());

    // The first record is on show afterwards; the grid holds n + 2 rows.
    EXPECT_EQ(f.form1->ui.fio->text(), "Иванов Иван");
    EXPECT_EQ(f.form1->state().index, 0);
    // The grid as it was handed over: five columns, rows 15 pixels high, no headers.
    const TStringGrid& grid = *f.form2->ui.StringGrid1;
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.columnCount(), 5);
    EXPECT_EQ(grid.rowHeight(4), 15);
    EXPECT_TRUE(grid.horizontalHeader()->isHidden());
    EXPECT_TRUE(grid.verticalHeader()->isHidden());
    EXPECT_EQ(grid.Cells(0, 0), title);
    EXPECT_EQ(grid.Cells(3, 1), "Место работы");
    EXPECT_EQ(grid.Cells(3, 3), "01.02.2003");
    for (int c = 1; c < 5; ++c)
        EXPECT_TRUE(grid.Cells(c, 0).isEmpty()) << c;
}

TEST(ReportRun, CancelKeepsTheWorkbookAndOpensNothing) {
    ReportFixture f(numberedRecords(1));
    f.boxes.answer = [](const ShownBox&) {
        return false;
    };
    clickReport(f);
    EXPECT_EQ(f.boxes.texts(), QStringList{"Отчет создан, хотите просмотреть?"});
    EXPECT_TRUE(f.opened.urls.isEmpty());
    const Workbook book = openWorkbook(f.reportPath());
    EXPECT_EQ(text(book.sheets[0], 2, 0), "Name 1");
    EXPECT_EQ(book.sheets[0].rowExtent(), 3);
    EXPECT_EQ(f.form2->ui.StringGrid1->rowCount(), 3);
}

TEST(ReportRun, ShowsTheFirstRecordWhateverWasOnShow) {
    ReportFixture f(numberedRecords(4));
    f.form1->state().index = 3;
    f.form1->ui.fio->setText("typed but not saved");
    clickReport(f);
    EXPECT_EQ(f.form1->ui.fio->text(), "Name 1");
    EXPECT_EQ(f.form1->ui.email->text(), "mail1@example.org");
    EXPECT_EQ(f.form1->state().index, 0);
    EXPECT_FALSE(f.form1->ui.previous->isEnabled());
    EXPECT_TRUE(f.form1->ui.next->isEnabled());
    // The report replaced the previous grid contents completely.
    clickReport(f);
    EXPECT_EQ(f.form2->ui.StringGrid1->rowCount(), 6);
    EXPECT_EQ(f.form2->ui.StringGrid1->Cells(0, 5), "Name 4");
}

TEST(ReportRun, AnEmptyBaseIsToldAndNothingIsWritten) {
    ReportFixture f({});
    clickReport(f);
    EXPECT_EQ(f.boxes.texts(ShownBox::Message), QStringList{"В базе нет записей"});
    EXPECT_EQ(f.boxes.texts(ShownBox::Error), QStringList());
    EXPECT_EQ(f.boxes.texts(ShownBox::Information), QStringList());
    EXPECT_EQ(f.form1->photoPanelText(), QString());
    EXPECT_FALSE(QFile::exists(f.reportPath()));
}

// Stands in for the spreadsheet server: passes every call on to a real instance, counts
// Quit, and fails the given call of one member of the application object.
class FailingServer : public automation::AutomationObject {
public:
    FailingServer(QString failing, int failingCall, int* quits)
        : m_inner(spreadsheet::createApplication()), m_failing(std::move(failing)),
          m_failingCall(failingCall) {
        for (const char* name : {"Visible", "DisplayAlerts", "Workbooks", "Quit", "Range",
                                 "Columns", "ActiveSheet", "ActiveWindow", "ActiveWorkbook"}) {
            const QString member = name;
            addMember(
                member,
                [this, member, quits](const automation::Arguments& args) {
                    if (member == "Quit")
                        ++*quits;
                    failIf(member);
                    return m_inner->get(member, args);
                },
                [this, member](const automation::Variant& v) {
                    failIf(member);
                    m_inner->put(member, v);
                });
        }
    }

private:
    void failIf(const QString& member) {
        if (member == m_failing && ++m_calls == m_failingCall)
            throw AutomationError("Injected failure.");
    }
    automation::ObjectPtr m_inner;
    QString m_failing;
    int m_failingCall;
    int m_calls = 0;
};

struct ReportWithFailure {
    explicit ReportWithFailure(const QString& failing, int failingCall = 1)
        : f(numberedRecords(3)),
          server("Excel.Application", [this, failing, failingCall]() -> automation::ObjectPtr {
              if (failing == "create")
                  throw AutomationError("Invalid class string.");
              return std::make_shared<FailingServer>(failing, failingCall, &quits);
          }) {
        QFile previous(f.reportPath());
        previous.open(QIODevice::WriteOnly);
        previous.write("previous report");
        previous.close();
        f.form1->state().index = 2;
        f.form1->ui.fio->setText("on show before");
        clickReport(f);
    }

    QByteArray reportBytes() const {
        QFile report(f.reportPath());
        report.open(QIODevice::ReadOnly);
        return report.readAll();
    }

    ReportFixture f;
    int quits = 0;
    automation::ServerOverride server;
};

TEST(ReportRun, AFailedConversationKeepsThePreviousReport) {
    // Object creation, the first conversation and the formatting pass fail in turn.
    const struct {
        const char* failing;
        int wantQuits;
    } cases[] = {{"create", 0}, {"Visible", 1}, {"ActiveSheet", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        ReportWithFailure run(c.failing);
        const QString want = c.wantQuits == 0 ? "Invalid class string." : "Injected failure.";
        EXPECT_EQ(run.f.boxes.texts(), QStringList{want});
        EXPECT_EQ(run.f.boxes.boxes[0].kind, ShownBox::Error);
        EXPECT_EQ(run.quits, c.wantQuits);
        EXPECT_EQ(run.f.form1->photoPanelText(), QString());
        EXPECT_EQ(run.f.form1->ui.fio->text(), "Name 1");
        EXPECT_EQ(run.f.form1->state().index, 0);
        EXPECT_EQ(run.reportBytes(), "previous report");
        EXPECT_TRUE(run.f.opened.urls.isEmpty());
        EXPECT_EQ(
            QDir(run.f.folder.path()).entryList({".kalmo-report-*"}, QDir::Files | QDir::Hidden),
            QStringList());
    }
}

TEST(ReportRun, AFailedSaveAsksNothingAndKeepsThePreviousReport) {
    // Workbooks is called for Add, for the sheet and for SaveAs: the third call fails.
    ReportWithFailure run("Workbooks", 3);
    EXPECT_EQ(run.f.boxes.texts(), QStringList());
    EXPECT_EQ(run.quits, 1);
    EXPECT_EQ(run.f.form1->photoPanelText(), QString());
    EXPECT_EQ(run.f.form1->ui.fio->text(), "Name 1");
    EXPECT_EQ(run.reportBytes(), "previous report");
    EXPECT_EQ(QDir(run.f.folder.path()).entryList({".kalmo-report-*"}, QDir::Files | QDir::Hidden),
              QStringList());
}

} // namespace

namespace {

// One sheet holds 65,536 rows: title, headings and 65,534 records. A larger base is refused
// in Russian before anything is read or written; the previous report stays as it was.
TEST(ReportRun, RecordsBeyondOneSheetAreRefusedBeforeAnyWork) {
    ReportFixture f(numberedRecords(65535));
    {
        QFile previous(f.reportPath());
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("previous report");
    }
    f.form1->ui.fio->setText("typed but not saved");
    int instances = 0;
    automation::ServerOverride counting("Excel.Application", [&]() -> automation::ObjectPtr {
        ++instances;
        return spreadsheet::createApplication();
    });
    clickReport(f);
    EXPECT_EQ(
        f.boxes.texts(ShownBox::Message),
        QStringList{QStringLiteral("Записей в базе: 65\u00A0535. Один лист отчета вмещает "
                                   "не более 65\u00A0534 записей, поэтому отчет не создан.")});
    EXPECT_EQ(f.boxes.boxes.size(), 1u);
    EXPECT_EQ(instances, 0);
    EXPECT_EQ(f.form2->ui.StringGrid1->rowCount(), 0);
    EXPECT_EQ(f.form1->photoPanelText(), QString());
    EXPECT_EQ(f.form1->ui.fio->text(), "typed but not saved");
    QFile previous(f.reportPath());
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), "previous report");
    previous.close();

    // Without the last record the sheet is full to its last row.
    f.form1->state().file.seek(65534);
    f.form1->state().file.cut();
    f.boxes.boxes.clear();
    clickReport(f);
    EXPECT_EQ(f.boxes.texts(), QStringList{"Отчет создан, хотите просмотреть?"});
    EXPECT_EQ(instances, 2);
    const Sheet sheet = openWorkbook(f.reportPath()).sheets.at(0);
    EXPECT_EQ(sheet.rowExtent(), 65536);
    EXPECT_EQ(text(sheet, 65535, 4), "mail65534@example.org");
}

// The server's own limit stays an automation error for other callers.
TEST(ReportRun, TheServerRefusesRowsBeyondTheSheet) {
    TStringGrid grid(5);
    grid.setRowCount(65537);
    QTemporaryDir folder;
    try {
        report::SaveGridAsWorkbook(grid, "S", folder.filePath("big.xls"));
        ADD_FAILURE() << "a range past the last row was accepted";
    } catch (const AutomationError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains("E65537")) << error.what();
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("big.xls")));
}

} // namespace

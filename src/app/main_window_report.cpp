// The report button of the main window: every record into the report grid, the grid into
// Report.xls through the spreadsheet server, then the offer to open it.
#include "app/main_window.h"
#include "app/report_grid_window.h"
#include "platform/base_folder.h"
#include "platform/desktop_open.h"
#include "platform/message_boxes.h"
#include "report/report_title.h"
#include "report/report_workbook.h"
#include "report/string_grid.h"
#include "store/data_file_error.h"
#include "store/file_changes.h"
#include "store/file_copy.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QToolButton>

namespace {

const QString kReportFileName = QStringLiteral("Report.xls");
const QString kSheetName = QStringLiteral("Данные базы");
const QString kBusyText = QStringLiteral("Создаю отчет, ждите...");
const QString kViewQuestion = QStringLiteral("Отчет создан, хотите просмотреть?");
const QStringList kHeadings{QStringLiteral("ФИО"), QStringLiteral("Адрес"),
                            QStringLiteral("Телефон"), QStringLiteral("Место работы"),
                            QStringLiteral("E-mail")};

// The new workbook is written beside Report.xls under a name of its own and replaces it
// only once it is complete, so a failed report leaves the previous one in place.
class PendingReport {
public:
    explicit PendingReport(const QString& reportPath) {
        // Named as the program's temporary files, so one left by a kill goes at start.
        QTemporaryFile file(store::folderOf(reportPath) + '/' + store::kTemporaryPrefix +
                            QStringLiteral("report-XXXXXX.xls"));
        file.setAutoRemove(false);
        if (!file.open())
            return;
        m_path = file.fileName();
        // The workbook takes over the permissions of this file: those of the report it
        // replaces, or the usual ones of a new document rather than a private temporary.
        file.setPermissions(QFile::exists(reportPath) ? QFile::permissions(reportPath)
                                                      : QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ReadGroup | QFile::ReadOther);
    }
    ~PendingReport() {
        if (!m_path.isEmpty())
            QFile::remove(m_path);
    }
    PendingReport(const PendingReport&) = delete;
    PendingReport& operator=(const PendingReport&) = delete;

    // Empty when no file could be made in the folder: the report then cannot be saved.
    const QString& path() const { return m_path; }

    void replace(const QString& reportPath) {
        if (const std::error_code error = store::renameFile(m_path, reportPath))
            throw store::DataFileError::fromErrno(error.value());
        m_path.clear();
        if (const std::error_code error = store::syncFolder(store::folderOf(reportPath)))
            throw store::DataFileError::fromErrno(error.value());
    }

private:
    QString m_path;
};

} // namespace

TForm2* TForm1::reportGridWindow() {
    if (!m_form2) {
        m_form2 = new TForm2(this);
        m_form2->setWindowFlag(Qt::Window);
    }
    return m_form2;
}

void TForm1::printClick() {
    setPhotoPanelText(kBusyText);
    QCoreApplication::processEvents();
    try {
        fillReportGrid();
        const QString reportPath = platform::BaseFolder::filePath(kReportFileName);
        PendingReport pending(reportPath);
        const bool saved = !pending.path().isEmpty() &&
                           report::SaveGridAsWorkbook(*reportGridWindow()->ui.StringGrid1,
                                                      kSheetName, pending.path());
        if (saved) {
            report::formatReportWorkbook(pending.path());
            pending.replace(reportPath);
        }
        setPhotoPanelText(QString());
        if (saved && platform::askInformation(kViewQuestion))
            platform::openUrl(QUrl::fromLocalFile(reportPath));
    } catch (...) {
        // Whatever failed, the window is left consistent: no busy text, and the record
        // on show is the one the current index points at.
        setPhotoPanelText(QString());
        try {
            if (m_state.file.count() > 0)
                showFirstRecord();
        } catch (const std::exception&) {
            // The first error is the one to report.
        }
        throw;
    }
    showFirstRecord();
}

// Grid row 0 holds the title, row 1 the headings, rows 2 on the records in file order.
// The current record index and the record buffer serve as the cursor.
void TForm1::fillReportGrid() {
    TStringGrid& grid = *reportGridWindow()->ui.StringGrid1;
    store::DataFile& file = m_state.file;
    // The grid's view hears of the new contents once, not once per cell.
    const TStringGrid::Batch batch(grid);
    grid.clearContents();
    grid.setRowCount(file.count() + 2);
    for (int c = 0; c < kHeadings.size(); ++c)
        grid.setCells(c, 1, kHeadings[c]);

    auto fillRow = [&] {
        for (int c = 0; c < TForm2::kGridColumns; ++c)
            grid.setCells(c, m_state.index + 2, m_state.buffer.field(store::kTextFields[c]));
    };
    m_state.index = 0;
    file.seek(0);
    file.read(m_state.buffer);
    fillRow();
    while (!file.atEnd()) {
        ++m_state.index;
        file.seek(m_state.index);
        file.read(m_state.buffer);
        fillRow();
    }
    grid.setCells(0, 0, report::reportTitle(QDateTime::currentDateTime()));
}

void TForm1::showFirstRecord() {
    m_state.index = 0;
    m_state.file.seek(0);
    m_state.file.read(m_state.buffer);
    ShowRecord();
}

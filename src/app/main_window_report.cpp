// The report button of the main window: every record into the report grid, the grid into
// Report.xls through the spreadsheet server, then the offer to open it.
#include "app/main_window.h"
#include "app/notice.h"
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
#include <QLocale>
#include <QTemporaryFile>
#include <QToolButton>

#include <algorithm>
#include <span>
#include <vector>

namespace {

const QString kReportFileName = QStringLiteral("Report.xls");
const QString kSheetName = QStringLiteral("Данные базы");
const QString kBusyText = QStringLiteral("Создаю отчет, ждите...");
const QString kViewQuestion = QStringLiteral("Отчет создан, хотите просмотреть?");
const QString kTooManyRecords = QStringLiteral("Записей в базе: %1. Один лист отчета вмещает "
                                               "не более %2 записей, поэтому отчет не создан.");
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

void TForm1::setReportGridWindow(TForm2* form) {
    m_form2 = form;
    ui.suiThemeManager1->linkWindow(form);
}

TForm2* TForm1::reportGridWindow() {
    if (!m_form2) {
        auto* form = new TForm2(this);
        form->setWindowFlag(Qt::Window);
        setReportGridWindow(form);
    }
    return m_form2;
}

void TForm1::printClick() {
    // An empty base and a base larger than one sheet are told before anything is read or
    // written.
    if (m_state.file.count() == 0)
        throw app::Notice(app::kNoRecords);
    if (m_state.file.count() > report::kMaxReportRecords) {
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        platform::showMessage(kTooManyRecords.arg(russian.toString(m_state.file.count()),
                                                  russian.toString(report::kMaxReportRecords)));
        return;
    }
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
// The current record index and the record buffer serve as the cursor and end on the last
// record. After the first record the rest are read a block at a time: one by one, a large
// base would cost two system calls a record.
void TForm1::fillReportGrid() {
    TStringGrid& grid = *reportGridWindow()->ui.StringGrid1;
    store::DataFile& file = m_state.file;
    // The grid's view hears of the new contents once, not once per cell.
    const TStringGrid::Batch batch(grid);
    grid.clearContents();
    const int32_t count = file.count();
    grid.setRowCount(count + 2);
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
    constexpr int32_t kBlockRecords = 256;
    constexpr std::size_t kRecordSize = store::ContactRecord::kSize;
    std::vector<unsigned char> block(kBlockRecords * kRecordSize);
    for (int32_t first = 1; first < count; first += kBlockRecords) {
        const int32_t n = std::min(kBlockRecords, count - first);
        file.readBlock(first, std::span(block).first(n * kRecordSize));
        for (int32_t k = 0; k < n; ++k) {
            m_state.index = first + k;
            std::copy_n(block.begin() + k * kRecordSize, kRecordSize,
                        m_state.buffer.bytes().begin());
            fillRow();
        }
    }
    grid.setCells(0, 0, report::reportTitle(QDateTime::currentDateTime()));
}

void TForm1::showFirstRecord() {
    m_state.index = 0;
    m_state.file.seek(0);
    m_state.file.read(m_state.buffer);
    ShowRecord();
}

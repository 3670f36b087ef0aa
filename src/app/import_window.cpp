#include "app/import_window.h"

#include "interchange/contact_file.h"
#include "interchange/vcard_reader.h"
#include "platform/file_chooser.h"
#include "platform/message_boxes.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/frame/geometry.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_building.h"
#include "store/data_file.h"
#include "store/data_file_error.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>

#include <algorithm>
#include <iterator>

using namespace skin::frame;
using interchange::ColumnRole;
using interchange::TextEncoding;

namespace app {

namespace {

// In the order of interchange::TextEncoding.
constexpr TextEncoding kEncodings[] = {TextEncoding::Utf8,    TextEncoding::Utf16LE,
                                       TextEncoding::Utf16BE, TextEncoding::CodePage1251,
                                       TextEncoding::Koi8R,   TextEncoding::Latin1};

// The place of the encoding in the encoding list.
int encodingIndex(TextEncoding encoding) {
    return int(std::find(std::begin(kEncodings), std::end(kEncodings), encoding) -
               std::begin(kEncodings));
}

// In the order of interchange::ColumnRole.
const QStringList kRoleNames = {QStringLiteral("—"),         QStringLiteral("ФИО"),
                                QStringLiteral("Фамилия"),   QStringLiteral("Имя"),
                                QStringLiteral("Отчество"),  QStringLiteral("Адрес"),
                                QStringLiteral("Телефон"),   QStringLiteral("Место работы"),
                                QStringLiteral("Должность"), QStringLiteral("E-mail")};

const QStringList kPreviewHeaders = {QString(),
                                     QStringLiteral("ФИО"),
                                     QStringLiteral("Адрес"),
                                     QStringLiteral("Телефон"),
                                     QStringLiteral("Место работы"),
                                     QStringLiteral("E-mail"),
                                     QStringLiteral("Примечание")};
constexpr int kPreviewColumnWidths[] = {24, 150, 130, 110, 110, 120, 240};

constexpr store::ContactField kPreviewFields[] = {
    store::ContactField::FullName, store::ContactField::Address, store::ContactField::Telephone,
    store::ContactField::Workplace, store::ContactField::Email};

// The tables span the window between 8-pixel margins; the summary beside the encoding
// list reaches their right edge.
constexpr int kTableLeft = 8;
constexpr int kTableWidth = 609;
constexpr int kSummaryLeft = 168;
constexpr int kSummaryWidth = kTableLeft + kTableWidth - kSummaryLeft;
// Where the preview starts without and with the CSV column mapping above it.
constexpr int kPreviewTop = 98;
constexpr int kPreviewTopUnderMapping = 178;
constexpr int kPreviewBottom = 389;

QStringList encodingNames() {
    QStringList names;
    for (const TextEncoding encoding : kEncodings)
        names << interchange::encodingName(encoding);
    return names;
}

QTableWidget* table(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* result = place(new QTableWidget(parent), name, left, top, width, height);
    result->verticalHeader()->setDefaultSectionSize(20);
    result->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the next control; the arrows move between its cells.
    result->setTabKeyNavigation(false);
    return result;
}

// A column given a field by hand. Back on the field its header names, it takes its rank
// among the others of that field again; otherwise it comes first among them.
interchange::ColumnMapping chosenColumn(const QString& header, ColumnRole role) {
    const interchange::ColumnMapping byHeader = interchange::columnFor(header);
    return byHeader.role == role ? byHeader : interchange::ColumnMapping{role, 0, false};
}

QString noteOf(const interchange::ImportRow& row) {
    QStringList parts;
    if (row.duplicate)
        parts << QStringLiteral("возможно, уже есть в базе");
    if (!row.notes.exact())
        parts << row.notes.text();
    return parts.join(QStringLiteral("; "));
}

} // namespace

ImportWindow::ImportWindow(store::DataFile& base, const QString& imagesFolder, QWidget* parent)
    : QDialog(parent), m_base(base), m_imagesFolder(imagesFolder) {
    ui.suiForm1 = setUpSkinnedWindow(this, "ImportWindow", QStringLiteral("Импорт контактов"),
                                     {kWidth, kContentHeight}, {TsuiTitleBarBtnType::suiClose});
    QWidget* panel = contentPanel(ui.suiForm1, kContentHeight);
    centreOnScreenWhenShown(this);
    ui.fileLabel = label(panel, "fileLabel", QStringLiteral("Файл (vCard или CSV)"), 8, 8);
    ui.pathEdit = place(new TsuiEdit(panel), "pathEdit", 8, 24, 577, 21);
    ui.pathEdit->setUIStyle(TsuiUIStyle::WinXP);
    ui.pathEdit->setReadOnly(true);
    ui.chooseButton = button(panel, "chooseButton", QStringLiteral("..."), 592, 22, 25, 25);
    ui.encodingLabel = label(panel, "encodingLabel", QStringLiteral("Кодировка"), 8, 53);
    ui.encodingBox = choiceList(panel, "encodingBox", encodingNames(), 8, 69, 150, 21);
    ui.encodingBox->setEnabled(false);
    ui.summaryLabel = label(panel, "summaryLabel", QString(), kSummaryLeft, 72);
    // Sized once: an empty label sizes itself to no sensible width.
    ui.summaryLabel->setFixedSize(kSummaryWidth, ui.summaryLabel->fontMetrics().height());
    ui.mappingLabel =
        label(panel, "mappingLabel", QStringLiteral("Столбцы файла и поля записи"), 8, 98);
    ui.mappingTable = table(panel, "mappingTable", kTableLeft, 114, kTableWidth, 56);
    ui.mappingTable->setRowCount(1);
    ui.mappingTable->verticalHeader()->hide();
    ui.previewTable = table(panel, "previewTable", kTableLeft, kPreviewTop, kTableWidth, 0);
    ui.previewTable->setColumnCount(ColumnCount);
    ui.previewTable->setHorizontalHeaderLabels(kPreviewHeaders);
    for (int column = 0; column < ColumnCount; ++column)
        ui.previewTable->setColumnWidth(column, kPreviewColumnWidths[column]);
    ui.previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.previewTable->setAccessibleName(QStringLiteral("Контакты файла"));
    ui.importButton =
        button(panel, "importButton", QStringLiteral("Импортировать"), 8, 397, 100, 27);
    ui.cancelButton = button(panel, "cancelButton", QStringLiteral("Отмена"), 116, 397, 80, 27);
    ui.progressBar = place(new QProgressBar(panel), "progressBar", 208, 401, 409, 19);
    ui.progressBar->hide();
    ui.importButton->setEnabled(false);
    // For screen readers: each label names the control beside it; "..." says nothing itself.
    ui.fileLabel->setBuddy(ui.pathEdit);
    ui.encodingLabel->setBuddy(ui.encodingBox);
    ui.mappingLabel->setBuddy(ui.mappingTable);
    ui.chooseButton->setAccessibleName(QStringLiteral("Выбрать файл"));
    placePreview();

    connect(ui.chooseButton, &TsuiButton::clicked, this, &ImportWindow::chooseClick);
    connect(ui.importButton, &TsuiButton::clicked, this, &ImportWindow::importClick);
    connect(ui.cancelButton, &TsuiButton::clicked, this, &QDialog::reject);
    connect(ui.encodingBox, &QComboBox::currentIndexChanged, this, &ImportWindow::encodingChanged);
    connect(ui.previewTable, &QTableWidget::itemChanged, this, &ImportWindow::previewItemChanged);
    ui.chooseButton->setFocus();
}

bool ImportWindow::openFile(const QString& path) {
    QByteArray bytes;
    try {
        bytes = interchange::readContactBytes(path);
    } catch (const interchange::ContactFileError& failure) {
        platform::showError(failure.text());
        return false;
    }
    m_bytes = bytes;
    m_csv = interchange::isCsvFileName(path);
    m_chosenRoles.clear();
    ui.pathEdit->setText(path);
    placePreview();
    // The encoding the reader would choose: for a vCard, the texts' own (quoted-printable
    // texts of an ASCII file show theirs only when decoded).
    const TextEncoding detected =
        m_csv ? interchange::detectEncoding(m_bytes) : interchange::vcardEncoding(m_bytes);
    {
        // The reading below is the one for the detected encoding, made once.
        const QSignalBlocker quiet(ui.encodingBox);
        ui.encodingBox->setCurrentIndex(encodingIndex(detected));
    }
    ui.encodingBox->setEnabled(true);
    reread();
    // The keyboard goes on in the preview, on the first row's tick (Space changes it).
    if (!m_rows.isEmpty()) {
        ui.previewTable->setCurrentCell(0, Tick);
        ui.previewTable->setFocus();
    }
    return true;
}

void ImportWindow::placePreview() {
    ui.mappingLabel->setVisible(m_csv);
    ui.mappingTable->setVisible(m_csv);
    const int top = m_csv ? kPreviewTopUnderMapping : kPreviewTop;
    ui.previewTable->setGeometry(kTableLeft, top, kTableWidth, kPreviewBottom - top);
}

void ImportWindow::encodingChanged() {
    reread();
}

void ImportWindow::reread() {
    const TextEncoding encoding = kEncodings[ui.encodingBox->currentIndex()];
    if (!m_csv) {
        showContacts(interchange::readVCards(m_bytes, encoding).contacts);
        return;
    }
    m_table = interchange::readCsv(m_bytes, encoding);
    m_mapping = interchange::CsvMapping::fromHeaders(m_table.headers);
    // Fields the user gave columns by hand outlast a change of encoding; the others follow
    // the headers as now read.
    for (auto chosen = m_chosenRoles.cbegin(); chosen != m_chosenRoles.cend(); ++chosen) {
        if (chosen.key() < m_mapping.columns.size())
            m_mapping.columns[chosen.key()] = chosenColumn(m_table.headers[chosen.key()], *chosen);
    }
    fillMapping();
    showContacts(interchange::csvContacts(m_table, m_mapping).contacts);
}

void ImportWindow::fillMapping() {
    ui.mappingTable->clear();
    ui.mappingTable->setColumnCount(int(m_table.headers.size()));
    ui.mappingTable->setHorizontalHeaderLabels(m_table.headers);
    for (int column = 0; column < m_table.headers.size(); ++column) {
        auto* roles = choiceList(nullptr, "", kRoleNames, 0, 0, 0, 0);
        roles->setObjectName(QStringLiteral("column%1").arg(column));
        roles->setCurrentIndex(int(m_mapping.columns[column].role));
        roles->setAccessibleName(m_table.headers[column]);
        connect(roles, &QComboBox::currentIndexChanged, this,
                [this, column](int index) { columnRoleChanged(column, index); });
        ui.mappingTable->setCellWidget(0, column, roles);
    }
}

void ImportWindow::columnRoleChanged(int column, int roleIndex) {
    const auto role = ColumnRole(roleIndex);
    m_chosenRoles[column] = role;
    m_mapping.columns[column] = chosenColumn(m_table.headers[column], role);
    showContacts(interchange::csvContacts(m_table, m_mapping).contacts);
}

void ImportWindow::showContacts(const QList<interchange::Contact>& contacts) {
    m_rows = interchange::prepareImport(m_base, contacts);
    fillPreview();
    updateSummary();
}

void ImportWindow::fillPreview() {
    m_filling = true;
    ui.previewTable->setRowCount(int(m_rows.size()));
    for (int row = 0; row < m_rows.size(); ++row) {
        const interchange::ImportRow& importRow = m_rows[row];
        auto* tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        tick->setCheckState(importRow.chosen ? Qt::Checked : Qt::Unchecked);
        ui.previewTable->setItem(row, Tick, tick);
        for (int i = 0; i < int(std::size(kPreviewFields)); ++i)
            ui.previewTable->setItem(
                row, FullName + i, new QTableWidgetItem(importRow.record.field(kPreviewFields[i])));
        ui.previewTable->setItem(row, Note, new QTableWidgetItem(noteOf(importRow)));
        // The note is the last column, often scrolled away: every cell of the row tells it,
        // and a likely duplicate is greyed.
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem* item = ui.previewTable->item(row, column);
            item->setToolTip(noteOf(importRow));
            if (importRow.duplicate)
                item->setForeground(
                    ui.previewTable->palette().brush(QPalette::Disabled, QPalette::Text));
        }
    }
    m_filling = false;
}

void ImportWindow::previewItemChanged(QTableWidgetItem* item) {
    if (m_filling || item->column() != Tick)
        return;
    m_rows[item->row()].chosen = item->checkState() == Qt::Checked;
    updateSummary();
}

void ImportWindow::updateSummary() {
    const auto count = [this](auto test) {
        return int(std::count_if(m_rows.begin(), m_rows.end(), test));
    };
    const int chosen = count([](const interchange::ImportRow& row) { return row.chosen; });
    ui.importButton->setEnabled(chosen > 0);
    ui.summaryLabel->setText(
        m_rows.isEmpty()
            ? QStringLiteral("В файле нет контактов.")
            : QStringLiteral("Контактов: %1, отмечено: %2, похожих на имеющиеся в базе: %3.")
                  .arg(m_rows.size())
                  .arg(chosen)
                  .arg(count([](const interchange::ImportRow& row) { return row.duplicate; })));
}

QFileDialog* ImportWindow::openDialog() {
    if (!ui.openDialog) {
        ui.openDialog = new QFileDialog(this, QStringLiteral("Файл контактов"));
        ui.openDialog->setObjectName("openDialog");
        ui.openDialog->setFileMode(QFileDialog::ExistingFile);
        ui.openDialog->setAcceptMode(QFileDialog::AcceptOpen);
        ui.openDialog->setNameFilters(
            {QStringLiteral("Контакты (*.vcf *.vcard *.csv)"), QStringLiteral("Все файлы (*)")});
    }
    return ui.openDialog;
}

void ImportWindow::chooseClick() {
    const QString chosen = platform::chosenPath(openDialog());
    // Back from the chooser the window takes the keyboard again, whatever had it last.
    activateWindow();
    if (!chosen.isEmpty())
        openFile(chosen);
}

void ImportWindow::importClick() {
    std::function<void(int)> progress;
    if (m_rows.size() >= kProgressRows) {
        ui.progressBar->setRange(0, int(m_rows.size()));
        ui.progressBar->setValue(0);
        ui.progressBar->show();
        // The window keeps painting; the user's clicks wait until the import is done.
        progress = [this](int handled) {
            ui.progressBar->setValue(handled);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        };
    }
    try {
        m_result = interchange::importRows(m_base, m_imagesFolder, m_rows, progress);
    } catch (const store::DataFileError& failure) {
        ui.progressBar->hide();
        platform::showError(failure.text());
        return;
    } catch (const std::exception& failure) {
        ui.progressBar->hide();
        platform::showError(QString::fromUtf8(failure.what()));
        return;
    }
    accept();
}

} // namespace app

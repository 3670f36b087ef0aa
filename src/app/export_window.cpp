#include "app/export_window.h"

#include "platform/file_chooser.h"
#include "platform/message_boxes.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/frame/geometry.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_building.h"
#include "store/data_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

using namespace skin::frame;
using interchange::ExportFormat;

namespace app {

namespace {

using interchange::Charset21;
using interchange::CsvDialect;
using interchange::VCardVersion;

struct FormatEntry {
    const char* text;
    ExportFormat format;
};

constexpr ExportFormat vCard(VCardVersion version, Charset21 charset = Charset21::Utf8) {
    return {ExportFormat::Kind::VCard, version, charset, CsvDialect::CodePage1251};
}
constexpr ExportFormat csv(CsvDialect dialect) {
    return {ExportFormat::Kind::Csv, VCardVersion::V30, Charset21::Utf8, dialect};
}

// In the order of ExportWindow::Choice.
const FormatEntry kFormats[] = {
    {"vCard 3.0 (UTF-8)", vCard(VCardVersion::V30)},
    {"vCard 2.1, UTF-8 (для старых телефонов)", vCard(VCardVersion::V21)},
    {"vCard 2.1, windows-1251 (для старых телефонов)",
     vCard(VCardVersion::V21, Charset21::CodePage1251)},
    {"vCard 4.0 (UTF-8)", vCard(VCardVersion::V40)},
    {"CSV для Excel (windows-1251, разделитель «;»)", csv(CsvDialect::CodePage1251)},
    {"CSV UTF-8 (разделитель «,»)", csv(CsvDialect::Utf8)},
};

QStringList formatTexts() {
    QStringList texts;
    for (const FormatEntry& entry : kFormats)
        texts << QString::fromUtf8(entry.text);
    return texts;
}

QString suffixOf(const ExportFormat& format) {
    return format.kind == ExportFormat::Kind::Csv ? QStringLiteral("csv") : QStringLiteral("vcf");
}

} // namespace

ExportWindow::ExportWindow(store::DataFile& base, QWidget* parent) : QDialog(parent), m_base(base) {
    ui.suiForm1 = setUpSkinnedWindow(this, "ExportWindow", QStringLiteral("Экспорт контактов"),
                                     {kWidth, kContentHeight}, {TsuiTitleBarBtnType::suiClose});
    QWidget* panel = contentPanel(ui.suiForm1, kContentHeight);
    centreOnScreenWhenShown(this);
    ui.formatLabel = label(panel, "formatLabel", QStringLiteral("Формат"), 8, 8);
    ui.formatBox = choiceList(panel, "formatBox", formatTexts(), 8, 24, 425, 21);
    ui.targetLabel = label(panel, "targetLabel", QStringLiteral("Записать"), 8, 53);
    ui.targetBox = choiceList(panel, "targetBox",
                              {QStringLiteral("Все контакты в один файл"),
                               QStringLiteral("Каждый контакт в свой файл (в папку)")},
                              8, 69, 425, 21);
    ui.pathLabel = label(panel, "pathLabel", QStringLiteral("Файл"), 8, 98);
    ui.pathEdit = place(new TsuiEdit(panel), "pathEdit", 8, 114, 393, 21);
    ui.pathEdit->setUIStyle(TsuiUIStyle::WinXP);
    ui.pathEdit->setText(QDir::home().filePath(QStringLiteral("Контакты.vcf")));
    ui.chooseButton = button(panel, "chooseButton", QStringLiteral("..."), 408, 112, 25, 25);
    ui.exportButton =
        button(panel, "exportButton", QStringLiteral("Экспортировать"), 8, 149, 100, 27);
    ui.cancelButton = button(panel, "cancelButton", QStringLiteral("Отмена"), 116, 149, 80, 27);
    // For screen readers: each label names the control under it; "..." says nothing itself.
    ui.formatLabel->setBuddy(ui.formatBox);
    ui.targetLabel->setBuddy(ui.targetBox);
    ui.pathLabel->setBuddy(ui.pathEdit);
    ui.chooseButton->setAccessibleName(QStringLiteral("Выбрать место"));

    connect(ui.formatBox, &QComboBox::currentIndexChanged, this, &ExportWindow::formatChanged);
    connect(ui.targetBox, &QComboBox::currentIndexChanged, this, &ExportWindow::targetChanged);
    connect(ui.chooseButton, &TsuiButton::clicked, this, &ExportWindow::chooseClick);
    connect(ui.exportButton, &TsuiButton::clicked, this, &ExportWindow::exportClick);
    connect(ui.cancelButton, &TsuiButton::clicked, this, &QDialog::reject);
    ui.formatBox->setFocus();
}

ExportFormat ExportWindow::format() const {
    return kFormats[ui.formatBox->currentIndex()].format;
}

bool ExportWindow::filePerContact() const {
    return ui.targetBox->isEnabled() && ui.targetBox->currentIndex() == 1;
}

void ExportWindow::formatChanged() {
    // A CSV file is one table: a file per contact is for vCards only.
    const bool csv = format().kind == ExportFormat::Kind::Csv;
    ui.targetBox->setEnabled(!csv);
    targetChanged();
}

void ExportWindow::targetChanged() {
    ui.pathLabel->setText(filePerContact() ? QStringLiteral("Папка") : QStringLiteral("Файл"));
    ui.pathLabel->adjustSize();
    matchPathToFormat();
}

void ExportWindow::matchPathToFormat() {
    const QString path = ui.pathEdit->text();
    if (path.isEmpty() || filePerContact())
        return;
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("vcf") || suffix == QLatin1String("csv"))
        ui.pathEdit->setText(path.left(path.size() - suffix.size()) + suffixOf(format()));
}

QFileDialog* ExportWindow::saveDialog() {
    if (!ui.saveDialog) {
        ui.saveDialog = new QFileDialog(this);
        ui.saveDialog->setObjectName("saveDialog");
    }
    return ui.saveDialog;
}

void ExportWindow::chooseClick() {
    QFileDialog* dialog = saveDialog();
    if (filePerContact()) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setNameFilter(QString());
        dialog->setWindowTitle(QStringLiteral("Папка для файлов контактов"));
    } else {
        const bool csv = format().kind == ExportFormat::Kind::Csv;
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setNameFilter(csv ? QStringLiteral("Таблица CSV (*.csv)")
                                  : QStringLiteral("Файл vCard (*.vcf)"));
        dialog->setDefaultSuffix(suffixOf(format()));
        dialog->setWindowTitle(QStringLiteral("Файл для контактов"));
    }
    const QString chosen = platform::chosenPath(dialog);
    if (!chosen.isEmpty())
        ui.pathEdit->setText(chosen);
}

void ExportWindow::exportClick() {
    const QString path = ui.pathEdit->text().trimmed();
    if (path.isEmpty()) {
        platform::showError(filePerContact()
                                ? QStringLiteral("Укажите папку, в которую записать контакты.")
                                : QStringLiteral("Укажите файл, в который записать контакты."));
        return;
    }
    if (!filePerContact() && QFileInfo(path).isDir()) {
        platform::showError(QStringLiteral("«%1» — это папка. Укажите имя файла.").arg(path));
        return;
    }
    if (!filePerContact() && QFileInfo::exists(path) &&
        !platform::confirm(QStringLiteral("Файл «%1» уже есть. Заменить его?").arg(path)))
        return;
    int written = 0;
    try {
        written = filePerContact() ? interchange::exportBaseToFolder(m_base, path, format())
                                   : interchange::exportBase(m_base, path, format());
    } catch (const interchange::ExportError& failure) {
        platform::showError(failure.text());
        return;
    } catch (const std::exception& failure) {
        platform::showError(QString::fromUtf8(failure.what()));
        return;
    }
    platform::showMessage(
        filePerContact()
            ? QStringLiteral("Записано контактов: %1 в папку «%2».").arg(written).arg(path)
            : QStringLiteral("Записано контактов: %1 в файл «%2».").arg(written).arg(path));
    accept();
}

} // namespace app

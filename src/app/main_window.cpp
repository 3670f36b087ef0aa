#include "app/main_window.h"

#include "app/base_size_text.h"
#include "app/control_enabling.h"
#include "app/look_chooser.h"
#include "app/notice.h"
#include "photos/jpeg_loader.h"
#include "photos/photo_view.h"
#include "photos/picture_error.h"
#include "platform/base_folder.h"
#include "platform/hint_pause.h"
#include "platform/keyboard_layout.h"
#include "platform/message_boxes.h"
#include "skin/frame/window_building.h"
#include "store/backup_files.h"
#include "store/data_file_error.h"
#include "store/data_file_texts.h"
#include "store/file_copy.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

const QString kDataFileName = QStringLiteral("Baza.dat");
const QString kSizeCopyName = QStringLiteral("Baza1.dat");
// How long a hint about refused input stays in the status bar.
constexpr int kInputHintMs = 4000;

// A copy that is a link is never taken for a copy of the right size: it is replaced.
bool sameSize(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && !second.isSymLink() &&
           first.size() == second.size();
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    ui.suiForm1 = skin::frame::setUpSkinnedWindow(
        this, "Form1", QStringLiteral("Записная книжка v 2.1b"), {kWidth, kHeight},
        {TsuiTitleBarBtnType::suiClose, TsuiTitleBarBtnType::suiMin});
    ui.suiFileTheme1 = new TsuiFileTheme(this);
    ui.suiFileTheme1->setObjectName("suiFileTheme1");
    ui.suiThemeManager1 = new TsuiThemeManager(this);
    ui.suiThemeManager1->setObjectName("suiThemeManager1");
    ui.suiThemeManager1->setUIStyle(skin::themes::kProgramStyle);
    ui.suiThemeManager1->setFileTheme(ui.suiFileTheme1);
    // Linked before the controls are made, which start in the style of the window's frame.
    ui.suiThemeManager1->linkWindow(this);
    buildControls();
    m_lookChooser = new app::LookChooser(ui.suiMainMenu1, ui.suiThemeManager1, this);
    connectHandlers();

    // Start states: only what is usable before a record is on show.
    for (QWidget* off : std::initializer_list<QWidget*>{
             ui.save, ui.delete_, ui.search, ui.suiComboBox1, ui.ToolButton1, ui.suiButton2,
             ui.previous, ui.next, ui.first, ui.last, ui.suiButton5, ui.suiButton3, ui.suiButton4})
        off->setEnabled(false);

    for (QLineEdit* edit : {ui.fio, ui.adres, ui.tel, ui.rabota, ui.email})
        edit->installEventFilter(this);

    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    platform::setHintPause(1);
    store::removeStaleTemporaries(platform::BaseFolder::path());
    OpenDataFile();
}

void TForm1::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const app::Notice& notice) {
        platform::showMessage(QString::fromUtf8(notice.what()));
    } catch (const store::DataFileError& error) {
        platform::showError(error.isFileNotOpen() ? app::kBaseNotOpen : error.text());
    } catch (const std::exception& error) {
        platform::showError(QString::fromUtf8(error.what()));
    }
    // Whatever the handler wrote reaches the disk before control returns to the user.
    try {
        m_state.file.sync();
    } catch (const std::exception& error) {
        platform::showError(QString::fromUtf8(error.what()));
    }
    // Handlers enable what they leave usable; a base open for reading keeps none of that.
    disableChangesUnlessWritable();
}

void TForm1::disableChangesUnlessWritable() {
    const bool open = m_state.file.isOpen();
    if (open && !m_state.file.isReadOnly())
        return;
    app::setControlsEnabled({ui.new_, ui.save, ui.delete_, ui.suiButton2, ui.suiButton3,
                             ui.suiButton4, ui.suiButton5, ui.Button1},
                            false);
    ui.N5->setEnabled(false);
    ui.N16->setEnabled(false);
    if (!open)
        ui.N17->setEnabled(false);
    // Without a base (it could not be opened or made), a restore is the way to get one.
    ui.N3->setEnabled(!open);
}

void TForm1::OpenDataFile() {
    store::DataFile& file = m_state.file;
    file.bind(platform::BaseFolder::filePath(kDataFileName));
    if (QFile::exists(file.path())) {
        file.openExisting();
        m_state.index = 0;
        if (file.count() >= 1) {
            file.read(m_state.buffer);
            m_state.index = file.position() - 1;
            ShowRecord();
            ui.delete_->setEnabled(true);
            if (file.count() >= 2) {
                ui.search->setEnabled(true);
                ui.last->setEnabled(true);
                ui.next->setEnabled(true);
            }
        }
    } else {
        file.create();
        m_state.index = 0;
    }
    SetRussianKeyboard();
    m_state.index = 0;
    setRecordCountLabel(file.count());
    setRecordNumberLabel(file.count() == 0 ? 0 : m_state.index + 1);
    if (file.isReadOnly()) {
        disableChangesUnlessWritable();
        platform::showMessage(store::readOnlyText(file.path()));
    }
}

void TForm1::setRecordNumberLabel(int number) {
    ui.Label6->setText(QStringLiteral("Запись № ") + QString::number(number));
    ui.Label6->adjustSize();
}

void TForm1::setRecordCountLabel(int count) {
    ui.Label7->setText(QStringLiteral("Всего записей: ") + QString::number(count));
    ui.Label7->adjustSize();
    // An export of no records would only write an empty file.
    ui.N17->setEnabled(count > 0);
}

void TForm1::ShowRecord() {
    const store::ContactRecord& record = m_state.buffer;
    ui.fio->setText(record.field(store::ContactField::FullName));
    ui.adres->setText(record.field(store::ContactField::Address));
    ui.tel->setText(record.field(store::ContactField::Telephone));
    ui.rabota->setText(record.field(store::ContactField::Workplace));
    ui.email->setText(record.field(store::ContactField::Email));

    const QString photo = record.field(store::ContactField::PhotoPath);
    // A photo whose file is gone shows nothing, like no photo: the picture of the record
    // shown before must not pass for this one's.
    if (photo.isEmpty() || !QFile::exists(photo)) {
        ui.Image1->setPixmap(QPixmap());
    } else {
        setPhotoPanelText(photo);
        // A damaged picture is reported, but the record, its number and the navigation
        // still come up: otherwise one bad photo would leave the window stuck on it.
        try {
            showPhoto(photo);
        } catch (const photos::PictureError& error) {
            ui.Image1->setPixmap(QPixmap());
            platform::showError(QString::fromUtf8(error.what()));
        }
    }

    setRecordNumberLabel(m_state.index + 1);
    updateBaseSize();

    const int32_t i = m_state.index;
    if (i == 0) {
        ui.first->setEnabled(false);
        ui.previous->setEnabled(false);
        ui.last->setEnabled(true);
        ui.next->setEnabled(true);
    }
    if (i == m_state.file.count() - 1) {
        ui.last->setEnabled(false);
        ui.next->setEnabled(false);
        ui.first->setEnabled(true);
        ui.previous->setEnabled(true);
    }
    if (i != 0 && i != m_state.file.count() - 1) {
        for (TsuiButton* b : {ui.first, ui.previous, ui.next, ui.last})
            b->setEnabled(true);
    }
    if (m_state.file.count() >= 1) {
        ui.suiButton3->setEnabled(true);
        ui.suiButton4->setEnabled(true);
    }
}

void TForm1::showPhoto(const QString& path) {
    const photos::Picture picture = photos::loadJpegFile(path, ui.Image1->size());
    ui.Image1->setPixmap(QPixmap::fromImage(photos::fitPhoto(picture, ui.Image1->size())));
}

void TForm1::updateBaseSize() {
    // The size is measured on a copy of the data file; a failed copy is ignored and then
    // measures whatever copy is there, or -1 bytes. A copy that already matches the
    // unchanged data file is not made again, so browsing a large base stays quick.
    const QString original = platform::BaseFolder::filePath(kDataFileName);
    const QString copy = platform::BaseFolder::filePath(kSizeCopyName);
    const uint64_t modification = m_state.file.modificationCount();
    if (modification != m_copiedModification || !sameSize(original, copy)) {
        // Through a temporary file renamed over the copy: a link named Baza1.dat is
        // replaced, never written through, and a failed copy leaves no piece behind.
        const std::error_code failed =
            store::replaceWithCopy(original, copy, store::CopyDurability::Scratch);
        m_copiedModification = failed ? kNoCopy : modification;
    }
    ui.Label10->setText(app::baseSizeText(app::GetFileSizeBytes(copy)));
    ui.Label10->adjustSize();
}

void TForm1::ClearRecordView() {
    for (QLineEdit* edit : {ui.fio, ui.adres, ui.tel, ui.rabota, ui.email})
        edit->clear();
    ui.Image1->setEnabled(true);
    ui.Image1->setPixmap(QPixmap());
    ui.suiButton3->setEnabled(false);
    ui.suiButton4->setEnabled(false);
    ui.suiButton5->setEnabled(true);
}

void TForm1::SetRussianKeyboard() {
    platform::activateRussianKeyboard();
}

QString TForm1::photoPanelText() const {
    return ui.suiStatusBar1->panelText(0);
}

void TForm1::setPhotoPanelText(const QString& text) {
    ui.suiStatusBar1->setPanelText(0, text);
}

void TForm1::showInputHint(const QString& hint) {
    if (m_inputHint.isEmpty() || photoPanelText() != m_inputHint)
        m_panelBeforeHint = photoPanelText();
    m_inputHint = hint;
    setPhotoPanelText(hint);
    if (!m_hintTimer) {
        m_hintTimer = new QTimer(this);
        m_hintTimer->setSingleShot(true);
        m_hintTimer->setInterval(kInputHintMs);
        connect(m_hintTimer, &QTimer::timeout, this, [this] {
            if (photoPanelText() == m_inputHint)
                setPhotoPanelText(m_panelBeforeHint);
            m_inputHint.clear();
        });
    }
    m_hintTimer->start();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == ui.suiComboBox1 || watched == ui.suiComboBox1->lineEdit()))
        return suiComboBox1KeyDown(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyPress) {
        editKeyDown();
        if (watched == ui.fio) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape)
                fioKeyPress(QChar(27));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    // Queued, so the window is on screen before any modal dialog of the handler opens.
    QTimer::singleShot(0, this, [this] { guarded([this] { FormShow(); }); });
}

void TForm1::editKeyDown() {
    ui.suiButton2->setEnabled(m_state.file.isOpen() && !m_state.file.isReadOnly());
}

void TForm1::fioKeyPress(QChar key) {
    if (key != QChar(27))
        return;
    guarded([this] { cancelNewEntry(); });
}

void TForm1::cancelNewEntry() {
    showRecordAt(0);
    m_state.enteringNew = false;
    ui.next->setEnabled(true);
    ui.last->setEnabled(true);
    ui.save->setEnabled(false);
    ui.new_->setEnabled(true);
}

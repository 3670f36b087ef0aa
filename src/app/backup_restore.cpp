// The "Файл" menu: backup of the data file, restore from the backup or from a located
// file, clearing the base, and exit.
#include "app/main_window.h"

#include "app/control_enabling.h"
#include "app/notice.h"
#include "platform/base_folder.h"
#include "platform/file_chooser.h"
#include "platform/message_boxes.h"
#include "platform/system_error_text.h"
#include "store/backup_files.h"
#include "store/record_order.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

void TForm1::N4Click() {
    m_state.file.sync();
    switch (store::createBackup(platform::BaseFolder::path())) {
    case store::BackupOutcome::Created:
        platform::showMessage(QStringLiteral("Резервная копия базы была успешно создана"));
        break;
    case store::BackupOutcome::NotReplaced:
        platform::showMessage(QStringLiteral("Резервная копия базы несоздана!"));
        break;
    case store::BackupOutcome::NotCreated:
        platform::showMessage(QStringLiteral("Резервная копия базы не создана!"));
        break;
    }
}

QFileDialog* TForm1::openDialog1() {
    if (!ui.OpenDialog1) {
        ui.OpenDialog1 = new QFileDialog(this);
        ui.OpenDialog1->setObjectName("OpenDialog1");
        ui.OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        ui.OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        ui.OpenDialog1->setNameFilter(QStringLiteral("Файл базы (Baza.dat)"));
    }
    return ui.OpenDialog1;
}

void TForm1::N3Click() {
    const QString base = platform::BaseFolder::path();
    if (!QFileInfo::exists(store::backupFilePath(base))) {
        platform::showMessage(QStringLiteral("Не могу найти файл, укажите его расположение"));
        const QString located = platform::chosenPath(openDialog1());
        if (!located.isEmpty())
            OpenDialog1CanClose(located);
        return;
    }
    if (m_state.file.isOpen())
        m_state.file.close();
    reopenAfterRestore(store::restoreFromBackup(base));
}

void TForm1::OpenDialog1CanClose(const QString& located) {
    if (m_state.file.isOpen())
        m_state.file.close();
    reopenAfterRestore(store::restoreFromLocatedFile(located, platform::BaseFolder::path()));
}

void TForm1::reopenAfterRestore(const std::error_code& copyError) {
    // A restore starts afresh: an entry under way ends, and an empty base leaves nothing
    // on show.
    m_state.enteringNew = false;
    ui.save->setEnabled(false);
    ui.new_->setEnabled(true);
    OpenDataFile();
    if (m_state.file.count() == 0) {
        ClearRecordView();
        app::setControlsEnabled({ui.delete_, ui.search, ui.first, ui.previous, ui.next, ui.last},
                                false);
    }
    if (copyError)
        platform::showError(app::kRestoreFailed.arg(platform::systemErrorText(copyError)));
    else
        platform::showMessage(QStringLiteral("Резервная копия базы восстановлена"));
}

void TForm1::N5Click() {
    if (!platform::confirm(QStringLiteral(
            "Вы действительно хотите очистить базу? Восстановить данные будет невозможно.")))
        return;
    m_state.index = 0;
    store::removeAllRecords(m_state.file);
    m_state.enteringNew = false;
    ClearRecordView();
    setRecordCountLabel(m_state.file.count());
    setRecordNumberLabel(0);
    app::setControlsEnabled({ui.first, ui.previous, ui.next, ui.last}, false);
    platform::showMessage(QStringLiteral("Все записи были успешно удалены"));
    app::setControlsEnabled({ui.save, ui.delete_, ui.search}, false);
    // Clearing during an entry must leave a way to enter records again.
    ui.new_->setEnabled(true);
    QFile::remove(platform::BaseFolder::filePath(QStringLiteral("Baza1.dat")));
    ui.Label10->setText(QStringLiteral("0 Kb"));
    ui.Label10->adjustSize();
}

void TForm1::N6Click() {
    // After a failed reopen there is no file to close, and the program must still end.
    if (m_state.file.isOpen())
        m_state.file.close();
    close();
}

// New, save, change and delete of the record on show.
#include "app/main_window.h"

#include "app/control_enabling.h"
#include "app/notice.h"
#include "platform/message_boxes.h"
#include "store/data_file_error.h"
#include "store/record_order.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

store::ContactRecord TForm1::recordFromWindow(const QString& photoPath) const {
    // A fresh record: the bytes after each text are zeros, not remains of other records.
    store::ContactRecord record;
    record.store(store::ContactField::FullName, ui.fio->text());
    record.store(store::ContactField::Address, ui.adres->text());
    record.store(store::ContactField::Telephone, ui.tel->text());
    record.store(store::ContactField::Workplace, ui.rabota->text());
    record.store(store::ContactField::Email, ui.email->text());
    record.store(store::ContactField::PhotoPath, photoPath);
    return record;
}

void TForm1::showRecordAt(int32_t k) {
    // Past the last whole record is an ordinary end of the list; a record cut short is
    // damage, and the read below reports it.
    const int32_t count = m_state.file.count();
    if (k > count || (k == count && !m_state.file.endsInPartialRecord()))
        throw app::Notice(count == 0 ? app::kNoRecords : app::kNoMoreRecords);
    store::ContactRecord record;
    m_state.file.seek(k);
    m_state.file.read(record);
    m_state.buffer = record;
    m_state.index = k;
    ShowRecord();
}

namespace {

// The index while the record last read is gone from the file.
constexpr int32_t kNothingOnShow = -1;

} // namespace

void TForm1::keepIndexIfStillOnShow(int32_t index) {
    store::ContactRecord there;
    bool read = false;
    try {
        m_state.file.seek(index);
        m_state.file.read(there);
        read = true;
    } catch (const store::DataFileError&) {
    }
    m_state.index = read && there.bytes() == m_state.buffer.bytes() ? index : kNothingOnShow;
}

bool TForm1::hasRecordOnShow() {
    return !m_state.enteringNew && m_state.index >= 0 && m_state.index < m_state.file.count();
}

void TForm1::newClick() {
    ClearRecordView();
    ui.Label9->clear();
    ui.fio->setFocus();
    m_state.enteringNew = true;
    m_state.index = m_state.file.count();
    m_state.file.seek(m_state.index);
    app::setControlsEnabled(
        {ui.first, ui.previous, ui.next, ui.last, ui.delete_, ui.search, ui.new_}, false);
    // A search left open would show a stored record while the new one is entered.
    app::setControlsEnabled({ui.ToolButton1, ui.suiComboBox1}, false);
    ui.save->setEnabled(true);
}

void TForm1::saveClick() {
    if (!m_state.enteringNew)
        return;
    store::appendRecord(m_state.file, recordFromWindow(ui.Label9->text()));
    m_state.enteringNew = false;
    app::setControlsEnabled({ui.Image1, ui.first, ui.last, ui.next, ui.save}, false);
    app::setControlsEnabled({ui.delete_, ui.new_, ui.search}, true);

    showRecordAt(0);
    const int32_t count = m_state.file.count();
    if (count >= 2)
        app::setControlsEnabled({ui.next, ui.last}, true);
    else
        app::setControlsEnabled({ui.first, ui.previous, ui.next, ui.last, ui.search}, false);
    setRecordCountLabel(count);
    app::setControlsEnabled({ui.suiButton2, ui.suiButton5}, false);
    app::setControlsEnabled({ui.suiButton3, ui.suiButton4}, true);
}

void TForm1::suiButton2Click() {
    if (m_state.enteringNew) {
        // Nothing stored is on show yet: the entry is stored as "Сохранить" stores it.
        saveClick();
        return;
    }
    if (!hasRecordOnShow()) {
        ui.suiButton2->setEnabled(false);
        return;
    }
    const int32_t count = m_state.file.count();
    const int32_t i = m_state.index;
    try {
        store::moveChangedRecordToEnd(
            m_state.file, i,
            recordFromWindow(m_state.buffer.field(store::ContactField::PhotoPath)));
    } catch (const store::DataFileError&) {
        keepIndexIfStillOnShow(i);
        throw;
    }
    showFirstAfterChange(count);
}

void TForm1::showFirstAfterChange(int32_t count) {
    // The old index now names another record: none counts as on show until one is read.
    m_state.index = kNothingOnShow;
    // With two records the change has always passed through a file of one record, which
    // turns "Поиск" off; the other buttons are set again by the display of record 1.
    if (count == 2)
        ui.search->setEnabled(false);
    setRecordCountLabel(count);
    showRecordAt(0);
    ui.suiButton2->setEnabled(false);
}

void TForm1::deleteClick() {
    if (!hasRecordOnShow())
        return;
    if (platform::confirm(QStringLiteral("Удалить запись?"))) {
        const QString photo = m_state.buffer.field(store::ContactField::PhotoPath);
        const int32_t count = m_state.file.count();
        int32_t i = m_state.index;
        try {
            store::RemoveRecordAt(m_state.file, i);
        } catch (const store::DataFileError&) {
            keepIndexIfStillOnShow(i);
            throw;
        }
        // Only now that the record is gone for good may its photo go (a kill never leaves
        // a contact whose photo is missing), and only when no other record names it.
        deletePhotoFile(photo);
        m_state.index = kNothingOnShow;
        if (i == count - 1) {
            app::setControlsEnabled({ui.next, ui.last}, false);
            if (i == 0) {
                m_state.index = 0;
                app::setControlsEnabled({ui.save, ui.search, ui.delete_}, false);
                setRecordNumberLabel(0);
                setRecordCountLabel(0);
                platform::showMessage(QStringLiteral("Вы удалили последнюю запись."));
                ClearRecordView();
                return;
            }
            --i;
        }
        showRecordAt(i);
        setRecordCountLabel(m_state.file.count());
    }
    showRecordAt(0);
    if (m_state.file.count() >= 2) {
        app::setControlsEnabled({ui.first, ui.previous}, false);
        app::setControlsEnabled({ui.last, ui.next}, true);
    } else {
        app::setControlsEnabled({ui.first, ui.previous, ui.next, ui.last, ui.search}, false);
    }
}

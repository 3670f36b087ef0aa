// "Поиск" fills the search box with every full name; "Найти" (or Enter in the box) shows
// the first record, in file order, whose full name is the box's text.
#include "app/main_window.h"

#include "app/control_enabling.h"
#include "app/notice.h"
#include "store/codec1251.h"
#include "store/full_name_search.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QToolButton>

void TForm1::searchClick() {
    ui.suiComboBox1->setEnabled(true);
    ui.suiComboBox1->clear();
    ui.suiComboBox1->clearEditText();
    const QStringList names = store::readFullNames(m_state.file);
    if (names.isEmpty())
        throw app::Notice(app::kNoRecords);
    m_searchList->setStringList(store::sortedForSearchList(names));
    ui.ToolButton1->setEnabled(true);
    ui.suiComboBox1->setFocus();
    ui.suiComboBox1->setCurrentIndex(0);
    ui.suiComboBox1->setEditText(ui.suiComboBox1->itemText(0));
    // As when a box is entered: the text is selected, so typing replaces it.
    ui.suiComboBox1->lineEdit()->selectAll();
}

void TForm1::ToolButton1Click() {
    const std::optional<int32_t> found =
        store::findFullName(m_state.file, ui.suiComboBox1->currentText());
    // No match: the record on show stays.
    if (!found)
        throw app::Notice(app::kContactNotFound);
    showRecordAt(*found);
    app::setControlsEnabled({ui.ToolButton1, ui.suiComboBox1}, false);
    ui.suiComboBox1->setEditText(QString());
}

QChar TForm1::suiComboBox1KeyPress(QChar typed) {
    if (!store::inCodePage1251(typed))
        return typed;
    return store::decode1251(store::UpperCase1251(store::encode1251(QString(typed)))).at(0);
}

bool TForm1::suiComboBox1KeyDown(QKeyEvent* event) {
    if (m_retypingSearchKey)
        return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        guarded([this] { ToolButton1Click(); });
        return true;
    }
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // The box receives the upper-cased character in place of the typed one, then the
    // text typed so far is completed from the list.
    QKeyEvent upper(event->type(), event->key(), event->modifiers(),
                    QString(suiComboBox1KeyPress(text.at(0))), event->isAutoRepeat());
    m_retypingSearchKey = true;
    QCoreApplication::sendEvent(ui.suiComboBox1->lineEdit(), &upper);
    m_retypingSearchKey = false;
    completeSearchText();
    return true;
}

void TForm1::completeSearchText() {
    QLineEdit* line = ui.suiComboBox1->lineEdit();
    const QString typed = line->text();
    if (typed.isEmpty() || line->cursorPosition() != typed.size())
        return;
    for (int row = 0; row < ui.suiComboBox1->count(); ++row) {
        const QString entry = ui.suiComboBox1->itemText(row);
        if (!entry.startsWith(typed, Qt::CaseInsensitive))
            continue;
        // The entry becomes the selected item; the text keeps what was typed and gets the
        // rest of the entry, selected, so the next character replaces it.
        const QSignalBlocker quiet(ui.suiComboBox1);
        ui.suiComboBox1->setCurrentIndex(row);
        line->setText(typed + entry.mid(typed.size()));
        line->setSelection(typed.size(), entry.size() - typed.size());
        return;
    }
}

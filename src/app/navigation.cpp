// First, previous, next and last record. A read that fails leaves the record on show
// (and its index) where they were.
#include "app/main_window.h"

#include "app/control_enabling.h"

#include <QPushButton>

void TForm1::firstClick() {
    app::setControlsEnabled({ui.next, ui.last}, true);
    showRecordAt(0);
    app::setControlsEnabled({ui.previous, ui.first}, false);
}

void TForm1::previousClick() {
    app::setControlsEnabled({ui.next, ui.last}, true);
    showRecordAt(m_state.index > 0 ? m_state.index - 1 : m_state.index);
    if (m_state.index == 0)
        app::setControlsEnabled({ui.previous, ui.first}, false);
}

void TForm1::nextClick() {
    app::setControlsEnabled({ui.previous, ui.first}, true);
    if (m_state.index == m_state.file.count() - 2)
        app::setControlsEnabled({ui.next, ui.last}, false);
    showRecordAt(m_state.index + 1);
}

void TForm1::lastClick() {
    app::setControlsEnabled({ui.previous, ui.first}, true);
    app::setControlsEnabled({ui.last, ui.next}, false);
    showRecordAt(m_state.file.count() - 1);
}

// First, previous, next and last record. A read that fails leaves the record on show
// (and its index) where they were.
#include "app/main_window.h"

#include "app/control_enabling.h"

#include <QPushButton>

void TForm1::firstClick() {
    setControlsEnabled({next, last}, true);
    showRecordAt(0);
    setControlsEnabled({previous, first}, false);
}

void TForm1::previousClick() {
    setControlsEnabled({next, last}, true);
    showRecordAt(m_state.index > 0 ? m_state.index - 1 : m_state.index);
    if (m_state.index == 0)
        setControlsEnabled({previous, first}, false);
}

void TForm1::nextClick() {
    setControlsEnabled({previous, first}, true);
    if (m_state.index == m_state.file.count() - 2)
        setControlsEnabled({next, last}, false);
    showRecordAt(m_state.index + 1);
}

void TForm1::lastClick() {
    setControlsEnabled({previous, first}, true);
    setControlsEnabled({last, next}, false);
    showRecordAt(m_state.file.count() - 1);
}

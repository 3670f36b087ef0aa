// The "Файл" menu's ways for contacts in and out of the base.
#include "app/export_window.h"
#include "app/main_window.h"

void TForm1::N17Click() {
    app::ExportWindow window(m_state.file, this);
    window.exec();
}

// The About button and "Отправить письмо" of the main window.
#include "app/about_window.h"
#include "app/main_window.h"
#include "platform/desktop_open.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

void TForm1::setAboutWindow(TForm4* form) {
    m_form4 = form;
    ui.suiThemeManager1->linkWindow(form);
}

TForm4* TForm1::aboutWindow() {
    if (!m_form4)
        setAboutWindow(new TForm4(this));
    return m_form4;
}

void TForm1::ToolButton5Click() {
    aboutWindow()->exec();
}

// The address on screen, saved or not, exactly as typed.
void TForm1::suiButton1Click() {
    platform::openUrl(QUrl(QStringLiteral("mailto:") + ui.email->text()));
}

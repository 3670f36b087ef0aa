#include "app/about_window.h"

#include "skin/frame/sui_form.h"
#include "skin/frame/window_skin.h"

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("О программе"));
    setMinimumWidth(150);
    resize(213, 286);
    suiForm1 = SkinWindow(this, {TsuiTitleBarBtnType::suiClose});
}

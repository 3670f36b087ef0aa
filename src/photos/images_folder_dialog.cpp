#include "photos/images_folder_dialog.h"

#include "skin/frame/sui_form.h"
#include "skin/frame/window_skin.h"

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("Путь"));
    setMinimumWidth(150);
    resize(453, 152);
    suiForm1 = SkinWindow(this, {TsuiTitleBarBtnType::suiClose});
}

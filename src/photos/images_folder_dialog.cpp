#include "photos/images_folder_dialog.h"

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("Путь"));
    setMinimumWidth(150);
    resize(453, 152);
}

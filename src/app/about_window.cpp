#include "app/about_window.h"

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setObjectName("Form4");
    setWindowTitle(QStringLiteral("О программе"));
    setMinimumWidth(150);
    resize(213, 286);
}

#include "app/report_grid_window.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Form2"));
}

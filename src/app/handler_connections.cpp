// Wires every handler of the main window to its control.
#include "app/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

void TForm1::connectHandlers() {
    connectGuarded(new_, &QToolButton::clicked, &TForm1::newClick);
    connectGuarded(save, &QToolButton::clicked, &TForm1::saveClick);
    connectGuarded(delete_, &QToolButton::clicked, &TForm1::deleteClick);
    connectGuarded(suiButton2, &QPushButton::clicked, &TForm1::suiButton2Click);
    connectGuarded(first, &QPushButton::clicked, &TForm1::firstClick);
    connectGuarded(previous, &QPushButton::clicked, &TForm1::previousClick);
    connectGuarded(next, &QPushButton::clicked, &TForm1::nextClick);
    connectGuarded(last, &QPushButton::clicked, &TForm1::lastClick);
    connectGuarded(search, &QToolButton::clicked, &TForm1::searchClick);
    connectGuarded(ToolButton1, &QToolButton::clicked, &TForm1::ToolButton1Click);
    connectGuarded(N3, &QAction::triggered, &TForm1::N3Click);
    connectGuarded(N4, &QAction::triggered, &TForm1::N4Click);
    connectGuarded(N5, &QAction::triggered, &TForm1::N5Click);
    connectGuarded(N6, &QAction::triggered, &TForm1::N6Click);

    connectGuarded(print, &QToolButton::clicked, &TForm1::printClick);
    connectGuarded(ToolButton5, &QToolButton::clicked, &TForm1::ToolButton5Click);
    connectGuarded(suiButton1, &QPushButton::clicked, &TForm1::suiButton1Click);

    connectGuarded(N15, &QAction::triggered, &TForm1::N15Click);
    connectGuarded(suiButton5, &QPushButton::clicked, &TForm1::suiButton5Click);
    connectGuarded(suiButton3, &QPushButton::clicked, &TForm1::suiButton3Click);
    connectGuarded(suiButton4, &QPushButton::clicked, &TForm1::suiButton4Click);
    connectGuarded(Image1, &PhotoBox::clicked, &TForm1::Image1Click);
    connectGuarded(Button1, &QPushButton::clicked, &TForm1::Button1Click);

    // The search box completes by itself (completeSearchText), after upper-casing.
    suiComboBox1->setCompleter(nullptr);
    suiComboBox1->installEventFilter(this);
    suiComboBox1->lineEdit()->installEventFilter(this);
}

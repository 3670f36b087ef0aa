// Wires the record operations to the main window's controls.
#include "app/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

void TForm1::connectRecordHandlers() {
    // Every handler runs inside the guard, which reports a failure and ends the handler.
    auto wire = [this](auto* control, auto signal, void (TForm1::*handler)()) {
        connect(control, signal, this,
                [this, handler] { guarded([=, this] { (this->*handler)(); }); });
    };
    wire(new_, &QToolButton::clicked, &TForm1::newClick);
    wire(save, &QToolButton::clicked, &TForm1::saveClick);
    wire(delete_, &QToolButton::clicked, &TForm1::deleteClick);
    wire(suiButton2, &QPushButton::clicked, &TForm1::suiButton2Click);
    wire(first, &QPushButton::clicked, &TForm1::firstClick);
    wire(previous, &QPushButton::clicked, &TForm1::previousClick);
    wire(next, &QPushButton::clicked, &TForm1::nextClick);
    wire(last, &QPushButton::clicked, &TForm1::lastClick);
    wire(search, &QToolButton::clicked, &TForm1::searchClick);
    wire(ToolButton1, &QToolButton::clicked, &TForm1::ToolButton1Click);
    wire(N3, &QAction::triggered, &TForm1::N3Click);
    wire(N4, &QAction::triggered, &TForm1::N4Click);
    wire(N5, &QAction::triggered, &TForm1::N5Click);
    wire(N6, &QAction::triggered, &TForm1::N6Click);

    // The search box completes by itself (completeSearchText), after upper-casing.
    suiComboBox1->setCompleter(nullptr);
    suiComboBox1->installEventFilter(this);
    suiComboBox1->lineEdit()->installEventFilter(this);
}

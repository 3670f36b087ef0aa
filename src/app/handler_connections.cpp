// Wires every handler of the main window to its control.
#include "app/main_window.h"

#include "app/contact_text_validator.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

void TForm1::connectHandlers() {
    connectGuarded(ui.new_, &QToolButton::clicked, &TForm1::newClick);
    connectGuarded(ui.save, &QToolButton::clicked, &TForm1::saveClick);
    connectGuarded(ui.delete_, &QToolButton::clicked, &TForm1::deleteClick);
    connectGuarded(ui.suiButton2, &QPushButton::clicked, &TForm1::suiButton2Click);
    connectGuarded(ui.first, &QPushButton::clicked, &TForm1::firstClick);
    connectGuarded(ui.previous, &QPushButton::clicked, &TForm1::previousClick);
    connectGuarded(ui.next, &QPushButton::clicked, &TForm1::nextClick);
    connectGuarded(ui.last, &QPushButton::clicked, &TForm1::lastClick);
    connectGuarded(ui.search, &QToolButton::clicked, &TForm1::searchClick);
    connectGuarded(ui.ToolButton1, &QToolButton::clicked, &TForm1::ToolButton1Click);
    connectGuarded(ui.N3, &QAction::triggered, &TForm1::N3Click);
    connectGuarded(ui.N4, &QAction::triggered, &TForm1::N4Click);
    connectGuarded(ui.N5, &QAction::triggered, &TForm1::N5Click);
    connectGuarded(ui.N6, &QAction::triggered, &TForm1::N6Click);
    connectGuarded(ui.N16, &QAction::triggered, &TForm1::N16Click);
    connectGuarded(ui.N17, &QAction::triggered, &TForm1::N17Click);

    connectGuarded(ui.print, &QToolButton::clicked, &TForm1::printClick);
    connectGuarded(ui.ToolButton5, &QToolButton::clicked, &TForm1::ToolButton5Click);
    connectGuarded(ui.suiButton1, &QPushButton::clicked, &TForm1::suiButton1Click);

    connectGuarded(ui.N15, &QAction::triggered, &TForm1::N15Click);
    connectGuarded(ui.suiButton5, &QPushButton::clicked, &TForm1::suiButton5Click);
    connectGuarded(ui.suiButton3, &QPushButton::clicked, &TForm1::suiButton3Click);
    connectGuarded(ui.suiButton4, &QPushButton::clicked, &TForm1::suiButton4Click);
    connectGuarded(ui.Image1, &photos::PhotoBox::clicked, &TForm1::Image1Click);
    connectGuarded(ui.Button1, &QPushButton::clicked, &TForm1::Button1Click);

    // Text a box refuses is explained in the status bar.
    for (QLineEdit* box : {ui.fio, ui.adres, ui.tel, ui.rabota, ui.email}) {
        connect(box, &QLineEdit::inputRejected, this, [this, box] {
            if (const auto* rule = qobject_cast<const app::ContactTextValidator*>(box->validator()))
                showInputHint(rule->lastRefusal());
        });
    }

    // The search box completes by itself (completeSearchText), after upper-casing.
    ui.suiComboBox1->setCompleter(nullptr);
    ui.suiComboBox1->installEventFilter(this);
    ui.suiComboBox1->lineEdit()->installEventFilter(this);
}

#pragma once

#include <QDialog>

class TsuiForm;

// The About window, created at start and shown modally from the main window's toolbar.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);

    TsuiForm* suiForm1 = nullptr;
};

#pragma once

#include <QDialog>

class TsuiForm;

// The images-folder dialog: where the contacts' photos are kept.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    TsuiForm* suiForm1 = nullptr;
};

#pragma once

#include <QDialog>

// The images-folder dialog: where the contacts' photos are kept.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
};

#pragma once

#include <QWidget>

// A window that is never shown; its grid stages the rows of the spreadsheet report.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
};

#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class TStringGrid;

// A window that is never shown; its grid stages the rows of the spreadsheet report.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kGridColumns = 5;
    static constexpr int kRowHeight = 15;

    explicit TForm2(QWidget* parent = nullptr);

    // The controls, by their names.
    struct Controls {
        // Five columns, no header row or column, rows 15 pixels high.
        TStringGrid* StringGrid1 = nullptr;
        // Present on the window; the report does not use them.
        QPushButton* Button1 = nullptr;
        QPlainTextEdit* Memo1 = nullptr;
    };
    Controls ui;
};

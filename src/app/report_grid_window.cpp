#include "app/report_grid_window.h"

#include "report/string_grid.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Form2"));

    StringGrid1 = new TStringGrid(kGridColumns, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    // The style's minimum row height would otherwise win over the grid's own.
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    Button1 = new QPushButton(QStringLiteral("Button1"), this);
    Button1->setObjectName("Button1");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
}

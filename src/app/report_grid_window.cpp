#include "app/report_grid_window.h"

#include "report/string_grid.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Form2"));

    ui.StringGrid1 = new TStringGrid(kGridColumns, this);
    ui.StringGrid1->setObjectName("StringGrid1");
    ui.StringGrid1->horizontalHeader()->hide();
    ui.StringGrid1->verticalHeader()->hide();
    // The style's minimum row height would otherwise win over the grid's own.
    ui.StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    ui.StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    ui.StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    ui.Button1 = new QPushButton(QStringLiteral("Button1"), this);
    ui.Button1->setObjectName("Button1");
    ui.Memo1 = new QPlainTextEdit(this);
    ui.Memo1->setObjectName("Memo1");
}

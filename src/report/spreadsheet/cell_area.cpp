#include "report/spreadsheet/cell_area.h"

#include "report/automation/automation_error.h"

#include <algorithm>

namespace spreadsheet {
namespace {

AutomationError badReference(const QString& reference) {
    return AutomationError(QStringLiteral("Method 'Range' failed: '%1' is not a cell of the sheet "
                                          "(a sheet holds %2 rows and %3 columns).")
                               .arg(reference)
                               .arg(kMaxRows)
                               .arg(kMaxColumns));
}

// One cell reference: optional '$', 1 to 2 letters, optional '$', 1 to 5 digits.
bool parseCell(QStringView text, int& row, int& column) {
    qsizetype i = 0;
    auto skipDollar = [&] {
        if (i < text.size() && text[i] == u'$')
            ++i;
    };
    skipDollar();
    column = 0;
    const qsizetype lettersStart = i;
    while (i < text.size() && text[i].isLetter() && text[i].unicode() < 128) {
        column = column * 26 + (text[i].toUpper().unicode() - 'A' + 1);
        ++i;
        if (i - lettersStart > 2)
            return false;
    }
    if (i == lettersStart)
        return false;
    skipDollar();
    const qsizetype digitsStart = i;
    row = 0;
    while (i < text.size() && text[i].unicode() >= '0' && text[i].unicode() <= '9') {
        row = row * 10 + (text[i].unicode() - '0');
        ++i;
        if (i - digitsStart > 5)
            return false;
    }
    if (i == digitsStart || i != text.size())
        return false;
    --row;
    --column;
    return row >= 0 && row < kMaxRows && column >= 0 && column < kMaxColumns;
}

} // namespace

bool CellArea::intersects(const CellArea& other) const {
    return firstRow <= other.lastRow && other.firstRow <= lastRow &&
           firstColumn <= other.lastColumn && other.firstColumn <= lastColumn;
}

CellArea CellArea::united(const CellArea& other) const {
    return {std::min(firstRow, other.firstRow), std::max(lastRow, other.lastRow),
            std::min(firstColumn, other.firstColumn), std::max(lastColumn, other.lastColumn)};
}

CellArea parseCellArea(const QString& reference) {
    const QStringView text(reference);
    const qsizetype colon = text.indexOf(u':');
    int row1 = 0, column1 = 0, row2 = 0, column2 = 0;
    if (colon < 0) {
        if (!parseCell(text.trimmed(), row1, column1))
            throw badReference(reference);
        return {row1, row1, column1, column1};
    }
    if (!parseCell(text.left(colon).trimmed(), row1, column1) ||
        !parseCell(text.mid(colon + 1).trimmed(), row2, column2))
        throw badReference(reference);
    return CellArea{row1, row1, column1, column1}.united({row2, row2, column2, column2});
}

QString cellReference(int row, int column) {
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar('A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}

} // namespace spreadsheet

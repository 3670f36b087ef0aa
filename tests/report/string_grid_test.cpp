// The report's staging grid: cells addressed column first in one flat store, the model its
// view reads, the signals that view hears, and the texts handed on to the workbook.
#include "report/automation/object_registry.h"
#include "report/report_workbook.h"
#include "report/spreadsheet/application_object.h"
#include "report/string_grid.h"
#include "support/report_fixture.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace automation;

namespace {

QString label(int column, int row) {
    return QStringLiteral("c%1r%2").arg(column).arg(row);
}

// Every cell of the first `rows` rows labelled with its own column and row.
void label(TStringGrid& grid, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            grid.setCells(c, r, label(c, r));
}

void expectLabelled(const TStringGrid& grid, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            EXPECT_EQ(grid.Cells(c, r), label(c, r)) << c << "," << r;
}

void expectEmptyRows(const TStringGrid& grid, int first, int last) {
    for (int r = first; r <= last; ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            EXPECT_TRUE(grid.Cells(c, r).isEmpty()) << c << "," << r;
}

TEST(StringGrid, RowCountGrowsAndShrinksAtTheEnd) {
    TStringGrid grid(3);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.columnCount(), 3);
    grid.setRowCount(2);
    label(grid, 2);

    grid.setRowCount(5);
    EXPECT_EQ(grid.rowCount(), 5);
    expectLabelled(grid, 2);
    expectEmptyRows(grid, 2, 4);

    // Dropped rows come back empty, not with their old texts.
    grid.setRowCount(1);
    EXPECT_EQ(grid.rowCount(), 1);
    expectLabelled(grid, 1);
    EXPECT_TRUE(grid.Cells(0, 1).isEmpty());
    grid.setRowCount(3);
    expectLabelled(grid, 1);
    expectEmptyRows(grid, 1, 2);

    grid.setRowCount(-1);
    EXPECT_EQ(grid.rowCount(), 3);
    expectLabelled(grid, 1);
}

TEST(StringGrid, ClearContentsEmptiesEveryCellAndKeepsTheSize) {
    TStringGrid grid(5);
    grid.setRowCount(4);
    label(grid, 4);
    grid.clearContents();
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.columnCount(), 5);
    expectEmptyRows(grid, 0, 3);
    grid.setCells(4, 3, "again");
    EXPECT_EQ(grid.Cells(4, 3), "again");
}

TEST(StringGrid, OutsideTheGridReadsEmptyAndWritesNothing) {
    TStringGrid empty(2);
    EXPECT_TRUE(empty.Cells(0, 0).isEmpty());
    empty.setCells(0, 0, "x");
    EXPECT_EQ(empty.rowCount(), 0);

    TStringGrid grid(3);
    grid.setRowCount(2);
    label(grid, 2);
    // Column 3 of row 0 would be column 0 of row 1 in the flat store; row 2 lies just past it.
    const int outside[][2] = {{3, 0}, {-1, 1}, {0, 2}, {0, -1}, {1000, 1000}};
    for (const auto& cell : outside) {
        EXPECT_TRUE(grid.Cells(cell[0], cell[1]).isEmpty()) << cell[0] << "," << cell[1];
        grid.setCells(cell[0], cell[1], "written outside");
    }
    EXPECT_EQ(grid.rowCount(), 2);
    expectLabelled(grid, 2);
}

TEST(StringGrid, ModelShowsTheSameCells) {
    TStringGrid grid(2);
    grid.setRowCount(3);
    label(grid, 3);
    grid.setCells(1, 2, QString());
    const QAbstractItemModel& model = *grid.model();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 2);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) {
            const QModelIndex index = model.index(r, c);
            EXPECT_EQ(model.data(index, Qt::DisplayRole).toString(), grid.Cells(c, r));
            EXPECT_EQ(model.data(index, Qt::EditRole).toString(), grid.Cells(c, r));
            EXPECT_FALSE(model.data(index, Qt::ToolTipRole).isValid());
            // A table has no rows below its cells.
            EXPECT_EQ(model.rowCount(index), 0);
            EXPECT_EQ(model.columnCount(index), 0);
        }
    }
    EXPECT_FALSE(model.index(3, 0).isValid());
    EXPECT_FALSE(model.data(QModelIndex()).isValid());
}

TEST(StringGrid, TheViewHearsOfEachWriteOrOfABatchOnce) {
    TStringGrid grid(3);
    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(grid.model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    grid.setRowCount(4);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 3);

    grid.setCells(2, 1, "one");
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), grid.model()->index(1, 2));
    EXPECT_EQ(changed[0][1].toModelIndex(), grid.model()->index(1, 2));
    grid.setCells(3, 1, "outside");
    EXPECT_EQ(changed.size(), 1);
    changed.clear();

    {
        const TStringGrid::Batch outer(grid);
        {
            const TStringGrid::Batch inner(grid);
            grid.clearContents();
            label(grid, 4);
        }
        grid.setRowCount(2);
        EXPECT_EQ(changed.size(), 0);
    }
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), grid.model()->index(0, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), grid.model()->index(1, 2));
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 2);
    EXPECT_EQ(removed[0][2].toInt(), 3);

    // A batch without writes, or whose rows are all gone by its end, tells nothing.
    { const TStringGrid::Batch idle(grid); }
    {
        const TStringGrid::Batch emptied(grid);
        grid.setCells(0, 0, "dropped");
        grid.setRowCount(0);
    }
    EXPECT_EQ(changed.size(), 1);
}

// Stands in front of the spreadsheet server and keeps the last array written anywhere.
class ArrayCatcher : public AutomationObject {
public:
    ArrayCatcher(ObjectPtr inner, std::shared_ptr<VariantArray>* caught)
        : m_inner(std::move(inner)), m_caught(caught) {}

    Variant get(const QString& name, const Arguments& arguments) override {
        Variant result = m_inner->get(name, arguments);
        if (result.type() == Variant::Type::Object)
            return Variant(ObjectPtr(std::make_shared<ArrayCatcher>(result.toObject(), m_caught)));
        return result;
    }

    void put(const QString& name, const Variant& value) override {
        if (value.type() == Variant::Type::Array)
            *m_caught = value.toArray();
        m_inner->put(name, value);
    }

private:
    ObjectPtr m_inner;
    std::shared_ptr<VariantArray>* m_caught;
};

TEST(StringGrid, TheWorkbookArraySharesTheGridsTexts) {
    std::shared_ptr<VariantArray> array;
    ServerOverride server("Excel.Application", [&]() -> ObjectPtr {
        return std::make_shared<ArrayCatcher>(spreadsheet::createApplication(), &array);
    });
    TStringGrid grid(5);
    grid.setRowCount(3);
    label(grid, 2);
    grid.setCells(4, 1, QString());
    QTemporaryDir folder;
    ASSERT_TRUE(report::SaveGridAsWorkbook(grid, "Sheet", folder.filePath("grid.xls")));

    ASSERT_TRUE(array);
    ASSERT_EQ(array->rows(), 3);
    ASSERT_EQ(array->columns(), 5);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            const Variant value = array->at(r + 1, c + 1);
            ASSERT_EQ(value.type(), Variant::Type::String) << c << "," << r;
            EXPECT_EQ(value.toString(), grid.Cells(c, r)) << c << "," << r;
        }
    }
    // The array holds the grid's own table, not a copy of it ...
    ASSERT_NE(array->texts(), nullptr);
    EXPECT_TRUE(array->texts()->sharesTextsWith(grid.texts()));
    // ... and keeps what it was given when the grid changes afterwards.
    grid.setCells(0, 0, "changed");
    EXPECT_FALSE(array->texts()->sharesTextsWith(grid.texts()));
    EXPECT_EQ(array->at(1, 1).toString(), label(0, 0));
    EXPECT_EQ(grid.Cells(0, 0), "changed");
}

} // namespace

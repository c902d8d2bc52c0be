#include "platform/FlexGrid.h"
#include "platform/TextGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <gtest/gtest.h>

using platform::FlexGrid;
using platform::PlainGrid;
using platform::TextGrid;

namespace {
// What a site-file writer or a report does: reads rows 1 to 35 of a grid.
QStringList rowsOneTo35(const TextGrid& g, int col)
{
    QStringList out;
    for (int r = 1; r <= 35; ++r)
        out << g.TextMatrix(r, col);
    return out;
}
} // namespace

TEST(PlainGrid, HoldsTextsByRowAndColumn)
{
    PlainGrid g(36, 3);
    EXPECT_EQ(g.Rows(), 36);
    EXPECT_EQ(g.Cols(), 3);
    EXPECT_EQ(g.TextMatrix(5, 1), "");
    g.setTextMatrix(0, 0, "Component");
    g.setTextMatrix(35, 2, "last");
    g.setTextMatrix(5, 1, "Hose");
    EXPECT_EQ(g.TextMatrix(0, 0), "Component");
    EXPECT_EQ(g.TextMatrix(35, 2), "last");
    EXPECT_EQ(g.TextMatrix(5, 1), "Hose");
    EXPECT_EQ(g.TextMatrix(5, 2), "") << "a neighbour stays empty";
    // Outside the grid: nothing is read or written.
    g.setTextMatrix(36, 0, "x");
    g.setTextMatrix(1, 3, "x");
    g.setTextMatrix(-1, 0, "x");
    EXPECT_EQ(g.TextMatrix(36, 0), "");
    EXPECT_EQ(g.TextMatrix(1, 3), "");
    EXPECT_EQ(g.TextMatrix(-1, 0), "");
    const PlainGrid none(-2, 3);
    EXPECT_EQ(none.Rows(), 0);
    EXPECT_EQ(none.TextMatrix(0, 0), "");
}

TEST(PlainGrid, TextsOfAFlexGridReadWithoutTheWidget)
{
    FlexGrid grid(36, 3);
    for (int r = 0; r <= 35; ++r)
        for (int c = 0; c < 3; ++c)
            grid.setTextMatrix(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
    const TextGrid& texts = grid;
    EXPECT_EQ(texts.Rows(), 36);
    EXPECT_EQ(texts.Cols(), 3);
    const PlainGrid copy = PlainGrid::copyOf(texts);
    EXPECT_EQ(copy.Rows(), 36);
    EXPECT_EQ(copy.Cols(), 3);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(rowsOneTo35(copy, c), rowsOneTo35(grid, c));
    EXPECT_EQ(copy.TextMatrix(0, 1), "0,1");
    EXPECT_EQ(copy.TextMatrix(35, 2), "35,2");
}

TEST(FlexGrid, RowZeroIsTheHeaderAndTheRestAreCells)
{
    FlexGrid grid(36, 3);
    EXPECT_EQ(grid.rowCount(), 35);
    EXPECT_EQ(grid.Rows(), 36);
    grid.setTextMatrix(0, 1, "Current");
    grid.setTextMatrix(1, 1, "first");
    grid.setTextMatrix(35, 0, "last");
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Current");
    EXPECT_EQ(grid.item(0, 1)->text(), "first");
    EXPECT_EQ(grid.item(34, 0)->text(), "last");
    EXPECT_EQ(grid.TextMatrix(36, 0), "");
    EXPECT_EQ(grid.TextMatrix(1, 3), "");
    EXPECT_FALSE(grid.verticalHeader()->isVisible() && grid.isVisible());
    EXPECT_FALSE(grid.tabKeyNavigation());
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(FlexGrid, CurrentCellColourAndEnterCell)
{
    FlexGrid grid(36, 3);
    int entered = 0;
    QObject::connect(&grid, &FlexGrid::enterCell, [&] { ++entered; });
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    grid.setRow(4);
    grid.setCol(2);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_GE(entered, 1);
    // Rows outside the cells leave the current cell where it is.
    grid.setRow(0);
    grid.setRow(36);
    grid.setCol(3);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 2);

    const QColor normal = grid.cellForeColor(4, 2);
    grid.setCellForeColor(0x0000FF); // &H000000FF& is red
    EXPECT_EQ(grid.cellForeColor(4, 2), QColor(255, 0, 0));
    EXPECT_EQ(grid.cellForeColor(4, 1), normal);
    grid.setCellForeColor(0);
    EXPECT_EQ(grid.cellForeColor(4, 2), normal);
    EXPECT_EQ(platform::colourFromBgr(0xCC8844), QColor(0x44, 0x88, 0xCC));
}

TEST(FlexGrid, WidthsInTwipsAndAPictureOfEveryRow)
{
    FlexGrid grid(36, 3);
    grid.resize(300, 120);
    grid.setColWidthTwips(0, 1500);
    EXPECT_EQ(grid.columnWidth(0), 100);
    EXPECT_EQ(grid.colWidthTwips(0), 1500);
    EXPECT_EQ(grid.widthTwips(), 4500);
    grid.setColWidthTwips(1, 3000);
    grid.setColWidthTwips(2, 3000);
    grid.fitColumnsToWidth();
    const int room = grid.width() - 2 * grid.frameWidth() - grid.verticalScrollBar()->sizeHint().width();
    EXPECT_EQ(grid.columnWidth(0) + grid.columnWidth(1) + grid.columnWidth(2), room);
    EXPECT_NEAR(grid.columnWidth(1), grid.columnWidth(2), 2) << "in their proportions";

    grid.show();
    QApplication::processEvents();
    grid.setTopRow(10);
    ASSERT_EQ(grid.verticalScrollBar()->value(), 9);
    const QImage picture = grid.picture();
    int rows = grid.horizontalHeader()->height();
    for (int r = 0; r < grid.rowCount(); ++r)
        rows += grid.rowHeight(r);
    EXPECT_EQ(picture.height(), rows + 2 * grid.frameWidth());
    EXPECT_EQ(grid.size(), QSize(300, 120)) << "the grid keeps its size";
    EXPECT_EQ(grid.verticalScrollBar()->value(), 9) << "and its scroll position";
}

// The report grid model: its size in twips, the cell under a point and the
// runs of merged cells.
#include "reports/ReportGrid.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

using reports::ReportGrid;

namespace {
using Cell = std::optional<std::pair<int, int>>;
using Runs = std::vector<std::pair<int, int>>;
} // namespace

TEST(ReportGridModel, SizeAndCellUnderAPoint)
{
    const ReportGrid defaults(2, 3);
    EXPECT_EQ(defaults.sizeTwips(), QSize(3 * reports::kDefaultColTwips, 2 * 240));
    EXPECT_EQ(ReportGrid(0, 0).sizeTwips(), QSize(0, 0));

    // Widths 100, 0, 200, 300; heights 240 (default), 500, 20.
    ReportGrid grid(3, 4);
    grid.colWidthTwips = {100, 0, 200, 300};
    grid.rowHeightTwips[1] = 500;
    grid.rowHeightTwips[2] = 20;
    EXPECT_EQ(grid.sizeTwips(), QSize(600, 760));
    EXPECT_EQ(grid.rowHeight(0), 240);
    EXPECT_EQ(grid.rowHeight(1), 500);
    EXPECT_EQ(grid.rowHeight(3), 0);
    EXPECT_EQ(grid.rowHeight(-1), 0);

    const struct {
        int x, y;
        Cell cell;
    } cases[] = {
        {0, 0, std::pair{0, 0}},      {99, 239, std::pair{0, 0}},
        {100, 0, std::pair{0, 2}}, // the column of no width holds no point
        {299, 240, std::pair{1, 2}},  {300, 739, std::pair{1, 3}},
        {599, 740, std::pair{2, 3}},  {599, 759, std::pair{2, 3}},
        {600, 0, std::nullopt}, // right of the grid
        {0, 760, std::nullopt}, // below it
        {-1, 0, std::nullopt},        {0, -1, std::nullopt},
        {10000, 10000, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("(%1, %2)").arg(c.x).arg(c.y).toStdString());
        EXPECT_EQ(reports::cellAt(grid, c.x, c.y), c.cell);
    }
}

TEST(ReportGridModel, MergedRunsOnlyInMergeableRowsOfAMergingGrid)
{
    ReportGrid grid(3, 6);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c)
            grid.cells.setTextMatrix(r, c, QString::fromLatin1("aabbbc").mid(c, 1));
    for (int c = 0; c < 4; ++c)
        grid.cells.setTextMatrix(2, c, QString());

    // Not merging at all, though the rows may merge.
    grid.mergeRow = {true, true, true};
    EXPECT_EQ(reports::mergedRuns(grid, 0), Runs{});
    grid.mergeCells = 1;
    grid.mergeRow = {true, false, true};
    EXPECT_EQ(reports::mergedRuns(grid, 0), (Runs{{0, 1}, {2, 4}}));
    EXPECT_EQ(reports::mergedRuns(grid, 1), Runs{});         // the same texts, but this row may not merge
    EXPECT_EQ(reports::mergedRuns(grid, 2), (Runs{{0, 3}})); // equal empty cells merge too
    EXPECT_EQ(reports::mergedRuns(grid, -1), Runs{});
    EXPECT_EQ(reports::mergedRuns(grid, 3), Runs{});

    // A whole row of one text is one run; a row of distinct texts none.
    for (int c = 0; c < 6; ++c) {
        grid.cells.setTextMatrix(0, c, QStringLiteral("x"));
        grid.cells.setTextMatrix(2, c, QString::number(c));
    }
    EXPECT_EQ(reports::mergedRuns(grid, 0), (Runs{{0, 5}}));
    EXPECT_EQ(reports::mergedRuns(grid, 2), Runs{});
}

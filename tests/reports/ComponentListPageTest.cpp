// The component list: which summary-grid cell lands where, the title band and
// headings, the column widths for any grid width, and the grid's settings.
#include "reports/ComponentListPage.h"

#include <gtest/gtest.h>

using platform::PlainGrid;
using reports::buildComponentList;
using reports::ComponentListGrid;

namespace {

// Every cell of a summary grid distinct, with a trailing blank that a trim
// would lose; the grids reach beyond row 35 and column 2.
PlainGrid summaryGrid(char prefix, int rows = 40, int cols = 4)
{
    PlainGrid g(rows, cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.setTextMatrix(r, c, QStringLiteral("%1%2.%3 ").arg(QLatin1Char(prefix)).arg(r).arg(c));
    return g;
}

const QString kTitleCell = QString(80, QLatin1Char(' ')) + QStringLiteral("Current And Baseline Components List");
const QString kBlankBand = QString(35, QLatin1Char(' '));

} // namespace

TEST(ComponentList, EveryCellFromItsSourceCell)
{
    const PlainGrid current = summaryGrid('C');
    const PlainGrid baseline = summaryGrid('B');
    const ComponentListGrid list = buildComponentList(current, baseline);
    ASSERT_EQ(list.cells.Rows(), 39);
    ASSERT_EQ(list.cells.Cols(), 6);

    const char* headings[] = {"", "Equipment Type", "Current", "No.", "Baseline", "No."};
    for (int r = 0; r < 39; ++r) {
        for (int c = 0; c < 6; ++c) {
            SCOPED_TRACE(QStringLiteral("row %1 col %2").arg(r).arg(c).toStdString());
            QString expected;
            if (c == 0 || r == 0)
                expected = QString();
            else if (r == 1)
                expected = kTitleCell;
            else if (r == 2)
                expected = kBlankBand;
            else if (r == 3)
                expected = QString::fromLatin1(headings[c]);
            else if (c <= 3)
                expected = current.TextMatrix(r - 3, c - 1);
            else
                expected = baseline.TextMatrix(r - 3, c - 3);
            EXPECT_EQ(list.cells.TextMatrix(r, c), expected);
        }
    }
    // Spot checks that do not lean on the index arithmetic above.
    EXPECT_EQ(list.cells.TextMatrix(4, 1), "C1.0 ");
    EXPECT_EQ(list.cells.TextMatrix(38, 3), "C35.2 ");
    EXPECT_EQ(list.cells.TextMatrix(38, 4), "B35.1 ");
    EXPECT_EQ(list.cells.TextMatrix(10, 5), "B7.2 ");
}

TEST(ComponentList, NotApplicableCellsAndToolTips)
{
    PlainGrid current = summaryGrid('C');
    PlainGrid baseline = summaryGrid('B');
    current.setTextMatrix(7, 1, QStringLiteral(" "));  // the nozzle count has no item
    baseline.setTextMatrix(8, 2, QStringLiteral(" ")); // the piping type has no count
    current.setTextMatrix(9, 1, QString());
    const ComponentListGrid list = buildComponentList(current, baseline);

    EXPECT_EQ(list.cells.TextMatrix(10, 2), " ");
    EXPECT_EQ(list.cells.TextMatrix(11, 5), " ");
    const struct {
        int row, col;
        QString tip;
    } cases[] = {
        {10, 2, QString()},                                      // " ": not applicable, no tip
        {11, 5, QString()},                                      // the same in a baseline column
        {12, 2, QString()},                                      // empty cell
        {0, 0, QString()},                                       // the hidden corner
        {1, 3, kTitleCell},                                      // title cells show their whole text
        {2, 1, kBlankBand},                                      // many blanks are not "one blank"
        {3, 4, "Baseline"}, {4, 1, "C1.0 "}, {39, 1, QString()}, // outside the grid
        {4, 6, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("row %1 col %2").arg(c.row).arg(c.col).toStdString());
        EXPECT_EQ(reports::componentListToolTip(list, c.row, c.col), c.tip);
    }
}

TEST(ComponentList, SummaryGridsTooSmallGiveEmptyCells)
{
    // Fewer rows and columns than the layout promises: what is missing reads
    // as empty instead of failing the page.
    const PlainGrid current = summaryGrid('C', 10, 2);
    const PlainGrid baseline = summaryGrid('B', 0, 0);
    const ComponentListGrid list = buildComponentList(current, baseline);
    EXPECT_EQ(list.cells.TextMatrix(4, 1), "C1.0 ");
    EXPECT_EQ(list.cells.TextMatrix(12, 2), "C9.1 ");
    EXPECT_EQ(list.cells.TextMatrix(12, 3), "");
    EXPECT_EQ(list.cells.TextMatrix(13, 1), "");
    for (int r = 4; r < 39; ++r) {
        EXPECT_EQ(list.cells.TextMatrix(r, 4), "");
        EXPECT_EQ(list.cells.TextMatrix(r, 5), "");
    }
    EXPECT_EQ(list.cells.TextMatrix(3, 4), "Baseline");
}

TEST(ComponentList, ColumnWidthsForGridWidths)
{
    const struct {
        int width;
        std::array<int, 6> widths;
    } cases[] = {
        {11050, {20, 1810, 3010, 1155, 3010, 1155}}, // the page's own grid
        {10000, {20, 1600, 2800, 945, 2800, 945}},
        {11052, {20, 1810, 3010, 1155, 3010, 1155}}, // fifth 2210.4: each rounds down
        {11053, {20, 1811, 3011, 1156, 3011, 1156}}, // fifth 2210.6: each rounds up
        {5275, {20, 655, 1855, 0, 1855, 0}},
        {5000, {20, 600, 1800, 0, 1800, 0}}, // the offsets would go below 0
        {0, {20, 0, 800, 0, 800, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        EXPECT_EQ(reports::componentListColumnWidths(c.width), c.widths);
    }
    // Where a fifth of the width is whole the five columns take W - 910.
    for (int w : {11050, 10000, 7000}) {
        const auto widths = reports::componentListColumnWidths(w);
        EXPECT_EQ(widths[1] + widths[2] + widths[3] + widths[4] + widths[5], w - 910) << w;
    }
    const auto expected = reports::componentListColumnWidths(11050);
    EXPECT_EQ(buildComponentList(PlainGrid(36, 3), PlainGrid(36, 3)).colWidthTwips,
              std::vector<int>(expected.begin(), expected.end()));
    EXPECT_EQ(buildComponentList(PlainGrid(36, 3), PlainGrid(36, 3), 10000).colWidthTwips[3], 945);
}

TEST(ComponentList, RowsColumnsAndMerging)
{
    PlainGrid current = summaryGrid('C');
    PlainGrid baseline = summaryGrid('B');
    // Equal adjacent texts in a data row: that row may not merge.
    current.setTextMatrix(11, 1, QStringLiteral(" "));
    current.setTextMatrix(11, 2, QStringLiteral(" "));
    baseline.setTextMatrix(11, 1, QStringLiteral(" "));
    const ComponentListGrid list = buildComponentList(current, baseline);

    EXPECT_EQ(list.rowHeightTwips[0], 20);
    for (int r = 1; r < 39; ++r)
        EXPECT_FALSE(list.rowHeightTwips[size_t(r)].has_value()) << r;
    EXPECT_FALSE(list.colAlignment[0].has_value());
    EXPECT_EQ(list.colAlignment[1], reports::kAlignLeftCentre);
    for (int c = 2; c < 6; ++c)
        EXPECT_EQ(list.colAlignment[size_t(c)], reports::kAlignCentreCentre) << c;

    for (int r = 0; r < 39; ++r) {
        EXPECT_EQ(list.boldRow[size_t(r)], r >= 1 && r <= 3) << r;
        EXPECT_EQ(list.mergeRow[size_t(r)], r == 1 || r == 2) << r;
    }
    EXPECT_EQ(list.mergeCells, 1);

    using Runs = std::vector<std::pair<int, int>>;
    EXPECT_EQ(reports::mergedRuns(list, 1), (Runs{{1, 5}}));
    EXPECT_EQ(reports::mergedRuns(list, 2), (Runs{{1, 5}}));
    EXPECT_EQ(reports::mergedRuns(list, 3), Runs{}); // "No." twice, but not adjacent and not mergeable
    EXPECT_EQ(reports::mergedRuns(list, 14), Runs{});
    EXPECT_EQ(reports::mergedRuns(list, 39), Runs{});

    // A mergeable row joins each run of equal neighbours, and only those.
    ComponentListGrid grid = list;
    for (int c = 0; c < 6; ++c)
        grid.cells.setTextMatrix(14, c, QString::fromLatin1("aabbbc").mid(c, 1));
    grid.mergeRow[14] = true;
    EXPECT_EQ(reports::mergedRuns(grid, 14), (Runs{{0, 1}, {2, 4}}));
}

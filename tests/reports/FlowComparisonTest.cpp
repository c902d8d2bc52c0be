// The flow comparison texts and grids: padding, one-decimal texts, the
// comparison row, the preview page's grid, the printed sheet's two transposed
// grids and the flow-graph sheet's table.
#include "reports/FlowComparison.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using reports::blanks;
using reports::ComparisonFlows;
using reports::flowComparisonRow;
using reports::FlowComparisonRow;
using reports::FormatString;
using reports::oneDecimalText;
using reports::ReportGrid;

namespace {

QString spaces(int n) { return QString(n, QLatin1Char(' ')); }

const QString kTitle = QStringLiteral("FlowRate Improvement Between Baseline Vs Current");

std::array<QString, 5> texts(const FlowComparisonRow& row)
{
    return {row.count, row.current, row.baseline, row.change, row.percent};
}

std::array<QString, 5> texts(const char* a, const char* b, const char* c, const char* d, const char* e)
{
    return {QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(c), QString::fromLatin1(d),
            QString::fromLatin1(e)};
}

std::array<QString, 5> headings(bool us)
{
    const char* unit = us ? "(GPM)" : "(LPM)";
    return {QStringLiteral("NoOfNozzles"), QStringLiteral("CurrentFlow%1").arg(QLatin1String(unit)),
            QStringLiteral("BaselineFlow%1").arg(QLatin1String(unit)),
            QStringLiteral("ChangeInFlow%1").arg(QLatin1String(unit)),
            QStringLiteral("%ChangeInFlow%1").arg(QLatin1String(unit))};
}

// Result arrays 0..last with current[i] and baseline[i] from the given
// functions of i.
template <class C, class B>
std::pair<std::vector<float>, std::vector<float>> arrays(int last, C current, B baseline)
{
    std::vector<float> c(size_t(last) + 1), b(size_t(last) + 1);
    for (int i = 0; i <= last; ++i) {
        c[size_t(i)] = current(i);
        b[size_t(i)] = baseline(i);
    }
    return {c, b};
}

using Runs = std::vector<std::pair<int, int>>;

} // namespace

TEST(FlowComparisonText, FormatStringPadsTheCallersTextAndNeverCuts)
{
    const QString long300(300, QLatin1Char('x'));
    const struct {
        QString text;
        int spaces;
        QString expected;
    } cases[] = {
        {" ", 30, spaces(30)},
        {"", 5, spaces(5)},
        {"abc", 6, "abc   "},
        {"abc", 3, "abc"},       // already that long
        {"abcdef", 3, "abcdef"}, // longer: never cut
        {"abc", 0, "abc"},
        {"abc", -4, "abc"}, // a negative width adds nothing
        {"", -1, ""},
        {" ", 255, spaces(255)},
        {" ", 256, spaces(255)}, // at most 255
        {"ab", 32767, "ab" + spaces(253)},
        {long300, 255, long300}, // beyond the limit already: left as it is
        {long300, 400, long300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("\"%1\" (%2) to %3").arg(c.text.left(10)).arg(c.text.size()).arg(c.spaces).toStdString());
        QString variable = c.text;
        const QString returned = FormatString(variable, int16_t(c.spaces));
        EXPECT_EQ(returned, c.expected);
        EXPECT_EQ(variable, c.expected) << "the caller's variable is padded too";
    }
    // The result is a copy: changing it leaves the variable alone.
    QString variable = QStringLiteral(" ");
    QString copy = FormatString(variable, 30);
    copy.append(QLatin1Char('!'));
    EXPECT_EQ(variable, spaces(30));

    // blanks(n) is FormatString of a fresh " ".
    for (int n : {30, 35, 80, 2, 1, 0, -5, 255, 300}) {
        SCOPED_TRACE(n);
        QString fresh = QStringLiteral(" ");
        EXPECT_EQ(blanks(n), FormatString(fresh, int16_t(n)));
    }
    EXPECT_EQ(blanks(30), spaces(30));
    EXPECT_EQ(blanks(0), " ");
    EXPECT_EQ(blanks(-5), " ");
    EXPECT_EQ(blanks(300), spaces(255));
}

TEST(FlowComparisonText, OneDecimalTextRoundsTheShownDecimalHalvesToEven)
{
    const struct {
        float x;
        const char* text;
    } cases[] = {
        {12.0f, "12"},
        {12.25f, "12.2"}, // exact half: to the even digit
        {0.75f, "0.8"},
        {0.25f, "0.2"},
        {-12.25f, "-12.2"},
        {12.5f, "12.5"},
        {-25.0f, "-25"},
        {0.0f, "0"},
        {-0.0f, "0"}, // never "-0"
        {-0.04f, "0"},
        {0.04f, "0"},
        {1.49e-9f, "0"}, // the first-step-fails value
        // The single's seven-digit decimal, read back as a double: 0.15f is
        // 0.150000006 but "0.15" reads as 0.1499999...: down; 0.45 reads as
        // 0.4500000...1: up. Neither is an exact half of the double.
        {0.15f, "0.1"},
        {0.35f, "0.3"},
        {0.45f, "0.5"},
        {0.95f, "0.9"},
        {0.05f, "0.1"},
        {-0.05f, "-0.1"},
        {99.95f, "100"},
        {1234.56f, "1234.6"},
        {123456.7f, "123456.7"},
        {16777216.0f, "16777220"}, // seven digits first: 1.677722E+07
        {8.0f, "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(oneDecimalText(c.x), c.text);
    }
}

TEST(FlowComparisonText, ComparisonRowChangeAndPercentOfTheCurrentFlow)
{
    const struct {
        int count;
        float current, baseline;
        std::array<QString, 5> expected;
    } cases[] = {
        {1, 8, 10, texts("1", "8", "10", "-2", "-25")}, // percent of current, not of baseline (-20)
        {2, 10, 8, texts("2", "10", "8", "2", "20")},
        {3, 0, 5, texts("3", "0", "5", "-5", "0")}, // current exactly 0: percent "0"
        {4, 10, 0, texts("4", "10", "0", "10", "100")},
        {5, 300, 300.1f, texts("5", "300", "300.1", "-0.1", "0")}, // -0.033...%: "0", never "-0"
        {6, 0, 0, texts("6", "0", "0", "0", "0")},
        {7, 1.49e-9f, 0, texts("7", "0", "0", "0", "0")},      // not exactly 0, shows "0"
        {8, 5, 5.04f, texts("8", "5", "5", "0", "0")},         // change -0.04 -> "0", never "-0"
        {9, 10.25f, 10, texts("9", "10.2", "10", "0.2", "2")}, // change 0.25: half to even
        {10, 10.75f, 10, texts("10", "10.8", "10", "0.8", "7.4")},
        {11, 10, 10.25f, texts("11", "10", "10.2", "-0.2", "-2")},
        {12, 12.25f, 10, texts("12", "12.2", "10", "2.2", "18")}, // 2.2 / 12.25 = 17.96%
        {13, 3, 2, texts("13", "3", "2", "1", "33.3")},
        {40, 9.6f, 12, texts("40", "9.6", "12", "-2.4", "-25")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("(%1, %2) count %3").arg(c.current).arg(c.baseline).arg(c.count).toStdString());
        EXPECT_EQ(texts(flowComparisonRow(c.count, c.current, c.baseline)), c.expected);
    }
    // The failing first step as current flow against a real baseline: the
    // current flow and the change read as usual.
    const FlowComparisonRow tiny = flowComparisonRow(1, 1.49e-9f, 5);
    EXPECT_EQ(tiny.current, "0");
    EXPECT_EQ(tiny.change, "-5");
}

TEST(FlowComparisonGrid, PreviewPageGridLayoutAndRows)
{
    const struct {
        int n;
        bool us;
    } shapes[] = {{1, true}, {3, false}, {0, true}};
    const std::vector<float> current{0, 8, 10, 0};
    const std::vector<float> baseline{0, 10, 8, 5};
    const ComparisonFlows flows{current, baseline};
    const std::array<QString, 5> rows[] = {texts("1", "8", "10", "-2", "-25"), texts("2", "10", "8", "2", "20"),
                                           texts("3", "0", "5", "-5", "0")};
    for (const auto& s : shapes) {
        SCOPED_TRACE(QStringLiteral("n %1 us %2").arg(s.n).arg(s.us).toStdString());
        const ReportGrid grid = reports::comparisonPageGrid(s.n, s.us, flows);
        ASSERT_EQ(grid.rows(), s.n + 3);
        ASSERT_EQ(grid.cols(), 5);
        EXPECT_EQ(grid.colWidthTwips, (std::vector<int>{1403, 1803, 1803, 1803, 1803}));
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(grid.colAlignment[size_t(c)], reports::kAlignCentreCentre) << c;
            EXPECT_EQ(grid.cells.TextMatrix(0, c), spaces(30) + kTitle) << c;
            EXPECT_EQ(grid.cells.TextMatrix(1, c), spaces(35)) << c;
            EXPECT_EQ(grid.cells.TextMatrix(2, c), headings(s.us)[size_t(c)]) << c;
        }
        for (int r = 3; r < grid.rows(); ++r)
            for (int c = 0; c < 5; ++c)
                EXPECT_EQ(grid.cells.TextMatrix(r, c), rows[r - 3][size_t(c)]) << r << "," << c;
        EXPECT_EQ(grid.mergeCells, 1);
        for (int r = 0; r < grid.rows(); ++r)
            EXPECT_EQ(grid.mergeRow[size_t(r)], r <= 1) << r;
        EXPECT_EQ(reports::mergedRuns(grid, 0), (Runs{{0, 4}}));
        EXPECT_EQ(reports::mergedRuns(grid, 1), (Runs{{0, 4}}));
        EXPECT_EQ(reports::mergedRuns(grid, 2), Runs{});
    }

    // The column widths follow the grid width: a fifth in single precision,
    // column 0 400 less, each rounded.
    const struct {
        int width;
        std::vector<int> widths;
    } widths[] = {
        {9015, {1403, 1803, 1803, 1803, 1803}},
        {9017, {1403, 1803, 1803, 1803, 1803}}, // 1803.4
        {9018, {1404, 1804, 1804, 1804, 1804}}, // 1803.6
        {10000, {1600, 2000, 2000, 2000, 2000}},
    };
    for (const auto& w : widths)
        EXPECT_EQ(reports::comparisonPageGrid(1, true, flows, w.width).colWidthTwips, w.widths) << w.width;
}

TEST(FlowComparisonGrid, PreviewPageBeforeAnyCalculationReadsZero)
{
    // The result arrays as sized before a calculation: every element 0.
    const std::vector<float> zeros(13, 0.0f);
    const ComparisonFlows flows{zeros, zeros};
    const ReportGrid grid = reports::comparisonPageGrid(12, false, flows);
    ASSERT_EQ(grid.rows(), 15);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grid.cells.TextMatrix(i + 2, 0), QString::number(i));
        for (int c = 1; c < 5; ++c)
            EXPECT_EQ(grid.cells.TextMatrix(i + 2, c), "0") << c;
    }
    EXPECT_EQ(grid.cells.TextMatrix(2, 1), "CurrentFlow(LPM)");
}

TEST(FlowComparisonGrid, PrintedGridsLayout)
{
    const std::vector<float> zeros(17, 0.0f);
    for (bool us : {true, false}) {
        SCOPED_TRACE(us);
        const reports::PrintedComparison sheet = reports::printedComparisonGrids(us, {zeros, zeros});
        const ReportGrid& first = sheet.first;
        const ReportGrid& second = sheet.second;
        ASSERT_EQ(first.rows(), 8);
        ASSERT_EQ(first.cols(), 15);
        ASSERT_EQ(second.rows(), 6);
        ASSERT_EQ(second.cols(), 15);
        std::vector<int> widths(15, 592);
        widths[0] = 20;
        widths[1] = 2592; // 8885 / 15 = 592.33, + 2000
        for (const ReportGrid* grid : {&first, &second}) {
            EXPECT_EQ(grid->colWidthTwips, widths);
            EXPECT_EQ(grid->rowHeight(0), 20);
            EXPECT_EQ(grid->colAlignment[1], reports::kAlignLeftCentre);
            for (int c = 2; c < 15; ++c)
                EXPECT_EQ(grid->colAlignment[size_t(c)], reports::kAlignCentreCentre) << c;
        }
        for (int c = 1; c < 15; ++c) {
            EXPECT_EQ(first.cells.TextMatrix(1, c), spaces(80) + kTitle) << c;
            EXPECT_EQ(first.cells.TextMatrix(2, c), spaces(35)) << c;
        }
        for (int h = 0; h < 5; ++h) {
            EXPECT_EQ(first.cells.TextMatrix(3 + h, 1), headings(us)[size_t(h)]) << h;
            EXPECT_EQ(second.cells.TextMatrix(1 + h, 1), headings(us)[size_t(h)]) << h;
        }
        // Free merging in the title and blank bands of the first grid only;
        // rows of equal "0" cells never merge.
        EXPECT_EQ(first.mergeCells, 1);
        EXPECT_EQ(reports::mergedRuns(first, 1), (Runs{{1, 14}}));
        EXPECT_EQ(reports::mergedRuns(first, 2), (Runs{{1, 14}}));
        for (int r = 3; r < 8; ++r)
            EXPECT_EQ(reports::mergedRuns(first, r), Runs{}) << r;
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(reports::mergedRuns(second, r), Runs{}) << r;
        EXPECT_EQ(second.cells.TextMatrix(1, 14), "40");
    }
}

TEST(FlowComparisonGrid, PrintedGridsCountsAndValues)
{
    // 15 nozzles entered: arrays 0..16 and count 16 holds 0; 40 entered:
    // arrays 0..42, every count from the arrays.
    const struct {
        int nozzles;
        int last;
    } runs[] = {{15, 16}, {40, 42}};
    for (const auto& run : runs) {
        SCOPED_TRACE(run.nozzles);
        auto [current, baseline] = arrays(
            run.last, [&](int i) { return i <= run.nozzles ? 0.5f * float(i) + 0.25f : 0.0f; },
            [&](int i) { return i <= run.nozzles ? 0.4f * float(i) : 0.0f; });
        const reports::PrintedComparison sheet = reports::printedComparisonGrids(true, {current, baseline});
        for (int count = 15; count <= 40; ++count) {
            SCOPED_TRACE(count);
            const bool inFirst = count <= 27;
            const ReportGrid& grid = inFirst ? sheet.first : sheet.second;
            const int col = inFirst ? count - 13 : count - 26;
            const int top = inFirst ? 3 : 1;
            EXPECT_EQ(grid.cells.TextMatrix(top, col), QString::number(count));
            std::array<QString, 5> expected = {QString::number(count), "0", "0", "0", "0"};
            if (count <= run.last)
                expected = texts(flowComparisonRow(count, current[size_t(count)], baseline[size_t(count)]));
            for (int r = 1; r <= 4; ++r)
                EXPECT_EQ(grid.cells.TextMatrix(top + r, col), expected[size_t(r)]) << "row " << top + r;
        }
    }
    // Spot checks that do not lean on the arithmetic above.
    {
        std::vector<float> current(17, 0.0f), baseline(17, 0.0f);
        current[15] = 10;
        baseline[15] = 8;
        const reports::PrintedComparison sheet = reports::printedComparisonGrids(false, {current, baseline});
        const char* column2[] = {"15", "10", "8", "2", "20"};
        const char* column3[] = {"16", "0", "0", "0", "0"};
        for (int r = 0; r < 5; ++r) {
            EXPECT_EQ(sheet.first.cells.TextMatrix(3 + r, 2), column2[r]);
            EXPECT_EQ(sheet.first.cells.TextMatrix(3 + r, 3), column3[r]);
            EXPECT_EQ(sheet.first.cells.TextMatrix(3 + r, 4), r == 0 ? "17" : "0");
            EXPECT_EQ(sheet.first.cells.TextMatrix(3 + r, 14), r == 0 ? "27" : "0");
            EXPECT_EQ(sheet.second.cells.TextMatrix(1 + r, 2), r == 0 ? "28" : "0");
        }
        EXPECT_EQ(sheet.first.cells.TextMatrix(3, 1), "NoOfNozzles");
        EXPECT_EQ(sheet.first.cells.TextMatrix(4, 1), "CurrentFlow(LPM)");
    }
    {
        std::vector<float> current(43, 0.0f), baseline(43, 0.0f);
        current[40] = 8;
        baseline[40] = 10;
        current[28] = 300;
        baseline[28] = 300.1f;
        const reports::PrintedComparison sheet = reports::printedComparisonGrids(true, {current, baseline});
        const char* column14[] = {"40", "8", "10", "-2", "-25"};
        const char* column2[] = {"28", "300", "300.1", "-0.1", "0"};
        for (int r = 0; r < 5; ++r) {
            EXPECT_EQ(sheet.second.cells.TextMatrix(1 + r, 14), column14[r]);
            EXPECT_EQ(sheet.second.cells.TextMatrix(1 + r, 2), column2[r]);
        }
    }
}

TEST(FlowComparisonTable, FlowGraphSheetTableColumns)
{
    auto [current, baseline] = arrays(
        22, [](int i) { return i == 2 ? 0.0f : 0.5f * float(i) + 0.25f; }, [](int i) { return 0.4f * float(i); });
    current[5] = 10;
    baseline[5] = 8;
    const ComparisonFlows flows{current, baseline};
    for (int n : {3, 14, 20}) {
        for (bool us : {true, false}) {
            SCOPED_TRACE(QStringLiteral("n %1 us %2").arg(n).arg(us).toStdString());
            const reports::SheetTable table = reports::flowGraphSheetTable(n, us, flows);
            EXPECT_EQ(table.captions, headings(us));
            for (int k = 0; k < reports::kSheetTableColumns; ++k) {
                SCOPED_TRACE(k);
                const int i = k + 1;
                std::array<QString, 5> expected = {" " + QString::number(i), " 0", " 0", " 0", " 0"};
                if (i <= n) {
                    expected = texts(flowComparisonRow(i, current[size_t(i)], baseline[size_t(i)]));
                    expected[0] = " " + QString::number(i);
                    if (current[size_t(i)] == 0.0f)
                        expected[4] = " 0";
                }
                EXPECT_EQ(table.columns[size_t(k)], expected);
            }
        }
    }
    // Literal columns.
    const reports::SheetTable table = reports::flowGraphSheetTable(14, true, flows);
    EXPECT_EQ(table.columns[1], texts(" 2", "0", "0.8", "-0.8", " 0")); // a zero current flow: " 0"
    EXPECT_EQ(table.columns[4], texts(" 5", "10", "8", "2", "20"));
    EXPECT_EQ(table.columns[11][0], " 12");
    EXPECT_EQ(table.columns[13][0], " 14");
    EXPECT_EQ(reports::flowGraphSheetTable(3, true, flows).columns[3], texts(" 4", " 0", " 0", " 0", " 0"));
    EXPECT_EQ(reports::flowGraphSheetTable(3, true, flows).columns[13], texts(" 14", " 0", " 0", " 0", " 0"));
    // The comparison page writes "0" for the same zero current flow.
    EXPECT_EQ(reports::comparisonPageGrid(2, true, flows).cells.TextMatrix(4, 4), "0");
}

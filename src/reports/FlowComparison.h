#pragma once
// The flow comparison of the current configuration against the baseline, as
// the report shows it: one row of texts per number of nozzles operating, the
// preview's comparison grid, the two transposed grids of the printed sheet
// for 15 to 40 nozzles and the table of the printed flow-graph sheet.

#include "ReportGrid.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class Module1;

namespace reports {

// Appends blanks to strData until it is intSpaces long (at most 255) and
// returns a copy of it; a text already as long is left as it is, never cut.
QString FormatString(QString& strData, int16_t intSpaces);
// FormatString of a fresh one-blank text: a run of `width` blanks.
QString blanks(int width);

// The one-decimal text of a single: its decimal form of seven significant
// digits, rounded to one decimal (exact halves of that value to the even
// digit), written without trailing zeros or point: 12, 12.5, 0.3, -25, 0.
QString oneDecimalText(float x);

// The texts of one comparison row: count, current, baseline, change and
// percent change. The change is current minus baseline; the percent is
// taken relative to the current flow, and "0" when that is exactly 0.
struct FlowComparisonRow {
    QString count, current, baseline, change, percent;
};
FlowComparisonRow flowComparisonRow(int count, float current, float baseline);

// The five row headings, in GPM or LPM.
std::array<QString, 5> comparisonHeadings(bool us);

// The result arrays a comparison reads, chosen by the units switch: element
// i is the flow per nozzle with i nozzles operating.
struct ComparisonFlows {
    const std::vector<float>& current;
    const std::vector<float>& baseline;
};

// Element i of a result array; 0 beyond it.
float flowAt(const std::vector<float>& values, int i);
// The arrays the units of System Settings choose (catalogue::windowShowsUS).
ComparisonFlows comparisonFlows(const Module1& m, bool us);

// The comparison grid of the preview page: title band, blank band, headings
// and one row per count 1 to n, for a grid `gridWidthTwips` wide.
inline constexpr int kComparePageGridWidth = 9015;
ReportGrid comparisonPageGrid(int n, bool us, const ComparisonFlows& flows, int gridWidthTwips = kComparePageGridWidth);

// The printed sheet's two transposed grids, counts 15 to 27 (with the title
// and blank bands) and 28 to 40; a count beyond the arrays reads "0".
inline constexpr int kPrintCompareGridWidth = 8885;
struct PrintedComparison {
    ReportGrid first;  // flxCompare
    ReportGrid second; // flxNextCompare
};
PrintedComparison printedComparisonGrids(bool us, const ComparisonFlows& flows,
                                         int gridWidthTwips = kPrintCompareGridWidth);

// The flow improvement table of the printed flow-graph sheet: the five row
// captions and fourteen columns of five texts, column k for k + 1 nozzles.
// Counts carry a leading blank, a zero current flow's percent is " 0", and
// the columns beyond n are " k+1" over " 0".
inline constexpr int kSheetTableColumns = 14;
struct SheetTable {
    std::array<QString, 5> captions;
    std::array<std::array<QString, 5>, kSheetTableColumns> columns;
};
SheetTable flowGraphSheetTable(int n, bool us, const ComparisonFlows& flows);

} // namespace reports

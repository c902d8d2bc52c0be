#include "FlowComparison.h"

#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/UnitsInForce.h"
#include "platform/NumText.h"

#include <algorithm>
#include <cmath>

namespace reports {

namespace {

const QString kTitle = QStringLiteral("FlowRate Improvement Between Baseline Vs Current");

// The largest width a caller may ask of FormatString.
constexpr int kMaxSpaces = 255;

// The change rounded to one decimal, as the row keeps it.
float roundedChange(float current, float baseline)
{
    const float d = current - baseline;
    return float(platform::roundHalfEven1(double(d)));
}

void centreAll(ReportGrid& grid)
{
    for (auto& alignment : grid.colAlignment)
        alignment = kAlignCentreCentre;
}

} // namespace

float flowAt(const std::vector<float>& values, int i)
{
    return i >= 0 && size_t(i) < values.size() ? values[size_t(i)] : 0.0f;
}

ComparisonFlows comparisonFlows(const Module1& m, bool us)
{
    return {us ? m.sngCurrentGPM : m.sngCurrentLPM, us ? m.sngBaselineGPM : m.sngBaselineLPM};
}

QString FormatString(QString& strData, int16_t intSpaces)
{
    const int width = std::min<int>(intSpaces, kMaxSpaces);
    if (strData.size() < width)
        strData.append(QString(width - strData.size(), QLatin1Char(' ')));
    return strData;
}

QString blanks(int width)
{
    QString strData = QStringLiteral(" ");
    return FormatString(strData, int16_t(std::clamp(width, 0, kMaxSpaces)));
}

QString oneDecimalText(float x)
{
    if (!std::isfinite(x))
        return QStringLiteral("O/R");
    // The decimal the single shows (seven digits), then rounded as a double:
    // halves of that double go to the even digit.
    const double shown = platform::parseDouble(platform::singleToText(x)).value_or(double(x));
    return platform::doubleToText(platform::roundHalfEven1(shown));
}

FlowComparisonRow flowComparisonRow(int count, float current, float baseline)
{
    FlowComparisonRow row;
    row.count = QString::number(count);
    row.current = oneDecimalText(current);
    row.baseline = oneDecimalText(baseline);
    const float d = roundedChange(current, baseline);
    row.change = platform::singleToText(d == 0.0f ? 0.0f : d);
    if (current == 0.0f) {
        row.percent = QStringLiteral("0");
    } else {
        // A tiny current flow against a large change can leave the single's
        // range; that percent has no number to show.
        const float p = float(double(d) / double(current) * 100.0);
        row.percent = oneDecimalText(p);
    }
    return row;
}

std::array<QString, 5> comparisonHeadings(bool us)
{
    const QString unit = us ? QStringLiteral("(GPM)") : QStringLiteral("(LPM)");
    return {QStringLiteral("NoOfNozzles"), QStringLiteral("CurrentFlow") + unit, QStringLiteral("BaselineFlow") + unit,
            QStringLiteral("ChangeInFlow") + unit, QStringLiteral("%ChangeInFlow") + unit};
}

ReportGrid comparisonPageGrid(int n, bool us, const ComparisonFlows& flows, int gridWidthTwips)
{
    n = std::max(n, 0);
    ReportGrid grid(n + 3, 5);
    const float fifth = float(gridWidthTwips) / 5.0f;
    grid.colWidthTwips[0] = std::max(0, int(platform::roundHalfEven0(double(fifth - 400.0f))));
    for (int c = 1; c < 5; ++c)
        grid.colWidthTwips[size_t(c)] = int(platform::roundHalfEven0(double(fifth)));
    centreAll(grid);
    grid.mergeCells = 1;
    grid.mergeRow[0] = grid.mergeRow[1] = true;

    const QString title = blanks(30) + kTitle;
    const QString band = blanks(35);
    const auto headings = comparisonHeadings(us);
    for (int c = 0; c < 5; ++c) {
        grid.cells.setTextMatrix(0, c, title);
        grid.cells.setTextMatrix(1, c, band);
        grid.cells.setTextMatrix(2, c, headings[size_t(c)]);
    }
    for (int i = 1; i <= n; ++i) {
        const FlowComparisonRow row = flowComparisonRow(i, flowAt(flows.current, i), flowAt(flows.baseline, i));
        const QString texts[] = {row.count, row.current, row.baseline, row.change, row.percent};
        for (int c = 0; c < 5; ++c)
            grid.cells.setTextMatrix(i + 2, c, texts[c]);
    }
    return grid;
}

PrintedComparison printedComparisonGrids(bool us, const ComparisonFlows& flows, int gridWidthTwips)
{
    PrintedComparison sheet{ReportGrid(8, 15), ReportGrid(6, 15)};
    sheet.first.fontFamily = sheet.second.fontFamily = QStringLiteral("Tahoma");
    const float fifteenth = float(gridWidthTwips) / 15.0f;
    for (ReportGrid* grid : {&sheet.first, &sheet.second}) {
        grid->colWidthTwips[0] = 20;
        grid->rowHeightTwips[0] = 20;
        grid->colWidthTwips[1] = int(platform::roundHalfEven0(double(fifteenth + 2000.0f)));
        for (int c = 2; c < 15; ++c)
            grid->colWidthTwips[size_t(c)] = int(platform::roundHalfEven0(double(fifteenth)));
        grid->colAlignment[1] = kAlignLeftCentre;
        for (int c = 2; c < 15; ++c)
            grid->colAlignment[size_t(c)] = kAlignCentreCentre;
    }
    sheet.first.mergeCells = 1;
    sheet.first.mergeRow[1] = sheet.first.mergeRow[2] = true;
    const QString title = blanks(80) + kTitle;
    const QString band = blanks(35);
    for (int c = 1; c < 15; ++c) {
        sheet.first.cells.setTextMatrix(1, c, title);
        sheet.first.cells.setTextMatrix(2, c, band);
    }
    const auto headings = comparisonHeadings(us);
    for (int h = 0; h < 5; ++h) {
        sheet.first.cells.setTextMatrix(3 + h, 1, headings[size_t(h)]);
        sheet.second.cells.setTextMatrix(1 + h, 1, headings[size_t(h)]);
    }

    // The arrays' upper bound: a count beyond it has no result.
    const int bound = int(flows.current.size()) - 1;
    for (int i = 15; i <= 40; ++i) {
        ReportGrid& grid = i <= 27 ? sheet.first : sheet.second;
        const int col = i <= 27 ? i - 13 : i - 26;
        const int top = i <= 27 ? 3 : 1;
        grid.cells.setTextMatrix(top, col, QString::number(i));
        if (i > bound) {
            for (int r = 1; r <= 4; ++r)
                grid.cells.setTextMatrix(top + r, col, QStringLiteral("0"));
            continue;
        }
        const FlowComparisonRow row = flowComparisonRow(i, flowAt(flows.current, i), flowAt(flows.baseline, i));
        grid.cells.setTextMatrix(top + 1, col, row.current);
        grid.cells.setTextMatrix(top + 2, col, row.baseline);
        grid.cells.setTextMatrix(top + 3, col, row.change);
        grid.cells.setTextMatrix(top + 4, col, row.percent);
    }
    return sheet;
}

SheetTable flowGraphSheetTable(int n, bool us, const ComparisonFlows& flows)
{
    SheetTable table;
    table.captions = comparisonHeadings(us);
    const int written = std::clamp(n, 0, kSheetTableColumns);
    for (int k = 0; k < kSheetTableColumns; ++k) {
        auto& column = table.columns[size_t(k)];
        const int i = k + 1;
        if (k >= written) {
            column = {QStringLiteral(" ") + QString::number(i), QStringLiteral(" 0"), QStringLiteral(" 0"),
                      QStringLiteral(" 0"), QStringLiteral(" 0")};
            continue;
        }
        const float current = flowAt(flows.current, i);
        const FlowComparisonRow row = flowComparisonRow(i, current, flowAt(flows.baseline, i));
        column = {QStringLiteral(" ") + row.count, row.current, row.baseline, row.change,
                  current == 0.0f ? QStringLiteral(" 0") : row.percent};
    }
    return table;
}

} // namespace reports

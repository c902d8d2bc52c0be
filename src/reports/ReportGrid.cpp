#include "ReportGrid.h"

#include "platform/Twips.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace reports {

ReportGrid::ReportGrid(int rows, int cols)
    : cells(rows, cols), colWidthTwips(size_t(std::max(cols, 0)), kDefaultColTwips),
      colAlignment(size_t(std::max(cols, 0))), rowHeightTwips(size_t(std::max(rows, 0))),
      boldRow(size_t(std::max(rows, 0)), false), mergeRow(size_t(std::max(rows, 0)), false)
{
}

int ReportGrid::rowHeight(int row) const
{
    if (row < 0 || row >= rows())
        return 0;
    return rowHeightTwips[size_t(row)].value_or(kDefaultRowTwips);
}

QSize ReportGrid::sizeTwips() const
{
    int width = 0, height = 0;
    for (int w : colWidthTwips)
        width += w;
    for (int r = 0; r < rows(); ++r)
        height += rowHeight(r);
    return {width, height};
}

std::vector<std::pair<int, int>> mergedRuns(const ReportGrid& grid, int row)
{
    std::vector<std::pair<int, int>> runs;
    if (row < 0 || row >= grid.rows() || grid.mergeCells == 0 || !grid.mergeRow[size_t(row)])
        return runs;
    int first = 0;
    for (int c = 1; c <= grid.cols(); ++c) {
        if (c < grid.cols() && grid.cells.TextMatrix(row, c) == grid.cells.TextMatrix(row, first))
            continue;
        if (c - 1 > first)
            runs.emplace_back(first, c - 1);
        first = c;
    }
    return runs;
}

std::optional<std::pair<int, int>> cellAt(const ReportGrid& grid, int xTwips, int yTwips)
{
    if (xTwips < 0 || yTwips < 0)
        return std::nullopt;
    int row = -1, col = -1;
    for (int r = 0, top = 0; r < grid.rows(); top += grid.rowHeight(r), ++r)
        if (yTwips < top + grid.rowHeight(r)) {
            row = r;
            break;
        }
    for (int c = 0, left = 0; c < grid.cols(); left += grid.colWidthTwips[size_t(c)], ++c)
        if (xTwips < left + grid.colWidthTwips[size_t(c)]) {
            col = c;
            break;
        }
    if (row < 0 || col < 0)
        return std::nullopt;
    return std::make_pair(row, col);
}

QFont twipsFont(const QString& family, double pointSize, bool bold)
{
    QFont font(family);
    // A point is 20 twips; a pixel size follows the painter's scale, where a
    // point size would follow the device's resolution as well.
    font.setPixelSize(std::max(1, int(std::lround(pointSize * platform::kTwipsPerPoint))));
    font.setBold(bold);
    return font;
}

namespace {

// Cell text keeps a small inset from the grid lines, as a grid control's does.
constexpr int kInset = 45;
// The smallest size the grid's text shrinks to.
constexpr double kLeastPointSize = 6.0;

// The grid's point size, shrunk where a cell's text would not fit its
// column: the widths are the layout's twips, and the font that stands in
// for the one they were made for may be wider. Merged runs and blank
// cells take no part.
double fittedPointSize(const ReportGrid& grid)
{
    double ratio = 1.0;
    const QFontMetricsF regular(twipsFont(grid.fontFamily, grid.fontPointSize, false));
    const QFontMetricsF bold(twipsFont(grid.fontFamily, grid.fontPointSize, true));
    for (int r = 0; r < grid.rows(); ++r) {
        if (grid.rowHeight(r) <= 0 || !mergedRuns(grid, r).empty())
            continue;
        for (int c = 0; c < grid.cols(); ++c) {
            const QString text = grid.cells.TextMatrix(r, c);
            if (text.trimmed().isEmpty() || grid.colWidthTwips[size_t(c)] <= 2 * kInset)
                continue;
            const double needed = (grid.boldRow[size_t(r)] ? bold : regular).horizontalAdvance(text);
            ratio = std::min(ratio, (grid.colWidthTwips[size_t(c)] - 2 * kInset) / needed);
        }
    }
    return std::max(kLeastPointSize, grid.fontPointSize * ratio);
}

} // namespace

void paintReportGrid(QPainter& painter, const ReportGrid& grid)
{
    const QSize size = grid.sizeTwips();
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), grid.background);

    std::vector<int> lefts(size_t(grid.cols()) + 1, 0);
    for (int c = 0; c < grid.cols(); ++c)
        lefts[size_t(c) + 1] = lefts[size_t(c)] + grid.colWidthTwips[size_t(c)];
    const double pointSize = fittedPointSize(grid);

    QPen linePen(grid.gridLines);
    linePen.setWidth(platform::kTwipsPerPixel); // one screen pixel
    for (int r = 0, top = 0; r < grid.rows(); top += grid.rowHeight(r), ++r) {
        const int height = grid.rowHeight(r);
        if (height <= 0)
            continue;
        painter.setFont(twipsFont(grid.fontFamily, pointSize, grid.boldRow[size_t(r)]));
        const auto runs = mergedRuns(grid, r);
        for (int c = 0; c < grid.cols();) {
            int last = c;
            for (const auto& run : runs)
                if (run.first == c)
                    last = run.second;
            const QRect cell(lefts[size_t(c)], top, lefts[size_t(last) + 1] - lefts[size_t(c)], height);
            if (cell.width() > 0) {
                painter.setPen(linePen);
                painter.setBrush(Qt::NoBrush);
                painter.drawLine(cell.topRight(), cell.bottomRight());
                painter.drawLine(cell.bottomLeft(), cell.bottomRight());
                const int alignment = grid.colAlignment[size_t(c)].value_or(kAlignLeftCentre);
                const Qt::Alignment align =
                    (alignment == kAlignCentreCentre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
                painter.setPen(Qt::black);
                painter.setClipRect(cell.adjusted(0, 0, -1, -1));
                painter.drawText(cell.adjusted(kInset, 0, -kInset, 0), int(align) | Qt::TextSingleLine,
                                 grid.cells.TextMatrix(r, c));
                painter.setClipping(false);
            }
            c = last + 1;
        }
    }
    painter.restore();
}

} // namespace reports

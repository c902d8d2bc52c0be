#pragma once
// A report grid as plain data: cell texts, column widths and row heights in
// twips, column alignments, bold rows and free merging of equal adjacent
// cells, with the font and colours the grid is drawn in. The report pages and
// printed sheets build one; ReportGridView shows it on screen and
// paintReportGrid draws the whole grid on any painter (screen or paper).

#include "platform/TextGrid.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QFont;
class QPainter;

namespace reports {

// Column alignments as the grid control numbers them (vertically centred).
inline constexpr int kAlignLeftCentre = 1;
inline constexpr int kAlignCentreCentre = 4;

// The height of a row the grid leaves at its default.
inline constexpr int kDefaultRowTwips = 240;
// The width of a column the grid leaves at its default.
inline constexpr int kDefaultColTwips = 960;

struct ReportGrid {
    ReportGrid(int rows, int cols);

    int rows() const { return cells.Rows(); }
    int cols() const { return cells.Cols(); }

    platform::PlainGrid cells;
    std::vector<int> colWidthTwips;
    // Unset: the grid's own default (left, vertically centred).
    std::vector<std::optional<int>> colAlignment;
    std::vector<std::optional<int>> rowHeightTwips;
    std::vector<bool> boldRow;
    // Free merging (1): equal adjacent cells of a mergeable row show as one.
    int mergeCells = 0;
    std::vector<bool> mergeRow;

    QString fontFamily = QStringLiteral("MS Sans Serif");
    double fontPointSize = 8.25;
    QColor background = Qt::white;
    QColor gridLines = QColor(192, 192, 192);

    int rowHeight(int row) const;
    // The whole grid, every row and column.
    QSize sizeTwips() const;
};

// The runs of two or more equal adjacent cells that show as one cell, as
// (first, last) columns, left to right; none in a row that may not merge.
std::vector<std::pair<int, int>> mergedRuns(const ReportGrid& grid, int row);

// The cell under a point of the grid (twips from its top-left corner); none
// outside the grid.
std::optional<std::pair<int, int>> cellAt(const ReportGrid& grid, int xTwips, int yTwips);

// Draws the whole grid with its top-left corner at the painter's origin, in
// twips: the painter must map one unit to one twip. Fonts are sized in twips
// too, so the text keeps its point size on any device.
void paintReportGrid(QPainter& painter, const ReportGrid& grid);

// The font of a report drawn in twips: `pointSize` on any device whose
// painter maps one unit to one twip.
QFont twipsFont(const QString& family, double pointSize, bool bold = false);

} // namespace reports

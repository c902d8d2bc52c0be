#pragma once
// The two print commands. The report: sheet 1, the flow-graph sheet, scaled
// into the printable area; sheet 2 from an origin 720 twips right and 1080
// below the printable area's corner: the component list alone for up to 14
// nozzles entered, or the two comparison grids above it for 15 or more. The
// pump curve: its page, scaled into the printable area, as a document of its
// own. Each asks first, then shows the printer dialog; Cancel ends silently,
// and a print that fails says so once. The copies, their collation and the
// reverse order chosen in the dialog hold for both.

#include <QPoint>
#include <QSize>
#include <QSizeF>
#include <vector>

class MainWindowInputs;
class Module1;
class ReportWindow;

namespace reports {

// Where a sheet goes in the printable area (twips from its top-left corner):
// the painter is scaled by `scale`, never above 1, after the origin is moved
// to `origin` (unscaled twips).
struct SheetPlacement {
    double scale = 1.0;
    QPointF origin;
};
// A whole sheet at the area's corner, shrunk to fit, proportions kept.
SheetPlacement fitSheet(QSizeF sheetTwips, QSizeF areaTwips);

// The items of sheet 2, at their places from its origin.
enum class SheetTwoItem { Compare, NextCompare, ComponentList };
struct SheetTwoPart {
    SheetTwoItem item;
    QPoint at;
};
std::vector<SheetTwoPart> sheetTwoParts(int nozzlesEntered);
// The origin of sheet 2 in the printable area.
inline constexpr QPoint kSheetTwoOrigin{720, 1080};
// Sheet 2 at true size, unless the area (twips) is too small for its origin
// and its items (extent: their right and bottom edge from the origin): then
// scaled down whole, origin included.
SheetPlacement fitSheetTwo(QSizeF extentTwips, QSizeF areaTwips);

// The pages of a document of `pages` pages as they go to the printer,
// numbered from 1: `copies` times over, each copy whole in turn when
// `collate` (1,2,1,2), each page's copies together when not (1,1,2,2), last
// page first when `reverse`. Fewer than one copy is one.
std::vector<int> pageSequence(int pages, int copies, bool collate, bool reverse);

// File Print and page 1's Print.
void PrintReport(Module1& m, ReportWindow& r);
// The Pump Area's Print.
void PrintPumpCurve(Module1& m, MainWindowInputs& w);

} // namespace reports

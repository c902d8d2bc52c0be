#pragma once
// The component list: the current and the baseline configuration side by
// side, one row per item of the main window's summary grids, under a title
// band and a heading row. Everything the grid shows is built here as plain
// data; a window or a printed sheet only applies it to its grid.

#include "ReportGrid.h"

#include <QString>
#include <array>

namespace reports {

inline constexpr int kComponentListRows = 39;
inline constexpr int kComponentListCols = 6;
// Summary-grid rows 1 to 35 become list rows 4 to 38.
inline constexpr int kComponentListItems = 35;
inline constexpr int kComponentListFirstItemRow = 4;
// The grid's width in the page's layout, in twips.
inline constexpr int kComponentListGridWidth = 11050;

// The list is a report grid of kComponentListRows x kComponentListCols.
using ComponentListGrid = ReportGrid;

// The five widths of columns 1 to 5 for a grid `gridWidthTwips` wide: a fifth
// of the width (in single precision) plus a fixed offset, rounded halves to
// even; column 0 is 20. A width the offset would make negative is 0.
std::array<int, kComponentListCols> componentListColumnWidths(int gridWidthTwips);

// The list built from the Current and BaseLine summary grids. The labels come
// from the Current grid; the baseline columns take columns 1 and 2 of the
// BaseLine row with the same number. Texts are copied unchanged; a cell a
// summary grid lacks reads "".
ComponentListGrid buildComponentList(const platform::TextGrid& current, const platform::TextGrid& baseline,
                                     int gridWidthTwips = kComponentListGridWidth);

// The tool tip on entering a cell: its text, except that a cell holding
// exactly one blank (not applicable) shows none.
QString componentListToolTip(const ComponentListGrid& grid, int row, int col);

} // namespace reports

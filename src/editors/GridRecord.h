#pragma once
// Between a catalogue record's curve and the point grid: Edit shows a
// record's points rounded for the eye; Save and OK copy the grid back into
// a record, each value rounded to one decimal, leaving out a last row of
// zeros (the spare row a click adds).

#include "PointGrid.h"

#include "catalogue/Records.h"

namespace editors {

// The record's points, one row each, rounded to `decimals`.
void showPoints(PointGrid& grid, const typComponent& record, int decimals);

// The value a cell stores: its decimal text read as a single, rounded to
// one decimal (halves to even), as a single: 2.25 2.2, 2.75 2.8.
float storedValue(const QString& cell);

// The points of the grid: rows 0 to R - 1 into the flow and head arrays
// (which get R + 1 elements), and the point count: R, or R - 1 when a grid of
// more than one row ends in a row whose two texts read 0.
void copyPoints(const PointGrid& grid, typComponent& record);

} // namespace editors

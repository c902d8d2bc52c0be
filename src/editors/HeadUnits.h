#pragma once
// The head column of a point grid in feet (metres in metric units) or in
// PSI on the gas or diesel basis. The catalogue holds heads in feet only:
// PSI exists in the grid alone. Each conversion rewrites every row: the flow
// rounded to one decimal, the head converted and rounded to one decimal, so
// a trip to PSI and back can move a head by a tenth (100 ft, 31.2 PSI on gas,
// 100.1 ft).

#include "PointGrid.h"

namespace editors {

// Specific gravities of the two fuels, held as singles.
inline constexpr float kGasGravity = 0.72f;
inline constexpr float kDieselGravity = 0.87f;
inline constexpr double kFeetPerPsi = 2.31;
inline constexpr double kPsiPerMetre = 1.42; // not the reciprocal of 2.31 x 0.3048

// Feet (metres) to PSI on the fuel's basis. `dieselPreRound`: the decimals a
// head is rounded to before a diesel conversion (-1: none).
void headsToPsi(PointGrid& grid, bool usUnits, bool diesel, int dieselPreRound);
// PSI on the fuel's basis back to feet (metres).
void headsToFeet(PointGrid& grid, bool usUnits, bool diesel);
// A PSI column from one fuel's basis to the other's.
void psiToFuel(PointGrid& grid, bool toDiesel);

} // namespace editors

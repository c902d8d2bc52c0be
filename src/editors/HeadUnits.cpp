#include "HeadUnits.h"

#include "catalogue/UnitConversion.h"
#include "platform/NumText.h"

#include <functional>

namespace editors {

namespace {

float single(const QString& text) { return float(cellValue(text)); }

// The decimal text of a single, read back as a double: what is rounded.
double shownSingle(float value) { return platform::parseDouble(platform::singleToText(value)).value_or(0.0); }
double shownDouble(double value) { return platform::parseDouble(platform::doubleToText(value)).value_or(0.0); }

// Every row, the flow rounded to one decimal and the head converted.
void convertRows(PointGrid& grid, const std::function<double(float)>& head)
{
    const int rows = grid.rows();
    for (int r = 0; r < rows; ++r) {
        grid.setText(r, 0, cellText(shownSingle(single(grid.text(r, 0))), 1));
        grid.setText(r, 1, cellText(head(single(grid.text(r, 1))), 1));
    }
}

} // namespace

void headsToPsi(PointGrid& grid, bool usUnits, bool diesel, int dieselPreRound)
{
    const double gravity = diesel ? double(kDieselGravity) : double(kGasGravity);
    convertRows(grid, [&](float h) {
        double value = h;
        if (diesel && dieselPreRound >= 0)
            value = platform::roundHalfEvenTo(shownSingle(h), dieselPreRound);
        return shownDouble(usUnits ? value * gravity / kFeetPerPsi : value * gravity * kPsiPerMetre);
    });
}

void headsToFeet(PointGrid& grid, bool usUnits, bool diesel)
{
    const double gravity = diesel ? double(kDieselGravity) : double(kGasGravity);
    convertRows(grid, [&](float h) {
        const double feet = double(h) * kFeetPerPsi / gravity;
        return shownDouble(usUnits ? feet : feet * kFeetToMetres);
    });
}

void psiToFuel(PointGrid& grid, bool toDiesel)
{
    convertRows(grid, [&](float h) {
        const double value = toDiesel ? double(h) * double(kDieselGravity) / double(kGasGravity)
                                      : double(h) * double(kGasGravity) / double(kDieselGravity);
        // The fuel handlers hold their result as a single.
        return shownSingle(float(value));
    });
}

} // namespace editors

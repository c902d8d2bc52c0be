#include "HeadUnits.h"

#include "catalogue/UnitConversion.h"
#include "platform/NumText.h"

#include <functional>

namespace editors {

namespace {

float single(const QString& text) { return float(cellValue(text)); }

// A head result: a double shown at fifteen digits, or (the fuel handlers) a
// single at seven.
struct Head {
    double value;
    int significant;
};

// Every row, the flow rounded to one decimal and the head converted.
void convertRows(PointGrid& grid, const std::function<Head(float)>& head)
{
    const int rows = grid.rows();
    for (int r = 0; r < rows; ++r) {
        grid.setText(r, 0, singleCellText(single(grid.text(r, 0)), 1));
        const Head h = head(single(grid.text(r, 1)));
        grid.setText(r, 1, cellText(h.value, 1, h.significant));
    }
}

} // namespace

void headsToPsi(PointGrid& grid, bool usUnits, bool diesel, int dieselPreRound)
{
    const double gravity = diesel ? double(kDieselGravity) : double(kGasGravity);
    convertRows(grid, [&](float h) {
        double value = h;
        if (diesel && dieselPreRound >= 0)
            value = platform::roundShownHalfEven(double(h), 7, dieselPreRound);
        return Head{usUnits ? value * gravity / kFeetPerPsi : value * gravity * kPsiPerMetre, 15};
    });
}

void headsToFeet(PointGrid& grid, bool usUnits, bool diesel)
{
    const double gravity = diesel ? double(kDieselGravity) : double(kGasGravity);
    convertRows(grid, [&](float h) {
        const double feet = double(h) * kFeetPerPsi / gravity;
        return Head{usUnits ? feet : feet * kFeetToMetres, 15};
    });
}

void psiToFuel(PointGrid& grid, bool toDiesel)
{
    convertRows(grid, [&](float h) {
        const double value = toDiesel ? double(h) * double(kDieselGravity) / double(kGasGravity)
                                      : double(h) * double(kGasGravity) / double(kDieselGravity);
        // The fuel handlers hold their result as a single.
        return Head{double(float(value)), 7};
    });
}

} // namespace editors

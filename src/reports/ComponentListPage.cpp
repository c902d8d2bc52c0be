#include "ComponentListPage.h"

#include "FlowComparison.h"
#include "platform/NumText.h"

#include <algorithm>

namespace reports {

namespace {

const char* const kTitle = "Current And Baseline Components List";
const char* const kHeadings[kComponentListCols] = {nullptr, "Equipment Type", "Current", "No.", "Baseline", "No."};

// Row 0 and column 0 are 20 twips, so that both stay out of sight.
constexpr int kHiddenTwips = 20;

} // namespace

std::array<int, kComponentListCols> componentListColumnWidths(int gridWidthTwips)
{
    static constexpr float kOffsets[kComponentListCols] = {0.0f, -400.0f, 800.0f, -1055.0f, 800.0f, -1055.0f};
    const float fifth = float(gridWidthTwips) / 5.0f;
    std::array<int, kComponentListCols> widths{};
    widths[0] = kHiddenTwips;
    for (int c = 1; c < kComponentListCols; ++c) {
        const float width = fifth + kOffsets[c];
        // A grid narrower than the offsets would give the "No." columns a
        // negative width, which the grid control refuses.
        widths[c] = std::max(0, int(platform::roundHalfEven0(double(width))));
    }
    return widths;
}

ComponentListGrid buildComponentList(const platform::TextGrid& current, const platform::TextGrid& baseline,
                                     int gridWidthTwips)
{
    ComponentListGrid grid(kComponentListRows, kComponentListCols);
    grid.fontFamily = QStringLiteral("Tahoma");
    grid.mergeCells = 1;
    const auto widths = componentListColumnWidths(gridWidthTwips);
    grid.colWidthTwips.assign(widths.begin(), widths.end());
    grid.rowHeightTwips[0] = kHiddenTwips;
    grid.colAlignment[1] = kAlignLeftCentre;
    for (int c = 2; c < kComponentListCols; ++c)
        grid.colAlignment[c] = kAlignCentreCentre;
    grid.mergeRow[1] = true;
    grid.mergeRow[2] = true;

    // Title, blank band and headings are bold; row 0 is never written.
    for (int r = 1; r <= 3; ++r)
        grid.boldRow[r] = true;
    for (int c = 1; c < kComponentListCols; ++c) {
        grid.cells.setTextMatrix(1, c, blanks(80) + QLatin1String(kTitle));
        grid.cells.setTextMatrix(2, c, blanks(35));
        grid.cells.setTextMatrix(3, c, QLatin1String(kHeadings[c]));
    }

    for (int i = 1; i <= kComponentListItems; ++i) {
        const int row = i + kComponentListFirstItemRow - 1;
        grid.cells.setTextMatrix(row, 1, current.TextMatrix(i, 0));
        grid.cells.setTextMatrix(row, 2, current.TextMatrix(i, 1));
        grid.cells.setTextMatrix(row, 3, current.TextMatrix(i, 2));
        grid.cells.setTextMatrix(row, 4, baseline.TextMatrix(i, 1));
        grid.cells.setTextMatrix(row, 5, baseline.TextMatrix(i, 2));
    }
    return grid;
}

QString componentListToolTip(const ComponentListGrid& grid, int row, int col)
{
    const QString text = grid.cells.TextMatrix(row, col);
    return text == QLatin1String(" ") ? QString() : text;
}

} // namespace reports

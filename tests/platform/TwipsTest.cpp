#include "platform/Twips.h"
#include "platform/FlexGrid.h"

#include <gtest/gtest.h>

// The two roundings of twips to pixels: layouts drop the part of a pixel
// left over, the grid's column widths go to the nearest pixel. Either one
// changed moves what a window or a printed page shows.
TEST(Twips, LayoutsDropThePartPixelAndGridColumnsRoundToTheNearest)
{
    static_assert(platform::kTwipsPerInch == 1440 && platform::kTwipsPerPoint == 20 && platform::kTwipsPerPixel == 15);
    const struct {
        int twips, layout, column;
    } cases[] = {
        {0, 0, 0}, {7, 0, 0}, {8, 0, 1}, {14, 0, 1}, {15, 1, 1}, {1507, 100, 100}, {1508, 100, 101}, {4935, 329, 329},
    };
    platform::FlexGrid grid(2, 1);
    for (const auto& c : cases) {
        EXPECT_EQ(platform::px(c.twips), c.layout) << c.twips;
        EXPECT_EQ(platform::pxNearest(c.twips), c.column) << c.twips;
        // 100 pixels more, past the least width the grid's header allows.
        grid.setColWidthTwips(0, c.twips + 1500);
        EXPECT_EQ(grid.columnWidth(0), c.column + 100) << c.twips;
        EXPECT_EQ(grid.colWidthTwips(0), platform::pixelsToTwips(c.column + 100)) << c.twips;
    }
}

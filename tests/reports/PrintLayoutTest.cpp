// Where the printed sheets go on paper: the whole-sheet fit, the parts of
// sheet 2 and its placement, on abstract areas and on the real printable
// areas of Letter and A4 paper.
#include "reports/ComponentListPage.h"
#include "reports/FlowComparison.h"
#include "reports/PrintCommands.h"
#include "reports/PrintSheets.h"

#include <QPageSize>
#include <QPrinter>
#include <QRectF>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using reports::SheetPlacement;
using reports::SheetTwoItem;

namespace {

// Scaled lengths may miss the area's edge by a rounding of the last bit.
constexpr double kSlack = 1e-6;

// The placed sheet lies inside the area (twips).
void expectInside(const QRectF& placed, QSizeF area)
{
    EXPECT_GE(placed.left(), -kSlack);
    EXPECT_GE(placed.top(), -kSlack);
    EXPECT_LE(placed.right(), area.width() + kSlack) << "area width " << area.width();
    EXPECT_LE(placed.bottom(), area.height() + kSlack) << "area height " << area.height();
}

QRectF placed(const SheetPlacement& at, QPointF offset, QSizeF size)
{
    return QRectF(at.origin + offset * at.scale, size * at.scale);
}

// The printable area of a portrait page with Qt's default PDF margins, in
// twips, as the print run takes it.
QSizeF pdfAreaTwips(QPageSize::PageSizeId paper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(paper));
    printer.setPageOrientation(QPageLayout::Portrait);
    return printer.pageLayout().paintRect(QPageLayout::Inch).size() * 1440.0;
}

struct SheetTwo {
    std::vector<reports::SheetTwoPart> parts;
    std::vector<QSize> sizes; // of each part's grid
    QSizeF extent;
};

// Sheet 2 for n nozzles entered, from the real grids.
SheetTwo sheetTwo(int n)
{
    const std::vector<float> flows(size_t(n) + 2, 0.0f);
    const reports::PrintedComparison compare = reports::printedComparisonGrids(true, {flows, flows});
    const reports::ReportGrid list =
        reports::buildComponentList(platform::PlainGrid(36, 3), platform::PlainGrid(36, 3));
    SheetTwo sheet;
    sheet.parts = reports::sheetTwoParts(n);
    for (const auto& part : sheet.parts) {
        const QSize size = part.item == SheetTwoItem::Compare       ? compare.first.sizeTwips()
                           : part.item == SheetTwoItem::NextCompare ? compare.second.sizeTwips()
                                                                    : list.sizeTwips();
        sheet.sizes.push_back(size);
        sheet.extent = sheet.extent.expandedTo(QSizeF(part.at.x() + size.width(), part.at.y() + size.height()));
    }
    return sheet;
}

} // namespace

TEST(PrintLayout, FitSheetShrinksToTheAreaNeverEnlarges)
{
    const struct {
        QSizeF sheet, area;
        double scale;
    } cases[] = {
        {{1000, 500}, {2000, 2000}, 1.0},   // small sheets stay at true size
        {{2000, 2000}, {2000, 2000}, 1.0},  // exactly fits
        {{4000, 1000}, {2000, 2000}, 0.5},  // too wide
        {{1000, 4000}, {2000, 2000}, 0.5},  // too tall
        {{4000, 8000}, {2000, 2000}, 0.25}, // both: the tighter one
        {{11775, 11115}, {10000, 20000}, 10000.0 / 11775.0},
        {{3, 7}, {1, 1}, 1.0 / 7.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2 in %3x%4")
                         .arg(c.sheet.width())
                         .arg(c.sheet.height())
                         .arg(c.area.width())
                         .arg(c.area.height())
                         .toStdString());
        const SheetPlacement at = reports::fitSheet(c.sheet, c.area);
        EXPECT_DOUBLE_EQ(at.scale, c.scale);
        EXPECT_LE(at.scale, 1.0);
        EXPECT_EQ(at.origin, QPointF(0, 0));
        expectInside(placed(at, {0, 0}, c.sheet), c.area);
        if (at.scale < 1.0) { // shrunk as little as the area asks: one side meets its edge
            EXPECT_TRUE(std::abs(c.sheet.width() * at.scale - c.area.width()) < 1e-6
                        || std::abs(c.sheet.height() * at.scale - c.area.height()) < 1e-6);
        }
    }
}

TEST(PrintLayout, SheetTwoPartsByNozzlesEntered)
{
    for (int n : {0, 1, 3, 14}) {
        SCOPED_TRACE(n);
        const auto parts = reports::sheetTwoParts(n);
        ASSERT_EQ(parts.size(), 1u);
        EXPECT_EQ(parts[0].item, SheetTwoItem::ComponentList);
        EXPECT_EQ(parts[0].at, QPoint(0, 0));
    }
    for (int n : {15, 16, 27, 28, 40}) {
        SCOPED_TRACE(n);
        const auto parts = reports::sheetTwoParts(n);
        ASSERT_EQ(parts.size(), 3u);
        EXPECT_EQ(parts[0].item, SheetTwoItem::Compare);
        EXPECT_EQ(parts[0].at, QPoint(100, 30));
        EXPECT_EQ(parts[1].item, SheetTwoItem::NextCompare);
        EXPECT_EQ(parts[1].at, QPoint(100, 2000));
        EXPECT_EQ(parts[2].item, SheetTwoItem::ComponentList);
        EXPECT_EQ(parts[2].at, QPoint(100, 4000));
    }
}

TEST(PrintLayout, FitSheetTwoTrueSizeFromItsOriginOrScaledWhole)
{
    const QPointF origin(720, 1080);
    const struct {
        QSizeF extent, area;
        double scale;
    } cases[] = {
        {{10000, 9000}, {12000, 15000}, 1.0},
        {{11280, 13920}, {12000, 15000}, 1.0}, // origin + extent meets the area's edges
        {{11281, 13920}, {12000, 15000}, 12000.0 / 12001.0},
        {{10000, 13921}, {12000, 15000}, 15000.0 / 15001.0},
        {{10160, 9140}, {5000, 5000}, 5000.0 / 10880.0}, // a small area
        {{10408, 13140}, {4000, 9000}, 4000.0 / 11128.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2 in %3x%4")
                         .arg(c.extent.width())
                         .arg(c.extent.height())
                         .arg(c.area.width())
                         .arg(c.area.height())
                         .toStdString());
        const SheetPlacement at = reports::fitSheetTwo(c.extent, c.area);
        EXPECT_DOUBLE_EQ(at.scale, c.scale);
        EXPECT_DOUBLE_EQ(at.origin.x(), origin.x() * c.scale);
        EXPECT_DOUBLE_EQ(at.origin.y(), origin.y() * c.scale);
        expectInside(placed(at, {0, 0}, c.extent), c.area);
    }
}

TEST(PrintLayout, SheetsOnLetterAndA4WithDefaultPdfMargins)
{
    for (const auto paper : {QPageSize::Letter, QPageSize::A4}) {
        const QSizeF area = pdfAreaTwips(paper);
        SCOPED_TRACE(QStringLiteral("%1: %2 x %3 twips")
                         .arg(QPageSize(paper).name())
                         .arg(area.width())
                         .arg(area.height())
                         .toStdString());
        ASSERT_GT(area.width(), 10000.0);
        ASSERT_GT(area.height(), 14000.0);

        // Sheet 1 and the pump curve page, each fitted whole.
        for (const QSize sheet : {reports::kFlowGraphSheetTwips, reports::kPumpCurvePageTwips}) {
            SCOPED_TRACE(QStringLiteral("sheet %1 x %2").arg(sheet.width()).arg(sheet.height()).toStdString());
            const SheetPlacement at = reports::fitSheet(QSizeF(sheet), area);
            EXPECT_LE(at.scale, 1.0);
            expectInside(placed(at, {0, 0}, QSizeF(sheet)), area);
        }

        // Sheet 2: true size from its origin, every grid inside the area.
        for (int n : {14, 15, 40}) {
            SCOPED_TRACE(n);
            const SheetTwo sheet = sheetTwo(n);
            const SheetPlacement at = reports::fitSheetTwo(sheet.extent, area);
            EXPECT_EQ(at.scale, 1.0);
            EXPECT_EQ(at.origin, QPointF(720, 1080));
            std::vector<QRectF> rects;
            for (size_t p = 0; p < sheet.parts.size(); ++p) {
                rects.push_back(placed(at, QPointF(sheet.parts[p].at), QSizeF(sheet.sizes[p])));
                expectInside(rects.back(), area);
            }
            for (size_t a = 0; a < rects.size(); ++a)
                for (size_t b = a + 1; b < rects.size(); ++b)
                    EXPECT_FALSE(rects[a].intersects(rects[b])) << "parts " << a << " and " << b << " overlap";
        }
    }
}

TEST(PrintLayout, SheetTwoGridSizes)
{
    // The grids' sizes the placement works from: the component list
    // (20 + 1810 + 3010 + 1155 + 3010 + 1155 wide, 20 + 38 rows of 240 high)
    // and the comparison grids (20 + 2592 + 13 x 592 wide).
    const SheetTwo small = sheetTwo(14);
    ASSERT_EQ(small.sizes.size(), 1u);
    EXPECT_EQ(small.sizes[0], QSize(10160, 9140));
    EXPECT_EQ(small.extent, QSizeF(10160, 9140));
    const SheetTwo large = sheetTwo(15);
    ASSERT_EQ(large.sizes.size(), 3u);
    EXPECT_EQ(large.sizes[0], QSize(10308, 20 + 7 * 240));
    EXPECT_EQ(large.sizes[1], QSize(10308, 20 + 5 * 240));
    EXPECT_EQ(large.sizes[2], QSize(10160, 9140));
    EXPECT_EQ(large.extent, QSizeF(10408, 13140));

    // On a small area sheet 2 shrinks whole, origin included, and stays inside.
    const QSizeF area(6000, 7000);
    const SheetPlacement at = reports::fitSheetTwo(large.extent, area);
    EXPECT_LT(at.scale, 1.0);
    EXPECT_DOUBLE_EQ(at.scale, std::min(6000.0 / 11128.0, 7000.0 / 14220.0));
    for (size_t p = 0; p < large.parts.size(); ++p)
        expectInside(placed(at, QPointF(large.parts[p].at), QSizeF(large.sizes[p])), area);
}

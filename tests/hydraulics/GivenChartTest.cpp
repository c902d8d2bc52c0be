// The drawing steps draw on the chart they are given: a printed sheet's own
// chart gets the very drawing the main window's chart shows, and the main
// window's chart is left alone meanwhile.
#include "FakeUiServices.h"
#include "PlainWindow.h"
#include "hydraulics/Commands.h"

#include <gtest/gtest.h>

namespace {

using platform::Chart;

// Everything the program sets on a chart, compared setting by setting.
void expectSameDrawing(const Chart& shown, const Chart& sheet)
{
    EXPECT_EQ(sheet.chartType(), shown.chartType());
    EXPECT_EQ(sheet.title(), shown.title());
    EXPECT_EQ(sheet.wallBrushStyle(), shown.wallBrushStyle());
    EXPECT_EQ(sheet.autoLayout(), shown.autoLayout());
    EXPECT_EQ(sheet.uniformAxis(), shown.uniformAxis());
    for (int axis : {0, 1}) {
        EXPECT_EQ(sheet.axisTitle(axis), shown.axisTitle(axis)) << axis;
        EXPECT_EQ(sheet.valueMinimum(axis), shown.valueMinimum(axis)) << axis;
        EXPECT_EQ(sheet.valueMaximum(axis), shown.valueMaximum(axis)) << axis;
        EXPECT_EQ(sheet.divisionsPerLabel(axis), shown.divisionsPerLabel(axis)) << axis;
        EXPECT_EQ(sheet.divisionsPerTick(axis), shown.divisionsPerTick(axis)) << axis;
        EXPECT_EQ(sheet.labelsAuto(axis), shown.labelsAuto(axis)) << axis;
        EXPECT_EQ(sheet.labelHorizontalAlignment(axis), shown.labelHorizontalAlignment(axis)) << axis;
        EXPECT_EQ(sheet.labelVerticalAlignment(axis), shown.labelVerticalAlignment(axis)) << axis;
    }
    ASSERT_EQ(sheet.columnCount(), shown.columnCount());
    ASSERT_EQ(sheet.rowCount(), shown.rowCount());
    for (int r = 1; r <= shown.rowCount(); ++r) {
        EXPECT_EQ(sheet.rowLabel(r), shown.rowLabel(r)) << r;
        for (int c = 1; c <= shown.columnCount(); ++c) {
            EXPECT_EQ(sheet.isNull(r, c), shown.isNull(r, c)) << r << " " << c;
            EXPECT_EQ(sheet.data(r, c), shown.data(r, c)) << r << " " << c;
        }
    }
    for (int s = 1; s <= shown.columnCount(); ++s) {
        EXPECT_EQ(sheet.segments(s), shown.segments(s)) << s;
        EXPECT_EQ(sheet.seriesColor(s), shown.seriesColor(s)) << s;
        EXPECT_EQ(sheet.seriesMarkerVisible(s), shown.seriesMarkerVisible(s)) << s;
        EXPECT_EQ(sheet.seriesMarkerStyle(s), shown.seriesMarkerStyle(s)) << s;
        EXPECT_EQ(sheet.seriesMarkerSize(s), shown.seriesMarkerSize(s)) << s;
        EXPECT_EQ(sheet.seriesMarkerFill(s), shown.seriesMarkerFill(s)) << s;
    }
}

// Draws on the chart the main window does not own and checks that the main
// window's chart was not drawn anew.
template <class Draw>
void drawBeside(Chart& shown, Draw draw)
{
    shown.flush();
    const int redraws = shown.redrawCount();
    draw();
    shown.flush();
    EXPECT_EQ(shown.redrawCount(), redraws) << "the main window's chart changed";
}

struct GivenChart : ::testing::Test {
    FakeUiServices fake;
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    Chart sheet; // a printed sheet's own chart

    void setUnits(bool us)
    {
        m->objConfigureData->setUnits(us);
        w.settings.us = us;
    }
};

} // namespace

TEST_F(GivenChart, FlowGraphOfBothSeriesAndItsRedraw)
{
    // The first Calculate makes the baseline; a second pump makes the current
    // series differ from it.
    buildRealisticSite(*m, w, 8);
    m->blnAutoBaseline = true;
    hydraulics::cmdCalculate_Click(*m, w);
    PlainWindow::choose(w.quantity, "2");
    hydraulics::cmdCalculate_Click(*m, w);
    const Chart& shown = w.chart1;
    ASSERT_EQ(shown.rowCount(), 10);
    ASSERT_FALSE(shown.segments(1).empty());
    ASSERT_NE(shown.data(8, 2), shown.data(8, 1));

    drawBeside(w.chart1, [&] {
        hydraulics::FlowGraphSeriesUpdate(*m, sheet, 1);
        hydraulics::FlowGraphSeriesUpdate(*m, sheet, 2);
    });
    expectSameDrawing(shown, sheet);

    // The redraws in other units, on both charts.
    setUnits(false);
    hydraulics::FlowGraphRedraw(*m, w.chart1);
    drawBeside(w.chart1, [&] { hydraulics::FlowGraphRedraw(*m, sheet); });
    EXPECT_EQ(sheet.axisTitle(1), "LPM per Nozzle");
    expectSameDrawing(shown, sheet);
    hydraulics::FlowGraphUnitsRedraw(*m, w.chart1);
    drawBeside(w.chart1, [&] { hydraulics::FlowGraphUnitsRedraw(*m, sheet); });
    expectSameDrawing(shown, sheet);

    // Empty rows laid out on the chart given leave the main window's row
    // layout as it was.
    const std::vector<float> rows = {0, 1, 2, 3, 4, 5, 6};
    const int16_t plotted = w.mintPlottedNozzles();
    Chart other;
    drawBeside(w.chart1, [&] { hydraulics::FlowGraphEmptyRows(other, 6, rows); });
    ASSERT_EQ(other.rowCount(), 6);
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(other.rowLabel(r), QString::number(r));
        EXPECT_TRUE(other.isNull(r, 1) && other.isNull(r, 2)) << r;
    }
    EXPECT_EQ(shown.rowCount(), 10);
    EXPECT_EQ(w.mintPlottedNozzles(), plotted);
}

TEST_F(GivenChart, PumpCurve)
{
    struct Case {
        bool us;
        const char* quantity;
    };
    for (const Case& c : {Case{true, "1"}, Case{false, "2"}}) {
        SCOPED_TRACE(c.quantity);
        buildRealisticSite(*m, w, 8);
        setUnits(c.us);
        PlainWindow::choose(w.quantity, c.quantity);
        hydraulics::cmdUpdate_Click(*m, w);
        const auto table = m->sngPumpCurveData;
        const int16_t index = m->intIndex;
        ASSERT_GT(w.chart2.rowCount(), 0);
        ASSERT_FALSE(w.chart2.segments(1).empty());

        Chart pumpSheet;
        bool drawn = false;
        drawBeside(w.chart2, [&] { drawn = hydraulics::DrawPumpCurve(*m, w, pumpSheet); });
        EXPECT_TRUE(drawn);
        EXPECT_EQ(m->intIndex, index);
        EXPECT_EQ(m->sngPumpCurveData, table);
        expectSameDrawing(w.chart2, pumpSheet);
    }

    // No record for the selection: only the layout settings reach the chart.
    PlainWindow::choose(w.pumps, "None");
    Chart pumpSheet;
    bool drawn = true;
    drawBeside(w.chart2, [&] { drawn = hydraulics::DrawPumpCurve(*m, w, pumpSheet); });
    EXPECT_FALSE(drawn);
    EXPECT_EQ(m->intIndex, m->intPumpMax + 1);
    EXPECT_FALSE(pumpSheet.autoLayout());
    EXPECT_TRUE(pumpSheet.uniformAxis());
    EXPECT_EQ(pumpSheet.rowCount(), 0);
    EXPECT_EQ(pumpSheet.title(), "");
}

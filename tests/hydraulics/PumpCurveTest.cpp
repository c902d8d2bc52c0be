#include "PlainWindow.h"
#include "hydraulics/Commands.h"

#include <gtest/gtest.h>

namespace {

struct PumpCurve : ::testing::Test {
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    platform::Chart& chart = w.chart2;
    PumpCurve()
    {
        setTable(m->udtPumps, m->intPumpMax,
                 {curve("Other", false, {{0, 10}, {5, 1}}), curve("P", true, {{0, 300}, {90, 10}}),
                  curve("P", false, {{0, 100}, {20, 80}, {40, 0}}),
                  curve("Small", false, {{0, 30}, {10, 20}, {20, 1}})});
        PlainWindow::choose(w.pumps, "P");
    }
};

} // namespace

TEST_F(PumpCurve, OnePumpInUsUnits)
{
    hydraulics::cmdUpdate_Click(*m, w);
    EXPECT_EQ(m->intIndex, 2);
    EXPECT_EQ(chart.title(), "P");
    EXPECT_EQ(chart.axisTitle(0), "GPM");
    EXPECT_EQ(chart.axisTitle(1), "Feet of Head");
    EXPECT_FALSE(chart.autoLayout());
    EXPECT_TRUE(chart.uniformAxis());
    EXPECT_FALSE(chart.labelsAuto(0));
    EXPECT_EQ(chart.labelHorizontalAlignment(0), platform::LabelHorizontal::Centred);
    // F = 50 (largest flow 40); head axis 250 (largest head 100).
    ASSERT_EQ(chart.rowCount(), 50);
    EXPECT_EQ(chart.columnCount(), 1);
    EXPECT_EQ(chart.valueMinimum(0), 0);
    EXPECT_EQ(chart.valueMaximum(0), 50);
    EXPECT_EQ(chart.divisionsPerLabel(0), 10);
    EXPECT_EQ(chart.divisionsPerTick(0), 10);
    EXPECT_EQ(chart.valueMaximum(1), 250);
    EXPECT_EQ(chart.divisionsPerLabel(1), 50);
    EXPECT_EQ(chart.rowLabel(1), "0");
    EXPECT_EQ(chart.rowLabel(50), "49");
    ASSERT_EQ(m->sngPumpCurveData.size(), 50u);
    // Flows 0 to 20 carry 100 down to 80 ft; the segment ending in a zero head
    // leaves 21 to 49 out.
    for (int x = 0; x < 50; ++x) {
        const bool point = x <= 20;
        EXPECT_EQ(chart.isNull(x + 1, 1), !point) << x;
        EXPECT_FLOAT_EQ(m->sngPumpCurveData[x][1], point ? float(100 - x) : -1.0f) << x;
        EXPECT_EQ(m->sngPumpCurveData[x][0], 0);
    }
}

TEST_F(PumpCurve, PumpsInParallel)
{
    PlainWindow::choose(w.quantity, "2");
    hydraulics::cmdUpdate_Click(*m, w);
    ASSERT_EQ(chart.rowCount(), 100);      // twice the flow
    EXPECT_EQ(chart.valueMaximum(1), 250); // the head is not multiplied
    EXPECT_FLOAT_EQ(float(chart.data(21, 1)), 90);
    EXPECT_FALSE(chart.isNull(41, 1));
    EXPECT_TRUE(chart.isNull(42, 1));
}

TEST_F(PumpCurve, MetricUnitsAndASmallHead)
{
    m->objConfigureData->setUnits(false);
    w.settings.us = false;
    PlainWindow::choose(w.pumps, "Small");
    hydraulics::cmdUpdate_Click(*m, w);
    EXPECT_EQ(chart.axisTitle(0), "LPM");
    EXPECT_EQ(chart.axisTitle(1), "Meters of Head");
    // 20 GPM is 75.7 LPM: F = 100; 30 ft is 9.144 m, whose maximum 10 becomes 20.
    ASSERT_EQ(chart.rowCount(), 100);
    EXPECT_EQ(chart.valueMaximum(1), 20);
    EXPECT_EQ(chart.divisionsPerLabel(1), 4);
    EXPECT_NEAR(chart.data(1, 1), 9.144, 1e-5);
    EXPECT_NEAR(chart.data(38, 1), (30 - 10 * 37 / 37.8564) * 0.3048, 1e-4); // 37 LPM
    EXPECT_FALSE(chart.isNull(76, 1));                                       // 75 LPM
    EXPECT_TRUE(chart.isNull(77, 1));
}

TEST_F(PumpCurve, NoRecordKeepsTheLastDrawing)
{
    hydraulics::cmdUpdate_Click(*m, w);
    PlainWindow::choose(w.pumps, "None");
    hydraulics::cmdUpdate_Click(*m, w);
    EXPECT_EQ(m->intIndex, m->intPumpMax + 1);
    EXPECT_EQ(chart.title(), "P");
    EXPECT_EQ(chart.rowCount(), 50);
    // The 50 Hz record of the same name when 50 Hz is chosen.
    PlainWindow::choose(w.pumps, "P");
    w.fiftyHz = true;
    hydraulics::cmdUpdate_Click(*m, w);
    EXPECT_EQ(m->intIndex, 1);
    EXPECT_EQ(chart.rowCount(), 100);
}

TEST_F(PumpCurve, OnePointRecordLeavesEveryRowOut)
{
    setTable(m->udtPumps, m->intPumpMax, {curve("Dot", false, {{30, 120}})});
    PlainWindow::choose(w.pumps, "Dot");
    hydraulics::cmdUpdate_Click(*m, w);
    // The axes and labels follow the one point (F = 50, H = 250); no row has a head.
    EXPECT_EQ(chart.title(), "Dot");
    ASSERT_EQ(chart.rowCount(), 50);
    EXPECT_EQ(chart.valueMaximum(1), 250);
    EXPECT_EQ(chart.rowLabel(50), "49");
    for (int r = 1; r <= 50; ++r)
        EXPECT_TRUE(chart.isNull(r, 1)) << r;
    EXPECT_TRUE(chart.segments(1).empty());
}

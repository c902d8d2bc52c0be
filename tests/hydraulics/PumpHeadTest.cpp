#include "PlainWindow.h"
#include "hydraulics/Hydraulics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct PumpHead : ::testing::Test {
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    PumpHead()
    {
        setTable(m->udtPumps, m->intPumpMax,
                 {curve("P", true, {{0, 200}, {50, 0}}), curve("P", false, {{0, 100}, {20, 80}, {40, 0}}),
                  curve("Late", false, {{10, 50}, {30, 40}}),
                  curve("Step", false, {{0, 60}, {10, 50}, {10, 30}, {20, 10}})});
        PlainWindow::choose(w.pumps, "P");
    }
};

} // namespace

TEST_F(PumpHead, PumpsInParallel)
{
    struct Case {
        const char* quantity;
        float Q, head;
    };
    const Case cases[] = {
        {"1", 10, 90}, {"1", 20, 80}, {"1", 30, 40}, {"1", 40, 0}, {"1", 41, 0},  {"1", 0, 0},
        {"1", -5, 0},  {"2", 20, 90}, {"2", 40, 80}, {"2", 80, 0}, {"4", 40, 90},
    };
    for (const auto& c : cases) {
        PlainWindow::choose(w.quantity, c.quantity);
        EXPECT_FLOAT_EQ(hydraulics::GetPumpHead(*m, w, 0, c.Q), c.head) << c.quantity << " x at " << c.Q;
    }
    PlainWindow::choose(w.quantity, "1");
    w.fiftyHz = true; // the 50 Hz record of the same name
    EXPECT_FLOAT_EQ(hydraulics::GetPumpHead(*m, w, 0, 10), 160);
    w.fiftyHz = false;
    PlainWindow::choose(w.pumps, "Late"); // nothing below its first flow
    EXPECT_EQ(hydraulics::GetPumpHead(*m, w, 0, 5), 0);
    EXPECT_FLOAT_EQ(hydraulics::GetPumpHead(*m, w, 0, 20), 45);
    PlainWindow::choose(w.pumps, "None");
    EXPECT_EQ(hydraulics::GetPumpHead(*m, w, 0, 10), 0);
    w.pumps.setListIndex(-1);
    EXPECT_EQ(hydraulics::GetPumpHead(*m, w, 0, 10), 0);
}

TEST_F(PumpHead, PumpHeadInfoInDisplayUnits)
{
    struct Case {
        float flow, head;
    };
    for (const auto& c : {Case{10, 90}, Case{20, 80}, Case{30, -1}, Case{0, 100}, Case{45, -1}})
        EXPECT_FLOAT_EQ(hydraulics::PumpHeadInfo(*m, w, 1, c.flow), c.head) << c.flow;
    PlainWindow::choose(w.quantity, "2");
    EXPECT_FLOAT_EQ(hydraulics::PumpHeadInfo(*m, w, 1, 20), 90);
    PlainWindow::choose(w.quantity, "1");
    w.settings.us = false; // LPM in, metres out
    EXPECT_NEAR(hydraulics::PumpHeadInfo(*m, w, 1, float(10 * 3.78564)), 27.432, 1e-4);
    EXPECT_NEAR(hydraulics::PumpHeadInfo(*m, w, 1, 0), 30.48, 1e-4);
    // A record index outside the table.
    EXPECT_EQ(hydraulics::PumpHeadInfo(*m, w, -1, 10), 0);
    EXPECT_EQ(hydraulics::PumpHeadInfo(*m, w, 4, 10), 0);
}

TEST_F(PumpHead, PointsOfTheSameFlowGiveAFiniteHead)
{
    PlainWindow::choose(w.pumps, "Step");
    EXPECT_FLOAT_EQ(hydraulics::GetPumpHead(*m, w, 0, 10), 50);
    EXPECT_FLOAT_EQ(hydraulics::PumpHeadInfo(*m, w, 3, 10), 50);
    setTable(m->udtPumps, m->intPumpMax, {curve("Step", false, {{10, 50}, {10, 30}})});
    const float head = hydraulics::GetPumpHead(*m, w, 0, 10), info = hydraulics::PumpHeadInfo(*m, w, 0, 10);
    EXPECT_TRUE(std::isfinite(head) && std::isfinite(info));
    EXPECT_FLOAT_EQ(head, 50);
    EXPECT_FLOAT_EQ(info, 50);
    w.settings.us = false;
    EXPECT_NEAR(hydraulics::PumpHeadInfo(*m, w, 0, float(10 * 3.78564)), 15.24, 1e-4);
}

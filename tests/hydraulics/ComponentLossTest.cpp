#include "PlainWindow.h"
#include "hydraulics/Hydraulics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using LossFn = float (*)(Module1&, MainWindowInputs&, float);

// One kind: its routine, its table and its selection list.
struct KindAccess {
    const char* name;
    LossFn loss;
    std::function<void(Module1&, std::vector<typComponent>)> setRecords;
    std::function<platform::PlainList&(PlainWindow&)> list;
};

std::vector<KindAccess> kinds()
{
    return {
        {"dispenser", hydraulics::GetDispenserLoss,
         [](Module1& m, auto r) { setTable(m.udtDispensers, m.intDispMax, r); },
         [](PlainWindow& w) -> platform::PlainList& { return w.dispenser; }},
        {"dispenser others", hydraulics::GetDispOthersLoss,
         [](Module1& m, auto r) { setTable(m.udtDispOthers, m.intDispOthersMax, r); },
         [](PlainWindow& w) -> platform::PlainList& { return w.dispOthers; }},
        {"pump others", hydraulics::GetPumpOthersLoss,
         [](Module1& m, auto r) { setTable(m.udtPumpOthers, m.intPumpOthersMax, r); },
         [](PlainWindow& w) -> platform::PlainList& { return w.pumpOthers; }},
        {"nozzle", hydraulics::GetNozzleLoss, [](Module1& m, auto r) { setTable(m.udtNozzles, m.intNozzleMax, r); },
         [](PlainWindow& w) -> platform::PlainList& { return w.nozzle; }},
        {"leak detector", hydraulics::GetLeakDetectorLoss,
         [](Module1& m, auto r) { setTable(m.udtLeakDetectors, m.intLeakDetectorMax, r); },
         [](PlainWindow& w) -> platform::PlainList& { return w.leak; }},
        {"breakaway", hydraulics::GetBreakawayLoss,
         [](Module1& m, auto r) { setTable(m.udtBreakaways, m.intBreakawayMax, r); },
         [](PlainWindow& w) -> platform::PlainList& { return w.breakAway; }},
        {"hose", hydraulics::GetHoseLoss,
         [](Module1& m, auto r) {
             std::vector<typHose> hoses;
             for (auto& c : r) {
                 typHose h;
                 static_cast<typComponent&>(h) = c;
                 h.sngLength = 10;
                 hoses.push_back(h);
             }
             setTable(m.udtHoses, m.intHoseMax, hoses);
         },
         [](PlainWindow& w) -> platform::PlainList& { return w.hoseSize; }},
    };
}

struct ComponentLoss : ::testing::Test {
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    ComponentLoss() { w.hoseLen = "10"; } // the hose records' reference length: no scaling
};

} // namespace

TEST_F(ComponentLoss, EveryKindInterpolatesItsSelectedRecord)
{
    struct Case {
        float q, loss;
    };
    // First record (5,2),(10,4), then (10,6),(20,8) of the same name: the first
    // record that holds the flow decides; no extrapolation.
    const Case cases[] = {{7.5f, 3}, {5, 2}, {10, 4}, {15, 7}, {20, 8}, {4.9f, 0}, {20.1f, 0}, {0, 0}, {-1, 0}};
    for (const auto& k : kinds()) {
        k.setRecords(*m, {curve("Other", true, {{0, 50}, {30, 50}}), curve("X", false, {{0, 90}, {30, 90}}),
                          curve("X", true, {{5, 2}, {10, 4}}), curve("X", true, {{10, 6}, {20, 8}})});
        PlainWindow::choose(k.list(w), "X");
        for (const auto& c : cases)
            EXPECT_FLOAT_EQ(k.loss(*m, w, c.q), c.loss) << k.name << " at " << c.q;
        // Diesel data picks the diesel record.
        w.settings.gas = false;
        EXPECT_FLOAT_EQ(k.loss(*m, w, 7.5f), 90) << k.name;
        w.settings.gas = true;
        // "None" and no selection find nothing.
        k.list(w).setListIndex(0);
        EXPECT_EQ(k.loss(*m, w, 7.5f), 0) << k.name;
        k.list(w).setListIndex(-1);
        EXPECT_EQ(k.loss(*m, w, 7.5f), 0) << k.name;
    }
}

TEST_F(ComponentLoss, CurvesThatHoldNoFlow)
{
    setTable(m->udtDispensers, m->intDispMax,
             {curve("Reversed", true, {{10, 4}, {5, 2}}), curve("Single", true, {{5, 2}}),
              curve("Other fuel", false, {{5, 2}, {10, 4}})});
    for (const char* name : {"Reversed", "Single", "Other fuel"}) {
        PlainWindow::choose(w.dispenser, name);
        for (float q : {5.0f, 7.5f, 10.0f})
            EXPECT_EQ(hydraulics::GetDispenserLoss(*m, w, q), 0) << name << " " << q;
    }
}

TEST_F(ComponentLoss, OnePointFirstRecordSilencesOnlyItself)
{
    setTable(m->udtDispensers, m->intDispMax, {curve("Single", true, {{5, 2}}), curve("Two", true, {{5, 2}, {10, 4}})});
    PlainWindow::choose(w.dispenser, "Two");
    EXPECT_FLOAT_EQ(hydraulics::GetDispenserLoss(*m, w, 7.5f), 3);
}

TEST_F(ComponentLoss, PointsOfTheSameFlowGiveTheFirstLoss)
{
    setTable(m->udtDispensers, m->intDispMax, {curve("Step", true, {{0, 0}, {5, 2}, {5, 6}, {10, 8}})});
    PlainWindow::choose(w.dispenser, "Step");
    EXPECT_FLOAT_EQ(hydraulics::GetDispenserLoss(*m, w, 5), 2); // the earlier segment ends there
    setTable(m->udtDispensers, m->intDispMax, {curve("Step", true, {{5, 2}, {5, 6}})});
    const float loss = hydraulics::GetDispenserLoss(*m, w, 5);
    EXPECT_TRUE(std::isfinite(loss));
    EXPECT_FLOAT_EQ(loss, 2);
}

TEST_F(ComponentLoss, NozzleTakesOnlyRecordsOfTheComponentList)
{
    setTable(m->udtNozzles, m->intNozzleMax, {curve("N", true, {{5, 2}, {10, 4}}, "IC")});
    PlainWindow::choose(w.nozzle, "N");
    const float expected[3] = {0, 3, 3}; // American, International, Commercial
    for (int list = 0; list < 3; ++list) {
        w.settings.componentList = list;
        EXPECT_FLOAT_EQ(hydraulics::GetNozzleLoss(*m, w, 7.5f), expected[list]) << list;
    }
}

TEST_F(ComponentLoss, HoseLossScalesWithTheEnteredLength)
{
    setTable(m->udtHoses, m->intHoseMax,
             {hoseCurve("3/4", true, 100, {{5, 2}, {10, 4}}), hoseCurve("1", true, 0, {{5, 2}, {10, 4}})});
    PlainWindow::choose(w.hoseSize, "3/4");
    struct Case {
        const char* entry;
        bool metric;
        float loss;
    };
    const Case cases[] = {
        {"100", false, 3},
        {"200", false, 6},
        {"0", false, 0},
        {"50", false, 1.5f},
        {"30.48", true, 3},                     // 100 ft
        {"10", true, float(3.0 * 32.8f / 100)}, // 32.8 ft, rounded to one decimal
    };
    for (const auto& c : cases) {
        w.hoseLen = c.entry;
        w.settings.us = !c.metric;
        EXPECT_FLOAT_EQ(hydraulics::GetHoseLoss(*m, w, 7.5f), c.loss) << c.entry << (c.metric ? " m" : " ft");
    }
    // A record of reference length 0 gives no scale: no loss.
    w.settings.us = true;
    w.hoseLen = "100";
    PlainWindow::choose(w.hoseSize, "1");
    EXPECT_EQ(hydraulics::GetHoseLoss(*m, w, 7.5f), 0);
}

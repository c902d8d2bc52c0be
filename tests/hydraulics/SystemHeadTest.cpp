#include "PlainWindow.h"
#include "hydraulics/Hydraulics.h"

#include <gtest/gtest.h>

namespace {

struct SystemHead : ::testing::Test {
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    SystemHead()
    {
        buildRealisticSite(*m, w, 4);
        for (int k = 0; k < 4; ++k)
            w.trunkFitting[k] = w.branchFitting[k] = "0";
        w.ball = w.swing = 0;
        w.piping.setListIndex(0);
    }
    float friction(int size, float length, float flow, int material)
    {
        return hydraulics::GetPipeFrictionLoss(*m, m->sngPipeDiameter[size], length, flow,
                                               m->sngPipeRoughness[material]);
    }
};

} // namespace

TEST_F(SystemHead, AdvanceModeWithoutFittingsOrValves)
{
    hydraulics::GetSystemHead(*m, w, 5, 4);
    EXPECT_FLOAT_EQ(m->sngTrunkLoss, friction(1, 150, 20, 0));
    EXPECT_FLOAT_EQ(m->sngBranchLoss, friction(1, 40, 10, 0)); // two branches share 20 GPM
    EXPECT_EQ(m->sngValveLength, 0);
    EXPECT_GT(m->sngTrunkLoss, 0);
}

TEST_F(SystemHead, FittingsAndValvesLengthenTheTrunkOnly)
{
    // 2.5 and 3.5 round to the even count; a count beyond 16 bits counts as 0.
    const char* counts[4] = {"1", "2.5", "3.5", "99999"};
    for (int k = 0; k < 4; ++k)
        w.trunkFitting[k] = w.branchFitting[k] = counts[k];
    const float* f = m->sngFittingLength[1];
    const float fittings = float(1 * f[0] + 2 * f[1] + 4 * f[2]);
    const float ball = m->udtValves[0].sngLength[1], swing = m->udtValves[1].sngLength[1];
    struct Case {
        int ball, swing;
        float valves;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, ball}, {0, 1, swing}, {1, 1, ball + swing}, {2, 1, 0}};
    for (const auto& c : cases) {
        w.ball = c.ball;
        w.swing = c.swing;
        hydraulics::GetSystemHead(*m, w, 5, 4);
        EXPECT_FLOAT_EQ(m->sngValveLength, c.valves) << c.ball << c.swing;
        EXPECT_NEAR(m->sngTrunkLoss, friction(1, 150 + fittings + c.valves, 20, 0), 1e-6) << c.ball << c.swing;
        EXPECT_NEAR(m->sngBranchLoss, friction(1, 40 + fittings, 10, 0), 1e-6);
    }
}

TEST_F(SystemHead, MetricEntriesAreConvertedBack)
{
    w.settings.us = false;
    w.trunkLength = "10";     // 32.8 ft after one-decimal rounding
    w.branchLength = "3.048"; // 10 ft
    w.tankDiameter = "254";   // 100 in: 8.333... ft, not rounded
    w.buryDepth = "0.9144";   // 3 ft
    w.rise = "0";
    hydraulics::GetSystemHead(*m, w, 5, 4);
    EXPECT_FLOAT_EQ(m->sngTrunkLoss, friction(1, 32.8f, 20, 0));
    EXPECT_FLOAT_EQ(m->sngBranchLoss, friction(1, 10, 10, 0));
    EXPECT_FLOAT_EQ(m->sngTotalRise, float(float(100.0f / 12.0) + float(0.9144f / 0.3048)));
}

TEST_F(SystemHead, BasicModeSplitsThePipe)
{
    w.ball = w.swing = 1;
    hydraulics::GetSystemHead(*m, w, 5, 4); // an Advance evaluation leaves its valve length
    const float valves = m->sngValveLength;
    w.advance = false;
    w.basic = true;
    w.pipeLen = "100";
    w.pipeSize.setListIndex(2);
    w.piping.setListIndex(0); // Basic mode takes the second material whatever the list shows
    hydraulics::GetSystemHead(*m, w, 5, 4);
    const float* f = m->sngFittingLength[2];
    EXPECT_FLOAT_EQ(m->sngTrunkLoss, friction(2, float(75 + 2 * f[1] + f[2] + f[3]), 20, 1));
    EXPECT_FLOAT_EQ(m->sngBranchLoss, friction(2, float(25 + f[1]), 10, 1));
    EXPECT_EQ(m->sngValveLength, valves);
    // A piping file of one material leaves the second roughness 0: smooth pipe.
    m->sngPipeRoughness[1] = 0;
    hydraulics::GetSystemHead(*m, w, 5, 4);
    EXPECT_FLOAT_EQ(m->sngTrunkLoss, friction(2, float(75 + 2 * f[1] + f[2] + f[3]), 20, 1));
}

TEST_F(SystemHead, BranchesShareTheTotalFlow)
{
    struct Case {
        const char* branches;
        float flow;
    };
    for (const auto& c : {Case{"1", 20}, Case{"4", 5}, Case{"0", 20}}) {
        PlainWindow::choose(w.noOfBranches, c.branches);
        hydraulics::GetSystemHead(*m, w, 5, 4);
        EXPECT_FLOAT_EQ(m->sngBranchLoss, friction(1, 40, c.flow, 0)) << c.branches;
    }
}

TEST_F(SystemHead, TotalIsTheSumOfTheTermsInOrder)
{
    const float total = hydraulics::GetSystemHead(*m, w, 5, 4);
    EXPECT_EQ(total, m->sngTDH);
    // The leak detector sees all four nozzles, the rest one.
    EXPECT_FLOAT_EQ(m->sngLeakDetectorLoss, hydraulics::GetLeakDetectorLoss(*m, w, 20));
    EXPECT_FLOAT_EQ(m->sngDispLoss, hydraulics::GetDispenserLoss(*m, w, 5));
    float sum = float(double(m->sngBranchLoss) + m->sngTrunkLoss + m->sngTotalRise);
    for (float term : {m->sngLeakDetectorLoss, m->sngDispLoss, m->sngDispOthersLoss, m->sngBreakawayLoss,
                       m->sngNozzleLoss, m->sngPumpOthersLoss, m->sngHoseLoss}) {
        EXPECT_GT(term, 0);
        sum = float(double(term) + sum);
    }
    EXPECT_EQ(total, sum);
    // No flow: the static rise alone (96 in tank, 3 ft bury, 4 ft rise).
    EXPECT_FLOAT_EQ(hydraulics::GetSystemHead(*m, w, 0, 4), 15.0f);
}

TEST_F(SystemHead, NeitherModeNorSelectionMeansNoFriction)
{
    w.advance = false;
    hydraulics::GetSystemHead(*m, w, 5, 4);
    EXPECT_EQ(m->sngTrunkLoss, 0);
    EXPECT_EQ(m->sngBranchLoss, 0);
    // A piping list without a selection reads as a pipe of no diameter.
    w.advance = true;
    w.trunk.setListIndex(-1);
    hydraulics::GetSystemHead(*m, w, 5, 4);
    EXPECT_EQ(m->sngTrunkLoss, 0);
    EXPECT_GT(m->sngBranchLoss, 0);
}

TEST_F(SystemHead, TrunkAndBranchFrictionAreThoseOfEachRunAlone)
{
    // The evaluation works the two runs' friction side by side; each must be
    // the single run's value to the last bit, whichever needs more passes,
    // laminar beside turbulent, and a run without flow or pipe beside one.
    m->sngPipeDiameter[3] = 0; // a size without diameter
    int compared = 0;
    for (float roughness : {0.0f, 5.0E-06f, 1.5E-04f, 3.0E-03f})
        for (int trunk : {0, 1, 2, 3})
            for (int branch : {0, 2, 3})
                for (const char* branches : {"1", "3"})
                    for (float q : {0.0f, 0.1f, 0.7f, 2.3f, 9.9f, 31.0f})
                        for (int16_t n : {int16_t(1), int16_t(4), int16_t(40)}) {
                            m->sngPipeRoughness[0] = roughness;
                            w.trunk.setListIndex(trunk);
                            w.branch.setListIndex(branch);
                            PlainWindow::choose(w.noOfBranches, branches);
                            hydraulics::GetSystemHead(*m, w, q, n);
                            const float total = float(double(float(n)) * double(q));
                            const float share = float(double(total) / QString(branches).toDouble());
                            ASSERT_EQ(m->sngTrunkLoss, friction(trunk, 150, total, 0))
                                << roughness << " " << trunk << " " << q << " " << n;
                            ASSERT_EQ(m->sngBranchLoss, friction(branch, 40, share, 0))
                                << roughness << " " << branch << " " << q << " " << n << " " << branches;
                            compared += m->sngTrunkLoss > 0 && m->sngBranchLoss > 0;
                        }
    EXPECT_GT(compared, 300);
}

#include "FakeUiServices.h"
#include "PlainWindow.h"
#include "hydraulics/Commands.h"
#include "hydraulics/Hydraulics.h"

#include <gtest/gtest.h>

namespace {

struct Search : ::testing::Test {
    FakeUiServices fake;
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    Search()
    {
        w.pointerOf = [this] { return fake.pointers.empty() ? platform::Pointer::Default : fake.pointers.back(); };
    }
};

} // namespace

TEST_F(Search, SettlesOneStepBeforeThePumpsFail)
{
    buildSimpleSite(*m, w, 8);
    hydraulics::cmdCalculate_Click(*m, w);
    for (int n = 1; n <= 8; ++n) {
        EXPECT_FLOAT_EQ(m->sngCurrentGPM[n], 12.3f) << n;
        EXPECT_FLOAT_EQ(m->sngCurrentLPM[n], 46.6f) << n; // from the rounded gallons
        EXPECT_EQ(m->sngNozzleCount[n], float(n));
    }
    // 8 nozzles: rows 0 to 10; counts 9 and 10 are not solved.
    EXPECT_EQ(m->sngCurrentGPMRounded.size(), 9u);
    EXPECT_EQ(m->sngCurrentLPMRounded.size(), 9u);
    EXPECT_EQ(m->sngNozzleCount.size(), 10u);
    EXPECT_EQ(m->sngNozzleCount[9], 0);
    EXPECT_EQ(m->sngCurrentGPM[9], 0);
    EXPECT_EQ(m->sngCurrentGPM[10], 0);
    EXPECT_EQ(m->sngCurrentGPM[0], 0);
    EXPECT_EQ(m->sngCurrentX[10], 10);
    // The pump curve ends at 100 GPM: nine nozzles get 11.1 each.
    sizeFor(*m, w, 9);
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[8], 12.3f);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[9], 11.1f);
}

TEST_F(Search, FirstStepFailingGivesZero)
{
    // A rise beyond the pump's head: the first step fails for every count.
    buildSimpleSite(*m, w, 3);
    w.rise = "200";
    EXPECT_FLOAT_EQ(hydraulics::SearchFlowPerNozzle(*m, w, 0, 1), float(0.1f - 0.1)); // 1.49E-09 before rounding
    hydraulics::cmdCalculate_Click(*m, w);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(m->sngCurrentGPM[n], 0.0f) << n;
        EXPECT_EQ(m->sngCurrentLPM[n], 0.0f) << n;
    }
    // A pump curve that starts above the first total flow tried (0.1 GPM for
    // one nozzle, 0.2 for two): no head at the first step.
    w.rise = "0";
    setTable(m->udtPumps, m->intPumpMax, {curve("Flat", false, {{0.15f, 100}, {100, 100}})});
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_EQ(m->sngCurrentGPM[1], 0.0f);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[2], 12.3f);
}

TEST_F(Search, TrialFlowAccumulatesInSinglePrecision)
{
    // The pump curve ends between the single-precision trial flow of step
    // 1000 (99.99905) and 100: step 1000 still passes.
    buildSimpleSite(*m, w, 1, {{0, 50}, {99.9995f, 50}});
    m->udtNozzles.clear();
    m->intNozzleMax = -1;
    EXPECT_FLOAT_EQ(hydraulics::SearchFlowPerNozzle(*m, w, 0, 1), 99.99905f);
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[1], 100.0f);
    EXPECT_FLOAT_EQ(m->sngCurrentLPM[1], 378.6f);
}

TEST_F(Search, NegativeSystemHeadEnds)
{
    // A loss curve of negative heads would keep the search stepping beyond the
    // pump curve forever: it stops where the pumps give no more head.
    buildSimpleSite(*m, w, 2, {{0, 10}, {20, 10}});
    setTable(m->udtNozzles, m->intNozzleMax, {curve("K", true, {{0, -50}, {100, -50}})});
    hydraulics::cmdCalculate_Click(*m, w);
    // The trial flow of step 200 (20.00004) and twice that of step 100
    // (10.000002) lie beyond the end of the curve.
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[1], 19.9f);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[2], 9.9f);
}

TEST_F(Search, CountBeyondTheArraysSolvesWhatTheyHold)
{
    buildSimpleSite(*m, w, 3); // rows 0 to 4
    w.noOfNozzle = "8";
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_EQ(m->sngCurrentGPM.size(), 5u);
    EXPECT_EQ(m->sngCurrentGPMRounded.size(), 5u);
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[4], 12.3f);
    // Arrays never sized: nothing is solved.
    Module1 bare{QString()};
    bare.objConfigureData = std::make_unique<clsConfigureData>();
    hydraulics::cmdCalculate_Click(bare, w);
    EXPECT_EQ(bare.sngCurrentGPMRounded.size(), 1u);
    // A count below 1 solves nothing.
    w.noOfNozzle = "0";
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_EQ(m->sngCurrentGPMRounded.size(), 1u);
}

TEST_F(Search, FirstCalculateMakesTheBaseline)
{
    buildRealisticSite(*m, w, 12);
    m->blnAutoBaseline = true;
    m->blnSaved = true;
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_EQ(w.calls, (std::vector<std::string>{"StoreBaseLine", "FillBaseLineGrid", "FillCurrentGrid"}));
    // Make Baseline restores the default pointer at its own end, before
    // Calculate refills the Current grid.
    using P = platform::Pointer;
    EXPECT_EQ(w.callPointers, (std::vector<P>{P::Hourglass, P::Hourglass, P::Default}));
    EXPECT_EQ(fake.pointers, (std::vector<P>{P::Hourglass, P::Hourglass, P::Default, P::Default}));
    EXPECT_FALSE(m->blnAutoBaseline);
    EXPECT_FALSE(m->blnGraphEmpty);
    EXPECT_FALSE(m->blnSaved);
    EXPECT_EQ(m->sngCurrentGPM, m->sngBaselineGPM);
    EXPECT_EQ(m->sngCurrentLPM, m->sngBaselineLPM);
    // Realistic flows: about 16 GPM for one nozzle, falling as more draw.
    EXPECT_GT(m->sngCurrentGPM[1], 10);
    EXPECT_LT(m->sngCurrentGPM[1], 20);
    for (int n = 2; n <= 12; ++n)
        EXPECT_LT(m->sngCurrentGPM[n], m->sngCurrentGPM[n - 1]) << n;

    // A second Calculate after a change leaves the baseline alone.
    const auto baseline = m->sngBaselineGPM;
    w.calls.clear();
    w.rise = "20";
    hydraulics::cmdCalculate_Click(*m, w);
    EXPECT_EQ(w.calls, (std::vector<std::string>{"FillCurrentGrid"}));
    EXPECT_EQ(m->sngBaselineGPM, baseline);
    EXPECT_LT(m->sngCurrentGPM[1], baseline[1]);
}

TEST_F(Search, MakeBaselineAndBackToBaseline)
{
    buildSimpleSite(*m, w, 4);
    m->blnAutoBaseline = false;
    hydraulics::cmdCalculate_Click(*m, w);
    const auto current = m->sngCurrentGPM;
    w.calls.clear();
    w.rise = "200"; // the baseline is made from the inputs in force
    m->blnSaved = true;
    m->blnAutoBaseline = true;
    hydraulics::BaseLine_Click(*m, w);
    EXPECT_EQ(w.calls, (std::vector<std::string>{"StoreBaseLine", "FillBaseLineGrid"}));
    EXPECT_FALSE(m->blnAutoBaseline);
    EXPECT_TRUE(m->blnSaved);
    EXPECT_EQ(m->sngBaselineGPM[1], 0.0f);
    EXPECT_EQ(m->sngCurrentGPM, current);

    w.calls.clear();
    w.rise = "0";
    hydraulics::cmdBackToBaseLine_Click(*m, w);
    EXPECT_EQ(w.calls,
              (std::vector<std::string>{"RestoreBaseLine", "FillBaseLineGrid", "StoreBaseLine", "FillBaseLineGrid"}));
    EXPECT_FLOAT_EQ(m->sngBaselineGPM[1], 12.3f);
    EXPECT_EQ(m->sngCurrentGPM, current);
    EXPECT_EQ(fake.pointers.back(), platform::Pointer::Default);
}

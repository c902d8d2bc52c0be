// The main window's commands over the real calculation: the first Calculate
// makes the baseline, units switches redraw the graph from the stored results.
#include "MainWindowFixture.h"

#include "catalogue/SharedServices.h"
#include "catalogue/frmUpdate.h"
#include "platform/Chart.h"

TEST_F(MainWindowTest, FirstCalculateMakesTheBaseline)
{
    load();
    for (int n = 1; n <= 8; ++n) {
        EXPECT_GT(m->sngCurrentGPM[n], 0.0f) << n;
        EXPECT_FLOAT_EQ(m->sngCurrentGPM[n], m->sngBaselineGPM[n]) << n;
    }
    EXPECT_FLOAT_EQ(m->sngCurrentGPM[9], 0.0f);
    platform::Chart& chart = w->MSChart1();
    chart.flush();
    EXPECT_EQ(chart.segments(1).size(), 1u);
    EXPECT_EQ(chart.segments(1)[0].size(), 8u);
    EXPECT_EQ(chart.segments(2)[0].size(), 8u);
    EXPECT_EQ(control<QLabel>("lblCurrentPump")->text(), " Dot Marker - Current(STP 1/3 HP 60Hz)");
    EXPECT_EQ(control<QLabel>("lblBaselinePump")->text(), " Traingle Marker - Baseline(STP 1/3 HP 60Hz)");

    // A bigger pump: Calculate moves the current series only.
    w->ctl.cmbPumps->list().setListIndex(3);
    w->cmdCalculate_Click();
    EXPECT_GT(m->sngCurrentGPM[8], m->sngBaselineGPM[8]);
    EXPECT_EQ(grid("flxCurrent").TextMatrix(25, 1), "STP 2 HP 60Hz");
    EXPECT_EQ(grid("flxBaseLine").TextMatrix(25, 1), "STP 1/3 HP 60Hz");
    EXPECT_FALSE(m->blnSaved);
    // Back To Baseline puts the small pump back and makes the baseline again.
    w->cmdBackToBaseLine_Click();
    EXPECT_EQ(w->ctl.cmbPumps->currentText(), "STP 1/3 HP 60Hz");
    EXPECT_LT(m->sngBaselineGPM[8], m->sngCurrentGPM[8]);
    EXPECT_EQ(grid("flxBaseLine").TextMatrix(25, 1), "STP 1/3 HP 60Hz");
}

TEST_F(MainWindowTest, UnitsSwitchRedrawsTheStoredResults)
{
    load();
    w->ctl.cmbPumps->list().setListIndex(3);
    w->cmdCalculate_Click();
    // Leaving the nozzle field with the same count keeps the results drawn.
    field("txtNoOfNozzle")->setText("8");
    w->txtNoOfNozzle_LostFocus();
    applySettings(0, true, false);
    platform::Chart& chart = w->MSChart1();
    EXPECT_EQ(chart.axisTitle(1), "LPM per Nozzle");
    float currentMax = 0, baselineMax = 0;
    for (int n = 1; n <= 8; ++n) {
        EXPECT_NEAR(chart.data(n, 2), m->sngCurrentLPM[n], 1e-4) << n;
        EXPECT_NEAR(chart.data(n, 1), m->sngBaselineLPM[n], 1e-4) << n;
        EXPECT_GT(chart.data(n, 2), 0);
        currentMax = std::max(currentMax, m->sngCurrentLPM[n]);
        baselineMax = std::max(baselineMax, m->sngBaselineLPM[n]);
    }
    EXPECT_FLOAT_EQ(m->sngCurrentMaxFlow, currentMax);
    EXPECT_FLOAT_EQ(m->sngBaselineMaxFlow, baselineMax);
    EXPECT_EQ(chart.valueMaximum(1), catalogue::GetAxisMaximum(std::max(currentMax, baselineMax)));
    // Nothing was recalculated.
    EXPECT_GT(m->sngCurrentGPM[8], m->sngBaselineGPM[8]);

    // Back to US: the scale is taken from gallons again, not from the litres
    // the baseline's largest flow held.
    applySettings(0, true, true);
    EXPECT_EQ(chart.axisTitle(1), "GPM per Nozzle");
    EXPECT_LT(m->sngBaselineMaxFlow, baselineMax);
    EXPECT_EQ(chart.valueMaximum(1), catalogue::GetAxisMaximum(std::max(m->sngCurrentMaxFlow, m->sngBaselineMaxFlow)));
}

TEST_F(MainWindowTest, CompletedUpdateReinitialisesTheWindow)
{
    load();
    applySettings(0, true, false); // metric in force
    field("txtBranchLength")->setText("30.5");
    w->setWindowTitle("another site");
    m->blnSaved = false;
    TestFolder updates;
    updates.writeLines("DISP.DAT", {"$Updated Dispenser #AIC", "#TRUE#", "#Standard#", "#RATELOSS_BEGIN#", "0,0",
                                    "40,12", "#RATELOSS_END#"});
    ui.fileAnswers.push_back(updates.file("DISP.DAT"));
    ui.onModal = browseAndUpdate;
    w->mnuUpdate_Click();
    EXPECT_FALSE(ui.ended);
    EXPECT_EQ(entries("cmbDispenser"), QStringList({"None", "Updated Dispenser"}));
    EXPECT_EQ(w->windowTitle(), folder.path() + "/SaveSiteInfo/Default.txt");
    EXPECT_TRUE(m->blnSaved);
    EXPECT_FALSE(m->objConfigureData->Units()) << "the settings in force stay";
    EXPECT_EQ(field("txtBranchLength")->text(), "30.5") << "converted once, not again";
    EXPECT_EQ(w->MSChart1().axisTitle(1), "LPM per Nozzle");
}

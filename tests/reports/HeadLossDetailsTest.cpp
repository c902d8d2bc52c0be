// The head-loss details: the texts of each term in both units, and the
// search that leaves the terms of the first failing step of Calculate's own.
#include "FakeUiServices.h"
#include "ShippedSite.h"
#include "TestFolder.h"

#include "hydraulics/Commands.h"
#include "hydraulics/Hydraulics.h"
#include "platform/ListControl.h"
#include "reports/HeadLossDetails.h"

#include <gtest/gtest.h>

using reports::detailsValueText;

TEST(HeadLossDetails, ValueTextsInFeetAndMetres)
{
    struct Case {
        float feet;
        const char* usText;
        const char* usHose;
        const char* metricText;
        const char* metricHose;
    };
    const Case cases[] = {
        {0.0f, "O/R", "O/R", "O/R", "O/R"},
        {0.04f, "0.0", "0.04", "0.0", "0.01"},
        {0.25f, "0.3", "0.25", "0.1", "0.08"}, // 0.0762 m
        {1.0f, "1.0", "1.0", "0.3", "0.3"},    // 0.3048 m
        {1234.56f, "1234.6", "1234.56", "376.3", "376.29"},
        {-0.02f, "0.0", "-0.02", "0.0", "-0.01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.feet);
        EXPECT_EQ(detailsValueText(c.feet, true, false), c.usText);
        EXPECT_EQ(detailsValueText(c.feet, true, true), c.usHose);
        EXPECT_EQ(detailsValueText(c.feet, false, false), c.metricText);
        EXPECT_EQ(detailsValueText(c.feet, false, true), c.metricHose);
    }
}

TEST(HeadLossDetails, CaptionsAndTermsColumnByColumn)
{
    Module1 m{QString()};
    m.sngTotalRise = 11;
    m.sngLeakDetectorLoss = 1;
    m.sngTrunkLoss = 2;
    m.sngBranchLoss = 3;
    m.sngDispLoss = 4;
    m.sngDispOthersLoss = 5;
    m.sngBreakawayLoss = 6;
    m.sngHoseLoss = 0.25f;
    m.sngNozzleLoss = 8;
    m.sngPumpOthersLoss = 0; // none selected
    m.sngTDH = 40.25f;
    const reports::DetailsTexts us = reports::detailsTexts(m, true);
    const reports::DetailsTexts metric = reports::detailsTexts(m, false);
    const struct {
        const char* feet;
        const char* metres;
        const char* usValue;
        const char* metricValue;
    } columns[reports::kDetailsColumns] = {
        {"Total Rise (ft)", "Total Rise(m)", "11.0", "3.4"},
        {"Leak Detector Loss (ft)", "Leak Detector Loss(m)", "1.0", "0.3"},
        {"Trunk Loss (ft)", "Trunk Loss(m)", "2.0", "0.6"},
        {"Branch Loss (ft)", "Branch Loss(m)", "3.0", "0.9"},
        {"Dispenser Loss (ft)", "Dispenser Loss(m)", "4.0", "1.2"},
        {"Dispenser Others Loss(ft)", "Disp Others Loss(m)", "5.0", "1.5"},
        {"Breakaway Loss (ft)", "Breakaway Loss(m)", "6.0", "1.8"},
        {"Hose Loss (ft)", "Hose Loss(m)", "0.25", "0.08"},
        {"Nozzle Loss (ft)", "Nozzle Loss(m)", "8.0", "2.4"},
        {"Pump Others Loss(ft)", "Pump Others Loss(m)", "O/R", "O/R"},
        {"TDH (ft)", "TDH(m)", "40.3", "12.3"},
    };
    for (int c = 0; c < reports::kDetailsColumns; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(us.captions[size_t(c)], columns[c].feet);
        EXPECT_EQ(metric.captions[size_t(c)], columns[c].metres);
        EXPECT_EQ(us.values[size_t(c)], columns[c].usValue);
        EXPECT_EQ(metric.values[size_t(c)], columns[c].metricValue);
    }
}

TEST(HeadLossDetails, SearchStopsOneStepAboveCalculatesFlowAndFollowsTheInputs)
{
    FakeUiServices fake;
    TestFolder folder;
    folder.copyShippedData();
    PlainWindow w;
    auto m = newStore(w);
    loadShippedData(*m, folder.path());
    chooseShippedSite(*m, w, 4);
    hydraulics::cmdCalculate_Click(*m, w);

    const float point = hydraulics::SearchFlowPerNozzle(*m, w, 0, 4);
    EXPECT_FLOAT_EQ(point, m->sngCurrentGPM[4]);
    reports::SearchHeadLossDetails(*m, w);
    const float failing = m->sngNozzleFlow;
    EXPECT_EQ(float(double(failing) - 0.1), point) << "one 0.1 GPM step above";
    // The terms and the head are those of that step, where the pump no longer wins.
    const float tdh = m->sngTDH;
    const float nozzleLoss = m->sngNozzleLoss;
    int16_t n = 4;
    EXPECT_EQ(hydraulics::GetSystemHead(*m, w, failing, n), tdh);
    EXPECT_LE(hydraulics::GetPumpHead(*m, w, 0, float(4.0 * double(failing))), tdh);
    EXPECT_GT(nozzleLoss, 0.0f);

    // A changed selection counts at once, without a Calculate.
    PlainWindow::choose(w.nozzle, "Vapor Recovery Nozzle 3/4 in");
    reports::SearchHeadLossDetails(*m, w);
    EXPECT_NE(m->sngNozzleLoss, nozzleLoss);
    EXPECT_NE(m->sngNozzleFlow, failing);
    PlainWindow::choose(w.nozzle, "None");
    reports::SearchHeadLossDetails(*m, w);
    EXPECT_EQ(reports::detailsTexts(*m, true).values[8], "O/R");
}

// Worked values of the whole calculation on the shipped catalogue and piping
// data: the flow per nozzle (GPM, rounded to one decimal) that Calculate
// gives for a few nozzle counts of sites that between them use both piping
// modes, US and metric entries, one to four pumps at 60 and 50 Hz, gas and
// diesel, the three component lists, every component kind and "None", hose
// lengths of 0, 12 and 100, and 1 to 40 nozzles. Each value was worked out
// step by step (single precision where a value is stored, double inside an
// expression, halves to even); a change in any of them means the model's
// arithmetic changed.
#include "ShippedSite.h"

#include "FakeUiServices.h"
#include "TestFolder.h"
#include "hydraulics/Commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

struct WorkedSite {
    const char* name;
    int nozzles;
    std::function<void(PlainWindow&)> change; // applied to the typical site
    std::vector<std::pair<int, float>> gpm;   // nozzles operating, GPM per nozzle
    float lpmOfOne;                           // LPM per nozzle, one nozzle operating
    // Total dynamic head (ft) of the last evaluation: the first step past
    // the operating point of the largest count. Unrounded, so it pins every
    // term of the model to the last bit.
    float lastHead;
};

void chooseAll(PlainWindow& w, const char* leak, const char* dispenser, const char* dispOthers, const char* nozzle,
               const char* breakAway, const char* pumpOthers, const char* hose)
{
    const std::pair<platform::PlainList*, const char*> picks[] = {
        {&w.leak, leak},           {&w.dispenser, dispenser},   {&w.dispOthers, dispOthers}, {&w.nozzle, nozzle},
        {&w.breakAway, breakAway}, {&w.pumpOthers, pumpOthers}, {&w.hoseSize, hose}};
    for (const auto& [list, text] : picks)
        PlainWindow::choose(*list, text);
}

void metric(PlainWindow& w) { w.settings.us = false; }

// clang-format off: a site a case, its figures on one line
const WorkedSite kSites[] = {
    // 3/4 HP, 2 in fibreglass trunk 150 ft and branches 60 ft with fittings,
    // ball valve, two branches, 12 ft hose.
    {"Typical", 8, [](PlainWindow&) {}, {{1, 11.8f}, {4, 9.7f}, {8, 6.9f}}, 44.7f, 66.6469116f},
    {"TwoPumpsBothValvesSteel", 12,
     [](PlainWindow& w) {
         PlainWindow::choose(w.pumps, "STP 1.5 HP 60Hz");
         PlainWindow::choose(w.quantity, "2");
         w.swing = 1;
         w.hoseLen = "0";
         PlainWindow::choose(w.noOfBranches, "4");
         w.piping.setListIndex(0);
         w.trunk.setListIndex(3);
         w.branch.setListIndex(2);
     },
     {{1, 14.3f}, {6, 12.3f}, {12, 9.3f}}, 54.1f, 115.490776f},
    {"BasicMode", 6,
     [](PlainWindow& w) {
         w.advance = false;
         w.basic = true;
         w.pipeSize.setListIndex(1);
         w.pipeLen = "200";
         PlainWindow::choose(w.pumps, "STP 1/3 HP 60Hz");
         w.hoseLen = "100";
     },
     {{1, 9.5f}, {3, 8.1f}, {6, 5.9f}}, 36.0f, 55.8728943f},
    {"MetricEntries", 10,
     [](PlainWindow& w) {
         metric(w);
         w.trunkLength = "45.7";
         w.branchLength = "18.3";
         w.tankDiameter = "243.8";
         w.buryDepth = "0.9";
         w.rise = "1.2";
         w.hoseLen = "3.7";
     },
     {{1, 11.9f}, {5, 8.9f}, {10, 5.9f}}, 45.0f, 61.4418564f},
    {"ThreePumps50HzSwingCheck", 20,
     [](PlainWindow& w) {
         w.fiftyHz = true;
         PlainWindow::choose(w.pumps, "STP 2 HP 50Hz");
         PlainWindow::choose(w.quantity, "3");
         w.trunk.setListIndex(4);
         w.branch.setListIndex(2);
         w.trunkLength = "300";
         w.branchLength = "80";
         w.ball = 0;
         w.swing = 1;
     },
     {{1, 12.3f}, {10, 9.3f}, {20, 6.2f}}, 46.6f, 97.3195648f},
    {"DieselCommercialFourPumps", 40,
     [](PlainWindow& w) {
         w.settings.gas = false;
         w.settings.componentList = 2;
         PlainWindow::choose(w.pumps, "STP 2 HP 60Hz");
         PlainWindow::choose(w.quantity, "4");
         chooseAll(w, "High Flow Leak Detector", "Commercial Dispenser 1 in", "High Flow Filter 1 in",
                   "High Flow Nozzle 1 1/4 in", "Breakaway 1 1/4 in", "Check Valve 3 in", "1 1/4");
         w.hoseLen = "100";
         w.piping.setListIndex(0);
         w.trunk.setListIndex(4);
         w.branch.setListIndex(3);
         PlainWindow::choose(w.noOfBranches, "6");
         const char* trunkFittings[4] = {"0", "6", "2", "2"};
         const char* branchFittings[4] = {"2", "2", "1", "1"};
         for (int k = 0; k < 4; ++k) {
             w.trunkFitting[k] = trunkFittings[k];
             w.branchFitting[k] = branchFittings[k];
         }
     },
     {{1, 39.6f}, {20, 17.6f}, {40, 9.7f}}, 149.9f, 109.678993f},
    // A nozzle of the American list only, with the Commercial list chosen,
    // adds no loss.
    {"NozzleOffTheChosenList", 6,
     [](PlainWindow& w) {
         w.settings.componentList = 2;
         PlainWindow::choose(w.nozzle, "Vapor Recovery Nozzle 3/4 in");
     },
     {{1, 13.3f}, {3, 11.4f}, {6, 8.6f}}, 50.3f, 70.6338272f},
    // Only the piping and the rise: the largest pumps on 4 in steel.
    {"EveryComponentNone", 40,
     [](PlainWindow& w) {
         for (auto* l : {&w.leak, &w.dispenser, &w.dispOthers, &w.nozzle, &w.breakAway, &w.pumpOthers,
                         &w.hoseSize})
             l->setListIndex(0);
         PlainWindow::choose(w.pumps, "STP 2 HP 60Hz");
         PlainWindow::choose(w.quantity, "4");
         w.hoseLen = "0";
         w.piping.setListIndex(0);
         w.trunk.setListIndex(4);
         w.branch.setListIndex(4);
         w.ball = 0;
         PlainWindow::choose(w.noOfBranches, "1");
     },
     {{1, 550.8f}, {20, 27.5f}, {40, 13.7f}}, 2085.1f, 68.9805527f},
    {"DieselMetricBasic50Hz", 5,
     [](PlainWindow& w) {
         metric(w);
         w.settings.gas = false;
         w.fiftyHz = true;
         PlainWindow::choose(w.pumps, "STP 1/3 HP 50Hz");
         chooseAll(w, "Mechanical Leak Detector", "Retail Dispenser", "Filter 30 Micron",
                   "Automatic Nozzle 3/4 in", "Breakaway 3/4 in", "Inline Strainer 2 in", "3/4");
         w.hoseLen = "0";
         w.advance = false;
         w.basic = true;
         w.pipeSize.setListIndex(0);
         w.pipeLen = "30.5";
         w.tankDiameter = "200";
         w.buryDepth = "0.8";
         w.rise = "0.5";
     },
     {{1, 8.8f}, {3, 7.2f}, {5, 5.6f}}, 33.3f, 41.5225067f},
};
// clang-format on

} // namespace

TEST(WorkedValues, FlowPerNozzleOnTheShippedData)
{
    FakeUiServices fake;
    TestFolder folder;
    folder.copyShippedData();
    for (const WorkedSite& site : kSites) {
        SCOPED_TRACE(site.name);
        PlainWindow w;
        auto m = newStore(w);
        loadShippedData(*m, folder.path());
        // The window's piping lists offer every size of the shipped file.
        for (auto* l : {&w.piping, &w.branch, &w.trunk, &w.pipeSize})
            for (int i = l->listCount(); i < 5; ++i) {
                l->addItem(QString::number(i));
                l->setItemData(i, i);
            }
        chooseShippedSite(*m, w, site.nozzles);
        site.change(w);
        m->objConfigureData->setUnits(w.settings.us);
        m->objConfigureData->setData(w.settings.gas);
        m->objConfigureData->setComponentList(uint8_t(w.settings.componentList));

        hydraulics::cmdCalculate_Click(*m, w);

        for (const auto& [n, gpm] : site.gpm)
            EXPECT_EQ(m->sngCurrentGPM[size_t(n)], gpm) << n << " nozzles";
        EXPECT_EQ(m->sngCurrentLPM[1], site.lpmOfOne);
        EXPECT_EQ(m->sngTDH, site.lastHead);
    }
    EXPECT_TRUE(fake.messages.empty());
}

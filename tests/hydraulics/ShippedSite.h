#pragma once
// A typical gasoline site on the shipped catalogue and piping data: one
// 3/4 HP pump, two branches of 2 in fibreglass, every component chosen.

#include "PlainWindow.h"
#include "catalogue/CatalogueData.h"
#include "catalogue/Module1.h"
#include "platform/TextFile.h"

// Loads the shipped program folder's data into m through the real readers.
inline void loadShippedData(Module1& m, const QString& programFolder)
{
    m.strAppPath = programFolder;
    PlainPipingLists lists;
    PlainSettingsButtons buttons;
    m.frmMainPiping = &lists;
    m.frmData = &buttons;
    auto config = std::move(m.objConfigureData);
    m.CreateDataObjects();
    if (config)
        m.objConfigureData = std::move(config);
    m.objPipeHeadData->GetPipeHeadFileData();
    m.objDispenserData->GetDispFileData();
    m.objDispOthersData->GetDispOthersFileData();
    m.objNozzleData->GetNozzleFileData();
    m.objHoseData->GetHoseFileData();
    m.objBreakawayData->GetBreakawayFileData();
    m.objLeakDetectorData->GetLeakDetectorFileData();
    m.objPumpOthersData->GetPumpOthersInfo();
    m.objPumpData->GetPumpFileData();
    m.frmMainPiping = nullptr;
    m.frmData = nullptr;
}

inline void chooseShippedSite(Module1& m, PlainWindow& w, int nozzles)
{
    PlainWindow::choose(w.pumps, "STP 3/4 HP 60Hz");
    PlainWindow::choose(w.leak, "Mechanical Leak Detector");
    PlainWindow::choose(w.dispenser, "Retail Dispenser");
    PlainWindow::choose(w.dispOthers, "Shear Valve 1 1/2 in");
    PlainWindow::choose(w.nozzle, "Automatic Nozzle 3/4 in");
    PlainWindow::choose(w.breakAway, "Breakaway 3/4 in");
    PlainWindow::choose(w.pumpOthers, "Flexible Connector 2 in");
    PlainWindow::choose(w.hoseSize, "3/4");
    w.hoseLen = "12";
    w.piping.setListIndex(1); // Fiberglass (item data 1)
    w.trunk.setListIndex(1);  // 2 in
    w.branch.setListIndex(1);
    w.trunkLength = "150";
    w.branchLength = "60";
    const char* trunkFittings[4] = {"2", "4", "3", "1"};
    const char* branchFittings[4] = {"1", "3", "0", "1"};
    for (int k = 0; k < 4; ++k) {
        w.trunkFitting[k] = trunkFittings[k];
        w.branchFitting[k] = branchFittings[k];
    }
    w.ball = 1;
    w.swing = 0;
    PlainWindow::choose(w.noOfBranches, "2");
    w.tankDiameter = "96";
    w.buryDepth = "3";
    w.rise = "4";
    sizeFor(m, w, nozzles);
    w.plotted = m.intPlotNozzles;
    m.blnAutoBaseline = true;
}

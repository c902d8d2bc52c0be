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
    catalogue::ReadDataFiles(m);
    m.frmMainPiping = nullptr;
    m.frmData = nullptr;
}

inline void chooseShippedSite(Module1& m, PlainWindow& w, int nozzles)
{
    w.chooseComponents({.pump = "STP 3/4 HP 60Hz",
                        .leak = "Mechanical Leak Detector",
                        .dispenser = "Retail Dispenser",
                        .dispOthers = "Shear Valve 1 1/2 in",
                        .nozzle = "Automatic Nozzle 3/4 in",
                        .breakAway = "Breakaway 3/4 in",
                        .pumpOthers = "Flexible Connector 2 in",
                        .hoseSize = "3/4"});
    enterTypicalPiping(w);
    w.piping.setListIndex(1); // Fiberglass (item data 1)
    w.branchLength = "60";
    w.branchFitting[1] = "3";
    w.swing = 0;
    sizeFor(m, w, nozzles);
    w.plotted = m.intPlotNozzles;
    m.blnAutoBaseline = true;
}

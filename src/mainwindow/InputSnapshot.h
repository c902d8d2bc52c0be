#pragma once
// The baseline input snapshot: the main window's inputs as list positions and
// texts, lengths in US units (feet, the tank diameter in inches), with the
// component list, fuel and pump frequency under which they were entered.

#include "catalogue/PipingConstants.h"

#include <QString>
#include <array>
#include <cstdint>

// A list's selection: its position and the text of the entry there, so that a
// list rebuilt since can be matched by the text.
struct ListPick {
    int16_t pos = -1;
    QString text;
};

struct typInputSnapshot {
    ListPick bytDispenser;
    ListPick bytBreakaway;
    ListPick bytHoseSize;
    QString strHoseLength;
    ListPick bytNozzle;
    ListPick bytDispOthers;
    ListPick bytPiping;
    ListPick bytBranchSize;
    QString strBranchLength;
    std::array<QString, kFittingKinds> strBranchFitting;
    ListPick bytTrunkSize;
    QString strTrunkLength;
    std::array<QString, kFittingKinds> strTrunkFitting;
    uint8_t bytBasic = 0;
    uint8_t bytAdvance = 1;
    ListPick bytPump;
    ListPick bytPumpQuantity;
    ListPick bytLeakDetector;
    QString strTankDiameter;
    QString strBuryDepth;
    QString strRise;
    ListPick bytBranches;
    QString strPipeLength;
    bool blnGas = false;
    bool bln50Hz = false;
    uint8_t bytComponentList = 0;
    // Inputs the calculation reads as well, restored with the others.
    int chkBall = 0;
    int chkSwing = 0;
    ListPick bytPumpOthers;
    ListPick bytPipeSize;
};

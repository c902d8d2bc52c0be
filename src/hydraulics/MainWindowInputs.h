#pragma once
// What the hydraulic calculation reads of the main window and its System
// Settings dialog (once per command, see CalculationInputs), and the
// main-window routines and charts the commands use. The main window implements it; tests
// use a plain object.

#include "catalogue/MainWindowLinks.h"
#include "platform/ListControl.h"

#include <QString>

namespace platform {
class Chart;
}

class MainWindowInputs {
public:
    virtual ~MainWindowInputs() = default;

    // Component selection lists (selected position and text).
    virtual platform::ListControl& cmbDispenser() = 0;
    virtual platform::ListControl& cmbDispOthers() = 0;
    virtual platform::ListControl& cmbPumpOthers() = 0;
    virtual platform::ListControl& cmbHoseSize() = 0;
    virtual platform::ListControl& cmbNozzle() = 0;
    virtual platform::ListControl& cmbLeak() = 0;
    virtual platform::ListControl& cmbBreakAway() = 0;
    virtual platform::ListControl& cmbPumps() = 0;
    virtual platform::ListControl& cmbQuantity() = 0;
    // Piping lists and the branch count.
    virtual platform::ListControl& cmbPiping() = 0;
    virtual platform::ListControl& cmbBranch() = 0;
    virtual platform::ListControl& cmbTrunk() = 0;
    virtual platform::ListControl& cmbPipeSize() = 0;
    virtual platform::ListControl& cmbNoOfBranches() = 0;

    // Option buttons and check boxes (check boxes: 0 not ticked, 1 ticked).
    virtual bool opt50Hz() = 0;
    virtual bool optAdvance() = 0;
    virtual bool optBasic() = 0;
    virtual int chkBall() = 0;
    virtual int chkSwing() = 0;

    // Entry fields, as text.
    virtual QString txtNoOfNozzle() = 0;
    virtual QString txtHoseLen() = 0;
    virtual QString txtTrunkLength() = 0;
    virtual QString txtBranchLength() = 0;
    virtual QString txtPipeLen() = 0;
    virtual QString txtTrunkFitting(int index) = 0;  // 0 to 3
    virtual QString txtBranchFitting(int index) = 0; // 0 to 3
    virtual QString txtTankDiameter() = 0;
    virtual QString txtBuryDepth() = 0;
    virtual QString txtRise() = 0;

    // The System Settings option buttons.
    virtual SystemSettingsButtons& frmData() = 0;

    // The two charts and the pump labels under the flow graph.
    virtual platform::Chart& MSChart1() = 0;
    virtual platform::Chart& MSChart2() = 0;
    virtual void setLblCurrentPump(const QString& caption) = 0;
    virtual void setLblBaselinePump(const QString& caption) = 0;
    // The row count for which the flow-graph rows were last laid out.
    virtual int16_t& mintPlottedNozzles() = 0;

    // Main-window routines run by Calculate, Make Baseline and Back To Baseline.
    virtual void FillCurrentGrid() = 0;
    virtual void FillBaseLineGrid() = 0;
    virtual void StoreBaseLine() = 0;
    virtual void RestoreBaseLine() = 0;
};

// The Current and BaseLine summary grids: 36 rows of the inputs as they stood
// at the last Calculate (Current) or Make Baseline (BaseLine).
#include "frmMain.h"

#include "catalogue/ComponentLists.h"
#include "catalogue/MainWindowLinks.h"
#include "catalogue/Module1.h"
#include "catalogue/UnitsInForce.h"
#include "catalogue/clsConfigureData.h"
#include "platform/FlexGrid.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <optional>

using platform::FlexGrid;

namespace {
constexpr int kGrey = 0xCCCCCC;

void shade(FlexGrid& g, int firstRow, int lastRow, int colour)
{
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = 0; c <= 2; ++c) {
            g.setRow(r);
            g.setCol(c);
            g.setCellForeColor(colour);
        }
    }
}
} // namespace

void frmMain::FillCurrentGrid()
{
    fillGrid(*ctl.flxCurrent, false);
    // The lengths are the fields' texts, in the units the fields show.
    m_currentGridMetric = m.blnMetricUnitsShown;
}

void frmMain::FillBaseLineGrid() { fillGrid(*ctl.flxBaseLine, true); }

void frmMain::fillGrid(FlexGrid& g, bool baseline)
{
    const bool us = catalogue::settingsSayUS(m);
    const bool gas = m.objConfigureData && m.objConfigureData->Data();
    auto put = [&g](int row, const QString& label, const QString& c1, const QString& c2) {
        if (!label.isNull())
            g.setTextMatrix(row, 0, label);
        g.setTextMatrix(row, 1, c1);
        g.setTextMatrix(row, 2, c2);
    };
    const QString blank = QStringLiteral(" ");
    const QString one = QStringLiteral("1");
    const QString keep; // a null label: the row keeps the unit label of step 1

    // 1. Unit labels.
    struct UnitLabel {
        int row;
        const char* us;
        const char* metric;
    };
    static const UnitLabel labels[] = {{4, "HoseLen(ft)", "HoseLength(m)"},  {10, "BranchLen(ft)", "BranchLen(m)"},
                                       {16, "TrunkLen(ft)", "TrunkLen(m)"},  {24, "PipeLen(ft)", "PipeLen(m)"},
                                       {30, "TankDia(inch)", "TankDia(cm)"}, {31, "BuryDepth(ft)", "BuryDepth(m)"},
                                       {32, "Rise(ft)", "Rise(m)"}};
    for (const UnitLabel& l : labels)
        g.setTextMatrix(l.row, 0, QString::fromLatin1(us ? l.us : l.metric));
    if (!us && baseline)
        g.setTextMatrix(4, 0, QStringLiteral("HoseLen(m)"));

    // 2. Header.
    put(0, QStringLiteral("Equipment Type"), QStringLiteral("           Unit Selected "), QStringLiteral("No."));

    // 3. Rows 1 to 35.
    put(1, QStringLiteral("Dispenser "), ctl.cmbDispenser->list().text(), one);
    put(2, QStringLiteral("Breakaway "), ctl.cmbBreakAway->list().text(), one);
    put(3, baseline ? QStringLiteral("HoseSize ") : QStringLiteral("HoseSize"), ctl.cmbHoseSize->list().text(), one);
    put(4, keep, ctl.txtHoseLen->text(), one);
    put(5, QStringLiteral("Nozzle "), ctl.cmbNozzle->list().text(), one);
    put(6, QStringLiteral("DispOthers "), ctl.cmbDispOthers->list().text(), one);
    put(7, baseline ? QStringLiteral("NoOfNozzles") : QStringLiteral("NoOfNozzles "), blank, ctl.txtNoOfNozzle->text());
    put(8, QStringLiteral("PipingType "), ctl.cmbPiping->list().text(), blank);
    put(9, QStringLiteral("BranchSize  "), ctl.cmbBranch->list().text(), blank);
    put(10, keep, ctl.txtBranchLength->text(), blank);
    put(11, QStringLiteral("Branch45Elbow  "), blank, ctl.txtBranchFitting[0]->text());
    put(12, QStringLiteral("Branch90Elbow  "), blank, ctl.txtBranchFitting[1]->text());
    put(13, QStringLiteral("BranchThruT  "), blank, ctl.txtBranchFitting[2]->text());
    put(14, QStringLiteral("BranchSideT  "), blank, ctl.txtBranchFitting[3]->text());
    put(15, QStringLiteral("TrunkSize  "), ctl.cmbTrunk->list().text(), blank);
    put(16, keep, ctl.txtTrunkLength->text(), blank);
    const QString trunkEnd = baseline ? QStringLiteral(" ") : QStringLiteral("  ");
    put(17, QStringLiteral("Trunk45Elbow") + trunkEnd, blank, ctl.txtTrunkFitting[0]->text());
    put(18, QStringLiteral("Trunk90Elbow") + trunkEnd, blank, ctl.txtTrunkFitting[1]->text());
    put(19, QStringLiteral("TrunkThruT") + trunkEnd, blank, ctl.txtTrunkFitting[2]->text());
    put(20, QStringLiteral("TrunkSideT") + trunkEnd, blank, ctl.txtTrunkFitting[3]->text());

    // 4. Valves.
    g.setTextMatrix(21, 0, QStringLiteral("ValveType "));
    const int swing = chkSwing();
    const int ball = chkBall();
    if (swing == 1 && ball == 1)
        g.setTextMatrix(21, 1, QStringLiteral("BallValve and ") + QStringLiteral("SwingCheck"));
    else if (swing == 1 && ball == 0)
        g.setTextMatrix(21, 1, QStringLiteral("SwingCheck"));
    else if (swing == 0 && ball == 1)
        g.setTextMatrix(21, 1, QStringLiteral("BallValve"));
    else if (swing == 0 && ball == 0)
        g.setTextMatrix(21, 1, QStringLiteral("None"));
    g.setTextMatrix(21, 2, blank);

    // 5. Piping mode and the shading of the rows it does not use.
    g.setTextMatrix(22, 0, QStringLiteral("AdvOrBasic "));
    g.setTextMatrix(22, 2, blank);
    if (ctl.optBasic->isChecked()) {
        g.setTextMatrix(22, 1, QStringLiteral("Basic"));
        shade(g, 9, 21, kGrey);
        shade(g, 23, 24, 0);
    }
    if (ctl.optAdvance->isChecked()) {
        g.setTextMatrix(22, 1, QStringLiteral("Advance"));
        shade(g, 9, 21, 0);
        shade(g, 23, 24, kGrey);
    }
    put(23, baseline ? QStringLiteral("PipeSize ") : QStringLiteral("PipeSize"), ctl.cmbPipeSize->list().text(), blank);
    put(24, keep, ctl.txtPipeLen->text(), blank);
    put(25, QStringLiteral("Pump "), ctl.cmbPumps->list().text(), blank);
    put(26, QStringLiteral("PumpQuantity "), blank, ctl.cmbQuantity->list().text());

    // 6. Pump frequency.
    g.setTextMatrix(27, 0, QStringLiteral("50Or60HzPumps "));
    if (ctl.opt50Hz->isChecked())
        g.setTextMatrix(27, 1, QStringLiteral("50Hz Pump "));
    if (ctl.opt60Hz->isChecked())
        g.setTextMatrix(27, 1, QStringLiteral("60Hz Pump "));
    g.setTextMatrix(27, 2, blank);

    put(28, QStringLiteral("LeakDetector "), ctl.cmbLeak->list().text(), one);
    put(29, QStringLiteral("PumpOthers "), ctl.cmbPumpOthers->list().text(), one);
    put(30, keep, blank, ctl.txtTankDiameter->text());
    put(31, keep, blank, ctl.txtBuryDepth->text());
    put(32, keep, blank, ctl.txtRise->text());
    put(33, QStringLiteral("NoOfBranches "), blank, ctl.cmbNoOfBranches->list().text());

    // 7. Fuel, from the settings object.
    put(34, QStringLiteral("GasOrDiesel"),
        gas ? (baseline ? QStringLiteral("Gas ") : QStringLiteral("Gas")) : QStringLiteral("Diesel"), blank);

    // 8. Component list, from the System Settings buttons.
    g.setTextMatrix(35, 0, QStringLiteral("ComponentList"));
    if (const std::optional<uint8_t> list = catalogue::chosenComponentList(m_settings))
        g.setTextMatrix(35, 1, catalogue::componentListName(*list));
    g.setTextMatrix(35, 2, blank);
}

void frmMain::tabCurrentBaseline_Click()
{
    const bool current = ctl.tabCurrentBaseline->currentIndex() == 0;
    FlexGrid& t = current ? *ctl.flxCurrent : *ctl.flxBaseLine;
    FlexGrid& o = current ? *ctl.flxBaseLine : *ctl.flxCurrent;
    t.setTopRow(o.Row());
    t.setRow(o.Row());
    t.setCol(o.Col());
    t.setFocus(Qt::OtherFocusReason);
}

static void cellToolTip(FlexGrid& g)
{
    g.setToolTip(QString());
    const QString text = g.TextMatrix(g.Row(), g.Col());
    if (text != QLatin1String(" "))
        g.setToolTip(text);
}

void frmMain::flxCurrent_EnterCell() { cellToolTip(*ctl.flxCurrent); }
void frmMain::flxBaseLine_EnterCell() { cellToolTip(*ctl.flxBaseLine); }

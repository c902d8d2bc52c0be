#pragma once
// The main window as the calculation sees it, held as plain values, with a
// record of the main-window routines the commands run. Also a realistic site
// (a 3/4 HP-like pump, quadratic component losses, 2 in fibreglass piping)
// for the benchmark and the end-to-end tests.

#include "catalogue/Module1.h"
#include "catalogue/clsConfigureData.h"
#include "hydraulics/MainWindowInputs.h"
#include "platform/Chart.h"
#include "platform/ListControl.h"
#include "platform/UiServices.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A site's entry in each of the eight component lists, by name.
struct ComponentChoices {
    const char *pump, *leak, *dispenser, *dispOthers, *nozzle, *breakAway, *pumpOthers, *hoseSize;
};

class PlainWindow : public MainWindowInputs {
public:
    platform::PlainList dispenser, dispOthers, pumpOthers, hoseSize, nozzle, leak, breakAway, pumps, quantity, piping,
        branch, trunk, pipeSize, noOfBranches;
    bool fiftyHz = false, advance = true, basic = false;
    int ball = 0, swing = 0;
    QString noOfNozzle = "1", hoseLen = "0", trunkLength = "0", branchLength = "0", pipeLen = "0", tankDiameter = "0",
            buryDepth = "0", rise = "0";
    QString trunkFitting[4] = {"0", "0", "0", "0"};
    QString branchFitting[4] = {"0", "0", "0", "0"};
    PlainSettingsButtons settings;
    platform::Chart chart1, chart2;
    QString currentPumpLabel, baselinePumpLabel;
    int16_t plotted = 0;
    // Main-window routines run, in order; with the pointer in force when
    // pointerOf is set.
    std::vector<std::string> calls;
    std::function<platform::Pointer()> pointerOf;
    std::vector<platform::Pointer> callPointers;

    PlainWindow()
    {
        // Every list holds "None" first, as the main window fills them.
        for (auto* l : {&dispenser, &dispOthers, &pumpOthers, &hoseSize, &nozzle, &leak, &breakAway}) {
            l->addItem("None");
            l->setListIndex(0);
        }
        for (const char* q : {"1", "2", "3", "4"})
            quantity.addItem(q);
        quantity.setListIndex(0);
        noOfBranches.addItem("1");
        noOfBranches.setListIndex(0);
        pumps.addItem("None");
        pumps.setListIndex(0);
        for (auto* l : {&piping, &branch, &trunk, &pipeSize}) {
            for (int i = 0; i < 3; ++i) {
                l->addItem(QString::number(i));
                l->setItemData(i, i);
            }
            l->setListIndex(0);
        }
    }

    // Adds an entry to a list (when new) and selects it.
    static void choose(platform::PlainList& list, const QString& text)
    {
        for (int i = 0; i < list.listCount(); ++i)
            if (list.list(i) == text) {
                list.setListIndex(i);
                return;
            }
        list.addItem(text);
        list.setListIndex(list.listCount() - 1);
    }
    void chooseComponents(const ComponentChoices& c)
    {
        choose(pumps, c.pump);
        choose(leak, c.leak);
        choose(dispenser, c.dispenser);
        choose(dispOthers, c.dispOthers);
        choose(nozzle, c.nozzle);
        choose(breakAway, c.breakAway);
        choose(pumpOthers, c.pumpOthers);
        choose(hoseSize, c.hoseSize);
    }

    platform::ListControl& cmbDispenser() override { return dispenser; }
    platform::ListControl& cmbDispOthers() override { return dispOthers; }
    platform::ListControl& cmbPumpOthers() override { return pumpOthers; }
    platform::ListControl& cmbHoseSize() override { return hoseSize; }
    platform::ListControl& cmbNozzle() override { return nozzle; }
    platform::ListControl& cmbLeak() override { return leak; }
    platform::ListControl& cmbBreakAway() override { return breakAway; }
    platform::ListControl& cmbPumps() override { return pumps; }
    platform::ListControl& cmbQuantity() override { return quantity; }
    platform::ListControl& cmbPiping() override { return piping; }
    platform::ListControl& cmbBranch() override { return branch; }
    platform::ListControl& cmbTrunk() override { return trunk; }
    platform::ListControl& cmbPipeSize() override { return pipeSize; }
    platform::ListControl& cmbNoOfBranches() override { return noOfBranches; }
    bool opt50Hz() override { return fiftyHz; }
    bool optAdvance() override { return advance; }
    bool optBasic() override { return basic; }
    int chkBall() override { return ball; }
    int chkSwing() override { return swing; }
    QString txtNoOfNozzle() override { return noOfNozzle; }
    QString txtHoseLen() override { return hoseLen; }
    QString txtTrunkLength() override { return trunkLength; }
    QString txtBranchLength() override { return branchLength; }
    QString txtPipeLen() override { return pipeLen; }
    QString txtTrunkFitting(int index) override { return trunkFitting[index]; }
    QString txtBranchFitting(int index) override { return branchFitting[index]; }
    QString txtTankDiameter() override { return tankDiameter; }
    QString txtBuryDepth() override { return buryDepth; }
    QString txtRise() override { return rise; }
    SystemSettingsButtons& frmData() override { return settings; }
    platform::Chart& MSChart1() override { return chart1; }
    platform::Chart& MSChart2() override { return chart2; }
    void setLblCurrentPump(const QString& caption) override { currentPumpLabel = caption; }
    void setLblBaselinePump(const QString& caption) override { baselinePumpLabel = caption; }
    int16_t& mintPlottedNozzles() override { return plotted; }
    void FillCurrentGrid() override { record("FillCurrentGrid"); }
    void FillBaseLineGrid() override { record("FillBaseLineGrid"); }
    void StoreBaseLine() override { record("StoreBaseLine"); }
    void RestoreBaseLine() override { record("RestoreBaseLine"); }

private:
    void record(const char* name)
    {
        calls.emplace_back(name);
        if (pointerOf)
            callPointers.push_back(pointerOf());
    }
};

// A catalogue record from (flow, loss) points.
inline typComponent curve(const QString& name, bool gasOr50Hz, const std::vector<std::pair<float, float>>& points,
                          const QString& listCode = "AIC")
{
    typComponent r;
    r.strName = name;
    r.strListCode = listCode;
    r.blnGasOr50Hz = gasOr50Hz;
    r.strKind = "#Standard#";
    for (const auto& [f, l] : points) {
        r.sngFlow.push_back(f);
        r.sngLoss.push_back(l);
    }
    r.intPoints = int16_t(points.size());
    return r;
}

inline typHose hoseCurve(const QString& size, bool gas, float length,
                         const std::vector<std::pair<float, float>>& points)
{
    typHose h;
    static_cast<typComponent&>(h) = curve(size, gas, points);
    h.sngLength = length;
    return h;
}

// A quadratic loss k q^2 at flows 0, step, ... up to top.
inline std::vector<std::pair<float, float>> quadratic(double k, double step, double top)
{
    std::vector<std::pair<float, float>> points;
    for (double q = 0; q <= top + 1e-9; q += step)
        points.emplace_back(float(q), float(k * q * q));
    return points;
}

// A fresh store with its settings object, US units and gas, in step with the
// window's System Settings buttons.
inline std::unique_ptr<Module1> newStore(PlainWindow& w, bool us = true)
{
    auto m = std::make_unique<Module1>(QString());
    m->objConfigureData = std::make_unique<clsConfigureData>();
    m->objConfigureData->setUnits(us);
    m->objConfigureData->setData(true);
    w.settings.us = us;
    w.settings.gas = true;
    m->sngViscosity = 4.9E-06f;
    return m;
}

// Sizes the result arrays for n nozzles as the main window does.
inline void sizeFor(Module1& m, PlainWindow& w, int nozzles)
{
    w.noOfNozzle = QString::number(nozzles);
    m.intNozzlesEntered = int16_t(nozzles);
    m.intPlotNozzles = int16_t(nozzles % 2 == 0 ? nozzles + 2 : nozzles + 1);
    m.SizeResults();
}

template <class Rec>
void setTable(std::vector<Rec>& table, int16_t& last, std::vector<Rec> records)
{
    table = std::move(records);
    last = int16_t(table.size()) - 1;
}

// The piping and site entries of a typical forecourt: 12 ft of hose, a
// 150 ft trunk and 40 ft branches on the second pipe size with fittings, both
// trunk valves, two branches, an 8 ft tank buried 3 ft, a 4 ft rise.
inline void enterTypicalPiping(PlainWindow& w)
{
    w.hoseLen = "12";
    w.piping.setListIndex(0);
    w.trunk.setListIndex(1);
    w.branch.setListIndex(1);
    w.trunkLength = "150";
    w.branchLength = "40";
    const char* trunkFittings[4] = {"2", "4", "3", "1"};
    const char* branchFittings[4] = {"1", "2", "0", "1"};
    for (int k = 0; k < 4; ++k) {
        w.trunkFitting[k] = trunkFittings[k];
        w.branchFitting[k] = branchFittings[k];
    }
    w.ball = 1;
    w.swing = 1;
    PlainWindow::choose(w.noOfBranches, "2");
    w.tankDiameter = "96";
    w.buryDepth = "3";
    w.rise = "4";
}

// A realistic 60 Hz gasoline site: one 3/4 HP-like pump, two branches of 2 in
// fibreglass, every component chosen.
inline void buildRealisticSite(Module1& m, PlainWindow& w, int nozzles)
{
    setTable(m.udtPumps, m.intPumpMax,
             {curve("Pump 075", false,
                    {{0, 135}, {10, 125}, {20, 112}, {30, 97}, {40, 80}, {50, 60}, {60, 37}, {70, 12}, {75, 0}})});
    setTable(m.udtLeakDetectors, m.intLeakDetectorMax, {curve("Leak 1", true, quadratic(0.002, 10, 80))});
    setTable(m.udtDispensers, m.intDispMax, {curve("Disp 1", true, quadratic(0.15, 2, 24))});
    setTable(m.udtDispOthers, m.intDispOthersMax, {curve("Filter 1", true, quadratic(0.05, 2, 24))});
    setTable(m.udtNozzles, m.intNozzleMax, {curve("Nozzle 1", true, quadratic(0.12, 2, 24))});
    setTable(m.udtBreakaways, m.intBreakawayMax, {curve("Brk 1", true, quadratic(0.03, 2, 24))});
    setTable(m.udtPumpOthers, m.intPumpOthersMax, {curve("Check 1", true, quadratic(0.01, 2, 24))});
    setTable(m.udtHoses, m.intHoseMax, {hoseCurve("3/4", true, 10, quadratic(0.02, 2, 24))});

    // Fibreglass and steel; sizes 1.5, 2, 3 in; fittings 45°, 90°, thru tee, side tee.
    m.sngPipeRoughness[0] = 5.0E-06f;
    m.sngPipeRoughness[1] = 1.5E-04f;
    const float inches[3] = {1.5f, 2.0f, 3.0f};
    const float fittings[3][4] = {{1.9f, 4.0f, 2.7f, 8.0f}, {2.6f, 5.2f, 3.5f, 10.3f}, {3.8f, 7.7f, 5.2f, 15.3f}};
    for (int s = 0; s < 3; ++s) {
        m.sngPipeDiameter[s] = float(inches[s] / 12.0);
        for (int k = 0; k < 4; ++k)
            m.sngFittingLength[s][k] = fittings[s][k];
        m.udtValves[0].sngLength[s] = float(0.6 * inches[s]);
        m.udtValves[1].sngLength[s] = float(6.5 * inches[s]);
    }

    w.chooseComponents({.pump = "Pump 075",
                        .leak = "Leak 1",
                        .dispenser = "Disp 1",
                        .dispOthers = "Filter 1",
                        .nozzle = "Nozzle 1",
                        .breakAway = "Brk 1",
                        .pumpOthers = "Check 1",
                        .hoseSize = "3/4"});
    enterTypicalPiping(w);
    sizeFor(m, w, nozzles);
    w.plotted = m.intPlotNozzles;
}

// A site without piping or rise whose only loss is a nozzle of 100 ft at
// 12.35 GPM (linear), fed by the pump `pump` (60 Hz, quantity 1): every count
// whose pump curve allows it settles at 12.3 GPM per nozzle.
inline void buildSimpleSite(Module1& m, PlainWindow& w, int nozzles,
                            const std::vector<std::pair<float, float>>& pump = {{0, 100}, {100, 100}})
{
    setTable(m.udtPumps, m.intPumpMax, {curve("Flat", false, pump)});
    setTable(m.udtNozzles, m.intNozzleMax, {curve("K", true, {{0, 0}, {100, float(100.0 * 100 / 12.35)}})});
    PlainWindow::choose(w.pumps, "Flat");
    PlainWindow::choose(w.nozzle, "K");
    sizeFor(m, w, nozzles);
    w.plotted = m.intPlotNozzles;
    m.blnAutoBaseline = true;
}

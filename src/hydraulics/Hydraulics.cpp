#include "Hydraulics.h"

#include "catalogue/PipingConstants.h"
#include "catalogue/UnitConversion.h"
#include "platform/NumText.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace hydraulics {

namespace {

// The Colebrook-White iteration of a real pipe converges in a handful of
// passes; the bound only keeps inputs that describe no pipe from looping.
constexpr int kMaxFrictionPasses = 100;

float finiteOrZero(float v) { return std::isfinite(v) ? v : 0.0f; }

// Tables have fixed bounds; an index beyond them (no selection, a material or
// size the piping file never gave) reads as 0.
float pipeDiameter(const Module1& m, int i) { return i >= 0 && i < kPipeSizes ? m.sngPipeDiameter[i] : 0.0f; }
float pipeRoughness(const Module1& m, int i) { return i >= 0 && i < kPipeMaterials ? m.sngPipeRoughness[i] : 0.0f; }
float fittingLength(const Module1& m, int size, int k)
{
    return size >= 0 && size < kPipeSizes && k >= 0 && k < kFittingKinds ? m.sngFittingLength[size][k] : 0.0f;
}
float valveLength(const Module1& m, int valve, int i)
{
    return i >= 0 && i < kValveLengthSlots ? m.udtValves[valve].sngLength[i] : 0.0f;
}

// An entry field's number, as the field shows it.
float fieldNumber(const QString& text) { return float(platform::leadingNumber(text)); }

// A length entry in feet: a metric entry converted from metres and rounded
// to one decimal.
float lengthInFeet(const QString& text, bool metric)
{
    float v = fieldNumber(text);
    if (metric)
        v = float(platform::roundHalfEven1(double(v) / kFeetToMetres));
    return v;
}

// A fitting count: a 16-bit whole number, halves to even; 0 when it does not fit.
int16_t fittingCount(const QString& text) { return platform::toInt16(platform::leadingNumber(text)).value_or(0); }

float pumpQuantity(MainWindowInputs& w) { return float(platform::leadingNumber(w.cmbQuantity().text())); }

// The records of a table that take part in the lookup of the entry selected
// in `list`: those of its name and the wanted fuel (and, for nozzles, of the
// component list of `letter`), in table order.
template <class Rec>
SelectedComponent selectComponent(const std::vector<Rec>& table, int16_t last, platform::ListControl& list, bool gas,
                                  const QString* letter = nullptr)
{
    SelectedComponent c;
    const int p = list.listIndex();
    if (p == -1)
        return c;
    c.selected = true;
    const QString name = list.list(p);
    const int records = catalogue::heldRecords(table, last);
    for (int i = 0; i < records; ++i) {
        const Rec& r = table[size_t(i)];
        if (letter && !r.strListCode.contains(*letter))
            continue;
        if (r.strName != name || r.blnGasOr50Hz != gas)
            continue;
        LossCurve curve{r.sngFlow.data(), r.sngLoss.data(), catalogue::heldPoints(r), 0.0f};
        if constexpr (std::is_same_v<Rec, typHose>)
            curve.referenceLength = r.sngLength;
        c.curves.push_back(curve);
    }
    return c;
}

struct Found {
    float loss = 0.0f;
    const LossCurve* curve = nullptr;
};

// The lookup shared by the seven component kinds: the first curve whose
// points hold q, interpolated.
Found lookupLoss(const SelectedComponent& c, float q)
{
    if (!(q > 0.0f) || !c.selected)
        return {};
    for (const LossCurve& r : c.curves) {
        for (int j = 0; j + 1 < r.points; ++j) {
            const float f0 = r.flow[j];
            const float f1 = r.flow[j + 1];
            if (!(f0 <= q && q <= f1))
                continue;
            // Two points of the same flow hold only that flow: its first loss.
            const float ratio = f1 == f0 ? 0.0f : float((double(q) - f0) / (double(f1) - f0));
            const float d = float(double(r.loss[j + 1]) - r.loss[j]);
            return {finiteOrZero(float(double(r.loss[j]) + double(d) * ratio)), &r};
        }
    }
    return {};
}

// The hose's loss scaled by the entered length over its record's reference
// length; a record of reference length 0 gives no scale: no loss.
float hoseLossAt(const SelectedComponent& hose, float length, float q)
{
    const Found found = lookupLoss(hose, q);
    if (!found.curve || found.curve->referenceLength == 0.0f)
        return 0.0f;
    return finiteOrZero(float(double(found.loss) * double(length) / double(found.curve->referenceLength)));
}

SelectedComponent selectNozzle(const Module1& m, MainWindowInputs& w)
{
    SystemSettingsButtons& s = w.frmData();
    const QString letter = catalogue::componentListLetter(s);
    return selectComponent(m.udtNozzles, m.intNozzleMax, w.cmbNozzle(), s.optGas(), &letter);
}

SelectedComponent selectHose(const Module1& m, MainWindowInputs& w)
{
    return selectComponent(m.udtHoses, m.intHoseMax, w.cmbHoseSize(), w.frmData().optGas());
}

float hoseLength(MainWindowInputs& w) { return lengthInFeet(w.txtHoseLen(), w.frmData().optMetric()); }

SelectedPumps selectPumps(const Module1& m, MainWindowInputs& w)
{
    SelectedPumps s;
    platform::ListControl& pumps = w.cmbPumps();
    const int p = pumps.listIndex();
    if (p == -1)
        return s;
    s.selected = true;
    const float n = pumpQuantity(w);
    const QString name = pumps.list(p);
    const bool want50Hz = w.opt50Hz();
    const int records = catalogue::heldRecords(m.udtPumps, m.intPumpMax);
    for (int i = 0; i < records; ++i) {
        const typComponent& r = m.udtPumps[size_t(i)];
        if (r.strName != name || r.blnGasOr50Hz != want50Hz)
            continue;
        SelectedPumps::Curve c;
        c.head = r.sngLoss.data();
        const int points = catalogue::heldPoints(r);
        c.flow.reserve(size_t(points));
        for (int j = 0; j < points; ++j)
            c.flow.push_back(float(double(n) * r.sngFlow[size_t(j)]));
        s.curves.push_back(std::move(c));
    }
    return s;
}

// The friction loss of one run worked in steps: the start (velocity,
// Reynolds number, the laminar factor), the Colebrook-White passes and the
// Darcy-Weisbach loss. Two runs worked pass by pass side by side give each
// the values it gets alone, while the processor works both at once.
struct FrictionRun {
    double D = 0, L = 0, E = 0;
    double V = 0, Re = 0;
    float f = 0.0f, previous = 0.001f;
    int passes = 0;
    bool iterating = false; // Colebrook-White passes to go
    bool loss = false;      // a loss to work out (else 0)
};

FrictionRun startFriction(const Module1& m, float D, float L, float Q, float E)
{
    FrictionRun r;
    if (!(Q > 0.0f))
        return r;
    const float nu = m.sngViscosity;
    // No pipe: no friction rather than a loss without a value.
    if (!std::isfinite(D) || !(D > 0.0f) || !std::isfinite(nu) || !(nu > 0.0f) || !std::isfinite(E) || !(E >= 0.0f)
        || !std::isfinite(L) || !std::isfinite(Q))
        return r;
    r.loss = true;
    r.D = D;
    r.L = L;
    r.E = E;
    const float V = float(double(Q) / (double(D) * double(D) * kGpmSquareFeetToFeetPerSecond));
    const float Re = float(double(V) * double(D) / double(nu));
    r.V = V;
    r.Re = Re;
    if (Re <= 4000.0f)
        r.f = float(64.0 / double(Re));
    else
        r.iterating = true;
    return r;
}

void frictionPass(FrictionRun& r)
{
    const double a = r.E / (r.D * 3.7) + 2.51 / (r.Re * std::sqrt(double(r.previous)));
    const double x = -2.0 * std::log(a) / std::log(10.0);
    r.f = float(1.0 / (x * x));
    const float change = float(std::fabs((double(r.f) - double(r.previous)) / double(r.f)));
    ++r.passes;
    if (change <= 1E-4f || !std::isfinite(r.f) || r.passes == kMaxFrictionPasses)
        r.iterating = false;
    else
        r.previous = r.f;
}

float finishFriction(const FrictionRun& r)
{
    if (!r.loss)
        return 0.0f;
    const float h = float((r.V * r.V / kTwoG) * ((r.L / r.D) * double(r.f)));
    return finiteOrZero(h);
}

// The trunk's and a branch's friction, their passes side by side.
void frictionPair(FrictionRun& trunk, FrictionRun& branch)
{
    while (trunk.iterating && branch.iterating) {
        frictionPass(trunk);
        frictionPass(branch);
    }
    while (trunk.iterating)
        frictionPass(trunk);
    while (branch.iterating)
        frictionPass(branch);
}

} // namespace

float GetPipeFrictionLoss(const Module1& m, float D, float L, float Q, float E)
{
    FrictionRun r = startFriction(m, D, L, Q, E);
    while (r.iterating)
        frictionPass(r);
    return finishFriction(r);
}

float GetDispenserLoss(Module1& m, MainWindowInputs& w, float q)
{
    return lookupLoss(selectComponent(m.udtDispensers, m.intDispMax, w.cmbDispenser(), w.frmData().optGas()), q).loss;
}

float GetDispOthersLoss(Module1& m, MainWindowInputs& w, float q)
{
    return lookupLoss(selectComponent(m.udtDispOthers, m.intDispOthersMax, w.cmbDispOthers(), w.frmData().optGas()), q)
        .loss;
}

float GetPumpOthersLoss(Module1& m, MainWindowInputs& w, float q)
{
    return lookupLoss(selectComponent(m.udtPumpOthers, m.intPumpOthersMax, w.cmbPumpOthers(), w.frmData().optGas()), q)
        .loss;
}

float GetLeakDetectorLoss(Module1& m, MainWindowInputs& w, float q)
{
    return lookupLoss(selectComponent(m.udtLeakDetectors, m.intLeakDetectorMax, w.cmbLeak(), w.frmData().optGas()), q)
        .loss;
}

float GetBreakawayLoss(Module1& m, MainWindowInputs& w, float q)
{
    return lookupLoss(selectComponent(m.udtBreakaways, m.intBreakawayMax, w.cmbBreakAway(), w.frmData().optGas()), q)
        .loss;
}

float GetNozzleLoss(Module1& m, MainWindowInputs& w, float q) { return lookupLoss(selectNozzle(m, w), q).loss; }

float GetHoseLoss(Module1& m, MainWindowInputs& w, float q)
{
    const float length = hoseLength(w);
    return hoseLossAt(selectHose(m, w), length, q);
}

float GetTrunkValveLength(const Module1& m, MainWindowInputs& w)
{
    const int i = w.cmbTrunk().listIndex();
    const int ball = w.chkBall();
    const int swing = w.chkSwing();
    if (ball == 1 && swing == 0)
        return valveLength(m, 0, i);
    if (ball == 0 && swing == 1)
        return valveLength(m, 1, i);
    if (ball == 1 && swing == 1)
        return float(double(valveLength(m, 0, i)) + double(valveLength(m, 1, i)));
    return 0.0f;
}

CalculationInputs ReadCalculationInputs(const Module1& m, MainWindowInputs& w)
{
    CalculationInputs in;
    const bool metric = w.frmData().optMetric();
    float trunkLength = 0.0f, branchLength = 0.0f;
    int trunkSize = 0, branchSize = 0, material = 0;

    if (w.optAdvance()) {
        in.advance = true;
        trunkSize = w.cmbTrunk().listIndex();
        trunkLength = lengthInFeet(w.txtTrunkLength(), metric);
        for (int k = 0; k < kFittingKinds; ++k)
            trunkLength =
                float(double(fittingCount(w.txtTrunkFitting(k))) * fittingLength(m, trunkSize, k) + trunkLength);
        in.valveLength = GetTrunkValveLength(m, w);
        trunkLength = float(double(in.valveLength) + trunkLength);
        branchSize = w.cmbBranch().listIndex();
        branchLength = lengthInFeet(w.txtBranchLength(), metric);
        for (int k = 0; k < kFittingKinds; ++k)
            branchLength =
                float(double(fittingCount(w.txtBranchFitting(k))) * fittingLength(m, branchSize, k) + branchLength);
        platform::ListControl& piping = w.cmbPiping();
        material = platform::toInt16(piping.itemData(piping.listIndex())).value_or(0);
    }
    if (w.optBasic()) {
        // Basic mode: 75 % of the pipe is trunk with two 90° elbows, a thru
        // tee and a side tee; 25 % is branch with one 90° elbow; the roughness
        // is always that of the second material.
        const int s = w.cmbPipeSize().listIndex();
        trunkSize = branchSize = s;
        const float pipe = lengthInFeet(w.txtPipeLen(), metric);
        trunkLength = float(double(pipe) * 0.75);
        trunkLength = float(2.0 * fittingLength(m, s, 1) + trunkLength);
        trunkLength = float(double(fittingLength(m, s, 2)) + trunkLength);
        trunkLength = float(double(fittingLength(m, s, 3)) + trunkLength);
        branchLength = float(double(pipe) * 0.25);
        branchLength = float(double(fittingLength(m, s, 1)) + branchLength);
        material = 1;
    }
    in.trunkDiameter = pipeDiameter(m, trunkSize);
    in.branchDiameter = pipeDiameter(m, branchSize);
    in.roughness = pipeRoughness(m, material);
    in.trunkLength = trunkLength;
    in.branchLength = branchLength;
    // Each branch carries an equal share of the total flow; a count below 1
    // would divide by zero, so it counts as 1.
    in.branches = std::clamp(platform::roundHalfEven0(platform::leadingNumber(w.cmbNoOfBranches().text())), 1.0, 255.0);

    // Static rise; the metric conversions here are not rounded.
    auto entry = [metric](const QString& text, double metricPerUnit) {
        float v = fieldNumber(text);
        if (metric)
            v = float(double(v) / metricPerUnit);
        return v;
    };
    float rise = float(double(entry(w.txtTankDiameter(), kInchesToCentimetres)) / 12.0);
    rise = float(double(rise) + double(entry(w.txtBuryDepth(), kFeetToMetres)));
    in.totalRise = float(double(rise) + double(entry(w.txtRise(), kFeetToMetres)));

    const bool gas = w.frmData().optGas();
    in.leak = selectComponent(m.udtLeakDetectors, m.intLeakDetectorMax, w.cmbLeak(), gas);
    in.dispenser = selectComponent(m.udtDispensers, m.intDispMax, w.cmbDispenser(), gas);
    in.dispOthers = selectComponent(m.udtDispOthers, m.intDispOthersMax, w.cmbDispOthers(), gas);
    in.breakaway = selectComponent(m.udtBreakaways, m.intBreakawayMax, w.cmbBreakAway(), gas);
    in.nozzle = selectNozzle(m, w);
    in.pumpOthers = selectComponent(m.udtPumpOthers, m.intPumpOthersMax, w.cmbPumpOthers(), gas);
    in.hose = selectHose(m, w);
    in.hoseLength = hoseLength(w);
    in.pumps = selectPumps(m, w);
    return in;
}

float GetSystemHead(Module1& m, MainWindowInputs& w, float q, int16_t n)
{
    return GetSystemHead(m, ReadCalculationInputs(m, w), q, n);
}

float GetSystemHead(Module1& m, const CalculationInputs& in, float q, int16_t n)
{
    if (in.advance)
        m.sngValveLength = in.valveLength;
    const float totalFlow = float(double(float(n)) * double(q));
    const float branchFlow = float(double(totalFlow) / in.branches);
    FrictionRun trunk = startFriction(m, in.trunkDiameter, in.trunkLength, totalFlow, in.roughness);
    FrictionRun branch = startFriction(m, in.branchDiameter, in.branchLength, branchFlow, in.roughness);
    frictionPair(trunk, branch);
    m.sngTrunkLoss = finishFriction(trunk);
    m.sngBranchLoss = finishFriction(branch);
    m.sngTotalRise = in.totalRise;

    float total = float(double(m.sngBranchLoss) + double(m.sngTrunkLoss) + double(m.sngTotalRise));
    // Each component term is stored, then added to the total.
    auto add = [&total](float& term, float value) {
        term = value;
        total = float(double(term) + double(total));
    };
    add(m.sngLeakDetectorLoss, lookupLoss(in.leak, totalFlow).loss);
    add(m.sngDispLoss, lookupLoss(in.dispenser, q).loss);
    add(m.sngDispOthersLoss, lookupLoss(in.dispOthers, q).loss);
    add(m.sngBreakawayLoss, lookupLoss(in.breakaway, q).loss);
    add(m.sngNozzleLoss, lookupLoss(in.nozzle, q).loss);
    add(m.sngPumpOthersLoss, lookupLoss(in.pumpOthers, q).loss);
    add(m.sngHoseLoss, hoseLossAt(in.hose, in.hoseLength, q));
    m.sngTDH = total;
    return total;
}

float GetPumpHead(Module1& m, MainWindowInputs& w, int16_t /*pumpPosition*/, float Q)
{
    return GetPumpHead(selectPumps(m, w), Q);
}

float GetPumpHead(const SelectedPumps& pumps, float Q)
{
    if (!(Q > 0.0f) || !pumps.selected)
        return 0.0f;
    for (const SelectedPumps::Curve& r : pumps.curves) {
        const int points = int(r.flow.size());
        for (int j = 0; j + 1 < points; ++j) {
            const float lo = r.flow[size_t(j)];
            const float hi = r.flow[size_t(j + 1)];
            if (!(lo <= Q && Q <= hi))
                continue;
            // Two points of the same flow: the first head.
            const float fraction = hi == lo ? 0.0f : float((double(Q) - lo) / (double(hi) - lo));
            const double h0 = r.head[j], h1 = r.head[j + 1];
            return finiteOrZero(float(h0 + (h1 - h0) * double(fraction)));
        }
    }
    return 0.0f;
}

float PumpHeadInfo(Module1& m, MainWindowInputs& w, int16_t intI, float sngPumpFlow)
{
    if (intI < 0 || intI >= catalogue::heldRecords(m.udtPumps, m.intPumpMax))
        return 0.0f;
    const typComponent& r = m.udtPumps[size_t(intI)];
    const float n = pumpQuantity(w);
    // US units scale by exactly 1: the same values as no scaling at all.
    const bool us = w.frmData().optUS();
    const double flowFactor = us ? 1.0 : kGpmToLpm;
    const double headFactor = us ? 1.0 : kFeetToMetres;
    const int points = catalogue::heldPoints(r);
    for (int j = 0; j + 1 < points; ++j) {
        if (r.sngLoss[size_t(j + 1)] == 0.0f)
            return -1.0f;
        const float lo = float(double(n) * r.sngFlow[size_t(j)] * flowFactor);
        const float hi = float(double(n) * r.sngFlow[size_t(j + 1)] * flowFactor);
        if (!(lo <= sngPumpFlow && sngPumpFlow <= hi))
            continue;
        const double h0 = r.sngLoss[size_t(j)] * headFactor;
        const double h1 = r.sngLoss[size_t(j + 1)] * headFactor;
        // Two points of the same flow: the first head.
        if (hi == lo)
            return finiteOrZero(float(h0));
        return finiteOrZero(float(h0 + (h1 - h0) * (double(sngPumpFlow) - lo) / (double(hi) - lo)));
    }
    return 0.0f;
}

} // namespace hydraulics

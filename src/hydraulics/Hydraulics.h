#pragma once
// The hydraulic model: pipe friction, component losses, the system head and
// the head of the pumps in parallel. A command reads what its evaluations need
// of the main window once (CalculationInputs: the selected records, the piping
// values, the settings, the lengths converted to feet), since nothing it does
// between two evaluations changes the window; each evaluation then works from
// that. The routines that take MainWindowInputs read the window at every call.
// All of it works in US units (GPM, feet, inches); entries shown in metric are
// converted back when read.
//
// Single precision where the model stores a value: each velocity, Reynolds
// number, friction factor, length, flow, term and partial sum is a float,
// while the arithmetic inside one expression and the constants are double.

#include "MainWindowInputs.h"
#include "catalogue/Module1.h"

#include <cstdint>
#include <vector>

namespace hydraulics {

// The curve of one record that takes part in a component's lookup: its held
// points, and for a hose the reference length of its record.
struct LossCurve {
    const float* flow = nullptr;
    const float* loss = nullptr;
    int points = 0;
    float referenceLength = 0.0f;
};

// The component selected for one kind: whether its list has a selection, and
// the records of the selected name and the wanted fuel (for nozzles, of the
// chosen component list too), in table order.
struct SelectedComponent {
    bool selected = false;
    std::vector<LossCurve> curves;
};

// The pumps selected: whether the list has a selection, and each record of
// the selected name and frequency, in table order, with its flows times the
// quantity (each product rounded to single, as the lookup forms it).
struct SelectedPumps {
    struct Curve {
        std::vector<float> flow; // quantity x flow of each held point
        const float* head = nullptr;
    };
    bool selected = false;
    std::vector<Curve> curves;
};

// What the evaluations of one command read of the main window and its System
// Settings, read once (ReadCalculationInputs): every value is the one an
// evaluation would read and convert itself, formed in the same precision and
// order. It points into the catalogue tables, so it holds while they do not
// change: for one command.
struct CalculationInputs {
    bool advance = false;       // an Advance evaluation leaves valveLength
    float valveLength = 0.0f;   // trunk valves (Advance)
    float trunkDiameter = 0.0f; // feet; 0 for no pipe
    float branchDiameter = 0.0f;
    float roughness = 0.0f;
    float trunkLength = 0.0f; // feet, fittings and valves included
    float branchLength = 0.0f;
    double branches = 1.0;   // 1 to 255
    float totalRise = 0.0f;  // feet
    float hoseLength = 0.0f; // feet
    SelectedComponent leak, dispenser, dispOthers, breakaway, nozzle, pumpOthers, hose;
    SelectedPumps pumps;
};

CalculationInputs ReadCalculationInputs(const Module1& m, MainWindowInputs& w);

// Friction loss (feet) of a run of pipe: Darcy-Weisbach with the laminar
// factor up to Re 4000 and Colebrook-White above. D inside diameter (ft), L
// equivalent length (ft), Q flow (GPM), E roughness (ft); reads sngViscosity.
// Q <= 0 gives 0. Inputs that describe no pipe (D or the viscosity not finite
// and positive, E negative or not finite, L or Q not finite) give 0, and so
// does any other input whose loss comes out not finite. The Colebrook-White
// iteration stops after 100 passes at the latest (a real pipe converges in a
// handful); the factor of the last pass is then used.
float GetPipeFrictionLoss(const Module1& m, float D, float L, float Q, float E);

// The loss (feet) of the component selected for one kind at flow q (GPM):
// the first record of the selected name and of the chosen fuel whose curve
// holds q, interpolated linearly; 0 when none does, for q <= 0, and for no
// selection. A record of one point has no segment and yields 0 for itself
// only. A segment of two points of the same flow gives its first loss at that
// flow. The nozzle takes only records of the chosen component list; the hose
// scales its loss by the entered length over the record's reference length
// (a record of reference length 0 yields 0).
float GetDispenserLoss(Module1& m, MainWindowInputs& w, float q);
float GetDispOthersLoss(Module1& m, MainWindowInputs& w, float q);
float GetPumpOthersLoss(Module1& m, MainWindowInputs& w, float q);
float GetHoseLoss(Module1& m, MainWindowInputs& w, float q);
float GetNozzleLoss(Module1& m, MainWindowInputs& w, float q);
float GetLeakDetectorLoss(Module1& m, MainWindowInputs& w, float q);
float GetBreakawayLoss(Module1& m, MainWindowInputs& w, float q);

// Equivalent length (feet) of the valves ticked for the trunk at its size.
float GetTrunkValveLength(const Module1& m, MainWindowInputs& w);

// Total dynamic head (feet) with n nozzles operating at q GPM each. Leaves
// every term and the total (sngTDH) in the store; an Advance evaluation also
// leaves sngValveLength. A list without a selection, or a size or material
// index beyond the piping tables, counts as a pipe of no diameter (no
// friction) and fittings of no length; a branch count below 1 counts as 1.
float GetSystemHead(Module1& m, MainWindowInputs& w, float q, int16_t n);
// The same evaluation from inputs read once.
float GetSystemHead(Module1& m, const CalculationInputs& in, float q, int16_t n);

// Head (feet) of the selected pumps in parallel at the total flow Q (GPM):
// the pump of the selected name and frequency, each point's flow times the
// quantity, interpolated linearly; 0 for Q <= 0, no selection, no match or a
// flow outside the curve. pumpPosition is not used (the record is found by
// name). Two points of the same flow give the first head at that flow.
float GetPumpHead(Module1& m, MainWindowInputs& w, int16_t pumpPosition, float Q);
// The same head from the pumps read once.
float GetPumpHead(const SelectedPumps& pumps, float Q);

// Head of pump record intI in parallel at sngPumpFlow, in the display units
// of System Settings (GPM and feet, or LPM and metres): -1 as soon as the scan
// reaches a segment that ends in a zero head, 0 when no segment holds the
// flow or intI is not a record of the table. Two points of the same flow give
// the first head at that flow.
float PumpHeadInfo(Module1& m, MainWindowInputs& w, int16_t intI, float sngPumpFlow);

} // namespace hydraulics

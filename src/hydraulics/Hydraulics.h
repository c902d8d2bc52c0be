#pragma once
// The hydraulic model: pipe friction, component losses, the system head and
// the head of the pumps in parallel. Every routine reads the main window
// afresh through MainWindowInputs; nothing is cached between calls. All of it
// works in US units (GPM, feet, inches); entries shown in metric are converted
// back at every call.
//
// Single precision where the model stores a value: each velocity, Reynolds
// number, friction factor, length, flow, term and partial sum is a float,
// while the arithmetic inside one expression and the constants are double.

#include "MainWindowInputs.h"
#include "catalogue/Module1.h"

#include <cstdint>

namespace hydraulics {

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
float GetTrunkValveLength(Module1& m, MainWindowInputs& w);

// Total dynamic head (feet) with n nozzles operating at q GPM each. Leaves
// every term and the total (sngTDH) in the store; an Advance evaluation also
// leaves sngValveLength. A list without a selection, or a size or material
// index beyond the piping tables, counts as a pipe of no diameter (no
// friction) and fittings of no length; a branch count below 1 counts as 1.
float GetSystemHead(Module1& m, MainWindowInputs& w, float q, int16_t n);

// Head (feet) of the selected pumps in parallel at the total flow Q (GPM):
// the pump of the selected name and frequency, each point's flow times the
// quantity, interpolated linearly; 0 for Q <= 0, no selection, no match or a
// flow outside the curve. pumpPosition is not used (the record is found by
// name). Two points of the same flow give the first head at that flow.
float GetPumpHead(Module1& m, MainWindowInputs& w, int16_t pumpPosition, float Q);

// Head of pump record intI in parallel at sngPumpFlow, in the display units
// of System Settings (GPM and feet, or LPM and metres): -1 as soon as the scan
// reaches a segment that ends in a zero head, 0 when no segment holds the
// flow or intI is not a record of the table. Two points of the same flow give
// the first head at that flow.
float PumpHeadInfo(Module1& m, MainWindowInputs& w, int16_t intI, float sngPumpFlow);

} // namespace hydraulics

#pragma once
// The commands of the calculation: Calculate, Make Baseline, Back To
// Baseline, the point tool tip of the Dynamic Flow Graph and Update Graph
// (the pump performance curve), with the graph steps they share. The main
// window connects its buttons and MSChart1's pointSelected signal to these.
// The commands draw on the main window's charts (MSChart1 the flow graph,
// MSChart2 the pump curve); the drawing steps draw on the chart they are
// given, so that a printed sheet can draw the same graph on a chart of its own.
//
// The search for each number of nozzles operating n raises the flow per
// nozzle from 0 in steps of 0.1 GPM while the pumps' head at n times that
// flow exceeds the system head, and takes the flow one step lower. It solves
// n = 1 up to the number in txtNoOfNozzle, but never beyond what the result
// arrays were sized for (the GPM and LPM arrays of the command): a count
// beyond them solves only the counts they hold.

#include "Hydraulics.h"
#include "MainWindowInputs.h"
#include "catalogue/Module1.h"

#include <cstdint>
#include <vector>

namespace platform {
class Chart;
}

namespace hydraulics {

// Calculate: current results, series 2, the baseline too when blnAutoBaseline
// is set; then FillCurrentGrid; clears blnSaved. Hourglass meanwhile.
void cmdCalculate_Click(Module1& m, MainWindowInputs& w);
// Make Baseline: baseline results, series 1, StoreBaseLine, FillBaseLineGrid.
// Nested in Calculate, it restores the default pointer at its own end.
void BaseLine_Click(Module1& m, MainWindowInputs& w);
// Back To Baseline: RestoreBaseLine, FillBaseLineGrid, Make Baseline.
void cmdBackToBaseLine_Click(Module1& m, MainWindowInputs& w);
// Update Graph: DrawPumpCurve on MSChart2.
void cmdUpdate_Click(Module1& m, MainWindowInputs& w);
// The point tool tip: "<nozzles>  <flow>" of the picked point of series 1
// (baseline) or 2 (current) in the units of System Settings; an empty tool
// tip for a point outside the results of the last run.
void MSChart1_PointSelected(Module1& m, MainWindowInputs& w, int16_t series, int16_t dataPoint);

// The pump curve on `chart`: the head of the pumps selected in the main
// window (cmbPumps, opt50Hz, cmbQuantity) over the total flow, one row per
// whole GPM or LPM; fills sngPumpCurveData. Sets the chart's layout settings,
// then leaves m.intIndex at the matching pump record; when none matches
// (intIndex intPumpMax + 1) it returns false and leaves the rest of the chart
// as it was.
bool DrawPumpCurve(Module1& m, MainWindowInputs& w, platform::Chart& chart);

// --- steps of the Dynamic Flow Graph ---
// Series 1 is the baseline (triangle markers), series 2 the current results
// (dot markers); the graph has intPlotNozzles rows, row r for r nozzles.
// Calculate, Make Baseline and the System Settings OK draw on MSChart1.

// Size of the markers of both series, in twips.
constexpr int kFlowGraphMarkerSize = 110;

// The pump label of series 2 (lblCurrentPump) or 1 (lblBaselinePump) from
// the pump selected now.
void FlowGraphPumpLabel(Module1& m, MainWindowInputs& w, int series);

// The main window's row layout: when mintPlottedNozzles differs from
// intPlotNozzles, clears both table columns and lays MSChart1's rows out
// anew (FlowGraphEmptyRows); then mintPlottedNozzles = intPlotNozzles. The
// counter is the main window's, so this step draws on its chart alone.
void FlowGraphRowLayout(Module1& m, MainWindowInputs& w, const std::vector<float>& rowIndex);

// Lays out `rows` rows of `chart` anew: two columns, every point left out,
// the rows labelled from rowIndex (element r = r; r itself beyond it).
void FlowGraphEmptyRows(platform::Chart& chart, int rows, const std::vector<float>& rowIndex);

// The series update of Calculate (series 2) or Make Baseline (series 1) after
// its search: markers, value-axis title and scale shared with the other
// series, the table column and the series' points, row labels, and the
// colours (green baseline / red current while they differ).
void FlowGraphSeriesUpdate(Module1& m, platform::Chart& chart, int series);

// The redraw of the System Settings OK from the stored results in the units
// now in force: both table columns (rows placed by sngCurrentX/sngBaselineX,
// 0 counted as row 1), sngCurrentMaxFlow over rows 1 to intPlotNozzles, the
// shared scale, the series-2 marker, both series' points and the row labels.
// Colours, the baseline largest flow and the results stay.
void FlowGraphRedraw(Module1& m, platform::Chart& chart);

// The System Settings OK's redraw of the flow graph: the baseline's largest
// flow taken anew in the units in force, FlowGraphRedraw, then every flow of
// 0 in rows 1 to intPlotNozzles (a row a new nozzle count left empty) left
// out of the table and the chart.
void FlowGraphUnitsRedraw(Module1& m, platform::Chart& chart);

// Building blocks of the two above.
// Marker of every point of a series: visible, kFlowGraphMarkerSize, a
// triangle (series 1) or a dot (series 2), fill (128, 64, 0).
void FlowGraphSeriesMarker(platform::Chart& chart, int series);
// The largest current flow of counts 1 to `last`, kept in
// sngCurrentMaxFlow, or the baseline's largest when that is larger: the
// flow both series' common scale is taken from.
float FlowGraphSharedLargest(Module1& m, const std::vector<float>& current, int last);
// Value axis scaled for the largest flow: maximum GetAxisMaximum(largest),
// divisions per label a fifth of it; returns the maximum.
float FlowGraphValueAxis(platform::Chart& chart, float largestFlow);
// Rows 1 to intPlotNozzles labelled "1", "2", ...
void FlowGraphRowLabels(Module1& m, platform::Chart& chart);

// --- the search itself ---
// The operating point of n nozzles: the last trial flow per nozzle (steps of
// 0.1 GPM from 0, accumulated in single precision) at which the pumps' head
// still exceeded the system head; 0 (as 1.49E-09) when the first step fails.
// Leaves it in sngNozzleFlow and the loss terms of the first failing step.
// With a system head of 0 or more the bound below never changes a result: a
// step ends once the pumps' head is 0 or less (beyond the curve it is 0), or
// when the trial flow can grow no further in single precision. The forms that
// take the window read it once (pumpPosition is not used: the pump is found
// by name).
float SearchFlowPerNozzle(Module1& m, MainWindowInputs& w, int16_t pumpPosition, int16_t n);
float SearchFlowPerNozzle(Module1& m, const CalculationInputs& in, int16_t n);
// The same steps, ending at the first failing one: returns its trial flow
// (left in sngNozzleFlow), whose loss terms and sngTDH the module keeps.
// The operating point is one step below it.
float SearchFirstFailingFlow(Module1& m, MainWindowInputs& w, int16_t pumpPosition, int16_t n);
float SearchFirstFailingFlow(Module1& m, const CalculationInputs& in, int16_t n);
// Solves counts 1 to the number in txtNoOfNozzle into results (element n),
// as far as results and lpm hold elements; records each count in
// sngNozzleCount. Reads the window once, for every count. Returns the number
// of counts solved.
int16_t SolveOperatingPoints(Module1& m, MainWindowInputs& w, int16_t pumpPosition, std::vector<float>& results,
                             const std::vector<float>& lpm);

} // namespace hydraulics

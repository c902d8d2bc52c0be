#include "Commands.h"

#include "Hydraulics.h"
#include "catalogue/SharedServices.h"
#include "catalogue/UnitConversion.h"
#include "catalogue/UnitsInForce.h"
#include "platform/Chart.h"
#include "platform/NumText.h"
#include "platform/UiServices.h"

#include <QColor>
#include <algorithm>

namespace hydraulics {

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

float at(const std::vector<float>& v, int i) { return i >= 0 && i < int(v.size()) ? v[size_t(i)] : 0.0f; }

int plotRows(const Module1& m) { return std::max<int>(m.intPlotNozzles, 0); }

// A cell of the flow-graph table (rows 1 to P, columns 1 and 2); writes to a
// row the table does not hold go nowhere.
float* cell(Module1& m, int row, int column)
{
    if (row < 1 || row >= int(m.sngFlowGraphData.size()) || column < 1 || column > 2)
        return nullptr;
    return &m.sngFlowGraphData[size_t(row)][size_t(column)];
}

float cellValue(Module1& m, int row, int column)
{
    const float* c = cell(m, row, column);
    return c ? *c : 0.0f;
}

// Rounds results 0 to N to one decimal in place and derives the litres from
// the rounded gallons; the rounded copies are made anew for 0 to N.
void roundResults(std::vector<float>& gpm, std::vector<float>& lpm, std::vector<float>& gpmRounded,
                  std::vector<float>& lpmRounded, int N)
{
    gpmRounded.assign(size_t(N + 1), 0.0f);
    lpmRounded.assign(size_t(N + 1), 0.0f);
    for (int i = 0; i <= N; ++i) {
        if (i < int(gpm.size())) {
            gpm[size_t(i)] = float(platform::roundHalfEven1(gpm[size_t(i)]));
            gpmRounded[size_t(i)] = gpm[size_t(i)];
        }
        if (i < int(lpm.size())) {
            lpm[size_t(i)] = float(double(at(gpm, i)) * kGpmToLpm);
            lpm[size_t(i)] = float(platform::roundHalfEven1(lpm[size_t(i)]));
            lpmRounded[size_t(i)] = lpm[size_t(i)];
        }
    }
}

// The row that element r of a row index names (r itself beyond the index).
int rowOf(const std::vector<float>& rowIndex, int r) { return r < int(rowIndex.size()) ? int(rowIndex[size_t(r)]) : r; }

void setRowIndexes(Module1& m, std::vector<float>& x)
{
    const int P = plotRows(m);
    for (int i = 0; i <= P && i < int(x.size()); ++i)
        x[size_t(i)] = float(i);
}

// Sets the chart's points of one column from the table.
void chartColumnFromTable(Module1& m, platform::Chart& c, int column)
{
    for (int r = 1; r <= c.rowCount(); ++r) {
        const float v = cellValue(m, r, column);
        c.setData(r, column, v, v == -1.0f);
    }
}

} // namespace

float SearchFirstFailingFlow(Module1& m, const CalculationInputs& in, int16_t n)
{
    m.sngNozzleFlow = 0.0f;
    for (;;) {
        const float previous = m.sngNozzleFlow;
        m.sngNozzleFlow = float(double(m.sngNozzleFlow) + 0.1);
        // A trial flow that can grow no further would repeat this step forever.
        if (m.sngNozzleFlow == previous)
            break;
        const float total = float(double(float(n)) * double(m.sngNozzleFlow));
        const float need = GetSystemHead(m, in, m.sngNozzleFlow, n);
        const float have = GetPumpHead(in.pumps, total);
        if (!(have > need))
            break;
        // have > need and have <= 0 means a negative system head, which no
        // curve of non-negative losses gives; beyond the pump curve the head
        // is 0, so without this stop such a search would never end.
        if (!(have > 0.0f))
            break;
    }
    return m.sngNozzleFlow;
}

float SearchFirstFailingFlow(Module1& m, MainWindowInputs& w, int16_t /*pumpPosition*/, int16_t n)
{
    return SearchFirstFailingFlow(m, ReadCalculationInputs(m, w), n);
}

float SearchFlowPerNozzle(Module1& m, const CalculationInputs& in, int16_t n)
{
    SearchFirstFailingFlow(m, in, n);
    m.sngNozzleFlow = float(double(m.sngNozzleFlow) - 0.1);
    return m.sngNozzleFlow;
}

float SearchFlowPerNozzle(Module1& m, MainWindowInputs& w, int16_t /*pumpPosition*/, int16_t n)
{
    return SearchFlowPerNozzle(m, ReadCalculationInputs(m, w), n);
}

int16_t SolveOperatingPoints(Module1& m, MainWindowInputs& w, int16_t /*pumpPosition*/, std::vector<float>& results,
                             const std::vector<float>& lpm)
{
    // Nothing the search does changes the window: it is read once.
    const CalculationInputs in = ReadCalculationInputs(m, w);
    const double entered = platform::leadingNumber(w.txtNoOfNozzle());
    // Counts beyond the arrays the main window sized are not solved.
    const int capacity = std::min<int>({int(results.size()) - 1, int(lpm.size()) - 1, 32767});
    int n = 1;
    for (;;) {
        if (n > entered || n > capacity)
            break;
        results[size_t(n)] = SearchFlowPerNozzle(m, in, int16_t(n));
        // The counts end one element past the last count solved.
        m.sngNozzleCount.resize(size_t(n + 2), 0.0f);
        m.sngNozzleCount[size_t(n)] = float(n);
        ++n;
    }
    return int16_t(n - 1);
}

void cmdCalculate_Click(Module1& m, MainWindowInputs& w)
{
    platform::HourglassGuard hourglass;
    m.blnGraphEmpty = false;
    const int16_t pumpPosition = int16_t(w.cmbPumps().listIndex());
    FlowGraphPumpLabel(m, w, 2);
    setRowIndexes(m, m.sngCurrentX);
    FlowGraphRowLayout(m, w, m.sngCurrentX);
    m.sngNozzleCount.assign(2, 0.0f);
    const int16_t N = SolveOperatingPoints(m, w, pumpPosition, m.sngCurrentGPM, m.sngCurrentLPM);
    roundResults(m.sngCurrentGPM, m.sngCurrentLPM, m.sngCurrentGPMRounded, m.sngCurrentLPMRounded, N);
    FlowGraphSeriesUpdate(m, w.MSChart1(), 2);
    if (m.blnAutoBaseline) {
        BaseLine_Click(m, w);
        m.blnAutoBaseline = false;
    }
    w.FillCurrentGrid();
    m.blnSaved = false;
}

void BaseLine_Click(Module1& m, MainWindowInputs& w)
{
    platform::HourglassGuard hourglass;
    m.blnAutoBaseline = false;
    FlowGraphPumpLabel(m, w, 1);
    const int16_t pumpPosition = int16_t(w.cmbPumps().listIndex());
    setRowIndexes(m, m.sngBaselineX);
    FlowGraphRowLayout(m, w, m.sngBaselineX);
    const int16_t N = SolveOperatingPoints(m, w, pumpPosition, m.sngBaselineGPM, m.sngBaselineLPM);
    roundResults(m.sngBaselineGPM, m.sngBaselineLPM, m.sngBaselineGPMRounded, m.sngBaselineLPMRounded, N);
    FlowGraphSeriesUpdate(m, w.MSChart1(), 1);
    w.StoreBaseLine();
    w.FillBaseLineGrid();
}

void cmdBackToBaseLine_Click(Module1& m, MainWindowInputs& w)
{
    w.RestoreBaseLine();
    w.FillBaseLineGrid();
    BaseLine_Click(m, w);
}

void FlowGraphPumpLabel(Module1& /*m*/, MainWindowInputs& w, int series)
{
    const QString pump = w.cmbPumps().text();
    if (series == 2)
        w.setLblCurrentPump(QStringLiteral(" Dot Marker - Current(") + pump + QLatin1Char(')'));
    else
        w.setLblBaselinePump(QStringLiteral(" Traingle Marker - Baseline(") + pump + QLatin1Char(')'));
}

void FlowGraphRowLayout(Module1& m, MainWindowInputs& w, const std::vector<float>& rowIndex)
{
    const int P = plotRows(m);
    int16_t& plotted = w.mintPlottedNozzles();
    if (plotted != P) {
        for (int r = 1; r <= P; ++r) {
            if (float* v = cell(m, rowOf(rowIndex, r), 2))
                *v = 0.0f;
            if (float* v = cell(m, rowOf(rowIndex, r), 1))
                *v = 0.0f;
        }
        FlowGraphEmptyRows(w.MSChart1(), P, rowIndex);
    }
    plotted = int16_t(P);
}

void FlowGraphEmptyRows(platform::Chart& c, int rows, const std::vector<float>& rowIndex)
{
    c.setColumnCount(2);
    c.setRowCount(rows);
    for (int r = 1; r <= c.rowCount(); ++r) {
        c.setData(r, 2, 0.0, true);
        c.setData(r, 1, 0.0, true);
    }
    for (int r = 1; r <= rows; ++r) {
        c.setRow(rowOf(rowIndex, r));
        c.setRowLabel(QString::number(rowOf(rowIndex, r)));
    }
}

void FlowGraphSeriesMarker(platform::Chart& c, int series)
{
    c.setSeriesMarker(series, true, kFlowGraphMarkerSize,
                      series == 2 ? platform::MarkerStyle::Dot : platform::MarkerStyle::Triangle, QColor(128, 64, 0));
}

float FlowGraphValueAxis(platform::Chart& c, float largestFlow)
{
    const float M = float(catalogue::GetAxisMaximum(largestFlow));
    c.setValueMaximum(1, M);
    c.setDivisionsPerLabel(1, platform::toInt16(float(double(M) / 5.0)).value_or(0));
    return M;
}

void FlowGraphRowLabels(Module1& m, platform::Chart& c)
{
    const int P = plotRows(m);
    for (int r = 1; r <= P; ++r) {
        c.setRow(r);
        c.setRowLabel(QString::number(r));
    }
}

void FlowGraphSeriesUpdate(Module1& m, platform::Chart& c, int series)
{
    const int s = series == 2 ? 2 : 1;
    c.setChartType(platform::ChartType::Line2D);
    c.setWallBrushStyle(platform::BrushStyle::Solid);
    FlowGraphSeriesMarker(c, s);

    const bool us = catalogue::settingsSayUS(m);
    const std::vector<float>& current = us ? m.sngCurrentGPM : m.sngCurrentLPM;
    const std::vector<float>& baseline = us ? m.sngBaselineGPM : m.sngBaselineLPM;
    const std::vector<float>& own = s == 2 ? current : baseline;
    const std::vector<float>& other = s == 2 ? baseline : current;
    if (s == 2)
        c.setAxisTitle(1, us ? QStringLiteral(" GPM per Nozzle ") : QStringLiteral(" LPM per Nozzle "));
    else
        c.setAxisTitle(1, us ? QStringLiteral("GPM per Nozzle") : QStringLiteral("LPM per Nozzle"));

    // The largest flow of the counts solved by this series' last run; both
    // series share the larger scale.
    const int N = int((s == 2 ? m.sngCurrentGPMRounded : m.sngBaselineGPMRounded).size()) - 1;
    float largest = 0.0f;
    for (int i = 1; i <= N; ++i)
        if (at(own, i) > largest)
            largest = at(own, i);
    (s == 2 ? m.sngCurrentMaxFlow : m.sngBaselineMaxFlow) = largest;
    const float otherLargest = s == 2 ? m.sngBaselineMaxFlow : m.sngCurrentMaxFlow;
    if (otherLargest > largest)
        largest = otherLargest;
    m.dblFlowAxisMax = FlowGraphValueAxis(c, largest);

    const int P = plotRows(m);
    int equalRows = 0;
    for (int r = 1; r <= P; ++r) {
        if (float* v = cell(m, r, s)) {
            *v = at(own, r);
            if (*v == 0.0f)
                *v = -1.0f;
        }
        if (at(own, r) == at(other, r))
            ++equalRows;
    }
    c.setColumnCount(2);
    c.setRowCount(P);
    chartColumnFromTable(m, c, s);
    FlowGraphRowLabels(m, c);
    c.setLabelAlignment(0, platform::LabelHorizontal::Flush, platform::LabelVertical::Top);

    if (equalRows < P) {
        c.setSeriesColor(1, kGreen);
        c.setSeriesColor(2, kRed);
    } else if (s == 2) {
        c.setSeriesColor(1, kRed);
        if (us)
            c.setSeriesColor(2, kGreen);
    } else {
        c.setSeriesColor(1, kGreen);
        if (!us)
            c.setSeriesColor(2, kRed);
    }
}

float FlowGraphSharedLargest(Module1& m, const std::vector<float>& current, int last)
{
    float largest = 0.0f;
    for (int i = 1; i <= last; ++i)
        if (at(current, i) > largest)
            largest = at(current, i);
    m.sngCurrentMaxFlow = largest;
    return m.sngBaselineMaxFlow > largest ? m.sngBaselineMaxFlow : largest;
}

void FlowGraphRedraw(Module1& m, platform::Chart& c)
{
    c.setChartType(platform::ChartType::Line2D);
    c.setWallBrushStyle(platform::BrushStyle::Solid);
    FlowGraphSeriesMarker(c, 2);
    const bool us = catalogue::settingsSayUS(m);
    const std::vector<float>& current = us ? m.sngCurrentGPM : m.sngCurrentLPM;
    const std::vector<float>& baseline = us ? m.sngBaselineGPM : m.sngBaselineLPM;
    c.setAxisTitle(1, us ? QStringLiteral("GPM per Nozzle") : QStringLiteral("LPM per Nozzle"));

    const int P = plotRows(m);
    FlowGraphValueAxis(c, FlowGraphSharedLargest(m, current, P));

    for (int i = 1; i <= P; ++i) {
        int cr = int(at(m.sngCurrentX, i));
        if (cr == 0)
            cr = 1;
        if (float* v = cell(m, cr, 2))
            *v = at(current, i);
        int br = int(at(m.sngBaselineX, i));
        if (br == 0)
            br = 1;
        if (float* v = cell(m, br, 1))
            *v = at(baseline, i);
        for (int col : {2, 1})
            if (float* v = cell(m, cr, col); v && *v == 0.0f)
                *v = -1.0f;
    }
    c.setColumnCount(2);
    c.setRowCount(P);
    chartColumnFromTable(m, c, 2);
    chartColumnFromTable(m, c, 1);
    FlowGraphRowLabels(m, c);
}

void FlowGraphUnitsRedraw(Module1& m, platform::Chart& c)
{
    // The baseline's largest flow in the units now shown too, so that the
    // shared scale compares like with like after a units switch.
    const bool us = catalogue::settingsSayUS(m);
    const std::vector<float>& baseline = us ? m.sngBaselineGPM : m.sngBaselineLPM;
    float largest = 0;
    for (int i = 1; i <= m.intPlotNozzles && i < int(baseline.size()); ++i)
        largest = std::max(largest, baseline[size_t(i)]);
    m.sngBaselineMaxFlow = largest;
    FlowGraphRedraw(m, c);
    // A flow of 0 is no point, in whichever row it landed (after a new nozzle
    // count every baseline flow lands in row 1).
    for (int r = 1; r <= m.intPlotNozzles && r < int(m.sngFlowGraphData.size()); ++r) {
        for (int col : {1, 2}) {
            if (m.sngFlowGraphData[size_t(r)][size_t(col)] == 0) {
                m.sngFlowGraphData[size_t(r)][size_t(col)] = -1;
                c.setData(r, col, -1, true);
            }
        }
    }
}

void MSChart1_PointSelected(Module1& m, MainWindowInputs& w, int16_t series, int16_t dataPoint)
{
    platform::Chart& c = w.MSChart1();
    c.setToolTip(QString());
    const bool us = w.frmData().optUS();
    const std::vector<float>& values = series == 2 ? (us ? m.sngCurrentGPMRounded : m.sngCurrentLPMRounded)
                                                   : (us ? m.sngBaselineGPMRounded : m.sngBaselineLPMRounded);
    if (dataPoint < 0 || dataPoint >= int(values.size()) || dataPoint >= int(m.sngNozzleCount.size()))
        return;
    c.setToolTip(platform::singleToText(m.sngNozzleCount[size_t(dataPoint)]) + QStringLiteral("  ")
                 + platform::singleToText(values[size_t(dataPoint)]));
}

void cmdUpdate_Click(Module1& m, MainWindowInputs& w) { DrawPumpCurve(m, w, w.MSChart2()); }

bool DrawPumpCurve(Module1& m, MainWindowInputs& w, platform::Chart& c)
{
    const float n = float(platform::leadingNumber(w.cmbQuantity().text()));
    c.setAutoLayout(false);
    c.setUniformAxis(true);

    const QString name = w.cmbPumps().text();
    const bool want50Hz = w.opt50Hz();
    const int records = catalogue::heldRecords(m.udtPumps, m.intPumpMax);
    int index = 0;
    while (index < records
           && !(m.udtPumps[size_t(index)].strName == name && m.udtPumps[size_t(index)].blnGasOr50Hz == want50Hz))
        ++index;
    m.intIndex = int16_t(std::min<int>(index == records ? int(m.intPumpMax) + 1 : index, 32767));
    if (index == records)
        return false;
    const typComponent& r = m.udtPumps[size_t(index)];

    const int points = catalogue::heldPoints(r);
    float maxFlow = points > 0 ? r.sngFlow[0] : 0.0f;
    float maxHead = points > 0 ? r.sngLoss[0] : 0.0f;
    for (int k = 1; k < points; ++k) {
        maxFlow = std::max(maxFlow, r.sngFlow[size_t(k)]);
        maxHead = std::max(maxHead, r.sngLoss[size_t(k)]);
    }
    const bool us = catalogue::settingsSayUS(m);
    if (!us) {
        maxFlow = float(double(maxFlow) * kGpmToLpm);
        maxHead = float(double(maxHead) * kFeetToMetres);
    }
    const int F = catalogue::GetAxisMaximum(float(double(n) * double(maxFlow)));
    c.setAxisTitle(1, us ? QStringLiteral("Feet of Head") : QStringLiteral("Meters of Head"));
    c.setAxisTitle(0, us ? QStringLiteral("GPM") : QStringLiteral("LPM"));
    m.sngPumpCurveData.assign(size_t(std::max(F, 0)), {0.0f, 0.0f});

    if (us)
        c.setValueMinimum(0, 0);
    c.setValueMaximum(0, F);
    const int flowDivisions = platform::toInt16(F / 5.0).value_or(0);
    c.setDivisionsPerLabel(0, flowDivisions);
    c.setDivisionsPerTick(0, flowDivisions);

    int H = catalogue::GetAxisMaximum(maxHead);
    if (H <= 10)
        H = 20;
    c.setValueMaximum(1, H);
    const int headDivisions = platform::toInt16(H / 5.0).value_or(0);
    c.setDivisionsPerLabel(1, headDivisions);
    c.setDivisionsPerTick(1, headDivisions);

    c.setChartType(platform::ChartType::Line2D);
    c.setLabelsAuto(0, false);
    c.setLabelHorizontalAlignment(0, platform::LabelHorizontal::Centred);
    c.setTitle(r.strName);

    for (float x = 0.0f; x <= float(F - 1); x = float(double(x) + 1.0)) {
        float h = PumpHeadInfo(m, w, m.intIndex, x);
        if (h < 0.0f)
            h = 0.0f;
        m.sngPumpCurveData[size_t(x)][1] = h;
    }
    for (auto& row : m.sngPumpCurveData)
        if (row[1] == 0.0f)
            row[1] = -1.0f;

    c.setColumnCount(1);
    c.setRowCount(F);
    for (int row = 1; row <= c.rowCount(); ++row) {
        const float v = m.sngPumpCurveData[size_t(row - 1)][1];
        c.setData(row, 1, v, v == -1.0f);
    }
    for (int i = 0; i < F; ++i) {
        c.setRow(i + 1);
        c.setRowLabel(QString::number(i));
    }
    return true;
}

} // namespace hydraulics

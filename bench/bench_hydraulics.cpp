// The calculation on a realistic site with 40 nozzles: one evaluation of the
// system head (reading the window, and from the inputs a command reads once),
// the search for 1 to 40 nozzles alone, Calculate with the chart update, and
// the pump curve.
#include "ShippedSite.h"
#include "hydraulics/Commands.h"
#include "hydraulics/Hydraulics.h"

#include "WidgetBenchmarkMain.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct Site {
    PlainWindow w;
    std::unique_ptr<Module1> m = newStore(w);
    Site() { buildRealisticSite(*m, w, 40); }
};

void BM_SystemHead(benchmark::State& state)
{
    Site s;
    for (auto _ : state)
        benchmark::DoNotOptimize(hydraulics::GetSystemHead(*s.m, s.w, 5.0f, 4));
}
BENCHMARK(BM_SystemHead);

// One evaluation as the search makes it: from the inputs read once.
void BM_SystemHeadFromInputs(benchmark::State& state)
{
    Site s;
    const hydraulics::CalculationInputs in = hydraulics::ReadCalculationInputs(*s.m, s.w);
    for (auto _ : state)
        benchmark::DoNotOptimize(hydraulics::GetSystemHead(*s.m, in, 5.0f, 4));
}
BENCHMARK(BM_SystemHeadFromInputs);

void BM_Search1To40(benchmark::State& state)
{
    Site s;
    int64_t steps = 0;
    for (auto _ : state) {
        s.m->sngNozzleCount.assign(2, 0.0f);
        benchmark::DoNotOptimize(
            hydraulics::SolveOperatingPoints(*s.m, s.w, 0, s.m->sngCurrentGPM, s.m->sngCurrentLPM));
    }
    for (int n = 1; n <= 40; ++n)
        steps += int64_t(s.m->sngCurrentGPM[n] * 10 + 1.5f);
    state.counters["evaluations"] = double(steps);
    state.counters["GPM(1)"] = s.m->sngCurrentGPM[1];
    state.counters["GPM(40)"] = s.m->sngCurrentGPM[40];
}
BENCHMARK(BM_Search1To40)->Unit(benchmark::kMicrosecond);

void BM_CalculateWithGraph(benchmark::State& state)
{
    Site s;
    for (auto _ : state) {
        hydraulics::cmdCalculate_Click(*s.m, s.w);
        s.w.chart1.flush();
    }
}
BENCHMARK(BM_CalculateWithGraph)->Unit(benchmark::kMicrosecond);

// Calculate for 1 to 40 nozzles on the shipped catalogue and piping data.
void BM_CalculateShippedData(benchmark::State& state)
{
    PlainWindow w;
    auto m = newStore(w);
    loadShippedData(*m, QStringLiteral(TDR_SOURCE_DATA));
    chooseShippedSite(*m, w, 40);
    for (auto _ : state) {
        hydraulics::cmdCalculate_Click(*m, w);
        w.chart1.flush();
    }
    state.counters["GPM(1)"] = m->sngCurrentGPM[1];
    state.counters["GPM(40)"] = m->sngCurrentGPM[40];
}
BENCHMARK(BM_CalculateShippedData)->Unit(benchmark::kMicrosecond);

void BM_PumpCurve(benchmark::State& state)
{
    Site s;
    for (auto _ : state) {
        hydraulics::cmdUpdate_Click(*s.m, s.w);
        s.w.chart2.flush();
    }
}
BENCHMARK(BM_PumpCurve)->Unit(benchmark::kMicrosecond);

} // namespace

TDR_BENCHMARK_MAIN_WITH_WIDGETS()

// A catalogue editor over a table of 10,000 records of 20 points: the opening
// (in US and in metric units, where the table is converted), and OK with the
// write-back of the catalogue file and the main window's list rebuild.
#include "ShippedMainWindow.h"
#include "WidgetBenchmarkMain.h"

#include "catalogue/clsConfigureData.h"
#include "editors/EditorModel.h"

#include <benchmark/benchmark.h>

namespace {

// The nozzle table grown to 10,000 custom records of 20 points.
void bigNozzleTable(Module1& m)
{
    typComponent r;
    r.strListCode = QStringLiteral("AIC");
    r.blnGasOr50Hz = true;
    r.strKind = QStringLiteral("#Custom#");
    r.intPoints = 20;
    for (int p = 0; p < 20; ++p) {
        r.sngFlow.push_back(float(p) * 2.5f);
        r.sngLoss.push_back(float(p * p) * 0.1f);
    }
    m.udtNozzles.clear();
    for (int i = 0; i < 10000; ++i) {
        r.strName = QStringLiteral("Nozzle %1").arg(i);
        m.udtNozzles.push_back(r);
    }
    m.intNozzleMax = int16_t(m.udtNozzles.size() - 1);
}

void BM_EditorOpening(benchmark::State& state)
{
    ShippedMainWindow s;
    bigNozzleTable(*s.m);
    s.m->objConfigureData->setUnits(state.range(0) != 0);
    editors::EditorModel editor(*s.m, Kind::Nozzle);
    for (auto _ : state) {
        editor.Form_Load();
        state.PauseTiming();
        // Closed without writing, so that the next opening starts alike.
        s.ui.answers = {platform::MsgResult::No};
        editor.cmdCancel_Click();
        state.ResumeTiming();
    }
    state.counters["records"] = double(editor.view.names.size());
}
BENCHMARK(BM_EditorOpening)->Arg(1)->Arg(0)->ArgName("us")->Unit(benchmark::kMillisecond);

void BM_EditorOk(benchmark::State& state)
{
    ShippedMainWindow s;
    bigNozzleTable(*s.m);
    s.m->objConfigureData->setUnits(state.range(0) != 0);
    editors::EditorModel editor(*s.m, Kind::Nozzle);
    editor.host = s.w.get();
    bool closed = true;
    for (auto _ : state) {
        state.PauseTiming();
        editor.Form_Load();
        state.ResumeTiming();
        closed = closed && editor.cmdOk_Click() == editors::Closing::Close;
    }
    if (!closed)
        state.SkipWithError("OK did not close the editor");
}
BENCHMARK(BM_EditorOk)->Arg(1)->Arg(0)->ArgName("us")->Unit(benchmark::kMillisecond);

} // namespace

TDR_BENCHMARK_MAIN_WITH_WIDGETS()

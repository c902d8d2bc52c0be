// The report on the shipped data: building each preview page and each print
// layout, and printing the two-sheet report and the pump curve to PDF.
#include "ShippedMainWindow.h"
#include "WidgetBenchmarkMain.h"

#include "platform/Chart.h"
#include "reports/PrintCommands.h"
#include "reports/PrintSheets.h"
#include "reports/ReportPages.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Nozzle counts: the shipped 8, and 40, where sheet 2 carries the
// comparison grids and page 2 its longest table.
void nozzleCounts(benchmark::internal::Benchmark* b) { b->Arg(8)->Arg(40); }

void BM_PreviewPage1(benchmark::State& state)
{
    ShippedMainWindow s(int(state.range(0)));
    for (auto _ : state) {
        frmPrint page(*s.m, *s.w, *s.w);
        page.Form_Load();
        benchmark::DoNotOptimize(page.picGraph->pixmap().cacheKey());
    }
}
BENCHMARK(BM_PreviewPage1)->Apply(nozzleCounts)->Unit(benchmark::kMillisecond);

void BM_PreviewPage2(benchmark::State& state)
{
    ShippedMainWindow s(int(state.range(0)));
    for (auto _ : state) {
        frmCompare page(*s.m);
        page.Form_Load();
        benchmark::DoNotOptimize(page.flxCompare->grid().rows());
    }
}
BENCHMARK(BM_PreviewPage2)->Apply(nozzleCounts)->Unit(benchmark::kMillisecond);

void BM_PreviewPage3(benchmark::State& state)
{
    ShippedMainWindow s(int(state.range(0)));
    for (auto _ : state) {
        frmComponentList page(*s.w);
        page.Form_Load();
        benchmark::DoNotOptimize(page.flxComponentPrint->grid().rows());
    }
}
BENCHMARK(BM_PreviewPage3)->Apply(nozzleCounts)->Unit(benchmark::kMillisecond);

void BM_FlowGraphSheet(benchmark::State& state)
{
    ShippedMainWindow s(int(state.range(0)));
    for (auto _ : state) {
        frmPrintFlowGraph sheet(*s.m, *s.w);
        sheet.Form_Load();
        benchmark::DoNotOptimize(sheet.msChartFlowGraph->rowCount());
    }
}
BENCHMARK(BM_FlowGraphSheet)->Apply(nozzleCounts)->Unit(benchmark::kMillisecond);

// File Print and the Pump Area's Print, answered Yes, to a PDF file.
void BM_PrintReportAndPumpCurveToPdf(benchmark::State& state)
{
    ShippedMainWindow s(int(state.range(0)));
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("report.pdf"));
    const QString pump = dir.filePath(QStringLiteral("pump.pdf"));
    bool failed = false;
    for (auto _ : state) {
        s.ui.messages.clear();
        s.ui.printedFiles.clear();
        s.ui.printerAnswers = {true};
        s.ui.printFile = report;
        reports::PrintReport(*s.m, *s.w);
        s.ui.printerAnswers = {true};
        s.ui.printFile = pump;
        reports::PrintPumpCurve(*s.m, *s.w);
        // The two questions are all the fake may have been asked.
        for (const FakeUiServices::Message& message : s.ui.messages)
            failed = failed || message.buttons != platform::MsgButtons::YesNo;
        if (failed)
            break;
    }
    if (failed)
        state.SkipWithError("a print failed");
    state.counters["report bytes"] = double(QFileInfo(report).size());
    state.counters["pump bytes"] = double(QFileInfo(pump).size());
}
BENCHMARK(BM_PrintReportAndPumpCurveToPdf)->Apply(nozzleCounts)->Unit(benchmark::kMillisecond);

} // namespace

TDR_BENCHMARK_MAIN_WITH_WIDGETS()

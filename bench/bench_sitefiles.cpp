// Site files: building the 52 lines and parsing them, the same through a
// file on disk, Save from the main window, and File Open with its
// recalculation on the shipped data.
#include "../tests/sitefiles/SampleSite.h"
#include "FakeUiServices.h"
#include "TestFolder.h"

#include "catalogue/Module1.h"
#include "mainwindow/frmMain.h"
#include "platform/ListControl.h"
#include "platform/NumericField.h"
#include "platform/TextFile.h"
#include "sitefiles/SiteFileIO.h"

#include "ShippedMainWindow.h"
#include "WidgetBenchmarkMain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(sitefiles::kMaxSiteFileBytes + 1) : QByteArray();
}

// The lines built and parsed back, in memory.
void BM_BuildAndParse(benchmark::State& state)
{
    const platform::PlainGrid grid = sampleGrid();
    sitefiles::SiteFileSource source;
    source.current = &grid;
    for (auto _ : state) {
        const std::optional<QStringList> lines = sitefiles::buildSiteFileLines(source);
        const std::optional<sitefiles::SiteFileContent> c = sitefiles::parseSiteFile(joinLines(*lines));
        benchmark::DoNotOptimize(c->length[4]);
    }
}
BENCHMARK(BM_BuildAndParse)->Unit(benchmark::kMicrosecond);

// The lines built, written through the save-file path, read and parsed.
void BM_WriteAndReadFile(benchmark::State& state)
{
    TestFolder folder;
    const QString path = folder.file("Site.txt");
    const platform::PlainGrid grid = sampleGrid();
    sitefiles::SiteFileSource source;
    source.current = &grid;
    for (auto _ : state) {
        const std::optional<QStringList> lines = sitefiles::buildSiteFileLines(source);
        if (!platform::writeLines(path, *lines)) {
            state.SkipWithError("the site file was not written");
            break;
        }
        const std::optional<sitefiles::SiteFileContent> c = sitefiles::parseSiteFile(readAll(path));
        if (!c) {
            state.SkipWithError("the site file was refused");
            break;
        }
        benchmark::DoNotOptimize(c->length[4]);
    }
}
BENCHMARK(BM_WriteAndReadFile)->Unit(benchmark::kMicrosecond);

// Save as the File commands do it: the Current grid of the real window.
void BM_SaveFromMainWindow(benchmark::State& state)
{
    ShippedMainWindow s;
    for (auto _ : state) {
        QString error;
        if (!sitefiles::WriteSiteFile(*s.m, *s.w, s.path, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
}
BENCHMARK(BM_SaveFromMainWindow)->Unit(benchmark::kMicrosecond);

// File Open of the saved site: the read, every list and field set, and the
// recalculation with a new baseline.
void BM_FileOpenWithRecalculation(benchmark::State& state)
{
    ShippedMainWindow s;
    // Saved once under its name, as Save As does: nothing is left unsaved.
    s.ui.fileAnswers.push_back(s.path);
    s.w->mnuSaveas_Click();
    if (!s.m->blnSaved || !s.ui.messages.empty()) {
        state.SkipWithError("the site file was not saved");
        return;
    }
    for (auto _ : state) {
        s.ui.fileAnswers.push_back(s.path);
        s.w->mnuOpen_Click();
    }
    if (!s.ui.messages.empty())
        state.SkipWithError(qPrintable(QStringLiteral("File Open said: ") + s.ui.messages.front().text));
    state.counters["GPM(1)"] = s.m->sngCurrentGPM[1];
}
BENCHMARK(BM_FileOpenWithRecalculation)->Unit(benchmark::kMillisecond);

} // namespace

TDR_BENCHMARK_MAIN_WITH_WIDGETS()

// Reading and rewriting a large catalogue file: 10,000 records of 20 points.
#include "catalogue/CatalogueData.h"
#include "catalogue/Module1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 10000;
constexpr int kPoints = 20;

// A program folder holding a dispenser file of kRecords records.
struct LargeCatalogue {
    QTemporaryDir dir;
    Module1 m{dir.path()};
    LargeCatalogue()
    {
        QDir().mkpath(dir.filePath("Components"));
        QByteArray text;
        for (int i = 0; i < kRecords; ++i) {
            text += "$Dispenser " + QByteArray::number(i) + " #AIC\r\n";
            text += i % 2 ? "#TRUE#\r\n" : "#FALSE#\r\n";
            text += i % 3 ? "#Standard#\r\n" : "#Custom#\r\n";
            text += "#RATELOSS_BEGIN#\r\n";
            for (int j = 0; j < kPoints; ++j)
                text += QByteArray::number(j * 2.5) + "," + QByteArray::number(0.125 * j * j + i % 7) + "\r\n";
            text += "#RATELOSS_END#\r\n";
        }
        QFile f(dir.filePath("Components/DISP.DAT"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
        m.CreateDataObjects();
    }
};

LargeCatalogue& catalogue()
{
    static LargeCatalogue c;
    return c;
}

void BM_ReadCatalogue(benchmark::State& state)
{
    LargeCatalogue& c = catalogue();
    for (auto _ : state) {
        c.m.objDispenserData->GetDispFileData();
        benchmark::DoNotOptimize(c.m.intDispMax);
    }
    if (c.m.intDispMax != kRecords - 1)
        state.SkipWithError("the file was not read whole");
}
BENCHMARK(BM_ReadCatalogue)->Unit(benchmark::kMillisecond);

void BM_RewriteCatalogue(benchmark::State& state)
{
    LargeCatalogue& c = catalogue();
    c.m.objDispenserData->GetDispFileData();
    for (auto _ : state) {
        if (!c.m.objDispenserData->SetDispFileData())
            state.SkipWithError("the file was not written");
    }
}
BENCHMARK(BM_RewriteCatalogue)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

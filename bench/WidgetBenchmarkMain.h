#pragma once
// The main of a benchmark that builds windows: a QApplication on the
// offscreen platform, so that it runs without a display.

#include <QApplication>
#include <benchmark/benchmark.h>

#define TDR_BENCHMARK_MAIN_WITH_WIDGETS()        \
    int main(int argc, char** argv)              \
    {                                            \
        qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);            \
        benchmark::Initialize(&argc, argv);      \
        benchmark::RunSpecifiedBenchmarks();     \
        benchmark::Shutdown();                   \
        return 0;                                \
    }

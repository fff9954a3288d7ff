#pragma once
// The main of a benchmark that needs Qt widgets: a QApplication without a display, then Google
// Benchmark with its own flags.
#include <QApplication>
#include <benchmark/benchmark.h>

#define ZOL_QT_BENCHMARK_MAIN()                                                                \
    int main(int argc, char** argv) {                                                          \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                    \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                           \
        QApplication app(argc, argv);                                                          \
        benchmark::Initialize(&argc, argv);                                                    \
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;                      \
        benchmark::RunSpecifiedBenchmarks();                                                   \
        benchmark::Shutdown();                                                                 \
        return 0;                                                                              \
    }

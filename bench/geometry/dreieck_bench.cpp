// The triangle window: solving every case of given quantities, and "Rechne" plus "Zeichnen" end
// to end with the plot window (both should feel instant: well under 100 ms).
//
//   build/bench/geometry/dreieck_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/geometry/dreieckdlg.h"
#include "modules/geometry/dreieckrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zol;

// All 19 cases of the 7-8-9 triangle.
void BM_AlleFaelle(benchmark::State& state) {
    const long double voll[] = {7, 8, 9, 48.1896851042214L, 58.4118644947983L, 73.3984504009803L};
    const int faelle[][3] = {{0, 1, 2}, {0, 1, 5}, {0, 2, 4}, {1, 2, 3}, {0, 1, 3},
                             {1, 2, 4}, {0, 2, 5}, {0, 1, 4}, {1, 2, 5}, {0, 2, 3},
                             {2, 3, 4}, {0, 4, 5}, {1, 3, 5}, {1, 3, 4}, {2, 4, 5},
                             {0, 3, 5}, {0, 3, 4}, {1, 4, 5}, {2, 3, 5}};
    for (auto _ : state) {
        for (const auto& f : faelle) {
            std::array<long double, dreiecksgroessen> w{};
            for (int i : f)
                w[static_cast<std::size_t>(i)] = voll[i];
            benchmark::DoNotOptimize(dreieck_aus_groessen(w));
        }
    }
}
BENCHMARK(BM_AlleFaelle);

void BM_RechneUndZeichnen(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    TDreieckdlg f;
    f.findChild<TextendEdit*>("extendEdit1")->setText("7");
    f.findChild<TextendEdit*>("extendEdit2")->setText("8");
    f.findChild<TextendEdit*>("extendEdit3")->setText("9");
    f.show();
    for (auto _ : state) {
        f.rechne();
        f.zeichnen();
        QApplication::processEvents();
        state.PauseTiming();
        delete f.zeichenfenster();
        state.ResumeTiming();
    }
    QDir::setCurrent(vorher);
}
BENCHMARK(BM_RechneUndZeichnen)->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

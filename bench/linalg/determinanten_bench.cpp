// The determinant at its largest: the dense 10 × 10 matrix (2 on the diagonal, 1 elsewhere)
// takes 6 235 301 expansion calls. The expansion alone should stay below 0.3 s, "Rechne" in the
// window (grid read, expansion, result field) below 0.5 s.
//
//   build/bench/linalg/determinanten_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/linalg/detdlg.h"
#include "modules/linalg/determinantenrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stringgrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace zol;

void BM_Entwicklung10(benchmark::State& state) {
    std::vector<std::vector<long double>> m(10, std::vector<long double>(10, 1));
    for (std::size_t i = 0; i < 10; ++i)
        m[i][i] = 2;
    for (auto _ : state) {
        const Determinante d = determinante(m);
        benchmark::DoNotOptimize(d.wert);
    }
}
BENCHMARK(BM_Entwicklung10)->Unit(benchmark::kMillisecond);

void BM_FensterRechne10(benchmark::State& state) {
    Tdetdlg f;
    f.findChild<Tspineditin*>("spineditin1")->setValue(10);
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 10; ++c)
            f.eingabegitter()->setCell(c, r, r == c ? "2" : "1");
    f.show();
    QApplication::processEvents();
    for (auto _ : state) {
        f.rechne();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FensterRechne10)->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

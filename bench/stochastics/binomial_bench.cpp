// The binomial distribution at its largest, n = 32 000 with the whole table k = 0 … 32 000:
// the probabilities alone, the computation with the table texts (at most 50 ms) and "Rechne" in the
// window, which also fills the grid of 32 001 rows (at most 1 s).
//
//   build/bench/stochastics/binomial_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/stochastics/binomdlg.h"
#include "modules/stochastics/binomialrechnung.h"
#include "shell/eingabe/zahleingaben.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zol;

void BM_Verteilung32000(benchmark::State& state) {
    for (auto _ : state) {
        Binomverteilung v;
        binom_berechnen({binom_max, 0.37L, 0, binom_max}, v);
        benchmark::DoNotOptimize(v.b.data());
    }
}
BENCHMARK(BM_Verteilung32000)->Unit(benchmark::kMillisecond);

void BM_Tabelle32000(benchmark::State& state) {
    for (auto _ : state) {
        Binomverteilung v;
        binom_berechnen({binom_max, 0.37L, 0, binom_max}, v);
        auto texte = binom_texte(v, "0.00");
        benchmark::DoNotOptimize(texte.data());
    }
}
BENCHMARK(BM_Tabelle32000)->Unit(benchmark::kMillisecond);

void BM_Rechne32000(benchmark::State& state) {
    Tbinom2dlg f;
    f.findChild<Tspineditin*>("spineditin1")->setValue(binom_max);
    f.findChild<TSpinEditex*>("SpinEditex1")->setValue(0.37L);
    f.findChild<Tspineditin*>("spineditin4")->setValue(binom_max);
    for (auto _ : state)
        f.rechne();
}
BENCHMARK(BM_Rechne32000)->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN();

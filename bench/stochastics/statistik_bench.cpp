// The statistics computation with the largest "Anzahl", 1000 pairs: sums, spreads, correlation,
// the three fits and the result lines (at most 20 ms; it takes far less).
//
//   build/bench/stochastics/statistik_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "modules/stochastics/statistikrechnung.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace zol;

void BM_Statistik1000(benchmark::State& state) {
    std::vector<Wertepaar> paare;
    for (int i = 1; i <= statistik_max_paare; ++i)
        paare.push_back({i * 0.5L, 3 * std::exp(0.002L * i) + std::sin(i * 1.0L)});
    for (auto _ : state) {
        Statistik s;
        statistik_berechnen(paare, s);
        auto zeilen = statistik_zeilen(s, "0.00");
        benchmark::DoNotOptimize(zeilen.data());
    }
}
BENCHMARK(BM_Statistik1000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

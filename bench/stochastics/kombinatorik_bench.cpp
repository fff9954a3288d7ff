// The combinatorics window's largest inputs, n = k = 999 999, where every loop stops at the
// first overflow or takes the shorter symmetric product (at most 20 ms; it takes microseconds),
// and an input whose values all stay finite.
//
//   build/bench/stochastics/kombinatorik_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "modules/stochastics/kombinatorikrechnung.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zol;

void BM_Kombinatorik(benchmark::State& state) {
    const auto n = state.range(0), k = state.range(1);
    for (auto _ : state) {
        Kombinatorik e = kombinatorik_berechnen(n, k);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_Kombinatorik)
    ->Args({999999, 999999})
    ->Args({-999999, 999999})
    ->Args({1754, 877})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

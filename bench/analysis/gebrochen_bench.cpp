// "Rechne" of the rational functions window without the window (goal: worst case within 1 s):
// degree 30 over degree 30 with random whole coefficients (products up to degree 60, two zero
// searches), and (x - 1)^30 / (x + 1)^30 (two zeros of order 30).
//
//   build/bench/analysis/gebrochen_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "modules/analysis/gebrochenrechnung.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace zol;
using polynom::Polynom;

Polynom zufall30(unsigned saat) {
    std::mt19937 zufall(saat);
    std::uniform_int_distribution<int> k(-10, 10);
    Polynom p(31);
    for (long double& a : p)
        a = k(zufall);
    p[30] = 1;
    return p;
}

Polynom hoch30(long double nullstelle) {
    Polynom p{1};
    for (int i = 0; i < 30; ++i)
        p = polynom::produkt(p, {-nullstelle, 1});
    return p;
}

void BM_Gebrochen(benchmark::State& state) {
    const bool zufall = state.range(0) == 0;
    const Polynom u = zufall ? zufall30(1) : hoch30(1);
    const Polynom v = zufall ? zufall30(2) : hoch30(-1);
    for (auto _ : state) {
        const Gebrochenergebnis e = gebrochene_funktion(u, v, "0.00");
        benchmark::DoNotOptimize(e.zeilen.data());
    }
}
BENCHMARK(BM_Gebrochen)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// "Rechne" of the polynomial window without the window (goal: any degree-30 input within 0.5 s,
// x^5 - 1 within 5 ms): x^5 - 1, random whole coefficients of degree 30 (the zero search gives
// up), (x - 1)^30 (a zero of order 30, slow convergence), the product (x - 1)...(x - 20) and
// x^30 - 1.
//
//   build/bench/analysis/polynome_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "modules/analysis/polynomrechnung.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace zol;
using polynom::Polynom;

Polynom eingabe(int fall) {
    switch (fall) {
    case 0:
        return {-1, 0, 0, 0, 0, 1};
    case 1: {
        std::mt19937 zufall(30);
        std::uniform_int_distribution<int> k(-10, 10);
        Polynom p(31);
        for (long double& a : p)
            a = k(zufall);
        p[30] = 3;
        return p;
    }
    case 2: {
        Polynom p{1};
        for (int i = 0; i < 30; ++i)
            p = polynom::produkt(p, {-1, 1});
        return p;
    }
    case 3: {
        Polynom p{1};
        for (int i = 1; i <= 20; ++i)
            p = polynom::produkt(p, {-static_cast<long double>(i), 1});
        return p;
    }
    default: {
        Polynom p(31, 0);
        p[0] = -1;
        p[30] = 1;
        return p;
    }
    }
}

void BM_Polynomfunktion(benchmark::State& state) {
    const Polynom p = eingabe(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Polynomergebnis e = polynomfunktion(p, "0.00");
        benchmark::DoNotOptimize(e.zeilen.data());
    }
}
BENCHMARK(BM_Polynomfunktion)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// The matrix operations at their largest, n = 10: the inverse (ten Gauss-Jordan eliminations)
// should stay below 1 ms, the product far below; the shared solver alone on a 10 × 10 system.
//
//   build/bench/linalg/matrizen_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include "modules/kern/gaussjordan.h"
#include "modules/linalg/matrizenrechnung.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace zol;

Matrix dicht10() {
    Matrix m(10, std::vector<long double>(10));
    for (std::size_t r = 0; r < 10; ++r)
        for (std::size_t c = 0; c < 10; ++c)
            m[r][c] = r == c ? 10.0L + r : std::sin(static_cast<long double>(r * 10 + c));
    return m;
}

void BM_Inverse10(benchmark::State& state) {
    const Matrix m = dicht10();
    for (auto _ : state) {
        auto inv = matrix_inverse(m);
        benchmark::DoNotOptimize(inv);
    }
}
BENCHMARK(BM_Inverse10)->Unit(benchmark::kMicrosecond);

void BM_Produkt10(benchmark::State& state) {
    const Matrix m = dicht10();
    for (auto _ : state) {
        Matrix p = matrix_produkt(m, m);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_Produkt10)->Unit(benchmark::kMicrosecond);

void BM_GaussJordan10(benchmark::State& state) {
    const Matrix m = dicht10();
    gaussjordan::Gleichungssystem s(10);
    for (int i = 1; i <= 10; ++i) {
        for (int j = 1; j <= 10; ++j)
            s(i, j) = m[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
        s(i, 11) = i;
    }
    for (auto _ : state) {
        auto x = gaussjordan::loesen(s);
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_GaussJordan10)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// The symbolic derivative of a definition (goal: any input within 1 ms): the default, a
// function chain, a quotient and the longest product that fits the token lists; and the probe
// against the difference quotient.
//
//   build/bench/analysis/symbolisch_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "engine/fktbaum.h"
#include "modules/analysis/symbolischrechnung.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zol;

const char* const eingaben[] = {
    "fsym(x)=x^4",
    "f(x)=sin(x)^2*exp(2*x)",
    "f(x)=(x^2+3*x-1)/(x-2)",
    "f(x)=x*x*x*x*x*x*x*x",
};

void BM_Ableiten(benchmark::State& state) {
    const char* eingabe = eingaben[state.range(0)];
    for (auto _ : state) {
        const Symbolergebnis e = symbolisch_ableiten(eingabe, "");
        benchmark::DoNotOptimize(e.text.data());
        if (!e.ok) state.SkipWithError("nicht abgeleitet");
    }
}
BENCHMARK(BM_Ableiten)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A derivative that outgrows the token lists is refused as quickly.
void BM_ZuLang(benchmark::State& state) {
    for (auto _ : state) {
        const Symbolergebnis e = symbolisch_ableiten("f(x)=sin(x)^2*exp(2*x)/ln(x^2+1)", "");
        if (e.ok) state.SkipWithError("nicht abgelehnt");
    }
}
BENCHMARK(BM_ZuLang)->Unit(benchmark::kMicrosecond);

void BM_Probe(benchmark::State& state) {
    Tfktbaum baum;
    Tfktzelle* f = nullptr;
    baum.suchezeigerstr(eingaben[2], f);
    const Symbolergebnis e = symbolisch_ableiten(eingaben[2], "");
    for (auto _ : state) {
        const Ableitungsprobe p = ableitung_pruefen(baum, *f->funktion, e.text);
        if (p.ausgang != Ableitungsprobe::stimmt) state.SkipWithError("Probe stimmt nicht");
    }
}
BENCHMARK(BM_Probe)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

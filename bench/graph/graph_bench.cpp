// Rebuilding a plot page the way the plot window does on every change: axes, labels and 20
// curves of 601 samples each (600 steps over -3 ... 3), all inside the y range.
//   graph_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "engine/fktbaum.h"
#include "graph/neuaufbau.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Curve k of a page: the pattern with K replaced by k / 10 written with the decimal comma.
std::vector<zol::Teinzelnefkt> kurven(const std::string& name, const std::string& rechts) {
    std::vector<zol::Teinzelnefkt> k;
    for (int i = 0; i < 20; ++i) {
        std::string r = rechts;
        const std::string wert = std::to_string(i / 10) + "," + std::to_string(i % 10);
        for (std::size_t p; (p = r.find('K')) != std::string::npos;)
            r.replace(p, 1, wert);
        zol::Teinzelnefkt e;
        e.name = name + std::to_string(i) + "(x)=" + r;
        k.push_back(e);
    }
    return k;
}

void seite(benchmark::State& state, const std::string& name, const std::string& rechts) {
    zol::Tfktbaum baum;
    zol::Tzeichenvorgaben v;
    v.formeln = &baum;
    const auto liste = kurven(name, rechts);
    zol::Tlist1 seite;
    for (auto _ : state) {
        zol::neuaufbau(seite, v, liste);
        benchmark::DoNotOptimize(seite.anzahl());
    }
    state.counters["Objekte"] = seite.anzahl();
}

void achsen(benchmark::State& state) {
    zol::Tzeichenvorgaben v;
    zol::Tlist1 seite;
    for (auto _ : state) {
        zol::neuaufbau(seite, v, {});
        benchmark::DoNotOptimize(seite.anzahl());
    }
}

} // namespace

BENCHMARK(achsen)->Name("seite/achsen")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(seite, rational, "r", "(x^2-K)/(x^2+1)")
    ->Name("seite/20x601/rational")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(seite, trigonometrisch, "t", "sin(x+K)*cos(2*x)")
    ->Name("seite/20x601/trigonometrisch")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

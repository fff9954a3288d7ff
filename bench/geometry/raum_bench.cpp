// The space geometry computations: the position of 10 000 line pairs (the randomized check of
// the tests, timed) and one "Rechne" of the line–line window with its fields and result lines.
// The pairs should take well below 10 ms, one "Rechne" well below 1 ms.
//
//   build/bench/geometry/raum_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/geometry/fgeradegdlg.h"
#include "modules/geometry/raumgeradenrechnung.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace zol;

std::vector<Gerade3> zufallsgeraden(std::size_t anzahl) {
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> zehntel(-99, 99);
    auto v = [&] {
        return Vektor3{zehntel(zufall) / 10.0L, zehntel(zufall) / 10.0L, zehntel(zufall) / 10.0L};
    };
    std::vector<Gerade3> g(anzahl);
    for (Gerade3& x : g)
        x = {v(), v()};
    return g;
}

void BM_Geradenpaare(benchmark::State& state) {
    const std::vector<Gerade3> g = zufallsgeraden(20000);
    for (auto _ : state) {
        int schnitte = 0;
        for (std::size_t i = 0; i < g.size(); i += 2)
            schnitte += geraden_schneiden(g[i], g[i + 1]).lage == Geradenlage::schnitt;
        benchmark::DoNotOptimize(schnitte);
    }
}
BENCHMARK(BM_Geradenpaare)->Unit(benchmark::kMillisecond);

void BM_FensterRechne(benchmark::State& state) {
    Tfgeradeg f;
    const char* werte[][2] = {{"extendEdit10", "1"}, {"extendEdit11", "2"},  {"extendEdit12", "3"},
                              {"extendEdit13", "1"}, {"extendEdit15", "-1"}, {"extendEdit19", "2"},
                              {"extendEdit23", "1"}, {"extendEdit24", "1"}};
    for (const auto& [name, wert] : werte)
        f.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(wert));
    for (auto _ : state) {
        f.rechne();
        if (f.ergebniszeilen().size() != 2) state.SkipWithError("kein Schnittpunkt");
    }
}
BENCHMARK(BM_FensterRechne)->Unit(benchmark::kMicrosecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN();

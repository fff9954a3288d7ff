// The plane computations: the position of 10 000 plane pairs from three one-decimal points each
// (the whole chain of conversions, as in the randomized test) and one "Rechne" of the
// plane–plane window with its fields and result lines. The pairs should take about 10 ms, one
// "Rechne" well below 1 ms (11 ms and 70 µs on the shared two-core build machine).
//
//   build/bench/geometry/raumebenen_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/geometry/ebenenrechnung.h"
#include "modules/geometry/zweiebenedlg.h"

#include <QLineEdit>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace zol;

std::vector<Dreipunkteebene> zufallsebenen(std::size_t anzahl) {
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> zehntel(-99, 99);
    auto v = [&] {
        return Vektor3{zehntel(zufall) / 10.0L, zehntel(zufall) / 10.0L, zehntel(zufall) / 10.0L};
    };
    std::vector<Dreipunkteebene> e(anzahl);
    for (Dreipunkteebene& x : e)
        x = {v(), v(), v()};
    return e;
}

void BM_Ebenenpaare(benchmark::State& state) {
    const std::vector<Dreipunkteebene> e = zufallsebenen(20000);
    for (auto _ : state) {
        int schnitte = 0;
        for (std::size_t i = 0; i < e.size(); i += 2) {
            const Koordinatenebene e1 = koordinatenform(normalenform(parameterform(e[i])));
            const Koordinatenebene e2 = koordinatenform(normalenform(parameterform(e[i + 1])));
            schnitte += ebenen_schneiden(e1, e2).lage == Ebenenlage::schnitt;
        }
        benchmark::DoNotOptimize(schnitte);
    }
}
BENCHMARK(BM_Ebenenpaare)->Unit(benchmark::kMillisecond);

void BM_FensterRechne(benchmark::State& state) {
    Tzweiebene f;
    f.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1"))->setCurrentIndex(3);
    f.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook2"))->setCurrentIndex(3);
    const char* werte[][2] = {{"extendEdit20", "2"}, {"extendEdit24", "3"}, {"extendEdit28", "6"},
                              {"extendEdit48", "1"}, {"extendEdit52", "1"}, {"extendEdit56", "1"}};
    for (const auto& [name, wert] : werte)
        f.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(wert));
    for (auto _ : state) {
        f.rechne();
        if (f.ergebniszeilen().size() != 2) state.SkipWithError("keine Schnittgerade");
    }
}
BENCHMARK(BM_FensterRechne)->Unit(benchmark::kMicrosecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN();

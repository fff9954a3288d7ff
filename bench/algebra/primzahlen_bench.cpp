// The primes window at its largest sensible inputs, each of which should take at most a second
// including the memo: primes 1 ... 100000 with every factorisation, divisor sets 1 ... 10000,
// multiple sets and gcd/lcm pages cut off at 100000 entries, the far end of the range, and the
// divisor set of the largest prime in range.
//
//   build/bench/algebra/primzahlen_bench --benchmark_repetitions=3
//   --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/algebra/primzahldlg.h"
#include "modules/algebra/primzahlrechnung.h"
#include "shell/dienste/konsolenmeldungen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::primzahlen;

// ---- the texts alone ----

void BM_Primzahlen1Bis100000(benchmark::State& state) {
    for (auto _ : state) {
        const Primseite s = primseite(1, 100000);
        benchmark::DoNotOptimize(s.faktoren.text().data());
    }
}
BENCHMARK(BM_Primzahlen1Bis100000)->Unit(benchmark::kMillisecond);

// 100000 factorisations near 10^9, where trial division would need up to 3401 primes each.
void BM_PrimzahlenAmEndeDesBereichs(benchmark::State& state) {
    for (auto _ : state) {
        const Primseite s = primseite(999000000, 999999999);
        benchmark::DoNotOptimize(s.faktoren.text().data());
    }
}
BENCHMARK(BM_PrimzahlenAmEndeDesBereichs)->Unit(benchmark::kMillisecond);

void BM_Teilermengen1Bis10000(benchmark::State& state) {
    for (auto _ : state) {
        const Memotext t = teilermengen(1, 10000);
        benchmark::DoNotOptimize(t.text().data());
    }
}
BENCHMARK(BM_Teilermengen1Bis10000)->Unit(benchmark::kMillisecond);

// Divisor sets of the largest numbers until the cap: each pairs divisors up to 31622.
void BM_TeilermengenAmEndeDesBereichs(benchmark::State& state) {
    for (auto _ : state) {
        const Memotext t = teilermengen(999990000, 999999999);
        benchmark::DoNotOptimize(t.text().data());
    }
}
BENCHMARK(BM_TeilermengenAmEndeDesBereichs)->Unit(benchmark::kMillisecond);

void BM_Teilermenge999999937(benchmark::State& state) {
    for (auto _ : state) {
        Memotext t;
        teilermenge(999999937, t);
        benchmark::DoNotOptimize(t.text().data());
    }
}
BENCHMARK(BM_Teilermenge999999937)->Unit(benchmark::kMicrosecond);

void BM_VielfachmengenGekappt(benchmark::State& state) {
    for (auto _ : state) {
        const Memotext t = vielfachmengen(1, 30, 999999999);
        benchmark::DoNotOptimize(t.text().data());
    }
}
BENCHMARK(BM_VielfachmengenGekappt)->Unit(benchmark::kMillisecond);

void BM_GgtKgv65536Und65537(benchmark::State& state) {
    for (auto _ : state) {
        const Memotext t = ggt_kgv(65536, 65537, "65536", "65537");
        benchmark::DoNotOptimize(t.text().data());
    }
}
BENCHMARK(BM_GgtKgv65536Und65537)->Unit(benchmark::kMillisecond);

// ---- "Rechne" in the window: fields read, texts built, memos set and laid out ----

struct Seite {
    int index;
    QList<QPair<const char*, const char*>> felder;
};

void fenster_rechnen(benchmark::State& state, const Seite& seite) {
    std::ostringstream meldungen;
    Konsolenmeldungen dienst(meldungen); // the cap message must not wait for a click
    Tprimdlg f;
    f.show();
    f.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1"))->setCurrentIndex(seite.index);
    for (const auto& [name, wert] : seite.felder)
        f.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(wert));
    QApplication::processEvents();
    for (auto _ : state) {
        f.rechne();
        QApplication::processEvents();
    }
    if (f.ergebnismemo()->toPlainText().isEmpty()) state.SkipWithError("keine Ausgabe");
}

BENCHMARK_CAPTURE(fenster_rechnen, Primzahlen1Bis100000,
                  Seite{0, {{"longintEdit1", "1"}, {"longintEdit2", "100000"}}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fenster_rechnen, PrimzahlenGekappt,
                  Seite{0, {{"longintEdit1", "1"}, {"longintEdit2", "999999999"}}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fenster_rechnen, GgtKgv65536Und65537,
                  Seite{1, {{"longintEdit3", "65536"}, {"longintEdit4", "65537"}}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fenster_rechnen, Teilermengen1Bis10000,
                  Seite{2, {{"longintEdit5", "1"}, {"longintEdit6", "10000"}}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    fenster_rechnen, VielfachmengenGekappt,
    Seite{3, {{"longintEdit7", "1"}, {"longintEdit9", "30"}, {"longintEdit8", "999999999"}}})
    ->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

// Speed of the fractal window: the 6-byte rounding, whole pictures on one and two threads
// (wall time), how soon "Abbrechen" takes effect at the greatest depth, and the longest pause
// between two events of the window's thread while a picture is drawn.
//
//   build/bench/algebra/fraktal_bench --benchmark_filter=Bild
#include "bench/hilfe/qt_main.h"
#include "modules/algebra/fraktaldlg.h"
#include "modules/algebra/fraktalrechnung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

using namespace zol;
using namespace zol::fraktal;

std::vector<long double> zufallswerte() {
    std::mt19937_64 zufall(1);
    std::uniform_real_distribution<long double> gleich(-4, 4);
    std::vector<long double> w(4096);
    for (long double& x : w)
        x = runden6(gleich(zufall));
    return w;
}

// One rounding through memory, as the x87 value must go.
void BM_Runden6Erweitert(benchmark::State& state) {
    const std::vector<long double> w = zufallswerte();
    std::size_t i = 0;
    long double s = 0;
    for (auto _ : state) {
        s += runden6(w[i] * w[i + 1]);
        i = (i + 2) & 4095;
    }
    benchmark::DoNotOptimize(s);
}
BENCHMARK(BM_Runden6Erweitert);

// The same multiplication on doubles, masked in a register.
void BM_Runden6Double(benchmark::State& state) {
    const std::vector<long double> lw = zufallswerte();
    std::vector<double> w(lw.begin(), lw.end());
    std::size_t i = 0;
    double s = 0;
    for (auto _ : state) {
        s += sechs::mal(w[i], w[i + 1]);
        i = (i + 2) & 4095;
    }
    benchmark::DoNotOptimize(s);
}
BENCHMARK(BM_Runden6Double);

Fraktalrechner::Farbtafel farben() {
    Fraktalrechner::Farbtafel f{};
    for (std::uint32_t i = 0; i < 16; ++i)
        f[i] = i;
    return f;
}

// All ten passes of a picture; argument: threads.
void bild(benchmark::State& state, const Vorgaben& v) {
    for (auto _ : state) {
        Fraktalrechner r;
        r.starten(v, farben(), 0, static_cast<int>(state.range(0)));
        r.warten();
    }
    state.counters["Pixel/s"] = benchmark::Counter(static_cast<double>(v.breite) * v.hoehe *
                                                       static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void BM_BildVorgabe(benchmark::State& state) {
    bild(state, Vorgaben{});
}
BENCHMARK(BM_BildVorgabe)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_BildFullHD(benchmark::State& state) {
    Vorgaben v;
    v.breite = 1920;
    v.hoehe = 1080;
    bild(state, v);
}
BENCHMARK(BM_BildFullHD)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

// From "Abbrechen" until the threads have ended, at depth 100 000 in the middle of a pass.
void BM_Abbrechen(benchmark::State& state) {
    Vorgaben v;
    v.breite = 1920;
    v.hoehe = 1080;
    v.tiefe = max_tiefe;
    for (auto _ : state) {
        Fraktalrechner r;
        r.starten(v, farben(), 0, 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        const auto start = std::chrono::steady_clock::now();
        r.abbrechen();
        r.warten();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_Abbrechen)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// The window draws 1920 x 1080 at depth 1000 while a 5 ms timer of its thread counts; the
// counter is the longest gap between two ticks.
void BM_EreignisseWaehrendDesZeichnens(benchmark::State& state) {
    double groesste = 0;
    for (auto _ : state) {
        Tfraktaldlg f;
        f.findChild<QLineEdit*>(QStringLiteral("breite"))->setText(QStringLiteral("1920"));
        f.findChild<QLineEdit*>(QStringLiteral("hoehe"))->setText(QStringLiteral("1080"));
        f.findChild<QLineEdit*>(QStringLiteral("longintEdit2"))->setText(QStringLiteral("1000"));
        f.show();
        QElapsedTimer uhr;
        QTimer takt;
        takt.setInterval(5);
        qint64 letzte = 0;
        QObject::connect(&takt, &QTimer::timeout, [&] {
            const qint64 jetzt = uhr.elapsed();
            groesste = std::max(groesste, static_cast<double>(jetzt - letzte));
            letzte = jetzt;
        });
        uhr.start();
        takt.start();
        f.rechne();
        while (f.rechnetGerade())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        takt.stop();
    }
    state.counters["groesste_Luecke_ms"] = groesste;
}
BENCHMARK(BM_EreignisseWaehrendDesZeichnens)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

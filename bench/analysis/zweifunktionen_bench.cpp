// "Rechne" of the discussion of two functions in its window: the defaults (goal 20 ms) and the
// worst settings, N = 1000, 1000 iterations, Simpson 1000 and 100 intersections (goal 200 ms);
// and the computation alone on compiled formulas for the worst settings.
//
//   build/bench/analysis/zweifunktionen_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "engine/fktbaum.h"
#include "modules/analysis/disku2dlg.h"
#include "modules/analysis/zweifunktionenrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stringgrid.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

using namespace zol;

// sin(50x) meets the x-axis 159 times on 0,01 … 10; the tolerance is never reached, so every
// refinement runs to the limit.
void schlimmstenfalls(Tdisku2dlg& f) {
    f.findChild<QLineEdit*>("Edit1")->setText("welle(x)=sin(50*x)");
    f.findChild<QLineEdit*>("Edit2")->setText("null(x)=0");
    f.findChild<TSpinEditex*>("xmin")->setText("0,01");
    f.findChild<TSpinEditex*>("xmax")->setText("10");
    f.findChild<TextendEdit*>("Toleranz")->setText("1E-20");
    f.findChild<TlongintEdit*>("Iterationmax")->setValue(1000);
    f.findChild<TlongintEdit*>("aufloesung")->setValue(1000);
    f.findChild<TlongintEdit*>("simpson")->setValue(1000);
}

void rechnen(benchmark::State& state, Tdisku2dlg& f, int zeilen) {
    f.show();
    QApplication::processEvents();
    for (auto _ : state) {
        f.rechne();
        QApplication::processEvents();
    }
    if (f.ergebnisgitter()->rowCount() != zeilen) state.SkipWithError("falsche Zeilenzahl");
}

void BM_Vorgabe(benchmark::State& state) {
    Tdisku2dlg f;
    rechnen(state, f, 3);
}
BENCHMARK(BM_Vorgabe)->Unit(benchmark::kMillisecond);

void BM_Schlimmstenfalls(benchmark::State& state) {
    Tdisku2dlg f;
    schlimmstenfalls(f);
    rechnen(state, f, 101);
}
BENCHMARK(BM_Schlimmstenfalls)->Unit(benchmark::kMillisecond);

void BM_RechnungSchlimmstenfalls(benchmark::State& state) {
    Tfktbaum baum;
    Tfktzelle* welle = nullptr;
    Tfktzelle* null = nullptr;
    Tfktzelle* differenz = nullptr;
    baum.suchezeigerstr("welle(x)=sin(50*x)", welle);
    baum.suchezeigerstr("null(x)=0", null);
    baum.suchezeigerstr(differenzdefinition("welle", "null", Schnittart::beide), differenz);
    Zweifunktionenauftrag a;
    a.xmin = 0.01L;
    a.xmax = 10;
    a.aufloesung = 1000;
    a.grenzen = {1e-20L, 1000};
    a.simpson = 1000;
    std::size_t n = 0;
    for (auto _ : state) {
        const Zweifunktionenergebnis e = zwei_funktionen(
            als_diskussionsfunktion(*welle->funktion), als_diskussionsfunktion(*null->funktion),
            als_diskussionsfunktion(*differenz->funktion), a);
        n = e.schnittpunkte.size();
        benchmark::DoNotOptimize(n);
    }
    if (n != max_schnittpunkte) state.SkipWithError("nicht 100 Schnittpunkte");
}
BENCHMARK(BM_RechnungSchlimmstenfalls)->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

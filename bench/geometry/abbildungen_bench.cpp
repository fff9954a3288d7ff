// The mappings window with 1000 points: "Rechne" (goal 20 ms), changing "Anzahl:" (goal 30 ms)
// and "Zeichnen" end to end, plot window included (goal 300 ms); and the mapping alone.
//
//   build/bench/geometry/abbildungen_bench --benchmark_repetitions=5
//   --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/geometry/abbilddlg.h"
#include "modules/geometry/abbildungsrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace zol;

// 1000 points on a spiral, reflected in the line y = 2x − 1.
void vorbereiten(Tabbilddlg& f, int n = 1000) {
    f.findChild<Tspineditin*>("spineditin1")->setValue(n);
    for (int r = 1; r <= n; ++r) {
        f.punktgitter()->setCell(
            1, r, QString::number(r * 0.01 * std::cos(r * 0.1), 'f', 3).replace('.', ','));
        f.punktgitter()->setCell(
            2, r, QString::number(r * 0.01 * std::sin(r * 0.1), 'f', 3).replace('.', ','));
    }
    f.findChild<QTabWidget*>("Note")->setCurrentIndex(1);
    f.findChild<TRadioGroup*>("RadioGroup2")->setItemIndex(5);
    f.findChild<TextendEdit*>("extendEdit3")->setText("2");
    f.findChild<TextendEdit*>("extendEdit5")->setText("-1");
    f.show();
    QApplication::processEvents();
}

void BM_Rechne1000(benchmark::State& state) {
    Tabbilddlg f;
    vorbereiten(f);
    for (auto _ : state) {
        f.rechne();
        QApplication::processEvents();
    }
    if (f.ergebnisgitter()->cell(1, 1000).isEmpty()) state.SkipWithError("nichts gerechnet");
}
BENCHMARK(BM_Rechne1000)->Unit(benchmark::kMillisecond);

// From 1000 points to 1 and back: both grids lose and regain 999 rows, the new cells get "0".
void BM_AnzahlAendern1000(benchmark::State& state) {
    Tabbilddlg f;
    vorbereiten(f);
    auto* anzahl = f.findChild<Tspineditin*>("spineditin1");
    int n = 1000;
    for (auto _ : state) {
        n = n == 1000 ? 1 : 1000;
        anzahl->setText(QString::number(n));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AnzahlAendern1000)->Unit(benchmark::kMillisecond);

void BM_Zeichnen1000(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    Tabbilddlg f;
    vorbereiten(f);
    for (auto _ : state) {
        f.zeichnen();
        QApplication::processEvents();
        state.PauseTiming();
        delete f.zeichenfenster();
        state.ResumeTiming();
    }
    QDir::setCurrent(vorher);
}
BENCHMARK(BM_Zeichnen1000)->Unit(benchmark::kMillisecond);

void BM_Abbilden1000(benchmark::State& state) {
    Abbildungsvorgabe v;
    v.art = Abbildungsart::drehung;
    v.drehpunkt = {1, 1};
    v.drehwinkel = 30;
    Ebenenabbildung a;
    std::string fehler;
    abbildung_aufstellen(v, a, fehler);
    std::vector<Vektor2> p;
    for (int i = 0; i < 1000; ++i)
        p.push_back({i * 0.01L, i * 0.02L});
    for (auto _ : state)
        benchmark::DoNotOptimize(bildtexte(a, p, "0.00"));
}
BENCHMARK(BM_Abbilden1000)->Unit(benchmark::kMicrosecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

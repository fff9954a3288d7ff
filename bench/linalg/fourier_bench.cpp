// The Fourier analysis in its window ("Rechne", memo included): the default input (goal 5 ms),
// the page "Funktion" with M = 20 and N = 10 000 (goal 0.3 s) and the page "Daten" with 1000
// points, M = 20 and N = 10 000 (goal 0.2 s); and the table function alone.
//
//   build/bench/linalg/fourier_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/linalg/fourierdlg.h"
#include "modules/linalg/fourierrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stringgrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace zol;

void rechnen(benchmark::State& state, Tfouranadlg& f) {
    f.show();
    QApplication::processEvents();
    for (auto _ : state) {
        f.rechne();
        QApplication::processEvents();
    }
    if (f.ergebnismemo()->toPlainText().isEmpty()) state.SkipWithError("nichts gerechnet");
}

void BM_Vorgabe(benchmark::State& state) {
    Tfouranadlg f;
    rechnen(state, f);
}
BENCHMARK(BM_Vorgabe)->Unit(benchmark::kMillisecond);

void BM_FunktionM20N10000(benchmark::State& state) {
    Tfouranadlg f;
    f.findChild<QLineEdit*>("Edit1")->setText("f(x)=x^2*sin(3*x)+sgn(x-2)");
    f.findChild<TlongintEdit*>("longintEdit1")->setValue(10000);
    f.findChild<TlongintEdit*>("longintEdit2")->setValue(20);
    rechnen(state, f);
}
BENCHMARK(BM_FunktionM20N10000)->Unit(benchmark::kMillisecond);

void BM_Daten1000M20N10000(benchmark::State& state) {
    Tfouranadlg f;
    f.findChild<QTabWidget*>("TabbedNotebook1")->setCurrentIndex(Tfouranadlg::seite_daten);
    f.findChild<Tspineditin*>("spineditin1")->setValue(1000);
    for (int r = 1; r <= 1000; ++r) {
        f.punktgitter()->setCell(1, r, QString::number(r * 0.01, 'f', 2).replace('.', ','));
        f.punktgitter()->setCell(2, r,
                                 QString::number(std::sin(r * 0.05), 'f', 4).replace('.', ','));
    }
    f.findChild<TlongintEdit*>("longintEdit3")->setValue(10000);
    f.findChild<TlongintEdit*>("longintEdit4")->setValue(20);
    rechnen(state, f);
}
BENCHMARK(BM_Daten1000M20N10000)->Unit(benchmark::kMillisecond);

// 10 000 values of the table function: one binary search each.
void BM_Tabellenfunktion1000(benchmark::State& state) {
    std::vector<Messpunkt> p;
    for (int i = 0; i < 1000; ++i)
        p.push_back({i * 0.01L, std::sin(i * 0.05L)});
    const Reellefunktion f = stueckweise_linear(p);
    for (auto _ : state) {
        long double s = 0;
        for (int i = 0; i <= 10000; ++i)
            s += f(i * 0.000999L);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Tabellenfunktion1000)->Unit(benchmark::kMicrosecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

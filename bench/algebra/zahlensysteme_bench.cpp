// The number systems window's conversion table at its largest, 10000 numbers (the table stops
// there): the lines alone, and "T" in the shown window with the memo filled and repainted. Both
// should stay well below 0.2 s.
//
//   build/bench/algebra/zahlensysteme_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/algebra/zahlensystemrechnung.h"
#include "modules/algebra/zahlsysdlg.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

namespace {

using namespace zol;

// Numbers with long binary and Roman forms, so every column has real work.
constexpr std::int32_t von = 1;
constexpr std::int32_t bis = 10000;

void BM_Umrechnungstabelle(benchmark::State& state) {
    for (auto _ : state) {
        const Umrechnungstabelle t = umrechnungstabelle(von, bis, 7);
        benchmark::DoNotOptimize(t.zeilen.data());
        if (t.zeilen.size() != 10001) state.SkipWithError("falsche Zeilenzahl");
    }
}
BENCHMARK(BM_Umrechnungstabelle)->Unit(benchmark::kMillisecond);

void BM_FensterTabelle(benchmark::State& state) {
    Tzahlsysdlg f;
    f.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::number(von));
    f.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QString::number(bis));
    QAction* tabelle = f.findChild<QAction*>(QStringLiteral("Tabelle1"));
    f.show();
    QApplication::processEvents();
    for (auto _ : state) {
        tabelle->trigger();
        QApplication::processEvents();
    }
    if (f.ergebnismemo()->blockCount() != 10001) state.SkipWithError("falsche Zeilenzahl");
}
BENCHMARK(BM_FensterTabelle)->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

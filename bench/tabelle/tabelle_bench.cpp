// The spreadsheet at its largest: 1000 rows × 100 columns in which every cell uses its left
// neighbour. "Rechne" (three sweeps) on the sheet alone and in the window, typing into one cell
// of that sheet, and pasting 32000 characters of text into a new window.
//
//   build/bench/tabelle/tabelle_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/analysis/tabellenrechnung.h"

#include "engine/fktbaum.h"
#include "modules/analysis/tabelleform.h"
#include "shell/rahmen/stringgrid.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace zol;

constexpr int datenzeilen = 1000;
constexpr int datenspalten = 100;

// Column A holds the row number, every other cell its left neighbour plus one.
std::string formel(int spalte, int zeile) {
    if (spalte == 1) return std::to_string(zeile);
    std::string f = "=";
    f += zellname(spalte - 1, zeile);
    f += "+1";
    return f;
}

Tabellenblatt grosses_blatt() {
    Tabellenblatt b(datenzeilen + 1, datenspalten + 1);
    for (int r = 1; r <= datenzeilen; ++r)
        for (int c = 1; c <= datenspalten; ++c)
            b.setzeEingabe(c, r, formel(c, r));
    return b;
}

std::unique_ptr<Ttabelleform> grosses_fenster() {
    auto f = std::make_unique<Ttabelleform>();
    f->groesseSetzen(datenzeilen + 1, datenspalten + 1);
    for (int r = 1; r <= datenzeilen; ++r) {
        for (int c = 1; c <= datenspalten; ++c) {
            const QString text = QString::fromStdString(formel(c, r));
            f->eingabegitter()->setCell(c, r, text);
            f->anzeigegitter()->setCell(c, r, text);
        }
    }
    f->show();
    QApplication::processEvents();
    return f;
}

void BM_BlattRechnen(benchmark::State& state) {
    Tabellenblatt b = grosses_blatt();
    Tfktbaum baum;
    for (auto _ : state) {
        blatt_rechnen(baum, b, "0.000");
        benchmark::DoNotOptimize(b.anzeige(datenspalten, datenzeilen));
    }
}
BENCHMARK(BM_BlattRechnen)->Unit(benchmark::kMillisecond)->Iterations(1);

// A chain through 1000 × 1000 cells: each cell uses the one below it, the bottom row the cell
// to its right, against the row order in both directions.
void BM_KetteDurchMillionZellen(benchmark::State& state) {
    constexpr int n = 1000;
    Tabellenblatt b(n + 1, n + 1);
    b.setzeEingabe(n, n, "1");
    for (int c = n - 1; c >= 1; --c)
        b.setzeEingabe(c, n, "=" + zellname(c + 1, n) + "+1");
    for (int c = 1; c <= n; ++c)
        for (int r = n - 1; r >= 1; --r)
            b.setzeEingabe(c, r, "=" + zellname(c, r + 1) + "+1");
    Tfktbaum baum;
    for (auto _ : state) {
        blatt_rechnen(baum, b, "0");
        benchmark::DoNotOptimize(b.anzeige(1, 1));
    }
}
BENCHMARK(BM_KetteDurchMillionZellen)->Unit(benchmark::kMillisecond)->Iterations(1);

// "Rechne" in the window: both grids read, every shown text written, the view repainted.
void BM_FensterRechne(benchmark::State& state) {
    auto f = grosses_fenster();
    for (auto _ : state) {
        f->rechne();
        QApplication::processEvents();
    }
    if (f->anzeige(datenspalten, datenzeilen) != QStringLiteral("1099,000"))
        state.SkipWithError("falsches Ergebnis");
}
BENCHMARK(BM_FensterRechne)->Unit(benchmark::kMillisecond)->Iterations(1);

// Typing into the last cell of the computed sheet: the cell is recalculated at once.
void BM_FensterTippen(benchmark::State& state) {
    auto f = grosses_fenster();
    f->rechne();
    int n = 0;
    for (auto _ : state) {
        f->zelleEingeben(datenspalten, datenzeilen,
                         QStringLiteral("=CU1000*%1").arg(++n % 2 == 0 ? 2 : 3));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FensterTippen)->Unit(benchmark::kMicrosecond);

// 32000 characters from the clipboard into a new window: the grid grows, every cell is
// computed.
void BM_FensterEinfuegen(benchmark::State& state) {
    QString text;
    for (int r = 1; text.size() < 32000; ++r)
        text += QStringLiteral("%1,5\t=A%1*2\t=B%1-A%1\tText %1\r\n").arg(r);
    QApplication::clipboard()->setText(text);
    for (auto _ : state) {
        state.PauseTiming();
        auto f = std::make_unique<Ttabelleform>();
        f->show();
        QApplication::processEvents();
        state.ResumeTiming();
        f->zwischenablage(Befehl::einfuegen, f->ergebnisgitter());
        QApplication::processEvents();
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FensterEinfuegen)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening the saved sheet: both grid blocks read, the inputs taken over, "Rechne".
void BM_FensterLaden(benchmark::State& state) {
    const QString datei = QDir::temp().filePath(QStringLiteral("tabelle_bench.tab"));
    {
        auto f = grosses_fenster();
        f->inDateiSchreiben(datei);
    }
    for (auto _ : state) {
        Ttabelleform g;
        g.laden(datei);
        if (g.anzeige(datenspalten, datenzeilen) != QStringLiteral("1099,000"))
            state.SkipWithError("falsches Ergebnis");
    }
    QFile::remove(datei);
}
BENCHMARK(BM_FensterLaden)->Unit(benchmark::kMillisecond)->Iterations(1);

// "Einstellungen" at the limit: 1000 rows and 1000 columns.
void BM_FensterGroesse(benchmark::State& state) {
    for (auto _ : state) {
        Ttabelleform f;
        f.groesseSetzen(1000, 1000);
        f.rechne();
    }
}
BENCHMARK(BM_FensterGroesse)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

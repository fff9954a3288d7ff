// Loading large projects: 100 000 project formulas (the most a project holds), and 80 000 keys
// in one section. Both went through every key already read for each key looked up or added.
//
//   build/bench/projekt/projekt_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "shell/formeln/formelbaum.h"
#include "shell/projekt/winrestorer.h"

#include "engine/fktbaum.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zol;

// A main window without windows: only the project file and the formula table are measured.
class Leere_umgebung : public Projektumgebung {
public:
    Fensterlage hauptfenster() const override { return {}; }
    void setzeHauptfenster(const Fensterlage&) override {}
    QString vorgabeformat() const override { return QStringLiteral("0.00"); }
    void setzeVorgabeformat(const QString&) override {}
    Fensterlage werkzeugfenster() const override { return {}; }
    void setzeWerkzeugfenster(const Fensterlage&) override {}
    Fensterlage anzeigefenster() const override { return {}; }
    void setzeAnzeigefenster(const Fensterlage&) override {}
    QList<Tmodulfenster*> modulfenster() const override { return {}; }
    Tmodulfenster* fensterErzeugen(int) override { return nullptr; }
};

QString projekt_schreiben(const QTemporaryDir& ordner, const QString& name,
                          const QByteArray& rumpf) {
    const QString datei = ordner.filePath(name);
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write("[Hauptfenster]\r\nVersion=ZOL50\r\n" + rumpf + "[Fenster]\r\nAnzahl=0\r\n");
    return datei;
}

void laden(benchmark::State& state, const QString& datei, int formeln) {
    for (auto _ : state) {
        formelbaum().alle_loeschen();
        Leere_umgebung u;
        if (!TWinRestorer(datei).restore(u)) state.SkipWithError("nicht geladen");
        if (formelbaum().anzahl() != formeln) state.SkipWithError("Formeln fehlen");
    }
    formelbaum().alle_loeschen();
}

void BM_HunderttausendFormeln(benchmark::State& state) {
    constexpr int n = 100000;
    QTemporaryDir ordner;
    QByteArray rumpf = "[Formeln]\r\nAnzahl=" + QByteArray::number(n) + "\r\n";
    for (int i = 0; i < n; ++i)
        rumpf += "Nr" + QByteArray::number(i) + "=K" + QByteArray::number(i) + "=" +
                 QByteArray::number(i) + "\r\n";
    laden(state, projekt_schreiben(ordner, "formeln.pro", rumpf), n);
}
BENCHMARK(BM_HunderttausendFormeln)->Unit(benchmark::kMillisecond);

void BM_AchtzigtausendSchluessel(benchmark::State& state) {
    constexpr int n = 80000;
    QTemporaryDir ordner;
    QByteArray rumpf = "[Formeln]\r\nAnzahl=1\r\nNr0=f(x)=x^2\r\n[Anmerkungen]\r\n";
    for (int i = 0; i < n; ++i)
        rumpf += "Schluessel" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    laden(state, projekt_schreiben(ordner, "schluessel.pro", rumpf), 1);
}
BENCHMARK(BM_AchtzigtausendSchluessel)->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()

// Our engine (80-bit) against muparser (double), side by side in one run.
// Benchmark names: <engine>/<what>/<formula>, engine being "zol" or "muparser".
#include "engine/fktbaum.h"
#include "engine/ini.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>
#include <vector>

namespace {

struct Formel {
    std::string name;  // shown in the benchmark name (muparser's spelling)
    std::string zol;   // our language: decimal comma, upper case allowed
    std::string hilfe; // a helper definition for our engine, if the formula needs one
    std::string muparser;
};

// Horner's scheme for the 30-term polynomial x^29 + 2x^28 + ... + 30: p =
// (...((1*x+2)*x+3)...)*x+30. Our programs hold at most 100 symbols, so the first 15 steps are a
// function of their own.
std::string horner(const std::string& anfang, int von, int bis) {
    std::string s = anfang;
    for (int k = von; k <= bis; ++k)
        s = "(" + s + ")*x+" + std::to_string(k);
    return s;
}

std::vector<Formel> formeln() {
    const std::string poly_mu = horner("1", 2, 30);
    return {
        {"x^3-2*x^2-2", "X^3-2*X^2-2", "", "x^3-2*x^2-2"},
        {"(x-2)/(x-4)^3", "(X-2)/(X-4)^3", "", "(x-2)/(x-4)^3"},
        {"(sin(x))^2+(cos(x))^2", "(SIN(X))^2+(COS(X))^2", "", "(sin(x))^2+(cos(x))^2"},
        {"exp(-x*x/2)/sqrt(2*3,14159)", "EXP(-X*X/2)/SQRT(2*3,14159)", "",
         "exp(-x*x/2)/sqrt(2*3.14159)"},
        {"horner30", horner("H(X)", 16, 30), "H(X)=" + horner("1", 2, 15), poly_mu},
    };
}

void zol_auswerten(benchmark::State& state, const Formel& f) {
    zol::Tfktbaum baum;
    if (!f.hilfe.empty() && !baum.definiere(f.hilfe)) state.SkipWithError("Hilfsdefinition");
    if (!baum.definiere("F(X)=" + f.zol)) state.SkipWithError("Definition abgewiesen");
    const zol::tfunktion& fn = *baum.zelle(baum.sucheeintrag("F"))->funktion;
    long double x = 0.37L, summe = 0;
    for (auto _ : state) {
        long double w;
        fn.funktionsberechnung(x, w);
        summe += w;
        x += 1e-6L;
        benchmark::DoNotOptimize(summe);
    }
}

void muparser_auswerten(benchmark::State& state, const Formel& f) {
    mu::Parser p;
    double x = 0.37;
    p.DefineVar("x", &x);
    p.SetExpr(f.muparser);
    double summe = 0;
    for (auto _ : state) {
        summe += p.Eval();
        x += 1e-6;
        benchmark::DoNotOptimize(summe);
    }
}

void zol_definieren(benchmark::State& state, const Formel& f) {
    zol::Tfktbaum baum;
    if (!f.hilfe.empty()) baum.definiere(f.hilfe);
    const std::string text = "F(X)=" + f.zol;
    for (auto _ : state)
        benchmark::DoNotOptimize(baum.definiere(text));
}

void muparser_definieren(benchmark::State& state, const Formel& f) {
    mu::Parser p;
    double x = 0.37;
    p.DefineVar("x", &x);
    for (auto _ : state) {
        p.SetExpr(f.muparser);
        benchmark::DoNotOptimize(p.Eval()); // muparser compiles on the first evaluation
    }
}

// A spreadsheet-sized table: define one more entry that uses the 100 000th and evaluate it.
void zol_grosse_tabelle(benchmark::State& state) {
    zol::Tfktbaum baum;
    for (int i = 1; i <= 100000; ++i)
        baum.definiere("K" + std::to_string(i) + "=" + std::to_string(i));
    long double w = 0;
    for (auto _ : state) {
        baum.definiere("NEU=K100000*2");
        baum.fktberechnen("NEU", 0, w);
        benchmark::DoNotOptimize(w);
        baum.loesche_fkt("NEU");
    }
}

void muparser_grosse_tabelle(benchmark::State& state) {
    mu::Parser p;
    for (int i = 1; i <= 100000; ++i)
        p.DefineConst("K" + std::to_string(i), i);
    for (auto _ : state) {
        p.SetExpr("K100000*2");
        benchmark::DoNotOptimize(p.Eval());
    }
}

// K0=1, K1=K0+K0 … K40: each constant used twice by the next, 2^40 evaluations unless each
// is computed once per change of the table.
void zol_verdopplungskette(benchmark::State& state) {
    zol::Tfktbaum baum;
    baum.definiere("K0=1");
    for (int i = 1; i <= 40; ++i)
        baum.definiere("K" + std::to_string(i) + "=K" + std::to_string(i - 1) + "+K" +
                       std::to_string(i - 1));
    for (auto _ : state) {
        baum.definiere("K0=1"); // a change: every value is computed anew
        long double w = 0;
        baum.fktberechnen("K40", 0, w);
        benchmark::DoNotOptimize(w);
    }
}

// 100 000 keys in one section, as a project of 100 000 formulas holds them.
void ini_hunderttausend(benchmark::State& state) {
    std::vector<std::string> zeilen{"[Formeln]", "Anzahl=100000"};
    for (int i = 0; i < 100000; ++i)
        zeilen.push_back("Nr" + std::to_string(i) + "=K" + std::to_string(i) + "=" +
                         std::to_string(i));
    for (auto _ : state) {
        zol::Inidatei ini;
        ini.einlesen(zeilen);
        std::size_t laenge = 0;
        for (int i = 0; i < 100000; ++i)
            laenge += ini.lies("Formeln", "Nr" + std::to_string(i), "").size();
        benchmark::DoNotOptimize(laenge);
    }
}

const bool registriert = [] {
    static const std::vector<Formel> alle = formeln();
    for (const Formel& f : alle) {
        benchmark::RegisterBenchmark(("zol/auswerten/" + f.name).c_str(), zol_auswerten, f);
        benchmark::RegisterBenchmark(("muparser/auswerten/" + f.name).c_str(), muparser_auswerten,
                                     f);
    }
    for (const Formel& f : alle) {
        benchmark::RegisterBenchmark(("zol/definieren/" + f.name).c_str(), zol_definieren, f);
        benchmark::RegisterBenchmark(("muparser/definieren/" + f.name).c_str(), muparser_definieren,
                                     f);
    }
    benchmark::RegisterBenchmark("zol/tabelle100000/NEU=K100000*2", zol_grosse_tabelle);
    benchmark::RegisterBenchmark("muparser/tabelle100000/K100000*2", muparser_grosse_tabelle);
    benchmark::RegisterBenchmark("zol/verdopplungskette/K40", zol_verdopplungskette)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("zol/projekt/100000_formeln_lesen", ini_hunderttausend)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

BENCHMARK_MAIN();

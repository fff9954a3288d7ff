// The value table's arithmetic: ranges, columns, derivatives, the accumulated Simpson integral,
// the formatted texts and the refusals.
#include "engine/fktbaum.h"
#include "modules/analysis/wertetabellenrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace zol;

const Reellefunktion quadrat = [](long double x) { return x * x; };
const Reellefunktion kubik = [](long double x) { return x * x * x; };

std::vector<long double> spalte(const Wertetabelle& t, std::size_t index) {
    std::vector<long double> werte;
    for (const auto& zeile : t.zeilen)
        werte.push_back(zeile.at(index));
    return werte;
}

Wertetabelle berechnet(const Reellefunktion& f, const Tabellenvorgaben& v) {
    Wertetabelle t;
    std::string fehler;
    EXPECT_TRUE(tabelle_berechnen(f, v, t, fehler)) << fehler;
    return t;
}

TEST(Wertetabellenrechnung, VorgabeTabelleAusDerFormel) {
    // The default definition through the formula table, shown with the default picture.
    Tfktbaum baum;
    Tfktzelle* zelle = nullptr;
    ASSERT_TRUE(baum.suchezeigerstr("f(x)=x^2-4", zelle));
    const Wertetabelle t = berechnet(als_reellefunktion(*zelle->funktion), Tabellenvorgaben{});
    EXPECT_EQ(t.kopf, (std::vector<std::string>{"x", "f(x)"}));
    const std::vector<std::vector<std::string>> erwartet = {
        {"-3,00", "5,00"}, {"-2,00", "0,00"}, {"-1,00", "-3,00"}, {"0,00", "-4,00"},
        {"1,00", "-3,00"}, {"2,00", "0,00"},  {"3,00", "5,00"}};
    EXPECT_EQ(tabellentexte(t, "0.00"), erwartet);
}

TEST(Wertetabellenrechnung, Bereiche) {
    struct Fall {
        long double xmin, xmax, schritt;
        std::vector<long double> x;
    };
    const Fall faelle[] = {
        {3, -3, 1, {-3, -2, -1, 0, 1, 2, 3}}, // exchanged limits
        {2, 2, 1, {2}},                       // one row
        {0, 1, 0.4L, {0, 0.4L, 0.8L}},        // the step does not reach xmax
        {-1, 1, 5, {-1}},                     // step beyond the range
    };
    for (const Fall& f : faelle) {
        Tabellenvorgaben v;
        v.xmin = f.xmin;
        v.xmax = f.xmax;
        v.schritt = f.schritt;
        const std::vector<long double> x = spalte(berechnet(quadrat, v), 0);
        ASSERT_EQ(x.size(), f.x.size()) << static_cast<double>(f.xmin);
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_NEAR(static_cast<double>(x[i]), static_cast<double>(f.x[i]), 1e-15);
    }
}

TEST(Wertetabellenrechnung, XWirdAufaddiert) {
    // 0.1 is not exact: ten additions stay below 1 in extended precision, so the row for
    // x = 1 is there, holding the accumulated value rather than 10 * 0.1.
    Tabellenvorgaben v;
    v.xmin = 0;
    v.xmax = 1;
    v.schritt = 0.1L;
    const std::vector<long double> x = spalte(berechnet(quadrat, v), 0);
    long double summe = 0;
    for (int i = 0; i < 10; ++i)
        summe = summe + 0.1L;
    ASSERT_EQ(x.size(), summe <= 1 ? 11u : 10u);
    EXPECT_EQ(x.back(), summe <= 1 ? summe : summe - 0.1L);
}

TEST(Wertetabellenrechnung, SpaltenNurFuerAngehakteArten) {
    struct Fall {
        Tabellenarten arten;
        std::vector<std::string> kopf;
    };
    const Fall faelle[] = {
        {{false, false, false, false}, {"x"}},
        {{true, true, true, true}, {"x", "f(x)", "f(x)'", "f(x)''", "F(x)"}},
        {{false, true, false, true}, {"x", "f(x)'", "F(x)"}},
        {{false, false, true, false}, {"x", "f(x)''"}},
    };
    for (const Fall& f : faelle) {
        Tabellenvorgaben v;
        v.arten = f.arten;
        const Wertetabelle t = berechnet(quadrat, v);
        EXPECT_EQ(t.kopf, f.kopf);
        ASSERT_EQ(t.zeilen.size(), 7u);
        for (const auto& zeile : t.zeilen)
            EXPECT_EQ(zeile.size(), f.kopf.size());
    }
}

TEST(Wertetabellenrechnung, AbleitungenAlsDifferenzen) {
    // Central differences of x^3: the first gives 3x^2 + h^2, the second exactly 6x.
    Tabellenvorgaben v;
    v.xmin = -1;
    v.xmax = 2;
    v.h = 0.01L;
    v.arten = {false, true, true, false};
    const Wertetabelle t = berechnet(kubik, v);
    ASSERT_EQ(t.zeilen.size(), 4u);
    for (const auto& zeile : t.zeilen) {
        const long double x = zeile[0];
        EXPECT_NEAR(static_cast<double>(zeile[1]), static_cast<double>(3 * x * x + 1e-4L), 1e-12);
        EXPECT_NEAR(static_cast<double>(zeile[2]), static_cast<double>(6 * x), 1e-9);
    }
}

// A step far below the precision of x (1E-30) would difference equal values and show f' = f''
// = 0 everywhere: the step is kept at a relative minimum, so the derivatives stay right.
TEST(Wertetabellenrechnung, WinzigeSchrittweiteBleibtRichtig) {
    Tabellenvorgaben v;
    v.xmin = -1;
    v.xmax = 2;
    v.h = 1e-30L;
    v.arten = {false, true, true, false};
    const Wertetabelle t = berechnet(kubik, v);
    ASSERT_EQ(t.zeilen.size(), 4u);
    for (const auto& zeile : t.zeilen) {
        const long double x = zeile[0];
        EXPECT_NEAR(static_cast<double>(zeile[1]), static_cast<double>(3 * x * x), 1e-7) << x;
        EXPECT_NEAR(static_cast<double>(zeile[2]), static_cast<double>(6 * x), 1e-3) << x;
    }
}

TEST(Wertetabellenrechnung, IntegralWirdSchrittweiseSummiert) {
    struct Fall {
        int n;
        std::vector<long double> F;
    };
    const Fall faelle[] = {
        {20, {0, 1.0L / 3, 8.0L / 3, 9}}, // Simpson is exact for x^2
        {2, {0, 1.0L / 3, 8.0L / 3, 9}},
        // n = 1 has no inner points: (f(a) + f(b)) * h / 3 per step.
        {1, {0, 1.0L / 3, 1.0L / 3 + 5.0L / 3, 2 + 13.0L / 3}},
    };
    for (const Fall& f : faelle) {
        Tabellenvorgaben v;
        v.xmin = 0;
        v.xmax = 3;
        v.simpson = f.n;
        v.arten = {true, false, false, true};
        const std::vector<long double> F = spalte(berechnet(quadrat, v), 2);
        ASSERT_EQ(F.size(), f.F.size());
        EXPECT_EQ(F[0], 0) << "n = " << f.n;
        for (std::size_t i = 1; i < F.size(); ++i)
            EXPECT_NEAR(static_cast<double>(F[i]), static_cast<double>(f.F[i]), 1e-15)
                << "n = " << f.n << ", Zeile " << i;
    }
}

TEST(Wertetabellenrechnung, Simpsonregel) {
    struct Fall {
        Reellefunktion f;
        long double a, b;
        int n;
        long double erwartet;
    };
    const Fall faelle[] = {
        {quadrat, 1, 3, 1, (1 + 9) * 2.0L / 3},
        {kubik, 0, 2, 4, 4},
        // Odd n: the sums cover 2m subintervals of width (b - a)/n and f(b) still closes.
        {quadrat, 0, 3, 3, (4 * 1 + 0 + 9) * 1.0L / 3},
        {quadrat, 0, 5, 5, (4 * (1 + 9) + 0 + 2 * 4 + 25) * 1.0L / 3},
    };
    for (const Fall& f : faelle)
        EXPECT_NEAR(static_cast<double>(simpson(f.f, f.a, f.b, f.n)),
                    static_cast<double>(f.erwartet), 1e-15)
            << "n = " << f.n;
}

// The teacher's example: 1/x from -1 to 1 in steps of 0,5. At x = 0 nothing can be computed,
// and neither can a derivative or an integral over that point: they show "n. d.", never 0,00.
TEST(Wertetabellenrechnung, NichtBerechenbareWerteStehenAlsND) {
    Tfktbaum baum;
    Tfktzelle* zelle = nullptr;
    ASSERT_TRUE(baum.suchezeigerstr("g(x)=1/x", zelle));
    Tabellenvorgaben v;
    v.xmin = -1;
    v.xmax = 1;
    v.schritt = 0.5L;
    v.arten.ableitung1 = true;
    v.arten.integral = true;
    const Wertetabelle t = berechnet(als_reellefunktion(*zelle->funktion), v);
    const auto texte = tabellentexte(t, "0.00");
    const std::vector<std::vector<std::string>> erwartet = {
        {"-1,00", "-1,00", "-1,00", "0,00"}, {"-0,50", "-2,00", "-4,00", "-0,69"},
        {"0,00", "n. d.", "n. d.", "n. d."}, {"0,50", "2,00", "-4,00", "n. d."},
        {"1,00", "1,00", "-1,00", "n. d."},
    };
    EXPECT_EQ(texte, erwartet);
}

TEST(Wertetabellenrechnung, Abweisungen) {
    const std::string schritt = "Schrittweite muss größer als 0 sein.";
    const std::string zeilen = "Die Tabelle hätte mehr als 100000 Zeilen. Bitte die "
                               "Schrittweite vergrößern oder den Bereich verkleinern.";
    struct Fall {
        long double xmin, xmax, schritt;
        int simpson;
        std::string fehler;
    };
    const Fall faelle[] = {
        {-3, 3, 0, 20, schritt},
        {-3, 3, -1, 20, schritt},
        {-3, 3, NAN, 20, schritt},
        {0, 100000, 1, 20, zeilen}, // 100001 rows
        {0, 99999, 1, 20, ""},      // exactly 100000
        {0, 1, 1e-6L, 20, zeilen},
        {1e25L, 1e25L, 1, 20, zeilen}, // x + 1 == x: the table would never end
        {-1e25L, -1e25L, 1, 20, zeilen},
        {0, INFINITY, 1, 20, zeilen},
        {-3, 3, 1, 0, "Die Simpson-Konstante muss zwischen 1 und 1000 liegen."},
        {-3, 3, 1, 1001, "Die Simpson-Konstante muss zwischen 1 und 1000 liegen."},
    };
    for (const Fall& f : faelle) {
        Tabellenvorgaben v;
        v.xmin = f.xmin;
        v.xmax = f.xmax;
        v.schritt = f.schritt;
        v.simpson = f.simpson;
        v.arten.integral = true;
        EXPECT_EQ(tabelle_pruefen(v), f.fehler) << static_cast<double>(f.schritt);
        if (f.fehler.empty()) continue;
        Wertetabelle t;
        t.kopf = {"alt"};
        std::string fehler;
        EXPECT_FALSE(tabelle_berechnen(quadrat, v, t, fehler));
        EXPECT_EQ(fehler, f.fehler);
        EXPECT_EQ(t.kopf, std::vector<std::string>{"alt"}); // untouched
    }
}

TEST(Wertetabellenrechnung, GroessteTabelle) {
    Tabellenvorgaben v;
    v.xmin = 1;
    v.xmax = 100000;
    v.arten = {false, false, false, false};
    const Wertetabelle t = berechnet(quadrat, v);
    EXPECT_EQ(t.zeilen.size(), 100000u);
    EXPECT_EQ(t.zeilen.back()[0], 100000);
}

} // namespace

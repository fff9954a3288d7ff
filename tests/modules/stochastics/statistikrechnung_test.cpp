// Sums, means, spreads, correlation and the three regression fits of the statistics window,
// with the lines it writes.
#include "modules/stochastics/statistikrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace zol;

std::vector<Wertepaar> paare(std::initializer_list<std::pair<long double, long double>> p) {
    std::vector<Wertepaar> v;
    for (const auto& [x, y] : p)
        v.push_back({x, y});
    return v;
}

std::vector<std::string> zeilen(const std::vector<Wertepaar>& p, const char* bild = "0.00") {
    Statistik s;
    EXPECT_TRUE(statistik_berechnen(p, s));
    return statistik_zeilen(s, bild);
}

void nah(long double ist, long double soll, const char* was) {
    EXPECT_NEAR(static_cast<double>(ist), static_cast<double>(soll),
                1e-15 * std::max(1.0, std::fabs(static_cast<double>(soll))))
        << was;
}

TEST(Statistikrechnung, ZeilenDerBeispiele) {
    struct Fall {
        const char* name;
        std::vector<Wertepaar> paare;
        std::vector<std::string> zeilen;
    };
    const Fall faelle[] = {
        {"vier Paare",
         paare({{1, 1}, {2, 3}, {3, 2}, {4, 5}}),
         {"n=4", "sumx=10,00", "sumy=11,00", "mx=2,50", "my=2,75", "sx=1,12", "sy=1,48", "r=0,83",
          "Reglin(x)=1,10*x+0,00", "Regexp(x)=0,77*Exp(0,44*x)", "Regpot(x)=1,08*x^(0,97)"}},
        // The intercept 0 gets its "+": "2,00*x 0,00" would be refused as a definition.
        {"Ursprungsgerade",
         paare({{1, 2}, {2, 4}, {3, 6}}),
         {"n=3", "sumx=6,00", "sumy=12,00", "mx=2,00", "my=4,00", "sx=0,82", "sy=1,63", "r=1,00",
          "Reglin(x)=2,00*x+0,00", "Regexp(x)=1,21*Exp(0,55*x)", "Regpot(x)=2,00*x^(1,00)"}},
        {"negativer Achsenabschnitt",
         paare({{0, -1}, {1, 1}, {2, 3}}),
         {"n=3", "sumx=3,00", "sumy=3,00", "mx=1,00", "my=1,00", "sx=0,82", "sy=1,63", "r=1,00",
          "Reglin(x)=2,00*x-1,00"}},
        // A zero x leaves out the power fit, not the exponential one.
        {"x = 0 dabei",
         paare({{0, 1}, {1, 2}, {2, 4}}),
         {"n=3", "sumx=3,00", "sumy=7,00", "mx=1,00", "my=2,33", "sx=0,82", "sy=1,25", "r=0,98",
          "Reglin(x)=1,50*x+0,83", "Regexp(x)=1,00*Exp(0,69*x)"}},
        // Constant y: no spread to correlate with, but the line y = 5 is fine.
        {"konstantes y",
         paare({{1, 5}, {2, 5}, {4, 5}}),
         {"n=3", "sumx=7,00", "sumy=15,00", "mx=2,33", "my=5,00", "sx=1,25", "sy=0,00",
          "Reglin(x)=0,00*x+5,00", "Regexp(x)=5,00*Exp(0,00*x)", "Regpot(x)=5,00*x^(0,00)"}},
        {"fallend, negatives y",
         paare({{1, 3}, {2, 1}, {3, -1}}),
         {"n=3", "sumx=6,00", "sumy=3,00", "mx=2,00", "my=1,00", "sx=0,82", "sy=1,63", "r=-1,00",
          "Reglin(x)=-2,00*x+5,00"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(zeilen(f.paare), f.zeilen) << f.name;
}

TEST(Statistikrechnung, ZahlenformatDerZeilen) {
    const auto z = zeilen(paare({{1, 1}, {2, 3}, {3, 2}, {4, 5}}), "0.000");
    EXPECT_EQ(z[5], "sx=1,118");
    EXPECT_EQ(z[8], "Reglin(x)=1,100*x+0,000");
}

TEST(Statistikrechnung, WerteUndAusgleichsfunktionen) {
    // y = 3 e^(0,5 x) and y = 2 x^1,5 exactly: the fits give back their parameters.
    std::vector<Wertepaar> e, p;
    for (int i = 1; i <= 6; ++i) {
        e.push_back({static_cast<long double>(i), 3 * std::exp(0.5L * i)});
        p.push_back({static_cast<long double>(i), 2 * std::pow(static_cast<long double>(i), 1.5L)});
    }
    Statistik s;
    ASSERT_TRUE(statistik_berechnen(e, s));
    ASSERT_TRUE(s.exponential_definiert);
    nah(s.exp_a, 3, "A");
    nah(s.exp_b, 0.5L, "B");
    ASSERT_TRUE(statistik_berechnen(p, s));
    ASSERT_TRUE(s.potenz_definiert);
    nah(s.pot_a, 2, "A");
    nah(s.pot_b, 1.5L, "B");
    nah(s.sx, std::sqrt(35.0L / 12), "sx");
}

// Data far from zero keep their slope: the textbook form N*Sxx - Sx^2 would cancel every digit.
TEST(Statistikrechnung, DatenFernVonNull) {
    std::vector<Wertepaar> v;
    for (int i = 0; i < 5; ++i)
        v.push_back({1e9L + i, 3 * (1e9L + i) + 7});
    Statistik s;
    ASSERT_TRUE(statistik_berechnen(v, s));
    nah(s.linear.steigung, 3, "b");
    EXPECT_NEAR(static_cast<double>(s.linear.achsenabschnitt), 7, 1e-6);
    nah(s.sx, std::sqrt(2.0L), "sx");
    nah(s.r, 1, "r");
}

// No line when every x is equal (or there are no sums to form): nothing is computed.
TEST(Statistikrechnung, KeineGerade) {
    struct Fall {
        const char* name;
        std::vector<Wertepaar> paare;
    };
    const Fall faelle[] = {
        {"alle x gleich", paare({{2, 1}, {2, 3}, {2, 7}})},
        {"alle x 0,1", paare({{0.1L, 1}, {0.1L, 3}, {0.1L, 2}})},
        {"ein Paar", paare({{1, 1}})},
        {"keine Paare", {}},
        {"Quadrat zu gross", paare({{1e3000L, 1}, {1, 2}})},
    };
    for (const Fall& f : faelle) {
        Statistik s;
        s.n = -7;
        EXPECT_FALSE(statistik_berechnen(f.paare, s)) << f.name;
        EXPECT_EQ(s.n, -7) << f.name;
    }
}

TEST(Statistikrechnung, Zeichenbereich) {
    struct Fall {
        const char* name;
        std::vector<Wertepaar> punkte;
        bool mit_null;
        Punktbereich b;
    };
    const Fall faelle[] = {
        {"Wachstum", paare({{1, 2.1L}, {6, 12.9L}, {3, 4.2L}}), false, {0, 7, 1, 0, 14, 2}},
        {"Verteilung", paare({{4, 0.19L}, {8, 0.06L}}), true, {3, 9, 1, -0.05L, 0.25L, 0.05L}},
        {"ein Punkt", paare({{2, 3}}), false, {1, 3, 0.2L, 2, 4, 0.2L}},
        {"keine Zahl", paare({{NAN, 1}}), false, {-1, 1, 1, -1, 1, 1}},
    };
    for (const Fall& f : faelle) {
        const Punktbereich b = punktbereich(f.punkte, f.mit_null);
        const long double ist[] = {b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt};
        const long double soll[] = {f.b.xmin, f.b.xmax, f.b.xschritt,
                                    f.b.ymin, f.b.ymax, f.b.yschritt};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(static_cast<double>(ist[i]), static_cast<double>(soll[i]), 1e-12)
                << f.name << " " << i;
    }
}

TEST(Statistikrechnung, Paarzahl) {
    for (auto [anzahl, n] : {std::pair{-5, 1}, {0, 1}, {1, 1}, {2, 2}, {1000, 1000}, {1001, 1000}})
        EXPECT_EQ(statistik_paarzahl(anzahl), n) << anzahl;
}

} // namespace

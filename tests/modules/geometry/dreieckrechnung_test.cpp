// Solving triangles: every case of given quantities, the obtuse angle of two sides and the
// included angle, impossible data, vertices, result lines in the formula table and the drawing
// range.
#include "engine/zahlformat.h"
#include "modules/geometry/dreieckrechnung.h"
#include "tests/modules/geometry/formelzeilen_hilfe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace zol;

using Werte = std::array<long double, dreiecksgroessen>;

void nahe(long double ist, long double soll, const std::string& was, long double tol = 1e-9L) {
    EXPECT_NEAR(static_cast<double>(ist), static_cast<double>(soll),
                static_cast<double>(tol * std::max(1.0L, std::fabs(soll))))
        << was;
}

// A triangle with all six quantities known; each case below gives three of them.
struct Voll {
    long double a, b, c, alpha, beta, gamma;
    long double wert(int i) const {
        const long double w[] = {a, b, c, alpha, beta, gamma};
        return w[i];
    }
};

// 7, 8, 9 (all angles acute), and 10, 3, 7,55… with alpha 138,54° (obtuse opposite a).
Voll spitz() {
    const long double a = 7, b = 8, c = 9;
    const long double al = std::acos((b * b + c * c - a * a) / (2 * b * c)) * 180 / M_PIl;
    const long double be = std::acos((a * a + c * c - b * b) / (2 * a * c)) * 180 / M_PIl;
    return {a, b, c, al, be, 180 - al - be};
}

TEST(Dreieckrechnung, JederFallLoestDasDreieck) {
    struct Fall {
        std::array<int, 3> gegeben; // indices of Dreiecksgroesse
        const char* label;
    };
    // The table of the window: the label names the order of the given pieces.
    const Fall faelle[] = {
        {{0, 1, 2}, " Seite - Seite - Seite "},   {{0, 1, 5}, " Seite - Winkel - Seite "},
        {{0, 2, 4}, " Seite - Winkel - Seite "},  {{1, 2, 3}, " Seite - Winkel - Seite "},
        {{0, 1, 3}, " Seite - Seite - Winkel "},  {{1, 2, 4}, " Seite - Seite - Winkel "},
        {{0, 2, 5}, " Seite - Seite - Winkel "},  {{0, 1, 4}, "Winkel- Seite - Seite "},
        {{1, 2, 5}, " Winkel - Seite - Seite  "}, {{0, 2, 3}, " Winkel - Seite - Seite  "},
        {{2, 3, 4}, " Winkel - Seite - Winkel "}, {{0, 4, 5}, " Winkel - Seite - Winkel "},
        {{1, 3, 5}, " Winkel - Seite - Winkel "}, {{1, 3, 4}, " Seite - Winkel - Winkel "},
        {{2, 4, 5}, " Seite - Winkel - Winkel "}, {{0, 3, 5}, " Seite - Winkel - Winkel "},
        {{0, 3, 4}, " Winkel - Winkel - Seite"},  {{1, 4, 5}, " Winkel - Winkel - Seite "},
        {{2, 3, 5}, " Winkel - Winkel - Seite"},
    };
    const Voll v = spitz();
    for (const Fall& f : faelle) {
        Werte w{};
        for (int i : f.gegeben)
            w[static_cast<std::size_t>(i)] = v.wert(i);
        const Dreiecksloesung r = dreieck_aus_groessen(w);
        const std::string was = f.label;
        ASSERT_TRUE(r.berechnet) << was;
        EXPECT_EQ(r.fall, f.label);
        EXPECT_TRUE(r.meldungen.empty()) << was;
        for (int k = 0; k < 3; ++k) {
            nahe(r.dreieck.seite[static_cast<std::size_t>(k)], v.wert(k), was + " Seite");
            nahe(r.dreieck.winkel[static_cast<std::size_t>(k)], v.wert(k + 3), was + " Winkel");
        }
    }
}

TEST(Dreieckrechnung, AbgeleiteteWerteUndZeilen) {
    struct Fall {
        Werte w;
        std::vector<std::string> zeilen;
    };
    const Fall faelle[] = {
        {{7, 8, 9, 0, 0, 0},
         {" Seite - Seite - Seite ", "Seite_a=7,00", "Seite_b=8,00", "Seite_c=9,00", "Alpha=48,19",
          "Beta=58,41", "Gamma=73,40", "hoehe_a=7,67", "hoehe_b=6,71", "hoehe_c=5,96",
          "Umfang=24,00", "Fläche=26,83", "Umkreisradius=4,70", "Innkreisradius=2,24"}},
        {{3, 4, 5, 0, 0, 0},
         {" Seite - Seite - Seite ", "Seite_a=3,00", "Seite_b=4,00", "Seite_c=5,00", "Alpha=36,87",
          "Beta=53,13", "Gamma=90,00", "hoehe_a=4,00", "hoehe_b=3,00", "hoehe_c=2,40",
          "Umfang=12,00", "Fläche=6,00", "Umkreisradius=2,50", "Innkreisradius=1,00"}},
        // The right-angled page: gamma is 90 and two quantities are given.
        {{3, 4, 0, 0, 0, 90},
         {" Seite - Winkel - Seite ", "Seite_a=3,00", "Seite_b=4,00", "Seite_c=5,00", "Alpha=36,87",
          "Beta=53,13", "Gamma=90,00", "hoehe_a=4,00", "hoehe_b=3,00", "hoehe_c=2,40",
          "Umfang=12,00", "Fläche=6,00", "Umkreisradius=2,50", "Innkreisradius=1,00"}},
    };
    for (const Fall& f : faelle) {
        const Dreiecksloesung r = dreieck_aus_groessen(f.w);
        EXPECT_EQ(dreieckszeilen(r, "0.00"), f.zeilen);
    }
}

// Every line after the case label is a definition the formula table takes, with the value
// computed, not merely the rounded text.
TEST(Dreieckrechnung, ZeilenSindProjektformeln) {
    const Dreiecksloesung r = dreieck_aus_groessen({7, 8, 9, 0, 0, 0});
    const auto werte = test::formelwerte(dreieckszeilen(r, "0.0000"));
    ASSERT_EQ(werte.size(), 13u);
    const Dreieck& d = r.dreieck;
    const std::pair<const char*, long double> soll[] = {
        {"Seite_a", 7},
        {"Seite_b", 8},
        {"Seite_c", 9},
        {"Alpha", d.winkel[0]},
        {"Beta", d.winkel[1]},
        {"Gamma", d.winkel[2]},
        {"hoehe_a", d.hoehe_a},
        {"hoehe_b", d.hoehe_b},
        {"hoehe_c", d.hoehe_c},
        {"Umfang", 24},
        {"Fläche", 26.8328157L},
        {"Umkreisradius", 4.6958969L},
        {"Innkreisradius", 2.2360680L},
    };
    for (const auto& [name, wert] : soll) {
        ASSERT_TRUE(werte.count(name)) << name;
        nahe(werte.at(name), wert, name, 1e-4L);
    }
    // The heights belong to their sides: area = a·h_a / 2 = b·h_b / 2 = c·h_c / 2.
    for (int k = 0; k < 3; ++k) {
        const long double h[] = {d.hoehe_a, d.hoehe_b, d.hoehe_c};
        nahe(d.seite[static_cast<std::size_t>(k)] * h[k] / 2, d.flaeche, "Hoehe");
    }
}

// Two sides and the included angle: the angle opposite the longer side may be obtuse; the law
// of sines would give its supplement.
TEST(Dreieckrechnung, SeiteWinkelSeiteFindetStumpfenWinkel) {
    struct Fall {
        Werte w;
        const char *alpha, *beta, *gamma;
    };
    const Fall faelle[] = {
        {{10, 3, 0, 0, 0, 30}, "138,54", "11,46", "30,00"},
        {{3, 10, 0, 0, 0, 30}, "11,46", "138,54", "30,00"},
        {{0, 3, 10, 30, 0, 0}, "30,00", "11,46", "138,54"},
        {{10, 0, 3, 0, 30, 0}, "138,54", "30,00", "11,46"},
    };
    for (const Fall& f : faelle) {
        const Dreiecksloesung r = dreieck_aus_groessen(f.w);
        ASSERT_TRUE(r.berechnet);
        EXPECT_EQ(format("0.00", r.dreieck.winkel[0]), f.alpha);
        EXPECT_EQ(format("0.00", r.dreieck.winkel[1]), f.beta);
        EXPECT_EQ(format("0.00", r.dreieck.winkel[2]), f.gamma);
    }
}

// Two sides and an angle not between them: the one solution whose found angle is at most 90°.
TEST(Dreieckrechnung, SeiteSeiteWinkelNimmtDenSpitzenWinkel) {
    const Dreiecksloesung r = dreieck_aus_groessen({5, 3, 0, 30, 0, 0});
    ASSERT_TRUE(r.berechnet);
    nahe(r.dreieck.winkel[1], std::asin(0.3L) * 180 / M_PIl, "beta");
    EXPECT_LT(r.dreieck.winkel[1], 90);
    // b > a: two triangles exist; the one with the acute beta comes out.
    const Dreiecksloesung z = dreieck_aus_groessen({3, 5, 0, 30, 0, 0});
    ASSERT_TRUE(z.berechnet);
    nahe(z.dreieck.winkel[1], std::asin(5 * 0.5L / 3) * 180 / M_PIl, "beta");
}

TEST(Dreieckrechnung, UnmoeglicheDatenGebenKeinDreieck) {
    const std::string allgemein = "Dreieck kann nicht berechnet werden. ";
    struct Fall {
        const char* name;
        Werte w;
        std::vector<std::string> meldungen;
    };
    const Fall faelle[] = {
        {"1, 1, 5", {1, 1, 5, 0, 0, 0}, {"Dreieck kann nicht berechnet werden 2.", allgemein}},
        {"1, 1, 2 (entartet)", {1, 1, 2, 0, 0, 0}, {allgemein}},
        {"alpha = beta = 100", {0, 0, 3, 100, 100, 0}, {allgemein}},
        {"Winkelsumme 180", {0, 0, 3, 90, 90, 0}, {allgemein}},
        {"negative Seite", {-3, 4, 5, 0, 0, 0}, {allgemein}},
        {"negative Seite SWS", {-3, 4, 0, 0, 0, 90}, {allgemein}},
        {"negativer Winkel", {0, 4, 5, -30, 0, 0}, {allgemein}},
        {"Sinus > 1", {2, 5, 0, 60, 0, 0}, {"Dreieck kann nicht berechnet werden 1.", allgemein}},
        {"drei Winkel", {0, 0, 0, 60, 60, 60}, {allgemein}},
        {"zwei Größen", {3, 4, 0, 0, 0, 0}, {allgemein}},
        {"vier Größen", {3, 4, 5, 90, 0, 0}, {allgemein}},
        {"nichts", {0, 0, 0, 0, 0, 0}, {allgemein}},
        {"unendlich", {INFINITY, 4, 5, 0, 0, 0}, {allgemein}},
        {"NaN", {NAN, 4, 5, 0, 0, 0}, {allgemein}},
    };
    for (const Fall& f : faelle) {
        const Dreiecksloesung r = dreieck_aus_groessen(f.w);
        EXPECT_FALSE(r.berechnet) << f.name;
        EXPECT_EQ(r.meldungen, f.meldungen) << f.name;
        EXPECT_TRUE(dreieckszeilen(r, "0.00").empty()) << f.name;
    }
}

TEST(Dreieckrechnung, Koordinaten) {
    const Dreiecksloesung r = dreieck_aus_ecken({0, 0}, {4, 0}, {0, 3});
    ASSERT_TRUE(r.berechnet);
    EXPECT_EQ(r.fall, " Dreieck im Koordinatensystem ");
    nahe(r.dreieck.seite[0], 5, "a");
    nahe(r.dreieck.seite[1], 3, "b");
    nahe(r.dreieck.seite[2], 4, "c");
    nahe(r.dreieck.winkel[0], 90, "alpha");
    nahe(r.dreieck.flaeche, 6, "Fläche");
    EXPECT_EQ(r.ecken[2].y, 3);

    struct Fall {
        const char* name;
        Vektor2 a, b, c;
    };
    // Collinear points with one-decimal coordinates: exact tests would miss them.
    const Fall falsch[] = {
        {"A = B", {1, 1}, {1, 1}, {3, 4}},
        {"alle gleich", {2, 2}, {2, 2}, {2, 2}},
        {"kollinear", {0.1L, 0.2L}, {0.3L, 0.6L}, {0.7L, 1.4L}},
        {"kollinear gross", {0, 0}, {1e6L, 1e6L}, {3e6L, 3e6L}},
    };
    for (const Fall& f : falsch) {
        const Dreiecksloesung z = dreieck_aus_ecken(f.a, f.b, f.c);
        EXPECT_FALSE(z.berechnet) << f.name;
        EXPECT_EQ(z.meldungen, std::vector<std::string>{"Dreieck kann nicht berechnet werden. "})
            << f.name;
    }
}

TEST(Dreieckrechnung, EckenLiegenAufAB) {
    const Dreiecksloesung r = dreieck_aus_groessen({3, 4, 5, 0, 0, 0});
    ASSERT_TRUE(r.berechnet);
    nahe(r.ecken[0].x, 0, "Ax");
    nahe(r.ecken[1].x, 5, "Bx");
    nahe(r.ecken[2].x, 3.2L, "Cx");
    nahe(r.ecken[2].y, 2.4L, "Cy");
    // The sides as drawn are the computed ones.
    nahe(laenge(r.ecken[2] - r.ecken[1]), 3, "|BC|");
    nahe(laenge(r.ecken[2] - r.ecken[0]), 4, "|AC|");
}

TEST(Dreieckrechnung, ZeichenbereichGleicherMassstab) {
    struct Fall {
        const char* name;
        std::array<Vektor2, 3> ecken;
        long double xmin, xmax, ymin, ymax;
    };
    // Plot area 80 mm × 60 mm: 0,75 units of y per unit of x.
    const Fall faelle[] = {
        {"3-4-5", {Vektor2{0, 0}, {5, 0}, {3.2L, 2.4L}}, 0, 5, -0.375L, 3.375L},
        {"klein", {Vektor2{0, 0}, {0.5L, 0}, {0.32L, 0.24L}}, -1.0L / 6, 7.0L / 6, 0, 1},
        {"hoch", {Vektor2{-1, -2}, {1, -2}, {0, 7}}, -6, 6, -2, 7},
        {"negativ", {Vektor2{-3.5L, -1.2L}, {-0.5L, -1.2L}, {-2, -0.1L}}, -4, 0, -2.5L, 0.5L},
    };
    for (const Fall& f : faelle) {
        const Dreiecksbereich z = dreiecksbereich(f.ecken, 80, 60);
        nahe(z.xmin, f.xmin, std::string(f.name) + " xmin");
        nahe(z.xmax, f.xmax, std::string(f.name) + " xmax");
        nahe(z.ymin, f.ymin, std::string(f.name) + " ymin");
        nahe(z.ymax, f.ymax, std::string(f.name) + " ymax");
        nahe((z.xmax - z.xmin) / 80, (z.ymax - z.ymin) / 60, std::string(f.name) + " Maßstab");
        for (const Vektor2& p : f.ecken) {
            EXPECT_GE(p.x, z.xmin) << f.name;
            EXPECT_LE(p.x, z.xmax) << f.name;
            EXPECT_GE(p.y, z.ymin) << f.name;
            EXPECT_LE(p.y, z.ymax) << f.name;
        }
        EXPECT_GT(z.xskala, 0) << f.name;
        EXPECT_GT(z.yskala, 0) << f.name;
    }
}

} // namespace

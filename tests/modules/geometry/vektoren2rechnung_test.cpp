// Plane vectors and polar coordinates: lengths, scalar product and the angle between the
// directions (clamped, never NaN), zero vectors refused, the three angle units, result lines.
#include "engine/zahlformat.h"
#include "modules/geometry/vektoren2rechnung.h"
#include "tests/modules/geometry/formelzeilen_hilfe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace zol;

std::string f2(long double w) {
    return format("0.00", w);
}

TEST(Vektoren2rechnung, Vektorpaar) {
    struct Fall {
        Vektor2 a, b;
        const char *betrag_a, *betrag_b, *skalar, *winkel;
    };
    const Fall faelle[] = {
        {{3, 4}, {4, -3}, "5,00", "5,00", "0,00", "90,00"},
        {{2, 1}, {1, 3}, "2,24", "3,16", "5,00", "45,00"},
        {{1, 0}, {-1, 0}, "1,00", "1,00", "-1,00", "0,00"},
        // Parallel: the ratio rounds above 1; the clamp keeps the angle 0 instead of NaN.
        {{1, 1}, {2, 2}, "1,41", "2,83", "4,00", "0,00"},
        {{0.1L, 0.3L}, {0.2L, 0.6L}, "0,32", "0,63", "0,20", "0,00"},
        {{1, 0}, {-1, 1}, "1,00", "1,41", "-1,00", "45,00"},
    };
    for (const Fall& f : faelle) {
        const Vektorpaar v = vektorpaar(f.a, f.b);
        ASSERT_TRUE(v.berechnet);
        EXPECT_EQ(f2(v.betrag_a), f.betrag_a);
        EXPECT_EQ(f2(v.betrag_b), f.betrag_b);
        EXPECT_EQ(f2(v.skalarprodukt), f.skalar);
        EXPECT_EQ(f2(v.winkel), f.winkel) << f.betrag_a << " " << f.betrag_b;
        EXPECT_FALSE(std::isnan(v.winkel));
    }
    for (const auto& [a, b] : {std::pair<Vektor2, Vektor2>{{0, 0}, {1, 2}},
                               {{1, 2}, {0, 0}},
                               {{0, 0}, {0, 0}},
                               {{NAN, 1}, {1, 2}}}) {
        const Vektorpaar v = vektorpaar(a, b);
        EXPECT_FALSE(v.berechnet);
        EXPECT_TRUE(vektorzeilen(v, "0.00").empty());
    }
}

TEST(Vektoren2rechnung, PolarUndKartesisch) {
    struct Fall {
        Vektor2 p;
        int einheit;
        const char *r, *phi;
    };
    const Fall faelle[] = {
        {{0, 2}, 0, "2,00", "90,00"},    {{-2, 0}, 0, "2,00", "180,00"},
        {{1, -1}, 0, "1,41", "315,00"},  {{-1, -1}, 0, "1,41", "225,00"},
        {{-1, -1}, 2, "1,41", "250,00"}, {{-1, -1}, 1, "1,41", "3,93"},
        {{0, 0}, 0, "0,00", "0,00"},     {{0, -3}, 2, "3,00", "300,00"},
    };
    for (const Fall& f : faelle) {
        const Polarkoordinaten p = polar_aus_kartesisch(f.p, winkeleinheit(f.einheit));
        EXPECT_EQ(f2(p.r), f.r);
        EXPECT_EQ(f2(p.phi), f.phi) << f.einheit;
        // And back.
        const Vektor2 q = kartesisch_aus_polar(p, winkeleinheit(f.einheit));
        EXPECT_NEAR(static_cast<double>(q.x), static_cast<double>(f.p.x), 1e-12);
        EXPECT_NEAR(static_cast<double>(q.y), static_cast<double>(f.p.y), 1e-12);
    }
    const Vektor2 k = kartesisch_aus_polar({2, 90}, Winkeleinheit::grad);
    EXPECT_EQ(kartesischzeilen(k, "0.00"), (std::vector<std::string>{"x_A=0,00", "y_A=2,00"}));
    EXPECT_EQ(winkeleinheit(7), Winkeleinheit::grad);
    EXPECT_EQ(winkeleinheit(-1), Winkeleinheit::grad);
}

// The lines of all three pages together are accepted and stay apart in the formula table,
// which does not tell upper from lower case.
TEST(Vektoren2rechnung, ZeilenSindProjektformeln) {
    std::vector<std::string> zeilen = vektorzeilen(vektorpaar({3, 4}, {4, -3}), "0.00");
    for (const std::string& z :
         polarzeilen(polar_aus_kartesisch({-1, -1}, Winkeleinheit::grad), "0.00"))
        zeilen.push_back(z);
    for (const std::string& z : kartesischzeilen({-1.5L, 2}, "0.00"))
        zeilen.push_back(z);
    const auto w = test::formelwerte(zeilen);
    ASSERT_EQ(w.size(), 8u);
    EXPECT_NEAR(static_cast<double>(w.at("Betrag_a")), 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(w.at("Skalarprodukt")), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(w.at("Winkel_ab")), 90, 1e-12);
    EXPECT_NEAR(static_cast<double>(w.at("phi_A")), 225, 1e-12);
    EXPECT_NEAR(static_cast<double>(w.at("x_A")), -1.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(w.at("y_A")), 2, 1e-12);
}

} // namespace

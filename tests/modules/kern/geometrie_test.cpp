#include "modules/kern/geometrie.h"

#include "engine/hilfen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zol {
namespace {

long double grad(long double bogen) {
    return aus_bogenmass(bogen, Winkeleinheit::grad);
}

TEST(Geometriekern, ToleranzNimmtDieGroessenordnungDerBeteiligtenWerte) {
    // One-decimal inputs: 0,1 + 0,2 is not 0,3 in binary, yet must count as equal.
    EXPECT_TRUE(fast_gleich(0.1L + 0.2L, 0.3L));
    EXPECT_TRUE(fast_gleich(1e20L + 1e5L, 1e20L));
    EXPECT_FALSE(fast_gleich(1.0L, 1.000001L));
    EXPECT_FALSE(fast_gleich(1e-20L, 2e-20L)); // small honest values stay apart
    EXPECT_TRUE(fast_null(1e-13L, 1.0L));
    EXPECT_FALSE(fast_null(1e-11L, 1.0L));
    EXPECT_TRUE(fast_null(0.0L, 0.0L));
    EXPECT_FALSE(fast_null(1e-300L, 0.0L));
}

TEST(Geometriekern, ParallelUndOrthogonalMitEinerDezimalstelle) {
    // Directions as a pupil types them: (0,3; 0,6; 0,9) is (1; 2; 3) scaled.
    EXPECT_TRUE(parallel(Vektor3{0.3L, 0.6L, 0.9L}, Vektor3{1, 2, 3}));
    EXPECT_TRUE(parallel(Vektor3{0.3L, 0.6L, 0.9L}, Vektor3{-1, -2, -3}));
    EXPECT_FALSE(parallel(Vektor3{1, 2, 3}, Vektor3{1, 2, 3.001L}));
    EXPECT_TRUE(parallel(Vektor2{0.1L, 0.7L}, Vektor2{0.3L, 2.1L}));
    EXPECT_FALSE(parallel(Vektor2{1, 0}, Vektor2{1, 1e-9L}));
    EXPECT_TRUE(orthogonal(Vektor3{0.1L, 0.2L, 0}, Vektor3{-0.6L, 0.3L, 5}));
    EXPECT_TRUE(parallel(Vektor3{}, Vektor3{1, 2, 3})); // the zero vector is parallel to all
    EXPECT_TRUE(ist_nullvektor(Vektor3{}));
    EXPECT_FALSE(ist_nullvektor(Vektor2{1e-30L, 0}));
}

TEST(Geometriekern, WinkelBegrenztDasVerhaeltnis) {
    struct Fall {
        Vektor3 a, b;
        long double grad;
    };
    const Fall faelle[] = {
        {{1, 0, 1}, {2, 0, 2}, 0}, // rounding gives a ratio just above 1
        {{0.1L, 0.2L, 0.3L}, {0.3L, 0.6L, 0.9L}, 0},
        {{1, 1, 0}, {-2, -2, 0}, 180},
        {{1, 2, 3}, {4, 5, 6}, 12.933154491899135L},
        {{1, 0, 0}, {0, 0, 7}, 90},
    };
    for (const Fall& f : faelle) {
        const long double w = grad(winkel_zwischen(f.a, f.b));
        ASSERT_FALSE(std::isnan(w));
        EXPECT_NEAR(w, f.grad, 1e-9);
    }
    EXPECT_NEAR(grad(winkel_zwischen(Vektor2{1, 1}, Vektor2{2, 2})), 0, 1e-9);
    EXPECT_NEAR(grad(winkel_zwischen(Vektor2{2, 1}, Vektor2{1, 3})), 45, 1e-9);
    EXPECT_TRUE(std::isnan(winkel_zwischen(Vektor2{}, Vektor2{1, 0})));
    EXPECT_EQ(acos_begrenzt(1.0000000000000002L), 0);
    EXPECT_NEAR(asin_begrenzt(-1.0000001L), -pi_ld / 2, 1e-15);
}

TEST(Geometriekern, PolarkoordinatenInAllenEinheitenUndQuadranten) {
    struct Fall {
        Vektor2 p;
        Winkeleinheit einheit;
        long double r, phi;
    };
    const long double w2 = std::sqrt(2.0L);
    const Fall faelle[] = {
        {{-1, -1}, Winkeleinheit::grad, w2, 225},
        {{-1, -1}, Winkeleinheit::gon, w2, 250},
        {{-1, -1}, Winkeleinheit::radiant, w2, 5 * pi_ld / 4},
        {{1, 1}, Winkeleinheit::grad, w2, 45},
        {{-1, 1}, Winkeleinheit::grad, w2, 135},
        {{1, -1}, Winkeleinheit::grad, w2, 315},
        {{0, 2}, Winkeleinheit::grad, 2, 90},
        {{0, -2}, Winkeleinheit::gon, 2, 300},
        {{-3, 0}, Winkeleinheit::grad, 3, 180},
        {{3, 0}, Winkeleinheit::grad, 3, 0},
        {{0, 0}, Winkeleinheit::grad, 0, 0},
    };
    for (const Fall& f : faelle) {
        const Polarkoordinaten p = polar_aus_kartesisch(f.p, f.einheit);
        EXPECT_NEAR(p.r, f.r, 1e-15);
        EXPECT_NEAR(p.phi, f.phi, 1e-12) << f.p.x << ";" << f.p.y;
        const Vektor2 zurueck = kartesisch_aus_polar(p, f.einheit);
        EXPECT_NEAR(zurueck.x, f.p.x, 1e-15);
        EXPECT_NEAR(zurueck.y, f.p.y, 1e-15);
    }
}

TEST(Geometriekern, VektorrechnungImRaum) {
    const Vektor3 a{1, 2, 3}, b{4, 5, 6};
    const Vektor3 k = kreuzprodukt(a, b);
    EXPECT_EQ(k.x1, -3);
    EXPECT_EQ(k.x2, 6);
    EXPECT_EQ(k.x3, -3);
    EXPECT_EQ(skalarprodukt(a, b), 32);
    EXPECT_NEAR(laenge(k), std::sqrt(54.0L), 1e-15);
    EXPECT_EQ(groesste_komponente(Vektor3{1, -7, 3}), 7);
    EXPECT_FALSE(endlich(Vektor3{1, INFINITY, 0}));
    EXPECT_FALSE(endlich(Vektor2{std::nanl(""), 0}));
}

TEST(Geometriekern, SummandSchreibtNurDortEinPlusWoKeinMinusSteht) {
    struct Fall {
        long double wert;
        const char* text;
    };
    const Fall faelle[] = {{0, "+0,00"}, {2.5L, "+2,50"}, {-1, "-1,00"}, {-0.001L, "+0,00"}};
    for (const Fall& f : faelle)
        EXPECT_EQ(summand(f.wert, "0.00"), f.text) << f.wert;
    EXPECT_EQ(mit_vorzeichen(""), "+");
    EXPECT_EQ(mit_vorzeichen("3"), "+3");
    EXPECT_EQ(mit_vorzeichen("-3"), "-3");
}

} // namespace
} // namespace zol

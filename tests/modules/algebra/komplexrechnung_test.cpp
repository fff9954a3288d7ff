// The complex numbers' arithmetic: both forms in the three angle units, the four operations with
// unreduced angles, the refusals and the two equation texts.
#include "modules/algebra/komplexrechnung.h"

#include "engine/hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using namespace zol;

// Relative tolerance; values near 0 are compared absolutely (a sine of 180° is not exactly 0).
::testing::AssertionResult nahe(long double ist, long double soll) {
    const long double grenze = 1e-12L * std::max(1.0L, std::fabs(soll));
    if (std::fabs(ist - soll) <= grenze) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << static_cast<double>(ist) << " statt " << static_cast<double>(soll);
}

Komplexzahl normal(long double a, long double b, Winkeleinheit e = Winkeleinheit::grad) {
    Komplexzahl z;
    z.a = a;
    z.b = b;
    polar_aus_normal(z, e);
    return z;
}

TEST(Komplexrechnung, HalbeDrehung) {
    EXPECT_EQ(halbe_drehung(Winkeleinheit::grad), 180);
    EXPECT_EQ(halbe_drehung(Winkeleinheit::radiant), pi_ld);
    EXPECT_EQ(halbe_drehung(Winkeleinheit::gon), 200);
}

TEST(Komplexrechnung, NormalformInPolarform) {
    const long double w2 = std::sqrt(2.0L);
    struct Fall {
        long double a, b;
        Winkeleinheit einheit;
        long double r, phi;
    };
    const Fall faelle[] = {
        {3, 0, Winkeleinheit::grad, 3, 0},
        {1, 1, Winkeleinheit::grad, w2, 45},
        {0, 1, Winkeleinheit::grad, 1, 90},    // a = 0: H/2
        {-1, 1, Winkeleinheit::grad, w2, 135}, // H - rho
        {-3, 0, Winkeleinheit::grad, 3, 180},  // H
        {-3, 0, Winkeleinheit::radiant, 3, pi_ld},
        {-3, 0, Winkeleinheit::gon, 3, 200},
        {-1, -1, Winkeleinheit::grad, w2, 225}, // H + rho
        {0, -2, Winkeleinheit::grad, 2, 270},   // 2H - H/2
        {0, -2, Winkeleinheit::gon, 2, 300},
        {1, -1, Winkeleinheit::grad, w2, 315}, // 2H - rho
        {1, -1, Winkeleinheit::radiant, w2, 7 * pi_ld / 4},
        {0, 0, Winkeleinheit::grad, 0, 0}, // 0 + 0i has the angle 0
        {3, 4, Winkeleinheit::grad, 5, std::atan(4.0L / 3.0L) * 180 / pi_ld},
        {1e60L, 1e60L, Winkeleinheit::grad, 1e60L * w2, 45}, // squares beyond double's range
    };
    for (const Fall& f : faelle) {
        const Komplexzahl z = normal(f.a, f.b, f.einheit);
        EXPECT_TRUE(nahe(z.r, f.r)) << static_cast<double>(f.a) << " " << static_cast<double>(f.b);
        EXPECT_TRUE(nahe(z.phi, f.phi))
            << static_cast<double>(f.a) << " " << static_cast<double>(f.b);
        EXPECT_GE(z.phi, 0);
        EXPECT_LT(z.phi, 2 * halbe_drehung(f.einheit));
    }
}

TEST(Komplexrechnung, PolarformInNormalform) {
    struct Fall {
        long double r, phi;
        Winkeleinheit einheit;
        long double a, b;
    };
    const Fall faelle[] = {
        {2, 90, Winkeleinheit::grad, 0, 2},
        {2, 0, Winkeleinheit::grad, 2, 0},
        {1, pi_ld, Winkeleinheit::radiant, -1, 0},
        {1, 100, Winkeleinheit::gon, 0, 1},
        {2, 450, Winkeleinheit::grad, 0, 2}, // angles beyond a full turn
        {2, -90, Winkeleinheit::grad, 0, -2},
        {-2, 0, Winkeleinheit::grad, -2, 0}, // a negative modulus is taken as typed
    };
    for (const Fall& f : faelle) {
        Komplexzahl z;
        z.r = f.r;
        z.phi = f.phi;
        normal_aus_polar(z, f.einheit);
        EXPECT_TRUE(nahe(z.a, f.a)) << static_cast<double>(f.phi);
        EXPECT_TRUE(nahe(z.b, f.b)) << static_cast<double>(f.phi);
    }
}

TEST(Komplexrechnung, Operationen) {
    struct Fall {
        Komplexart art;
        long double a1, b1, a2, b2;
        long double a, b, r, phi;
    };
    const long double w5 = std::sqrt(5.0L);
    const long double phi1 = std::atan(4.0L / 3.0L) * 180 / pi_ld; // 3 + 4i
    const long double phi2 = 360 - std::atan(2.0L) * 180 / pi_ld;  // 1 - 2i
    const Fall faelle[] = {
        {Komplexart::plus, 1, 1, 1, -1, 2, 0, 2, 0},
        {Komplexart::minus, 1, 1, 1, -1, 0, 2, 2, 90},
        {Komplexart::minus, 1, 1, 1, 1, 0, 0, 0, 0},
        {Komplexart::mal, 0, 1, 0, 1, -1, 0, 1, 180},
        {Komplexart::mal, 3, 4, 1, -2, 11, -2, 5 * w5, phi1 + phi2},
        // Angles of products and quotients stay unreduced: 450 and -243.4...
        {Komplexart::mal, -1, -1, -1, -1, 0, 2, 2, 450},
        {Komplexart::geteilt, 3, 4, 1, -2, -1, 2, w5, phi1 - phi2},
        {Komplexart::geteilt, 0, 0, 1, 1, 0, 0, 0, -45},
    };
    for (const Fall& f : faelle) {
        Komplexzahl e;
        std::string fehler;
        ASSERT_TRUE(komplex_rechnen(f.art, normal(f.a1, f.b1), normal(f.a2, f.b2),
                                    Winkeleinheit::grad, e, fehler))
            << fehler;
        const std::string fall =
            std::string(komplexzeichen(f.art)) + " " + std::to_string(static_cast<double>(f.a1));
        EXPECT_TRUE(nahe(e.a, f.a)) << fall;
        EXPECT_TRUE(nahe(e.b, f.b)) << fall;
        EXPECT_TRUE(nahe(e.r, f.r)) << fall;
        EXPECT_TRUE(nahe(e.phi, f.phi)) << fall;
    }
}

TEST(Komplexrechnung, AbweisungenLassenDasErgebnis) {
    Komplexzahl e = normal(7, 8);
    const Komplexzahl vorher = e;
    std::string fehler;
    EXPECT_FALSE(komplex_rechnen(Komplexart::geteilt, normal(1, 1), normal(0, 0),
                                 Winkeleinheit::grad, e, fehler));
    EXPECT_EQ(fehler, "Division durch 0 ist nicht erlaubt.");
    EXPECT_EQ(e.a, vorher.a);
    EXPECT_EQ(e.phi, vorher.phi);

    Komplexzahl riesig;
    riesig.r = std::numeric_limits<long double>::max() / 2;
    fehler.clear();
    EXPECT_FALSE(komplex_rechnen(Komplexart::mal, riesig, riesig, Winkeleinheit::grad, e, fehler));
    EXPECT_EQ(fehler, "Das Ergebnis ist zu groß.");
    EXPECT_EQ(e.r, vorher.r);
}

TEST(Komplexrechnung, Gleichungen) {
    const Komplexzahl z1 = normal(3, 4);
    const Komplexzahl z2 = normal(1, -2);
    struct Fall {
        Komplexart art;
        const char* polar;
        const char* normal;
    };
    const Fall faelle[] = {
        {Komplexart::mal, "5,000 E(53,130) *2,236 E(296,565)  =   11,180 E(349,695)",
         "(3,000+4,000 i) *(1,000+-2,000 i)  =   11,000+-2,000 i"},
        {Komplexart::plus, "5,000 E(53,130) +2,236 E(296,565)  =   4,472 E(26,565)",
         "(3,000+4,000 i) +(1,000+-2,000 i)  =   4,000+2,000 i"},
        {Komplexart::minus, "5,000 E(53,130) -2,236 E(296,565)  =   6,325 E(71,565)",
         "(3,000+4,000 i) -(1,000+-2,000 i)  =   2,000+6,000 i"},
        {Komplexart::geteilt, "5,000 E(53,130) :2,236 E(296,565)  =   2,236 E(-243,435)",
         "(3,000+4,000 i) :(1,000+-2,000 i)  =   -1,000+2,000 i"},
    };
    for (const Fall& f : faelle) {
        Komplexzahl e;
        std::string fehler;
        ASSERT_TRUE(komplex_rechnen(f.art, z1, z2, Winkeleinheit::grad, e, fehler));
        EXPECT_EQ(polargleichung(z1, z2, f.art, e, "0.000"), f.polar);
        EXPECT_EQ(normalgleichung(z1, z2, f.art, e, "0.000"), f.normal);
    }
    // A value that could not be computed is never shown as a number.
    Komplexzahl kaputt;
    kaputt.r = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(polargleichung(kaputt, kaputt, Komplexart::plus, kaputt, "0.00"),
              "n. d. E(0,00) +n. d. E(0,00)  =   n. d. E(0,00)");
}

} // namespace

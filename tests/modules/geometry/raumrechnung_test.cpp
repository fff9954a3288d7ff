// Vectors and point–line in space: the products, lengths and angle of two vectors, the
// perpendicular from a point to a line, and the refusals of zero vectors. Values are compared
// as the window shows them ("0.00") and, where it matters, relative to their size.
#include "engine/zahlformat.h"
#include "modules/geometry/raumrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace zol;

std::string text(long double wert) {
    return format("0.00", wert);
}
std::string text(Vektor3 v) {
    std::string t = "(";
    t += text(v.x1) + ";" + text(v.x2) + ";" + text(v.x3) + ")";
    return t;
}

TEST(Raumrechnung, Vektoren) {
    struct Fall {
        Vektor3 a, b;
        std::string kreuz, betrag_kreuz, betrag_a, betrag_b, skalar, winkel;
        bool abhaengig;
    };
    const Fall faelle[] = {
        {{1, 2, 3},
         {4, 5, 6},
         "(-3,00;6,00;-3,00)",
         "7,35",
         "3,74",
         "8,77",
         "32,00",
         "12,93",
         false},
        {{1, 0, 0}, {0, 1, 0}, "(0,00;0,00;1,00)", "1,00", "1,00", "1,00", "0,00", "90,00", false},
        // The angle of the lines, not of the vectors: opposite vectors give 0.
        {{1, 2, 3},
         {-2, -4, -6},
         "(0,00;0,00;0,00)",
         "0,00",
         "3,74",
         "7,48",
         "-28,00",
         "0,00",
         true},
        // The ratio a·b / (|a|·|b|) rounds above 1 here; clamped it gives 0, never NaN.
        {{1, 0, 1}, {2, 0, 2}, "(0,00;0,00;0,00)", "0,00", "1,41", "2,83", "4,00", "0,00", true},
        // One-decimal components are not exact in binary; still dependent.
        {{0.3L, 0.6L, 0.9L},
         {1, 2, 3},
         "(0,00;0,00;0,00)",
         "0,00",
         "1,12",
         "3,74",
         "4,20",
         "0,00",
         true},
        {{0.1L, 0.2L, 0.3L},
         {0.7L, 1.4L, 2.1L},
         "(0,00;0,00;0,00)",
         "0,00",
         "0,37",
         "2,62",
         "0,98",
         "0,00",
         true},
        // Orthogonal after rounding: the scalar product is 0,00, not -0,00.
        {{0.1L, 0.2L, 0},
         {0.2L, -0.1L, 0},
         "(0,00;0,00;-0,05)",
         "0,05",
         "0,22",
         "0,22",
         "0,00",
         "90,00",
         false},
        // Very large and very small components decide by their own scale.
        {{1e30L, 0, 0},
         {0, 1e-30L, 0},
         "(0,00;0,00;1,00)",
         "1,00",
         text(1e30L),
         "0,00",
         "0,00",
         "90,00",
         false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.kreuz + " " + f.winkel);
        Vektorergebnis e;
        ASSERT_TRUE(vektoren_berechnen(f.a, f.b, e));
        EXPECT_EQ(text(e.kreuz), f.kreuz);
        EXPECT_EQ(text(e.betrag_kreuz), f.betrag_kreuz);
        EXPECT_EQ(text(e.betrag_a), f.betrag_a);
        EXPECT_EQ(text(e.betrag_b), f.betrag_b);
        EXPECT_EQ(text(e.skalar), f.skalar);
        EXPECT_EQ(text(e.winkel), f.winkel);
        EXPECT_EQ(e.abhaengig, f.abhaengig);
    }
}

TEST(Raumrechnung, NullvektorWirdAbgelehntUndLaesstDasErgebnis) {
    const Vektor3 null{};
    const Vektor3 a{1, 2, 3};
    for (const auto& [x, y] : {std::pair{null, a}, std::pair{a, null}, std::pair{null, null}}) {
        Vektorergebnis e;
        e.skalar = 99;
        EXPECT_FALSE(vektoren_berechnen(x, y, e));
        EXPECT_EQ(e.skalar, 99);
    }
    // A tiny vector is no zero vector.
    Vektorergebnis e;
    EXPECT_TRUE(vektoren_berechnen({1e-40L, 0, 0}, {0, 1, 0}, e));
    EXPECT_EQ(text(e.winkel), "90,00");
}

TEST(Raumrechnung, Geradenwinkel) {
    EXPECT_TRUE(std::isnan(geradenwinkel_grad({}, {1, 0, 0})));
    EXPECT_EQ(geradenwinkel_grad({1, 1, 0}, {-2, -2, 0}), 0);
    EXPECT_NEAR(static_cast<double>(geradenwinkel_grad({1, 0, -1}, {0, 1, 1})), 60.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(geradenwinkel_grad({1, 0, 0}, {-1, 1, 0})), 45.0, 1e-12);
}

TEST(Raumrechnung, PunktGerade) {
    struct Fall {
        Vektor3 p;
        Gerade3 g;
        const char* normale;
        const char* d;
        const char* lotfuss;
        const char* abstand;
        const char* spiegel;
    };
    const Fall faelle[] = {
        {{2, 3, 4},
         {{1, 1, 1}, {1, 2, 2}},
         "(1,00;2,00;2,00)",
         "-16,00",
         "(2,22;3,44;3,44)",
         "0,75",
         "(2,44;3,89;2,89)"},
        // The x1-axis: the plane x1 - 1 = 0.
        {{1, 1, 0},
         {{0, 0, 0}, {1, 0, 0}},
         "(1,00;0,00;0,00)",
         "-1,00",
         "(1,00;0,00;0,00)",
         "1,00",
         "(1,00;-1,00;0,00)"},
        // A point on the line is its own foot and mirror point, at distance 0 (not -0,00).
        {{0.3L, 0.6L, 0.9L},
         {{0.1L, 0.2L, 0.3L}, {0.1L, 0.2L, 0.3L}},
         "(0,10;0,20;0,30)",
         "-0,42",
         "(0,30;0,60;0,90)",
         "0,00",
         "(0,30;0,60;0,90)"},
        // The direction's length does not matter.
        {{2, 3, 4},
         {{1, 1, 1}, {-0.1L, -0.2L, -0.2L}},
         "(-0,10;-0,20;-0,20)",
         "1,60",
         "(2,22;3,44;3,44)",
         "0,75",
         "(2,44;3,89;2,89)"},
        // Far from the origin, the foot keeps its digits.
        {{1e9L + 1, 1, 0},
         {{1e9L, 0, 0}, {1, 0, 0}},
         "(1,00;0,00;0,00)",
         "-1000000001,00",
         "(1000000001,00;0,00;0,00)",
         "1,00",
         "(1000000001,00;-1,00;0,00)"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.lotfuss);
        PunktGeradeErgebnis e;
        ASSERT_TRUE(punkt_gerade(f.p, f.g, e));
        EXPECT_EQ(text(e.normale), f.normale);
        EXPECT_EQ(text(e.punkt), text(f.p));
        EXPECT_EQ(text(e.d), f.d);
        EXPECT_EQ(text(e.lotfuss), f.lotfuss);
        EXPECT_EQ(text(e.abstand), f.abstand);
        EXPECT_EQ(text(e.spiegelpunkt), f.spiegel);
        // The foot lies in the plane and on the line.
        EXPECT_NEAR(static_cast<double>(skalarprodukt(e.normale, e.lotfuss) + e.d), 0.0,
                    1e-12 * (1 + std::fabs(static_cast<double>(e.d))));
    }
}

TEST(Raumrechnung, PunktGeradeOhneRichtungWirdAbgelehnt) {
    PunktGeradeErgebnis e;
    e.abstand = 7;
    EXPECT_FALSE(punkt_gerade({1, 2, 3}, {{1, 1, 1}, {0, 0, 0}}, e));
    EXPECT_EQ(e.abstand, 7);
}

TEST(Raumrechnung, GeglaettetMachtNurRundungsresteZuNull) {
    EXPECT_EQ(geglaettet(-1e-18L, 1), 0);
    EXPECT_EQ(geglaettet(1e-3L, 1), 1e-3L);
    EXPECT_EQ(geglaettet(-1e-18L, 0), -1e-18L);
    EXPECT_EQ(text(geglaettet(-1e-18L, 1)), "0,00");
}

} // namespace

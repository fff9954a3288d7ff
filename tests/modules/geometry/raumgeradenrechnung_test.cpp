// Two lines in space: the positions with their edge cases, the intersection point and angle,
// and 10 000 random pairs with one-decimal coordinates checked against an exact computation on
// whole numbers of tenths.
#include "engine/zahlformat.h"
#include "modules/geometry/raumgeradenrechnung.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
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

TEST(Raumgeradenrechnung, Lagen) {
    struct Fall {
        const char* name;
        Gerade3 g1, g2;
        Geradenlage lage;
        const char* punkt; // for an intersection
        const char* winkel;
    };
    const Fall faelle[] = {
        {"Schnitt 60°",
         {{1, 2, 3}, {1, 0, -1}},
         {{2, 0, 0}, {0, 1, 1}},
         Geradenlage::schnitt,
         "(2,00;2,00;2,00)",
         "60,00"},
        {"Achsen",
         {{0, 0, 0}, {1, 0, 0}},
         {{0, 1, 0}, {0, 1, 0}},
         Geradenlage::schnitt,
         "(0,00;0,00;0,00)",
         "90,00"},
        {"windschief",
         {{0, 0, 0}, {1, 0, 0}},
         {{0, 0, 1}, {0, 1, 0}},
         Geradenlage::windschief,
         nullptr,
         nullptr},
        {"identisch",
         {{0, 0, 0}, {1, 1, 0}},
         {{1, 1, 0}, {2, 2, 0}},
         Geradenlage::identisch,
         nullptr,
         nullptr},
        // Proportional one-decimal directions are parallel, never skew or meeting.
        {"parallel 0,3",
         {{0, 0, 0}, {0.3L, 0.6L, 0.9L}},
         {{1, 0, 0}, {1, 2, 3}},
         Geradenlage::parallel,
         nullptr,
         nullptr},
        {"identisch 0,3",
         {{0, 0, 0}, {0.3L, 0.6L, 0.9L}},
         {{0.1L, 0.2L, 0.3L}, {1, 2, 3}},
         Geradenlage::identisch,
         nullptr,
         nullptr},
        {"identisch gegenläufig",
         {{0.7L, 0.1L, 0.3L}, {0.1L, 0.2L, 0.3L}},
         {{0.4L, -0.5L, -0.6L}, {-0.3L, -0.6L, -0.9L}},
         Geradenlage::identisch,
         nullptr,
         nullptr},
        // A coordinate where one direction is 0 but not the other is no parallel case.
        {"Komponente 0",
         {{0, 0, 0}, {1, 0, 1}},
         {{0, 0, 0}, {1, 1, 1}},
         Geradenlage::schnitt,
         "(0,00;0,00;0,00)",
         "35,26"},
        // 0,001 apart stays skew; the same lines meeting are found as meeting.
        {"0,001 windschief",
         {{0, 0, 0}, {1, 0, 0}},
         {{0, 0, 0.001L}, {0, 1, 0}},
         Geradenlage::windschief,
         nullptr,
         nullptr},
        {"0,001 parallel",
         {{0, 0, 0}, {1, 0, 0}},
         {{0, 0, 0.001L}, {2, 0, 0}},
         Geradenlage::parallel,
         nullptr,
         nullptr},
        // Decimal points that meet: exact decisions would call them skew.
        {"Schnitt dezimal",
         {{0.1L, 0.2L, 0.3L}, {0.1L, 0.1L, 0.1L}},
         {{0.3L, 0, 0.2L}, {0.1L, -0.3L, -0.2L}},
         Geradenlage::schnitt,
         "(0,20;0,30;0,40)",
         "51,89"},
        // A pair whose coordinate determinant (x1, x2) vanishes does not decide alone.
        {"Determinante 0",
         {{0, 0, 5}, {1, 1, 0}},
         {{0, 0, 0}, {1, 1, 1}},
         Geradenlage::schnitt,
         "(5,00;5,00;5,00)",
         "35,26"},
        {"Richtung 0",
         {{0, 0, 0}, {0, 0, 0}},
         {{1, 0, 0}, {1, 2, 3}},
         Geradenlage::fehlerhaft,
         nullptr,
         nullptr},
        {"Richtung 2 0",
         {{0, 0, 0}, {1, 0, 0}},
         {{1, 0, 0}, {0, 0, 0}},
         Geradenlage::fehlerhaft,
         nullptr,
         nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Geradenschnitt e = geraden_schneiden(f.g1, f.g2);
        EXPECT_EQ(e.lage, f.lage);
        if (f.punkt == nullptr) continue;
        EXPECT_EQ(text(e.schnittpunkt), f.punkt);
        EXPECT_EQ(text(e.winkel), f.winkel);
        // S lies on both lines with the parameters given.
        const Vektor3 s1 = f.g1.a + e.t * f.g1.u;
        const Vektor3 s2 = f.g2.a + e.s * f.g2.u;
        EXPECT_LT(static_cast<double>(laenge(s1 - s2)), 1e-12);
    }
}

TEST(Raumgeradenrechnung, Lagetexte) {
    EXPECT_STREQ(lagetext(Geradenlage::fehlerhaft), "Fehlerhafte Eingabe");
    EXPECT_STREQ(lagetext(Geradenlage::identisch), "Geraden sind identisch!");
    EXPECT_STREQ(lagetext(Geradenlage::parallel), "Geraden sind parallel!");
    EXPECT_STREQ(lagetext(Geradenlage::schnitt), "Schnittpunkt");
    EXPECT_STREQ(lagetext(Geradenlage::windschief), "Geraden sind windschief!");
}

// ---- random pairs against exact arithmetic ----

using Ganz3 = std::array<std::int64_t, 3>; // a point or vector in tenths

Ganz3 minus(const Ganz3& a, const Ganz3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Ganz3 mal(std::int64_t k, const Ganz3& a) {
    return {k * a[0], k * a[1], k * a[2]};
}
Ganz3 kreuz(const Ganz3& a, const Ganz3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
std::int64_t skalar(const Ganz3& a, const Ganz3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
bool null(const Ganz3& a) {
    return a[0] == 0 && a[1] == 0 && a[2] == 0;
}

// The position of the lines from their exact values (scaling by 10 changes none of the tests).
Geradenlage exakt(const Ganz3& a1, const Ganz3& u1, const Ganz3& a2, const Ganz3& u2) {
    if (null(u1) || null(u2)) return Geradenlage::fehlerhaft;
    const Ganz3 w = minus(a2, a1);
    const Ganz3 n = kreuz(u1, u2);
    if (null(n)) return null(kreuz(u1, w)) ? Geradenlage::identisch : Geradenlage::parallel;
    return skalar(w, n) == 0 ? Geradenlage::schnitt : Geradenlage::windschief;
}

// One-decimal coordinates as the fields give them: the nearest long double to k/10.
Vektor3 dezimal(const Ganz3& z) {
    return {static_cast<long double>(z[0]) / 10, static_cast<long double>(z[1]) / 10,
            static_cast<long double>(z[2]) / 10};
}

// Random pairs, a quarter each built to be parallel, identical, meeting or free (mostly skew),
// so that every position occurs often; the exact computation alone decides what is expected.
TEST(Raumgeradenrechnung, ZehntausendZufallspaareWieExakt) {
    std::mt19937 zufall(20240519);
    auto zahl = [&](int von, int bis) {
        return std::uniform_int_distribution<std::int64_t>(von, bis)(zufall);
    };
    auto vektor = [&](int grenze) {
        return Ganz3{zahl(-grenze, grenze), zahl(-grenze, grenze), zahl(-grenze, grenze)};
    };
    std::array<int, 5> anzahl{};
    for (int i = 0; i < 10000; ++i) {
        Ganz3 a1 = vektor(99), u1 = vektor(99), a2 = vektor(99), u2 = vektor(99);
        const int art = i % 4;
        if (art <= 1) {
            // u1 = p·b, u2 = q·b in tenths: (0,3;0,6;0,9) and (1;2;3) are such a pair.
            const Ganz3 b = vektor(9);
            std::int64_t p = zahl(-10, 10), q = zahl(-10, 10);
            u1 = mal(p, b);
            u2 = mal(q, b);
            if (art == 1) a2 = minus(a1, mal(zahl(-5, 5), b));
        } else if (art == 2) {
            // Both through a point S of tenths: A = S − k·u.
            const Ganz3 s = vektor(50);
            u1 = vektor(20);
            u2 = vektor(20);
            a1 = minus(s, mal(zahl(-4, 4), u1));
            a2 = minus(s, mal(zahl(-4, 4), u2));
        }
        const Geradenlage soll = exakt(a1, u1, a2, u2);
        const Geradenschnitt ist =
            geraden_schneiden({dezimal(a1), dezimal(u1)}, {dezimal(a2), dezimal(u2)});
        ASSERT_EQ(ist.lage, soll) << "Fall " << i << ": A1=" << text(dezimal(a1))
                                  << " u1=" << text(dezimal(u1)) << " A2=" << text(dezimal(a2))
                                  << " u2=" << text(dezimal(u2));
        ++anzahl[static_cast<std::size_t>(soll)];
        if (soll == Geradenlage::schnitt) {
            const Vektor3 s1 = dezimal(a1) + ist.t * dezimal(u1);
            const Vektor3 s2 = dezimal(a2) + ist.s * dezimal(u2);
            ASSERT_LT(static_cast<double>(laenge(s1 - s2)), 1e-9) << "Fall " << i;
        }
    }
    // Every position occurred often enough to mean something.
    for (Geradenlage l : {Geradenlage::identisch, Geradenlage::parallel, Geradenlage::schnitt,
                          Geradenlage::windschief})
        EXPECT_GT(anzahl[static_cast<std::size_t>(l)], 500) << lagetext(l);
}

} // namespace

// Planes in space: the form conversions, the Hesse form and its trace points, point and plane,
// line and plane, two planes; and random one-decimal inputs classified against exact integer
// arithmetic.
#include "modules/geometry/ebenenrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using namespace zol;

// Relative agreement with room for the long double rounding of a few operations.
testing::AssertionResult nahe(long double ist, long double soll) {
    if (std::fabs(ist - soll) <= 1e-15L * std::max(1.0L, std::fabs(soll)))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << static_cast<double>(ist) << " statt " << static_cast<double>(soll);
}

testing::AssertionResult nahe(Vektor3 ist, Vektor3 soll) {
    for (auto [i, s] : {std::pair{ist.x1, soll.x1}, {ist.x2, soll.x2}, {ist.x3, soll.x3}})
        if (!nahe(i, s))
            return testing::AssertionFailure()
                   << "(" << static_cast<double>(ist.x1) << ";" << static_cast<double>(ist.x2)
                   << ";" << static_cast<double>(ist.x3) << ") statt ("
                   << static_cast<double>(soll.x1) << ";" << static_cast<double>(soll.x2) << ";"
                   << static_cast<double>(soll.x3) << ")";
    return testing::AssertionSuccess();
}

testing::AssertionResult nahe(const Koordinatenebene& ist, const Koordinatenebene& soll) {
    for (auto [i, s] :
         {std::pair{ist.a, soll.a}, {ist.b, soll.b}, {ist.c, soll.c}, {ist.d, soll.d}})
        if (!nahe(i, s))
            return testing::AssertionFailure() << "Koeffizient: " << nahe(i, s).message();
    return testing::AssertionSuccess();
}

Koordinatenebene aus_punkten(Vektor3 p1, Vektor3 p2, Vektor3 p3) {
    return koordinatenform(normalenform(parameterform({p1, p2, p3})));
}

TEST(Ebenenformen, DreiPunkteBisHesseUndSpurpunkte) {
    struct Fall {
        Vektor3 p1, p2, p3;
        Parameterebene parameter;
        Vektor3 n;
        long double d;
        Koordinatenebene hesse;
        Vektor3 spur; // the axis sections, 0 where there is none
    };
    const long double w504 = std::sqrt(504.0L), w3 = std::sqrt(3.0L);
    const Fall faelle[] = {
        {{2, 0, 0},
         {0, 3, 0},
         {0, 0, 6},
         {{2, 0, 0}, {-2, 3, 0}, {-2, 0, 6}},
         {18, 12, 6},
         -36,
         {18 / w504, 12 / w504, 6 / w504, -36 / w504},
         {2, 3, 6}},
        {{1, 0, 0},
         {0, 1, 0},
         {0, 0, 1},
         {{1, 0, 0}, {-1, 1, 0}, {-1, 0, 1}},
         {1, 1, 1},
         -1,
         {1 / w3, 1 / w3, 1 / w3, -1 / w3},
         {1, 1, 1}},
        // A positive constant: all four signs change.
        {{-2, 0, 0},
         {-2, 1, 0},
         {-2, 0, 1},
         {{-2, 0, 0}, {0, 1, 0}, {0, 0, 1}},
         {1, 0, 0},
         2,
         {-1, 0, 0, -2},
         {-2, 0, 0}},
        // Through the origin, parallel to the x3-axis: one trace point, the origin.
        {{0, 0, 0},
         {1, 1, 0},
         {0, 0, 1},
         {{0, 0, 0}, {1, 1, 0}, {0, 0, 1}},
         {1, -1, 0},
         0,
         {1 / std::sqrt(2.0L), -1 / std::sqrt(2.0L), 0, 0},
         {0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        const Parameterebene p = parameterform({f.p1, f.p2, f.p3});
        EXPECT_TRUE(nahe(p.a, f.parameter.a));
        EXPECT_TRUE(nahe(p.u, f.parameter.u));
        EXPECT_TRUE(nahe(p.v, f.parameter.v));
        const Normalenebene n = normalenform(p);
        EXPECT_TRUE(nahe(n.n, f.n));
        EXPECT_TRUE(nahe(n.p, f.p1));
        const Koordinatenebene k = koordinatenform(n);
        EXPECT_TRUE(nahe(k, {f.n.x1, f.n.x2, f.n.x3, f.d}));
        Koordinatenebene h;
        ASSERT_TRUE(hesseform(k, h));
        EXPECT_TRUE(nahe(h, f.hesse));
        if (h.d == 0) {
            EXPECT_FALSE(std::signbit(h.d)) << "kein -0 im Absolutglied";
        }
        const Spurpunkte s = spurpunkte(h);
        const long double werte[] = {f.spur.x1, f.spur.x2, f.spur.x3};
        for (std::size_t i = 0; i < 3; ++i) {
            const long double koeffizient = i == 0 ? h.a : i == 1 ? h.b : h.c;
            EXPECT_EQ(s.vorhanden[i], koeffizient != 0) << i;
            if (!s.vorhanden[i]) continue;
            Vektor3 soll;
            (i == 0 ? soll.x1 : i == 1 ? soll.x2 : soll.x3) = werte[i];
            EXPECT_TRUE(nahe(s.punkt[i], soll)) << i;
        }
    }
}

// The trace points come from the unrounded Hesse coefficients: from the shown 0,53 and 0,27 one
// would get 3,02 and 5,93.
TEST(Ebenenformen, SpurpunkteAusUngerundetenWerten) {
    Koordinatenebene h;
    ASSERT_TRUE(hesseform(aus_punkten({2, 0, 0}, {0, 3, 0}, {0, 0, 6}), h));
    const Spurpunkte s = spurpunkte(h);
    EXPECT_NEAR(static_cast<double>(s.punkt[1].x2), 3.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(s.punkt[2].x3), 6.0, 1e-15);
    // Only the third axis for 0·x1 + 0·x2 + 1·x3 − 2 = 0.
    const Spurpunkte nur3 = spurpunkte({0, 0, 1, -2});
    EXPECT_FALSE(nur3.vorhanden[0]);
    EXPECT_FALSE(nur3.vorhanden[1]);
    ASSERT_TRUE(nur3.vorhanden[2]);
    EXPECT_TRUE(nahe(nur3.punkt[2], {0, 0, 2}));
}

TEST(Ebenenformen, KeineEbeneOhneNormale) {
    struct Fall {
        const char* name;
        Vektor3 p1, p2, p3;
    };
    const Fall faelle[] = {
        {"gleiche Punkte", {1, 2, 3}, {1, 2, 3}, {4, 5, 6}},
        {"auf einer Geraden", {0, 0, 0}, {1, 1, 1}, {2, 2, 2}},
        // 0,1·(1;2;3) steps: exactly collinear, not in binary.
        {"auf einer Geraden, eine Stelle",
         {0.1L, 0.2L, 0.3L},
         {0.2L, 0.4L, 0.6L},
         {0.7L, 1.4L, 2.1L}},
    };
    for (const Fall& f : faelle) {
        const Koordinatenebene k = aus_punkten(f.p1, f.p2, f.p3);
        EXPECT_TRUE(ist_nullvektor(k.normale())) << f.name;
        Koordinatenebene h{9, 9, 9, 9};
        EXPECT_FALSE(hesseform(k, h)) << f.name;
        EXPECT_EQ(h.a, 9) << "bleibt unberührt";
    }
    // A one-decimal plane through the origin keeps d exactly 0.
    const Koordinatenebene k =
        aus_punkten({0.1L, 0.2L, 0.3L}, {0.3L, 0.1L, 0.2L}, {0.2L, 0.3L, 0.1L});
    const Koordinatenebene mit_ursprung = koordinatenform({{0, 0, 0}, k.normale()});
    EXPECT_EQ(mit_ursprung.d, 0);
    const Koordinatenebene durch_p = koordinatenform({{0.1L, 0.2L, -0.1L}, {0.1L, 0.1L, 0.3L}});
    EXPECT_EQ(durch_p.d, 0) << static_cast<double>(durch_p.d);
}

TEST(GeradeEbene, LagenPunktUndWinkel) {
    struct Fall {
        const char* name;
        Koordinatenebene e;
        Gerade3 g;
        GeradeEbeneLage lage;
        Vektor3 punkt;
        long double winkel;
    };
    const Fall faelle[] = {
        {"parallel", {0, 0, 1, 0}, {{0, 0, 1}, {1, 0, 0}}, GeradeEbeneLage::parallel, {}, 0},
        {"in der Ebene", {0, 0, 1, 0}, {{0, 0, 0}, {1, 0, 0}}, GeradeEbeneLage::in_ebene, {}, 0},
        {"senkrecht",
         {0, 0, 1, 0},
         {{1, 2, 3}, {0, 0, 1}},
         GeradeEbeneLage::schnitt,
         {1, 2, 0},
         90},
        {"schräg",
         {2, -1, 1, -4},
         {{0, 0, 0}, {1, 1, 1}},
         GeradeEbeneLage::schnitt,
         {2, 2, 2},
         std::asin(2 / std::sqrt(18.0L)) * 180 / 3.14159265358979323846L},
        // Along the normal, not exactly equal to it: still 90,00 (the ratio is clamped).
        {"längs der Normale",
         {0.1L, 0.1L, 0.1L, 0},
         {{1, 1, 1}, {0.3L, 0.3L, 0.3L}},
         GeradeEbeneLage::schnitt,
         {0, 0, 0},
         90},
        // Exactly parallel and in the plane for the one-decimal values, not in binary.
        {"parallel, eine Stelle",
         {0.3L, 0.6L, 0.9L, -1},
         {{0, 0, 0}, {0.1L, 0.1L, -0.1L}},
         GeradeEbeneLage::parallel,
         {},
         0},
        {"in der Ebene, eine Stelle",
         {0.1L, 0.2L, 0.3L, -0.6L},
         {{1, 1, 1}, {0.1L, 0.1L, -0.1L}},
         GeradeEbeneLage::in_ebene,
         {},
         0},
        // Far from the origin a small distance still counts.
        {"knapp daneben",
         {1, 0, 0, 1000000},
         {{-999999.9L, 0, 0}, {0, 1, 0}},
         GeradeEbeneLage::parallel,
         {},
         0},
        {"Richtung 0", {0, 0, 1, 0}, {{0, 0, 1}, {0, 0, 0}}, GeradeEbeneLage::fehlerhaft, {}, 0},
        {"Normale 0", {0, 0, 0, 1}, {{0, 0, 1}, {1, 0, 0}}, GeradeEbeneLage::fehlerhaft, {}, 0},
    };
    for (const Fall& f : faelle) {
        const GeradeEbeneSchnitt s = gerade_ebene_schneiden(f.e, f.g);
        EXPECT_EQ(s.lage, f.lage) << f.name;
        if (s.lage != GeradeEbeneLage::schnitt) continue;
        EXPECT_TRUE(nahe(s.schnittpunkt, f.punkt)) << f.name;
        EXPECT_TRUE(nahe(s.winkel, f.winkel)) << f.name;
    }
    EXPECT_STREQ(lagetext(GeradeEbeneLage::parallel), "Gerade ist parallel zur Ebene!");
    EXPECT_STREQ(lagetext(GeradeEbeneLage::in_ebene), "Gerade liegt in der Ebene!");
    EXPECT_STREQ(lagetext(GeradeEbeneLage::fehlerhaft), "Fehlerhafte Eingabe");
}

TEST(PunktEbene, LotfusspunktAbstandSpiegelpunkt) {
    struct Fall {
        const char* name;
        Koordinatenebene e;
        Vektor3 p;
        Vektor3 lotfuss;
        long double abstand;
        Vektor3 spiegel;
    };
    const long double w6 = std::sqrt(6.0L);
    const Fall faelle[] = {
        {"x3 = 0", {0, 0, 1, 0}, {1, 2, 3}, {1, 2, 0}, 3, {1, 2, -3}},
        {"schräg",
         {2, -1, 1, -4},
         {0, 0, 0},
         {4.0L / 3, -2.0L / 3, 2.0L / 3},
         4 / w6,
         {8.0L / 3, -4.0L / 3, 4.0L / 3}},
        {"auf der Ebene, eine Stelle",
         {0.1L, 0.2L, 0.3L, -0.6L},
         {1, 1, 1},
         {1, 1, 1},
         0,
         {1, 1, 1}},
    };
    for (const Fall& f : faelle) {
        PunktEbeneErgebnis r;
        ASSERT_TRUE(punkt_ebene(f.p, f.e, r)) << f.name;
        EXPECT_TRUE(nahe(r.lotgerade.a, f.p)) << f.name;
        EXPECT_TRUE(nahe(r.lotgerade.u, f.e.normale())) << f.name;
        EXPECT_TRUE(nahe(r.lotfuss, f.lotfuss)) << f.name;
        EXPECT_TRUE(nahe(r.abstand, f.abstand)) << f.name;
        EXPECT_TRUE(nahe(r.spiegelpunkt, f.spiegel)) << f.name;
    }
    // A point on the plane is its own foot, exactly.
    PunktEbeneErgebnis r;
    ASSERT_TRUE(punkt_ebene({1, 1, 1}, {0.1L, 0.2L, 0.3L, -0.6L}, r));
    EXPECT_EQ(r.abstand, 0);
    EXPECT_EQ(r.lotfuss.x1, 1);
    EXPECT_FALSE(punkt_ebene({1, 2, 3}, {0, 0, 0, 5}, r));
}

TEST(ZweiEbenen, LagenSchnittgeradeUndWinkel) {
    struct Fall {
        const char* name;
        Koordinatenebene e1, e2;
        Ebenenlage lage;
        Gerade3 gerade;
        long double winkel;
    };
    const long double w = std::acos(1.0L / 6) * 180 / 3.14159265358979323846L;
    const Fall faelle[] = {
        {"schräg",
         {2, -1, 1, -4},
         {1, 1, -2, 1},
         Ebenenlage::schnitt,
         {{1, -2, 0}, {-1, -5, -3}},
         w},
        {"x3 = 0 und x1 = 0",
         {0, 0, 1, 0},
         {1, 0, 0, 0},
         Ebenenlage::schnitt,
         {{0, 1, 0}, {0, -1, 0}},
         90},
        {"x1 + x2 = 1 und x1 - x2 = 1",
         {1, 1, 0, -1},
         {1, -1, 0, -1},
         Ebenenlage::schnitt,
         {{1, 0, 1}, {0, 0, -1}},
         90},
        {"x3 = 1 und x3 = 2", {0, 0, 1, -1}, {0, 0, 1, -2}, Ebenenlage::parallel, {}, 0},
        {"Vielfache", {1, 2, 3, -4}, {-2, -4, -6, 8}, Ebenenlage::identisch, {}, 0},
        {"durch den Ursprung", {1, 1, 0, 0}, {2, 2, 0, 0}, Ebenenlage::identisch, {}, 0},
        {"nur eine durch den Ursprung", {1, 1, 0, 0}, {2, 2, 0, 1}, Ebenenlage::parallel, {}, 0},
        // Exactly proportional normals for the one-decimal values, not in binary: never an
        // intersection line through (1; 1,1·10^19; …).
        {"parallel, eine Stelle",
         {0.3L, 0.6L, 0.9L, -1},
         {1, 2, 3, -2},
         Ebenenlage::parallel,
         {},
         0},
        {"identisch, eine Stelle",
         {0.3L, 0.6L, 0.9L, -1.2L},
         {1, 2, 3, -4},
         Ebenenlage::identisch,
         {},
         0},
        {"identisch, Nullen",
         {0, 0.7L, 0, -0.1L},
         {0, 2.1L, 0, -0.3L},
         Ebenenlage::identisch,
         {},
         0},
        // The constants differ by a tiny part of their size: still two planes.
        {"weit draußen", {1, 0, 0, 1000000}, {1, 0, 0, 1000000.1L}, Ebenenlage::parallel, {}, 0},
        {"Normale 0", {0, 0, 0, 1}, {1, 0, 0, 0}, Ebenenlage::fehlerhaft, {}, 0},
        {"beide 0", {0, 0, 0, 0}, {0, 0, 0, 0}, Ebenenlage::fehlerhaft, {}, 0},
    };
    for (const Fall& f : faelle) {
        const Ebenenschnitt s = ebenen_schneiden(f.e1, f.e2);
        EXPECT_EQ(s.lage, f.lage) << f.name;
        if (s.lage != Ebenenlage::schnitt) continue;
        EXPECT_TRUE(nahe(s.schnittgerade.a, f.gerade.a)) << f.name;
        EXPECT_TRUE(nahe(s.schnittgerade.u, f.gerade.u)) << f.name;
        EXPECT_TRUE(nahe(s.winkel, f.winkel)) << f.name;
    }
    EXPECT_STREQ(lagetext(Ebenenlage::identisch), "Keine Schnittgerade. Ebenen sind identisch.");
    EXPECT_STREQ(lagetext(Ebenenlage::parallel), "Keine Schnittgerade. Ebenen sind parallel.");
    EXPECT_STREQ(lagetext(Ebenenlage::schnitt), "Schnittgerade");
}

// ---- random one-decimal inputs against exact integer arithmetic (values in tenths) ----

using Ganz = long long;
struct G3 {
    Ganz x1, x2, x3;
};
G3 kreuz(G3 a, G3 b) {
    return {a.x2 * b.x3 - a.x3 * b.x2, a.x3 * b.x1 - a.x1 * b.x3, a.x1 * b.x2 - a.x2 * b.x1};
}
Ganz skalar(G3 a, G3 b) {
    return a.x1 * b.x1 + a.x2 * b.x2 + a.x3 * b.x3;
}
bool null(G3 a) {
    return a.x1 == 0 && a.x2 == 0 && a.x3 == 0;
}
Vektor3 zehntel(G3 a) {
    // Parsed from text as the fields do, so 0,3 is the long double nearest to 0.3.
    auto z = [](Ganz k) { return std::stold(std::to_string(k) + "e-1"); };
    return {z(a.x1), z(a.x2), z(a.x3)};
}
long double zehntel(Ganz k) {
    return std::stold(std::to_string(k) + "e-1");
}

// The exact position of two planes given as integer rows (n, d): a common factor of a row does
// not matter.
Ebenenlage exakt(G3 n1, __int128 d1, G3 n2, __int128 d2) {
    if (null(n1) || null(n2)) return Ebenenlage::fehlerhaft;
    if (!null(kreuz(n1, n2))) return Ebenenlage::schnitt;
    const Ganz k1[] = {n1.x1, n1.x2, n1.x3}, k2[] = {n2.x1, n2.x2, n2.x3};
    for (int i = 0; i < 3; ++i)
        if (static_cast<__int128>(k1[i]) * d2 - d1 * k2[i] != 0) return Ebenenlage::parallel;
    return Ebenenlage::identisch;
}

// A computed line of intersection lies in both planes.
void liegtIn(const Ebenenschnitt& s, const Koordinatenebene& e, int fall) {
    const Vektor3 n = e.normale();
    const Gerade3& g = s.schnittgerade;
    const long double skala = laenge(n) * (laenge(g.a) + laenge(g.u)) + std::fabs(e.d);
    EXPECT_LE(std::fabs(skalarprodukt(n, g.a) + e.d), 1e-12L * skala) << fall;
    EXPECT_LE(std::fabs(skalarprodukt(n, g.u)), 1e-12L * skala) << fall;
    EXPECT_FALSE(ist_nullvektor(g.u)) << fall;
}

class Zufall {
public:
    Ganz zahl(Ganz von, Ganz bis) { return std::uniform_int_distribution<Ganz>(von, bis)(m_); }
    G3 vektor(Ganz grenze) {
        return {zahl(-grenze, grenze), zahl(-grenze, grenze), zahl(-grenze, grenze)};
    }
    G3 mal(Ganz k, G3 a) { return {k * a.x1, k * a.x2, k * a.x3}; }

private:
    std::mt19937_64 m_{20240519};
};

// Pairs in coordinate form: random ones, multiples of one normal with an independent or a
// matching constant, and normals one tenth away from parallel.
TEST(ZufallsEbenen, ZehntausendPaareInKoordinatenform) {
    Zufall z;
    int zaehler[4] = {};
    for (int fall = 0; fall < 10000; ++fall) {
        G3 n1, n2;
        Ganz d1, d2;
        const Ganz art = z.zahl(0, 3);
        if (art == 0) {
            n1 = z.vektor(30);
            n2 = z.vektor(30);
            d1 = z.zahl(-30, 30);
            d2 = z.zahl(-30, 30);
        } else {
            const G3 g = z.vektor(4);
            const Ganz s1 = z.zahl(-15, 15), s2 = z.zahl(-15, 15);
            n1 = z.mal(s1, g);
            n2 = z.mal(s2, g);
            const Ganz e = z.zahl(-6, 6);
            d1 = art == 2 ? s1 * e : z.zahl(-30, 30);
            d2 = art == 2 ? s2 * e : z.zahl(-30, 30);
            if (art == 3) n2.x2 += z.zahl(0, 1) * 2 - 1;
        }
        const Koordinatenebene e1{zehntel(n1.x1), zehntel(n1.x2), zehntel(n1.x3), zehntel(d1)};
        const Koordinatenebene e2{zehntel(n2.x1), zehntel(n2.x2), zehntel(n2.x3), zehntel(d2)};
        const Ebenenlage soll = exakt(n1, d1, n2, d2);
        const Ebenenschnitt s = ebenen_schneiden(e1, e2);
        ASSERT_EQ(s.lage, soll) << "Fall " << fall;
        ++zaehler[static_cast<int>(soll)];
        if (soll == Ebenenlage::schnitt) {
            liegtIn(s, e1, fall);
            liegtIn(s, e2, fall);
        }
    }
    // Every position occurs often enough to mean something.
    for (int anzahl : zaehler)
        EXPECT_GT(anzahl, 100);
}

// Planes through three one-decimal points, through the whole chain of conversions: the second
// plane from integer combinations of the first plane's points (the same plane), shifted by a
// one-decimal vector (parallel, or the same plane when the shift lies in it), or at random.
TEST(ZufallsEbenen, ZehntausendPaareAusDreiPunkten) {
    Zufall z;
    int zaehler[4] = {};
    for (int fall = 0; fall < 10000; ++fall) {
        G3 p[3]{}, q[3]{};
        for (G3& x : p)
            x = z.vektor(20);
        const Ganz art = z.zahl(0, 2);
        for (int i = 0; i < 3; ++i) {
            if (art == 0) {
                q[i] = z.vektor(20);
            } else if (art == 1) {
                const Ganz m = z.zahl(-2, 2), n = z.zahl(-2, 2);
                q[i] = {p[0].x1 + m * (p[1].x1 - p[0].x1) + n * (p[2].x1 - p[0].x1),
                        p[0].x2 + m * (p[1].x2 - p[0].x2) + n * (p[2].x2 - p[0].x2),
                        p[0].x3 + m * (p[1].x3 - p[0].x3) + n * (p[2].x3 - p[0].x3)};
            }
        }
        if (art == 2) {
            const G3 v = z.zahl(0, 3) == 0
                             ? G3{p[1].x1 - p[0].x1, p[1].x2 - p[0].x2, p[1].x3 - p[0].x3}
                             : z.vektor(5);
            for (int i = 0; i < 3; ++i)
                q[i] = {p[i].x1 + v.x1, p[i].x2 + v.x2, p[i].x3 + v.x3};
        }
        auto zeile = [](const G3(&x)[3], G3& n, __int128& d) {
            n = kreuz({x[1].x1 - x[0].x1, x[1].x2 - x[0].x2, x[1].x3 - x[0].x3},
                      {x[2].x1 - x[0].x1, x[2].x2 - x[0].x2, x[2].x3 - x[0].x3});
            d = -static_cast<__int128>(skalar(n, x[0]));
            n = {10 * n.x1, 10 * n.x2, 10 * n.x3}; // n·(x/10) + d/100 = 0, times 100
        };
        G3 n1, n2;
        __int128 d1, d2;
        zeile(p, n1, d1);
        zeile(q, n2, d2);
        const Ebenenlage soll = exakt(n1, d1, n2, d2);
        const Koordinatenebene e1 = aus_punkten(zehntel(p[0]), zehntel(p[1]), zehntel(p[2]));
        const Koordinatenebene e2 = aus_punkten(zehntel(q[0]), zehntel(q[1]), zehntel(q[2]));
        const Ebenenschnitt s = ebenen_schneiden(e1, e2);
        ASSERT_EQ(s.lage, soll) << "Fall " << fall;
        ++zaehler[static_cast<int>(soll)];
        if (soll == Ebenenlage::schnitt) {
            liegtIn(s, e1, fall);
            liegtIn(s, e2, fall);
        }
    }
    for (int anzahl : zaehler)
        EXPECT_GT(anzahl, 10);
}

// Lines and planes: directions across the normal (parallel), points of the plane (in the plane)
// and random ones.
TEST(ZufallsEbenen, ZehntausendGeradenUndEbenen) {
    Zufall z;
    int zaehler[4] = {};
    for (int fall = 0; fall < 10000; ++fall) {
        const G3 n = z.vektor(30);
        // A in whole numbers, so a constant d = −N·A is a one-decimal number.
        const G3 a = z.mal(10, z.vektor(5));
        const Ganz art = z.zahl(0, 2);
        const G3 u = art == 0 ? z.vektor(30) : kreuz(n, z.vektor(3));
        const Ganz d = z.zahl(0, 1) == 0 ? -skalar(n, a) / 10 : z.zahl(-30, 30);
        const Koordinatenebene e{zehntel(n.x1), zehntel(n.x2), zehntel(n.x3), zehntel(d)};
        const Gerade3 g{zehntel(a), zehntel(u)};
        GeradeEbeneLage soll = GeradeEbeneLage::schnitt;
        if (null(n) || null(u))
            soll = GeradeEbeneLage::fehlerhaft;
        else if (skalar(n, u) == 0)
            soll =
                skalar(n, a) + 10 * d == 0 ? GeradeEbeneLage::in_ebene : GeradeEbeneLage::parallel;
        const GeradeEbeneSchnitt s = gerade_ebene_schneiden(e, g);
        ASSERT_EQ(s.lage, soll) << "Fall " << fall;
        ++zaehler[static_cast<int>(soll)];
        if (soll == GeradeEbeneLage::schnitt) {
            const long double skala = laenge(e.normale()) * laenge(s.schnittpunkt) + std::fabs(e.d);
            EXPECT_LE(std::fabs(skalarprodukt(e.normale(), s.schnittpunkt) + e.d), 1e-12L * skala);
            EXPECT_GE(s.winkel, 0);
            EXPECT_LE(s.winkel, 90);
        }
    }
    for (int k = 1; k < 4; ++k)
        EXPECT_GT(zaehler[k], 100) << k;
}

} // namespace

// The mappings' arithmetic: every mapping on known points, the reflections in lines that the
// slope form cannot describe, a line through two equal points, the image texts and the plot range
// around points.
#include "modules/geometry/abbildungsrechnung.h"
#include "modules/geometry/zeichenrahmen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace zol;

void nah(long double ist, long double soll, const char* was) {
    EXPECT_NEAR(static_cast<double>(ist), static_cast<double>(soll),
                1e-12 * std::max(1.0, std::fabs(static_cast<double>(soll))))
        << was;
}

Abbildungsvorgabe spiegelung(Spiegelart art) {
    Abbildungsvorgabe v;
    v.art = Abbildungsart::spiegelung;
    v.spiegelart = art;
    return v;
}

TEST(Abbildungsrechnung, BilderBekannterPunkte) {
    struct Fall {
        const char* name;
        Abbildungsvorgabe v;
        Vektor2 p;
        Vektor2 bild;
    };
    std::vector<Fall> faelle;
    {
        Abbildungsvorgabe v;
        v.verschiebung = {2, -3};
        faelle.push_back({"Verschiebung", v, {1, 1}, {3, -2}});
    }
    faelle.push_back({"Ursprung", spiegelung(Spiegelart::ursprung), {2, -5}, {-2, 5}});
    {
        Abbildungsvorgabe v = spiegelung(Spiegelart::punkt);
        v.punkt1 = {1, 2};
        faelle.push_back({"Punkt", v, {4, 0}, {-2, 4}});
    }
    faelle.push_back({"x-Achse", spiegelung(Spiegelart::x_achse), {2, 3}, {2, -3}});
    faelle.push_back({"y-Achse", spiegelung(Spiegelart::y_achse), {2, 3}, {-2, 3}});
    {
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_mx);
        v.m = 1;
        faelle.push_back({"y=x", v, {1, 2}, {2, 1}});
    }
    {
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_mxt);
        v.m = 2;
        v.t = -1;
        faelle.push_back({"y=2x-1", v, {3, 1}, {-0.2L, 2.6L}});
    }
    {
        // The slope form with m = 0 is the line y = t.
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_mxt);
        v.m = 0;
        v.t = 3;
        faelle.push_back({"y=0x+3", v, {1, 1}, {1, 5}});
    }
    {
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_mx);
        v.m = 0;
        faelle.push_back({"y=0x", v, {1, 4}, {1, -4}});
    }
    {
        // The same line y = 2x − 1 through (0|−1) and (1|1).
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_zwei_punkte);
        v.punkt1 = {0, -1};
        v.punkt2 = {1, 1};
        faelle.push_back({"2 Punkte", v, {3, 1}, {-0.2L, 2.6L}});
    }
    {
        // Two points with equal x: the vertical line x = 2.
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_zwei_punkte);
        v.punkt1 = {2, -1};
        v.punkt2 = {2, 7};
        faelle.push_back({"2 Punkte senkrecht", v, {5, 3}, {-1, 3}});
    }
    {
        // Two points with equal y: the horizontal line y = 3.
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_zwei_punkte);
        v.punkt1 = {-4, 3};
        v.punkt2 = {1, 3};
        faelle.push_back({"2 Punkte waagerecht", v, {0, 0}, {0, 6}});
    }
    {
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_x_k);
        v.k = 1;
        faelle.push_back({"x=1", v, {3, 1}, {-1, 1}});
    }
    {
        Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_y_k);
        v.k = 3;
        faelle.push_back({"y=3", v, {-2, 1}, {-2, 5}});
    }
    {
        Abbildungsvorgabe v;
        v.art = Abbildungsart::drehung;
        v.drehwinkel = 90;
        faelle.push_back({"90 Grad", v, {1, 0}, {0, 1}});
    }
    {
        Abbildungsvorgabe v;
        v.art = Abbildungsart::drehung;
        v.drehpunkt = {1, 1};
        v.drehwinkel = 30;
        faelle.push_back({"30 Grad um (1|1)",
                          v,
                          {2, 0},
                          {1 + std::sqrt(3.0L) / 2 + 0.5L, 1 + 0.5L - std::sqrt(3.0L) / 2}});
    }
    {
        Abbildungsvorgabe v;
        v.art = Abbildungsart::drehung;
        v.drehwinkel = -450; // a quarter turn clockwise
        faelle.push_back({"-450 Grad", v, {1, 0}, {0, -1}});
    }
    {
        Abbildungsvorgabe v;
        v.art = Abbildungsart::streckung;
        v.streckzentrum = {1, 1};
        v.streckfaktor = 3;
        faelle.push_back({"Streckung", v, {2, 2}, {4, 4}});
    }
    {
        Abbildungsvorgabe v;
        v.art = Abbildungsart::streckung;
        v.streckzentrum = {1, -1};
        v.streckfaktor = 0;
        faelle.push_back({"Faktor 0", v, {7, 9}, {1, -1}});
    }
    for (const Fall& f : faelle) {
        Ebenenabbildung a;
        std::string fehler;
        ASSERT_TRUE(abbildung_aufstellen(f.v, a, fehler)) << f.name;
        const Vektor2 b = abbilden(a, f.p);
        nah(b.x, f.bild.x, f.name);
        nah(b.y, f.bild.y, f.name);
    }
}

// A quarter turn is exact: no rounding remainder shows as "-0,00" or 6E-17.
TEST(Abbildungsrechnung, VierteldrehungenExakt) {
    for (long double w : {90.0L, 180.0L, 270.0L, 360.0L, -90.0L, 720.0L}) {
        Abbildungsvorgabe v;
        v.art = Abbildungsart::drehung;
        v.drehwinkel = w;
        Ebenenabbildung a;
        std::string fehler;
        ASSERT_TRUE(abbildung_aufstellen(v, a, fehler));
        EXPECT_TRUE(a.a11 == std::round(a.a11) && a.a12 == std::round(a.a12)) << w;
    }
}

TEST(Abbildungsrechnung, ZweiGleichePunkteLegenKeineGeradeFest) {
    Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_zwei_punkte);
    v.punkt1 = {0.1L + 0.2L, 1};
    v.punkt2 = {0.3L, 1};
    Ebenenabbildung a;
    a.a11 = 7;
    std::string fehler;
    EXPECT_FALSE(abbildung_aufstellen(v, a, fehler));
    EXPECT_EQ(fehler, "Die beiden Punkte fallen zusammen und legen keine Gerade fest.");
    EXPECT_EQ(a.a11, 7); // unchanged
}

TEST(Abbildungsrechnung, Bildtexte) {
    Abbildungsvorgabe v = spiegelung(Spiegelart::gerade_mxt);
    v.m = 2;
    v.t = -1;
    Ebenenabbildung a;
    std::string fehler;
    ASSERT_TRUE(abbildung_aufstellen(v, a, fehler));
    const auto t =
        bildtexte(a, {{3, 1}, {0, -1}, {std::numeric_limits<long double>::infinity(), 0}}, "0.00");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0], (std::vector<std::string>{"-0,20", "2,60"}));
    // A point on the mirror line stays; no "-0,00".
    EXPECT_EQ(t[1], (std::vector<std::string>{"0,00", "-1,00"}));
    EXPECT_EQ(t[2], (std::vector<std::string>{"n. d.", "n. d."}));

    v = Abbildungsvorgabe{};
    v.art = Abbildungsart::drehung;
    v.drehpunkt = {1, 1};
    v.drehwinkel = 30;
    ASSERT_TRUE(abbildung_aufstellen(v, a, fehler));
    EXPECT_EQ(bildtexte(a, {{2, 0}}, "0.00")[0], (std::vector<std::string>{"2,37", "0,63"}));
}

} // namespace

namespace {

using namespace zol;

TEST(Zeichenrahmen, PunkteMitRandAufGanzenTeilstrichen) {
    struct Fall {
        const char* name;
        std::vector<Vektor2> punkte;
        Zeichenrahmen soll;
    };
    const long double unendlich = std::numeric_limits<long double>::infinity();
    const Fall faelle[] = {
        {"klein", {{1, 1}, {6, 4}, {2, -2}}, {0, 7, 1, -3, 5, 1}},
        {"groß", {{0, 0}, {1000, 500}}, {-200, 1200, 200, -100, 600, 100}},
        // One point: a span of 2 gets ten ticks of 0,2.
        {"ein Punkt", {{0.5L, 0.5L}}, {-0.6L, 1.6L, 0.2L, -0.6L, 1.6L, 0.2L}},
        {"nicht endlich übergangen",
         {{1, 1}, {unendlich, 0}, {6, 4}, {2, -2}},
         {0, 7, 1, -3, 5, 1}},
        {"keine Punkte", {}, {}},
    };
    for (const Fall& f : faelle) {
        const Zeichenrahmen r = zeichenrahmen(f.punkte);
        nah(r.xmin, f.soll.xmin, f.name);
        nah(r.xmax, f.soll.xmax, f.name);
        nah(r.xschritt, f.soll.xschritt, f.name);
        nah(r.ymin, f.soll.ymin, f.name);
        nah(r.ymax, f.soll.ymax, f.name);
        nah(r.yschritt, f.soll.yschritt, f.name);
    }
}

} // namespace

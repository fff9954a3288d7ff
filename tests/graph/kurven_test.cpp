#include "engine/fktbaum.h"
#include "engine/meldung.h"
#include "graph/neuaufbau.h"
#include "seitenhilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using zol::Teinzelnefkt;
using zol::Tfktachsen;
using zol::Tlist1;
using zol::Tpunkt;
using zol::Tzeichenvorgaben;
using namespace zol::test;
using Zuege = std::vector<std::vector<Tpunkt>>;

struct Seite {
    zol::Tfktbaum baum;
    Tzeichenvorgaben v;
    Tlist1 liste;
    Seite() { v.formeln = &baum; }
    Zuege zeichne(const Teinzelnefkt& e) {
        liste.leeren();
        Tfktachsen motor(liste, v);
        motor.aktuell = &e;
        motor.fktzeichnen();
        return zuege(liste);
    }
};

Teinzelnefkt funktion(const char* definition) {
    Teinzelnefkt e;
    e.name = definition;
    return e;
}

// Near the pole the samples leave the y range: two runs, each ending at its last sample inside
// -3 ... 3 (x = -0,34 and x = 0,34; +-0,33 gives |y| > 3).
TEST(Kurven, EinsDurchXZerfaelltInZweiLaeufe) {
    Seite s;
    const Zuege z = s.zeichne(funktion("f(x)=1/x"));
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0].size(), 267u);
    EXPECT_EQ(z[0].front(), (Tpunkt{200, -433}));
    EXPECT_EQ(z[0].back(), (Tpunkt{555, -694}));
    EXPECT_EQ(z[1].size(), 267u);
    EXPECT_EQ(z[1].front(), (Tpunkt{645, -106}));
    EXPECT_EQ(z[1].back(), (Tpunkt{1000, -367}));
}

// x^2 <= 3 only for |x| <= 1,73: one run between the last samples inside on both sides.
TEST(Kurven, ParabelWirdAmRandAbgeschnitten) {
    Seite s;
    const Zuege z = s.zeichne(funktion("f(x)=x*x"));
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].size(), 347u);
    EXPECT_EQ(z[0].front(), (Tpunkt{369, -101}));
    EXPECT_EQ(z[0].back(), (Tpunkt{831, -101}));
    EXPECT_EQ(z[0][300 - 127], (Tpunkt{600, -400})); // x = 0
}

// 600 steps: 601 values; 600 first derivatives at x1 ... x600; 600 second derivatives, for
// which f is evaluated one step beyond the right end (a function undefined there loses the
// last one).
TEST(Kurven, AnzahlDerAbtastpunkte) {
    struct Fall {
        const char* definition;
        int kurve; // 0 values, 1 first, 2 second derivative
        std::size_t punkte;
        Tpunkt erster, letzter;
    };
    const Fall faelle[] = {
        {"f(x)=x", 0, 601, {200, -700}, {1000, -100}},
        {"f(x)=x", 1, 600, {201, -300}, {1000, -300}},
        {"f(x)=x", 2, 600, {201, -400}, {1000, -400}},
        {"g(x)=x+0*sqrt(3,005-x)", 1, 600, {201, -300}, {1000, -300}},
        {"g(x)=x+0*sqrt(3,005-x)", 2, 599, {201, -400}, {999, -400}},
    };
    for (const Fall& f : faelle) {
        Seite s;
        Teinzelnefkt e = funktion(f.definition);
        e.zeigewert = f.kurve == 0;
        e.zeigeableit = f.kurve == 1;
        e.zeige2ableit = f.kurve == 2;
        const Zuege z = s.zeichne(e);
        ASSERT_EQ(z.size(), 1u) << f.definition << " " << f.kurve;
        EXPECT_EQ(z[0].size(), f.punkte) << f.definition << " " << f.kurve;
        EXPECT_EQ(z[0].front(), f.erster) << f.definition << " " << f.kurve;
        EXPECT_EQ(z[0].back(), f.letzter) << f.definition << " " << f.kurve;
    }
}

TEST(Kurven, Integralfunktion) {
    struct Fall {
        const char* definition;
        long double konstante;
        Tpunkt erster, letzter;
    };
    // y from -2 to 8: 60 units per unit, y = 0 at -580.
    const Fall faelle[] = {
        {"f(x)=1", 0, {201, -579}, {1000, -220}}, // reaches 6 at x = 3
        {"f(x)=1", 1, {201, -519}, {1000, -160}}, // the constant joins the first interval
        {"f(x)=1/(x+3)", 1, {203, -535}, {}},     // first interval undefined: no constant
    };
    for (const Fall& f : faelle) {
        Seite s;
        s.v.ymin = -2;
        s.v.ymax = 8;
        Teinzelnefkt e = funktion(f.definition);
        e.zeigewert = false;
        e.zeigeintegral = true;
        e.integralkonst = f.konstante;
        const Zuege z = s.zeichne(e);
        ASSERT_EQ(z.size(), 1u) << f.definition;
        EXPECT_EQ(z[0].front(), f.erster) << f.definition;
        if (f.letzter != Tpunkt{}) {
            EXPECT_EQ(z[0].size(), 600u) << f.definition;
            EXPECT_EQ(z[0].back(), f.letzter) << f.definition;
        }
    }
    // In the default range the curve stops at its last sample not above 3, at x = 0.
    Seite s;
    Teinzelnefkt e = funktion("f(x)=1");
    e.zeigewert = false;
    e.zeigeintegral = true;
    const Zuege z = s.zeichne(e);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_NEAR(z[0].back().x, 600, 1);
    EXPECT_NEAR(z[0].back().y, -100, 1);
}

TEST(Kurven, AlleVierKurvenInDieserReihenfolge) {
    Seite s;
    Teinzelnefkt e = funktion("f(x)=x");
    e.zeigeableit = e.zeige2ableit = e.zeigeintegral = true;
    const Zuege z = s.zeichne(e);
    // The integral (x^2 - 9) / 2 dips below -3 between -1,73 and 1,73: two runs.
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(z[0].front().y, -700); // f(-3) = -3
    EXPECT_EQ(z[1].front().y, -300); // f' = 1
    EXPECT_EQ(z[2].front().y, -400); // f'' = 0
    EXPECT_EQ(z[3].front().y, -403); // integral from -3 to -2,99: -0,02995
    EXPECT_EQ(z[4].back(), (Tpunkt{1000, -400}));
}

TEST(Kurven, EingeschraenkterBereichUndStift) {
    Seite s;
    Teinzelnefkt e = funktion("f(x)=0");
    e.einschraenken = true;
    e.von = -1;
    e.bis = 1;
    e.farbe = Qt::red;
    e.breite = 5;
    e.stil = 3;
    const Zuege z = s.zeichne(e);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].size(), 601u);
    EXPECT_EQ(z[0].front(), (Tpunkt{467, -400}));
    EXPECT_EQ(z[0].back(), (Tpunkt{733, -400}));
    EXPECT_EQ(s.liste[0].stift, (zol::Tstift{Qt::red, 5, 3}));
}

// t = -3, -2, -1, 0: four parabolas with their vertices at y = t; t stays defined as 0.
TEST(Kurven, ScharLaesstDenParameterDefiniert) {
    Seite s;
    Teinzelnefkt e = funktion("f(x)=x*x+t");
    e.art = Teinzelnefkt::schar;
    e.name2 = "t";
    e.scharvon = -3;
    e.scharschritt = 1;
    e.scharanzahl = 4;
    const Zuege z = s.zeichne(e);
    ASSERT_EQ(z.size(), 4u);
    const int scheitel[] = {-700, -600, -500, -400};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(
            std::min_element(z[i].begin(), z[i].end(), [](Tpunkt a, Tpunkt b) { return a.y < b.y; })
                ->y,
            scheitel[i]);
    long double t = 99;
    ASSERT_TRUE(s.baum.fktberechnen("T", 0, t));
    EXPECT_EQ(t, 0);
}

TEST(Kurven, ScharMitUnbrauchbaremParameterZeichnetNichts) {
    Seite s;
    Teinzelnefkt e = funktion("f(x)=x*x+t");
    e.art = Teinzelnefkt::schar;
    e.name2 = "3t";
    EXPECT_TRUE(s.zeichne(e).empty());
}

// x = sin t, y = cos t for t from -3 to 3 in 50 steps: 51 points on the (page) ellipse.
TEST(Kurven, ParameterkurveKreis) {
    Seite s;
    Teinzelnefkt e = funktion("x(t)=sin(t)");
    e.art = Teinzelnefkt::parameter;
    e.name2 = "y(t)=cos(t)";
    e.scharvon = -3;
    e.scharschritt = 3;
    e.scharanzahl = 50;
    const Zuege z = s.zeichne(e);
    ASSERT_EQ(z.size(), 1u);
    ASSERT_EQ(z[0].size(), 51u);
    EXPECT_EQ(z[0].front(), (Tpunkt{581, -499})); // (sin -3, cos -3) = (-0,141, -0,990)
    EXPECT_EQ(z[0].back(), (Tpunkt{619, -499}));
    for (Tpunkt p : z[0]) {
        const double u = (p.x - 600) / (800.0 / 6), w = (p.y + 400) / 100.0;
        EXPECT_NEAR(u * u + w * w, 1.0, 0.02) << p;
    }
    // Leaving the window breaks the curve; it resumes on re-entering.
    s.v.xmax = 0.5;
    EXPECT_EQ(s.zeichne(e).size(), 2u);
}

TEST(Kurven, UnbekannteFunktionZeichnetNichtsUndMeldetNichts) {
    Meldungsprotokoll meldungen;
    Seite s;
    EXPECT_TRUE(s.zeichne(funktion("h")).empty());
    EXPECT_TRUE(s.zeichne(funktion("f(x)=x*")).empty());
    EXPECT_TRUE(meldungen.texte.empty());
}

// The whole rebuild: axes, the curves in list order, the free text below the plot area.
TEST(Kurven, NeuaufbauDerSeite) {
    zol::Tfktbaum baum;
    Tzeichenvorgaben v;
    v.formeln = &baum;
    v.freitext = {"Zeile 1", "Zeile 2"};
    std::vector<Teinzelnefkt> kurven = {funktion("f(x)=x*x"), funktion("g(x)=1/x")};
    Tlist1 liste;
    zol::neuaufbau(liste, v, kurven);
    zol::neuaufbau(liste, v, kurven); // the list is cleared first
    const auto alles = beschreibung(liste);
    ASSERT_EQ(alles.size(), 42u + 13u + 3u + 1u);
    EXPECT_EQ(alles[55], "P 347");
    EXPECT_EQ(alles[56], "P 267");
    EXPECT_EQ(alles[57], "P 267");
    const auto& frei = static_cast<const zol::Ttext&>(liste[58]);
    EXPECT_EQ(frei.rect.x1, 200);
    EXPECT_EQ(frei.rect.y1, -750);
    EXPECT_EQ(frei.zeilen, v.freitext);
    EXPECT_EQ(frei.schrift, v.schrift);
}

} // namespace

namespace {

// Every field within its bound, the product not: 10 000 members at a resolution of 999 999.
// The page draws what fits and says once why the rest is missing.
TEST(Kurven, SeiteHatEineGrenzeFuerAllePunkte) {
    std::vector<std::string> meldungen;
    auto vorher = zol::setze_meldungsempfaenger(
        [&meldungen](const std::string& m) { meldungen.push_back(m); });
    zol::Tfktbaum baum;
    Tzeichenvorgaben v;
    v.formeln = &baum;
    Teinzelnefkt klein = funktion("g(x)=x");
    Teinzelnefkt schar = funktion("f(x)=x*x+t");
    schar.art = Teinzelnefkt::schar;
    schar.name2 = "t";
    schar.scharvon = 0;
    schar.scharschritt = 1;
    schar.scharanzahl = 10000;
    schar.aufloesung = 999999;
    Tlist1 liste;
    const std::vector<Teinzelnefkt> kurven = {klein, schar, schar, klein};
    zol::neuaufbau(liste, v, kurven);
    zol::setze_meldungsempfaenger(std::move(vorher));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("10 Millionen Punkte"), std::string::npos);
    // Both small curves are there, no family member is.
    EXPECT_EQ(zuege(liste).size(), 2u);
}

} // namespace

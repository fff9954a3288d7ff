// "Nur Zeichnung": the box around what a page draws, and pictures of it in every format.
#include "graph/export/bildexport.h"
#include "graph/tlist1.h"
#include "tests/hilfe/bildpruefung.h"

#include <QImage>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <functional>

namespace zol {
namespace {

Tlist1 seite() {
    Tlist1 l;
    l.seitenbreite = 2000;
    l.seitenhoehe = 2700;
    return l;
}

void linie(Tlist1& l, Tpunkt a, Tpunkt b, int breite = 1, int stil = stil_linie) {
    l.neu<Tline>(a, b, Tstift{Qt::black, breite, stil});
}

void punkte(Tlist1& l, std::initializer_list<Tpunkt> p, int breite, int stil) {
    auto& zug = l.neu<Tpolyline>();
    zug.setze_punkte(std::span<const Tpunkt>(p.begin(), p.size()));
    zug.stift = Tstift{Qt::black, breite, stil};
}

void text(Tlist1& l, Tpunkt p, const char* zeile) {
    l.neu<Ttext>(p, Tschrift{}, std::vector<std::string>{zeile});
}

// The plot engine's frame 200 ... 1000 by -100 ... -700 with a curve through it.
Tlist1 graph() {
    Tlist1 l = seite();
    linie(l, {200, -100}, {1000, -100});
    linie(l, {1000, -100}, {1000, -700});
    linie(l, {1000, -700}, {200, -700});
    linie(l, {200, -700}, {200, -100});
    punkte(l, {{200, -700}, {600, -300}, {1000, -700}}, 5, stil_linie);
    return l;
}

TEST(Ausschnitt, KastenUmDasGezeichnete) {
    struct Fall {
        const char* name;
        std::function<void(Tlist1&)> zeichne;
        Seitenausschnitt erwartet;
    };
    const Seitenausschnitt ganz{0, 0, 2000, 2700};
    const Fall faelle[] = {
        {"leer", [](Tlist1&) {}, ganz},
        {"unsichtbar",
         [](Tlist1& l) {
             linie(l, {0, 0}, {10, -10}, 1, stil_unsichtbar);
         },
         ganz},
        // Half the pen width and the margin on every side.
        {"linie",
         [](Tlist1& l) {
             linie(l, {200, -100}, {1000, -700});
         },
         {179.5, -79.5, 841, 641}},
        {"breite linie",
         [](Tlist1& l) {
             linie(l, {1000, -700}, {200, -100}, 10);
         },
         {175, -75, 850, 650}},
        // Markers of radius 10 around the points.
        {"punkte",
         [](Tlist1& l) {
             punkte(l, {{500, -500}, {600, -500}}, 2, stil_grosser_kreis);
         },
         {469, -469, 162, 62}},
        {"kleine quadrate",
         [](Tlist1& l) {
             punkte(l, {{500, -500}}, 2, stil_kleines_quadrat);
         },
         {474, -474, 52, 52}},
        // The frame's thin lines above, the curve's 0.5 mm pen at the corners below.
        {"rahmen", [](Tlist1& l) { l = graph(); }, {177.5, -79.5, 845, 643}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tlist1 l = seite();
        f.zeichne(l);
        const Seitenausschnitt a = seitenausschnitt(l, true);
        EXPECT_DOUBLE_EQ(a.links, f.erwartet.links);
        EXPECT_DOUBLE_EQ(a.oben, f.erwartet.oben);
        EXPECT_DOUBLE_EQ(a.breite, f.erwartet.breite);
        EXPECT_DOUBLE_EQ(a.hoehe, f.erwartet.hoehe);
        // Without the choice the picture holds the whole page.
        EXPECT_EQ(seitenausschnitt(l, false), ganz);
    }
}

// Texts count with what they paint: a line of text grows to the right and down from its
// corner, a text turned by 90 degrees upward.
TEST(Ausschnitt, TexteZaehlenMitIhrerAusdehnung) {
    Tlist1 waagrecht = seite();
    text(waagrecht, {500, -500}, "Beschriftung");
    const Seitenausschnitt w = seitenausschnitt(waagrecht, true);
    EXPECT_NEAR(w.links, 480, 1);
    EXPECT_NEAR(w.oben, -480, 5);
    EXPECT_GT(w.breite, 2 * w.hoehe);

    Tlist1 gedreht = seite();
    text(gedreht, {500, -500}, "\\k(90;Beschriftung)");
    const Seitenausschnitt g = seitenausschnitt(gedreht, true);
    EXPECT_GT(g.hoehe, 2 * g.breite);
    EXPECT_NEAR(g.hoehe, w.breite, 0.2 * w.breite);
    EXPECT_GT(g.oben, -480); // it rises above its corner

    // An empty free text draws nothing and widens nothing.
    Tlist1 leer = graph();
    text(leer, {200, -1500}, "");
    EXPECT_EQ(seitenausschnitt(leer, true), seitenausschnitt(graph(), true));
}

using test::dunkle_spalten;

// A picture 620 pixels wide: the whole page leaves the graph in the upper left corner; the
// drawing alone fills the width, in every scaling that maps onto the picture.
TEST(Ausschnitt, ZeichnungFuelltDieBreite) {
    struct Fall {
        Darstellung darstellung;
        double erste, letzte; // dark columns
    };
    // The box is 845 x 643 units; the curve's edge lies 20 units inside it.
    const double breit = 620.0 / 845;
    const double treu = std::min(620.0 / 845, 450.0 / 643); // a strip remains at the right
    const Fall faelle[] = {
        {Skalierung::willkuerlich, 62, 310},
        {{Skalierung::willkuerlich, true}, 20 * breit, 825 * breit},
        {{Skalierung::winkeltreu, true}, 20 * treu, 825 * treu},
    };
    const Tlist1 l = graph();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(int(f.darstellung.skalierung)) +
                     (f.darstellung.nur_zeichnung ? " nur" : ""));
        const QImage bild = bild_rendern(l, {620, 450}, f.darstellung);
        ASSERT_FALSE(bild.isNull());
        const auto [erste, letzte] = dunkle_spalten(bild);
        EXPECT_NEAR(erste, f.erste, 2);
        EXPECT_NEAR(letzte, f.letzte, 2);
    }
}

// True size: the picture is the drawing's box at the screen resolution; SVG and PDF hold the
// box in millimetres instead of the page.
TEST(Ausschnitt, MassstabstreuHaeltDenKasten) {
    const Tlist1 l = graph();
    const Darstellung nur{Skalierung::massstabstreu, true};
    const QSize kasten(int(std::lround(845 / 254.0 * 96)), int(std::lround(643 / 254.0 * 96)));
    EXPECT_EQ(bildgroesse(l, Bildformat::svg, {300, 400}, nur), kasten);
    EXPECT_EQ(bildgroesse(l, Bildformat::pdf, {300, 400}, nur), kasten);
    EXPECT_EQ(bildgroesse(l, Bildformat::png, {300, 400}, nur), QSize(300, 400));
    const QByteArray svg = bild_daten(l, Bildformat::svg, {300, 400}, nur);
    EXPECT_TRUE(svg.contains("width=\"84.5mm\"")) << svg.left(600).toStdString();
    // The curve's edge lands 2 mm inside the picture's corner.
    const QImage bild = bild_rendern(l, {400, 400}, nur);
    const auto [erste, letzte] = dunkle_spalten(bild);
    EXPECT_NEAR(erste, 20 / 254.0 * 96, 1.5);
    EXPECT_NEAR(letzte, 825 / 254.0 * 96, 1.5);
    // Every format writes it.
    for (Bildformat f : {Bildformat::bmp, Bildformat::wmf, Bildformat::emf, Bildformat::png,
                         Bildformat::svg, Bildformat::pdf}) {
        QString fehler;
        EXPECT_GT(bild_daten(l, f, {300, 400}, nur, &fehler).size(), 100) << fehler.toStdString();
    }
    QSvgRenderer leser(svg);
    EXPECT_TRUE(leser.isValid());
}

} // namespace
} // namespace zol

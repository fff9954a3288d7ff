#include "aufzeichner.h"
#include "engine/fktbaum.h"
#include "graph/neuaufbau.h"
#include "graph/seite.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

namespace {

using zol::Tpolyline;
using zol::Tpunkt;
using zol::test::Aufzeichner;

Tpolyline zug(int stil, int n) {
    Tpolyline p;
    std::vector<Tpunkt> punkte;
    for (int i = 0; i < n; ++i)
        punkte.push_back({i, -i});
    p.setze_punkte(punkte);
    p.stift.stil = stil;
    return p;
}

// Style 0 is one polyline; styles 1 to 4 (low seven bits) a marker on every point and no
// line; anything else draws nothing.
TEST(Malen, LinienzugUndPunktmarken) {
    struct Fall {
        int stil;
        std::size_t zuege, kreise, quadrate;
        double halbe;
    };
    const Fall faelle[] = {
        {0, 1, 0, 0, 0},    {1, 0, 601, 0, 5},    {2, 0, 601, 0, 10}, {3, 0, 0, 601, 5},
        {4, 0, 0, 601, 10}, {0x83, 0, 0, 601, 5}, {5, 0, 0, 0, 0},    {0x80, 0, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        Tpolyline p = zug(f.stil, 601);
        Aufzeichner geraet;
        {
            QPainter maler(&geraet);
            p.zeichne(maler);
        }
        const auto& a = geraet.aufzeichnung;
        ASSERT_EQ(a.zuege.size(), f.zuege) << f.stil;
        if (f.zuege) {
            EXPECT_EQ(a.zuege[0].size(), 601);
        }
        ASSERT_EQ(a.ellipsen.size(), f.kreise) << f.stil;
        ASSERT_EQ(a.rechtecke.size(), f.quadrate) << f.stil;
        EXPECT_TRUE(a.linien.empty()) << f.stil;
        for (const QRectF& r : a.ellipsen)
            EXPECT_EQ(r.size(), QSizeF(2 * f.halbe, 2 * f.halbe)) << f.stil;
        for (const QRectF& r : a.rechtecke)
            EXPECT_EQ(r.size(), QSizeF(2 * f.halbe, 2 * f.halbe)) << f.stil;
        if (!a.rechtecke.empty()) {
            EXPECT_EQ(a.rechtecke[600].center(), QPointF(600, -600));
        }
    }
}

TEST(Malen, MarkierteLinieMitDreiGriffen) {
    zol::Tline l({0, 0}, {101, -51}, {});
    l.ausgewaehlt = true;
    Aufzeichner geraet;
    {
        QPainter maler(&geraet);
        l.zeichne(maler);
    }
    const auto& a = geraet.aufzeichnung;
    ASSERT_EQ(a.linien.size(), 1u);
    ASSERT_EQ(a.rechtecke.size(), 3u);
    EXPECT_EQ(a.rechtecke[0], QRectF(-10, -10, 20, 20));
    EXPECT_EQ(a.rechtecke[1], QRectF(91, -61, 20, 20));
    EXPECT_EQ(a.rechtecke[2].center(), QPointF(50, -25));
}

// Text is drawn upright even though the page mapping has y upward.
TEST(Malen, TextStehtAufrecht) {
    zol::Ttext t({100, -100}, zol::Tschrift{}, {"H"});
    QImage bild(200, 200, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter maler(&bild);
        maler.setTransform(zol::seitenansicht(1.0));
        t.zeichne(maler);
    }
    // The glyph lies right of and below the corner (100, 100) in pixels.
    int schwarz_unten = 0, schwarz_oben = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (qGray(bild.pixel(x, y)) < 128) (y > 100 ? schwarz_unten : schwarz_oben)++;
    EXPECT_GT(schwarz_unten, 20);
    EXPECT_EQ(schwarz_oben, 0);
    EXPECT_GT(t.rect.x2, 100);
    EXPECT_LT(t.rect.y2, -100);
}

// The default page with curves renders headless; the plot area gets ink, the page margins
// to the right of it stay white.
TEST(Malen, StandardseiteOhneBildschirm) {
    zol::Tfktbaum baum;
    zol::Tzeichenvorgaben v;
    v.formeln = &baum;
    zol::Teinzelnefkt f;
    f.name = "f(x)=x*x";
    const std::vector<zol::Teinzelnefkt> kurven = {f};
    zol::Tlist1 seite;
    zol::neuaufbau(seite, v, kurven);
    QImage bild(420, 594, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    {
        QPainter maler(&bild);
        maler.setTransform(zol::winkeltreu(seite.seitenbreite, seite.seitenhoehe, bild.size()));
        seite.hintergrund(maler);
        seite.zeichnealle(maler);
    }
    auto tinte = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(bild.pixel(x, y)) < 200;
        return n;
    };
    EXPECT_GT(tinte(QRect(40, 20, 161, 121)), 500); // plot area 20..100 mm x 10..70 mm
    EXPECT_EQ(tinte(QRect(220, 0, 200, 594)), 0);
    EXPECT_EQ(qGray(bild.pixel(419, 593)), 255); // background filled
}

TEST(Seitenabbildung, Ansichten) {
    const QSizeF ziel(300, 400);
    // "winkeltreu": 400 / 2970 fills the height, a strip remains on the right.
    const QTransform w = zol::winkeltreu(2000, 2700, ziel);
    EXPECT_NEAR(w.map(QPointF(2000, -2700)).x(), 2000 * 400.0 / 2700, 1e-9);
    EXPECT_NEAR(w.map(QPointF(2000, -2700)).y(), 400, 1e-9);
    const QTransform a = zol::willkuerlich(2000, 2700, ziel);
    EXPECT_EQ(a.map(QPointF(2000, -2700)), QPointF(300, 400));
    const QTransform m = zol::massstabstreu(254);
    EXPECT_EQ(m.map(QPointF(1000, -500)), QPointF(1000, 500));
    const QTransform v = zol::seitenansicht(0.3);
    EXPECT_EQ(zol::seitenpunkt(v, QPointF(60, 30)), (Tpunkt{200, -100}));
}

} // namespace

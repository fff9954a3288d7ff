#include "engine/fktbaum.h"
#include "graph/neuaufbau.h"
#include "seitenhilfe.h"

#include <QBuffer>
#include <QDataStream>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zol::Tline;
using zol::Tlist1;
using zol::Tpolyline;
using zol::Tpunkt;
using zol::Trechteck;
using zol::Ttext;

QByteArray gespeichert(const zol::tGraphObject& o) {
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    o.speichere(s);
    return b;
}

QByteArray hex(const char* h) {
    return QByteArray::fromHex(h);
}

// Little-endian: kind (1 byte), x1, y1, x2, y2 (int32 each), then the kind's own data.
TEST(Strom, FormatDerObjekte) {
    Tline l({1, -2}, {300, -70000}, {});
    EXPECT_EQ(gespeichert(l), hex("03"
                                  "01000000"
                                  "feffffff"
                                  "2c010000"
                                  "90eefeff"));

    Ttext t({10, -20}, zol::Tschrift{}, {"ab", "Über"});
    EXPECT_EQ(gespeichert(t), hex("05"
                                  "0a000000"
                                  "ecffffff"
                                  "0a000000"
                                  "ecffffff"
                                  "02000000"
                                  "03000000"
                                  "616200"
                                  "05000000"
                                  "dc62657200"));

    Tpolyline p;
    const Tpunkt punkte[] = {{1, 2}, {3, 4}};
    p.setze_punkte(punkte);
    const QByteArray b = gespeichert(p);
    ASSERT_EQ(b.size(), 1 + 16 + 8000 + 4);
    EXPECT_EQ(b.left(1 + 16 + 16), hex("04"
                                       "01000000"
                                       "02000000"
                                       "03000000"
                                       "04000000"
                                       "01000000"
                                       "02000000"
                                       "03000000"
                                       "04000000"));
    EXPECT_EQ(b.mid(1 + 16 + 16, 7984), QByteArray(7984, '\0'));
    EXPECT_EQ(b.right(4), hex("02000000"));
}

template <class T> bool lade(T& o, const QByteArray& b) {
    QDataStream s(b);
    return o.lade(s);
}

TEST(Strom, HinUndZurueck) {
    Tline l({5, -6}, {-7, 8}, {});
    Tline l2;
    ASSERT_TRUE(lade(l2, gespeichert(l)));
    EXPECT_EQ(l2.rect, l.rect);

    Tpolyline p;
    std::vector<Tpunkt> punkte;
    for (int i = 0; i < 1000; ++i)
        punkte.push_back({i, -i * 2});
    p.setze_punkte(punkte);
    Tpolyline p2;
    ASSERT_TRUE(lade(p2, gespeichert(p)));
    EXPECT_EQ(p2.anzahl, 1000);
    EXPECT_EQ(p2.punkte, p.punkte);
    EXPECT_EQ(p2.rect, (Trechteck{0, -1998, 999, 0}));

    // Characters that Windows-1252 cannot hold are written in UTF-8 and come back.
    Ttext t({1, 2}, zol::Tschrift{}, {"Größe", "\\c(S) ∑ ≤", ""});
    Ttext t2;
    ASSERT_TRUE(lade(t2, gespeichert(t)));
    EXPECT_EQ(t2.zeilen, t.zeilen);
    EXPECT_EQ(t2.rect, t.rect);
}

// A damaged stream is refused and leaves the object as it was.
TEST(Strom, BeschaedigteDatenWerdenAbgelehnt) {
    Ttext t({1, 2}, zol::Tschrift{}, {"abc"});
    const QByteArray gut = gespeichert(t);
    struct Fall {
        const char* name;
        QByteArray daten;
    };
    const Fall faelle[] = {
        {"leer", {}},
        {"abgeschnitten", gut.left(gut.size() - 1)},
        {"falsche Art", hex("03") + gut.mid(1)},
        {"negative Zeilenzahl", gut.left(17) + hex("ffffffff")},
        {"riesige Zeile", gut.left(21) + hex("ffffff7f") + "abc"},
        {"Zeilenlaenge 0", gut.left(21) + hex("00000000")},
    };
    for (const Fall& f : faelle) {
        Ttext ziel({7, 7}, zol::Tschrift{}, {"bleibt"});
        EXPECT_FALSE(lade(ziel, f.daten)) << f.name;
        EXPECT_EQ(ziel.zeilen, std::vector<std::string>{"bleibt"}) << f.name;
    }
    Tpolyline p;
    QByteArray zuviel = gespeichert(p);
    zuviel.replace(zuviel.size() - 4, 4, hex("e9030000")); // 1001 points
    EXPECT_FALSE(lade(p, zuviel));
}

// A whole page: saved, loaded into another list, the same objects; a damaged page stream
// leaves the list untouched.
TEST(Strom, SeiteHinUndZurueck) {
    zol::Tfktbaum baum;
    zol::Tzeichenvorgaben v;
    v.formeln = &baum;
    zol::Teinzelnefkt f;
    f.name = "f(x)=x*x";
    const std::vector<zol::Teinzelnefkt> kurven = {f};
    Tlist1 seite;
    seite.seitenbreite = 2000;
    zol::neuaufbau(seite, v, kurven);
    QByteArray b;
    {
        QDataStream s(&b, QIODevice::WriteOnly);
        seite.speichere(s);
    }
    Tlist1 geladen;
    {
        QDataStream s(b);
        ASSERT_TRUE(geladen.lade(s));
    }
    EXPECT_EQ(geladen.seitenbreite, 2000);
    EXPECT_EQ(geladen.seitenhoehe, 2970);
    EXPECT_EQ(zol::test::beschreibung(geladen), zol::test::beschreibung(seite));
    EXPECT_EQ(zol::test::zuege(geladen), zol::test::zuege(seite));

    QDataStream kaputt(b.left(b.size() - 3));
    EXPECT_FALSE(geladen.lade(kaputt));
    EXPECT_EQ(zol::test::beschreibung(geladen), zol::test::beschreibung(seite));
    QDataStream unbekannt(b.left(12) + hex("07") + b.mid(13));
    EXPECT_FALSE(geladen.lade(unbekannt));
}

TEST(Trefferpruefung, RechteckUmFuenfzehnEinheitenVergroessert) {
    const Tline l({200, -300}, {100, -100}, {}); // not normalised
    struct Fall {
        Tpunkt p;
        bool trifft;
    };
    const Fall faelle[] = {
        {{150, -200}, true}, {{85, -100}, true},  {{84, -100}, false},  {{215, -85}, true},
        {{216, -85}, false}, {{100, -315}, true}, {{100, -316}, false}, {{100, -84}, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(l.trifft(f.p), f.trifft) << f.p;
}

TEST(Trefferpruefung, LiegtInUndGriff) {
    const Tline l({100, -100}, {200, -300}, {});
    EXPECT_TRUE(l.liegtin({90, -310, 210, -90}));
    EXPECT_TRUE(l.liegtin({210, -90, 90, -310}));
    EXPECT_TRUE(l.liegtin({100, -300, 200, -100}));
    EXPECT_FALSE(l.liegtin({100, -300, 199, -100}));

    struct Fall {
        Trechteck linie;
        Tpunkt p;
        bool griff;
    };
    const Fall faelle[] = {
        {{100, -100, 200, -300}, {160, -190}, true},
        {{100, -100, 200, -300}, {161, -200}, false},
        {{100, -100, 200, -300}, {150, -211}, false},
        // The midpoint is halved toward zero: (-1 + 0) / 2 = 0.
        {{-1, -1, 0, 0}, {10, 10}, true},
        {{-1, -1, 0, 0}, {-11, 0}, false},
    };
    for (const Fall& f : faelle) {
        Tline g({f.linie.x1, f.linie.y1}, {f.linie.x2, f.linie.y2}, {});
        g.ziehmodus = 7;
        EXPECT_EQ(g.trifftgriff(f.p), f.griff) << f.p;
        EXPECT_EQ(g.ziehmodus, f.griff ? 1 : 0) << f.p;
    }
}

TEST(Trefferpruefung, ObersterTrefferDerListe) {
    Tlist1 l;
    l.neu<Tline>(Tpunkt{0, 0}, Tpunkt{100, -100}, zol::Tstift{});
    l.neu<Tline>(Tpunkt{50, -50}, Tpunkt{300, -100}, zol::Tstift{});
    EXPECT_EQ(l.treffer({60, -60}), 1);
    EXPECT_EQ(l.treffer({-10, 10}), 0);
    EXPECT_EQ(l.treffer({400, 0}), -1);
    EXPECT_EQ(l.im_rechteck({-1, -101, 101, 1}), std::vector<int>{0});
}

} // namespace

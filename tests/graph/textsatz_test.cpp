#include "graph/graphobjekte.h"
#include "graph/symbolschrift.h"
#include "graph/textsatz.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zol::Satzelement;
using zol::Textdialekt;
using zol::Textsatz;

// The base font of these tests: Courier New 20 (27 units), as the plot window's labels.
zol::Satzvorgaben vorgaben(Textdialekt d = Textdialekt::seite) {
    zol::Satzvorgaben v;
    v.dialekt = d;
    v.grundschrift.setFamily("Courier New");
    v.groesse = 20;
    return v;
}

Textsatz setze(const QString& zeile, Textdialekt d = Textdialekt::seite) {
    return zol::setze_text({zeile}, QPointF(100, 50), vorgaben(d));
}

QFontMetricsF mass(int groesse, const QString& familie = "Courier New") {
    return QFontMetricsF(zol::satzschrift(QFont(), familie, groesse, 96.0 / 72.0));
}

double breite(const QString& t, int groesse = 20) {
    return mass(groesse).horizontalAdvance(t);
}

std::vector<QString> inhalte(const Textsatz& s) {
    std::vector<QString> r;
    for (const Satzelement& e : s.elemente)
        if (e.art == Satzelement::text) r.push_back(e.inhalt);
    return r;
}

constexpr double genau = 1e-6;

TEST(Textsatz, GrundmasseAusDerSchrift) {
    const Textsatz s = setze("Wort");
    EXPECT_NEAR(s.h, mass(20).height(), genau);
    EXPECT_NEAR(s.w, breite("M"), genau);
    EXPECT_EQ(s.elemente.at(0).schrift.pixelSize(), 27);
    EXPECT_NEAR(s.ende.x(), 100 + breite("Wort"), genau);
}

// x followed by the index 1: a smaller 1 half a line lower, right after the x.
TEST(Textsatz, IndexHalbeGroesseEineEbeneTiefer) {
    const Textsatz s = setze("x\\d(1)y");
    ASSERT_EQ(inhalte(s), (std::vector<QString>{"x", "1", "y"}));
    const Satzelement &x = s.elemente[0], &eins = s.elemente[1], &y = s.elemente[2];
    EXPECT_NEAR(eins.a.x(), 100 + breite("x"), genau);
    EXPECT_NEAR(eins.a.y(), 50 + s.h / 2, genau);
    EXPECT_EQ(eins.schrift.pixelSize(), 13); // 10 points
    EXPECT_EQ(x.schrift.pixelSize(), 27);
    // The size returns after the index.
    EXPECT_EQ(y.schrift.pixelSize(), 27);
    EXPECT_NEAR(y.a.x(), 100 + breite("x") + breite("1", 10), genau);
    EXPECT_NEAR(y.a.y(), 50, genau);
}

// 1 over 2 at level 0: numerator half a line up, denominator half a line down, the bar as wide
// as the wider one, the pen after it.
TEST(Textsatz, Bruch) {
    struct Fall {
        QString text;
        QString breiter;
    };
    for (const Fall& f :
         {Fall{"\\f(1;2)x", "1"}, Fall{"\\f(1;22)x", "22"}, Fall{"\\f(333;2)x", "333"}}) {
        const Textsatz s = setze(f.text);
        ASSERT_EQ(s.elemente.size(), 4u) << f.text.toStdString();
        const Satzelement &z = s.elemente[0], &n = s.elemente[1], &strich = s.elemente[2],
                          &x = s.elemente[3];
        EXPECT_NEAR(z.a.y(), 50 - s.h / 2, genau);
        EXPECT_NEAR(n.a.y(), 50 + s.h / 2, genau);
        EXPECT_NEAR(z.a.x(), 100, genau);
        EXPECT_NEAR(n.a.x(), 100, genau);
        ASSERT_EQ(strich.art, Satzelement::strich);
        EXPECT_EQ(strich.a, QPointF(100, 50 + s.h / 2));
        EXPECT_NEAR(strich.b.x(), 100 + breite(f.breiter), genau);
        EXPECT_NEAR(x.a.x(), 100 + breite(f.breiter), genau);
        EXPECT_NEAR(x.a.y(), 50, genau);
    }
}

// Fractions exist on the levels -1, 0 and 1; deeper ones are set on the nearest of these.
TEST(Textsatz, BruchEbenen) {
    struct Fall {
        QString text;
        std::vector<std::pair<QString, int>> ebenen; // text and level of its top
    };
    const Fall faelle[] = {
        {"\\f(\\f(a;b);c)", {{"a", 3}, {"b", 1}, {"c", -1}}},
        {"\\f(a;\\f(b;c))", {{"a", 1}, {"b", -1}, {"c", -3}}},
        {"\\f(\\f(\\f(a;b);c);d)", {{"a", 3}, {"b", 1}, {"c", 1}, {"d", -1}}},
        {"\\f(a;\\f(b;\\f(c;d)))", {{"a", 1}, {"b", -1}, {"c", -1}, {"d", -3}}},
    };
    for (const Fall& f : faelle) {
        const Textsatz s = setze(f.text);
        std::vector<std::pair<QString, int>> ist;
        for (const Satzelement& e : s.elemente)
            if (e.art == Satzelement::text)
                ist.emplace_back(e.inhalt, qRound((50 - e.a.y()) * 2 / s.h));
        EXPECT_EQ(ist, f.ebenen) << f.text.toStdString();
    }
}

// \p(20;10): the word's top-left corner 20 mm from the left and 10 mm from the top edge.
TEST(Textsatz, PositionInMillimetern) {
    zol::Ttext t({5, -5}, zol::Tschrift{}, {"\\p(20;10)Wort"});
    const Textsatz s = t.satz();
    ASSERT_EQ(s.elemente.size(), 1u);
    EXPECT_EQ(s.elemente[0].a, QPointF(200, 100)); // page (200, -100)
    EXPECT_EQ(s.elemente[0].inhalt, "Wort");
}

// Three lines 2h apart; the second and third indented by one "M" width. The rough extent is
// taken from the pen after the last line.
TEST(Textsatz, DreiZeilenUndAusdehnung) {
    zol::Ttext t({200, -300}, zol::Tschrift{}, {"eins", "zwei", "drei"});
    const Textsatz s = t.satz();
    ASSERT_EQ(s.elemente.size(), 3u);
    EXPECT_EQ(s.elemente[0].a, QPointF(200, 300));
    EXPECT_NEAR(s.elemente[1].a.x(), 200 + s.w, genau);
    EXPECT_NEAR(s.elemente[1].a.y(), 300 + 2 * s.h, genau);
    EXPECT_NEAR(s.elemente[2].a.x(), 200 + s.w, genau);
    EXPECT_NEAR(s.elemente[2].a.y(), 300 + 4 * s.h, genau);
    t.vermessen();
    EXPECT_EQ(t.rect.x1, 200);
    EXPECT_EQ(t.rect.y1, -300);
    EXPECT_EQ(t.rect.x2, qRound(200 + s.w + breite("drei") + 2 * s.w));
    EXPECT_EQ(t.rect.y2, qRound(-300 - 4 * s.h - 2 * s.h));
}

// Rotation turns the whole argument about its start, counter-clockwise as seen; the pen moves
// on by the unrotated width.
TEST(Textsatz, Drehung) {
    const Textsatz s = setze("\\k(90;x\\d(1))z");
    ASSERT_EQ(inhalte(s), (std::vector<QString>{"x", "1", "z"}));
    EXPECT_NEAR(s.elemente[0].winkel, 90, genau);
    EXPECT_NEAR(s.elemente[0].a.x(), 100, genau);
    EXPECT_NEAR(s.elemente[0].a.y(), 50, genau);
    // The index, half a line below x, ends up half a line left of it, and above the start.
    EXPECT_NEAR(s.elemente[1].a.x(), 100 + s.h / 2, genau);
    EXPECT_NEAR(s.elemente[1].a.y(), 50 - breite("x"), genau);
    EXPECT_NEAR(s.elemente[1].winkel, 90, genau);
    EXPECT_NEAR(s.elemente[2].a.x(), 100 + breite("x") + breite("1", 10), genau);
    EXPECT_NEAR(s.elemente[2].winkel, 0, genau);
    EXPECT_NEAR(setze("\\k(270;-2,000)").elemente[0].winkel, 270, genau);
}

TEST(Textsatz, Wurzeln) {
    {
        // \w: the radicand one "M" further right; hook down to the foot, up above the top,
        // bar to the end of the radicand.
        const Textsatz s = setze("\\w(x)");
        ASSERT_EQ(s.elemente.size(), 4u);
        EXPECT_NEAR(s.elemente[0].a.x(), 100 + s.w, genau);
        const double ende = 100 + s.w + breite("x");
        const QPointF erwartet[][2] = {{{100, 50}, {100 + s.w / 4, 50 + s.h}},
                                       {{100 + s.w / 4, 50 + s.h}, {100 + s.w / 2, 50 - s.h / 2}},
                                       {{100 + s.w / 2, 50 - s.h / 2}, {ende, 50 - s.h / 2}}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(s.elemente[i + 1].art, Satzelement::strich);
            EXPECT_EQ(s.elemente[i + 1].a, erwartet[i][0]);
            EXPECT_EQ(s.elemente[i + 1].b, erwartet[i][1]);
        }
        EXPECT_NEAR(s.ende.x(), ende, genau);
    }
    {
        // \r: the radical sign, then the radicand with a bar at the top of the level.
        const Textsatz s = setze("\\r(ab)");
        ASSERT_EQ(s.elemente.size(), 3u);
        EXPECT_EQ(s.elemente[0].inhalt, QString(QChar(0x221A)));
        EXPECT_TRUE(s.elemente[0].symbol);
        EXPECT_EQ(s.elemente[1].inhalt, "ab");
        EXPECT_FALSE(s.elemente[1].symbol);
        const double anfang = s.elemente[1].a.x();
        EXPECT_EQ(s.elemente[2].a, QPointF(anfang, 50));
        EXPECT_NEAR(s.elemente[2].b.x(), anfang + breite("ab"), genau);
        EXPECT_NEAR(s.elemente[2].b.y(), 50, genau);
    }
}

TEST(Textsatz, VektorPunktUndKleinschrift) {
    {
        const Textsatz s = setze("\\v(a)b");
        ASSERT_EQ(inhalte(s), (std::vector<QString>{QString(QChar(0x2192)), "a", "b"}));
        EXPECT_EQ(s.elemente[0].a, QPointF(100, 50 - 4 * s.h / 6));
        EXPECT_EQ(s.elemente[1].a, QPointF(100, 50));
        EXPECT_NEAR(s.elemente[2].a.x(), 100 + breite("a"), genau);
    }
    {
        const Textsatz s = setze("a\\mb");
        ASSERT_EQ(s.elemente.size(), 3u);
        EXPECT_EQ(s.elemente[1].art, Satzelement::punkt);
        EXPECT_NEAR(s.elemente[1].a.x(), 100 + breite("a") + s.w / 2, genau);
        EXPECT_NEAR(s.elemente[1].a.y(), 50 + s.h / 2, genau);
        EXPECT_EQ(s.elemente[1].b.x(), 4);
        EXPECT_NEAR(s.elemente[2].a.x(), 100 + breite("a") + s.w, genau);
    }
    {
        const Textsatz s = setze("\\u(x)\\Fs(40)y\\Fn(Arial)z");
        ASSERT_EQ(s.elemente.size(), 3u);
        EXPECT_EQ(s.elemente[0].schrift.pixelSize(), 13);
        EXPECT_NEAR(s.elemente[0].a.y(), 50, genau); // same level
        EXPECT_EQ(s.elemente[1].schrift.pixelSize(), 53);
        EXPECT_EQ(s.elemente[2].schrift.family(), "Arial");
        EXPECT_EQ(s.elemente[2].schrift.pixelSize(), 53);
    }
}

// The Symbol font's letters appear as Greek letters and signs; afterwards the font of the
// drawing is back, not the one chosen before.
TEST(Textsatz, Symbolschrift) {
    const Textsatz s = setze(QString::fromUtf8("\\Fn(Arial)x\\c(abpDSÖ)y"));
    ASSERT_EQ(inhalte(s), (std::vector<QString>{"x", QString::fromUtf8("αβπΔΣ√"), "y"}));
    EXPECT_TRUE(s.elemente[1].symbol);
    EXPECT_EQ(s.elemente[0].schrift.family(), "Arial");
    EXPECT_EQ(s.elemente[2].schrift.family(), "Courier New");
    EXPECT_EQ(zol::symbolzeichen(zol::symbol_integral), u'\u222B');
    EXPECT_EQ(zol::symbolzeichen(zol::symbol_pfeil), u'\u2192');
    EXPECT_EQ(zol::symbolzeichen(0xA5), u'\u221E');
    EXPECT_EQ(zol::symbolzeichen(0xFE), u'\u23AD');
    EXPECT_EQ(zol::symboltext(QString::fromUtf8("w=å")), QString::fromUtf8("ω=∑"));
}

// Texts that are no commands, or commands that end early.
TEST(Textsatz, UnvollstaendigeEingaben) {
    struct Fall {
        QString text;
        std::vector<QString> seite;
        std::vector<QString> textform;
    };
    const Fall faelle[] = {
        {"a\\qb", {"a\\qb"}, {"aqb"}},         {"a\\", {"a\\"}, {"a"}},
        {"\\d(abc", {"abc"}, {"abc"}},         {"\\f(a", {"a"}, {"a"}},
        {"\\d x", {"\\d x"}, {"d x"}},         {"\\p(1;2)x", {"x"}, {"p(1;2)x"}},
        {"\\k(abc;x)", {"x"}, {"k(abc;x)"}},   {"\\Fs(zwei)x", {"x"}, {"Fs(zwei)x"}},
        {"\\\\d(1)", {"\\", "1"}, {"\\d(1)"}}, {"\\f((a+b);c)", {"(a+b)", "c"}, {"(a+b)", "c"}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(inhalte(setze(f.text)), f.seite) << f.text.toStdString();
        EXPECT_EQ(inhalte(setze(f.text, Textdialekt::textform)), f.textform)
            << f.text.toStdString();
    }
}

// The control's dialect: two-thirds sizes, limits that do not move the pen, sum and integral
// signs raised by 3 pixels, stacking without a bar.
TEST(Textsatz, DialektDerTextform) {
    const auto form = Textdialekt::textform;
    {
        const Textsatz s = setze("\\S\\h(n)\\t(i=1)x", form);
        ASSERT_EQ(inhalte(s), (std::vector<QString>{QString(QChar(0x2211)), "n", "i=1", "x"}));
        EXPECT_NEAR(s.elemente[0].a.y(), 50 - 3, genau);
        const double nach_summe = s.elemente[1].a.x();
        EXPECT_GT(nach_summe, 100);
        EXPECT_NEAR(s.elemente[1].a.y(), 50 - 4 * s.h / 6, genau);
        EXPECT_NEAR(s.elemente[2].a.y(), 50 + s.h, genau);
        EXPECT_NEAR(s.elemente[2].a.x(), nach_summe, genau);
        EXPECT_NEAR(s.elemente[3].a.x(), nach_summe, genau);
        EXPECT_EQ(s.elemente[1].schrift.pixelSize(), 17); // 13 points
    }
    {
        const Textsatz s = setze("\\z(a;b)\\I\\d(x)\\m", form);
        ASSERT_EQ(s.elemente.size(), 5u);
        EXPECT_EQ(s.elemente[0].a.y(), 50 - s.h / 2);
        EXPECT_EQ(s.elemente[1].a.y(), 50 + s.h / 2);
        EXPECT_EQ(s.elemente[2].inhalt, QString(QChar(0x222B)));
        EXPECT_NEAR(s.elemente[3].a.y(), 50 + s.h / 2, genau);
        EXPECT_EQ(s.elemente[3].schrift.pixelSize(), 17);
        EXPECT_EQ(s.elemente[4].b.x(), 2);
    }
    // \S and \I are not commands on a page.
    EXPECT_EQ(inhalte(setze("\\S\\I")), (std::vector<QString>{"\\S\\I"}));
}

// Whatever the text, the layout ends: nesting beyond the limit is written as text.
TEST(Textsatz, TiefeVerschachtelungEndet) {
    for (const char* anfang : {"\\f(", "\\d(", "\\k(3;", "\\w(", "\\c(", "\\h("}) {
        QString text;
        for (int i = 0; i < 5000; ++i)
            text += anfang;
        text += "x";
        for (const auto d : {Textdialekt::seite, Textdialekt::textform}) {
            const Textsatz s = setze(text, d);
            EXPECT_FALSE(s.elemente.empty()) << anfang;
        }
    }
}

} // namespace

#include "engine/fktbaum.h"
#include "graph/tfktachsen.h"
#include "seitenhilfe.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QTransform>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using zol::Tfktachsen;
using zol::Tlist1;
using zol::Tzeichenvorgaben;
using namespace zol::test;

std::vector<std::string> achsen(Tzeichenvorgaben& v, Tlist1& liste) {
    Tfktachsen motor(liste, v);
    motor.achsenzeichnen();
    return beschreibung(liste);
}

// The default page, object by object: frame, axes, y ticks from zero upward then downward,
// x ticks likewise, titles. No tick at +-3 (the frame is there).
TEST(Achsen, StandardseiteObjektFuerObjekt) {
    Tzeichenvorgaben v;
    Tlist1 liste;
    std::vector<std::string> erwartet = {
        "L 200 -700 200 -100",  "L 200 -100 1000 -100", "L 1000 -100 1000 -700",
        "L 1000 -700 200 -700",                         // frame
        "L 600 -700 600 -100",  "L 200 -400 1000 -400", // axes
    };
    // The rotated y numbers 10 mm apart would read as one ("-1,000-2,000"): only every second
    // one is written, with its long tick; the others keep their short ticks.
    const std::vector<std::pair<int, std::string>> y = {
        {-400, "0,000"}, {-300, ""}, {-200, "2,000"}, {-500, ""}, {-600, "-2,000"}};
    for (const auto& [q, zahl] : y) {
        const std::string qs = std::to_string(q);
        erwartet.push_back("L 590 " + qs + " 610 " + qs);
        erwartet.push_back("L 1000 " + qs + " 990 " + qs);
        erwartet.push_back("L 200 " + qs + " 210 " + qs);
        if (zahl.empty()) continue;
        erwartet.push_back("L 190 " + qs + " 200 " + qs);
        erwartet.push_back("T 150 " + qs + " \\k(270;" + zahl + ")");
    }
    const std::vector<std::pair<int, std::string>> x = {
        {600, "0,000"}, {733, "1,000"}, {867, "2,000"}, {467, "-1,000"}, {333, "-2,000"}};
    for (const auto& [p, zahl] : x) {
        const std::string ps = std::to_string(p);
        erwartet.push_back("L " + ps + " -410 " + ps + " -390");
        erwartet.push_back("L " + ps + " -100 " + ps + " -110");
        erwartet.push_back("L " + ps + " -700 " + ps + " -690");
        erwartet.push_back("L " + ps + " -700 " + ps + " -715");
        erwartet.push_back("T " + std::to_string(p - 20) + " -720 " + zahl);
    }
    erwartet.push_back("T 100 -700 \\k(270;y-Achse)");
    erwartet.push_back("T 200 -20 Überschrift");
    // "x-Achse" at -740 would end where "-2,000" begins and run into it: it moves 0.5 mm below
    // the numbers, whose boxes reach 30.6 units down from -720.
    erwartet.push_back("T 200 -756 x-Achse");
    EXPECT_EQ(achsen(v, liste), erwartet);
    // Every object carries the window's pen and font.
    for (const auto& o : liste) {
        if (o->art == zol::art_linie) {
            EXPECT_EQ(o->stift, v.achsenstift);
        } else {
            EXPECT_EQ(static_cast<const zol::Ttext&>(*o).schrift, v.schrift);
        }
    }
}

struct Strichfall {
    const char* name;
    std::function<void(Tzeichenvorgaben&)> einstellen;
    std::vector<int> xstriche;        // page x of the x ticks, in generation order
    std::vector<std::string> xzahlen; // numbers written under the x axis, in order
    bool senkrechte_achse;
};

TEST(Achsen, StricheUndZahlenDerXAchse) {
    const Strichfall faelle[] = {
        {"Standard",
         [](Tzeichenvorgaben&) {},
         {600, 733, 867, 467, 333},
         {"0,000", "1,000", "2,000", "-1,000", "-2,000"},
         true},
        {"1 bis 5: ab dem linken Rand",
         [](Tzeichenvorgaben& v) { v.xmin = 1, v.xmax = 5; },
         {200, 400, 600, 800},
         {"1,000", "2,000", "3,000", "4,000"},
         false},
        {"1 bis 5, Intervall 2: die 1 bleibt leer",
         [](Tzeichenvorgaben& v) { v.xmin = 1, v.xmax = 5, v.xinter = 2; },
         {200, 400, 600, 800},
         {"2,000", "4,000"},
         false},
        {"-5 bis -1: ab dem rechten Rand",
         [](Tzeichenvorgaben& v) { v.xmin = -5, v.xmax = -1; },
         {1000, 800, 600, 400},
         {"-1,000", "-2,000", "-3,000", "-4,000"},
         false},
        {"Intervall 2 mit der Null",
         [](Tzeichenvorgaben& v) { v.xmin = -5, v.xmax = 5, v.xinter = 2; },
         {600, 680, 760, 840, 920, 520, 440, 360, 280},
         {"0,000", "2,000", "4,000", "-2,000", "-4,000"},
         true},
        {"zu dicht: 1000 Striche > 20 * yinter",
         [](Tzeichenvorgaben& v) { v.xmin = 0, v.xmax = 100, v.xskala = 0.1L; },
         {},
         {},
         false},
        {"Schrittweite 0", [](Tzeichenvorgaben& v) { v.xskala = 0; }, {}, {}, true},
        {"negative Schrittweite", [](Tzeichenvorgaben& v) { v.xskala = -1; }, {}, {}, true},
        // The numbers crowd toward the right edge: only every eighth tick keeps one.
        {"logarithmisch 1 bis 1000, Schritt 100",
         [](Tzeichenvorgaben& v) { v.xmin = 1, v.xmax = 1000, v.xskala = 100, v.logx = true; },
         {200, 734, 814, 861, 894, 920, 941, 959, 974, 988},
         {"701,000"},
         false},
        {"Zahlenformat",
         [](Tzeichenvorgaben& v) { v.zahlformat = "0.0", v.xmin = 0, v.xskala = 0.5L; },
         {200, 333, 467, 600, 733, 867},
         {"0,0", "0,5", "1,0", "1,5", "2,0", "2,5"},
         false},
    };
    for (const Strichfall& f : faelle) {
        Tzeichenvorgaben v;
        f.einstellen(v);
        Tlist1 liste;
        Tfktachsen motor(liste, v);
        motor.achsenzeichnen();
        EXPECT_EQ(motor.xstriche(), f.xstriche) << f.name;
        std::vector<std::string> zahlen;
        for (const Textobjekt& t : texte(liste))
            if (t.ort.y == motor.unten() - v.schrift.groesse) zahlen.push_back(t.text);
        EXPECT_EQ(zahlen, f.xzahlen) << f.name;
        bool senkrecht = false;
        for (const zol::Trechteck& l : linien(liste))
            senkrecht |= l.x1 == l.x2 && l.x1 != motor.links() && l.x1 != motor.rechts() &&
                         l.y1 == motor.unten() && l.y2 == motor.oben();
        EXPECT_EQ(senkrecht, f.senkrechte_achse) << f.name;
        EXPECT_EQ(motor.ystriche().size(), 5u) << f.name << ": y has no density check";
    }
}

// y labels are written rotated; with interval 3 only 0 and +-3 steps from zero get one.
TEST(Achsen, YZahlenMitIntervall) {
    Tzeichenvorgaben v;
    v.ymin = -5, v.ymax = 5, v.yinter = 3;
    Tlist1 liste;
    Tfktachsen motor(liste, v);
    motor.achsenzeichnen();
    std::vector<std::string> zahlen;
    for (const Textobjekt& t : texte(liste))
        if (t.ort.x == 150) zahlen.push_back(t.text);
    EXPECT_EQ(zahlen,
              (std::vector<std::string>{"\\k(270;0,000)", "\\k(270;3,000)", "\\k(270;-3,000)"}));
}

// The box a text object covers as it is painted (page units, y upward), measured from its
// layout: each piece's advance and line height, turned by its angle.
QRectF textrahmen(const zol::Ttext& t) {
    QRectF r;
    for (const zol::Satzelement& e : t.satz().elemente) {
        if (e.art != zol::Satzelement::text || e.inhalt.trimmed().isEmpty()) continue;
        const QFontMetricsF m(e.schrift);
        QTransform lage = QTransform::fromTranslate(e.a.x(), e.a.y());
        lage.rotate(-e.winkel);
        const QRectF teil = (lage * QTransform::fromScale(1, -1))
                                .mapRect(QRectF(0, 0, m.horizontalAdvance(e.inhalt), m.height()));
        r = r.isNull() ? teil : r.united(teil);
    }
    return r;
}

struct Beschriftungen {
    std::vector<std::pair<std::string, QRectF>> xzahlen, yzahlen;
    QRectF xtitel, ytitel;
};

// The last three texts are the titles (y, heading, x); rotated numbers belong to y.
Beschriftungen beschriftungen(const Tlist1& liste) {
    std::vector<const zol::Ttext*> t;
    for (const auto& o : liste)
        if (o->art == zol::art_text) t.push_back(static_cast<const zol::Ttext*>(o.get()));
    Beschriftungen b;
    if (t.size() < 3) return b;
    b.ytitel = textrahmen(*t[t.size() - 3]);
    b.xtitel = textrahmen(*t.back());
    for (std::size_t i = 0; i + 3 < t.size(); ++i) {
        const std::string& text = t[i]->zeilen.at(0);
        (text.rfind("\\k(270;", 0) == 0 ? b.yzahlen : b.xzahlen)
            .emplace_back(text, textrahmen(*t[i]));
    }
    return b;
}

// Numbers of one axis never run into each other: where they would, only every second (fourth
// ...) one is written, counted from zero. A title keeps clear of the numbers of its axis.
TEST(Achsen, BeschriftungenUeberlappenNie) {
    struct Fall {
        const char* name;
        std::function<void(Tzeichenvorgaben&)> einstellen;
        std::vector<std::string> yzahlen; // when given: the numbers expected on y
    };
    const Fall faelle[] = {
        // "-1,000" and "-2,000" stacked 10 mm apart would read as one number.
        {"Standard", [](Tzeichenvorgaben&) {}, {"0,000", "2,000", "-2,000"}},
        {"y -5 bis 3, 0.00",
         [](Tzeichenvorgaben& v) { v.ymin = -5, v.ymax = 3, v.zahlformat = "0.00"; },
         {"0,00", "2,00", "-2,00", "-4,00"}},
        {"y -5 bis 3 auf 100 x 70 mm",
         [](Tzeichenvorgaben& v) {
             v.ymin = -5, v.ymax = 3, v.zahlformat = "0.00", v.xgroesse = 100, v.ygroesse = 70;
         },
         {}},
        {"y -5 bis 3 auf 40 x 30 mm",
         [](Tzeichenvorgaben& v) {
             v.ymin = -5, v.ymax = 3, v.zahlformat = "0.00", v.xgroesse = 40, v.ygroesse = 30;
         },
         {"0,00", "-4,00"}},
        {"x -10 bis 10", [](Tzeichenvorgaben& v) { v.xmin = -10, v.xmax = 10; }, {}},
        {"x 0 bis 1, Schritt 0,05",
         [](Tzeichenvorgaben& v) { v.xmin = 0, v.xmax = 1, v.xskala = 0.05L; },
         {}},
        {"y -100 bis 100: 200 Striche",
         [](Tzeichenvorgaben& v) { v.ymin = -100, v.ymax = 100; },
         {}},
        {"y 0 bis 50 mit Intervall 3",
         [](Tzeichenvorgaben& v) { v.ymin = 0, v.ymax = 50, v.yinter = 3; },
         {}},
        {"logarithmisch 1 bis 1000",
         [](Tzeichenvorgaben& v) { v.xmin = 1, v.xmax = 1000, v.xskala = 100, v.logx = true; },
         {}},
        {"Schrift 40 auf 160 x 120 mm",
         [](Tzeichenvorgaben& v) { v.schrift.groesse = 40, v.xgroesse = 160, v.ygroesse = 120; },
         {}},
        {"x ab 0: die Zahl am linken Rand unter dem Titel",
         [](Tzeichenvorgaben& v) { v.xmin = 0, v.xmax = 6; },
         {}},
        {"langer x-Titel",
         [](Tzeichenvorgaben& v) { v.xtext = "Zeit t in Sekunden seit dem Start"; },
         {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tzeichenvorgaben v;
        f.einstellen(v);
        Tlist1 liste;
        achsen(v, liste);
        const Beschriftungen b = beschriftungen(liste);
        EXPECT_FALSE(b.xzahlen.empty());
        EXPECT_FALSE(b.yzahlen.empty());
        for (const auto* achse : {&b.xzahlen, &b.yzahlen}) {
            for (std::size_t i = 0; i < achse->size(); ++i)
                for (std::size_t j = i + 1; j < achse->size(); ++j)
                    EXPECT_FALSE((*achse)[i].second.intersects((*achse)[j].second))
                        << (*achse)[i].first << " / " << (*achse)[j].first;
        }
        for (const auto& [text, r] : b.xzahlen)
            EXPECT_FALSE(b.xtitel.intersects(r)) << "x-Titel / " << text;
        for (const auto& [text, r] : b.yzahlen)
            EXPECT_FALSE(b.ytitel.intersects(r)) << "y-Titel / " << text;
        if (!f.yzahlen.empty()) {
            std::vector<std::string> y;
            for (const auto& z : b.yzahlen)
                y.push_back(z.first.substr(7, z.first.size() - 8)); // the number in \k(270;...)
            EXPECT_EQ(y, f.yzahlen);
        }
    }
}

TEST(Achsen, HoechstensZweihundertStricheJeAchse) {
    Tzeichenvorgaben v;
    v.ymin = -1000, v.ymax = 1000;                        // y: no density check
    v.xmin = 1e20L, v.xmax = 1e20L + 1e10L, v.xskala = 1; // v + 1 == v: never passes the limit
    v.yinter = 2'000'000'000;                             // lets x through the density check
    Tlist1 liste;
    Tfktachsen motor(liste, v);
    motor.achsenzeichnen();
    EXPECT_EQ(motor.ystriche().size(), 200u);
    EXPECT_EQ(motor.xstriche().size(), 200u);
}

TEST(Achsen, GitterJeStrichpaar) {
    struct Fall {
        bool punkte, linien;
        std::size_t zusatz;
    };
    for (const Fall f : {Fall{true, false, 50}, Fall{false, true, 50}, Fall{true, true, 100}}) {
        Tzeichenvorgaben v;
        v.autobeschrift = false;
        Tlist1 ohne;
        const auto grund = achsen(v, ohne).size();
        v.gitterpunkt = f.punkte;
        v.gitterlinie = f.linien;
        Tlist1 liste;
        const auto alle = achsen(v, liste);
        ASSERT_EQ(alle.size(), grund + f.zusatz);
        // The grid follows the ticks: first y tick (0) with the first x tick (0).
        const std::vector<std::string> erste(alle.begin() + grund, alle.begin() + grund + 2);
        const std::vector<std::string> punkte = {"L 595 -400 605 -400", "L 600 -405 600 -395"};
        const std::vector<std::string> linien = {"L 200 -400 1000 -400", "L 600 -700 600 -100"};
        EXPECT_EQ(erste, f.punkte ? punkte : linien);
    }
    // No grid when the x ticks are suppressed.
    Tzeichenvorgaben v;
    v.gitterlinie = v.gitterpunkt = true;
    v.xmin = 0, v.xmax = 100, v.xskala = 0.1L;
    Tlist1 liste;
    Tfktachsen motor(liste, v);
    motor.achsenzeichnen();
    for (const zol::Trechteck& l : linien(liste))
        EXPECT_FALSE(l.x1 == l.x2 && l.x1 > motor.links() && l.x1 < motor.rechts()) << l;
}

TEST(Achsen, LogarithmischNurBeiPositivemBereich) {
    struct Fall {
        bool logx;
        const char* meldung;
    };
    for (const Fall f :
         {Fall{false, "Die y-Achse kann nicht logarithmisch gezeichnet werden! Y-Bereich muss "
                      "positiv sein."},
          Fall{true, "Die x-Achse kann nicht logarithmisch gezeichnet werden! X-Bereich muss "
                     "positiv sein."}}) {
        Meldungsprotokoll meldungen;
        Tzeichenvorgaben v;
        (f.logx ? v.xmin : v.ymin) = 0;
        (f.logx ? v.logx : v.logy) = true;
        Tlist1 liste;
        Tfktachsen motor(liste, v);
        motor.achsenzeichnen();
        motor.fktzeichnen(); // the box stays cleared: no second message
        EXPECT_EQ(meldungen.texte, std::vector<std::string>{f.meldung});
        EXPECT_FALSE(v.logx || v.logy);
        // Linear from the edge at zero: 0, 1, 2 at 200 units per step.
        EXPECT_EQ(f.logx ? motor.xstriche() : motor.ystriche(),
                  f.logx ? (std::vector<int>{200, 467, 733})
                         : (std::vector<int>{-700, -500, -300}));
    }
}

TEST(Achsen, OhneKoordinatenNurDieTitel) {
    Tzeichenvorgaben v;
    v.koord = false;
    Tlist1 liste;
    EXPECT_EQ(achsen(v, liste),
              (std::vector<std::string>{"T 100 -700 \\k(270;y-Achse)", "T 200 -20 Überschrift",
                                        "T 200 -740 x-Achse"}));
}

// Text mode writes the positions in mm as lines of the free text, and no text objects.
TEST(Achsen, TextmodusSchreibtZeilen) {
    Tzeichenvorgaben v;
    v.textmodus = true;
    v.autobeschrift = false;
    v.freitext = {"\\Fn(Courier New)\\Fs(20)"};
    Tlist1 liste;
    Tfktachsen motor(liste, v);
    motor.achsenzeichnen();
    EXPECT_TRUE(texte(liste).empty());
    EXPECT_EQ(v.freitext,
              (std::vector<std::string>{
                  // The rotated y labels 10 mm apart would read as one ("-1,000-2,000"), so
                  // every second one is written.
                  "\\Fn(Courier New)\\Fs(20)", "\\p(15;40)\\k(270;0,000)",
                  "\\p(15;20)\\k(270;2,000)", "\\p(15;60)\\k(270;-2,000)", "\\p(58;72)0,000",
                  "\\p(71;72)1,000", "\\p(84;72)2,000", "\\p(44;72)-1,000", "\\p(31;72)-2,000",
                  "\\p(10;70)\\k(270;y-Achse)", "\\p(20;2)Überschrift", "\\p(20;75)x-Achse"}));
}

// Equal limits and non-finite settings: the frame and the titles, one message, no division by
// zero and no curve.
TEST(Achsen, UngueltigerBereich) {
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();
    const std::pair<const char*, std::function<void(Tzeichenvorgaben&)>> faelle[] = {
        {"xmin = xmax", [](Tzeichenvorgaben& v) { v.xmin = v.xmax = 1; }},
        {"ymin = ymax", [](Tzeichenvorgaben& v) { v.ymin = v.ymax = 0; }},
        {"xmax NaN", [=](Tzeichenvorgaben& v) { v.xmax = nan; }},
        {"ymin -unendlich", [=](Tzeichenvorgaben& v) { v.ymin = -inf; }},
        {"yskala unendlich", [=](Tzeichenvorgaben& v) { v.yskala = inf; }},
        {"Bereich zu klein fuer die Skala",
         [](Tzeichenvorgaben& v) { v.xmin = 0, v.xmax = 1e-4940L; }},
    };
    for (const auto& [name, einstellen] : faelle) {
        Meldungsprotokoll meldungen;
        zol::Tfktbaum baum;
        Tzeichenvorgaben v;
        v.formeln = &baum;
        einstellen(v);
        Tlist1 liste;
        Tfktachsen motor(liste, v);
        motor.achsenzeichnen();
        zol::Teinzelnefkt f;
        f.name = "f(x)=x*x";
        motor.aktuell = &f;
        motor.fktzeichnen();
        EXPECT_EQ(meldungen.texte, std::vector<std::string>{"Ungültiger Bereich"}) << name;
        EXPECT_EQ(beschreibung(liste),
                  (std::vector<std::string>{"L 200 -700 200 -100", "L 200 -100 1000 -100",
                                            "L 1000 -100 1000 -700", "L 1000 -700 200 -700",
                                            "T 100 -700 \\k(270;y-Achse)", "T 200 -20 Überschrift",
                                            "T 200 -740 x-Achse"}))
            << name;
    }
}

} // namespace

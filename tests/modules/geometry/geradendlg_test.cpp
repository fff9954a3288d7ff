// The line, parabola and parabola–line windows: pages and fields, every input form through
// "Rechne", refused input, "Ergebnisse definieren" and "Rechnenfenster", "Zeichnen", files with
// their shared markers, batch mode and the lesson templates.
#include "engine/fktbaum.h"
#include "modules/geometry/geradendlg.h"
#include "modules/geometry/parabeldlg.h"
#include "modules/geometry/parageradedlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

void setze(Tmodulfenster& f, int nummer, const QString& text) {
    steuer<TextendEdit>(f, QStringLiteral("extendEdit%1").arg(nummer).toLatin1())->setText(text);
}
QString feld(Tmodulfenster& f, int nummer) {
    return steuer<TextendEdit>(f, QStringLiteral("extendEdit%1").arg(nummer).toLatin1())->text();
}
QStringList felder(Tmodulfenster& f, int von, int bis) {
    QStringList r;
    for (int i = von; i <= bis; ++i)
        r << feld(f, i);
    return r;
}
QStringList memo(Tmodulfenster& f) {
    return f.ergebnismemo()->toPlainText().split('\n', Qt::SkipEmptyParts);
}
QTabWidget* buch(Tmodulfenster& f, const char* name) {
    return steuer<QTabWidget>(f, name);
}
QStringList seiten(Tmodulfenster& f, const char* name) {
    QStringList r;
    for (int i = 0; i < buch(f, name)->count(); ++i)
        r << buch(f, name)->tabText(i);
    return r;
}
// A page and its fields (first field number, texts).
void eingeben(Tmodulfenster& f, const char* notizbuch, int seite, int erstes,
              const QStringList& werte) {
    buch(f, notizbuch)->setCurrentIndex(seite);
    for (int i = 0; i < werte.size(); ++i)
        setze(f, erstes + i, werte[i]);
}

class Geradenfenster : public ::testing::Test {
protected:
    void SetUp() override {
        geradengleichung_registrieren();
        parabelgleichung_registrieren();
        parabelgerade_registrieren();
        formelbaum().alle_loeschen();
        ASSERT_TRUE(ordner.isValid());
    }
    void TearDown() override {
        formelbaum().alle_loeschen();
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            if (qobject_cast<Tdialogfkt*>(f)) delete f;
    }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

TEST_F(Geradenfenster, AufbauDerDreiFenster) {
    struct Fall {
        Tmodulfenster* f;
        QString titel, kennung;
        int hilfe;
    };
    Tgeradengleich g;
    Tparabelgleich p;
    Tparageradlg pg;
    const Fall faelle[] = {
        {&g, "Geradengleichung (lineare Funktion)", "Gerade", 237},
        {&p, "Parabel (quadratische Funktion)", "Parabel", 240},
        {&pg, "Parabel - Gerade ", "Parabel", 440},
    };
    for (const Fall& fall : faelle) {
        EXPECT_EQ(fall.f->windowTitle(), fall.titel);
        EXPECT_EQ(fall.f->art().kennung, fall.kennung);
        EXPECT_EQ(fall.f->art().hilfekontext, fall.hilfe);
        EXPECT_EQ(fall.f->format(), "0.00");
        EXPECT_EQ(fall.f->ergebnismemo()->objectName(), "Memo1");
        for (Befehl b : {Befehl::rechne, Befehl::zeichnen, Befehl::rechnenfenster,
                         Befehl::ergebnisse_definieren, Befehl::projektformeln})
            EXPECT_TRUE(fall.f->bietet(b)) << fall.titel.toStdString();
    }
    const QStringList geradenseiten{"2 Punkte", "Steigung + Punkt", "y-Abschnitt + Punkt",
                                    "Steigung+y-Abschnitt"};
    EXPECT_EQ(seiten(g, "TabbedNotebook1"), geradenseiten);
    EXPECT_EQ(seiten(g, "TabbedNotebook2"), (QStringList{"Dialog", "Text"}));
    EXPECT_EQ(seiten(p, "Tabbednotebook"),
              (QStringList{"3 Punkte", "Formfaktor + 2 Punkte", "Scheitelform", "Allgemeine Form",
                           "Linear Faktoren"}));
    EXPECT_EQ(seiten(p, "TabbedNotebook1"),
              (QStringList{"Allgemeine Form", "Scheitelform", "Linear Faktoren",
                           "Achsenschnittpunkte", "Text"}));
    EXPECT_EQ(seiten(pg, "TabbedNotebook1"),
              (QStringList{"Allgemeine Form", "Scheitelform", "Linear Faktoren",
                           "Formfaktor + 2 Punkte", "3 Punkte"}));
    EXPECT_EQ(seiten(pg, "TabbedNotebook2"), (QStringList{"Allgemeine Form", "Steigung + Punkt",
                                                          "y-Abschnitt + Punkt", "2 Punkte"}));
    // Fields numbered page by page, results after the inputs.
    EXPECT_EQ(felder(g, 1, 12),
              (QStringList{"0", "1", "2", "5", "2", "1", "3", "1", "3", "1", "2", "1"}));
    for (int i = 13; i <= 19; ++i)
        EXPECT_NE(qobject_cast<Tergebnisfeld*>(
                      g.findChild<QWidget*>(QStringLiteral("extendEdit%1").arg(i))),
                  nullptr)
            << i;
    EXPECT_EQ(felder(p, 15, 17), (QStringList{"1", "-4", "3"}));
    for (int i = 21; i <= 32; ++i)
        EXPECT_NE(qobject_cast<Tergebnisfeld*>(
                      p.findChild<QWidget*>(QStringLiteral("extendEdit%1").arg(i))),
                  nullptr)
            << i;
    EXPECT_EQ(felder(pg, 1, 3), (QStringList{"1", "-2", "-3"}));
    EXPECT_EQ(felder(pg, 21, 22), (QStringList{"1", "1"}));
    for (int i = 33; i <= 38; ++i)
        EXPECT_NE(qobject_cast<Tergebnisfeld*>(
                      pg.findChild<QWidget*>(QStringLiteral("extendEdit%1").arg(i))),
                  nullptr)
            << i;
}

TEST_F(Geradenfenster, GeradeAufJederSeite) {
    struct Fall {
        int seite, erstes;
        QStringList werte;
        QStringList ergebnis; // extendEdit13 … 19
        QString gleichung;
    };
    const Fall faelle[] = {
        {0,
         1,
         {"0", "1", "2", "5"},
         {"2,00", "1,00", "0,00", "1,00", "-0,50", "0,00", "63,43"},
         "gerade(x)=2,00*x+1,00"},
        {1,
         5,
         {"-1", "0", "2"},
         {"-1,00", "2,00", "0,00", "2,00", "2,00", "0,00", "135,00"},
         "gerade(x)=-1,00*x+2,00"},
        {2,
         8,
         {"2", "5", "1"},
         {"2,00", "1,00", "0,00", "1,00", "-0,50", "0,00", "63,43"},
         "gerade(x)=2,00*x+1,00"},
        // A horizontal line has no x-intercept: that point is not computed.
        {3,
         11,
         {"0", "3"},
         {"0,00", "3,00", "0,00", "3,00", "n. d.", "n. d.", "0,00"},
         "gerade(x)=0,00*x+3,00"},
        {3,
         11,
         {"2", "0"},
         {"2,00", "0,00", "0,00", "0,00", "0,00", "0,00", "63,43"},
         "gerade(x)=2,00*x+0,00"},
    };
    for (const Fall& fall : faelle) {
        Tgeradengleich g;
        eingeben(g, "TabbedNotebook1", fall.seite, fall.erstes, fall.werte);
        g.rechne();
        EXPECT_EQ(felder(g, 13, 19), fall.ergebnis) << fall.gleichung.toStdString();
        ASSERT_GE(memo(g).size(), 2);
        EXPECT_EQ(memo(g)[1], fall.gleichung);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Geradenfenster, ParabelAufJederSeite) {
    struct Fall {
        int seite, erstes;
        QStringList werte;
    };
    // Every form of y = x² − 4x + 3.
    const Fall faelle[] = {
        {0, 1, {"0", "3", "1", "0", "3", "0"}},
        {1, 7, {"1", "1", "0", "3", "0"}},
        {2, 12, {"1", "2", "-1"}},
        {3, 15, {"1", "-4", "3"}},
        {4, 18, {"1", "3", "1"}},
    };
    for (const Fall& fall : faelle) {
        Tparabelgleich p;
        eingeben(p, "Tabbednotebook", fall.seite, fall.erstes, fall.werte);
        p.rechne();
        EXPECT_EQ(felder(p, 21, 32), (QStringList{"1,00", "-4,00", "3,00", "1,00", "2,00", "-1,00",
                                                  "1,00", "3,00", "1,00", "3,00", "1,00", "3,00"}))
            << fall.seite;
        EXPECT_EQ(memo(p),
                  (QStringList{"poly(x)=1,00*x^2-4,00*x+3,00", "Paraline(x)=1,00*(x-3,00)*(x-1,00)",
                               "Parascheit(x)=1,00*(x-2,00)^2-1,00"}))
            << fall.seite;
        EXPECT_EQ(steuer<QLabel>(p, "Label1")->text(), "");
        EXPECT_EQ(steuer<QLabel>(p, "Label2")->text(), "");
    }
    // y = x² + 1 has no zeros: those fields stay empty and the notes say so.
    Tparabelgleich p;
    eingeben(p, "Tabbednotebook", 3, 15, {"1", "0", "1"});
    p.rechne();
    EXPECT_EQ(felder(p, 27, 32), (QStringList{"", "", "", "", "", "1,00"}));
    EXPECT_EQ(steuer<QLabel>(p, "Label1")->text(), "Zerlegung in Faktoren nicht möglich.");
    EXPECT_EQ(steuer<QLabel>(p, "Label2")->text(), "Keine Schnittpunkte  mit der x-Achse.");
    EXPECT_EQ(memo(p),
              (QStringList{"poly(x)=1,00*x^2+0,00*x+1,00", "Parascheit(x)=1,00*(x+0,00)^2+1,00"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Geradenfenster, ParabelUndGerade) {
    Tparageradlg pg;
    pg.rechne();
    EXPECT_EQ(felder(pg, 33, 38), (QStringList{"4,00", "5,00", "-1,00", "0,00", "35,54", "59,04"}));
    EXPECT_EQ(memo(pg), (QStringList{";Geradengleichung:", "g(x)=1,00*x+1,00", ";Schnittpunkte:",
                                     "x1=4,00", "x2=-1,00", ";Winkel zwischen Gerade und x-Achse",
                                     "alpha1=35,54", "alpha2=59,04"}));
    // Every page of both notebooks describes the same two curves.
    for (int ps = 0; ps < 5; ++ps)
        for (int gs = 0; gs < 4; ++gs) {
            buch(pg, "TabbedNotebook1")->setCurrentIndex(ps);
            buch(pg, "TabbedNotebook2")->setCurrentIndex(gs);
            pg.rechne();
            EXPECT_EQ(memo(pg)[3], "x1=4,00") << ps << gs;
            EXPECT_EQ(memo(pg)[7], "alpha2=59,04") << ps << gs;
        }
    // y = x² and y = 1: the angles are arctan 2.
    eingeben(pg, "TabbedNotebook1", 0, 1, {"1", "0", "0"});
    eingeben(pg, "TabbedNotebook2", 0, 21, {"0", "1"});
    pg.rechne();
    EXPECT_EQ(felder(pg, 33, 38), (QStringList{"1,00", "1,00", "-1,00", "1,00", "63,43", "63,43"}));
    EXPECT_EQ(steuer<QLabel>(pg, "Label1")->text(), "");
    // y = −1 misses it.
    setze(pg, 22, "-1");
    pg.rechne();
    EXPECT_EQ(felder(pg, 33, 38), (QStringList{"", "", "", "", "", ""}));
    EXPECT_EQ(steuer<QLabel>(pg, "Label1")->text(), "Keine Schnittpunkte");
    EXPECT_EQ(memo(pg), (QStringList{";Geradengleichung:", "g(x)=0,00*x-1,00",
                                     ";Schnittpunkte:", ";Keine Schnittpunkte"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A refused input says why and leaves no result of an earlier input; "Zeichnen" stops too.
TEST_F(Geradenfenster, AbgelehnteEingaben) {
    struct Fall {
        std::function<Tmodulfenster*()> fenster;
        const char* buch;
        int seite, erstes;
        QStringList werte;
        QString meldung;
        int ergebnisfeld;
    };
    const Fall faelle[] = {
        {[] { return new Tgeradengleich; },
         "TabbedNotebook1",
         0,
         1,
         {"1", "0", "1", "5"},
         "Fehlerhafte Eingabe",
         13},
        {[] { return new Tgeradengleich; },
         "TabbedNotebook1",
         2,
         8,
         {"0", "5", "1"},
         "Fehlerhafte Eingabe",
         13},
        {[] { return new Tparabelgleich; },
         "Tabbednotebook",
         0,
         1,
         {"0", "0", "1", "1", "2", "2"},
         "Fehlerhafte Eingabe",
         21},
        {[] { return new Tparabelgleich; },
         "Tabbednotebook",
         0,
         1,
         {"1", "0", "1", "2", "3", "0"},
         "Gleichung nicht lösbar",
         21},
        {[] { return new Tparabelgleich; },
         "Tabbednotebook",
         3,
         15,
         {"0", "1", "1"},
         "Fehlerhafte Eingabe",
         21},
        {[] { return new Tparageradlg; },
         "TabbedNotebook1",
         0,
         1,
         {"0", "1", "1"},
         "Fehlerhafte Eingabe",
         33},
        {[] { return new Tparageradlg; },
         "TabbedNotebook2",
         3,
         29,
         {"2", "0", "2", "1"},
         "Fehlerhafte Eingabe",
         33},
    };
    for (const Fall& fall : faelle) {
        std::unique_ptr<Tmodulfenster> f(fall.fenster());
        f->rechne();
        ASSERT_FALSE(memo(*f).isEmpty()) << fall.meldung.toStdString();
        eingeben(*f, fall.buch, fall.seite, fall.erstes, fall.werte);
        dienst.meldungen.clear();
        f->rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.erstes;
        EXPECT_TRUE(memo(*f).isEmpty()) << fall.erstes;
        EXPECT_EQ(feld(*f, fall.ergebnisfeld), "") << fall.erstes;
        const int vorher = Tmodulfenster::alleFenster().size();
        dienst.meldungen.clear();
        f->zeichnen();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.erstes;
        EXPECT_EQ(Tmodulfenster::alleFenster().size(), vorher) << fall.erstes;
    }
}

// Every result line is taken by the formula table and has the value shown.
TEST_F(Geradenfenster, ErgebnisseDefinieren) {
    ModalWaechter waechter;
    const auto wert = [](const char* name, long double x) {
        long double w = NAN;
        EXPECT_TRUE(formelbaum().fktberechnen(name, x, w)) << name;
        return static_cast<double>(w);
    };
    Tgeradengleich g;
    g.rechne();
    g.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_DOUBLE_EQ(wert("GERADE", 3), 7);
    EXPECT_DOUBLE_EQ(wert("X", 0), -0.5);
    EXPECT_DOUBLE_EQ(wert("Y", 0), 1);
    EXPECT_DOUBLE_EQ(wert("W", 0), 63.43);

    Tparabelgleich p;
    p.rechne();
    p.ausfuehren(Befehl::ergebnisse_definieren);
    for (const char* name : {"POLY", "PARALINE", "PARASCHEIT"})
        EXPECT_DOUBLE_EQ(wert(name, 2), -1) << name;

    Tparageradlg pg;
    pg.rechne();
    pg.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_DOUBLE_EQ(wert("G", 2), 3);
    EXPECT_DOUBLE_EQ(wert("X1", 0), 4);
    EXPECT_DOUBLE_EQ(wert("X2", 0), -1);
    EXPECT_DOUBLE_EQ(wert("ALPHA1", 0), 35.54);
    EXPECT_DOUBLE_EQ(wert("ALPHA2", 0), 59.04);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_TRUE(waechter.gesehen.contains("zol::Tdialogformel"))
        << waechter.gesehen.join(",").toStdString();
}

TEST_F(Geradenfenster, RechnenfensterBekommtDieZeilen) {
    editform_registrieren();
    Tparabelgleich p;
    p.rechne();
    p.ausfuehren(Befehl::rechnenfenster);
    TEditForm* neu = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TEditForm*>(t); e && e->isVisible()) neu = e;
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->memo()->toPlainText().split('\n'), memo(p));
    delete neu;
}

TEST_F(Geradenfenster, Zeichnen) {
    struct Fall {
        std::function<Tmodulfenster*()> fenster;
        QStringList kurven;
    };
    const Fall faelle[] = {
        {[] { return new Tgeradengleich; }, {"GERADE(X)=2,00*X+1,00"}},
        {[] { return new Tparabelgleich; }, {"POLY(X)=1,00*X^2-4,00*X+3,00"}},
        {[] { return new Tparageradlg; }, {"POLY(X)=1,00*X^2-2,00*X-3,00", "G(X)=1,00*X+1,00"}},
    };
    for (const Fall& fall : faelle) {
        std::unique_ptr<Tmodulfenster> f(fall.fenster());
        f->zeichnen();
        Tdialogfkt* z = nullptr;
        if (auto* g = qobject_cast<Tgeradengleich*>(f.get())) z = g->zeichenfenster();
        if (auto* p = qobject_cast<Tparabelgleich*>(f.get())) z = p->zeichenfenster();
        if (auto* pg = qobject_cast<Tparageradlg*>(f.get())) z = pg->zeichenfenster();
        ASSERT_NE(z, nullptr);
        EXPECT_TRUE(z->isVisible());
        QStringList kurven;
        for (const Teinzelnefkt& e : z->eintraege())
            kurven << QString::fromStdString(e.name).toUpper();
        EXPECT_EQ(kurven, fall.kurven);
        EXPECT_FALSE(memo(*f).isEmpty());
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// Each window saves its page and inputs under its marker and reads them back; a file of the
// other window with the same marker ("Parabel") is read as far as it fits, without a crash.
TEST_F(Geradenfenster, DateienUndGeteilteKennungen) {
    const QString ger = ordner.filePath("g.ger");
    const QString par = ordner.filePath("p.par");
    const QString pag = ordner.filePath("pg.pag");
    {
        Tgeradengleich g;
        eingeben(g, "TabbedNotebook1", 2, 8, {"2", "5", "-1"});
        dienst.dateinamen.enqueue(ger);
        ASSERT_TRUE(g.speichern());
        Tgeradengleich h;
        ASSERT_TRUE(h.laden(ger));
        EXPECT_EQ(zustand(h), zustand(g));
        EXPECT_EQ(h.windowTitle(), "g.ger");
        h.rechne();
        EXPECT_EQ(memo(h)[1], "gerade(x)=3,00*x-1,00");
    }
    EXPECT_EQ(zeilen_von(ger).mid(0, 2), (QStringList{"Gerade", "0.00"}));
    {
        Tparabelgleich p;
        eingeben(p, "Tabbednotebook", 4, 18, {"2", "1", "-1"});
        dienst.dateinamen.enqueue(par);
        ASSERT_TRUE(p.speichern());
        Tparabelgleich q;
        ASSERT_TRUE(q.laden(par));
        EXPECT_EQ(zustand(q), zustand(p));
        q.rechne();
        EXPECT_EQ(memo(q)[0], "poly(x)=2,00*x^2+0,00*x-2,00");
    }
    EXPECT_EQ(zeilen_von(par).mid(0, 2), (QStringList{"Parabel", "0.00"}));
    {
        Tparageradlg pg;
        eingeben(pg, "TabbedNotebook2", 3, 29, {"0", "0", "1", "3"});
        dienst.dateinamen.enqueue(pag);
        ASSERT_TRUE(pg.speichern());
        Tparageradlg q;
        ASSERT_TRUE(q.laden(pag));
        EXPECT_EQ(zustand(q), zustand(pg));
        q.rechne();
        EXPECT_EQ(memo(q)[1], "g(x)=3,00*x+0,00");
    }
    EXPECT_EQ(zeilen_von(pag).mid(0, 2), (QStringList{"Parabel", "0.00"}));
    ASSERT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    // The shared marker lets each parabola window read the other's file. Its values land in
    // other fields; computing then gives results or one clear message, never a crash.
    for (const QString& datei : {pag, par}) {
        std::unique_ptr<Tmodulfenster> f(
            datei == pag ? static_cast<Tmodulfenster*>(new Tparabelgleich) : new Tparageradlg);
        ASSERT_TRUE(f->laden(datei));
        dienst.meldungen.clear();
        f->rechne();
        if (memo(*f).isEmpty()) {
            ASSERT_EQ(dienst.meldungen.size(), 1);
            EXPECT_TRUE(dienst.meldungen[0] == "Gleichung nicht lösbar" ||
                        dienst.meldungen[0] == "Fehlerhafte Eingabe")
                << dienst.meldungen[0].toStdString();
        } else {
            EXPECT_TRUE(dienst.meldungen.isEmpty());
        }
    }
    dienst.meldungen.clear();

    // A marker of another kind changes nothing.
    Tgeradengleich g;
    const QStringList vorher = zustand(g);
    EXPECT_FALSE(g.laden(par));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(g), vorher);
}

TEST_F(Geradenfenster, Stapelbetrieb) {
    struct Fall {
        QString art;
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"65",
         {},
         {"== Tgeradengleich ==", "extendEdit13: 2,00", "extendEdit17: -0,50",
          "extendEdit19: 63,43", "gerade(x)=2,00*x+1,00", "x=-0,50"}},
        {"65",
         {"--set", "TabbedNotebook1=3", "--set", "extendEdit11=0", "--set", "extendEdit12=3"},
         {"extendEdit17: n. d.", ";Keiner, die Gerade ist parallel zur x-Achse."}},
        {"65", {"--set", "extendEdit3=0"}, {"Meldung: Fehlerhafte Eingabe", "extendEdit13: "}},
        {"70",
         {},
         {"== Tparabelgleich ==", "extendEdit25: 2,00", "extendEdit26: -1,00",
          "poly(x)=1,00*x^2-4,00*x+3,00", "Label1: "}},
        {"70",
         {"--set", "Tabbednotebook=3", "--set", "extendEdit17=1", "--set", "extendEdit16=0"},
         {"Label1: Zerlegung in Faktoren nicht möglich.",
          "Label2: Keine Schnittpunkte  mit der x-Achse.", "extendEdit32: 1,00"}},
        {"70",
         {"--set", "extendEdit3=0", "--set", "extendEdit4=0"},
         {"Meldung: Gleichung nicht lösbar"}},
        {"170",
         {},
         {"== Tparageradlg ==", "extendEdit33: 4,00", "extendEdit37: 35,54", "alpha2=59,04"}},
        {"170",
         {"--set", "extendEdit22=-10"},
         {"Label1: Keine Schnittpunkte", ";Keine Schnittpunkte"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", fall.art} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// Each lesson opens computed (result lines are not kept in the file), with the results its
// explanation works out.
TEST_F(Geradenfenster, LektionsvorlagenOeffnenSich) {
    editform_registrieren(); // the lessons' explanations
    struct Fall {
        const char* datei;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"gerade1.pro", {"gerade(x)=-0,50*x+3,00", "x=6,00", "w=153,43"}},
        {"parabel1.pro",
         {"poly(x)=-0,50*x^2+2,00*x+2,50", "Paraline(x)=-0,50*(x+1,00)*(x-5,00)",
          "Parascheit(x)=-0,50*(x-2,00)^2+4,50"}},
        {"parabelgerade1.pro", {"x1=4,00", "x2=-1,00", "alpha1=35,54"}},
    };
    for (const Fall& fall : faelle) {
        Lektionsumgebung u;
        Tmodulfenster* f = u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/") +
                                     QString::fromLatin1(fall.datei));
        ASSERT_NE(f, nullptr) << fall.datei;
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(memo(*f).contains(z)) << fall.datei << ": " << z.toStdString() << " in "
                                              << memo(*f).join("|").toStdString();
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Geradenfenster, FensterartenErzeugenDieFenster) {
    for (int art : {65, 70, 170}) {
        std::unique_ptr<Tmodulfenster> f(fenster_erzeugen(art));
        ASSERT_NE(f, nullptr) << art;
        EXPECT_EQ(f->art().art, art);
    }
}

} // namespace

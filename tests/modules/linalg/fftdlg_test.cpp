// The FFT window: grids that follow "Potenz von 2", the transform in both directions, refused
// cells, "Neu" and "Null setzen", Tab from grid to grid, ".fft" files, the hand-over to the
// spreadsheet, batch mode and the lesson template.
#include "modules/analysis/tabelleform.h"
#include "modules/linalg/fftdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"
#include "tests/hilfe/lektionshilfe.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

Tspineditin* potenz(Tfftdlg& f) {
    return steuer<Tspineditin>(f, "spineditin1");
}

// The data rows of a grid as "x|y".
QStringList zeilen(const TStringGrid& g) {
    QStringList z;
    for (int r = 1; r < g.rowCount(); ++r)
        z << g.cell(1, r) + "|" + g.cell(2, r);
    return z;
}

void eingeben(Tfftdlg& f, const QStringList& werte) {
    for (int i = 0; i < werte.size(); ++i) {
        const QStringList teile = werte[i].split('|');
        f.eingabegitter()->setCell(1, i + 1, teile[0]);
        f.eingabegitter()->setCell(2, i + 1, teile.value(1, "0"));
    }
}

QAction* befehl(Tfftdlg& f, const char* name) {
    auto* a = f.findChild<QAction*>(name);
    EXPECT_NE(a, nullptr) << name;
    return a;
}

QStringList menue(Tfftdlg& f, const QString& titel) {
    QStringList texte;
    for (QAction* a : f.menuBar()->actions())
        if (a->menu() && a->menu()->title() == titel)
            for (QAction* b : a->menu()->actions())
                if (!b->isSeparator()) texte << b->text();
    return texte;
}

class Fftdlg : public ::testing::Test {
protected:
    void SetUp() override {
        fft_registrieren();
        tabelle_registrieren();
    }
    Testmeldungsdienst dienst;
};

TEST_F(Fftdlg, AufbauUndVorgaben) {
    Tfftdlg f;
    EXPECT_EQ(f.windowTitle(), "FFT");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 270);
    EXPECT_EQ(f.art().kennung, "FFT");
    EXPECT_EQ(potenz(f)->Value(), 2);
    EXPECT_EQ(potenz(f)->MinValue(), 1);
    EXPECT_EQ(potenz(f)->MaxValue(), 9);
    for (TStringGrid* g : {f.eingabegitter(), f.ergebnisgitter()}) {
        EXPECT_EQ(g->rowCount(), 5);
        EXPECT_EQ(g->colCount(), 3);
        EXPECT_EQ(g->columnWidth(0), 25);
        EXPECT_EQ(g->cell(1, 0), "x");
        EXPECT_EQ(g->cell(2, 0), "y");
        EXPECT_EQ(g->cell(0, 4), "4");
        EXPECT_EQ(zeilen(*g), QStringList(4, "0|0"));
    }
    EXPECT_EQ(f.eingabegitter()->objectName(), "StringGrid1");
    EXPECT_EQ(f.ergebnisgitter()->objectName(), "StringGrid2");
    QStringList koepfe;
    for (QLabel* l : f.findChildren<QLabel*>())
        koepfe << l->text();
    EXPECT_TRUE(koepfe.contains("Eingabe"));
    EXPECT_TRUE(koepfe.contains("Ergebnisse"));

    EXPECT_TRUE(menue(f, "&Datei").contains("&Neu"));
    EXPECT_TRUE(menue(f, "&Datei").contains("&Drucken..."));
    EXPECT_EQ(menue(f, "&Bearbeiten").last(), "&Null setzen");
    EXPECT_TRUE(menue(f, "&Ausgabe").contains("&Tabellenkalkulation"));
    // "FFT" and "IFFT" are buttons after "Rechne", both with the compute hint.
    auto* leiste = f.findChild<QToolBar*>("Werkzeugleiste");
    ASSERT_NE(leiste, nullptr);
    QStringList knoepfe;
    for (QAction* a : leiste->actions()) {
        auto* k = qobject_cast<QToolButton*>(leiste->widgetForAction(a));
        if (k && a->isVisible()) knoepfe << k->text();
    }
    const qsizetype rechne = knoepfe.indexOf("Rechne");
    ASSERT_GE(rechne, 0) << knoepfe.join(",").toStdString();
    EXPECT_EQ(knoepfe.mid(rechne, 3), (QStringList{"Rechne", "FFT", "IFFT"}));
    EXPECT_EQ(befehl(f, "FFT")->toolTip(), "Ergebnisse berechnen");
    EXPECT_EQ(befehl(f, "IFFT")->toolTip(), "Ergebnisse berechnen");
}

// The edge cases of the transform as the window shows them; "Rechne" runs the forward one.
TEST_F(Fftdlg, TransformationenImFenster) {
    struct Fall {
        const char* name;
        int k;
        QStringList eingabe;
        const char* befehl;
        QStringList ergebnis;
    };
    const Fall faelle[] = {
        {"Impuls", 2, {"1", "0", "0", "0"}, "FFT", QStringList(4, "1,00|0,00")},
        {"Konstante",
         2,
         {"1", "1", "1", "1"},
         "FFT",
         {"4,00|0,00", "0,00|0,00", "0,00|0,00", "0,00|0,00"}},
        {"Konstante zurueck", 2, {"4", "0", "0", "0"}, "IFFT", QStringList(4, "1,00|0,00")},
        {"verschobener Impuls",
         2,
         {"0", "1", "0", "0"},
         "Rechne",
         {"1,00|0,00", "0,00|-1,00", "-1,00|0,00", "0,00|1,00"}},
        {"Rampe",
         3,
         {"1", "2", "3", "4", "5", "6", "7", "8"},
         "FFT",
         {"36,00|0,00", "-4,00|9,66", "-4,00|4,00", "-4,00|1,66", "-4,00|0,00", "-4,00|-1,66",
          "-4,00|-4,00", "-4,00|-9,66"}},
        {"Rampe zurueck",
         3,
         {"36|0", "-4|9,65685424949238", "-4|4", "-4|1,65685424949238", "-4|0",
          "-4|-1,65685424949238", "-4|-4", "-4|-9,65685424949238"},
         "IFFT",
         {"1,00|0,00", "2,00|0,00", "3,00|0,00", "4,00|0,00", "5,00|0,00", "6,00|0,00", "7,00|0,00",
          "8,00|0,00"}},
        {"Dezimalkomma und Leerzeichen",
         1,
         {" 1,5 |-2", "0,5|1e1"},
         "FFT",
         {"2,00|8,00", "1,00|-12,00"}},
    };
    for (const Fall& fall : faelle) {
        Tfftdlg f;
        potenz(f)->setValue(fall.k);
        eingeben(f, fall.eingabe);
        if (QString(fall.befehl) == "Rechne")
            f.ausfuehren(Befehl::rechne);
        else
            befehl(f, fall.befehl)->trigger();
        EXPECT_EQ(zeilen(*f.ergebnisgitter()), fall.ergebnis) << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fftdlg, GitterFolgenDerPotenz) {
    Tfftdlg f;
    eingeben(f, {"1|2", "3|4", "5|6", "7|8"});
    f.ergebnisgitter()->setCell(1, 1, "9,00");
    f.ergebnisgitter()->setCell(2, 2, "");
    potenz(f)->setText("3"); // typing follows at once
    for (TStringGrid* g : {f.eingabegitter(), f.ergebnisgitter()}) {
        EXPECT_EQ(g->rowCount(), 9);
        EXPECT_EQ(g->cell(0, 8), "8");
        EXPECT_EQ(g->cell(2, 0), "y");
    }
    EXPECT_EQ(zeilen(*f.eingabegitter()),
              (QStringList{"1|2", "3|4", "5|6", "7|8"} << QStringList(4, "0|0")));
    EXPECT_EQ(f.ergebnisgitter()->cell(1, 1), "9,00"); // results stay, empty cells get "0"
    EXPECT_EQ(f.ergebnisgitter()->cell(2, 2), "0");
    EXPECT_EQ(f.ergebnisgitter()->cell(1, 8), "0");

    // Back to 4 rows and up again: the rows that went come back as "0".
    potenz(f)->setText("2");
    EXPECT_EQ(f.eingabegitter()->rowCount(), 5);
    potenz(f)->setText("3");
    EXPECT_EQ(zeilen(*f.eingabegitter()).mid(3), (QStringList{"7|8"} << QStringList(4, "0|0")));

    // Out of range while typing: the grids take the nearest size, the text stays until used.
    struct Fall {
        const char* text;
        int zeilen;
        const char* danach;
    };
    for (const Fall& fall :
         {Fall{"30", 513, "9"}, Fall{"0", 3, "1"}, Fall{"-4", 3, "1"}, Fall{"9", 513, "9"}}) {
        potenz(f)->setText(fall.text);
        EXPECT_EQ(f.eingabegitter()->rowCount(), fall.zeilen) << fall.text;
        EXPECT_EQ(f.ergebnisgitter()->rowCount(), fall.zeilen) << fall.text;
        EXPECT_EQ(potenz(f)->text(), fall.text);
        f.ergebnisgitter()->setCell(1, fall.zeilen - 1, "");
        f.rechne();
        EXPECT_EQ(potenz(f)->text(), fall.danach) << fall.text;
        EXPECT_FALSE(f.ergebnisgitter()->cell(1, fall.zeilen - 1).isEmpty()) << fall.text;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fftdlg, FalscheZelleBehaeltDieErgebnisse) {
    struct Fall {
        int spalte, zeile;
        const char* text;
        const char* meldung;
    };
    const Fall faelle[] = {
        {1, 2, "x", "Fehlerhafte Eingabe in Zeile:2Spalte:1"},
        {2, 4, "", "Fehlerhafte Eingabe in Zeile:4Spalte:2"},
        {1, 1, "1,2,3", "Fehlerhafte Eingabe in Zeile:1Spalte:1"},
        {2, 3, "1E5000", "Fehlerhafte Eingabe in Zeile:3Spalte:2"},
    };
    for (const Fall& fall : faelle) {
        Tfftdlg f;
        eingeben(f, {"1", "1", "1", "1"});
        f.rechne();
        const QStringList vorher = zeilen(*f.ergebnisgitter());
        ASSERT_EQ(vorher.first(), "4,00|0,00");
        f.eingabegitter()->setCell(fall.spalte, fall.zeile, fall.text);
        dienst.meldungen.clear();
        befehl(f, "IFFT")->trigger();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.text;
        EXPECT_EQ(zeilen(*f.ergebnisgitter()), vorher) << fall.text;
        EXPECT_EQ(f.eingabegitter()->cell(fall.spalte, fall.zeile), fall.text);
    }
}

TEST_F(Fftdlg, NeuUndNullSetzen) {
    for (const char* wie : {"Neu", "Nullsetzen"}) {
        Tfftdlg f;
        potenz(f)->setValue(3);
        eingeben(f, {"1|2", "3|4"});
        f.rechne();
        befehl(f, wie)->trigger();
        EXPECT_EQ(zeilen(*f.eingabegitter()), QStringList(8, "0|0")) << wie;
        EXPECT_EQ(zeilen(*f.ergebnisgitter()), QStringList(8, "|")) << wie;
        EXPECT_EQ(f.ergebnisgitter()->cell(0, 8), "8") << wie; // rows and headers stay
        EXPECT_EQ(f.ergebnisgitter()->cell(1, 0), "x") << wie;
        EXPECT_EQ(potenz(f)->Value(), 3) << wie;
    }
}

TEST_F(Fftdlg, ZahlenformatGiltAbDerNaechstenRechnung) {
    Tfftdlg f;
    eingeben(f, {"1", "2", "0", "0"});
    f.rechne();
    EXPECT_EQ(f.ergebnisgitter()->cell(2, 2), "-2,00");
    f.setzeFormat("0.000");
    EXPECT_EQ(f.ergebnisgitter()->cell(2, 2), "-2,00");
    f.rechne();
    EXPECT_EQ(f.ergebnisgitter()->cell(2, 2), "-2,000");
    EXPECT_EQ(f.ergebnisgitter()->cell(2, 1), "0,000");
}

TEST_F(Fftdlg, TabFuehrtVonGitterZuGitterUndZurPotenz) {
    Tfftdlg f;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    TStringGrid* ein = f.eingabegitter();
    TStringGrid* aus = f.ergebnisgitter();
    ein->setFocus();
    ein->setCurrentCell(4, 2);
    QTest::keyClick(ein, Qt::Key_Tab);
    EXPECT_TRUE(aus->hasFocus());
    aus->setCurrentCell(1, 1);
    QTest::keyClick(aus, Qt::Key_Tab);
    EXPECT_TRUE(aus->hasFocus()); // from cell to cell inside the grid
    EXPECT_EQ(aus->currentColumn(), 2);
    aus->setCurrentCell(4, 2);
    QTest::keyClick(aus, Qt::Key_Tab);
    EXPECT_TRUE(potenz(f)->hasFocus());
}

TEST_F(Fftdlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("folge.fft");
    Tfftdlg f;
    f.setzeFormat("0.0");
    potenz(f)->setValue(1);
    eingeben(f, {"3|1", "5|-1"});
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    EXPECT_EQ(f.windowTitle(), "folge.fft");
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 4);
    EXPECT_EQ(z[0], "FFT");
    EXPECT_EQ(z[1], "0.0");
    EXPECT_EQ(z[3], "1"); // "Potenz von 2" first

    Tfftdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(potenz(g)->Value(), 1);
    EXPECT_EQ(zeilen(*g.eingabegitter()), (QStringList{"3|1", "5|-1"}));
    EXPECT_EQ(zeilen(*g.ergebnisgitter()), (QStringList{"8,0|0,0", "-2,0|2,0"}));
    EXPECT_EQ(g.format(), "0.0");
    EXPECT_EQ(g.windowTitle(), "folge.fft");

    // A file of another window changes nothing.
    const QString fremd = ordner.filePath("fremd.fft");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Fourieranalyse\r\n0.00\r\n0#400#300#0#0#\r\n3\r\n");
    ff.close();
    Tfftdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
    EXPECT_EQ(h.windowTitle(), "FFT");
}

// A hand-edited file whose grids are shorter than "Potenz von 2" asks for: the computation
// brings the grids to size first instead of reading beyond them.
TEST_F(Fftdlg, KurzeGitterAusDerDateiWerdenErgaenzt) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("kurz.fft");
    QFile ff(datei);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("FFT\r\n0.00\r\n0#560#520#0#0#\r\n2\r\n"
             "DATEN_ANFANG\r\n\tx\ty\r\n1\t2\t0\r\nDATEN_ENDE\r\n");
    ff.close();
    Tfftdlg f;
    ASSERT_TRUE(f.laden(datei));
    f.rechne();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_EQ(zeilen(*f.ergebnisgitter()), QStringList(4, "2,00|0,00"));
}

TEST_F(Fftdlg, UebergabeAnDieTabellenkalkulation) {
    Tfftdlg f;
    eingeben(f, {"0", "1", "0", "0"});
    f.rechne();
    ASSERT_TRUE(f.aktion(Befehl::tabellenkalkulation)->isEnabled());
    f.ausfuehren(Befehl::tabellenkalkulation);
    auto* tabelle = qobject_cast<Ttabelleform*>(letzteTabellenkalkulation());
    ASSERT_NE(tabelle, nullptr);
    // Data cells only: no header row, no row numbers.
    EXPECT_EQ(tabelle->eingabe(1, 1), "1,00");
    EXPECT_EQ(tabelle->eingabe(2, 2), "-1,00");
    EXPECT_EQ(tabelle->eingabe(1, 3), "-1,00");
    EXPECT_EQ(tabelle->eingabe(2, 4), "1,00");
    EXPECT_EQ(tabelle->eingabe(1, 5), "");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete tabelle;
}

TEST_F(Fftdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "spineditin1=2", "--set", "StringGrid1[2,1]=1", "--command", "FFT"},
         {"StringGrid2:", "\tx\ty", "1\t1,00\t0,00", "2\t0,00\t-1,00", "3\t-1,00\t0,00",
          "4\t0,00\t1,00"}},
        {{"--set", "spineditin1=1", "--set", "StringGrid1[1,1]=2", "--command", "IFFT"},
         {"2\t1,00\t0,00"}},
        {{"--set", "StringGrid1[3,2]=a"},
         {"Meldung: Fehlerhafte Eingabe in Zeile:3Spalte:2", "1\t0\t0"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "195"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tfftdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The template opens as a project: eight samples of 1 + cos(2 pi j/8), whose spectrum has 8 at
// frequency 0 and 4 at the frequencies 1 and 7.
TEST_F(Fftdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f =
        qobject_cast<Tfftdlg*>(u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/fft1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "FFT");
    EXPECT_EQ(potenz(*f)->Value(), 3);
    const QStringList spektrum = {"8,00|0,00", "4,00|0,00", "0,00|0,00", "0,00|0,00",
                                  "0,00|0,00", "0,00|0,00", "0,00|0,00", "4,00|0,00"};
    EXPECT_EQ(zeilen(*f->ergebnisgitter()), spektrum);
    f->ergebnisgitter()->setCell(1, 1, "");
    befehl(*f, "FFT")->trigger();
    EXPECT_EQ(zeilen(*f->ergebnisgitter()), spektrum);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fftdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(195);
    ASSERT_NE(qobject_cast<Tfftdlg*>(f), nullptr);
    delete f;
}

} // namespace

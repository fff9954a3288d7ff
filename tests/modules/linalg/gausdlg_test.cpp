// The linear system window: grids that follow the number of equations, solutions and the
// eliminated matrix, refused cells, the size clamp, the clipboard of both grids, files (also
// those of the polynomial window, which share the marker "lgs"), batch mode and the template.
#include "modules/linalg/gausdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

Tspineditin* groesse(Tgausdlg& f) {
    return steuer<Tspineditin>(f, "spineditin1");
}

// Rows of a grid from row 1 on, cells from column 1 on, joined by "|".
QStringList zeilen(const TStringGrid& g) {
    QStringList z;
    for (int r = 1; r < g.rowCount(); ++r) {
        QStringList zellen;
        for (int c = 1; c < g.colCount(); ++c)
            zellen << g.cell(c, r);
        z << zellen.join('|');
    }
    return z;
}

QStringList kopf(const TStringGrid& g) {
    QStringList k;
    for (int c = 1; c < g.colCount(); ++c)
        k << g.cell(c, 0);
    return k;
}

// Equations as "a|b|…|rechts", one per row; sets the size first.
void eingeben(Tgausdlg& f, const QStringList& gleichungen) {
    groesse(f)->setValue(static_cast<int>(gleichungen.size()));
    for (int i = 0; i < gleichungen.size(); ++i) {
        const QStringList teile = gleichungen[i].split('|');
        for (int j = 0; j < teile.size(); ++j)
            f.eingabegitter()->setCell(j + 1, i + 1, teile[j]);
    }
}

class Gausdlg : public ::testing::Test {
protected:
    void SetUp() override { gauss_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Gausdlg, AufbauUndVorgaben) {
    Tgausdlg f;
    EXPECT_EQ(f.windowTitle(), "Lineares Gleichungssystem");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 245);
    EXPECT_EQ(f.art().kennung, "lgs");
    EXPECT_EQ(groesse(f)->Value(), 2);
    EXPECT_EQ(groesse(f)->MinValue(), 1);
    EXPECT_EQ(groesse(f)->MaxValue(), 10);
    EXPECT_EQ(kopf(*f.eingabegitter()), (QStringList{"x1", "x2", "b"}));
    EXPECT_EQ(f.eingabegitter()->cell(0, 2), "2");
    EXPECT_EQ(zeilen(*f.eingabegitter()), QStringList(2, "0|0|0"));
    EXPECT_EQ(kopf(*f.ergebnisgitter()), (QStringList{"x1", "x2"}));
    EXPECT_EQ(f.ergebnisgitter()->rowCount(), 2);
    QStringList bearbeiten;
    for (QAction* a : f.menuBar()->actions())
        if (a->menu() && a->menu()->title() == "&Bearbeiten")
            for (QAction* b : a->menu()->actions())
                bearbeiten << b->text();
    EXPECT_EQ(bearbeiten.last(), "&Null setzen");
    EXPECT_TRUE(bearbeiten.contains("&Kopieren"));
    EXPECT_TRUE(bearbeiten.contains("&Einfügen"));
}

TEST_F(Gausdlg, GroesseBautDieGitterUm) {
    Tgausdlg f;
    eingeben(f, {"2|1|3", "1|-1|0"});
    groesse(f)->setText("3");
    EXPECT_EQ(kopf(*f.eingabegitter()), (QStringList{"x1", "x2", "x3", "b"}));
    EXPECT_EQ(zeilen(*f.eingabegitter()), (QStringList{"2|1|3|0", "1|-1|0|0", "0|0|0|0"}));
    EXPECT_EQ(kopf(*f.ergebnisgitter()), (QStringList{"x1", "x2", "x3"}));
    // A typed 15 builds ten equations and is brought into range when the window computes.
    groesse(f)->setText("15");
    EXPECT_EQ(f.eingabegitter()->rowCount(), 11);
    EXPECT_EQ(f.eingabegitter()->colCount(), 12);
    f.rechne();
    EXPECT_EQ(groesse(f)->text(), "10");
    EXPECT_EQ(dienst.meldungen, QStringList{"Gleichung nicht lösbar"});
}

TEST_F(Gausdlg, LoesungenUndEliminierteMatrix) {
    struct Fall {
        const char* name;
        QStringList gleichungen;
        QStringList ergebnis;
        bool loesbar;
    };
    const Fall faelle[] = {
        {"2x+y=3, x-y=0", {"2|1|3", "1|-1|0"}, {"1,00|1,00"}, true},
        {"Zeilentausch", {"0|1|2", "1|0|3"}, {"3,00|2,00"}, true},
        {"drei Gleichungen", {"2|1|-1|8", "-3|-1|2|-11", "-2|1|2|-3"}, {"2,00|3,00|-1,00"}, true},
        {"erste Spalte mit Nullen", {"0|1|1|2", "0|2|1|3", "3|1|1|5"}, {"1,00|1,00|1,00"}, true},
        {"n = 1", {"4|3"}, {"0,75"}, true},
        {"Dezimalkomma", {"0,5|1"}, {"2,00"}, true},
        {"winziges Pivot", {"1E-20|1|1", "1|1|2"}, {"1,00|1,00"}, true},
        {"abhaengig", {"1|1|1", "2|2|2"}, {"1,00|1,00|1,00", "0,00|0,00|0,00"}, false},
        {"Dezimalbrueche ohne Loesung",
         {"0,1|0,3|1", "0,3|0,9|4"},
         {"0,10|0,30|1,00", "0,00|0,00|1,00"},
         false},
        {"Dezimalbrueche abhaengig", {"0,1|0,3|1", "0,3|0,9|3"}, {}, false},
    };
    for (const Fall& fall : faelle) {
        Tgausdlg f;
        eingeben(f, fall.gleichungen);
        dienst.meldungen.clear();
        f.ausfuehren(Befehl::rechne);
        const int n = static_cast<int>(fall.gleichungen.size());
        if (fall.loesbar) {
            EXPECT_TRUE(dienst.meldungen.isEmpty()) << fall.name;
            EXPECT_EQ(f.ergebnisgitter()->rowCount(), 2) << fall.name;
            EXPECT_EQ(f.ergebnisgitter()->colCount(), n + 1) << fall.name;
        } else {
            EXPECT_EQ(dienst.meldungen, QStringList{"Gleichung nicht lösbar"}) << fall.name;
            EXPECT_EQ(kopf(*f.ergebnisgitter()), QStringList({"x1", "x2", "b"})) << fall.name;
            EXPECT_EQ(f.ergebnisgitter()->cell(0, 2), "2") << fall.name;
            EXPECT_EQ(f.ergebnisgitter()->rowCount(), n + 1) << fall.name;
        }
        if (!fall.ergebnis.isEmpty()) {
            EXPECT_EQ(zeilen(*f.ergebnisgitter()), fall.ergebnis) << fall.name;
        }
    }
}

TEST_F(Gausdlg, FalscheZelleLaesstDieErgebnisseStehen) {
    Tgausdlg f;
    eingeben(f, {"2|1|3", "1|-1|0"});
    f.rechne();
    ASSERT_EQ(zeilen(*f.ergebnisgitter()), QStringList{"1,00|1,00"});
    struct Fall {
        int spalte, zeile;
        const char* text;
        const char* meldung;
    };
    for (const Fall& fall : {Fall{3, 2, "a", "Fehlerhafte Eingabe in Zeile:2Spalte:3"},
                             Fall{1, 1, "", "Fehlerhafte Eingabe in Zeile:1Spalte:1"},
                             Fall{2, 1, "1,2,3", "Fehlerhafte Eingabe in Zeile:1Spalte:2"}}) {
        const QString vorher = f.eingabegitter()->cell(fall.spalte, fall.zeile);
        f.eingabegitter()->setCell(fall.spalte, fall.zeile, fall.text);
        f.eingabegitter()->setCell(1, 2, "5"); // would change the solution
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung});
        EXPECT_EQ(zeilen(*f.ergebnisgitter()), QStringList{"1,00|1,00"}) << fall.text;
        f.eingabegitter()->setCell(fall.spalte, fall.zeile, vorher);
        f.eingabegitter()->setCell(1, 2, "1");
    }
}

TEST_F(Gausdlg, NeuUndNullSetzen) {
    for (const char* wie : {"Neu", "Nullsetzen"}) {
        Tgausdlg f;
        eingeben(f, {"2|1|3", "1|-1|0"});
        f.rechne();
        f.findChild<QAction*>(wie)->trigger();
        EXPECT_EQ(zeilen(*f.eingabegitter()), QStringList(2, "0|0|0")) << wie;
        EXPECT_EQ(zeilen(*f.ergebnisgitter()), QStringList{"|"}) << wie;
    }
}

TEST_F(Gausdlg, KopierenUndEinfuegen) {
    Tgausdlg f;
    eingeben(f, {"2|1|3", "1|-1|0"});
    f.rechne();
    f.ausfuehren(Befehl::kopieren);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "\tx1\tx2\tb\r\n1\t2\t1\t3\r\n2\t1\t-1\t0\r\n\tx1\tx2\r\n\t1,00\t1,00\r\n");
    // Pasting starts at the first equation, whatever cell is selected.
    f.eingabegitter()->setCurrentCell(2, 3);
    QApplication::clipboard()->setText("1\t1\t2\r\n1\t-1\t0\r\n7\t7\t7\t7\r\n");
    f.ausfuehren(Befehl::einfuegen);
    EXPECT_EQ(zeilen(*f.eingabegitter()), (QStringList{"1|1|2", "1|-1|0"}));
    EXPECT_TRUE(f.geaendert());
    f.rechne();
    EXPECT_EQ(zeilen(*f.ergebnisgitter()), QStringList{"1,00|1,00"});
    // From the context menu the grid's own selection is copied.
    f.ergebnisgitter()->setAuswahl(QRect(1, 1, 1, 1));
    f.zwischenablage(Befehl::kopieren, f.ergebnisgitter());
    EXPECT_EQ(QApplication::clipboard()->text(), "1,00\r\n");
}

TEST_F(Gausdlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("system.lgs");
    Tgausdlg f;
    f.setzeFormat("0.0");
    eingeben(f, {"2|1|-1|8", "-3|-1|2|-11", "-2|1|2|-3"});
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 4);
    EXPECT_EQ(z[0], "lgs");
    EXPECT_EQ(z[1], "0.0");
    EXPECT_EQ(z[3], "3");

    Tgausdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(zeilen(*g.ergebnisgitter()), QStringList{"2,0|3,0|-1,0"});
    EXPECT_EQ(g.format(), "0.0");

    const QString fremd = ordner.filePath("fremd.lgs");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Determinanten\r\n0.00\r\n0#400#300#0#0#\r\n3\r\n");
    ff.close();
    Tgausdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

// The polynomial window writes "lgs" files too: its degree (up to 20) and its two-row
// coefficient grid come in as clamped values, the grids get this window's size and headers.
TEST_F(Gausdlg, DateiDesPolynomfenstersWirdBegrenzt) {
    QTemporaryDir ordner;
    struct Fall {
        const char* name;
        QByteArray inhalt;
        int zeilen;
    };
    const Fall faelle[] = {
        {"Grad 3",
         "lgs\r\n0.00\r\n0#640#480#0#0#\r\n3\r\nDATEN_ANFANG\r\nPolynom\tx^3\tx^2\tx^1\tx^0\r\n"
         "Koeffizienten\t1\t-6\t11\t-6\r\nDATEN_ENDE\r\n",
         4},
        {"Grad 20",
         "lgs\r\n0.00\r\n0#640#480#0#0#\r\n20\r\nDATEN_ANFANG\r\nPolynom\tx^20\r\n"
         "Koeffizienten\t1\r\nDATEN_ENDE\r\n",
         11},
        {"Grad 0", "lgs\r\n0.00\r\n0#640#480#0#0#\r\n0\r\n", 2},
        {"abgeschnitten", "lgs\r\n0.00\r\n", 3},
    };
    for (const Fall& fall : faelle) {
        const QString datei = ordner.filePath("polynom.lgs");
        QFile ff(datei);
        ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
        ff.write(fall.inhalt);
        ff.close();
        Tgausdlg f;
        ASSERT_TRUE(f.laden(datei)) << fall.name;
        EXPECT_EQ(f.eingabegitter()->rowCount(), fall.zeilen) << fall.name;
        EXPECT_EQ(f.eingabegitter()->colCount(), fall.zeilen + 1) << fall.name;
        EXPECT_EQ(f.eingabegitter()->cell(1, 0), "x1") << fall.name;
        EXPECT_EQ(f.eingabegitter()->cell(0, 1), "1") << fall.name;
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{"Gleichung nicht lösbar"}) << fall.name;
    }
}

TEST_F(Gausdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "spineditin1=3",        "--set", "StringGrid1[1,1]=2",
          "--set", "StringGrid1[1,2]=1",   "--set", "StringGrid1[1,3]=-1",
          "--set", "StringGrid1[1,4]=8",   "--set", "StringGrid1[2,1]=-3",
          "--set", "StringGrid1[2,2]=-1",  "--set", "StringGrid1[2,3]=2",
          "--set", "StringGrid1[2,4]=-11", "--set", "StringGrid1[3,1]=-2",
          "--set", "StringGrid1[3,2]=1",   "--set", "StringGrid1[3,3]=2",
          "--set", "StringGrid1[3,4]=-3"},
         {"StringGrid2:", "\tx1\tx2\tx3", "\t2,00\t3,00\t-1,00"}},
        {{"--set", "StringGrid1[1,1]=1", "--set", "StringGrid1[1,2]=1", "--set",
          "StringGrid1[2,1]=2", "--set", "StringGrid1[2,2]=2", "--set", "StringGrid1[2,3]=2"},
         {"Meldung: Gleichung nicht lösbar", "\tx1\tx2\tb", "1\t1,00\t1,00\t0,00",
          "2\t0,00\t0,00\t2,00"}},
        {{"--set", "StringGrid1[2,2]=x"}, {"Meldung: Fehlerhafte Eingabe in Zeile:2Spalte:2"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "105"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tgausdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

TEST_F(Gausdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tgausdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/gleichungssystem1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(groesse(*f)->Value(), 3);
    EXPECT_EQ(zeilen(*f->ergebnisgitter()), QStringList{"2,00|3,00|-1,00"});
    f->rechne();
    EXPECT_EQ(zeilen(*f->ergebnisgitter()), QStringList{"2,00|3,00|-1,00"});
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Gausdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(105);
    ASSERT_NE(qobject_cast<Tgausdlg*>(f), nullptr);
    delete f;
}

} // namespace

// The matrix window: the operations by button and menu, the inverse and its refusal, the
// transpose, results copied back, refused cells, files, batch mode and the template.
#include "modules/linalg/matrixdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

Tspineditin* groesse(Tmatrixdlg& f) {
    return steuer<Tspineditin>(f, "spineditin1");
}

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

void eingeben(Tmatrixdlg& f, int nummer, const QStringList& z) {
    groesse(f)->setValue(static_cast<int>(z.size()));
    for (int i = 0; i < z.size(); ++i) {
        const QStringList teile = z[i].split('|');
        for (int j = 0; j < teile.size(); ++j)
            f.matrixgitter(nummer)->setCell(j + 1, i + 1, teile[j]);
    }
}

void befehl(Tmatrixdlg& f, const char* name) {
    auto* a = f.findChild<QAction*>(name);
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
}

class Matrixdlg : public ::testing::Test {
protected:
    void SetUp() override { matrizen_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Matrixdlg, AufbauUndKnoepfe) {
    Tmatrixdlg f;
    EXPECT_EQ(f.windowTitle(), "Matrizen");
    EXPECT_EQ(f.art().hilfekontext, 260);
    EXPECT_EQ(f.art().kennung, "Matrix");
    EXPECT_EQ(groesse(f)->Value(), 2);
    for (int nummer : {1, 2})
        EXPECT_EQ(zeilen(*f.matrixgitter(nummer)), QStringList(2, "0|0"));
    auto* leiste = f.findChild<QToolBar*>("Werkzeugleiste");
    ASSERT_NE(leiste, nullptr);
    QStringList knoepfe;
    for (QAction* a : leiste->actions()) {
        auto* k = qobject_cast<QToolButton*>(leiste->widgetForAction(a));
        if (k && a->isVisible()) knoepfe << k->text();
    }
    for (const char* knopf : {"+", "-", "*", "1/M1", "M1/T", "->M1", "->M2"})
        EXPECT_TRUE(knoepfe.contains(knopf)) << knopf << " in " << knoepfe.join(",").toStdString();
    EXPECT_EQ(f.findChild<QAction*>("NachM1")->toolTip(), "Ergebnis nach Matrix 1");
    groesse(f)->setText("3");
    for (const TStringGrid* g : {f.matrixgitter(1), f.matrixgitter(2), f.ergebnisgitter()}) {
        EXPECT_EQ(g->rowCount(), 4);
        EXPECT_EQ(g->cell(3, 0), "3");
        EXPECT_EQ(g->cell(0, 3), "3");
    }
}

TEST_F(Matrixdlg, Operationen) {
    struct Fall {
        const char* befehl;
        QStringList m1, m2, ergebnis;
    };
    const QStringList m1 = {"1|2", "3|4"};
    const QStringList e = {"1|0", "0|1"};
    const Fall faelle[] = {
        {"Multiplizieren", m1, e, {"1,00|2,00", "3,00|4,00"}},
        {"Addieren", m1, e, {"2,00|2,00", "3,00|5,00"}},
        {"Subtrahieren", m1, e, {"0,00|2,00", "3,00|3,00"}},
        {"Multiplizieren", m1, {"0|1", "1|0"}, {"2,00|1,00", "4,00|3,00"}},
        {"Invertieren1", {"2|0", "0|4"}, e, {"0,50|0,00", "0,00|0,25"}},
        {"Invertieren2", e, {"2|0", "0|4"}, {"0,50|0,00", "0,00|0,25"}},
        {"Invertieren1",
         {"1|2|3", "0|1|4", "5|6|0"},
         {"0|0|0", "0|0|0", "0|0|0"},
         {"-24,00|18,00|5,00", "20,00|-15,00|-4,00", "-5,00|4,00|1,00"}},
        {"Transponieren1", m1, e, {"1|3", "2|4"}},
        {"Transponieren2", e, m1, {"1|3", "2|4"}},
    };
    for (const Fall& fall : faelle) {
        Tmatrixdlg f;
        eingeben(f, 1, fall.m1);
        eingeben(f, 2, fall.m2);
        befehl(f, fall.befehl);
        EXPECT_EQ(zeilen(*f.ergebnisgitter()), fall.ergebnis) << fall.befehl;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// One message for the whole matrix, and no earlier result left standing as if it were the
// inverse.
TEST_F(Matrixdlg, SingulaereMatrix) {
    Tmatrixdlg f;
    eingeben(f, 1, {"1|2", "2|4"});
    eingeben(f, 2, {"1|0", "0|1"});
    befehl(f, "Addieren");
    befehl(f, "Invertieren1");
    EXPECT_EQ(dienst.meldungen, QStringList{"Matrix nicht invertierbar !"});
    EXPECT_EQ(zeilen(*f.ergebnisgitter()), QStringList(2, "|"));
    // 10 × 10 singular: still one message.
    dienst.meldungen.clear();
    groesse(f)->setValue(10);
    befehl(f, "Invertieren2");
    EXPECT_EQ(dienst.meldungen, QStringList{"Matrix nicht invertierbar !"});
}

TEST_F(Matrixdlg, ErgebnisZurueckInDieMatrix) {
    Tmatrixdlg f;
    eingeben(f, 1, {"1|2", "3|4"});
    eingeben(f, 2, {"1|1", "1|1"});
    befehl(f, "Addieren");
    befehl(f, "NachM1");
    EXPECT_EQ(zeilen(*f.matrixgitter(1)), (QStringList{"2,00|3,00", "4,00|5,00"}));
    befehl(f, "Addieren");
    EXPECT_EQ(zeilen(*f.ergebnisgitter()), (QStringList{"3,00|4,00", "5,00|6,00"}));
    befehl(f, "NachM2");
    EXPECT_EQ(zeilen(*f.matrixgitter(2)), (QStringList{"3,00|4,00", "5,00|6,00"}));
    EXPECT_TRUE(f.geaendert());
}

TEST_F(Matrixdlg, FalscheZelleNenntDieMatrix) {
    Tmatrixdlg f;
    eingeben(f, 1, {"1|2", "3|4"});
    eingeben(f, 2, {"1|0", "0|1"});
    befehl(f, "Addieren");
    const QStringList vorher = zeilen(*f.ergebnisgitter());
    f.matrixgitter(2)->setCell(1, 2, "x");
    befehl(f, "Multiplizieren");
    f.matrixgitter(1)->setCell(2, 1, "");
    befehl(f, "Invertieren1");
    EXPECT_EQ(dienst.meldungen, (QStringList{"Fehlerhafte Eingabe in Matrix 2 Zeile:2Spalte:1",
                                             "Fehlerhafte Eingabe in Matrix 1 Zeile:1Spalte:2"}));
    EXPECT_EQ(zeilen(*f.ergebnisgitter()), vorher);
}

TEST_F(Matrixdlg, GroesseWirdBegrenzt) {
    Tmatrixdlg f;
    groesse(f)->setText("15");
    EXPECT_EQ(f.matrixgitter(1)->rowCount(), 11);
    QElapsedTimer uhr;
    uhr.start();
    befehl(f, "Multiplizieren");
    EXPECT_EQ(groesse(f)->text(), "10");
    EXPECT_EQ(f.ergebnisgitter()->cell(10, 10), "0,00");
    EXPECT_LT(uhr.elapsed(), 500);
}

TEST_F(Matrixdlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("matrizen.mat");
    Tmatrixdlg f;
    eingeben(f, 1, {"1|2", "3|4"});
    eingeben(f, 2, {"0|1", "1|0"});
    befehl(f, "Multiplizieren");
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    EXPECT_EQ(zeilen_von(datei).value(0), "Matrix");
    Tmatrixdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(zeilen(*g.ergebnisgitter()), (QStringList{"2,00|1,00", "4,00|3,00"}));

    const QString fremd = ordner.filePath("fremd.mat");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Determinanten\r\n0.00\r\n");
    ff.close();
    Tmatrixdlg h;
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
}

TEST_F(Matrixdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "StringGrid1[1,1]=2", "--set", "StringGrid1[2,2]=4", "--command", "1/M1"},
         {"StringGrid3:", "\t1\t2", "1\t0,50\t0,00", "2\t0,00\t0,25"}},
        {{"--set", "StringGrid1[1,1]=1", "--set", "StringGrid1[1,2]=2", "--set",
          "StringGrid1[2,1]=2", "--set", "StringGrid1[2,2]=4", "--command", "Invertieren1"},
         {"Meldung: Matrix nicht invertierbar !"}},
        {{"--set", "StringGrid1[1,2]=5", "--command", "M1/T"}, {"2\t5\t0"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "120"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tmatrixdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

TEST_F(Matrixdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tmatrixdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/matrizen1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(groesse(*f)->Value(), 3);
    const QStringList inverse = {"-24,00|18,00|5,00", "20,00|-15,00|-4,00", "-5,00|4,00|1,00"};
    EXPECT_EQ(zeilen(*f->ergebnisgitter()), inverse);
    befehl(*f, "Invertieren1");
    EXPECT_EQ(zeilen(*f->ergebnisgitter()), inverse);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Matrixdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(120);
    ASSERT_NE(qobject_cast<Tmatrixdlg*>(f), nullptr);
    delete f;
}

} // namespace

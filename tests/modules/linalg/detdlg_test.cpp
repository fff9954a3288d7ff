// The determinant window: the grid follows the size, "deter=…" for the edge cases and the dense
// 10 × 10 matrix in time, refused cells, "Ergebnisse definieren", files, batch mode and the
// template.
#include "engine/fktbaum.h"
#include "modules/linalg/detdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

Tspineditin* groesse(Tdetdlg& f) {
    return steuer<Tspineditin>(f, "spineditin1");
}

QString ergebnis(Tdetdlg& f) {
    return steuer<QLineEdit>(f, "Edit1")->text();
}

// Rows as "a|b|…"; sets the size first.
void eingeben(Tdetdlg& f, const QStringList& zeilen) {
    groesse(f)->setValue(static_cast<int>(zeilen.size()));
    for (int i = 0; i < zeilen.size(); ++i) {
        const QStringList teile = zeilen[i].split('|');
        for (int j = 0; j < teile.size(); ++j)
            f.eingabegitter()->setCell(j + 1, i + 1, teile[j]);
    }
}

QStringList zweiAufDerDiagonale(int n) {
    QStringList z;
    for (int i = 0; i < n; ++i) {
        QStringList zeile(n, "1");
        zeile[i] = "2";
        z << zeile.join('|');
    }
    return z;
}

class Detdlg : public ::testing::Test {
protected:
    void SetUp() override {
        determinanten_registrieren();
        formelbaum().alle_loeschen();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }
    Testmeldungsdienst dienst;
};

TEST_F(Detdlg, AufbauUndVorgaben) {
    Tdetdlg f;
    EXPECT_EQ(f.windowTitle(), "Determinanten");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 250);
    EXPECT_EQ(f.art().kennung, "Determinanten");
    EXPECT_EQ(groesse(f)->Value(), 2);
    EXPECT_EQ(f.eingabegitter()->rowCount(), 3);
    EXPECT_EQ(f.eingabegitter()->colCount(), 3);
    EXPECT_TRUE(steuer<QLineEdit>(f, "Edit1")->isReadOnly());
    EXPECT_TRUE(f.bietet(Befehl::ergebnisse_definieren));
    EXPECT_TRUE(f.bietet(Befehl::rechnenfenster));
    groesse(f)->setText("4");
    EXPECT_EQ(f.eingabegitter()->rowCount(), 5);
    EXPECT_EQ(f.eingabegitter()->cell(4, 0), "4");
    EXPECT_EQ(f.eingabegitter()->cell(0, 4), "4");
    EXPECT_EQ(f.eingabegitter()->cell(4, 4), "0");
}

TEST_F(Detdlg, Determinanten) {
    struct Fall {
        const char* name;
        QStringList matrix;
        const char* text;
    };
    const Fall faelle[] = {
        {"2x2", {"1|2", "3|4"}, "deter=-2,00"},
        {"Einheitsmatrix", {"1|0|0", "0|1|0", "0|0|1"}, "deter=1,00"},
        {"tridiagonal", {"2|-1|0", "-1|2|-1", "0|-1|2"}, "deter=4,00"},
        {"n = 1", {"-3,5"}, "deter=-3,50"},
        {"singulaer", {"1|2|3", "4|5|6", "7|8|9"}, "deter=0,00"},
        {"Leerzeichen", {" 1 | 2", "3|4 "}, "deter=-2,00"},
    };
    for (const Fall& fall : faelle) {
        Tdetdlg f;
        eingeben(f, fall.matrix);
        f.ausfuehren(Befehl::rechne);
        EXPECT_EQ(ergebnis(f), fall.text) << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// The dense 10 × 10 matrix takes 6 235 301 expansion calls; "Rechne" stays below half a second.
TEST_F(Detdlg, ZehnMalZehnInDerZeit) {
    Tdetdlg f;
    eingeben(f, zweiAufDerDiagonale(10));
    QElapsedTimer uhr;
    uhr.start();
    f.rechne();
    EXPECT_LT(uhr.elapsed(), 500);
    EXPECT_EQ(ergebnis(f), "deter=11,00");
}

TEST_F(Detdlg, GroesseWirdBegrenzt) {
    Tdetdlg f;
    eingeben(f, {"1|2", "3|4"});
    for (const char* text : {"15", "0", "-2"}) {
        groesse(f)->setText(text);
        EXPECT_LE(f.eingabegitter()->rowCount(), 11) << text;
        f.rechne();
        EXPECT_GE(groesse(f)->Value(), 1);
        EXPECT_LE(groesse(f)->Value(), 10);
    }
    EXPECT_EQ(ergebnis(f), "deter=1,00"); // 1 × 1 with the element 1
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Detdlg, FalscheZelleLaesstDasErgebnisStehen) {
    Tdetdlg f;
    eingeben(f, {"1|2", "3|4"});
    f.rechne();
    f.eingabegitter()->setCell(2, 1, "zwei");
    f.eingabegitter()->setCell(1, 1, "5");
    f.rechne();
    EXPECT_EQ(dienst.meldungen, QStringList{"Fehlerhafte Eingabe in Zeile:1Spalte:2"});
    EXPECT_EQ(ergebnis(f), "deter=-2,00");
}

TEST_F(Detdlg, ErgebnisseDefinieren) {
    ModalWaechter waechter;
    Tdetdlg f;
    eingeben(f, {"1|2", "3|4"});
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    std::string rechnung = "DETER*3=";
    long double w = 0;
    ASSERT_TRUE(formelbaum().untersuche(rechnung, w));
    EXPECT_EQ(w, -6);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Detdlg, NeuUndNullSetzen) {
    for (const char* wie : {"Neu", "Nullsetzen"}) {
        Tdetdlg f;
        eingeben(f, {"1|2", "3|4"});
        f.rechne();
        f.findChild<QAction*>(wie)->trigger();
        EXPECT_EQ(f.eingabegitter()->cell(2, 2), "0") << wie;
        EXPECT_EQ(ergebnis(f), "") << wie;
    }
}

TEST_F(Detdlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("matrix.det");
    Tdetdlg f;
    eingeben(f, {"2|-1|0", "-1|2|-1", "0|-1|2"});
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 4);
    EXPECT_EQ(z[0], "Determinanten");
    EXPECT_EQ(z[3], "3");
    Tdetdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(ergebnis(g), "deter=4,00");

    const QString fremd = ordner.filePath("fremd.det");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Matrix\r\n0.00\r\n0#400#300#0#0#\r\n3\r\n");
    ff.close();
    Tdetdlg h;
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
}

TEST_F(Detdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "StringGrid1[1,1]=1", "--set", "StringGrid1[1,2]=2", "--set",
          "StringGrid1[2,1]=3", "--set", "StringGrid1[2,2]=4"},
         {"Edit1: deter=-2,00"}},
        {{"--set", "StringGrid1[2,1]=a"}, {"Meldung: Fehlerhafte Eingabe in Zeile:2Spalte:1"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "100"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tdetdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

TEST_F(Detdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tdetdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/determinanten1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(groesse(*f)->Value(), 3);
    EXPECT_EQ(ergebnis(*f), "deter=4,00");
    f->rechne();
    EXPECT_EQ(ergebnis(*f), "deter=4,00");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Detdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(100);
    ASSERT_NE(qobject_cast<Tdetdlg*>(f), nullptr);
    delete f;
}

} // namespace

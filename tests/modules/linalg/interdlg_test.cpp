// The interpolation window: marker columns, "poly(x)=…" for the edge cases, refused rows,
// "Gleichung nicht lösbar", "Ergebnisse definieren", the drawing with the f(x) rows as points,
// files, batch mode and the template.
#include "engine/fktbaum.h"
#include "modules/linalg/interdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

Tspineditin* groesse(Tinterdlg& f) {
    return steuer<Tspineditin>(f, "spineditin1");
}

QString ergebnis(Tinterdlg& f) {
    return steuer<QLineEdit>(f, "Edit1")->text();
}

// Rows as "x|y|art" with art "f", "f'" or "f''" (typed into the marker column, as a user
// would), or "-" for a row without marker.
void eingeben(Tinterdlg& f, const QStringList& zeilen) {
    groesse(f)->setValue(static_cast<int>(zeilen.size()));
    TStringGrid* g = f.eingabegitter();
    for (int i = 0; i < zeilen.size(); ++i) {
        const QStringList teile = zeilen[i].split('|');
        g->setCell(1, i + 1, teile[0]);
        g->setCell(2, i + 1, teile[1]);
        if (teile[2] == "-") {
            for (int c = 3; c <= 5; ++c)
                g->setCell(c, i + 1, "");
        } else {
            g->setCell(2 + static_cast<int>(teile[2].size()), i + 1, "x");
        }
    }
}

QStringList marken(const TStringGrid& g) {
    QStringList z;
    for (int r = 1; r < g.rowCount(); ++r)
        z << g.cell(3, r) + "|" + g.cell(4, r) + "|" + g.cell(5, r);
    return z;
}

class Interdlg : public ::testing::Test {
protected:
    void SetUp() override {
        interpolation_registrieren();
        formelbaum().alle_loeschen();
        ASSERT_TRUE(ordner.isValid());
        // The plot window writes the handed-over points into the working folder.
        vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
    }
    void TearDown() override {
        QDir::setCurrent(vorher);
        formelbaum().alle_loeschen();
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            if (qobject_cast<Tdialogfkt*>(f)) delete f;
    }
    QTemporaryDir ordner;
    QString vorher;
    Testmeldungsdienst dienst;
};

TEST_F(Interdlg, AufbauUndMarkierung) {
    Tinterdlg f;
    EXPECT_EQ(f.windowTitle(), "Interpolation");
    EXPECT_EQ(f.art().hilfekontext, 255);
    EXPECT_EQ(f.art().kennung, "int");
    TStringGrid* g = f.eingabegitter();
    EXPECT_EQ(g->colCount(), 6);
    EXPECT_EQ(g->rowCount(), 3);
    EXPECT_EQ(g->cell(1, 0), "x-Wert");
    EXPECT_EQ(g->cell(5, 0), "f''(x)");
    EXPECT_EQ(marken(*g), QStringList(2, "X||"));
    EXPECT_EQ(g->cell(1, 2), "0");
    // Typing into a marker column moves the row's "X" there, whatever was typed.
    g->setCell(5, 1, "ja");
    EXPECT_EQ(marken(*g), (QStringList{"||X", "X||"}));
    emit g->cellDoubleClicked(2, 4);
    EXPECT_EQ(marken(*g), (QStringList{"||X", "|X|"}));
    // Emptying a marker cell only empties it.
    g->setCell(4, 2, "");
    EXPECT_EQ(marken(*g), (QStringList{"||X", "||"}));
    g->setCell(4, 2, "X");
    // New rows get "X" under "f(x)" and "0" values; existing markers stay.
    groesse(f)->setText("4");
    EXPECT_EQ(marken(*g), (QStringList{"||X", "|X|", "X||", "X||"}));
    EXPECT_EQ(g->cell(2, 4), "0");
    EXPECT_EQ(g->cell(0, 4), "4");
    f.findChild<QAction*>("Neu")->trigger();
    EXPECT_EQ(marken(*g), QStringList(4, "X||"));
}

TEST_F(Interdlg, Polynome) {
    struct Fall {
        const char* name;
        QStringList zeilen;
        const char* text;
    };
    const Fall faelle[] = {
        {"Gerade", {"0|1|f", "1|3|f"}, "poly(x)=1,00+2,00*x"},
        {"Ableitungen in 0", {"0|0|f", "0|1|f'", "0|2|f''"}, "poly(x)=1,00*x+1,00*x^2"},
        {"Konstante", {"2|5|f"}, "poly(x)=5,00"},
        {"Hermite", {"0|0|f", "1|1|f", "0|0|f'", "1|0|f'"}, "poly(x)=3,00*x^2-2,00*x^3"},
        {"alles rundet auf null", {"0|0,001|f", "1|0,002|f"}, "poly(x)=0"},
        {"Dezimalkomma und Leerzeichen", {" 0,5 |1|f", "1,5| 2|f"}, "poly(x)=0,50+1,00*x"},
    };
    for (const Fall& fall : faelle) {
        Tinterdlg f;
        eingeben(f, fall.zeilen);
        f.ausfuehren(Befehl::rechne);
        EXPECT_EQ(ergebnis(f), fall.text) << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Interdlg, FehlerhafteEingabeUndNichtLoesbar) {
    struct Fall {
        const char* name;
        QStringList zeilen;
        const char* meldung;
        bool ergebnisBleibt;
    };
    const Fall faelle[] = {
        {"x keine Zahl", {"a|1|f", "1|3|f"}, "Fehlerhafte Eingabe", true},
        {"y leer", {"0||f", "1|3|f"}, "Fehlerhafte Eingabe", true},
        {"ohne Marke", {"0|1|f", "1|3|-"}, "Fehlerhafte Eingabe", true},
        {"gleiches x", {"1|1|f", "1|2|f"}, "Gleichung nicht lösbar", false},
        {"nur Ableitungen", {"0|1|f'", "1|1|f'"}, "Gleichung nicht lösbar", false},
    };
    for (const Fall& fall : faelle) {
        Tinterdlg f;
        eingeben(f, {"0|1|f", "1|3|f"});
        f.rechne();
        ASSERT_EQ(ergebnis(f), "poly(x)=1,00+2,00*x");
        eingeben(f, fall.zeilen);
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.name;
        EXPECT_EQ(ergebnis(f), fall.ergebnisBleibt ? "poly(x)=1,00+2,00*x" : "") << fall.name;
    }
}

TEST_F(Interdlg, ErgebnisseDefinieren) {
    ModalWaechter waechter;
    Tinterdlg f;
    eingeben(f, {"0|0|f", "1|1|f", "0|0|f'", "1|0|f'"});
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    long double w = 0;
    ASSERT_TRUE(formelbaum().fktberechnen("POLY", 0.5L, w));
    EXPECT_NEAR(static_cast<double>(w), 0.5, 1e-15);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// Only "f(x)" rows become points: a value of f' is no point of the curve.
TEST_F(Interdlg, ZeichnenMitDenPunkten) {
    Tinterdlg f;
    eingeben(f, {"0|0|f", "2|4|f", "0|0|f'"});
    f.ausfuehren(Befehl::zeichnen);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->isVisible());
    EXPECT_EQ(ergebnis(f), "poly(x)=1,00*x^2");
    ASSERT_EQ(z->eintraege().size(), 2u);
    EXPECT_EQ(QString::fromStdString(z->eintraege()[0].name).toUpper(), "POLY(X)=1,00*X^2");
    EXPECT_EQ(z->eintraege()[1].art, Teinzelnefkt::tabelle);
    EXPECT_NE(z->eintraege()[1].stil, 0); // dotted points
    const QStringList daten = zeilen_von(ordner.filePath("inter.dat"));
    EXPECT_EQ(daten.mid(1, 3), (QStringList{"0\t0", "2\t4", "DATEN_ENDE"}));
}

TEST_F(Interdlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("kurve.int");
    Tinterdlg f;
    eingeben(f, {"0|0|f", "0|1|f'", "0|2|f''"});
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    EXPECT_EQ(zeilen_von(datei).value(0), "int");
    Tinterdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(marken(*g.eingabegitter()), (QStringList{"X||", "|X|", "||X"}));
    g.rechne();
    EXPECT_EQ(ergebnis(g), "poly(x)=1,00*x+1,00*x^2");

    const QString fremd = ordner.filePath("fremd.int");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("lgs\r\n0.00\r\n");
    ff.close();
    Tinterdlg h;
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
}

TEST_F(Interdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "StringGrid1[1,2]=1", "--set", "StringGrid1[2,1]=1", "--set",
          "StringGrid1[2,2]=3"},
         {"Edit1: poly(x)=1,00+2,00*x"}},
        {{"--set", "spineditin1=3", "--set", "StringGrid1[2,2]=1", "--set", "StringGrid1[2,4]=X",
          "--set", "StringGrid1[3,2]=2", "--set", "StringGrid1[3,5]=X"},
         {"Edit1: poly(x)=1,00*x+1,00*x^2"}},
        {{"--set", "StringGrid1[1,2]=5"}, {"Meldung: Gleichung nicht lösbar", "Edit1: "}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "110"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tinterdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

TEST_F(Interdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tinterdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/interpolation1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(groesse(*f)->Value(), 4);
    EXPECT_EQ(ergebnis(*f), "poly(x)=3,00*x^2-2,00*x^3");
    f->rechne();
    EXPECT_EQ(ergebnis(*f), "poly(x)=3,00*x^2-2,00*x^3");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Interdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(110);
    ASSERT_NE(qobject_cast<Tinterdlg*>(f), nullptr);
    delete f;
}

} // namespace

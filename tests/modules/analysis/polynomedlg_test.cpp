// The polynomial window: grid and degree, "Rechne" with refused input, files (also those of the
// linear systems window, which share the marker "lgs"), "Zeichnen", the definitions the memo
// holds, batch mode and the lesson template.
#include "engine/fktbaum.h"
#include "modules/analysis/polynomedlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

class Polynome : public ::testing::Test {
protected:
    void SetUp() override { polynome_registrieren(); }
    Testmeldungsdienst dienst;
};

TStringGrid* gitter(TPolynomedlg& f) {
    return steuer<TStringGrid>(f, "StringGrid1");
}
Tspineditin* grad(TPolynomedlg& f) {
    return steuer<Tspineditin>(f, "spineditin1");
}
QStringList memo(TPolynomedlg& f) {
    return f.ergebnismemo()->toPlainText().split('\n');
}
QStringList zeile(const TStringGrid& g, int r) {
    QStringList z;
    for (int c = 0; c < g.colCount(); ++c)
        z << g.cell(c, r);
    return z;
}
// Coefficients from the highest power down.
void eingeben(TPolynomedlg& f, const QStringList& koeffizienten) {
    grad(f)->setValue(static_cast<int>(koeffizienten.size()) - 1);
    for (int i = 0; i < koeffizienten.size(); ++i)
        gitter(f)->setCell(i + 1, 1, koeffizienten[i]);
}

TEST_F(Polynome, FrischesFensterRechnetOhneNullDurchNull) {
    TPolynomedlg f;
    EXPECT_EQ(f.windowTitle(), "Polynom");
    EXPECT_EQ(zeile(*gitter(f), 0), QStringList({"Polynom", "x^2", "x^1", "x^0"}));
    EXPECT_EQ(zeile(*gitter(f), 1), QStringList({"Koeffizienten", "0", "0", "0"}));
    f.rechne();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join('|').toStdString();
    EXPECT_EQ(memo(f), QStringList({";Funktion:", "poly(x)=0", ";1. Ableitung:", "dpoly(x)=0",
                                    ";2. Ableitung:", "d2poly(x)=0", ";Stammfunktion ",
                                    "Ipoly(x)=0", ";Zerlegung in Linearfaktoren:", "polylin(x)=0",
                                    ";Nullstellen:", ";komplexe Nullstellen:"}));
}

TEST_F(Polynome, RechneSchreibtDieZeilen) {
    TPolynomedlg f;
    eingeben(f, {"1", "-6", "11", "-6"});
    f.rechne();
    const QStringList m = memo(f);
    for (const char* z :
         {"poly(x)=1,00*x^3-6,00*x^2+11,00*x-6,00", "dpoly(x)=3,00*x^2-12,00*x+11,00",
          "polylin(x)=1,00*(x-3,00)*(x-2,00)*(x-1,00)", "NST3=1,00"})
        EXPECT_TRUE(m.contains(z)) << z;
    f.setzeFormat("0.0");
    f.rechne();
    EXPECT_TRUE(memo(f).contains("poly(x)=1,0*x^3-6,0*x^2+11,0*x-6,0"));
}

// Every definition line is one the calculation window takes; the comment lines are skipped.
TEST_F(Polynome, ZeilenSindDefinitionen) {
    TPolynomedlg f;
    eingeben(f, {"1", "0", "0", "0", "0", "-1"});
    f.rechne();
    for (const QString& z : memo(f)) {
        if (z.startsWith(';')) continue;
        EXPECT_TRUE(formelbaum().definiere(z.toStdString())) << z.toStdString();
    }
}

TEST_F(Polynome, FehlerhafteZelleBeendetDieRechnung) {
    TPolynomedlg f;
    eingeben(f, {"1", "0", "-4"});
    f.rechne();
    const QString vorher = f.ergebnismemo()->toPlainText();
    struct Fall {
        int spalte;
        const char* text;
        const char* meldung;
    };
    const Fall faelle[] = {{2, "a", "Fehler bei der Eingabe von: x^1"},
                           {1, "", "Fehler bei der Eingabe von: x^2"},
                           {3, "1..2", "Fehler bei der Eingabe von: x^0"}};
    for (const Fall& fall : faelle) {
        eingeben(f, {"1", "0", "-4"});
        gitter(f)->setCell(fall.spalte, 1, fall.text);
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList({fall.meldung}));
        EXPECT_EQ(f.ergebnismemo()->toPlainText(), vorher);
    }
}

TEST_F(Polynome, GradFolgtDemFeldUndBehaeltDieKoeffizienten) {
    TPolynomedlg f;
    eingeben(f, {"1", "0", "-4"});
    grad(f)->setValue(4);
    EXPECT_EQ(zeile(*gitter(f), 0), QStringList({"Polynom", "x^4", "x^3", "x^2", "x^1", "x^0"}));
    EXPECT_EQ(zeile(*gitter(f), 1), QStringList({"Koeffizienten", "0", "0", "1", "0", "-4"}));
    grad(f)->setValue(1);
    EXPECT_EQ(zeile(*gitter(f), 1), QStringList({"Koeffizienten", "0", "-4"}));
    // A degree typed beyond the range is brought to 30 before the computation uses it.
    grad(f)->setText("99");
    f.rechne();
    EXPECT_EQ(grad(f)->Value(), 30);
    EXPECT_EQ(gitter(f)->colCount(), 32);
    EXPECT_EQ(gitter(f)->cell(31, 1), "-4");
    EXPECT_TRUE(memo(f).contains("poly(x)=-4,00"));
}

TEST_F(Polynome, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("p.pol");
    TPolynomedlg f;
    eingeben(f, {"2", "0,5", "-1", "3"});
    f.setzeFormat("0.000");
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 2);
    EXPECT_EQ(z[0], "lgs");
    EXPECT_EQ(z[1], "0.000");

    TPolynomedlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(g.format(), "0.000");
    g.rechne();
    EXPECT_TRUE(memo(g).contains("poly(x)=2,000*x^3+0,500*x^2-1,000*x+3,000"));
}

// A file of the linear systems window (same marker): a size of 3 and a 5 x 4 grid plus the
// result grid. It loads as a polynomial of degree 3 from the first grid's row 1, and a size
// beyond 30 is clamped; never a crash, never a cell read past the grid.
TEST_F(Polynome, DateiDesGleichungssystemsFensters) {
    QTemporaryDir ordner;
    struct Fall {
        const char* groesse;
        int grad;
        QStringList koeffizienten;
    };
    const Fall faelle[] = {{"3", 3, {"2", "1", "3", "7"}}, {"77", 30, {}}, {"x", 0, {"2"}}};
    for (const Fall& fall : faelle) {
        QMainWindow fremd;
        auto* n = new Tspineditin(&fremd);
        n->setText(fall.groesse);
        auto* a = new TStringGrid(&fremd);
        a->setColCount(5);
        a->setRowCount(4);
        for (int r = 1; r < 4; ++r)
            for (int c = 1; c < 5; ++c)
                a->setCell(c, r, QString::number(r == 1 ? QList<int>{2, 1, 3, 7}[c - 1] : r * c));
        auto* b = new TStringGrid(&fremd);
        b->setColCount(4);
        b->setRowCount(2);
        Tsaveloadlist liste;
        liste.zeilen << "lgs"
                     << "0.00";
        liste.componentenspeichern(&fremd, {n, a, b});
        const QString datei = ordner.filePath("g.lgs");
        ASSERT_TRUE(zeilen_schreiben(datei, liste.zeilen));

        TPolynomedlg f;
        f.laden(datei);
        EXPECT_EQ(grad(f)->Value(), fall.grad);
        EXPECT_EQ(gitter(f)->colCount(), fall.grad + 2);
        EXPECT_EQ(gitter(f)->rowCount(), 2);
        if (!fall.koeffizienten.isEmpty()) {
            EXPECT_EQ(zeile(*gitter(f), 1).mid(1), fall.koeffizienten);
        }
        dienst.meldungen.clear();
        f.rechne();
        for (const QString& z : memo(f))
            EXPECT_FALSE(z.contains("nan") || z.contains("inf")) << z.toStdString();
    }
}

TEST_F(Polynome, BairstowFehlschlagMitMeldung) {
    TPolynomedlg f;
    eingeben(f, {"-4", "10", "-5", "-4", "-2", "10", "-4", "-2", "6", "-7", "5", "6", "-10", "8",
                 "7", "-6"});
    f.rechne();
    ASSERT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(dienst.meldungen[0].startsWith("Das Bairstow-Verfahren konvergiert nicht."));
    EXPECT_TRUE(memo(f).contains(";Nullstellen:"));
    EXPECT_TRUE(memo(f)[1].startsWith("poly(x)=-4,00*x^15+10,00*x^14"));
}

TEST_F(Polynome, ZeichnenGibtPolyAnEinZeichenfenster) {
    TPolynomedlg f;
    eingeben(f, {"1", "0", "-4"});
    f.setzeFormat("0.0");
    const QWidgetList vorher = QApplication::topLevelWidgets();
    f.ausfuehren(Befehl::zeichnen);
    Tdialogfkt* zeichnung = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!vorher.contains(w) && qobject_cast<Tdialogfkt*>(w))
            zeichnung = qobject_cast<Tdialogfkt*>(w);
    ASSERT_NE(zeichnung, nullptr);
    EXPECT_EQ(zeichnung->eintraege().size(), 1u);
    EXPECT_EQ(zeichnung->format(), "0.0");
    EXPECT_EQ(zeichnung->findChild<QLineEdit*>("Edit1")->text(), "poly(x)=1,0*x^2-4,0");
    delete zeichnung;
}

// A refused cell leaves the previous result in the memo; "Zeichnen" must not draw it.
TEST_F(Polynome, ZeichnenNachFehlerhafterZelleZeichnetNichts) {
    TPolynomedlg f;
    eingeben(f, {"1", "0", "-4"});
    f.rechne();
    gitter(f)->setCell(2, 1, "a");
    const QWidgetList vorher = QApplication::topLevelWidgets();
    f.ausfuehren(Befehl::zeichnen);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(!vorher.contains(w) && qobject_cast<Tdialogfkt*>(w));
    EXPECT_EQ(dienst.meldungen, QStringList({"Fehler bei der Eingabe von: x^1"}));
}

TEST_F(Polynome, Stapelbetrieb) {
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren(
        {"zol", "--batch", "40", "--set", "StringGrid1[1,1]=1", "--set", "StringGrid1[1,3]=-4"},
        aus, err);
    EXPECT_EQ(code, 0) << err.str();
    const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
    for (const char* z : {"== TPolynomedlg ==", "poly(x)=1,00*x^2-4,00",
                          "polylin(x)=1,00*(x-2,00)*(x+2,00)", "NST2=-2,00"})
        EXPECT_TRUE(zeilen.contains(z)) << z << " in\n" << aus.str();
}

TEST_F(Polynome, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<TPolynomedlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/polynom1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(grad(*f)->Value(), 3);
    // A file keeps no memo: the lesson computes on opening.
    EXPECT_TRUE(memo(*f).contains("polylin(x)=1,00*(x-3,00)*(x-2,00)*(x-1,00)"))
        << memo(*f).join(QLatin1Char('\n')).toStdString();
    f->rechne();
    EXPECT_TRUE(memo(*f).contains("polylin(x)=1,00*(x-3,00)*(x-2,00)*(x-1,00)"));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

// The polynomial arithmetic window: grids (one row per power), the five operations with their
// refusals, files, batch mode by button face and the lesson template.
#include "modules/algebra/polyrechdlg.h"
#include "modules/algebra/polyrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

class Polyrechnen : public ::testing::Test {
protected:
    void SetUp() override { polyrechnen_registrieren(); }
    Testmeldungsdienst dienst;
};

TStringGrid* gitter(Tpolyrechdlg& f, int i) {
    return steuer<TStringGrid>(f, i == 1 ? "StringGrid1" : "StringGrid2");
}
Tspineditin* grad(Tpolyrechdlg& f, int i) {
    return steuer<Tspineditin>(f, i == 1 ? "spineditin1" : "spineditin2");
}
QStringList memo(Tpolyrechdlg& f) {
    return f.ergebnismemo()->toPlainText().split('\n');
}
QStringList spalte(const TStringGrid& g, int c) {
    QStringList z;
    for (int r = 0; r < g.rowCount(); ++r)
        z << g.cell(c, r);
    return z;
}
// Coefficients from the highest power down.
void eingeben(Tpolyrechdlg& f, const QStringList& p1, const QStringList& p2) {
    int i = 1;
    for (const QStringList& k : {p1, p2}) {
        grad(f, i)->setValue(static_cast<int>(k.size()) - 1);
        for (int r = 0; r < k.size(); ++r)
            gitter(f, i)->setCell(1, r + 1, k[r]);
        ++i;
    }
}

TEST_F(Polyrechnen, AufbauUndBefehle) {
    Tpolyrechdlg f;
    EXPECT_EQ(f.windowTitle(), "Polynome rechnen");
    EXPECT_EQ(spalte(*gitter(f, 1), 0), QStringList({"Polynom 1", "x^2", "x^1", "x^0"}));
    EXPECT_EQ(spalte(*gitter(f, 2), 1), QStringList({"Koeffizienten", "0", "0", "0"}));
    EXPECT_EQ(grad(f, 1)->MaxValue(), 20);
    QStringList knoepfe, hinweise;
    for (QToolButton* k : f.findChildren<QToolBar*>().value(0)->findChildren<QToolButton*>())
        if (k->defaultAction()) {
            knoepfe << k->text();
            hinweise << k->defaultAction()->toolTip();
        }
    for (const char* k : {"+", "-", "*", "/", "x^y"})
        EXPECT_TRUE(knoepfe.contains(k)) << k;
    for (const char* h : {"Polynome addieren", "Polynome subtrahieren", "Polynome multiplizieren",
                          "Polynome dividieren", "Polynom potenzieren"})
        EXPECT_TRUE(hinweise.contains(h)) << h;
}

TEST_F(Polyrechnen, OperationenSchreibenZweiZeilen) {
    Tpolyrechdlg f;
    struct Fall {
        Polyoperation op;
        QStringList p1, p2;
        QStringList soll;
    };
    const Fall faelle[] = {
        {Polyoperation::produkt,
         {"1", "1"},
         {"1", "-1"},
         {"polynom(x)=( 1,00*x+1,00)*( 1,00*x-1,00)", "polymul(x)= 1,00*x^2-1,00"}},
        {Polyoperation::division,
         {"1", "0", "-1"},
         {"1", "-1"},
         {"polynom(x)=( 1,00*x^2-1,00)/( 1,00*x-1,00)",
          "polydivi(x)= 1,00*x+1,00+(0)/( 1,00*x-1,00)"}},
        {Polyoperation::potenz,
         {"1", "1"},
         {"3"},
         {"polynom(x)=( 1,00*x+1,00)^3", "polypotenz(x)= 1,00*x^3+3,00*x^2+3,00*x+1,00"}},
        {Polyoperation::differenz,
         {"1", "1"},
         {"1", "1"},
         {"polynom(x)=( 1,00*x+1,00)-( 1,00*x+1,00)", "polysub(x)=0"}},
        // The fresh window's zeros: sum 0.
        {Polyoperation::summe,
         {"0", "0", "0"},
         {"0", "0", "0"},
         {"polynom(x)=(0)+(0)", "polysum(x)=0"}},
    };
    for (const Fall& fall : faelle) {
        eingeben(f, fall.p1, fall.p2);
        f.rechnen(fall.op);
        EXPECT_EQ(memo(f), fall.soll);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Polyrechnen, AbgelehntesLaesstDasMemoStehen) {
    Tpolyrechdlg f;
    eingeben(f, {"1", "1"}, {"1", "-1"});
    f.rechnen(Polyoperation::produkt);
    const QString vorher = f.ergebnismemo()->toPlainText();
    struct Fall {
        QStringList p1, p2;
        Polyoperation op;
        const char* meldung;
    };
    const Fall faelle[] = {
        {{"1", "1"},
         {"1", "-1"},
         Polyoperation::potenz,
         "Polynom 2 muss den Exponenten enthalten. Polynom 2 muss eine Konstante sein."},
        {{"1", "1"},
         {"0", "0"},
         Polyoperation::division,
         "Durch das Nullpolynom kann nicht dividiert werden."},
        {{"1", "1"}, {"1000000000"}, Polyoperation::potenz, nullptr},
        {{"1", "x"}, {"1"}, Polyoperation::summe, "Fehler bei der Eingabe von: x^0"},
        {{"1", "1"}, {"", "1"}, Polyoperation::summe, "Fehler bei der Eingabe von: x^1"},
    };
    for (const Fall& fall : faelle) {
        eingeben(f, fall.p1, fall.p2);
        dienst.meldungen.clear();
        f.rechnen(fall.op);
        ASSERT_EQ(dienst.meldungen.size(), 1);
        if (fall.meldung) {
            EXPECT_EQ(dienst.meldungen[0], fall.meldung);
        }
        EXPECT_EQ(f.ergebnismemo()->toPlainText(), vorher);
    }
    // Degree 20 times degree 1 exceeds 20.
    grad(f, 1)->setValue(20);
    gitter(f, 1)->setCell(1, 1, "1");
    eingeben(f, {}, {"1", "1"});
    grad(f, 1)->setValue(20);
    gitter(f, 1)->setCell(1, 1, "1");
    dienst.meldungen.clear();
    f.rechnen(Polyoperation::produkt);
    ASSERT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(dienst.meldungen[0].startsWith("Das Ergebnis hätte einen Grad über 20"));
}

TEST_F(Polyrechnen, GradFolgtDemFeld) {
    Tpolyrechdlg f;
    eingeben(f, {"3", "2", "1"}, {"1"});
    grad(f, 1)->setValue(3);
    EXPECT_EQ(spalte(*gitter(f, 1), 1), QStringList({"Koeffizienten", "0", "3", "2", "1"}));
    EXPECT_EQ(spalte(*gitter(f, 1), 0), QStringList({"Polynom 1", "x^3", "x^2", "x^1", "x^0"}));
    grad(f, 1)->setText("25");
    f.rechnen(Polyoperation::summe);
    EXPECT_EQ(grad(f, 1)->Value(), 20);
    EXPECT_EQ(gitter(f, 1)->rowCount(), 22);
}

TEST_F(Polyrechnen, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("p.pre");
    Tpolyrechdlg f;
    eingeben(f, {"1", "2", "-1", "-2"}, {"1", "2"});
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    EXPECT_EQ(zeilen_von(datei).value(0), "Polynomr");
    Tpolyrechdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    g.rechnen(Polyoperation::division);
    EXPECT_EQ(memo(g).value(1), "polydivi(x)= 1,00*x^2-1,00+(0)/( 1,00*x+2,00)");

    // A file of another window is refused and changes nothing.
    const QString fremd = ordner.filePath("f.pre");
    QFile a(fremd);
    ASSERT_TRUE(a.open(QIODevice::WriteOnly));
    a.write("lgs\r\n0.00\r\n");
    a.close();
    const QStringList vorher = zustand(g);
    EXPECT_FALSE(g.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList({"Datei kann nicht geladen werden."}));
    EXPECT_EQ(zustand(g), vorher);
}

TEST_F(Polyrechnen, StapelbetriebMitKnopfgesicht) {
    std::ostringstream aus, err;
    const int code =
        stapel_ausfuehren({"zol", "--batch", "150", "--set", "spineditin1=1", "--set",
                           "StringGrid1[1,1]=1", "--set", "StringGrid1[2,1]=1", "--set",
                           "spineditin2=0", "--set", "StringGrid2[1,1]=3", "--command", "x^y"},
                          aus, err);
    EXPECT_EQ(code, 0) << err.str();
    const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
    for (const char* z : {"== Tpolyrechdlg ==", "polynom(x)=( 1,00*x+1,00)^3",
                          "polypotenz(x)= 1,00*x^3+3,00*x^2+3,00*x+1,00"})
        EXPECT_TRUE(zeilen.contains(z)) << z << " in\n" << aus.str();
}

TEST_F(Polyrechnen, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f = qobject_cast<Tpolyrechdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/polyrechnen1.pro")));
    ASSERT_NE(f, nullptr);
    const QString quotient = "polydivi(x)= 1,00*x^2-1,00+(0)/( 1,00*x+2,00)";
    EXPECT_EQ(memo(*f).value(1), quotient); // it opens with the division worked out
    f->rechnen(Polyoperation::division);
    EXPECT_EQ(memo(*f).value(1), quotient);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

// The rational functions window: both grids and degrees, "Rechne" with refused input and a zero
// denominator, files (also those of the linear systems window, which share the marker "lgs"),
// "Zeichnen", batch mode and the lesson template.
#include "engine/fktbaum.h"
#include "modules/analysis/gebrochdlg.h"
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

class Gebrochen : public ::testing::Test {
protected:
    void SetUp() override { gebrochen_registrieren(); }
    Testmeldungsdienst dienst;
};

TStringGrid* gitter(Tgebrochdlg& f, int i) {
    return steuer<TStringGrid>(f, i == 1 ? "StringGrid1" : "StringGrid2");
}
Tspineditin* grad(Tgebrochdlg& f, int i) {
    return steuer<Tspineditin>(f, i == 1 ? "spineditin1" : "spineditin2");
}
QStringList memo(Tgebrochdlg& f) {
    return f.ergebnismemo()->toPlainText().split('\n');
}
QStringList zeile(const TStringGrid& g, int r) {
    QStringList z;
    for (int c = 0; c < g.colCount(); ++c)
        z << g.cell(c, r);
    return z;
}
// Coefficients from the highest power down.
void eingeben(Tgebrochdlg& f, const QStringList& zaehler, const QStringList& nenner) {
    int i = 1;
    for (const QStringList& k : {zaehler, nenner}) {
        grad(f, i)->setValue(static_cast<int>(k.size()) - 1);
        for (int c = 0; c < k.size(); ++c)
            gitter(f, i)->setCell(c + 1, 1, k[c]);
        ++i;
    }
}

TEST_F(Gebrochen, FrischesFensterMeldetDenNullnenner) {
    Tgebrochdlg f;
    EXPECT_EQ(f.windowTitle(), "Gebrochen rationale Funktion");
    EXPECT_EQ(zeile(*gitter(f, 1), 0), QStringList({"Zähler", "x^2", "x^1", "x^0"}));
    EXPECT_EQ(zeile(*gitter(f, 2), 0), QStringList({"Nenner", "x^2", "x^1", "x^0"}));
    EXPECT_EQ(zeile(*gitter(f, 2), 1), QStringList({"Koeffizienten", "0", "0", "0"}));
    f.rechne();
    EXPECT_EQ(dienst.meldungen, QStringList({"Der Nenner darf nicht das Nullpolynom sein."}));
    EXPECT_EQ(memo(f), QStringList({";Funktion:", "ratfkt(x)=(0)/(0)"}));
}

TEST_F(Gebrochen, RechneUndDefinitionen) {
    Tgebrochdlg f;
    eingeben(f, {"1", "0", "0", "1"}, {"1", "0"});
    f.rechne();
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    const QStringList m = memo(f);
    for (const char* z :
         {"ratfkt(x)=(1,00*x^3+1,00)/(1,00*x)", "ratfktsum(x)=1,00*x^2+(1,00)/(1,00*x)",
          "ablratfkt(x)=(2,00*x^3-1,00)/(1,00*x^2)", "NSTZ1=-1,00", "realZ1=0,50", "imaZ1=0,87",
          "NSTN1=0,00"})
        EXPECT_TRUE(m.contains(z)) << z;
    // Every line but the comments and the two headers of the complex zeros is a definition.
    for (const QString& z : m) {
        if (z.startsWith(';') || z == "komplexe Nullstellen:") continue;
        EXPECT_TRUE(formelbaum().definiere(z.toStdString())) << z.toStdString();
    }
    EXPECT_FALSE(formelbaum().definiere("komplexe Nullstellen:"));
}

TEST_F(Gebrochen, FehlerhafteZelleInZaehlerOderNenner) {
    Tgebrochdlg f;
    eingeben(f, {"1", "0", "-1"}, {"1", "-1"});
    f.rechne();
    const QString vorher = f.ergebnismemo()->toPlainText();
    gitter(f, 2)->setCell(2, 1, "b");
    f.rechne();
    EXPECT_EQ(dienst.meldungen, QStringList({"Fehler bei der Eingabe von: x^0"}));
    gitter(f, 1)->setCell(1, 1, "");
    f.rechne();
    EXPECT_EQ(dienst.meldungen.last(), "Fehler bei der Eingabe von: x^2");
    EXPECT_EQ(dienst.meldungen.size(), 2); // the numerator's error ends it before the denominator
    EXPECT_EQ(f.ergebnismemo()->toPlainText(), vorher);
}

TEST_F(Gebrochen, DateiHinUndZurueckUndFremdeDatei) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("g.gbr");
    Tgebrochdlg f;
    eingeben(f, {"1", "0", "-1"}, {"2", "-1"});
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    EXPECT_EQ(zeilen_von(datei).value(0), "lgs");
    Tgebrochdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(zeile(*gitter(g, 2), 1), QStringList({"Koeffizienten", "2", "-1"}));

    // The linear systems window's file: size 3, a 5 x 4 grid and its result grid. The size
    // becomes the numerator degree; the denominator reads what follows and is clamped.
    QMainWindow fremd;
    auto* n = new Tspineditin(&fremd);
    n->setText("3");
    auto* a = new TStringGrid(&fremd);
    a->setColCount(5);
    a->setRowCount(4);
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 5; ++c)
            a->setCell(c, r, QString::number(r + c));
    auto* b = new TStringGrid(&fremd);
    Tsaveloadlist liste;
    liste.zeilen << "lgs"
                 << "0.00";
    liste.componentenspeichern(&fremd, {n, a, b});
    const QString lgs = ordner.filePath("x.lgs");
    ASSERT_TRUE(zeilen_schreiben(lgs, liste.zeilen));
    Tgebrochdlg h;
    h.laden(lgs);
    for (int i : {1, 2}) {
        const int d = grad(h, i)->Value();
        EXPECT_GE(d, 0);
        EXPECT_LE(d, 30);
        EXPECT_EQ(gitter(h, i)->colCount(), d + 2);
        EXPECT_EQ(gitter(h, i)->rowCount(), 2);
    }
    h.rechne();
    for (const QString& z : memo(h))
        EXPECT_FALSE(z.contains("nan") || z.contains("inf")) << z.toStdString();
}

TEST_F(Gebrochen, ZeichnenGibtRatfktAnEinZeichenfenster) {
    Tgebrochdlg f;
    eingeben(f, {"1", "0", "-1"}, {"1", "-1"});
    const QWidgetList vorher = QApplication::topLevelWidgets();
    f.ausfuehren(Befehl::zeichnen);
    Tdialogfkt* zeichnung = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!vorher.contains(w) && qobject_cast<Tdialogfkt*>(w))
            zeichnung = qobject_cast<Tdialogfkt*>(w);
    ASSERT_NE(zeichnung, nullptr);
    EXPECT_EQ(zeichnung->eintraege().size(), 1u);
    EXPECT_EQ(zeichnung->findChild<QLineEdit*>("Edit1")->text(),
              "ratfkt(x)=(1,00*x^2-1,00)/(1,00*x-1,00)");
    delete zeichnung;
}

TEST_F(Gebrochen, Stapelbetrieb) {
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren({"zol", "--batch", "45", "--set", "StringGrid1[1,1]=1",
                                        "--set", "StringGrid1[1,3]=1", "--set",
                                        "StringGrid2[1,1]=1", "--set", "StringGrid2[1,3]=-1"},
                                       aus, err);
    EXPECT_EQ(code, 0) << err.str();
    const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
    for (const char* z : {"== Tgebrochdlg ==", "ratfktsum(x)=1,00+(2,00)/(1,00*x^2-1,00)",
                          "ablratfktsum(x)=0+(-4,00*x)/(1,00*x^4-2,00*x^2+1,00)"})
        EXPECT_TRUE(zeilen.contains(z)) << z << " in\n" << aus.str();
}

TEST_F(Gebrochen, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tgebrochdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/gebrochen1.pro")));
    ASSERT_NE(f, nullptr);
    // (x^2-3)/(x-2): the asymptote y=x+2, the pole 2 and the extremes at 1 and 3 that the
    // lesson explains. A file keeps no memo, so these come from computing on opening.
    for (const char* zeile : {"ratfktsum(x)=1,00*x+2,00+(1,00)/(1,00*x-2,00)",
                              "ablratfkt(x)=(1,00*x^2-4,00*x+3,00)/(1,00*x^2-4,00*x+4,00)",
                              "NSTZ1=1,73", "NSTZ2=-1,73", "NSTN1=2,00"})
        EXPECT_TRUE(memo(*f).contains(zeile)) << zeile << "\n"
                                              << memo(*f).join(QLatin1Char('\n')).toStdString();
    f->rechne();
    EXPECT_TRUE(memo(*f).contains("ratfktsum(x)=1,00*x+2,00+(1,00)/(1,00*x-2,00)"));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

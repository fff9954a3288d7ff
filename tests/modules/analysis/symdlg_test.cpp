// The symbolic differentiation window: controls, "Rechne" with the probe, failures that keep
// the last result, ".sym" files, "Ergebnisse definieren", "Zeichnen" and batch mode.
#include "engine/fktbaum.h"
#include "modules/analysis/symdlg.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

class Symbolisch : public ::testing::Test {
protected:
    void SetUp() override {
        symbolisch_registrieren();
        formelbaum().alle_loeschen();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }
    QString ergebnis(Tmodulfenster& f) { return steuer<QLineEdit>(f, "Edit2")->text(); }
    QString probe(Tmodulfenster& f) { return steuer<QLabel>(f, "Probe")->text(); }
    Testmeldungsdienst dienst;
};

TEST_F(Symbolisch, NeuesFenster) {
    Tsymdlg f;
    EXPECT_EQ(f.windowTitle(), "Symbolisches Differenzieren");
    EXPECT_EQ(f.format(), "");
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit1")->text(), "fsym(x)=x^4");
    EXPECT_EQ(steuer<QPushButton>(f, "Funktionein")->text(), "Projektformeln");
    EXPECT_EQ(ergebnis(f), "");
    QStringList menues;
    for (QAction* a : f.menuBar()->actions())
        if (a->menu()) menues << a->menu()->title();
    EXPECT_EQ(menues, QStringList({"&Datei", "&Ausgabe", "&Eigenschaften", "&Hilfe"}));
    EXPECT_TRUE(f.bietet(Befehl::ergebnisse_definieren));
    EXPECT_TRUE(f.bietet(Befehl::zeichnen));
}

TEST_F(Symbolisch, RechneMitProbe) {
    const struct {
        const char *eingabe, *ergebnis;
    } faelle[] = {
        {"fsym(x)=x^4", "ablsymFSYM(X)=4*X^3"},
        {"f(x)=1/x", "ablsymF(X)=1*(-1*1)/((X)^2)"},
        {"f(x)=x*sin(x)", "ablsymF(X)=(X*COS(X)+1*SIN(X))"},
        {"f(x)=sqrt(x)", "ablsymF(X)=0,5/SQRT(X)"},
        {"f(x)=5", "ablsymF(X)=0"},
    };
    Tsymdlg f;
    for (const auto& fall : faelle) {
        steuer<QLineEdit>(f, "Edit1")->setText(fall.eingabe);
        f.rechne();
        EXPECT_EQ(ergebnis(f), fall.ergebnis);
        EXPECT_EQ(probe(f), "") << fall.eingabe;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    // The input is entered into the project formulas, the result only on request.
    EXPECT_GE(formelbaum().sucheeintrag("F"), 0);
    EXPECT_LT(formelbaum().sucheeintrag("ABLSYMF"), 0);

    // A picture that rounds the numbers makes the probe speak up.
    f.setzeFormat("0.0");
    steuer<QLineEdit>(f, "Edit1")->setText("g(x)=0,25*x^2");
    f.rechne();
    EXPECT_EQ(ergebnis(f), "ablsymG(X)=0,3*2,0*X^1,0");
    EXPECT_EQ(probe(f),
              "Achtung: Die Probe mit dem Differenzenquotienten stimmt bei x = -1,7 nicht.");
}

TEST_F(Symbolisch, FehlerLassenDasLetzteErgebnisStehen) {
    const struct {
        const char* eingabe;
        QStringList meldungen;
    } faelle[] = {
        {"f(x)=x^", {"Fehlerhafter Ausdruck"}},
        {"f(x)=abs(x)", {"Ungültiger Ausdruck!"}},
        {"f(x)=x^x", {"Fehler bei ableitpotenz"}},
        {"f(x)=x*x*x*x*x*x*x*x*x", {"Der Ausdruck ist zum Ableiten zu lang."}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.eingabe);
        dienst.meldungen.clear();
        Tsymdlg f;
        f.rechne();
        ASSERT_EQ(ergebnis(f), "ablsymFSYM(X)=4*X^3");
        steuer<QLineEdit>(f, "Edit1")->setText(fall.eingabe);
        f.rechne();
        EXPECT_EQ(dienst.meldungen, fall.meldungen);
        EXPECT_EQ(ergebnis(f), "ablsymFSYM(X)=4*X^3");
    }
}

TEST_F(Symbolisch, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("ableitung.sym");
    Tsymdlg f;
    steuer<QLineEdit>(f, "Edit1")->setText("k(x)=ln(x^2+1)");
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    f.ausfuehren(Befehl::speichern);
    const QStringList zeilen = zeilen_von(datei);
    ASSERT_GE(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0], "Symbolisch");
    EXPECT_EQ(zeilen[1], "");
    Tsymdlg g;
    g.setzeFormat("0.00");
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.format(), "");
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(ergebnis(g), "ablsymK(X)=1/(X^2+1)*(2*X^1)");
}

TEST_F(Symbolisch, ErgebnisseDefinierenUndZeichnen) {
    ModalWaechter waechter;
    Tsymdlg f;
    steuer<QLineEdit>(f, "Edit1")->setText("f(x)=x^3");
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    long double w = 0;
    ASSERT_TRUE(formelbaum().fktberechnen("ABLSYMF", 2, w));
    EXPECT_EQ(w, 12);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    const QWidgetList vorher = QApplication::topLevelWidgets();
    steuer<QLineEdit>(f, "Edit1")->setText("f(x)=sin(x)");
    f.ausfuehren(Befehl::zeichnen);
    // "Zeichnen" computes first.
    EXPECT_EQ(ergebnis(f), "ablsymF(X)=COS(X)");
    Tdialogfkt* zeichnung = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!vorher.contains(w) && qobject_cast<Tdialogfkt*>(w))
            zeichnung = qobject_cast<Tdialogfkt*>(w);
    ASSERT_NE(zeichnung, nullptr);
    EXPECT_EQ(zeichnung->eintraege().size(), 2u);
    delete zeichnung;
}

TEST_F(Symbolisch, Stapelbetrieb) {
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren(
        {"zol", "--batch", "Tsymdlg", "--set", "Edit1=f(x)=x*sin(x)", "--command", "Rechne"}, aus,
        err);
    EXPECT_EQ(code, 0) << err.str();
    EXPECT_NE(aus.str().find("Edit2: ablsymF(X)=(X*COS(X)+1*SIN(X))\n"), std::string::npos)
        << aus.str();
}

// The lesson template opens as a project with the product rule's example.
TEST_F(Symbolisch, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f =
        qobject_cast<Tsymdlg*>(u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/symdiff1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Symbolisches Differenzieren");
    // The explanation computes with f(x), so opening the lesson defines it.
    EXPECT_GE(formelbaum().sucheeintrag("F"), 0);
    EXPECT_EQ(ergebnis(*f), "ablsymF(X)=(X*COS(X)+1*SIN(X))");
    f->rechne();
    EXPECT_EQ(ergebnis(*f), "ablsymF(X)=(X*COS(X)+1*SIN(X))");
    EXPECT_EQ(probe(*f), "");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

// The discussion of two functions: controls, "Rechne" with both tables, refusals that empty
// them, ".di2" files, the hand-overs to a plot window and the spreadsheet, and batch mode.
#include "engine/fktbaum.h"
#include "modules/analysis/disku2dlg.h"
#include "modules/analysis/tabelleform.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

QStringList zeile(const TStringGrid& g, int r) {
    QStringList z;
    for (int c = 0; c < g.colCount(); ++c)
        z << g.cell(c, r);
    return z;
}

TStringGrid& gitter(Tmodulfenster& f, const char* name) {
    return *steuer<TStringGrid>(f, name);
}

void funktionen(Tmodulfenster& f, const char* erste, const char* zweite) {
    steuer<QLineEdit>(f, "Edit1")->setText(erste);
    steuer<QLineEdit>(f, "Edit2")->setText(zweite);
}

class Zweifunktionen : public ::testing::Test {
protected:
    void SetUp() override {
        tabelle_registrieren();
        zweifunktionen_registrieren();
        formelbaum().alle_loeschen();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }
    Testmeldungsdienst dienst;
};

TEST_F(Zweifunktionen, NeuesFenster) {
    Tdisku2dlg f;
    EXPECT_EQ(f.windowTitle(), "Diskussion 2 Fkt.");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit1")->text(), "fkt1(x)=-x^2");
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit2")->text(), "fkt2(x)=2*x-1");
    EXPECT_NE(steuer<QWidget>(f, "Funktionein2"), nullptr);
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmin")->Value(), -3);
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmax")->Value(), 3);
    auto* art = steuer<TRadioGroup>(f, "RadioGroup1");
    EXPECT_EQ(art->itemIndex(), 0);
    EXPECT_EQ(art->items(), QStringList({"Beide Funktionen", "1. Funktion und x-Achse",
                                         "2. Funktion und x-Achse"}));
    EXPECT_EQ(steuer<TextendEdit>(f, "Toleranz")->Value(), 0.001L);
    EXPECT_EQ(steuer<TlongintEdit>(f, "Iterationmax")->Value(), 20);
    EXPECT_EQ(steuer<TlongintEdit>(f, "aufloesung")->Value(), 400);
    EXPECT_EQ(steuer<TextendEdit>(f, "deltah")->Value(), 0.001L);
    EXPECT_EQ(steuer<TlongintEdit>(f, "simpson")->Value(), 30);
    auto* ergebnisse = steuer<QTabWidget>(f, "TabbedNotebook2");
    EXPECT_EQ(ergebnisse->tabText(0), "Schnittpunkte und Schnittwinkel");
    EXPECT_EQ(ergebnisse->tabText(1), "Flächen zwischen den Funktionen");
    EXPECT_EQ(gitter(f, "StringGrid1").columnWidth(0), 120);
    EXPECT_EQ(gitter(f, "StringGrid2").columnWidth(0), 120);
    EXPECT_EQ(f.ergebnisgitter(), &gitter(f, "StringGrid1"));
}

TEST_F(Zweifunktionen, RechneFuelltBeideTabellen) {
    const struct {
        const char *erste, *zweite;
        int art;
        QList<QStringList> schnitt, flaechen;
        const char* label;
    } faelle[] = {
        {"fkt1(x)=x^2",
         "fkt2(x)=x+2",
         0,
         {{"", "x-Wert", "y-Wert", "Schnittwinkel"},
          {"1.Schnittpunkt", "-1,00", "1,00", "71,56"},
          {"2.Schnittpunkt", "2,00", "4,00", "30,96"}},
         {{"Bereich", "Fläche"}, {"[-3,00,3,00]", "6,00"}, {"[-1,00,2,00]", "-4,50"}},
         "Abbruch der Iteration durch die Toleranz"},
        // The defaults.
        {"fkt1(x)=-x^2",
         "fkt2(x)=2*x-1",
         0,
         {{"", "x-Wert", "y-Wert", "Schnittwinkel"},
          {"1.Schnittpunkt", "-2,41", "-5,83", "14,86"},
          {"2.Schnittpunkt", "0,41", "-0,17", "76,98"}},
         {{"Bereich", "Fläche"}, {"[-3,00,3,00]", "-12,00"}, {"[-2,41,0,41]", "3,77"}},
         "Abbruch der Iteration durch die Toleranz"},
        {"g(x)=2*x-1",
         "h(x)=2*x+1",
         0,
         {{"", "x-Wert", "y-Wert", "Schnittwinkel"}, {"", "", "", ""}},
         {{"Bereich", "Fläche"}, {"[-3,00,3,00]", "-12,00"}},
         ""},
        // The second graph with the x-axis: its own y value and the angle with slope 0.
        {"g(x)=x^2",
         "h(x)=x-1",
         2,
         {{"", "x-Wert", "y-Wert", "Schnittwinkel"}, {"1.Schnittpunkt", "1,00", "0,00", "45,00"}},
         {{"Bereich", "Fläche"}, {"[-3,00,3,00]", "-6,00"}},
         "Abbruch der Iteration durch die Toleranz"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.erste);
        Tdisku2dlg f;
        funktionen(f, fall.erste, fall.zweite);
        steuer<TRadioGroup>(f, "RadioGroup1")->setItemIndex(fall.art);
        f.rechne();
        const TStringGrid& s = gitter(f, "StringGrid1");
        ASSERT_EQ(s.rowCount(), fall.schnitt.size());
        for (int r = 0; r < s.rowCount(); ++r)
            EXPECT_EQ(zeile(s, r), fall.schnitt[r]);
        const TStringGrid& a = gitter(f, "StringGrid2");
        ASSERT_EQ(a.rowCount(), fall.flaechen.size());
        for (int r = 0; r < a.rowCount(); ++r)
            EXPECT_EQ(zeile(a, r), fall.flaechen[r]);
        EXPECT_EQ(steuer<QLabel>(f, "Label3")->text(), fall.label);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    // The generated definition stays in the project formulas.
    EXPECT_GE(formelbaum().sucheeintrag("DIFFERENZ"), 0);
}

TEST_F(Zweifunktionen, AbgelehnteEingabenLeerenBeideTabellen) {
    const struct {
        const char *erste, *zweite;
        QStringList meldungen;
    } faelle[] = {
        {"f(x)=x^", "g(x)=x", {"Fehlerhafte Eingabe:f(x)=x^"}},
        {"f(x)=x^2", "g(x)=(x", {"Fehlerhafte Eingabe:g(x)=(x"}},
        // The same name twice: the difference would be 0 everywhere.
        {"f(x)=x^2", "F(x)=x+2", {"Fehlerhafte Eingabe:F(x)=x+2"}},
        // The difference would call itself.
        {"Differenz(x)=x^2",
         "g(x)=x",
         {"Rekursive Definitionen nicht erlaubt!",
          "Fehlerhafte Eingabe:Differenz(x)=Differenz(x)-g(x)"}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.erste);
        dienst.meldungen.clear();
        Tdisku2dlg f;
        f.rechne();
        ASSERT_EQ(gitter(f, "StringGrid1").rowCount(), 3);
        funktionen(f, fall.erste, fall.zweite);
        f.rechne();
        EXPECT_EQ(dienst.meldungen, fall.meldungen);
        for (const char* name : {"StringGrid1", "StringGrid2"}) {
            const TStringGrid& g = gitter(f, name);
            EXPECT_EQ(g.rowCount(), 2) << name;
            EXPECT_EQ(zeile(g, 1).join(""), "") << name;
        }
        formelbaum().alle_loeschen();
    }
}

TEST_F(Zweifunktionen, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("schnitt.di2");
    Tdisku2dlg f;
    f.setzeFormat("0.000");
    funktionen(f, "p(x)=x^2", "q(x)=x+2");
    steuer<TRadioGroup>(f, "RadioGroup1")->setItemIndex(1);
    steuer<TSpinEditex>(f, "xmin")->setText("-4,5");
    steuer<TlongintEdit>(f, "simpson")->setText("50");
    steuer<TextendEdit>(f, "deltah")->setText("1E-5");
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    f.ausfuehren(Befehl::speichern);
    EXPECT_EQ(f.windowTitle(), "schnitt.di2");
    const QStringList zeilen = zeilen_von(datei);
    ASSERT_GE(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0], "Diskussion 2");
    EXPECT_EQ(zeilen[1], "0.000");

    Tdisku2dlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.format(), "0.000");
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(steuer<TRadioGroup>(g, "RadioGroup1")->itemIndex(), 1);
    EXPECT_EQ(gitter(g, "StringGrid1").cell(1, 1), gitter(f, "StringGrid1").cell(1, 1));

    // Another window's file changes nothing.
    const QString fremd = ordner.filePath("fremd.di2");
    QFile aus(fremd);
    ASSERT_TRUE(aus.open(QIODevice::WriteOnly));
    aus.write("Diskussion\r\n0.0\r\n");
    aus.close();
    Tdisku2dlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList({"Datei kann nicht geladen werden."}));
    EXPECT_EQ(zustand(h), vorher);
}

TEST_F(Zweifunktionen, ZeichnenUndTabellenkalkulation) {
    Tdisku2dlg f;
    f.setzeFormat("0.0");
    const QWidgetList vorher = QApplication::topLevelWidgets();
    f.ausfuehren(Befehl::zeichnen);
    Tdialogfkt* zeichnung = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!vorher.contains(w) && qobject_cast<Tdialogfkt*>(w))
            zeichnung = qobject_cast<Tdialogfkt*>(w);
    ASSERT_NE(zeichnung, nullptr);
    ASSERT_EQ(zeichnung->eintraege().size(), 2u);
    EXPECT_EQ(zeichnung->format(), "0.0");
    delete zeichnung;

    f.rechne();
    ASSERT_TRUE(f.aktion(Befehl::tabellenkalkulation)->isEnabled());
    f.ausfuehren(Befehl::tabellenkalkulation);
    auto* tabelle = qobject_cast<Ttabelleform*>(letzteTabellenkalkulation());
    ASSERT_NE(tabelle, nullptr);
    // The intersection table from A1 on.
    EXPECT_EQ(tabelle->eingabe(1, 1), "-2,4");
    EXPECT_EQ(tabelle->eingabe(3, 2), "77,0");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete tabelle;
}

TEST_F(Zweifunktionen, Stapelbetrieb) {
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren({"zol", "--batch", "Tdisku2dlg", "--set",
                                        "Edit1=fkt1(x)=x^2", "--set", "Edit2=fkt2(x)=x+2"},
                                       aus, err);
    EXPECT_EQ(code, 0) << err.str();
    const std::string text = aus.str();
    for (const char* stueck :
         {"StringGrid1:\n\tx-Wert\ty-Wert\tSchnittwinkel\n1.Schnittpunkt\t-1,00\t1,00\t71,56\n"
          "2.Schnittpunkt\t2,00\t4,00\t30,96\n",
          "StringGrid2:\nBereich\tFläche\n[-3,00,3,00]\t6,00\n[-1,00,2,00]\t-4,50\n",
          "Label3: Abbruch der Iteration durch die Toleranz\n"})
        EXPECT_NE(text.find(stueck), std::string::npos) << stueck << " in\n" << text;
}

// The lesson template opens as a project with its computed tables.
TEST_F(Zweifunktionen, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tdisku2dlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/zweifkt1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Diskussion von 2 Fkt.");
    // The lesson opens computed: the label is no part of the file.
    EXPECT_EQ(steuer<QLabel>(*f, "Label3")->text(), "Abbruch der Iteration durch die Toleranz");
    EXPECT_EQ(zeile(gitter(*f, "StringGrid1"), 1),
              QStringList({"1.Schnittpunkt", "-1,00", "1,00", "71,56"}));
    f->rechne();
    EXPECT_EQ(zeile(gitter(*f, "StringGrid2"), 2), QStringList({"[-1,00,2,00]", "-4,50"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// The area lesson: a parabola against g(x)=0 over a range wider than its zeros, so that both
// zeros lie inside and the signed area of the whole range differs from the one asked for.
TEST_F(Zweifunktionen, IntegrallektionOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tdisku2dlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/integral1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(steuer<QLabel>(*f, "Label3")->text(), "Abbruch der Iteration durch die Toleranz");
    EXPECT_EQ(zeile(gitter(*f, "StringGrid1"), 1),
              QStringList({"1.Schnittpunkt", "-2,00", "0,00", "75,96"}));
    EXPECT_EQ(zeile(gitter(*f, "StringGrid1"), 2),
              QStringList({"2.Schnittpunkt", "2,00", "0,00", "75,96"}));
    EXPECT_EQ(zeile(gitter(*f, "StringGrid2"), 1), QStringList({"[-3,00,3,00]", "6,00"}));
    EXPECT_EQ(zeile(gitter(*f, "StringGrid2"), 2), QStringList({"[-2,00,2,00]", "10,67"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

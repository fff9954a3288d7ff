// The curve discussion window: its controls, "Rechne" with the kinds side by side, refusals,
// ".di1" files and the hand-overs to a plot window and to the spreadsheet.
#include "modules/analysis/diskussdlg.h"
#include "modules/analysis/tabelleform.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

// Readable failures for the grid rows.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

void arten(Tmodulfenster& f, bool null, bool extrem, bool wende, bool pol) {
    steuer<QCheckBox>(f, "artnullstellen")->setChecked(null);
    steuer<QCheckBox>(f, "artextremwerte")->setChecked(extrem);
    steuer<QCheckBox>(f, "artwendepunkte")->setChecked(wende);
    steuer<QCheckBox>(f, "artpolstelle")->setChecked(pol);
}

QString label3(Tmodulfenster& f) {
    return steuer<QLabel>(f, "Label3")->text();
}

QStringList zeile(const TStringGrid& g, int r) {
    QStringList z;
    for (int c = 0; c < g.colCount(); ++c)
        z << g.cell(c, r);
    return z;
}

class Diskussion : public ::testing::Test {
protected:
    // The spreadsheet must be known before a window builds its "Tabellenkalkulation" command.
    void SetUp() override { tabelle_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Diskussion, NeuesFenster) {
    Tdiskussdlg f;
    EXPECT_EQ(f.windowTitle(), "Diskussion");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit1")->text(), "disk(x)=x^3-2*x^2-2");
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmin")->Value(), -10);
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmax")->Value(), 10);
    EXPECT_EQ(steuer<TextendEdit>(f, "Toleranz")->Value(), 0.0001L);
    EXPECT_EQ(steuer<TlongintEdit>(f, "Iterationmax")->Value(), 30);
    EXPECT_EQ(steuer<TlongintEdit>(f, "aufloesung")->Value(), 400);
    EXPECT_TRUE(steuer<QCheckBox>(f, "artnullstellen")->isChecked());
    EXPECT_FALSE(steuer<QCheckBox>(f, "artpolstelle")->isChecked());
    auto* seiten = steuer<QTabWidget>(f, "TabbedNotebook1");
    EXPECT_EQ(seiten->tabText(0), "Funktion");
    EXPECT_EQ(seiten->tabText(1), "Konstante");
    EXPECT_EQ(steuer<QCheckBox>(f, "artwendepunkte")->parentWidget()->property("title"),
              "Art der Diskussion");
    TStringGrid* g = f.ergebnisgitter();
    EXPECT_EQ(g->objectName(), "StringGrid1");
    EXPECT_EQ(g->colCount(), 6);
    EXPECT_EQ(g->rowCount(), 6);
    EXPECT_EQ(g->columnWidth(0), 30);
    EXPECT_EQ(g->columnWidth(1), 110);

    // The compute button's hint, and "&Ausgabe" with the spreadsheet before the drawing.
    bool knopf = false;
    for (QToolButton* b : f.findChildren<QToolButton*>())
        if (b->defaultAction() == f.aktion(Befehl::rechne))
            knopf = b->toolTip() == "Ergebnisse berechnen";
    EXPECT_TRUE(knopf);
    QMenu* ausgabe = nullptr;
    for (QMenu* m : f.menuBar()->findChildren<QMenu*>())
        if (m->title() == "&Ausgabe") ausgabe = m;
    ASSERT_NE(ausgabe, nullptr);
    EXPECT_EQ(ausgabe->actions(),
              QList<QAction*>({f.aktion(Befehl::tabellenkalkulation), f.aktion(Befehl::zeichnen)}));
}

TEST_F(Diskussion, RechneSchreibtDieArtenNebeneinander) {
    Tdiskussdlg f;
    // The limits are exchanged first.
    steuer<TSpinEditex>(f, "xmin")->setValue(10);
    steuer<TSpinEditex>(f, "xmax")->setValue(-10);
    arten(f, true, true, true, true);
    f.rechne();
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmin")->Value(), -10);
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmax")->Value(), 10);
    const TStringGrid& g = *f.ergebnisgitter();
    ASSERT_EQ(g.colCount(), 9);
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(zeile(g, 0),
              QStringList({"", "Nullstelle x-Wert", "Nullstelle y-Wert", "Extremwert x-Wert",
                           "Extremwert y-Wert", "Wendepunkte x-Wert", "Wendepunkte y-Wert",
                           "Polstellen x-Wert", "Polstellen y-Wert"}));
    EXPECT_EQ(zeile(g, 1),
              QStringList({"1", "2,36", "0,00", "H 0,00", "-2,00", "0,67", "-2,59", "", ""}));
    EXPECT_EQ(zeile(g, 2), QStringList({"2", "", "", "T 1,33", "-3,19", "", "", "", ""}));
    EXPECT_EQ(label3(f), "Abbruch der Iteration durch die Toleranz");
    EXPECT_EQ(f.iterationsstatus(), "");
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Diskussion, ArtenUndIterationsmeldung) {
    const struct {
        const char* definition;
        bool null, extrem, wende, pol;
        int grenze;
        QStringList kopf;
        QStringList zeile1;
        const char* meldung;
    } faelle[] = {
        // Only poles: their columns are 1 and 2.
        {"kehr(x)=1/x",
         false,
         false,
         false,
         true,
         30,
         {"", "Polstellen x-Wert", "Polstellen y-Wert"},
         {"1", "0,00", "n. d."},
         "Abbruch der Iteration durch die Toleranz"},
        {"disk(x)=x^3-2*x^2-2",
         false,
         true,
         false,
         false,
         1,
         {"", "Extremwert x-Wert", "Extremwert y-Wert"},
         {"1", "H 0,00", "-2,00"},
         "Abbruch der Iteration durch max. Iteration"},
        // A midpoint on the zero moves neither end: the halving runs to the limit.
        {"g(x)=x",
         true,
         false,
         false,
         false,
         30,
         {"", "Nullstelle x-Wert", "Nullstelle y-Wert"},
         {"1", "0,00", "0,00"},
         "Abbruch der Iteration durch max. Iteration"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.definition);
        Tdiskussdlg f;
        steuer<QLineEdit>(f, "Edit1")->setText(fall.definition);
        arten(f, fall.null, fall.extrem, fall.wende, fall.pol);
        steuer<TlongintEdit>(f, "Iterationmax")->setValue(fall.grenze);
        if (fall.null) steuer<TlongintEdit>(f, "aufloesung")->setValue(5);
        f.rechne();
        const TStringGrid& g = *f.ergebnisgitter();
        EXPECT_EQ(zeile(g, 0), fall.kopf);
        EXPECT_EQ(zeile(g, 1), fall.zeile1);
        EXPECT_EQ(label3(f), fall.meldung);
    }
}

// Wrong results a teacher met: zeros of a function that is -2 everywhere (its two parts are
// rounded apart, so the samples wobble), and an inflection point at a pole with a huge value.
// A pole's row shows its x; the function has no value there.
TEST_F(Diskussion, KeineScheinpunkte) {
    const struct {
        const char* definition;
        bool alle;
        QStringList kopf, zeile1, zeile2;
    } faelle[] = {
        {"differenz(x)=(2*x-1)-(2*x+1)",
         false,
         {"", "Nullstelle x-Wert", "Nullstelle y-Wert"},
         {"", "", ""},
         {}},
        // Zeros -1 and 1, maximum at 2 - sqrt(3), minimum at 2 + sqrt(3), the pole at 2.
        {"disk(x)=(x^2-1)/(x-2)",
         true,
         {"", "Nullstelle x-Wert", "Nullstelle y-Wert", "Extremwert x-Wert", "Extremwert y-Wert",
          "Wendepunkte x-Wert", "Wendepunkte y-Wert", "Polstellen x-Wert", "Polstellen y-Wert"},
         {"1", "-1,00", "0,00", "H 0,27", "0,54", "", "", "2,00", "n. d."},
         {"2", "1,00", "0,00", "T 3,73", "7,46", "", "", "", ""}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.definition);
        Tdiskussdlg f;
        steuer<QLineEdit>(f, "Edit1")->setText(fall.definition);
        arten(f, true, fall.alle, fall.alle, fall.alle);
        f.rechne();
        const TStringGrid& g = *f.ergebnisgitter();
        EXPECT_EQ(zeile(g, 0), fall.kopf);
        EXPECT_EQ(zeile(g, 1), fall.zeile1);
        if (!fall.zeile2.isEmpty()) EXPECT_EQ(zeile(g, 2), fall.zeile2);
        EXPECT_EQ(g.rowCount(), fall.zeile2.isEmpty() ? 2 : 3);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// The limits of the arithmetic: a tolerance far below the precision of x still lists the
// cubic's extreme points (not poles); over ±1E300 the points cannot be narrowed down with 30
// halvings, so none is shown and a message says why.
TEST_F(Diskussion, GrenzenDerRechengenauigkeit) {
    const struct {
        long double toleranz, xmin, xmax;
        QStringList zeile1, zeile2;
        int meldungen;
    } faelle[] = {
        {1e-20L,
         -10,
         10,
         {"1", "2,36", "0,00", "H 0,00", "-2,00", "0,67", "-2,59", "", ""},
         {"2", "", "", "T 1,33", "-3,19", "", "", "", ""},
         0},
        {0.0001L, -1e300L, 1e300L, {"", "", "", "", "", "", "", "", ""}, {}, 1},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(static_cast<double>(fall.xmax));
        dienst.meldungen.clear();
        Tdiskussdlg f;
        arten(f, true, true, true, true);
        steuer<TextendEdit>(f, "Toleranz")->setValue(fall.toleranz);
        steuer<TSpinEditex>(f, "xmin")->setValue(fall.xmin);
        steuer<TSpinEditex>(f, "xmax")->setValue(fall.xmax);
        f.rechne();
        const TStringGrid& g = *f.ergebnisgitter();
        EXPECT_EQ(zeile(g, 1), fall.zeile1);
        if (!fall.zeile2.isEmpty()) EXPECT_EQ(zeile(g, 2), fall.zeile2);
        EXPECT_EQ(g.rowCount(), fall.zeile2.isEmpty() ? 2 : 3);
        ASSERT_EQ(dienst.meldungen.size(), fall.meldungen);
        if (fall.meldungen > 0)
            EXPECT_TRUE(dienst.meldungen[0].startsWith("Nicht jeder Punkt"))
                << dienst.meldungen[0].toStdString();
    }
}

TEST_F(Diskussion, FehlerhafteEingabeLeertDasGitter) {
    Tdiskussdlg f;
    f.rechne();
    ASSERT_EQ(f.ergebnisgitter()->cell(1, 1), "2,36");
    steuer<QLineEdit>(f, "Edit1")->setText("f(x)=x^");
    f.rechne();
    EXPECT_EQ(dienst.meldungen, QStringList({"Fehlerhafte Eingabe:f(x)=x^"}));
    const TStringGrid& g = *f.ergebnisgitter();
    EXPECT_EQ(zeile(g, 0), QStringList({"", "Nullstelle x-Wert", "Nullstelle y-Wert"}));
    EXPECT_EQ(zeile(g, 1), QStringList({"1", "", ""}));
    EXPECT_EQ(label3(f), "");
    // Too small a resolution typed in is brought into the field's range.
    steuer<QLineEdit>(f, "Edit1")->setText("h(x)=x^2-4");
    steuer<TlongintEdit>(f, "aufloesung")->setText("0");
    f.rechne();
    EXPECT_EQ(steuer<TlongintEdit>(f, "aufloesung")->text(), "5");
    EXPECT_EQ(dienst.meldungen.size(), 1);
}

TEST_F(Diskussion, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("kurve.di1");
    Tdiskussdlg f;
    f.setzeFormat("0.000");
    steuer<QLineEdit>(f, "Edit1")->setText("w(x)=sin(x)");
    steuer<TSpinEditex>(f, "xmin")->setText("-3,5");
    arten(f, false, true, true, false);
    steuer<TextendEdit>(f, "Toleranz")->setText("1E-6");
    steuer<TlongintEdit>(f, "aufloesung")->setText("250");
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    f.ausfuehren(Befehl::speichern);
    EXPECT_EQ(f.windowTitle(), "kurve.di1");

    QFile roh(datei);
    ASSERT_TRUE(roh.open(QIODevice::ReadOnly));
    const QList<QByteArray> zeilen = roh.readAll().split('\n');
    ASSERT_GE(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0], "Diskussion\r");
    EXPECT_EQ(zeilen[1], "0.000\r");

    Tdiskussdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.format(), "0.000");
    EXPECT_EQ(g.windowTitle(), "kurve.di1");
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(steuer<QLineEdit>(g, "Edit1")->text(), "w(x)=sin(x)");
    EXPECT_TRUE(steuer<QCheckBox>(g, "artwendepunkte")->isChecked());

    // Another window's file changes nothing.
    const QString fremd = ordner.filePath("fremd.di1");
    QFile aus(fremd);
    ASSERT_TRUE(aus.open(QIODevice::WriteOnly));
    aus.write("Wertetabelle\r\n0.0\r\n");
    aus.close();
    Tdiskussdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList({"Datei kann nicht geladen werden."}));
    EXPECT_EQ(zustand(h), vorher);
    EXPECT_EQ(h.format(), "0.00");
    EXPECT_EQ(h.windowTitle(), "Diskussion");
}

TEST_F(Diskussion, ZeichnenUndTabellenkalkulation) {
    Tdiskussdlg f;
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
    delete zeichnung;

    arten(f, true, true, false, false);
    f.rechne();
    ASSERT_TRUE(f.aktion(Befehl::tabellenkalkulation)->isEnabled());
    f.ausfuehren(Befehl::tabellenkalkulation);
    auto* tabelle = qobject_cast<Ttabelleform*>(letzteTabellenkalkulation());
    ASSERT_NE(tabelle, nullptr);
    // The non-fixed cells from A1 on: zero and extreme points side by side.
    EXPECT_EQ(tabelle->eingabe(1, 1), "2,4");
    EXPECT_EQ(tabelle->eingabe(3, 1), "H 0,0");
    EXPECT_EQ(tabelle->eingabe(3, 2), "T 1,3");
    EXPECT_EQ(tabelle->eingabe(4, 2), "-3,2");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete tabelle;
}

} // namespace

// The statistics window: the grid that follows "Anzahl", "Rechne" with its lines, refused cells
// and pairs without a line, "Null setzen", ".sta" files (also one of the mappings window, which
// shares the marker), "Ergebnisse definieren", "Zeichnen", the calculation window, the
// spreadsheet, batch mode and the lesson template.
#include "engine/fktbaum.h"
#include "modules/analysis/tabelleform.h"
#include "modules/geometry/abbilddlg.h"
#include "modules/stochastics/statistikdlg.h"
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
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

Tspineditin* anzahl(Tstatistikdlg& f) {
    return steuer<Tspineditin>(f, "spineditin1");
}

// The pairs "x|y" into the grid, "Anzahl" first.
void eingeben(Tstatistikdlg& f, const QStringList& paare) {
    anzahl(f)->setText(QString::number(paare.size()));
    for (int i = 0; i < paare.size(); ++i) {
        const QStringList t = paare[i].split('|');
        f.eingabegitter()->setCell(1, i + 1, t[0]);
        f.eingabegitter()->setCell(2, i + 1, t.value(1));
    }
}

QStringList zeilen(const TStringGrid& g) {
    QStringList z;
    for (int r = 1; r < g.rowCount(); ++r)
        z << g.cell(1, r) + "|" + g.cell(2, r);
    return z;
}

QStringList memo(const Tstatistikdlg& f) {
    return f.ergebnismemo()->toPlainText().split('\n', Qt::SkipEmptyParts);
}

QStringList menue(Tmodulfenster& f, const QString& titel) {
    QStringList texte;
    for (QAction* a : f.menuBar()->actions())
        if (a->menu() && a->menu()->title() == titel)
            for (QAction* b : a->menu()->actions())
                if (!b->isSeparator()) texte << b->text();
    return texte;
}

int zeichenfenster() {
    int n = 0;
    for (Tmodulfenster* f : Tmodulfenster::alleFenster())
        if (qobject_cast<Tdialogfkt*>(f)) ++n;
    return n;
}

const QStringList vier = {"1|1", "2|3", "3|2", "4|5"};
const QStringList vier_ergebnis = {"n=4",
                                   "sumx=10,00",
                                   "sumy=11,00",
                                   "mx=2,50",
                                   "my=2,75",
                                   "sx=1,12",
                                   "sy=1,48",
                                   "r=0,83",
                                   "Reglin(x)=1,10*x+0,00",
                                   "Regexp(x)=0,77*Exp(0,44*x)",
                                   "Regpot(x)=1,08*x^(0,97)"};

class Statistikdlg : public ::testing::Test {
protected:
    void SetUp() override {
        statistik_registrieren();
        tabelle_registrieren();
        editform_registrieren();
        formelbaum().alle_loeschen();
        ASSERT_TRUE(ordner.isValid());
        // The plot window writes the handed-over table into the working folder.
        vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
    }
    void TearDown() override {
        QDir::setCurrent(vorher);
        formelbaum().alle_loeschen();
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            if (qobject_cast<Tdialogfkt*>(f)) delete f;
    }

    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    QString vorher;
};

TEST_F(Statistikdlg, AufbauUndVorgaben) {
    Tstatistikdlg f;
    EXPECT_EQ(f.windowTitle(), "Statistik");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 235);
    EXPECT_EQ(f.art().kennung, "sta");
    EXPECT_EQ(anzahl(f)->Value(), 2);
    EXPECT_EQ(anzahl(f)->MaxValue(), 1000);
    TStringGrid* g = f.eingabegitter();
    EXPECT_EQ(g->objectName(), "StringGrid1");
    EXPECT_EQ(g->rowCount(), 3);
    EXPECT_EQ(g->colCount(), 3);
    EXPECT_EQ(g->columnWidth(0), 25);
    EXPECT_EQ(g->cell(1, 0), "x");
    EXPECT_EQ(g->cell(2, 0), "y");
    EXPECT_EQ(g->cell(0, 2), "2");
    EXPECT_EQ(zeilen(*g), QStringList(2, "0|0"));
    QStringList koepfe;
    for (QLabel* l : f.findChildren<QLabel*>())
        koepfe << l->text();
    EXPECT_TRUE(koepfe.contains("Eingabe"));
    EXPECT_TRUE(koepfe.contains("Ergebnisse"));
    EXPECT_EQ(menue(f, "&Bearbeiten").last(), "&Null setzen");
    for (const char* eintrag :
         {"&Tabellenkalkulation", "&Rechnenfenster", "&Ergebnisse definieren", "&Zeichnen"})
        EXPECT_TRUE(menue(f, "&Ausgabe").contains(eintrag)) << eintrag;
    EXPECT_TRUE(menue(f, "&Datei").contains("&Drucken..."));
}

TEST_F(Statistikdlg, RechneSchreibtDieZeilen) {
    struct Fall {
        const char* name;
        QStringList paare;
        QStringList memo;
    };
    const Fall faelle[] = {
        {"vier Paare", vier, vier_ergebnis},
        {"Ursprungsgerade",
         {"1|2", "2|4", "3|6"},
         {"n=3", "sumx=6,00", "sumy=12,00", "mx=2,00", "my=4,00", "sx=0,82", "sy=1,63", "r=1,00",
          "Reglin(x)=2,00*x+0,00", "Regexp(x)=1,21*Exp(0,55*x)", "Regpot(x)=2,00*x^(1,00)"}},
        {"Blanks und Dezimalkomma",
         {" 0 | -1", "1\t|1,0", "2|3"},
         {"n=3", "sumx=3,00", "sumy=3,00", "mx=1,00", "my=1,00", "sx=0,82", "sy=1,63", "r=1,00",
          "Reglin(x)=2,00*x-1,00"}},
        {"konstantes y",
         {"1|5", "2|5", "4|5"},
         {"n=3", "sumx=7,00", "sumy=15,00", "mx=2,33", "my=5,00", "sx=1,25", "sy=0,00",
          "Reglin(x)=0,00*x+5,00", "Regexp(x)=5,00*Exp(0,00*x)", "Regpot(x)=5,00*x^(0,00)"}},
    };
    for (const Fall& fall : faelle) {
        Tstatistikdlg f;
        eingeben(f, fall.paare);
        f.ausfuehren(Befehl::rechne);
        EXPECT_EQ(memo(f), fall.memo) << fall.name;
        EXPECT_EQ(f.linear(), fall.memo.filter("Reglin").value(0)) << fall.name;
        EXPECT_EQ(f.exponential(), fall.memo.filter("Regexp").value(0)) << fall.name;
        EXPECT_EQ(f.potenz(), fall.memo.filter("Regpot").value(0)) << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A refused cell or pairs without a line: the message, and nothing of the earlier results
// stays to be defined or drawn.
TEST_F(Statistikdlg, AbgelehnteEingaben) {
    struct Fall {
        int spalte, zeile;
        const char* text;
        const char* meldung;
    };
    const Fall faelle[] = {
        {1, 2, "x", "Fehlerhafte Eingabe in Zeile:2Spalte:1"},
        {2, 4, "", "Fehlerhafte Eingabe in Zeile:4Spalte:2"},
        {2, 1, "1E5000", "Fehlerhafte Eingabe in Zeile:1Spalte:2"},
        {1, 3, "2", "Fehler bei der Berechnung"}, // together with the 2 below: no line
    };
    for (const Fall& fall : faelle) {
        Tstatistikdlg f;
        eingeben(f, vier);
        f.rechne();
        ASSERT_EQ(memo(f), vier_ergebnis);
        if (QString(fall.meldung).startsWith("Fehler bei"))
            for (int r = 1; r <= 4; ++r)
                f.eingabegitter()->setCell(1, r, "2");
        f.eingabegitter()->setCell(fall.spalte, fall.zeile, fall.text);
        dienst.meldungen.clear();
        const int fenster = zeichenfenster();
        f.ausfuehren(Befehl::zeichnen);
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.text;
        EXPECT_TRUE(memo(f).isEmpty()) << fall.text;
        EXPECT_TRUE(f.linear().isEmpty()) << fall.text;
        EXPECT_EQ(zeichenfenster(), fenster) << fall.text;
        EXPECT_EQ(f.eingabegitter()->cell(fall.spalte, fall.zeile), fall.text); // input stays
    }
}

TEST_F(Statistikdlg, GitterFolgtDerAnzahl) {
    Tstatistikdlg f;
    eingeben(f, {"1|2", "3|4"});
    anzahl(f)->setText("4");
    EXPECT_EQ(zeilen(*f.eingabegitter()), (QStringList{"1|2", "3|4", "0|0", "0|0"}));
    EXPECT_EQ(f.eingabegitter()->cell(0, 4), "4");
    // Below one pair the grid keeps one row; beyond 1000 it stops at 1000.
    struct Fall {
        const char* text;
        int zeilen;
        const char* danach;
    };
    for (const Fall& fall : {Fall{"0", 2, "0"}, Fall{"-3", 2, "0"}, Fall{"5000", 1001, "1000"}}) {
        anzahl(f)->setText(fall.text);
        EXPECT_EQ(f.eingabegitter()->rowCount(), fall.zeilen) << fall.text;
        f.rechne();
        EXPECT_EQ(anzahl(f)->text(), fall.danach) << fall.text;
    }
    // One pair has no line through it.
    EXPECT_EQ(dienst.meldungen.count("Fehler bei der Berechnung"), 2);
}

TEST_F(Statistikdlg, NullSetzen) {
    Tstatistikdlg f;
    eingeben(f, vier);
    f.rechne();
    f.findChild<QAction*>("Nullsetzen")->trigger();
    EXPECT_EQ(zeilen(*f.eingabegitter()), QStringList(4, "0|0"));
    EXPECT_EQ(anzahl(f)->Value(), 4);
}

TEST_F(Statistikdlg, ZahlenformatGiltAbDerNaechstenRechnung) {
    Tstatistikdlg f;
    eingeben(f, vier);
    f.rechne();
    f.setzeFormat("0.000");
    EXPECT_EQ(memo(f), vier_ergebnis);
    f.rechne();
    EXPECT_EQ(memo(f)[5], "sx=1,118");
    EXPECT_EQ(f.linear(), "Reglin(x)=1,100*x+0,000");
}

TEST_F(Statistikdlg, ErgebnisseDefinieren) {
    ModalWaechter waechter;
    Tstatistikdlg f;
    eingeben(f, vier);
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_TRUE(waechter.gesehen.contains("zol::Tdialogformel"));
    struct Fall {
        const char* name;
        long double x, wert;
    };
    for (const Fall& fall :
         {Fall{"REGLIN", 2, 2.2L}, Fall{"REGEXP", 0, 0.77L}, Fall{"REGPOT", 1, 1.08L},
          Fall{"N", 0, 4}, Fall{"SX", 0, 1.12L}, Fall{"R", 0, 0.83L}}) {
        long double w = 0;
        ASSERT_TRUE(formelbaum().fktberechnen(fall.name, fall.x, w)) << fall.name;
        EXPECT_NEAR(static_cast<double>(w), static_cast<double>(fall.wert), 1e-12) << fall.name;
    }
    // A line the user broke is reported; the others are still defined.
    formelbaum().alle_loeschen();
    f.ergebnismemo()->setPlainText("n=4\nReglin(x)=2,00*x 0,00\nmx=2");
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_EQ(dienst.meldungen, QStringList{" Fehlerhafter Ausdruck\nReglin(x)=2,00*x 0,00"});
    long double w = 0;
    EXPECT_TRUE(formelbaum().fktberechnen("MX", 0, w));
    EXPECT_EQ(w, 2);
}

TEST_F(Statistikdlg, ZeichnenMitGeradeUndPunkten) {
    Tstatistikdlg f;
    f.setzeFormat("0.000");
    eingeben(f, {"1|2", "2|4", "3,5|6,5", "1e1|20"});
    f.ausfuehren(Befehl::zeichnen);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->isVisible());
    EXPECT_EQ(z->format(), "0.000");
    ASSERT_EQ(z->eintraege().size(), 2u);
    EXPECT_EQ(QString::fromStdString(z->eintraege()[0].name).toUpper(), f.linear().toUpper());
    EXPECT_TRUE(f.linear().startsWith("Reglin(x)=2,006*x"));
    const Teinzelnefkt& tabelle = z->eintraege()[1];
    EXPECT_EQ(tabelle.art, Teinzelnefkt::tabelle);
    EXPECT_NE(tabelle.stil, 0);             // dotted points
    EXPECT_EQ(z->funktionsstift().stil, 0); // solid again afterwards
    const QStringList daten = zeilen_von(ordner.filePath("stat.dat"));
    EXPECT_EQ(daten.mid(1, 4), (QStringList{"1\t2", "2\t4", "3,5\t6,5", "10\t20"}));
}

TEST_F(Statistikdlg, RechnenfensterUndTabellenkalkulation) {
    Tstatistikdlg f;
    eingeben(f, vier);
    f.rechne();
    f.ausfuehren(Befehl::rechnenfenster);
    TEditForm* rechnen = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TEditForm*>(t); e && e->isVisible()) rechnen = e;
    ASSERT_NE(rechnen, nullptr);
    EXPECT_EQ(rechnen->memo()->toPlainText().split('\n'), vier_ergebnis);
    delete rechnen;

    // The spreadsheet gets the pairs, without headers and row numbers.
    f.ausfuehren(Befehl::tabellenkalkulation);
    auto* tabelle = qobject_cast<Ttabelleform*>(letzteTabellenkalkulation());
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->eingabe(1, 1), "1");
    EXPECT_EQ(tabelle->eingabe(2, 2), "3");
    EXPECT_EQ(tabelle->eingabe(1, 4), "4");
    EXPECT_EQ(tabelle->eingabe(2, 4), "5");
    EXPECT_EQ(tabelle->eingabe(1, 5), "");
    delete tabelle;
    EXPECT_EQ(memo(f), vier_ergebnis); // the results stay
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Statistikdlg, DateiHinUndZurueck) {
    const QString datei = ordner.filePath("messung.sta");
    Tstatistikdlg f;
    f.setzeFormat("0.0");
    eingeben(f, {"1|2", "2|4,5", "3|6"});
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    EXPECT_EQ(f.windowTitle(), "messung.sta");
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 4);
    EXPECT_EQ(z[0], "sta");
    EXPECT_EQ(z[1], "0.0");
    EXPECT_EQ(z[3], "3"); // "Anzahl" first

    Tstatistikdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(zeilen(*g.eingabegitter()), (QStringList{"1|2", "2|4,5", "3|6"}));
    EXPECT_EQ(memo(g), memo(f));
    EXPECT_EQ(g.format(), "0.0");
    g.rechne();
    EXPECT_EQ(memo(g), memo(f));

    const QString fremd = ordner.filePath("fremd.sta");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Binom\r\n0.00\r\n0#400#300#0#0#\r\n3\r\n");
    ff.close();
    Tstatistikdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
    EXPECT_EQ(h.windowTitle(), "Statistik");
}

// The mappings window writes the same marker "sta" with controls of its own. Whatever those
// are, the window takes what fits, gets a grid of the right size and reports cells that are
// no numbers instead of reading beyond the grid.
TEST_F(Statistikdlg, DateiDesAbbildungsfensters) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
        int paare;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"Gitter mit fuenf Spalten",
         "sta\r\n0.00\r\n0#500#400#0#0#\r\n2\r\nDATEN_ANFANG\r\n\tx\ty\tz\tw\r\n"
         "1\t1\t2\t3\t4\r\n2\tP\t5\t6\t7\r\nDATEN_ENDE\r\n",
         2, "Fehlerhafte Eingabe in Zeile:2Spalte:1"},
        {"Text statt Anzahl",
         "sta\r\n0.00\r\n0#500#400#0#0#\r\nDrehung\r\nDATEN_ANFANG\r\n\tx\ty\r\n1\tA\t2\r\n"
         "DATEN_ENDE\r\n",
         1, "Fehlerhafte Eingabe in Zeile:1Spalte:1"},
        {"nur Geometrie", "sta\r\n0.00\r\n0#500#400#0#0#\r\n", 2, "Fehler bei der Berechnung"},
        {"riesige Anzahl, leeres Gitter",
         "sta\r\n0.00\r\n0#500#400#0#0#\r\n99999999\r\nDATEN_ANFANG\r\nDATEN_ENDE\r\n", 1000,
         "Fehler bei der Berechnung"},
    };
    for (const Fall& fall : faelle) {
        const QString datei = ordner.filePath("bild.abb");
        QFile ff(datei);
        ASSERT_TRUE(ff.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ff.write(fall.inhalt);
        ff.close();
        Tstatistikdlg f;
        dienst.meldungen.clear();
        ASSERT_TRUE(f.laden(datei)) << fall.name;
        EXPECT_EQ(f.eingabegitter()->rowCount(), fall.paare + 1) << fall.name;
        EXPECT_EQ(f.eingabegitter()->colCount(), 3) << fall.name;
        EXPECT_EQ(f.eingabegitter()->cell(2, 0), "y") << fall.name;
        f.rechne();
        EXPECT_EQ(f.eingabegitter()->rowCount(), fall.paare + 1) << fall.name;
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.name;
        EXPECT_TRUE(memo(f).isEmpty()) << fall.name;
    }
}

// A file the mappings window really wrote: its count and points come in as the pairs, the
// rest of its controls is skipped.
TEST_F(Statistikdlg, GespeicherteAbbildungWirdGelesen) {
    abbildungen_registrieren();
    const QString datei = ordner.filePath("dreieck.abb");
    {
        Tabbilddlg abbildung;
        steuer<Tspineditin>(abbildung, "spineditin1")->setText("3");
        const QStringList punkte = {"1|2", "2|4", "3|6"};
        for (int i = 0; i < 3; ++i) {
            abbildung.punktgitter()->setCell(1, i + 1, punkte[i].section('|', 0, 0));
            abbildung.punktgitter()->setCell(2, i + 1, punkte[i].section('|', 1, 1));
        }
        dienst.dateinamen.enqueue(datei);
        ASSERT_TRUE(abbildung.speichern());
    }
    Tstatistikdlg f;
    ASSERT_TRUE(f.laden(datei));
    EXPECT_EQ(zeilen(*f.eingabegitter()), (QStringList{"1|2", "2|4", "3|6"}));
    f.rechne();
    EXPECT_EQ(f.linear(), "Reglin(x)=2,00*x+0,00");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Statistikdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "spineditin1=4", "--set", "StringGrid1[1,1]=1", "--set", "StringGrid1[1,2]=1",
          "--set", "StringGrid1[2,1]=2", "--set", "StringGrid1[2,2]=3", "--set",
          "StringGrid1[3,1]=3", "--set", "StringGrid1[3,2]=2", "--set", "StringGrid1[4,1]=4",
          "--set", "StringGrid1[4,2]=5"},
         QStringList{"Memo1:"} + vier_ergebnis},
        {{"--set", "StringGrid1[2,1]=a"}, {"Meldung: Fehlerhafte Eingabe in Zeile:2Spalte:1"}},
        {{}, {"Meldung: Fehler bei der Berechnung", "StringGrid1:", "\tx\ty", "1\t0\t0"}},
        {{"--set", "StringGrid1[2,1]=1", "--set", "StringGrid1[2,2]=2", "--command", "Zeichnen"},
         {"Reglin(x)=2,00*x+0,00", "== Tdialogfkt =="}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "130"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tstatistikdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The lessons open computed; computing again gives the same. Expected values worked out
// independently.
TEST_F(Statistikdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    const struct {
        const char* pro;
        QStringList zeilen;
    } faelle[] = {
        // growth over six years: the exponential fits better than the line
        {"statistik1.pro", {"r=0,96", "Reglin(x)=2,10*x-1,19", "Regexp(x)=1,42*Exp(0,37*x)"}},
        // the grades of 25 pupils (sum 73), population standard deviation
        {"statistik2.pro", {"n=25", "sumy=73,00", "my=2,92", "sy=1,26", "r=0,07"}},
    };
    for (const auto& fall : faelle) {
        Lektionsumgebung u;
        auto* f = qobject_cast<Tstatistikdlg*>(
            u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/") + fall.pro));
        ASSERT_NE(f, nullptr) << fall.pro;
        EXPECT_EQ(f->windowTitle(), "Statistik");
        const QStringList vorher = memo(*f);
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(vorher.contains(z)) << fall.pro << " " << z.toStdString();
        f->rechne();
        EXPECT_EQ(memo(*f), vorher) << fall.pro;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Statistikdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(130);
    ASSERT_NE(qobject_cast<Tstatistikdlg*>(f), nullptr);
    delete f;
}

} // namespace

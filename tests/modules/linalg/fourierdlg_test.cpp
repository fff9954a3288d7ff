// The Fourier analysis window: both pages, refused inputs, the ranges of M and N, the point grid
// that follows "Anzahl:", "Ergebnisse definieren", "Zeichnen", the calculation window, ".fan"
// files, batch mode and the lesson template.
#include "engine/fktbaum.h"
#include "graph/vorgaben.h"
#include "modules/linalg/fourierdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"
#include "tests/hilfe/lektionshilfe.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

void setze(Tmodulfenster& f, const char* name, const QString& text) {
    if (auto* s = f.findChild<Tspineditin*>(QString::fromLatin1(name)))
        s->setText(text);
    else
        steuer<QLineEdit>(f, name)->setText(text);
}

QTabWidget* seiten(Tmodulfenster& f) {
    return steuer<QTabWidget>(f, "TabbedNotebook1");
}

QStringList memo(const Tfouranadlg& f) {
    return f.ergebnismemo()->toPlainText().split('\n', Qt::SkipEmptyParts);
}

// Page "Daten" with the given points "x|y".
void punkte(Tfouranadlg& f, const QStringList& p) {
    seiten(f)->setCurrentIndex(Tfouranadlg::seite_daten);
    setze(f, "spineditin1", QString::number(p.size()));
    for (int i = 0; i < p.size(); ++i) {
        const QStringList t = p[i].split('|');
        f.punktgitter()->setCell(1, i + 1, t[0]);
        f.punktgitter()->setCell(2, i + 1, t[1]);
    }
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

const QStringList vorgabe = {"f(x)=3*sgn(x-3,1415927)",
                             "a0=-0,04",
                             "a1(x)=0,04*cos(1,00*x)",
                             "b1(x)=-3,82*sin(1,00*x)",
                             "a2(x)=-0,04*cos(2,00*x)",
                             "b2(x)=0,00*sin(2,00*x)",
                             "a3(x)=0,04*cos(3,00*x)",
                             "b3(x)=-1,27*sin(3,00*x)",
                             "a4(x)=-0,04*cos(4,00*x)",
                             "b4(x)=0,00*sin(4,00*x)",
                             "AN(x)=a0/2+a1(x)+a2(x)+a3(x)+a4(x)",
                             "BN(x)=b1(x)+b2(x)+b3(x)+b4(x)",
                             "four(x)=AN(x)+BN(x)",
                             "betrag1=3,82",
                             "betrag2=0,04",
                             "betrag3=1,27",
                             "betrag4=0,04"};

class Fourierdlg : public ::testing::Test {
protected:
    void SetUp() override {
        fourieranalyse_registrieren();
        formelbaum().alle_loeschen();
        ASSERT_TRUE(ordner.isValid());
        // The plot window writes the handed-over table into the working folder.
        vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
    }
    void TearDown() override {
        QDir::setCurrent(vorher);
        formelbaum().alle_loeschen();
    }

    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    QString vorher;
};

TEST_F(Fourierdlg, AufbauUndVorgaben) {
    Tfouranadlg f;
    EXPECT_EQ(f.windowTitle(), "Fourieranalyse");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 265);
    EXPECT_EQ(f.art().kennung, "Fourieranalyse");
    ASSERT_EQ(seiten(f)->count(), 2);
    EXPECT_EQ(seiten(f)->tabText(0), "Funktion");
    EXPECT_EQ(seiten(f)->tabText(1), "Daten");
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit1")->text(), "f(x)=3*sgn(x-3,1415927)");
    EXPECT_EQ(steuer<TextendEdit>(f, "extendEdit1")->Value(), 0);
    EXPECT_EQ(steuer<TextendEdit>(f, "extendEdit2")->text(), "6,28");
    EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit1")->Value(), 100);
    EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit2")->Value(), 4);
    EXPECT_EQ(steuer<Tspineditin>(f, "spineditin1")->Value(), 2);
    EXPECT_EQ(steuer<Tspineditin>(f, "spineditin1")->MaxValue(), 1000);
    EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit3")->Value(), 100);
    EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit4")->Value(), 4);
    TStringGrid* g = f.punktgitter();
    EXPECT_EQ(g->objectName(), "StringGrid1");
    EXPECT_EQ(g->rowCount(), 3);
    EXPECT_EQ(g->colCount(), 3);
    EXPECT_EQ(g->cell(1, 0), "x");
    EXPECT_EQ(g->cell(2, 0), "y");
    EXPECT_EQ(g->cell(0, 2), "2");
    EXPECT_EQ(g->cell(2, 2), "0");
    EXPECT_EQ(f.ergebnismemo()->objectName(), "Memo1");
    QStringList gruppen;
    for (QGroupBox* b : f.findChildren<QGroupBox*>())
        gruppen << b->title();
    EXPECT_TRUE(gruppen.contains("Eingabe"));
    EXPECT_TRUE(gruppen.contains("Ergebnisse"));
    EXPECT_TRUE(menue(f, "&Datei").contains("Drucker&einrichtung..."));
    EXPECT_EQ(menue(f, "&Ausgabe"),
              (QStringList{"&Zeichnen", "&Rechnenfenster", "&Ergebnisse definieren"}));
    EXPECT_TRUE(menue(f, "&Eigenschaften").contains("&Projekt-Formeln..."));
}

TEST_F(Fourierdlg, RechneMitDenVorgaben) {
    Tfouranadlg f;
    f.rechne();
    EXPECT_EQ(memo(f), vorgabe);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fourierdlg, BeideSeitenRechnen) {
    struct Fall {
        const char* name;
        std::function<void(Tfouranadlg&)> eingeben;
        QStringList zeilen; // each must be in the memo
        int anzahl;         // lines in all
    };
    const Fall faelle[] = {
        {"Summe",
         [](Tfouranadlg& f) {
             setze(f, "Edit1", "f(x)=sin(x)+0,5*cos(2*x)+1");
             setze(f, "extendEdit2", "6,2831853");
             setze(f, "longintEdit2", "2");
         },
         {"f(x)=sin(x)+0,5*cos(2*x)+1", "a0=2,00", "a1(x)=0,00*cos(1,00*x)",
          "b1(x)=1,00*sin(1,00*x)", "a2(x)=0,50*cos(2,00*x)", "b2(x)=0,00*sin(2,00*x)",
          "AN(x)=a0/2+a1(x)+a2(x)", "BN(x)=b1(x)+b2(x)", "betrag1=1,00", "betrag2=0,50"},
         1 + 1 + 4 + 3 + 2},
        {"ein Glied",
         [](Tfouranadlg& f) { setze(f, "longintEdit2", "1"); },
         {"BN(x)=b1(x)", "AN(x)=a0/2+a1(x)", "betrag1=3,82"},
         1 + 1 + 2 + 3 + 1},
        {"zwei Punkte",
         [](Tfouranadlg& f) {
             punkte(f, {"0|0", "1|1"});
         },
         {"a0=1,00", "a1(x)=0,00*cos(6,28*x)", "b1(x)=-0,32*sin(6,28*x)", "four(x)=AN(x)+BN(x)"},
         1 + 8 + 3 + 4},
        {"Rechteck aus Punkten",
         [](Tfouranadlg& f) {
             punkte(f, {"0|3", "3,14|3", "3,15|-3", "6,28|-3"});
             setze(f, "longintEdit4", "3");
             setze(f, "longintEdit3", "1000");
         },
         {"a0=0,01", "b1(x)=3,82*sin(1,00*x)", "b2(x)=0,00*sin(2,00*x)", "b3(x)=1,27*sin(3,00*x)"},
         1 + 6 + 3 + 3},
    };
    for (const Fall& fall : faelle) {
        Tfouranadlg f;
        fall.eingeben(f);
        f.rechne();
        const QStringList z = memo(f);
        for (const QString& zeile : fall.zeilen)
            EXPECT_TRUE(z.contains(zeile)) << fall.name << ": " << zeile.toStdString() << " in\n"
                                           << z.join('\n').toStdString();
        EXPECT_EQ(z.size(), fall.anzahl) << fall.name;
        // Only the page "Funktion" heads the list with its definition.
        EXPECT_EQ(z.first().startsWith("f(x)="), seiten(f)->currentIndex() == 0) << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A refusal tells why and empties the memo, so no earlier result is defined or drawn.
TEST_F(Fourierdlg, AbweisungenLeerenDieErgebnisse) {
    const QString intervall = "Fehlerhafte Eingabe: „von:“ muss kleiner als „bis:“ sein.";
    const QString tabelle = "Fehlerhafte Eingabe: Die Tabelle braucht mindestens zwei Punkte, "
                            "deren x-Werte von Zeile zu Zeile zunehmen.";
    struct Fall {
        const char* name;
        std::function<void(Tfouranadlg&)> eingeben;
        QString meldung;
    };
    const Fall faelle[] = {
        {"von gleich bis", [](Tfouranadlg& f) { setze(f, "extendEdit1", "6,28"); }, intervall},
        {"von ueber bis",
         [](Tfouranadlg& f) {
             setze(f, "extendEdit1", "1");
             setze(f, "extendEdit2", "-1");
         },
         intervall},
        {"Definition", [](Tfouranadlg& f) { setze(f, "Edit1", "f(x)=x^"); },
         "Fehlerhafte Eingabe:f(x)=x^"},
        {"leere Definition", [](Tfouranadlg& f) { setze(f, "Edit1", ""); }, "Fehlerhafte Eingabe:"},
        {"Vorgabetabelle",
         [](Tfouranadlg& f) { seiten(f)->setCurrentIndex(Tfouranadlg::seite_daten); }, tabelle},
        {"fallende x",
         [](Tfouranadlg& f) {
             punkte(f, {"0|0", "2|1", "1|0"});
         },
         tabelle},
        {"ein Punkt", [](Tfouranadlg& f) { punkte(f, {"0|0"}); }, tabelle},
        {"kein Punkt", [](Tfouranadlg& f) { punkte(f, {}); }, tabelle},
        {"keine Zahl",
         [](Tfouranadlg& f) {
             punkte(f, {"0|0", "a|1"});
         },
         "Fehlerhafte Eingabe in Zeile:2Spalte:1"},
        {"leere Zelle",
         [](Tfouranadlg& f) {
             punkte(f, {"0|0", "1|"});
         },
         "Fehlerhafte Eingabe in Zeile:2Spalte:2"},
        {"zu weit auseinander",
         [](Tfouranadlg& f) {
             punkte(f, {"-1E4932|0", "1E4932|1"});
         },
         intervall},
    };
    for (const Fall& fall : faelle) {
        Tfouranadlg f;
        f.rechne();
        ASSERT_EQ(memo(f), vorgabe);
        fall.eingeben(f);
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.name;
        EXPECT_TRUE(memo(f).isEmpty()) << fall.name;

        // "Zeichnen" stops too instead of drawing an earlier result.
        const int vorher = zeichenfenster();
        dienst.meldungen.clear();
        f.zeichnen();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.name;
        EXPECT_EQ(zeichenfenster(), vorher) << fall.name;
        EXPECT_EQ(f.zeichenfenster(), nullptr) << fall.name;
    }
}

TEST_F(Fourierdlg, GliederUndSimpsonKommenInIhrenBereich) {
    struct Fall {
        const char* feld;
        const char* text;
        const char* danach;
        int seite;
    };
    const Fall faelle[] = {{"longintEdit2", "25", "20", 0}, {"longintEdit2", "0", "1", 0},
                           {"longintEdit1", "1", "2", 0},   {"longintEdit1", "200000", "100000", 0},
                           {"longintEdit4", "-3", "1", 1},  {"longintEdit3", "0", "2", 1}};
    for (const Fall& fall : faelle) {
        Tfouranadlg f;
        if (fall.seite == 1) punkte(f, {"0|1", "1|2"});
        setze(f, fall.feld, fall.text);
        f.rechne();
        EXPECT_EQ(steuer<TlongintEdit>(f, fall.feld)->text(), fall.danach) << fall.feld;
        EXPECT_FALSE(memo(f).isEmpty()) << fall.feld;
    }
    Tfouranadlg f;
    setze(f, "longintEdit2", "25");
    f.rechne();
    EXPECT_EQ(memo(f).last().left(9), "betrag20=");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fourierdlg, PunktgitterFolgtDerAnzahl) {
    Tfouranadlg f;
    TStringGrid* g = f.punktgitter();
    g->setCell(1, 1, "1,5");
    g->setCell(2, 2, "");
    setze(f, "spineditin1", "4");
    EXPECT_EQ(g->rowCount(), 5);
    EXPECT_EQ(g->cell(1, 1), "1,5");
    EXPECT_EQ(g->cell(2, 2), "0");
    EXPECT_EQ(g->cell(1, 4), "0");
    EXPECT_EQ(g->cell(0, 4), "4");
    setze(f, "spineditin1", "5000"); // the largest table while typing
    EXPECT_EQ(g->rowCount(), 1001);
    setze(f, "spineditin1", "1");
    EXPECT_EQ(g->rowCount(), 2);
    EXPECT_EQ(g->cell(1, 1), "1,5");
    EXPECT_EQ(g->cell(2, 0), "y");
}

TEST_F(Fourierdlg, ErgebnisseDefinieren) {
    ModalWaechter waechter;
    Tfouranadlg f;
    setze(f, "Edit1", "g(x)=sin(x)+0,5*cos(2*x)+1");
    setze(f, "extendEdit2", "6,2831853");
    setze(f, "longintEdit2", "2");
    f.setzeFormat("0.000000");
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_TRUE(waechter.gesehen.contains("zol::Tdialogformel"))
        << waechter.gesehen.join(",").toStdString();
    // The series reproduces the function it came from.
    for (long double x : {0.0L, 1.0L, 2.5L, 4.0L}) {
        long double wert = 0;
        ASSERT_TRUE(formelbaum().fktberechnen("FOUR", x, wert));
        EXPECT_NEAR(static_cast<double>(wert),
                    static_cast<double>(std::sin(x) + 0.5L * std::cos(2 * x) + 1), 1e-5);
    }
    long double betrag = 0;
    ASSERT_TRUE(formelbaum().fktberechnen("BETRAG2", 0, betrag));
    EXPECT_NEAR(static_cast<double>(betrag), 0.5, 1e-6);

    // A line the user broke is reported, the others are still defined.
    formelbaum().alle_loeschen();
    f.ergebnismemo()->setPlainText("a0=1\nb1(x)=2*sin(\n; Kommentar=\nfour(x)=a0");
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_EQ(dienst.meldungen, QStringList{" Fehlerhafter Ausdruck\nb1(x)=2*sin("});
    long double w = 0;
    EXPECT_TRUE(formelbaum().fktberechnen("FOUR", 0, w));
    EXPECT_EQ(w, 1);
}

TEST_F(Fourierdlg, ZeichnenDerFunktion) {
    Tfouranadlg f;
    f.setzeFormat("0.000");
    f.zeichnen();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_EQ(memo(f)[1], "a0=-0,040");
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->isVisible());
    EXPECT_EQ(z->format(), "0.000");
    ASSERT_EQ(z->eintraege().size(), 2u);
    EXPECT_EQ(QString::fromStdString(z->eintraege()[0].name).toUpper(), "FOUR(X)=AN(X)+BN(X)");
    EXPECT_EQ(QString::fromStdString(z->eintraege()[1].name).toUpper(), "F(X)=3*SGN(X-3,1415927)");
    // The analysed interval, not the plot window's -3 … 3.
    const Tzeichenvorgaben v = z->vorgaben();
    EXPECT_EQ(v.xmin, 0);
    EXPECT_EQ(v.xmax, 6.28L);
    EXPECT_EQ(v.ymin, -4);
    EXPECT_EQ(v.ymax, 4);
    // The results were defined on the way.
    long double w = 0;
    ASSERT_TRUE(formelbaum().fktberechnen("FOUR", 1.5L, w));
    EXPECT_NEAR(static_cast<double>(w), -3, 0.6); // four terms of a step: close, not equal
    delete z;
}

TEST_F(Fourierdlg, ZeichnenDerTabelle) {
    Tfouranadlg f;
    punkte(f, {"0|0", "1|2", "2|0"});
    f.zeichnen();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    ASSERT_EQ(z->eintraege().size(), 2u);
    EXPECT_EQ(QString::fromStdString(z->eintraege()[0].name).toUpper(), "FOUR(X)=AN(X)+BN(X)");
    const Teinzelnefkt& tabelle = z->eintraege()[1];
    EXPECT_EQ(tabelle.art, Teinzelnefkt::tabelle);
    EXPECT_EQ(tabelle.stil, 0); // straight lines, as the analysis joins the points
    EXPECT_TRUE(QFile::exists(ordner.filePath("four.dat")));
    EXPECT_EQ(z->vorgaben().xmax, 2);
    const QStringList daten = zeilen_von(ordner.filePath("four.dat"));
    EXPECT_EQ(daten.mid(1, 3), (QStringList{"0\t0", "1\t2", "2\t0"}));
    delete z;
}

TEST_F(Fourierdlg, RechnenfensterBekommtDieZeilen) {
    editform_registrieren();
    Tfouranadlg f;
    f.rechne();
    f.ausfuehren(Befehl::rechnenfenster);
    TEditForm* neu = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TEditForm*>(t); e && e->isVisible()) neu = e;
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->memo()->toPlainText().split('\n'), vorgabe);
    delete neu;
}

TEST_F(Fourierdlg, ZahlenformatGiltAbDerNaechstenRechnung) {
    Tfouranadlg f;
    f.rechne();
    f.setzeFormat("0.0");
    EXPECT_EQ(memo(f), vorgabe);
    EXPECT_EQ(steuer<TextendEdit>(f, "extendEdit2")->text(), "6,28"); // limits keep their digits
    f.rechne();
    EXPECT_EQ(memo(f)[3], "b1(x)=-3,8*sin(1,0*x)");
}

TEST_F(Fourierdlg, DateiHinUndZurueck) {
    const QString datei = ordner.filePath("reihe.fan");
    Tfouranadlg f;
    f.setzeFormat("0.000");
    punkte(f, {"0|1", "0,5|-1", "1|1"});
    setze(f, "longintEdit3", "50");
    setze(f, "longintEdit4", "2");
    setze(f, "Edit1", "h(x)=x");
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    EXPECT_EQ(f.windowTitle(), "reihe.fan");
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 4);
    EXPECT_EQ(z[0], "Fourieranalyse");
    EXPECT_EQ(z[1], "0.000");

    Tfouranadlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(seiten(g)->currentIndex(), 1);
    EXPECT_EQ(g.punktgitter()->rowCount(), 4);
    EXPECT_EQ(g.punktgitter()->cell(1, 2), "0,5");
    EXPECT_EQ(memo(g), memo(f));
    EXPECT_EQ(g.format(), "0.000");
    g.rechne();
    EXPECT_EQ(memo(g), memo(f));

    // A file of another window changes nothing.
    const QString fremd = ordner.filePath("fremd.fan");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("FFT\r\n0.00\r\n0#400#300#0#0#\r\n3\r\n");
    ff.close();
    Tfouranadlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
    EXPECT_EQ(h.windowTitle(), "Fourieranalyse");
}

TEST_F(Fourierdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{}, QStringList{"Memo1:"} + vorgabe},
        {{"--set", "TabbedNotebook1=1", "--set", "StringGrid1[2,1]=1", "--set",
          "StringGrid1[2,2]=1", "--set", "longintEdit4=1"},
         {"a0=1,00", "b1(x)=-0,32*sin(6,28*x)", "betrag1=0,32"}},
        {{"--set", "extendEdit1=7"},
         {"Meldung: Fehlerhafte Eingabe: „von:“ muss kleiner als „bis:“ sein.", "Memo1:"}},
        {{"--set", "longintEdit2=1", "--command", "Zeichnen"},
         {"== Tfouranadlg ==", "BN(x)=b1(x)", "== Tdialogfkt =="}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "180"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tfouranadlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
    for (Tmodulfenster* f : Tmodulfenster::alleFenster())
        if (qobject_cast<Tdialogfkt*>(f)) delete f;
}

// The template opens as a project: the window of kind 180 with the saw tooth saege(x)=x on
// 0 … 2 pi and a triangle of three points.
TEST_F(Fourierdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f = qobject_cast<Tfouranadlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/fourier1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Fourieranalyse");
    EXPECT_EQ(seiten(*f)->currentIndex(), 0);
    const QStringList gespeichert = memo(*f);
    ASSERT_FALSE(gespeichert.isEmpty());
    f->rechne();
    EXPECT_EQ(memo(*f), gespeichert);
    for (const char* z : {"saege(x)=x", "a0=6,28", "b1(x)=-2,00*sin(1,00*x)",
                          "b2(x)=-1,00*sin(2,00*x)", "betrag5=0,40"})
        EXPECT_TRUE(memo(*f).contains(z)) << z;
    seiten(*f)->setCurrentIndex(Tfouranadlg::seite_daten);
    f->rechne();
    EXPECT_TRUE(memo(*f).contains("a0=3,14"));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Fourierdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(180);
    ASSERT_NE(qobject_cast<Tfouranadlg*>(f), nullptr);
    delete f;
}

} // namespace

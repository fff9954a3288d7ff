// The space geometry windows "Vektoren im R3", "Punkt - Gerade" and "Gerade-Gerade": controls
// and menus, the computations through the fields, refused input leaving no stale result, the
// conversion of "2 Punkte", result lines for the calculation window and the project formulas,
// data files, batch mode and the lesson templates.
#include "engine/fktbaum.h"
#include "modules/geometry/fgeradegdlg.h"
#include "modules/geometry/geradeneingabe.h"
#include "modules/geometry/punktgedlg.h"
#include "modules/geometry/vektordlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

QLineEdit* feld(Tmodulfenster& f, int nummer) {
    return steuer<QLineEdit>(f, QStringLiteral("extendEdit%1").arg(nummer).toLatin1());
}

// Writes "x;y;z" into the fields erster, erster+1, erster+2 (or the given numbers).
void setze(Tmodulfenster& f, std::initializer_list<int> nummern, const QString& werte) {
    const QStringList w = werte.split(';');
    int i = 0;
    for (int n : nummern)
        feld(f, n)->setText(w.value(i++));
}

QString texte(Tmodulfenster& f, std::initializer_list<int> nummern) {
    QStringList t;
    for (int n : nummern)
        t << feld(f, n)->text();
    return t.join(';');
}

QString status(Tmodulfenster& f) {
    return steuer<QLabel>(f, "Label1")->text();
}

QTabWidget* buch(Tmodulfenster& f, const char* name) {
    return steuer<QTabWidget>(f, name);
}

QStringList menue(Tmodulfenster& f, const QString& titel) {
    QStringList r;
    for (QAction* m : f.menuBar()->actions())
        if (m->menu() && m->text() == titel)
            for (QAction* a : m->menu()->actions())
                if (!a->isSeparator()) r << a->text();
    return r;
}

class Raumfenster : public ::testing::Test {
protected:
    void SetUp() override {
        vektoren_registrieren();
        punkt_gerade_registrieren();
        gerade_gerade_registrieren();
        editform_registrieren();
    }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

TEST_F(Raumfenster, AufbauUndVorgaben) {
    struct Fall {
        int art;
        QString titel;
        int hilfe;
        QList<int> eingaben;
    };
    const Fall faelle[] = {
        {75, "Vektoren im R3", 280, {1, 2, 3, 4, 5, 6}},
        {165, "Punkt - Gerade", 445, {7, 8, 9, 32, 33, 34, 35, 36, 37, 38, 39, 40, 23, 24, 25}},
        {90, "Gerade-Gerade", 455, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                    13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
    };
    for (const Fall& fall : faelle) {
        std::unique_ptr<Tmodulfenster> f(fenster_erzeugen(fall.art));
        ASSERT_NE(f, nullptr) << fall.art;
        EXPECT_EQ(f->windowTitle(), fall.titel);
        EXPECT_EQ(f->format(), "0.00");
        EXPECT_EQ(f->art().hilfekontext, fall.hilfe);
        EXPECT_EQ(menue(*f, "&Ausgabe"),
                  (QStringList{"&Rechnenfenster", "&Projekt-Formeln definieren"}));
        EXPECT_EQ(f->aktion(Befehl::rechne)->toolTip(), "Ergebnisse berechnen");
        for (int n : fall.eingaben) {
            EXPECT_EQ(feld(*f, n)->text(), "0") << fall.art << " " << n;
            EXPECT_FALSE(feld(*f, n)->isReadOnly());
        }
        EXPECT_TRUE(status(*f).isEmpty());
        EXPECT_TRUE(f->ergebniszeilen().isEmpty());
    }
    Tfgeradeg g;
    for (const char* name : {"TabbedNotebook1", "TabbedNotebook2"}) {
        ASSERT_EQ(buch(g, name)->count(), 2);
        EXPECT_EQ(buch(g, name)->tabText(0), "2 Punkte");
        EXPECT_EQ(buch(g, name)->tabText(1), "Gerade");
        EXPECT_EQ(buch(g, name)->currentIndex(), 1);
    }
    for (int n : {57, 58, 59, 63})
        EXPECT_TRUE(feld(g, n)->isReadOnly());
    Tpunktge p;
    EXPECT_EQ(buch(p, "TabbedNotebook1")->tabText(0), "Normalenform");
    EXPECT_EQ(buch(p, "TabbedNotebook1")->tabText(1), "Koordinatenform");
}

TEST_F(Raumfenster, VektorenRechnenUndZeilen) {
    struct Fall {
        QString a, b;
        QString kreuz, betraege, status;
    };
    const Fall faelle[] = {
        {"1;2;3", "4;5;6", "-3,00;6,00;-3,00;7,35", "3,74;8,77;32,00;12,93",
         "Vektoren sind linear Unabhängig"},
        {"1;0;0", "0;1;0", "0,00;0,00;1,00;1,00", "1,00;1,00;0,00;90,00",
         "Vektoren sind linear Unabhängig"},
        {"1;2;3", "-2;-4;-6", "0,00;0,00;0,00;0,00", "3,74;7,48;-28,00;0,00",
         "Vektoren sind linear Abhängig (Parallel)"},
        {"0,3;0,6;0,9", "1;2;3", "0,00;0,00;0,00;0,00", "1,12;3,74;4,20;0,00",
         "Vektoren sind linear Abhängig (Parallel)"},
    };
    for (const Fall& fall : faelle) {
        Tvektordlg f;
        setze(f, {1, 2, 3}, fall.a);
        setze(f, {4, 5, 6}, fall.b);
        f.rechne();
        EXPECT_EQ(texte(f, {7, 8, 9, 14}), fall.kreuz);
        EXPECT_EQ(texte(f, {10, 11, 12, 13}), fall.betraege);
        EXPECT_EQ(status(f), fall.status);
    }
    Tvektordlg f;
    setze(f, {1, 2, 3}, "1;2;3");
    setze(f, {4, 5, 6}, "4;5;6");
    f.rechne();
    EXPECT_EQ(f.ergebniszeilen(),
              (QStringList{";a X b=(-3,00;6,00;-3,00)", "betrag_axb=7,35", "betrag_a=3,74",
                           "betrag_b=8,77", "skalarprodukt=32,00", "winkel=12,93",
                           ";Vektoren sind linear Unabhängig"}));
    // The number format reaches fields and lines at once.
    f.setzeFormat("0.0");
    EXPECT_EQ(texte(f, {7, 8, 9, 14}), "-3,0;6,0;-3,0;7,3");
    EXPECT_EQ(f.ergebniszeilen().at(5), "winkel=12,9");

    // A zero vector leaves nothing of the earlier result.
    setze(f, {4, 5, 6}, "0;0;0");
    f.rechne();
    EXPECT_EQ(status(f), "Fehlerhafte Eingabe");
    EXPECT_EQ(texte(f, {7, 8, 9, 10, 11, 12, 13, 14}), ";;;;;;;");
    EXPECT_TRUE(f.ergebniszeilen().isEmpty());
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Raumfenster, PunktGerade) {
    Tpunktge f;
    setze(f, {23, 24, 25}, "2;3;4");
    setze(f, {7, 8, 9}, "1;1;1");
    setze(f, {32, 33, 34}, "1;2;2");
    f.rechne();
    EXPECT_EQ(texte(f, {4, 5, 6, 1, 2, 3}), "2,00;3,00;4,00;1,00;2,00;2,00");
    EXPECT_EQ(texte(f, {19, 20, 21, 22}), "1,00;2,00;2,00;-16,00");
    EXPECT_EQ(texte(f, {57, 58, 59}), "2,22;3,44;3,44");
    EXPECT_EQ(texte(f, {63}), "0,75");
    EXPECT_EQ(texte(f, {10, 11, 12}), "2,44;3,89;2,89");
    EXPECT_TRUE(status(f).isEmpty());
    EXPECT_EQ(f.ergebniszeilen(), (QStringList{";Ebene: 1,00*x1+2,00*x2+2,00*x3-16,00=0",
                                               ";Lotfußpunkt F=(2,22;3,44;3,44)", "abstand=0,75",
                                               ";Spiegelpunkt P'=(2,44;3,89;2,89)"}));

    // "2 Punkte": A := P1, u := P1 − P2, written into the page "Gerade".
    Tpunktge g;
    buch(g, "TabbedNotebook2")->setCurrentIndex(0);
    setze(g, {35, 36, 37}, "1;1;0");
    setze(g, {38, 39, 40}, "0;1;0");
    setze(g, {23, 24, 25}, "1;1;0");
    g.rechne();
    EXPECT_EQ(texte(g, {7, 8, 9, 32, 33, 34}), "1,00;1,00;0,00;1,00;0,00;0,00");
    EXPECT_EQ(texte(g, {57, 58, 59, 63}), "1,00;1,00;0,00;0,00");
    EXPECT_EQ(texte(g, {19, 20, 21, 22}), "1,00;0,00;0,00;-1,00");

    // The x1-axis and P = (1;1;0).
    setze(g, {35, 36, 37}, "0;0;0");
    setze(g, {38, 39, 40}, "-1;0;0");
    g.rechne();
    EXPECT_EQ(texte(g, {57, 58, 59, 63, 10, 11, 12}), "1,00;0,00;0,00;1,00;1,00;-1,00;0,00");

    // Two equal points give no line: the results go, none stays behind.
    setze(g, {38, 39, 40}, "0;0;0");
    g.rechne();
    EXPECT_EQ(status(g), "Fehlerhafte Eingabe");
    EXPECT_FALSE(buch(g, "TabbedNotebook1")->isVisibleTo(&g));
    EXPECT_EQ(texte(g, {1, 2, 3, 4, 5, 6, 19, 20, 21, 22, 57, 58, 59, 63, 10, 11, 12}),
              ";;;;;;;;;;;;;;;;");
    EXPECT_TRUE(g.ergebniszeilen().isEmpty());
    // Corrected, the results return.
    setze(g, {38, 39, 40}, "-1;0;0");
    g.rechne();
    EXPECT_TRUE(buch(g, "TabbedNotebook1")->isVisibleTo(&g));
    EXPECT_EQ(texte(g, {63}), "1,00");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Raumfenster, GeradeGerade) {
    struct Fall {
        QString a1, u1, a2, u2;
        QString status, punkt;
    };
    const Fall faelle[] = {
        {"1;2;3", "1;0;-1", "2;0;0", "0;1;1", "Schnittpunkt", "2,00;2,00;2,00;60,00"},
        {"0;0;0", "1;0;0", "0;1;0", "0;1;0", "Schnittpunkt", "0,00;0,00;0,00;90,00"},
        {"0;0;0", "1;0;0", "0;0;1", "0;1;0", "Geraden sind windschief!", ";;;"},
        {"0;0;0", "1;1;0", "1;1;0", "2;2;0", "Geraden sind identisch!", ";;;"},
        {"0;0;0", "0,3;0,6;0,9", "1;0;0", "1;2;3", "Geraden sind parallel!", ";;;"},
        {"0;0;0", "1;0;0", "0;0;0,001", "0;1;0", "Geraden sind windschief!", ";;;"},
        {"0;0;0", "0;0;0", "0;0;0", "1;0;0", "Fehlerhafte Eingabe", ";;;"},
    };
    Tfgeradeg f; // one window: no result may survive into the next case
    for (const Fall& fall : faelle) {
        setze(f, {10, 11, 12}, fall.a1);
        setze(f, {13, 14, 15}, fall.u1);
        setze(f, {19, 20, 21}, fall.a2);
        setze(f, {22, 23, 24}, fall.u2);
        f.rechne();
        EXPECT_EQ(status(f), fall.status);
        EXPECT_EQ(texte(f, {57, 58, 59, 63}), fall.punkt) << fall.status.toStdString();
        const bool schnitt = fall.status == "Schnittpunkt";
        for (int n : {57, 58, 59, 63})
            EXPECT_EQ(feld(f, n)->isVisibleTo(&f), schnitt) << n;
        if (!schnitt) {
            EXPECT_EQ(f.ergebniszeilen(), QStringList{";" + fall.status});
        }
    }
    // Both lines from "2 Punkte": u := P2 − P1.
    Tfgeradeg g;
    buch(g, "TabbedNotebook1")->setCurrentIndex(0);
    buch(g, "TabbedNotebook2")->setCurrentIndex(0);
    setze(g, {1, 2, 3}, "1;2;3");
    setze(g, {4, 5, 6}, "2;2;2");
    setze(g, {7, 8, 9}, "2;0;0");
    setze(g, {16, 17, 18}, "2;1;1");
    g.rechne();
    EXPECT_EQ(texte(g, {10, 11, 12, 13, 14, 15}), "1,00;2,00;3,00;1,00;0,00;-1,00");
    EXPECT_EQ(texte(g, {19, 20, 21, 22, 23, 24}), "2,00;0,00;0,00;0,00;1,00;1,00");
    EXPECT_EQ(status(g), "Schnittpunkt");
    EXPECT_EQ(g.ergebniszeilen(), (QStringList{";Schnittpunkt=(2,00;2,00;2,00)", "winkel=60,00"}));
}

// The definitions of the result lines become project formulas; the comments are passed over
// without a message.
TEST_F(Raumfenster, ProjektFormelnDefinieren) {
    ModalWaechter waechter;
    formelbaum().alle_loeschen();
    Tpunktge f;
    setze(f, {23, 24, 25}, "2;3;4");
    setze(f, {7, 8, 9}, "1;1;1");
    setze(f, {32, 33, 34}, "1;2;2");
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    long double wert = 0;
    ASSERT_TRUE(formelbaum().fktberechnen("ABSTAND", 0, wert));
    EXPECT_NEAR(static_cast<double>(wert), 0.75, 1e-12);

    Tvektordlg v;
    setze(v, {1, 2, 3}, "1;2;3");
    setze(v, {4, 5, 6}, "4;5;6");
    v.rechne();
    v.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    ASSERT_TRUE(formelbaum().fktberechnen("SKALARPRODUKT", 0, wert));
    EXPECT_EQ(wert, 32);
    formelbaum().alle_loeschen();
}

TEST_F(Raumfenster, RechnenfensterBekommtDieZeilen) {
    Tfgeradeg f;
    setze(f, {10, 11, 12}, "1;2;3");
    setze(f, {13, 14, 15}, "1;0;-1");
    setze(f, {19, 20, 21}, "2;0;0");
    setze(f, {22, 23, 24}, "0;1;1");
    f.rechne();
    f.ausfuehren(Befehl::rechnenfenster);
    TEditForm* neu = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TEditForm*>(t); e && e->isVisible()) neu = e;
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->memo()->toPlainText(), ";Schnittpunkt=(2,00;2,00;2,00)\nwinkel=60,00");
    delete neu;
}

TEST_F(Raumfenster, DateiHinUndZurueck) {
    struct Fall {
        int art;
        QString endung, kennung;
    };
    const Fall faelle[] = {
        {75, "vek", "Vektoren"}, {165, "pge", "Punkt-Gerade"}, {90, "GE1", "Gerade R3"}};
    for (const Fall& fall : faelle) {
        const QString datei = ordner.filePath("raum." + fall.endung);
        std::unique_ptr<Tmodulfenster> f(fenster_erzeugen(fall.art));
        for (int i = 0; i < f->komponenten().size(); ++i)
            if (auto* e = qobject_cast<QLineEdit*>(f->komponenten()[i]))
                e->setText(QStringLiteral("%1,5").arg(i));
        for (auto* b : f->findChildren<QTabWidget*>())
            if (f->komponenten().contains(b)) b->setCurrentIndex(0);
        f->setzeFormat("0.000");
        f->rechne();
        dienst.dateinamen.enqueue(datei);
        ASSERT_TRUE(f->speichern());
        const QStringList z = zeilen_von(datei);
        ASSERT_GE(z.size(), 3);
        EXPECT_EQ(z[0], fall.kennung);
        EXPECT_EQ(z[1], "0.000");

        std::unique_ptr<Tmodulfenster> g(fenster_erzeugen(fall.art));
        ASSERT_TRUE(g->laden(datei));
        EXPECT_EQ(zustand(*g), zustand(*f));
        EXPECT_EQ(g->format(), "0.000");
        EXPECT_EQ(g->windowTitle(), "raum." + fall.endung);

        // A computed window that loads another file drops its results.
        f->rechne();
        ASSERT_TRUE(f->laden(datei));
        EXPECT_TRUE(f->ergebniszeilen().isEmpty()) << fall.art;
        EXPECT_TRUE(status(*f).isEmpty());

        // Another window's file changes nothing.
        const QString fremd = ordner.filePath("fremd." + fall.endung);
        QFile ff(fremd);
        ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
        ff.write("komplex\r\n0.00\r\n0#400#300#0#0#\r\n1\r\n");
        ff.close();
        std::unique_ptr<Tmodulfenster> h(fenster_erzeugen(fall.art));
        const QStringList vorher = zustand(*h);
        EXPECT_FALSE(h->laden(fremd));
        EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
        EXPECT_EQ(zustand(*h), vorher);
        dienst.meldungen.clear();
    }
}

TEST_F(Raumfenster, Stapelbetrieb) {
    struct Fall {
        QString art;
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"75",
         {"--set", "extendEdit1=1", "--set", "extendEdit2=2", "--set", "extendEdit3=3", "--set",
          "extendEdit4=4", "--set", "extendEdit5=5", "--set", "extendEdit6=6"},
         {"== Tvektordlg ==", "Label1: Vektoren sind linear Unabhängig", "extendEdit7: -3,00",
          "extendEdit14: 7,35", "extendEdit13: 12,93"}},
        {"75", {"--set", "extendEdit1=1"}, {"Label1: Fehlerhafte Eingabe", "extendEdit13: "}},
        {"165",
         {"--set", "extendEdit23=2", "--set", "extendEdit24=3", "--set", "extendEdit25=4", "--set",
          "extendEdit7=1", "--set", "extendEdit8=1", "--set", "extendEdit9=1", "--set",
          "extendEdit32=1", "--set", "extendEdit33=2", "--set", "extendEdit34=2"},
         {"== Tpunktge ==", "extendEdit22: -16,00", "extendEdit57: 2,22", "extendEdit63: 0,75",
          "extendEdit12: 2,89"}},
        {"Tpunktge",
         {"--set", "TabbedNotebook2=0", "--command", "Rechne"},
         {"Label1: Fehlerhafte Eingabe", "extendEdit63: "}},
        {"90",
         {"--set", "TabbedNotebook1=0", "--set", "extendEdit1=1",  "--set", "extendEdit2=2",
          "--set", "extendEdit3=3",     "--set", "extendEdit4=2",  "--set", "extendEdit5=2",
          "--set", "extendEdit6=2",     "--set", "extendEdit19=2", "--set", "extendEdit23=1",
          "--set", "extendEdit24=1"},
         {"== Tfgeradeg ==", "Label1: Schnittpunkt", "extendEdit57: 2,00", "extendEdit58: 2,00",
          "extendEdit59: 2,00", "extendEdit63: 60,00"}},
        {"Gerade-Gerade",
         {"--set", "extendEdit13=1", "--set", "extendEdit21=1", "--set", "extendEdit23=1"},
         {"Label1: Geraden sind windschief!", "extendEdit57: ", "extendEdit63: "}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", fall.art} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The line input keeps the values it converted as the window's number format shows them, but
// computes with the unrounded ones.
TEST_F(Raumfenster, GeradeneingabeRechnetUngerundet) {
    Geradenvorgabe v;
    v.p1 = {1, 2, 3};
    v.p2 = {4, 5, 6};
    v.a = {7, 8, 9};
    v.u = {10, 11, 12};
    v.startseite = Tgeradeneingabe::seite_2punkte;
    Tgeradeneingabe e(v);
    EXPECT_EQ(e.komponenten().size(), 13);
    EXPECT_EQ(e.notizbuch()->currentIndex(), 0);
    e.felder(0)[0]->setText("0,125");
    e.felder(1)[0]->setText("1E70"); // brought into the field's range first
    const Gerade3 g = e.gerade("0.00");
    EXPECT_EQ(static_cast<double>(g.a.x1), 0.125);
    EXPECT_EQ(static_cast<double>(g.u.x1), static_cast<double>(1e60L - 0.125L));
    EXPECT_EQ(e.felder(2)[0]->text(), "0,13");
    EXPECT_EQ(e.felder(1)[0]->Value(), 1e60L);
    // The page "Gerade" is taken as it stands.
    e.notizbuch()->setCurrentIndex(1);
    e.felder(3)[1]->setText("7");
    EXPECT_EQ(static_cast<double>(e.gerade("0.00").u.x2), 7.0);
}

// Each template opens as a project with its window and file; computing gives the worked example
// of the help page.
TEST_F(Raumfenster, LektionsvorlagenOeffnenSich) {
    struct Fall {
        QString pro;
        QString klasse;
        QString status;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"raumvektor1.pro",
         "Tvektordlg",
         "Vektoren sind linear Unabhängig",
         {";a X b=(-3,00;6,00;-3,00)", "betrag_axb=7,35", "betrag_a=3,74", "betrag_b=8,77",
          "skalarprodukt=32,00", "winkel=12,93", ";Vektoren sind linear Unabhängig"}},
        {"punktgerade1.pro",
         "Tpunktge",
         "",
         {";Ebene: 1,00*x1+2,00*x2+2,00*x3-16,00=0", ";Lotfußpunkt F=(2,22;3,44;3,44)",
          "abstand=0,75", ";Spiegelpunkt P'=(2,44;3,89;2,89)"}},
        {"geradegerade1.pro",
         "Tfgeradeg",
         "Schnittpunkt",
         {";Schnittpunkt=(2,00;2,00;2,00)", "winkel=60,00"}},
    };
    for (const Fall& fall : faelle) {
        Lektionsumgebung u;
        Tmodulfenster* f = u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/") + fall.pro);
        ASSERT_NE(f, nullptr) << fall.pro.toStdString();
        EXPECT_EQ(f->art().klasse, fall.klasse);
        // The lesson opens computed; computing again changes nothing.
        EXPECT_EQ(status(*f), fall.status);
        EXPECT_EQ(f->ergebniszeilen(), fall.zeilen);
        f->rechne();
        EXPECT_EQ(f->ergebniszeilen(), fall.zeilen);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

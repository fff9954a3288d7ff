// The plane vectors window: controls, every page through "Rechne", zero vectors, the angle
// units, result lines for the project formulas, ".ve2" files, batch mode and the lesson template.
#include "engine/fktbaum.h"
#include "modules/geometry/vektor2dlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

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

TextendEdit* feld(Tvektor2dlg& f, int n) {
    return steuer<TextendEdit>(f, QStringLiteral("extendEdit%1").arg(n).toLatin1());
}
QString text(Tvektor2dlg& f, int n) {
    return feld(f, n)->text();
}
QStringList zeilen(Tvektor2dlg& f) {
    return f.ergebniszeilen();
}

class Vektor2dlg : public ::testing::Test {
protected:
    void SetUp() override {
        vektoren2_registrieren();
        formelbaum().alle_loeschen();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

TEST_F(Vektor2dlg, AufbauUndVorgaben) {
    Tvektor2dlg f;
    EXPECT_EQ(f.windowTitle(), "Vektoren / Koordinaten");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 435);
    EXPECT_EQ(f.art().kennung, "Vektoren");
    EXPECT_EQ(f.art().endung, "ve2");
    auto* n = steuer<QTabWidget>(f, "newtab");
    ASSERT_EQ(n->count(), 3);
    EXPECT_EQ(n->tabText(0), "Vektoren");
    EXPECT_EQ(n->tabText(1), "Kartesische Koordinaten");
    EXPECT_EQ(n->tabText(2), "Polarkoordinaten");
    for (int i = 1; i <= 16; ++i)
        EXPECT_NE(feld(f, i), nullptr) << i;
    for (int i : {7, 8, 10, 11, 12, 13, 15, 16}) {
        EXPECT_NE(qobject_cast<Tergebnisfeld*>(feld(f, i)), nullptr) << i;
        EXPECT_TRUE(feld(f, i)->isReadOnly()) << i;
    }
    for (const char* g : {"RadioGroup1", "RadioGroup2"}) {
        EXPECT_EQ(steuer<TRadioGroup>(f, g)->items(), (QStringList{"Grad", "Radiant", "Gon"}));
        EXPECT_EQ(steuer<TRadioGroup>(f, g)->itemIndex(), 0);
    }
}

TEST_F(Vektor2dlg, RechneAufJederSeite) {
    struct Fall {
        const char* name;
        int seite;
        QList<QPair<int, QString>> werte;
        int einheit;
        QList<QPair<int, QString>> ergebnisse;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"senkrecht",
         0,
         {{1, "3"}, {2, "4"}, {4, "4"}, {5, "-3"}},
         0,
         {{10, "5,00"}, {11, "5,00"}, {12, "0,00"}, {13, "90,00"}},
         {"Betrag_a=5,00", "Betrag_b=5,00", "Skalarprodukt=0,00", "Winkel_ab=90,00"}},
        {"45 Grad", 0, {{1, "2"}, {2, "1"}, {4, "1"}, {5, "3"}}, 0, {{13, "45,00"}}, {}},
        {"gegenläufig",
         0,
         {{1, "1"}, {2, "0"}, {4, "-1"}, {5, "0"}},
         0,
         {{12, "-1,00"}, {13, "0,00"}},
         {}},
        {"parallel", 0, {{1, "1"}, {2, "1"}, {4, "2"}, {5, "2"}}, 0, {{13, "0,00"}}, {}},
        {"Grad",
         1,
         {{3, "-1"}, {6, "-1"}},
         0,
         {{7, "1,41"}, {8, "225,00"}},
         {"r_A=1,41", "phi_A=225,00"}},
        {"Gon", 1, {{3, "-1"}, {6, "-1"}}, 2, {{8, "250,00"}}, {}},
        {"Radiant", 1, {{3, "-1"}, {6, "-1"}}, 1, {{8, "3,93"}}, {}},
        {"y-Achse", 1, {{3, "0"}, {6, "2"}}, 0, {{7, "2,00"}, {8, "90,00"}}, {}},
        {"4. Quadrant", 1, {{3, "1"}, {6, "-1"}}, 0, {{8, "315,00"}}, {}},
        {"Polar",
         2,
         {{9, "2"}, {14, "90"}},
         0,
         {{15, "0,00"}, {16, "2,00"}},
         {"x_A=0,00", "y_A=2,00"}},
        {"Polar Gon", 2, {{9, "2"}, {14, "200"}}, 2, {{15, "-2,00"}, {16, "0,00"}}, {}},
    };
    for (const Fall& fall : faelle) {
        Tvektor2dlg f;
        steuer<QTabWidget>(f, "newtab")->setCurrentIndex(fall.seite);
        steuer<TRadioGroup>(f, "RadioGroup1")->setItemIndex(fall.einheit);
        steuer<TRadioGroup>(f, "RadioGroup2")->setItemIndex(fall.einheit);
        for (const auto& [n, t] : fall.werte)
            feld(f, n)->setText(t);
        f.rechne();
        for (const auto& [n, t] : fall.ergebnisse)
            EXPECT_EQ(text(f, n), t) << fall.name << " " << n;
        if (!fall.zeilen.isEmpty()) {
            EXPECT_EQ(zeilen(f), fall.zeilen) << fall.name;
        }
        EXPECT_EQ(steuer<QLabel>(f, "Label1")->text(), "") << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

// A zero vector: the status says so and no result of the earlier vectors stays.
TEST_F(Vektor2dlg, NullvektorIstFehlerhafteEingabe) {
    Tvektor2dlg f;
    feld(f, 1)->setText("3");
    feld(f, 2)->setText("4");
    feld(f, 4)->setText("1");
    f.rechne();
    ASSERT_EQ(text(f, 10), "5,00");
    feld(f, 4)->setText("0");
    f.rechne();
    EXPECT_EQ(steuer<QLabel>(f, "Label1")->text(), "Fehlerhafte Eingabe");
    for (int n : {10, 11, 12, 13})
        EXPECT_EQ(text(f, n), "") << n;
    EXPECT_TRUE(zeilen(f).isEmpty());
    feld(f, 4)->setText("1");
    f.rechne();
    EXPECT_EQ(steuer<QLabel>(f, "Label1")->text(), "");
    EXPECT_EQ(text(f, 13), "53,13");
}

TEST_F(Vektor2dlg, ZahlenformatGiltAuchFuerDieZeilen) {
    Tvektor2dlg f;
    feld(f, 1)->setText("1");
    feld(f, 4)->setText("1");
    feld(f, 5)->setText("1");
    f.rechne();
    f.setzeFormat("0.000");
    EXPECT_EQ(text(f, 11), "1,414");
    EXPECT_EQ(zeilen(f).value(1), "Betrag_b=1,414");
}

TEST_F(Vektor2dlg, ErgebnisseDefinierenNimmtJedeZeile) {
    ModalWaechter waechter;
    Tvektor2dlg f;
    steuer<QTabWidget>(f, "newtab")->setCurrentIndex(1);
    feld(f, 3)->setText("-1");
    feld(f, 6)->setText("-1");
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    long double w = 0;
    ASSERT_TRUE(formelbaum().fktberechnen("PHI_A", 0, w));
    EXPECT_NEAR(static_cast<double>(w), 225, 1e-12);
    ASSERT_TRUE(formelbaum().fktberechnen("R_A", 0, w));
    EXPECT_NEAR(static_cast<double>(w), 1.41, 1e-12);
}

TEST_F(Vektor2dlg, DateiHinUndZurueck) {
    const QString datei = ordner.filePath("punkt.ve2");
    Tvektor2dlg f;
    steuer<QTabWidget>(f, "newtab")->setCurrentIndex(2);
    steuer<TRadioGroup>(f, "RadioGroup2")->setItemIndex(2);
    steuer<TRadioGroup>(f, "RadioGroup1")->setItemIndex(1);
    feld(f, 9)->setText("2");
    feld(f, 14)->setText("50");
    feld(f, 1)->setText("7");
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "Vektoren");
    EXPECT_EQ(z[1], "0.00");
    Tvektor2dlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(steuer<QTabWidget>(g, "newtab")->currentIndex(), 2);
    EXPECT_EQ(text(g, 15), "");
    g.rechne();
    EXPECT_EQ(text(g, 15), "1,41");
    EXPECT_EQ(text(g, 16), "1,41");
    EXPECT_TRUE(dienst.meldungen.isEmpty());

    const QString fremd = ordner.filePath("fremd.ve2");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Dreieck\r\n0.00\r\n");
    ff.close();
    Tvektor2dlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

TEST_F(Vektor2dlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "extendEdit1=2", "--set", "extendEdit2=1", "--set", "extendEdit4=1", "--set",
          "extendEdit5=3"},
         {"Label1: ", "extendEdit10: 2,24", "extendEdit12: 5,00", "extendEdit13: 45,00"}},
        {{"--set", "extendEdit1=2"}, {"Label1: Fehlerhafte Eingabe", "extendEdit13: "}},
        {{"--set", "newtab=1", "--set", "RadioGroup1=2", "--set", "extendEdit3=-1", "--set",
          "extendEdit6=-1", "--command", "Rechne"},
         {"extendEdit7: 1,41", "extendEdit8: 250,00"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "155"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList z = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(z.contains("== Tvektor2dlg ==")) << aus.str();
        for (const QString& s : fall.zeilen)
            EXPECT_TRUE(z.contains(s)) << s.toStdString() << " in\n" << aus.str();
    }
}

// The lesson opens computed: the values its explanation works out for a = (2; 1), b = (1; 3).
TEST_F(Vektor2dlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tvektor2dlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/vektorebene1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(steuer<QLabel>(*f, "Label1")->text(), "");
    EXPECT_EQ((QStringList{text(*f, 10), text(*f, 11), text(*f, 12), text(*f, 13)}),
              (QStringList{"2,24", "3,16", "5,00", "45,00"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Vektor2dlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(155);
    ASSERT_NE(qobject_cast<Tvektor2dlg*>(f), nullptr);
    delete f;
}

} // namespace

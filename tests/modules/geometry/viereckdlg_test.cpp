// The quadrilaterals window: controls, "Rechne" on both pages, figures that cannot exist, the
// rectangle groups that refuse a quantity chosen twice, ".vie" files, "Ergebnisse definieren",
// batch mode and the lesson template.
#include "engine/fktbaum.h"
#include "modules/geometry/viereckdlg.h"
#include "shell/eingabe/zahleingaben.h"
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
#include <QPlainTextEdit>
#include <QRadioButton>
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

TextendEdit* feld(Tviereckdlg& f, int n) {
    return steuer<TextendEdit>(f, QStringLiteral("extendEdit%1").arg(n).toLatin1());
}
TRadioGroup* gruppe(Tviereckdlg& f, int n) {
    return steuer<TRadioGroup>(f, QStringLiteral("RadioGroup%1").arg(n).toLatin1());
}
QString beschriftung(Tviereckdlg& f, int n) {
    return steuer<QLabel>(f, QStringLiteral("Label%1").arg(n).toLatin1())->text();
}
void klicken(Tviereckdlg& f, int n, int i) {
    gruppe(f, n)->findChildren<QRadioButton*>().at(i)->click();
}
QStringList memo(Tviereckdlg& f) {
    const QString t = f.ergebnismemo()->toPlainText();
    return t.isEmpty() ? QStringList{} : t.split('\n');
}

class Viereckdlg : public ::testing::Test {
protected:
    void SetUp() override {
        vierecke_registrieren();
        formelbaum().alle_loeschen();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

TEST_F(Viereckdlg, AufbauUndVorgaben) {
    Tviereckdlg f;
    EXPECT_EQ(f.windowTitle(), "Vierecke");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 430);
    EXPECT_EQ(f.art().kennung, "Gerade");
    auto* n = steuer<QTabWidget>(f, "TabbedNotebook1");
    ASSERT_EQ(n->count(), 2);
    EXPECT_EQ(n->tabText(0), "Quadrat");
    EXPECT_EQ(n->tabText(1), "Rechteck");
    EXPECT_EQ(gruppe(f, 1)->title(), "Gegebene Größe wählen");
    EXPECT_EQ(gruppe(f, 1)->items(),
              (QStringList{"Seite a", "Diagonale d", "Fläche A", "Umfang U"}));
    EXPECT_EQ(gruppe(f, 2)->title(), "1. Größe wählen");
    EXPECT_EQ(gruppe(f, 3)->title(), "2. Größe wählen");
    EXPECT_EQ(gruppe(f, 2)->items(), (QStringList{"Länge l", "Breite b", "Fläche A", "Umfang U"}));
    EXPECT_EQ(gruppe(f, 1)->itemIndex(), 0);
    EXPECT_EQ(gruppe(f, 2)->itemIndex(), 0);
    EXPECT_EQ(gruppe(f, 3)->itemIndex(), 1);
    EXPECT_EQ(beschriftung(f, 1), "Seite a=");
    EXPECT_EQ(beschriftung(f, 2), "Länge l=");
    EXPECT_EQ(beschriftung(f, 3), "Breite b=");
    EXPECT_TRUE(f.bietet(Befehl::ergebnisse_definieren));
    EXPECT_TRUE(f.bietet(Befehl::rechnenfenster));
}

TEST_F(Viereckdlg, Rechne) {
    struct Fall {
        int seite, g1, g2, g3;
        const char *w1, *w2, *w3;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {0,
         0,
         0,
         1,
         "2",
         "0",
         "0",
         {"Seite_a=2,00", "Diagonale_a=2,83", "Umfang=8,00", "Fläche=4,00", "Umkreisradius=1,41",
          "Innkreisradius=1,00"}},
        {0,
         1,
         0,
         1,
         "2",
         "0",
         "0",
         {"Seite_a=1,41", "Diagonale_a=2,00", "Umfang=5,66", "Fläche=2,00", "Umkreisradius=1,00",
          "Innkreisradius=0,71"}},
        {1,
         0,
         2,
         1,
         "0",
         "20",
         "4",
         {"Länge=5,00", "Breite=4,00", "Diagonale=6,40", "Umfang=18,00", "Fläche=20,00",
          "Umkreisradius=3,20"}},
        {1,
         0,
         2,
         3,
         "0",
         "12",
         "14",
         {"Länge=4,00", "Breite=3,00", "Diagonale=5,00", "Umfang=14,00", "Fläche=12,00",
          "Umkreisradius=2,50"}},
        {1,
         0,
         0,
         3,
         "0",
         "3",
         "10",
         {"Länge=3,00", "Breite=2,00", "Diagonale=3,61", "Umfang=10,00", "Fläche=6,00",
          "Umkreisradius=1,80"}},
    };
    for (const Fall& fall : faelle) {
        Tviereckdlg f;
        steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(fall.seite);
        gruppe(f, 1)->setItemIndex(fall.g1);
        gruppe(f, 2)->setItemIndex(fall.g2);
        gruppe(f, 3)->setItemIndex(fall.g3);
        feld(f, 1)->setText(fall.w1);
        feld(f, 2)->setText(fall.w2);
        feld(f, 3)->setText(fall.w3);
        f.rechne();
        EXPECT_EQ(memo(f), fall.zeilen);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// No figure: a message, and the memo of an earlier one is gone.
TEST_F(Viereckdlg, KeinViereckLeertDasMemo) {
    struct Fall {
        const char* name;
        int seite, g2, g3;
        const char *w1, *w2, *w3;
        QString meldung;
    };
    const QString rechteck =
        "Aus diesen Größen lässt sich kein Rechteck berechnen: eine Seite wäre nicht positiv.";
    const Fall faelle[] = {
        {"Quadrat 0", 0, 0, 1, "0", "0", "0",
         "Aus dieser Größe lässt sich kein Quadrat berechnen: die Seite wäre nicht positiv."},
        {"U = 10, l = 6", 1, 0, 3, "0", "6", "10", rechteck},
        {"U² < 16A", 1, 2, 3, "0", "10", "8",
         "Aus diesen Größen lässt sich kein Rechteck berechnen: Mit diesem Umfang ist die Fläche "
         "höchstens so groß wie die des Quadrats, U²/16."},
        {"gleich", 1, 2, 2, "0", "10", "8",
         "Die einzelnen Größen können nur einmal gewählt werden."},
    };
    for (const Fall& fall : faelle) {
        Tviereckdlg f;
        feld(f, 1)->setText("2");
        f.rechne();
        ASSERT_FALSE(memo(f).isEmpty());
        steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(fall.seite);
        gruppe(f, 2)->setItemIndex(fall.g2);
        gruppe(f, 3)->setItemIndex(fall.g3);
        feld(f, 1)->setText(fall.w1);
        feld(f, 2)->setText(fall.w2);
        feld(f, 3)->setText(fall.w3);
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.name;
        EXPECT_TRUE(memo(f).isEmpty()) << fall.name;
    }
}

TEST_F(Viereckdlg, GroesseNurEinmalWaehlbar) {
    Tviereckdlg f;
    f.show();
    klicken(f, 3, 0);
    EXPECT_EQ(dienst.meldungen, QStringList{"Größe wurde bereits gewählt"});
    EXPECT_EQ(gruppe(f, 3)->itemIndex(), -1);
    EXPECT_EQ(beschriftung(f, 3), "");
    dienst.meldungen.clear();
    klicken(f, 3, 2);
    klicken(f, 1, 3); // the square's group stands alone
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_EQ(beschriftung(f, 3), "Fläche A=");
    EXPECT_EQ(beschriftung(f, 1), "Umfang U=");
}

// The file holds width before length: while a fresh window reads it, its second group still
// shows the width for a moment. No "bereits gewählt" may come of that.
TEST_F(Viereckdlg, DateiMitGewaehltenGruppen) {
    const QString datei = ordner.filePath("rechteck.vie");
    Tviereckdlg f;
    f.show();
    klicken(f, 1, 2);
    klicken(f, 3, 2);
    klicken(f, 2, 1);
    klicken(f, 3, 0);
    ASSERT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
    feld(f, 2)->setText("3");
    feld(f, 3)->setText("4");
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "Gerade");
    EXPECT_EQ(z[1], "0.00");
    Tviereckdlg g;
    g.show();
    ASSERT_TRUE(g.laden(datei));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(beschriftung(g, 1), "Fläche A=");
    EXPECT_EQ(beschriftung(g, 2), "Breite b=");
    EXPECT_EQ(beschriftung(g, 3), "Länge l=");
    g.rechne();
    EXPECT_EQ(memo(g).value(0), "Länge=4,00");

    const QString fremd = ordner.filePath("fremd.vie");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Dreieck\r\n0.00\r\n");
    ff.close();
    Tviereckdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

TEST_F(Viereckdlg, ErgebnisseDefinierenNimmtJedeZeile) {
    ModalWaechter waechter;
    Tviereckdlg f;
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
    feld(f, 2)->setText("5");
    feld(f, 3)->setText("4");
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    const std::pair<const char*, double> soll[] = {
        {"LäNGE", 5},   {"BREITE", 4},  {"DIAGONALE", 6.40},
        {"UMFANG", 18}, {"FLäCHE", 20}, {"UMKREISRADIUS", 3.20},
    };
    for (const auto& [name, wert] : soll) {
        long double w = 0;
        ASSERT_TRUE(formelbaum().fktberechnen(name, 0, w)) << name;
        EXPECT_NEAR(static_cast<double>(w), wert, 1e-12) << name;
    }
}

TEST_F(Viereckdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "extendEdit1=2"}, {"Memo1:", "Diagonale_a=2,83", "Innkreisradius=1,00"}},
        {{"--set", "TabbedNotebook1=1", "--set", "RadioGroup2=2", "--set", "extendEdit2=20",
          "--set", "extendEdit3=4", "--command", "Rechne"},
         {"Länge=5,00", "Diagonale=6,40", "Umfang=18,00"}},
        {{"--set", "TabbedNotebook1=1", "--set", "RadioGroup3=3", "--set", "extendEdit2=6", "--set",
          "extendEdit3=10"},
         {"Meldung: Aus diesen Größen lässt sich kein Rechteck berechnen: eine Seite wäre nicht "
          "positiv."}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "60"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tviereckdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The lesson opens with the rectangle its explanation works out: l + b = 7 and l*b = 12.
TEST_F(Viereckdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tviereckdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/viereck1.pro")));
    ASSERT_NE(f, nullptr);
    for (const char* z : {"Länge=4,00", "Breite=3,00", "Diagonale=5,00"})
        EXPECT_TRUE(memo(*f).contains(QString::fromUtf8(z))) << z;
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Viereckdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(60);
    ASSERT_NE(qobject_cast<Tviereckdlg*>(f), nullptr);
    delete f;
}

} // namespace

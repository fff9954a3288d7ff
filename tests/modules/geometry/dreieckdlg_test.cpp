// The triangle window: controls and captions, "Rechne" on every page, refused data and choices,
// ".dre" files with chosen radio groups, "Ergebnisse definieren", "Zeichnen" with equal units
// on both axes, batch mode and the lesson template.
#include "engine/fktbaum.h"
#include "graph/vorgaben.h"
#include "modules/geometry/dreieckdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QDir>
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

TextendEdit* feld(TDreieckdlg& f, int nummer) {
    return steuer<TextendEdit>(f, QStringLiteral("extendEdit%1").arg(nummer).toLatin1());
}
TRadioGroup* gruppe(TDreieckdlg& f, int nummer) {
    return steuer<TRadioGroup>(f, QStringLiteral("RadioGroup%1").arg(nummer).toLatin1());
}
QString beschriftung(TDreieckdlg& f, int nummer) {
    return steuer<QLabel>(f, QStringLiteral("Label%1").arg(nummer).toLatin1())->text();
}
// A click of the user on item i of a group.
void klicken(TDreieckdlg& f, int nummer, int i) {
    gruppe(f, nummer)->findChildren<QRadioButton*>().at(i)->click();
}
QStringList memo(TDreieckdlg& f) {
    const QString t = f.ergebnismemo()->toPlainText();
    return t.isEmpty() ? QStringList{} : t.split('\n');
}

class Dreieckdlg : public ::testing::Test {
protected:
    void SetUp() override {
        dreieck_registrieren();
        ASSERT_TRUE(ordner.isValid());
        vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
        formelbaum().alle_loeschen();
    }
    void TearDown() override {
        QDir::setCurrent(vorher);
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            if (qobject_cast<Tdialogfkt*>(f)) delete f;
        formelbaum().alle_loeschen();
    }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    QString vorher;
};

TEST_F(Dreieckdlg, AufbauUndVorgaben) {
    TDreieckdlg f;
    EXPECT_EQ(f.windowTitle(), "Dreieck");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 275);
    EXPECT_EQ(f.art().kennung, "Dreieck");
    EXPECT_EQ(f.size(), QSize(602, 446));
    auto* n = steuer<QTabWidget>(f, "TabbedNotebook1");
    ASSERT_EQ(n->count(), 3);
    EXPECT_EQ(n->tabText(0), "Allg. Dreieck ");
    EXPECT_EQ(n->tabText(1), "Allg. Dreieck (Koordinaten)");
    EXPECT_EQ(n->tabText(2), "Rechtwinkeliges Dreieck");
    const QStringList sechs = {"Seite a",      "Seite b",     "Seite c",
                               "Winkel alpha", "Winkel beta", "Winkel gamma"};
    for (int g = 1; g <= 5; ++g) {
        EXPECT_EQ(gruppe(f, g)->items(), g <= 3 ? sechs : sechs.mid(0, 5)) << g;
        EXPECT_EQ(gruppe(f, g)->itemIndex(), g <= 3 ? g - 1 : g - 4) << g;
        EXPECT_EQ(gruppe(f, g)->title(), QStringLiteral("%1.Größe").arg(g <= 3 ? g : g - 3));
    }
    EXPECT_EQ(beschriftung(f, 1), "Seite a=");
    EXPECT_EQ(beschriftung(f, 2), "Seite b=");
    EXPECT_EQ(beschriftung(f, 3), "Seite c=");
    EXPECT_EQ(beschriftung(f, 4), "Seite a=");
    EXPECT_EQ(beschriftung(f, 5), "Seite b=");
    for (int i : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12})
        EXPECT_EQ(feld(f, i)->text(), "0") << i;
    EXPECT_EQ(f.ergebnismemo()->objectName(), "Memo1");
    for (Befehl b : {Befehl::neu, Befehl::rechne, Befehl::zeichnen, Befehl::rechnenfenster,
                     Befehl::ergebnisse_definieren, Befehl::projektformeln, Befehl::hauptmenue})
        EXPECT_TRUE(f.bietet(b));
}

TEST_F(Dreieckdlg, RechneAufJederSeite) {
    struct Fall {
        const char* name;
        int seite;
        QList<QPair<int, int>> gruppen;   // group, item
        QList<QPair<int, QString>> werte; // field, text
        QStringList erwartet;             // lines the memo must hold
    };
    const Fall faelle[] = {
        {"SSS",
         0,
         {},
         {{1, "7"}, {2, "8"}, {3, "9"}},
         {" Seite - Seite - Seite ", "Alpha=48,19", "Beta=58,41", "Gamma=73,40", "Fläche=26,83",
          "Umkreisradius=4,70", "Innkreisradius=2,24"}},
        {"SWS stumpf",
         0,
         {{3, 5}},
         {{1, "10"}, {2, "3"}, {3, "30"}},
         {" Seite - Winkel - Seite ", "Alpha=138,54", "Beta=11,46", "Gamma=30,00"}},
        {"WSW",
         0,
         {{1, 3}, {2, 4}, {3, 2}},
         {{1, "30"}, {2, "60"}, {3, "2"}},
         {" Winkel - Seite - Winkel ", "Seite_a=1,00", "Seite_b=1,73", "Gamma=90,00"}},
        {"Koordinaten",
         1,
         {},
         {{7, "0"}, {8, "0"}, {9, "4"}, {10, "0"}, {11, "0"}, {12, "3"}},
         {" Dreieck im Koordinatensystem ", "Seite_a=5,00", "Alpha=90,00", "Fläche=6,00"}},
        {"rechtwinklig",
         2,
         {},
         {{4, "3"}, {5, "4"}},
         {"Seite_c=5,00", "Alpha=36,87", "Beta=53,13", "Gamma=90,00", "Umfang=12,00",
          "Umkreisradius=2,50", "Innkreisradius=1,00"}},
        {"rechtwinklig c, alpha",
         2,
         {{4, 2}, {5, 3}},
         {{4, "2"}, {5, "30"}},
         {"Seite_a=1,00", "Seite_b=1,73", "Beta=60,00"}},
    };
    for (const Fall& fall : faelle) {
        TDreieckdlg f;
        steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(fall.seite);
        for (const auto& [g, i] : fall.gruppen)
            gruppe(f, g)->setItemIndex(i);
        for (const auto& [n, t] : fall.werte)
            feld(f, n)->setText(t);
        f.rechne();
        EXPECT_TRUE(dienst.meldungen.isEmpty())
            << fall.name << ": " << dienst.meldungen.join("|").toStdString();
        const QStringList m = memo(f);
        EXPECT_EQ(m.size(), 14) << fall.name;
        for (const QString& z : fall.erwartet)
            EXPECT_TRUE(m.contains(z)) << fall.name << ": " << z.toStdString() << " in\n"
                                       << m.join('\n').toStdString();
        EXPECT_TRUE(f.berechnet());
    }
}

// Impossible data: the numbered message of the failing step, then the general one; the memo of
// an earlier triangle is gone.
TEST_F(Dreieckdlg, UnmoeglicheDatenLeerenDasMemo) {
    struct Fall {
        const char* name;
        int seite;
        QList<QPair<int, QString>> werte;
        QStringList meldungen;
    };
    const QString allgemein = "Dreieck kann nicht berechnet werden. ";
    const Fall faelle[] = {
        {"1, 1, 5",
         0,
         {{1, "1"}, {2, "1"}, {3, "5"}},
         {"Dreieck kann nicht berechnet werden 2.", allgemein}},
        {"1, 1, 2", 0, {{1, "1"}, {2, "1"}, {3, "2"}}, {allgemein}},
        {"negative Seite", 0, {{1, "-3"}, {2, "4"}, {3, "5"}}, {allgemein}},
        {"zu wenig", 0, {{1, "3"}, {2, "4"}, {3, "0"}}, {allgemein}},
        {"A = B", 1, {{7, "1"}, {8, "1"}, {9, "1"}, {10, "1"}, {11, "3"}, {12, "4"}}, {allgemein}},
        {"kollinear",
         1,
         {{7, "0,1"}, {8, "0,2"}, {9, "0,3"}, {10, "0,6"}, {11, "0,7"}, {12, "1,4"}},
         {allgemein}},
        {"rechtwinklig c < a",
         2,
         {{4, "5"}, {5, "3"}},
         {"Dreieck kann nicht berechnet werden 1.", allgemein}},
    };
    for (const Fall& fall : faelle) {
        TDreieckdlg f;
        feld(f, 1)->setText("3");
        feld(f, 2)->setText("4");
        feld(f, 3)->setText("5");
        f.rechne();
        ASSERT_TRUE(f.berechnet());
        steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(fall.seite);
        if (fall.seite == 2) gruppe(f, 5)->setItemIndex(2); // a and c
        for (const auto& [n, t] : fall.werte)
            feld(f, n)->setText(t);
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, fall.meldungen) << fall.name;
        EXPECT_TRUE(memo(f).isEmpty()) << fall.name;
        EXPECT_FALSE(f.berechnet()) << fall.name;
    }
}

TEST_F(Dreieckdlg, GroesseNurEinmalWaehlbar) {
    TDreieckdlg f;
    f.show();
    // "Seite a" is group 1's: group 2 loses its choice and caption.
    klicken(f, 2, 0);
    EXPECT_EQ(dienst.meldungen, QStringList{"Größe wurde bereits gewählt"});
    EXPECT_EQ(gruppe(f, 2)->itemIndex(), -1);
    EXPECT_EQ(beschriftung(f, 2), "");
    // A free item is taken and named.
    dienst.meldungen.clear();
    klicken(f, 2, 3);
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_EQ(beschriftung(f, 2), "Winkel alpha=");
    // The right-angled page has groups of its own: "Seite c" there is free.
    klicken(f, 4, 2);
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_EQ(beschriftung(f, 4), "Seite c=");
    klicken(f, 5, 2);
    EXPECT_EQ(dienst.meldungen, QStringList{"Größe wurde bereits gewählt"});
    EXPECT_EQ(gruppe(f, 5)->itemIndex(), -1);

    // A group without choice: said, and too little is given.
    dienst.meldungen.clear();
    gruppe(f, 3)->setItemIndex(-1);
    feld(f, 1)->setText("3");
    feld(f, 2)->setText("40");
    f.rechne();
    EXPECT_EQ(dienst.meldungen,
              (QStringList{"Die einzelnen Größen können nur einmal gewählt werden.",
                           "Dreieck kann nicht berechnet werden. "}));
    // Batch mode and files can set two groups alike; the window refuses that too.
    dienst.meldungen.clear();
    gruppe(f, 3)->setItemIndex(0);
    f.rechne();
    EXPECT_EQ(dienst.meldungen.first(), "Die einzelnen Größen können nur einmal gewählt werden.");
    EXPECT_TRUE(memo(f).isEmpty());
}

// Chosen groups come back from the file as they were, without any "bereits gewählt": while the
// file is read, a group may for a moment show what another still shows.
TEST_F(Dreieckdlg, DateiMitGewaehltenGruppen) {
    const QString datei = ordner.filePath("winkel.dre");
    TDreieckdlg f;
    f.show();
    // To b, c, a and (right-angled) b, a: each differs from the defaults a, b, c and a, b in a
    // way that makes a group of a fresh window meet its neighbour's choice during loading.
    for (const auto& [g, i] : {std::pair{3, 3}, {2, 2}, {1, 1}, {3, 0}, {5, 2}, {4, 1}, {5, 0}})
        klicken(f, g, i);
    ASSERT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    feld(f, 1)->setText("8");
    feld(f, 2)->setText("9");
    feld(f, 3)->setText("7");
    f.setzeFormat("0.000");
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "Dreieck");
    EXPECT_EQ(z[1], "0.000");

    TDreieckdlg g;
    g.show();
    ASSERT_TRUE(g.laden(datei));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(g.format(), "0.000");
    const int soll[] = {1, 2, 0, 1, 0};
    const char* texte[] = {"Seite b=", "Seite c=", "Seite a=", "Seite b=", "Seite a="};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(gruppe(g, i + 1)->itemIndex(), soll[i]);
        EXPECT_EQ(beschriftung(g, i + 1), texte[i]);
    }
    // Loaded results are not a solved triangle to draw.
    g.zeichnen();
    EXPECT_EQ(dienst.meldungen, QStringList{"Keine Werte berechnet!"});
    dienst.meldungen.clear();
    g.rechne();
    EXPECT_TRUE(memo(g).contains("Alpha=48,190")) << memo(g).join('\n').toStdString();
    EXPECT_TRUE(memo(g).contains("Innkreisradius=2,236"));
    EXPECT_TRUE(dienst.meldungen.isEmpty());

    // A file of another marker changes nothing.
    const QString fremd = ordner.filePath("fremd.dre");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Vektoren\r\n0.00\r\n0#400#300#0#0#\r\n2\r\n");
    ff.close();
    TDreieckdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

TEST_F(Dreieckdlg, ErgebnisseDefinierenNimmtJedeZeile) {
    ModalWaechter waechter;
    TDreieckdlg f;
    feld(f, 1)->setText("7");
    feld(f, 2)->setText("8");
    feld(f, 3)->setText("9");
    f.rechne();
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    // Names are kept in upper case as far as ASCII goes.
    const std::pair<const char*, double> soll[] = {
        {"SEITE_A", 7},    {"ALPHA", 48.19},  {"GAMMA", 73.40},
        {"HOEHE_C", 5.96}, {"FLäCHE", 26.83}, {"INNKREISRADIUS", 2.24},
    };
    for (const auto& [name, wert] : soll) {
        long double w = 0;
        ASSERT_TRUE(formelbaum().fktberechnen(name, 0, w)) << name;
        EXPECT_NEAR(static_cast<double>(w), wert, 1e-12) << name;
    }
}

TEST_F(Dreieckdlg, Zeichnen) {
    TDreieckdlg f;
    f.zeichnen();
    EXPECT_EQ(dienst.meldungen, QStringList{"Keine Werte berechnet!"});
    feld(f, 1)->setText("3");
    feld(f, 2)->setText("4");
    feld(f, 3)->setText("5");
    f.rechne();
    // Another page: that triangle is not the page's.
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(2);
    dienst.meldungen.clear();
    f.zeichnen();
    EXPECT_EQ(dienst.meldungen, QStringList{"Keine Werte berechnet!"});
    EXPECT_EQ(f.zeichenfenster(), nullptr);

    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(0);
    f.rechne();
    dienst.meldungen.clear();
    f.zeichnen();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    const Tzeichenvorgaben v = z->vorgaben();
    EXPECT_FALSE(v.koord);
    EXPECT_EQ(v.uebertext, " Seite - Seite - Seite ");
    EXPECT_EQ(v.xtext, "");
    EXPECT_EQ(v.ytext, "");
    // Whole-number bounds around the vertices, widened so one unit is as long across as up.
    EXPECT_DOUBLE_EQ(static_cast<double>(v.xmin), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(v.xmax), 5);
    EXPECT_NEAR(static_cast<double>((v.xmax - v.xmin) / v.xgroesse),
                static_cast<double>((v.ymax - v.ymin) / v.ygroesse), 1e-12);
    EXPECT_LE(static_cast<double>(v.ymin), 0);
    EXPECT_GE(static_cast<double>(v.ymax), 2.4);
    ASSERT_EQ(z->eintraege().size(), 1u);
    const std::vector<std::string> text = {
        "a=3,00",       "b=4,00",      "c=5,00",       "\\c(a)=36,87",       "\\c(b)=53,13",
        "\\c(g)=90,00", "Fläche=6,00", "Umfang=12,00", "Inkreisradius=1,00", "Umkreisradius=2,50"};
    EXPECT_EQ(v.freitext, text);
    // The handed-over outline is closed: A, B, C, A.
    QFile geo(QDir(ordner.path()).filePath("geo.dat"));
    ASSERT_TRUE(geo.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromLatin1(geo.readAll());
    EXPECT_TRUE(inhalt.contains("3,2")) << inhalt.toStdString();
    EXPECT_TRUE(inhalt.contains("2,4")) << inhalt.toStdString();
}

TEST_F(Dreieckdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "extendEdit1=7", "--set", "extendEdit2=8", "--set", "extendEdit3=9"},
         {"Memo1:", " Seite - Seite - Seite ", "Alpha=48,19", "Innkreisradius=2,24"}},
        {{"--set", "TabbedNotebook1=2", "--set", "extendEdit4=3", "--set", "extendEdit5=4",
          "--command", "Rechne"},
         {"Seite_c=5,00", "Gamma=90,00"}},
        {{"--set", "extendEdit1=1", "--set", "extendEdit2=1", "--set", "extendEdit3=5"},
         {"Meldung: Dreieck kann nicht berechnet werden 2.",
          "Meldung: Dreieck kann nicht berechnet werden. "}},
        {{"--set", "extendEdit1=3", "--set", "extendEdit2=4", "--set", "extendEdit3=5", "--command",
          "Rechne", "--command", "Zeichnen"},
         {"== Tdialogfkt =="}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "55"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== TDreieckdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

TEST_F(Dreieckdlg, NeuStelltDieVorgabenHer) {
    TDreieckdlg f;
    gruppe(f, 1)->setItemIndex(4);
    feld(f, 1)->setText("7");
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
    f.ausfuehren(Befehl::neu);
    TDreieckdlg frisch;
    EXPECT_EQ(zustand(f), zustand(frisch));
    EXPECT_EQ(beschriftung(f, 1), "Seite a=");
}

// Both triangle lessons open already solved, with the values their explanations quote.
TEST_F(Dreieckdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    struct Fall {
        const char* pro;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"dreieck1.pro", {"Seite_c=7,55", "Alpha=138,54", "Fläche=7,50"}},
        {"dreieck2.pro", {"Alpha=48,19", "Beta=58,41", "Gamma=73,40", "Fläche=26,83"}},
    };
    for (const Fall& fall : faelle) {
        Lektionsumgebung u;
        auto* f = qobject_cast<TDreieckdlg*>(
            u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/") + QString::fromLatin1(fall.pro)));
        ASSERT_NE(f, nullptr) << fall.pro;
        EXPECT_TRUE(f->berechnet()) << fall.pro;
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(memo(*f).contains(z)) << fall.pro << ": " << z.toStdString();
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Dreieckdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(55);
    ASSERT_NE(qobject_cast<TDreieckdlg*>(f), nullptr);
    delete f;
}

} // namespace

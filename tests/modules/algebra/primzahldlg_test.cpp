// The primes window: pages and fields, "Rechne" on the page shown, fields brought into range,
// the cap message, ".pri" files, batch mode and the lesson template.
#include "modules/algebra/primzahldlg.h"
#include "modules/algebra/primzahlrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

// Readable failures for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* o) {
    *o << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* o) {
    *o << '{' << l.join("|").toStdString() << '}';
}

namespace {

using namespace zol;
using namespace zol::test;

QString memo(Tprimdlg& f, const char* name) {
    return steuer<QPlainTextEdit>(f, name)->toPlainText();
}

void setze(Tprimdlg& f, const char* name, const QString& text) {
    steuer<QLineEdit>(f, name)->setText(text);
}

void seite(Tprimdlg& f, int n) {
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(n);
}

class Primdlg : public ::testing::Test {
protected:
    void SetUp() override { primzahlen_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Primdlg, AufbauUndVorgaben) {
    Tprimdlg f;
    EXPECT_EQ(f.windowTitle(), "Primzahlen/ggT/kgV");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 330);
    EXPECT_EQ(f.art().art, 50);
    EXPECT_EQ(f.size(), QSize(492, 385));
    auto* seiten = steuer<QTabWidget>(f, "TabbedNotebook1");
    ASSERT_EQ(seiten->count(), 4);
    EXPECT_EQ((QStringList{seiten->tabText(0), seiten->tabText(1), seiten->tabText(2),
                           seiten->tabText(3)}),
              (QStringList{"Primzahlen", "ggT/kgV", "Teilermenge", "Vielfachmenge"}));
    struct Feld {
        const char* name;
        const char* text;
    };
    for (const Feld& feld :
         {Feld{"longintEdit1", "1"}, Feld{"longintEdit2", "30"}, Feld{"longintEdit3", "6"},
          Feld{"longintEdit4", "30"}, Feld{"longintEdit5", "1"}, Feld{"longintEdit6", "30"},
          Feld{"longintEdit7", "1"}, Feld{"longintEdit9", "30"}, Feld{"longintEdit8", "100"}}) {
        auto* e = steuer<TlongintEdit>(f, feld.name);
        EXPECT_EQ(e->text(), feld.text) << feld.name;
        EXPECT_EQ(e->MinValue(), 1);
        EXPECT_EQ(e->MaxValue(), 999999999);
    }
    for (const char* name : {"Memo1", "Memo2", "Memo3", "Memo4", "Memo5"}) {
        EXPECT_TRUE(steuer<QPlainTextEdit>(f, name)->isReadOnly());
        EXPECT_TRUE(memo(f, name).isEmpty());
    }
    QStringList gruppen;
    for (QGroupBox* g : f.findChildren<QGroupBox*>())
        gruppen << g->title();
    EXPECT_TRUE(gruppen.contains("Ergebnisse:Primzahlen                        Faktoren"));
    EXPECT_EQ(gruppen.count("Eingabe"), 4);
    QStringList menues;
    for (QAction* a : f.menuBar()->actions())
        menues << (a->menu() ? a->menu()->title() : a->text());
    EXPECT_EQ(menues, (QStringList{"&Datei", "&Rechne", "&Eigenschaften", "&Hilfe"}));
    EXPECT_EQ(f.aktion(Befehl::rechne)->toolTip(), "Ergebnisse berechnen");
}

TEST_F(Primdlg, RechneFuelltNurDieGezeigteSeite) {
    Tprimdlg f;
    f.ausfuehren(Befehl::rechne);
    EXPECT_EQ(memo(f, "Memo1"), "1\n2\n3\n5\n7\n11\n13\n17\n19\n23\n29");
    const QStringList faktoren = memo(f, "Memo2").split('\n');
    ASSERT_EQ(faktoren.size(), 30);
    EXPECT_EQ(faktoren.first(), "1=  Primzahl");
    EXPECT_EQ(faktoren.last(), "30=  2*3*5");
    EXPECT_TRUE(memo(f, "Memo3").isEmpty());

    seite(f, 1);
    f.rechne();
    EXPECT_EQ(memo(f, "Memo3"), "größter gemeinsamer Teiler\nggT(6;30)=6\n"
                                "kleinstes gemeinsames Vielfaches\nkgV(6;30)=30\nTeilermenge\n"
                                "T(6)=(1,2,3,6)\nT(30)=(1,2,3,5,6,10,15,30)\nVielfachmenge\n"
                                "V(6)=(6,12,18,24,30)\nV(30)=(30)");
    EXPECT_EQ(memo(f, "Memo1").split('\n').size(), 11); // the other pages keep theirs

    seite(f, 2);
    setze(f, "longintEdit5", "5040");
    setze(f, "longintEdit6", "5040");
    f.rechne();
    // T(5040) wraps into three lines, each continuation starting with ",".
    const QStringList teiler = memo(f, "Memo4").split('\n');
    ASSERT_EQ(teiler.size(), 3);
    EXPECT_TRUE(teiler[0].startsWith("T(5040)=(1,2,3,"));
    EXPECT_TRUE(teiler[1].startsWith(",105,"));
    EXPECT_EQ(teiler[2], ",5040)");

    seite(f, 3);
    setze(f, "longintEdit7", "7");
    setze(f, "longintEdit9", "8");
    setze(f, "longintEdit8", "20");
    f.rechne();
    EXPECT_EQ(memo(f, "Memo5"), "V(7)=(7,14)\nV(8)=(8,16)");

    seite(f, 0);
    setze(f, "longintEdit1", "90");
    setze(f, "longintEdit2", "100");
    f.rechne();
    EXPECT_EQ(memo(f, "Memo1"), "97");
    const QStringList z = memo(f, "Memo2").split('\n');
    EXPECT_TRUE(z.contains("91=  7*13"));
    EXPECT_TRUE(z.contains("96=  2*2*2*2*2*3"));
    EXPECT_TRUE(z.contains("97=  Primzahl"));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// All fields hold 1 ... 999999999 before they are used: V(0) and V(-5) would never end.
TEST_F(Primdlg, FelderWerdenInIhrenBereichGebracht) {
    Tprimdlg f;
    setze(f, "longintEdit1", "0");
    setze(f, "longintEdit2", "");
    f.rechne();
    EXPECT_EQ(steuer<QLineEdit>(f, "longintEdit1")->text(), "1");
    EXPECT_EQ(steuer<QLineEdit>(f, "longintEdit2")->text(), "1");
    EXPECT_EQ(memo(f, "Memo2"), "1=  Primzahl");

    seite(f, 3);
    setze(f, "longintEdit7", "-5");
    setze(f, "longintEdit9", "0");
    setze(f, "longintEdit8", "3");
    f.rechne();
    EXPECT_EQ(steuer<QLineEdit>(f, "longintEdit7")->text(), "1");
    EXPECT_EQ(memo(f, "Memo5"), "V(1)=(1,2,3)");

    seite(f, 1);
    setze(f, "longintEdit3", "0");
    f.rechne();
    EXPECT_TRUE(memo(f, "Memo3").startsWith("größter gemeinsamer Teiler\nggT(1;30)=1\n"));
}

TEST_F(Primdlg, GrosseAusgabenWerdenAbgebrochen) {
    Tprimdlg f;
    seite(f, 3);
    setze(f, "longintEdit7", "1");
    setze(f, "longintEdit9", "1");
    setze(f, "longintEdit8", "999999999");
    f.rechne();
    EXPECT_EQ(dienst.meldungen,
              QStringList{"Die Ausgabe wurde nach 100000 Einträgen abgebrochen."});
    const QString text = memo(f, "Memo5");
    EXPECT_EQ(text.count(',') + 1, 100000);
    EXPECT_TRUE(text.endsWith(",100000"));

    dienst.meldungen.clear();
    seite(f, 2);
    setze(f, "longintEdit5", "1");
    setze(f, "longintEdit6", "10000");
    f.rechne();
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_TRUE(memo(f, "Memo4")
                    .endsWith("T(10000)=(1,2,4,5,8,10,16,20,25,40,50,80,100,125,200,"
                              "250,400,500,625,1000,1250,2000,2500,5000,10000)"));
}

TEST_F(Primdlg, DateiOhneMemos) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("a.pri");
    {
        Tprimdlg f;
        seite(f, 1);
        setze(f, "longintEdit3", "12");
        setze(f, "longintEdit4", "18");
        setze(f, "longintEdit8", "50");
        f.rechne();
        ASSERT_TRUE(f.inDateiSchreiben(datei));
    }
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z.mid(0, 2), (QStringList{"Primzahlen", "0.00"}));
    // Geometry, the notebook's page, then every field's text twice.
    EXPECT_EQ(z.mid(3), (QStringList{"1", "1", "1", "30", "30", "12", "12", "18", "18", "1", "1",
                                     "30", "30", "1", "1", "50", "50", "30", "30"}));
    EXPECT_FALSE(z.join('\n').contains("ggT"));
    Tprimdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.windowTitle(), "a.pri");
    EXPECT_EQ(steuer<QTabWidget>(g, "TabbedNotebook1")->currentIndex(), 1);
    EXPECT_EQ(steuer<QLineEdit>(g, "longintEdit3")->text(), "12");
    EXPECT_TRUE(memo(g, "Memo3").isEmpty());
    g.rechne();
    EXPECT_TRUE(memo(g, "Memo3").contains("kgV(12;18)=36"));

    QFile fremd(ordner.filePath("b.pri"));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.write("brueche\r\n0.00\r\n");
    fremd.close();
    Tprimdlg h;
    EXPECT_FALSE(h.laden(fremd.fileName()));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(h.windowTitle(), "Primzahlen/ggT/kgV");
}

TEST_F(Primdlg, StapelbetriebRechnetUndMeldet) {
    std::ostringstream aus, err;
    const int code =
        stapel_ausfuehren({"zol", "--batch", "50", "--set", "TabbedNotebook1=1", "--set",
                           "longintEdit3=65536", "--set", "longintEdit4=65537"},
                          aus, err);
    EXPECT_EQ(code, 0) << err.str();
    const std::string text = aus.str();
    for (const char* stueck :
         {"Meldung: Die Ausgabe wurde nach 100000 Einträgen abgebrochen.\n",
          "== Tprimdlg ==\nMemo1:\nMemo2:\nMemo3:\ngrößter gemeinsamer Teiler\n",
          "\nkgV(65536;65537)=4295032832\n", "\nMemo4:\nMemo5:\n"})
        EXPECT_NE(text.find(stueck), std::string::npos) << stueck;
}

// The template opens as a project on the page "ggT/kgV"; its memo is computed, not stored.
TEST_F(Primdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f = qobject_cast<Tprimdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/primzahl1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Primzahlen/ggT/kgV");
    EXPECT_EQ(steuer<QTabWidget>(*f, "TabbedNotebook1")->currentIndex(), 1);
    EXPECT_EQ(f->ergebnismemo(), steuer<QPlainTextEdit>(*f, "Memo3"));
    // It opens computed; computing again gives the same.
    for (int lauf = 0; lauf < 2; ++lauf) {
        EXPECT_TRUE(memo(*f, "Memo3").contains("ggT(24;36)=12\n")) << lauf;
        EXPECT_TRUE(memo(*f, "Memo3").endsWith("V(24)=(24,48,72)\nV(36)=(36,72)")) << lauf;
        f->rechne();
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

// The value table window: building the grid from the controls, refusals, ".wer" files and the
// hand-overs to the spreadsheet and to a plot window.
#include "graph/vorgaben.h"
#include "modules/analysis/tabelleform.h"
#include "modules/analysis/wertedlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

using namespace zol;
using namespace zol::test;

QLineEdit* edit1(Tmodulfenster& f) {
    return steuer<QLineEdit>(f, "Edit1");
}

void setze_text(Tmodulfenster& f, const char* name, const QString& text) {
    if (auto* s = f.findChild<TSpinEditex*>(QString::fromLatin1(name)))
        s->setText(text);
    else
        steuer<QLineEdit>(f, name)->setText(text);
}

void anhaken(Tmodulfenster& f, bool funktion, bool ab1, bool ab2, bool integral) {
    steuer<QCheckBox>(f, "artfunktion")->setChecked(funktion);
    steuer<QCheckBox>(f, "art1ableitung")->setChecked(ab1);
    steuer<QCheckBox>(f, "art2ableitung")->setChecked(ab2);
    steuer<QCheckBox>(f, "artintegral")->setChecked(integral);
}

// The grid as rows of cells, fixed ones included.
QList<QStringList> gitter(const Twertedlg& f) {
    QList<QStringList> zeilen;
    const TStringGrid* g = f.ergebnisgitter();
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList z;
        for (int c = 0; c < g->colCount(); ++c)
            z << g->cell(c, r);
        zeilen << z;
    }
    return zeilen;
}

class Wertedlg : public ::testing::Test {
protected:
    void SetUp() override {
        tabelle_registrieren();
        wertetabelle_registrieren();
        ASSERT_TRUE(ordner.isValid());
        // The plot window writes the handed-over table into the working folder.
        vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
    }
    void TearDown() override { QDir::setCurrent(vorher); }

    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    QString vorher;
};

TEST_F(Wertedlg, AufbauUndVorgaben) {
    Twertedlg f;
    EXPECT_EQ(f.windowTitle(), "Wertetabelle");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(edit1(f)->text(), "f(x)=x^2-4");
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmin")->Value(), -3);
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmax")->Value(), 3);
    EXPECT_EQ(steuer<TSpinEditex>(f, "xskala")->Value(), 1);
    EXPECT_EQ(steuer<TextendEdit>(f, "deltah")->Value(), 0.01L);
    EXPECT_EQ(steuer<TlongintEdit>(f, "simpson")->Value(), 20);
    EXPECT_TRUE(steuer<QCheckBox>(f, "artfunktion")->isChecked());
    EXPECT_FALSE(steuer<QCheckBox>(f, "artintegral")->isChecked());
    EXPECT_NE(f.findChild<QWidget*>("Funktionein"), nullptr);
    auto* seiten = steuer<QTabWidget>(f, "TabbedNotebook1");
    ASSERT_EQ(seiten->count(), 2);
    EXPECT_EQ(seiten->tabText(0), "Funktion");
    EXPECT_EQ(seiten->tabText(1), "Konstante");
    TStringGrid* g = f.ergebnisgitter();
    EXPECT_EQ(g->objectName(), "StringGrid1");
    EXPECT_EQ(g->columnWidth(0), 60);
    EXPECT_EQ(g->fixedRows(), 1);
    EXPECT_EQ(f.art().hilfekontext, 90);
    EXPECT_TRUE(f.aktion(Befehl::tabellenkalkulation)->isEnabled());
}

TEST_F(Wertedlg, RechneFuelltDieTabelle) {
    Twertedlg f;
    f.rechne();
    const QList<QStringList> vorgabe = {{"", "x", "f(x)"},      {"1", "-3,00", "5,00"},
                                        {"2", "-2,00", "0,00"}, {"3", "-1,00", "-3,00"},
                                        {"4", "0,00", "-4,00"}, {"5", "1,00", "-3,00"},
                                        {"6", "2,00", "0,00"},  {"7", "3,00", "5,00"}};
    EXPECT_EQ(gitter(f), vorgabe);

    // All kinds, exchanged limits, a new picture: the old columns and rows go.
    setze_text(f, "Edit1", "q(x)=x^2");
    setze_text(f, "xmin", "2");
    setze_text(f, "xmax", "0");
    anhaken(f, true, true, true, true);
    f.setzeFormat("0.0");
    EXPECT_EQ(gitter(f), vorgabe); // a new format alone does not recompute
    f.rechne();
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmin")->text(), "0");
    EXPECT_EQ(steuer<TSpinEditex>(f, "xmax")->text(), "2");
    const QList<QStringList> alle = {{"", "x", "f(x)", "f(x)'", "f(x)''", "F(x)"},
                                     {"1", "0,0", "0,0", "0,0", "2,0", "0,0"},
                                     {"2", "1,0", "1,0", "2,0", "2,0", "0,3"},
                                     {"3", "2,0", "4,0", "4,0", "2,0", "2,7"}};
    EXPECT_EQ(gitter(f), alle);

    // No kind ticked: x alone.
    anhaken(f, false, false, false, false);
    f.rechne();
    EXPECT_EQ(gitter(f), (QList<QStringList>{{"", "x"}, {"1", "0,0"}, {"2", "1,0"}, {"3", "2,0"}}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A refusal empties the table, so nothing of the earlier input is drawn or handed on.
TEST_F(Wertedlg, AbweisungenLeerenDieTabelle) {
    struct Fall {
        const char* feld;
        QString text;
        QString meldung;
    };
    const Fall faelle[] = {
        {"Edit1", "f(x)=x^2-", "Fehlerhafte Eingabe:f(x)=x^2-"},
        {"Edit1", "", "Fehlerhafte Eingabe:"},
        {"xskala", "0", "Schrittweite muss größer als 0 sein."},
        {"xskala", "-1", "Schrittweite muss größer als 0 sein."},
        {"xskala", "0,00001",
         "Die Tabelle hätte mehr als 100000 Zeilen. Bitte die Schrittweite vergrößern oder den "
         "Bereich verkleinern."},
    };
    for (const Fall& fall : faelle) {
        Twertedlg g;
        g.rechne();
        ASSERT_EQ(gitter(g).size(), 8);
        setze_text(g, fall.feld, fall.text);
        dienst.meldungen.clear();
        g.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung});
        EXPECT_EQ(gitter(g), (QList<QStringList>{{"", "x", "f(x)"}, {"", "", ""}}))
            << fall.text.toStdString();
        EXPECT_EQ(g.ergebnisgitter()->fixedRows(), 1);
        if (QString(fall.feld) == "xskala") {
            g.zeichnen(); // the curve alone: there is no table to add
            ASSERT_NE(g.zeichenfenster(), nullptr);
            EXPECT_EQ(g.zeichenfenster()->eintraege().size(), 1u);
            delete g.zeichenfenster();
        }
    }
}

// 1/x from -1 to 1 in steps of 0,5: x = 0 shows "n. d." and the drawn points leave it out.
TEST_F(Wertedlg, NichtBerechenbarerWertUndLueckeBeimZeichnen) {
    Twertedlg f;
    edit1(f)->setText("f(x)=1/x");
    setze_text(f, "xmin", "-1");
    setze_text(f, "xmax", "1");
    setze_text(f, "xskala", "0,5");
    f.rechne();
    EXPECT_EQ(gitter(f), (QList<QStringList>{{"", "x", "f(x)"},
                                             {"1", "-1,00", "-1,00"},
                                             {"2", "-0,50", "-2,00"},
                                             {"3", "0,00", "n. d."},
                                             {"4", "0,50", "2,00"},
                                             {"5", "1,00", "1,00"}}));
    f.zeichnen();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    ASSERT_EQ(z->eintraege().size(), 2u);
    const QStringList daten = zeilen_von(QString::fromStdString(z->eintraege()[1].name));
    EXPECT_EQ(daten.mid(1, daten.size() - 2),
              (QStringList{"-1,00\t-1,00", "-0,50\t-2,00", "0,50\t2,00", "1,00\t1,00"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete z;
}

TEST_F(Wertedlg, HUndSimpsonWerdenInIhrenBereichGebracht) {
    Twertedlg f;
    setze_text(f, "deltah", "0");
    setze_text(f, "simpson", "5000");
    anhaken(f, false, true, false, true);
    f.rechne();
    EXPECT_EQ(steuer<TextendEdit>(f, "deltah")->Value(), 1e-30L);
    EXPECT_EQ(steuer<TlongintEdit>(f, "simpson")->text(), "1000");
    EXPECT_EQ(f.ergebnisgitter()->cell(3, 7), "-6,00"); // integral of x^2-4 over -3..3
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Wertedlg, DateiHinUndZurueck) {
    const QString datei = ordner.filePath("tabelle.wer");
    Twertedlg f;
    f.setzeFormat("0.000");
    setze_text(f, "Edit1", "h(x)=sin(x)");
    setze_text(f, "xmin", "-1,5");
    setze_text(f, "xmax", "2");
    setze_text(f, "xskala", "0,5");
    setze_text(f, "deltah", "0,001");
    setze_text(f, "simpson", "7");
    anhaken(f, false, true, false, false);
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern()); // no name yet: asks like "Speichern unter"
    EXPECT_EQ(f.windowTitle(), "tabelle.wer");
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "Wertetabelle");
    EXPECT_EQ(z[1], "0.000");

    Twertedlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(g.format(), "0.000");
    EXPECT_EQ(g.windowTitle(), "tabelle.wer");
    EXPECT_EQ(g.dateiname(), datei);

    // The plot window's table page reads the grid of a ".wer" file and draws it.
    Tdialogfkt zeichnen;
    ASSERT_TRUE(zeichnen.tabelleLaden(datei));
    const QString punkte = ordner.filePath("punkte.dat");
    dienst.dateinamen.enqueue(punkte);
    ASSERT_TRUE(zeichnen.hinzufuegen());
    const QStringList daten = zeilen_von(punkte);
    ASSERT_EQ(daten.size(), 8 + 2);
    EXPECT_EQ(daten[1], "-1,500\t0,071"); // sin'(-1,5)
    EXPECT_EQ(daten[8], "2,000\t-0,416");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    // A file of another window changes nothing.
    const QString fremd = ordner.filePath("fremd.wer");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Diskussion\r\n0.00\r\n0#400#300#0#0#\r\n1\r\n");
    ff.close();
    Twertedlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
    EXPECT_EQ(h.windowTitle(), "Wertetabelle");
    EXPECT_EQ(h.format(), "0.00");
    EXPECT_TRUE(h.dateiname().isEmpty());
}

TEST_F(Wertedlg, UebergabeAnDieTabellenkalkulation) {
    Twertedlg f;
    anhaken(f, true, false, false, true);
    f.rechne();
    f.ausfuehren(Befehl::tabellenkalkulation);
    auto* tabelle = qobject_cast<Ttabelleform*>(letzteTabellenkalkulation());
    ASSERT_NE(tabelle, nullptr);
    // Data cells only: no header row, no row numbers.
    EXPECT_EQ(tabelle->eingabe(1, 1), "-3,00");
    EXPECT_EQ(tabelle->eingabe(2, 1), "5,00");
    EXPECT_EQ(tabelle->eingabe(3, 1), "0,00");
    EXPECT_EQ(tabelle->eingabe(1, 7), "3,00");
    EXPECT_EQ(tabelle->eingabe(3, 7), "-6,00");
    EXPECT_EQ(tabelle->eingabe(1, 8), "");
    EXPECT_EQ(tabelle->anzeige(2, 4), "-4,000"); // computed with the sheet's own picture
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete tabelle;
}

TEST_F(Wertedlg, ZeichnenUebergibtKurveUndPunkte) {
    Twertedlg f;
    anhaken(f, true, true, false, false);
    setze_text(f, "xskala", "0,5");
    f.rechne();
    f.zeichnen();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->isVisible());
    EXPECT_EQ(z->format(), "0.00");
    ASSERT_EQ(z->eintraege().size(), 2u);
    const Teinzelnefkt& kurve = z->eintraege()[0];
    EXPECT_EQ(kurve.art, Teinzelnefkt::funktion);
    EXPECT_EQ(QString::fromStdString(kurve.name).toUpper(), "F(X)=X^2-4");
    EXPECT_EQ(kurve.stil, 0);
    const Teinzelnefkt& punkte = z->eintraege()[1];
    EXPECT_EQ(punkte.art, Teinzelnefkt::tabelle);
    EXPECT_EQ(punkte.stil, 1);              // dotted
    EXPECT_EQ(z->funktionsstift().stil, 0); // solid again for the next entry
    // x and the first value column, one line per data row.
    const QStringList daten = zeilen_von(QString::fromStdString(punkte.name));
    ASSERT_EQ(daten.size(), 13 + 2);
    EXPECT_EQ(daten[1], "-3,00\t5,00");
    EXPECT_EQ(daten[13], "3,00\t5,00");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete z;

    // Without a value column the curve stays alone.
    anhaken(f, false, false, false, false);
    f.rechne();
    f.zeichnen();
    ASSERT_NE(f.zeichenfenster(), nullptr);
    EXPECT_EQ(f.zeichenfenster()->eintraege().size(), 1u);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete f.zeichenfenster();
}

// Started in a folder the program may not write to, the hand-over writes the table to the
// temporary folder instead of failing.
TEST_F(Wertedlg, ZeichnenAusSchreibgeschuetztemOrdner) {
#ifdef Q_OS_UNIX
    if (geteuid() == 0) GTEST_SKIP() << "root may write everywhere";
#endif
    QDir(ordner.path()).mkdir("fest");
    const QString fest = ordner.filePath("fest");
    QFile::setPermissions(fest, QFile::ReadOwner | QFile::ExeOwner);
    QDir::setCurrent(fest);
    Twertedlg f;
    f.rechne();
    f.zeichnen();
    QDir::setCurrent(ordner.path());
    QFile::setPermissions(fest, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_NE(f.zeichenfenster(), nullptr);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    ASSERT_EQ(f.zeichenfenster()->eintraege().size(), 2u);
    const QString datei = QString::fromStdString(f.zeichenfenster()->eintraege()[1].name);
    EXPECT_TRUE(QFileInfo(datei).isAbsolute()) << datei.toStdString();
    EXPECT_EQ(zeilen_von(datei).size(), 7 + 2);
    QFile::remove(datei);
    delete f.zeichenfenster();
}

TEST_F(Wertedlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(25);
    ASSERT_NE(qobject_cast<Twertedlg*>(f), nullptr);
    delete f;
}

} // namespace

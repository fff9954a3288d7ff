// The binomial distribution window: table and result fields, exchanged k1 and k2, inputs
// brought into range, p that the number format never rewrites, n = 32 000 in time, ".bin"
// files, "Zeichnen", the spreadsheet, batch mode and the lesson template.
#include "modules/analysis/tabelleform.h"
#include "modules/stochastics/binomdlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

// The inputs as typed: n, p, k1, k2.
void eingeben(Tbinom2dlg& f, const QString& n, const QString& p, const QString& k1,
              const QString& k2) {
    steuer<Tspineditin>(f, "spineditin1")->setText(n);
    steuer<TSpinEditex>(f, "SpinEditex1")->setText(p);
    steuer<Tspineditin>(f, "spineditin3")->setText(k1);
    steuer<Tspineditin>(f, "spineditin4")->setText(k2);
}

QStringList eingaben(Tbinom2dlg& f) {
    return {steuer<Tspineditin>(f, "spineditin1")->text(),
            steuer<TSpinEditex>(f, "SpinEditex1")->text(),
            steuer<Tspineditin>(f, "spineditin3")->text(),
            steuer<Tspineditin>(f, "spineditin4")->text()};
}

// "k|B" per table row.
QStringList tabelle(const Tbinom2dlg& f) {
    QStringList z;
    const TStringGrid* g = f.ergebnisgitter();
    for (int r = 1; r < g->rowCount(); ++r)
        z << g->cell(1, r) + "|" + g->cell(2, r);
    return z;
}

// P1, P2, P2 - P1, n*p, variance, standard deviation as shown.
QStringList felder(const Tbinom2dlg& f) {
    QStringList t;
    for (QLineEdit* e : f.ergebnisfelder())
        t << e->text();
    return t;
}

class Binomdlg : public ::testing::Test {
protected:
    void SetUp() override {
        binomialverteilung_registrieren();
        tabelle_registrieren();
        ASSERT_TRUE(ordner.isValid());
        vorher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
    }
    void TearDown() override {
        QDir::setCurrent(vorher);
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            if (qobject_cast<Tdialogfkt*>(f)) delete f;
    }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    QString vorher;
};

TEST_F(Binomdlg, AufbauUndVorgaben) {
    Tbinom2dlg f;
    EXPECT_EQ(f.windowTitle(), "Binomialverteilung");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 340);
    EXPECT_EQ(f.art().kennung, "Binom");
    EXPECT_EQ(eingaben(f), (QStringList{"0", "0", "0", "0"}));
    EXPECT_EQ(steuer<Tspineditin>(f, "spineditin1")->MaxValue(), 32000);
    EXPECT_EQ(steuer<TSpinEditex>(f, "SpinEditex1")->MaxValue(), 1);
    EXPECT_EQ(felder(f), QStringList(6, ""));
    const QStringList namen = {"SpinEditex3", "SpinEditex4", "SpinEditex2",
                               "SpinEditex5", "SpinEditex7", "SpinEditex6"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(f.ergebnisfelder()[i]->objectName(), namen[i]);
        EXPECT_TRUE(f.ergebnisfelder()[i]->isReadOnly());
    }
    QStringList texte;
    for (QLabel* l : f.findChildren<QLabel*>())
        texte << l->text();
    for (const char* t : {"P1=", "P2=", "P2 - P1 =", "Erwartungswert n*p =", "Varianz n*p*(1-p) =",
                          "Standardabweichung ="})
        EXPECT_TRUE(texte.contains(t)) << t;
    QStringList formeln;
    for (Ttxtshape* t : f.findChildren<Ttxtshape*>())
        formeln << t->text();
    EXPECT_TRUE(formeln.filter("B(n,p,k) =").size() == 1) << formeln.join("|").toStdString();
    EXPECT_EQ(f.ergebnisgitter()->cell(1, 0), "k");
    EXPECT_EQ(f.ergebnisgitter()->cell(2, 0), "B(n,p,k)");
    EXPECT_LE(f.ergebnisgitter()->columnWidth(0), 1);
}

TEST_F(Binomdlg, RechneFuelltTabelleUndFelder) {
    struct Fall {
        const char* name;
        QStringList ein; // n, p, k1, k2
        QStringList tabelle;
        QStringList felder;
    };
    const Fall faelle[] = {
        {"n=20",
         {"20", "0,3", "2", "6"},
         {"2|0,03", "3|0,07", "4|0,13", "5|0,18", "6|0,19"},
         {"0,04", "0,61", "0,57", "6,00", "4,20", "2,05"}},
        {"vertauscht",
         {"10", "0,5", "5", "3"},
         {"3|0,12", "4|0,21", "5|0,25"},
         {"0,17", "0,62", "0,45", "5,00", "2,50", "1,58"}},
        {"k1 = k2",
         {"10", "0,5", "4", "4"},
         {"4|0,21"},
         {"0,38", "0,38", "0,00", "5,00", "2,50", "1,58"}},
        {"p = 0",
         {"5", "0", "0", "1"},
         {"0|1,00", "1|0,00"},
         {"1,00", "1,00", "0,00", "0,00", "0,00", "0,00"}},
        // The direct products overflow from n = 2956 on.
        {"n = 3000",
         {"3000", "0,5", "1500", "1500"},
         {"1500|0,01"},
         {"0,51", "0,51", "0,00", "1500,00", "750,00", "27,39"}},
    };
    for (const Fall& fall : faelle) {
        Tbinom2dlg f;
        eingeben(f, fall.ein[0], fall.ein[1], fall.ein[2], fall.ein[3]);
        f.ausfuehren(Befehl::rechne);
        EXPECT_EQ(tabelle(f), fall.tabelle) << fall.name;
        EXPECT_EQ(felder(f), fall.felder) << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// Every value is brought into its field's range where the user sees it, before it is used.
TEST_F(Binomdlg, EingabenWerdenBegrenzt) {
    struct Fall {
        QStringList ein, danach;
        int zeilen;
    };
    const Fall faelle[] = {
        {{"50000", "1,5", "40000", "31999"}, {"32000", "1", "32000", "31999"}, 2},
        {{"-4", "-0,2", "-1", "2"}, {"0", "0", "0", "2"}, 3},
        {{"", "abc", "", "1"}, {"0", "0", "0", "1"}, 2},
    };
    for (const Fall& fall : faelle) {
        Tbinom2dlg f;
        eingeben(f, fall.ein[0], fall.ein[1], fall.ein[2], fall.ein[3]);
        f.rechne();
        EXPECT_EQ(eingaben(f), fall.danach) << fall.ein.join(" ").toStdString();
        EXPECT_EQ(f.ergebnisgitter()->rowCount(), fall.zeilen + 1);
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// p keeps every digit: neither the number format nor a file rounds it.
TEST_F(Binomdlg, PBleibtWieGetippt) {
    Tbinom2dlg f;
    eingeben(f, "8", "0,125", "0", "8");
    f.rechne();
    f.setzeFormat("0.0");
    EXPECT_EQ(steuer<TSpinEditex>(f, "SpinEditex1")->text(), "0,125");
    EXPECT_EQ(felder(f)[3], "1,0"); // the result fields follow the format at once
    f.rechne();
    EXPECT_EQ(steuer<TSpinEditex>(f, "SpinEditex1")->text(), "0,125");
    EXPECT_EQ(tabelle(f)[1], "1|0,4");

    const QString datei = ordner.filePath("achtel.bin");
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 5);
    EXPECT_EQ(z[0], "Binom");
    EXPECT_EQ(z[1], "0.0");
    EXPECT_EQ(z.mid(3, 2), (QStringList{"8", "0,125"}));
    Tbinom2dlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(steuer<TSpinEditex>(g, "SpinEditex1")->text(), "0,125");
    EXPECT_EQ(felder(g), felder(f));
    EXPECT_EQ(tabelle(g), tabelle(f));
    EXPECT_EQ(g.windowTitle(), "achtel.bin");

    Tbinom2dlg h;
    const QString fremd = ordner.filePath("fremd.bin");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Kombinatorik\r\n0.00\r\n0#400#300#0#0#\r\n3\r\n");
    ff.close();
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

TEST_F(Binomdlg, GroessteTabelleSchnellUndVollstaendig) {
    Tbinom2dlg f;
    eingeben(f, "32000", "0,5", "0", "32000");
    QElapsedTimer uhr;
    uhr.start();
    f.rechne();
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_EQ(f.ergebnisgitter()->rowCount(), 32002);
    EXPECT_EQ(f.ergebnisgitter()->cell(1, 32001), "32000");
    EXPECT_EQ(f.ergebnisgitter()->cell(2, 16001), "0,00");
    EXPECT_EQ(felder(f).mid(0, 4), (QStringList{"0,00", "1,00", "1,00", "16000,00"}));

    // All 32 001 rows go to the plot window.
    f.ausfuehren(Befehl::zeichnen);
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    ASSERT_EQ(z->eintraege().size(), 1u);
    EXPECT_EQ(z->eintraege()[0].art, Teinzelnefkt::tabelle);
    EXPECT_NE(z->eintraege()[0].stil, 0); // dotted
    const QStringList daten = zeilen_von(ordner.filePath("binom.dat"));
    ASSERT_GE(daten.size(), 32002);
    EXPECT_EQ(daten[1], "0\t0");
    EXPECT_TRUE(daten[16001].startsWith("16000\t0,00446")) << daten[16001].toStdString();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Binomdlg, ZeichnenUndTabellenkalkulation) {
    Tbinom2dlg f;
    f.setzeFormat("0.000");
    eingeben(f, "4", "0,5", "0", "4");
    f.ausfuehren(Befehl::zeichnen);
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->format(), "0.000");
    EXPECT_EQ(zeilen_von(ordner.filePath("binom.dat")).mid(1, 5),
              (QStringList{"0\t0,0625", "1\t0,25", "2\t0,375", "3\t0,25", "4\t0,0625"}));
    EXPECT_EQ(tabelle(f)[0], "0|0,063");

    f.ausfuehren(Befehl::tabellenkalkulation);
    auto* t = qobject_cast<Ttabelleform*>(letzteTabellenkalkulation());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->eingabe(1, 1), "0");
    EXPECT_EQ(t->eingabe(2, 1), "0,063");
    EXPECT_EQ(t->eingabe(2, 3), "0,375");
    EXPECT_EQ(t->eingabe(1, 5), "4");
    delete t;
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Binomdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "spineditin1=20", "--set", "SpinEditex1=0,3", "--set", "spineditin3=2", "--set",
          "spineditin4=6"},
         {"StringGrid1:", "\tk\tB(n,p,k)", "\t2\t0,03", "\t6\t0,19", "SpinEditex3: 0,04",
          "SpinEditex4: 0,61", "SpinEditex2: 0,57", "SpinEditex5: 6,00", "SpinEditex7: 4,20",
          "SpinEditex6: 2,05"}},
        {{"--set", "spineditin1=2", "--set", "SpinEditex1=0,5", "--set", "spineditin4=2",
          "--command", "Zeichnen"},
         {"\t1\t0,50", "== Tdialogfkt =="}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "125"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tbinom2dlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The lessons open with their results, in their own number format; computing again gives the
// same. Expected: B(n,p,k) and its sums worked out independently.
TEST_F(Binomdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    const struct {
        const char* pro;
        QStringList felder; // P1, P2, P2 - P1, n*p, variance, standard deviation
        const char* zeile;  // one row of the table
    } faelle[] = {
        // 20 guessed answers with p = 0,25, k from 4 to 8
        {"binomial1.pro", {"0,41", "0,96", "0,54", "5,00", "3,75", "1,94"}, "5|0,20"},
        // 20 coin tosses, k from 5 to 15
        {"binomial2.pro", {"0,021", "0,994", "0,973", "10,000", "5,000", "2,236"}, "10|0,176"},
    };
    for (const auto& fall : faelle) {
        Lektionsumgebung u;
        auto* f = qobject_cast<Tbinom2dlg*>(
            u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/") + fall.pro));
        ASSERT_NE(f, nullptr) << fall.pro;
        EXPECT_EQ(f->windowTitle(), "Binomialverteilung");
        const QStringList vorher = tabelle(*f);
        EXPECT_TRUE(vorher.contains(fall.zeile)) << fall.pro;
        EXPECT_EQ(felder(*f), fall.felder) << fall.pro;
        f->rechne();
        EXPECT_EQ(tabelle(*f), vorher) << fall.pro;
        EXPECT_EQ(felder(*f), fall.felder) << fall.pro;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Binomdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(125);
    ASSERT_NE(qobject_cast<Tbinom2dlg*>(f), nullptr);
    delete f;
}

} // namespace

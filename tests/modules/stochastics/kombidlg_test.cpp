// The combinatorics window: the six results, overflow in words, inputs brought into range,
// the number format, ".kom" files, batch mode and the lesson template.
#include "modules/stochastics/kombidlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zol;
using namespace zol::test;

void eingeben(Tkombidlg& f, const QString& n, const QString& k) {
    steuer<TlongintEdit>(f, "longintEdit1")->setText(n);
    steuer<TlongintEdit>(f, "longintEdit2")->setText(k);
}

QStringList werte(const Tkombidlg& f) {
    QStringList t;
    for (QLineEdit* e : f.ergebnisfelder())
        t << e->text();
    return t;
}

class Kombidlg : public ::testing::Test {
protected:
    void SetUp() override { kombinatorik_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Kombidlg, AufbauUndVorgaben) {
    Tkombidlg f;
    EXPECT_EQ(f.windowTitle(), "Kombinatorik");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 335);
    EXPECT_EQ(f.art().kennung, "Kombinatorik");
    EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit1")->text(), "0");
    EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit2")->MinValue(), -999999);
    EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit2")->MaxValue(), 999999);
    ASSERT_EQ(f.ergebnisfelder().size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(f.ergebnisfelder()[i]->objectName(), QString("extendEdit%1").arg(i + 1));
        EXPECT_TRUE(f.ergebnisfelder()[i]->isReadOnly());
    }
    QStringList gruppen;
    for (QGroupBox* g : f.findChildren<QGroupBox*>())
        gruppen << g->title();
    EXPECT_EQ(gruppen, (QStringList{"Eingabe", "Permutation (Fakultät)",
                                    "Kombination (Ohne Berücksichtigung der Anordnung)",
                                    "Variation (Mit Berücksichtigung der Anordnung)"}));
}

TEST_F(Kombidlg, SechsErgebnisse) {
    struct Fall {
        const char *n, *k;
        QStringList werte;
    };
    const Fall faelle[] = {
        {"5", "2", {"120,00", "2,00", "10,00", "15,00", "20,00", "25,00"}},
        {"4", "6", {"24,00", "720,00", "0,00", "84,00", "0,00", "4096,00"}},
        {"7", "0", {"5040,00", "1,00", "1,00", "1,00", "1,00", "1,00"}},
        {"-3", "2", {"1,00", "2,00", "6,00", "3,00", "12,00", "9,00"}},
        {"5", "-2", {"120,00", "1,00", "1,00", "1,00", "1,00", "5,00"}},
        // No clamp at 1E60: 50! is shown.
        {"50",
         "3",
         {"3,04140932017134E64", "6,00", "19600,00", "22100,00", "117600,00", "125000,00"}},
        {"49",
         "6",
         {"6,08281864034268E62", "720,00", "13983816,00", "25827165,00", "10068347520,00",
          "13841287201,00"}},
        {"1755",
         "1754",
         {"Überlauf", "1,97926189010501E4930", "1755,00", "1,38868616274628E1054", "Überlauf",
          "Überlauf"}},
        {"999999", "999999", {"Überlauf", "Überlauf", "1,00", "Überlauf", "Überlauf", "Überlauf"}},
    };
    for (const Fall& fall : faelle) {
        Tkombidlg f;
        eingeben(f, fall.n, fall.k);
        QElapsedTimer uhr;
        uhr.start();
        f.ausfuehren(Befehl::rechne);
        EXPECT_LT(uhr.elapsed(), 100);
        EXPECT_EQ(werte(f), fall.werte) << fall.n << " " << fall.k;
        for (const QString& w : werte(f))
            EXPECT_FALSE(w.contains("INF") || w.contains("NAN")) << w.toStdString();
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Kombidlg, EingabenWerdenBegrenzt) {
    struct Fall {
        const char *n, *k, *n_danach, *k_danach;
    };
    for (const Fall& fall : {Fall{"5000000", "-5000000", "999999", "-999999"},
                             Fall{"", "3", "0", "3"}, Fall{"-", "2", "0", "2"}}) {
        Tkombidlg f;
        eingeben(f, fall.n, fall.k);
        f.rechne();
        EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit1")->text(), fall.n_danach) << fall.n;
        EXPECT_EQ(steuer<TlongintEdit>(f, "longintEdit2")->text(), fall.k_danach) << fall.k;
    }
}

TEST_F(Kombidlg, ZahlenformatUndUeberlauf) {
    Tkombidlg f;
    eingeben(f, "2000", "3");
    f.rechne();
    EXPECT_EQ(werte(f)[0], "Überlauf");
    EXPECT_EQ(werte(f)[2], "1331334000,00");
    f.setzeFormat("0.0");
    EXPECT_EQ(werte(f)[0], "Überlauf"); // words stay words
    EXPECT_EQ(werte(f)[2], "1331334000,0");
    long double w = 0;
    EXPECT_FALSE(static_cast<Tergebnisfeld*>(f.ergebnisfelder()[0])->wert(w));
}

TEST_F(Kombidlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("lotto.kom");
    Tkombidlg f;
    eingeben(f, "49", "6");
    f.rechne();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 5);
    EXPECT_EQ(z[0], "Kombinatorik");
    EXPECT_EQ(z[1], "0.00");
    EXPECT_EQ(z[3], "49");
    Tkombidlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(werte(g), werte(f));
    EXPECT_EQ(g.windowTitle(), "lotto.kom");

    const QString fremd = ordner.filePath("fremd.kom");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Binom\r\n0.00\r\n0#400#300#0#0#\r\n3\r\n");
    ff.close();
    Tkombidlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

TEST_F(Kombidlg, Stapelbetrieb) {
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren(
        QStringList{"zol", "--batch", "135", "--set", "longintEdit1=4", "--set", "longintEdit2=6"},
        aus, err);
    EXPECT_EQ(code, 0) << err.str();
    const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
    for (const char* z :
         {"== Tkombidlg ==", "extendEdit1: 24,00", "extendEdit2: 720,00", "extendEdit3: 0,00",
          "extendEdit4: 84,00", "extendEdit5: 0,00", "extendEdit6: 4096,00"})
        EXPECT_TRUE(zeilen.contains(QString::fromUtf8(z))) << z << " in\n" << aus.str();
}

TEST_F(Kombidlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f = qobject_cast<Tkombidlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/kombinatorik1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Kombinatorik");
    const QStringList vorher = werte(*f);
    EXPECT_EQ(vorher[2], "13983816,00");
    f->rechne();
    EXPECT_EQ(werte(*f), vorher);
}

TEST_F(Kombidlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(135);
    ASSERT_NE(qobject_cast<Tkombidlg*>(f), nullptr);
    delete f;
}

} // namespace

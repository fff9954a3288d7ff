// The mappings window: controls and captions, every page through "Rechne", refused input, the
// grids that follow "Anzahl:", "Ergebnis->Eingabe", "Zeichnen", ".abb" files (and a statistics
// file sharing the marker "sta"), batch mode and the lesson template.
#include "graph/vorgaben.h"
#include "modules/geometry/abbilddlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stapel.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
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

TextendEdit* feld(Tabbilddlg& f, int nummer) {
    return steuer<TextendEdit>(f, QStringLiteral("extendEdit%1").arg(nummer).toLatin1());
}

void anzahl(Tabbilddlg& f, int n) {
    steuer<Tspineditin>(f, "spineditin1")->setText(QString::number(n));
}

// The points "x|y" into StringGrid1, the count first.
void punkte(Tabbilddlg& f, const QStringList& p) {
    anzahl(f, static_cast<int>(p.size()));
    for (int i = 0; i < p.size(); ++i) {
        const QStringList t = p[i].split('|');
        f.punktgitter()->setCell(1, i + 1, t[0]);
        f.punktgitter()->setCell(2, i + 1, t[1]);
    }
}

// Rows "x|y" of StringGrid2.
QStringList bilder(Tabbilddlg& f) {
    QStringList z;
    TStringGrid* g = f.ergebnisgitter();
    for (int r = 1; r < g->rowCount(); ++r)
        z << g->cell(1, r) + "|" + g->cell(2, r);
    return z;
}

QAction* befehl(Tabbilddlg& f, const QString& name) {
    for (QAction* a : f.fensterbefehle())
        if (a->objectName() == name) return a;
    ADD_FAILURE() << name.toStdString();
    return nullptr;
}

int zeichenfenster() {
    int n = 0;
    for (Tmodulfenster* f : Tmodulfenster::alleFenster())
        if (qobject_cast<Tdialogfkt*>(f)) ++n;
    return n;
}

class Abbilddlg : public ::testing::Test {
protected:
    void SetUp() override {
        abbildungen_registrieren();
        ASSERT_TRUE(ordner.isValid());
        // The plot window writes the handed-over tables into the working folder.
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

TEST_F(Abbilddlg, AufbauUndVorgaben) {
    Tabbilddlg f;
    EXPECT_EQ(f.windowTitle(), "Abbildungen");
    EXPECT_EQ(f.format(), "0.00");
    EXPECT_EQ(f.art().hilfekontext, 400);
    EXPECT_EQ(f.art().kennung, "sta");
    auto* n = steuer<Tspineditin>(f, "spineditin1");
    EXPECT_EQ(n->Value(), 2);
    EXPECT_EQ(n->MinValue(), 0);
    EXPECT_EQ(n->MaxValue(), 1000);
    for (TStringGrid* g : {f.punktgitter(), f.ergebnisgitter()}) {
        EXPECT_EQ(g->rowCount(), 3);
        EXPECT_EQ(g->colCount(), 3);
        EXPECT_EQ(g->cell(1, 0), "x");
        EXPECT_EQ(g->cell(2, 0), "y");
        EXPECT_EQ(g->cell(0, 2), "2");
        EXPECT_EQ(g->cell(2, 2), "0");
    }
    EXPECT_EQ(f.punktgitter()->objectName(), "StringGrid1");
    EXPECT_EQ(f.ergebnisgitter()->objectName(), "StringGrid2");
    auto* note = steuer<QTabWidget>(f, "Note");
    ASSERT_EQ(note->count(), 4);
    EXPECT_EQ(note->tabText(0), "Verschiebung");
    EXPECT_EQ(note->tabText(1), "Spiegelung");
    EXPECT_EQ(note->tabText(2), "Drehung");
    EXPECT_EQ(note->tabText(3), "Zentrische Streckung");
    auto* gruppe = steuer<TRadioGroup>(f, "RadioGroup2");
    EXPECT_EQ(gruppe->title(), "Spiegelung");
    EXPECT_EQ(gruppe->items(),
              (QStringList{"Ursprung", "Punkt P(x/y)", "x-Achse", "y-Achse", "Gerade y=mx",
                           "Geraden y=mx+t", "Gerade (2 Punkte)", "Gerade x=k", "Gerade y=k"}));
    EXPECT_EQ(gruppe->itemIndex(), 0);
    for (int i = 1; i <= 12; ++i)
        EXPECT_NE(feld(f, i), nullptr) << i;
    EXPECT_EQ(feld(f, 9)->text(), "90");
    EXPECT_EQ(feld(f, 12)->text(), "2");
    QAction* e = befehl(f, "ErgebnisEingabe");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->toolTip(), "Ergebnis->Eingabe");
    EXPECT_TRUE(f.bietet(Befehl::rechne));
    EXPECT_TRUE(f.bietet(Befehl::zeichnen));
}

// The group captions the value fields of the chosen reflection; fields not used hide.
TEST_F(Abbilddlg, SpiegelungBeschriftetIhreFelder) {
    Tabbilddlg f;
    f.show();
    steuer<QTabWidget>(f, "Note")->setCurrentIndex(1);
    auto* gruppe = steuer<TRadioGroup>(f, "RadioGroup2");
    struct Fall {
        int art;
        QStringList texte; // visible labels of the page, top to bottom
        QList<int> felder; // visible fields
    };
    const Fall faelle[] = {
        {0, {}, {}},
        {1, {"Punkt", "x-Wert", "y-Wert"}, {3, 5}},
        {4, {"m="}, {3}},
        {5, {"m =", "t ="}, {3, 5}},
        {6, {"Punkt1", "x-Wert", "y-Wert", "Punkt2", "x-Wert", "y-Wert"}, {3, 5, 6, 4}},
        {7, {"k ="}, {3}},
        {8, {"k ="}, {3}},
    };
    for (const Fall& fall : faelle) {
        gruppe->setItemIndex(fall.art);
        QWidget* seite = feld(f, 3)->parentWidget();
        QList<QPair<int, QString>> sichtbar;
        for (QLabel* l : seite->findChildren<QLabel*>())
            if (l->isVisible()) sichtbar << qMakePair(l->y(), l->text());
        std::sort(sichtbar.begin(), sichtbar.end());
        QStringList texte;
        for (const auto& s : sichtbar)
            texte << s.second;
        EXPECT_EQ(texte, fall.texte) << fall.art;
        QList<int> felder;
        for (int i : {3, 4, 5, 6})
            if (feld(f, i)->isVisible()) felder << i;
        std::sort(felder.begin(), felder.end());
        QList<int> soll = fall.felder;
        std::sort(soll.begin(), soll.end());
        EXPECT_EQ(felder, soll) << fall.art;
    }
}

TEST_F(Abbilddlg, RechneAufJederSeite) {
    struct Fall {
        const char* name;
        int seite;
        int spiegelart;
        QList<QPair<int, QString>> werte; // field number, text
        QStringList punkte;
        QStringList bilder;
    };
    const Fall faelle[] = {
        {"Verschiebung", 0, 0, {{1, "2"}, {2, "-3"}}, {"1|1", "0|0"}, {"3,00|-2,00", "2,00|-3,00"}},
        {"Ursprung", 1, 0, {}, {"2|-5"}, {"-2,00|5,00"}},
        {"Punkt", 1, 1, {{3, "1"}, {5, "2"}}, {"4|0"}, {"-2,00|4,00"}},
        {"x-Achse", 1, 2, {}, {"2|3"}, {"2,00|-3,00"}},
        {"y-Achse", 1, 3, {}, {"2|3"}, {"-2,00|3,00"}},
        {"y=mx", 1, 4, {{3, "1"}}, {"1|2"}, {"2,00|1,00"}},
        {"y=mx+t", 1, 5, {{3, "2"}, {5, "-1"}}, {"3|1"}, {"-0,20|2,60"}},
        {"y=mx+t waagerecht", 1, 5, {{3, "0"}, {5, "3"}}, {"1|1"}, {"1,00|5,00"}},
        {"2 Punkte", 1, 6, {{3, "0"}, {5, "-1"}, {6, "1"}, {4, "1"}}, {"3|1"}, {"-0,20|2,60"}},
        {"2 Punkte senkrecht",
         1,
         6,
         {{3, "2"}, {5, "0"}, {6, "2"}, {4, "5"}},
         {"5|3"},
         {"-1,00|3,00"}},
        {"x=k", 1, 7, {{3, "1"}}, {"3|1"}, {"-1,00|1,00"}},
        {"y=k", 1, 8, {{3, "3"}}, {"-2|1"}, {"-2,00|5,00"}},
        {"Drehung", 2, 0, {{7, "1"}, {8, "1"}, {9, "30"}}, {"2|0"}, {"2,37|0,63"}},
        {"Vierteldrehung", 2, 0, {{7, "0"}, {8, "0"}, {9, "90"}}, {"1|0"}, {"0,00|1,00"}},
        {"Streckung", 3, 0, {{10, "1"}, {11, "1"}, {12, "3"}}, {"2|2"}, {"4,00|4,00"}},
        {"Dezimalkomma", 0, 0, {{1, "0,5"}, {2, "1E1"}}, {"1,25|-0,5"}, {"1,75|9,50"}},
    };
    for (const Fall& fall : faelle) {
        Tabbilddlg f;
        steuer<QTabWidget>(f, "Note")->setCurrentIndex(fall.seite);
        steuer<TRadioGroup>(f, "RadioGroup2")->setItemIndex(fall.spiegelart);
        for (const auto& [nummer, text] : fall.werte)
            feld(f, nummer)->setText(text);
        punkte(f, fall.punkte);
        f.rechne();
        EXPECT_EQ(bilder(f), fall.bilder) << fall.name;
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A refused input empties the images, so nothing of an earlier computation is drawn or taken
// over; "Zeichnen" stops as well.
TEST_F(Abbilddlg, AbgelehnteEingabe) {
    struct Fall {
        const char* name;
        QString zelle;
        QList<QPair<int, QString>> werte;
        QString meldung;
    };
    const Fall faelle[] = {
        {"Zelle",
         "abc",
         {{3, "0"}, {5, "0"}, {6, "1"}, {4, "1"}},
         "Fehlerhafte Eingabe in Zeile:2Spalte:2"},
        {"gleiche Punkte",
         "1",
         {{3, "1"}, {5, "2"}, {6, "1"}, {4, "2"}},
         "Die beiden Punkte fallen zusammen und legen keine Gerade fest."},
    };
    for (const Fall& fall : faelle) {
        Tabbilddlg f;
        steuer<QTabWidget>(f, "Note")->setCurrentIndex(1);
        steuer<TRadioGroup>(f, "RadioGroup2")->setItemIndex(7); // x = 5
        punkte(f, {"1|1", "2|2"});
        feld(f, 3)->setText("5");
        f.rechne();
        ASSERT_EQ(bilder(f), (QStringList{"9,00|1,00", "8,00|2,00"})) << fall.name;
        steuer<TRadioGroup>(f, "RadioGroup2")->setItemIndex(6);
        for (const auto& [nummer, text] : fall.werte)
            feld(f, nummer)->setText(text);
        f.punktgitter()->setCell(2, 2, fall.zelle);
        dienst.meldungen.clear();
        f.rechne();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.name;
        EXPECT_EQ(bilder(f), (QStringList{"|", "|"})) << fall.name;
        const int vorher = zeichenfenster();
        dienst.meldungen.clear();
        f.zeichnen();
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung}) << fall.name;
        EXPECT_EQ(zeichenfenster(), vorher) << fall.name;
        befehl(f, "ErgebnisEingabe")->trigger();
        EXPECT_EQ(f.punktgitter()->cell(1, 1), "1") << fall.name;
    }
}

// "Anzahl:" rebuilds both grids: typed values stay, new cells get "0"; a value out of range is
// brought into it before the computation.
TEST_F(Abbilddlg, AnzahlBautDieGitterUm) {
    Tabbilddlg f;
    punkte(f, {"1|2", "3|4"});
    anzahl(f, 4);
    EXPECT_EQ(f.punktgitter()->rowCount(), 5);
    EXPECT_EQ(f.ergebnisgitter()->rowCount(), 5);
    EXPECT_EQ(f.punktgitter()->cell(1, 2), "3");
    EXPECT_EQ(f.punktgitter()->cell(2, 4), "0");
    EXPECT_EQ(f.ergebnisgitter()->cell(1, 4), "0");
    EXPECT_EQ(f.punktgitter()->cell(0, 4), "4");
    anzahl(f, 0);
    f.rechne();
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    // The one row a grid keeps is blank, not a point (0|0).
    EXPECT_EQ(bilder(f), QStringList{"|"});
    EXPECT_EQ(f.punktgitter()->cell(0, 1), "");
    // Nothing to draw says so and opens no window.
    const int vorher = zeichenfenster();
    f.zeichnen();
    EXPECT_EQ(dienst.meldungen,
              QStringList{"Es gibt nichts zu zeichnen: die Anzahl der Punkte ist 0."});
    EXPECT_EQ(zeichenfenster(), vorher);
    anzahl(f, 5000);
    f.rechne();
    EXPECT_EQ(steuer<Tspineditin>(f, "spineditin1")->Value(), 1000);
    EXPECT_EQ(f.ergebnisgitter()->rowCount(), 1001);
}

// The images become the points: two quarter turns are a half turn.
TEST_F(Abbilddlg, ErgebnisAlsEingabe) {
    Tabbilddlg f;
    steuer<QTabWidget>(f, "Note")->setCurrentIndex(2);
    punkte(f, {"1|0", "2|3"});
    f.rechne();
    befehl(f, "ErgebnisEingabe")->trigger();
    EXPECT_EQ(f.punktgitter()->cell(1, 2), "-3,00");
    f.rechne();
    EXPECT_EQ(bilder(f), (QStringList{"-1,00|0,00", "-2,00|-3,00"}));
    EXPECT_TRUE(f.geaendert());

    // The "0" cells of images never computed (a new window, more points) are no results: the
    // points stay as they are.
    Tabbilddlg neu;
    punkte(neu, {"3|5"});
    dienst.meldungen.clear();
    befehl(neu, "ErgebnisEingabe")->trigger();
    EXPECT_EQ(dienst.meldungen, QStringList{"Es sind keine Bildpunkte berechnet."});
    EXPECT_EQ(neu.punktgitter()->cell(1, 1), "3");
    EXPECT_EQ(neu.punktgitter()->cell(2, 1), "5");
    neu.rechne();
    anzahl(neu, 2);
    dienst.meldungen.clear();
    befehl(neu, "ErgebnisEingabe")->trigger();
    EXPECT_EQ(dienst.meldungen, QStringList{"Es sind keine Bildpunkte berechnet."});
    EXPECT_EQ(neu.punktgitter()->cell(1, 1), "3");
}

TEST_F(Abbilddlg, Zeichnen) {
    Tabbilddlg f;
    steuer<QTabWidget>(f, "Note")->setCurrentIndex(3);
    punkte(f, {"1|1", "2|-1", "3|2"});
    f.zeichnen();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->isVisible());
    ASSERT_EQ(z->eintraege().size(), 2u);
    for (const Teinzelnefkt& e : z->eintraege())
        EXPECT_EQ(e.art, Teinzelnefkt::tabelle);
    EXPECT_NE(z->eintraege()[0].stil, 0);
    EXPECT_NE(z->eintraege()[1].stil, 0);
    EXPECT_NE(z->eintraege()[0].stil, z->eintraege()[1].stil);
    EXPECT_TRUE(QFile::exists(ordner.filePath("urbild.dat")));
    EXPECT_TRUE(QFile::exists(ordner.filePath("bild.dat")));
    // The images were computed first: (6|4) is the farthest, and the range shows it.
    EXPECT_EQ(bilder(f), (QStringList{"2,00|2,00", "4,00|-2,00", "6,00|4,00"}));
    const Tzeichenvorgaben v = z->vorgaben();
    EXPECT_LE(static_cast<double>(v.xmin), 1.0);
    EXPECT_GE(static_cast<double>(v.xmax), 6.0);
    EXPECT_LE(static_cast<double>(v.ymin), -2.0);
    EXPECT_GE(static_cast<double>(v.ymax), 4.0);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Abbilddlg, DateiHinUndZurueck) {
    const QString datei = ordner.filePath("spiegel.abb");
    Tabbilddlg f;
    steuer<QTabWidget>(f, "Note")->setCurrentIndex(1);
    steuer<TRadioGroup>(f, "RadioGroup2")->setItemIndex(5);
    feld(f, 3)->setText("2");
    feld(f, 5)->setText("-1");
    punkte(f, {"3|1", "0|4", "-1|-1"});
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "sta");
    EXPECT_EQ(z[1], "0.00");

    Tabbilddlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(g.windowTitle(), "spiegel.abb");
    EXPECT_EQ(steuer<TRadioGroup>(g, "RadioGroup2")->itemIndex(), 5);
    EXPECT_EQ(g.ergebnisgitter()->rowCount(), 4);
    g.rechne();
    EXPECT_EQ(bilder(g).first(), "-0,20|2,60");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    // A file of another marker changes nothing.
    const QString fremd = ordner.filePath("fremd.abb");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Gerade\r\n0.00\r\n0#400#300#0#0#\r\n7\r\n");
    ff.close();
    Tabbilddlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
}

// The statistics window writes "sta" files too: its count and pairs come in as the points; what
// does not fit is ignored or brought into range, and the window still computes.
TEST_F(Abbilddlg, StatistikdateiWirdGelesenOhneAbsturz) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
        int anzahl;
        QStringList bilder;
    };
    const Fall faelle[] = {
        {"Statistik",
         "sta\r\n0.00\r\n0#500#400#10#10#\r\n3\r\nDATEN_ANFANG\r\n\tx\ty\r\n1\t1\t2\r\n2\t2\t4\r\n"
         "3\t3\t6\r\nDATEN_ENDE\r\nDATEN_ANFANG\r\nn=3\r\nsumx=6,00\r\nDATEN_ENDE\r\n",
         3,
         {"1,00|2,00", "2,00|4,00", "3,00|6,00"}},
        // Count and grid disagree, the count is too large and the notebook index unknown.
        {"unpassend",
         "sta\r\n0.00\r\n0#500#400#10#10#\r\n5000\r\nDATEN_ANFANG\r\n\tx\ty\tz\r\n1\t7\r\n"
         "DATEN_ENDE\r\n9\r\n42\r\nabc\r\n",
         1000,
         {}},
    };
    for (const Fall& fall : faelle) {
        const QString datei = ordner.filePath("statistik.sta");
        QFile d(datei);
        ASSERT_TRUE(d.open(QIODevice::WriteOnly));
        d.write(fall.inhalt);
        d.close();
        Tabbilddlg f;
        ASSERT_TRUE(f.laden(datei)) << fall.name;
        EXPECT_EQ(steuer<TRadioGroup>(f, "RadioGroup2")->itemIndex(), 0) << fall.name;
        dienst.meldungen.clear();
        f.rechne(); // translation by a = (0|0) or (abc → 0)
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << fall.name;
        EXPECT_EQ(steuer<Tspineditin>(f, "spineditin1")->Value(), fall.anzahl) << fall.name;
        EXPECT_EQ(f.ergebnisgitter()->rowCount(), fall.anzahl + 1) << fall.name;
        if (!fall.bilder.isEmpty()) {
            EXPECT_EQ(bilder(f), fall.bilder) << fall.name;
        }
    }
}

TEST_F(Abbilddlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "Note=1", "--set", "RadioGroup2=5", "--set", "extendEdit3=2", "--set",
          "extendEdit5=-1", "--set", "spineditin1=1", "--set", "StringGrid1[1,1]=3", "--set",
          "StringGrid1[1,2]=1"},
         {"StringGrid2:", "\tx\ty", "1\t-0,20\t2,60"}},
        {{"--set", "Note=2", "--set", "extendEdit7=1", "--set", "extendEdit8=1", "--set",
          "extendEdit9=30", "--set", "StringGrid1[1,1]=2", "--command", "Rechne"},
         {"1\t2,37\t0,63", "2\t0,63\t-0,37"}},
        {{"--set", "Note=1", "--set", "RadioGroup2=6", "--command", "Rechne"},
         {"Meldung: Die beiden Punkte fallen zusammen und legen keine Gerade fest."}},
        {{"--set", "spineditin1=0", "--command", "Zeichnen"},
         {"Meldung: Es gibt nichts zu zeichnen: die Anzahl der Punkte ist 0."}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "190"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tabbilddlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The lesson opens with the triangle already mirrored at y = 2x - 1.
TEST_F(Abbilddlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson's explanation
    Lektionsumgebung u;
    auto* f = qobject_cast<Tabbilddlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/abbildung1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(bilder(*f), (QStringList{"-1,00|2,00", "-2,00|5,00", "0,00|4,00"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Abbilddlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(190);
    ASSERT_NE(qobject_cast<Tabbilddlg*>(f), nullptr);
    delete f;
}

} // namespace

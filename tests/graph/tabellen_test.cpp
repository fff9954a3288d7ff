#include "engine/fktbaum.h"
#include "engine/textkodierung.h"
#include "engine/zahlformat.h"
#include "graph/neuaufbau.h"
#include "graph/tabellendatei.h"
#include "seitenhilfe.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using zol::Teinzelnefkt;
using zol::Tpunkt;
using zol::Tzeichenvorgaben;
using namespace zol::test;
using Zeilen = std::vector<std::string>;

class Tabellen : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    std::string datei(const std::string& name, const Zeilen& zeilen) {
        const std::string pfad = ordner.filePath(QString::fromStdString(name)).toStdString();
        EXPECT_TRUE(zol::textdatei_schreiben(pfad, zeilen));
        return pfad;
    }
    std::vector<std::vector<Tpunkt>> zeichne(const std::string& pfad) {
        zol::Tfktbaum baum;
        Tzeichenvorgaben v;
        v.formeln = &baum;
        Teinzelnefkt e;
        e.art = Teinzelnefkt::tabelle;
        e.name = pfad;
        zol::Tlist1 liste;
        zol::Tfktachsen motor(liste, v);
        motor.aktuell = &e;
        motor.fktzeichnen();
        return zuege(liste);
    }
};

// 1001 points: a polyline of 1000 points, then one of 3 that starts with the last segment of
// the first, so the curve has no gap.
TEST_F(Tabellen, TausendundeinPunktGebenTausendUndDrei) {
    Zeilen z = {"Tabelle", "DATEN_ANFANG"};
    for (int i = 0; i <= 1000; ++i)
        z.push_back(zol::format("0.000", -2.5L + i * 0.005L) + "\t" +
                    zol::format("0.00", (i % 7) * 0.25L));
    z.push_back("DATEN_ENDE");
    const auto zu = zeichne(datei("t.dat", z));
    ASSERT_EQ(zu.size(), 2u);
    ASSERT_EQ(zu[0].size(), 1000u);
    ASSERT_EQ(zu[1].size(), 3u);
    EXPECT_EQ(zu[1][0], zu[0][998]);
    EXPECT_EQ(zu[1][1], zu[0][999]);
    EXPECT_EQ(zu[0][0], (Tpunkt{267, -400}));
    EXPECT_EQ(zu[1][2], (Tpunkt{933, -400 + 150}));
}

TEST_F(Tabellen, ZeilenUndMarken) {
    struct Fall {
        const char* name;
        Zeilen zeilen;
        std::vector<std::vector<Tpunkt>> erwartet;
    };
    const Fall faelle[] = {
        {"Dezimalkomma",
         {"DATEN_ANFANG", "1,5\t-2,5", " 2 \t 0,5 ", "DATEN_ENDE"},
         {{{800, -650}, {867, -350}}}},
        {"ohne Marken keine Daten", {"0\t0", "1\t1", "2\t2"}, {}},
        {"Ende als letzte Zeile zählt",
         {"DATEN_ANFANG", "0\t0", "1\t1", "DATEN_ENDE"},
         {{{600, -400}, {733, -300}}}},
        {"Anfang als letzte Zeile: keine Daten", {"0\t0", "1\t1", "DATEN_ANFANG"}, {}},
        {"Zeile ohne Tabulator wird übersprungen",
         {"DATEN_ANFANG", "0\t0", "Kommentar", "1\t1", "DATEN_ENDE"},
         {{{600, -400}, {733, -300}}}},
        {"Punkt außerhalb unterbricht",
         {"DATEN_ANFANG", "0\t0", "1\t5", "2\t1", "2,5\t2,5", "DATEN_ENDE"},
         {{{867, -300}, {933, -150}}}},
        {"Marken mitten in Zeilen",
         {"xx DATEN_ANFANG xx", "0\t0", "1\t1", "-DATEN_ENDE-", "9"},
         {{{600, -400}, {733, -300}}}},
    };
    for (const Fall& f : faelle) {
        Meldungsprotokoll meldungen;
        EXPECT_EQ(zeichne(datei("f.dat", f.zeilen)), f.erwartet) << f.name;
        EXPECT_TRUE(meldungen.texte.empty()) << f.name;
    }
}

// A faulty file skips this curve with a message naming file and line; the rebuild goes on.
TEST_F(Tabellen, FehlerhafteDateiWirdUebersprungen) {
    const std::string falsch =
        datei("falsch.dat", {"Kopf", "DATEN_ANFANG", "1\t1", "2\t2", "3\tdrei", "DATEN_ENDE"});
    const std::string ohne_tab =
        datei("ohnetab.dat", {"DATEN_ANFANG", "1 1", "2\t2", "DATEN_ENDE"});
    const std::string fehlt = ordner.filePath("fehlt.dat").toStdString();
    struct Fall {
        std::string pfad;
        std::string meldung;
    };
    const Fall faelle[] = {
        {falsch, "Tabellendatei " + falsch + ", Zeile 5: Fehlerhafte Zahl."},
        {ohne_tab, "Tabellendatei " + ohne_tab +
                       ", Zeile 2: x- und y-Wert müssen durch einen Tabulator getrennt sein."},
        {fehlt, "Die Tabellendatei " + fehlt + " kann nicht gelesen werden."},
    };
    for (const Fall& f : faelle) {
        Meldungsprotokoll meldungen;
        zol::Tfktbaum baum;
        Tzeichenvorgaben v;
        v.formeln = &baum;
        Teinzelnefkt tabelle;
        tabelle.art = Teinzelnefkt::tabelle;
        tabelle.name = f.pfad;
        Teinzelnefkt parabel;
        parabel.name = "f(x)=x*x";
        const std::vector<Teinzelnefkt> kurven = {tabelle, parabel};
        zol::Tlist1 liste;
        zol::neuaufbau(liste, v, kurven);
        EXPECT_EQ(meldungen.texte, std::vector<std::string>{f.meldung});
        ASSERT_EQ(zuege(liste).size(), 1u) << f.meldung;
        EXPECT_EQ(zuege(liste)[0].size(), 347u);
    }
}

// A path written on another machine falls back to the bare file name.
TEST_F(Tabellen, FremderPfadFaelltAufDenDateinamenZurueck) {
    datei("tab.dat", {"DATEN_ANFANG", "0\t0", "1\t1", "DATEN_ENDE"});
    const auto vorher = std::filesystem::current_path();
    std::filesystem::current_path(ordner.path().toStdString());
    const auto zu = zeichne("C:\\Schule\\Daten\\tab.dat");
    std::filesystem::current_path(vorher);
    EXPECT_EQ(zu, (std::vector<std::vector<Tpunkt>>{{{600, -400}, {733, -300}}}));
}

TEST(Tabellendatei, Datenbereich) {
    struct Fall {
        Zeilen zeilen;
        long anfang, ende;
    };
    const Fall faelle[] = {
        {{}, 0, 0},
        {{"DATEN_ANFANG"}, 1, 1},
        {{"DATEN_ANFANG", "a", "b", "DATEN_ENDE"}, 1, 3},
        {{"DATEN_ENDE", "DATEN_ANFANG", "a", "x"}, 2, 2}, // the end before the start: nothing
        {{"a", "DATEN_ANFANG", "b", "c"}, 2, 3},          // no end: up to the last line
    };
    for (const Fall& f : faelle) {
        const zol::Datenbereich b = zol::datenbereich(f.zeilen);
        EXPECT_EQ(b.anfang, f.anfang);
        EXPECT_EQ(b.ende, f.ende);
    }
}

} // namespace

namespace {

// Ten entries of one table file: the file is read once per rebuild.
TEST_F(Tabellen, EineDateiWirdJeNeuaufbauEinmalGelesen) {
    const std::string pfad = datei("zehn.dat", {"DATEN_ANFANG", "0\t0", "1\t1", "DATEN_ENDE"});
    zol::Tfktbaum baum;
    Tzeichenvorgaben v;
    v.formeln = &baum;
    Teinzelnefkt e;
    e.art = Teinzelnefkt::tabelle;
    e.name = pfad;
    zol::Tlist1 liste;
    zol::Tfktachsen motor(liste, v);
    for (int i = 0; i < 10; ++i) {
        motor.aktuell = &e;
        motor.fktzeichnen();
    }
    EXPECT_EQ(motor.gelesene_tabellen(), 1);
    EXPECT_EQ(zuege(liste).size(), 10u);
}

} // namespace

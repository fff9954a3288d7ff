// The spreadsheet's arithmetic on a sheet in memory: the recalculation rules, range sums, the
// order of computation, paste growth and the checks of "Zeichnen".
#include "modules/analysis/tabellenrechnung.h"

#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "engine/meldung.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace zol;

struct Zelle {
    const char* name;
    const char* text;
};

// A 20 × 10 sheet (fixed row and column included) as the window creates it, or a wider one.
Tabellenblatt blatt_mit(const std::vector<Zelle>& zellen, int zeilen = 20, int spalten = 10) {
    Tabellenblatt b(zeilen, spalten);
    for (const Zelle& z : zellen) {
        int c = 0, r = 0;
        EXPECT_TRUE(zellbezug(z.name, c, r)) << z.name;
        b.setzeEingabe(c, r, z.text);
    }
    return b;
}

std::string anzeige(const Tabellenblatt& b, const char* name) {
    int c = 0, r = 0;
    EXPECT_TRUE(zellbezug(name, c, r)) << name;
    return b.anzeige(c, r);
}

TEST(Tabellenrechnung, ZellnamenUndBezuegeBisDreiBuchstaben) {
    const struct {
        int spalte, zeile;
        const char* name;
    } faelle[] = {
        {1, 1, "A1"},   {26, 3, "Z3"},   {27, 1, "AA1"},         {52, 12, "AZ12"},
        {53, 7, "BA7"}, {702, 1, "ZZ1"}, {703, 1000, "AAA1000"}, {18278, 2, "ZZZ2"},
        {0, 1, ""},     {1, 0, ""},      {18279, 1, ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zellname(f.spalte, f.zeile), f.name) << f.spalte << "," << f.zeile;
        int c = 0, r = 0;
        if (*f.name) {
            ASSERT_TRUE(zellbezug(f.name, c, r)) << f.name;
            EXPECT_EQ(c, f.spalte) << f.name;
            EXPECT_EQ(r, f.zeile) << f.name;
        }
    }
}

TEST(Tabellenrechnung, BereicheLesen) {
    const struct {
        const char* text;
        bool ok;
        Zellbereich b;
    } faelle[] = {
        {"A1:B3", true, {1, 1, 2, 3}},
        {"A3:A1", true, {1, 3, 1, 1}}, // read as written; summing it gives 0
        {"AA10:AB12", true, {27, 10, 28, 12}},
        {"A1", false, {}},
        {"A1:", false, {}},
        {":B3", false, {}},
        {"A1;B3", false, {}},
        {"AAAA1:B3", false, {}},
        {"A1:B3:C4", false, {}},
        {"1A:B3", false, {}},
    };
    for (const auto& f : faelle) {
        Zellbereich b{-1, -1, -1, -1};
        EXPECT_EQ(bereich_lesen(f.text, b), f.ok) << f.text;
        if (f.ok) {
            EXPECT_EQ(b.links, f.b.links) << f.text;
            EXPECT_EQ(b.oben, f.b.oben) << f.text;
            EXPECT_EQ(b.rechts, f.b.rechts) << f.text;
            EXPECT_EQ(b.unten, f.b.unten) << f.text;
        }
    }
}

TEST(Tabellenrechnung, ZellartenNachDenRegeln) {
    const std::pair<const char*, Zellart> faelle[] = {
        {"", Zellart::leer},
        {" \t ", Zellart::leer},
        {"2,5", Zellart::zahl},
        {"2.5", Zellart::zahl},
        {" -1,5e3 ", Zellart::zahl},
        {"+3", Zellart::zahl},
        {"=SUMME(A1:A3)", Zellart::summe},
        {"=summe( a1 : a3 )", Zellart::summe},
        {"=SUMME(A1:A3)+1", Zellart::formel}, // the first ")" is not the last character
        {"=A1*3", Zellart::formel},
        {"=", Zellart::formel},
        {"3*4=", Zellart::rechnung},
        {"Hallo", Zellart::text},
        {"f(x)=x^2", Zellart::text},
        {"1.000,5", Zellart::text},
    };
    for (const auto& [text, art] : faelle)
        EXPECT_EQ(zellart(text), art) << '"' << text << '"';
}

// Each case is a sheet; after "Rechne" the named cells show the given texts, and the table holds
// exactly the listed names among those looked at.
struct Rechenfall {
    const char* titel;
    std::vector<Zelle> eingaben;
    std::vector<Zelle> erwartet; // cell, display text
    std::vector<const char*> definiert;
    std::vector<const char*> nicht_definiert;
};

TEST(Tabellenrechnung, RechneInDerFolgeDerBezuege) {
    const std::vector<Rechenfall> faelle = {
        {"Bezug auf die Zelle darüber",
         {{"A1", "2"}, {"A2", "=A1*3"}},
         {{"A1", "2,000"}, {"A2", "6,000"}},
         {"A1", "A2"},
         {}},
        {"Komma und Punkt",
         {{"A1", "2,5"}, {"B1", "2.5"}, {"C1", "=A1+B1"}, {"D1", "+3"}, {"E1", "1e3"}},
         {{"A1", "2,500"}, {"B1", "2,500"}, {"C1", "5,000"}, {"D1", "3,000"}, {"E1", "1000,000"}},
         {"A1", "B1", "C1", "D1", "E1"},
         {}},
        {"Rechnung mit = am Ende", {{"A1", "3*4="}}, {{"A1", "12,000"}}, {"A1"}, {}},
        {"Summe klein geschrieben und mit Leerzeichen",
         {{"A1", "1"}, {"A2", "2"}, {"A3", "3"}, {"A4", "=summe( a1:a3)"}, {"B4", "=A4*2"}},
         {{"A4", "6,000"}, {"B4", "12,000"}},
         {"A4", "B4"},
         {}},
        {"Summe über eine Fläche",
         {{"A1", "1"}, {"B1", "2"}, {"A2", "3"}, {"B2", "=A1+A2"}, {"C3", "=SUMME(A1:B2)"}},
         {{"C3", "10,000"}},
         {"C3"},
         {}},
        {"Bereich von unten nach oben ist leer",
         {{"A1", "5"}, {"A3", "7"}, {"B1", "=SUMME(A3:A1)"}},
         {{"B1", "0,000"}},
         {"B1"},
         {}},
        {"Leere Zellen im Bereich zählen nicht",
         {{"A1", "1"}, {"A3", "3"}, {"B1", "=SUMME(A1:A3)"}},
         {{"B1", "4,000"}},
         {"B1"},
         {}},
        {"Nicht umwandelbare Zelle lässt die Summe unverändert",
         {{"A1", "1"}, {"A2", "Hallo"}, {"B1", "=SUMME(A1:A2)"}},
         {{"B1", "=SUMME(A1:A2)"}, {"A2", "Hallo"}},
         {"A1"},
         {"B1", "A2"}},
        {"Unlesbare Bereiche lassen die Summe unverändert",
         {{"B1", "=SUMME(A1)"}, {"B2", "=SUMME(A1:Z99)"}, {"B3", "=SUMME(A0:A1)"}},
         {{"B1", "=SUMME(A1)"}, {"B2", "=SUMME(A1:Z99)"}, {"B3", "=SUMME(A0:A1)"}},
         {},
         {"B1", "B2", "B3"}},
        {"Summe über sich selbst zeigt ihren Text",
         {{"A1", "1"}, {"A2", "=SUMME(A1:A2)"}},
         {{"A2", "=SUMME(A1:A2)"}},
         {},
         {"A2"}},
        {"Freier Text",
         {{"A1", "Hallo"}, {"A2", "Grüße an alle"}},
         {{"A1", "Hallo"}, {"A2", "Grüße an alle"}},
         {},
         {"A1", "A2"}},
        {"Definition für die Tabelle",
         {{"A1", "f(x)=x^2"}, {"B1", "=f(3)"}, {"C1", "a=4"}, {"D1", "=A*2"}},
         {{"A1", "f(x)=x^2"}, {"B1", "9,000"}, {"C1", "a=4"}, {"D1", "8,000"}},
         {"F", "A", "B1", "D1"},
         {"A1", "C1"}},
        {"Verweise nach rechts und unten setzen sich in drei Durchgängen",
         {{"A1", "=B1+1"}, {"B1", "=C1+1"}, {"C1", "1"}, {"A2", "=A3*2"}, {"A3", "5"}},
         {{"A1", "3,000"}, {"B1", "2,000"}, {"A2", "10,000"}},
         {"A1", "B1", "C1", "A2"},
         {}},
        {"Eine Kette nach rechts setzt sich in jeder Länge",
         {{"A1", "=B1"}, {"B1", "=C1"}, {"C1", "=D1"}, {"D1", "1"}},
         {{"A1", "1,000"}, {"B1", "1,000"}},
         {"A1", "B1", "C1", "D1"},
         {}},
        {"Ein Kreis und wer ihn benutzt zeigen ihren Text",
         {{"A1", "=B1+1"}, {"B1", "=A1+1"}, {"C1", "=A1*2"}, {"D1", "=2"}},
         {{"A1", "=B1+1"}, {"B1", "=A1+1"}, {"C1", "=A1*2"}, {"D1", "2,000"}},
         {"D1"},
         {"C1"}},
        {"Abgelehnte und nicht ausrechenbare Formeln zeigen ihren Text",
         {{"A1", "=2*"}, {"A2", "=A2+1"}, {"A3", "=1/0"}, {"A4", "="}, {"A5", "=B9"}},
         {{"A1", "=2*"}, {"A2", "=A2+1"}, {"A3", "=1/0"}, {"A4", "="}, {"A5", "=B9"}},
         {"A3"}, // it compiles; only its value fails
         {"A1", "A2", "A4", "A5"}},
    };
    for (const Rechenfall& f : faelle) {
        SCOPED_TRACE(f.titel);
        std::vector<std::string> meldungen;
        const Meldungsempfaenger vorher =
            setze_meldungsempfaenger([&](const std::string& text) { meldungen.push_back(text); });
        Tabellenblatt b = blatt_mit(f.eingaben);
        Tfktbaum baum;
        blatt_rechnen(baum, b, "0.000");
        setze_meldungsempfaenger(vorher);
        for (const Zelle& z : f.erwartet)
            EXPECT_EQ(anzeige(b, z.name), z.text) << z.name;
        for (const char* n : f.definiert)
            EXPECT_GE(baum.sucheeintrag(n), 0) << n;
        for (const char* n : f.nicht_definiert)
            EXPECT_LT(baum.sucheeintrag(n), 0) << n;
        EXPECT_TRUE(meldungen.empty()) << meldungen.front();
    }
}

// Each cell uses the one above it or to its left, against row order in the other direction:
// twelve steps up, then a chain through a whole 100 × 100 sheet (each computed once).
TEST(Tabellenrechnung, KettenNachObenUndLinksSetzenSich) {
    Tabellenblatt b(20, 10);
    b.setzeEingabe(1, 13, "1");
    for (int r = 12; r >= 1; --r)
        b.setzeEingabe(1, r, "=A" + std::to_string(r + 1) + "+1");
    Tfktbaum baum;
    blatt_rechnen(baum, b, "0");
    EXPECT_EQ(anzeige(b, "A1"), "13");

    Tabellenblatt gross(101, 101);
    gross.setzeEingabe(100, 100, "1");
    // Row 100 leftwards, then each column upwards from the cell below it.
    for (int c = 99; c >= 1; --c)
        gross.setzeEingabe(c, 100, "=" + zellname(c + 1, 100) + "+1");
    for (int c = 1; c <= 100; ++c)
        for (int r = 99; r >= 1; --r)
            gross.setzeEingabe(c, r, "=" + zellname(c, r + 1) + "+1");
    Tfktbaum baum2;
    blatt_rechnen(baum2, gross, "0");
    EXPECT_EQ(gross.anzeige(1, 1), "199");
    EXPECT_EQ(gross.anzeige(100, 1), "100");
}

TEST(Tabellenrechnung, SpalteAAWirdAlsSpalte27Gerechnet) {
    Tabellenblatt b =
        blatt_mit({{"AA1", "5"}, {"AB2", "=AA1*2"}, {"A3", "=SUMME(Z1:AB2)"}}, 20, 30);
    Tfktbaum baum;
    blatt_rechnen(baum, b, "0.0");
    EXPECT_EQ(b.anzeige(27, 1), "5,0");
    EXPECT_EQ(b.anzeige(28, 2), "10,0");
    EXPECT_EQ(b.anzeige(1, 3), "15,0");
}

TEST(Tabellenrechnung, RechneLeertDieTabelleZuerst) {
    Tabellenblatt b = blatt_mit({{"A1", "2"}});
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("B7=99"));
    blatt_rechnen(baum, b, "0.000");
    EXPECT_LT(baum.sucheeintrag("B7"), 0);
    EXPECT_EQ(baum.anzahl(), 1);
}

TEST(Tabellenrechnung, FormelnAnzeigenUndWiederRechnen) {
    Tabellenblatt b = blatt_mit({{"A1", "2"}, {"A2", "=A1*3"}, {"A3", "Text"}});
    b.setzeAnzeige(5, 5, "nur angezeigt");
    Tfktbaum baum;
    blatt_rechnen(baum, b, "0.00");
    formeln_anzeigen(b);
    EXPECT_EQ(anzeige(b, "A1"), "2");
    EXPECT_EQ(anzeige(b, "A2"), "=A1*3");
    EXPECT_EQ(anzeige(b, "A3"), "Text");
    EXPECT_EQ(b.anzeige(5, 5), "nur angezeigt"); // blank inputs leave the display alone
    blatt_rechnen(baum, b, "0.00");
    EXPECT_EQ(anzeige(b, "A1"), "2,00");
    EXPECT_EQ(anzeige(b, "A2"), "6,00");
}

TEST(Tabellenrechnung, EineZelleNeuRechnen) {
    Tabellenblatt b = blatt_mit({{"A1", "2"}, {"A2", "=A1*3"}});
    Tfktbaum baum;
    blatt_rechnen(baum, b, "0.000");
    // Typing into A1 recalculates A1 alone; A2 follows with the next "Rechne".
    b.setzeEingabe(1, 1, "5");
    const Zellergebnis e = zelle_rechnen(baum, b, 1, 1, "0.000");
    EXPECT_EQ(e.art, Zellart::zahl);
    EXPECT_TRUE(e.definiert);
    EXPECT_EQ(anzeige(b, "A1"), "5,000");
    EXPECT_EQ(anzeige(b, "A2"), "6,000");
    long double wert = 0;
    EXPECT_TRUE(baum.fktberechnen("A2", 0, wert));
    EXPECT_EQ(wert, 15);

    b.setzeEingabe(1, 1, "Hallo");
    EXPECT_FALSE(zelle_rechnen(baum, b, 1, 1, "0.000").definiert);
    EXPECT_EQ(zelle_rechnen(baum, b, 0, 1, "0.000").art, Zellart::leer); // fixed column
    EXPECT_EQ(zelle_rechnen(baum, b, 99, 1, "0.000").art, Zellart::leer);
}

TEST(Tabellenrechnung, EinfuegenWaechstZeileUmZeileUndSpalteUmSpalte) {
    // Three lines of four fields at the last cell of a 20 × 10 grid.
    const Einfuegeplan p =
        einfuegen_planen("1\t2\t3\t4\r\n5\t6\t7\t8\r\n9\t10\t11\t12\r\n", 9, 19, 20, 10, true);
    EXPECT_EQ(p.zeilen, 22);
    EXPECT_EQ(p.spalten, 13);
    ASSERT_EQ(p.felder.size(), 12u);
    EXPECT_EQ(p.felder[0].spalte, 9);
    EXPECT_EQ(p.felder[0].zeile, 19);
    EXPECT_EQ(p.felder[0].text, "1");
    EXPECT_EQ(p.felder[11].spalte, 12);
    EXPECT_EQ(p.felder[11].zeile, 21);
    EXPECT_EQ(p.felder[11].text, "12");
}

TEST(Tabellenrechnung, EinfuegenPlanen) {
    struct Fall {
        const char* titel;
        const char* text;
        int links, oben;
        bool wachsen;
        int zeilen, spalten; // size afterwards (from 20 × 10)
        std::vector<std::pair<std::pair<int, int>, const char*>> felder; // (col,row) text
    };
    const std::vector<Fall> faelle = {
        {"leerer Text", "", 1, 1, true, 20, 10, {}},
        {"eine Zeile ohne Zeilenende", "a\tb", 2, 3, true, 20, 10, {{{2, 3}, "a"}, {{3, 3}, "b"}}},
        {"LF und leere Felder",
         "a\t\tc\n\td\n",
         1,
         1,
         true,
         20,
         10,
         {{{1, 1}, "a"}, {{2, 1}, ""}, {{3, 1}, "c"}, {{1, 2}, ""}, {{2, 2}, "d"}}},
        {"ohne Wachsen fällt Überstehendes weg",
         "1\t2\t3\n4\t5\t6\n7\t8\t9\n",
         8,
         18,
         false,
         20,
         10,
         {{{8, 18}, "1"}, {{9, 18}, "2"}, {{8, 19}, "4"}, {{9, 19}, "5"}}},
        {"leere Zeile in der Mitte",
         "1\n\n3\n",
         1,
         1,
         true,
         20,
         10,
         {{{1, 1}, "1"}, {{1, 2}, ""}, {{1, 3}, "3"}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.titel);
        const Einfuegeplan p = einfuegen_planen(f.text, f.links, f.oben, 20, 10, f.wachsen);
        EXPECT_EQ(p.zeilen, f.zeilen);
        EXPECT_EQ(p.spalten, f.spalten);
        ASSERT_EQ(p.felder.size(), f.felder.size());
        for (std::size_t i = 0; i < p.felder.size(); ++i) {
            EXPECT_EQ(p.felder[i].spalte, f.felder[i].first.first) << i;
            EXPECT_EQ(p.felder[i].zeile, f.felder[i].first.second) << i;
            EXPECT_EQ(p.felder[i].text, f.felder[i].second) << i;
        }
    }
}

TEST(Tabellenrechnung, EinfuegenEndetBeiDerLetztenBenanntenSpalte) {
    std::string zeile = "x";
    for (int i = 0; i < 20; ++i)
        zeile += "\tx";
    const Einfuegeplan p = einfuegen_planen(zeile, max_spalten - 5, 1, 2, max_spalten - 3, true);
    EXPECT_EQ(p.spalten, max_spalten);
    EXPECT_EQ(p.felder.size(), 5u);
    EXPECT_EQ(zellname(p.felder.back().spalte, 1), "ZZZ1");
}

TEST(Tabellenrechnung, ZeichnenBrauchtZweiSpaltenMitMehrerenZeilen) {
    const struct {
        Zellbereich b;
        const char* meldung;
    } faelle[] = {
        {{1, 1, 2, 5}, ""},
        {{3, 2, 4, 3}, ""},
        {{1, 1, 1, 1}, "Sie müssen zuerst Werte markieren!"},
        {{1, 1, 1, 5}, "Sie müssen zuerst Werte markieren!"},
        {{1, 1, 2, 1}, "Sie müssen zuerst Werte markieren!"},
        {{1, 1, 3, 5}, "Es müssen genau 2 Spalten markiert werden."},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zeichnen_pruefen(f.b), f.meldung)
            << f.b.links << "," << f.b.oben << ":" << f.b.rechts << "," << f.b.unten;
}

TEST(Tabellenrechnung, GroesserUndKleinerBisZurGrenze) {
    const struct {
        int groesse;
        bool groesser;
        int faktor;
    } faelle[] = {
        {10, true, 12}, {29, true, 12}, {30, true, 0}, {35, true, 0},
        {7, false, 8},  {6, false, 0},  {4, false, 0}, {30, false, 8},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zoomfaktor(f.groesse, f.groesser), f.faktor) << f.groesse << f.groesser;
    EXPECT_EQ(gezoomt(100, 12), 120);
    EXPECT_EQ(gezoomt(24, 8), 19); // rounded down
    EXPECT_EQ(gezoomt(9, 12), 10);
}

} // namespace

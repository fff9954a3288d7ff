// The calculation window's direct and program modes.
#include "engine/rechnen.h"

#include <gtest/gtest.h>

namespace {

using namespace zol;
using Art = Direktergebnis::Art;

TEST(Direktmodus, Zeilen) {
    Tfktbaum baum;
    struct Fall {
        const char* zeile;
        Art art;
        const char* text; // result line or message
    };
    const Fall faelle[] = {
        {"3*4=", Art::ergebnis, "12,00"},
        {"A=5", Art::aufgenommen, "Formel aufgenommen!"},
        {"A * 2 =", Art::ergebnis, "10,00"},
        {"3+4", Art::ungueltig, "ungültiger Ausdruck"},
        {"; 3*4=", Art::nichts, ""},
        {"  ", Art::nichts, ""},
        {"CLS", Art::text_loeschen, ""},
        {"Zeige_Fkt", Art::formeln_anhaengen, "A=5"},
        {"LÖSCHE_ALLE", Art::ungueltig, "ungültiger Ausdruck"}, // only ASCII letters ignore case
        {"Lösche_Alle", Art::alle_geloescht, "Alle Formeln gelöscht!"},
        {"A=", Art::ungueltig, "ungültiger Ausdruck"},
    };
    for (const Fall& f : faelle) {
        const Direktergebnis e = direktzeile(baum, f.zeile, "0.00");
        EXPECT_EQ(e.art, f.art) << f.zeile;
        const std::string text = e.zeilen.empty() ? e.meldung : e.zeilen.front();
        EXPECT_EQ(text, f.text) << f.zeile;
    }
}

TEST(Programmmodus, AusgabeUndFehler) {
    Tfktbaum baum;
    const Programmergebnis p = programmlauf(
        baum,
        {"F(X) = X^2", "; Kommentar 1/0=", "", "ausgabe( F(3) )", "3*4=", "Ausgabe(1/0)",
         "AUSGABE(F(2)+A)", "A=7", "Ausgabe(A)", "Ausgabe(A=3)", "G(X)=G(X)"},
        "0");
    EXPECT_TRUE(p.fehler);
    EXPECT_EQ(p.ausgabe, (std::vector<std::string>{";F(3)=9", "Fehler:3*4=", ";1/0", ";F(2)+A",
                                                   ";A=7", ";A=3", "Fehler:G(X)=G(X)"}));
    // Output lines begin with ";", so the output itself runs again without repeating them.
    std::vector<std::string> ausgaben;
    for (const std::string& z : p.ausgabe)
        if (z[0] == ';') ausgaben.push_back(z);
    const Programmergebnis nochmal = programmlauf(baum, ausgaben, "0");
    EXPECT_TRUE(nochmal.ausgabe.empty());
    EXPECT_FALSE(nochmal.fehler);
}

} // namespace

#include "engine/ini.h"

#include <gtest/gtest.h>

namespace {

using zol::Inidatei;

TEST(Inidatei, LesenWieWindows) {
    Inidatei ini;
    ini.einlesen({"vorher=ohne Abschnitt", "[Hauptfenster]", "Version=ZOL50", " Width = 420 ",
                  "; Kommentar", "", "[Formeln]", "Anzahl=2", "Nr0=f(x)=x^2", "Nr1=a=2,5",
                  "nr1=doppelt", "[Formelfenster1]", "Art=5", "Datei=C:\\Schule\\kurve.di1",
                  "[hauptfenster]", "Format=0.000", "kaputt"});
    struct Fall {
        const char *abschnitt, *schluessel, *erwartet;
    };
    const Fall faelle[] = {
        {"Hauptfenster", "Version", "ZOL50"},
        {"HAUPTFENSTER", "width", "420"},
        {"Formeln", "Nr0", "f(x)=x^2"},
        {"Formeln", "NR1", "a=2,5"},
        {"Formelfenster1", "Datei", "C:\\Schule\\kurve.di1"},
        {"Hauptfenster", "Format", "0.000"}, // a repeated section continues the first
        {"Hauptfenster", "vorher", "-"},
        {"Fenster", "Anzahl", "-"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ini.lies(f.abschnitt, f.schluessel, "-"), f.erwartet)
            << f.abschnitt << "/" << f.schluessel;
    EXPECT_EQ(ini.lies_zahl("Formelfenster1", "Art", 0), 5);
    EXPECT_EQ(ini.lies_zahl("Formeln", "Nr0", 7), 7); // not a number
    EXPECT_EQ(ini.lies_zahl("Fenster", "Anzahl", 1), 1);
}

TEST(Inidatei, WahrheitswerteUndZahlen) {
    Inidatei ini;
    ini.einlesen({"[A]", "a=1", "b=0", "c=true", "d=-3", "e=12abc", "f=+4", "g="});
    EXPECT_TRUE(ini.lies_bool("A", "a", false));
    EXPECT_FALSE(ini.lies_bool("A", "b", true));
    EXPECT_TRUE(ini.lies_bool("A", "c", true)); // not a number: the default
    EXPECT_FALSE(ini.lies_bool("A", "c", false));
    EXPECT_TRUE(ini.lies_bool("A", "d", false));
    EXPECT_EQ(ini.lies_zahl("A", "e", 0), 12);
    EXPECT_EQ(ini.lies_zahl("A", "f", 0), 4);
    EXPECT_EQ(ini.lies_zahl("A", "g", 9), 9);
}

// Written in the order of the first write, values exactly as given, and stable when read back
// and written again.
TEST(Inidatei, SchreibenInReihenfolge) {
    Inidatei ini;
    ini.schreibe("Hauptfenster", "Version", "ZOL50");
    ini.schreibe_zahl("Hauptfenster", "Width", 640);
    ini.schreibe_bool("Fenster", "visible", false);
    ini.schreibe("Formeln", "Nr0", "g(x) = \"x\";=1\\2");
    ini.schreibe("hauptfenster", "width", "800"); // replaces in place
    const std::vector<std::string> erwartet = {
        "[Hauptfenster]", "Version=ZOL50",         "Width=800", "", "[Fenster]", "visible=0", "",
        "[Formeln]",      "Nr0=g(x) = \"x\";=1\\2"};
    EXPECT_EQ(ini.zeilen(), erwartet);
    Inidatei wieder;
    wieder.einlesen(ini.zeilen());
    EXPECT_EQ(wieder.zeilen(), erwartet);
}

// Many keys: each found through the index, the file's order kept for writing, and a second
// read forgets the first.
TEST(Inidatei, VieleSchluesselInDateireihenfolge) {
    std::vector<std::string> zeilen{"[Formeln]"};
    for (int i = 4999; i >= 0; --i)
        zeilen.push_back("Nr" + std::to_string(i) + "=" + std::to_string(2 * i));
    zeilen.push_back("[Anmerkungen]");
    zeilen.push_back("Nr7=anderer Abschnitt");
    Inidatei ini;
    ini.einlesen({"[Formeln]", "alt=1", "[Weg]", "x=1"});
    ini.einlesen(zeilen);
    EXPECT_FALSE(ini.hat("Formeln", "alt"));
    EXPECT_FALSE(ini.hat("Weg", "x"));
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(ini.lies_zahl("Formeln", "nr" + std::to_string(i), -1), 2 * i) << i;
    EXPECT_EQ(ini.lies("anmerkungen", "NR7", "-"), "anderer Abschnitt");
    ini.schreibe("FORMELN", "nr4999", "neu"); // in place, under its first spelling
    ini.schreibe("Formeln", "Anzahl", "5000");
    std::vector<std::string> erwartet = zeilen;
    erwartet[1] = "Nr4999=neu";
    erwartet.insert(erwartet.begin() + 5001, "Anzahl=5000");
    erwartet.insert(erwartet.begin() + 5002, "");
    EXPECT_EQ(ini.zeilen(), erwartet);
}

} // namespace

#include "app/kommandozeile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using zol::konsole_ausfuehren;

struct Lauf {
    int code;
    std::string aus, err;
};

Lauf starte(const std::vector<std::string>& argumente, const std::string& eingabe = "") {
    std::istringstream ein(eingabe);
    std::ostringstream aus, err;
    const int code = konsole_ausfuehren(argumente, ein, aus, err);
    return {code, aus.str(), err.str()};
}

TEST(Kommandozeile, ProgrammAusStandardeingabe) {
    const Lauf l = starte({"--run", "-"}, "F(X)=X^2\r\nAusgabe(F(3))\n3*4=\n");
    EXPECT_EQ(l.code, zol::exit_fehlerzeilen);
    EXPECT_EQ(l.aus, ";F(3)=9,00\nFehler:3*4=\n");

    const Lauf mit_format = starte({"--format", "0.0E-0", "--run", "-"}, "Ausgabe(10^6)");
    EXPECT_EQ(mit_format.code, zol::exit_ok);
    EXPECT_EQ(mit_format.aus, ";10^6=1,0E6\n");
}

TEST(Kommandozeile, DateienInBeidenKodierungen) {
    const auto ordner = std::filesystem::temp_directory_path() / "zol_cli_test";
    std::filesystem::create_directories(ordner);
    const auto ansi = ordner / "ansi.txt";
    const auto utf8 = ordner / "utf8.txt";
    // "; Größe" in Windows-1252 and as UTF-8 with a byte-order mark, then a fault line.
    std::ofstream(ansi, std::ios::binary) << "; Gr\xF6\xDF"
                                             "e\r\nAusgabe(2)\r\n\xE4=1\r\n";
    std::ofstream(utf8, std::ios::binary) << "\xEF\xBB\xBF\xC3\xA4=1\n";
    const Lauf a = starte({"--run", ansi.string()});
    EXPECT_EQ(a.aus, ";2=2,00\nFehler:\xC3\xA4=1\n");
    const Lauf u = starte({"--run", utf8.string()});
    EXPECT_EQ(u.aus, "Fehler:\xC3\xA4=1\n");
    std::filesystem::remove_all(ordner);
}

TEST(Kommandozeile, AufrufFehler) {
    const std::vector<std::vector<std::string>> faelle = {
        {"--run"},         {"--run", "/gibt/es/nicht.txt"},
        {"--unbekannt"},   {"--run", "/"},
        {"--format", "x"}, {}};
    for (const auto& argumente : faelle) {
        const Lauf l = starte(argumente);
        const std::string fall = argumente.empty() ? "" : argumente.back();
        EXPECT_EQ(l.code, zol::exit_aufruf) << fall;
        EXPECT_FALSE(l.err.empty()) << fall;
        EXPECT_TRUE(l.aus.empty()) << fall;
    }
    EXPECT_EQ(starte({"--run", "-"}, std::string("A=1\0\0", 5)).code, zol::exit_aufruf);
    EXPECT_TRUE(zol::ist_konsolenmodus({"--run", "x"}));
    EXPECT_FALSE(zol::ist_konsolenmodus({"projekt.pro"}));
    // An unknown option never reaches the display; the window modes keep theirs.
    EXPECT_TRUE(zol::ist_konsolenmodus({"--format", "x"}));
    EXPECT_FALSE(zol::ist_konsolenmodus({"--batch", "Twertedlg", "--set", "xmin=1"}));
    EXPECT_FALSE(zol::ist_konsolenmodus({"--export", "a.fkt", "a.png", "--size", "9x9"}));
}

// A stream whose every write fails, like standard output on a full disk.
struct VolleAusgabe : std::streambuf {
    int overflow(int) override { return traits_type::eof(); }
};

TEST(Kommandozeile, FehlerWerdenImAusgangscodeGemeldet) {
    // An output that could not be computed stays as written, and the run says it failed.
    const Lauf l = starte({"--run", "-"}, "Ausgabe(2)\nAusgabe(1/0)\n");
    EXPECT_EQ(l.code, zol::exit_fehlerzeilen);
    EXPECT_EQ(l.aus, ";2=2,00\n;1/0\n");

    VolleAusgabe voll;
    std::ostream aus(&voll);
    std::istringstream ein("Ausgabe(2)\n");
    std::ostringstream err;
    EXPECT_EQ(konsole_ausfuehren({"--run", "-"}, ein, aus, err), zol::exit_fehlerzeilen);
    EXPECT_NE(err.str().find("Die Ausgabe kann nicht geschrieben werden."), std::string::npos);
}

TEST(Kommandozeile, UeberlangeZeileImDirektmodus) {
    const std::string lang(3u << 20, '1');
    const Lauf l = starte({"--konsole"}, "A=5\n" + lang + "\nA*2=\n");
    EXPECT_EQ(l.code, zol::exit_ok);
    EXPECT_NE(l.aus.find("Die Zeile ist länger als 1 MB und wird übergangen.\n10,00\n"),
              std::string::npos);
    EXPECT_LT(l.aus.size(), 4096u);
}

TEST(Kommandozeile, Direktmodus) {
    const Lauf l = starte({"--konsole"}, "A=5\nA*2=\n3+4\nzeige_fkt\n");
    EXPECT_EQ(l.code, zol::exit_ok);
    EXPECT_NE(l.aus.find("Formel aufgenommen!\n10,00\nungültiger Ausdruck\nA=5\n"),
              std::string::npos)
        << l.aus;
}

} // namespace

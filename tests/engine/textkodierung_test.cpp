#include "engine/textkodierung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <csignal>
#include <sys/resource.h>
#define ZOL_HAT_RLIMIT 1
#endif

namespace {

namespace fs = std::filesystem;
using zol::Lesefehler;
using Zeilen = std::vector<std::string>;

// The bytes 0x80..0x9F with their code points, as published for Windows-1252.
struct Sonderbyte {
    unsigned char byte;
    char32_t zeichen;
};
constexpr Sonderbyte sonderbytes[] = {
    {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026},
    {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039},
    {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018},
    {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
    {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9D, 0x009D},
    {0x9E, 0x017E}, {0x9F, 0x0178},
};

TEST(Cp1252, SonderbytesHabenIhreCodepunkteUndZurueck) {
    for (const auto& [byte, zeichen] : sonderbytes) {
        SCOPED_TRACE(static_cast<int>(byte));
        EXPECT_EQ(zol::cp1252_zu_unicode(byte), zeichen);
        EXPECT_EQ(zol::unicode_zu_cp1252(zeichen), byte);
    }
}

TEST(Cp1252, AsciiUndLatin1SindIhrEigenerCodepunkt) {
    for (int b = 0; b < 256; ++b) {
        if (b >= 0x80 && b <= 0x9F) continue;
        EXPECT_EQ(zol::cp1252_zu_unicode(static_cast<unsigned char>(b)), static_cast<char32_t>(b))
            << b;
    }
}

TEST(Cp1252, JedesByteUeberlebtDieHinUndRueckrichtung) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(zol::unicode_zu_cp1252(zol::cp1252_zu_unicode(byte)), byte) << b;
    }
}

// Only the 256 code points of the table have a byte; every other one, in the whole Unicode
// range, has none.
TEST(Cp1252, NurDieCodepunkteDerTabelleHabenEinByte) {
    std::vector<bool> in_tabelle(0x110000, false);
    for (int b = 0; b < 256; ++b) {
        in_tabelle[zol::cp1252_zu_unicode(static_cast<unsigned char>(b))] = true;
    }
    for (char32_t z = 0; z < 0x110000; ++z) {
        if (in_tabelle[z] != zol::unicode_zu_cp1252(z).has_value()) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned long>(z);
        }
    }
}

TEST(Cp1252, Einzelfaelle) {
    struct Fall {
        char32_t zeichen;
        std::optional<unsigned char> byte;
    };
    const Fall faelle[] = {
        {0x20AC, 0x80}, // €
        {0x00E4, 0xE4}, // ä
        {0x00DF, 0xDF}, // ß
        {0x0041, 0x41},          {0x00A0, 0xA0},         {0x00FF, 0xFF},
        {0x0081, 0x81},         // unassigned byte, kept as C1 control
        {0x0080, std::nullopt}, // its byte holds the euro
        {0x009F, std::nullopt},  {0x0100, std::nullopt}, {0x221A, std::nullopt}, // √
        {0x1F600, std::nullopt}, {0xFFFD, std::nullopt},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zol::unicode_zu_cp1252(f.zeichen), f.byte)
            << "U+" << std::hex << static_cast<unsigned long>(f.zeichen);
    }
}

TEST(Utf8, Gueltigkeit) {
    struct Fall {
        std::string bytes;
        bool gueltig;
        const char* was;
    };
    const Fall faelle[] = {
        {"", true, "leer"},
        {"Hallo", true, "ASCII"},
        {"\x7F", true, "U+007F"},
        {"\xC2\x80", true, "U+0080"},
        {"\xDF\xBF", true, "U+07FF"},
        {"\xE0\xA0\x80", true, "U+0800"},
        {"\xED\x9F\xBF", true, "U+D7FF"},
        {"\xEE\x80\x80", true, "U+E000"},
        {"\xEF\xBF\xBF", true, "U+FFFF"},
        {"\xF0\x90\x80\x80", true, "U+10000"},
        {"\xF4\x8F\xBF\xBF", true, "U+10FFFF"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e \xE2\x82\xAC",
         true, "Größe €"},
        {"\xC0\x80", false, "zu lang: NUL in zwei Bytes"},
        {"\xC1\xBF", false, "zu lang: U+007F in zwei Bytes"},
        {"\xE0\x80\x80", false, "zu lang in drei Bytes"},
        {"\xE0\x9F\xBF", false, "zu lang: U+07FF in drei Bytes"},
        {"\xF0\x80\x80\x80", false, "zu lang in vier Bytes"},
        {"\xF0\x8F\xBF\xBF", false, "zu lang: U+FFFF in vier Bytes"},
        {"\xED\xA0\x80", false, "Surrogat D800"},
        {"\xED\xBF\xBF", false, "Surrogat DFFF"},
        {"\xF4\x90\x80\x80", false, "U+110000"},
        {"\xF5\x80\x80\x80", false, "Startbyte F5"},
        {"\xF8\x88\x80\x80\x80", false, "fuenf Bytes"},
        {"\xFF", false, "FF"},
        {"\xC3", false, "abgeschnitten nach 1 von 2"},
        {"\xE2\x82", false, "abgeschnitten nach 2 von 3"},
        {"\xF0\x9F\x98", false, "abgeschnitten nach 3 von 4"},
        {"a\xC3", false, "abgeschnitten am Ende"},
        {"\x80", false, "Folgebyte allein"},
        {"\xC3\x41", false, "Folgebyte fehlt"},
        {"\xE2\x82\x41", false, "drittes Byte kein Folgebyte"},
        {"\xC3\xA4\xA4", false, "Folgebyte zu viel"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zol::ist_gueltiges_utf8(f.bytes), f.gueltig) << f.was;
    }
}

TEST(Utf8, Cp1252InBeideRichtungen) {
    struct Fall {
        std::string cp1252;
        std::string utf8;
    };
    const Fall faelle[] = {
        {"", ""},
        {"Hallo", "Hallo"},
        {"Gr\xF6\xDF"
         "e",
         "Größe"},
        {"\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "ÄÖÜäöüß"},
        {"5 \x80", "5 €"},
        {"\x84"
         "Zitat\x93",
         "„Zitat“"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
        {"\xA0\xFF", "\u00A0ÿ"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zol::cp1252_zu_utf8(f.cp1252), f.utf8) << f.utf8;
        EXPECT_EQ(zol::utf8_zu_cp1252(f.utf8), f.cp1252) << f.utf8;
    }
}

TEST(Utf8, NichtInCp1252Darstellbar) {
    const std::string faelle[] = {
        "x → y",        "√2", "\u0100", "\U0001F600", "\u0080", "\xC3",
        "\xED\xA0\x80", // surrogate, not a character
    };
    for (const auto& f : faelle) {
        EXPECT_FALSE(zol::utf8_zu_cp1252(f).has_value()) << f;
    }
}

TEST(DateiZuUtf8, ErkenntDieKodierung) {
    struct Fall {
        std::string bytes;
        std::string text;
        const char* was;
    };
    const Fall faelle[] = {
        {"", "", "leer"},
        {"Hallo", "Hallo", "ASCII"},
        {"\xEF\xBB\xBF", "", "nur BOM"},
        {"\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
         "e",
         "Größe", "BOM und UTF-8"},
        {"\xEF\xBB\xBFHallo", "Hallo", "BOM und ASCII"},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", "\uFEFFx", "nur die erste BOM faellt weg"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         "Größe", "UTF-8 ohne BOM"},
        {"\xE2\x88\x9A"
         "2",
         "√2", "UTF-8 ohne BOM, drei Bytes"},
        {"Gr\xF6\xDF"
         "e",
         "Größe", "Windows-1252"},
        {"\x80", "€", "Windows-1252, Euro"},
        {"\xC3\xA4 \xE4", "Ã¤ ä", "fast UTF-8, also Windows-1252"},
        {"\xED\xA0\x80", "í\u00A0€", "Surrogat, also Windows-1252"},
        {"\xC3", "Ã", "abgeschnittenes UTF-8, also Windows-1252"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zol::datei_zu_utf8(f.bytes), f.text) << f.was;
    }
}

// With a byte-order mark every broken sequence becomes one U+FFFD (its longest valid
// beginning counts as one), and the text around it stays.
TEST(DateiZuUtf8, KaputtesUtf8NachBomWirdErsetzt) {
    const std::string bom = "\xEF\xBB\xBF";
    struct Fall {
        std::string bytes;
        std::string text;
    };
    const Fall faelle[] = {
        {"a\xC3", "a\uFFFD"},
        {"a\xE2\x82", "a\uFFFD"},
        {"a\xF0\x9F\x98", "a\uFFFD"},
        {"\xE2\x82"
         "b",
         "\uFFFDb"},
        {"\xF0\x9F\x98"
         "b",
         "\uFFFDb"},
        {"\xC0\xAF", "\uFFFD\uFFFD"},
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xC3\x41", "\uFFFDA"},
        {"\xE4\xF6\xFC", "\uFFFD\uFFFD\uFFFD"},
        {"x\xFFy\xC3\xA4", "x\uFFFDyä"},
    };
    for (const auto& f : faelle) {
        const std::string text = zol::datei_zu_utf8(bom + f.bytes);
        EXPECT_EQ(text, f.text) << f.text;
        EXPECT_TRUE(zol::ist_gueltiges_utf8(text));
    }
}

TEST(Utf8ZuDatei, WaehltDieKodierung) {
    const std::string bom = "\xEF\xBB\xBF";
    struct Fall {
        std::string text;
        std::string bytes;
    };
    const Fall faelle[] = {
        {"", ""},
        {"Hallo", "Hallo"},
        {"Größe: 5 €", "Gr\xF6\xDF"
                       "e: 5 \x80"},
        {"x → y", bom + "x → y"},
        {"√2 und ä", bom + "√2 und ä"},
        {"\U0001F600", bom + "\U0001F600"},
        // In Windows-1252 these would be DF 94 and C3 A4, which read as UTF-8.
        {"Fuß”", bom + "Fuß”"},
        {"Ã¤", bom + "Ã¤"},
        // A broken sequence is written as U+FFFD rather than copied into the file.
        {"a\xC3", bom + "a\uFFFD"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zol::utf8_zu_datei(f.text), f.bytes) << f.text;
    }
}

TEST(Utf8ZuDatei, GeschriebenerTextWirdGleichGelesen) {
    const std::string texte[] = {
        "",
        "Größe: 5 €\r\nÄÖÜ äöü ß",
        "x → y, √2",
        "Fuß”",
        "Ã¤ÃŸ",
        "\u0081\u008D\u008F\u0090\u009D",
        "\u00A0 ÿ Ÿ š",
        "\uFEFFam Anfang",
        "\U0001F600 Ende",
    };
    for (const auto& t : texte) {
        EXPECT_EQ(zol::datei_zu_utf8(zol::utf8_zu_datei(t)), t) << t;
    }
}

TEST(Zeilen, Teilen) {
    struct Fall {
        std::string text;
        Zeilen zeilen;
    };
    const Fall faelle[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\n", {"a"}},
        {"a\r", {"a"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\nb\nc", {"a", "b", "c"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\r\n\nb", {"a", "", "b"}},
        {"a\nb\r\nc\rd", {"a", "b", "c", "d"}},
        {" \t \r\n", {" \t "}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zol::zeilen_teilen(f.text), f.zeilen) << testing::PrintToString(f.text);
    }
}

TEST(Zeilen, VerbindenMitCrlfNachJederZeile) {
    struct Fall {
        Zeilen zeilen;
        std::string text;
    };
    const Fall faelle[] = {
        {{}, ""},
        {{""}, "\r\n"},
        {{"a"}, "a\r\n"},
        {{"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {{"", ""}, "\r\n\r\n"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(zol::zeilen_verbinden(f.zeilen), f.text);
        EXPECT_EQ(zol::zeilen_teilen(f.text), f.zeilen);
    }
}

class Textdatei : public testing::Test {
protected:
    void SetUp() override {
        std::random_device zufall;
        const auto zeit = std::chrono::steady_clock::now().time_since_epoch().count();
        ordner_ = fs::temp_directory_path() /
                  ("zol-textkodierung-" + std::to_string(zufall()) + "-" + std::to_string(zeit));
        ASSERT_TRUE(fs::create_directory(ordner_));
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(ordner_, ec);
    }

    std::string pfad(const std::string& name) const { return (ordner_ / name).string(); }

    static void roh_schreiben(const std::string& pfad, const std::string& bytes) {
        std::ofstream aus(pfad, std::ios::binary);
        aus << bytes;
        ASSERT_TRUE(aus.good());
    }
    static std::string roh_lesen(const std::string& pfad) {
        std::ifstream ein(pfad, std::ios::binary);
        std::ostringstream s;
        s << ein.rdbuf();
        return s.str();
    }
    // Everything in the folder, so leftover temporary files show up.
    std::vector<std::string> inhalt() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner_)) {
            namen.push_back(e.path().filename().string());
        }
        std::sort(namen.begin(), namen.end());
        return namen;
    }

    fs::path ordner_;
};

TEST_F(Textdatei, DeutscherTextAlsWindows1252MitCrlf) {
    const Zeilen zeilen = {"Größe: 5 €", "", "Äpfel, Öl, Übermaß"};
    const std::string p = pfad("deutsch.txt");
    ASSERT_TRUE(zol::textdatei_schreiben(p, zeilen));
    EXPECT_EQ(roh_lesen(p), "Gr\xF6\xDF"
                            "e: 5 \x80\r\n"
                            "\r\n"
                            "\xC4pfel, \xD6l, \xDC"
                            "berma\xDF\r\n");
    const auto gelesen = zol::textdatei_lesen(p);
    EXPECT_EQ(gelesen.fehler, Lesefehler::keiner);
    EXPECT_EQ(gelesen.zeilen, zeilen);
    EXPECT_EQ(inhalt(), Zeilen{"deutsch.txt"});
}

TEST_F(Textdatei, ZeichenAusserhalbVonWindows1252AlsUtf8MitBom) {
    const Zeilen zeilen = {"√2 ≈ 1,414", "x → y", "Maß"};
    const std::string p = pfad("utf8.txt");
    ASSERT_TRUE(zol::textdatei_schreiben(p, zeilen));
    EXPECT_EQ(roh_lesen(p), "\xEF\xBB\xBF√2 ≈ 1,414\r\nx → y\r\nMaß\r\n");
    const auto gelesen = zol::textdatei_lesen(p);
    EXPECT_EQ(gelesen.fehler, Lesefehler::keiner);
    EXPECT_EQ(gelesen.zeilen, zeilen);
}

TEST_F(Textdatei, LeereListeGibtLeereDatei) {
    const std::string p = pfad("leer.txt");
    ASSERT_TRUE(zol::textdatei_schreiben(p, {}));
    EXPECT_EQ(roh_lesen(p), "");
    const auto gelesen = zol::textdatei_lesen(p);
    EXPECT_EQ(gelesen.fehler, Lesefehler::keiner);
    EXPECT_TRUE(gelesen.zeilen.empty());
}

TEST_F(Textdatei, LiestFremdeZeilenendenUndKodierungen) {
    struct Fall {
        std::string bytes;
        Zeilen zeilen;
        const char* was;
    };
    const Fall faelle[] = {
        {"a\nb\n", {"a", "b"}, "nur LF"},
        {"a\rb\r", {"a", "b"}, "nur CR"},
        {"a\r\nb", {"a", "b"}, "ohne Umbruch am Ende"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e\n",
         {"Größe"},
         "UTF-8 ohne BOM"},
        {"\xEF\xBB\xBF"
         "a\r\n",
         {"a"},
         "UTF-8 mit BOM"},
        {"Gr\xF6\xDF"
         "e\r\x80\r",
         {"Größe", "€"},
         "Windows-1252 mit CR"},
    };
    for (const auto& f : faelle) {
        const std::string p = pfad("fremd.txt");
        roh_schreiben(p, f.bytes);
        const auto gelesen = zol::textdatei_lesen(p);
        EXPECT_EQ(gelesen.fehler, Lesefehler::keiner) << f.was;
        EXPECT_EQ(gelesen.zeilen, f.zeilen) << f.was;
    }
}

TEST_F(Textdatei, Lesefehler) {
    roh_schreiben(pfad("binaer.dat"), std::string("ab\0cd\r\n", 7));
    roh_schreiben(pfad("utf16le.txt"), std::string("\xFF\xFE"
                                                   "a\0b\0",
                                                   6));
    roh_schreiben(pfad("utf16be_ohne_nul.txt"), "\xFE\xFF\x03\xB1");
    roh_schreiben(pfad("utf16le_ohne_nul.txt"), "\xFF\xFE\xB1\x03");
    roh_schreiben(pfad("fuenf.txt"), "12345");
    fs::create_directory(ordner_ / "ordner");

    struct Fall {
        std::string pfad;
        std::uintmax_t max_bytes;
        Lesefehler fehler;
    };
    const Fall faelle[] = {
        {pfad("fehlt.txt"), 100, Lesefehler::nicht_vorhanden},
        {pfad("fehlt/auch.txt"), 100, Lesefehler::nicht_vorhanden},
        {pfad("ordner"), 100, Lesefehler::nicht_lesbar},
        {pfad("binaer.dat"), 100, Lesefehler::binaer},
        {pfad("utf16le.txt"), 100, Lesefehler::binaer},
        {pfad("utf16be_ohne_nul.txt"), 100, Lesefehler::binaer},
        {pfad("utf16le_ohne_nul.txt"), 100, Lesefehler::binaer},
        {pfad("fuenf.txt"), 4, Lesefehler::zu_gross},
        {pfad("fuenf.txt"), 0, Lesefehler::zu_gross},
        {pfad("fuenf.txt"), 5, Lesefehler::keiner},
    };
    for (const auto& f : faelle) {
        const auto gelesen = zol::textdatei_lesen(f.pfad, f.max_bytes);
        EXPECT_EQ(gelesen.fehler, f.fehler) << f.pfad << " max " << f.max_bytes;
        if (f.fehler != Lesefehler::keiner) {
            EXPECT_TRUE(gelesen.zeilen.empty()) << f.pfad;
        }
    }
}

TEST_F(Textdatei, ZuVieleOderZuLangeZeilenWerdenAbgewiesen) {
    roh_schreiben(pfad("leerzeilen.txt"), std::string(zol::max_textzeilen + 1, '\n'));
    roh_schreiben(pfad("grenze.txt"), std::string(zol::max_textzeilen, '\n'));
    roh_schreiben(pfad("lange_zeile.txt"),
                  "a\r\n" + std::string(zol::max_textzeilenlaenge + 1, 'x'));
    EXPECT_EQ(zol::textdatei_lesen(pfad("leerzeilen.txt")).fehler, Lesefehler::zu_gross);
    EXPECT_EQ(zol::textdatei_lesen(pfad("lange_zeile.txt")).fehler, Lesefehler::zu_gross);
    const auto grenze = zol::textdatei_lesen(pfad("grenze.txt"));
    EXPECT_EQ(grenze.fehler, Lesefehler::keiner);
    EXPECT_EQ(grenze.zeilen.size(), zol::max_textzeilen);
}

TEST_F(Textdatei, UeberschreibtVorhandeneDatei) {
    const std::string p = pfad("alt.txt");
    roh_schreiben(p, "alter Inhalt, der deutlich laenger ist als der neue\r\n");
    ASSERT_TRUE(zol::textdatei_schreiben(p, {"neu"}));
    EXPECT_EQ(roh_lesen(p), "neu\r\n");
    EXPECT_EQ(inhalt(), Zeilen{"alt.txt"});
}

TEST_F(Textdatei, SchreibenInFehlendenOrdnerScheitert) {
    EXPECT_FALSE(zol::textdatei_schreiben(pfad("fehlt/neu.txt"), {"a"}));
    EXPECT_TRUE(inhalt().empty());
}

TEST_F(Textdatei, SchreibenUnterEinerDateiScheitertUndLaesstSieStehen) {
    const std::string p = pfad("datei");
    roh_schreiben(p, "bleibt\r\n");
    EXPECT_FALSE(zol::textdatei_schreiben(p + "/neu.txt", {"a"}));
    EXPECT_EQ(roh_lesen(p), "bleibt\r\n");
    EXPECT_EQ(inhalt(), Zeilen{"datei"});
}

TEST_F(Textdatei, OrdnerAlsZielBleibtUndKeineTempDateiBleibtLiegen) {
    fs::create_directory(ordner_ / "ziel");
    roh_schreiben(pfad("ziel/drin.txt"), "x");
    EXPECT_FALSE(zol::textdatei_schreiben(pfad("ziel"), {"a"}));
    EXPECT_TRUE(fs::is_directory(ordner_ / "ziel"));
    EXPECT_EQ(roh_lesen(pfad("ziel/drin.txt")), "x");
    EXPECT_EQ(inhalt(), Zeilen{"ziel"});
}

TEST_F(Textdatei, SchreibgeschuetzteDateiBleibtUnveraendert) {
    const std::string p = pfad("nur_lesen.txt");
    roh_schreiben(p, "bleibt\r\n");
    fs::permissions(p, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(zol::textdatei_speichern(p, {"neu"}), zol::Schreibfehler::schreibgeschuetzt);
    EXPECT_EQ(roh_lesen(p), "bleibt\r\n");
    EXPECT_EQ(fs::status(p).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(p, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(Textdatei, RechteBleibenUndVerweisZeigtAufDieNeueDatei) {
    const std::string p = pfad("eigen.txt");
    roh_schreiben(p, "alt\r\n");
    const fs::perms rechte = fs::perms::owner_read | fs::perms::owner_write |
                             fs::perms::owner_exec | fs::perms::group_read;
    fs::permissions(p, rechte);
    ASSERT_TRUE(zol::textdatei_schreiben(p, {"neu"}));
    EXPECT_EQ(fs::status(p).permissions() & fs::perms::all, rechte);

    fs::create_symlink("eigen.txt", ordner_ / "verweis.txt");
    ASSERT_TRUE(zol::textdatei_schreiben(pfad("verweis.txt"), {"ueber den Verweis"}));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(ordner_ / "verweis.txt")));
    EXPECT_EQ(roh_lesen(p), "ueber den Verweis\r\n");
    EXPECT_EQ(fs::status(p).permissions() & fs::perms::all, rechte);
}

TEST_F(Textdatei, LiegengebliebeneTempDateiWirdBeimNaechstenSpeichernEntfernt) {
    const std::string p = pfad("ziel.txt");
    roh_schreiben(p, "alt\r\n");
    roh_schreiben(pfad(".ziel.txt.zol-tmp"), "halb geschrieben");
    ASSERT_TRUE(zol::textdatei_schreiben(p, {"neu"}));
    EXPECT_EQ(roh_lesen(p), "neu\r\n");
    EXPECT_EQ(inhalt(), Zeilen{"ziel.txt"});
}

#ifdef ZOL_HAT_RLIMIT
// Limits the size of files this process may write, which stops root as well.
class Dateigroessengrenze {
public:
    explicit Dateigroessengrenze(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &alt_);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        aktiv_ = setrlimit(RLIMIT_FSIZE, &neu) == 0;
        alter_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~Dateigroessengrenze() {
        setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, alter_handler_);
    }
    Dateigroessengrenze(const Dateigroessengrenze&) = delete;
    Dateigroessengrenze& operator=(const Dateigroessengrenze&) = delete;
    bool aktiv() const { return aktiv_; }

private:
    rlimit alt_{};
    bool aktiv_ = false;
    void (*alter_handler_)(int) = SIG_DFL;
};
#endif

TEST_F(Textdatei, AbgebrochenesSchreibenLaesstAlteDateiStehen) {
#ifdef ZOL_HAT_RLIMIT
    const std::string p = pfad("wichtig.txt");
    roh_schreiben(p, "alt\r\n");
    const Zeilen lang(100, "eine Zeile, die nicht mehr in die Datei passt");
    bool ok = true;
    {
        Dateigroessengrenze grenze(64);
        ASSERT_TRUE(grenze.aktiv());
        ok = zol::textdatei_schreiben(p, lang);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(roh_lesen(p), "alt\r\n");
    EXPECT_EQ(inhalt(), Zeilen{"wichtig.txt"});
#else
    GTEST_SKIP() << "keine Dateigroessengrenze auf diesem System";
#endif
}

} // namespace

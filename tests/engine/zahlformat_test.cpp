#include "engine/zahlformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <limits>
#include <span>
#include <string>

namespace {

using zol::allgemeinformat;
using zol::format;

struct Fall {
    const char* bild;
    long double wert;
    const char* erwartet;
};

void pruefen(std::span<const Fall> faelle) {
    for (const Fall& f : faelle)
        EXPECT_EQ(format(f.bild, f.wert), f.erwartet)
            << "Bild \"" << f.bild << "\", Wert " << static_cast<double>(f.wert);
}

constexpr long double inf = std::numeric_limits<long double>::infinity();
constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();

// Half away from zero on the decimal digits, not on the binary value.
TEST(Zahlformat, RundetKaufmaennisch) {
    const Fall faelle[] = {
        {"0.00", 2.675L, "2,68"},
        {"0.00", 0.125L, "0,13"},
        {"0.00", 1.005L, "1,01"},
        {"0.00", 0.005L, "0,01"},
        {"0.00", 0.004999L, "0,00"},
        {"0", 0.5L, "1"},
        {"0", -0.5L, "-1"},
        {"0", 1.5L, "2"},
        {"0", 2.5L, "3"},
        {"0.000", 123.78676L, "123,787"},
        {"0.0", -34.56744L, "-34,6"},
        {"0.0", 0.95L, "1,0"},
        {"0.00", 9.995L, "10,00"},
        {"0", 999.5L, "1000"},
    };
    pruefen(faelle);
}

TEST(Zahlformat, Ganzzahlstellen) {
    const Fall faelle[] = {
        {"0", 1234, "1234"},
        {"000", 7, "007"},
        {"00.0", 5, "05,0"},
        {"#.##", 1234, "1234"},
        {"#.##", 0.5L, ",5"},
        {"#.##", 0, ""},
        {"#0", 0.3L, "0"},
        {"0.##", 0, "0"},
        {"##0.######", 1000000, "1000000"},
        {"0.00", 12, "12,00"},
        {"0.00", 123456789012.0L, "123456789012,00"},
    };
    pruefen(faelle);
}

TEST(Zahlformat, Nachkommastellen) {
    const Fall faelle[] = {
        {"0.0#", 1.5L, "1,5"},
        {"0.0#", 1.25L, "1,25"},
        {"0.0#", 1, "1,0"},
        {"0.##", 1, "1"},
        {"0.##", 1.1L, "1,1"},
        {"0.#0", 1.5L, "1,50"},
        {"##0.######", 1.00000034L, "1"},
        {"0.000", 0.0000004L, "0,000"},
        {"0.0.0", 1.25L, "1,25"},
    };
    pruefen(faelle);
}

TEST(Zahlformat, Tausendergruppen) {
    const Fall faelle[] = {
        {"#,##0.00", 1234, "1.234,00"},
        {"#,##0.00", 1234567.891L, "1.234.567,89"},
        {"#,##0.00", 0.5L, "0,50"},
        {"#,##0.00", -0.5L, "-0,50"},
        {"#,##0", 999, "999"},
        {"#,##0", 1000, "1.000"},
        {"#,##0", -1234567, "-1.234.567"},
        {"#,##0", 1e17L, "100.000.000.000.000.000"},
        {"0,000", 12, "0.012"},
    };
    pruefen(faelle);
}

TEST(Zahlformat, Abschnitte) {
    const Fall faelle[] = {
        {"#,##0.00;(#,##0.00)", -1234, "(1.234,00)"},
        {"#,##0.00;(#,##0.00)", 1234, "1.234,00"},
        {"#,##0.00;;Zero", 0, "Zero"},
        {"0.00;;'Null'", 0, "Null"},
        {"0.00;;Null", 0.001L, "Null"},
        {"0.00;;Null", -0.001L, "Null"},
        {"0.00;;Null", -0.0L, "Null"},
        {"0.00;(0.00)", -0.001L, "0,00"},
        {"0.000", -0.0000004L, "0,000"},
        {"0.00", -0.0L, "0,00"},
        {"0;;Null", -5, "-5"},
        {"0;(0);Null", -0.4L, "Null"},
        {"0;(0);Null;x", 0, "Null"},
        {"0.0E+0;;Null", 1e-300L, "1,0E-300"},
        {"0.0E+0;;Null", 0, "Null"},
        {"'a;b'0;(0)", -5, "(5)"},
    };
    pruefen(faelle);
}

TEST(Zahlformat, Wissenschaftlich) {
    const Fall faelle[] = {
        {"0.00E-0", 123.78676L, "1,24E2"}, {"0.00E-0", 0.0000004L, "4,00E-7"},
        {"0.0E-0", 1e-6L, "1,0E-6"},       {"0.0E-0", 1000000, "1,0E6"},
        {"#.##e+##", 12, "1,2e+1"},        {"#.##e+##", 0.5L, "5e-1"},
        {"#.##e+##", 1234, "1,23e+3"},     {"#.##e+##", 0, "0e+0"},
        {"0.000E+00", 1234, "1,234E+03"},  {"0.000E+00", -1234, "-1,234E+03"},
        {"0.000E+00", 0.5L, "5,000E-01"},  {"0.000E+00", 0, "0,000E+00"},
        {"0.00E+00", 1e20L, "1,00E+20"},   {"#.###E-0", 1234, "1,234E3"},
        {"#.###E-0", 0.5L, "5E-1"},        {"#.###E-0", 0, "0E0"},
        {"00.0E+0", 1234, "12,3E+2"},      {"00.0E+0", 0, "00,0E+0"},
        {"##0.0E+0", 0, "0,0E+0"},         {"0.0E+0", 9.96L, "1,0E+1"},
        {"0.0E+0", -1e-300L, "-1,0E-300"}, {"0E-0", 1e4000L, "1E4000"},
        {"0E+000000", 1234, "1E+0003"},
    };
    pruefen(faelle);
}

// Whole numbers take a shortcut to their digits; it must give what the general conversion of
// the value gives (glibc's exact printf is the reference), at every length up to 18 digits and
// at the edges where rounding to 18 significant digits starts.
TEST(Zahlformat, GanzeZahlenWieAllgemein) {
    std::vector<long double> werte;
    long double p = 1;
    for (int k = 0; k <= 19; ++k, p *= 10)
        for (const long double d : {-1.0L, 0.0L, 1.0L, 7.0L})
            werte.push_back(p + d);
    for (const long double w : {123456789012345678.0L, 999999999999999999.0L,
                                18446744073709551615.0L, 4294967296.0L, 36028797018963969.0L})
        werte.push_back(w);
    for (const long double w : werte)
        for (const long double v : {w, -w}) {
            if (v == 0) continue; // the program writes no "-0"
            char puffer[64];
            std::snprintf(puffer, sizeof puffer, "%.17LE", v);
            std::string erwartet = puffer;
            std::replace(erwartet.begin(), erwartet.end(), '.', ',');
            EXPECT_EQ(format("0.00000000000000000E+00", v), erwartet)
                << static_cast<double>(v);
        }
}

TEST(Zahlformat, Literale) {
    const Fall faelle[] = {
        {"0.00 'cm'", 1.5L, "1,50 cm"},
        {"0 \"kg\"", 3, "3 kg"},
        {"0 'a;b'", 5, "5 a;b"},
        {"'0.#E+0'0", 5, "0.#E+05"},
        {"0 Euro", 5, "5 Euro"},
        {"0e", 5, "5e"},
        {"[0]", 5, "[5]"},
        {"00-00", 12345, "123-45"},
        {"00-00", 5, "00-05"},
        {"'x'0", -5, "-x5"},
    };
    pruefen(faelle);
}

// From 10^18 on a fixed picture would need 19 or more integer digits.
TEST(Zahlformat, GrosseWerteAllgemein) {
    const Fall faelle[] = {
        {"0", 999999999999999999.0L, "999999999999999999"},
        {"0", 999999999999999999.6L, "1E18"},
        {"0", 1e18L, "1E18"},
        {"0.00", -1e20L, "-1E20"},
        {"#,##0", 1e300L, "1E300"},
        {"0;(0)", -1e20L, "-1E20"},
    };
    pruefen(faelle);
}

TEST(Zahlformat, Allgemeinform) {
    const struct {
        long double wert;
        const char* erwartet;
    } faelle[] = {
        {1234, "1234"},
        {0.5L, "0,5"},
        {0.1L, "0,1"},
        {1e-7L, "1E-7"},
        {1e-5L, "0,00001"},
        {1e20L, "1E20"},
        {1.5e20L, "1,5E20"},
        {1.0L / 3, "0,333333333333333"},
        {2.0L / 3, "0,666666666666667"},
        {-2.5L, "-2,5"},
        {-2.5e-6L, "-2,5E-6"},
        {0, "0"},
        {-0.0L, "0"},
        {123456789012345.0L, "123456789012345"},
        {999999999999999.9L, "1E15"},
        {1e15L, "1E15"},
        {std::numeric_limits<long double>::max(), "1,18973149535723E4932"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(allgemeinformat(f.wert), f.erwartet) << static_cast<double>(f.wert);
        EXPECT_EQ(format("", f.wert), f.erwartet) << static_cast<double>(f.wert);
    }
}

TEST(Zahlformat, NichtEndlich) {
    const Fall faelle[] = {
        {"", inf, "INF"},       {"", -inf, "-INF"},     {"", nan, "NAN"},
        {"0.00", inf, "INF"},   {"0.00", -inf, "-INF"}, {"0.00E+00", nan, "NAN"},
        {";(0)", -inf, "-INF"},
    };
    pruefen(faelle);
}

TEST(Zahlformat, SeltsameBilderBleibenHarmlos) {
    const long double werte[] = {
        0,
        -0.0L,
        std::numeric_limits<long double>::denorm_min(),
        -std::numeric_limits<long double>::denorm_min(),
        1e4000L,
        std::numeric_limits<long double>::max(),
        -std::numeric_limits<long double>::max(),
        inf,
        -inf,
        nan,
        -1234.5L,
    };
    const std::string bilder[] = {
        "",
        ";",
        ";;",
        ";;;;",
        "'",
        "\"abc",
        "0;\"a;b",
        "E+",
        "e-#",
        "0E+0000000",
        "#,#,#.#.#",
        ".",
        ",",
        "0.E+0.0E-0",
        "0." + std::string(200, '0'),
        "0." + std::string(200, '#') + "E+00",
        std::string(10000, '#'),
        "#," + std::string(10000, '0'),
        std::string(10000, '0') + "E-0",
        std::string("0\0.0\xff\x80", 6),
    };
    for (const std::string& bild : bilder)
        for (const long double wert : werte) {
            const std::string text = format(bild, wert);
            EXPECT_LE(text.size(), 2 * bild.size() + 64) << bild.substr(0, 40);
        }
}

// Pictures drawn from the characters the language gives meaning to.
TEST(Zahlformat, ZufallsbilderBleibenHarmlos) {
    const char zeichen[] = "0#.,;Ee+-'\" x";
    unsigned zustand = 12345;
    auto naechste = [&zustand] { return zustand = zustand * 1103515245u + 12345u; };
    const long double werte[] = {0, -1.5L, 123456.789L, 1e-300L, -1e25L};
    for (int runde = 0; runde < 3000; ++runde) {
        std::string bild;
        const unsigned laenge = (naechste() >> 16) % 24;
        for (unsigned i = 0; i < laenge; ++i)
            bild += zeichen[(naechste() >> 16) % (sizeof zeichen - 1)];
        for (const long double wert : werte)
            EXPECT_LE(format(bild, wert).size(), 2 * bild.size() + 64) << bild;
    }
}

} // namespace

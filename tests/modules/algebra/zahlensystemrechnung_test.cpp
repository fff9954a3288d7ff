// The number systems' arithmetic: reading and writing bases and Roman numerals, the operations
// with their refusals, the equations of the result shapes and the conversion table.
#include "modules/algebra/zahlensystemrechnung.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using namespace zol;

constexpr std::int32_t groesste = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kleinste = std::numeric_limits<std::int32_t>::min();

TEST(Zahlensystemrechnung, BasisLesen) {
    struct Fall {
        const char* text;
        int basis;
        bool ok;
        std::int32_t wert;
    };
    const Fall faelle[] = {
        {"255", 10, true, 255},
        {"11111111", 2, true, 255},
        {"FF", 16, true, 255},
        {"ff", 16, true, 255}, // lower case counts as hexadecimal digits
        {"7e8", 16, true, 2024},
        {"377", 8, true, 255},
        {"A", 11, true, 10},
        {"GF", 16, false, 0},
        {"A", 10, false, 0},
        {"102", 2, false, 0}, // a digit not below the base
        {"9", 8, false, 0},
        {"-5", 10, false, 0}, // no sign: it must not read as -25
        {"+5", 10, false, 0},
        {"12a", 10, false, 0},
        {"1 2", 10, false, 0},
        {"1,5", 10, false, 0},
        {"\xC3\xA4", 16, false, 0}, // a letter outside ASCII
        {"  42\t", 10, true, 42},   // blanks around the number
        {"", 10, true, 0},
        {"   ", 2, true, 0},
        {"2147483647", 10, true, groesste},
        {"2147483648", 10, false, 0}, // above the 32-bit range
        {"99999999999999999999999", 10, false, 0},
        {"7FFFFFFF", 16, true, groesste},
        {"80000000", 16, false, 0},
        {"1111111111111111111111111111111", 2, true, groesste},
        {"00000000000000000000000000000000000000001", 2, true, 1}, // leading zeros never overflow
        {"10", 1, false, 0},
        {"10", 17, false, 0},
    };
    for (const Fall& f : faelle) {
        std::int32_t wert = -1;
        EXPECT_EQ(basis_lesen(f.text, f.basis, wert), f.ok) << f.text << " zur Basis " << f.basis;
        EXPECT_EQ(wert, f.wert) << f.text << " zur Basis " << f.basis;
    }
}

TEST(Zahlensystemrechnung, BasisText) {
    struct Fall {
        std::int64_t wert;
        int basis;
        const char* text;
    };
    const Fall faelle[] = {
        {255, 2, "11111111"},
        {255, 16, "FF"},
        {255, 8, "377"},
        {2024, 2, "11111101000"},
        {2024, 16, "7E8"},
        {0, 2, "0"},
        {0, 16, "0"},
        {15, 16, "F"},
        {35, 16, "23"},
        {14, 15, "E"},
        {groesste, 2, "1111111111111111111111111111111"},
        {-10, 10, "-10"},
        {std::numeric_limits<std::int64_t>::min(), 16, "-8000000000000000"},
        {5, 1, ""},
        {5, 17, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(basis_text(f.wert, f.basis), f.text) << f.wert << " zur Basis " << f.basis;
}

TEST(Zahlensystemrechnung, RoemischSchreiben) {
    struct Fall {
        std::int64_t wert;
        const char* text;
    };
    const Fall faelle[] = {
        {1, "I"},
        {4, "IV"},
        {9, "IX"},
        {14, "XIV"},
        {40, "XL"},
        {49, "IL"}, // short forms of the last two digits
        {90, "XC"},
        {99, "IC"},
        {149, "CIL"},
        {199, "CIC"},
        {255, "CCLV"},
        {400, "CD"},
        {490, "XD"}, // short forms of the last three digits
        {499, "ID"},
        {900, "CM"},
        {990, "XM"},
        {991, "CMXCI"},
        {995, "CMXCV"},
        {999, "IM"},
        {1490, "MXD"},
        {1499, "MID"},
        {1949, "MCMIL"},
        {1990, "MXM"},
        {1999, "MIM"},
        {2024, "MMXXIV"},
        {3888, "MMMDCCCLXXXVIII"},
        {3999, "MMMIM"},
        {4000, "Zahl zu groß!"},
        {2147483647, "Zahl zu groß!"},
        {0, ""},
        {-3, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(roemisch_text(f.wert), f.text) << f.wert;
}

TEST(Zahlensystemrechnung, RoemischLesenIstDieUmkehrungDesSchreibens) {
    for (std::int32_t n = 1; n <= 3999; ++n) {
        std::int32_t wert = 0;
        ASSERT_TRUE(roemisch_lesen(roemisch_text(n), wert)) << roemisch_text(n);
        ASSERT_EQ(wert, n) << roemisch_text(n);
    }
}

TEST(Zahlensystemrechnung, RoemischLesen) {
    struct Fall {
        const char* text;
        bool ok;
        std::int32_t wert;
    };
    const Fall faelle[] = {
        {"MCMXCIX", true, 1999}, // the usual forms are read as well
        {"CMXCIX", true, 999},
        {"XCIX", true, 99},
        {"CDXCIX", true, 499},
        {"MCMIC", true, 1999}, // hundreds, then a short form of the last two digits
        {"mmxxiv", true, 2024},
        {"MmXxIv", true, 2024},
        {" XIV\t", true, 14},
        {"MMM", true, 3000},
        {"", false, 0},
        {"   ", false, 0},
        {"IIII", false, 0},
        {"MMMM", false, 0}, // 4000 and more cannot be written
        {"VX", false, 0},
        {"IIV", false, 0},
        {"XMI", false, 0}, // a short form ends the numeral
        {"CIM", false, 0}, // a three-digit short form follows the thousands only
        {"IMM", false, 0},
        {"XIZ", false, 0},
        {"ABC", false, 0},
        {"0", false, 0},
        {"X I", false, 0},
        {"-X", false, 0},
        {"\xE2\x85\xA0", false, 0}, // the single Unicode character for one
    };
    for (const Fall& f : faelle) {
        std::int32_t wert = -1;
        EXPECT_EQ(roemisch_lesen(f.text, wert), f.ok) << f.text;
        EXPECT_EQ(wert, f.wert) << f.text;
    }
}

TEST(Zahlensystemrechnung, ZahlLesenNachSystem) {
    struct Fall {
        const char* text;
        Zahlensystem system;
        int basis;
        std::int32_t wert;
        Lesefehler fehler;
    };
    const Fall faelle[] = {
        {"255", Zahlensystem::dezimal, 8, 255, Lesefehler::keiner},
        {"FF", Zahlensystem::dezimal, 8, 0, Lesefehler::eingabe},
        {"-5", Zahlensystem::dezimal, 8, 0, Lesefehler::eingabe},
        {"11111111", Zahlensystem::dual, 8, 255, Lesefehler::keiner},
        {"102", Zahlensystem::dual, 8, 0, Lesefehler::eingabe},
        {"ff", Zahlensystem::hexadezimal, 8, 255, Lesefehler::keiner},
        {"377", Zahlensystem::basis, 8, 255, Lesefehler::keiner},
        {"377", Zahlensystem::basis, 7, 0, Lesefehler::eingabe},
        {"CCLV", Zahlensystem::roemisch, 8, 255, Lesefehler::keiner},
        {"CCLVV", Zahlensystem::roemisch, 8, 0, Lesefehler::ausdruck},
        {"255", Zahlensystem::roemisch, 8, 0, Lesefehler::ausdruck},
    };
    for (const Fall& f : faelle) {
        Lesefehler fehler = Lesefehler::keiner;
        EXPECT_EQ(zahl_lesen(f.text, f.system, f.basis, fehler), f.wert) << f.text;
        EXPECT_EQ(fehler, f.fehler) << f.text;
    }
    EXPECT_EQ(lesefehlertext(Lesefehler::eingabe), "Fehlerhafte Eingabe");
    EXPECT_EQ(lesefehlertext(Lesefehler::ausdruck), "Fehlerhafter Ausdruck");
    EXPECT_EQ(lesefehlertext(Lesefehler::keiner), "");
}

TEST(Zahlensystemrechnung, ZahlTextNachSystem) {
    EXPECT_EQ(zahl_text(2024, Zahlensystem::dezimal, 8), "2024");
    EXPECT_EQ(zahl_text(2024, Zahlensystem::dual, 8), "11111101000");
    EXPECT_EQ(zahl_text(2024, Zahlensystem::hexadezimal, 8), "7E8");
    EXPECT_EQ(zahl_text(2024, Zahlensystem::basis, 8), "3750");
    EXPECT_EQ(zahl_text(2024, Zahlensystem::basis, 3), "2202222");
    EXPECT_EQ(zahl_text(2024, Zahlensystem::roemisch, 8), "MMXXIV");
}

TEST(Zahlensystemrechnung, Rechnen) {
    const std::string zu_gross = "Zahl zu groß!";
    const std::string kleiner = "Zahl 1 muss größer als Zahl 2  sein.";
    const std::string null = "Division durch 0 ist nicht erlaubt.";
    struct Fall {
        Rechenart art;
        std::int32_t z1, z2;
        std::int32_t wert, rest;
        std::string fehler; // empty: computed
    };
    const Fall faelle[] = {
        {Rechenart::plus, 2, 3, 5, 0, ""},
        {Rechenart::plus, groesste - 1, 1, groesste, 0, ""},
        {Rechenart::plus, groesste, 1, 0, 0, zu_gross}, // the 32-bit wrap would give a negative sum
        {Rechenart::minus, 7, 5, 2, 0, ""},
        {Rechenart::minus, 5, 5, 0, 0, kleiner},
        {Rechenart::minus, 3, 5, 0, 0, kleiner},
        {Rechenart::mal, 46340, 46340, 2147395600, 0, ""},
        {Rechenart::mal, 46341, 46341, 0, 0, zu_gross},
        {Rechenart::mal, 65536, 65536, 0, 0, zu_gross}, // would wrap to 0
        {Rechenart::mal, 0, groesste, 0, 0, ""},
        {Rechenart::geteilt, 17, 5, 3, 2, ""},
        {Rechenart::geteilt, 15, 5, 3, 0, ""},
        {Rechenart::geteilt, 3, 5, 0, 3, ""},
        {Rechenart::geteilt, -7, 2, -3, -1,
         ""}, // truncating, the remainder has the dividend's sign
        {Rechenart::geteilt, 5, 0, 0, 0, null},
        {Rechenart::geteilt, 0, 0, 0, 0, null},
        {Rechenart::geteilt, kleinste, -1, 0, 0, zu_gross},
    };
    for (const Fall& f : faelle) {
        Rechenergebnis r{99, 98};
        std::string fehler;
        const bool ok = rechnen(f.art, f.z1, f.z2, r, fehler);
        const std::string fall = std::to_string(f.z1) + " " + std::string(operatorzeichen(f.art)) +
                                 " " + std::to_string(f.z2);
        EXPECT_EQ(ok, f.fehler.empty()) << fall;
        EXPECT_EQ(fehler, f.fehler) << fall;
        if (ok) {
            EXPECT_EQ(r.wert, f.wert) << fall;
            EXPECT_EQ(r.rest, f.rest) << fall;
        } else {
            EXPECT_EQ(r.wert, 99) << fall; // a refusal leaves the result as it was
            EXPECT_EQ(r.rest, 98) << fall;
        }
    }
}

TEST(Zahlensystemrechnung, Gleichungen) {
    struct Fall {
        Rechenart art;
        std::int32_t z1, z2;
        Zahlensystem system;
        int basis;
        const char* text;
    };
    const Fall faelle[] = {
        {Rechenart::geteilt, 17, 5, Zahlensystem::dezimal, 8, "17 : 5 =3 Rest 2"},
        {Rechenart::geteilt, 17, 5, Zahlensystem::dual, 8, "10001 : 101 =11 Rest 10"},
        {Rechenart::geteilt, 17, 5, Zahlensystem::hexadezimal, 8, "11 : 5 =3 Rest 2"},
        {Rechenart::geteilt, 17, 5, Zahlensystem::basis, 8, "21 : 5 =3 Rest 2"},
        {Rechenart::geteilt, 17, 5, Zahlensystem::roemisch, 8, "XVII : V =III Rest II"},
        {Rechenart::geteilt, 15, 5, Zahlensystem::dezimal, 8, "15 : 5 =3"}, // no remainder
        {Rechenart::geteilt, 3, 5, Zahlensystem::roemisch, 8, "III : V = Rest III"},
        {Rechenart::plus, 2024, 0, Zahlensystem::roemisch, 8, "MMXXIV +  =MMXXIV"},
        {Rechenart::plus, 255, 1, Zahlensystem::hexadezimal, 8, "FF + 1 =100"},
        {Rechenart::minus, 10, 3, Zahlensystem::basis, 3, "101 - 10 =21"},
        {Rechenart::mal, 2000, 2, Zahlensystem::roemisch, 8, "MM * II =Zahl zu groß!"},
    };
    for (const Fall& f : faelle) {
        Rechenergebnis r;
        std::string fehler;
        ASSERT_TRUE(rechnen(f.art, f.z1, f.z2, r, fehler)) << fehler;
        EXPECT_EQ(gleichung(f.z1, f.z2, f.art, r, f.system, f.basis), f.text);
    }
}

TEST(Zahlensystemrechnung, Umrechnungstabelle) {
    const std::string kopf = "Dezimal\t\tDual\t\tHex\t\tBasis8\t\tRömisch";
    Umrechnungstabelle t = umrechnungstabelle(254, 256, 8);
    EXPECT_EQ(t.zeilen, (std::vector<std::string>{kopf, "254\t\t11111110\t\tFE\t\t376\t\tCCLIV",
                                                  "255\t\t11111111\t\tFF\t\t377\t\tCCLV",
                                                  "256\t\t100000000\t\t100\t\t400\t\tCCLVI"}));
    EXPECT_FALSE(t.gekappt);

    // Zero has no Roman numeral, 4000 is too large for one.
    t = umrechnungstabelle(0, 0, 16);
    EXPECT_EQ(t.zeilen, (std::vector<std::string>{"Dezimal\t\tDual\t\tHex\t\tBasis16\t\tRömisch",
                                                  "0\t\t0\t\t0\t\t0\t\t"}));
    t = umrechnungstabelle(4000, 4000, 2);
    EXPECT_EQ(t.zeilen.back(), "4000\t\t111110100000\t\tFA0\t\t111110100000\t\tZahl zu groß!");

    // Nothing listed for exchanged limits.
    t = umrechnungstabelle(5, 4, 8);
    EXPECT_EQ(t.zeilen, std::vector<std::string>{kopf});
    EXPECT_FALSE(t.gekappt);

    // At most 10000 numbers; the whole 32-bit range ends there too, without overflowing.
    t = umrechnungstabelle(1, 10000, 8);
    EXPECT_EQ(t.zeilen.size(), 10001u);
    EXPECT_FALSE(t.gekappt);
    t = umrechnungstabelle(1, 10001, 8);
    EXPECT_EQ(t.zeilen.size(), 10001u);
    EXPECT_TRUE(t.gekappt);
    EXPECT_EQ(t.zeilen.back().substr(0, 7), "10000\t\t");
    t = umrechnungstabelle(0, groesste, 8);
    EXPECT_EQ(t.zeilen.size(), 10001u);
    EXPECT_TRUE(t.gekappt);
    t = umrechnungstabelle(groesste - 1, groesste, 16);
    ASSERT_EQ(t.zeilen.size(), 3u);
    EXPECT_EQ(t.zeilen[2].substr(0, 12), "2147483647\t\t");
    EXPECT_EQ(kappungsmeldung(), "Die Ausgabe wurde nach 10000 Einträgen abgebrochen.");
}

} // namespace

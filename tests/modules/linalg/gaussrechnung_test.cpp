// The linear system window's arithmetic: solutions and the eliminated matrix as texts, with the
// edge cases of the window and the rounding traps of decimal coefficients.
#include "modules/linalg/gaussrechnung.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace zol;
using Texte = std::vector<std::string>;

struct Fall {
    const char* name;
    std::vector<std::vector<long double>> zeilen;
    Texte loesung;                 // empty: not solvable
    std::vector<Texte> eliminiert; // the matrix shown instead (checked when given)
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Lgs : public testing::TestWithParam<Fall> {};

TEST_P(Lgs, ZeigtLoesungOderEliminierteMatrix) {
    const Fall& fall = GetParam();
    const Lgsergebnis e = lgs_rechnen(fall.zeilen, "0.00");
    EXPECT_EQ(e.loesbar, !fall.loesung.empty());
    EXPECT_EQ(e.loesung, fall.loesung);
    if (e.loesbar) {
        EXPECT_TRUE(e.matrix.empty());
    } else {
        ASSERT_EQ(e.matrix.size(), fall.zeilen.size());
        for (const Texte& zeile : e.matrix)
            EXPECT_EQ(zeile.size(), fall.zeilen.size() + 1);
    }
    if (!fall.eliminiert.empty()) {
        EXPECT_EQ(e.matrix, fall.eliminiert);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Lgs,
    testing::Values(
        Fall{"ZweiMalZwei", {{2, 1, 3}, {1, -1, 0}}, {"1,00", "1,00"}, {}},
        Fall{"ZeilentauschBeiNull", {{0, 1, 2}, {1, 0, 3}}, {"3,00", "2,00"}, {}},
        Fall{"Abhaengig",
             {{1, 1, 1}, {2, 2, 2}},
             {},
             {{"1,00", "1,00", "1,00"}, {"0,00", "0,00", "0,00"}}},
        Fall{"EineUnbekannte", {{4, 3}}, {"0,75"}, {}},
        Fall{"EineUnbekannteNull", {{0, 3}}, {}, {{"0,00", "3,00"}}},
        Fall{"DreiMalDrei",
             {{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}},
             {"2,00", "3,00", "-1,00"},
             {}},
        Fall{"DreiMalDreiErsteSpalteMitNullen",
             {{0, 1, 1, 2}, {0, 2, 1, 3}, {3, 1, 1, 5}},
             {"1,00", "1,00", "1,00"},
             {}},
        // Without a relative zero test the first shows x1 = 5,53E19 and the second "solves".
        Fall{"DezimalbruecheWiderspruch",
             {{0.1L, 0.3L, 1}, {0.3L, 0.9L, 4}},
             {},
             {{"0,10", "0,30", "1,00"}, {"0,00", "0,00", "1,00"}}},
        Fall{"DezimalbruecheAbhaengig", {{0.1L, 0.3L, 1}, {0.3L, 0.9L, 3}}, {}, {}},
        Fall{"WinzigesPivot", {{1e-20L, 1, 1}, {1, 1, 2}}, {"1,00", "1,00"}, {}},
        Fall{"KleineEhrlicheKoeffizienten", {{1e-30L, 2e-30L}}, {"2,00"}, {}},
        // A solution that rounds to zero shows no minus sign.
        Fall{"KeineMinusNull", {{3, -1e-9L}}, {"0,00"}, {}}),
    [](const testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

TEST(Lgs, ZahlenformatGiltFuerAlleTexte) {
    EXPECT_EQ(lgs_rechnen({{3, 1}}, "0.000").loesung, Texte{"0,333"});
    EXPECT_EQ(lgs_rechnen({{0, 1}}, "0.0").matrix, (std::vector<Texte>{{"0,0", "1,0"}}));
}

TEST(Lgs, GroesseImFensterbereich) {
    EXPECT_EQ(linalg_groesse(15), 10);
    EXPECT_EQ(linalg_groesse(0), 1);
    EXPECT_EQ(linalg_groesse(-3), 1);
    EXPECT_EQ(linalg_groesse(7), 7);
}

} // namespace

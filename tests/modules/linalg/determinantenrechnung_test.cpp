// The determinant by cofactor expansion: exact values for integer matrices, the skipped zero
// rows and the text of the result field.
#include "modules/linalg/determinantenrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zol;
using Matrix = std::vector<std::vector<long double>>;

Matrix zweiAufDerDiagonale(int n) {
    Matrix m(static_cast<std::size_t>(n), std::vector<long double>(static_cast<std::size_t>(n), 1));
    for (int i = 0; i < n; ++i)
        m[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 2;
    return m;
}

struct Fall {
    const char* name;
    Matrix m;
    const char* text;
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Det : public testing::TestWithParam<Fall> {};

TEST_P(Det, Text) {
    EXPECT_EQ(determinantentext(determinante(GetParam().m).wert, "0.00"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Det,
    testing::Values(Fall{"EinsMalEins", {{-7.5L}}, "deter=-7,50"},
                    Fall{"ZweiMalZwei", {{1, 2}, {3, 4}}, "deter=-2,00"},
                    Fall{"Einheitsmatrix", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, "deter=1,00"},
                    Fall{"Tridiagonal", {{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}}, "deter=4,00"},
                    Fall{"ZehnMalZehn", zweiAufDerDiagonale(10), "deter=11,00"},
                    Fall{"Singulaer", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, "deter=0,00"},
                    Fall{"ErsteSpalteNull", {{0, 1}, {0, 2}}, "deter=0,00"},
                    Fall{"Ueberlauf", {{1e4000L, 0}, {0, 1e4000L}}, "deter=n. d."}),
    [](const testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

TEST(Determinante, AufrufeUndUebersprungeneNullen) {
    EXPECT_EQ(determinante(zweiAufDerDiagonale(10)).aufrufe, 6235301);
    // A zero in a first column spares that row's minor and everything below it.
    EXPECT_EQ(determinante({{0, 1}, {1, 0}}).aufrufe, 2);
    Matrix diagonal = zweiAufDerDiagonale(10);
    for (std::size_t i = 0; i < 10; ++i)
        for (std::size_t j = 0; j < 10; ++j)
            if (i != j) diagonal[i][j] = 0;
    const Determinante d = determinante(diagonal);
    EXPECT_EQ(d.wert, 1024);
    EXPECT_EQ(d.aufrufe, 10);
}

TEST(Determinante, GroesseAusserhalbGibtKeinenWert) {
    EXPECT_TRUE(std::isnan(determinante({}).wert));
    EXPECT_TRUE(std::isnan(determinante(zweiAufDerDiagonale(11)).wert));
    EXPECT_EQ(determinante(zweiAufDerDiagonale(11)).aufrufe, 0);
}

// Integer matrices give the exact determinant: compared with fraction-free (Bareiss)
// elimination in 64-bit integers.
TEST(Determinante, GanzzahligeMatrizenExakt) {
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> eintrag(-9, 9);
    for (int versuch = 0; versuch < 200; ++versuch) {
        const int n = 1 + versuch % 6;
        Matrix m(static_cast<std::size_t>(n),
                 std::vector<long double>(static_cast<std::size_t>(n)));
        std::vector<std::vector<__int128>> b(static_cast<std::size_t>(n),
                                             std::vector<__int128>(static_cast<std::size_t>(n)));
        for (std::size_t i = 0; i < m.size(); ++i)
            for (std::size_t j = 0; j < m.size(); ++j)
                b[i][j] = static_cast<__int128>(m[i][j] = eintrag(zufall));
        // Bareiss: every division is exact.
        __int128 vorher = 1;
        int vorzeichen = 1;
        bool null = false;
        for (std::size_t k = 0; k + 1 < b.size() && !null; ++k) {
            if (b[k][k] == 0) {
                std::size_t r = k + 1;
                while (r < b.size() && b[r][k] == 0)
                    ++r;
                if (r == b.size()) {
                    null = true;
                    break;
                }
                std::swap(b[k], b[r]);
                vorzeichen = -vorzeichen;
            }
            for (std::size_t i = k + 1; i < b.size(); ++i)
                for (std::size_t j = k + 1; j < b.size(); ++j)
                    b[i][j] = (b[i][j] * b[k][k] - b[i][k] * b[k][j]) / vorher;
            vorher = b[k][k];
        }
        const long double soll = null ? 0 : static_cast<long double>(vorzeichen * b.back().back());
        EXPECT_EQ(determinante(m).wert, soll) << "Versuch " << versuch;
    }
}

} // namespace

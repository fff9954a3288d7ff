// The matrix window's arithmetic: the four operations, the inverse through the shared
// elimination and the texts of the result grid.
#include "modules/linalg/matrizenrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace zol;
using Texte = std::vector<std::vector<std::string>>;

Texte texte(const Matrix& m) {
    return matrix_texte(m, "0.00");
}

TEST(Matrizen, GrundrechenartenUndTransponierte) {
    const Matrix m1 = {{1, 2}, {3, 4}};
    const Matrix e = {{1, 0}, {0, 1}};
    EXPECT_EQ(texte(matrix_produkt(m1, e)), (Texte{{"1,00", "2,00"}, {"3,00", "4,00"}}));
    EXPECT_EQ(texte(matrix_produkt(e, m1)), (Texte{{"1,00", "2,00"}, {"3,00", "4,00"}}));
    EXPECT_EQ(texte(matrix_summe(m1, e)), (Texte{{"2,00", "2,00"}, {"3,00", "5,00"}}));
    EXPECT_EQ(texte(matrix_differenz(m1, e)), (Texte{{"0,00", "2,00"}, {"3,00", "3,00"}}));
    EXPECT_EQ(texte(matrix_transponiert(m1)), (Texte{{"1,00", "3,00"}, {"2,00", "4,00"}}));
    // The product is not commutative: row times column, not column times row.
    const Matrix m2 = {{0, 1}, {1, 0}};
    EXPECT_EQ(texte(matrix_produkt(m1, m2)), (Texte{{"2,00", "1,00"}, {"4,00", "3,00"}}));
    EXPECT_EQ(texte(matrix_produkt(m2, m1)), (Texte{{"3,00", "4,00"}, {"1,00", "2,00"}}));
}

struct Fall {
    const char* name;
    Matrix m;
    Texte inverse; // empty: "Matrix nicht invertierbar !"
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Inverse : public testing::TestWithParam<Fall> {};

TEST_P(Inverse, Texte) {
    const auto inv = matrix_inverse(GetParam().m);
    if (GetParam().inverse.empty()) {
        EXPECT_FALSE(inv.has_value());
        return;
    }
    ASSERT_TRUE(inv.has_value());
    EXPECT_EQ(texte(*inv), GetParam().inverse);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Inverse,
    testing::Values(Fall{"Diagonal", {{2, 0}, {0, 4}}, {{"0,50", "0,00"}, {"0,00", "0,25"}}},
                    Fall{"DreiMalDrei",
                         {{1, 2, 3}, {0, 1, 4}, {5, 6, 0}},
                         {{"-24,00", "18,00", "5,00"},
                          {"20,00", "-15,00", "-4,00"},
                          {"-5,00", "4,00", "1,00"}}},
                    Fall{"EinsMalEins", {{8}}, {{"0,13"}}}, Fall{"Singulaer", {{1, 2}, {2, 4}}, {}},
                    Fall{"NullMatrix", {{0, 0}, {0, 0}}, {}},
                    // Decimal rows that are exactly dependent only on paper.
                    Fall{"SingulaerMitDezimalbruechen", {{0.1L, 0.3L}, {0.3L, 0.9L}}, {}}),
    [](const testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

// M · M^-1 = E for a dense 10 × 10 matrix.
TEST(Matrizen, InverseMalMatrixIstEinheitsmatrix) {
    Matrix m(10, std::vector<long double>(10));
    for (std::size_t r = 0; r < 10; ++r)
        for (std::size_t c = 0; c < 10; ++c)
            m[r][c] = r == c ? 10 + r : std::sin(static_cast<long double>(r * 10 + c));
    const auto inv = matrix_inverse(m);
    ASSERT_TRUE(inv.has_value());
    const Matrix p = matrix_produkt(m, *inv);
    for (std::size_t r = 0; r < 10; ++r)
        for (std::size_t c = 0; c < 10; ++c)
            EXPECT_NEAR(double(p[r][c]), r == c ? 1.0 : 0.0, 1e-15);
}

TEST(Matrizen, UeberlaufZeigtKeineZahl) {
    const Matrix gross = {{1e4000L}};
    EXPECT_EQ(texte(matrix_produkt(gross, gross)), (Texte{{"n. d."}}));
}

} // namespace

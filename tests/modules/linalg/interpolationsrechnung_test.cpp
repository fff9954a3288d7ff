// Interpolation: conditions on f, f' and f'' give the polynomial and its text "poly(x)=…".
#include "modules/linalg/interpolationsrechnung.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace zol;
using A = Bedingungsart;

struct Fall {
    const char* name;
    std::vector<Bedingung> bedingungen;
    const char* text; // empty: "Gleichung nicht lösbar"
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Interpolation : public testing::TestWithParam<Fall> {};

TEST_P(Interpolation, Text) {
    const auto p = interpolieren(GetParam().bedingungen);
    if (std::string(GetParam().text).empty()) {
        EXPECT_FALSE(p.has_value());
        return;
    }
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(interpolationstext(*p, "0.00"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Interpolation,
    testing::Values(
        Fall{"Gerade", {{0, 1, A::funktion}, {1, 3, A::funktion}}, "poly(x)=1,00+2,00*x"},
        Fall{"AbleitungenInNull",
             {{0, 0, A::funktion}, {0, 1, A::ableitung}, {0, 2, A::zweite_ableitung}},
             "poly(x)=1,00*x+1,00*x^2"},
        Fall{"GleichesXZweimal", {{1, 1, A::funktion}, {1, 2, A::funktion}}, ""},
        Fall{"Konstante", {{2, 5, A::funktion}}, "poly(x)=5,00"},
        Fall{"Hermite",
             {{0, 0, A::funktion}, {1, 1, A::funktion}, {0, 0, A::ableitung}, {1, 0, A::ableitung}},
             "poly(x)=3,00*x^2-2,00*x^3"},
        Fall{"AllesRundetAufNull",
             {{0, 0.001L, A::funktion}, {1, 0.002L, A::funktion}},
             "poly(x)=0"},
        Fall{"NurAbleitungen", {{0, 1, A::ableitung}, {1, 1, A::ableitung}}, ""},
        Fall{"ZweiteAbleitungBeiGradEins", {{0, 1, A::funktion}, {0, 2, A::zweite_ableitung}}, ""},
        Fall{"Parabel",
             {{-1, 0, A::funktion}, {1, 0, A::funktion}, {0, -1, A::funktion}},
             "poly(x)=-1,00+1,00*x^2"}),
    [](const testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

TEST(Interpolation, Markierung) {
    EXPECT_EQ(markierung("X", "", ""), A::funktion);
    EXPECT_EQ(markierung("", " x ", ""), A::ableitung);
    EXPECT_EQ(markierung("0", "", "X"), A::zweite_ableitung);
    EXPECT_EQ(markierung("X", "X", ""), A::funktion); // hand-edited files: the first one counts
    EXPECT_FALSE(markierung("", "0", " ").has_value());
}

// Ten points on a cubic: the elimination gives the cubic back with zero higher coefficients.
TEST(Interpolation, ZehnPunkteAufEinerKubischenParabel) {
    std::vector<Bedingung> b;
    for (int i = 0; i < 10; ++i) {
        const long double x = i - 4.5L;
        b.push_back({x, x * x * x - 2 * x + 1, A::funktion});
    }
    const auto p = interpolieren(b);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(interpolationstext(*p, "0.00"), "poly(x)=1,00-2,00*x+1,00*x^3");
}

} // namespace

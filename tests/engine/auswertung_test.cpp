// Running compiled formulas: values, failures, the power routine.
#include "engine/fktbaum.h"
#include "engine/hilfen.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace zol;

constexpr long double pi = pi_ld;

// Evaluates a constant expression through the same path a user's "...=" takes.
bool rechne(Tfktbaum& baum, const std::string& ausdruck, long double& wert) {
    tfunktion f(&baum);
    if (!f.analyse(ausdruck, "", "")) {
        wert = -12345;
        return false;
    }
    return f.funktionsberechnung(0, wert);
}

struct Fall {
    const char* ausdruck;
    bool ok;
    long double wert;
    long double toleranz = 0; // 0: exactly
};

void pruefe_faelle(Tfktbaum& baum, std::initializer_list<Fall> faelle) {
    for (const Fall& f : faelle) {
        long double w = -1;
        const bool ok = rechne(baum, f.ausdruck, w);
        EXPECT_EQ(ok, f.ok) << f.ausdruck;
        if (!ok) {
            EXPECT_EQ(w, 0) << f.ausdruck << " must fail with the value 0";
        } else if (f.toleranz == 0) {
            EXPECT_EQ(w, f.wert) << f.ausdruck;
        } else {
            EXPECT_NEAR(static_cast<double>(w), static_cast<double>(f.wert),
                        static_cast<double>(f.toleranz))
                << f.ausdruck;
        }
    }
}

TEST(Auswertung, Fehlschlaege) {
    Tfktbaum baum;
    pruefe_faelle(baum, {
                            {"1/0", false, 0},
                            {"1:(2-2)", false, 0},
                            {"LN(0)", false, 0},
                            {"LG(-1)", false, 0},
                            {"SQRT(-0,01)", false, 0},
                            {"ARCSIN(1,0001)", false, 0},
                            {"ARCCOS(-1,0001)", false, 0},
                            {"FAK(2,5)", false, 0},
                            {"FAK(-3)", false, 0},
                            {"FAK(1755)", false, 0},
                            {"FAK(1E30)", false, 0},
                            {"0^(-1)", false, 0},
                            {"(-8)^(1/3)", false, 0},
                            {"0^0,5", false, 0},
                            {"10^4000*10^4000", false, 0},
                            {"1/(10^4000*10^4000)", false, 0}, // overflow is not undone later
                            {"EXP(20000)", false, 0},
                            {"SQR(1E3000)", false, 0},
                            {"GRAD(1E4931)", false, 0},
                            {"TAN(0)*COT(0)", false, 0},
                        });
}

TEST(Auswertung, Werte) {
    Tfktbaum baum;
    pruefe_faelle(baum, {
                            {"ARCSIN(1)", true, pi / 2},
                            {"ARCSIN(-1)", true, -pi / 2},
                            {"ARCCOS(1)", true, 0},
                            {"ARCCOS(-1)", true, pi},
                            {"ARCSIN(0,5)", true, pi / 6, 1e-17L},
                            {"ARCCOS(0,5)", true, pi / 3, 1e-17L},
                            {"ARCTAN(1)", true, pi / 4, 1e-18L},
                            {"ARCCOT(1)", true, pi / 4, 1e-18L},
                            {"0^0", true, 1},
                            {"2^10", true, 1024},
                            {"2^(-1)", true, 0.5L},
                            {"(-2)^2", true, 4},
                            {"(-2)^3", true, -8},
                            {"4^0,5", true, 2, 1e-18L},
                            {"FAK(0)", true, 1}, // 0! = 1
                            {"FAK(5)/(FAK(0)*FAK(5))", true, 1},
                            {"FAK(1)", true, 1},
                            {"FAK(5)", true, 120},
                            {"FAK(10)", true, 3628800},
                            {"SGN(-0,5)", true, -1},
                            {"SGN(0)", true, 0},
                            {"SGN(7)", true, 1},
                            {"RAD(180)", true, pi, 1e-18L},
                            {"GRAD(1,5707963267948966192)", true, 90, 1e-15L},
                            {"ABS(-2,5)", true, 2.5L},
                            {"SQR(-3)", true, 9},
                            {"SQRT(2)^2", true, 2, 1e-18L}, // SQRT(2^2)
                            {"(SQRT(2))^2", true, 2, 1e-18L},
                            {"LG(1000)", true, 3, 1e-18L},
                            {"LN(EXP(2))", true, 2, 1e-18L},
                            {"(SIN(0,3))^2+(COS(0,3))^2", true, 1, 1e-18L},
                            {"TAN(0,5)", true, std::tan(0.5L), 1e-18L},
                            {"COT(0,5)", true, 1 / std::tan(0.5L), 1e-17L},
                            {"7:2", true, 3.5L},
                            {"1E-4000*1E-4000", true, 0}, // underflow is no failure
                        });
    long double f1754 = 0;
    EXPECT_TRUE(rechne(baum, "FAK(1754)", f1754));
    EXPECT_TRUE(std::isfinite(f1754));
    long double f170 = 0;
    EXPECT_TRUE(rechne(baum, "FAK(170)", f170));
    EXPECT_NEAR(static_cast<double>(std::log10(f170)), 306.86078, 1e-4);
}

TEST(Auswertung, GrosseExponentenEndenSofort) {
    Tfktbaum baum;
    // Repeated multiplication would take ages for these; they must still come out right.
    pruefe_faelle(baum,
                  {
                      {"1,0000001^1000000000", true, std::exp(1e9L * std::log(1.0000001L)), 1e34L},
                      {"(-1)^1000000001", true, -1},
                      {"0,5^1E4000", true, 0},
                      {"2^1E4000", false, 0},
                      {"0^(-1E4000)", false, 0},
                  });
}

TEST(Auswertung, FunktionenUndKonstanten) {
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("F(X)=1/X"));
    ASSERT_TRUE(baum.definiere("PI=3,14159265358979323846"));
    ASSERT_TRUE(baum.definiere("G(T)=F(T)*PI"));
    long double w = -1;
    EXPECT_FALSE(baum.fktberechnen("F", 0, w));
    EXPECT_EQ(w, 0);
    EXPECT_TRUE(baum.fktberechnen("F", 2, w));
    EXPECT_EQ(w, 0.5L);
    EXPECT_TRUE(baum.fktberechnen("G", 2, w));
    EXPECT_NEAR(static_cast<double>(w), M_PI / 2, 1e-15);
    EXPECT_FALSE(baum.fktberechnen("G", 0, w)); // the failure of F is passed on
    EXPECT_FALSE(baum.fktberechnen("H", 1, w));
    // A function used inside another's argument, and the same function twice.
    ASSERT_TRUE(baum.definiere("Q(X)=X^2"));
    ASSERT_TRUE(baum.definiere("H(X)=Q(Q(X)+1)+Q(X)"));
    EXPECT_TRUE(baum.fktberechnen("H", 2, w));
    EXPECT_EQ(w, 29);
}

} // namespace

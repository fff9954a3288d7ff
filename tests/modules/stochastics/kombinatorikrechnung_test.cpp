// Factorials, combinations and variations of the combinatorics window, their edges (k > n,
// negative n and k) and the overflow of the extended range.
#include "modules/stochastics/kombinatorikrechnung.h"

#include "engine/zahlformat.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace {

using namespace zol;

constexpr long double inf = std::numeric_limits<long double>::infinity();

TEST(Kombinatorikrechnung, SechsWerte) {
    struct Fall {
        std::int64_t n, k;
        long double nf, kf, k1, k2, v1, v2;
    };
    const Fall faelle[] = {
        {5, 2, 120, 2, 10, 15, 20, 25},
        {4, 6, 24, 720, 0, 84, 0, 4096},
        {7, 0, 5040, 1, 1, 1, 1, 1},
        {0, 0, 1, 1, 1, 1, 1, 1},
        {0, 3, 1, 6, 0, 0, 0, 0},
        {1, 1, 1, 1, 1, 1, 1, 1},
        {10, 10, 3628800, 3628800, 1, 92378, 3628800, 1e10L},
        // Negative n: n! = 1, the generalised C(-3, 2) = (-3)(-4)/2, V1 = (-3)(-4).
        {-3, 2, 1, 2, 6, 3, 12, 9},
        {-3, 3, 1, 6, -10, -1, -60, -27},
        // Negative k: products without factors, and V2 = n.
        {5, -2, 120, 1, 1, 1, 1, 5},
        {60, 30, 8.320987112741390144e81L, 2.652528598121910587e32L, 118264581564861424.0L, inf, 0,
         0},
    };
    for (const Fall& f : faelle) {
        const Kombinatorik e = kombinatorik_berechnen(f.n, f.k);
        SCOPED_TRACE(std::to_string(f.n) + " " + std::to_string(f.k));
        const long double soll[] = {f.nf, f.kf, f.k1, f.k2, f.v1, f.v2};
        const long double ist[] = {e.n_fakultaet, e.k_fakultaet, e.k1, e.k2, e.v1, e.v2};
        // The last row checks only its first three values.
        const int anzahl = f.n == 60 ? 3 : 6;
        for (int i = 0; i < anzahl; ++i) {
            if (std::fabs(soll[i]) < 1e18L)
                EXPECT_EQ(ist[i], soll[i]) << i;
            else
                EXPECT_NEAR(static_cast<double>(ist[i] / soll[i]), 1.0, 1e-17) << i;
        }
    }
}

TEST(Kombinatorikrechnung, GrosseWerte) {
    // Whole results below 2^64 are exact.
    EXPECT_EQ(binomialkoeffizient(60, 30), 118264581564861424.0L);
    EXPECT_EQ(binomialkoeffizient(66, 33), 7219428434016265740.0L);
    EXPECT_EQ(fallendes_produkt(20, 20), 2432902008176640000.0L);
    EXPECT_EQ(kombi_potenz(3, 40), 12157665459056928801.0L);
    EXPECT_EQ(kombi_potenz(-2, 63), -9223372036854775808.0L);
    EXPECT_EQ(format("0.00", fakultaet(50)), "3,04140932017134E64");
    // 1754! is the last factorial inside the extended range.
    EXPECT_TRUE(std::isfinite(fakultaet(1754)));
    EXPECT_NEAR(static_cast<double>(std::log10(fakultaet(1754))), 4930.2964, 1e-3);
    EXPECT_EQ(fakultaet(1755), inf);
    // A product that overflows while the quotient fits: C(5000, 2500) ~ 1,6E1503.
    EXPECT_NEAR(static_cast<double>(std::log10(binomialkoeffizient(5000, 2500))), 1503.2, 0.1);
    // The last steps near the top of the range take the quotient before the product.
    EXPECT_NEAR(static_cast<double>(std::log10(binomialkoeffizient(16390, 8195))), 4931.676, 1e-3);
    EXPECT_EQ(binomialkoeffizient(16394, 8197), inf);
}

TEST(Kombinatorikrechnung, UeberlaufUndVorzeichen) {
    EXPECT_EQ(kombi_potenz(10, 5000), inf);
    EXPECT_EQ(kombi_potenz(-10, 5001), -inf);
    EXPECT_EQ(kombi_potenz(-10, 5000), inf);
    EXPECT_EQ(kombi_potenz(1, 999999), 1);
    EXPECT_EQ(kombi_potenz(-1, 999999), -1);
    EXPECT_EQ(kombi_potenz(0, 999999), 0);
    EXPECT_EQ(fallendes_produkt(-1, 999999), -inf);
    EXPECT_EQ(binomialkoeffizient(-1, 999999), -1);
    EXPECT_EQ(binomialkoeffizient(-2, 999999), -1000000);
    EXPECT_EQ(binomialkoeffizient(999999, 999998), 999999);
}

TEST(Kombinatorikrechnung, GroessteEingabenSchnellUndBegrenzt) {
    const auto anfang = std::chrono::steady_clock::now();
    const Kombinatorik e = kombinatorik_berechnen(999999, 999999);
    const Kombinatorik m = kombinatorik_berechnen(-999999, -999999);
    const auto dauer = std::chrono::steady_clock::now() - anfang;
    EXPECT_LT(dauer, std::chrono::milliseconds(20));
    EXPECT_EQ(e.n_fakultaet, inf);
    EXPECT_EQ(e.k_fakultaet, inf);
    EXPECT_EQ(e.k1, 1);
    EXPECT_EQ(e.k2, inf);
    EXPECT_EQ(e.v1, inf);
    EXPECT_EQ(e.v2, inf);
    EXPECT_EQ(m.n_fakultaet, 1);
    EXPECT_EQ(m.v2, -999999);
    // Beyond the fields' range the values are brought in first.
    const Kombinatorik g = kombinatorik_berechnen(5000000000LL, -5000000000LL);
    EXPECT_EQ(g.v2, 999999);
    for (const Kombinatorik& k : {e, m, g})
        for (long double w : {k.n_fakultaet, k.k_fakultaet, k.k1, k.k2, k.v1, k.v2})
            EXPECT_FALSE(std::isnan(w));
}

} // namespace

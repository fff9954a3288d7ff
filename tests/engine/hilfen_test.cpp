#include "engine/hilfen.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace zol;

TEST(Hilfen, LeerzeichenUndGrossschreibung) {
    EXPECT_EQ(leerzeichenweg(" F ( X ) =\tX ^ 2 "), "F(X)=X^2");
    EXPECT_EQ(gross("sin(x)+ä"), "SIN(X)+ä"); // bytes of umlauts stay untouched
    EXPECT_EQ(vorzeichen(-0.5L), -1);
    EXPECT_EQ(vorzeichen(0.0L), 0);
    EXPECT_EQ(vorzeichen(3.0L), 1);
}

TEST(Hilfen, GanzzahligePotenz) {
    struct Fall {
        long double a, n;
        bool ok;
        long double erwartet;
    };
    const Fall faelle[] = {
        {2, 10, true, 1024},
        {2, -1, true, 0.5L},
        {-2, 3, true, -8},
        {-2, 2, true, 4},
        {0, -1, false, 0},
        {10, 5000, false, 0},
        {0.5L, 100, true, std::ldexp(1.0L, -100)},
        {-1, 1e30L, true, 1},
        {-1, 1e30L + 1, true, 1},      // beyond 2^64 every whole number is even
        {1.0000001L, 1e12L, false, 0}, // binary powering, overflow, no hang
        {0.5L, 1e4000L, true, 0},
        {2, 1e4000L, false, 0},
    };
    for (const Fall& f : faelle) {
        long double r = -7;
        EXPECT_EQ(ganzpotenz(f.a, f.n, r), f.ok)
            << static_cast<double>(f.a) << "^" << static_cast<double>(f.n);
        if (f.ok) {
            EXPECT_EQ(r, f.erwartet) << static_cast<double>(f.a) << "^" << static_cast<double>(f.n);
        }
    }
}

TEST(Hilfen, WinkelUndLogarithmus) {
    EXPECT_NEAR(static_cast<double>(gradinrad(180)), M_PI, 1e-15);
    EXPECT_NEAR(static_cast<double>(radingrad(pi_ld / 2)), 90.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(lg10(1000)), 3.0, 1e-15);
    EXPECT_EQ(lg10(0), 0);
    EXPECT_EQ(lg10(-5), 0);
}

TEST(Hilfen, SpaltennamenUndZellbezuege) {
    const std::pair<int, const char*> namen[] = {{1, "A"},     {26, "Z"},     {27, "AA"},
                                                 {52, "AZ"},   {53, "BA"},    {702, "ZZ"},
                                                 {703, "AAA"}, {1000, "ALL"}, {0, ""}};
    for (const auto& [spalte, name] : namen) {
        EXPECT_EQ(spaltenname(spalte), name) << spalte;
        int s = 0, z = 0;
        if (spalte > 0) {
            ASSERT_TRUE(zellbezug(std::string(name) + "12", s, z)) << name;
            EXPECT_EQ(s, spalte);
            EXPECT_EQ(z, 12);
        }
    }
    struct Bezug {
        const char* text;
        bool ok;
        int spalte, zeile;
    };
    const Bezug bezuege[] = {{"B7", true, 2, 7},   {"AA1", true, 27, 1}, {"ABCD1", false, 0, 0},
                             {"b7", false, 0, 0},  {"7B", false, 0, 0},  {"B", false, 0, 0},
                             {"B7X", false, 0, 0}, {"B-7", false, 0, 0}, {"", false, 0, 0}};
    for (const Bezug& b : bezuege) {
        int s = -1, z = -1;
        EXPECT_EQ(zellbezug(b.text, s, z), b.ok) << b.text;
        if (b.ok) {
            EXPECT_EQ(s, b.spalte) << b.text;
            EXPECT_EQ(z, b.zeile) << b.text;
        }
    }
}

} // namespace

// Fractions without the window: mixed form, the four operations with their refusals, the
// continued-fraction expansion of decimals and the two equations.
#include "modules/algebra/bruchrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace zol::bruch {

std::ostream& operator<<(std::ostream& aus, const Bruch& b) {
    return aus << b.ganze << " " << b.zaehler << "/" << b.nenner;
}

} // namespace zol::bruch

namespace {

using namespace zol::bruch;
constexpr std::int64_t groesste = std::numeric_limits<std::int64_t>::max();

TEST(Bruchrechnung, GemischteFormKuerztUndBehaeltDasVorzeichen) {
    struct Fall {
        Bruch ein, aus;
    };
    const Fall faelle[] = {
        {{0, 4, 6}, {0, 2, 3}},   // 4/6 shows as 2/3
        {{0, 7, 3}, {2, 1, 3}},   // 7/3 as 2 1/3
        {{2, 7, 3}, {4, 1, 3}},   // the whole part adds to the improper fraction
        {{-2, 7, 3}, {-4, 1, 3}}, // -(2 + 7/3)
        {{-2, 1, 3}, {-2, 1, 3}},
        {{0, -1, 3}, {0, -1, 3}}, // between -1 and 0 the numerator keeps the sign
        {{0, -7, 3}, {-2, 1, 3}},
        {{2, -1, 3}, {1, 2, 3}}, // 2 - 1/3
        {{0, 0, 5}, {0, 0, 1}},
        {{5, 0, 1}, {5, 0, 1}},
        {{0, 1, -3}, {0, -1, 3}},
        {{0, 6, 3}, {2, 0, 1}},
        {{999999999, 999999999, 1}, {1999999998, 0, 1}},
    };
    for (const Fall& f : faelle) {
        Bruch b;
        ASSERT_TRUE(gemischt(f.ein, b)) << f.ein;
        EXPECT_EQ(b, f.aus) << f.ein;
        EXPECT_NEAR(static_cast<double>(wert(b)), static_cast<double>(wert(f.ein)),
                    1e-12 * std::max(1.0, std::fabs(static_cast<double>(wert(b)))))
            << f.ein;
    }
    Bruch b;
    EXPECT_FALSE(gemischt({1, 1, 0}, b));
    EXPECT_FALSE(gemischt({std::numeric_limits<std::int64_t>::min(), 1, 2}, b));
    EXPECT_FALSE(gemischt({std::numeric_limits<std::int64_t>::max(), 1, 3}, b));
}

TEST(Bruchrechnung, WertEinerGemischtenZahl) {
    EXPECT_DOUBLE_EQ(static_cast<double>(wert({-2, 1, 3})), -7.0 / 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(wert({0, -1, 3})), -1.0 / 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(wert({2, -1, 3})), 5.0 / 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(wert({1, 1, 2})), 1.5);
}

TEST(Bruchrechnung, DieVierRechenarten) {
    struct Fall {
        Bruch a;
        Rechenart op;
        Bruch b;
        Status status;
        Bruch ergebnis;
    };
    using R = Rechenart;
    using S = Status;
    const Fall faelle[] = {
        {{0, 1, 2}, R::plus, {0, 1, 3}, S::ok, {0, 5, 6}},
        {{0, 1, 3}, R::minus, {0, 2, 3}, S::ok, {0, -1, 3}},
        {{0, 8, 3}, R::minus, {0, 1, 3}, S::ok, {2, 1, 3}},
        {{0, 1, 3}, R::minus, {0, 8, 3}, S::ok, {-2, 1, 3}},
        {{1, 1, 2}, R::mal, {2, 1, 3}, S::ok, {3, 1, 2}},
        {{0, 1, 2}, R::durch, {0, 1, 4}, S::ok, {2, 0, 1}},
        {{-2, 1, 3}, R::plus, {1, 0, 1}, S::ok, {-1, 1, 3}},
        {{-2, 1, 3}, R::mal, {-3, 0, 1}, S::ok, {7, 0, 1}},
        {{3, 0, 1}, R::plus, {0, -1, 3}, S::ok, {2, 2, 3}},
        {{0, -1, 3}, R::durch, {0, 2, 3}, S::ok, {0, -1, 2}},
        {{0, 2, 3}, R::durch, {0, -1, 3}, S::ok, {-2, 0, 1}},
        {{0, 0, 1}, R::plus, {0, 0, 1}, S::ok, {0, 0, 1}},
        {{0, 0, 1}, R::mal, {0, 1, 999999937}, S::ok, {0, 0, 1}},
        {{999999999, 0, 1}, R::plus, {0, 0, 1}, S::ok, {999999999, 0, 1}},
        {{999999998, 1, 2}, R::plus, {0, 1, 2}, S::ok, {999999999, 0, 1}},
        // Whole parts and remainders are added apart: the cross products of the improper
        // fractions would need more than 64 bits, the result fits.
        {{999999990, 1, 999900000},
         R::plus,
         {0, 79997, 999700000},
         S::ok,
         {999999990, 7999, 99960003}},
        // Cancelling crosswise before multiplying: 10^27 would not fit, the result does.
        {{999990000, 1, 999999937},
         R::mal,
         {0, 999999937, 999999929},
         S::ok,
         {999990007, 999920498, 999999929}},
        // 32 bits wrapped here to 1409865409/1410065408.
        {{0, 99999, 100000}, R::mal, {0, 99999, 100000}, S::zu_gross, {}},
        {{999999999, 0, 1}, R::plus, {1, 0, 1}, S::zu_gross, {}},
        {{-999999999, 0, 1}, R::minus, {1, 0, 1}, S::zu_gross, {}},
        {{0, 1, 999999937}, R::plus, {0, 1, 999999929}, S::zu_gross, {}},
        {{999999999, 999999998, 999999999},
         R::mal,
         {999999999, 999999998, 999999999},
         S::zu_gross,
         {}},
        {{999999999, 0, 1}, R::durch, {0, 1, 999999999}, S::zu_gross, {}},
        // A whole part of exactly -2^63 fits 64 bits but no field.
        {{-groesste, 0, 1}, R::minus, {1, 0, 1}, S::zu_gross, {}},
        {{groesste, 0, 1}, R::plus, {1, 0, 1}, S::zu_gross, {}},
        {{0, 1, 2}, R::durch, {0, 0, 1}, S::nenner_null, {}},
        {{0, 1, 2}, R::durch, {0, 0, 7}, S::nenner_null, {}},
        {{0, 0, 1}, R::durch, {0, 0, 1}, S::nenner_null, {}},
    };
    for (const Fall& f : faelle) {
        Bruch e{42, 42, 42};
        EXPECT_EQ(rechnen(f.a, f.op, f.b, e), f.status) << f.a << " op " << f.b;
        if (f.status == S::ok)
            EXPECT_EQ(e, f.ergebnis) << f.a << " op " << f.b;
        else
            EXPECT_EQ(e, (Bruch{42, 42, 42})) << "a refused result changes nothing";
    }
}

TEST(Bruchrechnung, Texte) {
    struct Fall {
        Bruch b;
        bool ergebnis;
        const char* text;
    };
    const Fall faelle[] = {
        {{1, 1, 2}, false, "1 \\f(1;2)"},
        {{0, 1, 2}, false, " \\f(1;2)"},
        {{0, 0, 1}, false, ""},
        {{3, 0, 1}, false, "3"},
        {{-2, 1, 3}, false, "-2 \\f(1;3)"},
        {{0, -1, 3}, true, " \\f(-1;3)"},
        {{0, 1, 0}, false, ""},
        {{0, 1, 0}, true, " \\f(1;0)"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(bruchtext(f.b, f.ergebnis), f.text) << f.b;
    EXPECT_EQ(operatortext(Rechenart::plus), " + ");
    EXPECT_EQ(operatortext(Rechenart::minus), " - ");
    EXPECT_EQ(operatortext(Rechenart::mal), " * ");
    EXPECT_EQ(operatortext(Rechenart::durch), " : ");
}

TEST(Bruchrechnung, DezimalzahlWirdZumBruch) {
    const long double unendlich = toleranz(true), exakt = toleranz(false);
    EXPECT_EQ(unendlich, 0.1L);
    EXPECT_EQ(exakt, 1e-9L);
    struct Fall {
        long double x, toleranz;
        Bruch b;
    };
    const Fall faelle[] = {
        {0.333L, unendlich, {0, 1, 3}},
        {0.333L, exakt, {0, 333, 1000}},
        // The term counter goes up whether or not the remainder is 0.
        {2.5L, unendlich, {2, 1, 2}},
        {2.5L, exakt, {2, 1, 2}},
        {3.14159L, unendlich, {3, 1, 7}},
        // 76149/24239 is within 1e-9 of 3,14159 already.
        {3.14159L, exakt, {3, 3432, 24239}},
        {-2.5L, unendlich, {-2, 1, 2}},
        {-0.5L, exakt, {0, -1, 2}},
        {-3.14159L, unendlich, {-3, 1, 7}},
        {0, exakt, {0, 0, 1}},
        {5, unendlich, {5, 0, 1}},
        {0.1L, exakt, {0, 1, 10}},
        {1.0L / 3, exakt, {0, 1, 3}},
        // Three terms come first: 0,35 = [0;2,1,6] stops at [0;2,1] = 1/3.
        {0.35L, unendlich, {0, 1, 3}},
        {0.95L, unendlich, {1, 0, 1}},
        {2.05L, unendlich, {2, 0, 1}},
        {3.141592653589793238L, exakt, {3, 4687, 33102}},
        {1.414213562373095049L, exakt, {1, 13860, 33461}},
        {2.718281828459045235L, unendlich, {2, 2, 3}},
        {2.718281828459045235L, exakt, {2, 12993, 18089}},
        // The next convergent 2/1620745543 would leave the fields; the best one before it.
        {1.234e-9L, exakt, {0, 1, 810372771}},
        {1e-12L, exakt, {0, 0, 1}},
        {999999999.5L, exakt, {999999999, 1, 2}},
        {999999999.999L, unendlich, {999999999, 0, 1}},
        {-999999999.25L, exakt, {-999999999, 1, 4}},
    };
    for (const Fall& f : faelle) {
        Bruch b{7, 7, 7};
        ASSERT_TRUE(aus_dezimal(f.x, f.toleranz, b)) << static_cast<double>(f.x);
        EXPECT_EQ(b, f.b) << static_cast<double>(f.x) << " tol " << static_cast<double>(f.toleranz);
    }
}

// Whatever the number, the expansion ends with a fraction the fields hold, or refuses a number
// whose whole part they cannot hold.
TEST(Bruchrechnung, EntwicklungEndetImmerImFeldbereich) {
    const long double zu_gross[] = {1e9L,
                                    -1e9L,
                                    1e60L,
                                    std::numeric_limits<long double>::infinity(),
                                    -std::numeric_limits<long double>::infinity(),
                                    std::numeric_limits<long double>::quiet_NaN()};
    for (long double x : zu_gross) {
        Bruch b{7, 7, 7};
        EXPECT_FALSE(aus_dezimal(x, toleranz(false), b)) << static_cast<double>(x);
        EXPECT_EQ(b, (Bruch{7, 7, 7}));
    }
    // Values of every size and sign: a shrinking spiral around 0 with a wobbling fraction.
    long double x = -1e9L + 0.5L;
    for (int i = 0; i < 300; ++i, x = x * -0.8713L + 0.123456789L * (i % 7)) {
        for (bool unendlich : {true, false}) {
            Bruch b;
            ASSERT_TRUE(aus_dezimal(x, toleranz(unendlich), b)) << static_cast<double>(x);
            EXPECT_LE(std::llabs(b.ganze), feldgrenze);
            EXPECT_GE(b.nenner, 1);
            EXPECT_LE(b.nenner, feldgrenze);
            EXPECT_LT(std::llabs(b.zaehler), b.nenner);
            EXPECT_LE(std::fabs(wert(b) - x), 0.5L) << static_cast<double>(x);
        }
    }
}

TEST(Bruchrechnung, GleichungenAusBruechenUndDezimalzahlen) {
    struct Fall {
        Bruch a;
        Rechenart op;
        Bruch b;
        const char* brueche;
        const char* dezimal;
    };
    const Fall faelle[] = {
        {{1, 1, 2},
         Rechenart::mal,
         {2, 1, 3},
         "1 \\f(1;2) * 2 \\f(1;3) = 3 \\f(1;2)",
         "1,500 * 2,333 = 3,500"},
        // Two blanks between an operator and the next fraction.
        {{0, 1, 2},
         Rechenart::plus,
         {0, 1, 3},
         " \\f(1;2) +  \\f(1;3) =  \\f(5;6)",
         "0,500 + 0,333 = 0,833"},
        // The operands are shown in mixed form; a zero one contributes no text.
        {{0, 4, 6},
         Rechenart::plus,
         {0, 0, 1},
         " \\f(2;3) +  =  \\f(2;3)",
         "0,667 + 0,000 = 0,667"},
        {{0, 1, 3},
         Rechenart::minus,
         {0, 8, 3},
         " \\f(1;3) - 2 \\f(2;3) = -2 \\f(1;3)",
         "0,333 - 2,667 = -2,333"},
        {{0, 3, 4},
         Rechenart::durch,
         {0, 1, 2},
         " \\f(3;4) :  \\f(1;2) = 1 \\f(1;2)",
         "0,750 : 0,500 = 1,500"},
    };
    for (const Fall& f : faelle) {
        const Rechnung r = rechnung(f.a, wert(f.a), f.op, f.b, wert(f.b), "0.000");
        ASSERT_EQ(r.status, Status::ok);
        EXPECT_EQ(r.brueche, f.brueche);
        EXPECT_EQ(r.dezimal, f.dezimal);
    }
    // Refusals leave result and equations empty.
    for (const auto& [b, status] : {std::pair{Bruch{0, 0, 1}, Status::nenner_null},
                                    std::pair{Bruch{0, 1, 999999999}, Status::zu_gross}}) {
        const Rechnung r = rechnung({999999999, 0, 1}, 1, Rechenart::durch, b, wert(b), "0.000");
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.ergebnis, Bruch{});
        EXPECT_TRUE(r.brueche.empty());
        EXPECT_TRUE(r.dezimal.empty());
    }
    // A decimal that cannot be computed is never shown as a number.
    const Rechnung r = rechnung({0, 1, 2}, 1e60L, Rechenart::mal, {0, 1, 2}, 1e4900L, "0.000");
    EXPECT_EQ(r.dezimal.substr(r.dezimal.size() - 5), "n. d.");
}

} // namespace

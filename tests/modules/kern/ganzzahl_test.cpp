// Whole-number arithmetic: gcd, lcm, overflow-checked operations, truncating division.
#include "modules/kern/ganzzahl.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace zol::ganzzahl;
constexpr std::int64_t groesste = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kleinste = std::numeric_limits<std::int64_t>::min();

TEST(Ganzzahl, GgtUndKgv) {
    struct Fall {
        std::int64_t a, b, ggt, kgv;
        bool kgv_ok;
    };
    const Fall faelle[] = {
        {12, 18, 6, 36, true},
        {-12, 18, 6, 36, true},
        {0, 7, 7, 0, true},
        {0, 0, 0, 0, true},
        {65536, 65537, 1, 4295032832LL, true},
        {999999937, 999999929, 1, 999999866000004473LL, true},
        {groesste, 2, 1, 0, false},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(ggt(f.a, f.b), f.ggt) << f.a << " " << f.b;
        std::int64_t k = -1;
        EXPECT_EQ(kgv(f.a, f.b, k), f.kgv_ok) << f.a << " " << f.b;
        if (f.kgv_ok) EXPECT_EQ(k, f.kgv);
    }
}

TEST(Ganzzahl, UeberlaufWirdGemeldet) {
    std::int64_t e = 0;
    EXPECT_TRUE(mal(99999, 99999, e));
    EXPECT_EQ(e, 9999800001LL); // 32 bits would wrap here
    EXPECT_FALSE(mal(groesste / 2 + 1, 2, e));
    EXPECT_FALSE(plus(groesste, 1, e));
    EXPECT_FALSE(minus(kleinste, 1, e));
    EXPECT_TRUE(plus(-5, 3, e));
    EXPECT_EQ(e, -2);
}

TEST(Ganzzahl, TeilenSchneidetZurNullHinAb) {
    struct Fall {
        std::int64_t a, b, q, r;
    };
    for (const Fall& f : {Fall{17, 5, 3, 2}, Fall{-7, 2, -3, -1}, Fall{7, -2, -3, 1},
                          Fall{0, 3, 0, 0}}) {
        std::int64_t q = 0, r = 0;
        ASSERT_TRUE(teilen(f.a, f.b, q, r)) << f.a;
        EXPECT_EQ(q, f.q) << f.a << " : " << f.b;
        EXPECT_EQ(r, f.r) << f.a << " : " << f.b;
    }
    std::int64_t q = 0, r = 0;
    EXPECT_FALSE(teilen(5, 0, q, r));
    EXPECT_FALSE(teilen(kleinste, -1, q, r));
}

} // namespace

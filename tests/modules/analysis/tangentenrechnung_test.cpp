// Tangent and normal without the window: the texts of both lines for the usual cases, a zero
// slope, a zero intercept, and points where the slope cannot be computed.
#include "modules/analysis/tangentenrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace zol;

Diskussionsfunktion glatt(std::function<long double(long double)> g) {
    return [g](long double x) { return Funktionswert{g(x), true}; };
}

TEST(Tangentenrechnung, Geradentexte) {
    const struct {
        const char* name;
        std::function<long double(long double)> f;
        long double x0;
        const char* bild;
        const char* tangente;
        const char* normale;
    } faelle[] = {
        {"x^4 bei 1", [](long double x) { return x * x * x * x; }, 1, "0.00",
         "tang(x)= 4,00*x-3,00", "norm(x)=-0,25*x+1,25"},
        {"x^3 bei 2", [](long double x) { return x * x * x; }, 2, "0.00", "tang(x)= 12,00*x-16,00",
         "norm(x)=-0,08*x+8,17"},
        {"1/x bei 2", [](long double x) { return 1 / x; }, 2, "0.00", "tang(x)=-0,25*x+1,00",
         "norm(x)= 4,00*x-7,50"},
        // m = 0: no "+" in front of the intercept, no normal.
        {"x^2+3 bei 0", [](long double x) { return x * x + 3; }, 0, "0.00", "tang(x)=3,00", ""},
        {"x^2-3 bei 0", [](long double x) { return x * x - 3; }, 0, "0.00", "tang(x)=-3,00", ""},
        {"x^2 bei 0", [](long double x) { return x * x; }, 0, "0.00", "tang(x)=0", ""},
        // At a point of inflection the quotient's own error (h²) is no slope; a small slope
        // beside it stays.
        {"x^3 bei 0", [](long double x) { return x * x * x; }, 0, "0.00", "tang(x)=0", ""},
        {"x^3-x^2 bei 0", [](long double x) { return x * x * x - x * x + 5; }, 0, "0.00",
         "tang(x)=5,00", ""},
        {"x^3+0,01x bei 0", [](long double x) { return x * x * x + 0.01L * x; }, 0, "0.00",
         "tang(x)= 0,01*x", "norm(x)=-99,99*x"},
        // b = 0: the slope alone.
        {"2x bei 0", [](long double x) { return 2 * x; }, 0, "0.00", "tang(x)= 2,00*x",
         "norm(x)=-0,50*x"},
        {"allgemeines Format", [](long double x) { return x * x; }, 1, "", "tang(x)= 2*x-1",
         "norm(x)=-0,5*x+1,5"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Tangentenergebnis e = tangente_und_normale(glatt(f.f), f.x0, 0.001L, f.bild);
        ASSERT_TRUE(e.ok);
        EXPECT_EQ(e.tangente, f.tangente);
        EXPECT_EQ(e.normale, f.normale);
    }
}

// A step below the precision of x0 (1E-30 at x0 = 1) would make every slope 0; the step is
// kept at 1E-10 of |x0| at least.
TEST(Tangentenrechnung, WinzigeSchrittweite) {
    const auto quadrat = glatt([](long double x) { return x * x; });
    for (const long double x0 : {1.0L, 1e6L}) {
        SCOPED_TRACE(static_cast<double>(x0));
        const Tangentenergebnis e = tangente_und_normale(quadrat, x0, 1e-30L, "0.000000");
        ASSERT_TRUE(e.ok);
        EXPECT_NEAR(static_cast<double>(e.m), static_cast<double>(2 * x0), 1e-6 * x0);
    }
}

TEST(Tangentenrechnung, NichtDifferenzierbar) {
    const Diskussionsfunktion wurzel = [](long double x) {
        return x < 0 ? Funktionswert{0, false} : Funktionswert{std::sqrt(x), true};
    };
    const Diskussionsfunktion kehr = [](long double x) {
        return x == 0 ? Funktionswert{0, false} : Funktionswert{1 / x, true};
    };
    // A value beyond every number: no line can be written.
    const Diskussionsfunktion riesig = [](long double x) {
        return Funktionswert{x * HUGE_VALL, true};
    };
    for (const auto& [name, f, x0] :
         {std::tuple{"sqrt bei 0", wurzel, 0.0L}, std::tuple{"1/x bei 0", kehr, 0.0L},
          std::tuple{"unendlich", riesig, 1.0L}}) {
        SCOPED_TRACE(name);
        const Tangentenergebnis e = tangente_und_normale(f, x0, 0.001L, "0.00");
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.tangente, "");
        EXPECT_EQ(e.normale, "");
    }
    // Beside the gap the slope exists.
    EXPECT_TRUE(tangente_und_normale(wurzel, 1, 0.001L, "0.00").ok);
}

TEST(Tangentenrechnung, Geradenterm) {
    EXPECT_EQ(geradenterm(0, 0, "0.00"), "0");
    EXPECT_EQ(geradenterm(-1, 0, "0.00"), "-1,00*x");
    EXPECT_EQ(geradenterm(1, -2, "0.0"), " 1,0*x-2,0");
    EXPECT_EQ(geradenterm(0, 2.5L, ""), "2,5");
}

} // namespace

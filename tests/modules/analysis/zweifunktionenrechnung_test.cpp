// The discussion of two functions without its window: intersections from the zeros of the
// difference, the y value of the graph, angles of intersection, signed areas, the limit of 100
// intersections and the iteration message.
#include "modules/analysis/zweifunktionenrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace zol;

using Reell = std::function<long double(long double)>;

Diskussionsfunktion glatt(Reell g) {
    return [g](long double x) { return Funktionswert{g(x), true}; };
}

struct Paar {
    Reell f1, f2;
};

Zweifunktionenergebnis rechnen(const Paar& p, Zweifunktionenauftrag a = {}) {
    const Reell d = a.art == Schnittart::beide
                        ? Reell([p](long double x) { return p.f1(x) - p.f2(x); })
                        : (a.art == Schnittart::erste_und_achse ? p.f1 : p.f2);
    return zwei_funktionen(glatt(p.f1), glatt(p.f2), glatt(d), a);
}

TEST(Zweifunktionenrechnung, Differenzdefinition) {
    EXPECT_EQ(differenzdefinition("fkt1", "fkt2", Schnittart::beide),
              "Differenz(x)=fkt1(x)-fkt2(x)");
    EXPECT_EQ(differenzdefinition("fkt1", "fkt2", Schnittart::erste_und_achse),
              "Differenz(x)=fkt1(x)");
    EXPECT_EQ(differenzdefinition("fkt1", "fkt2", Schnittart::zweite_und_achse),
              "Differenz(x)=fkt2(x)");
}

TEST(Zweifunktionenrechnung, SchnittpunkteWinkelUndFlaechen) {
    const long double w2 = std::sqrt(2.0L);
    const struct Fall {
        const char* name;
        Paar paar;
        Schnittart art;
        std::vector<long double> x, y, winkel;
        std::vector<long double> flaechen; // whole range first
    } faelle[] = {
        // The defaults: -x^2 and 2x - 1 on -3 … 3.
        {"vorgabe",
         {[](long double x) { return -x * x; }, [](long double x) { return 2 * x - 1; }},
         Schnittart::beide,
         {-1 - w2, -1 + w2},
         {-(1 + w2) * (1 + w2), -(w2 - 1) * (w2 - 1)},
         {14.8641, 76.9258},
         {-12, 4 * w2 * w2 * w2 / 3}},
        {"parabel und gerade",
         {[](long double x) { return x * x; }, [](long double x) { return x + 2; }},
         Schnittart::beide,
         {-1, 2},
         {1, 4},
         {71.5651, 30.9638},
         {6, -4.5}},
        // The y column is the graph's value, not the difference's.
        {"erste und x-Achse",
         {[](long double x) { return x * x - 4; }, [](long double x) { return x + 7; }},
         Schnittart::erste_und_achse,
         {-2, 2},
         {0, 0},
         {75.9638, 75.9638},
         {-6, -32.0L / 3}},
        {"zweite und x-Achse",
         {[](long double x) { return x * x + 5; }, [](long double x) { return x - 1; }},
         Schnittart::zweite_und_achse,
         {1},
         {0},
         {45},
         {-6}},
        {"parallele geraden",
         {[](long double x) { return 2 * x - 1; }, [](long double x) { return 2 * x + 1; }},
         Schnittart::beide,
         {},
         {},
         {},
         {-12}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Zweifunktionenauftrag a;
        a.art = f.art;
        const Zweifunktionenergebnis e = rechnen(f.paar, a);
        ASSERT_EQ(e.schnittpunkte.size(), f.x.size());
        for (std::size_t i = 0; i < f.x.size(); ++i) {
            EXPECT_NEAR(e.schnittpunkte[i].x, f.x[i], 1e-3) << i;
            EXPECT_NEAR(e.schnittpunkte[i].y, f.y[i], 1e-2) << i;
            // The angle is taken at the refined x, which the tolerance 0.001 leaves a little off.
            EXPECT_NEAR(e.schnittpunkte[i].winkel, f.winkel[i], 0.1) << i;
        }
        ASSERT_EQ(e.flaechen.size(), f.flaechen.size());
        EXPECT_EQ(e.flaechen[0].von, -3);
        EXPECT_EQ(e.flaechen[0].bis, 3);
        for (std::size_t i = 0; i < f.flaechen.size(); ++i)
            EXPECT_NEAR(e.flaechen[i].wert, f.flaechen[i], 1e-4 * std::fabs(f.flaechen[i]) + 1e-3)
                << i;
        for (std::size_t i = 1; i < e.flaechen.size(); ++i) {
            EXPECT_EQ(e.flaechen[i].von, e.schnittpunkte[i - 1].x);
            EXPECT_EQ(e.flaechen[i].bis, e.schnittpunkte[i].x);
        }
        EXPECT_EQ(e.iterationsmeldung,
                  f.x.empty() ? "" : "Abbruch der Iteration durch die Toleranz");
    }
}

TEST(Zweifunktionenrechnung, Schnittwinkel) {
    const struct {
        long double m1, m2, grad;
    } faelle[] = {
        {2, -0.5L, 90},
        {1, -1, 90},
        {1, 0, 45},
        {0, 0, 0},
        {-1, 0, 45},
        {3, 3, 0},
        // A product near -1 without being -1: the arctangent of a huge quotient.
        {1e10L, -1e-10L + 1e-25L, 90},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(schnittwinkel(f.m1, f.m2), f.grad, 1e-9) << f.m1 << " " << f.m2;
}

TEST(Zweifunktionenrechnung, SteigungOhneWertIstNichtBerechenbar) {
    const Diskussionsfunktion wurzel = [](long double x) {
        return x < 0 ? Funktionswert{0, false} : Funktionswert{std::sqrt(x), true};
    };
    EXPECT_NEAR(steigung(wurzel, 4, 1e-3L), 0.25, 1e-6);
    EXPECT_TRUE(std::isnan(steigung(wurzel, 0, 1e-3L)));
    // A graph without a value at the intersection shows neither a y value nor an angle.
    const Diskussionsfunktion kehr = [](long double x) {
        return x == 0 ? Funktionswert{0, false} : Funktionswert{1 / x, true};
    };
    const Diskussionsfunktion gerade = [](long double x) { return Funktionswert{x, true}; };
    Zweifunktionenauftrag a;
    a.art = Schnittart::erste_und_achse;
    a.xmin = -1;
    a.xmax = 1;
    a.aufloesung = 2; // the sample at 0 is exactly 0
    const Zweifunktionenergebnis e = zwei_funktionen(kehr, gerade, gerade, a);
    ASSERT_EQ(e.schnittpunkte.size(), 1u);
    EXPECT_EQ(e.schnittpunkte[0].x, 0);
    EXPECT_TRUE(std::isnan(e.schnittpunkte[0].y));
    // Found by a sample, not by a refinement: no iteration message.
    EXPECT_EQ(e.iterationsmeldung, "");
}

// A step below the precision of x would make every slope 0 and every angle that of the
// x-axis: the step keeps 1E-10 of |x| at least.
TEST(Zweifunktionenrechnung, WinzigeSchrittweite) {
    const Diskussionsfunktion quadrat = glatt([](long double x) { return x * x; });
    for (const long double x : {1.0L, 1e6L})
        EXPECT_NEAR(static_cast<double>(steigung(quadrat, x, 1e-30L)),
                    static_cast<double>(2 * x), 1e-6 * static_cast<double>(x));
}

TEST(Zweifunktionenrechnung, HoechstensHundertSchnittpunkte) {
    const Paar p{[](long double x) { return std::sin(50 * x); }, [](long double) { return 0; }};
    Zweifunktionenauftrag a;
    a.xmin = 0.01L;
    a.xmax = 10;
    a.aufloesung = 1000;
    const Zweifunktionenergebnis e = rechnen(p, a);
    ASSERT_EQ(e.schnittpunkte.size(), max_schnittpunkte);
    // The first 100 zeros k·π/50, in order.
    for (std::size_t i = 0; i < e.schnittpunkte.size(); ++i)
        EXPECT_NEAR(e.schnittpunkte[i].x, (i + 1) * 3.14159265358979L / 50, 1e-3) << i;
    EXPECT_EQ(e.flaechen.size(), max_schnittpunkte);
}

TEST(Zweifunktionenrechnung, Iterationsgrenze) {
    const Paar p{[](long double x) { return x * x; }, [](long double x) { return x + 2; }};
    Zweifunktionenauftrag a;
    a.grenzen.grenze = 1;
    EXPECT_EQ(rechnen(p, a).iterationsmeldung, "Abbruch der Iteration durch max. Iteration");
}

} // namespace

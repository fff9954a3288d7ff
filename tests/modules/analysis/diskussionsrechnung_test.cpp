// The curve discussion's arithmetic: sampling, the four kinds of points with their candidate
// rules and refinements, the iteration status, and inputs that must neither crash nor hang.
#include "modules/analysis/diskussionsrechnung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace zol;

using Reell = long double (*)(long double);

// A function whose every evaluation succeeds.
Diskussionsfunktion glatt(Reell g) {
    return [g](long double x) { return Funktionswert{g(x), true}; };
}

long double standard(long double x) {
    return x * x * x - 2 * x * x - 2;
}

// -2, but not exactly everywhere: 2x - 1 and 2x + 1 are rounded apart.
long double differenz_paralleler_geraden(long double x) {
    return (2 * x - 1) - (2 * x + 1);
}

// Fails where the formula language fails: a value that is not finite, or a division by zero.
Diskussionsfunktion kehrwert(Reell nenner) {
    return [nenner](long double x) {
        const long double n = nenner(x);
        return n == 0 ? Funktionswert{0, false} : Funktionswert{1 / n, true};
    };
}

Diskussionsauftrag alle_arten(long double xmin = -10, long double xmax = 10, int n = 400) {
    Diskussionsauftrag a;
    a.xmin = xmin;
    a.xmax = xmax;
    a.aufloesung = n;
    a.nullstellen = a.extremwerte = a.wendepunkte = a.polstellen = true;
    return a;
}

std::vector<long double> xwerte(const Diskussionspunkte& punkte) {
    std::vector<long double> x;
    for (const Diskussionspunkt& p : punkte)
        x.push_back(p.x);
    return x;
}

TEST(Diskussionsrechnung, AbtastungAddiertDieSchrittweite) {
    // 0.1 is not exact in binary: x[9] is the ninefold sum, not 0.9; the last sample is the end
    // of the range itself.
    const Abtastung p = abtasten(glatt([](long double x) { return x; }), 0, 1, 10);
    ASSERT_EQ(p.intervalle(), 10);
    long double x = 0;
    for (int i = 0; i <= 10; ++i) {
        if (i == 10) x = 1;
        EXPECT_EQ(p.x[i], x) << i;
        EXPECT_EQ(p.y[i], x) << i;
        EXPECT_TRUE(p.gueltig[i]);
        x += p.schritt;
    }
    // N is kept within the sample arrays.
    EXPECT_EQ(abtasten(glatt(standard), -1, 1, 0).intervalle(), 1);
    EXPECT_EQ(abtasten(glatt(standard), -1, 1, 5000).intervalle(), max_intervalle);
}

TEST(Diskussionsrechnung, Standardfunktion) {
    const Diskussionsergebnis e = diskutieren(glatt(standard), alle_arten());
    ASSERT_EQ(e.nullstellen.size(), 1u);
    EXPECT_NEAR(e.nullstellen[0].x, 2.3593, 1e-4);
    EXPECT_NEAR(e.nullstellen[0].y, 0, 1e-3);

    ASSERT_EQ(e.extremwerte.size(), 2u);
    EXPECT_EQ(e.extremwerte[0].art, Diskussionspunkt::maximum);
    EXPECT_NEAR(e.extremwerte[0].x, 0, 1e-4);
    EXPECT_NEAR(e.extremwerte[0].y, -2, 1e-7);
    EXPECT_EQ(e.extremwerte[1].art, Diskussionspunkt::minimum);
    EXPECT_NEAR(e.extremwerte[1].x, 4.0L / 3, 1e-4);
    EXPECT_NEAR(e.extremwerte[1].y, -86.0L / 27, 1e-7);

    ASSERT_EQ(e.wendepunkte.size(), 1u);
    EXPECT_EQ(e.wendepunkte[0].art, Diskussionspunkt::punkt);
    EXPECT_NEAR(e.wendepunkte[0].x, 2.0L / 3, 1e-4);

    // The extreme points pass every shape check, so they are no poles.
    EXPECT_TRUE(e.polstellen.empty());
    // Nine halvings reach the tolerance.
    EXPECT_EQ(e.iterationsstatus, "");
}

TEST(Diskussionsrechnung, GrenzeEinsMarktJedePunktzeile) {
    Diskussionsauftrag a = alle_arten();
    a.grenzen.grenze = 1;
    const Diskussionsergebnis e = diskutieren(glatt(standard), a);
    EXPECT_EQ(e.iterationsstatus, "*");
    ASSERT_EQ(e.nullstellen.size(), 1u);
    ASSERT_EQ(e.extremwerte.size(), 2u);
    ASSERT_EQ(e.wendepunkte.size(), 1u);
    for (const Diskussionspunkte* punkte : {&e.nullstellen, &e.extremwerte, &e.wendepunkte})
        for (const Diskussionspunkt& p : *punkte)
            EXPECT_TRUE(p.grenzeErreicht) << static_cast<double>(p.x);
}

// With a tolerance not below the first width no halving runs: extreme points are the sample
// behind the change, inflection points two samples behind, zeros the middle of the interval.
// Without a halving there is no growth check either, so every candidate is listed.
TEST(Diskussionsrechnung, ToleranzUeberDemSchrittVerfeinertNicht) {
    Diskussionsauftrag a = alle_arten();
    a.grenzen.toleranz = 1;
    const Diskussionsergebnis e = diskutieren(glatt(standard), a);
    const std::vector<long double>& x = e.proben.x;
    auto ist_probe = [&x](long double wert) {
        return std::find(x.begin(), x.end(), wert) != x.end();
    };
    ASSERT_EQ(e.extremwerte.size(), 2u);
    ASSERT_EQ(e.wendepunkte.size(), 1u);
    for (const Diskussionspunkt& p : e.extremwerte)
        EXPECT_TRUE(ist_probe(p.x));
    EXPECT_TRUE(ist_probe(e.wendepunkte[0].x));
    ASSERT_GT(e.nullstellen.size(), 1u);
    int nahe = 0;
    for (const Diskussionspunkt& p : e.nullstellen) {
        EXPECT_FALSE(ist_probe(p.x));
        if (std::fabs(p.x - 2.3593L) < e.proben.schritt) ++nahe;
    }
    EXPECT_EQ(nahe, 1);
    EXPECT_EQ(e.iterationsstatus, "");
}

struct Nullstellenfall {
    const char* name;
    Diskussionsfunktion f;
    long double xmin, xmax;
    int n;
    std::vector<long double> erwartet;
    long double genauigkeit; // 0: exactly
    const char* status;
};

TEST(Diskussionsrechnung, Nullstellen) {
    const Nullstellenfall faelle[] = {
        // Candidates without a sign change grow toward the midpoint and are dropped.
        {"x^2+1", glatt([](long double x) { return x * x + 1; }), -10, 10, 400, {}, 0, ""},
        // Samples on the zeros: listed as they are, the next two intervals skipped.
        {"x^2-4", glatt([](long double x) { return x * x - 4; }), -10, 10, 20, {-2, 2}, 0, ""},
        // The first midpoint is the zero: neither end moves, the halving runs to the limit.
        {"x", glatt([](long double x) { return x; }), -10, 10, 5, {0}, 0, "*"},
        // Failed samples (value 0) are neither zeros nor candidates.
        {"ln(x)",
         [](long double x) {
             return x > 0 ? Funktionswert{std::log(x), true} : Funktionswert{0, false};
         },
         -10,
         10,
         400,
         {1},
         1e-4,
         ""},
        {"x^3-2x^2-2", glatt(standard), -10, 10, 400, {2.3593}, 1e-4, ""},
        // Constant -2 with rounding noise: candidates (falling and negative) whose midpoints
        // equal an end pass the growth check, but no interval ever changes sign.
        {"(2x-1)-(2x+1)", glatt(differenz_paralleler_geraden), -10, 10, 400, {}, 0, ""},
        {"(2x-1)-(2x+1) auf -3 ... 3", glatt(differenz_paralleler_geraden), -3, 3, 400, {}, 0, ""},
        // A falling step below the axis narrows down to its jump, which is no zero; a step
        // across the axis keeps its sign change and is listed there.
        {"Stufe -2/-3",
         glatt([](long double x) { return x < 0.3L ? -2.0L : -3.0L; }),
         -10,
         10,
         400,
         {},
         0,
         ""},
        {"Stufe -1/1",
         glatt([](long double x) { return x < 0.3L ? -1.0L : 1.0L; }),
         -10,
         10,
         400,
         {0.3L},
         1e-4,
         ""},
    };
    for (const Nullstellenfall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Diskussionsauftrag a;
        a.xmin = fall.xmin;
        a.xmax = fall.xmax;
        a.aufloesung = fall.n;
        const Diskussionsergebnis e = diskutieren(fall.f, a);
        const std::vector<long double> x = xwerte(e.nullstellen);
        ASSERT_EQ(x.size(), fall.erwartet.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (fall.genauigkeit == 0) {
                EXPECT_EQ(x[i], fall.erwartet[i]);
                EXPECT_EQ(e.nullstellen[i].y, 0);
            } else {
                EXPECT_NEAR(x[i], fall.erwartet[i], fall.genauigkeit);
            }
        }
        EXPECT_EQ(e.iterationsstatus, fall.status);
    }
}

TEST(Diskussionsrechnung, PolstellenSindKeineExtremwerte) {
    const struct {
        const char* name;
        Reell nenner;
        long double stelle;
    } faelle[] = {
        {"1/x", [](long double x) { return x; }, 0},
        {"1/x^2", [](long double x) { return x * x; }, 0},
        {"1/(x-3)", [](long double x) { return x - 3; }, 3},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Diskussionsergebnis e = diskutieren(kehrwert(fall.nenner), alle_arten());
        ASSERT_EQ(e.polstellen.size(), 1u);
        EXPECT_NEAR(e.polstellen[0].x, fall.stelle, 1e-3);
        EXPECT_GT(std::fabs(e.polstellen[0].y), 1e3);
        EXPECT_TRUE(e.extremwerte.empty());
        EXPECT_TRUE(e.nullstellen.empty());
    }
}

// The two-function discussion takes its intersections from this scan on the samples of the
// difference: parallel lines have none whatever the range and settings, and two crossing lines
// have exactly one.
TEST(Diskussionsrechnung, SchnittpunkteAusDerDifferenz) {
    const struct {
        long double xmin, xmax;
        int n;
        long double toleranz;
        int grenze;
    } einstellungen[] = {
        {-3, 3, 400, 1e-3L, 20},        {-10, 10, 400, 1e-4L, 30},  {-10, 10, 999, 1e-4L, 30},
        {-7.3L, 5.1L, 37, 1e-6L, 1000}, {0, 1000, 1000, 1e-4L, 30}, {-1e6L, 1e6L, 777, 1e-3L, 60},
    };
    const Diskussionsfunktion schneidend =
        glatt([](long double x) { return (0.5L * x - 1) - (2 * x + 1); });
    for (const auto& e : einstellungen) {
        SCOPED_TRACE(static_cast<double>(e.xmin));
        SCOPED_TRACE(e.n);
        const Iterationsgrenzen g{e.toleranz, e.grenze};
        const Diskussionsfunktion parallel = glatt(differenz_paralleler_geraden);
        EXPECT_TRUE(nullstellen(abtasten(parallel, e.xmin, e.xmax, e.n), parallel, g).empty());
        const Diskussionspunkte s =
            nullstellen(abtasten(schneidend, e.xmin, e.xmax, e.n), schneidend, g);
        if (e.xmin < -4.0L / 3 && e.xmax > -4.0L / 3) {
            ASSERT_EQ(s.size(), 1u);
            EXPECT_NEAR(s[0].x, -4.0L / 3, 2 * e.toleranz);
        } else {
            EXPECT_TRUE(s.empty());
        }
    }
}

// Zeros at both ends of the range are found, however the range divides: the last sample is the
// end itself, not the sum of the steps beside it.
TEST(Diskussionsrechnung, NullstellenAnDenBereichsenden) {
    const Diskussionsfunktion f = glatt([](long double x) { return 4 - x * x; });
    const Iterationsgrenzen g{1e-3L, 20};
    for (const int n : {400, 399, 37, 1000, 999}) {
        SCOPED_TRACE(n);
        const Diskussionspunkte z = nullstellen(abtasten(f, -2, 2, n), f, g);
        ASSERT_EQ(z.size(), 2u);
        EXPECT_NEAR(z[0].x, -2, 2e-3);
        EXPECT_NEAR(z[1].x, 2, 2e-3);
    }
}

// A change of curvature across a pole is no inflection point: f'' changes sign there without
// ever being 0. The pole itself is still found, and a true inflection point beside poles stays.
TEST(Diskussionsrechnung, KeinWendepunktAnEinerPolstelle) {
    const struct {
        const char* name;
        Diskussionsfunktion f;
        std::vector<long double> wendepunkte;
        std::vector<long double> pole;
    } faelle[] = {
        {"(x^2-1)/(x-2)",
         [](long double x) {
             return x == 2 ? Funktionswert{0, false} : Funktionswert{(x * x - 1) / (x - 2), true};
         },
         {},
         {2}},
        {"1/x", kehrwert([](long double x) { return x; }), {}, {0}},
        {"1/(x-3)", kehrwert([](long double x) { return x - 3; }), {}, {3}},
        {"1/x^2", kehrwert([](long double x) { return x * x; }), {}, {0}},
        // Two poles four sampling steps apart.
        {"1/(x^2-0,04)", kehrwert([](long double x) { return x * x - 0.04L; }), {}, {}},
        // f'' = 2x(x^2+3)/(x^2-1)^3 vanishes at 0 only.
        {"x/(x^2-1)",
         [](long double x) {
             const long double n = x * x - 1;
             return n == 0 ? Funktionswert{0, false} : Funktionswert{x / n, true};
         },
         {0},
         {}},
        {"tan(x)",
         glatt([](long double x) { return std::tan(x); }),
         {-9.4248L, -6.2832L, -3.1416L, 0, 3.1416L, 6.2832L, 9.4248L},
         {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        // From a fine refinement down to none (tolerance above the sampling step).
        for (const Iterationsgrenzen g :
             {Iterationsgrenzen{1e-4L, 30}, Iterationsgrenzen{1e-4L, 5},
              Iterationsgrenzen{1e-4L, 3}, Iterationsgrenzen{1e-4L, 1}, Iterationsgrenzen{1, 30}}) {
            SCOPED_TRACE(g.grenze);
            SCOPED_TRACE(static_cast<double>(g.toleranz));
            Diskussionsauftrag a = alle_arten();
            a.grenzen = g;
            const Diskussionsergebnis e = diskutieren(fall.f, a);
            const bool fein = g.grenze == 30 && g.toleranz < 1;
            ASSERT_EQ(e.wendepunkte.size(), fall.wendepunkte.size());
            for (std::size_t i = 0; i < e.wendepunkte.size(); ++i) {
                EXPECT_NEAR(e.wendepunkte[i].x, fall.wendepunkte[i], fein ? 1e-3 : 0.1);
                EXPECT_TRUE(std::isfinite(e.wendepunkte[i].y));
            }
            if (fein && !fall.pole.empty()) {
                ASSERT_EQ(e.polstellen.size(), fall.pole.size());
                EXPECT_NEAR(e.polstellen[0].x, fall.pole[0], 1e-3);
            }
        }
    }
}

// A sample whose evaluation failed is no candidate for zeros, extreme points or inflection
// points, even where its value 0 would fit: x^3/x has no value at 0.
TEST(Diskussionsrechnung, FehlgeschlageneProbenSindKeineKandidaten) {
    const Diskussionsfunktion luecke = [](long double x) {
        return x == 0 ? Funktionswert{0, false} : Funktionswert{x * x * x / x, true};
    };
    const Diskussionsergebnis e = diskutieren(luecke, alle_arten(-10, 10, 20));
    ASSERT_FALSE(e.proben.gueltig[10]);
    EXPECT_TRUE(e.nullstellen.empty());
    EXPECT_TRUE(e.extremwerte.empty());
    EXPECT_TRUE(e.wendepunkte.empty());
    // The pole scan looks at every change, but the neighbourhood is smooth.
    EXPECT_TRUE(e.polstellen.empty());
}

// Samples 0, 1, 0, 1, ...: direction and curvature change at every interval and triple. After
// an inflection point three triples are skipped, after a pole candidate two intervals.
TEST(Diskussionsrechnung, SpruengeNachEinemPunkt) {
    const Diskussionsergebnis e = diskutieren(
        glatt([](long double x) { return std::fmod(std::round(x), 2.0L); }), alle_arten(0, 20, 20));
    EXPECT_EQ(e.wendepunkte.size(), 5u); // triples 1, 5, 9, 13, 17
    EXPECT_EQ(e.polstellen.size(), 6u);  // intervals 1, 4, 7, 10, 13, 16
    EXPECT_TRUE(e.extremwerte.empty());  // no smooth shape anywhere
}

// Equal first samples decide nothing: the scan starts with the first direction (or curvature)
// there is, so a flat start is no change of direction.
TEST(Diskussionsrechnung, GleicheAnfangswerte) {
    const struct {
        const char* name;
        Reell f;
        std::size_t extremwerte;
        Diskussionspunkt::Art art;
    } faelle[] = {
        {"min(x^2;25)", [](long double x) { return std::min(x * x, 25.0L); }, 1,
         Diskussionspunkt::minimum},
        {"max(-x^2;-25)", [](long double x) { return std::max(-x * x, -25.0L); }, 1,
         Diskussionspunkt::maximum},
        {"0 dann x^3", [](long double x) { return x <= 0 ? 0 : x * x * x; }, 0,
         Diskussionspunkt::punkt},
        {"0 dann -x^3", [](long double x) { return x <= 0 ? 0 : -x * x * x; }, 0,
         Diskussionspunkt::punkt},
        {"konstant", [](long double) { return 3.0L; }, 0, Diskussionspunkt::punkt},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Diskussionsauftrag a = alle_arten();
        a.nullstellen = false;
        const Diskussionsergebnis e = diskutieren(glatt(fall.f), a);
        ASSERT_EQ(e.extremwerte.size(), fall.extremwerte);
        if (fall.extremwerte == 1) {
            EXPECT_EQ(e.extremwerte[0].art, fall.art);
            EXPECT_NEAR(e.extremwerte[0].x, 0, 1e-4);
        } else {
            // The cubic stretch keeps the curvature of its first triple: no inflection.
            EXPECT_TRUE(e.wendepunkte.empty());
        }
        EXPECT_TRUE(e.polstellen.empty());
    }
}

// Nothing to find, and every loop ends: a range without width, values that are NaN or
// infinite although reported valid, and a tolerance no width falls below.
TEST(Diskussionsrechnung, EntarteteEingabenEnden) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const auto immer_nan = [nan](long double) { return Funktionswert{nan, true}; };

    Diskussionsergebnis e = diskutieren(glatt([](long double x) { return x; }), alle_arten(0, 0));
    ASSERT_EQ(e.proben.x.size(), 401u);
    EXPECT_EQ(e.proben.x.back(), 0);
    EXPECT_TRUE(e.nullstellen.empty());
    EXPECT_TRUE(e.extremwerte.empty());
    EXPECT_TRUE(e.wendepunkte.empty());
    EXPECT_TRUE(e.polstellen.empty());

    for (const Diskussionsauftrag& a : {alle_arten(nan, 1), alle_arten(-inf, inf)}) {
        e = diskutieren(glatt(standard), a);
        EXPECT_TRUE(e.nullstellen.empty());
        EXPECT_TRUE(e.extremwerte.empty());
    }

    e = diskutieren(immer_nan, alle_arten());
    EXPECT_TRUE(e.nullstellen.empty());
    EXPECT_TRUE(e.extremwerte.empty());
    EXPECT_TRUE(e.wendepunkte.empty());
    EXPECT_TRUE(e.polstellen.empty());

    // NaN and infinite stretches beside a smooth one; the zero of the smooth part (between two
    // samples) is still found.
    const auto gemischt = [nan, inf](long double x) {
        if (x < -5) return Funktionswert{nan, true};
        if (x < 0) return Funktionswert{x < -2 ? inf : -inf, true};
        return Funktionswert{x - 1.01L, true};
    };
    Diskussionsauftrag a = alle_arten();
    a.grenzen.toleranz = nan;
    e = diskutieren(gemischt, a);
    a.grenzen.toleranz = 0;
    a.grenzen.grenze = 1000;
    e = diskutieren(gemischt, a);
    ASSERT_FALSE(e.nullstellen.empty());
    EXPECT_NEAR(e.nullstellen.back().x, 1.01L, 1e-12);
    // Tolerance 0 lies below the precision of x: the halving stops there, not at the limit.
    EXPECT_EQ(e.iterationsstatus, "");
}

} // namespace

namespace {

// A tolerance below the precision of x stops at a few units in the last place: the extreme
// points stay extreme points, never poles.
TEST(Diskussionsrechnung, ToleranzUnterDerRechengenauigkeit) {
    Diskussionsauftrag a = alle_arten(-3, 3, 100);
    a.grenzen.toleranz = 1e-20L;
    a.grenzen.grenze = 1000;
    const Diskussionsergebnis e = diskutieren(glatt(standard), a);
    ASSERT_EQ(e.extremwerte.size(), 2u);
    EXPECT_NEAR(e.extremwerte[0].x, 0, 1e-8);
    EXPECT_NEAR(e.extremwerte[1].x, 4.0L / 3, 1e-8);
    EXPECT_NEAR(e.extremwerte[1].y, -86.0L / 27, 1e-12);
    EXPECT_TRUE(e.polstellen.empty());
    ASSERT_EQ(e.nullstellen.size(), 1u);
    EXPECT_NEAR(e.nullstellen[0].x, 2.3593, 1e-4);
    EXPECT_FALSE(e.ausser_reichweite);
}

// Over ±1E300 thirty halvings leave intervals of 1E289: no "zero" at -4,66E288, and the caller
// learns that points are out of reach. With enough halvings the zero is found after all.
TEST(Diskussionsrechnung, RiesigerBereichGibtKeineScheinpunkte) {
    Diskussionsauftrag a = alle_arten(-1e300L, 1e300L, 100);
    Diskussionsergebnis e = diskutieren(glatt(standard), a);
    for (const Diskussionspunkte* punkte :
         {&e.nullstellen, &e.extremwerte, &e.wendepunkte, &e.polstellen})
        for (const Diskussionspunkt& p : *punkte)
            EXPECT_LT(std::fabs(p.x), 1e6L) << p.x;
    EXPECT_TRUE(e.ausser_reichweite);

    a.grenzen.grenze = 1000;
    e = diskutieren(glatt(standard), a);
    ASSERT_EQ(e.nullstellen.size(), 1u);
    EXPECT_NEAR(e.nullstellen[0].x, 2.3593, 1e-3);
    EXPECT_NEAR(e.nullstellen[0].y, 0, 1e-2);
    for (const Diskussionspunkte* punkte : {&e.extremwerte, &e.wendepunkte, &e.polstellen})
        for (const Diskussionspunkt& p : *punkte)
            EXPECT_LT(std::fabs(p.x), 1e6L) << p.x;
    EXPECT_FALSE(e.ausser_reichweite);
}

} // namespace

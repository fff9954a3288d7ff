#include "modules/kern/polynom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace zol::polynom {
namespace {

// Relative comparison; values near 0 are compared absolutely against the scale.
void erwarte_nahe(long double ist, long double soll, long double skala = 1,
                  long double toleranz = 1e-9L) {
    EXPECT_LE(std::fabs(ist - soll), toleranz * std::max({std::fabs(soll), skala, 1.0L}))
        << static_cast<double>(ist) << " statt " << static_cast<double>(soll);
}

void erwarte_polynom(const Polynom& ist, const Polynom& soll) {
    ASSERT_EQ(grad(ist), grad(soll));
    for (int k = 0; k <= grad(soll); ++k)
        erwarte_nahe(ist[k], soll[k]);
}

TEST(Polynomkern, GradIstDerEffektiveGrad) {
    struct Fall {
        Polynom p;
        int grad;
    };
    const Fall faelle[] = {
        {{}, -1}, {{0, 0, 0}, -1}, {{5}, 0}, {{1, 2, 0}, 1}, {{0, 0, 0, 1e-30L}, 3}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(grad(f.p), f.grad);
        EXPECT_EQ(gekuerzt(f.p).size(), static_cast<std::size_t>(f.grad + 1));
    }
}

TEST(Polynomkern, TermtextInBeidenVariantenUndBeidenReihenfolgen) {
    struct Fall {
        Polynom p;
        const char* bild;
        const char* ohne;
        const char* leer;
        const char* aufsteigend;
    };
    const Fall faelle[] = {
        {{-4, 0, 1}, "0.00", "1,00*x^2-4,00", " 1,00*x^2-4,00", "-4,00+1,00*x^2"},
        {{1, -2, 3},
         "0.00",
         "3,00*x^2-2,00*x+1,00",
         " 3,00*x^2-2,00*x+1,00",
         "1,00-2,00*x+3,00*x^2"},
        {{-6, 11, -6, 1},
         "0.00",
         "1,00*x^3-6,00*x^2+11,00*x-6,00",
         " 1,00*x^3-6,00*x^2+11,00*x-6,00",
         "-6,00+11,00*x-6,00*x^2+1,00*x^3"},
        // A negative leading term carries its "-" in both variants.
        {{0, -1}, "0.00", "-1,00*x", "-1,00*x", "-1,00*x"},
        // Zero and empty polynomials: "0" without a blank.
        {{}, "0.00", "0", "0", "0"},
        {{0, 0, 0}, "0.00", "0", "0", "0"},
        // 0.004 shows as 0,00 and is left out, also as the leading term: the next term is the
        // first one written.
        {{2, 0.004L}, "0.00", "2,00", " 2,00", "2,00"},
        {{1, 1, -0.004L}, "0.00", "1,00*x+1,00", " 1,00*x+1,00", "1,00+1,00*x"},
        {{0.004L}, "0.00", "0", "0", "0"},
        {{0.5L, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2.25L},
         "0.0",
         "-2,3*x^12+0,5",
         "-2,3*x^12+0,5",
         "0,5-2,3*x^12"},
        {{0.004L}, "0.000", "0,004", " 0,004", "0,004"},
        // Thousands separators in the picture: the rounded value is read without them.
        {{1234.5L, -0.001L}, "#,##0.00", "1.234,50", " 1.234,50", "1.234,50"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(text(f.p, f.bild), f.ohne);
        EXPECT_EQ(text(f.p, f.bild, Anfang::leerzeichen), f.leer);
        EXPECT_EQ(text(f.p, f.bild, Anfang::ohne_zeichen, Reihenfolge::aufsteigend), f.aufsteigend);
    }
}

TEST(Polynomkern, RundenUeberDasZahlenformat) {
    EXPECT_EQ(gerundet(0.004L, "0.00"), 0);
    EXPECT_EQ(gerundet(-0.004L, "0.00"), 0);
    erwarte_nahe(gerundet(1.236L, "0.00"), 1.24L);
    erwarte_nahe(gerundet(12345.678L, "#,##0.00"), 12345.68L);
}

TEST(Polynomkern, LesenMeldetDieHoechsteFehlerhafteStelle) {
    Polynom p{7, 7};
    int fehler = -5;
    EXPECT_TRUE(lesen({"1", " -2,5 ", "3,5", "1e2"}, p, fehler));
    erwarte_polynom(p, {1, -2.5L, 3.5L, 100});

    struct Fall {
        std::vector<std::string> texte;
        int fehlerexponent;
    };
    const Fall faelle[] = {
        {{"1", "a", "2"}, 1}, {{"1", "", "x"}, 2}, {{"", "1"}, 0}, {{"1", "2", "1e99999"}, 2}};
    for (const Fall& f : faelle) {
        Polynom q{7, 7};
        EXPECT_FALSE(lesen(f.texte, q, fehler));
        EXPECT_EQ(fehler, f.fehlerexponent);
        EXPECT_EQ(q, (Polynom{7, 7})); // unchanged
    }
}

TEST(Polynomkern, SummeDifferenzProduktAbleitungStammfunktion) {
    const Polynom p{1, 1};  // x + 1
    const Polynom q{-1, 1}; // x - 1
    erwarte_polynom(summe(p, q), {0, 2});
    erwarte_polynom(summe(Polynom{1, 2, 3}, Polynom{0, 0, -3}), {1, 2});
    erwarte_polynom(differenz(p, q), {2});
    EXPECT_EQ(grad(differenz(p, p)), -1);
    erwarte_polynom(produkt(p, q), {-1, 0, 1});
    EXPECT_EQ(grad(produkt(p, Polynom{0, 0})), -1);
    // Leading zeros typed into a grid do not raise the degree of a product.
    EXPECT_EQ(grad(produkt(Polynom{1, 1, 0, 0}, Polynom{2, 0, 0})), 1);
    erwarte_polynom(ableitung({-6, 11, -6, 1}), {11, -12, 3});
    EXPECT_EQ(grad(ableitung({5})), -1);
    EXPECT_EQ(grad(ableitung({})), -1);
    erwarte_polynom(stammfunktion({-4, 0, 1}), {0, -4, 0, 1.0L / 3});
    EXPECT_EQ(grad(stammfunktion({})), -1);
}

TEST(Polynomkern, DivisionMitEffektivemGrad) {
    struct Fall {
        Polynom dividend, divisor;
        bool moeglich;
        Polynom quotient, rest;
    };
    const Fall faelle[] = {
        {{-1, 0, 1}, {-1, 1}, true, {1, 1}, {}},
        {{1, 0, 0, 1}, {0, 1}, true, {0, 0, 1}, {1}},
        {{1, 2}, {1, 0, 1}, true, {}, {1, 2}}, // divisor of higher degree
        {{1, 2}, {0, 0}, false, {}, {}},       // zero divisor
        {{1, 2}, {}, false, {}, {}},
        {{-1, 0, 1, 0, 0}, {-1, 1, 0}, true, {1, 1}, {}}, // leading zeros on both sides
        {{}, {1, 1}, true, {}, {}},
        {{3, 0, 0, 0, 2}, {4}, true, {0.75L, 0, 0, 0, 0.5L}, {}},
    };
    for (const Fall& f : faelle) {
        const Division d = division(f.dividend, f.divisor);
        ASSERT_EQ(d.moeglich, f.moeglich);
        if (!f.moeglich) continue;
        erwarte_polynom(d.quotient, f.quotient);
        erwarte_polynom(d.rest, f.rest);
    }
    // The remainder's degree is below the divisor's, and quotient * divisor + rest = dividend.
    const Polynom u{3, -2, 5, 0, 7, 1}, v{2, 0, -3};
    const Division d = division(u, v);
    EXPECT_LT(grad(d.rest), grad(v));
    erwarte_polynom(summe(produkt(d.quotient, v), d.rest), u);
}

TEST(Polynomkern, PotenzGanzzahligMitGradgrenze) {
    struct Fall {
        Polynom p;
        unsigned long long e;
        bool moeglich;
        Polynom ergebnis;
    };
    const Fall faelle[] = {
        {{1, 1}, 3, true, {1, 3, 3, 1}},
        {{1, 1}, 0, true, {1}},
        {{}, 0, true, {1}},
        {{}, 5, true, {}},
        {{1, 1}, 1, true, {1, 1}},
        {{1, 0, 1}, 10, true, {1, 0,   10, 0,   45, 0,  120, 0,  210, 0, 252,
                               0, 210, 0,  120, 0,  45, 0,   10, 0,   1}},
        {{1, 0, 1}, 11, false, {}},
        {{1, 1}, 1000000000ULL, false, {}},
        {{1, 1, 0, 0}, 20, true, {}}, // effective degree 1 reaches 20
        {{2}, 10, true, {1024}},
    };
    for (const Fall& f : faelle) {
        const Potenz r = potenz(f.p, f.e, 20);
        ASSERT_EQ(r.moeglich, f.moeglich);
        if (f.moeglich && !f.ergebnis.empty()) erwarte_polynom(r.ergebnis, f.ergebnis);
    }
    // A constant with a huge exponent takes a few products and overflows instead of looping.
    const auto anfang = std::chrono::steady_clock::now();
    const Potenz riesig = potenz({2}, 1000000000000ULL, 20);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(1));
    EXPECT_TRUE(riesig.moeglich);
    EXPECT_FALSE(endlich(riesig.ergebnis));
    EXPECT_EQ(grad(potenz({1, 1, 0, 0}, 20, 20).ergebnis), 20);
}

// The polynomial leitkoeffizient * product of the factors of the zeros (and the unsplit rest).
Polynom ausmultipliziert(const Nullstellensuche& e) {
    Polynom p{e.leitkoeffizient};
    for (std::size_t i = 0; i < e.nullstellen.size(); ++i) {
        const Nullstelle& z = e.nullstellen[i];
        if (z.im == 0) {
            p = produkt(p, {-z.re, 1});
        } else {
            p = produkt(p, {z.re * z.re + z.im * z.im, -2 * z.re, 1});
            ++i;
        }
    }
    if (!e.rest.empty()) p = produkt(p, Polynom(e.rest.begin(), e.rest.end()));
    if (!e.rest.empty()) {
        for (long double& a : p)
            a /= e.rest.back();
    }
    return p;
}

TEST(Polynomkern, BairstowFindetReelleUndKomplexeNullstellen) {
    struct Fall {
        Polynom p;
        std::vector<Nullstelle> nullstellen; // in the order found
    };
    const long double c72 = std::cos(0.4L * M_PIl), s72 = std::sin(0.4L * M_PIl);
    const long double c144 = std::cos(0.8L * M_PIl), s144 = std::sin(0.8L * M_PIl);
    const Fall faelle[] = {
        {{-6, 11, -6, 1}, {{3, 0}, {2, 0}, {1, 0}}},
        {{-4, 0, 1}, {{2, 0}, {-2, 0}}},
        {{1, 0, 1}, {{0, 1}, {0, -1}}},
        {{-1, 0, 0, 0, 0, 1}, {{c144, s144}, {c144, -s144}, {c72, s72}, {c72, -s72}, {1, 0}}},
        {{4, 2}, {{-2, 0}}},
        {{5}, {}},
        {{}, {}},
        {{0, 0, 0}, {}},
        // Leading zeros: the effective degree is 2, so no division by 0.
        {{-4, 0, 1, 0, 0}, {{2, 0}, {-2, 0}}},
    };
    for (const Fall& f : faelle) {
        const Nullstellensuche e = bairstow(f.p);
        EXPECT_TRUE(e.konvergiert);
        ASSERT_EQ(e.nullstellen.size(), f.nullstellen.size());
        for (std::size_t i = 0; i < f.nullstellen.size(); ++i) {
            erwarte_nahe(e.nullstellen[i].re, f.nullstellen[i].re);
            erwarte_nahe(e.nullstellen[i].im, f.nullstellen[i].im);
        }
    }
    EXPECT_EQ(bairstow({}).leitkoeffizient, 0);
    EXPECT_EQ(bairstow({1, 2, -3, 0}).leitkoeffizient, -3);
    // A real zero 0 is +0, never shown as "-0,00".
    EXPECT_FALSE(std::signbit(bairstow({0, 1, 0, 0}).nullstellen.at(0).re));
    EXPECT_FALSE(std::signbit(bairstow({1, 0, 1}).nullstellen.at(0).re));
}

// Random whole coefficients of degree 15: the start value is far off for most of them, r and s
// leave the finite numbers and the search must stop at once with what it found.
TEST(Polynomkern, BairstowScheitertEndlichMitDenBisherGefundenenNullstellen) {
    const Polynom p{-6, 7, 8, -10, 6, 5, -7, 6, -2, -4, 10, -2, -4, -5, 10, -4};
    const auto anfang = std::chrono::steady_clock::now();
    const Nullstellensuche e = bairstow(p);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::milliseconds(500));
    EXPECT_FALSE(e.konvergiert);
    EXPECT_EQ(grad(e.rest) + static_cast<int>(e.nullstellen.size()), 15);
    EXPECT_TRUE(endlich(e.rest));
    for (const Nullstelle& z : e.nullstellen)
        EXPECT_TRUE(std::isfinite(z.re) && std::isfinite(z.im));
    erwarte_polynom(ausmultipliziert(e), p);

    // The step limit alone also ends a factor: with 3 steps x^3 - 6x^2 + 11x - 6 is not done.
    const Nullstellensuche kurz = bairstow({-6, 11, -6, 1}, 3);
    EXPECT_FALSE(kurz.konvergiert);
    EXPECT_TRUE(kurz.nullstellen.empty());
    erwarte_polynom(kurz.rest, {-6, 11, -6, 1});
}

TEST(Polynomkern, BairstowFaktorenErgebenDasPolynom) {
    std::mt19937 zufall(20240515);
    std::uniform_int_distribution<int> koeff(-10, 10), gradwahl(1, 8);
    int erfolgreich = 0;
    for (int versuch = 0; versuch < 300; ++versuch) {
        Polynom p(static_cast<std::size_t>(gradwahl(zufall) + 1));
        for (long double& a : p)
            a = koeff(zufall);
        if (p.back() == 0) p.back() = 1;
        const Nullstellensuche e = bairstow(p);
        if (!e.konvergiert) continue;
        ++erfolgreich;
        const Polynom q = ausmultipliziert(e);
        ASSERT_EQ(grad(q), grad(p));
        long double skala = 0;
        for (long double a : p)
            skala = std::max(skala, std::fabs(a));
        for (int k = 0; k <= grad(p); ++k)
            EXPECT_LE(std::fabs(q[k] - p[k]), 1e-9L * skala) << "Versuch " << versuch;
    }
    EXPECT_GT(erfolgreich, 200);
}

} // namespace
} // namespace zol::polynom

// Binomial probabilities, the table k1 … k2 and its sums, including the ends p = 0 and p = 1,
// k > n and n = 32000, where products of factorials would long have overflowed.
#include "modules/stochastics/binomialrechnung.h"

#include "engine/zahlformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace zol;

// The definition, with exact products, for small n.
long double direkt(int n, long double p, int k) {
    if (k > n) return 0;
    long double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - i + 1) / i;
    return c * std::pow(p, static_cast<long double>(k)) *
           std::pow(1 - p, static_cast<long double>(n - k));
}

void relativ(long double ist, long double soll, long double toleranz, const std::string& was) {
    if (soll == 0) {
        EXPECT_EQ(ist, 0) << was;
        return;
    }
    EXPECT_LE(std::fabs(ist - soll) / std::fabs(soll), toleranz)
        << was << ": " << static_cast<double>(ist) << " statt " << static_cast<double>(soll);
}

TEST(Binomialrechnung, EinzelwahrscheinlichkeitenWieDieDefinition) {
    for (int n : {0, 1, 2, 5, 10, 20, 50})
        for (long double p : {0.0L, 0.1L, 0.3L, 0.5L, 0.77L, 1.0L})
            for (int k = 0; k <= n + 2; ++k)
                relativ(binom_wahrscheinlichkeit(n, p, k), direkt(n, p, k), 1e-14L,
                        "n=" + std::to_string(n) + " p=" + std::to_string(static_cast<double>(p)) +
                            " k=" + std::to_string(k));
}

TEST(Binomialrechnung, RaenderExakt) {
    struct Fall {
        int n;
        long double p;
        int k;
        long double b;
    };
    const Fall faelle[] = {
        {0, 0, 0, 1},     {0, 0.4L, 0, 1},      {0, 1, 0, 1},        {10, 0, 0, 1},
        {10, 0, 1, 0},    {10, 1, 10, 1},       {10, 1, 9, 0},       {10, 0.5L, 11, 0},
        {32000, 0, 0, 1}, {32000, 1, 32000, 1}, {5, 0.5L, 32000, 0}, {32000, 1, 0, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(binom_wahrscheinlichkeit(f.n, f.p, f.k), f.b)
            << f.n << " " << static_cast<double>(f.p) << " " << f.k;
}

// Direct products overflow from n = 2956 for the central k; the logarithms do not.
TEST(Binomialrechnung, GrosseN) {
    const long double b = binom_wahrscheinlichkeit(3000, 0.5L, 1500);
    // sqrt(2 / (pi n)) (1 - 1/(4n)) to far better than the two decimals shown.
    relativ(b, std::sqrt(2 / (3.14159265358979323846L * 3000)) * (1 - 1.0L / 12000), 1e-7L,
            "n=3000");
    Binomverteilung v;
    ASSERT_TRUE(binom_berechnen({3000, 0.5L, 1500, 1500}, v));
    EXPECT_EQ(binom_texte(v, "0.00")[0][1], "0,01");
}

TEST(Binomialrechnung, SummeIstEins) {
    for (long double p : {0.5L, 0.001L, 0.3L, 0.999L, 1e-9L}) {
        Binomverteilung v;
        ASSERT_TRUE(binom_berechnen({32000, p, 0, 32000}, v));
        ASSERT_EQ(v.b.size(), 32001u);
        EXPECT_NEAR(static_cast<double>(v.p2), 1.0, 1e-12) << static_cast<double>(p);
        long double summe = 0;
        for (long double w : v.b)
            summe += w;
        EXPECT_NEAR(static_cast<double>(summe), 1.0, 1e-12) << static_cast<double>(p);
    }
}

// The table runs outward from the most probable k; every row, far into the tails, agrees with
// the single probability formed through the gamma function.
TEST(Binomialrechnung, TabelleWieEinzelwerte) {
    for (long double p : {0.5L, 0.01L, 0.3L, 0.97L}) {
        Binomverteilung v;
        ASSERT_TRUE(binom_berechnen({32000, p, 0, 32000}, v));
        for (int k = 0; k <= 32000; k += 7) {
            const long double einzeln = binom_wahrscheinlichkeit(32000, p, k);
            if (einzeln < 1e-4900L) continue; // near the end of the range only zeros and denormals
            relativ(v.b[k], einzeln, 1e-12L,
                    "p=" + std::to_string(static_cast<double>(p)) + " k=" + std::to_string(k));
        }
    }
}

TEST(Binomialrechnung, TabelleUndSummen) {
    struct Fall {
        const char* name;
        Binomauftrag auftrag;
        std::vector<std::string> zeilen; // "k|B"
        const char *p1, *p2, *differenz, *erwartung, *varianz, *abweichung;
    };
    const Fall faelle[] = {
        {"n=20",
         {20, 0.3L, 2, 6},
         {"2|0,03", "3|0,07", "4|0,13", "5|0,18", "6|0,19"},
         "0,04",
         "0,61",
         "0,57",
         "6,00",
         "4,20",
         "2,05"},
        {"n=10",
         {10, 0.5L, 3, 5},
         {"3|0,12", "4|0,21", "5|0,25"},
         "0,17",
         "0,62",
         "0,45",
         "5,00",
         "2,50",
         "1,58"},
        {"vertauscht",
         {10, 0.5L, 5, 3},
         {"3|0,12", "4|0,21", "5|0,25"},
         "0,17",
         "0,62",
         "0,45",
         "5,00",
         "2,50",
         "1,58"},
        {"k1 = k2", {10, 0.5L, 4, 4}, {"4|0,21"}, "0,38", "0,38", "0,00", "5,00", "2,50", "1,58"},
        {"p = 0",
         {4, 0, 0, 2},
         {"0|1,00", "1|0,00", "2|0,00"},
         "1,00",
         "1,00",
         "0,00",
         "0,00",
         "0,00",
         "0,00"},
        {"k > n",
         {2, 0.5L, 1, 4},
         {"1|0,50", "2|0,25", "3|0,00", "4|0,00"},
         "0,75",
         "1,00",
         "0,25",
         "1,00",
         "0,50",
         "0,71"},
        {"n = 0",
         {0, 0.5L, 0, 1},
         {"0|1,00", "1|0,00"},
         "1,00",
         "1,00",
         "0,00",
         "0,00",
         "0,00",
         "0,00"},
    };
    for (const Fall& f : faelle) {
        Binomverteilung v;
        ASSERT_TRUE(binom_berechnen(f.auftrag, v)) << f.name;
        std::vector<std::string> z;
        for (const auto& t : binom_texte(v, "0.00"))
            z.push_back(t[0] + "|" + t[1]);
        EXPECT_EQ(z, f.zeilen) << f.name;
        auto text = [](long double w) { return binom_texte({0, 0, {w}}, "0.00")[0][1]; };
        EXPECT_EQ(text(v.p1), f.p1) << f.name;
        EXPECT_EQ(text(v.p2), f.p2) << f.name;
        EXPECT_EQ(text(v.differenz), f.differenz) << f.name;
        EXPECT_EQ(text(v.erwartung), f.erwartung) << f.name;
        EXPECT_EQ(text(v.varianz), f.varianz) << f.name;
        EXPECT_EQ(text(v.abweichung), f.abweichung) << f.name;
    }
}

// The texts are those of the picture, also where the tails are skipped as zeros.
TEST(Binomialrechnung, TexteWieDasZahlenformat) {
    Binomverteilung v;
    ASSERT_TRUE(binom_berechnen({400, 0.5L, 0, 400}, v));
    for (const char* bild : {"0.00", "0.000", "0.00E-0", "", "0.00;(0.00);Null", "#,##0.0000"}) {
        const auto texte = binom_texte(v, bild);
        for (std::size_t i = 0; i < v.b.size(); ++i)
            ASSERT_EQ(texte[i][1], format(bild, v.b[i])) << bild << " k=" << i;
    }
}

// The sum up to k1 is the same whether the table starts at 0 or at k1.
TEST(Binomialrechnung, SummenPassenZusammen) {
    Binomverteilung ganz, teil;
    ASSERT_TRUE(binom_berechnen({300, 0.37L, 0, 200}, ganz));
    ASSERT_TRUE(binom_berechnen({300, 0.37L, 100, 200}, teil));
    long double bis100 = 0;
    for (int k = 0; k <= 100; ++k)
        bis100 += ganz.b[k];
    relativ(teil.p1, bis100, 1e-15L, "P1");
    relativ(teil.p2, ganz.p2, 1e-15L, "P2");
    relativ(teil.differenz, teil.p2 - teil.p1, 1e-12L, "P2 - P1");
}

TEST(Binomialrechnung, EingabenWerdenBegrenzt) {
    struct Fall {
        Binomauftrag ein, aus;
    };
    const Fall faelle[] = {
        {{-3, -0.5L, -1, 40000}, {0, 0, 0, 32000}},
        {{40000, 1.5L, 5, 2}, {32000, 1, 5, 2}},
        {{10, std::nanl(""), 1, 1}, {10, 0, 1, 1}},
        {{10, 0.125L, 1, 1}, {10, 0.125L, 1, 1}},
    };
    for (const Fall& f : faelle) {
        const Binomauftrag b = binom_begrenzt(f.ein);
        EXPECT_EQ(b.n, f.aus.n);
        EXPECT_EQ(b.p, f.aus.p);
        EXPECT_EQ(b.k1, f.aus.k1);
        EXPECT_EQ(b.k2, f.aus.k2);
    }
    Binomverteilung v;
    ASSERT_TRUE(binom_berechnen({10, 7, 0, 10}, v)); // p = 7 counts as 1
    EXPECT_EQ(v.b.back(), 1);
    EXPECT_EQ(v.erwartung, 10);
}

} // namespace

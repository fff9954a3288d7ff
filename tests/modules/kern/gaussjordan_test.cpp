#include "modules/kern/gaussjordan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using zol::gaussjordan::Gleichungssystem;
using zol::gaussjordan::loesen;
using Zeilen = std::vector<std::vector<long double>>;

bool nah(long double ist, long double soll, long double rel = 1e-12L) {
    return std::fabs(ist - soll) <= rel * std::max<long double>(1, std::fabs(soll));
}

struct Fall {
    const char* name;
    Zeilen zeilen;
    std::vector<long double> loesung; // empty: "Gleichung nicht lösbar"
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Loesen : public testing::TestWithParam<Fall> {};

TEST_P(Loesen, GibtDieLoesungOderKeine) {
    const Fall& fall = GetParam();
    const auto x = loesen(fall.zeilen);
    if (fall.loesung.empty()) {
        EXPECT_FALSE(x.has_value());
        return;
    }
    ASSERT_TRUE(x.has_value());
    ASSERT_EQ(x->size(), fall.loesung.size());
    for (std::size_t j = 0; j < x->size(); ++j)
        EXPECT_TRUE(nah((*x)[j], fall.loesung[j])) << "x" << j + 1 << " = " << double((*x)[j]);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Loesen,
    testing::Values(
        Fall{"ZweiMalZwei", {{2, 1, 3}, {1, -1, 0}}, {1, 1}},
        Fall{"ErsterKoeffizientNull", {{0, 1, 2}, {1, 0, 3}}, {3, 2}},
        Fall{"AbhaengigeZeilen", {{1, 1, 1}, {2, 2, 2}}, {}},
        Fall{"Widerspruch", {{1, 1, 1}, {2, 2, 3}}, {}}, Fall{"EineUnbekannte", {{4, 2}}, {0.5L}},
        Fall{"NullGleichFuenf", {{0, 5}}, {}}, Fall{"NullGleichNull", {{0, 0}}, {}},
        Fall{"DreiMalDrei", {{2, 1, -1, 8}, {-3, -1, 2, -11}, {-2, 1, 2, -3}}, {2, 3, -1}},
        Fall{"DreiMalDreiMitTausch", {{0, 1, 1, 2}, {0, 2, 1, 3}, {3, 1, 1, 5}}, {1, 1, 1}},
        // Rounding leaves about 1E-17 on the diagonal; an exact zero test "solves" these.
        Fall{"DezimalbruecheOhneLoesung", {{0.1L, 0.3L, 1}, {0.3L, 0.9L, 4}}, {}},
        Fall{"DezimalbruecheUnendlichVieleLoesungen", {{0.1L, 0.3L, 1}, {0.3L, 0.9L, 3}}, {}},
        Fall{"DezimalbruecheAlsDouble", {{0.1, 0.3, 1}, {0.3, 0.9, 4}}, {}},
        // A tiny pivot is exchanged with the column's largest entry.
        Fall{"WinzigesPivot", {{1e-20L, 1, 1}, {1, 1, 2}}, {1, 1}},
        Fall{"WinzigesPivotDreiZeilen", {{1e-20L, 1, 0, 1}, {1, 1, 0, 2}, {4, 0, 1, 7}}, {1, 1, 3}},
        // Small but honest coefficients are not mistaken for zero.
        Fall{"KleineKoeffizienten", {{1e-30L, 2e-30L}}, {2}},
        Fall{"KleineKoeffizientenZweiMalZwei",
             {{2e-30L, 1e-30L, 3e-30L}, {1e-30L, -1e-30L, 0}},
             {1, 1}},
        Fall{"NichtEndlich", {{NAN, 1, 1}, {1, 1, 2}}, {}},
        Fall{"Unendlich", {{INFINITY, 1, 1}, {1, 1, 2}}, {}}),
    [](const testing::TestParamInfo<Fall>& info) { return std::string(info.param.name); });

// Hilbert matrix of order 10 (condition number about 1.6E13) with the row sums on the right:
// every x_j is 1; no pivot comes near the zero test.
TEST(GaussJordan, HilbertmatrixZehnIstLoesbar) {
    Gleichungssystem s(10);
    for (int i = 1; i <= 10; ++i) {
        long double summe = 0;
        for (int j = 1; j <= 10; ++j) {
            s(i, j) = 1.0L / (i + j - 1);
            summe += s(i, j);
        }
        s(i, 11) = summe;
    }
    const auto x = loesen(s);
    ASSERT_TRUE(x.has_value());
    for (long double xj : *x)
        EXPECT_NEAR(double(xj), 1.0, 1e-4);
}

// A column of zeros is rotated through the rows below it as on paper (row k with k+1, then with
// k+2), so the eliminated matrix the window shows is the student's.
TEST(GaussJordan, EliminierteMatrixFolgtDenZeilentauschen) {
    auto s = Gleichungssystem::aus_zeilen({{0, 1, 1, 1}, {0, 2, 3, 2}, {0, 1, 0, 3}});
    EXPECT_FALSE(zol::gaussjordan::eliminieren(s));
    const long double soll[3][4] = {{0, 0, 0, 2}, {0, 1, 0, 1}, {0, 0, 1, 0}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j)
            EXPECT_TRUE(nah(s(i, j), soll[i - 1][j - 1]))
                << "a" << i << j << " = " << double(s(i, j));
}

TEST(GaussJordan, PivotzeileWirdNichtGeteilt) {
    auto s = Gleichungssystem::aus_zeilen({{2, 1, 3}, {1, -1, 0}});
    ASSERT_TRUE(zol::gaussjordan::eliminieren(s));
    EXPECT_EQ(s(1, 1), 2);
    EXPECT_EQ(s(1, 2), 0);
    EXPECT_EQ(s(2, 1), 0);
    EXPECT_TRUE(nah(s(2, 2), -1.5L));
    EXPECT_TRUE(nah(zol::gaussjordan::unbekannte(s, 1), 1));
}

TEST(GaussJordan, NichtEndlicheEingabeBleibtUnveraendert) {
    auto s = Gleichungssystem::aus_zeilen({{1, NAN, 1}, {1, 1, 2}});
    EXPECT_FALSE(zol::gaussjordan::eliminieren(s));
    EXPECT_EQ(s(2, 1), 1);
    EXPECT_EQ(s(2, 3), 2);
}

TEST(GaussJordan, GroesseWirdBegrenzt) {
    EXPECT_EQ(Gleichungssystem(0).n(), 1);
    EXPECT_EQ(Gleichungssystem(25).n(), zol::gaussjordan::max_n);
    EXPECT_FALSE(loesen(Zeilen{}).has_value());
    EXPECT_FALSE(loesen(Zeilen(21, std::vector<long double>(22, 1))).has_value());
    // Short rows are filled with 0: x = 0 has no unique solution for a zero coefficient.
    EXPECT_FALSE(loesen(Zeilen{{}}).has_value());
}

// ---- Randomized check against exact rational arithmetic ----

struct Bruch {
    __int128 z = 0;
    __int128 n = 1;
};

__int128 ggt128(__int128 a, __int128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) {
        const __int128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

Bruch normal(__int128 z, __int128 n) {
    if (n < 0) {
        z = -z;
        n = -n;
    }
    const __int128 g = ggt128(z, n);
    return g > 1 ? Bruch{z / g, n / g} : Bruch{z, n};
}
Bruch operator-(Bruch a, Bruch b) {
    return normal(a.z * b.n - b.z * a.n, a.n * b.n);
}
Bruch operator*(Bruch a, Bruch b) {
    return normal(a.z * b.z, a.n * b.n);
}
Bruch operator/(Bruch a, Bruch b) {
    return normal(a.z * b.n, a.n * b.z);
}

// Exact solution by elimination in fractions; empty when the determinant is 0.
std::vector<Bruch> exakt_loesen(std::vector<std::vector<Bruch>> a) {
    const std::size_t n = a.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t r = k;
        while (r < n && a[r][k].z == 0)
            ++r;
        if (r == n) return {};
        std::swap(a[k], a[r]);
        for (std::size_t i = 0; i < n; ++i) {
            if (i == k || a[i][k].z == 0) continue;
            const Bruch f = a[i][k] / a[k][k];
            for (std::size_t j = k; j <= n; ++j)
                a[i][j] = a[i][j] - f * a[k][j];
        }
    }
    std::vector<Bruch> x(n);
    for (std::size_t j = 0; j < n; ++j)
        x[j] = a[j][n] / a[j][j];
    return x;
}

TEST(GaussJordan, ZufallssystemeWieInExakterArithmetik) {
    std::mt19937 zufall(20240601);
    std::uniform_int_distribution<int> eintrag(-6, 6), art(0, 9), faktor(-3, 3);
    int loesbar = 0, nicht_loesbar = 0;
    for (int versuch = 0; versuch < 1000; ++versuch) {
        std::vector<std::vector<int>> m(4, std::vector<int>(5));
        for (auto& zeile : m)
            for (int& wert : zeile)
                wert = art(zufall) < 2 ? 0 : eintrag(zufall); // zeros exercise the row exchanges
        if (art(zufall) < 3) {
            // A dependent last row (with a consistent or an inconsistent right side).
            const int a = faktor(zufall), b = faktor(zufall);
            for (int j = 0; j < 4; ++j)
                m[3][j] = a * m[0][j] + b * m[1][j];
            m[3][4] = a * m[0][4] + b * m[1][4] + (art(zufall) < 5 ? 0 : 1);
        }
        Zeilen zeilen;
        std::vector<std::vector<Bruch>> exakt;
        for (const auto& zeile : m) {
            zeilen.emplace_back(zeile.begin(), zeile.end());
            exakt.emplace_back();
            for (int wert : zeile)
                exakt.back().push_back(Bruch{wert, 1});
        }
        const auto soll = exakt_loesen(exakt);
        const auto ist = loesen(zeilen);
        ASSERT_EQ(ist.has_value(), !soll.empty()) << "Versuch " << versuch;
        if (soll.empty()) {
            ++nicht_loesbar;
            continue;
        }
        ++loesbar;
        for (std::size_t j = 0; j < 4; ++j) {
            const long double wert =
                static_cast<long double>(soll[j].z) / static_cast<long double>(soll[j].n);
            ASSERT_TRUE(nah((*ist)[j], wert, 1e-13L))
                << "Versuch " << versuch << " x" << j + 1 << ": " << double((*ist)[j]) << " statt "
                << double(wert);
        }
    }
    // Both verdicts occur often enough for the comparison to mean something.
    EXPECT_GT(loesbar, 300);
    EXPECT_GT(nicht_loesbar, 150);
}

} // namespace

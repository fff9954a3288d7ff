// The fast Fourier transform of the FFT window: the known small cases, the ramp 1 … 8, every
// length 2 … 512 against a direct sum in both directions, refused lengths and the result texts.
#include "modules/linalg/fftrechnung.h"

#include "engine/hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using namespace zol;
using K = std::complex<long double>;

// The definition itself: n^2 terms, each with its own angle.
Komplexfolge direkt(const Komplexfolge& x, Fftrichtung richtung) {
    const std::size_t n = x.size();
    const long double d = static_cast<int>(richtung);
    Komplexfolge y(n);
    for (std::size_t k = 0; k < n; ++k) {
        K s = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const long double w = -d * 2 * pi_ld * static_cast<long double>((j * k) % n) /
                                  static_cast<long double>(n);
            s += x[j] * K(std::cos(w), std::sin(w));
        }
        y[k] = richtung == Fftrichtung::zurueck ? s / static_cast<long double>(n) : s;
    }
    return y;
}

long double groesster_betrag(const Komplexfolge& a) {
    long double m = 0;
    for (const K& w : a)
        m = std::max(m, std::abs(w));
    return m;
}

// Every value within a tolerance relative to the largest one of the expected sequence.
void erwarte_nahe(const Komplexfolge& ist, const Komplexfolge& soll, const std::string& fall) {
    ASSERT_EQ(ist.size(), soll.size()) << fall;
    const long double toleranz = 1e-14L * std::max<long double>(1, groesster_betrag(soll));
    for (std::size_t i = 0; i < ist.size(); ++i)
        EXPECT_LE(std::abs(ist[i] - soll[i]), toleranz)
            << fall << " Index " << i << ": " << static_cast<double>(ist[i].real()) << "|"
            << static_cast<double>(ist[i].imag());
}

Komplexfolge reell(std::initializer_list<long double> werte) {
    Komplexfolge a;
    for (long double w : werte)
        a.emplace_back(w, 0);
    return a;
}

TEST(Fftrechnung, KleineFaelle) {
    const K i(0, 1);
    struct Fall {
        const char* name;
        Komplexfolge eingabe;
        Fftrichtung richtung;
        Komplexfolge ergebnis;
    };
    const Fall faelle[] = {
        {"Impuls", reell({1, 0, 0, 0}), Fftrichtung::hin, reell({1, 1, 1, 1})},
        {"Konstante", reell({1, 1, 1, 1}), Fftrichtung::hin, reell({4, 0, 0, 0})},
        {"Konstante zurueck", reell({4, 0, 0, 0}), Fftrichtung::zurueck, reell({1, 1, 1, 1})},
        {"verschobener Impuls", reell({0, 1, 0, 0}), Fftrichtung::hin, {1, -i, -1, i}},
        {"verschobener Impuls zurueck",
         reell({0, 1, 0, 0}),
         Fftrichtung::zurueck,
         {0.25L, 0.25L * i, -0.25L, -0.25L * i}},
        {"zwei Werte", reell({3, 5}), Fftrichtung::hin, reell({8, -2})},
        {"imaginaer", {i, 0}, Fftrichtung::hin, {i, i}},
    };
    for (const Fall& f : faelle) {
        Komplexfolge a = f.eingabe;
        ASSERT_TRUE(fft_transformieren(a, f.richtung)) << f.name;
        erwarte_nahe(a, f.ergebnis, f.name);
    }
}

TEST(Fftrechnung, RampeEinsBisAchtUndZurueck) {
    Komplexfolge a = reell({1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(fft_transformieren(a, Fftrichtung::hin));
    const std::vector<std::array<std::string, 2>> soll = {
        {"36,00", "0,00"}, {"-4,00", "9,66"},  {"-4,00", "4,00"},  {"-4,00", "1,66"},
        {"-4,00", "0,00"}, {"-4,00", "-1,66"}, {"-4,00", "-4,00"}, {"-4,00", "-9,66"}};
    EXPECT_EQ(fft_texte(a, "0.00"), soll);
    ASSERT_TRUE(fft_transformieren(a, Fftrichtung::zurueck));
    erwarte_nahe(a, reell({1, 2, 3, 4, 5, 6, 7, 8}), "zurueck");
    const std::vector<std::array<std::string, 2>> rampe = {
        {"1,00", "0,00"}, {"2,00", "0,00"}, {"3,00", "0,00"}, {"4,00", "0,00"},
        {"5,00", "0,00"}, {"6,00", "0,00"}, {"7,00", "0,00"}, {"8,00", "0,00"}};
    EXPECT_EQ(fft_texte(a, "0.00"), rampe); // no "-0,00" from rounding noise
}

// Every length the window offers, random complex values, both directions; and there and back.
TEST(Fftrechnung, JedeLaengeGegenDieDirekteSumme) {
    std::mt19937 zufall(20261210);
    std::uniform_real_distribution<double> wert(-10, 10);
    for (int k = fft_min_potenz; k <= fft_max_potenz; ++k) {
        const int n = fft_punktzahl(k);
        Komplexfolge x(static_cast<std::size_t>(n));
        for (K& w : x)
            w = K(wert(zufall), wert(zufall));
        for (Fftrichtung r : {Fftrichtung::hin, Fftrichtung::zurueck}) {
            Komplexfolge a = x;
            ASSERT_TRUE(fft_transformieren(a, r));
            const std::string fall =
                "n=" + std::to_string(n) + (r == Fftrichtung::hin ? " FFT" : " IFFT");
            erwarte_nahe(a, direkt(x, r), fall);
            ASSERT_TRUE(fft_transformieren(a, r == Fftrichtung::hin ? Fftrichtung::zurueck
                                                                    : Fftrichtung::hin));
            erwarte_nahe(a, x, fall + " und zurueck");
        }
    }
}

TEST(Fftrechnung, LaengeOhneZweierpotenzBleibtUnveraendert) {
    for (std::size_t n : {0u, 3u, 6u, 12u, 513u}) {
        Komplexfolge a(n, K(1, 2));
        EXPECT_FALSE(fft_transformieren(a, Fftrichtung::hin)) << n;
        EXPECT_EQ(a, Komplexfolge(n, K(1, 2))) << n;
    }
    Komplexfolge eins{K(2, -3)}; // n = 1 = 2^0: the value itself
    EXPECT_TRUE(fft_transformieren(eins, Fftrichtung::zurueck));
    EXPECT_EQ(eins[0], K(2, -3));
}

TEST(Fftrechnung, PunktzahlKommtInDenBereich) {
    const std::pair<int, int> faelle[] = {
        {1, 2},    {2, 4},    {3, 8},
        {9, 512},  {0, 2},    {-7, 2},
        {10, 512}, {30, 512}, {std::numeric_limits<int>::max(), 512}};
    for (auto [k, n] : faelle)
        EXPECT_EQ(fft_punktzahl(k), n) << k;
}

TEST(Fftrechnung, TexteOhneMinusNullUndMitNichtDefiniert) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const Komplexfolge a{K(-0.0L, -0.0L), K(-0.001L, 1.005L), K(inf, -inf),
                         K(std::numeric_limits<long double>::quiet_NaN(), 2)};
    const std::vector<std::array<std::string, 2>> soll = {
        {"0,00", "0,00"}, {"0,00", "1,01"}, {"n. d.", "n. d."}, {"n. d.", "2,00"}};
    EXPECT_EQ(fft_texte(a, "0.00"), soll);
    EXPECT_EQ(fft_texte({K(-0.0L, 1234.5L)}, "0.0E+0"),
              (std::vector<std::array<std::string, 2>>{{"0,0E+0", "1,2E+3"}}));
}

} // namespace

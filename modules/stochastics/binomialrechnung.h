#pragma once
// The binomial distribution window's arithmetic, free of the window: single probabilities
// B(n,p,k) = C(n,k) p^k (1-p)^(n-k), the table for k1 … k2, the cumulative probabilities up to
// k1 and k2, expected value, variance and standard deviation.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// n, k1 and k2 run from 0 to 32000.
inline constexpr int binom_max = 32000;

// B(n,p,k) for 0 <= p <= 1, through logarithms of the gamma function, so n = 32000 neither
// overflows nor loses the probability in a quotient of huge products. p = 0 and p = 1 are exact
// (0^0 = 1), and k > n gives 0.
long double binom_wahrscheinlichkeit(int n, long double p, int k);

struct Binomauftrag {
    int n = 0;
    long double p = 0;
    int k1 = 0;
    int k2 = 0;
};

struct Binomverteilung {
    int von = 0, bis = 0;       // k1 and k2 in order
    std::vector<long double> b; // B(n,p,k) for k = von … bis
    long double p1 = 0, p2 = 0; // sums of B from 0 to von and to bis
    long double differenz = 0;  // P2 - P1, summed from von + 1 to bis without cancelling
    long double erwartung = 0, varianz = 0, abweichung = 0;
};

inline constexpr const char* binom_fehler = "Fehler bei der Berechnung";

// Brings the inputs into range (n, k1, k2 into 0 … 32000, p into 0 … 1; a p that is no
// number counts as 0) before anything else.
Binomauftrag binom_begrenzt(Binomauftrag a);

// Computes the table and the sums for the (range-checked) order; k1 > k2 are exchanged. False,
// with v unchanged, when a value comes out not finite.
bool binom_berechnen(const Binomauftrag& auftrag, Binomverteilung& v);

// The table rows as texts: k in decimal, B with the picture bild.
std::vector<std::array<std::string, 2>> binom_texte(const Binomverteilung& v,
                                                    std::string_view bild);

} // namespace zol

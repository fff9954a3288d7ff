#include "modules/stochastics/kombinatorikrechnung.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zol {

namespace {

constexpr long double unendlich = std::numeric_limits<long double>::infinity();

// C(a, b) for 0 <= b <= a: the shorter of the two symmetric products. Each step
// r * (a - i + 1) / i is a whole number; it is formed exactly in 128 bits while it fits there,
// so every result below 2^64 comes out exact, then in extended precision.
long double nichtnegativ(std::int64_t a, std::int64_t b) {
    b = std::min(b, a - b);
    unsigned __int128 ganz = 1;
    std::int64_t i = 1;
    for (; i <= b; ++i) {
        const auto faktor = static_cast<unsigned __int128>(a - i + 1);
        if (ganz > ~static_cast<unsigned __int128>(0) / faktor) break;
        ganz = ganz * faktor / static_cast<unsigned __int128>(i);
    }
    long double r = static_cast<long double>(ganz);
    for (; i <= b; ++i) {
        const long double faktor = static_cast<long double>(a - i + 1);
        long double naechstes = r * faktor / static_cast<long double>(i);
        // The product may leave the range although the quotient does not.
        if (!std::isfinite(naechstes)) naechstes = r / static_cast<long double>(i) * faktor;
        if (!std::isfinite(naechstes)) return unendlich;
        r = naechstes;
    }
    return r;
}

} // namespace

long double fakultaet(std::int64_t x) {
    long double r = 1;
    for (std::int64_t i = 2; i <= x; ++i) {
        r *= static_cast<long double>(i);
        if (!std::isfinite(r)) return unendlich;
    }
    return r;
}

long double binomialkoeffizient(std::int64_t a, std::int64_t b) {
    if (b <= 0) return 1;
    if (a >= 0) return b > a ? 0 : nichtnegativ(a, b);
    // C(a, b) = (-1)^b C(b - a - 1, b) for negative a.
    const long double betrag = nichtnegativ(b - a - 1, b);
    return b % 2 == 0 ? betrag : -betrag;
}

long double fallendes_produkt(std::int64_t n, std::int64_t k) {
    if (k <= 0) return 1;
    if (n >= 0 && k > n) return 0;
    long double r = 1;
    for (std::int64_t i = 0; i < k; ++i) {
        r *= static_cast<long double>(n - i);
        if (!std::isfinite(r)) return r;
    }
    return r;
}

long double kombi_potenz(std::int64_t a, std::int64_t b) {
    if (b == 0) return 1;
    if (b < 0) return static_cast<long double>(a);
    // Squaring keeps whole results exact while they fit the mantissa.
    long double ergebnis = 1, basis = static_cast<long double>(a);
    for (std::int64_t e = b; e > 0; e /= 2) {
        if (e % 2 == 1) ergebnis *= basis;
        if (e > 1) basis *= basis;
        if (!std::isfinite(ergebnis)) return ergebnis;
        if (std::isinf(basis)) {
            // Any further factor overflows too; the sign follows a and the parity of b.
            const bool negativ = a < 0 && b % 2 == 1;
            return negativ ? -unendlich : unendlich;
        }
    }
    return ergebnis;
}

Kombinatorik kombinatorik_berechnen(std::int64_t n, std::int64_t k) {
    n = std::clamp<std::int64_t>(n, -kombi_grenze, kombi_grenze);
    k = std::clamp<std::int64_t>(k, -kombi_grenze, kombi_grenze);
    Kombinatorik e;
    e.n_fakultaet = fakultaet(n);
    e.k_fakultaet = fakultaet(k);
    e.k1 = binomialkoeffizient(n, k);
    e.k2 = binomialkoeffizient(n + k - 1, k);
    e.v1 = fallendes_produkt(n, k);
    e.v2 = kombi_potenz(n, k);
    return e;
}

} // namespace zol

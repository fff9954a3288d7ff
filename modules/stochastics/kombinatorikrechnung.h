#pragma once
// The combinatorics window's arithmetic, free of the window: factorials, combinations and
// variations with and without repetition, in extended precision. A value beyond the extended
// range comes back as infinity, which the window shows as "Überlauf"; every loop stops at the
// first overflow, so n = k = 999 999 takes microseconds.
#include <cstdint>

namespace zol {

// n and k run from -999 999 to 999 999.
inline constexpr std::int32_t kombi_grenze = 999999;

// x! for whole x; 1 for x <= 0 (the school's convention, which keeps the window total).
long double fakultaet(std::int64_t x);
// C(a, b) = a (a-1) … (a-b+1) / b!, also for negative a (C(-3, 2) = 6); 1 for b <= 0 and 0 for
// 0 <= a < b.
long double binomialkoeffizient(std::int64_t a, std::int64_t b);
// The falling product n (n-1) … (n-k+1) of k factors; 1 for k <= 0, 0 for 0 <= n < k.
long double fallendes_produkt(std::int64_t n, std::int64_t k);
// a^b for b >= 1; 1 for b = 0 and a itself for a negative b (the window's rule for V2).
long double kombi_potenz(std::int64_t a, std::int64_t b);

struct Kombinatorik {
    long double n_fakultaet = 0; // n!
    long double k_fakultaet = 0; // k!
    long double k1 = 0;          // C(n, k): combinations without repetition
    long double k2 = 0;          // C(n + k - 1, k): combinations with repetition
    long double v1 = 0;          // n!/(n-k)!: variations without repetition
    long double v2 = 0;          // n^k: variations with repetition
};

// n and k are first brought into -999 999 … 999 999.
Kombinatorik kombinatorik_berechnen(std::int64_t n, std::int64_t k);

} // namespace zol

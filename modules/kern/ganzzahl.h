#pragma once
// Whole-number arithmetic the topic windows share (fractions, primes, combinatorics): 64-bit
// operations that report overflow instead of wrapping, gcd and lcm, and division that
// truncates toward zero as the school's "Rest" does.
#include <cstdint>

namespace zol::ganzzahl {

// Greatest common divisor of |a| and |b|; ggt(0, 0) is 0. ggt(INT64_MIN, 0) does not fit and
// gives 0 as well (callers keep their numbers well inside the range).
std::int64_t ggt(std::int64_t a, std::int64_t b);

// a + b, a - b, a * b; false when the exact result does not fit into 64 bits.
bool plus(std::int64_t a, std::int64_t b, std::int64_t& ergebnis);
bool minus(std::int64_t a, std::int64_t b, std::int64_t& ergebnis);
bool mal(std::int64_t a, std::int64_t b, std::int64_t& ergebnis);

// Least common multiple of |a| and |b| (0 when either is 0); false on overflow.
bool kgv(std::int64_t a, std::int64_t b, std::int64_t& ergebnis);

// a = quotient * b + rest with the quotient truncated toward zero (-7 : 2 = -3 Rest -1);
// false for b = 0 and for the one quotient that does not fit (INT64_MIN : -1).
bool teilen(std::int64_t a, std::int64_t b, std::int64_t& quotient, std::int64_t& rest);

} // namespace zol::ganzzahl

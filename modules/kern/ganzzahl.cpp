#include "modules/kern/ganzzahl.h"

#include <limits>

namespace zol::ganzzahl {

namespace {

constexpr std::int64_t kleinste = std::numeric_limits<std::int64_t>::min();

std::uint64_t betrag(std::int64_t a) {
    return a < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
}

} // namespace

std::int64_t ggt(std::int64_t a, std::int64_t b) {
    std::uint64_t x = betrag(a), y = betrag(b);
    while (y != 0) {
        const std::uint64_t r = x % y;
        x = y;
        y = r;
    }
    return x > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
               ? 0
               : static_cast<std::int64_t>(x);
}

bool plus(std::int64_t a, std::int64_t b, std::int64_t& ergebnis) {
    return !__builtin_add_overflow(a, b, &ergebnis);
}

bool minus(std::int64_t a, std::int64_t b, std::int64_t& ergebnis) {
    return !__builtin_sub_overflow(a, b, &ergebnis);
}

bool mal(std::int64_t a, std::int64_t b, std::int64_t& ergebnis) {
    return !__builtin_mul_overflow(a, b, &ergebnis);
}

bool kgv(std::int64_t a, std::int64_t b, std::int64_t& ergebnis) {
    if (a == 0 || b == 0) {
        ergebnis = 0;
        return true;
    }
    if (a == kleinste || b == kleinste) return false;
    const std::int64_t g = ggt(a, b);
    const std::int64_t x = a < 0 ? -a : a;
    const std::int64_t y = b < 0 ? -b : b;
    return mal(x / g, y, ergebnis);
}

bool teilen(std::int64_t a, std::int64_t b, std::int64_t& quotient, std::int64_t& rest) {
    if (b == 0 || (a == kleinste && b == -1)) return false;
    quotient = a / b; // C++ truncates toward zero
    rest = a % b;
    return true;
}

} // namespace zol::ganzzahl

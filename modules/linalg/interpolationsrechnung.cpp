#include "modules/linalg/interpolationsrechnung.h"

#include "modules/kern/gaussjordan.h"

#include <cctype>
#include <cmath>

namespace zol {

namespace {

bool markiert(std::string_view zelle) {
    for (char c : zelle)
        if (c == 'X' || c == 'x') return true;
    return false;
}

// The coefficient of a_k in the condition's equation.
long double koeffizient(const Bedingung& b, int k) {
    switch (b.art) {
    case Bedingungsart::funktion:
        return std::pow(b.x, static_cast<long double>(k));
    case Bedingungsart::ableitung:
        return k < 1 ? 0.0L : k * std::pow(b.x, static_cast<long double>(k - 1));
    case Bedingungsart::zweite_ableitung:
        return k < 2 ? 0.0L : k * (k - 1) * std::pow(b.x, static_cast<long double>(k - 2));
    }
    return 0;
}

} // namespace

std::optional<Bedingungsart> markierung(std::string_view fx, std::string_view ableitung,
                                        std::string_view zweite) {
    if (markiert(fx)) return Bedingungsart::funktion;
    if (markiert(ableitung)) return Bedingungsart::ableitung;
    if (markiert(zweite)) return Bedingungsart::zweite_ableitung;
    return std::nullopt;
}

std::optional<polynom::Polynom> interpolieren(const std::vector<Bedingung>& bedingungen) {
    const int n = static_cast<int>(bedingungen.size());
    if (n < 1 || n > gaussjordan::max_n) return std::nullopt;
    gaussjordan::Gleichungssystem s(n);
    for (int i = 1; i <= n; ++i) {
        const Bedingung& b = bedingungen[static_cast<std::size_t>(i - 1)];
        // Unknown k + 1 is the coefficient of x^k.
        for (int k = 0; k < n; ++k)
            s(i, k + 1) = koeffizient(b, k);
        s(i, n + 1) = b.y;
    }
    const auto x = gaussjordan::loesen(s);
    if (!x) return std::nullopt;
    return polynom::Polynom(x->begin(), x->end());
}

std::string interpolationstext(const polynom::Polynom& p, std::string_view bild) {
    return "poly(x)=" +
           polynom::text(p, bild, polynom::Anfang::ohne_zeichen, polynom::Reihenfolge::aufsteigend);
}

} // namespace zol

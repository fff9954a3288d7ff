#pragma once
// The interpolation window's arithmetic, free of the window: the polynomial of degree n − 1
// that meets n conditions on f, f' or f'' at given points, found with the shared Gauss-Jordan
// elimination, and its text "poly(x)=…" in the polynomial core's term rule.
#include "modules/kern/polynom.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// Which value a row prescribes: f(x), f'(x) or f''(x).
enum class Bedingungsart { funktion, ableitung, zweite_ableitung };

struct Bedingung {
    long double x = 0;
    long double y = 0;
    Bedingungsart art = Bedingungsart::funktion;
};

// The marker of a row from its three marker cells ("f(x)", "f'(x)", "f''(x)"): the first one
// holding an "X" (blanks and case ignored). Nothing when no cell is marked.
std::optional<Bedingungsart> markierung(std::string_view fx, std::string_view ableitung,
                                        std::string_view zweite);

// The coefficients a_0 … a_(n−1) (n = bedingungen.size(), 1 … 20) of the polynomial meeting
// every condition: f: Σ a_k x^k = y; f': Σ k a_k x^(k−1) = y; f'': Σ k(k−1) a_k x^(k−2) = y.
// Nothing when the conditions do not fix one polynomial (two f rows at the same x, an f'' row
// for n < 3 …).
std::optional<polynom::Polynom> interpolieren(const std::vector<Bedingung>& bedingungen);

// "poly(x)=" and the terms from x^0 upward, each coefficient rounded through bild; "poly(x)=0"
// when every one rounds to zero.
std::string interpolationstext(const polynom::Polynom& p, std::string_view bild);

} // namespace zol

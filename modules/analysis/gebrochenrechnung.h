#pragma once
// The result lines of the rational functions window, free of the window: the function u/v, its
// split into a polynomial and a proper fraction, the first derivative (u'v - uv')/v^2 in both
// forms and the zeros of numerator and denominator.
#include "modules/kern/polynom.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

inline constexpr const char* nenner_null = "Der Nenner darf nicht das Nullpolynom sein.";

struct Gebrochenergebnis {
    std::vector<std::string> zeilen;
    // Empty, or a message: zero denominator (only the function lines are written), a zero search
    // that gave up (all lines, with the zeros found) or an overflow (no lines).
    std::string meldung;
};

// The memo for zaehler/nenner (coefficient k at x^k), numbers with the picture bild. Degrees are
// the effective ones: the split is written when deg v <= deg u, the derivative's split when
// deg u >= deg v (its quotient may then be 0).
Gebrochenergebnis gebrochene_funktion(const polynom::Polynom& zaehler,
                                      const polynom::Polynom& nenner, std::string_view bild);

} // namespace zol

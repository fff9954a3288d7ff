#pragma once
// Tangent and normal of a graph at x0, free of the window: the slope is the symmetric difference
// quotient, and both lines are written as definitions "tang(x)=…" and "norm(x)=…" that the
// formula language accepts.
#include "modules/analysis/diskussionsrechnung.h"

#include <string>
#include <string_view>

namespace zol {

struct Tangentenergebnis {
    // False when f(x0), f(x0 + h) or f(x0 - h) could not be computed or a result is not
    // finite; then no line is written.
    bool ok = false;
    long double y0 = 0;
    long double m = 0; // slope of the tangent
    long double b = 0; // its intercept
    std::string tangente;
    // Empty when m = 0: the normal is then the vertical line x = x0, no function of x.
    std::string normale;
};

// The message for a point where the slope cannot be computed.
inline constexpr const char* nicht_differenzierbar =
    "Die Funktion ist an dieser Stelle nicht differenzierbar.";

// The right side of a line's definition: " 2,00*x-3,00" (a blank or "-" before the slope,
// "+" or "-" before the intercept); without slope only the intercept ("3,00", "-3,00"); "0"
// when both are 0.
std::string geradenterm(long double steigung, long double achsenabschnitt, std::string_view bild);

Tangentenergebnis tangente_und_normale(const Diskussionsfunktion& f, long double x0, long double h,
                                       std::string_view bild);

} // namespace zol

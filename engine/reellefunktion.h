#pragma once
// Real functions of one variable as the topic windows sample them, and the Simpson rule that
// the value table, the plot window's integrals and the Fourier analysis share.
#include <functional>
#include <string>
#include <string_view>

namespace zol {

class tfunktion;

// A value that cannot be computed is NaN, so that it stays visible through every later step
// (a difference quotient or an integral over it is NaN too) and is never shown as a number.
using Reellefunktion = std::function<long double(long double)>;

// A compiled formula as a function of x: its value, or NaN where the evaluation fails.
Reellefunktion als_reellefunktion(const tfunktion& f);

// Simpson rule over [a, b] with n subintervals: h = (b - a)/n, m = n div 2 pairs of inner
// points. An odd n still closes with f(b) after 2m subintervals; that value is used as it is.
long double simpson(const Reellefunktion& f, long double a, long double b, int n);

// What a result shows for a value that could not be computed ("nicht definiert").
inline constexpr const char* nicht_definiert = "n. d.";

// A computed value written with the picture bild; "n. d." when it failed or is not finite.
std::string ergebnistext(std::string_view bild, long double wert, bool berechnet = true);

} // namespace zol

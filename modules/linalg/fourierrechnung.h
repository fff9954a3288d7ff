#pragma once
// The Fourier analysis' arithmetic, free of the window: the first coefficients of a function
// on [a, b], computed with the Simpson rule, the function through a table of points, and the
// result lines, which are definitions in the formula language.
//
// With L = b - a and w = 2 pi / L the series is
//     f(x) ~ a0/2 + sum over k of (ak cos(k w x) + bk sin(k w x)),
//     ak = 2/L * integral of f(x) cos(k w x),  bk = 2/L * integral of f(x) sin(k w x),
// so a table of two points (0; 0), (1; 1) gives a0 = 1, the mean value 1/2 doubled.
#include "engine/reellefunktion.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

// "Anzahl der Glieder" M and "Simpson" N are brought into these ranges before use.
inline constexpr int fourier_min_glieder = 1;
inline constexpr int fourier_max_glieder = 20;
inline constexpr int fourier_min_simpson = 2;
inline constexpr int fourier_max_simpson = 100000;
// Rows of the point table ("Anzahl:").
inline constexpr int fourier_max_punkte = 1000;

struct Fourierauftrag {
    long double a = 0;    // "von:"
    long double b = 6.28; // "bis:"
    int simpson = 100;    // Simpson subintervals N
    int glieder = 4;      // number of terms M
};

struct Fourierreihe {
    long double omega = 0;      // 2 pi / (b - a)
    std::vector<long double> a; // a0 … aM
    std::vector<long double> b; // b0 … bM; b0 is 0 and not listed
    int glieder() const { return static_cast<int>(a.size()) - 1; }
};

// Why an interval cannot be analysed ("von" not below "bis"); empty when it can.
std::string fourier_pruefen(const Fourierauftrag& auftrag);

// The coefficients of f, with M and N first brought into their ranges. A value of f that
// cannot be computed (NaN) makes every coefficient whose integral needs it NaN. False with the
// German message in fehler when the interval is refused.
bool fourier_berechnen(const Reellefunktion& f, const Fourierauftrag& auftrag, Fourierreihe& reihe,
                       std::string& fehler);

struct Messpunkt {
    long double x = 0;
    long double y = 0;
};

// Why a table cannot be analysed (fewer than two points, x not strictly ascending, a value that
// is not finite); empty when it can.
std::string punkte_pruefen(const std::vector<Messpunkt>& punkte);

// The function through the points of a checked table: y of a point at its x, straight lines
// between neighbours (found by binary search), and the end values beyond the ends, where only
// rounding of the Simpson points can lead.
Reellefunktion stueckweise_linear(std::vector<Messpunkt> punkte);

// A plot range for the analysis: x over [a, b], y over the values of f at 201 points of it
// with room for the overshoot of a partial sum, each with a tick step of 1, 2 or 5 times a
// power of ten; the y limits are multiples of their step.
struct Zeichenbereich {
    long double xmin = 0, xmax = 1, xschritt = 1;
    long double ymin = -1, ymax = 1, yschritt = 1;
};
Zeichenbereich fourier_zeichenbereich(const Reellefunktion& f, long double a, long double b);

// The result lines with the numbers in the picture bild ("n. d." for one that failed): kopf
// first when it is not empty (the analysed definition), then "a0=…", for every k "ak(x)=…" and
// "bk(x)=…", "AN(x)=a0/2+a1(x)+…", "BN(x)=b1(x)+…", "four(x)=AN(x)+BN(x)" and every
// "betragk=…".
std::vector<std::string> fourier_zeilen(const Fourierreihe& reihe, std::string_view bild,
                                        std::string_view kopf);

} // namespace zol

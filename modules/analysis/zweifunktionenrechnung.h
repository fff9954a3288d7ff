#pragma once
// The discussion of two functions, free of the window: intersections of the graphs (or of one
// graph with the x-axis) are the zeros of the difference function, found with the curve
// discussion's sampling and zero refinement; at each the angle of intersection follows from
// symmetric difference quotients, and the signed areas between the graphs from the Simpson rule.
#include "modules/analysis/diskussionsrechnung.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

// Which graphs meet: both functions, or one of them with the x-axis.
enum class Schnittart { beide = 0, erste_und_achse = 1, zweite_und_achse = 2 };

// The generated definition of the difference from the two functions' names:
// "Differenz(x)=A(x)-B(x)", "Differenz(x)=A(x)" or "Differenz(x)=B(x)".
std::string differenzdefinition(std::string_view name1, std::string_view name2, Schnittart art);

// The intersection arrays hold 100 entries; further zeros are left out.
inline constexpr std::size_t max_schnittpunkte = 100;

struct Zweifunktionenauftrag {
    long double xmin = -3;
    long double xmax = 3;
    int aufloesung = 400; // N, the number of sampling intervals of the difference
    Iterationsgrenzen grenzen{1e-3L, 20};
    long double h = 1e-3L; // difference step of the slopes
    int simpson = 30;      // Simpson subintervals per area
    Schnittart art = Schnittart::beide;
};

struct Schnittpunkt {
    long double x = 0;
    long double y = 0;      // the graph's value there: f1 (both, first), f2 (second); NaN if none
    long double winkel = 0; // in degrees, 0 … 90; NaN when a slope could not be computed
};

struct Flaeche {
    long double von = 0;
    long double bis = 0;
    long double wert = 0; // signed integral of the difference; NaN when it could not be computed
};

struct Zweifunktionenergebnis {
    std::vector<Schnittpunkt> schnittpunkte; // ascending x
    // The whole range first, then the stretches between consecutive intersections.
    std::vector<Flaeche> flaechen;
    // The message of the last refinement that gave an intersection ("Abbruch der Iteration
    // durch …"); empty when none was refined.
    std::string iterationsmeldung;
};

// Angle between two lines with slopes m1 and m2 in degrees: 90 when m1·m2 = -1, otherwise
// arctan |(m1 - m2)/(1 + m1·m2)|.
long double schnittwinkel(long double m1, long double m2);

// Slope by the symmetric difference (f(x+h) - f(x-h))/(2h); NaN when a value fails.
long double steigung(const Diskussionsfunktion& f, long double x, long double h);

// Runs the whole discussion; the caller orders the limits (xmin <= xmax). erste and zweite are
// the two functions, differenz their generated difference.
Zweifunktionenergebnis zwei_funktionen(const Diskussionsfunktion& erste,
                                       const Diskussionsfunktion& zweite,
                                       const Diskussionsfunktion& differenz,
                                       const Zweifunktionenauftrag& auftrag);

} // namespace zol

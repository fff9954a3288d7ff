#pragma once
// Straight lines y = m·x + t as linear functions, free of the windows: the line from its four
// input forms, its axis intercepts and slope angle, and the result lines of the line window.
// The formula texts write "+" before a number unless it starts with "-", so every line is a
// definition the formula table takes.
#include "modules/kern/geometrie.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct Geradengleichung {
    long double m = 0;
    long double t = 0;
};

enum class Geradenform { zwei_punkte, steigung_punkt, abschnitt_punkt, steigung_abschnitt };

struct Geradenangabe {
    Geradenform form = Geradenform::zwei_punkte;
    Vektor2 p1;
    Vektor2 p2;
    long double m = 0;
    long double t = 0;
};

// The message of every refused line: two points one above the other, a point on the y-axis
// with the intercept form, or a result that is not finite.
inline constexpr const char* fehlerhafte_eingabe = "Fehlerhafte Eingabe";

// m and t of the line. A slope or intercept that is zero within the tolerance of the numbers it
// came from is 0, so a horizontal line is horizontal and no "-0,00" appears. False with the
// message in fehler; g is then unchanged.
bool gerade_bestimmen(const Geradenangabe& vorgabe, Geradengleichung& g, std::string& fehler);

// The zero −t/m; false for a horizontal line, which has none (or, for t = 0, every x).
bool gerade_nullstelle(const Geradengleichung& g, long double& x);
// The angle between the line and the x-axis in degrees, 0 ≤ w < 180.
long double steigungswinkel(const Geradengleichung& g);

// m "*x" and t with its sign: "2,00*x+1,00", "2,00*x-1,00".
std::string geradenterm(const Geradengleichung& g, std::string_view bild);

// The memo of the line window: ";Geradengleichung:", "gerade(x)=…", ";Schnittpunkt mit der
// x-Achse:", "x=…" (for a horizontal line a comment saying there is none), ";Schnittpunkt mit
// der y-Achse:", "y=…", ";Winkel zwischen Gerade und x-Achse", "w=…".
std::vector<std::string> geradenzeilen(const Geradengleichung& g, std::string_view bild);

} // namespace zol

#pragma once
// The result lines of the polynomial functions window, free of the window: the polynomial with
// its derivatives and antiderivative, its factorisation and its zeros, as definitions the
// calculation window reads (";" starts a comment).
#include "modules/kern/polynom.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct Nullstellennamen {
    const char* reell = "NST";
    const char* real = "real";
    const char* ima = "ima";
};

// "polylin(x)=" with the leading coefficient and the linear and quadratic factors: "(x-z)" for a
// real zero z >= 0, "(x+|z|)" for z < 0, "(x^2+p*x+q)" or "(x^2-|p|*x+q)" for a complex pair.
// The zero polynomial gives "polylin(x)=0". When the search stopped early, the part not split
// follows as a factor with leading coefficient 1, so the line still equals the polynomial.
std::string linearfaktoren(const polynom::Nullstellensuche& suche, std::string_view bild);

// One line per real zero ("NST1=2,00"), then komplexkopf and two lines per complex zero
// ("real1=0,00", "ima1=1,00"); real and complex zeros are numbered separately from 1.
std::vector<std::string> nullstellenzeilen(const polynom::Nullstellensuche& suche,
                                           std::string_view bild, const std::string& komplexkopf,
                                           const Nullstellennamen& namen = {});

// Written when the zero search gave up (also a message of the window).
inline constexpr const char* bairstow_fehlschlag =
    "Das Bairstow-Verfahren konvergiert nicht. Es werden nur die bis dahin gefundenen "
    "Nullstellen angegeben.";
inline constexpr const char* koeffizienten_zu_gross =
    "Die Koeffizienten sind zu groß: Ein Ergebnis ist keine endliche Zahl.";

struct Polynomergebnis {
    std::vector<std::string> zeilen;
    // Empty, or the text of a message: the zero search gave up (the lines are written, with the
    // zeros found) or a derived coefficient overflowed (no lines).
    std::string meldung;
};

// The whole memo for p (coefficient k at x^k) with the number format picture bild.
Polynomergebnis polynomfunktion(const polynom::Polynom& p, std::string_view bild);

} // namespace zol

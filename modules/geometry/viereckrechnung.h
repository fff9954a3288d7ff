#pragma once
// Squares from one given quantity and rectangles from two: sides, diagonal, perimeter, area and
// circle radii as the window's result lines.
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// The items of the square's radio group, in order.
enum class Quadratgroesse { seite, diagonale, flaeche, umfang };
// The items of both rectangle groups, in order.
enum class Rechteckgroesse { laenge, breite, flaeche, umfang };

struct Viereckergebnis {
    bool berechnet = false;
    std::vector<std::string> zeilen; // "Seite_a=2,00" …; empty after a failure
    std::string meldung;             // why nothing was computed
};

// The square from one quantity.
Viereckergebnis quadrat(Quadratgroesse gegeben, long double wert, std::string_view bild);

// The rectangle from two different quantities (l and b from A = l·b and U = 2(l + b); from A and
// U the longer side is the length).
Viereckergebnis rechteck(Rechteckgroesse erste, long double wert1, Rechteckgroesse zweite,
                         long double wert2, std::string_view bild);

// The message of two equal choices.
inline constexpr const char* meldung_doppelt =
    "Die einzelnen Größen können nur einmal gewählt werden.";

} // namespace zol

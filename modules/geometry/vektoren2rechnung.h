#pragma once
// Two vectors of the plane (lengths, scalar product, the angle between their directions) and a
// point in Cartesian and polar coordinates, with the window's result lines.
#include "modules/kern/geometrie.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct Vektorpaar {
    bool berechnet = false; // false when a or b is a zero vector
    long double betrag_a = 0, betrag_b = 0, skalarprodukt = 0;
    long double winkel = 0; // degrees, 0 … 90: the angle between the directions
};
Vektorpaar vektorpaar(Vektor2 a, Vektor2 b);

// The result lines of the three pages, formatted with the picture; named so that the project
// formulas (which ignore case) keep them apart.
std::vector<std::string> vektorzeilen(const Vektorpaar& v, std::string_view bild);
std::vector<std::string> polarzeilen(Polarkoordinaten p, std::string_view bild);
std::vector<std::string> kartesischzeilen(Vektor2 p, std::string_view bild);

// The radio items "Grad", "Radiant", "Gon" by index (anything else is Grad).
Winkeleinheit winkeleinheit(int index);

} // namespace zol

#pragma once
// Solving a triangle from three of its sides and angles, from the coordinates of its vertices,
// or (right angle at C) from two quantities; the derived heights, perimeter, area and circle
// radii; the result lines of the window and the vertices and range for drawing it.
//
// Angles are in degrees. A quantity of 0 counts as unknown; every other value, negative ones
// included, counts as given and is refused later if no proper triangle comes out of it.
#include "modules/kern/geometrie.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// The quantities in the order of the window's radio items: sides a, b, c, then the angles alpha,
// beta, gamma opposite them.
enum class Dreiecksgroesse { a, b, c, alpha, beta, gamma };
inline constexpr int dreiecksgroessen = 6;

struct Dreieck {
    std::array<long double, 3> seite{};  // a, b, c
    std::array<long double, 3> winkel{}; // alpha, beta, gamma in degrees
    long double hoehe_a = 0, hoehe_b = 0, hoehe_c = 0;
    long double umfang = 0, flaeche = 0, umkreisradius = 0, inkreisradius = 0;
};

struct Dreiecksloesung {
    bool berechnet = false;
    std::string fall; // the case label, for example " Seite - Seite - Seite "
    Dreieck dreieck;
    // The vertices for a drawing: the given ones, or A = (0, 0), B = (c, 0) and C above AB.
    std::array<Vektor2, 3> ecken{};
    // Messages in the order the window shows them; after a failure the last one is the general
    // "Dreieck kann nicht berechnet werden. ".
    std::vector<std::string> meldungen;
};

// The three (or more) given quantities, indexed by Dreiecksgroesse; 0 means not given.
Dreiecksloesung dreieck_aus_groessen(const std::array<long double, dreiecksgroessen>& werte);
// The triangle with the vertices A, B, C (a = |BC|, b = |AC|, c = |AB|).
Dreiecksloesung dreieck_aus_ecken(Vektor2 a, Vektor2 b, Vektor2 c);

// The lines of the result memo: the case label, then "Seite_a=3,00" … "Innkreisradius=1,00"
// formatted with the picture. Empty when nothing was computed.
std::vector<std::string> dreieckszeilen(const Dreiecksloesung& loesung, std::string_view bild);

// The range of a drawing: the vertices' minimum and maximum rounded outwards to whole numbers,
// then the narrower direction widened on both sides so that one unit is as long on the x axis
// as on the y axis of a plot area breite × hoehe (mm).
struct Dreiecksbereich {
    long double xmin = 0, xmax = 1, xskala = 1;
    long double ymin = 0, ymax = 1, yskala = 1;
};
Dreiecksbereich dreiecksbereich(const std::array<Vektor2, 3>& ecken, long double breite,
                                long double hoehe);

} // namespace zol

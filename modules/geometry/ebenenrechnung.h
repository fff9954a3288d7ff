#pragma once
// Planes in space for the windows "Ebenengleichung", "Punkt - Ebene ", "Ebene - Gerade" and
// "Schnitt zwischen Ebenen": the conversions between the forms of a plane, the Hesse normal form
// and its trace points, the perpendicular from a point, a line meeting a plane and two planes
// meeting in a line. Qt-free.
//
// Every decision (zero, parallel, "liegt in der Ebene", proportional) goes through the one
// relative tolerance of modules/kern/geometrie.h on a quantity that is exactly 0 for the exact
// inputs, so one-decimal coefficients decide as their exact rational values do: the planes
// 0,3x1+0,6x2+0,9x3−1=0 and x1+2x2+3x3−2=0 are parallel, never meeting in a line far out.
#include "modules/geometry/raumrechnung.h"

#include <array>

namespace zol {

// X = a + l·u + m·v
struct Parameterebene {
    Vektor3 a;
    Vektor3 u;
    Vektor3 v;
};
// [X − p]·n = 0
struct Normalenebene {
    Vektor3 p;
    Vektor3 n;
};
// a·x1 + b·x2 + c·x3 + d = 0
struct Koordinatenebene {
    long double a = 0;
    long double b = 0;
    long double c = 0;
    long double d = 0;
    Vektor3 normale() const { return {a, b, c}; }
};
// The plane through three points.
struct Dreipunkteebene {
    Vektor3 p1;
    Vektor3 p2;
    Vektor3 p3;
};

// The conversions, each the next step towards the coordinate form: A := P1, u := P2 − P1,
// v := P3 − P1; n := u × v (the zero vector when u and v are parallel), P := A; (a, b, c) := n,
// d := −(n·P). Results that vanish within the tolerance are exactly 0.
Parameterebene parameterform(const Dreipunkteebene& e);
Normalenebene normalenform(const Parameterebene& e);
Koordinatenebene koordinatenform(const Normalenebene& e);

// The Hesse normal form: every coefficient divided by |(a, b, c)|, and all four negated when the
// constant would be positive. False when (a, b, c) is the zero vector ("Fehlerhafte Eingabe");
// hesse is then left alone.
bool hesseform(const Koordinatenebene& e, Koordinatenebene& hesse);

// The points where the plane meets the axes: for axis i with a non-zero coefficient the point
// with the coordinate −d / coefficient there, from the unrounded values.
struct Spurpunkte {
    std::array<bool, 3> vorhanden{};
    std::array<Vektor3, 3> punkt{};
};
Spurpunkte spurpunkte(const Koordinatenebene& e);

// A line X = A + t·u and the plane: q := N·u, r := N·A + d. q = 0 means parallel (in the plane
// when also r = 0); otherwise the intersection is A − (r/q)·u.
enum class GeradeEbeneLage { fehlerhaft, parallel, in_ebene, schnitt };
struct GeradeEbeneSchnitt {
    GeradeEbeneLage lage = GeradeEbeneLage::fehlerhaft;
    // Only for lage == schnitt:
    Vektor3 schnittpunkt;
    long double t = 0;
    long double winkel = 0; // between line and plane, degrees 0 … 90
};
// fehlerhaft when the normal or the direction is the zero vector.
GeradeEbeneSchnitt gerade_ebene_schneiden(const Koordinatenebene& e, const Gerade3& g);
// "Gerade ist parallel zur Ebene!", "Gerade liegt in der Ebene!", "Fehlerhafte Eingabe"; an
// intersection has no text of its own.
const char* lagetext(GeradeEbeneLage lage);

// The perpendicular from P to the plane: the line X = P + l·N, its foot F, the distance |F − P|
// and the mirror point P + 2·(F − P).
struct PunktEbeneErgebnis {
    Gerade3 lotgerade;
    Vektor3 lotfuss;
    long double abstand = 0;
    Vektor3 spiegelpunkt;
};
// False when the normal is the zero vector; r is then left alone.
bool punkt_ebene(Vektor3 p, const Koordinatenebene& e, PunktEbeneErgebnis& r);

// Two planes: identical, parallel, or meeting in a line (point S(1), direction S(1) − S(2),
// where S(k) is the common point whose first free coordinate in the order x1, x2, x3 is k), with
// the angle between them.
enum class Ebenenlage { fehlerhaft, identisch, parallel, schnitt };
struct Ebenenschnitt {
    Ebenenlage lage = Ebenenlage::fehlerhaft;
    // Only for lage == schnitt:
    Gerade3 schnittgerade;
    long double winkel = 0; // degrees 0 … 90
};
// fehlerhaft when a normal is the zero vector.
Ebenenschnitt ebenen_schneiden(const Koordinatenebene& e1, const Koordinatenebene& e2);
// "Keine Schnittgerade. Ebenen sind identisch.", "Keine Schnittgerade. Ebenen sind parallel.",
// "Schnittgerade", "Fehlerhafte Eingabe".
const char* lagetext(Ebenenlage lage);

// "Proportional" rows without any ratio (so zero entries need no special case): every 2×2 minor
// vanishes within the tolerance. The minors of the normals are measured against |N1|·|N2|, those
// with the constants against |N1|·|d2| + |d1|·|N2| (d carries a length, so the planes
// x1 + 1000000 = 0 and x1 + 1000000,1 = 0 stay apart however long the rows are).
bool normalen_parallel(const Koordinatenebene& e1, const Koordinatenebene& e2);
bool ebenen_proportional(const Koordinatenebene& e1, const Koordinatenebene& e2);

} // namespace zol

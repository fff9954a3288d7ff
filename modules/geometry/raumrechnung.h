#pragma once
// Vectors, points and lines in space for the windows "Vektoren im R3" and "Punkt - Gerade": the
// products, lengths and angle of two vectors, and the perpendicular from a point to a line.
// Qt-free. Every decision (zero, parallel) goes through the one relative tolerance of
// modules/kern/geometrie.h, so one-decimal inputs decide as their exact values would.
#include "modules/kern/geometrie.h"

namespace zol {

// The line X = a + l·u.
struct Gerade3 {
    Vektor3 a;
    Vektor3 u;
};

// The angle between two lines with these directions in degrees, 0 … 90, from the clamped ratio
// |u·v| / (|u|·|v|); exactly 0 for parallel directions. NaN when one is a zero vector.
long double geradenwinkel_grad(Vektor3 u, Vektor3 v);

// A value that vanishes within the tolerance relative to skala becomes exactly 0, so a result
// that is 0 by its geometry never shows as "-0,00" or 1E-18.
long double geglaettet(long double wert, long double skala);
Vektor3 geglaettet(Vektor3 wert, long double skala);

struct Vektorergebnis {
    Vektor3 kreuz;                // a × b
    long double betrag_kreuz = 0; // |a × b|
    long double betrag_a = 0;     // |a|
    long double betrag_b = 0;     // |b|
    long double skalar = 0;       // a · b
    long double winkel = 0;       // angle of the lines along a and b, degrees 0 … 90
    bool abhaengig = false;       // a and b parallel (linearly dependent)
};
// False when a or b is the zero vector ("Fehlerhafte Eingabe"); e is then left alone.
bool vektoren_berechnen(Vektor3 a, Vektor3 b, Vektorergebnis& e);

struct PunktGeradeErgebnis {
    // The plane through P perpendicular to the line: [X − P]·N = 0, or N·x + d = 0.
    Vektor3 normale;
    Vektor3 punkt;
    long double d = 0;
    Vektor3 lotfuss;         // F, the foot of the perpendicular from P on the line
    long double abstand = 0; // |F − P|
    Vektor3 spiegelpunkt;    // P + 2·(F − P)
};
// False when the direction of the line is the zero vector ("Fehlerhafte Eingabe"); e is then
// left alone.
bool punkt_gerade(Vektor3 p, const Gerade3& g, PunktGeradeErgebnis& e);

} // namespace zol

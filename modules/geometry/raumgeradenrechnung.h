#pragma once
// Two lines in space ("Gerade-Gerade"): identical, parallel, intersecting or skew, with the
// intersection point and the angle between the lines. Qt-free.
//
// The position is decided with the one relative tolerance of modules/kern/geometrie.h on
// quantities that are exactly 0 for the exact inputs: |u1 × u2| (parallel), |u1 × (A2 − A1)|
// (identical) and the triple product (A2 − A1)·(u1 × u2) (in one plane, so meeting). One-decimal
// inputs therefore decide as their exact rational values do: u1 = (0,3;0,6;0,9) and u2 = (1;2;3)
// are parallel, lines 0,001 apart stay skew.
#include "modules/geometry/raumrechnung.h"

namespace zol {

enum class Geradenlage { fehlerhaft, identisch, parallel, schnitt, windschief };

struct Geradenschnitt {
    Geradenlage lage = Geradenlage::fehlerhaft;
    // Only for lage == schnitt: S = A1 + t·u1 = A2 + s·u2 and the angle in degrees 0 … 90.
    Vektor3 schnittpunkt;
    long double t = 0;
    long double s = 0;
    long double winkel = 0;
};

// fehlerhaft when u1 or u2 is the zero vector.
Geradenschnitt geraden_schneiden(const Gerade3& g1, const Gerade3& g2);

// The status line of the window: "Fehlerhafte Eingabe", "Geraden sind identisch!",
// "Geraden sind parallel!", "Schnittpunkt", "Geraden sind windschief!".
const char* lagetext(Geradenlage lage);

} // namespace zol

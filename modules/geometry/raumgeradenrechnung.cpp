#include "modules/geometry/raumgeradenrechnung.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

long double komponente(Vektor3 v, int k) {
    return k == 0 ? v.x1 : k == 1 ? v.x2 : v.x3;
}

} // namespace

Geradenschnitt geraden_schneiden(const Gerade3& g1, const Gerade3& g2) {
    Geradenschnitt e;
    if (ist_nullvektor(g1.u) || ist_nullvektor(g2.u)) return e;
    const Vektor3 w = g2.a - g1.a;
    // The scale of a position test: the directions' lengths times the size of the points, so a
    // difference A2 − A1 that is rounding of large coordinates counts as 0.
    const long double punktgroesse = std::max({laenge(w), laenge(g1.a), laenge(g2.a)});
    if (parallel(g1.u, g2.u)) {
        const bool gleich = fast_null(laenge(kreuzprodukt(g1.u, w)), laenge(g1.u) * punktgroesse);
        e.lage = gleich ? Geradenlage::identisch : Geradenlage::parallel;
        return e;
    }
    const Vektor3 n = kreuzprodukt(g1.u, g2.u);
    if (!fast_null(skalarprodukt(w, n), laenge(n) * punktgroesse)) {
        e.lage = Geradenlage::windschief;
        return e;
    }
    // t·u1 − s·u2 = w on the coordinate pair with the largest determinant (a component of
    // u1 × u2, never 0 here), by Cramer's rule.
    struct Paar {
        int i, j;
        long double det;
    };
    const Paar paare[] = {{0, 1, n.x3}, {0, 2, n.x2}, {1, 2, n.x1}};
    const Paar* bestes = &paare[0];
    for (const Paar& p : paare)
        if (std::fabs(p.det) > std::fabs(bestes->det)) bestes = &p;
    const long double u1i = komponente(g1.u, bestes->i), u1j = komponente(g1.u, bestes->j);
    const long double u2i = komponente(g2.u, bestes->i), u2j = komponente(g2.u, bestes->j);
    const long double wi = komponente(w, bestes->i), wj = komponente(w, bestes->j);
    // det(u1, −u2) = −(u1i·u2j − u1j·u2i)
    const long double det = -(u1i * u2j - u1j * u2i);
    e.t = (u2i * wj - wi * u2j) / det;
    e.s = (u1i * wj - u1j * wi) / det;
    e.schnittpunkt = geglaettet(g1.a + e.t * g1.u, punktgroesse);
    e.winkel = geradenwinkel_grad(g1.u, g2.u);
    e.lage = Geradenlage::schnitt;
    return e;
}

const char* lagetext(Geradenlage lage) {
    switch (lage) {
    case Geradenlage::identisch:
        return "Geraden sind identisch!";
    case Geradenlage::parallel:
        return "Geraden sind parallel!";
    case Geradenlage::schnitt:
        return "Schnittpunkt";
    case Geradenlage::windschief:
        return "Geraden sind windschief!";
    case Geradenlage::fehlerhaft:
        break;
    }
    return "Fehlerhafte Eingabe";
}

} // namespace zol

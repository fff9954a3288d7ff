#include "modules/geometry/raumrechnung.h"

#include <algorithm>
#include <cmath>

namespace zol {

long double geradenwinkel_grad(Vektor3 u, Vektor3 v) {
    const long double nenner = laenge(u) * laenge(v);
    if (!(nenner > 0)) return std::nanl("");
    if (parallel(u, v)) return 0;
    return aus_bogenmass(acos_begrenzt(std::fabs(skalarprodukt(u, v)) / nenner),
                         Winkeleinheit::grad);
}

long double geglaettet(long double wert, long double skala) {
    return fast_null(wert, skala) ? 0 : wert;
}

Vektor3 geglaettet(Vektor3 wert, long double skala) {
    return {geglaettet(wert.x1, skala), geglaettet(wert.x2, skala), geglaettet(wert.x3, skala)};
}

bool vektoren_berechnen(Vektor3 a, Vektor3 b, Vektorergebnis& e) {
    if (ist_nullvektor(a) || ist_nullvektor(b)) return false;
    Vektorergebnis r;
    const long double skala = laenge(a) * laenge(b);
    r.abhaengig = parallel(a, b);
    // A dependent pair has the cross product 0, whatever rounding left in it.
    r.kreuz = r.abhaengig ? Vektor3{} : geglaettet(kreuzprodukt(a, b), skala);
    r.betrag_kreuz = laenge(r.kreuz);
    r.betrag_a = laenge(a);
    r.betrag_b = laenge(b);
    r.skalar = geglaettet(skalarprodukt(a, b), skala);
    r.winkel = geradenwinkel_grad(a, b);
    e = r;
    return true;
}

// With N = u the foot's parameter is t = u·(P − A) / (u·u); the difference P − A is taken first,
// so a point far out on a line loses no digits to the distance of A from the origin.
bool punkt_gerade(Vektor3 p, const Gerade3& g, PunktGeradeErgebnis& e) {
    if (ist_nullvektor(g.u)) return false;
    PunktGeradeErgebnis r;
    r.normale = g.u;
    r.punkt = p;
    const long double groesse = std::max(groesste_komponente(p), groesste_komponente(g.a));
    r.d = geglaettet(-skalarprodukt(g.u, p), laenge(g.u) * groesste_komponente(p));
    const Vektor3 w = p - g.a;
    const long double t = skalarprodukt(g.u, w) / skalarprodukt(g.u, g.u);
    r.lotfuss = geglaettet(g.a + t * g.u, groesse);
    const Vektor3 lot = r.lotfuss - p;
    // The distance is |u × (P − A)| / |u|, which stays 0 for a point on the line.
    const long double abstand = laenge(kreuzprodukt(g.u, w)) / laenge(g.u);
    r.abstand = geglaettet(abstand, groesse);
    r.spiegelpunkt = geglaettet(p + 2.0L * lot, groesse);
    e = r;
    return true;
}

} // namespace zol

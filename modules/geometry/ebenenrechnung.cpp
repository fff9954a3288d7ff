#include "modules/geometry/ebenenrechnung.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

long double komponente(Vektor3 v, int k) {
    return k == 0 ? v.x1 : k == 1 ? v.x2 : v.x3;
}

void setze(Vektor3& v, int k, long double wert) {
    (k == 0 ? v.x1 : k == 1 ? v.x2 : v.x3) = wert;
}

// x·y' − x'·y, or exactly 0 when it vanishes relative to skala.
long double minor(long double x, long double y, long double x_, long double y_, long double skala) {
    return geglaettet(x * y_ - x_ * y, skala);
}

// The size of the terms of N·A + d, the scale of "the point lies in the plane".
long double einsetzskala(const Koordinatenebene& e, Vektor3 a) {
    return laenge(e.normale()) * laenge(a) + std::fabs(e.d);
}

} // namespace

Parameterebene parameterform(const Dreipunkteebene& e) {
    return {e.p1, e.p2 - e.p1, e.p3 - e.p1};
}

Normalenebene normalenform(const Parameterebene& e) {
    Normalenebene r;
    r.p = e.a;
    if (!parallel(e.u, e.v)) r.n = geglaettet(kreuzprodukt(e.u, e.v), laenge(e.u) * laenge(e.v));
    return r;
}

Koordinatenebene koordinatenform(const Normalenebene& e) {
    const long double d = -skalarprodukt(e.n, e.p);
    return {e.n.x1, e.n.x2, e.n.x3, geglaettet(d, laenge(e.n) * laenge(e.p))};
}

bool hesseform(const Koordinatenebene& e, Koordinatenebene& hesse) {
    const long double l = laenge(e.normale());
    if (!(l > 0) || !std::isfinite(l)) return false;
    Koordinatenebene h{e.a / l, e.b / l, e.c / l, e.d / l};
    if (h.d > 0) h = {-h.a, -h.b, -h.c, -h.d};
    // Negating an exact 0 gives −0, which would show as "-0,00".
    h = {h.a + 0.0L, h.b + 0.0L, h.c + 0.0L, h.d + 0.0L};
    hesse = h;
    return true;
}

Spurpunkte spurpunkte(const Koordinatenebene& e) {
    Spurpunkte s;
    const Vektor3 n = e.normale();
    const long double l = laenge(n);
    for (int k = 0; k < 3; ++k) {
        const long double koeffizient = komponente(n, k);
        if (koeffizient == 0 || fast_null(koeffizient, l)) continue;
        s.vorhanden[static_cast<std::size_t>(k)] = true;
        setze(s.punkt[static_cast<std::size_t>(k)], k, -e.d / koeffizient + 0.0L);
    }
    return s;
}

GeradeEbeneSchnitt gerade_ebene_schneiden(const Koordinatenebene& e, const Gerade3& g) {
    GeradeEbeneSchnitt s;
    const Vektor3 n = e.normale();
    if (ist_nullvektor(n) || ist_nullvektor(g.u)) return s;
    const long double q = skalarprodukt(n, g.u);
    const long double r = geglaettet(skalarprodukt(n, g.a) + e.d, einsetzskala(e, g.a));
    if (orthogonal(n, g.u)) {
        s.lage = r == 0 ? GeradeEbeneLage::in_ebene : GeradeEbeneLage::parallel;
        return s;
    }
    s.t = -r / q;
    const Vektor3 punkt = g.a + s.t * g.u;
    s.schnittpunkt =
        geglaettet(punkt, std::max(groesste_komponente(g.a), groesste_komponente(punkt)));
    // The angle with the plane is 90° minus the angle with its normal.
    s.winkel = parallel(n, g.u)
                   ? 90
                   : aus_bogenmass(asin_begrenzt(std::fabs(q) / (laenge(n) * laenge(g.u))),
                                   Winkeleinheit::grad);
    s.lage = GeradeEbeneLage::schnitt;
    return s;
}

const char* lagetext(GeradeEbeneLage lage) {
    switch (lage) {
    case GeradeEbeneLage::parallel:
        return "Gerade ist parallel zur Ebene!";
    case GeradeEbeneLage::in_ebene:
        return "Gerade liegt in der Ebene!";
    case GeradeEbeneLage::schnitt:
        return "";
    case GeradeEbeneLage::fehlerhaft:
        break;
    }
    return "Fehlerhafte Eingabe";
}

// With the direction N the parameter of the foot is −r / |N|², and the distance |r| / |N| needs
// no subtraction of nearby points.
bool punkt_ebene(Vektor3 p, const Koordinatenebene& e, PunktEbeneErgebnis& r) {
    const Vektor3 n = e.normale();
    if (ist_nullvektor(n)) return false;
    PunktEbeneErgebnis x;
    x.lotgerade = {p, n};
    const long double einsetzen = geglaettet(skalarprodukt(n, p) + e.d, einsetzskala(e, p));
    const long double t = -einsetzen / skalarprodukt(n, n);
    const Vektor3 lot = t * n;
    const long double groesse = std::max(groesste_komponente(p), groesste_komponente(lot));
    x.lotfuss = geglaettet(p + lot, groesse);
    x.abstand = std::fabs(einsetzen) / laenge(n);
    x.spiegelpunkt = geglaettet(p + 2.0L * lot, groesse);
    r = x;
    return true;
}

bool normalen_parallel(const Koordinatenebene& e1, const Koordinatenebene& e2) {
    const long double skala = laenge(e1.normale()) * laenge(e2.normale());
    return minor(e1.b, e1.c, e2.b, e2.c, skala) == 0 && minor(e1.a, e1.c, e2.a, e2.c, skala) == 0 &&
           minor(e1.a, e1.b, e2.a, e2.b, skala) == 0;
}

bool ebenen_proportional(const Koordinatenebene& e1, const Koordinatenebene& e2) {
    if (!normalen_parallel(e1, e2)) return false;
    const long double skala =
        laenge(e1.normale()) * std::fabs(e2.d) + std::fabs(e1.d) * laenge(e2.normale());
    return minor(e1.a, e1.d, e2.a, e2.d, skala) == 0 && minor(e1.b, e1.d, e2.b, e2.d, skala) == 0 &&
           minor(e1.c, e1.d, e2.c, e2.d, skala) == 0;
}

namespace {

// The common point of both planes whose coordinate frei is k: the other two coordinates i < j
// from the two equations by Cramer's rule (det is their non-vanishing minor).
Vektor3 gemeinsamer_punkt(const Koordinatenebene& e1, const Koordinatenebene& e2, int frei,
                          long double k, long double det) {
    const Vektor3 n1 = e1.normale(), n2 = e2.normale();
    const int i = frei == 0 ? 1 : 0;
    const int j = frei == 2 ? 1 : 2;
    const long double f1 = komponente(n1, frei) * k, f2 = komponente(n2, frei) * k;
    const long double r1 = geglaettet(-e1.d - f1, std::fabs(e1.d) + std::fabs(f1));
    const long double r2 = geglaettet(-e2.d - f2, std::fabs(e2.d) + std::fabs(f2));
    const long double a1 = komponente(n1, i), b1 = komponente(n1, j);
    const long double a2 = komponente(n2, i), b2 = komponente(n2, j);
    const long double zi = r1 * b2 - b1 * r2;
    const long double zj = a1 * r2 - r1 * a2;
    Vektor3 s;
    setze(s, frei, k);
    setze(s, i, geglaettet(zi, std::fabs(r1 * b2) + std::fabs(b1 * r2)) / det + 0.0L);
    setze(s, j, geglaettet(zj, std::fabs(a1 * r2) + std::fabs(r1 * a2)) / det + 0.0L);
    return s;
}

} // namespace

Ebenenschnitt ebenen_schneiden(const Koordinatenebene& e1, const Koordinatenebene& e2) {
    Ebenenschnitt s;
    if (ist_nullvektor(e1.normale()) || ist_nullvektor(e2.normale())) return s;
    const long double skala = laenge(e1.normale()) * laenge(e2.normale());
    // The minors in the order x1, x2, x3 of the coordinate set to k.
    const long double minoren[] = {minor(e1.b, e1.c, e2.b, e2.c, skala),
                                   minor(e1.a, e1.c, e2.a, e2.c, skala),
                                   minor(e1.a, e1.b, e2.a, e2.b, skala)};
    int frei = 0;
    while (frei < 3 && minoren[frei] == 0)
        ++frei;
    if (frei == 3) {
        s.lage = ebenen_proportional(e1, e2) ? Ebenenlage::identisch : Ebenenlage::parallel;
        return s;
    }
    const Vektor3 s1 = gemeinsamer_punkt(e1, e2, frei, 1, minoren[frei]);
    const Vektor3 s2 = gemeinsamer_punkt(e1, e2, frei, 2, minoren[frei]);
    s.schnittgerade.a = s1;
    s.schnittgerade.u =
        geglaettet(s1 - s2, std::max(groesste_komponente(s1), groesste_komponente(s2)));
    s.winkel = geradenwinkel_grad(e1.normale(), e2.normale());
    s.lage = Ebenenlage::schnitt;
    return s;
}

const char* lagetext(Ebenenlage lage) {
    switch (lage) {
    case Ebenenlage::identisch:
        return "Keine Schnittgerade. Ebenen sind identisch.";
    case Ebenenlage::parallel:
        return "Keine Schnittgerade. Ebenen sind parallel.";
    case Ebenenlage::schnitt:
        return "Schnittgerade";
    case Ebenenlage::fehlerhaft:
        break;
    }
    return "Fehlerhafte Eingabe";
}

} // namespace zol

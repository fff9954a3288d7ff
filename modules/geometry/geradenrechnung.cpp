#include "modules/geometry/geradenrechnung.h"

#include "engine/hilfen.h"
#include "engine/zahlformat.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

// 0 when wert vanishes against the numbers it was computed from.
long double gerundet(long double wert, long double skala) {
    return std::isfinite(wert) && fast_null(wert, skala) ? 0 : wert;
}

long double betrag_max(long double a, long double b) {
    return std::max(std::fabs(a), std::fabs(b));
}

} // namespace

bool gerade_bestimmen(const Geradenangabe& v, Geradengleichung& g, std::string& fehler) {
    Geradengleichung e;
    switch (v.form) {
    case Geradenform::zwei_punkte: {
        const long double dx = v.p2.x - v.p1.x;
        if (dx == 0 || fast_null(dx, betrag_max(v.p1.x, v.p2.x))) {
            fehler = fehlerhafte_eingabe;
            return false;
        }
        e.m = gerundet(v.p2.y - v.p1.y, betrag_max(v.p1.y, v.p2.y)) / dx;
        e.t = gerundet(v.p1.y - e.m * v.p1.x, betrag_max(v.p1.y, e.m * v.p1.x));
        break;
    }
    case Geradenform::steigung_punkt:
        e.m = v.m;
        e.t = gerundet(v.p1.y - e.m * v.p1.x, betrag_max(v.p1.y, e.m * v.p1.x));
        break;
    case Geradenform::abschnitt_punkt:
        if (v.p1.x == 0) {
            fehler = fehlerhafte_eingabe;
            return false;
        }
        e.m = gerundet(v.p1.y - v.t, betrag_max(v.p1.y, v.t)) / v.p1.x;
        e.t = v.t;
        break;
    case Geradenform::steigung_abschnitt:
        e.m = v.m;
        e.t = v.t;
        break;
    }
    if (!std::isfinite(e.m) || !std::isfinite(e.t)) {
        fehler = fehlerhafte_eingabe;
        return false;
    }
    g = e;
    return true;
}

bool gerade_nullstelle(const Geradengleichung& g, long double& x) {
    if (g.m == 0) return false;
    x = g.t == 0 ? 0 : -g.t / g.m;
    return std::isfinite(x);
}

long double steigungswinkel(const Geradengleichung& g) {
    long double w = std::atan(g.m) * 180 / pi_ld;
    if (w < 0) w += 180;
    // A slope of −1E-30 would round to 180 itself.
    return w >= 180 ? 0 : w;
}

std::string geradenterm(const Geradengleichung& g, std::string_view bild) {
    return format(bild, g.m) + "*x" + summand(g.t, bild);
}

std::vector<std::string> geradenzeilen(const Geradengleichung& g, std::string_view bild) {
    std::vector<std::string> z{";Geradengleichung:", "gerade(x)=" + geradenterm(g, bild),
                               ";Schnittpunkt mit der x-Achse:"};
    long double x0 = 0;
    if (gerade_nullstelle(g, x0))
        z.push_back("x=" + format(bild, x0));
    else if (g.t == 0)
        z.push_back(";Die Gerade ist die x-Achse.");
    else
        z.push_back(";Keiner, die Gerade ist parallel zur x-Achse.");
    z.push_back(";Schnittpunkt mit der y-Achse:");
    z.push_back("y=" + format(bild, g.t));
    z.push_back(";Winkel zwischen Gerade und x-Achse");
    z.push_back("w=" + format(bild, steigungswinkel(g)));
    return z;
}

} // namespace zol

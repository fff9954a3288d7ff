#include "modules/geometry/parabelrechnung.h"

#include "engine/hilfen.h"
#include "engine/zahlformat.h"
#include "modules/kern/gaussjordan.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

std::vector<Vektor2> geradenpunkte(const Geradengleichung& g) {
    std::vector<Vektor2> p{{0, 0}, {0, g.t}};
    long double x0 = 0;
    if (gerade_nullstelle(g, x0)) p.push_back({x0, 0});
    return p;
}

std::vector<Vektor2> parabelpunkte(const Parabelergebnis& e) {
    const Parabelgleichung& p = e.p;
    auto y = [&p](long double x) { return (p.a * x + p.b) * x + p.c; };
    std::vector<Vektor2> r{
        {e.xs, e.ys}, {0, p.c}, {e.xs - 2, y(e.xs - 2)}, {e.xs + 2, y(e.xs + 2)}};
    if (e.hat_nullstellen) {
        r.push_back({e.x1, 0});
        r.push_back({e.x2, 0});
    }
    return r;
}

constexpr const char* nicht_loesbar = "Gleichung nicht lösbar";

long double gerundet(long double wert, long double skala) {
    return std::isfinite(wert) && fast_null(wert, skala) ? 0 : wert;
}

long double betrag_max(std::initializer_list<long double> werte) {
    long double m = 0;
    for (long double w : werte)
        m = std::max(m, std::fabs(w));
    return m;
}

bool endlich(const Parabelgleichung& p) {
    return std::isfinite(p.a) && std::isfinite(p.b) && std::isfinite(p.c);
}

} // namespace

bool parabel_bestimmen(const Parabelangabe& v, Parabelgleichung& p, std::string& fehler) {
    Parabelgleichung e;
    e.a = v.a;
    switch (v.form) {
    case Parabelform::drei_punkte: {
        const auto x = gaussjordan::loesen({{v.p1.x * v.p1.x, v.p1.x, 1, v.p1.y},
                                            {v.p2.x * v.p2.x, v.p2.x, 1, v.p2.y},
                                            {v.p3.x * v.p3.x, v.p3.x, 1, v.p3.y}});
        if (!x) {
            fehler = nicht_loesbar;
            return false;
        }
        e = {(*x)[0], (*x)[1], (*x)[2]};
        // Three points on a line leave a rounding remainder for a: a·x² is then nothing beside
        // the other terms at the points.
        const long double x_max = betrag_max({v.p1.x, v.p2.x, v.p3.x});
        if (fast_null(e.a * x_max * x_max, betrag_max({e.b * x_max, e.c, v.p1.y, v.p2.y, v.p3.y})))
            e.a = 0;
        break;
    }
    case Parabelform::formfaktor_zwei_punkte: {
        if (v.a == 0) break;
        const auto x = gaussjordan::loesen({{v.p1.x, 1, v.p1.y - v.a * v.p1.x * v.p1.x},
                                            {v.p2.x, 1, v.p2.y - v.a * v.p2.x * v.p2.x}});
        if (!x) {
            fehler = nicht_loesbar;
            return false;
        }
        e.b = (*x)[0];
        e.c = (*x)[1];
        break;
    }
    case Parabelform::scheitelform:
        e.b = -2 * v.a * v.xs;
        e.c = v.a * v.xs * v.xs + v.ys;
        break;
    case Parabelform::allgemein:
        e.b = v.b;
        e.c = v.c;
        break;
    case Parabelform::linearfaktoren:
        e.b = -v.a * (v.x1 + v.x2);
        e.c = v.a * v.x1 * v.x2;
        break;
    }
    if (e.a == 0 || !endlich(e)) {
        fehler = fehlerhafte_eingabe;
        return false;
    }
    p = e;
    return true;
}

bool quadratisch_loesen(long double A, long double B, long double C, long double& x1,
                        long double& x2) {
    long double D = B * B - 4 * A * C;
    if (fast_null(D, std::max(B * B, std::fabs(4 * A * C)))) D = 0;
    if (D < 0 || !std::isfinite(D)) return false;
    if (D == 0) {
        x1 = x2 = B == 0 ? 0 : -B / (2 * A);
        return true;
    }
    const long double w = std::sqrt(D);
    // q takes the root whose numerator adds two numbers of one sign; the other root is C/q.
    const long double q = B >= 0 ? -(B + w) / 2 : (w - B) / 2;
    const long double r1 = q / A; // (−B − √D)/(2A) for B ≥ 0, (−B + √D)/(2A) else
    const long double r2 = C / q;
    if (B >= 0) {
        x2 = r1;
        x1 = r2;
    } else {
        x1 = r1;
        x2 = r2;
    }
    return true;
}

Parabelergebnis parabel_auswerten(const Parabelgleichung& p) {
    Parabelergebnis e;
    e.p = p;
    e.xs = p.b == 0 ? 0 : -p.b / (2 * p.a);
    e.ys = gerundet(p.a * e.xs * e.xs + p.b * e.xs + p.c,
                    betrag_max({p.a * e.xs * e.xs, p.b * e.xs, p.c}));
    e.hat_nullstellen = quadratisch_loesen(p.a, p.b, p.c, e.x1, e.x2);
    return e;
}

std::string parabelterm(const Parabelgleichung& p, std::string_view bild) {
    return format(bild, p.a) + "*x^2" + summand(p.b, bild) + "*x" + summand(p.c, bild);
}

std::vector<std::string> parabelzeilen(const Parabelergebnis& e, std::string_view bild) {
    const std::string a = format(bild, e.p.a);
    std::vector<std::string> z{"poly(x)=" + parabelterm(e.p, bild)};
    if (e.hat_nullstellen)
        z.push_back("Paraline(x)=" + a + "*(x" + summand(-e.x1, bild) + ")*(x" +
                    summand(-e.x2, bild) + ")");
    z.push_back("Parascheit(x)=" + a + "*(x" + summand(-e.xs, bild) + ")^2" + summand(e.ys, bild));
    return z;
}

long double parabel_schnittwinkel(long double k, long double m) {
    const long double n = 1 + k * m;
    if (fast_null(n, std::max(1.0L, std::fabs(k * m)))) return 90;
    return std::atan(std::fabs((k - m) / n)) * 180 / pi_ld;
}

Parabelgeradenschnitt parabel_gerade(const Parabelgleichung& p, const Geradengleichung& g) {
    Parabelgeradenschnitt s;
    long double x1 = 0, x2 = 0;
    s.hat_schnittpunkte = quadratisch_loesen(p.a, p.b - g.m, p.c - g.t, x1, x2);
    if (!s.hat_schnittpunkte) return s;
    s.s1 = {x1, g.m * x1 + g.t};
    s.s2 = {x2, g.m * x2 + g.t};
    s.alpha1 = parabel_schnittwinkel(2 * p.a * x1 + p.b, g.m);
    s.alpha2 = parabel_schnittwinkel(2 * p.a * x2 + p.b, g.m);
    return s;
}

std::vector<std::string> schnittzeilen(const Geradengleichung& g, const Parabelgeradenschnitt& s,
                                       std::string_view bild) {
    std::vector<std::string> z{";Geradengleichung:", "g(x)=" + geradenterm(g, bild),
                               ";Schnittpunkte:"};
    if (!s.hat_schnittpunkte) {
        z.push_back(";Keine Schnittpunkte");
        return z;
    }
    z.push_back("x1=" + format(bild, s.s1.x));
    z.push_back("x2=" + format(bild, s.s2.x));
    z.push_back(";Winkel zwischen Gerade und x-Achse");
    z.push_back("alpha1=" + format(bild, s.alpha1));
    z.push_back("alpha2=" + format(bild, s.alpha2));
    return z;
}

Zeichenrahmen geradenrahmen(const Geradengleichung& g) {
    return zeichenrahmen(geradenpunkte(g));
}

Zeichenrahmen parabelrahmen(const Parabelergebnis& e) {
    return zeichenrahmen(parabelpunkte(e));
}

Zeichenrahmen schnittrahmen(const Parabelergebnis& e, const Geradengleichung& g,
                            const Parabelgeradenschnitt& s) {
    std::vector<Vektor2> p = parabelpunkte(e);
    p.push_back({0, g.t});
    if (s.hat_schnittpunkte) {
        p.push_back(s.s1);
        p.push_back(s.s2);
    }
    return zeichenrahmen(p);
}

} // namespace zol

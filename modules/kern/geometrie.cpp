#include "modules/kern/geometrie.h"

#include "engine/hilfen.h"
#include "engine/zahlformat.h"

#include <algorithm>
#include <cmath>

namespace zol {

bool fast_null(long double wert, long double skala) {
    return std::fabs(wert) <= geo_toleranz * std::fabs(skala);
}

bool fast_gleich(long double a, long double b, long double skala) {
    const long double groesse = std::max({std::fabs(a), std::fabs(b), std::fabs(skala)});
    return std::fabs(a - b) <= geo_toleranz * groesse;
}

long double acos_begrenzt(long double verhaeltnis) {
    if (std::isnan(verhaeltnis)) return verhaeltnis;
    return std::acos(std::clamp(verhaeltnis, -1.0L, 1.0L));
}

long double asin_begrenzt(long double verhaeltnis) {
    if (std::isnan(verhaeltnis)) return verhaeltnis;
    return std::asin(std::clamp(verhaeltnis, -1.0L, 1.0L));
}

Vektor2 operator+(Vektor2 a, Vektor2 b) {
    return {a.x + b.x, a.y + b.y};
}
Vektor2 operator-(Vektor2 a, Vektor2 b) {
    return {a.x - b.x, a.y - b.y};
}
Vektor2 operator*(long double k, Vektor2 a) {
    return {k * a.x, k * a.y};
}
Vektor3 operator+(Vektor3 a, Vektor3 b) {
    return {a.x1 + b.x1, a.x2 + b.x2, a.x3 + b.x3};
}
Vektor3 operator-(Vektor3 a, Vektor3 b) {
    return {a.x1 - b.x1, a.x2 - b.x2, a.x3 - b.x3};
}
Vektor3 operator*(long double k, Vektor3 a) {
    return {k * a.x1, k * a.x2, k * a.x3};
}

long double skalarprodukt(Vektor2 a, Vektor2 b) {
    return a.x * b.x + a.y * b.y;
}
long double skalarprodukt(Vektor3 a, Vektor3 b) {
    return a.x1 * b.x1 + a.x2 * b.x2 + a.x3 * b.x3;
}
long double kreuzprodukt(Vektor2 a, Vektor2 b) {
    return a.x * b.y - a.y * b.x;
}
Vektor3 kreuzprodukt(Vektor3 a, Vektor3 b) {
    return {a.x2 * b.x3 - a.x3 * b.x2, a.x3 * b.x1 - a.x1 * b.x3, a.x1 * b.x2 - a.x2 * b.x1};
}
long double laenge(Vektor2 a) {
    return std::hypot(a.x, a.y);
}
long double laenge(Vektor3 a) {
    return std::hypot(a.x1, a.x2, a.x3);
}
long double groesste_komponente(Vektor2 a) {
    return std::max(std::fabs(a.x), std::fabs(a.y));
}
long double groesste_komponente(Vektor3 a) {
    return std::max({std::fabs(a.x1), std::fabs(a.x2), std::fabs(a.x3)});
}
bool endlich(Vektor2 a) {
    return std::isfinite(a.x) && std::isfinite(a.y);
}
bool endlich(Vektor3 a) {
    return std::isfinite(a.x1) && std::isfinite(a.x2) && std::isfinite(a.x3);
}

// A vector is zero when all its components are exactly zero: its length is its own scale, so a
// relative test could never call a non-zero vector zero.
bool ist_nullvektor(Vektor2 a) {
    return a.x == 0 && a.y == 0;
}
bool ist_nullvektor(Vektor3 a) {
    return a.x1 == 0 && a.x2 == 0 && a.x3 == 0;
}

bool parallel(Vektor2 a, Vektor2 b) {
    return fast_null(kreuzprodukt(a, b), laenge(a) * laenge(b));
}
bool parallel(Vektor3 a, Vektor3 b) {
    return fast_null(laenge(kreuzprodukt(a, b)), laenge(a) * laenge(b));
}
bool orthogonal(Vektor2 a, Vektor2 b) {
    return fast_null(skalarprodukt(a, b), laenge(a) * laenge(b));
}
bool orthogonal(Vektor3 a, Vektor3 b) {
    return fast_null(skalarprodukt(a, b), laenge(a) * laenge(b));
}

namespace {

template <class V> long double winkel(V a, V b) {
    const long double nenner = laenge(a) * laenge(b);
    if (!(nenner > 0)) return std::nanl("");
    return acos_begrenzt(skalarprodukt(a, b) / nenner);
}

} // namespace

long double winkel_zwischen(Vektor2 a, Vektor2 b) {
    return winkel(a, b);
}
long double winkel_zwischen(Vektor3 a, Vektor3 b) {
    return winkel(a, b);
}

long double halbe_drehung(Winkeleinheit einheit) {
    switch (einheit) {
    case Winkeleinheit::grad:
        return 180;
    case Winkeleinheit::radiant:
        return pi_ld;
    case Winkeleinheit::gon:
        break;
    }
    return 200;
}

long double im_bogenmass(long double winkel, Winkeleinheit einheit) {
    return winkel * pi_ld / halbe_drehung(einheit);
}

long double aus_bogenmass(long double bogen, Winkeleinheit einheit) {
    return bogen * halbe_drehung(einheit) / pi_ld;
}

Polarkoordinaten polar_aus_kartesisch(Vektor2 p, Winkeleinheit einheit) {
    const long double h = halbe_drehung(einheit);
    const long double x = p.x;
    const long double y = p.y;
    Polarkoordinaten e;
    e.r = laenge(p);
    const long double rho = x == 0 ? h / 2 : std::atan(std::fabs(y) / std::fabs(x)) * h / pi_ld;
    if (x > 0 && y >= 0)
        e.phi = rho;
    else if (x <= 0 && y > 0)
        e.phi = h - rho;
    else if (x < 0 && y < 0)
        e.phi = h + rho;
    else if (x < 0 && y == 0)
        e.phi = h;
    else if (x >= 0 && y < 0)
        e.phi = 2 * h - rho;
    else
        e.phi = 0; // the origin
    return e;
}

Vektor2 kartesisch_aus_polar(Polarkoordinaten p, Winkeleinheit einheit) {
    const long double phi = im_bogenmass(p.phi, einheit);
    return {p.r * std::cos(phi), p.r * std::sin(phi)};
}

std::string mit_vorzeichen(std::string_view zahltext) {
    std::string text(zahltext);
    if (text.empty() || text.front() != '-') text.insert(text.begin(), '+');
    return text;
}

std::string summand(long double wert, std::string_view bild) {
    return mit_vorzeichen(format(bild, wert));
}

} // namespace zol

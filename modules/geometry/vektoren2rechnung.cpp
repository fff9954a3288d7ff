#include "modules/geometry/vektoren2rechnung.h"

#include "engine/zahlformat.h"

#include <cmath>
#include <numbers>

namespace zol {

Vektorpaar vektorpaar(Vektor2 a, Vektor2 b) {
    Vektorpaar v;
    if (!endlich(a) || !endlich(b) || ist_nullvektor(a) || ist_nullvektor(b)) return v;
    v.betrag_a = laenge(a);
    v.betrag_b = laenge(b);
    v.skalarprodukt = skalarprodukt(a, b);
    // The acute angle between the directions: the clamped arccos of |a·b| / (|a|·|b|), so that
    // parallel vectors give 0 and never NaN.
    v.winkel = acos_begrenzt(std::fabs(v.skalarprodukt) / (v.betrag_a * v.betrag_b)) * 180 /
               std::numbers::pi_v<long double>;
    v.berechnet = std::isfinite(v.betrag_a) && std::isfinite(v.betrag_b) &&
                  std::isfinite(v.skalarprodukt) && std::isfinite(v.winkel);
    return v;
}

std::vector<std::string> vektorzeilen(const Vektorpaar& v, std::string_view bild) {
    if (!v.berechnet) return {};
    return {"Betrag_a=" + format(bild, v.betrag_a), "Betrag_b=" + format(bild, v.betrag_b),
            "Skalarprodukt=" + format(bild, v.skalarprodukt),
            "Winkel_ab=" + format(bild, v.winkel)};
}

std::vector<std::string> polarzeilen(Polarkoordinaten p, std::string_view bild) {
    if (!(std::isfinite(p.r) && std::isfinite(p.phi))) return {};
    return {"r_A=" + format(bild, p.r), "phi_A=" + format(bild, p.phi)};
}

std::vector<std::string> kartesischzeilen(Vektor2 p, std::string_view bild) {
    if (!endlich(p)) return {};
    return {"x_A=" + format(bild, p.x), "y_A=" + format(bild, p.y)};
}

Winkeleinheit winkeleinheit(int index) {
    switch (index) {
    case 1:
        return Winkeleinheit::radiant;
    case 2:
        return Winkeleinheit::gon;
    default:
        return Winkeleinheit::grad;
    }
}

} // namespace zol

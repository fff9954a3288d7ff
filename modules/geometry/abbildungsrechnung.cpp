#include "modules/geometry/abbildungsrechnung.h"

#include "engine/hilfen.h"
#include "engine/reellefunktion.h"

#include <cmath>

namespace zol {

namespace {

Ebenenabbildung matrix(long double a11, long double a12, long double a21, long double a22,
                       Vektor2 fest = {}) {
    return {a11, a12, a21, a22, fest, fest};
}

// The reflection in the line through q with direction d: A = (1/|d|²)·[[dx² − dy², 2dx·dy],
// [2dx·dy, dy² − dx²]]. d is never the zero vector here.
Ebenenabbildung spiegelung_an_gerade(Vektor2 q, Vektor2 d) {
    const long double n = skalarprodukt(d, d);
    const long double c = (d.x * d.x - d.y * d.y) / n;
    const long double s = 2 * d.x * d.y / n;
    return matrix(c, s, s, -c, q);
}

// cos and sin of a whole number of quarter turns are exact, so (1|0) turned by 90° is (0|1)
// and no "-0,00" of a rounding remainder shows in a finer picture.
void drehung(long double grad, long double& c, long double& s) {
    const long double rest = std::fmod(grad, 360.0L);
    if (std::fmod(rest, 90.0L) == 0) {
        const int viertel = static_cast<int>(std::lround(rest / 90)) & 3; // -1 → 3
        static constexpr long double cw[] = {1, 0, -1, 0};
        static constexpr long double sw[] = {0, 1, 0, -1};
        c = cw[viertel];
        s = sw[viertel];
        return;
    }
    const long double bogen = rest * pi_ld / 180;
    c = std::cos(bogen);
    s = std::sin(bogen);
}

bool spiegelung(const Abbildungsvorgabe& v, Ebenenabbildung& a, std::string& fehler) {
    switch (v.spiegelart) {
    case Spiegelart::ursprung:
        a = matrix(-1, 0, 0, -1);
        return true;
    case Spiegelart::punkt:
        a = matrix(-1, 0, 0, -1, v.punkt1);
        return true;
    case Spiegelart::x_achse:
        a = matrix(1, 0, 0, -1);
        return true;
    case Spiegelart::y_achse:
        a = matrix(-1, 0, 0, 1);
        return true;
    case Spiegelart::gerade_mx:
        a = spiegelung_an_gerade({0, 0}, {1, v.m});
        return true;
    case Spiegelart::gerade_mxt:
        a = spiegelung_an_gerade({0, v.t}, {1, v.m});
        return true;
    case Spiegelart::gerade_zwei_punkte:
        if (fast_gleich(v.punkt1.x, v.punkt2.x) && fast_gleich(v.punkt1.y, v.punkt2.y)) {
            fehler = "Die beiden Punkte fallen zusammen und legen keine Gerade fest.";
            return false;
        }
        a = spiegelung_an_gerade(v.punkt1, v.punkt2 - v.punkt1);
        return true;
    case Spiegelart::gerade_x_k:
        a = matrix(-1, 0, 0, 1, {v.k, 0});
        return true;
    case Spiegelart::gerade_y_k:
        a = matrix(1, 0, 0, -1, {0, v.k});
        return true;
    }
    a = matrix(-1, 0, 0, -1);
    return true;
}

} // namespace

bool abbildung_aufstellen(const Abbildungsvorgabe& v, Ebenenabbildung& abbildung,
                          std::string& fehler) {
    Ebenenabbildung a;
    switch (v.art) {
    case Abbildungsart::verschiebung:
        a.r = v.verschiebung;
        break;
    case Abbildungsart::spiegelung:
        if (!spiegelung(v, a, fehler)) return false;
        break;
    case Abbildungsart::drehung: {
        long double c = 1, s = 0;
        drehung(v.drehwinkel, c, s);
        a = matrix(c, -s, s, c, v.drehpunkt);
        break;
    }
    case Abbildungsart::streckung:
        a = matrix(v.streckfaktor, 0, 0, v.streckfaktor, v.streckzentrum);
        break;
    }
    abbildung = a;
    return true;
}

Vektor2 abbilden(const Ebenenabbildung& a, Vektor2 p) {
    const Vektor2 d = p - a.q;
    return {a.r.x + a.a11 * d.x + a.a12 * d.y, a.r.y + a.a21 * d.x + a.a22 * d.y};
}

std::vector<std::vector<std::string>> bildtexte(const Ebenenabbildung& abbildung,
                                                const std::vector<Vektor2>& punkte,
                                                std::string_view bild) {
    std::vector<std::vector<std::string>> texte;
    texte.reserve(punkte.size());
    for (const Vektor2& p : punkte) {
        const Vektor2 b = abbilden(abbildung, p);
        texte.push_back({ergebnistext(bild, b.x), ergebnistext(bild, b.y)});
    }
    return texte;
}

} // namespace zol

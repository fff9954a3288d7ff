#include "modules/linalg/fourierrechnung.h"

#include "engine/hilfen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace zol {

namespace {

const char* const intervall_fehler = "Fehlerhafte Eingabe: „von:“ muss kleiner als „bis:“ sein.";
const char* const punkte_fehler = "Fehlerhafte Eingabe: Die Tabelle braucht mindestens zwei "
                                  "Punkte, deren x-Werte von Zeile zu Zeile zunehmen.";

// -0 would print as "-0,00" in some pictures.
std::string text(std::string_view bild, long double w) {
    return ergebnistext(bild, w == 0 ? 0.0L : w);
}

// About five ticks over the span: 1, 2 or 5 times a power of ten.
long double teilung(long double spanne) {
    if (!(spanne > 0) || !std::isfinite(spanne)) return 1;
    const long double roh = spanne / 5;
    const long double zehner = std::pow(10.0L, std::floor(std::log10(roh)));
    const long double m = roh / zehner;
    return (m < 1.5L ? 1 : m < 3.5L ? 2 : m < 7.5L ? 5 : 10) * zehner;
}

} // namespace

std::string fourier_pruefen(const Fourierauftrag& auftrag) {
    // Written so that NaN fails as well.
    if (!(auftrag.a < auftrag.b) || !std::isfinite(auftrag.b - auftrag.a)) return intervall_fehler;
    return {};
}

bool fourier_berechnen(const Reellefunktion& f, const Fourierauftrag& auftrag, Fourierreihe& reihe,
                       std::string& fehler) {
    fehler = fourier_pruefen(auftrag);
    if (!fehler.empty()) return false;
    const long double a = auftrag.a, b = auftrag.b;
    const int n = std::clamp(auftrag.simpson, fourier_min_simpson, fourier_max_simpson);
    const int m = std::clamp(auftrag.glieder, fourier_min_glieder, fourier_max_glieder);
    const long double laenge = b - a;
    const long double faktor = 2 / laenge;

    Fourierreihe r;
    r.omega = 2 * pi_ld / laenge;
    r.a.assign(static_cast<std::size_t>(m) + 1, 0);
    r.b.assign(static_cast<std::size_t>(m) + 1, 0);
    for (int k = 1; k <= m; ++k) {
        const long double kw = k * r.omega;
        r.b[k] = faktor * simpson([&](long double x) { return f(x) * std::sin(kw * x); }, a, b, n);
    }
    for (int k = 0; k <= m; ++k) {
        const long double kw = k * r.omega;
        r.a[k] = faktor * simpson([&](long double x) { return f(x) * std::cos(kw * x); }, a, b, n);
    }
    reihe = std::move(r);
    return true;
}

std::string punkte_pruefen(const std::vector<Messpunkt>& punkte) {
    if (punkte.size() < 2) return punkte_fehler;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        if (!std::isfinite(punkte[i].x) || !std::isfinite(punkte[i].y)) return punkte_fehler;
        if (i > 0 && !(punkte[i - 1].x < punkte[i].x)) return punkte_fehler;
    }
    return {};
}

Reellefunktion stueckweise_linear(std::vector<Messpunkt> punkte) {
    return [p = std::move(punkte)](long double x) -> long double {
        if (p.empty()) return std::numeric_limits<long double>::quiet_NaN();
        if (!(x > p.front().x)) return p.front().y;
        if (!(x < p.back().x)) return p.back().y;
        // The first point whose x is not below x: x lies on it or between it and the one before.
        const auto rechts = std::lower_bound(
            p.begin(), p.end(), x, [](const Messpunkt& q, long double w) { return q.x < w; });
        if (rechts->x == x) return rechts->y;
        const Messpunkt& l = *(rechts - 1);
        const Messpunkt& r = *rechts;
        return l.y + (r.y - l.y) * (x - l.x) / (r.x - l.x);
    };
}

Zeichenbereich fourier_zeichenbereich(const Reellefunktion& f, long double a, long double b) {
    Zeichenbereich z;
    if (!(a < b) || !std::isfinite(b - a)) return z;
    z.xmin = a;
    z.xmax = b;
    z.xschritt = teilung(b - a);
    long double unten = std::numeric_limits<long double>::infinity();
    long double oben = -unten;
    constexpr int stellen = 200;
    for (int i = 0; i <= stellen; ++i) {
        const long double y = f(a + (b - a) * i / stellen);
        if (!std::isfinite(y)) continue;
        unten = std::min(unten, y);
        oben = std::max(oben, y);
    }
    if (!(unten <= oben)) return z; // nowhere defined: the default range
    // A partial sum overshoots a jump by about a tenth of it; a flat function gets room too.
    const long double rand =
        oben > unten ? (oben - unten) / 10 : std::max<long double>(1, std::fabs(oben) / 5);
    z.yschritt = teilung(oben - unten + 2 * rand);
    z.ymin = std::floor((unten - rand) / z.yschritt) * z.yschritt;
    z.ymax = std::ceil((oben + rand) / z.yschritt) * z.yschritt;
    return z;
}

std::vector<std::string> fourier_zeilen(const Fourierreihe& reihe, std::string_view bild,
                                        std::string_view kopf) {
    const int m = reihe.glieder();
    std::vector<std::string> z;
    if (!kopf.empty()) z.emplace_back(kopf);
    if (m < 0) return z;
    z.push_back("a0=" + text(bild, reihe.a[0]));
    for (int k = 1; k <= m; ++k) {
        const std::string nr = std::to_string(k);
        const std::string kw = text(bild, k * reihe.omega);
        z.push_back("a" + nr + "(x)=" + text(bild, reihe.a[k]) + "*cos(" + kw + "*x)");
        z.push_back("b" + nr + "(x)=" + text(bild, reihe.b[k]) + "*sin(" + kw + "*x)");
    }
    std::string an = "AN(x)=a0/2";
    std::string bn = "BN(x)=";
    for (int k = 1; k <= m; ++k) {
        an += "+a" + std::to_string(k) + "(x)";
        bn += (k == 1 ? "b" : "+b") + std::to_string(k) + "(x)";
    }
    z.push_back(an);
    if (m >= 1) z.push_back(bn);
    z.emplace_back("four(x)=AN(x)+BN(x)");
    for (int k = 1; k <= m; ++k)
        z.push_back("betrag" + std::to_string(k) + "=" +
                    text(bild, std::sqrt(reihe.a[k] * reihe.a[k] + reihe.b[k] * reihe.b[k])));
    return z;
}

} // namespace zol

#include "modules/stochastics/statistikrechnung.h"

#include "engine/zahlformat.h"
#include "modules/kern/geometrie.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

bool endlich(std::initializer_list<long double> werte) {
    return std::all_of(werte.begin(), werte.end(), [](long double w) { return std::isfinite(w); });
}

struct Momente {
    long double sx = 0, sy = 0;   // sums
    long double mx = 0, my = 0;   // means
    long double qxx = 0, qyy = 0; // sums of squared deviations
    long double qxy = 0;          // sum of products of deviations
};

// Two passes: the means first, then the deviations from them.
Momente momente(const std::vector<long double>& x, const std::vector<long double>& y) {
    Momente m;
    const auto n = static_cast<long double>(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        m.sx += x[i];
        m.sy += y[i];
    }
    m.mx = m.sx / n;
    m.my = m.sy / n;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const long double dx = x[i] - m.mx, dy = y[i] - m.my;
        m.qxx += dx * dx;
        m.qyy += dy * dy;
        m.qxy += dx * dy;
    }
    return m;
}

bool alle_gleich(const std::vector<long double>& v) {
    return std::all_of(v.begin(), v.end(), [&](long double w) { return w == v.front(); });
}

// The line through the points (x, y) by least squares; false when it has no finite slope.
bool gerade(const std::vector<long double>& x, const std::vector<long double>& y, Ausgleich& a) {
    if (alle_gleich(x)) return false;
    const Momente m = momente(x, y);
    const long double b = m.qxy / m.qxx;
    const long double c = m.my - b * m.mx;
    if (!endlich({b, c}) || m.qxx == 0) return false;
    a = {b, c};
    return true;
}

// The fit y = A * e^(B * u) from the line through (u, ln y).
bool logarithmisch(const std::vector<long double>& u, const std::vector<long double>& y,
                   long double& a, long double& b) {
    std::vector<long double> ly(y.size());
    std::transform(y.begin(), y.end(), ly.begin(), [](long double w) { return std::log(w); });
    Ausgleich g;
    if (!gerade(u, ly, g)) return false;
    const long double faktor = std::exp(g.achsenabschnitt);
    if (!endlich({faktor, g.steigung})) return false;
    a = faktor;
    b = g.steigung;
    return true;
}

// One axis: the step and the limits on whole steps around lo … hi plus the margin.
void achse(long double lo, long double hi, long double& min, long double& max,
           long double& schritt) {
    const long double rand = hi > lo ? (hi - lo) / 10 : std::max(1.0L, std::fabs(hi) / 5);
    lo -= rand;
    hi += rand;
    const long double roh = (hi - lo) / 6;
    const long double zehner = std::pow(10.0L, std::floor(std::log10(roh)));
    const long double faktor = roh / zehner;
    schritt = (faktor < 1.5L ? 1 : faktor < 3.5L ? 2 : faktor < 7.5L ? 5 : 10) * zehner;
    min = std::floor(lo / schritt) * schritt;
    max = std::ceil(hi / schritt) * schritt;
}

} // namespace

Punktbereich punktbereich(const std::vector<Wertepaar>& punkte, bool mitNull) {
    Punktbereich b;
    long double xlo = INFINITY, xhi = -INFINITY, ylo = mitNull ? 0 : INFINITY,
                yhi = mitNull ? 0 : -INFINITY;
    for (const Wertepaar& p : punkte) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        xlo = std::min(xlo, p.x);
        xhi = std::max(xhi, p.x);
        ylo = std::min(ylo, p.y);
        yhi = std::max(yhi, p.y);
    }
    if (!(xlo <= xhi) || !(ylo <= yhi) || !endlich({xhi - xlo, yhi - ylo})) return b;
    achse(xlo, xhi, b.xmin, b.xmax, b.xschritt);
    achse(ylo, yhi, b.ymin, b.ymax, b.yschritt);
    return b;
}

int statistik_paarzahl(int anzahl) {
    return std::clamp(anzahl, 1, statistik_max_paare);
}

bool statistik_berechnen(const std::vector<Wertepaar>& paare, Statistik& s) {
    if (paare.empty()) return false;
    std::vector<long double> x, y;
    x.reserve(paare.size());
    y.reserve(paare.size());
    for (const Wertepaar& p : paare) {
        x.push_back(p.x);
        y.push_back(p.y);
    }
    Statistik e;
    e.n = static_cast<int>(paare.size());
    const Momente m = momente(x, y);
    const auto n = static_cast<long double>(e.n);
    e.sumx = m.sx;
    e.sumy = m.sy;
    e.mx = m.mx;
    e.my = m.my;
    e.sx = std::sqrt(m.qxx / n);
    e.sy = std::sqrt(m.qyy / n);
    if (!endlich({e.sumx, e.sumy, e.mx, e.my, e.sx, e.sy, m.qxy})) return false;
    if (!gerade(x, y, e.linear)) return false;
    if (!alle_gleich(y) && m.qyy > 0) {
        // Clamped: rounding may put a perfect correlation a hair beyond 1.
        e.r = std::clamp(m.qxy / std::sqrt(m.qxx * m.qyy), -1.0L, 1.0L);
        e.r_definiert = std::isfinite(e.r);
    }
    const bool y_positiv = std::all_of(y.begin(), y.end(), [](long double w) { return w > 0; });
    const bool x_positiv = std::all_of(x.begin(), x.end(), [](long double w) { return w > 0; });
    if (y_positiv) e.exponential_definiert = logarithmisch(x, y, e.exp_a, e.exp_b);
    if (y_positiv && x_positiv) {
        std::vector<long double> lx(x.size());
        std::transform(x.begin(), x.end(), lx.begin(), [](long double w) { return std::log(w); });
        e.potenz_definiert = logarithmisch(lx, y, e.pot_a, e.pot_b);
    }
    s = e;
    return true;
}

std::string reglin_zeile(const Statistik& s, std::string_view bild) {
    return "Reglin(x)=" + format(bild, s.linear.steigung) + "*x" +
           summand(s.linear.achsenabschnitt, bild);
}

std::string regexp_zeile(const Statistik& s, std::string_view bild) {
    if (!s.exponential_definiert) return {};
    return "Regexp(x)=" + format(bild, s.exp_a) + "*Exp(" + format(bild, s.exp_b) + "*x)";
}

std::string regpot_zeile(const Statistik& s, std::string_view bild) {
    if (!s.potenz_definiert) return {};
    return "Regpot(x)=" + format(bild, s.pot_a) + "*x^(" + format(bild, s.pot_b) + ")";
}

std::vector<std::string> statistik_zeilen(const Statistik& s, std::string_view bild) {
    std::vector<std::string> z = {
        "n=" + std::to_string(s.n), "sumx=" + format(bild, s.sumx), "sumy=" + format(bild, s.sumy),
        "mx=" + format(bild, s.mx), "my=" + format(bild, s.my),     "sx=" + format(bild, s.sx),
        "sy=" + format(bild, s.sy),
    };
    if (s.r_definiert) z.push_back("r=" + format(bild, s.r));
    z.push_back(reglin_zeile(s, bild));
    for (const std::string& zeile : {regexp_zeile(s, bild), regpot_zeile(s, bild)})
        if (!zeile.empty()) z.push_back(zeile);
    return z;
}

} // namespace zol

#include "modules/geometry/zeichenrahmen.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

// 1, 2 or 5 times a power of ten, so that the span has at most ten ticks.
long double teilung(long double spanne) {
    if (!(spanne > 0) || !std::isfinite(spanne)) return 1;
    const long double basis = std::pow(10.0L, std::floor(std::log10(spanne / 10)));
    for (long double f : {1.0L, 2.0L, 5.0L})
        if (spanne / (f * basis) <= 10) return f * basis;
    return 10 * basis;
}

// The axis from von to bis with a tenth of the span (at least 1) on each side.
void achse(long double von, long double bis, long double& min, long double& max,
           long double& schritt) {
    const long double rand = std::max(1.0L, (bis - von) / 10);
    schritt = teilung(bis - von + 2 * rand);
    min = std::floor((von - rand) / schritt) * schritt;
    max = std::ceil((bis + rand) / schritt) * schritt;
}

} // namespace

Zeichenrahmen zeichenrahmen(const std::vector<Vektor2>& punkte) {
    Zeichenrahmen r;
    long double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    for (const Vektor2& p : punkte) {
        if (!endlich(p)) continue;
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    // Spans beyond a long double stay at the default.
    if (!(x0 <= x1) || !std::isfinite(x1 - x0) || !std::isfinite(y1 - y0)) return r;
    achse(x0, x1, r.xmin, r.xmax, r.xschritt);
    achse(y0, y1, r.ymin, r.ymax, r.yschritt);
    return r;
}

} // namespace zol

#include "engine/reellefunktion.h"

#include "engine/fktbaum.h"
#include "engine/zahlformat.h"

#include <cmath>
#include <limits>

namespace zol {

Reellefunktion als_reellefunktion(const tfunktion& f) {
    return [&f](long double x) {
        long double wert = 0;
        if (!f.funktionsberechnung(x, wert)) return std::numeric_limits<long double>::quiet_NaN();
        return wert;
    };
}

long double simpson(const Reellefunktion& f, long double a, long double b, int n) {
    const long double h = (b - a) / n;
    const int m = n / 2;
    long double s4 = 0, s2 = 0, t = a;
    for (int i = 1; i <= m; ++i) {
        t = t + h;
        s4 = s4 + f(t);
        if (i != m) {
            t = t + h;
            s2 = s2 + f(t);
        }
    }
    return (4 * s4 + f(a) + 2 * s2 + f(b)) * h * (1.0L / 3);
}

std::string ergebnistext(std::string_view bild, long double wert, bool berechnet) {
    if (!berechnet || !std::isfinite(wert)) return nicht_definiert;
    return format(bild, wert);
}

} // namespace zol

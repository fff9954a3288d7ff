#include "modules/analysis/tangentenrechnung.h"

#include "engine/zahlformat.h"
#include "modules/kern/geometrie.h"

#include <algorithm>
#include <cmath>

namespace zol {

std::string geradenterm(long double m, long double b, std::string_view bild) {
    std::string t;
    if (m != 0) {
        t += m < 0 ? "-" : " ";
        t += format(bild, std::fabs(m));
        t += "*x";
    }
    if (b != 0) {
        // Alone the intercept carries no "+": the formula language refuses "tang(x)=+3,00".
        t += m != 0 ? summand(b, bild) : format(bild, b);
    }
    return t.empty() ? "0" : t;
}

Tangentenergebnis tangente_und_normale(const Diskussionsfunktion& f, long double x0, long double h,
                                       std::string_view bild) {
    Tangentenergebnis e;
    // A step below the precision of x0 would difference equal values: at least 1E-10 of |x0|.
    h = std::max(std::fabs(h), 1e-10L * std::max<long double>(1, std::fabs(x0)));
    const Funktionswert y0 = f(x0);
    const Funktionswert rechts = f(x0 + h);
    const Funktionswert links = f(x0 - h);
    if (!y0.gueltig || !rechts.gueltig || !links.gueltig) return e;
    e.y0 = y0.wert;
    e.m = (rechts.wert - links.wert) / h * 0.5L;
    // A slope the difference quotient cannot tell from its own error is 0: at the point of
    // inflection of x³ the quotient gives h² instead of 0, and the normal would be -1/h². The
    // quotient over twice the step shows that error (it grows with the square of the step).
    const Funktionswert rechts2 = f(x0 + 2 * h);
    const Funktionswert links2 = f(x0 - 2 * h);
    if (rechts2.gueltig && links2.gueltig) {
        const long double m2 = (rechts2.wert - links2.wert) / h * 0.25L;
        if (std::isfinite(m2) && e.m != 0 && std::fabs(e.m) <= std::fabs(e.m - m2)) e.m = 0;
    }
    e.b = e.y0 - e.m * x0;
    if (!std::isfinite(e.y0) || !std::isfinite(e.m) || !std::isfinite(e.b)) return e;
    e.tangente = "tang(x)=" + geradenterm(e.m, e.b, bild);
    if (e.m != 0) {
        const long double mn = -1 / e.m;
        const long double bn = e.y0 - mn * x0;
        if (!std::isfinite(mn) || !std::isfinite(bn)) return e;
        e.normale = "norm(x)=" + geradenterm(mn, bn, bild);
    }
    e.ok = true;
    return e;
}

} // namespace zol

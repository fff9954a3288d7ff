#include "modules/kern/polynom.h"

#include "engine/zahlengitter.h"
#include "engine/zahlformat.h"
#include "engine/zahlwert.h"

#include <algorithm>
#include <cmath>

namespace zol::polynom {

int grad(const Polynom& p) {
    for (int k = static_cast<int>(p.size()) - 1; k >= 0; --k)
        if (p[k] != 0) return k;
    return -1;
}

Polynom gekuerzt(Polynom p) {
    p.resize(static_cast<std::size_t>(grad(p) + 1));
    return p;
}

bool endlich(const Polynom& p) {
    return std::all_of(p.begin(), p.end(), [](long double a) { return std::isfinite(a); });
}

long double gerundet(long double wert, std::string_view bild) {
    if (!std::isfinite(wert)) return wert;
    const std::string gezeigt = format(bild, wert);
    long double zurueck = 0;
    if (zahlwert(gezeigt, zurueck)) return zurueck;
    // Thousands separators are no part of a number the formula language reads.
    std::string ohne;
    for (char c : gezeigt)
        if (c != tausenderzeichen && c != ' ') ohne += c;
    if (zahlwert(ohne, zurueck)) return zurueck;
    return wert;
}

std::string text(const Polynom& p, std::string_view bild, Anfang anfang, Reihenfolge reihenfolge) {
    const int n = grad(p);
    std::string t;
    for (int i = 0; i <= n; ++i) {
        const int k = reihenfolge == Reihenfolge::absteigend ? n - i : i;
        const long double a = p[k];
        if (gerundet(a, bild) == 0) continue;
        if (a < 0)
            t += '-';
        else if (!t.empty())
            t += '+';
        else if (anfang == Anfang::leerzeichen)
            t += ' ';
        t += format(bild, std::fabs(a));
        if (k >= 2)
            t += "*x^" + std::to_string(k);
        else if (k == 1)
            t += "*x";
    }
    return t.empty() ? std::string("0") : t;
}

bool lesen(const std::vector<std::string>& texte, Polynom& p, int& fehlerexponent) {
    Polynom neu(texte.size());
    for (int k = static_cast<int>(texte.size()) - 1; k >= 0; --k) {
        if (!zellwert(texte[k], neu[k])) {
            fehlerexponent = k;
            return false;
        }
    }
    p = std::move(neu);
    return true;
}

namespace {

long double koeffizient(const Polynom& p, int k) {
    return k >= 0 && k < static_cast<int>(p.size()) ? p[k] : 0;
}

Polynom verknuepft(const Polynom& a, const Polynom& b, long double faktor) {
    const int n = std::max(grad(a), grad(b));
    Polynom c(static_cast<std::size_t>(n + 1));
    for (int k = 0; k <= n; ++k)
        c[k] = koeffizient(a, k) + faktor * koeffizient(b, k);
    return gekuerzt(std::move(c));
}

} // namespace

Polynom summe(const Polynom& a, const Polynom& b) {
    return verknuepft(a, b, 1);
}

Polynom differenz(const Polynom& a, const Polynom& b) {
    return verknuepft(a, b, -1);
}

Polynom produkt(const Polynom& a, const Polynom& b) {
    const int n = grad(a), m = grad(b);
    if (n < 0 || m < 0) return {};
    Polynom c(static_cast<std::size_t>(n + m + 1), 0);
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= m; ++j)
            c[i + j] += a[i] * b[j];
    return gekuerzt(std::move(c));
}

Polynom ableitung(const Polynom& p) {
    const int n = grad(p);
    if (n < 1) return {};
    Polynom d(static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k)
        d[k - 1] = static_cast<long double>(k) * p[k];
    return gekuerzt(std::move(d));
}

Polynom stammfunktion(const Polynom& p) {
    const int n = grad(p);
    if (n < 0) return {};
    Polynom s(static_cast<std::size_t>(n + 2), 0);
    for (int k = 0; k <= n; ++k)
        s[k + 1] = p[k] / static_cast<long double>(k + 1);
    return gekuerzt(std::move(s));
}

Division division(const Polynom& dividend, const Polynom& divisor) {
    Division d;
    const int m = grad(divisor);
    if (m < 0) return d;
    d.moeglich = true;
    const int n = grad(dividend);
    Polynom rest = gekuerzt(dividend);
    if (n < m) {
        d.rest = std::move(rest);
        return d;
    }
    d.quotient.assign(static_cast<std::size_t>(n - m + 1), 0);
    for (int k = n - m; k >= 0; --k) {
        const long double q = rest[k + m] / divisor[m];
        d.quotient[k] = q;
        for (int j = 0; j < m; ++j)
            rest[k + j] -= q * divisor[j];
        // The leading term cancels by construction; rounding must not leave a trace of it.
        rest[k + m] = 0;
    }
    d.quotient = gekuerzt(std::move(d.quotient));
    d.rest = gekuerzt(std::move(rest));
    return d;
}

Potenz potenz(const Polynom& p, unsigned long long e, int hoechstgrad) {
    Potenz ergebnis;
    const int n = grad(p);
    if (n > 0 && e > static_cast<unsigned long long>(hoechstgrad / n)) return ergebnis;
    ergebnis.moeglich = true;
    Polynom r{1};
    Polynom basis = gekuerzt(p);
    while (e > 0) {
        if (e & 1) r = produkt(r, basis);
        e >>= 1;
        if (e > 0) basis = produkt(basis, basis);
    }
    ergebnis.ergebnis = std::move(r);
    return ergebnis;
}

namespace {

// -0 would be shown as "-0,00".
long double ohne_minus_null(long double x) {
    return x == 0 ? 0.0L : x;
}

// Zeros of x^2 + P x + Q.
void quadratisch(long double P, long double Q, std::vector<Nullstelle>& z) {
    const long double D = P * P / 4 - Q;
    const long double mitte = ohne_minus_null(-P / 2);
    if (D < 0) {
        const long double w = std::sqrt(-D);
        z.push_back({mitte, w});
        z.push_back({mitte, -w});
    } else {
        const long double w = std::sqrt(D);
        z.push_back({ohne_minus_null(-P / 2 + w), 0});
        z.push_back({ohne_minus_null(-P / 2 - w), 0});
    }
}

// b_k of the division of a (degree m) by x^2 - r x - s: b_m = a_m, b_(m-1) = a_(m-1) + r b_m,
// b_k = a_k + r b_(k+1) + s b_(k+2).
void teilen(const Polynom& a, int m, long double r, long double s, Polynom& b) {
    b[m] = a[m];
    b[m - 1] = a[m - 1] + r * b[m];
    for (int k = m - 2; k >= 0; --k)
        b[k] = a[k] + r * b[k + 1] + s * b[k + 2];
}

} // namespace

Nullstellensuche bairstow(const Polynom& p, long grenze) {
    Nullstellensuche e;
    Polynom a = gekuerzt(p);
    int m = grad(a);
    if (m < 0) return e;
    e.leitkoeffizient = a[m];
    Polynom b(a.size()), c(a.size());
    while (m > 2) {
        long double M = 1, T = std::fabs(a[m]);
        for (int k = 1; k <= m - 1; ++k) {
            M = std::max(M, std::fabs(a[k]));
            if (a[k] != 0) T = std::max(T, std::exp(std::log(std::fabs(a[k])) / (m - 1)));
        }
        long double R = 2 * T;
        if (M + 1 < R) R = M + 1;
        long double r = R, s = -R * R / 4;
        bool fertig = false;
        for (long schritt = 0; schritt < grenze; ++schritt) {
            teilen(a, m, r, s, b);
            c[m] = b[m];
            c[m - 1] = b[m - 1] + r * c[m];
            for (int k = m - 2; k >= 1; --k)
                c[k] = b[k] + r * c[k + 1] + s * c[k + 2];
            long double D = c[2] * c[2] - c[1] * c[3];
            if (D == 0) D = 1e-10L;
            const long double dr = (b[1] * c[2] - b[0] * c[3]) / D;
            const long double ds = (b[0] * c[2] - b[1] * c[1]) / D;
            r -= dr;
            s -= ds;
            if (!std::isfinite(r) || !std::isfinite(s)) break;
            if (std::fabs(dr) + std::fabs(ds) < 1e-10L) {
                fertig = true;
                break;
            }
        }
        if (!fertig) {
            e.konvergiert = false;
            a.resize(static_cast<std::size_t>(m + 1));
            e.rest = std::move(a);
            return e;
        }
        quadratisch(-r, -s, e.nullstellen);
        teilen(a, m, r, s, b);
        for (int k = 0; k <= m - 2; ++k)
            a[k] = b[k + 2];
        m -= 2;
    }
    if (m == 2)
        quadratisch(a[1] / a[2], a[0] / a[2], e.nullstellen);
    else if (m == 1)
        e.nullstellen.push_back({ohne_minus_null(-a[0] / a[1]), 0});
    return e;
}

} // namespace zol::polynom

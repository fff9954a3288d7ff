#include "modules/algebra/bruchrechnung.h"

#include "engine/reellefunktion.h"
#include "modules/kern/ganzzahl.h"

#include <array>
#include <cmath>
#include <limits>

namespace zol::bruch {

namespace ganz = zol::ganzzahl;

namespace {

constexpr std::int64_t kleinste = std::numeric_limits<std::int64_t>::min();

std::int64_t betrag(std::int64_t n) {
    return n < 0 ? -n : n;
}

// zaehler/nenner (nenner > 0) in lowest terms, split into whole part and a remainder that
// carries the value's sign, then written as a mixed fraction.
Bruch aus_unecht(std::int64_t zaehler, std::int64_t nenner) {
    const std::int64_t g = ganz::ggt(zaehler, nenner);
    if (g > 1) {
        zaehler /= g;
        nenner /= g;
    }
    Bruch b;
    b.ganze = zaehler / nenner;
    const std::int64_t rest = zaehler % nenner;
    b.zaehler = b.ganze != 0 ? betrag(rest) : rest;
    b.nenner = nenner;
    return b;
}

bool passt(const Bruch& b) {
    return b.ganze >= -feldgrenze && b.ganze <= feldgrenze && b.nenner <= feldgrenze;
}

// The sum of a and s*b with a, b improper: whole parts and proper remainders are added apart,
// so no product grows beyond 2 * 10^18 for operands from the fields.
bool summe(const Bruch& a, int s, const Bruch& b, Bruch& ergebnis) {
    std::int64_t wa = a.zaehler / a.nenner, ra = a.zaehler % a.nenner;
    std::int64_t wb = s * (b.zaehler / b.nenner), rb = s * (b.zaehler % b.nenner);
    const std::int64_t g = ganz::ggt(a.nenner, b.nenner);
    std::int64_t w = 0, x = 0, y = 0, zaehler = 0, nenner = 0;
    if (!ganz::plus(wa, wb, w) || !ganz::mal(ra, b.nenner / g, x) ||
        !ganz::mal(rb, a.nenner / g, y) || !ganz::plus(x, y, zaehler) ||
        !ganz::mal(a.nenner / g, b.nenner, nenner) || zaehler == kleinste)
        return false;
    Bruch rest = aus_unecht(zaehler, nenner); // |rest| < 2
    if (!ganz::plus(w, rest.ganze, w)) return false;
    std::int64_t r = rest.ganze != 0 ? vorzeichen(rest.ganze) * rest.zaehler : rest.zaehler;
    // Whole part and remainder get one sign: 3 + (-1/3) is 2 2/3.
    if (w > 0 && r < 0) {
        --w;
        r += rest.nenner;
    } else if (w < 0 && r > 0) {
        ++w;
        r -= rest.nenner;
    }
    ergebnis.ganze = w;
    ergebnis.zaehler = w != 0 ? betrag(r) : r;
    ergebnis.nenner = rest.nenner;
    return true;
}

// (za/na) * (zb/nb) with both fractions in lowest terms: cancelling crosswise first leaves the
// result in lowest terms, so an overflow means the result itself is too large.
bool produkt(std::int64_t za, std::int64_t na, std::int64_t zb, std::int64_t nb, Bruch& ergebnis) {
    const std::int64_t g1 = ganz::ggt(za, nb), g2 = ganz::ggt(zb, na);
    std::int64_t zaehler = 0, nenner = 0;
    if (!ganz::mal(za / g1, zb / g2, zaehler) || !ganz::mal(na / g2, nb / g1, nenner) ||
        zaehler == kleinste)
        return false;
    ergebnis = aus_unecht(zaehler, nenner);
    return true;
}

} // namespace

int vorzeichen(std::int64_t n) {
    return n > 0 ? 1 : n < 0 ? -1 : 0;
}

bool unecht(const Bruch& b, Bruch& ergebnis) {
    // The smallest 64-bit number has no absolute value.
    if (b.nenner == 0 || b.ganze == kleinste || b.zaehler == kleinste || b.nenner == kleinste)
        return false;
    std::int64_t zaehler = b.zaehler, nenner = b.nenner;
    if (b.ganze != 0) {
        std::int64_t teil = 0;
        if (!ganz::mal(betrag(b.ganze), betrag(nenner), teil) ||
            !ganz::plus(teil, vorzeichen(nenner) * zaehler, zaehler))
            return false;
        nenner = betrag(nenner);
        zaehler *= vorzeichen(b.ganze);
    } else if (nenner < 0) {
        zaehler = -zaehler;
        nenner = -nenner;
    }
    const std::int64_t g = ganz::ggt(zaehler, nenner);
    ergebnis = Bruch{0, zaehler / g, nenner / g};
    return true;
}

bool gemischt(const Bruch& b, Bruch& ergebnis) {
    Bruch u;
    if (!unecht(b, u)) return false;
    ergebnis = aus_unecht(u.zaehler, u.nenner);
    return true;
}

bool ist_null(const Bruch& b) {
    Bruch u;
    return unecht(b, u) && u.zaehler == 0;
}

long double wert(const Bruch& b) {
    const long double bruch = static_cast<long double>(b.zaehler) / b.nenner;
    if (b.ganze == 0) return bruch;
    return vorzeichen(b.ganze) * (static_cast<long double>(betrag(b.ganze)) + bruch);
}

Status rechnen(const Bruch& a, Rechenart op, const Bruch& b, Bruch& ergebnis) {
    Bruch ua, ub;
    if (!unecht(a, ua) || !unecht(b, ub)) return Status::zu_gross;
    Bruch e;
    bool ok = false;
    switch (op) {
    case Rechenart::plus:
        ok = summe(ua, 1, ub, e);
        break;
    case Rechenart::minus:
        ok = summe(ua, -1, ub, e);
        break;
    case Rechenart::mal:
        ok = produkt(ua.zaehler, ua.nenner, ub.zaehler, ub.nenner, e);
        break;
    case Rechenart::durch:
        if (ub.zaehler == 0) return Status::nenner_null;
        ok = produkt(ua.zaehler, ua.nenner, vorzeichen(ub.zaehler) * ub.nenner, betrag(ub.zaehler),
                     e);
        break;
    }
    if (!ok || !passt(e)) return Status::zu_gross;
    ergebnis = e;
    return Status::ok;
}

std::string operatortext(Rechenart op) {
    switch (op) {
    case Rechenart::plus:
        return " + ";
    case Rechenart::minus:
        return " - ";
    case Rechenart::mal:
        return " * ";
    case Rechenart::durch:
        return " : ";
    }
    return " ";
}

std::string bruchtext(const Bruch& b, bool ergebnis) {
    std::string t;
    if (b.ganze != 0) t = std::to_string(b.ganze);
    if (b.zaehler != 0 && (ergebnis || b.nenner != 0))
        t += " \\f(" + std::to_string(b.zaehler) + ";" + std::to_string(b.nenner) + ")";
    return t;
}

long double toleranz(bool unendlich) {
    return unendlich ? 0.1L : 1e-9L;
}

bool aus_dezimal(long double x, long double toleranz, Bruch& ergebnis) {
    if (!std::isfinite(x)) return false;
    const long double betrag_x = std::fabs(x);
    if (betrag_x >= 1e9L) return false;

    // Convergents h/k of |x| = [a1; a2, ...], as long as they fit the fields; at most 100
    // terms. m is the number of terms after which the remainder fell below the tolerance.
    constexpr int hoechstens = 100;
    std::array<std::int64_t, hoechstens + 1> h{}, k{};
    int anzahl = 0;
    std::int64_t h1 = 1, h2 = 0, k1 = 0, k2 = 1;
    long double y = betrag_x;
    for (int i = 1; i <= hoechstens; ++i) {
        // A term this large makes the denominator leave the range anyway.
        if (y >= 1e18L) break;
        const auto a = static_cast<std::int64_t>(y); // truncates toward zero
        const long double r = y - static_cast<long double>(a);
        std::int64_t hn = 0, kn = 0;
        if (!ganz::mal(a, h1, hn) || !ganz::plus(hn, h2, hn) || !ganz::mal(a, k1, kn) ||
            !ganz::plus(kn, k2, kn) || kn > feldgrenze || hn / kn > feldgrenze)
            break;
        h[i] = hn;
        k[i] = kn;
        anzahl = i;
        h2 = h1;
        h1 = hn;
        k2 = k1;
        k1 = kn;
        if (r == 0 || std::fabs(r) < toleranz) break;
        y = 1 / r;
    }
    // Three terms first, then one more each round, until the convergent is close enough;
    // beyond the terms taken only the best one is left.
    auto fehler = [&](int i) {
        return std::fabs(static_cast<long double>(h[i]) / static_cast<long double>(k[i]) -
                         betrag_x);
    };
    int wahl = 0;
    for (int i = std::min(3, anzahl); i <= anzahl && wahl == 0; ++i)
        if (!(fehler(i) > toleranz)) wahl = i;
    if (wahl == 0) {
        wahl = anzahl;
        for (int i = 1; i < anzahl; ++i)
            if (fehler(i) < fehler(wahl)) wahl = i;
    }
    Bruch b = aus_unecht(h[wahl], k[wahl]);
    if (x < 0) {
        if (b.ganze != 0)
            b.ganze = -b.ganze;
        else
            b.zaehler = -b.zaehler;
    }
    ergebnis = b;
    return true;
}

Rechnung rechnung(const Bruch& a, long double da, Rechenart op, const Bruch& b, long double db,
                  std::string_view bild) {
    Rechnung r;
    if (!gemischt(a, r.a) || !gemischt(b, r.b)) {
        r.status = Status::zu_gross;
        return r;
    }
    r.status = rechnen(r.a, op, r.b, r.ergebnis);
    if (r.status != Status::ok) return r;
    r.brueche =
        bruchtext(r.a) + operatortext(op) + bruchtext(r.b) + " = " + bruchtext(r.ergebnis, true);
    long double e = 0;
    switch (op) {
    case Rechenart::plus:
        e = da + db;
        break;
    case Rechenart::minus:
        e = da - db;
        break;
    case Rechenart::mal:
        e = da * db;
        break;
    case Rechenart::durch:
        e = da / db;
        break;
    }
    r.dezimal = ergebnistext(bild, da) + operatortext(op) + ergebnistext(bild, db) + " = " +
                ergebnistext(bild, e);
    return r;
}

} // namespace zol::bruch

#include "modules/analysis/diskussionsrechnung.h"

#include "engine/fktbaum.h"
#include "engine/hilfen.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zol {

namespace {

// Only a range of finite, positive width is searched: with h = 0 every sample is the same point.
bool hat_breite(const Abtastung& p) {
    return p.intervalle() >= 1 && p.schritt > 0 && std::isfinite(p.schritt);
}

// The sign of a comparison: +1, -1, or 0 when equal (or not comparable).
int vergleich(long double links, long double rechts) {
    return rechts > links ? 1 : (rechts < links ? -1 : 0);
}

// The states of a scan over anzahl elements: an element whose sign is 0 keeps the state before
// it, and the leading ones take the first state there is. Empty when no element has a sign, so
// nothing ever changes.
template <class Zeichen> std::vector<int> zustaende(int anzahl, Zeichen vorzeichen_bei) {
    std::vector<int> z(static_cast<std::size_t>(std::max(anzahl, 0)), 0);
    int vorher = 0;
    for (std::size_t i = 0; i < z.size(); ++i) {
        const int d = vorzeichen_bei(i);
        z[i] = d != 0 ? d : vorher;
        vorher = z[i];
    }
    const auto erster = std::find_if(z.begin(), z.end(), [](int w) { return w != 0; });
    if (erster == z.end()) return {};
    std::fill(z.begin(), erster, *erster);
    return z;
}

// Direction of every interval: +1 rising, -1 falling.
std::vector<int> richtungen(const Abtastung& p) {
    return zustaende(p.intervalle(), [&p](std::size_t i) { return vergleich(p.y[i], p.y[i + 1]); });
}

// Curvature of every triple i, i+1, i+2: -1 concave, +1 convex.
std::vector<int> kruemmungen(const Abtastung& p) {
    return zustaende(p.intervalle() - 1, [&p](std::size_t i) {
        return vergleich(p.y[i + 1] - p.y[i], p.y[i + 2] - p.y[i + 1]);
    });
}

// Index of the smallest (or largest) of n values; ties go to the lowest index.
int extremindex(const long double* werte, int n, bool groesster) {
    int k = 0;
    for (int i = 1; i < n; ++i) {
        if (groesster ? werte[i] > werte[k] : werte[i] < werte[k]) k = i;
    }
    return k;
}

// The narrowest interval the arithmetic can still halve around x: a few units in the last
// place. A tolerance below it would only compare equal values (and call an extremum a pole).
long double kleinste_breite(long double x) {
    const long double b = std::fabs(x);
    return 8 * (std::nextafter(b, std::numeric_limits<long double>::infinity()) - b);
}

// Extreme and inflection points are found from differences of nearby values, which vanish in
// rounding long before the interval reaches the precision of x: near an extremum the values
// differ by about w^2, so w must stay near the square root of the precision (the curvature
// search, comparing differences of differences, a little above).
long double kleinste_breite_extremum(long double x) {
    return 1e-8L * std::max<long double>(1, std::fabs(x));
}
long double kleinste_breite_wendepunkt(long double x) {
    return 1e-6L * std::max<long double>(1, std::fabs(x));
}

// An estimate whose interval is wider than the number itself (a range of ±1E300 with few
// halvings) is no result.
bool zu_grob(long double x, long double breite) {
    return breite > std::max<long double>(1, std::fabs(x));
}

struct Eingrenzung {
    long double x = 0;
    int schritte = 0;
    bool verworfen = false;  // the extreme point's shape check failed
    bool auffaellig = false; // the shape check failed at least once (a pole)
    bool grob = false;       // the interval stayed wider than the estimate (zu_grob)
};

// Five points on half the width from a = x[j]; the interval moves to the smallest value after a
// falling interval, to the largest after a rising one. For extreme points a failed shape check
// drops the candidate; for poles it marks it and the halving goes on.
Eingrenzung fuenfpunkte(const Abtastung& p, const Diskussionsfunktion& f,
                        const Iterationsgrenzen& g, int j, bool maximum, bool polsuche) {
    Eingrenzung e;
    long double a = p.x[j];
    long double b = p.x[j + 1];
    long double w = std::fabs(p.x[j + 1] - p.x[j]);
    bool halt = false;
    while (w > std::max(g.toleranz, kleinste_breite_extremum(a)) && e.schritte < g.grenze &&
           !halt) {
        ++e.schritte;
        w /= 2;
        long double pk[5], q[5];
        for (int k = 0; k < 5; ++k) {
            pk[k] = a + k * w;
            q[k] = f(pk[k]).wert;
        }
        const long double d0 = q[1] - q[0], d1 = q[2] - q[1], d2 = q[3] - q[2], d3 = q[4] - q[3];
        const bool glatt =
            maximum ? (d1 < d0 && d2 < d1 && d3 < d2) : (d1 > d0 && d2 > d1 && d3 > d2);
        if (!glatt) {
            if (!polsuche) {
                e.verworfen = true;
                return e;
            }
            e.auffaellig = true;
        }
        const int k = extremindex(q, 5, maximum);
        if (k == 0) {
            b = pk[0];
            halt = true;
        } else {
            a = pk[k - 1];
            b = pk[k];
        }
    }
    e.x = b;
    e.grob = zu_grob(b, w);
    if (e.grob) e.verworfen = true;
    return e;
}

Diskussionspunkt punkt_bei(const Diskussionsfunktion& f, long double x, int schritte,
                           const Iterationsgrenzen& g) {
    Diskussionspunkt d;
    d.x = x;
    d.y = f(x).wert;
    d.grenzeErreicht = schritte == g.grenze;
    d.verfeinert = true;
    return d;
}

// Halving with a growth check; false when the candidate is dropped (grob set when only because
// the interval stayed too wide).
bool nullstelle_eingrenzen(const Abtastung& p, const Diskussionsfunktion& f,
                           const Iterationsgrenzen& g, int i, Diskussionspunkt& ergebnis,
                           bool& grob) {
    long double a = p.x[i], b = p.x[i + 1];
    long double fa = p.y[i], fb = p.y[i + 1];
    long double w = std::fabs(b - a);
    long double m = a + w / 2;
    long double fm = 0;
    int schritte = 0;
    while (w > std::max(g.toleranz, kleinste_breite(m)) && schritte < g.grenze) {
        ++schritte;
        m = a + w / 2;
        fm = f(m).wert;
        const int s = vorzeichen(fm);
        if (s == vorzeichen(fa)) {
            if (std::fabs(fm) > std::fabs(fa)) return false;
            a = m;
            fa = fm;
        } else if (s == vorzeichen(fb)) {
            if (std::fabs(fm) > std::fabs(fb)) return false;
            b = m;
            fb = fm;
        }
        w = std::fabs(b - a);
    }
    // The candidate rule also lets in intervals without a sign change, and a midpoint whose
    // value equals an end's passes the growth check: a function that never reaches 0 (a constant
    // with rounding noise, a step) would be narrowed down to a "zero". Only an interval that
    // still changes sign, or a midpoint on the zero itself, holds one.
    if (schritte > 0 && fm != 0 && vorzeichen(fa) == vorzeichen(fb)) return false;
    if (fm != 0 && zu_grob(m, w)) {
        grob = true;
        return false;
    }
    ergebnis = punkt_bei(f, m, schritte, g);
    return true;
}

// The largest |f| found by closing in on it within [x - s, x + s]: five points, then five on
// half the width around the largest of them, 40 times. Points that cannot be evaluated are
// passed over.
long double groesster_betrag(const Diskussionsfunktion& f, long double x, long double s) {
    long double a = x - s, w = s / 2, groesster = 0;
    for (int n = 0; n < 40; ++n) {
        long double mitte = 0, bester = -1;
        for (int k = 0; k < 5; ++k) {
            const long double t = a + k * w;
            const Funktionswert v = f(t);
            const long double b = std::fabs(v.wert);
            if (!v.gueltig || std::isnan(b)) continue;
            if (b > bester) {
                bester = b;
                mitte = t;
            }
        }
        if (bester < 0) break;
        groesster = std::max(groesster, bester);
        if (std::isinf(groesster)) break;
        a = mitte - w;
        w /= 2;
    }
    return groesster;
}

// Near an inflection point the function runs from one side to the other, so close to it |f|
// stays within the values two and three sampling steps away. Near a pole it grows without
// bound, and 40 halvings take it far beyond any small multiple of them, however coarse the
// refinement that found the point was. Neighbours that cannot be evaluated tell nothing.
bool polnah(const Diskussionsfunktion& f, long double x, long double schritt) {
    constexpr long double faktor = 16;
    long double nachbarn = 0;
    bool bekannt = false;
    for (const long double abstand : {-3 * schritt, -2 * schritt, 2 * schritt, 3 * schritt}) {
        const Funktionswert w = f(x + abstand);
        if (!w.gueltig || !std::isfinite(w.wert)) continue;
        nachbarn = std::max(nachbarn, std::fabs(w.wert));
        bekannt = true;
    }
    return bekannt && groesster_betrag(f, x, schritt) > faktor * nachbarn;
}

// The curvature search: six points from a = x[j], following the smallest difference after a
// concave stretch (the largest after a convex one); the estimate is the middle of that step.
// False when the candidate is a pole rather than an inflection point, or (grob set) when the
// interval stayed too wide.
bool wendepunkt_eingrenzen(const Abtastung& p, const Diskussionsfunktion& f,
                           const Iterationsgrenzen& g, int j, bool konkav,
                           Diskussionspunkt& ergebnis, bool& grob) {
    long double a = p.x[j];
    long double m = p.x[j + 2];
    long double w = std::fabs(m - a);
    int schritte = 0;
    bool halt = false;
    while (w > std::max(g.toleranz, kleinste_breite_wendepunkt(a)) && schritte < g.grenze &&
           !halt) {
        ++schritte;
        w /= 2;
        long double pk[6], q[6], d[5];
        for (int k = 0; k < 6; ++k) {
            pk[k] = a + k * w;
            q[k] = f(pk[k]).wert;
        }
        for (int k = 0; k < 5; ++k)
            d[k] = q[k + 1] - q[k];
        const int k = extremindex(d, 5, !konkav);
        if (k == 0)
            halt = true;
        else
            a = pk[k - 1];
        m = pk[k] + w / 2;
    }
    if (zu_grob(m, w)) {
        grob = true;
        return false;
    }
    ergebnis = punkt_bei(f, m, schritte, g);
    return f(m).gueltig && std::isfinite(ergebnis.y) && !polnah(f, m, p.schritt);
}

} // namespace

Diskussionsfunktion als_diskussionsfunktion(const tfunktion& f) {
    return [&f](long double x) {
        Funktionswert w;
        w.gueltig = f.funktionsberechnung(x, w.wert);
        return w;
    };
}

Abtastung abtasten(const Diskussionsfunktion& f, long double xmin, long double xmax,
                   int intervalle) {
    const int n = std::clamp(intervalle, 1, max_intervalle);
    Abtastung p;
    p.x.resize(static_cast<std::size_t>(n) + 1);
    p.y.resize(p.x.size());
    p.gueltig.resize(p.x.size());
    p.schritt = (xmax - xmin) / n;
    long double x = xmin;
    for (std::size_t i = 0; i < p.x.size(); ++i) {
        // The summed steps drift; the last sample is the end of the range itself, so that a
        // zero there is not sampled beside it and missed.
        if (i + 1 == p.x.size()) x = xmax;
        const Funktionswert w = f(x);
        p.x[i] = x;
        p.y[i] = w.wert;
        p.gueltig[i] = w.gueltig;
        x += p.schritt;
    }
    return p;
}

Diskussionspunkte nullstellen(const Abtastung& p, const Diskussionsfunktion& f,
                              const Iterationsgrenzen& g, bool* zu_grob) {
    Diskussionspunkte punkte;
    bool grob = false;
    if (!hat_breite(p)) return punkte;
    const int n = p.intervalle();
    for (int i = 0; i < n; ++i) {
        if (p.y[i + 1] == 0 && p.gueltig[i + 1]) {
            Diskussionspunkt d;
            d.x = p.x[i + 1];
            d.y = p.y[i + 1];
            punkte.push_back(d);
            i += 2; // the zero would be found again from the next two intervals
            continue;
        }
        const long double d = p.y[i + 1] - p.y[i];
        const bool kandidat = (d > 0 && p.y[i + 1] > 0) || (d < 0 && p.y[i + 1] < 0);
        if (!kandidat || !p.gueltig[i] || !p.gueltig[i + 1]) continue;
        Diskussionspunkt z;
        if (nullstelle_eingrenzen(p, f, g, i, z, grob)) punkte.push_back(z);
    }
    if (zu_grob && grob) *zu_grob = true;
    return punkte;
}

Diskussionspunkte extremwerte(const Abtastung& p, const Diskussionsfunktion& f,
                              const Iterationsgrenzen& g, bool* zu_grob) {
    Diskussionspunkte punkte;
    bool grob = false;
    if (!hat_breite(p)) return punkte;
    const std::vector<int> r = richtungen(p);
    if (r.empty()) return punkte;
    const int n = p.intervalle();
    for (int i = 1; i <= n - 2; ++i) {
        if (r[i] == r[i - 1] || !p.gueltig[i] || !p.gueltig[i + 1]) continue;
        const bool maximum = r[i - 1] > 0; // rising before the change
        const Eingrenzung e = fuenfpunkte(p, f, g, i - 1, maximum, false);
        grob = grob || e.grob;
        if (e.verworfen) continue;
        Diskussionspunkt d = punkt_bei(f, e.x, e.schritte, g);
        d.art = maximum ? Diskussionspunkt::maximum : Diskussionspunkt::minimum;
        punkte.push_back(d);
    }
    if (zu_grob && grob) *zu_grob = true;
    return punkte;
}

Diskussionspunkte wendepunkte(const Abtastung& p, const Diskussionsfunktion& f,
                              const Iterationsgrenzen& g, bool* zu_grob) {
    Diskussionspunkte punkte;
    bool grob = false;
    if (!hat_breite(p)) return punkte;
    const std::vector<int> k = kruemmungen(p);
    if (k.empty()) return punkte;
    const int n = p.intervalle();
    for (int i = 1; i <= n - 3; ++i) {
        if (k[i] == k[i - 1] || !p.gueltig[i] || !p.gueltig[i + 1] || !p.gueltig[i + 2]) continue;
        Diskussionspunkt w;
        if (wendepunkt_eingrenzen(p, f, g, i - 1, k[i - 1] < 0, w, grob)) punkte.push_back(w);
        i += 3; // on with triple i + 4; triple i + 3 gives the state before it
    }
    if (zu_grob && grob) *zu_grob = true;
    return punkte;
}

Diskussionspunkte polstellen(const Abtastung& p, const Diskussionsfunktion& f,
                             const Iterationsgrenzen& g, bool* zu_grob) {
    Diskussionspunkte punkte;
    bool grob = false;
    if (!hat_breite(p)) return punkte;
    const std::vector<int> r = richtungen(p);
    if (r.empty()) return punkte;
    const int n = p.intervalle();
    for (int i = 1; i <= n - 2; ++i) {
        if (r[i] == r[i - 1]) continue;
        const Eingrenzung e = fuenfpunkte(p, f, g, i - 1, r[i - 1] > 0, true);
        // A pole whose interval stayed wider than its place is as unknown as any other point.
        grob = grob || (e.auffaellig && e.grob);
        if (e.auffaellig && !e.grob) punkte.push_back(punkt_bei(f, e.x, e.schritte, g));
        i += 2; // on with interval i + 3; interval i + 2 gives the direction before it
    }
    if (zu_grob && grob) *zu_grob = true;
    return punkte;
}

bool grenze_erreicht(const Diskussionspunkte& punkte) {
    return std::any_of(punkte.begin(), punkte.end(),
                       [](const Diskussionspunkt& d) { return d.grenzeErreicht; });
}

Diskussionsergebnis diskutieren(const Diskussionsfunktion& f, const Diskussionsauftrag& a) {
    Diskussionsergebnis e;
    e.proben = abtasten(f, a.xmin, a.xmax, a.aufloesung);
    bool* grob = &e.ausser_reichweite;
    if (a.nullstellen) e.nullstellen = nullstellen(e.proben, f, a.grenzen, grob);
    if (a.extremwerte) e.extremwerte = extremwerte(e.proben, f, a.grenzen, grob);
    if (a.wendepunkte) e.wendepunkte = wendepunkte(e.proben, f, a.grenzen, grob);
    if (a.polstellen) e.polstellen = polstellen(e.proben, f, a.grenzen, grob);
    if (grenze_erreicht(e.nullstellen) || grenze_erreicht(e.extremwerte) ||
        grenze_erreicht(e.wendepunkte) || grenze_erreicht(e.polstellen))
        e.iterationsstatus.assign(1, '*');
    return e;
}

} // namespace zol

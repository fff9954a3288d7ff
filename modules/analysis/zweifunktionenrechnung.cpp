#include "modules/analysis/zweifunktionenrechnung.h"

#include "engine/reellefunktion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zol {

namespace {

constexpr long double nan_ld = std::numeric_limits<long double>::quiet_NaN();
constexpr long double grad_je_rad = 57.29577951308232L;

Reellefunktion als_reell(const Diskussionsfunktion& f) {
    return [&f](long double x) {
        const Funktionswert w = f(x);
        return w.gueltig ? w.wert : nan_ld;
    };
}

} // namespace

std::string differenzdefinition(std::string_view name1, std::string_view name2, Schnittart art) {
    std::string d = "Differenz(x)=";
    switch (art) {
    case Schnittart::beide:
        return d.append(name1).append("(x)-").append(name2).append("(x)");
    case Schnittart::erste_und_achse:
        return d.append(name1).append("(x)");
    case Schnittart::zweite_und_achse:
        return d.append(name2).append("(x)");
    }
    return d;
}

long double schnittwinkel(long double m1, long double m2) {
    if (m1 * m2 == -1) return 90;
    return std::atan(std::fabs((m1 - m2) / (1 + m1 * m2))) * grad_je_rad;
}

long double steigung(const Diskussionsfunktion& f, long double x, long double h) {
    // A step below the precision of x would difference equal values: at least 1E-10 of |x|.
    h = std::max(std::fabs(h), 1e-10L * std::max<long double>(1, std::fabs(x)));
    const Funktionswert rechts = f(x + h);
    const Funktionswert links = f(x - h);
    if (!rechts.gueltig || !links.gueltig) return nan_ld;
    return (rechts.wert - links.wert) / (2 * h);
}

Zweifunktionenergebnis zwei_funktionen(const Diskussionsfunktion& erste,
                                       const Diskussionsfunktion& zweite,
                                       const Diskussionsfunktion& differenz,
                                       const Zweifunktionenauftrag& a) {
    Zweifunktionenergebnis e;
    const Abtastung proben = abtasten(differenz, a.xmin, a.xmax, a.aufloesung);
    Diskussionspunkte nullen = nullstellen(proben, differenz, a.grenzen);
    if (nullen.size() > max_schnittpunkte) nullen.resize(max_schnittpunkte);

    const bool mit_erster = a.art != Schnittart::zweite_und_achse;
    const bool mit_zweiter = a.art != Schnittart::erste_und_achse;
    const Diskussionsfunktion& kurve = mit_erster ? erste : zweite;
    for (const Diskussionspunkt& n : nullen) {
        Schnittpunkt s;
        s.x = n.x;
        const Funktionswert y = kurve(n.x);
        s.y = y.gueltig ? y.wert : nan_ld;
        // The x-axis has the slope 0.
        const long double m1 = mit_erster ? steigung(erste, n.x, a.h) : 0;
        const long double m2 = mit_zweiter ? steigung(zweite, n.x, a.h) : 0;
        s.winkel = schnittwinkel(m1, m2);
        e.schnittpunkte.push_back(s);
        if (n.verfeinert)
            e.iterationsmeldung = n.grenzeErreicht ? "Abbruch der Iteration durch max. Iteration"
                                                   : "Abbruch der Iteration durch die Toleranz";
    }

    const Reellefunktion d = als_reell(differenz);
    e.flaechen.push_back({a.xmin, a.xmax, simpson(d, a.xmin, a.xmax, a.simpson)});
    for (std::size_t i = 1; i < e.schnittpunkte.size(); ++i) {
        const long double von = e.schnittpunkte[i - 1].x, bis = e.schnittpunkte[i].x;
        e.flaechen.push_back({von, bis, simpson(d, von, bis, a.simpson)});
    }
    return e;
}

} // namespace zol

#include "modules/analysis/wertetabellenrechnung.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zol {

namespace {

constexpr int max_simpson = 1000;

const char* const schritt_fehler = "Schrittweite muss größer als 0 sein.";
const char* const zeilen_fehler = "Die Tabelle hätte mehr als 100000 Zeilen. Bitte die "
                                  "Schrittweite vergrößern oder den Bereich verkleinern.";
const char* const simpson_fehler = "Die Simpson-Konstante muss zwischen 1 und 1000 liegen.";

// True when adding the step to x changes it. Rounding loses more the larger |x| is, so the
// end of the range with the larger magnitude decides.
bool schritt_bewegt(long double xmin, long double xmax, long double schritt) {
    const long double r = std::max(std::fabs(xmin), std::fabs(xmax));
    return r + schritt != r && -r + schritt != -r;
}

// Exchanged limits are taken the right way round.
void grenzen_ordnen(long double& xmin, long double& xmax) {
    if (xmax < xmin) std::swap(xmin, xmax);
}

} // namespace

std::vector<std::string> tabellenkopf(const Tabellenarten& arten) {
    std::vector<std::string> kopf{"x"};
    if (arten.funktion) kopf.emplace_back("f(x)");
    if (arten.ableitung1) kopf.emplace_back("f(x)'");
    if (arten.ableitung2) kopf.emplace_back("f(x)''");
    if (arten.integral) kopf.emplace_back("F(x)");
    return kopf;
}

long double geschaetzte_zeilenzahl(long double xmin, long double xmax, long double schritt) {
    grenzen_ordnen(xmin, xmax);
    return std::floor((xmax - xmin) / schritt) + 1;
}

std::string tabelle_pruefen(const Tabellenvorgaben& v) {
    // Written so that NaN fails as well.
    if (!(v.schritt > 0)) return schritt_fehler;
    if (v.arten.integral && (v.simpson < 1 || v.simpson > max_simpson)) return simpson_fehler;
    const long double zeilen = geschaetzte_zeilenzahl(v.xmin, v.xmax, v.schritt);
    if (!(zeilen <= max_tabellenzeilen) || !schritt_bewegt(v.xmin, v.xmax, v.schritt))
        return zeilen_fehler;
    return {};
}

bool tabelle_berechnen(const Reellefunktion& f, const Tabellenvorgaben& v, Wertetabelle& tabelle,
                       std::string& fehler) {
    fehler = tabelle_pruefen(v);
    if (!fehler.empty()) return false;
    long double xmin = v.xmin, xmax = v.xmax;
    grenzen_ordnen(xmin, xmax);
    const long double h = v.h;
    const Tabellenarten& a = v.arten;

    Wertetabelle t;
    t.kopf = tabellenkopf(a);
    t.zeilen.reserve(static_cast<std::size_t>(geschaetzte_zeilenzahl(xmin, xmax, v.schritt)) + 1);
    long double integral = 0;
    for (long double x = xmin; x <= xmax; x = x + v.schritt) {
        // The estimate can be one short by rounding; this bound keeps the promise anyway.
        if (t.zeilen.size() >= static_cast<std::size_t>(max_tabellenzeilen)) {
            fehler = zeilen_fehler;
            return false;
        }
        std::vector<long double> zeile{x};
        const long double fx = f(x);
        if (a.funktion) zeile.push_back(fx);
        // No derivative where the function itself is undefined (1/x at 0), even though the
        // difference quotient around it would give a number.
        // A step below the precision of x would difference equal values: the first difference
        // needs at least 1E-10 of |x|, the second (divided by h squared) 1E-5.
        const long double groesse = std::max<long double>(1, std::fabs(x));
        const long double h1 = std::max(h, 1e-10L * groesse);
        const long double h2 = std::max(h, 1e-5L * groesse);
        if (a.ableitung1)
            zeile.push_back(std::isfinite(fx) ? (f(x + h1) - f(x - h1)) / (2 * h1) : fx);
        if (a.ableitung2) zeile.push_back((f(x + h2) - 2 * fx + f(x - h2)) / (h2 * h2));
        if (a.integral) {
            if (x == xmin)
                integral = 0;
            else
                integral = integral + simpson(f, x - v.schritt, x, v.simpson);
            zeile.push_back(integral);
        }
        t.zeilen.push_back(std::move(zeile));
    }
    tabelle = std::move(t);
    return true;
}

std::vector<std::vector<std::string>> tabellentexte(const Wertetabelle& tabelle,
                                                    std::string_view bild) {
    std::vector<std::vector<std::string>> texte;
    texte.reserve(tabelle.zeilen.size());
    for (const std::vector<long double>& zeile : tabelle.zeilen) {
        std::vector<std::string> zellen;
        zellen.reserve(zeile.size());
        for (long double w : zeile)
            zellen.push_back(ergebnistext(bild, w));
        texte.push_back(std::move(zellen));
    }
    return texte;
}

} // namespace zol

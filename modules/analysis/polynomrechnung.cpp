#include "modules/analysis/polynomrechnung.h"

#include "engine/reellefunktion.h"

namespace zol {

using namespace polynom;

namespace {

std::string zahl(std::string_view bild, long double wert) {
    return ergebnistext(bild, wert);
}

} // namespace

std::string linearfaktoren(const Nullstellensuche& suche, std::string_view bild) {
    if (suche.leitkoeffizient == 0) return "polylin(x)=0";
    std::string z = "polylin(x)=" + zahl(bild, suche.leitkoeffizient) + "*";
    const auto& n = suche.nullstellen;
    for (std::size_t i = 0; i < n.size(); ++i) {
        if (n[i].im == 0) {
            z += n[i].re >= 0 ? "(x-" + zahl(bild, n[i].re) + ")*"
                              : "(x+" + zahl(bild, -n[i].re) + ")*";
            continue;
        }
        const long double p = -2 * n[i].re;
        const long double q = n[i].re * n[i].re + n[i].im * n[i].im;
        z += p < 0 ? "(x^2-" + zahl(bild, -p) : "(x^2+" + zahl(bild, p);
        z += "*x+" + zahl(bild, q) + ")*";
        ++i; // the conjugate
    }
    if (!suche.konvergiert && grad(suche.rest) > 0) {
        Polynom normiert = suche.rest;
        const long double leit = normiert[grad(normiert)];
        for (long double& a : normiert)
            a /= leit;
        z += "(" + text(normiert, bild) + ")*";
    }
    z.pop_back();
    return z;
}

std::vector<std::string> nullstellenzeilen(const Nullstellensuche& suche, std::string_view bild,
                                           const std::string& komplexkopf,
                                           const Nullstellennamen& namen) {
    std::vector<std::string> zeilen;
    int nummer = 0;
    for (const Nullstelle& z : suche.nullstellen)
        if (z.im == 0)
            zeilen.push_back(namen.reell + std::to_string(++nummer) + "=" + zahl(bild, z.re));
    zeilen.push_back(komplexkopf);
    nummer = 0;
    for (const Nullstelle& z : suche.nullstellen) {
        if (z.im == 0) continue;
        ++nummer;
        zeilen.push_back(namen.real + std::to_string(nummer) + "=" + zahl(bild, z.re));
        zeilen.push_back(namen.ima + std::to_string(nummer) + "=" + zahl(bild, z.im));
    }
    return zeilen;
}

Polynomergebnis polynomfunktion(const Polynom& p, std::string_view bild) {
    Polynomergebnis e;
    const Polynom d1 = ableitung(p), d2 = ableitung(d1), s = stammfunktion(p);
    if (!endlich(p) || !endlich(d1) || !endlich(d2) || !endlich(s)) {
        e.meldung = koeffizienten_zu_gross;
        return e;
    }
    const Nullstellensuche suche = bairstow(p);
    auto& z = e.zeilen;
    z = {";Funktion:",
         "poly(x)=" + text(p, bild),
         ";1. Ableitung:",
         "dpoly(x)=" + text(d1, bild),
         ";2. Ableitung:",
         "d2poly(x)=" + text(d2, bild),
         ";Stammfunktion ",
         "Ipoly(x)=" + text(s, bild),
         ";Zerlegung in Linearfaktoren:",
         linearfaktoren(suche, bild)};
    if (!suche.konvergiert) {
        e.meldung = bairstow_fehlschlag;
        z.push_back(std::string(";") + bairstow_fehlschlag);
    }
    z.push_back(";Nullstellen:");
    for (std::string& zeile : nullstellenzeilen(suche, bild, ";komplexe Nullstellen:"))
        z.push_back(std::move(zeile));
    return e;
}

} // namespace zol

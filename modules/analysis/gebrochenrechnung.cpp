#include "modules/analysis/gebrochenrechnung.h"

#include "modules/analysis/polynomrechnung.h"

namespace zol {

using namespace polynom;

namespace {

std::string bruch(const Polynom& z, const Polynom& n, std::string_view bild) {
    // Appended piece by piece: "(" + text + ... trips a false -Wrestrict in GCC 12.
    std::string b(1, '(');
    b.append(text(z, bild)).append(")/(").append(text(n, bild)).append(")");
    return b;
}

// "quotient+(rest)/(divisor)"; the divisor is never the zero polynomial here.
std::string zerlegt(const Polynom& z, const Polynom& n, std::string_view bild) {
    const Division d = division(z, n);
    return text(d.quotient, bild) + "+" + bruch(d.rest, n, bild);
}

void anhaengen(std::vector<std::string>& z, std::vector<std::string> mehr) {
    for (std::string& s : mehr)
        z.push_back(std::move(s));
}

} // namespace

Gebrochenergebnis gebrochene_funktion(const Polynom& u, const Polynom& v, std::string_view bild) {
    Gebrochenergebnis e;
    auto& z = e.zeilen;
    const int gu = grad(u), gv = grad(v);
    if (gv < 0) {
        z = {";Funktion:", "ratfkt(x)=" + bruch(u, v, bild)};
        e.meldung = nenner_null;
        return e;
    }
    // u'v - uv' reaches degree deg u + deg v - 1, v*v degree 2 deg v.
    const Polynom ablz = differenz(produkt(ableitung(u), v), produkt(u, ableitung(v)));
    const Polynom abln = produkt(v, v);
    if (!endlich(u) || !endlich(v) || !endlich(ablz) || !endlich(abln) ||
        !endlich(division(u, v).quotient) || !endlich(division(ablz, abln).quotient)) {
        e.meldung = koeffizienten_zu_gross;
        return e;
    }
    z = {";Funktion:", "ratfkt(x)=" + bruch(u, v, bild)};
    if (gv <= gu) z.push_back("ratfktsum(x)=" + zerlegt(u, v, bild));
    z.push_back(";1. Ableitung:");
    z.push_back("ablratfkt(x)=" + bruch(ablz, abln, bild));
    if (gu >= gv) z.push_back("ablratfktsum(x)=" + zerlegt(ablz, abln, bild));

    const Nullstellensuche nz = bairstow(u), nn = bairstow(v);
    if (!nz.konvergiert || !nn.konvergiert) {
        e.meldung = bairstow_fehlschlag;
        z.push_back(std::string(";") + bairstow_fehlschlag);
    }
    z.push_back(";Nullstellen des Zählers:");
    anhaengen(z, nullstellenzeilen(nz, bild, "komplexe Nullstellen:", {"NSTZ", "realZ", "imaZ"}));
    z.push_back(";Nullstellen des Nenners:");
    anhaengen(z, nullstellenzeilen(nn, bild, "komplexe Nullstellen:", {"NSTN", "realN", "imaN"}));
    return e;
}

} // namespace zol

#include "modules/algebra/polyrechnung.h"

#include <cmath>

namespace zol {

using namespace polynom;

namespace {

constexpr const char* grad_zu_hoch = "Das Ergebnis hätte einen Grad über 20. Polynome rechnen "
                                     "kann nur Polynome bis zum Grad 20 darstellen.";
constexpr const char* nullpolynom_divisor = "Durch das Nullpolynom kann nicht dividiert werden.";
constexpr const char* keine_konstante =
    "Polynom 2 muss den Exponenten enthalten. Polynom 2 muss eine Konstante sein.";
constexpr const char* kein_exponent = "Der Exponent muss eine ganze Zahl ab 0 sein.";
constexpr const char* zu_gross = "Das Ergebnis ist zu groß: Ein Koeffizient ist keine endliche "
                                 "Zahl.";

std::string t(const Polynom& p, std::string_view bild) {
    return text(p, bild, Anfang::leerzeichen);
}

Polyrechenergebnis fehler(const char* meldung) {
    return {{}, meldung};
}

} // namespace

Polyrechenergebnis polynome_rechnen(Polyoperation op, const Polynom& p1, const Polynom& p2,
                                    std::string_view bild) {
    const std::string a = "(" + t(p1, bild) + ")";
    const std::string b = "(" + t(p2, bild) + ")";
    Polynom ergebnis;
    std::string erste, zweite;
    switch (op) {
    case Polyoperation::summe:
        ergebnis = summe(p1, p2);
        erste = a + "+" + b;
        zweite = "polysum(x)=";
        break;
    case Polyoperation::differenz:
        ergebnis = differenz(p1, p2);
        erste = a + "-" + b;
        zweite = "polysub(x)=";
        break;
    case Polyoperation::produkt:
        ergebnis = produkt(p1, p2);
        erste = a + "*" + b;
        zweite = "polymul(x)=";
        break;
    case Polyoperation::division: {
        const Division d = division(p1, p2);
        if (!d.moeglich) return fehler(nullpolynom_divisor);
        if (!endlich(d.quotient) || !endlich(d.rest)) return fehler(zu_gross);
        return {{"polynom(x)=" + a + "/" + b,
                 "polydivi(x)=" + t(d.quotient, bild) + "+(" + t(d.rest, bild) + ")/" + b},
                {}};
    }
    case Polyoperation::potenz: {
        if (grad(p2) > 0) return fehler(keine_konstante);
        const long double e = p2.empty() ? 0 : p2[0];
        if (!(e >= 0) || e != std::floor(e)) return fehler(kein_exponent);
        if (e > 1e18L) return fehler(grad(p1) > 0 ? grad_zu_hoch : zu_gross);
        const auto ganz = static_cast<unsigned long long>(e);
        const Potenz r = potenz(p1, ganz, polyrechnen_hoechstgrad);
        if (!r.moeglich) return fehler(grad_zu_hoch);
        if (!endlich(r.ergebnis)) return fehler(zu_gross);
        erste = a + "^" + std::to_string(ganz);
        if (ganz == 0) return {{"polynom(x)=" + erste, "polypotenz(x)=1"}, {}};
        ergebnis = r.ergebnis;
        zweite = "polypotenz(x)=";
        break;
    }
    }
    if (grad(ergebnis) > polyrechnen_hoechstgrad) return fehler(grad_zu_hoch);
    if (!endlich(ergebnis)) return fehler(zu_gross);
    return {{"polynom(x)=" + erste, zweite + t(ergebnis, bild)}, {}};
}

} // namespace zol

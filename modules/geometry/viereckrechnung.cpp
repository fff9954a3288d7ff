#include "modules/geometry/viereckrechnung.h"

#include "engine/zahlformat.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace zol {

namespace {

constexpr long double wurzel2 = std::numbers::sqrt2_v<long double>;

bool brauchbar(long double laenge) {
    return std::isfinite(laenge) && laenge > 0;
}

Viereckergebnis zeilen(std::initializer_list<std::pair<const char*, long double>> werte,
                       std::string_view bild) {
    Viereckergebnis r;
    r.berechnet = true;
    for (const auto& [name, wert] : werte)
        r.zeilen.push_back(name + format(bild, wert));
    return r;
}

Viereckergebnis fehler(const char* text) {
    Viereckergebnis r;
    r.meldung = text;
    return r;
}

} // namespace

Viereckergebnis quadrat(Quadratgroesse gegeben, long double wert, std::string_view bild) {
    long double a = wert;
    switch (gegeben) {
    case Quadratgroesse::seite:
        break;
    case Quadratgroesse::diagonale:
        a = wert / wurzel2;
        break;
    case Quadratgroesse::flaeche:
        a = wert >= 0 ? std::sqrt(wert) : NAN;
        break;
    case Quadratgroesse::umfang:
        a = wert / 4;
        break;
    }
    if (!brauchbar(a) || !brauchbar(a * a))
        return fehler("Aus dieser Größe lässt sich kein Quadrat berechnen: die Seite wäre nicht "
                      "positiv.");
    return zeilen({{"Seite_a=", a},
                   {"Diagonale_a=", a * wurzel2},
                   {"Umfang=", 4 * a},
                   {"Fläche=", a * a},
                   {"Umkreisradius=", a * wurzel2 / 2},
                   {"Innkreisradius=", a / 2}},
                  bild);
}

Viereckergebnis rechteck(Rechteckgroesse erste, long double wert1, Rechteckgroesse zweite,
                         long double wert2, std::string_view bild) {
    if (erste == zweite) return fehler(meldung_doppelt);
    // In the order length, width, area, perimeter, so that only six pairs remain.
    if (static_cast<int>(erste) > static_cast<int>(zweite)) {
        std::swap(erste, zweite);
        std::swap(wert1, wert2);
    }
    using G = Rechteckgroesse;
    long double l = NAN, b = NAN;
    if (erste == G::laenge && zweite == G::breite) {
        l = wert1;
        b = wert2;
    } else if (zweite == G::flaeche && erste != G::flaeche) {
        // A side and the area.
        (erste == G::laenge ? l : b) = wert1;
        (erste == G::laenge ? b : l) = wert2 / wert1;
    } else if (zweite == G::umfang && erste != G::flaeche) {
        (erste == G::laenge ? l : b) = wert1;
        (erste == G::laenge ? b : l) = wert2 / 2 - wert1;
    } else {
        // Area and perimeter: l and b are the roots of z² − (U/2)·z + A.
        const long double flaeche = wert1, umfang = wert2;
        const long double d = umfang * umfang - 16 * flaeche;
        // With U² < 16·A no rectangle exists at all (a square of that perimeter is the largest
        // area it can enclose); that is another reason than a side coming out negative.
        if (d < 0 && flaeche > 0 && umfang > 0)
            return fehler("Aus diesen Größen lässt sich kein Rechteck berechnen: Mit diesem "
                          "Umfang ist die Fläche höchstens so groß wie die des Quadrats, U²/16.");
        if (d >= 0) {
            l = (umfang + std::sqrt(d)) / 4;
            b = flaeche / l;
        }
    }
    const long double diagonale = std::sqrt(l * l + b * b);
    if (!brauchbar(l) || !brauchbar(b) || !brauchbar(diagonale) || !brauchbar(l * b))
        return fehler("Aus diesen Größen lässt sich kein Rechteck berechnen: eine Seite wäre "
                      "nicht positiv.");
    return zeilen({{"Länge=", l},
                   {"Breite=", b},
                   {"Diagonale=", diagonale},
                   {"Umfang=", 2 * (l + b)},
                   {"Fläche=", l * b},
                   {"Umkreisradius=", diagonale / 2}},
                  bild);
}

} // namespace zol

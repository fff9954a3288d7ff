#include "modules/algebra/komplexrechnung.h"

#include "engine/reellefunktion.h"

#include <cmath>

namespace zol {

namespace {

bool endlich(const Komplexzahl& z) {
    return std::isfinite(z.a) && std::isfinite(z.b) && std::isfinite(z.r) && std::isfinite(z.phi);
}

} // namespace

void polar_aus_normal(Komplexzahl& z, Winkeleinheit einheit) {
    const Polarkoordinaten p = polar_aus_kartesisch({z.a, z.b}, einheit);
    z.r = p.r;
    z.phi = p.phi;
}

void normal_aus_polar(Komplexzahl& z, Winkeleinheit einheit) {
    const Vektor2 v = kartesisch_aus_polar({z.r, z.phi}, einheit);
    z.a = v.x;
    z.b = v.y;
}

std::string_view komplexzeichen(Komplexart art) {
    switch (art) {
    case Komplexart::plus:
        return "+";
    case Komplexart::minus:
        return "-";
    case Komplexart::mal:
        return "*";
    case Komplexart::geteilt:
        break;
    }
    return ":";
}

bool komplex_rechnen(Komplexart art, const Komplexzahl& z1, const Komplexzahl& z2,
                     Winkeleinheit einheit, Komplexzahl& ergebnis, std::string& fehler) {
    Komplexzahl e;
    switch (art) {
    case Komplexart::plus:
    case Komplexart::minus: {
        const long double vorzeichen = art == Komplexart::plus ? 1 : -1;
        e.a = z1.a + vorzeichen * z2.a;
        e.b = z1.b + vorzeichen * z2.b;
        polar_aus_normal(e, einheit);
        break;
    }
    case Komplexart::mal:
        e.r = z1.r * z2.r;
        e.phi = z1.phi + z2.phi;
        normal_aus_polar(e, einheit);
        break;
    case Komplexart::geteilt:
        if (z2.r == 0) {
            fehler = "Division durch 0 ist nicht erlaubt.";
            return false;
        }
        e.r = z1.r / z2.r;
        e.phi = z1.phi - z2.phi;
        normal_aus_polar(e, einheit);
        break;
    }
    if (!endlich(e)) {
        fehler = "Das Ergebnis ist zu groß.";
        return false;
    }
    ergebnis = e;
    return true;
}

// Built by appending: "(" + std::string trips a false overlap warning of GCC 12.
std::string polargleichung(const Komplexzahl& z1, const Komplexzahl& z2, Komplexart art,
                           const Komplexzahl& ergebnis, std::string_view bild) {
    std::string text;
    const auto polar = [&text, bild](const Komplexzahl& z) {
        text += ergebnistext(bild, z.r);
        text += " E(";
        text += ergebnistext(bild, z.phi);
        text += ')';
    };
    polar(z1);
    text += ' ';
    text += komplexzeichen(art);
    polar(z2);
    text += "  =   ";
    polar(ergebnis);
    return text;
}

std::string normalgleichung(const Komplexzahl& z1, const Komplexzahl& z2, Komplexart art,
                            const Komplexzahl& ergebnis, std::string_view bild) {
    std::string text;
    const auto normal = [&text, bild](const Komplexzahl& z) {
        text += ergebnistext(bild, z.a);
        text += '+';
        text += ergebnistext(bild, z.b);
        text += " i";
    };
    text += '(';
    normal(z1);
    text += ") ";
    text += komplexzeichen(art);
    text += '(';
    normal(z2);
    text += ")  =   ";
    normal(ergebnis);
    return text;
}

} // namespace zol

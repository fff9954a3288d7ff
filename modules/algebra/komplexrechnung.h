#pragma once
// The complex numbers window's arithmetic, free of the window: normal form a + b·i and polar
// form r·E(φ) of one number, with φ in degrees, radians or gon, the four operations and the two
// equation texts the window shows.
#include "modules/kern/geometrie.h"

#include <string>
#include <string_view>

namespace zol {

// One number in both forms.
struct Komplexzahl {
    long double a = 0; // real part
    long double b = 0; // imaginary part
    long double r = 0; // modulus
    long double phi = 0;
};

// Fills r and φ from a and b: r = √(a² + b²); φ in [0, 2H), by the quadrant of (a, b) from the
// reference angle arctan(|b| / |a|) (H/2 when a = 0); 0 + 0i has the angle 0.
void polar_aus_normal(Komplexzahl& z, Winkeleinheit einheit);
// Fills a and b from r and φ: a = r·cos φ, b = r·sin φ.
void normal_aus_polar(Komplexzahl& z, Winkeleinheit einheit);

// The operations by their command tags: 1 addition, 2 subtraction, 3 multiplication, 4 division.
enum class Komplexart { plus = 1, minus = 2, mal = 3, geteilt = 4 };
// The operator character of the equations: "+", "-", "*", ":".
std::string_view komplexzeichen(Komplexart art);

// z1 op z2 with both operands in both forms. Sums and differences work on the normal forms and
// then get their polar form; products and quotients multiply or divide the moduli and add or
// subtract the angles, which are not brought back into [0, 2H), and then get their normal form.
// False with the German message in fehler for a divisor of modulus 0 and for a result too large
// to compute; ergebnis is then unchanged.
bool komplex_rechnen(Komplexart art, const Komplexzahl& z1, const Komplexzahl& z2,
                     Winkeleinheit einheit, Komplexzahl& ergebnis, std::string& fehler);

// r1 + " E(" + φ1 + ") " + o + r2 + " E(" + φ2 + ")  =   " + r + " E(" + φ + ")", every number
// written with the picture bild.
std::string polargleichung(const Komplexzahl& z1, const Komplexzahl& z2, Komplexart art,
                           const Komplexzahl& ergebnis, std::string_view bild);
// "(" + a1 + "+" + b1 + " i) " + o + "(" + a2 + "+" + b2 + " i)  =   " + a + "+" + b + " i"; a
// negative part keeps its minus after the "+" ("+-2,000 i").
std::string normalgleichung(const Komplexzahl& z1, const Komplexzahl& z2, Komplexart art,
                            const Komplexzahl& ergebnis, std::string_view bild);

} // namespace zol

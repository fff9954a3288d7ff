#pragma once
// Polynomials with real coefficients: their text in the formula language, the arithmetic of the
// polynomial windows and Bairstow's method for the zeros. Qt-free, so every window that writes a
// polynomial (polynomial functions, rational functions, polynomial arithmetic, interpolation)
// shares one text rule.
//
// A polynomial is the vector of its coefficients by power: p[k] belongs to x^k. Zero
// coefficients above the highest non-zero one are allowed everywhere; every operation works with
// the effective degree (grad), so a leading 0 typed into a grid never divides by zero.
#include <string>
#include <string_view>
#include <vector>

namespace zol::polynom {

using Polynom = std::vector<long double>;

// Highest power with a non-zero coefficient; -1 for the zero polynomial (and the empty vector).
int grad(const Polynom& p);
// p without the zero coefficients above its degree; the zero polynomial becomes empty.
Polynom gekuerzt(Polynom p);
// True when every coefficient is a finite number (products of huge inputs may overflow).
bool endlich(const Polynom& p);

// ---- Text ----

// How the first written term starts when its coefficient is positive.
enum class Anfang {
    ohne_zeichen, // "1,00*x^2-4,00": the leading "+" is dropped
    leerzeichen,  // " 1,00*x^2-4,00": a blank stands in for the "+"
};
// Order of the terms: from the highest power down, or from x^0 up ("1,00+2,00*x").
enum class Reihenfolge { absteigend, aufsteigend };

// The coefficient as the number format shows it, read back: 0.004 with "0.00" gives 0. A picture
// whose output cannot be read back (a text section such as "Null") leaves the value as it is.
long double gerundet(long double wert, std::string_view bild);

// The term text of p with the number format picture bild. Each coefficient is rounded through
// the picture first and left out when that gives 0; a kept term is its sign ("+" or "-"), the
// formatted absolute value and "*x^k" for k >= 2, "*x" for k = 1, nothing for k = 0. The first
// written term follows anfang; a polynomial without kept terms is "0" (in both variants).
// Example, 3x^2 - 2x + 1 with "0.00": "3,00*x^2-2,00*x+1,00" (ohne_zeichen, absteigend),
// " 3,00*x^2-2,00*x+1,00" (leerzeichen), "1,00-2,00*x+3,00*x^2" (ohne_zeichen, aufsteigend).
std::string text(const Polynom& p, std::string_view bild, Anfang anfang = Anfang::ohne_zeichen,
                 Reihenfolge reihenfolge = Reihenfolge::absteigend);

// ---- Reading ----

// Reads the coefficient texts, texte[k] for x^k, the way grid cells are read (blanks removed,
// decimal comma; an empty text is no number). True when every text is a number; otherwise false,
// fehlerexponent is the highest power whose text is not (the cell a reader meets first when the
// grid shows the highest power first), and p is unchanged.
bool lesen(const std::vector<std::string>& texte, Polynom& p, int& fehlerexponent);

// ---- Arithmetic (results are gekuerzt) ----

Polynom summe(const Polynom& a, const Polynom& b);
Polynom differenz(const Polynom& a, const Polynom& b);
Polynom produkt(const Polynom& a, const Polynom& b);
// k*a_k at x^(k-1).
Polynom ableitung(const Polynom& p);
// a_k/(k+1) at x^(k+1), without a constant term.
Polynom stammfunktion(const Polynom& p);

struct Division {
    bool moeglich = false; // false for the zero polynomial as divisor
    Polynom quotient;
    Polynom rest; // degree below the divisor's
};
// Long division, highest power first, with the divisor's effective degree. A divisor of higher
// degree than the dividend gives quotient 0 and the dividend as remainder.
Division division(const Polynom& dividend, const Polynom& divisor);

struct Potenz {
    bool moeglich = false; // false when the degree would exceed hoechstgrad
    Polynom ergebnis;
};
// p^e for a whole e >= 0 (p^0 = 1, also for the zero polynomial), by repeated squaring so a huge
// exponent of a constant costs a few dozen products. Refused when grad(p)*e > hoechstgrad; the
// result may then still hold infinities (a huge constant), see endlich.
Potenz potenz(const Polynom& p, unsigned long long e, int hoechstgrad);

// ---- Zeros by Bairstow's method ----

struct Nullstelle {
    long double re = 0;
    long double im = 0; // 0 for a real zero; complex zeros come as consecutive conjugate pairs
};

struct Nullstellensuche {
    // Leading coefficient (of the effective degree); 0 for the zero polynomial.
    long double leitkoeffizient = 0;
    // The zeros found, in the order the quadratic factors were split off; for each quadratic
    // factor x^2 + P x + Q first -P/2 + sqrt(D) (or + i sqrt(-D)), then the other one.
    std::vector<Nullstelle> nullstellen;
    // False when a factor did not converge within the step limit or r or s stopped being finite.
    // The search then ends: nullstellen holds the zeros found before, rest the part not split
    // (its leading coefficient is leitkoeffizient), so leitkoeffizient * (x - zeros) * rest / its
    // leading coefficient is still the polynomial.
    bool konvergiert = true;
    Polynom rest;
};

inline constexpr long schrittgrenze = 100000; // Bairstow steps per quadratic factor

// Splits off quadratic factors x^2 - r x - s while the degree is above 2; each factor starts
// from a bound on the zeros (M = max(1, |a_1| ... |a_(m-1)|), T = max(|a_m|, |a_k|^(1/(m-1))),
// R = min(2T, M+1), r = R, s = -R^2/4) and is iterated until |dr| + |ds| < 1e-10. The remaining
// quadratic or linear polynomial is solved directly. The zero polynomial and constants have no
// zeros.
Nullstellensuche bairstow(const Polynom& p, long grenze = schrittgrenze);

} // namespace zol::polynom

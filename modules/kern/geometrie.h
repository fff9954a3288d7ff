#pragma once
// Plane and space geometry shared by every geometry window and the complex numbers: vectors,
// lengths, angles, one relative tolerance for "is zero / parallel / equal", polar coordinates in
// Grad, Radiant or Gon, and formula text with safe signs.
//
// With one-decimal inputs almost no exact test holds (0,1 + 0,2 is not 0,3 in binary), so every
// geometric decision goes through fast_null / fast_gleich with a scale taken from the magnitudes
// involved.
#include <string>
#include <string_view>

namespace zol {

// The relative tolerance of every geometric decision.
inline constexpr long double geo_toleranz = 1e-12L;

// |wert| ≤ geo_toleranz · skala (skala is the magnitude wert was computed from; a skala of 0
// makes only an exact 0 count as zero).
bool fast_null(long double wert, long double skala);
// |a − b| ≤ geo_toleranz · max(|a|, |b|, skala).
bool fast_gleich(long double a, long double b, long double skala = 0);

// arccos and arcsin of a ratio clamped into [−1, 1] (rounding makes parallel vectors give
// 1,0000000000000002); NaN stays NaN.
long double acos_begrenzt(long double verhaeltnis);
long double asin_begrenzt(long double verhaeltnis);

struct Vektor2 {
    long double x = 0;
    long double y = 0;
};
struct Vektor3 {
    long double x1 = 0;
    long double x2 = 0;
    long double x3 = 0;
};

Vektor2 operator+(Vektor2 a, Vektor2 b);
Vektor2 operator-(Vektor2 a, Vektor2 b);
Vektor2 operator*(long double k, Vektor2 a);
Vektor3 operator+(Vektor3 a, Vektor3 b);
Vektor3 operator-(Vektor3 a, Vektor3 b);
Vektor3 operator*(long double k, Vektor3 a);

long double skalarprodukt(Vektor2 a, Vektor2 b);
long double skalarprodukt(Vektor3 a, Vektor3 b);
// The z component of the cross product of the plane vectors (the signed parallelogram area).
long double kreuzprodukt(Vektor2 a, Vektor2 b);
Vektor3 kreuzprodukt(Vektor3 a, Vektor3 b);
long double laenge(Vektor2 a);
long double laenge(Vektor3 a);
// The largest absolute component: the scale for tolerance tests on the vector.
long double groesste_komponente(Vektor2 a);
long double groesste_komponente(Vektor3 a);
bool endlich(Vektor2 a);
bool endlich(Vektor3 a);

// Within the tolerance of the vector's own length.
bool ist_nullvektor(Vektor2 a);
bool ist_nullvektor(Vektor3 a);
// Parallel (or anti-parallel): the cross product vanishes relative to |a|·|b|. A zero vector is
// parallel to every vector.
bool parallel(Vektor2 a, Vektor2 b);
bool parallel(Vektor3 a, Vektor3 b);
// Orthogonal: the scalar product vanishes relative to |a|·|b|.
bool orthogonal(Vektor2 a, Vektor2 b);
bool orthogonal(Vektor3 a, Vektor3 b);

// The angle between the vectors in radians, 0 … π, from the clamped arccos; NaN when one is a
// zero vector.
long double winkel_zwischen(Vektor2 a, Vektor2 b);
long double winkel_zwischen(Vektor3 a, Vektor3 b);

// Angle units of the windows.
enum class Winkeleinheit { grad, radiant, gon };
// The half turn H in the unit: 180, π or 200.
long double halbe_drehung(Winkeleinheit einheit);
long double im_bogenmass(long double winkel, Winkeleinheit einheit);
long double aus_bogenmass(long double bogen, Winkeleinheit einheit);

struct Polarkoordinaten {
    long double r = 0;
    long double phi = 0;
};
// r = √(x² + y²) and φ in [0, 2H) by the quadrant of (x, y) from the reference angle
// arctan(|y| / |x|) (H/2 when x = 0); the origin has the angle 0.
Polarkoordinaten polar_aus_kartesisch(Vektor2 p, Winkeleinheit einheit);
// x = r·cos φ, y = r·sin φ.
Vektor2 kartesisch_aus_polar(Polarkoordinaten p, Winkeleinheit einheit);

// Formula text: a number formatted with the picture and preceded by "+" unless the formatted
// text starts with "-", so "2,00*x" + summand(0, "0.00") reads 2,00*x+0,00 and never 2,00*x0,00
// (which the formula table refuses) or 2,00*x--1,00.
std::string summand(long double wert, std::string_view bild);
// The same rule for an already formatted number.
std::string mit_vorzeichen(std::string_view zahltext);

} // namespace zol

#pragma once
// The mappings window's arithmetic, free of the window: translation, the nine reflections,
// rotation and central dilation of plane points, and the image texts of a point list.
//
// Every mapping is affine and is set up once as p' = A·(p − q) + r with a fixed point q (the
// centre, a point of the mirror line) and its image r; mapping a point then costs four
// multiplications, and points far from the origin lose no digits to a shifted constant.
#include "modules/kern/geometrie.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

// The pages of the notebook "Note".
enum class Abbildungsart { verschiebung = 0, spiegelung = 1, drehung = 2, streckung = 3 };

// The buttons of the group "Spiegelung", in their order.
enum class Spiegelart {
    ursprung = 0,
    punkt = 1,
    x_achse = 2,
    y_achse = 3,
    gerade_mx = 4,
    gerade_mxt = 5,
    gerade_zwei_punkte = 6,
    gerade_x_k = 7,
    gerade_y_k = 8,
};
inline constexpr int spiegelarten = 9;

struct Abbildungsvorgabe {
    Abbildungsart art = Abbildungsart::verschiebung;
    Vektor2 verschiebung; // a
    Spiegelart spiegelart = Spiegelart::ursprung;
    Vektor2 punkt1;    // P, or P1 of the line through two points
    Vektor2 punkt2;    // P2
    long double m = 0; // y = m·x (+ t)
    long double t = 0;
    long double k = 0; // x = k, y = k
    Vektor2 drehpunkt;
    long double drehwinkel = 0; // degrees
    Vektor2 streckzentrum;
    long double streckfaktor = 1;
};

struct Ebenenabbildung {
    long double a11 = 1, a12 = 0, a21 = 0, a22 = 1;
    Vektor2 q; // fixed point taken off before the matrix
    Vektor2 r; // its image, added after it
};

// The mapping of the vorgabe. Reflections in a line use its direction vector, so the lines
// y = k (m = 0) and x = k work through every form that describes them. False with the German
// message in fehler when two points given for a line coincide.
bool abbildung_aufstellen(const Abbildungsvorgabe& vorgabe, Ebenenabbildung& abbildung,
                          std::string& fehler);

Vektor2 abbilden(const Ebenenabbildung& abbildung, Vektor2 p);

// The images of all points as texts x, y in the picture bild; a coordinate that is not finite
// reads "n. d.".
std::vector<std::vector<std::string>> bildtexte(const Ebenenabbildung& abbildung,
                                                const std::vector<Vektor2>& punkte,
                                                std::string_view bild);

} // namespace zol

#pragma once
// Polynomial arithmetic of the "Polynome rechnen" window, free of the window: the two memo lines
// of each operation, written with the blank variant of the term text (" 1,00*x^2-1,00").
#include "modules/kern/polynom.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

// Inputs and results stay within this degree (the degree fields allow no more).
inline constexpr int polyrechnen_hoechstgrad = 20;

enum class Polyoperation { summe, differenz, produkt, division, potenz };

struct Polyrechenergebnis {
    // "polynom(x)=" with the operands, then the result line; empty when meldung is set.
    std::vector<std::string> zeilen;
    std::string meldung;
};

// p1 op p2 with the number format picture bild. The power takes the exponent from p2, which
// must be a constant whole number e >= 0 with deg p1 * e <= 20. A result above degree 20, a
// division by the zero polynomial or a result too large for a number gives a message and no
// lines.
Polyrechenergebnis polynome_rechnen(Polyoperation op, const polynom::Polynom& p1,
                                    const polynom::Polynom& p2, std::string_view bild);

} // namespace zol

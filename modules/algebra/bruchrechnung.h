#pragma once
// The arithmetic of the fractions window, without Qt: mixed fractions, the four operations in
// 64 bits with the gcds cancelled first, the continued-fraction expansion of a decimal, and
// the two result equations (built-up fractions in the text language, decimals in a picture).
#include <cstdint>
#include <string>
#include <string_view>

namespace zol::bruch {

// The window's integer fields hold at most nine digits; a result that needs more is refused.
inline constexpr std::int64_t feldgrenze = 999'999'999;

inline constexpr const char* meldung_nenner_null = "Nenner darf nie Null sein!";
inline constexpr const char* meldung_zu_gross = "Das Ergebnis ist zu groß für die Bruchrechnung.";
inline constexpr const char* meldung_dezimal_zu_gross =
    "Die Dezimalzahl ist zu groß für die Bruchrechnung.";

// A mixed fraction. Its value is sign(ganze) * (|ganze| + zaehler/nenner) when ganze is not
// 0, else zaehler/nenner; so -2 1/3 is -(2 + 1/3), and -1/3 keeps its sign on the numerator.
struct Bruch {
    std::int64_t ganze = 0;
    std::int64_t zaehler = 0;
    std::int64_t nenner = 1;
    bool operator==(const Bruch&) const = default;
};

enum class Rechenart { plus, minus, mal, durch };

enum class Status {
    ok,
    nenner_null, // division by a fraction of value 0
    zu_gross,    // the result does not fit the fields (or not even 64 bits)
};

// 1, -1 or 0.
int vorzeichen(std::int64_t n);

// The value as one fraction zaehler/nenner in lowest terms, nenner > 0, ganze 0. False for a
// denominator 0 and when 64 bits do not suffice.
bool unecht(const Bruch& b, Bruch& ergebnis);
// Lowest terms, the whole part taken out, the fraction's numerator below the denominator.
// False as unecht.
bool gemischt(const Bruch& b, Bruch& ergebnis);
bool ist_null(const Bruch& b);
// The value in extended precision (the denominator must not be 0).
long double wert(const Bruch& b);

// a op b in mixed form. The operands are normalised first, so any field contents work; the
// result is refused (zu_gross) when its whole part or denominator leaves the fields' range.
Status rechnen(const Bruch& a, Rechenart op, const Bruch& b, Bruch& ergebnis);

// " + ", " - ", " * ", " : ".
std::string operatortext(Rechenart op);
// The whole part's digits (when not 0), then " \f(zaehler;nenner)" when the numerator is not 0
// (for operands also the denominator): 0 gives empty text, 1/2 gives " \f(1;2)".
std::string bruchtext(const Bruch& b, bool ergebnis = false);

// Tolerance of the expansion: a decimal with "Unendliche Zahl" is the start of a non-terminating
// one, and the expansion stops at the first remainder below 0.1; otherwise it is exact.
long double toleranz(bool unendlich);

// Decimal to mixed fraction by a continued fraction of |x| whose number of terms grows from
// three until the convergent lies within the tolerance; the sign goes onto the whole part, or
// onto the numerator when the whole part is 0. Terms and convergents are 64-bit; the expansion
// stops before the denominator exceeds feldgrenze and then takes the best convergent found, so
// it always ends. False (and ergebnis unchanged) for |x| >= 1e9 and for values that are no
// finite numbers.
bool aus_dezimal(long double x, long double toleranz, Bruch& ergebnis);

// One operation as the window shows it.
struct Rechnung {
    Status status = Status::ok;
    Bruch a, b;          // the operands in mixed form, as shown
    Bruch ergebnis;      // valid when status is ok
    std::string brueche; // "1 \f(1;2) * 2 \f(1;3) = 3 \f(1;2)"
    std::string dezimal; // "1,500 * 2,333 = 3,500"
};

// Builds both equations: the fractions from a and b, the decimals from da and db (the operands'
// decimal values) written with the picture bild. The result and the equations are set only
// when the status is ok.
Rechnung rechnung(const Bruch& a, long double da, Rechenart op, const Bruch& b, long double db,
                  std::string_view bild);

} // namespace zol::bruch

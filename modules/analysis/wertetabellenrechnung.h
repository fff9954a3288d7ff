#pragma once
// The value table's arithmetic, free of the window: x from xmin to xmax in equal steps, and per
// row the function value, central differences for the first and second derivative and the
// integral from xmin, accumulated step by step with the Simpson rule.
#include "engine/reellefunktion.h"

#include <string>
#include <string_view>
#include <vector>

namespace zol {

// The columns besides x, always in this order.
struct Tabellenarten {
    bool funktion = true;
    bool ableitung1 = false;
    bool ableitung2 = false;
    bool integral = false;
};

struct Tabellenvorgaben {
    long double xmin = -3;
    long double xmax = 3;
    long double schritt = 1;
    long double h = 0.01L; // difference step of the derivatives
    int simpson = 20;      // Simpson subintervals per step
    Tabellenarten arten;
};

struct Wertetabelle {
    std::vector<std::string> kopf;                // "x", then one header per ticked kind
    std::vector<std::vector<long double>> zeilen; // x, then the values in the order of kopf
};

// More rows are refused: the grid would take minutes to fill.
inline constexpr long double max_tabellenzeilen = 100000;

// The headers for the ticked kinds: "x", "f(x)", "f(x)'", "f(x)''", "F(x)".
std::vector<std::string> tabellenkopf(const Tabellenarten& arten);

// Rows the table will have, from the range and step alone (the accumulated x may give one
// more or less by rounding). Infinite or NaN when the range or step is unusable.
long double geschaetzte_zeilenzahl(long double xmin, long double xmax, long double schritt);

// Why a table is refused before it is built: empty when it can be built. Checks the step width
// and the number of rows, including a step too small to move x at the range's ends.
std::string tabelle_pruefen(const Tabellenvorgaben& v);

// Builds the table (limits exchanged if needed). x is accumulated by repeated addition, so the
// last row may fall short of xmax by rounding; F(xmin) is 0 and every later F adds the Simpson
// integral over [x - schritt, x]. False with the German message in fehler when refused.
bool tabelle_berechnen(const Reellefunktion& f, const Tabellenvorgaben& v, Wertetabelle& tabelle,
                       std::string& fehler);

// Every number of every row written with the picture bild, x first; a value that could not be
// computed (NaN, infinite) as "n. d.".
std::vector<std::vector<std::string>> tabellentexte(const Wertetabelle& tabelle,
                                                    std::string_view bild);

} // namespace zol

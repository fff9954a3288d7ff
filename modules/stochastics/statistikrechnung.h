#pragma once
// The statistics window's arithmetic, free of the window: sums, means, standard deviations
// (divisor N) and the correlation coefficient of value pairs, and the least-squares line,
// exponential and power fits, written as "name=value" lines the formula table accepts.
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// "Anzahl" runs from 0 to 1000; fewer than one pair counts as one.
inline constexpr int statistik_max_paare = 1000;
int statistik_paarzahl(int anzahl);

struct Wertepaar {
    long double x = 0;
    long double y = 0;
};

// y = steigung * x + achsenabschnitt, fitted by least squares.
struct Ausgleich {
    long double steigung = 0;
    long double achsenabschnitt = 0;
};

struct Statistik {
    int n = 0;
    long double sumx = 0, sumy = 0, mx = 0, my = 0, sx = 0, sy = 0;
    // Undefined when every y is equal (no spread to correlate with).
    bool r_definiert = false;
    long double r = 0;
    Ausgleich linear;
    // y = A e^(B x): only when every y is positive.
    bool exponential_definiert = false;
    long double exp_a = 0, exp_b = 0;
    // y = A x^B: only when every x and every y is positive.
    bool potenz_definiert = false;
    long double pot_a = 0, pot_b = 0;
};

// The text of the failure that leaves no result: every x equal (no line through the points),
// no pairs at all, or sums beyond the number range.
inline constexpr const char* statistik_fehler = "Fehler bei der Berechnung";

// Computes everything from the pairs. Deviations are summed about the means, so data far from
// zero keep their digits (the textbook form N*Sxx - Sx^2 cancels them). False, with s
// unchanged, when the line cannot be fitted; a fit that cannot be formed (such as ln of a
// value whose logarithms all coincide) is left undefined, the rest stays.
bool statistik_berechnen(const std::vector<Wertepaar>& paare, Statistik& s);

// The result lines with numbers in the picture bild: n, sumx, sumy, mx, my, sx, sy, r (if
// defined), Reglin, Regexp and Regpot (if defined). The intercept is written "+0,00" or
// "-1,50", never with a blank, so every line is a valid definition.
std::vector<std::string> statistik_zeilen(const Statistik& s, std::string_view bild);

// The three regression lines alone, in the same form ("" for one that is undefined).
std::string reglin_zeile(const Statistik& s, std::string_view bild);
std::string regexp_zeile(const Statistik& s, std::string_view bild);
std::string regpot_zeile(const Statistik& s, std::string_view bild);

// A plot range that shows every point with a margin of a tenth on each side, and tick steps of
// 1, 2 or 5 times a power of ten giving about five to ten ticks; the x axis y = 0 is included
// when mitNull is set (a distribution's bars stand on it).
struct Punktbereich {
    long double xmin = -1, xmax = 1, xschritt = 1;
    long double ymin = -1, ymax = 1, yschritt = 1;
};
Punktbereich punktbereich(const std::vector<Wertepaar>& punkte, bool mitNull = false);

} // namespace zol

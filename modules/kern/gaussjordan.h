#pragma once
// Gauss-Jordan elimination for square linear systems, shared by the linear system window, the
// matrix inverse, interpolation and the parabola through given points. Qt-free.
//
// The elimination keeps the school's course so the eliminated matrix a window shows is the one a
// student computes by hand: the pivot of column k is a[k][k]; only when it is zero is row k
// exchanged with row k+1, then (if the pivot is still zero) with row k+2 and so on; every other
// row i gets a[i][j] -= a[i][k] * (a[k][j] / p) for j = k … n+1; the pivot row is not divided.
// Afterwards x_j = a[j][n+1] / a[j][j].
//
// Two guards against rounding:
// - "Zero" is relative: a value counts as zero when |v| <= null_toleranz × the largest absolute
//   coefficient of the system as given (right-hand sides not counted). Without it
//   0,1x+0,3y=1, 0,3x+0,9y=4 leaves 1E-17 on the diagonal and "solves" to x = 5E19. A system of
//   only small, honest coefficients (1E-30·x = 2E-30) still solves: the scale is its own.
// - A non-zero pivot below kleiner_pivot × the largest entry of its column (rows k … n) is
//   exchanged with the row of that largest entry: 1E-20·x + y = 1, x + y = 2 then gives (1; 1)
//   instead of (0; 1). Pivots of ordinary size stay where the school's course puts them.
#include <array>
#include <optional>
#include <vector>

namespace zol::gaussjordan {

// Largest number of unknowns.
inline constexpr int max_n = 20;
// Relative zero test of pivots and of the diagonal after the elimination.
inline constexpr long double null_toleranz = 1e-15L;
// 2^-32: a pivot this much smaller than its column's largest entry is exchanged.
inline constexpr long double kleiner_pivot = 1.0L / 4294967296.0L;

// n equations in n unknowns as the augmented matrix, indexed from 1 as written on paper:
// (zeile, spalte) with spalte 1 … n the coefficient of x_spalte and spalte n+1 the right side.
class Gleichungssystem {
public:
    // n is brought into 1 … max_n; every entry starts at 0.
    explicit Gleichungssystem(int n = 1);
    // From the augmented rows {a_i1, …, a_in, b_i}; n is the number of rows (at most max_n),
    // missing entries are 0 and surplus ones ignored.
    static Gleichungssystem aus_zeilen(const std::vector<std::vector<long double>>& zeilen);

    int n() const { return n_; }
    // No range check beyond an assertion: callers loop over 1 … n and 1 … n+1.
    long double& operator()(int zeile, int spalte);
    long double operator()(int zeile, int spalte) const;

private:
    int n_;
    std::array<std::array<long double, max_n + 1>, max_n> a_{};
};

// |wert| <= null_toleranz · skala (a skala of 0 makes only an exact 0 zero).
bool ist_null(long double wert, long double skala);

// The largest absolute coefficient (columns 1 … n): the scale of the zero test.
long double skala(const Gleichungssystem& s);

// Eliminates s in place as described above and tells whether the system has exactly one
// solution: false when a diagonal element is zero afterwards (a zero pivot with no non-zero row
// below leaves its column uneliminated), when an entry is not a finite number (s is then left
// as it was) or when a solution would not be finite.
bool eliminieren(Gleichungssystem& s);

// x_j = a[j][n+1] / a[j][j] of an eliminated system (j = 1 … n).
long double unbekannte(const Gleichungssystem& eliminiert, int j);

// The solution x_1 … x_n (index 0 … n-1), or nothing when the system has no unique solution.
std::optional<std::vector<long double>> loesen(Gleichungssystem s);
// The same for augmented rows, e.g. loesen({{2, 1, 3}, {1, -1, 0}}) gives {1, 1}.
std::optional<std::vector<long double>> loesen(const std::vector<std::vector<long double>>& zeilen);

} // namespace zol::gaussjordan

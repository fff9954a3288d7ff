#pragma once
// The determinant window's arithmetic, free of the window: cofactor expansion along the first
// column, as taught. It is exact for integer matrices (every partial sum is an integer that
// long double holds exactly up to 2^64), which elimination with its divisions is not.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

struct Determinante {
    long double wert = 0;
    // Calls of the expansion, the 1 × 1 ones included: 6 235 301 for a 10 × 10 matrix without a
    // zero in any first column; rows whose first element is 0 are skipped with their minors.
    std::int64_t aufrufe = 0;
};

// The determinant of the square matrix m (m.size() rows of at least m.size() numbers, 1 … 10
// rows). Each level of the recursion has one work matrix, allocated once for the whole
// expansion; a minor is updated row by row from the previous one instead of built anew.
// A matrix outside 1 … 10 rows gives NaN without expanding anything.
Determinante determinante(const std::vector<std::vector<long double>>& m);

// "deter=" followed by the value written with the picture bild ("n. d." when not finite).
std::string determinantentext(long double wert, std::string_view bild);

} // namespace zol

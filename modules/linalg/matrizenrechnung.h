#pragma once
// The matrix window's arithmetic, free of the window: sum, difference, product, transpose and
// inverse of square matrices, and the texts of the result grid.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// Row by row: m[r][c] is the element in row r and column c.
using Matrix = std::vector<std::vector<long double>>;

// Element by element; both matrices n × n.
Matrix matrix_summe(const Matrix& a, const Matrix& b);
Matrix matrix_differenz(const Matrix& a, const Matrix& b);
// (a·b)[r][c] = sum over k of a[r][k]·b[k][c].
Matrix matrix_produkt(const Matrix& a, const Matrix& b);
Matrix matrix_transponiert(const Matrix& a);
// Column j of the inverse solves a·x = e_j with the shared Gauss-Jordan elimination. Nothing
// when a is singular: one verdict for the whole matrix, never a partly filled inverse.
std::optional<Matrix> matrix_inverse(const Matrix& a);

// Every element written with the picture bild ("n. d." when not finite).
std::vector<std::vector<std::string>> matrix_texte(const Matrix& m, std::string_view bild);

} // namespace zol

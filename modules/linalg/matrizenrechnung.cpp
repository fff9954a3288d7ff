#include "modules/linalg/matrizenrechnung.h"

#include "modules/kern/gaussjordan.h"
#include "modules/linalg/linalgtexte.h"

namespace zol {

namespace {

Matrix leer(std::size_t n) {
    return Matrix(n, std::vector<long double>(n, 0.0L));
}

template <class Op> Matrix elementweise(const Matrix& a, const Matrix& b, Op op) {
    Matrix m = leer(a.size());
    for (std::size_t r = 0; r < a.size(); ++r)
        for (std::size_t c = 0; c < a.size(); ++c)
            m[r][c] = op(a[r][c], b[r][c]);
    return m;
}

} // namespace

Matrix matrix_summe(const Matrix& a, const Matrix& b) {
    return elementweise(a, b, [](long double x, long double y) { return x + y; });
}

Matrix matrix_differenz(const Matrix& a, const Matrix& b) {
    return elementweise(a, b, [](long double x, long double y) { return x - y; });
}

Matrix matrix_produkt(const Matrix& a, const Matrix& b) {
    const std::size_t n = a.size();
    Matrix m = leer(n);
    for (std::size_t r = 0; r < n; ++r)
        for (std::size_t c = 0; c < n; ++c) {
            long double summe = 0;
            for (std::size_t k = 0; k < n; ++k)
                summe += a[r][k] * b[k][c];
            m[r][c] = summe;
        }
    return m;
}

Matrix matrix_transponiert(const Matrix& a) {
    const std::size_t n = a.size();
    Matrix m = leer(n);
    for (std::size_t r = 0; r < n; ++r)
        for (std::size_t c = 0; c < n; ++c)
            m[c][r] = a[r][c];
    return m;
}

std::optional<Matrix> matrix_inverse(const Matrix& a) {
    const int n = static_cast<int>(a.size());
    if (n < 1 || n > gaussjordan::max_n) return std::nullopt;
    Matrix inverse = leer(a.size());
    for (int j = 1; j <= n; ++j) {
        gaussjordan::Gleichungssystem s(n);
        for (int i = 1; i <= n; ++i) {
            for (int k = 1; k <= n; ++k)
                s(i, k) = a[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(k - 1)];
            s(i, n + 1) = i == j ? 1 : 0;
        }
        const auto x = gaussjordan::loesen(s);
        if (!x) return std::nullopt;
        for (int i = 0; i < n; ++i)
            inverse[static_cast<std::size_t>(i)][static_cast<std::size_t>(j - 1)] =
                (*x)[static_cast<std::size_t>(i)];
    }
    return inverse;
}

std::vector<std::vector<std::string>> matrix_texte(const Matrix& m, std::string_view bild) {
    std::vector<std::vector<std::string>> texte(m.size());
    for (std::size_t r = 0; r < m.size(); ++r)
        for (long double w : m[r])
            texte[r].push_back(linalg::zahltext(bild, w));
    return texte;
}

} // namespace zol

#include "modules/linalg/determinantenrechnung.h"

#include "modules/linalg/gaussrechnung.h"
#include "modules/linalg/linalgtexte.h"

#include <array>
#include <cmath>
#include <memory>

namespace zol {

namespace {

using Arbeitsmatrix = std::array<std::array<long double, linalg_max_n>, linalg_max_n>;

class Entwicklung {
public:
    // ebenen[0] holds the matrix; ebenen[s + 1] the current minor of ebenen[s].
    std::array<Arbeitsmatrix, linalg_max_n + 1> ebenen{};
    std::int64_t aufrufe = 0;

    // The determinant of the k × k matrix in ebenen[stufe].
    long double det(int stufe, int k) {
        ++aufrufe;
        const Arbeitsmatrix& a = ebenen[static_cast<std::size_t>(stufe)];
        if (k == 1) return a[0][0];
        Arbeitsmatrix& minor = ebenen[static_cast<std::size_t>(stufe + 1)];
        // The minor of row 0: rows 1 … k-1 without column 0.
        for (int i = 1; i < k; ++i)
            zeileKopieren(a, i, minor, i - 1, k);
        long double summe = 0;
        for (int r = 0; r < k; ++r) {
            // Going from the minor of row r-1 to that of row r, only its row r-1 changes: it
            // held row r of the matrix and now holds row r-1.
            if (r > 0) zeileKopieren(a, r - 1, minor, r - 1, k);
            const long double element = a[static_cast<std::size_t>(r)][0];
            if (element == 0) continue;
            const long double unter = det(stufe + 1, k - 1);
            summe += (r % 2 == 0 ? element : -element) * unter;
        }
        return summe;
    }

private:
    static void zeileKopieren(const Arbeitsmatrix& a, int von, Arbeitsmatrix& ziel, int nach,
                              int k) {
        const auto& quelle = a[static_cast<std::size_t>(von)];
        auto& zeile = ziel[static_cast<std::size_t>(nach)];
        for (int j = 1; j < k; ++j)
            zeile[static_cast<std::size_t>(j - 1)] = quelle[static_cast<std::size_t>(j)];
    }
};

} // namespace

Determinante determinante(const std::vector<std::vector<long double>>& m) {
    Determinante d;
    const int n = static_cast<int>(m.size());
    if (n < linalg_min_n || n > linalg_max_n) {
        d.wert = NAN;
        return d;
    }
    auto e = std::make_unique<Entwicklung>();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n && j < static_cast<int>(m[static_cast<std::size_t>(i)].size()); ++j)
            e->ebenen[0][static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                m[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    d.wert = e->det(0, n);
    d.aufrufe = e->aufrufe;
    return d;
}

std::string determinantentext(long double wert, std::string_view bild) {
    return "deter=" + linalg::zahltext(bild, wert);
}

} // namespace zol

#include "modules/linalg/gaussrechnung.h"

#include "modules/kern/gaussjordan.h"
#include "modules/linalg/linalgtexte.h"

#include <algorithm>

namespace zol {

int linalg_groesse(int n) {
    return std::clamp(n, linalg_min_n, linalg_max_n);
}

Lgsergebnis lgs_rechnen(const std::vector<std::vector<long double>>& zeilen,
                        std::string_view bild) {
    auto s = gaussjordan::Gleichungssystem::aus_zeilen(zeilen);
    Lgsergebnis e;
    e.loesbar = gaussjordan::eliminieren(s);
    const int n = s.n();
    if (e.loesbar) {
        for (int j = 1; j <= n; ++j)
            e.loesung.push_back(linalg::zahltext(bild, gaussjordan::unbekannte(s, j)));
        return e;
    }
    e.matrix.resize(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n + 1; ++j)
            e.matrix[static_cast<std::size_t>(i - 1)].push_back(linalg::zahltext(bild, s(i, j)));
    return e;
}

} // namespace zol

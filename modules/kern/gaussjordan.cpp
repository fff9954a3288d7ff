#include "modules/kern/gaussjordan.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

namespace zol::gaussjordan {

Gleichungssystem::Gleichungssystem(int n) : n_(std::clamp(n, 1, max_n)) {}

Gleichungssystem Gleichungssystem::aus_zeilen(const std::vector<std::vector<long double>>& zeilen) {
    Gleichungssystem s(static_cast<int>(std::min<std::size_t>(zeilen.size(), max_n)));
    for (int i = 1; i <= s.n(); ++i) {
        const auto& zeile = zeilen[static_cast<std::size_t>(i - 1)];
        const int anzahl = std::min(static_cast<int>(zeile.size()), s.n() + 1);
        for (int j = 1; j <= anzahl; ++j)
            s(i, j) = zeile[static_cast<std::size_t>(j - 1)];
    }
    return s;
}

long double& Gleichungssystem::operator()(int zeile, int spalte) {
    assert(zeile >= 1 && zeile <= n_ && spalte >= 1 && spalte <= n_ + 1);
    return a_[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)];
}

long double Gleichungssystem::operator()(int zeile, int spalte) const {
    assert(zeile >= 1 && zeile <= n_ && spalte >= 1 && spalte <= n_ + 1);
    return a_[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)];
}

bool ist_null(long double wert, long double skala) {
    return std::fabs(wert) <= null_toleranz * skala;
}

long double skala(const Gleichungssystem& s) {
    long double groesste = 0;
    for (int i = 1; i <= s.n(); ++i)
        for (int j = 1; j <= s.n(); ++j)
            groesste = std::max(groesste, std::fabs(s(i, j)));
    return groesste;
}

namespace {

void zeilen_tauschen(Gleichungssystem& s, int a, int b) {
    for (int j = 1; j <= s.n() + 1; ++j)
        std::swap(s(a, j), s(b, j));
}

bool alles_endlich(const Gleichungssystem& s) {
    for (int i = 1; i <= s.n(); ++i)
        for (int j = 1; j <= s.n() + 1; ++j)
            if (!std::isfinite(s(i, j))) return false;
    return true;
}

// Chooses the pivot of column k: the school's exchanges for a zero pivot, then the guard
// against a tiny one. Returns false when column k has no non-zero entry from row k down.
bool pivot_waehlen(Gleichungssystem& s, int k, long double mass) {
    const int n = s.n();
    // Row k is exchanged with k+1, then with k+2 … until the pivot is non-zero; a column
    // without one ends with its rows rotated, as on paper.
    for (int r = k + 1; r <= n && ist_null(s(k, k), mass); ++r)
        zeilen_tauschen(s, k, r);
    if (ist_null(s(k, k), mass)) return false;
    int groesste = k;
    for (int r = k + 1; r <= n; ++r)
        if (std::fabs(s(r, k)) > std::fabs(s(groesste, k))) groesste = r;
    if (std::fabs(s(k, k)) < kleiner_pivot * std::fabs(s(groesste, k)))
        zeilen_tauschen(s, k, groesste);
    return true;
}

} // namespace

bool eliminieren(Gleichungssystem& s) {
    if (!alles_endlich(s)) return false;
    const int n = s.n();
    const long double mass = skala(s);
    for (int k = 1; k <= n; ++k) {
        if (!pivot_waehlen(s, k, mass))
            continue; // the column stays uneliminated; the diagonal test below reports it
        const long double p = s(k, k);
        for (int i = 1; i <= n; ++i) {
            if (i == k) continue;
            const long double f = s(i, k);
            if (f == 0) continue;
            for (int j = k; j <= n + 1; ++j)
                s(i, j) -= f * (s(k, j) / p);
        }
    }
    for (int i = 1; i <= n; ++i) {
        if (ist_null(s(i, i), mass) || !std::isfinite(unbekannte(s, i))) return false;
    }
    return true;
}

long double unbekannte(const Gleichungssystem& eliminiert, int j) {
    return eliminiert(j, eliminiert.n() + 1) / eliminiert(j, j);
}

std::optional<std::vector<long double>> loesen(Gleichungssystem s) {
    if (!eliminieren(s)) return std::nullopt;
    std::vector<long double> x(static_cast<std::size_t>(s.n()));
    for (int j = 1; j <= s.n(); ++j)
        x[static_cast<std::size_t>(j - 1)] = unbekannte(s, j);
    return x;
}

std::optional<std::vector<long double>>
loesen(const std::vector<std::vector<long double>>& zeilen) {
    if (zeilen.empty() || zeilen.size() > static_cast<std::size_t>(max_n)) return std::nullopt;
    return loesen(Gleichungssystem::aus_zeilen(zeilen));
}

} // namespace zol::gaussjordan

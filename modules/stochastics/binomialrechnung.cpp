#include "modules/stochastics/binomialrechnung.h"

#include "engine/zahlformat.h"

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

// ln C(n, k) for 0 <= k <= n.
long double ln_binomialkoeffizient(int n, int k, long double ln_n_fakultaet) {
    return ln_n_fakultaet - std::lgamma(static_cast<long double>(k) + 1) -
           std::lgamma(static_cast<long double>(n - k) + 1);
}

// The probabilities of one distribution, with ln n!, ln p and ln(1-p) formed once.
class Binom {
public:
    Binom(int n, long double p)
        : n_(n), p_(p), ln_fak_(std::lgamma(static_cast<long double>(n) + 1)), ln_p_(std::log(p)),
          ln_q_(std::log1p(-p)) {}

    long double operator()(int k) const {
        if (k < 0 || k > n_) return 0;
        // Exact ends: every trial fails or every trial succeeds.
        if (p_ <= 0) return k == 0 ? 1 : 0;
        if (p_ >= 1) return k == n_ ? 1 : 0;
        return std::exp(ln_binomialkoeffizient(n_, k, ln_fak_) + k * ln_p_ + (n_ - k) * ln_q_);
    }

private:
    int n_;
    long double p_;
    long double ln_fak_, ln_p_, ln_q_;
};

} // namespace

long double binom_wahrscheinlichkeit(int n, long double p, int k) {
    if (n < 0) return 0;
    return Binom(n, std::clamp(p, 0.0L, 1.0L))(k);
}

Binomauftrag binom_begrenzt(Binomauftrag a) {
    a.n = std::clamp(a.n, 0, binom_max);
    a.k1 = std::clamp(a.k1, 0, binom_max);
    a.k2 = std::clamp(a.k2, 0, binom_max);
    a.p = std::isnan(a.p) ? 0 : std::clamp(a.p, 0.0L, 1.0L);
    return a;
}

namespace {

// B(n,p,k) for k = 0 … n. Only the most probable k goes through the gamma function; from there
// the ratio B(k+1)/B(k) = (n-k) p / ((k+1)(1-p)) runs outward in both directions. Each step adds
// a rounding of about 1E-19, so even the last of 32 001 terms keeps 15 digits, and one
// multiplication per term is a thousand times faster than a logarithm of the gamma function.
std::vector<long double> verteilung(int n, long double p) {
    std::vector<long double> b(static_cast<std::size_t>(n) + 1, 0.0L);
    if (p <= 0 || p >= 1) {
        b[p <= 0 ? 0 : static_cast<std::size_t>(n)] = 1;
        return b;
    }
    const long double q = 1 - p;
    const int m = std::clamp(static_cast<int>(std::floor((n + 1) * p)), 0, n);
    b[static_cast<std::size_t>(m)] = Binom(n, p)(m);
    for (int k = m; k < n; ++k)
        b[static_cast<std::size_t>(k) + 1] =
            b[static_cast<std::size_t>(k)] * ((n - k) * p) / ((k + 1) * q);
    for (int k = m; k > 0; --k)
        b[static_cast<std::size_t>(k) - 1] =
            b[static_cast<std::size_t>(k)] * (k * q) / ((n - k + 1) * p);
    return b;
}

} // namespace

bool binom_berechnen(const Binomauftrag& auftrag, Binomverteilung& v) {
    const Binomauftrag a = binom_begrenzt(auftrag);
    Binomverteilung e;
    e.von = std::min(a.k1, a.k2);
    e.bis = std::max(a.k1, a.k2);
    const std::vector<long double> b = verteilung(a.n, a.p);
    // Beyond n every term is 0.
    auto wert = [&](int k) { return k <= a.n ? b[static_cast<std::size_t>(k)] : 0.0L; };
    for (int k = 0; k < e.von && k <= a.n; ++k)
        e.p1 += wert(k);
    e.b.reserve(static_cast<std::size_t>(e.bis - e.von) + 1);
    for (int k = e.von; k <= e.bis; ++k) {
        const long double w = wert(k);
        if (!std::isfinite(w)) return false;
        e.b.push_back(w);
        if (k > e.von) e.differenz += w;
    }
    e.p1 += e.b.front();
    e.p2 = e.p1 + e.differenz;
    e.erwartung = a.n * a.p;
    e.varianz = a.n * a.p * (1 - a.p);
    e.abweichung = std::sqrt(e.varianz);
    for (long double w : {e.p1, e.p2, e.differenz, e.erwartung, e.varianz, e.abweichung})
        if (!std::isfinite(w)) return false;
    v = std::move(e);
    return true;
}

// Most of a long table lies in the tails, where the picture shows its zero, and format() costs
// microseconds. A picture that rounds a value to zero rounds every smaller one to zero as well,
// so the largest such value in 0 … 1 is found once by bisection, and values not above it take
// the zero text directly. (An exponent picture shows only 0 itself as the zero; then the bound
// shrinks toward 0 and nearly every value is formatted.)
std::vector<std::array<std::string, 2>> binom_texte(const Binomverteilung& v,
                                                    std::string_view bild) {
    const std::string null = format(bild, 0);
    long double schwelle = 0, ueber = 1;
    if (format(bild, ueber) == null) schwelle = ueber;
    for (int i = 0; i < 80 && schwelle < ueber; ++i) {
        const long double mitte = (schwelle + ueber) / 2;
        (format(bild, mitte) == null ? schwelle : ueber) = mitte;
    }
    std::vector<std::array<std::string, 2>> t;
    t.reserve(v.b.size());
    for (std::size_t i = 0; i < v.b.size(); ++i) {
        const long double w = v.b[i];
        t.push_back({std::to_string(v.von + static_cast<int>(i)),
                     w >= 0 && w <= schwelle ? null : format(bild, w)});
    }
    return t;
}

} // namespace zol

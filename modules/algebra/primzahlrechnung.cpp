#include "modules/algebra/primzahlrechnung.h"

#include "modules/kern/ganzzahl.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zol::primzahlen {

namespace {

std::int64_t eingegrenzt(std::int64_t n) {
    return std::clamp<std::int64_t>(n, 1, feldgrenze);
}

// The primes up to sqrt(feldgrenze), by the sieve of Eratosthenes, made once.
const std::vector<std::uint32_t>& kleine_primzahlen() {
    static const std::vector<std::uint32_t> liste = [] {
        constexpr std::uint32_t grenze = 31623; // 31623^2 > feldgrenze
        std::vector<bool> gestrichen(grenze + 1, false);
        std::vector<std::uint32_t> p;
        for (std::uint32_t d = 2; d <= grenze; ++d) {
            if (gestrichen[d]) continue;
            p.push_back(d);
            for (std::uint32_t m = d * d; m <= grenze; m += d)
                gestrichen[m] = true;
        }
        return p;
    }();
    return liste;
}

// The factors of every number of a block lo ... hi in ascending order, found by striking out
// the multiples of each small prime (a segmented sieve), so a block costs about as much as it
// has numbers, wherever it lies.
class Faktorblock {
public:
    static constexpr std::size_t groesse = 1 << 14;
    static constexpr std::size_t hoechstfaktoren = 30; // 2^30 > feldgrenze

    void zerlegen(std::uint32_t lo, std::uint32_t hi) {
        lo_ = lo;
        const std::size_t n = hi - lo + 1;
        rest_.resize(n);
        anzahl_.assign(n, 0);
        faktoren_.resize(n * hoechstfaktoren);
        for (std::size_t i = 0; i < n; ++i)
            rest_[i] = lo + static_cast<std::uint32_t>(i);
        for (const std::uint32_t p : kleine_primzahlen()) {
            if (static_cast<std::uint64_t>(p) * p > hi) break;
            for (std::uint64_t m = (lo + p - 1) / p * static_cast<std::uint64_t>(p); m <= hi;
                 m += p) {
                const std::size_t i = m - lo;
                while (rest_[i] % p == 0) {
                    rest_[i] /= p;
                    faktoren_[i * hoechstfaktoren + anzahl_[i]++] = p;
                }
            }
        }
        // What is left above 1 is a prime larger than every factor found.
        for (std::size_t i = 0; i < n; ++i)
            if (rest_[i] > 1) faktoren_[i * hoechstfaktoren + anzahl_[i]++] = rest_[i];
    }

    // 1 and the primes have at most one factor.
    bool prim(std::uint32_t k) const { return anzahl_[k - lo_] <= 1; }

    std::string zeile(std::uint32_t k) const {
        std::string z = std::to_string(k) + "=  ";
        const std::size_t i = k - lo_;
        if (anzahl_[i] <= 1) return z + "Primzahl";
        for (std::size_t j = 0; j < anzahl_[i]; ++j) {
            if (j > 0) z += '*';
            z += std::to_string(faktoren_[i * hoechstfaktoren + j]);
        }
        return z;
    }

private:
    std::uint32_t lo_ = 0;
    std::vector<std::uint32_t> rest_;
    std::vector<std::uint8_t> anzahl_;
    std::vector<std::uint32_t> faktoren_;
};

// Writes one set: the prefix, the elements separated by ",", ")" at the end, the line ended
// once it is longer than zeilenlaenge.
class Mengenschreiber {
public:
    Mengenschreiber(Memotext& memo, std::string praefix)
        : memo_(memo), zeile_(std::move(praefix)) {}

    // False once the memo is full: the line so far is kept, the set stays open.
    bool element(std::int64_t e) {
        if (!memo_.eintrag()) {
            if (!erstes_ && !zeile_.empty()) memo_.zeile(zeile_);
            offen_ = false;
            return false;
        }
        if (!erstes_) zeile_ += ',';
        erstes_ = false;
        zeile_ += std::to_string(e);
        if (zeile_.size() > zeilenlaenge) {
            memo_.zeile(zeile_);
            zeile_.clear();
        }
        return true;
    }

    void schliessen() {
        if (!offen_) return;
        zeile_ += ')';
        memo_.zeile(zeile_);
    }

private:
    Memotext& memo_;
    std::string zeile_;
    bool erstes_ = true;
    bool offen_ = true;
};

} // namespace

void Memotext::zeile(std::string_view z) {
    if (zeilen_ > 0) text_ += '\n';
    text_ += z;
    ++zeilen_;
}

bool Memotext::eintragszeile(std::string_view z) {
    if (!eintrag()) return false;
    zeile(z);
    return true;
}

bool Memotext::eintrag() {
    if (eintraege_ >= grenze_) {
        abgebrochen_ = true;
        return false;
    }
    ++eintraege_;
    return true;
}

bool ist_primzahl(std::int64_t k) {
    const auto grenze = static_cast<std::int64_t>(std::sqrt(static_cast<double>(k)) + 1);
    std::int64_t d = 1;
    bool zusammengesetzt = false;
    while (d < grenze && !zusammengesetzt) {
        ++d;
        zusammengesetzt = k % d == 0 && d != k;
    }
    return !zusammengesetzt;
}

std::string zerlegung(std::int64_t k) {
    std::string s = "Primzahl";
    bool zerlegt = false;
    std::int64_t n = k;
    const auto grenze = static_cast<std::int64_t>(std::sqrt(static_cast<double>(k)) + 1);
    for (std::int64_t d = 2; d <= grenze; ++d) {
        while (n % d == 0 && d != n) {
            if (!zerlegt)
                s.clear();
            else
                s += '*';
            zerlegt = true;
            n /= d;
            s += std::to_string(d);
        }
    }
    if (zerlegt && n != 1) s += '*' + std::to_string(n);
    return std::to_string(k) + "=  " + s;
}

void teilermenge(std::int64_t k, Memotext& memo) {
    k = eingegrenzt(k);
    // Divisors come in pairs d and k/d with d <= sqrt(k).
    std::vector<std::int64_t> klein, gross;
    for (std::int64_t d = 1; d * d <= k; ++d) {
        if (k % d != 0) continue;
        klein.push_back(d);
        if (d * d != k) gross.push_back(k / d);
    }
    Mengenschreiber m(memo, "T(" + std::to_string(k) + ")=(");
    for (const std::int64_t d : klein)
        if (!m.element(d)) return;
    for (auto it = gross.rbegin(); it != gross.rend(); ++it)
        if (!m.element(*it)) return;
    m.schliessen();
}

void vielfachmenge(std::int64_t k, std::int64_t grenze, Memotext& memo) {
    k = eingegrenzt(k);
    Mengenschreiber m(memo, "V(" + std::to_string(k) + ")=(");
    // k itself is always written; the bound may be as large as an lcm of two fields.
    for (std::int64_t e = k;; e += k) {
        if (!m.element(e)) return;
        if (e > grenze - k) break;
    }
    m.schliessen();
}

Primseite primseite(std::int64_t von, std::int64_t bis, std::size_t grenze) {
    von = eingegrenzt(von);
    // The range is walked at least once, so a lower "bis" still treats "von".
    const std::int64_t ende = std::max(von, eingegrenzt(bis));
    Primseite s{Memotext(grenze), Memotext(grenze)};
    Faktorblock block;
    for (std::int64_t lo = von; lo <= ende; lo += Faktorblock::groesse) {
        const std::int64_t hi =
            std::min<std::int64_t>(ende, lo + static_cast<std::int64_t>(Faktorblock::groesse) - 1);
        block.zerlegen(static_cast<std::uint32_t>(lo), static_cast<std::uint32_t>(hi));
        for (std::int64_t k = lo; k <= hi; ++k) {
            const auto n = static_cast<std::uint32_t>(k);
            if (!s.faktoren.abgebrochen()) s.faktoren.eintragszeile(block.zeile(n));
            if (!s.primzahlen.abgebrochen() && block.prim(n))
                s.primzahlen.eintragszeile(std::to_string(n));
            if (s.faktoren.abgebrochen() && s.primzahlen.abgebrochen()) return s;
        }
    }
    return s;
}

Memotext ggt_kgv(std::int64_t a, std::int64_t b, std::string_view text_a, std::string_view text_b,
                 std::size_t grenze) {
    a = eingegrenzt(a);
    b = eingegrenzt(b);
    Memotext m(grenze);
    const std::string paar = std::string(text_a) + ";" + std::string(text_b) + ")=";
    std::int64_t kgv = 0;
    ganzzahl::kgv(a, b, kgv); // at most 10^18, well inside 64 bits
    m.zeile("größter gemeinsamer Teiler");
    m.zeile("ggT(" + paar + std::to_string(ganzzahl::ggt(a, b)));
    m.zeile("kleinstes gemeinsames Vielfaches");
    m.zeile("kgV(" + paar + std::to_string(kgv));
    m.zeile("Teilermenge");
    teilermenge(a, m);
    if (!m.abgebrochen()) teilermenge(b, m);
    if (m.abgebrochen()) return m;
    m.zeile("Vielfachmenge");
    vielfachmenge(a, kgv, m);
    if (!m.abgebrochen()) vielfachmenge(b, kgv, m);
    return m;
}

Memotext teilermengen(std::int64_t von, std::int64_t bis, std::size_t grenze) {
    Memotext m(grenze);
    for (std::int64_t k = eingegrenzt(von); k <= eingegrenzt(bis) && !m.abgebrochen(); ++k)
        teilermenge(k, m);
    return m;
}

Memotext vielfachmengen(std::int64_t von, std::int64_t bis, std::int64_t maximum,
                        std::size_t grenze) {
    Memotext m(grenze);
    maximum = eingegrenzt(maximum);
    for (std::int64_t k = eingegrenzt(von); k <= eingegrenzt(bis) && !m.abgebrochen(); ++k)
        vielfachmenge(k, maximum, m);
    return m;
}

} // namespace zol::primzahlen

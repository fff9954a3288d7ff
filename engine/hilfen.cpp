#include "engine/hilfen.h"

#include <cmath>

namespace zol {

std::string leerzeichenweg(std::string_view text) {
    std::string r;
    r.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t') r.push_back(c);
    return r;
}

char gross(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string gross(std::string_view text) {
    std::string r(text);
    for (char& c : r)
        c = gross(c);
    return r;
}

bool ist_buchstabe(char c) {
    c = gross(c);
    return c >= 'A' && c <= 'Z';
}

bool ist_ziffer(char c) {
    return c >= '0' && c <= '9';
}

int vorzeichen(long double x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

bool ganzpotenz(long double a, long double n, long double& ergebnis) {
    ergebnis = 0;
    const bool negativ = n < 0;
    long double rest = negativ ? -n : n;
    long double p;
    if (rest <= 64) {
        // Small exponents multiply factor by factor, exactly as a pupil would.
        p = a;
        for (long double i = 1; i < rest; i += 1)
            p *= a;
        if (rest == 0) p = 1;
    } else {
        // Binary powering: at most a few thousand steps even for exponents like 1E4000.
        p = 1;
        long double basis = a;
        while (rest > 0 && std::isfinite(p)) {
            const long double halb = std::floor(rest / 2);
            if (rest - 2 * halb != 0) p *= basis;
            rest = halb;
            if (rest > 0) basis *= basis;
            if (!std::isfinite(basis)) {
                // Any further factor overflows unless p is already 0.
                if (p != 0) p = basis;
                break;
            }
        }
    }
    if (!std::isfinite(p)) return false;
    if (negativ) {
        if (p == 0) return false;
        p = 1 / p;
        if (!std::isfinite(p)) return false;
    }
    ergebnis = p;
    return true;
}

long double gradinrad(long double grad) {
    return grad * 0.017453292519943295L;
}
long double radingrad(long double rad) {
    return rad * 57.29577951308232L;
}

long double lg10(long double x) {
    return x > 0 ? std::log(x) / std::log(10.0L) : 0.0L;
}

std::string spaltenname(int spalte) {
    if (spalte < 1 || spalte > 26 + 26 * 26 + 26 * 26 * 26) return {};
    std::string r;
    while (spalte > 0) {
        const int rest = (spalte - 1) % 26;
        r.insert(r.begin(), static_cast<char>('A' + rest));
        spalte = (spalte - 1) / 26;
    }
    return r;
}

bool zellbezug(std::string_view text, int& spalte, int& zeile) {
    std::size_t i = 0;
    int s = 0;
    while (i < text.size() && text[i] >= 'A' && text[i] <= 'Z') {
        if (i == 3) return false;
        s = 26 * s + (text[i] - 'A' + 1);
        ++i;
    }
    if (i == 0 || i == text.size()) return false;
    long z = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (!ist_ziffer(text[k])) return false;
        z = 10 * z + (text[k] - '0');
        if (z > 100000000) return false;
    }
    spalte = s;
    zeile = static_cast<int>(z);
    return true;
}

} // namespace zol

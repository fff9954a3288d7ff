#include "modules/linalg/fftrechnung.h"

#include "engine/hilfen.h"
#include "engine/reellefunktion.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zol {

namespace {

bool zweierpotenz(std::size_t n) {
    return n != 0 && (n & (n - 1)) == 0;
}

// -0 would print as "-0,00" in some pictures.
long double ohne_minus_null(long double w) {
    return w == 0 ? 0.0L : w;
}

} // namespace

int fft_punktzahl(int potenz) {
    return 1 << std::clamp(potenz, fft_min_potenz, fft_max_potenz);
}

bool fft_transformieren(Komplexfolge& a, Fftrichtung richtung) {
    const std::size_t n = a.size();
    if (!zweierpotenz(n)) return false;
    const long double d = static_cast<int>(richtung);

    // Bit reversal: j runs through the reversed indices while i counts up.
    for (std::size_t i = 0, j = 0; i + 1 < n; ++i) {
        if (i < j) std::swap(a[i], a[j]);
        std::size_t k = n / 2;
        while (k <= j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }

    // Stages of butterflies of length 2, 4, … n.
    for (std::size_t laenge = 2; laenge <= n; laenge *= 2) {
        const std::size_t haelfte = laenge / 2;
        std::complex<long double> u(1, 0);
        for (std::size_t jj = 0; jj < haelfte; ++jj) {
            for (std::size_t i = jj; i < n; i += laenge) {
                const std::size_t ip = i + haelfte;
                const std::complex<long double> t = a[ip] * u;
                a[ip] = a[i] - t;
                a[i] = a[i] + t;
            }
            const long double winkel =
                pi_ld * static_cast<long double>(jj + 1) / static_cast<long double>(haelfte);
            u = {std::cos(winkel), -d * std::sin(winkel)};
        }
    }

    if (richtung == Fftrichtung::zurueck)
        for (std::complex<long double>& w : a)
            w /= static_cast<long double>(n);
    return true;
}

std::vector<std::array<std::string, 2>> fft_texte(const Komplexfolge& a, std::string_view bild) {
    std::vector<std::array<std::string, 2>> texte;
    texte.reserve(a.size());
    for (const std::complex<long double>& w : a)
        texte.push_back({ergebnistext(bild, ohne_minus_null(w.real())),
                         ergebnistext(bild, ohne_minus_null(w.imag()))});
    return texte;
}

} // namespace zol

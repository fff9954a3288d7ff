#pragma once
// The FFT window's arithmetic, free of the window: the radix-2 fast Fourier transform of
// n = 2^k complex numbers, forward without scaling and backward divided by n, and the texts of
// the result grid.
#include <array>
#include <complex>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

using Komplexfolge = std::vector<std::complex<long double>>;

// "Potenz von 2" runs from 1 to 9, so a sequence has 2 … 512 values.
inline constexpr int fft_min_potenz = 1;
inline constexpr int fft_max_potenz = 9;

// The number of values 2^k, with k first brought into 1 … 9 (a larger k would ask for a grid
// of 2^30 rows).
int fft_punktzahl(int potenz);

// FFT: X_k = sum of x_j e^(-2 pi i j k / n); IFFT: x_j = (1/n) sum of X_k e^(+2 pi i j k / n).
enum class Fftrichtung { hin = 1, zurueck = -1 };

// Transforms a in place: bit-reversal permutation, then log2 n butterfly stages whose twiddle
// factors are computed afresh from cos and sin for every index (a recurrence would gather
// rounding errors along a stage). False, with a unchanged, when the length is no power of two.
bool fft_transformieren(Komplexfolge& a, Fftrichtung richtung);

// Real and imaginary part of every value written with the picture bild; "n. d." for a part
// that overflowed. A zero never shows a minus sign.
std::vector<std::array<std::string, 2>> fft_texte(const Komplexfolge& a, std::string_view bild);

} // namespace zol

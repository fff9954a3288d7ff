#pragma once
// The pixels of the fractal window, free of Qt: the 6-byte real of the school computers (one
// exponent byte, 40-bit mantissa) emulated on long double, the escape-time iteration of the
// Mandelbrot and Julia sets, colour indices, and the progressive passes from 10-pixel blocks
// down to single pixels. A Fraktalrechner runs the passes on several threads and still gives
// the picture one thread working through the pixels in order would give.
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zol::fraktal {

// ---- the 6-byte real ----

// Smallest and largest magnitude the 6-byte real holds: 2^-128 and (2 - 2^-39) * 2^126.
inline constexpr long double real48_min = 0x1p-128L;
inline constexpr long double real48_max = 0x1.fffffffffep126L;

// The nearest 6-byte real (ties away from zero). Works on the 64-bit mantissa of the x87
// extended format: add half a unit of the 40th bit and clear the 24 bits below it; a carry out
// of the mantissa moves to the next power of two. Magnitudes below the format's smallest become
// 0. Larger ones than it holds are left large: in the iteration they escape at the next test,
// where the old machines stopped with an overflow.
inline long double runden6(long double x) {
    static_assert(std::numeric_limits<long double>::digits == 64, "needs the x87 format");
    std::uint64_t m;
    std::uint16_t se;
    std::memcpy(&m, &x, 8);
    std::memcpy(&se, reinterpret_cast<const char*>(&x) + 8, 2);
    constexpr std::uint64_t halb = std::uint64_t{1} << 23;
    constexpr std::uint64_t rest = (std::uint64_t{1} << 24) - 1;
    const std::uint64_t r = m + halb;
    if (r < m) { // carry out of the mantissa: 1.111...1 rounds up to 10.000
        m = std::uint64_t{1} << 63;
        ++se;
    } else {
        m = r & ~rest;
    }
    if ((se & 0x7FFF) < 16383 - 128) return 0.0L; // below 2^-128, zero included
    std::memcpy(&x, &m, 8);
    std::memcpy(reinterpret_cast<char*>(&x) + 8, &se, 2);
    return x;
}

// The same arithmetic, fast. Moving an x87 value through memory for every rounding costs more
// than the arithmetic (a 1920 x 1080 picture took 2.4 s instead of 0.8 s on one core), so the
// iteration keeps its 6-byte values in doubles, which hold them exactly, and masks the double's
// mantissa in a register. A double result can differ from the extended one only when it lies
// exactly halfway between two 6-byte reals; that rare case is computed again in extended, so
// the results equal runden6 applied to the extended operation, bit for bit.
namespace sechs {

inline double aus_bits(std::uint64_t b) {
    double d;
    std::memcpy(&d, &b, 8);
    return d;
}
inline std::uint64_t bits(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, 8);
    return b;
}
// Half a unit of the 40th bit of a double's mantissa, and the bits below the 40th.
inline constexpr std::uint64_t halb = std::uint64_t{1} << 12;
inline constexpr std::uint64_t rest = (std::uint64_t{1} << 13) - 1;

inline bool mittig(std::uint64_t b) {
    return (b & rest) == halb;
}
// A carry out of the mantissa runs into the exponent, which is the next power of two.
inline double gerundet(std::uint64_t b) {
    b = (b + halb) & ~rest;
    if (((b >> 52) & 0x7FF) < 1023 - 128) return 0.0; // below 2^-128, zero included
    return aus_bits(b);
}

inline double mal(double a, double b) {
    const std::uint64_t p = bits(a * b);
    if (mittig(p)) [[unlikely]]
        return static_cast<double>(runden6(static_cast<long double>(a) * b));
    return gerundet(p);
}
inline double plus(double a, double b) {
    const std::uint64_t p = bits(a + b);
    if (mittig(p)) [[unlikely]]
        return static_cast<double>(runden6(static_cast<long double>(a) + b));
    return gerundet(p);
}
inline double minus(double a, double b) {
    const std::uint64_t p = bits(a - b);
    if (mittig(p)) [[unlikely]]
        return static_cast<double>(runden6(static_cast<long double>(a) - b));
    return gerundet(p);
}

} // namespace sechs

// ---- one picture ----

struct Vorgaben {
    bool julia = false;
    // Mandelbrot: the section of the plane.
    long double xmin = -1.75L, xmax = 0.75L, ymin = -1.5L, ymax = 1.5L;
    // Julia: the constant c and the widths of the section, centred on 0.
    long double cx = -1.5L, cy = 0, xweite = 1, yweite = 1;
    int breite = 300, hoehe = 200;
    int tiefe = 50;           // M, the maximum number of steps
    long double schranke = 4; // R: a point escapes when zr^2 + zi^2 > R
};

// The window brings its inputs into these ranges first: a depth below 1 would never end inside
// one pixel.
inline constexpr int max_seite = 4000;
inline constexpr int max_tiefe = 100000;

// Below this pixel step, relative to the largest coordinate of the section, neighbouring pixels
// of the 6-byte real fall on the same number and a deep zoom turns into blocks; such sections
// are computed in the full extended format instead.
inline constexpr long double feinste_stufe = 0x1p-36L;

// The number of steps for each pixel of one picture.
class Pixelrechnung {
public:
    explicit Pixelrechnung(const Vorgaben& v);

    // n for pixel (px, py), 1 <= n <= M; row 0 belongs to the smallest y.
    int tiefe(int px, int py) const;
    // True when the section is too fine for the 6-byte real (see feinste_stufe).
    bool erweitert() const { return erweitert_; }
    // The coordinate of column px and of row py (Mandelbrot: c; Julia: the start value).
    long double x(int px) const { return xs_[static_cast<std::size_t>(px)]; }
    long double y(int py) const { return ys_[static_cast<std::size_t>(py)]; }

private:
    bool julia_;
    bool erweitert_;
    int tiefe_;
    long double schranke_;
    long double cr_ = 0, ci_ = 0;      // Julia's constant
    std::vector<long double> xs_, ys_; // the coordinate of each column and row
};

// The steps from one start value: zr^2 and zi^2 are formed, z becomes z^2 + c, n counts the
// step; it ends when zr^2 + zi^2 of the value before the step exceeds R, or at n = M. With
// sechs every arithmetic step is rounded to the 6-byte real (the start values and c must be
// 6-byte reals then), otherwise it runs in the extended format.
int iterationen(long double zr, long double zi, long double cr, long double ci, int tiefe,
                long double schranke, bool sechs);

// The colour of n: palette entry n for n <= 15, otherwise n mod 16.
inline int farbindex(int n) {
    return n % 16;
}

// Pass s fills the block of a grid point: rows py ... py + s, columns px ... px + s, clipped at
// the picture's right and bottom edges. bild holds breite * hoehe values row by row.
void block_fuellen(std::uint32_t* bild, int breite, int hoehe, int px, int py, int s,
                   std::uint32_t farbe);

// The passes s = 10, 9, ..., 1 in the order of the grid points: columns px = 0, s, 2s, ... and
// inside each py = 0, s, 2s, ...
inline constexpr int erster_durchgang = 10;

// ---- the whole picture on several threads ----

// Computes the passes on worker threads. Each pass deals out its grid columns to the threads;
// finished columns enter the picture strictly from left to right, so every state of the
// picture, a cancelled one too, is one that working through the grid points in order reaches.
class Fraktalrechner {
public:
    using Farbtafel = std::array<std::uint32_t, 16>;
    // Called on a worker thread while the other threads wait between two passes; they must
    // return quickly and may call anything but starten, warten and the destructor.
    struct Rueckmeldungen {
        std::function<void(int s)> durchgang;       // pass s is complete in the picture
        std::function<void(bool abgebrochen)> ende; // the computation has ended
    };

    Fraktalrechner() = default;
    Fraktalrechner(const Fraktalrechner&) = delete;
    Fraktalrechner& operator=(const Fraktalrechner&) = delete;
    // Cancels a running computation and waits for its threads.
    ~Fraktalrechner();

    // Starts a computation; one still running is cancelled and waited for first. The picture
    // becomes breite * hoehe pixels of grund; farben gives the value of each colour index.
    // Sizes and depth outside 1 ... max_seite and 1 ... max_tiefe are brought into range.
    void starten(const Vorgaben& v, const Farbtafel& farben, std::uint32_t grund, int threads,
                 Rueckmeldungen rueck = {});
    // Asks the threads to stop; they do before their next pixel. Returns at once.
    void abbrechen();
    // Returns when the threads of the last computation have ended.
    void warten();

    bool laeuft() const { return laeuft_.load(); }
    bool abgebrochen() const { return abgebrochen_.load(); }
    // Passes complete in the picture, 0 ... 10.
    int fertigeDurchgaenge() const { return durchgaenge_.load(); }
    // Grows whenever the picture changes.
    std::uint64_t stand() const { return stand_.load(); }
    bool erweitert() const { return erweitert_; }
    int breite() const { return breite_; }
    int hoehe() const { return hoehe_; }
    // Copies the picture (breite * hoehe values, row by row), also while the threads work.
    void bildKopieren(std::uint32_t* ziel) const;

private:
    void arbeiten();
    // Every thread comes here after a pass; the last one to arrive closes the pass.
    void sammeln();
    void durchgangBeenden();
    void spalteEintragen(int spalte);
    void durchgangVorbereiten(int s);

    std::vector<std::thread> threads_;
    std::unique_ptr<Pixelrechnung> pixel_;
    Rueckmeldungen rueck_;
    Farbtafel farben_{};
    int breite_ = 0, hoehe_ = 0;
    bool erweitert_ = false;

    // The pass in work; changed only between passes, when every thread waits.
    int s_ = erster_durchgang;
    int spalten_ = 0, zeilen_ = 0;
    std::vector<std::int32_t> werte_; // n of every grid point, column by column
    bool weiter_ = true;
    std::atomic<int> naechsteSpalte_{0};
    int anzahl_ = 0;   // threads
    int wartende_ = 0; // threads arrived after the pass
    int runde_ = 0;
    std::mutex rundenSperre_;
    std::condition_variable rundenSignal_;

    // The picture and the columns done, under sperre_.
    mutable std::mutex sperre_;
    std::vector<std::uint32_t> bild_;
    std::vector<char> spalteFertig_;
    int eingetragen_ = 0; // columns before this one are in the picture

    std::atomic<bool> abbruch_{false};
    std::atomic<bool> laeuft_{false};
    std::atomic<bool> abgebrochen_{false};
    std::atomic<int> durchgaenge_{0};
    std::atomic<std::uint64_t> stand_{0};
};

} // namespace zol::fraktal

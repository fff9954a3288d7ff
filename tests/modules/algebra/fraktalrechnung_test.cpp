// The fractal window's pixels without the window: the 6-byte rounding against a plain
// frexp/ldexp reference, the fast double arithmetic against the extended one, the iteration
// against a plain loop written from the rules, the block fill, and the passes on threads:
// same picture on one, two or three threads, the order of one thread at every pass, cancelling
// and destroying while the threads run.
#include "modules/algebra/fraktalrechnung.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <map>
#include <random>
#include <thread>

namespace {

using namespace zol::fraktal;
using namespace std::chrono_literals;

// ---- plain references ----

// The nearest 6-byte real, the slow way: 40 significant bits, ties away from zero, zero below
// 2^-128.
long double bezug6(long double x) {
    if (x == 0 || !std::isfinite(x)) return x == 0 ? 0.0L : x;
    int e = 0;
    const long double m = std::frexp(x, &e); // |m| in [0.5, 1)
    const long double g = std::floor(std::fabs(m) * 0x1p40L + 0.5L);
    const long double y = std::copysign(std::ldexp(g, e - 40), x);
    return std::fabs(y) < 0x1p-128L ? 0.0L : y;
}

// The pixel rule written out step by step with the slow rounding.
int bezug_tiefe(const Vorgaben& v, int px, int py) {
    const auto r = bezug6;
    long double zr, zi, cr, ci;
    if (v.julia) {
        const long double dx = r(r(v.xweite) / v.breite);
        const long double dy = r(r(v.yweite) / v.hoehe);
        zr = r(r(dx * px) - r(r(v.xweite) / 2));
        zi = r(r(dy * py) - r(r(v.yweite) / 2));
        cr = r(v.cx);
        ci = r(v.cy);
    } else {
        const long double dx = r(r(r(v.xmax) - r(v.xmin)) / v.breite);
        const long double dy = r(r(r(v.ymax) - r(v.ymin)) / v.hoehe);
        cr = r(r(v.xmin) + r(dx * px));
        ci = r(r(v.ymin) + r(dy * py));
        zr = zi = 0;
    }
    int n = 0;
    for (;;) {
        const long double zr2 = r(zr * zr);
        const long double zi2 = r(zi * zi);
        const long double neu_zi = r(r(2 * zr * zi) + ci);
        zr = r(r(zr2 - zi2) + cr);
        zi = neu_zi;
        ++n;
        if (r(zr2 + zi2) > r(v.schranke) || n == v.tiefe) return n;
    }
}

using Bild = std::vector<std::uint32_t>;

Fraktalrechner::Farbtafel indizes() {
    Fraktalrechner::Farbtafel f{};
    for (std::uint32_t i = 0; i < 16; ++i)
        f[i] = i;
    return f;
}
constexpr std::uint32_t grund = 99; // no colour index

// The passes as the rules state them, one grid point after the other; the picture after each.
std::vector<Bild> bezug_durchgaenge(const Vorgaben& v) {
    const Pixelrechnung p(v);
    Bild bild(static_cast<std::size_t>(v.breite * v.hoehe), grund);
    std::vector<Bild> nach;
    for (int s = 10; s >= 1; --s) {
        for (int px = 0; px < v.breite; px += s)
            for (int py = 0; py < v.hoehe; py += s) {
                const auto farbe = static_cast<std::uint32_t>(farbindex(p.tiefe(px, py)));
                for (int y = py; y <= py + s; ++y)
                    for (int x = px; x <= px + s; ++x)
                        if (x < v.breite && y < v.hoehe)
                            bild[static_cast<std::size_t>(y * v.breite + x)] = farbe;
            }
        nach.push_back(bild);
    }
    return nach;
}

Bild rechnen(const Vorgaben& v, int threads, std::vector<Bild>* durchgaenge = nullptr) {
    Fraktalrechner r;
    Fraktalrechner::Rueckmeldungen rueck;
    if (durchgaenge)
        rueck.durchgang = [&](int) {
            Bild b(static_cast<std::size_t>(r.breite() * r.hoehe()));
            r.bildKopieren(b.data());
            durchgaenge->push_back(std::move(b));
        };
    r.starten(v, indizes(), grund, threads, rueck);
    r.warten();
    EXPECT_FALSE(r.laeuft());
    EXPECT_FALSE(r.abgebrochen());
    EXPECT_EQ(r.fertigeDurchgaenge(), 10);
    Bild b(static_cast<std::size_t>(r.breite() * r.hoehe()));
    r.bildKopieren(b.data());
    return b;
}

std::map<int, int> haeufigkeiten(const Bild& b) {
    std::map<int, int> h;
    for (std::uint32_t i : b)
        ++h[static_cast<int>(i)];
    return h;
}

Vorgaben julia() {
    Vorgaben v;
    v.julia = true;
    v.cx = -0.8L;
    v.cy = 0.156L;
    v.xweite = 3;
    v.yweite = 2;
    v.tiefe = 120;
    return v;
}

// ---- the 6-byte real ----

TEST(Runden6, GleichtDemBezugAufMillionenZufallswerten) {
    std::mt19937_64 zufall(20240517);
    int geprueft = 0;
    for (int i = 0; i < 3'000'000; ++i) {
        std::uint64_t m = zufall() | (std::uint64_t{1} << 63);
        switch (i % 4) {
        case 1: // exactly halfway between two 6-byte reals
            m = (m & ~((std::uint64_t{1} << 24) - 1)) | (std::uint64_t{1} << 23);
            break;
        case 2: // the carry out of the mantissa
            m |= ~std::uint64_t{0} << 20;
            break;
        default:
            break;
        }
        const int e = static_cast<int>(zufall() % 300) - 150; // around both ends of the range
        long double x = std::ldexp(static_cast<long double>(m), e - 63);
        if (zufall() & 1) x = -x;
        ASSERT_EQ(runden6(x), bezug6(x)) << std::hexfloat << x;
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 3'000'000);
}

TEST(Runden6, Grenzfaelle) {
    struct Fall {
        long double x, erwartet;
    };
    const Fall faelle[] = {
        {0, 0},
        {1, 1},
        {1 + 0x1p-40L, 1 + 0x1p-39L}, // halfway: away from zero
        {-(1 + 0x1p-40L), -(1 + 0x1p-39L)},
        {1 + 0x1p-41L, 1},
        {1 + 0x1p-40L - 0x1p-60L, 1},         // just below halfway
        {2 - 0x1p-41L, 2},                    // the carry makes the next power of two
        {0x1p-128L, 0x1p-128L},               // the smallest 6-byte real
        {0x1p-129L, 0},                       // below it: zero
        {-0x1.fffffffffffp-129L, -0x1p-128L}, // rounds up into the range
        {real48_max, real48_max},
        {1e60L, bezug6(1e60L)}, // beyond the range: kept large, never infinite
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(runden6(f.x), f.erwartet) << std::hexfloat << f.x;
    EXPECT_TRUE(std::isfinite(runden6(1e60L)));
    EXPECT_LT(std::fabs(runden6(0.1L) - 0.1L), 0x1p-41L * 0.1L);
}

// The doubles of the iteration equal the extended arithmetic rounded to 6 bytes, bit for bit,
// the rare results halfway between two 6-byte reals included.
TEST(Runden6, SchnelleRechnungGleichtDerErweiterten) {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<long double> gleich(-4, 4);
    int mittig = 0;
    for (int i = 0; i < 2'000'000; ++i) {
        const long double a =
            runden6(gleich(zufall) * std::ldexp(1.0L, static_cast<int>(i % 20) - 10));
        const long double b = runden6(gleich(zufall));
        const double da = static_cast<double>(a), db = static_cast<double>(b);
        ASSERT_EQ(static_cast<long double>(da), a);
        if (sechs::mittig(sechs::bits(da * db))) ++mittig;
        ASSERT_EQ(static_cast<long double>(sechs::mal(da, db)), runden6(a * b));
        ASSERT_EQ(static_cast<long double>(sechs::plus(da, db)), runden6(a + b));
        ASSERT_EQ(static_cast<long double>(sechs::minus(da, db)), runden6(a - b));
    }
    EXPECT_GT(mittig, 50); // the slow path was taken
    // A double sum that lands halfway although the exact sum lies below: the extended one
    // rounds down, masking the double alone would round up.
    EXPECT_EQ(sechs::plus(1.0, 0x1p-40 - 0x1p-60), 1.0);
    EXPECT_EQ(sechs::minus(1.0, -(0x1p-40 - 0x1p-60)), 1.0);
    EXPECT_EQ(sechs::mal(0x1p-70, 0x1p-70), 0.0); // below the range
}

// ---- the iteration ----

TEST(Iteration, BekanntePunkte) {
    struct Fall {
        const char* name;
        long double zr, zi, cr, ci;
        int tiefe;
        int erwartet;
    };
    const Fall faelle[] = {
        {"c = 0 bleibt", 0, 0, 0, 0, 50, 50},
        {"c = -2: |z|^2 = 4 ist nicht > 4", 0, 0, -2, 0, 50, 50},
        {"c = 1: 0, 1, 2, 5", 0, 0, 1, 0, 50, 4},
        {"c = 2: 0, 2, 6", 0, 0, 2, 0, 50, 3},
        {"c = i: periodisch", 0, 0, 0, 1, 50, 50},
        {"Julia: Start ausserhalb", 3, 0, 0, 0, 50, 1},
        {"M = 1", 0, 0, 0, 0, 1, 1},
        {"c jenseits des Bereichs", 0, 0, 1e50L, 0, 50, 2},
        {"Start jenseits des Bereichs", 1e50L, -1e50L, 0, 0, 50, 1},
        {"c ganz klein", 0, 0, 1e-45L, 0, 50, 50},
    };
    for (const Fall& f : faelle)
        for (const bool sechs : {true, false})
            EXPECT_EQ(iterationen(runden6(f.zr), runden6(f.zi), runden6(f.cr), runden6(f.ci),
                                  f.tiefe, 4, sechs),
                      f.erwartet)
                << f.name << (sechs ? " (6 Byte)" : " (erweitert)");
}

// Every pixel of the default Mandelbrot picture and of a Julia picture as the plain loop gives
// it, and the colours of the default picture.
TEST(Iteration, PixelWieDerEinfacheBezug) {
    for (const Vorgaben& v : {Vorgaben{}, julia()}) {
        const Pixelrechnung p(v);
        EXPECT_FALSE(p.erweitert());
        for (int px = 0; px < v.breite; ++px)
            for (int py = 0; py < v.hoehe; ++py)
                ASSERT_EQ(p.tiefe(px, py), bezug_tiefe(v, px, py)) << px << "," << py;
    }
}

TEST(Iteration, FarbenDesVorgabebilds) {
    const Vorgaben v;
    const Pixelrechnung p(v);
    std::map<int, int> h;
    for (int px = 0; px < v.breite; ++px)
        for (int py = 0; py < v.hoehe; ++py)
            ++h[farbindex(p.tiefe(px, py))];
    // Counted independently with plain doubles: 14588 of colour 2 and 12489 of colour 3. Two
    // pixels, (18, 20) and (18, 180), lie exactly on |c| = 2 (c = -1,6 -+ 1,2i); there the
    // 6-byte rounding makes |c|^2 a little more than 4, so they escape one step earlier.
    const std::map<int, int> erwartet = {
        {0, 289},  {1, 224},  {2, 14590}, {3, 12487}, {4, 14008}, {5, 6389}, {6, 3858}, {7, 2292},
        {8, 1613}, {9, 1059}, {10, 886},  {11, 674},  {12, 541},  {13, 459}, {14, 354}, {15, 277}};
    EXPECT_EQ(h, erwartet);
    EXPECT_EQ(p.tiefe(18, 20), 2);
    EXPECT_EQ(p.tiefe(18, 180), 2);
    EXPECT_EQ(p.tiefe(175, 100), 50); // inside: reaches M, colour 50 mod 16 = 2
    EXPECT_EQ(farbindex(50), 2);
}

TEST(Iteration, TiefeZehnBrauchtKeineFarbeUeberZehn) {
    Vorgaben v;
    v.tiefe = 10;
    const std::map<int, int> h = haeufigkeiten(rechnen(v, 2));
    EXPECT_GT(h.at(10), 0);
    for (int farbe = 11; farbe <= 15; ++farbe)
        EXPECT_EQ(h.count(farbe), 0u) << farbe;
}

TEST(Iteration, ZeileNullIstDasKleinsteY) {
    Vorgaben v;
    v.ymin = 0.5L;
    v.ymax = 3;
    const Pixelrechnung p(v);
    EXPECT_EQ(p.y(0), runden6(0.5L));
    EXPECT_LT(p.y(0), p.y(v.hoehe - 1));
    EXPECT_EQ(p.x(0), runden6(-1.75L));
    EXPECT_EQ(p.tiefe(0, 0), iterationen(0, 0, p.x(0), p.y(0), 50, 4, true));
    const Pixelrechnung j(julia());
    EXPECT_EQ(j.x(0), runden6(-1.5L)); // -x-weite/2
    EXPECT_EQ(j.y(0), -1);
}

// A deep zoom is computed in the extended format from where the 6-byte real can no longer tell
// neighbouring pixels apart.
TEST(Iteration, TieferZoomRechnetErweitert) {
    struct Fall {
        long double breite_des_ausschnitts;
        bool erweitert;
    };
    // Pixel steps 2^-35 and 2^-37 times the largest coordinate 1.
    const Fall faelle[] = {{300 * 0x1p-35L, false}, {300 * 0x1p-37L, true}};
    for (const Fall& f : faelle) {
        Vorgaben v;
        v.xmin = -1;
        v.xmax = -1 + f.breite_des_ausschnitts;
        v.ymin = 0.25L;
        v.ymax = 0.25L + f.breite_des_ausschnitts;
        v.breite = v.hoehe = 300;
        EXPECT_EQ(Pixelrechnung(v).erweitert(), f.erweitert);
    }
    Vorgaben tief;
    tief.xmin = -0.743643887037L;
    tief.xmax = tief.xmin + 3e-12L;
    tief.ymin = 0.131825904205L;
    tief.ymax = tief.ymin + 2e-12L;
    tief.tiefe = 2000;
    const Pixelrechnung p(tief);
    ASSERT_TRUE(p.erweitert());
    for (int px = 1; px < tief.breite; ++px)
        ASSERT_LT(p.x(px - 1), p.x(px)) << px; // every column a coordinate of its own
    // Rounded to 6 bytes, neighbouring columns would coincide.
    int gleich = 0;
    for (int px = 1; px < tief.breite; ++px)
        gleich += runden6(p.x(px - 1)) == runden6(p.x(px));
    EXPECT_GT(gleich, tief.breite / 2);
}

TEST(Iteration, KoordinatenJenseitsDesBereichsEntkommen) {
    Vorgaben v;
    v.xmin = 1e50L;
    v.xmax = 2e50L;
    v.breite = 20;
    v.hoehe = 10;
    const Pixelrechnung p(v);
    for (int px = 0; px < v.breite; ++px)
        EXPECT_EQ(p.tiefe(px, 5), 2);
    Vorgaben j = julia();
    j.xweite = 1e60L;
    j.yweite = 1e60L;
    EXPECT_EQ(Pixelrechnung(j).tiefe(0, 0), 1);
}

// ---- block fill ----

TEST(Block, WirdAmRechtenUndUnterenRandAbgeschnitten) {
    struct Fall {
        int px, py, s;
        int x1, y1; // last column and row filled
    };
    const Fall faelle[] = {
        {0, 0, 10, 10, 9}, // rows 0 ... 10, but the picture ends at row 9
        {8, 8, 10, 11, 9}, {10, 0, 1, 11, 1}, {11, 9, 3, 11, 9}, {3, 4, 2, 5, 6},
    };
    for (const Fall& f : faelle) {
        Bild b(12 * 10, 0);
        block_fuellen(b.data(), 12, 10, f.px, f.py, f.s, 7);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 12; ++x) {
                const bool drin = x >= f.px && x <= f.x1 && y >= f.py && y <= f.y1;
                ASSERT_EQ(b[static_cast<std::size_t>(y * 12 + x)], drin ? 7u : 0u)
                    << f.px << "," << f.py << " s=" << f.s << " bei " << x << "," << y;
            }
    }
}

// ---- passes on threads ----

// After every pass the picture is the one of the plain order, on one, two and three threads,
// for sizes that are and are not multiples of the block widths.
TEST(Durchgaenge, WieInDerReihenfolgeEinesThreads) {
    Vorgaben klein;
    klein.breite = 37;
    klein.hoehe = 23;
    klein.tiefe = 200;
    Vorgaben schmal = julia();
    schmal.breite = 1;
    schmal.hoehe = 15;
    for (const Vorgaben& v : {Vorgaben{}, julia(), klein, schmal}) {
        const std::vector<Bild> bezug = bezug_durchgaenge(v);
        for (int threads : {1, 2, 3}) {
            std::vector<Bild> nach;
            const Bild b = rechnen(v, threads, &nach);
            ASSERT_EQ(nach.size(), bezug.size());
            for (std::size_t i = 0; i < nach.size(); ++i)
                ASSERT_EQ(nach[i], bezug[i]) << "Durchgang s=" << 10 - i << ", " << threads;
            EXPECT_EQ(b, bezug.back());
        }
    }
}

TEST(Durchgaenge, EinUndZweiThreadsBitGleich) {
    Vorgaben gross;
    gross.breite = 640;
    gross.hoehe = 480;
    gross.tiefe = 300;
    for (const Vorgaben& v : {gross, julia()}) {
        const Bild eins = rechnen(v, 1);
        EXPECT_EQ(rechnen(v, 2), eins);
        // The final picture is every pixel's own colour.
        const Pixelrechnung p(v);
        for (int py = 0; py < v.hoehe; py += 7)
            for (int px = 0; px < v.breite; px += 5)
                ASSERT_EQ(eins[static_cast<std::size_t>(py * v.breite + px)],
                          static_cast<std::uint32_t>(farbindex(p.tiefe(px, py))));
    }
}

TEST(Durchgaenge, RueckmeldungenDerReiheNach) {
    Fraktalrechner r;
    std::vector<int> durchgaenge;
    std::vector<bool> enden;
    r.starten(Vorgaben{}, indizes(), grund, 2,
              {[&](int s) { durchgaenge.push_back(s); }, [&](bool ab) { enden.push_back(ab); }});
    const std::uint64_t anfang = r.stand();
    r.warten();
    EXPECT_EQ(durchgaenge, (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(enden, std::vector<bool>{false});
    EXPECT_GT(r.stand(), anfang);
    EXPECT_FALSE(r.erweitert());
}

// A slow picture: the default section at the greatest depth, where every pixel of the set takes
// 100 000 steps.
Vorgaben langsam() {
    Vorgaben v;
    v.breite = 1000;
    v.hoehe = 1000;
    v.tiefe = max_tiefe;
    return v;
}

void warten_bis(const std::function<bool()>& bedingung) {
    const auto ende = std::chrono::steady_clock::now() + 20s;
    while (!bedingung() && std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(1ms);
}

// Cancelled during the first pass: complete columns of 10-pixel blocks from the left, each
// block in the colour of its grid point, and nothing right of them.
TEST(Abbrechen, ImErstenDurchgangBleibenZehnerBloecke) {
    const Vorgaben v = langsam();
    Fraktalrechner r;
    bool abgebrochen = false;
    r.starten(v, indizes(), grund, 2, {{}, [&](bool ab) { abgebrochen = ab; }});
    const std::uint64_t anfang = r.stand();
    warten_bis([&] { return r.stand() >= anfang + 3; }); // three columns of blocks are in
    const auto start = std::chrono::steady_clock::now();
    r.abbrechen();
    r.warten();
    const auto dauer = std::chrono::steady_clock::now() - start;
    EXPECT_LT(dauer, 500ms) << "Abbrechen wirkt erst nach "
                            << std::chrono::duration<double>(dauer).count() << " s";
    EXPECT_TRUE(abgebrochen);
    EXPECT_TRUE(r.abgebrochen());
    EXPECT_FALSE(r.laeuft());
    EXPECT_EQ(r.fertigeDurchgaenge(), 0);

    Bild b(static_cast<std::size_t>(v.breite * v.hoehe));
    r.bildKopieren(b.data());
    auto pixel = [&](int x, int y) { return b[static_cast<std::size_t>(y * v.breite + x)]; };
    // Columns 10k+1 ... 10k+9 belong to grid column k alone.
    int fertig = 0;
    while (fertig < v.breite / 10 && pixel(10 * fertig + 1, 1) != grund)
        ++fertig;
    EXPECT_GE(fertig, 2);
    EXPECT_LT(fertig, v.breite / 10);
    const Pixelrechnung p(v);
    for (int k = 0; k <= fertig; ++k)
        for (int j = 0; j < v.hoehe / 10; ++j) {
            const std::uint32_t soll =
                k < fertig ? static_cast<std::uint32_t>(farbindex(p.tiefe(10 * k, 10 * j))) : grund;
            for (int y = 10 * j + 1; y < 10 * j + 10; ++y)
                for (int x = 10 * k + 1; x < 10 * k + 10; ++x)
                    ASSERT_EQ(pixel(x, y), soll) << "Block " << k << "," << j;
        }
    // Far right nothing at all.
    for (int y = 0; y < v.hoehe; ++y)
        ASSERT_EQ(pixel(v.breite - 1, y), grund);
}

// Destroying a running computation cancels and waits, at any moment, without touching freed
// memory (run under AddressSanitizer and ThreadSanitizer too).
TEST(Abbrechen, ZerstoerenWaehrendDerRechnung) {
    for (int warte_us : {0, 100, 2000, 20000}) {
        int enden = 0;
        auto* r = new Fraktalrechner;
        r->starten(langsam(), indizes(), grund, 2, {[](int) {}, [&](bool) { ++enden; }});
        std::this_thread::sleep_for(std::chrono::microseconds(warte_us));
        delete r;
        EXPECT_EQ(enden, 1) << warte_us;
    }
}

// A new start while running cancels the old computation; the new picture is not mixed with it.
TEST(Abbrechen, NeuerStartWaehrendDerRechnung) {
    Fraktalrechner r;
    r.starten(langsam(), indizes(), grund, 2);
    std::this_thread::sleep_for(5ms);
    const Vorgaben j = julia();
    r.starten(j, indizes(), grund, 2);
    r.warten();
    EXPECT_EQ(r.fertigeDurchgaenge(), 10);
    Bild b(static_cast<std::size_t>(r.breite() * r.hoehe()));
    r.bildKopieren(b.data());
    EXPECT_EQ(b, rechnen(j, 1));
}

// Sizes and depth out of range are brought into it: a depth of 0 never hangs.
TEST(Durchgaenge, VorgabenWerdenBegrenzt) {
    Vorgaben v;
    v.breite = 0;
    v.hoehe = 5;
    v.tiefe = 0;
    const Bild b = rechnen(v, 2);
    EXPECT_EQ(b.size(), 5u);
    for (std::uint32_t i : b)
        EXPECT_EQ(i, 1u);
    Fraktalrechner r;
    v.breite = max_seite + 1;
    v.hoehe = 1;
    r.starten(v, indizes(), grund, 2);
    r.warten();
    EXPECT_EQ(r.breite(), max_seite);
}

} // namespace

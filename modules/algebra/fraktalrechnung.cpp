#include "modules/algebra/fraktalrechnung.h"

#include <algorithm>
#include <cmath>

namespace zol::fraktal {

namespace {

template <bool sechs> inline long double r(long double x) {
    if constexpr (sechs)
        return runden6(x);
    else
        return x;
}

int schritte_sechs(double zr, double zi, double cr, double ci, int tiefe, double schranke) {
    using namespace sechs;
    int n = 0;
    for (;;) {
        const double zr2 = mal(zr, zr);
        const double zi2 = mal(zi, zi);
        zi = plus(mal(2 * zr, zi), ci); // 2 * zr is exact
        zr = plus(minus(zr2, zi2), cr);
        ++n;
        if (plus(zr2, zi2) > schranke || n >= tiefe) return n;
    }
}

int schritte_erweitert(long double zr, long double zi, long double cr, long double ci, int tiefe,
                       long double schranke) {
    int n = 0;
    for (;;) {
        const long double zr2 = zr * zr;
        const long double zi2 = zi * zi;
        zi = 2 * zr * zi + ci;
        zr = zr2 - zi2 + cr;
        ++n;
        if (zr2 + zi2 > schranke || n >= tiefe) return n;
    }
}

// The coordinates of the columns (or rows): Mandelbrot min + step * i, Julia step * i - width/2,
// each operation rounded like the rest.
template <bool sechs>
std::vector<long double> koordinaten(int anzahl, bool julia, long double min, long double max,
                                     long double weite) {
    std::vector<long double> k(static_cast<std::size_t>(anzahl));
    if (julia) {
        const long double w = r<sechs>(weite);
        const long double schritt = r<sechs>(w / anzahl);
        const long double halb = r<sechs>(w / 2);
        for (int i = 0; i < anzahl; ++i)
            k[static_cast<std::size_t>(i)] = r<sechs>(r<sechs>(schritt * i) - halb);
    } else {
        const long double a = r<sechs>(min);
        const long double schritt = r<sechs>(r<sechs>(r<sechs>(max) - a) / anzahl);
        for (int i = 0; i < anzahl; ++i)
            k[static_cast<std::size_t>(i)] = r<sechs>(a + r<sechs>(schritt * i));
    }
    return k;
}

} // namespace

int iterationen(long double zr, long double zi, long double cr, long double ci, int tiefe,
                long double schranke, bool sechs) {
    if (sechs)
        return schritte_sechs(static_cast<double>(zr), static_cast<double>(zi),
                              static_cast<double>(cr), static_cast<double>(ci), tiefe,
                              static_cast<double>(schranke));
    return schritte_erweitert(zr, zi, cr, ci, tiefe, schranke);
}

Pixelrechnung::Pixelrechnung(const Vorgaben& v)
    : julia_(v.julia), tiefe_(std::max(1, v.tiefe)), schranke_(v.schranke) {
    const int b = std::max(1, v.breite);
    const int h = std::max(1, v.hoehe);
    long double schritt, groesste;
    if (julia_) {
        schritt = std::min(std::fabs(v.xweite / b), std::fabs(v.yweite / h));
        groesste = std::max(std::fabs(v.xweite), std::fabs(v.yweite)) / 2;
    } else {
        schritt = std::min(std::fabs((v.xmax - v.xmin) / b), std::fabs((v.ymax - v.ymin) / h));
        groesste =
            std::max({std::fabs(v.xmin), std::fabs(v.xmax), std::fabs(v.ymin), std::fabs(v.ymax)});
    }
    erweitert_ = schritt < feinste_stufe * groesste;
    if (erweitert_) {
        xs_ = koordinaten<false>(b, julia_, v.xmin, v.xmax, v.xweite);
        ys_ = koordinaten<false>(h, julia_, v.ymin, v.ymax, v.yweite);
        cr_ = v.cx;
        ci_ = v.cy;
    } else {
        xs_ = koordinaten<true>(b, julia_, v.xmin, v.xmax, v.xweite);
        ys_ = koordinaten<true>(h, julia_, v.ymin, v.ymax, v.yweite);
        cr_ = runden6(v.cx);
        ci_ = runden6(v.cy);
        schranke_ = runden6(v.schranke);
    }
}

int Pixelrechnung::tiefe(int px, int py) const {
    const long double x = xs_[static_cast<std::size_t>(px)];
    const long double y = ys_[static_cast<std::size_t>(py)];
    if (julia_) return iterationen(x, y, cr_, ci_, tiefe_, schranke_, !erweitert_);
    return iterationen(0, 0, x, y, tiefe_, schranke_, !erweitert_);
}

void block_fuellen(std::uint32_t* bild, int breite, int hoehe, int px, int py, int s,
                   std::uint32_t farbe) {
    const int x1 = std::min(px + s, breite - 1);
    const int y1 = std::min(py + s, hoehe - 1);
    for (int y = py; y <= y1; ++y) {
        std::uint32_t* zeile =
            bild + static_cast<std::size_t>(y) * static_cast<std::size_t>(breite);
        std::fill(zeile + px, zeile + x1 + 1, farbe);
    }
}

// ---- Fraktalrechner ----

Fraktalrechner::~Fraktalrechner() {
    abbrechen();
    warten();
}

void Fraktalrechner::abbrechen() {
    abbruch_.store(true);
}

void Fraktalrechner::warten() {
    for (std::thread& t : threads_)
        if (t.joinable()) t.join();
    threads_.clear();
}

void Fraktalrechner::bildKopieren(std::uint32_t* ziel) const {
    const std::lock_guard<std::mutex> lock(sperre_);
    std::copy(bild_.begin(), bild_.end(), ziel);
}

void Fraktalrechner::starten(const Vorgaben& v, const Farbtafel& farben, std::uint32_t grund,
                             int threads, Rueckmeldungen rueck) {
    abbrechen();
    warten();
    Vorgaben w = v;
    w.breite = std::clamp(v.breite, 1, max_seite);
    w.hoehe = std::clamp(v.hoehe, 1, max_seite);
    w.tiefe = std::clamp(v.tiefe, 1, max_tiefe);
    pixel_ = std::make_unique<Pixelrechnung>(w);
    rueck_ = std::move(rueck);
    farben_ = farben;
    breite_ = w.breite;
    hoehe_ = w.hoehe;
    erweitert_ = pixel_->erweitert();
    {
        const std::lock_guard<std::mutex> lock(sperre_);
        bild_.assign(static_cast<std::size_t>(breite_) * static_cast<std::size_t>(hoehe_), grund);
    }
    anzahl_ = std::clamp(threads, 1, 64);
    wartende_ = 0;
    weiter_ = true;
    abbruch_.store(false);
    abgebrochen_.store(false);
    durchgaenge_.store(0);
    ++stand_;
    durchgangVorbereiten(erster_durchgang);
    laeuft_.store(true);
    for (int i = 0; i < anzahl_; ++i)
        threads_.emplace_back([this] { arbeiten(); });
}

void Fraktalrechner::durchgangVorbereiten(int s) {
    s_ = s;
    spalten_ = (breite_ + s - 1) / s;
    zeilen_ = (hoehe_ + s - 1) / s;
    werte_.assign(static_cast<std::size_t>(spalten_) * static_cast<std::size_t>(zeilen_), 0);
    naechsteSpalte_.store(0);
    const std::lock_guard<std::mutex> lock(sperre_);
    spalteFertig_.assign(static_cast<std::size_t>(spalten_), 0);
    eingetragen_ = 0;
}

void Fraktalrechner::arbeiten() {
    while (weiter_) {
        for (;;) {
            const int spalte = naechsteSpalte_.fetch_add(1);
            if (spalte >= spalten_ || abbruch_.load(std::memory_order_relaxed)) break;
            std::int32_t* werte = werte_.data() + static_cast<std::size_t>(spalte) *
                                                      static_cast<std::size_t>(zeilen_);
            bool ganz = true;
            for (int j = 0; j < zeilen_; ++j) {
                // Checked before every pixel: a pixel takes at most a few milliseconds.
                if (abbruch_.load(std::memory_order_relaxed)) {
                    ganz = false;
                    break;
                }
                werte[j] = pixel_->tiefe(spalte * s_, j * s_);
            }
            if (!ganz) break;
            spalteEintragen(spalte);
        }
        sammeln();
    }
}

// A finished column enters the picture only after all columns left of it, as in the order of
// one thread; columns finished early wait for their turn.
void Fraktalrechner::spalteEintragen(int spalte) {
    const std::lock_guard<std::mutex> lock(sperre_);
    spalteFertig_[static_cast<std::size_t>(spalte)] = 1;
    bool neu = false;
    while (eingetragen_ < spalten_ && spalteFertig_[static_cast<std::size_t>(eingetragen_)]) {
        const std::int32_t* werte = werte_.data() + static_cast<std::size_t>(eingetragen_) *
                                                        static_cast<std::size_t>(zeilen_);
        for (int j = 0; j < zeilen_; ++j)
            block_fuellen(bild_.data(), breite_, hoehe_, eingetragen_ * s_, j * s_, s_,
                          farben_[static_cast<std::size_t>(farbindex(werte[j]))]);
        ++eingetragen_;
        neu = true;
    }
    if (neu) ++stand_;
}

void Fraktalrechner::sammeln() {
    std::unique_lock<std::mutex> lock(rundenSperre_);
    const int runde = runde_;
    if (++wartende_ < anzahl_) {
        rundenSignal_.wait(lock, [&] { return runde_ != runde; });
        return;
    }
    wartende_ = 0;
    durchgangBeenden();
    ++runde_;
    rundenSignal_.notify_all();
}

// Runs on the last thread to arrive, while the others wait: the next pass is set up here, and
// weiter_ tells every thread the same thing. A pass whose columns all entered the picture counts
// as complete even when the cancel came just after its last pixel.
void Fraktalrechner::durchgangBeenden() {
    bool vollstaendig;
    {
        const std::lock_guard<std::mutex> lock(sperre_);
        vollstaendig = eingetragen_ == spalten_;
    }
    if (vollstaendig) {
        durchgaenge_.fetch_add(1);
        if (rueck_.durchgang) rueck_.durchgang(s_);
    }
    if (vollstaendig && s_ > 1 && !abbruch_.load()) {
        durchgangVorbereiten(s_ - 1);
        return;
    }
    weiter_ = false;
    abgebrochen_.store(!vollstaendig || s_ > 1);
    laeuft_.store(false);
    if (rueck_.ende) rueck_.ende(abgebrochen_.load());
}

} // namespace zol::fraktal

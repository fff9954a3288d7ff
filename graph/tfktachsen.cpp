#include "graph/tfktachsen.h"

#include "engine/hilfen.h"
#include "engine/meldung.h"
#include "engine/zahlformat.h"

#include <cmath>
#include <cstdlib>

namespace zol {

namespace {

std::string ganz(std::int64_t n) {
    return std::to_string(n);
}

std::int64_t betrag(std::int64_t n) {
    return n < 0 ? -n : n;
}

} // namespace

Tfktachsen::Tfktachsen(Tlist1& liste, Tzeichenvorgaben& vorgaben) : liste_(liste), v_(vorgaben) {}

void Tfktachsen::skalieren() {
    breite_ = seitenkoordinate(v_.xgroesse * 10.0L);
    hoehe_ = seitenkoordinate(v_.ygroesse * 10.0L);
    ybereich_ = std::fabs(v_.ymax - v_.ymin);
    xbereich_ = std::fabs(v_.xmax - v_.xmin);
    xskal_ = breite_ / xbereich_;
    yskal_ = hoehe_ / ybereich_;
    if (v_.logy && !(v_.ymax > 0 && v_.ymin > 0)) {
        v_.logy = false;
        melde(grafiktexte::logy_unmoeglich);
    }
    if (v_.logx && !(v_.xmax > 0 && v_.xmin > 0)) {
        v_.logx = false;
        melde(grafiktexte::logx_unmoeglich);
    }
    if (v_.xmax > 0 && v_.xmin > 0) xlogskal_ = breite_ / std::fabs(lg10(v_.xmax) - lg10(v_.xmin));
    if (v_.ymax > 0 && v_.ymin > 0) ylogskal_ = hoehe_ / std::fabs(lg10(v_.ymax) - lg10(v_.ymin));

    const long double xrand = v_.xabstand * 10.0L, yrand = v_.yabstand * 10.0L;
    const bool endlich = std::isfinite(v_.xmin) && std::isfinite(v_.xmax) &&
                         std::isfinite(v_.ymin) && std::isfinite(v_.ymax) &&
                         std::isfinite(v_.xskala) && std::isfinite(v_.yskala);
    gueltig_ = endlich && v_.xmin != v_.xmax && v_.ymin != v_.ymax && std::isfinite(xskal_) &&
               std::isfinite(yskal_) && (!v_.logx || std::isfinite(xlogskal_)) &&
               (!v_.logy || std::isfinite(ylogskal_));
    if (!gueltig_) {
        // Frame and titles still have their place on the page.
        if (!bereich_gemeldet_) {
            bereich_gemeldet_ = true;
            melde(grafiktexte::ungueltiger_bereich);
        }
        links_ = seitenkoordinate(xrand);
        rechts_ = seitenkoordinate(xrand + breite_);
        oben_ = seitenkoordinate(-yrand);
        unten_ = seitenkoordinate(-yrand - hoehe_);
        return;
    }
    xoffset_ =
        (v_.logx ? -std::rint(lg10(v_.xmin) * xlogskal_) : -std::rint(v_.xmin * xskal_)) + xrand;
    yoffset_ =
        (v_.logy ? std::rint(lg10(v_.ymax) * ylogskal_) : std::rint(v_.ymax * yskal_)) + yrand;
    rechts_ = xpunkt(v_.xmax);
    links_ = xpunkt(v_.xmin);
    oben_ = ypunkt(v_.ymax);
    unten_ = ypunkt(v_.ymin);
}

std::int32_t Tfktachsen::xpunkt(long double x) const {
    const long double w = v_.logx ? lg10(x) * xlogskal_ : x * xskal_;
    return seitenkoordinate(std::rint(w) + xoffset_);
}

std::int32_t Tfktachsen::ypunkt(long double y) const {
    const long double w = v_.logy ? lg10(y) * ylogskal_ : y * yskal_;
    return seitenkoordinate(std::rint(w) - yoffset_);
}

void Tfktachsen::linie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    liste_.neu<Tline>(Tpunkt{x1, y1}, Tpunkt{x2, y2}, v_.achsenstift);
}

void Tfktachsen::textobjekt(std::int32_t x, std::int32_t y, const std::string& text) {
    liste_.neu<Ttext>(Tpunkt{x, y}, v_.schrift, std::vector<std::string>{text});
}

std::string Tfktachsen::zahl(long double v) const {
    return format(v_.zahlformat, v);
}

void Tfktachsen::textzeile(const std::string& zeile) {
    v_.freitext.push_back(zeile);
}

void Tfktachsen::achsenzeichnen() {
    skalieren();
    xstriche_.clear();
    ystriche_.clear();
    const std::int64_t s = v_.schrift.groesse, bs = betrag(s);
    const std::int64_t links = links_, oben = oben_, unten = unten_;
    if (v_.koord) {
        linie(links_, unten_, links_, oben_);
        linie(links_, oben_, rechts_, oben_);
        linie(rechts_, oben_, rechts_, unten_);
        linie(rechts_, unten_, links_, unten_);
        if (gueltig_) {
            x0_ = xpunkt(0);
            y0_ = ypunkt(0);
            if (v_.xmax > 0 && v_.xmin < 0) linie(x0_, unten_, x0_, oben_);
            if (v_.ymax > 0 && v_.ymin < 0) linie(links_, y0_, rechts_, y0_);
            // Too many x ticks would make the labels overlap.
            const bool x_zu_dicht = v_.logx ? lg10(v_.xmax) - lg10(v_.xmin) > 40.0L * v_.xinter
                                            : xbereich_ / v_.xskala > 20.0L * v_.yinter;
            striche_erzeugen(false);
            if (!x_zu_dicht) {
                striche_erzeugen(true);
                for (std::int32_t q : ystriche_) {
                    for (std::int32_t p : xstriche_) {
                        if (v_.gitterpunkt) {
                            linie(p - 5, q, p + 5, q);
                            linie(p, q - 5, p, q + 5);
                        }
                        if (v_.gitterlinie) {
                            linie(links_, q, rechts_, q);
                            linie(p, unten_, p, oben_);
                        }
                    }
                }
            }
        }
    }
    if (v_.textmodus) {
        textzeile("\\p(" + ganz(betrag(links - 5 * bs) / 10) + ";" + ganz(betrag(unten / 10)) +
                  ")" + "\\k(270;" + v_.ytext + ")");
        textzeile("\\p(" + ganz(betrag(links / 10)) + ";" + ganz(betrag(oben + 4 * bs) / 10) + ")" +
                  v_.uebertext);
        textzeile("\\p(" + ganz(links / 10) + ";" + ganz(betrag(unten - 2 * bs) / 10) + ")" +
                  v_.xtext);
    }
    if (v_.autobeschrift) {
        textobjekt(seitenkoordinate(links - 5 * bs), unten_, "\\k(270;" + v_.ytext + ")");
        textobjekt(links_, seitenkoordinate(oben + 4 * bs), v_.uebertext);
        textobjekt(links_, seitenkoordinate(unten - 2 * bs), v_.xtext);
    }
}

// Ticks anchored at zero when it lies inside the range, else at the edge nearer to zero;
// limits are never ticked (the frame is there). Values are accumulated by addition.
void Tfktachsen::striche_erzeugen(bool xachse) {
    const long double min = xachse ? v_.xmin : v_.ymin;
    const long double max = xachse ? v_.xmax : v_.ymax;
    const long double schritt = xachse ? v_.xskala : v_.yskala;
    const std::vector<std::int32_t>& striche = xachse ? xstriche_ : ystriche_;
    if (!(schritt > 0)) return;
    int zaehler = 1; // decides which ticks are labelled
    auto ausgeben = [&](long double v) {
        if (xachse)
            strich_x(v, zaehler);
        else
            strich_y(v, zaehler);
    };
    auto frei = [&] { return striche.size() < static_cast<std::size_t>(max_striche); };
    if (max > 0 && min < 0) {
        zaehler = 1000; // zero itself is labelled
        for (long double v = 0; v < max && frei(); v += schritt)
            ausgeben(v);
        zaehler = 1;
        for (long double v = -schritt; v > min && frei(); v -= schritt)
            ausgeben(v);
    } else if (max > 0) {
        for (long double v = min; v < max && frei(); v += schritt)
            ausgeben(v);
    } else if (min < 0) {
        for (long double v = max; v > min && frei(); v -= schritt)
            ausgeben(v);
    }
}

void Tfktachsen::strich_x(long double v, int& zaehler) {
    const std::int32_t p = xpunkt(v);
    xstriche_.push_back(p);
    if (v_.ymax > 0 && v_.ymin < 0) linie(p, y0_ - 10, p, y0_ + 10);
    linie(p, oben_, p, oben_ - 10);
    linie(p, unten_, p, unten_ + 10);
    if (v_.xinter <= zaehler) {
        const std::int64_t s = v_.schrift.groesse, bs = betrag(s);
        linie(p, unten_, p, unten_ - 15);
        const std::string f = zahl(v);
        if (v_.textmodus)
            textzeile("\\p(" + ganz((p - bs) / 10) + ";" + ganz(betrag(unten_ - s) / 10) + ")" + f);
        if (v_.autobeschrift) textobjekt(seitenkoordinate(p - bs), seitenkoordinate(unten_ - s), f);
        zaehler = 1;
    } else {
        ++zaehler;
    }
}

void Tfktachsen::strich_y(long double v, int& zaehler) {
    const std::int32_t q = ypunkt(v);
    ystriche_.push_back(q);
    if (v_.xmax > 0 && v_.xmin < 0) linie(x0_ - 10, q, x0_ + 10, q);
    linie(rechts_, q, rechts_ - 10, q);
    linie(links_, q, links_ + 10, q);
    if (v_.yinter <= zaehler) {
        const std::int64_t bs = betrag(v_.schrift.groesse);
        const std::int64_t x = std::int64_t(links_) - 2 * bs - 10;
        linie(links_ - 10, q, links_, q);
        const std::string f = "\\k(270;" + zahl(v) + ")";
        if (v_.textmodus) textzeile("\\p(" + ganz(x / 10) + ";" + ganz(betrag(q) / 10) + ")" + f);
        if (v_.autobeschrift) textobjekt(seitenkoordinate(x), q, f);
        zaehler = 1;
    } else {
        ++zaehler;
    }
}

} // namespace zol

#include "graph/tfktachsen.h"

#include "engine/hilfen.h"
#include "engine/meldung.h"
#include "engine/zahlformat.h"
#include "graph/tabellendatei.h"

#include <cmath>
#include <cstdlib>

namespace zol {

Tfktachsen::Tfktachsen(Tlist1& liste, Tzeichenvorgaben& vorgaben) : liste_(liste), v_(vorgaben) {}
Tfktachsen::~Tfktachsen() = default;

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
    xzahlrahmen_.clear();
    yzahlrahmen_.clear();
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
            // Too many x ticks would crowd the axis; labels that still overlap are thinned
            // as they are made.
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
    titel();
}

} // namespace zol

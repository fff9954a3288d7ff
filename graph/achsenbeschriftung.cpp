// Ticks, tick labels and axis titles of the plot engine. Labels of one axis must stay readable:
// where they would run into each other only every second (fourth, ...) one is written, and a
// title that would touch the labels of its axis moves away from them.
#include "graph/graphobjekte.h"
#include "graph/tfktachsen.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace zol {

namespace {

std::string ganz(std::int64_t n) {
    return std::to_string(n);
}

std::int64_t betrag(std::int64_t n) {
    return n < 0 ? -n : n;
}

// Room a title keeps from the labels of its axis (page units): a title ending right where a
// label begins reads as one word with it ("x-Achse-2,00").
constexpr double luecke = 5;

// Glyph boxes need fonts, and fonts a running QGuiApplication; without one (a page built for a
// benchmark) nothing is measured and nothing moves.
bool messbar() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// The page rectangle (y upward) that a one-line text covers as it is painted.
QRectF textrahmen(Tpunkt ort, const Tschrift& schrift, const std::string& text) {
    const Ttext t(ort, schrift, {text});
    const QTransform seite = QTransform::fromScale(1, -1); // the layout has y downward
    QRectF rahmen;
    for (const Satzelement& e : t.satz().elemente) {
        QRectF teil;
        if (e.art == Satzelement::text) {
            if (e.inhalt.trimmed().isEmpty()) continue;
            const QFontMetricsF masse(e.schrift);
            QTransform lage = QTransform::fromTranslate(e.a.x(), e.a.y());
            lage.rotate(-e.winkel);
            teil = (lage * seite)
                       .mapRect(QRectF(0, 0, masse.horizontalAdvance(e.inhalt), masse.height()));
        } else {
            teil = QRectF(seite.map(e.a), QSizeF(1, 1));
        }
        rahmen = rahmen.isNull() ? teil : rahmen.united(teil);
    }
    return rahmen;
}

// Labels closer than half a line height read as one number ("-1,00-2,00"), even when their
// boxes do not touch; each box is widened by a quarter of its line height for the test.
bool ueberlappen(const std::vector<QRectF>& rahmen) {
    std::vector<QRectF> weit;
    weit.reserve(rahmen.size());
    for (const QRectF& r : rahmen) {
        const double rand = 0.25 * std::min(r.width(), r.height());
        weit.push_back(r.adjusted(-rand, -rand, rand, rand));
    }
    for (std::size_t i = 0; i < weit.size(); ++i)
        for (std::size_t j = i + 1; j < weit.size(); ++j)
            if (weit[i].intersects(weit[j])) return true;
    return false;
}

} // namespace

// Ticks anchored at zero when it lies inside the range, else at the edge nearer to zero;
// limits are never ticked (the frame is there). Values are accumulated by addition.
std::vector<Tfktachsen::Strich> Tfktachsen::strichfolge(bool xachse) const {
    const long double min = xachse ? v_.xmin : v_.ymin;
    const long double max = xachse ? v_.xmax : v_.ymax;
    const long double schritt = xachse ? v_.xskala : v_.yskala;
    std::vector<Strich> striche;
    if (!(schritt > 0)) return striche;
    int zaehler = 1;
    auto frei = [&] { return striche.size() < static_cast<std::size_t>(max_striche); };
    auto lauf = [&](long double v) {
        striche.push_back({v, zaehler});
        zaehler = 0;
    };
    if (max > 0 && min < 0) {
        zaehler = 1000; // zero itself is labelled
        for (long double v = 0; v < max && frei(); v += schritt)
            lauf(v);
        zaehler = 1;
        for (long double v = -schritt; v > min && frei(); v -= schritt)
            lauf(v);
    } else if (max > 0) {
        for (long double v = min; v < max && frei(); v += schritt)
            lauf(v);
    } else if (min < 0) {
        for (long double v = max; v > min && frei(); v -= schritt)
            lauf(v);
    }
    return striche;
}

// With interval n a run labels its first tick when n is at most its start counter, then every
// n-th tick after the last labelled one.
std::vector<bool> Tfktachsen::beschriftet(const std::vector<Strich>& striche,
                                          long long intervall) const {
    std::vector<bool> marken(striche.size());
    long long zaehler = 1;
    for (std::size_t i = 0; i < striche.size(); ++i) {
        if (striche[i].zaehler != 0) zaehler = striche[i].zaehler;
        marken[i] = intervall <= zaehler;
        zaehler = marken[i] ? 1 : zaehler + 1;
    }
    return marken;
}

Tfktachsen::Beschriftung Tfktachsen::beschriftung(bool xachse, long double v) const {
    const std::int64_t s = v_.schrift.groesse, bs = betrag(s);
    if (xachse) {
        const std::int32_t p = xpunkt(v);
        return {{seitenkoordinate(p - bs), seitenkoordinate(unten_ - s)}, zahl(v)};
    }
    return {{seitenkoordinate(std::int64_t(links_) - 2 * bs - 10), ypunkt(v)},
            "\\k(270;" + zahl(v) + ")"};
}

// The labels of the axis's interval, or of twice, four times ... that interval when they would
// overlap; their rectangles are kept for placing the title.
std::vector<bool> Tfktachsen::ausgeduennt(bool xachse, const std::vector<Strich>& striche) {
    const long long n = xachse ? v_.xinter : v_.yinter;
    std::vector<bool> marken = beschriftet(striche, n);
    std::vector<QRectF>& rahmen = xachse ? xzahlrahmen_ : yzahlrahmen_;
    rahmen.clear();
    if (!(v_.autobeschrift || v_.textmodus) || !messbar()) return marken;
    for (long long faktor = 2;; faktor *= 2) {
        rahmen.clear();
        for (std::size_t i = 0; i < striche.size(); ++i) {
            if (!marken[i]) continue;
            const Beschriftung b = beschriftung(xachse, striche[i].wert);
            rahmen.push_back(textrahmen(b.ort, v_.schrift, b.text));
        }
        if (rahmen.size() < 2 || !ueberlappen(rahmen)) return marken;
        marken = beschriftet(striche, std::max(n, 1LL) * faktor);
    }
}

void Tfktachsen::striche_erzeugen(bool xachse) {
    const std::vector<Strich> striche = strichfolge(xachse);
    const std::vector<bool> marken = ausgeduennt(xachse, striche);
    for (std::size_t i = 0; i < striche.size(); ++i) {
        if (xachse)
            strich_x(striche[i].wert, marken[i]);
        else
            strich_y(striche[i].wert, marken[i]);
    }
}

void Tfktachsen::strich_x(long double v, bool mit_zahl) {
    const std::int32_t p = xpunkt(v);
    xstriche_.push_back(p);
    if (v_.ymax > 0 && v_.ymin < 0) linie(p, y0_ - 10, p, y0_ + 10);
    linie(p, oben_, p, oben_ - 10);
    linie(p, unten_, p, unten_ + 10);
    if (!mit_zahl) return;
    linie(p, unten_, p, unten_ - 15);
    const Beschriftung b = beschriftung(true, v);
    if (v_.textmodus)
        textzeile("\\p(" + ganz(b.ort.x / 10) + ";" + ganz(betrag(b.ort.y) / 10) + ")" + b.text);
    if (v_.autobeschrift) textobjekt(b.ort.x, b.ort.y, b.text);
}

void Tfktachsen::strich_y(long double v, bool mit_zahl) {
    const std::int32_t q = ypunkt(v);
    ystriche_.push_back(q);
    if (v_.xmax > 0 && v_.xmin < 0) linie(x0_ - 10, q, x0_ + 10, q);
    linie(rechts_, q, rechts_ - 10, q);
    linie(links_, q, links_ + 10, q);
    if (!mit_zahl) return;
    linie(links_ - 10, q, links_, q);
    const Beschriftung b = beschriftung(false, v);
    if (v_.textmodus)
        textzeile("\\p(" + ganz(b.ort.x / 10) + ";" + ganz(betrag(b.ort.y) / 10) + ")" + b.text);
    if (v_.autobeschrift) textobjekt(b.ort.x, b.ort.y, b.text);
}

// The y title left of the plot area, the heading above it, the x title below it. A title that
// would touch a label of its axis moves out: the y title to the left, the x title down.
void Tfktachsen::titel() {
    const std::int64_t bs = betrag(v_.schrift.groesse);
    const std::int64_t links = links_, oben = oben_, unten = unten_;
    Tpunkt y_ort{seitenkoordinate(links - 5 * bs), unten_};
    Tpunkt x_ort{links_, seitenkoordinate(unten - 2 * bs)};
    const std::string ytitel = "\\k(270;" + v_.ytext + ")";
    if (!yzahlrahmen_.empty()) {
        const QRectF r = textrahmen(y_ort, v_.schrift, ytitel);
        const QRectF umfeld = r.adjusted(-luecke, -luecke, luecke, luecke);
        double rand = r.right();
        for (const QRectF& z : yzahlrahmen_)
            if (umfeld.intersects(z)) rand = std::min(rand, z.left() - luecke);
        y_ort.x = seitenkoordinate(std::floor(y_ort.x - (r.right() - rand)));
    }
    if (!xzahlrahmen_.empty()) {
        const QRectF r = textrahmen(x_ort, v_.schrift, v_.xtext);
        const QRectF umfeld = r.adjusted(-luecke, -luecke, luecke, luecke);
        double rand = r.bottom(); // the top edge: y grows upward
        for (const QRectF& z : xzahlrahmen_)
            if (umfeld.intersects(z)) rand = std::min(rand, z.top() - luecke);
        x_ort.y = seitenkoordinate(std::floor(x_ort.y - (r.bottom() - rand)));
    }
    if (v_.textmodus) {
        textzeile("\\p(" + ganz(betrag(y_ort.x) / 10) + ";" + ganz(betrag(y_ort.y / 10)) + ")" +
                  ytitel);
        textzeile("\\p(" + ganz(betrag(links / 10)) + ";" + ganz(betrag(oben + 4 * bs) / 10) + ")" +
                  v_.uebertext);
        textzeile("\\p(" + ganz(x_ort.x / 10) + ";" + ganz(betrag(x_ort.y) / 10) + ")" + v_.xtext);
    }
    if (v_.autobeschrift) {
        textobjekt(y_ort.x, y_ort.y, ytitel);
        textobjekt(links_, seitenkoordinate(oben + 4 * bs), v_.uebertext);
        textobjekt(x_ort.x, x_ort.y, v_.xtext);
    }
}

} // namespace zol

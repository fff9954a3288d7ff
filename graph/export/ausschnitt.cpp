// The part of a page that pictures "Nur Zeichnung" show: the box around what the objects draw.
#include "graph/export/bildexport.h"
#include "graph/tlist1.h"

#include <QFontMetricsF>
#include <QRectF>

#include <algorithm>
#include <optional>

namespace zol {

namespace {

// Boxes are in page units with y upward; QRectF only keeps them normalised.
class Rahmen {
public:
    void dazu(const QRectF& r) { box_ = box_ ? box_->united(r) : r; }
    void dazu(QPointF p, double rand) {
        dazu(QRectF(p.x() - rand, p.y() - rand, 2 * rand, 2 * rand));
    }
    const std::optional<QRectF>& box() const { return box_; }

private:
    std::optional<QRectF> box_;
};

double halbe_breite(const Tstift& stift) {
    return std::max(1, stift.breite) / 2.0;
}

void linie(Rahmen& r, const tGraphObject& o) {
    if (o.stift.stil == stil_unsichtbar) return;
    const double rand = halbe_breite(o.stift);
    r.dazu(QPointF(o.rect.x1, o.rect.y1), rand);
    r.dazu(QPointF(o.rect.x2, o.rect.y2), rand);
}

void linienzug(Rahmen& r, const Tpolyline& z) {
    // As the polyline paints: a line, or markers of radius 5 or 10 on every point.
    const int marke = z.stift.stil & 0x7F;
    if (z.stift.stil != stil_linie && (marke < 1 || marke > 4)) return;
    double rand = halbe_breite(z.stift);
    if (z.stift.stil != stil_linie) rand += (marke == 1 || marke == 3) ? 5.0 : 10.0;
    const int n = std::clamp<int>(z.anzahl, 0, Tpolyline::max_punkte);
    for (int i = 0; i < n; ++i) {
        const Tpunkt p = z.punkte[static_cast<std::size_t>(i)];
        r.dazu(QPointF(p.x, p.y), rand);
    }
}

void text(Rahmen& r, const Ttext& t) {
    // The layout has y downward; every piece goes back to page units.
    const QTransform seite = QTransform::fromScale(1, -1);
    for (const Satzelement& e : t.satz().elemente) {
        switch (e.art) {
        case Satzelement::text: {
            if (e.inhalt.trimmed().isEmpty()) break;
            const QFontMetricsF masse(e.schrift);
            const QRectF feld(0, 0, masse.horizontalAdvance(e.inhalt), masse.height());
            QTransform lage = QTransform::fromTranslate(e.a.x(), e.a.y());
            lage.rotate(-e.winkel);
            r.dazu((lage * seite).mapRect(feld));
            break;
        }
        case Satzelement::strich:
            r.dazu(seite.map(e.a), 1);
            r.dazu(seite.map(e.b), 1);
            break;
        case Satzelement::punkt:
            r.dazu(seite.map(e.a), e.b.x() / 2);
            break;
        }
    }
}

} // namespace

Seitenausschnitt seitenausschnitt(const Tlist1& liste, bool nur_zeichnung) {
    const Seitenausschnitt seite{0, 0, double(liste.seitenbreite), double(liste.seitenhoehe)};
    if (!nur_zeichnung) return seite;
    Rahmen r;
    for (const auto& o : liste) {
        if (o->art == art_linie) linie(r, *o);
        if (o->art == art_linienzug) linienzug(r, static_cast<const Tpolyline&>(*o));
        if (o->art == art_text) text(r, static_cast<const Ttext&>(*o));
    }
    if (!r.box()) return seite;
    const QRectF b =
        r.box()->adjusted(-zeichnungsrand, -zeichnungsrand, zeichnungsrand, zeichnungsrand);
    // y upward: the top edge is the larger y.
    return {b.left(), b.bottom(), b.width(), b.height()};
}

} // namespace zol

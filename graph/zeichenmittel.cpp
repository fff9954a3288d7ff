#include "graph/zeichenmittel.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace zol {

Trechteck Trechteck::normalisiert() const {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

bool Trechteck::enthaelt(Tpunkt p) const {
    return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2;
}

// rint in the default rounding mode rounds half to even (nearbyint does the same, but saving
// and restoring the floating-point environment costs more than the whole rest of a sample).
std::int32_t seitenkoordinate(long double wert) {
    if (std::isnan(wert)) return 0;
    if (wert >= seitengrenze) return seitengrenze;
    if (wert <= -seitengrenze) return -seitengrenze;
    return static_cast<std::int32_t>(std::lrint(wert));
}

namespace {

Qt::PenStyle qt_stil(int stil) {
    switch (stil) {
    case stil_linie:
        return Qt::SolidLine;
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case stil_unsichtbar:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

QPen malstift(const QPainter& maler, const Tstift& stift, bool durchgezogen) {
    QPen pen(stift.farbe);
    pen.setStyle(durchgezogen ? Qt::SolidLine : qt_stil(stift.stil));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    const QTransform t = maler.combinedTransform();
    const double massstab = std::sqrt(std::abs(t.determinant()));
    const double breite = std::max<std::int32_t>(stift.breite, 0);
    if (breite * massstab < 1.0) {
        pen.setCosmetic(true);
        pen.setWidthF(1.0);
    } else {
        pen.setWidthF(breite);
    }
    return pen;
}

void setze_pinsel(QPainter& maler, const Tpinsel& pinsel) {
    if (pinsel.leer)
        maler.setBrush(Qt::NoBrush);
    else
        maler.setBrush(pinsel.farbe);
}

} // namespace zol

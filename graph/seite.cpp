#include "graph/seite.h"

#include <algorithm>

namespace zol {

// 1 inch is 254 units of 0.1 mm.
QTransform seitenabbildung(double dpi, int seitenhoehe) {
    const double f = dpi / 254.0;
    return QTransform(f, 0, 0, -f, 0, seitenhoehe * f);
}

double seiteneinheiten_zu_pixel(double einheiten, double dpi) {
    return einheiten * dpi / 254.0;
}

QTransform seitenansicht(double pixel_je_einheit) {
    return QTransform(pixel_je_einheit, 0, 0, -pixel_je_einheit, 0, 0);
}

QTransform massstabstreu(double dpi) {
    return seitenansicht(dpi / 254.0);
}

QTransform willkuerlich(double breite, double hoehe, QSizeF ziel) {
    if (breite <= 0 || hoehe <= 0) return seitenansicht(1);
    return QTransform(ziel.width() / breite, 0, 0, -ziel.height() / hoehe, 0, 0);
}

QTransform winkeltreu(double breite, double hoehe, QSizeF ziel) {
    if (breite <= 0 || hoehe <= 0) return seitenansicht(1);
    return seitenansicht(std::min(ziel.width() / breite, ziel.height() / hoehe));
}

Tpunkt seitenpunkt(const QTransform& abbildung, QPointF geraet) {
    bool umkehrbar = false;
    const QPointF p = abbildung.inverted(&umkehrbar).map(geraet);
    if (!umkehrbar) return {};
    return {seitenkoordinate(p.x()), seitenkoordinate(p.y())};
}

} // namespace zol

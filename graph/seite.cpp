#include "graph/seite.h"

namespace zol {

// 1 inch is 254 units of 0.1 mm.
QTransform seitenabbildung(double dpi, int seitenhoehe) {
    const double f = dpi / 254.0;
    return QTransform(f, 0, 0, -f, 0, seitenhoehe * f);
}

double seiteneinheiten_zu_pixel(double einheiten, double dpi) {
    return einheiten * dpi / 254.0;
}

} // namespace zol

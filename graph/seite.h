#pragma once
// Drawings are laid out on a page in whole units of 0.1 mm with y upward; one mapping turns page
// units into device pixels, so the same drawing code serves screen, printer and picture files.
#include <QTransform>

namespace zol {

// Maps page units (0.1 mm, y upward, origin at the bottom-left of a page seitenhoehe units
// high) onto a device with the given resolution in dots per inch.
QTransform seitenabbildung(double dpi, int seitenhoehe);

// Device pixels for a length in page units at the given resolution.
double seiteneinheiten_zu_pixel(double einheiten, double dpi);

} // namespace zol

#pragma once
// Drawings are laid out on a page in whole units of 0.1 mm with y upward; one mapping turns page
// units into device pixels, so the same drawing code serves screen, printer and picture files.
// Plot pages have their origin at the top-left corner, so every point on them has y <= 0.
#include "graph/zeichenmittel.h"

#include <QPointF>
#include <QSizeF>
#include <QTransform>

namespace zol {

// Maps page units (0.1 mm, y upward, origin at the bottom-left of a page seitenhoehe units
// high) onto a device with the given resolution in dots per inch.
QTransform seitenabbildung(double dpi, int seitenhoehe);

// Device pixels for a length in page units at the given resolution.
double seiteneinheiten_zu_pixel(double einheiten, double dpi);

// Mappings of a plot page (origin top-left, y upward) to a device with y downward:
// a given number of device pixels per page unit (the plot window's view factor);
QTransform seitenansicht(double pixel_je_einheit);
// true size at the device's resolution;
QTransform massstabstreu(double dpi);
// the page (breite x hoehe units) filling the target, distorted if need be;
QTransform willkuerlich(double breite, double hoehe, QSizeF ziel);
// the page as large as the target allows with its proportions kept.
QTransform winkeltreu(double breite, double hoehe, QSizeF ziel);

// The page point under a device point (a mouse press), rounded to whole units.
Tpunkt seitenpunkt(const QTransform& abbildung, QPointF geraet);

} // namespace zol

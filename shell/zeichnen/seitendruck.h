#pragma once
// The page of the plot window on paper: drawn at true size, so that 100 mm on the page are
// 100 mm on the sheet.
#include "graph/tlist1.h"

#include <QSize>

class QPainter;
class QPrinter;

namespace zol {

// Draws the list with 0.1 mm per page unit at the given resolution (dots per inch), the page's
// top-left corner at the painter's origin. Nothing is filled: the paper is the background.
void seite_massstabstreu(QPainter& maler, Tlist1& liste, double dpi);

// Prints the list in one job on the printer at its resolution; false (with a message) when the
// printer cannot be used.
bool seite_drucken(QPrinter& drucker, Tlist1& liste, QWidget* eltern = nullptr);

// The printable width and height of the printer's page in whole millimetres.
QSize druckbereich_mm(const QPrinter& drucker);

} // namespace zol

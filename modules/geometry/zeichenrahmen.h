#pragma once
// The plot range a geometry window hands to its plot window: the points that matter (images,
// vertex, zeros, intersections) with a margin, bounds on whole ticks, about ten ticks per axis.
#include "modules/kern/geometrie.h"

#include <vector>

namespace zol {

struct Zeichenrahmen {
    long double xmin = -5, xmax = 5, xschritt = 1;
    long double ymin = -5, ymax = 5, yschritt = 1;
};

// Points that are not finite are left out; without any the range is −5 … 5 on both axes.
Zeichenrahmen zeichenrahmen(const std::vector<Vektor2>& punkte);

} // namespace zol

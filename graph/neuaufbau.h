#pragma once
// A whole page as the plot window rebuilds it.
#include "graph/tfktachsen.h"

#include <span>

namespace zol {

// Clears the list; frame, axes, ticks, labels and titles; every curve in list order; then the
// free text as one text object 5 mm below the plot area.
void neuaufbau(Tlist1& liste, Tzeichenvorgaben& vorgaben, std::span<const Teinzelnefkt> kurven);

// The corner where the free text starts: 10 * xabstand, -10 * (yabstand + ygroesse + 5).
Tpunkt freitext_ort(const Tzeichenvorgaben& vorgaben);

} // namespace zol

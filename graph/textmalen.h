#pragma once
// Paints a laid-out text (textsatz.h) in the painter's current coordinates, y downward.
#include "graph/textsatz.h"

#include <QColor>
#include <QPen>

class QPainter;

namespace zol {

// Text in the given colour; bars and strokes with the given pen, dots filled in the colour.
void male_textsatz(QPainter& maler, const Textsatz& satz, const QColor& farbe,
                   const QPen& strichstift);

} // namespace zol

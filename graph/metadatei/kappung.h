#pragma once
// Cuts lines and areas to a rectangle, so that coordinates far outside a picture never reach a
// file whose coordinates are 16 or 32 bits wide.
#include <QPointF>
#include <QRectF>

#include <vector>

namespace zol {

// Cuts the segment a-b to the rectangle; false if nothing of it lies inside.
bool kappe_strecke(QPointF& a, QPointF& b, const QRectF& rahmen);

// The pieces of a line through the points that lie inside the rectangle.
std::vector<std::vector<QPointF>> kappe_linienzug(const std::vector<QPointF>& punkte,
                                                  const QRectF& rahmen);

// The part of a closed area inside the rectangle (empty if none).
std::vector<QPointF> kappe_vieleck(const std::vector<QPointF>& punkte, const QRectF& rahmen);

} // namespace zol

#include "modules/geometry/skizze.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zol {

Dreiecksskizze::Dreiecksskizze(bool rechtwinklig, QWidget* eltern)
    : QWidget(eltern), rechtwinklig_(rechtwinklig) {
    setMinimumSize(150, 110);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void Dreiecksskizze::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rand = 18;
    const qreal breite = width() - 2 * rand;
    const qreal unten = std::min<qreal>(height() - rand, rand + 0.75 * breite);
    const QPointF a(rand, unten), b(rand + breite, unten);
    // With the right angle C lies on the Thales circle over AB, else somewhat off the middle.
    const qreal cx = rechtwinklig_ ? 0.36 : 0.62;
    const qreal hoehe = rechtwinklig_ ? breite * std::sqrt(cx * (1 - cx)) : 0.55 * breite;
    const QPointF c(rand + cx * breite, unten - hoehe);

    p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    p.drawPolygon(QPolygonF{a, b, c});
    if (rechtwinklig_) {
        // The square mark in the corner at C.
        const QPointF zu_a = (a - c) / std::hypot(a.x() - c.x(), a.y() - c.y()) * 9;
        const QPointF zu_b = (b - c) / std::hypot(b.x() - c.x(), b.y() - c.y()) * 9;
        p.drawPolyline(QPolygonF{c + zu_a, c + zu_a + zu_b, c + zu_b});
    }
    const auto text = [&p](QPointF wo, const QString& t) {
        const QRectF r(wo.x() - 12, wo.y() - 9, 24, 18);
        p.drawText(r, Qt::AlignCenter, t);
    };
    text(a + QPointF(-8, 6), QStringLiteral("A"));
    text(b + QPointF(8, 6), QStringLiteral("B"));
    text(c + QPointF(0, -10), QStringLiteral("C"));
    text((a + b) / 2 + QPointF(0, 10), QStringLiteral("c"));
    text((b + c) / 2 + QPointF(9, -4), QStringLiteral("a"));
    text((a + c) / 2 + QPointF(-9, -4), QStringLiteral("b"));
    // Greek letters for the angles, just inside their corners.
    const QPointF mitte = (a + b + c) / 3;
    text(a + (mitte - a) * 0.35, QString(QChar(0x03b1)));
    text(b + (mitte - b) * 0.35, QString(QChar(0x03b2)));
    if (!rechtwinklig_) text(c + (mitte - c) * 0.4, QString(QChar(0x03b3)));
}

} // namespace zol

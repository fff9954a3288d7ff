#include "shell/zeichnen/zeichensymbole.h"

#include <QPainter>
#include <QPixmap>

namespace zol {

namespace {

QPixmap leer() {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    return bild;
}

} // namespace

QIcon lupensymbol(bool groesser) {
    QPixmap bild = leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(225, 238, 255));
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(QPen(QColor(0, 70, 170), 2.5));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (groesser) p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
    return QIcon(bild);
}

QIcon eingabesymbol() {
    QPixmap bild = leer();
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 4.5, 25, 23));
    p.setBrush(QColor(190, 205, 230));
    p.drawRect(QRectF(3.5, 4.5, 25, 9));
    p.setPen(QPen(QColor(0, 90, 200), 1.5));
    p.drawLine(QPointF(7, 24), QPointF(14, 17));
    p.drawLine(QPointF(14, 17), QPointF(25, 22));
    return QIcon(bild);
}

} // namespace zol

#include "graph/textmalen.h"

#include <QFontMetricsF>
#include <QPainter>

namespace zol {

void male_textsatz(QPainter& maler, const Textsatz& satz, const QColor& farbe,
                   const QPen& strichstift) {
    maler.save();
    for (const Satzelement& e : satz.elemente) {
        switch (e.art) {
        case Satzelement::text: {
            maler.save();
            maler.setPen(farbe);
            maler.setFont(e.schrift);
            maler.translate(e.a);
            if (e.winkel != 0) maler.rotate(-e.winkel);
            maler.drawText(QPointF(0, QFontMetricsF(e.schrift).ascent()), e.inhalt);
            maler.restore();
            break;
        }
        case Satzelement::strich:
            maler.setPen(strichstift);
            maler.drawLine(e.a, e.b);
            break;
        case Satzelement::punkt: {
            maler.setPen(Qt::NoPen);
            maler.setBrush(farbe);
            const double r = e.b.x() / 2.0;
            maler.drawEllipse(e.a, r, r);
            break;
        }
        }
    }
    maler.restore();
}

} // namespace zol

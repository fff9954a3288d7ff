#include "shell/grafik/farbgitter.h"

#include <QMouseEvent>
#include <QPainter>

namespace zol {

const std::array<QColor, 16>& Tfarbgitter::farben() {
    static const std::array<QColor, 16> f = {
        QColor(0, 0, 0),       QColor(128, 0, 0),   QColor(0, 128, 0),   QColor(128, 128, 0),
        QColor(0, 0, 128),     QColor(128, 0, 128), QColor(0, 128, 128), QColor(128, 128, 128),
        QColor(192, 192, 192), QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(255, 255, 0),
        QColor(0, 0, 255),     QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 255, 255)};
    return f;
}

namespace {
int index_von(const QColor& c) {
    const auto& f = Tfarbgitter::farben();
    for (std::size_t i = 0; i < f.size(); ++i)
        if (f[i].rgb() == c.rgb()) return static_cast<int>(i);
    return -1;
}
} // namespace

Tfarbgitter::Tfarbgitter(QWidget* eltern) : QWidget(eltern) {
    setMinimumSize(4 * 16, 4 * 16);
}

void Tfarbgitter::setze_vordergrund(const QColor& c) {
    if (const int i = index_von(c); i >= 0) vorder_ = i;
    update();
}

void Tfarbgitter::setze_hintergrund(const QColor& c) {
    if (const int i = index_von(c); i >= 0) hinter_ = i;
    update();
}

QRect Tfarbgitter::zellrechteck(int zelle) const {
    const int b = width() / 4, h = height() / 4;
    return {(zelle % 4) * b, (zelle / 4) * h, b, h};
}

int Tfarbgitter::zelle_bei(QPoint p) const {
    for (int i = 0; i < 16; ++i)
        if (zellrechteck(i).contains(p)) return i;
    return -1;
}

void Tfarbgitter::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    for (int i = 0; i < 16; ++i) {
        const QRect r = zellrechteck(i).adjusted(1, 1, -1, -1);
        maler.fillRect(r, farben()[static_cast<std::size_t>(i)]);
        maler.setPen(Qt::gray);
        maler.drawRect(r);
        QString marke;
        if (i == vorder_) marke += QStringLiteral("FG");
        if (i == hinter_) marke += marke.isEmpty() ? QStringLiteral("BG") : QStringLiteral("/BG");
        if (!marke.isEmpty()) {
            // Light text on dark cells and the other way round.
            maler.setPen(qGray(farben()[static_cast<std::size_t>(i)].rgb()) < 128 ? Qt::white
                                                                                  : Qt::black);
            maler.drawText(r, Qt::AlignCenter, marke);
        }
    }
}

void Tfarbgitter::mousePressEvent(QMouseEvent* e) {
    const int i = zelle_bei(e->position().toPoint());
    if (i < 0) return;
    if (e->button() == Qt::LeftButton) {
        vorder_ = i;
        emit vordergrund_gewaehlt(vordergrund());
    } else if (e->button() == Qt::RightButton) {
        hinter_ = i;
        emit hintergrund_gewaehlt(hintergrund());
    }
    update();
}

} // namespace zol

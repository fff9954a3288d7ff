#include "modules/algebra/fraktalbild.h"

#include <QPaintEvent>
#include <QPainter>

namespace zol {

Tfraktalbild::Tfraktalbild(QWidget* eltern) : QWidget(eltern) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Tfraktalbild::setzeBild(const QImage& bild) {
    bild_ = bild;
    setFixedSize(bild_.size());
    update();
}

std::uint32_t* Tfraktalbild::pixel() {
    // bits() detaches a picture that others still share.
    return reinterpret_cast<std::uint32_t*>(bild_.bits());
}

void Tfraktalbild::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    const QRect r = ereignis->rect();
    maler.drawImage(r.topLeft(), bild_, r);
}

} // namespace zol

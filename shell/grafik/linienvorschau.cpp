#include "shell/grafik/linienvorschau.h"

#include <QPainter>

#include <algorithm>

namespace zol {

namespace {

// The preview draws in pixels and always solid: styles 1 to 4 are markers here.
// The preview draws in pixels and always solid: styles 1 to 4 are markers here.
QPen pixelstift(const Tstift& stift) {
    QPen p(stift.farbe);
    p.setWidth(std::max(1, stift.breite));
    return p;
}

// A marker of the given style (1 to 4) centred on m.
void marke(QPainter& maler, int stil, QPointF m) {
    const double r = (stil == 1 || stil == 3) ? 5.0 : 10.0;
    if (stil <= 2)
        maler.drawEllipse(m, r, r);
    else
        maler.drawRect(QRectF(m.x() - r, m.y() - r, 2 * r, 2 * r));
}

void auswahlgrund(QPainter* maler, const QStyleOptionViewItem& o) {
    maler->fillRect(o.rect,
                    (o.state & QStyle::State_Selected) ? o.palette.highlight() : o.palette.base());
}

} // namespace

void male_stiftprobe(QPainter& maler, const Tstift& stift, const QColor& pinsel) {
    maler.save();
    maler.setPen(pixelstift(stift));
    maler.setBrush(pinsel);
    if (stift.stil >= 1 && stift.stil <= 4) {
        for (int i = 1; i <= 10; ++i)
            marke(maler, stift.stil, QPointF(20 * i, 15 * i));
    } else {
        maler.drawLine(QPointF(0, 0), QPointF(200, 120));
    }
    maler.restore();
}

Tlinienvorschau::Tlinienvorschau(QWidget* eltern) : QWidget(eltern) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void Tlinienvorschau::setze(const Tstift& stift, const QColor& pinsel) {
    stift_ = stift;
    pinsel_ = pinsel;
    update();
}

void Tlinienvorschau::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    male_stiftprobe(maler, stift_, pinsel_);
}

void Tstildelegat::paint(QPainter* maler, const QStyleOptionViewItem& o,
                         const QModelIndex& i) const {
    maler->save();
    auswahlgrund(maler, o);
    maler->setPen(QPen((o.state & QStyle::State_Selected) ? o.palette.highlightedText().color()
                                                          : o.palette.text().color(),
                       1));
    maler->setBrush(Qt::NoBrush);
    const QRectF r = o.rect;
    const int stil = i.row();
    if (stil == 0)
        maler->drawLine(QPointF(r.left() + 6, r.center().y()),
                        QPointF(r.right() - 6, r.center().y()));
    else
        marke(*maler, stil, r.center());
    maler->restore();
}

void Tbreitendelegat::paint(QPainter* maler, const QStyleOptionViewItem& o,
                            const QModelIndex& i) const {
    maler->save();
    auswahlgrund(maler, o);
    QPen p((o.state & QStyle::State_Selected) ? o.palette.highlightedText().color()
                                              : o.palette.text().color());
    p.setWidth(i.row() + 1);
    p.setCapStyle(Qt::FlatCap);
    maler->setPen(p);
    const QRectF r = o.rect;
    maler->drawLine(QPointF(r.left() + 6, r.center().y()), QPointF(r.right() - 6, r.center().y()));
    maler->restore();
}

} // namespace zol

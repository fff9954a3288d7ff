#include "shell/zeichnen/seitenansicht.h"

#include "graph/seite.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zol {

Tseitenansicht::Tseitenansicht(Tlist1& liste, QWidget* eltern) : QWidget(eltern), liste_(liste) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    seitengroesseAnpassen();
}

void Tseitenansicht::setzeFaktor(double faktor) {
    faktor_ = faktor;
    seitengroesseAnpassen();
    update();
}

QSize Tseitenansicht::seitenpixel() const {
    auto pixel = [this](std::int32_t einheiten) {
        const double p = std::trunc(faktor_ * einheiten);
        return static_cast<int>(std::clamp(p, 1.0, 30000.0));
    };
    return {pixel(liste_.seitenbreite), pixel(liste_.seitenhoehe)};
}

void Tseitenansicht::seitengroesseAnpassen() {
    setFixedSize(seitenpixel());
}

QTransform Tseitenansicht::abbildung() const {
    return seitenansicht(faktor_);
}

Tpunkt Tseitenansicht::seitenpunkt_bei(QPointF punkt) const {
    return seitenpunkt(abbildung(), punkt);
}

void Tseitenansicht::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    maler.setClipRegion(ereignis->region());
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    // Page points land on pixel centres, so that thin axis lines stay crisp.
    maler.setTransform(abbildung() * QTransform::fromTranslate(0.5, 0.5));
    liste_.hintergrund(maler);
    liste_.zeichnealle(maler);
}

void Tseitenansicht::mousePressEvent(QMouseEvent* ereignis) {
    emit gedrueckt(seitenpunkt_bei(ereignis->position()));
    QWidget::mousePressEvent(ereignis);
}

void Tseitenansicht::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    emit doppelklick(seitenpunkt_bei(ereignis->position()));
    QWidget::mouseDoubleClickEvent(ereignis);
}

} // namespace zol

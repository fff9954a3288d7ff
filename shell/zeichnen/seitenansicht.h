#pragma once
// The page of the plot window on screen: the display list painted with the view mapping (a
// number of pixels per page unit), at a size that follows the page and the view factor. Mouse
// presses are reported in page coordinates.
#include "graph/tlist1.h"

#include <QTransform>
#include <QWidget>

namespace zol {

class Tseitenansicht : public QWidget {
    Q_OBJECT
public:
    explicit Tseitenansicht(Tlist1& liste, QWidget* eltern = nullptr);

    double faktor() const { return faktor_; }
    // Sets the view factor and resizes to the page.
    void setzeFaktor(double faktor);
    // Resizes to the page size of the list (after a change of the page).
    void seitengroesseAnpassen();
    // trunc(factor * page width) by trunc(factor * page height) pixels.
    QSize seitenpixel() const;

    QTransform abbildung() const;
    // The page point under a point of this widget (the scroll position is already in it).
    Tpunkt seitenpunkt_bei(QPointF punkt) const;

signals:
    void gedrueckt(zol::Tpunkt seitenpunkt);
    void doppelklick(zol::Tpunkt seitenpunkt);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;

private:
    Tlist1& liste_;
    double faktor_ = 0.3;
};

} // namespace zol

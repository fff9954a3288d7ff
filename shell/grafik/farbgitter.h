#pragma once
// The 16 basic colours in a 4 x 4 grid: the left button chooses the foreground colour (FG), the
// right button the background colour (BG).
#include <QColor>
#include <QWidget>

#include <array>

namespace zol {

class Tfarbgitter : public QWidget {
    Q_OBJECT

public:
    static const std::array<QColor, 16>& farben();

    explicit Tfarbgitter(QWidget* eltern = nullptr);
    QColor vordergrund() const { return farben()[static_cast<std::size_t>(vorder_)]; }
    QColor hintergrund() const { return farben()[static_cast<std::size_t>(hinter_)]; }
    // Marks the cell of the colour (when it is one of the 16).
    void setze_vordergrund(const QColor& c);
    void setze_hintergrund(const QColor& c);
    // The cell under a point, or -1.
    int zelle_bei(QPoint p) const;
    QRect zellrechteck(int zelle) const;

    QSize sizeHint() const override { return {4 * 24, 4 * 24}; }

signals:
    void vordergrund_gewaehlt(const QColor& farbe);
    void hintergrund_gewaehlt(const QColor& farbe);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int vorder_ = 0;  // black
    int hinter_ = 15; // white
};

} // namespace zol

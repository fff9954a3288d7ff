#pragma once
// The sketch beside the triangle inputs: vertices A, B, C, the sides a, b, c opposite them and
// the angles α, β, γ, with the right angle at C marked when the page asks for it.
#include <QWidget>

namespace zol {

class Dreiecksskizze : public QWidget {
    Q_OBJECT
public:
    explicit Dreiecksskizze(bool rechtwinklig, QWidget* eltern = nullptr);
    QSize sizeHint() const override { return {170, 130}; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    bool rechtwinklig_;
};

} // namespace zol

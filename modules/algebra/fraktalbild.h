#pragma once
// The picture of the fractal window ("Image1"): shows a bitmap at its own size, top-left, and
// offers it as the property "bild", which batch mode prints as size and colour counts.
#include <QImage>
#include <QWidget>

#include <cstdint>

namespace zol {

class Tfraktalbild : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage bild READ bild)

public:
    explicit Tfraktalbild(QWidget* eltern = nullptr);

    QImage bild() const { return bild_; }
    // A new picture; the widget takes its size.
    void setzeBild(const QImage& bild);
    // The pixels of a 32-bit picture, row after row without gaps, to be overwritten in place
    // (call update() afterwards).
    std::uint32_t* pixel();

    QSize sizeHint() const override { return bild_.size(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QImage bild_;
};

} // namespace zol

#pragma once
// Looking at pictures in tests: where the drawing lies in an exported bitmap.
#include <QImage>

#include <utility>

namespace zol::test {

// The first and last column that hold a dark pixel; -1, -1 for a blank picture.
inline std::pair<int, int> dunkle_spalten(const QImage& bild) {
    int erste = -1, letzte = -1;
    for (int x = 0; x < bild.width(); ++x)
        for (int y = 0; y < bild.height(); ++y)
            if (qGray(bild.pixel(x, y)) < 128) {
                if (erste < 0) erste = x;
                letzte = x;
                break;
            }
    return {erste, letzte};
}

} // namespace zol::test

#include "graph/seite.h"

#include <QPointF>
#include <gtest/gtest.h>

namespace {

// A 100 mm line must come out 100 mm long on every device, with y pointing up.
TEST(Seitenabbildung, HundertMillimeterBleibenHundertMillimeter) {
    for (double dpi : {96.0, 300.0, 600.0}) {
        const QTransform t = zol::seitenabbildung(dpi, 2970);
        const QPointF unten = t.map(QPointF(0, 0));
        const QPointF oben = t.map(QPointF(0, 1000));
        EXPECT_NEAR(unten.y() - oben.y(), 100.0 / 25.4 * dpi, 1e-9) << dpi;
        EXPECT_NEAR(unten.y(), 297.0 / 25.4 * dpi, 1e-9) << dpi;
        EXPECT_NEAR(t.map(QPointF(1000, 0)).x(), 100.0 / 25.4 * dpi, 1e-9) << dpi;
    }
}

} // namespace

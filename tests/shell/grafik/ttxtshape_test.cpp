#include "shell/grafik/ttxtshape.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMetaEnum>
#include <gtest/gtest.h>

namespace {

using zol::Ttxtshape;

QImage bild(Ttxtshape& t) {
    QImage b(t.size(), QImage::Format_RGB32);
    b.fill(Qt::white);
    t.render(&b);
    return b;
}

bool dunkel(const QImage& b, int x, int y) {
    return qGray(b.pixel(x, y)) < 160;
}

TEST(Ttxtshape, VeroeffentlichteEigenschaften) {
    Ttxtshape t;
    EXPECT_TRUE(t.property("ShowText").toBool());
    EXPECT_TRUE(t.property("ShowRahmen").toBool());
    EXPECT_TRUE(t.setProperty("Textposx", 12));
    EXPECT_TRUE(t.setProperty("Textposy", 7));
    EXPECT_TRUE(t.setProperty("text", "a\\f(1;2)"));
    EXPECT_EQ(t.textposx(), 12);
    EXPECT_EQ(t.textposy(), 7);
    EXPECT_EQ(t.text(), "a\\f(1;2)");
    const QMetaEnum formen = QMetaEnum::fromType<Ttxtshape::Form>();
    ASSERT_EQ(formen.keyCount(), 9);
    const char* namen[] = {"sstline",        "ssthor",     "sstver",
                           "sstRectangle",   "sstSquare",  "sstRoundRect",
                           "sstRoundSquare", "sstEllipse", "sstCircle"};
    for (int i = 0; i < 9; ++i)
        EXPECT_STREQ(formen.key(i), namen[i]);
    EXPECT_TRUE(t.setProperty("Shape", QVariant::fromValue(Ttxtshape::sstCircle)));
    EXPECT_EQ(t.shape(), Ttxtshape::sstCircle);
}

// In pixels with y downward: the index lies half a line lower, at two thirds of the size.
TEST(Ttxtshape, TextInPixelkoordinaten) {
    Ttxtshape t;
    QFont f("Courier New");
    f.setPointSize(12);
    t.setFont(f);
    t.setText("x\\d(1)");
    t.setTextposx(10);
    t.setTextposy(5);
    const zol::Textsatz s = t.satz();
    ASSERT_EQ(s.elemente.size(), 2u);
    const double einheit = t.logicalDpiY() / 72.0;
    EXPECT_EQ(s.elemente[0].a, QPointF(10, 5));
    EXPECT_EQ(s.elemente[0].schrift.pixelSize(), qRound(12 * einheit));
    EXPECT_EQ(s.elemente[1].schrift.pixelSize(), qRound(8 * einheit));
    const QFontMetricsF m(s.elemente[0].schrift);
    EXPECT_NEAR(s.elemente[1].a.x(), 10 + m.horizontalAdvance("x"), 1e-6);
    EXPECT_NEAR(s.elemente[1].a.y(), 5 + s.h / 2, 1e-6);
    EXPECT_NEAR(s.h, m.height(), 1e-6);
}

// Frame shapes inside the control; nothing of the frame when ShowRahmen is off.
TEST(Ttxtshape, Formen) {
    struct Fall {
        Ttxtshape::Form form;
        QPoint tinte;
        QPoint leer;
    };
    const Fall faelle[] = {
        {Ttxtshape::sstline, {50, 30}, {90, 5}},   {Ttxtshape::ssthor, {20, 30}, {50, 5}},
        {Ttxtshape::sstver, {50, 10}, {10, 30}},   {Ttxtshape::sstRectangle, {1, 30}, {50, 30}},
        {Ttxtshape::sstSquare, {20, 30}, {5, 30}}, {Ttxtshape::sstRoundRect, {50, 1}, {1, 1}},
        {Ttxtshape::sstEllipse, {50, 1}, {2, 2}},  {Ttxtshape::sstCircle, {50, 1}, {22, 3}},
    };
    for (const Fall& f : faelle) {
        Ttxtshape t;
        t.resize(100, 60);
        t.setShape(f.form);
        t.setPen(QPen(Qt::black, 2));
        t.setBrush(Qt::NoBrush);
        QImage b = bild(t);
        EXPECT_TRUE(dunkel(b, f.tinte.x(), f.tinte.y())) << f.form;
        EXPECT_FALSE(dunkel(b, f.leer.x(), f.leer.y())) << f.form;
        t.setShowRahmen(false);
        b = bild(t);
        EXPECT_FALSE(dunkel(b, f.tinte.x(), f.tinte.y())) << f.form;
    }
}

TEST(Ttxtshape, TextNurWennGezeigt) {
    Ttxtshape t;
    t.resize(120, 50);
    t.setShowRahmen(false);
    t.setText("MMMM");
    t.setTextposx(5);
    t.setTextposy(5);
    auto tinte = [&] {
        const QImage b = bild(t);
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += dunkel(b, x, y);
        return n;
    };
    EXPECT_GT(tinte(), 20);
    t.setShowText(false);
    EXPECT_EQ(tinte(), 0);
}

} // namespace

#include "shell/grafik/farbgitter.h"
#include "shell/grafik/tliniedlg.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using zol::Tfarbgitter;
using zol::Tliniedlg;
using zol::Tstift;

QListWidget* liste(Tliniedlg& d, const char* name) {
    return d.findChild<QListWidget*>(QLatin1String(name));
}

TEST(Tliniedlg, Aufbau) {
    Tliniedlg d;
    EXPECT_EQ(d.windowTitle(), "Linien und Farben");
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(d.isModal());
    ASSERT_NE(liste(d, "linienart"), nullptr);
    ASSERT_NE(liste(d, "stiftbreite"), nullptr);
    EXPECT_EQ(liste(d, "linienart")->count(), 5);
    EXPECT_EQ(liste(d, "stiftbreite")->count(), 25);
    EXPECT_NE(d.findChild<QWidget*>("image1"), nullptr);
    EXPECT_NE(d.findChild<Tfarbgitter*>("farbe"), nullptr);
}

// The lists mark the pen that was handed in; choosing items changes style and width.
TEST(Tliniedlg, ListenUndFarbgitter) {
    Tliniedlg d;
    d.setze_stift(Tstift{Qt::blue, 4, 3});
    EXPECT_EQ(liste(d, "linienart")->currentRow(), 3);
    EXPECT_EQ(liste(d, "stiftbreite")->currentRow(), 3);
    EXPECT_EQ(d.stift(), (Tstift{Qt::blue, 4, 3}));

    liste(d, "linienart")->setCurrentRow(2);
    liste(d, "stiftbreite")->setCurrentRow(9);
    EXPECT_EQ(d.stift().stil, 2);
    EXPECT_EQ(d.stift().breite, 10);

    auto* gitter = d.findChild<Tfarbgitter*>("farbe");
    gitter->resize(96, 96);
    QTest::mouseClick(gitter, Qt::LeftButton, {}, gitter->zellrechteck(9).center());
    QTest::mouseClick(gitter, Qt::RightButton, {}, gitter->zellrechteck(11).center());
    EXPECT_EQ(d.stift().farbe, QColor(255, 0, 0));
    EXPECT_EQ(d.pinselfarbe(), QColor(255, 255, 0));

    // A style or width outside the lists marks the first item.
    d.setze_stift(Tstift{Qt::black, 40, 9});
    EXPECT_EQ(liste(d, "linienart")->currentRow(), 0);
    EXPECT_EQ(liste(d, "stiftbreite")->currentRow(), 0);
    EXPECT_EQ(d.stift().breite, 40);
}

// Style 0 is a line from (0, 0) to (200, 120); styles 1 to 4 are ten markers at (20 i, 15 i).
TEST(Tliniedlg, Vorschau) {
    struct Fall {
        Tstift stift;
        QPoint tinte;
        QPoint leer;
    };
    const Fall faelle[] = {
        {{Qt::red, 3, 0}, {100, 60}, {100, 100}},
        {{Qt::red, 1, 3}, {35, 30}, {100, 60}}, // small square around (40, 30): left edge
        {{Qt::red, 1, 4}, {30, 30}, {40, 30}},  // large square around (40, 30)
        {{Qt::red, 1, 2}, {40, 20}, {40, 30}},  // large circle: top at (40, 20)
    };
    for (const Fall& f : faelle) {
        Tliniedlg d;
        d.setze_stift(f.stift);
        auto* vorschau = d.findChild<QWidget*>("image1");
        vorschau->resize(220, 170);
        QImage b(vorschau->size(), QImage::Format_RGB32);
        b.fill(Qt::white);
        vorschau->render(&b);
        EXPECT_EQ(QColor(b.pixel(f.tinte)), QColor(Qt::red)) << f.stift.stil;
        EXPECT_EQ(QColor(b.pixel(f.leer)), QColor(Qt::white)) << f.stift.stil;
    }
}

// Driven through its modal loop: OK hands the new pen back, Cancel leaves the pen alone.
TEST(Tliniedlg, BearbeiteMitOkUndAbbrechen) {
    for (const bool ok : {true, false}) {
        Tstift stift{Qt::blue, 2, 0};
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<Tliniedlg*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->findChild<QListWidget*>("linienart")->setCurrentRow(4);
            if (ok)
                d->accept();
            else
                d->reject();
        });
        EXPECT_EQ(Tliniedlg::bearbeite(stift), ok);
        EXPECT_EQ(stift, (Tstift{Qt::blue, 2, ok ? 4 : 0}));
    }
}

TEST(Tliniedlg, ListenpunkteWerdenGezeichnet) {
    Tliniedlg d;
    for (const char* name : {"linienart", "stiftbreite"}) {
        QListWidget* l = liste(d, name);
        l->resize(90, 300);
        l->setCurrentRow(-1);
        QImage b(l->size(), QImage::Format_RGB32);
        b.fill(Qt::white);
        l->render(&b);
        const QRect zeile = l->visualItemRect(l->item(1));
        int tinte = 0;
        for (int y = zeile.top(); y <= zeile.bottom(); ++y)
            for (int x = zeile.left(); x <= zeile.right(); ++x)
                tinte += qGray(b.pixel(x, y)) < 128;
        EXPECT_GT(tinte, 5) << name;
    }
}

} // namespace

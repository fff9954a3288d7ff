// The glyphs of the main window's buttons, drawn rather than loaded, so they need no files.
#include "shell/haupt/knopfleiste.h"
#include "shell/rahmen/symbole.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <cmath>
#include <functional>

namespace zol {

namespace {

// Glyphs are drawn on a 20 x 20 grid at twice the resolution, so they stay sharp when scaled.
using Maler = std::function<void(QPainter&)>;

QIcon zeichne(const Maler& maler) {
    QPixmap bild(40, 40);
    bild.fill(Qt::transparent);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(2, 2);
        maler(p);
    }
    return QIcon(bild);
}

const QColor blau(0, 70, 170), rot(190, 20, 20), gruen(0, 120, 40), grau(90, 90, 90),
    lila(120, 40, 140), braun(140, 80, 0);

Maler wort(const QString& text, const QColor& farbe, int pixel = 0) {
    return [=](QPainter& p) {
        QFont schrift(QStringLiteral("Liberation Sans"));
        schrift.setBold(true);
        schrift.setPixelSize(pixel > 0 ? pixel
                                       : (text.size() > 2    ? 8
                                          : text.size() == 2 ? 10
                                                             : 14));
        p.setFont(schrift);
        p.setPen(farbe);
        p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, text);
    };
}

void achsen(QPainter& p) {
    p.setPen(QPen(grau, 1));
    p.drawLine(QPointF(2, 17), QPointF(18, 17));
    p.drawLine(QPointF(3, 18), QPointF(3, 2));
}

void parabel(QPainter& p, const QColor& farbe) {
    QPainterPath weg;
    weg.moveTo(5, 3);
    weg.quadTo(10.5, 25, 16, 3);
    p.setPen(QPen(farbe, 1.6));
    p.drawPath(weg);
}

void pfeil(QPainter& p, QPointF von, QPointF nach, const QColor& farbe) {
    p.setPen(QPen(farbe, 1.6));
    p.drawLine(von, nach);
    const QPointF r = nach - von;
    const double l = std::hypot(r.x(), r.y());
    const QPointF e = r / l, n(-e.y(), e.x());
    QPolygonF spitze{nach, nach - 4 * e + 2.5 * n, nach - 4 * e - 2.5 * n};
    p.setBrush(farbe);
    p.setPen(Qt::NoPen);
    p.drawPolygon(spitze);
    p.setBrush(Qt::NoBrush);
}

void dreiecke(QPainter& p, bool rueckwaerts) {
    p.setPen(Qt::NoPen);
    p.setBrush(blau);
    for (double x : {4.0, 10.0}) {
        QPolygonF d = rueckwaerts ? QPolygonF{{x + 6, 4}, {x + 6, 16}, {x, 10}}
                                  : QPolygonF{{x, 4}, {x, 16}, {x + 6, 10}};
        p.drawPolygon(d);
    }
}

Maler maler_fuer(int tag) {
    QStyle* stil = QApplication::style();
    auto standard = [stil](QStyle::StandardPixmap art) {
        return [stil, art](QPainter& p) {
            p.drawPixmap(QRectF(1, 1, 18, 18), stil->standardIcon(art).pixmap(36, 36),
                         QRectF(0, 0, 36, 36));
        };
    };
    switch (tag) {
    case 1:
        return [](QPainter& p) {
            pfeil(p, {3, 7}, {17, 7}, blau);
            pfeil(p, {17, 13}, {3, 13}, blau);
        };
    case 2:
        return standard(QStyle::SP_DialogOpenButton);
    case 3:
        return standard(QStyle::SP_DialogSaveButton);
    case 4:
        return [standard](QPainter& p) {
            standard(QStyle::SP_DialogSaveButton)(p);
            wort(QStringLiteral("…"), rot, 12)(p);
        };
    case 5: // the topic windows' picture, so "Beenden" looks alike everywhere
        return [](QPainter& p) {
            p.drawPixmap(QRectF(1, 1, 18, 18), befehlssymbol(Befehl::beenden).pixmap(32, 32),
                         QRectF(0, 0, 32, 32));
        };
    case 6:
        return wort(QStringLiteral("?"), blau, 16);
    case 7:
        return [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(gruen);
            p.drawPolygon(QPolygonF{{5, 3}, {5, 17}, {16, 10}});
        };
    case 8:
        return wort(QStringLiteral("f="), blau, 11);
    case 9:
        return wort(QStringLiteral("f:="), rot, 9);
    case 10:
        return wort(QStringLiteral("0,0"), Qt::black, 9);
    case 11:
        return [](QPainter& p) {
            p.setPen(QPen(grau, 1));
            p.setBrush(QColor(250, 250, 235));
            p.drawRect(QRectF(3, 2, 14, 16));
            wort(QStringLiteral("="), gruen, 14)(p);
        };
    case 12:
        return [](QPainter& p) {
            p.setPen(QPen(grau, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(2, 3, 16, 14));
            p.fillRect(QRectF(2.5, 3.5, 15, 3.5), QColor(200, 215, 240));
            for (double x : {7.5, 12.5})
                p.drawLine(QPointF(x, 3), QPointF(x, 17));
            for (double y : {7.0, 10.5, 14.0})
                p.drawLine(QPointF(2, y), QPointF(18, y));
        };
    case 13:
        return [](QPainter& p) {
            achsen(p);
            QPainterPath weg;
            weg.moveTo(4, 14);
            weg.cubicTo(8, 0, 12, 22, 17, 4);
            p.setPen(QPen(blau, 1.6));
            p.drawPath(weg);
        };
    case 14:
        return wort(QStringLiteral("x|y"), blau, 9);
    case 15:
        return [](QPainter& p) {
            achsen(p);
            parabel(p, blau);
            p.setPen(Qt::NoPen);
            p.setBrush(rot);
            p.drawEllipse(QPointF(10.5, 13.9), 1.8, 1.8);
        };
    case 16:
        return [](QPainter& p) {
            achsen(p);
            parabel(p, blau);
            p.setPen(QPen(rot, 1.6));
            p.drawLine(QPointF(4, 15), QPointF(18, 4));
        };
    case 17:
        return wort(QStringLiteral("x³"), blau, 12);
    case 18:
        return wort(QStringLiteral("p/q"), blau, 9);
    case 19:
        return wort(QStringLiteral("f′"), lila, 14);
    case 20:
        return [](QPainter& p) {
            parabel(p, blau);
            p.setPen(QPen(rot, 1.4));
            p.drawLine(QPointF(2, 18), QPointF(18, 2));
        };
    case 21:
        return wort(QStringLiteral("ggT"), braun, 8);
    case 22:
        return wort(QStringLiteral("½"), braun, 15);
    case 23:
        return wort(QStringLiteral("P±"), braun, 11);
    case 24:
        return wort(QStringLiteral("a+i"), braun, 9);
    case 25:
        return wort(QStringLiteral("IV"), braun, 12);
    case 26:
        return [](QPainter& p) {
            p.setPen(QPen(lila, 1));
            p.setBrush(QColor(170, 110, 200));
            p.drawEllipse(QPointF(12, 10), 5, 5);
            p.drawEllipse(QPointF(5.5, 10), 2.2, 2.2);
            p.drawEllipse(QPointF(12, 3.8), 1.4, 1.4);
            p.drawEllipse(QPointF(12, 16.2), 1.4, 1.4);
            p.drawEllipse(QPointF(2.5, 10), 0.9, 0.9);
        };
    case 27:
        return [](QPainter& p) {
            achsen(p);
            pfeil(p, {4, 16}, {16, 5}, gruen);
        };
    case 28:
        return [](QPainter& p) {
            p.setPen(QPen(gruen, 1.6));
            p.setBrush(QColor(200, 235, 200));
            p.drawPolygon(QPolygonF{{2, 17}, {18, 17}, {7, 3}});
        };
    case 29:
        return [](QPainter& p) {
            p.setPen(QPen(gruen, 1.6));
            p.setBrush(QColor(200, 235, 200));
            p.drawPolygon(QPolygonF{{2, 16}, {15, 16}, {18, 4}, {6, 4}});
        };
    case 30:
        return [](QPainter& p) {
            p.setPen(QPen(gruen, 1.2));
            p.setBrush(QColor(200, 235, 200));
            p.drawPolygon(QPolygonF{{2, 16}, {8, 16}, {3, 5}});
            p.setBrush(QColor(240, 210, 210));
            p.setPen(QPen(rot, 1.2));
            p.drawPolygon(QPolygonF{{18, 16}, {12, 16}, {17, 5}});
            p.setPen(QPen(grau, 1, Qt::DashLine));
            p.drawLine(QPointF(10, 2), QPointF(10, 18));
        };
    case 31:
        return [](QPainter& p) {
            achsen(p);
            p.setPen(QPen(blau, 1.6));
            p.drawLine(QPointF(3, 15), QPointF(18, 3));
        };
    case 32:
        return [](QPainter& p) {
            achsen(p);
            parabel(p, blau);
        };
    case 33:
        return [](QPainter& p) {
            parabel(p, blau);
            p.setPen(QPen(rot, 1.4));
            p.drawLine(QPointF(2, 12), QPointF(18, 7));
        };
    case 34:
        return [](QPainter& p) {
            pfeil(p, {7, 13}, {18, 13}, grau);
            pfeil(p, {7, 13}, {7, 2}, grau);
            pfeil(p, {7, 13}, {2, 18}, grau);
            pfeil(p, {7, 13}, {16, 5}, gruen);
        };
    case 35:
        return wort(QStringLiteral("P-g"), gruen, 9);
    case 36:
        return wort(QStringLiteral("P-E"), gruen, 9);
    case 37:
        return [](QPainter& p) {
            p.setPen(QPen(gruen, 1.2));
            p.setBrush(QColor(200, 235, 200));
            p.drawPolygon(QPolygonF{{2, 15}, {13, 15}, {18, 5}, {7, 5}});
        };
    case 38:
        return wort(QStringLiteral("E∩E"), gruen, 8);
    case 39:
        return wort(QStringLiteral("g∩E"), gruen, 8);
    case 40:
        return wort(QStringLiteral("g∩g"), gruen, 8);
    case 41:
        return wort(QStringLiteral("|A|"), rot, 10);
    case 42:
        return wort(QStringLiteral("LGS"), rot, 8);
    case 43:
        return [](QPainter& p) {
            QPainterPath weg;
            weg.moveTo(2, 14);
            weg.cubicTo(6, 0, 13, 22, 18, 5);
            p.setPen(QPen(blau, 1.3));
            p.drawPath(weg);
            p.setPen(Qt::NoPen);
            p.setBrush(rot);
            for (QPointF punkt :
                 {QPointF(2, 14), QPointF(7.6, 8.9), QPointF(13, 10.9), QPointF(18, 5)})
                p.drawEllipse(punkt, 1.7, 1.7);
        };
    case 44:
        return wort(QStringLiteral("[A]"), rot, 10);
    case 45:
        return [](QPainter& p) {
            QPainterPath weg;
            for (int i = 0; i <= 32; ++i) {
                const double x = 2 + i * 0.5;
                const double y = 10 - 6 * std::sin(i * 3.14159265 / 8);
                i == 0 ? weg.moveTo(x, y) : weg.lineTo(x, y);
            }
            p.setPen(QPen(blau, 1.5));
            p.drawPath(weg);
        };
    case 46:
        return wort(QStringLiteral("FFT"), blau, 8);
    case 47:
        return [](QPainter& p) {
            const double hoehen[] = {2, 6, 11, 14, 11, 6, 2};
            p.setPen(Qt::NoPen);
            p.setBrush(blau);
            for (int i = 0; i < 7; ++i)
                p.drawRect(QRectF(2 + i * 2.4, 18 - hoehen[i], 1.8, hoehen[i]));
        };
    case 48:
        return wort(QStringLiteral("Σ"), blau, 15);
    case 49:
        return wort(QStringLiteral("n!"), blau, 12);
    case 50:
        return [](QPainter& p) { dreiecke(p, true); };
    case 51:
        return [](QPainter& p) { dreiecke(p, false); };
    default:
        return wort(QString::number(tag), grau);
    }
}

// A small window frame with a marker inside.
Maler rahmen(const std::function<void(QPainter&)>& innen) {
    return [innen](QPainter& p) {
        p.setPen(QPen(grau, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 3.5, 15, 13));
        p.fillRect(QRectF(3, 4, 14, 3), blau);
        innen(p);
    };
}

} // namespace

QIcon knopfsymbol(int tag) {
    return zeichne(maler_fuer(tag));
}

QIcon verwaltungssymbol(Verwaltungssymbol art) {
    switch (art) {
    case Verwaltungssymbol::normal:
        return zeichne(rahmen([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(QRectF(6.5, 9.5, 7, 5));
        }));
    case Verwaltungssymbol::maximieren:
        return zeichne(rahmen([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1.4));
            p.drawRect(QRectF(4.5, 8.5, 11, 6.5));
        }));
    case Verwaltungssymbol::minimieren:
        return zeichne(rahmen([](QPainter& p) {
            p.setPen(QPen(Qt::black, 1.8));
            p.drawLine(QPointF(6, 14), QPointF(14, 14));
        }));
    case Verwaltungssymbol::aktualisieren:
        return zeichne([](QPainter& p) {
            p.setPen(QPen(gruen, 1.8));
            p.drawArc(QRectF(4, 4, 12, 12), 90 * 16, 270 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(gruen);
            p.drawPolygon(QPolygonF{{9, 1}, {13.5, 4}, {9, 7}});
        });
    case Verwaltungssymbol::themen:
    case Verwaltungssymbol::alles:
        return zeichne([art](QPainter& p) {
            p.setPen(QPen(blau, 1.6));
            const bool alles = art == Verwaltungssymbol::alles;
            const double zeilen[] = {4, 8, 12, 16};
            for (int i = 0; i < 4; ++i) {
                if (!alles && i % 2 == 1) continue;
                const double einzug = alles && i % 2 == 1 ? 7 : 3;
                p.drawLine(QPointF(einzug, zeilen[i]), QPointF(17, zeilen[i]));
            }
        });
    }
    return {};
}

} // namespace zol

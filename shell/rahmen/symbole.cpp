#include "shell/rahmen/symbole.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace zol {

namespace {

// A small picture drawn from a word or sign, for commands the style has no picture for.
QIcon wortsymbol(const QString& text, const QColor& farbe) {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(text.size() > 2 ? 12 : 18);
    p.setFont(schrift);
    p.setPen(farbe);
    p.drawText(bild.rect(), Qt::AlignCenter, text);
    return QIcon(bild);
}

QIcon kurvensymbol() {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(3, 28, 29, 28);
    p.drawLine(5, 30, 5, 3);
    QPainterPath kurve;
    kurve.moveTo(6, 6);
    kurve.cubicTo(12, 34, 20, 34, 28, 6);
    p.setPen(QPen(QColor(0, 90, 200), 2));
    p.drawPath(kurve);
    return QIcon(bild);
}

// Cut, copy and paste drawn from simple shapes, so they look the same with any font.
QIcon ablagesymbol(Befehl befehl) {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.6));
    if (befehl == Befehl::ausschneiden) {
        p.drawLine(10, 4, 20, 20);
        p.drawLine(22, 4, 12, 20);
        p.drawEllipse(QPointF(9, 24), 4, 4);
        p.drawEllipse(QPointF(23, 24), 4, 4);
    } else if (befehl == Befehl::kopieren) {
        p.setBrush(Qt::white);
        p.drawRect(5, 4, 14, 18);
        p.drawRect(13, 10, 14, 18);
    } else {
        p.setBrush(QColor(200, 160, 100));
        p.drawRoundedRect(6, 5, 20, 24, 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(11, 11, 14, 16);
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(12, 3, 8, 5);
    }
    return QIcon(bild);
}

// An open door with an arrow leaving it: a cross would look like the scissors beside it.
QIcon ausgangssymbol() {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1.6));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(4, 3, 15, 26));
    p.setBrush(QColor(150, 90, 30));
    p.drawPolygon(QPolygonF{{4, 3}, {12, 6}, {12, 31}, {4, 29}});
    p.setBrush(QColor(250, 210, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(10.2, 17.5), 1.3, 1.3);
    const QColor rot(190, 20, 20);
    p.setPen(QPen(rot, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 16), QPointF(25, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(rot);
    p.drawPolygon(QPolygonF{{30, 16}, {23, 10.5}, {23, 21.5}});
    return QIcon(bild);
}

} // namespace

QIcon befehlssymbol(Befehl befehl) {
    QStyle* stil = QApplication::style();
    switch (befehl) {
    case Befehl::oeffnen:
        return stil->standardIcon(QStyle::SP_DialogOpenButton);
    case Befehl::speichern:
        return stil->standardIcon(QStyle::SP_DialogSaveButton);
    case Befehl::speichern_unter:
        return wortsymbol(QStringLiteral("…"), Qt::darkBlue);
    case Befehl::beenden:
        return ausgangssymbol();
    case Befehl::hilfe:
        // The style's help icon is a red life ring that reads as "close"; the main window's
        // question mark is what pupils know.
        return wortsymbol(QStringLiteral("?"), Qt::darkBlue);
    case Befehl::hauptmenue:
        return stil->standardIcon(QStyle::SP_DirHomeIcon);
    case Befehl::zeichnen:
        return kurvensymbol();
    case Befehl::tabellenkalkulation:
        return stil->standardIcon(QStyle::SP_FileDialogDetailedView);
    case Befehl::rechnenfenster:
        return wortsymbol(QStringLiteral("="), Qt::darkGreen);
    case Befehl::ergebnisse_definieren:
        return wortsymbol(QStringLiteral("f:="), Qt::darkRed);
    case Befehl::zahlenformat:
        return wortsymbol(QStringLiteral("0,0"), Qt::black);
    case Befehl::projektformeln:
        return wortsymbol(QStringLiteral("f(x)"), Qt::darkBlue);
    case Befehl::ausschneiden:
    case Befehl::kopieren:
    case Befehl::einfuegen:
        return ablagesymbol(befehl);
    default:
        return {};
    }
}

} // namespace zol

// Renders a sample page without a display and writes it as a picture:
//   seite_bild DATEI.png [PIXEL_JE_MM]
// The default page with f(x) = x*x, its derivative and integral, a family, a parametric curve
// and a free text in the text language.
#include "engine/fktbaum.h"
#include "graph/neuaufbau.h"
#include "graph/seite.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: seite_bild DATEI.png [PIXEL_JE_MM]\n");
        return 2;
    }
    const double pixel_je_mm = argc > 2 ? QString(argv[2]).toDouble() : 6.0;

    zol::Tfktbaum baum;
    zol::Tzeichenvorgaben v;
    v.formeln = &baum;
    v.freitext = {"\\Fn(Arial)f(x) = x\\u(2),  f'(x) = 2\\mx,  F(x) = \\f(1;3)x\\u(3) + 9",
                  "Schar: s\\d(t)(x) = sin(x) + t,  \\c(a) = \\r(x\\d(1)\\u(2) + y\\d(1)\\u(2)), "
                  "\\v(a), \\w(2)"};

    std::vector<zol::Teinzelnefkt> kurven;
    auto funktion = [&](const char* name, QColor farbe, int welche) {
        zol::Teinzelnefkt e;
        e.name = name;
        e.farbe = farbe;
        e.breite = 4;
        e.zeigewert = welche == 0;
        e.zeigeableit = welche == 1;
        e.zeigeintegral = welche == 3;
        kurven.push_back(e);
    };
    funktion("f(x)=x*x", Qt::blue, 0);
    funktion("f(x)=x*x", Qt::red, 1);
    funktion("f(x)=x*x", QColor(0, 140, 0), 3);
    zol::Teinzelnefkt schar;
    schar.art = zol::Teinzelnefkt::schar;
    schar.name = "s(x)=sin(x)+t";
    schar.name2 = "t";
    schar.scharvon = -2;
    schar.scharschritt = 1;
    schar.scharanzahl = 4;
    schar.farbe = Qt::darkGray;
    schar.breite = 2;
    kurven.push_back(schar);
    zol::Teinzelnefkt para;
    para.art = zol::Teinzelnefkt::parameter;
    para.name = "x(t)=2*sin(t)";
    para.name2 = "y(t)=2*cos(t)";
    para.scharvon = -3;
    para.scharschritt = 3;
    para.scharanzahl = 50;
    para.farbe = Qt::magenta;
    para.breite = 3;
    para.stil = 1;
    kurven.push_back(para);
    zol::Tlist1 seite;
    zol::neuaufbau(seite, v, kurven);

    const double f = pixel_je_mm / 10.0;
    QImage bild(int(seite.seitenbreite * f), int(seite.seitenhoehe * f), QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setRenderHint(QPainter::TextAntialiasing);
        maler.setTransform(zol::seitenansicht(f));
        seite.hintergrund(maler);
        seite.zeichnealle(maler);
    }
    if (!bild.save(argv[1])) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden.\n", argv[1]);
        return 1;
    }
    std::printf("%d Objekte, %dx%d Pixel\n", seite.anzahl(), bild.width(), bild.height());
    return 0;
}

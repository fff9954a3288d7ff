#include "graph/metadatei/metadatei.h"
#include "metaleser.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <numeric>
#include <sys/resource.h>
#include <unistd.h>

namespace zol {
namespace {

using test::Metabild;
using test::Zeichnung;

constexpr Metaformat formate[] = {Metaformat::wmf, Metaformat::emf};

const char* name(Metaformat f) {
    return f == Metaformat::wmf ? "WMF" : "EMF";
}

Metabild lies(const Tmetadatei& d) {
    return d.format() == Metaformat::wmf ? test::lies_wmf(d.daten()) : test::lies_emf(d.daten());
}

// Logical units per pixel, as a player works them out from the file.
double je_pixel(const Metabild& b, const Tmetadatei& d) {
    if (d.format() == Metaformat::wmf) return double(b.je_zoll) / d.aufloesung();
    return double(b.fenster_ausdehnung.x()) / b.viewport_ausdehnung.x();
}

// The plot pages' mapping: 0.1 mm units, y upward, origin top-left.
QTransform seite(double dpi) {
    return QTransform(dpi / 254, 0, 0, -dpi / 254, 0, 0);
}

std::string text_von(const std::vector<std::string>& fehler) {
    std::string s;
    for (const auto& f : fehler)
        s += f + "; ";
    return s;
}

// --- Headers

struct Kopffall {
    QSize pixel;
    int dpi;
    QRect emf_rahmen; // 0.01 mm, inclusive
};

const Kopffall kopffaelle[] = {
    {{480, 960}, 96, QRect(QPoint(0, 0), QPoint(12699, 25399))},
    {{600, 450}, 300, QRect(QPoint(0, 0), QPoint(5079, 3809))},
    {{300, 400}, 96, QRect(QPoint(0, 0), QPoint(7937, 10582))}, // 79.375 mm rounds up
    {{5000, 4000}, 96, QRect(QPoint(0, 0), QPoint(132291, 105832))},
};

void male_etwas(QPainter& p) {
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(QPointF(1, 1), QPointF(50, 40));
    p.setBrush(Qt::blue);
    p.drawEllipse(QRectF(10, 10, 30, 20));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QPointF(5, 30), QStringLiteral("Kopf"));
}

TEST(Metadatei, WmfKopfStimmtMitDenSaetzenUndDerBildgroesseUeberein) {
    for (const Kopffall& k : kopffaelle) {
        SCOPED_TRACE(std::to_string(k.pixel.width()) + "x" + std::to_string(k.pixel.height()));
        Tmetadatei d(Metaformat::wmf, k.pixel, k.dpi);
        {
            QPainter p(&d);
            male_etwas(p);
        }
        const Metabild b = lies(d);
        EXPECT_TRUE(b.fehler.empty()) << text_von(b.fehler);
        EXPECT_EQ(b.schluessel, 0x9AC6CDD7u);
        EXPECT_TRUE(b.pruefsumme_stimmt);
        EXPECT_EQ(b.umriss.topLeft(), QPoint(0, 0));
        // The bounding box holds the picture at the stated units per inch, within 16 bits.
        EXPECT_LE(b.umriss.right(), 32767);
        EXPECT_LE(b.umriss.bottom(), 32767);
        EXPECT_NEAR(b.umriss.right() * double(k.dpi) / b.je_zoll, k.pixel.width(), 0.5);
        EXPECT_NEAR(b.umriss.bottom() * double(k.dpi) / b.je_zoll, k.pixel.height(), 0.5);
        EXPECT_EQ(b.fenster_ursprung, QPoint(0, 0));
        EXPECT_EQ(b.fenster_ausdehnung, QPoint(b.umriss.right(), b.umriss.bottom()));
        EXPECT_EQ(b.objekte, b.hoechste_nummer + 1);
    }
}

TEST(Metadatei, WmfNimmtFuerKleineBilder1440EinheitenJeZoll) {
    Tmetadatei d(Metaformat::wmf, {480, 960}, 96);
    const Metabild b = lies(d);
    EXPECT_EQ(b.je_zoll, 1440);
    EXPECT_EQ(b.umriss, QRect(QPoint(0, 0), QPoint(7200, 14400)));
}

TEST(Metadatei, EmfKopfStimmtMitDenSaetzenUndDerBildgroesseUeberein) {
    for (const Kopffall& k : kopffaelle) {
        SCOPED_TRACE(std::to_string(k.pixel.width()) + "x" + std::to_string(k.pixel.height()));
        Tmetadatei d(Metaformat::emf, k.pixel, k.dpi);
        {
            QPainter p(&d);
            male_etwas(p);
        }
        const Metabild b = lies(d);
        EXPECT_TRUE(b.fehler.empty()) << text_von(b.fehler);
        EXPECT_EQ(b.signatur, 0x464D4520u);
        EXPECT_EQ(b.grenzen,
                  QRect(QPoint(0, 0), QPoint(k.pixel.width() - 1, k.pixel.height() - 1)));
        EXPECT_EQ(b.rahmen, k.emf_rahmen);
        // Reference device: pixels per millimetre exactly the resolution.
        EXPECT_EQ(b.geraet_pixel.x() * 254, b.geraet_mm.x() * 10 * k.dpi);
        EXPECT_EQ(b.geraet_pixel.y() * 254, b.geraet_mm.y() * 10 * k.dpi);
        EXPECT_EQ(b.geraet_mikrometer, b.geraet_mm * 1000);
        EXPECT_GE(b.geraet_pixel.x(), k.pixel.width());
        EXPECT_EQ(b.abbildungsmodus, 8);
        EXPECT_EQ(b.viewport_ausdehnung, QPoint(k.pixel.width(), k.pixel.height()));
        EXPECT_EQ(b.griffe, b.hoechste_nummer + 1);
        EXPECT_EQ(b.satztypen.front(), 1u);
        EXPECT_EQ(b.satztypen.back(), 14u);
    }
}

// --- Drawings

struct Zeichenfall {
    const char* name;
    std::function<void(QPainter&)> malen;
    Zeichnung::Art art;
    std::vector<QPointF> pixel; // expected points in device pixels
    QRgb stiftfarbe;
    std::uint32_t stiftstil;    // low byte: solid 0, dash 1, null 5
    double stiftbreite;         // pixels; 0: not checked
    std::optional<QRgb> pinsel; // nothing: no brush expected (null brush for areas)
};

const double f96 = 96.0 / 254.0;

const std::vector<Zeichenfall> zeichenfaelle = {
    {"Linie durch die Seitenabbildung",
     [](QPainter& p) {
         p.setTransform(seite(96));
         p.setPen(QPen(Qt::red, 5));
         p.drawLine(QPointF(254, -254), QPointF(762, -508));
     },
     Zeichnung::linie,
     {{96, 96}, {288, 192}},
     qRgb(255, 0, 0),
     0,
     5 * f96,
     {}},
    {"Linienzug verschoben, kosmetischer Stift",
     [](QPainter& p) {
         p.translate(100, 50);
         QPen stift(Qt::blue, 1);
         stift.setCosmetic(true);
         p.setPen(stift);
         const QPointF zug[] = {{10, 10}, {50, 80}, {90, 10}};
         p.drawPolyline(zug, 3);
     },
     Zeichnung::linienzug,
     {{110, 60}, {150, 130}, {190, 60}},
     qRgb(0, 0, 255),
     0,
     1,
     {}},
    {"Ellipse anisotrop skaliert",
     [](QPainter& p) {
         p.scale(2, 3);
         p.setPen(QPen(Qt::black, 0));
         p.setBrush(Qt::green);
         p.drawEllipse(QRectF(10, 10, 20, 10));
     },
     Zeichnung::ellipse,
     {{20, 30}, {60, 60}},
     qRgb(0, 0, 0),
     0,
     1,
     qRgb(0, 255, 0)},
    {"Rechteck gestrichelt ohne Pinsel",
     [](QPainter& p) {
         p.setPen(QPen(Qt::black, 1, Qt::DashLine));
         p.drawRect(QRectF(50, 40, 100, 60));
     },
     Zeichnung::rechteck,
     {{50, 40}, {150, 100}},
     qRgb(0, 0, 0),
     1,
     0,
     {}},
    {"Gefuelltes Vieleck in der Seitenabbildung",
     [](QPainter& p) {
         p.setTransform(seite(96));
         p.setPen(QPen(Qt::darkGreen, 10));
         p.setBrush(QColor(255, 255, 0));
         const QPointF ecken[] = {{254, -254}, {508, -762}, {762, -254}};
         p.drawPolygon(ecken, 3);
     },
     Zeichnung::vieleck,
     {{96, 96}, {192, 288}, {288, 96}},
     qRgb(0, 128, 0),
     0,
     10 * f96,
     qRgb(255, 255, 0)},
    {"Linie ueber den Bildrand wird am Rand abgeschnitten",
     [](QPainter& p) {
         p.setPen(QPen(Qt::black, 2));
         p.drawLine(QPointF(-1e6, 50), QPointF(200, 50));
     },
     Zeichnung::linie,
     {{0, 50}, {200, 50}},
     qRgb(0, 0, 0),
     0,
     2,
     {}},
    {"Gedrehtes Rechteck wird Vieleck",
     [](QPainter& p) {
         p.translate(200, 150);
         p.rotate(90);
         p.setPen(QPen(Qt::black, 1));
         p.setBrush(Qt::red);
         p.drawRect(QRectF(0, 0, 40, 20));
     },
     Zeichnung::vieleck,
     {{200, 150}, {200, 190}, {180, 190}, {180, 150}},
     qRgb(0, 0, 0),
     0,
     1,
     qRgb(255, 0, 0)},
    {"Ausschnitt des Malers schneidet",
     [](QPainter& p) {
         p.setClipRect(QRectF(0, 0, 100, 300));
         p.setPen(QPen(Qt::black, 1));
         p.drawLine(QPointF(20, 20), QPointF(380, 20));
     },
     Zeichnung::linie,
     {{20, 20}, {100, 20}},
     qRgb(0, 0, 0),
     0,
     1,
     {}},
};

TEST(Metadatei, ZeichnungenErgebenSaetzeMitAbgebildetenKoordinatenUndGewaehltemStift) {
    for (Metaformat format : formate) {
        for (const Zeichenfall& fall : zeichenfaelle) {
            SCOPED_TRACE(std::string(name(format)) + ": " + fall.name);
            Tmetadatei d(format, {400, 300});
            {
                QPainter p(&d);
                fall.malen(p);
            }
            const Metabild b = lies(d);
            ASSERT_TRUE(b.fehler.empty()) << text_von(b.fehler);
            ASSERT_EQ(b.zeichnungen.size(), 1u);
            const Zeichnung& z = b.zeichnungen[0];
            EXPECT_EQ(z.art, fall.art);
            const double k = je_pixel(b, d);
            ASSERT_EQ(z.punkte.size(), fall.pixel.size());
            for (std::size_t i = 0; i < z.punkte.size(); ++i) {
                EXPECT_NEAR(z.punkte[i].x(), fall.pixel[i].x() * k, 1.0) << "Punkt " << i;
                EXPECT_NEAR(z.punkte[i].y(), fall.pixel[i].y() * k, 1.0) << "Punkt " << i;
            }
            ASSERT_TRUE(z.stift.has_value());
            EXPECT_EQ(z.stift->farbe, fall.stiftfarbe);
            EXPECT_EQ(z.stift->stil & 0xFF, fall.stiftstil);
            if (fall.stiftbreite > 0) {
                EXPECT_NEAR(z.stift->breite, fall.stiftbreite * k, 1.0);
            }
            if (fall.art != Zeichnung::linie && fall.art != Zeichnung::linienzug) {
                ASSERT_TRUE(z.pinsel.has_value());
                EXPECT_EQ(z.pinsel->art, fall.pinsel ? 0u : 1u);
                if (fall.pinsel) {
                    EXPECT_EQ(z.pinsel->farbe, *fall.pinsel);
                }
            }
        }
    }
}

TEST(Metadatei, KoordinatenWeitAusserhalbBleibenImZahlbereich) {
    for (Metaformat format : formate) {
        SCOPED_TRACE(name(format));
        Tmetadatei d(format, {2000, 2000});
        {
            QPainter p(&d);
            p.setPen(QPen(Qt::black, 3));
            p.setBrush(Qt::yellow);
            p.drawLine(QPointF(-1e9, -1e9), QPointF(1e9, 1e9));
            const QPointF zug[] = {{-5e8, 100}, {1000, 1000}, {5e8, 100}};
            p.drawPolyline(zug, 3);
            p.drawEllipse(QPointF(1900, 1000), 3e5, 50);
            p.drawText(QPointF(-1e7, 10), QStringLiteral("weg"));
        }
        const Metabild b = lies(d);
        ASSERT_TRUE(b.fehler.empty()) << text_von(b.fehler);
        const double k = je_pixel(b, d);
        int zeichnungen = 0;
        for (const Zeichnung& z : b.zeichnungen) {
            EXPECT_NE(z.art, Zeichnung::text);
            for (QPoint p : z.punkte) {
                EXPECT_GE(p.x(), 0);
                EXPECT_GE(p.y(), 0);
                EXPECT_LE(p.x(), 2000 * k + 1);
                EXPECT_LE(p.y(), 2000 * k + 1);
            }
            ++zeichnungen;
        }
        // line, polyline, and the cut ellipse as filled area plus outline
        EXPECT_GE(zeichnungen, 4);
    }
}

// --- Text

struct Textfall {
    Metaformat format;
    std::uint8_t zeichensatz;
};

TEST(Metadatei, GedrehterTextMitUmlautHatSchriftWinkelUndVorschuebe) {
    for (const Textfall& fall : {Textfall{Metaformat::wmf, 0}, Textfall{Metaformat::emf, 1}}) {
        SCOPED_TRACE(name(fall.format));
        Tmetadatei d(fall.format, {400, 300});
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPixelSize(20);
        schrift.setBold(true);
        const QString text = QString::fromUtf8("Größe");
        {
            QPainter p(&d);
            p.translate(100, 150);
            p.rotate(-30);
            p.setFont(schrift);
            p.setPen(QColor(128, 0, 0));
            p.drawText(QPointF(0, 0), text);
        }
        const Metabild b = lies(d);
        ASSERT_TRUE(b.fehler.empty()) << text_von(b.fehler);
        const auto texte = b.alle(Zeichnung::text);
        ASSERT_EQ(texte.size(), 1u);
        const Zeichnung& z = texte[0];
        const double k = je_pixel(b, d);
        EXPECT_EQ(z.inhalt, text);
        EXPECT_NEAR(z.punkte[0].x(), 100 * k, 1);
        EXPECT_NEAR(z.punkte[0].y(), 150 * k, 1);
        ASSERT_TRUE(z.schrift.has_value());
        EXPECT_EQ(z.schrift->name, QStringLiteral("Arial"));
        EXPECT_EQ(z.schrift->winkel, 300);
        EXPECT_EQ(z.schrift->orientierung, 300);
        EXPECT_NEAR(z.schrift->hoehe, -20 * k, 1);
        EXPECT_EQ(z.schrift->gewicht, 700);
        EXPECT_FALSE(z.schrift->kursiv);
        EXPECT_EQ(z.schrift->zeichensatz, fall.zeichensatz);
        EXPECT_EQ(z.textfarbe, qRgb(128, 0, 0));
        // The advances are Qt's, so pieces laid out side by side stay in place.
        ASSERT_EQ(z.vorschub.size(), std::size_t(text.size()));
        const double breite = QFontMetricsF(schrift, &d).horizontalAdvance(text);
        EXPECT_NEAR(std::accumulate(z.vorschub.begin(), z.vorschub.end(), 0), breite * k, 1);
    }
}

TEST(Metadatei, TextInSkalierterAbbildungBekommtSkalierteHoehe) {
    for (Metaformat format : formate) {
        SCOPED_TRACE(name(format));
        Tmetadatei d(format, {400, 300});
        {
            QPainter p(&d);
            p.scale(2, 2);
            QFont schrift(QStringLiteral("Courier New"));
            schrift.setPixelSize(10);
            schrift.setItalic(true);
            p.setFont(schrift);
            p.drawText(QPointF(20, 30), QStringLiteral("x"));
        }
        const Metabild b = lies(d);
        const auto texte = b.alle(Zeichnung::text);
        ASSERT_EQ(texte.size(), 1u);
        const double k = je_pixel(b, d);
        EXPECT_NEAR(texte[0].schrift->hoehe, -20 * k, 1);
        EXPECT_EQ(texte[0].schrift->winkel, 0);
        EXPECT_TRUE(texte[0].schrift->kursiv);
        EXPECT_NEAR(texte[0].punkte[0].x(), 40 * k, 1);
    }
}

TEST(Metadatei, GriechischeBuchstabenImWmfAlsSymbolschriftImEmfAlsUnicode) {
    const QString text = QString::fromUtf8("α=2");
    for (Metaformat format : formate) {
        SCOPED_TRACE(name(format));
        Tmetadatei d(format, {400, 300});
        {
            QPainter p(&d);
            QFont schrift(QStringLiteral("Arial"));
            schrift.setPixelSize(20);
            p.setFont(schrift);
            p.drawText(QPointF(10, 50), text);
        }
        const Metabild b = lies(d);
        ASSERT_TRUE(b.fehler.empty()) << text_von(b.fehler);
        const auto texte = b.alle(Zeichnung::text);
        if (format == Metaformat::emf) {
            ASSERT_EQ(texte.size(), 1u);
            EXPECT_EQ(texte[0].inhalt, text);
            continue;
        }
        ASSERT_EQ(texte.size(), 2u);
        EXPECT_EQ(texte[0].inhalt, QString::fromUtf8("α"));
        EXPECT_EQ(texte[0].schrift->name, QStringLiteral("Symbol"));
        EXPECT_EQ(texte[0].schrift->zeichensatz, 2);
        EXPECT_EQ(texte[1].inhalt, QStringLiteral("=2"));
        EXPECT_EQ(texte[1].schrift->name, QStringLiteral("Arial"));
        EXPECT_EQ(texte[1].schrift->zeichensatz, 0);
        // The second run starts where the first one's advance ends.
        EXPECT_EQ(texte[1].punkte[0].x(), texte[0].punkte[0].x() + texte[0].vorschub[0]);
        EXPECT_EQ(texte[1].punkte[0].y(), texte[0].punkte[0].y());
    }
}

// --- Objects

TEST(Metadatei, ObjekteWerdenVorGebrauchGewaehltUndAmEndeGeloescht) {
    for (Metaformat format : formate) {
        SCOPED_TRACE(name(format));
        Tmetadatei d(format, {400, 300});
        {
            QPainter p(&d);
            QFont schrift(QStringLiteral("Arial"));
            for (int i = 0; i < 40; ++i) {
                p.setPen(QPen(QColor(i, 0, 0), 1 + i % 3));
                p.setBrush(QColor(0, i, 0));
                p.drawLine(QPointF(i, 0), QPointF(i, 100));
                p.drawRect(QRectF(i, 100, 5, 5));
                schrift.setPixelSize(10 + i);
                p.setFont(schrift);
                p.drawText(QPointF(10, 200), QStringLiteral("T"));
            }
        }
        const Metabild b = lies(d);
        ASSERT_TRUE(b.fehler.empty()) << text_von(b.fehler);
        EXPECT_EQ(b.offen_am_ende, 0);
        // Objects are replaced before they are deleted; only WMF, which has no stock objects to
        // select instead, deletes the last ones while selected, after the last drawing.
        EXPECT_EQ(b.geloeschte_gewaehlte, format == Metaformat::wmf ? 3 : 0);
        // Only a few objects are alive at any time, and the header says how many.
        const int im_kopf = format == Metaformat::wmf ? b.objekte : b.griffe;
        EXPECT_EQ(im_kopf, b.hoechste_nummer + 1);
        EXPECT_LE(im_kopf, 5);
        int linie = 0;
        for (const Zeichnung& z : b.zeichnungen) {
            if (z.art == Zeichnung::linie) {
                ASSERT_TRUE(z.stift);
                EXPECT_EQ(z.stift->farbe, qRgb(linie, 0, 0));
                ++linie;
            } else if (z.art == Zeichnung::rechteck) {
                ASSERT_TRUE(z.pinsel);
                EXPECT_EQ(z.pinsel->farbe, qRgb(0, linie - 1, 0));
            }
        }
        EXPECT_EQ(linie, 40);
    }
}

TEST(Metadatei, DatenSindWiederholbarUndDasZeichnenGehtDanachWeiter) {
    for (Metaformat format : formate) {
        SCOPED_TRACE(name(format));
        Tmetadatei d(format, {100, 100});
        QPainter p(&d);
        p.drawLine(QPointF(0, 0), QPointF(10, 10));
        const QByteArray erst = d.daten();
        EXPECT_EQ(d.daten(), erst);
        p.setPen(Qt::red);
        p.drawLine(QPointF(0, 0), QPointF(20, 20));
        p.end();
        const Metabild b = lies(d);
        EXPECT_TRUE(b.fehler.empty()) << text_von(b.fehler);
        EXPECT_EQ(b.alle(Zeichnung::linie).size(), 2u);
        EXPECT_EQ(b.offen_am_ende, 0);
    }
}

// --- Device metrics

TEST(Metadatei, GeraetemasseFolgenGroesseUndAufloesung) {
    Tmetadatei d(Metaformat::emf, {960, 480}, 192);
    EXPECT_EQ(d.width(), 960);
    EXPECT_EQ(d.height(), 480);
    EXPECT_EQ(d.widthMM(), 127);
    EXPECT_EQ(d.heightMM(), 64);
    EXPECT_EQ(d.logicalDpiX(), 192);
    EXPECT_EQ(d.physicalDpiY(), 192);
    EXPECT_EQ(d.devicePixelRatio(), 1);
    Tmetadatei unsinn(Metaformat::wmf, {0, -5}, 0);
    EXPECT_EQ(unsinn.width(), 1);
    EXPECT_EQ(unsinn.height(), 1);
    EXPECT_EQ(unsinn.logicalDpiX(), Tmetadatei::min_dpi);
    EXPECT_TRUE(test::lies_wmf(unsinn.daten()).fehler.empty());
}

// --- Saving

QByteArray datei_lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool datei_schreiben(const QString& pfad, const QByteArray& daten) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size();
}

// Limits the size of files this process may write, for as long as it lives.
class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &alt_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigrenze() {
        setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit alt_{};
    void (*signal_)(int) = nullptr;
};

struct Speicherfall {
    const char* name;
    std::function<QString(const QString& ordner)> ziel; // prepares the target
    std::function<std::unique_ptr<Dateigrenze>()> umstand;
};

TEST(Metadatei, MisslungenesSpeichernGibtFalschUndLaesstDieAlteDateiStehen) {
    const QByteArray alt("alte Datei");
    const std::vector<Speicherfall> faelle = {
        {"Ordner fehlt", [](const QString& o) { return o + "/fehlt/bild.emf"; },
         [] { return nullptr; }},
        {"Ziel ist ein Ordner",
         [](const QString& o) {
             QDir(o).mkdir("bild.emf");
             return o + "/bild.emf";
         },
         [] { return nullptr; }},
        {"Schreiben bricht ab",
         [&](const QString& o) {
             datei_schreiben(o + "/bild.emf", alt);
             return o + "/bild.emf";
         },
         [] { return std::make_unique<Dateigrenze>(64); }},
        {"Ordner schreibgeschuetzt",
         [&](const QString& o) {
             datei_schreiben(o + "/bild.emf", alt);
             QFile::setPermissions(o, QFile::ReadOwner | QFile::ExeOwner);
             return o + "/bild.emf";
         },
         [] { return nullptr; }},
    };
    for (const Speicherfall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        if (std::string(fall.name) == "Ordner schreibgeschuetzt" && geteuid() == 0) continue;
        QTemporaryDir ordner;
        ASSERT_TRUE(ordner.isValid());
        Tmetadatei d(Metaformat::emf, {200, 200});
        {
            QPainter p(&d);
            for (int i = 0; i < 50; ++i)
                p.drawLine(QPointF(i, 0), QPointF(0, i));
        }
        const QString ziel = fall.ziel(ordner.path());
        const bool hatte_datei = QFileInfo(ziel).isFile();
        bool ok = true;
        {
            auto umstand = fall.umstand();
            ok = d.speichern(ziel);
        }
        QFile::setPermissions(ordner.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_FALSE(ok);
        if (hatte_datei) {
            EXPECT_EQ(datei_lesen(ziel), alt);
        }
        // No temporary file is left behind.
        const int erwartet = QFileInfo(ziel).exists() ? 1 : 0;
        EXPECT_EQ(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
                  erwartet);
    }
}

TEST(Metadatei, SpeichernErsetztEineVorhandeneDateiDurchDieDaten) {
    for (Metaformat format : formate) {
        SCOPED_TRACE(name(format));
        QTemporaryDir ordner;
        const QString ziel = ordner.filePath("bild");
        ASSERT_TRUE(datei_schreiben(ziel, "alt"));
        Tmetadatei d(format, {120, 80});
        {
            QPainter p(&d);
            male_etwas(p);
        }
        ASSERT_TRUE(d.speichern(ziel));
        EXPECT_EQ(datei_lesen(ziel), d.daten());
    }
}

} // namespace
} // namespace zol

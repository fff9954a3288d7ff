// Picture files of a page: written in every format, read back, and measured where the page's
// lines land.
#include "graph/export/bildexport.h"
#include "graph/tlist1.h"
#include "metaleser.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace zol {
namespace {

constexpr Bildformat alle_formate[] = {Bildformat::bmp, Bildformat::wmf, Bildformat::emf,
                                       Bildformat::png, Bildformat::svg, Bildformat::pdf};

// The plot window's default page: 200 x 270 mm.
Tlist1 leere_seite() {
    Tlist1 l;
    l.seitenbreite = 2000;
    l.seitenhoehe = 2700;
    return l;
}

void linie(Tlist1& l, Tpunkt a, Tpunkt b, std::int32_t breite = 1) {
    l.neu<Tline>(a, b, Tstift{Qt::black, breite, stil_linie});
}

// A page with a frame, a curve and a text, as the plot engine makes them.
Tlist1 beispielseite() {
    Tlist1 l = leere_seite();
    linie(l, {200, -100}, {1000, -100});
    linie(l, {1000, -100}, {1000, -700});
    auto& zug = l.neu<Tpolyline>();
    const Tpunkt punkte[] = {{200, -700}, {600, -300}, {1000, -700}};
    zug.setze_punkte(punkte);
    zug.stift = Tstift{Qt::blue, 4, stil_linie};
    l.neu<Ttext>(Tpunkt{200, -800}, Tschrift{}, std::vector<std::string>{"f(x) = x\\u(2)"});
    return l;
}

QByteArray lies(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibe(const QString& datei, const QByteArray& bytes) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

std::string name(Bildformat f) {
    return bildendung(f).toStdString();
}

// --- Where a line lands

// Where a dark line crosses pixel row (senkrecht) or column bei: the darkness-weighted centre in
// pixel coordinates (pixel i covers i ... i + 1); nothing when the row is white.
std::optional<double> lage_im_bild(const QImage& bild, bool senkrecht, int bei) {
    double summe = 0, gewicht = 0;
    const int n = senkrecht ? bild.width() : bild.height();
    for (int i = 0; i < n; ++i) {
        const QRgb p = senkrecht ? bild.pixel(i, bei) : bild.pixel(bei, i);
        const double dunkel = 255 - qGray(p);
        summe += dunkel * (i + 0.5);
        gewicht += dunkel;
    }
    if (gewicht < 40) return std::nullopt;
    return summe / gewicht;
}

// The same from a metafile's line records, converted to pixels.
std::optional<double> lage_im_metafile(const QByteArray& daten, Bildformat format, bool senkrecht) {
    const test::Metabild b =
        format == Bildformat::wmf ? test::lies_wmf(daten) : test::lies_emf(daten);
    EXPECT_TRUE(b.fehler.empty());
    const double je_pixel = format == Bildformat::wmf
                                ? double(b.je_zoll) / bild_dpi
                                : double(b.fenster_ausdehnung.x()) / b.viewport_ausdehnung.x();
    std::optional<double> lage;
    for (const test::Zeichnung& z : b.zeichnungen) {
        if (z.art != test::Zeichnung::linie && z.art != test::Zeichnung::linienzug) continue;
        for (const QPoint& p : z.punkte) {
            const double wert = (senkrecht ? p.x() : p.y()) / je_pixel;
            if (lage) {
                EXPECT_NEAR(*lage, wert, 0.5) << "die Linie ist nicht gerade";
            }
            lage = wert;
        }
    }
    return lage;
}

QImage svg_als_bild(const QByteArray& svg, QSize groesse) {
    QSvgRenderer leser(svg);
    EXPECT_TRUE(leser.isValid());
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    leser.render(&maler);
    return bild;
}

struct Lagefall {
    const char* name;
    Skalierung skalierung;
    QSize pixel;
    bool senkrecht;                 // a vertical line at x = seitenwert, else horizontal at y
    std::int32_t seitenwert;        // page units
    std::optional<double> erwartet; // pixels; nothing: outside the picture
};

const Lagefall lagefaelle[] = {
    {"willkürlich: Seitenmitte", Skalierung::willkuerlich, {300, 400}, true, 1000, 150.0},
    {"willkürlich: halbe Höhe", Skalierung::willkuerlich, {300, 400}, false, -1350, 200.0},
    {"willkürlich verzerrt: Viertelbreite", Skalierung::willkuerlich, {600, 200}, true, 500, 150.0},
    {"willkürlich verzerrt: Dreiviertelhöhe",
     Skalierung::willkuerlich,
     {600, 200},
     false,
     -2025,
     150.0},
    // 400/2700 both ways: the page fills the height, a strip remains at the right.
    {"winkeltreu: rechter Seitenrand",
     Skalierung::winkeltreu,
     {300, 400},
     true,
     2000,
     2000 * 400.0 / 2700},
    {"winkeltreu: Dreiviertelhöhe", Skalierung::winkeltreu, {300, 400}, false, -2025, 300.0},
    {"winkeltreu breit: Seitenmitte",
     Skalierung::winkeltreu,
     {600, 400},
     true,
     1000,
     1000 * 400.0 / 2700},
    // 96 dpi: only the top-left 79 x 106 mm of the page show.
    {"maßstabstreu: 50 mm vom linken Rand",
     Skalierung::massstabstreu,
     {300, 400},
     true,
     500,
     50 / 25.4 * 96},
    {"maßstabstreu: 100 mm vom linken Rand",
     Skalierung::massstabstreu,
     {300, 400},
     true,
     1000,
     std::nullopt},
    {"maßstabstreu: 100 mm vom oberen Rand",
     Skalierung::massstabstreu,
     {300, 400},
     false,
     -1000,
     100 / 25.4 * 96},
    {"maßstabstreu: 150 mm vom oberen Rand",
     Skalierung::massstabstreu,
     {300, 400},
     false,
     -1500,
     std::nullopt},
};

Tlist1 seite_mit_linie(const Lagefall& f) {
    Tlist1 l = leere_seite();
    if (f.senkrecht)
        linie(l, {f.seitenwert, 0}, {f.seitenwert, -l.seitenhoehe});
    else
        linie(l, {0, f.seitenwert}, {l.seitenbreite, f.seitenwert});
    return l;
}

TEST(Bildexport, LinienLandenInJedemFormatAnDerSelbenStelle) {
    const Bildformat formate[] = {Bildformat::bmp, Bildformat::png, Bildformat::svg,
                                  Bildformat::wmf, Bildformat::emf};
    for (const Lagefall& f : lagefaelle) {
        const Tlist1 seite = seite_mit_linie(f);
        for (Bildformat format : formate) {
            SCOPED_TRACE(std::string(f.name) + ", " + name(format));
            std::optional<double> lage;
            if (format == Bildformat::wmf || format == Bildformat::emf) {
                lage = lage_im_metafile(bild_daten(seite, format, f.pixel, f.skalierung), format,
                                        f.senkrecht);
            } else {
                const QImage bild =
                    format == Bildformat::svg
                        ? svg_als_bild(svg_bild(seite, f.pixel, f.skalierung), f.pixel)
                        : QImage::fromData(bild_daten(seite, format, f.pixel, f.skalierung));
                ASSERT_EQ(bild.size(), f.pixel);
                lage = lage_im_bild(bild, f.senkrecht, 100);
            }
            ASSERT_EQ(lage.has_value(), f.erwartet.has_value());
            if (lage) {
                EXPECT_NEAR(*lage, *f.erwartet, 0.5);
            }
        }
    }
}

TEST(Bildexport, WinkeltreuLaesstRechtsEinenLeerenStreifen) {
    Tlist1 seite = leere_seite();
    // The page's right half filled with close vertical lines.
    for (std::int32_t x = 1000; x <= 2000; x += 5)
        linie(seite, {x, 0}, {x, -2700});
    const QImage bild = bild_rendern(seite, {300, 400}, Skalierung::winkeltreu);
    ASSERT_EQ(bild.size(), QSize(300, 400));
    for (int y : {0, 200, 399}) {
        EXPECT_LT(qGray(bild.pixel(290, y)), 128) << y;
        EXPECT_EQ(bild.pixel(298, y), qRgb(255, 255, 255)) << y;
        EXPECT_EQ(bild.pixel(299, y), qRgb(255, 255, 255)) << y;
    }
}

// --- The files

struct Kopf {
    QSizeF groesse;  // SVG: width and height in mm; PDF: MediaBox in points; else pixels
    QString viewbox; // SVG only
};

Kopf kopf_lesen(Bildformat format, const QByteArray& d) {
    Kopf k;
    switch (format) {
    case Bildformat::bmp:
    case Bildformat::png: {
        EXPECT_TRUE(d.startsWith(format == Bildformat::bmp ? QByteArray("BM")
                                                           : QByteArray("\x89PNG\r\n\x1a\n")));
        const QImage bild = QImage::fromData(d);
        EXPECT_EQ(bild.dotsPerMeterX(), 3780); // 96 dpi
        k.groesse = bild.size();
        break;
    }
    case Bildformat::wmf: {
        const test::Metabild b = test::lies_wmf(d);
        EXPECT_TRUE(b.fehler.empty());
        EXPECT_EQ(b.schluessel, 0x9AC6CDD7u);
        EXPECT_EQ(b.umriss.topLeft(), QPoint(0, 0));
        k.groesse = QSizeF(b.umriss.right(), b.umriss.bottom()) * (double(bild_dpi) / b.je_zoll);
        break;
    }
    case Bildformat::emf: {
        const test::Metabild b = test::lies_emf(d);
        EXPECT_TRUE(b.fehler.empty());
        EXPECT_EQ(b.signatur, 0x464D4520u); // " EMF"
        EXPECT_EQ(b.satztypen.front(), 1u);
        // The frame in 0.01 mm (inclusive) states the same size as the bounds in pixels.
        EXPECT_NEAR((b.rahmen.right() + 1) * bild_dpi / 2540.0, b.grenzen.right() + 1, 0.5);
        EXPECT_NEAR((b.rahmen.bottom() + 1) * bild_dpi / 2540.0, b.grenzen.bottom() + 1, 0.5);
        k.groesse = QSizeF(b.grenzen.right() + 1, b.grenzen.bottom() + 1);
        break;
    }
    case Bildformat::svg: {
        const QString t = QString::fromUtf8(d);
        const auto m =
            QRegularExpression(R"(<svg[^>]*width="([0-9.]+)mm"\s+height="([0-9.]+)mm")").match(t);
        EXPECT_TRUE(m.hasMatch());
        k.groesse = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        k.viewbox = QRegularExpression(R"re(viewBox="([^"]*)")re").match(t).captured(1);
        break;
    }
    case Bildformat::pdf: {
        EXPECT_TRUE(d.startsWith("%PDF-"));
        const auto m = QRegularExpression(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])")
                           .match(QString::fromLatin1(d));
        EXPECT_TRUE(m.hasMatch());
        k.groesse = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        break;
    }
    }
    return k;
}

struct Dateifall {
    Bildformat format;
    Skalierung skalierung;
    QSize pixel;
    QSizeF groesse;
    const char* viewbox;
};

TEST(Bildexport, DateienHabenDieBildgroesseOderDieSeitengroesse) {
    const Dateifall faelle[] = {
        {Bildformat::bmp, Skalierung::willkuerlich, {300, 400}, {300, 400}, ""},
        {Bildformat::png, Skalierung::winkeltreu, {640, 480}, {640, 480}, ""},
        {Bildformat::wmf, Skalierung::willkuerlich, {300, 400}, {300, 400}, ""},
        {Bildformat::emf, Skalierung::winkeltreu, {640, 480}, {640, 480}, ""},
        {Bildformat::svg, Skalierung::willkuerlich, {300, 400}, {79.375, 105.833}, "0 0 300 400"},
        {Bildformat::pdf, Skalierung::winkeltreu, {300, 400}, {225, 300}, ""},
        // Bitmaps and metafiles keep their pixels at true size: part of the page.
        {Bildformat::png, Skalierung::massstabstreu, {300, 400}, {300, 400}, ""},
        {Bildformat::emf, Skalierung::massstabstreu, {300, 400}, {300, 400}, ""},
        // SVG and PDF hold the whole 200 x 270 mm page at true size.
        {Bildformat::svg, Skalierung::massstabstreu, {300, 400}, {200, 270}, "0 0 2000 2700"},
        {Bildformat::pdf,
         Skalierung::massstabstreu,
         {300, 400},
         {200 / 25.4 * 72, 270 / 25.4 * 72},
         ""},
    };
    const Tlist1 seite = beispielseite();
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    for (const Dateifall& f : faelle) {
        SCOPED_TRACE(name(f.format) + " " + std::to_string(int(f.skalierung)));
        const QString datei = ordner.filePath(QStringLiteral("seite.") + bildendung(f.format));
        QString fehler;
        ASSERT_TRUE(bild_exportieren(seite, datei, f.format, f.pixel, f.skalierung, &fehler))
            << fehler.toStdString();
        const Kopf k = kopf_lesen(f.format, lies(datei));
        EXPECT_NEAR(k.groesse.width(), f.groesse.width(), 0.6);
        EXPECT_NEAR(k.groesse.height(), f.groesse.height(), 0.6);
        EXPECT_EQ(k.viewbox.toStdString(), f.viewbox);
    }
}

TEST(Bildexport, MassstabstreuesSvgMisstInMillimetern) {
    Tlist1 seite = leere_seite();
    // 1 mm wide.
    linie(seite, {500, 0}, {500, -2700}, 10);
    linie(seite, {1500, 0}, {1500, -2700}, 10);
    linie(seite, {0, -2000}, {2000, -2000}, 10);
    const QByteArray svg =
        bild_daten(seite, Bildformat::svg, {300, 400}, Skalierung::massstabstreu);
    // One pixel per millimetre.
    const QImage bild = svg_als_bild(svg, {200, 270});
    const auto links = lage_im_bild(bild.copy(0, 0, 100, 270), true, 100);
    const auto rechts = lage_im_bild(bild.copy(100, 0, 100, 270), true, 100);
    const auto unten = lage_im_bild(bild, false, 20);
    ASSERT_TRUE(links && rechts && unten);
    EXPECT_NEAR(*links, 50, 0.5);
    EXPECT_NEAR(*rechts + 100, 150, 0.5);
    EXPECT_NEAR(*unten, 200, 0.5);
}

TEST(Bildexport, JedesFormatZeichnetDieGanzeSeite) {
    // Every object of the sample page leaves a trace in every format.
    const Tlist1 seite = beispielseite();
    for (Bildformat format : alle_formate) {
        SCOPED_TRACE(name(format));
        const QByteArray d = bild_daten(seite, format, {300, 400}, Skalierung::willkuerlich);
        ASSERT_FALSE(d.isEmpty());
        if (format == Bildformat::wmf || format == Bildformat::emf) {
            const test::Metabild b =
                format == Bildformat::wmf ? test::lies_wmf(d) : test::lies_emf(d);
            EXPECT_EQ(b.alle(test::Zeichnung::text).size(), 2u); // "f(x) = x" and "2"
            EXPECT_GE(b.alle(test::Zeichnung::linie).size() +
                          b.alle(test::Zeichnung::linienzug).size(),
                      3u);
        } else if (format == Bildformat::svg) {
            EXPECT_TRUE(d.contains("f(x) = x"));
            EXPECT_TRUE(d.contains("#0000ff"));
        } else if (format == Bildformat::pdf) {
            EXPECT_TRUE(d.contains("/Type /Page"));
            EXPECT_TRUE(d.contains("/Font"));
        } else {
            const QImage bild = QImage::fromData(d);
            bool blau = false;
            for (int y = 0; y < bild.height() && !blau; ++y)
                for (int x = 0; x < bild.width() && !blau; ++x)
                    blau = qBlue(bild.pixel(x, y)) > 200 && qRed(bild.pixel(x, y)) < 80;
            EXPECT_TRUE(blau);
        }
    }
}

// --- Limits and failures

TEST(Bildexport, RiesigeBitmapsWerdenMitMeldungAbgelehnt) {
    const Tlist1 seite = beispielseite();
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QSize groessen[] = {{999999, 999999}, {10001, 10000}, {999999, 101}};
    for (Bildformat format : {Bildformat::bmp, Bildformat::png}) {
        for (QSize g : groessen) {
            SCOPED_TRACE(name(format) + " " + std::to_string(g.width()));
            const QString datei = ordner.filePath(QStringLiteral("gross.") + bildendung(format));
            QString fehler;
            EXPECT_FALSE(
                bild_exportieren(seite, datei, format, g, Skalierung::willkuerlich, &fehler));
            EXPECT_TRUE(fehler.contains(QStringLiteral("zu groß"))) << fehler.toStdString();
            EXPECT_TRUE(fehler.contains(QStringLiteral("100 Millionen Pixel")));
            EXPECT_FALSE(QFile::exists(datei));
            EXPECT_TRUE(bild_rendern(seite, g, Skalierung::winkeltreu).isNull());
        }
    }
}

TEST(Bildexport, VektorformateVertragenDieGroesstePixelzahl) {
    const Tlist1 seite = beispielseite();
    for (Bildformat format : {Bildformat::wmf, Bildformat::emf, Bildformat::svg, Bildformat::pdf}) {
        SCOPED_TRACE(name(format));
        QString fehler;
        const QByteArray d =
            bild_daten(seite, format, {999999, 999999}, Skalierung::winkeltreu, &fehler);
        ASSERT_FALSE(d.isEmpty()) << fehler.toStdString();
        if (format == Bildformat::svg) {
            EXPECT_NEAR(kopf_lesen(format, d).groesse.width(), 999999 * 25.4 / 96, 1);
        }
    }
}

TEST(Bildexport, GroesseAusserhalbDerGrenzenGibtMeldung) {
    const Tlist1 seite = beispielseite();
    const QSize groessen[] = {{1, 400}, {300, 0}, {1000000, 5}, {-300, 400}};
    for (Bildformat format : alle_formate) {
        for (QSize g : groessen) {
            SCOPED_TRACE(name(format) + " " + std::to_string(g.width()) + "x" +
                         std::to_string(g.height()));
            QString fehler;
            EXPECT_TRUE(bild_daten(seite, format, g, Skalierung::willkuerlich, &fehler).isEmpty());
            EXPECT_EQ(fehler.toStdString(),
                      "Die Bildgröße muss zwischen 2 und 999999 Pixel liegen.");
        }
    }
}

// Limits the size of files this process writes, as a full disk would.
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

struct Fehlerfall {
    const char* name;
    std::function<QString(const QString& ordner, const QString& endung)> ziel;
    bool grenze; // writing stops after 100 bytes
    bool nur_ohne_root;
};

TEST(Bildexport, MisslungenesSchreibenMeldetUndLaesstDieAlteDateiStehen) {
    const QByteArray alt("alte Datei");
    const Fehlerfall faelle[] = {
        {"Ordner fehlt", [](const QString& o, const QString& e) { return o + "/fehlt/bild." + e; },
         false, false},
        {"Ziel ist ein Ordner",
         [](const QString& o, const QString& e) {
             QDir(o).mkdir("bild." + e);
             return o + "/bild." + e;
         },
         false, false},
        {"Platte voll",
         [&](const QString& o, const QString& e) {
             schreibe(o + "/bild." + e, alt);
             return o + "/bild." + e;
         },
         true, false},
        {"Ordner schreibgeschützt",
         [&](const QString& o, const QString& e) {
             schreibe(o + "/bild." + e, alt);
             QFile::setPermissions(o, QFile::ReadOwner | QFile::ExeOwner);
             return o + "/bild." + e;
         },
         false, true},
    };
    const Tlist1 seite = beispielseite();
    for (const Fehlerfall& fall : faelle) {
        if (fall.nur_ohne_root && geteuid() == 0) continue;
        for (Bildformat format : alle_formate) {
            SCOPED_TRACE(std::string(fall.name) + ", " + name(format));
            QTemporaryDir ordner;
            ASSERT_TRUE(ordner.isValid());
            const QString ziel = fall.ziel(ordner.path(), bildendung(format));
            const bool hatte_datei = QFileInfo(ziel).isFile();
            QString fehler;
            bool ok = true;
            {
                std::unique_ptr<Dateigrenze> grenze;
                if (fall.grenze) grenze = std::make_unique<Dateigrenze>(100);
                ok = bild_exportieren(seite, ziel, format, {300, 400}, Skalierung::willkuerlich,
                                      &fehler);
            }
            QFile::setPermissions(ordner.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            EXPECT_FALSE(ok);
            EXPECT_EQ(fehler, QStringLiteral("Die Datei %1 kann nicht gespeichert werden.")
                                  .arg(QDir::toNativeSeparators(ziel)));
            if (hatte_datei) {
                EXPECT_EQ(lies(ziel), alt);
            }
            // No temporary file is left behind.
            EXPECT_EQ(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
                      QFileInfo::exists(ziel) ? 1 : 0);
        }
    }
}

TEST(Bildexport, GelungenesSchreibenErsetztDieAlteDatei) {
    const Tlist1 seite = beispielseite();
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    for (Bildformat format : alle_formate) {
        SCOPED_TRACE(name(format));
        const QString ziel = ordner.filePath(QStringLiteral("bild.") + bildendung(format));
        schreibe(ziel, "alte Datei");
        ASSERT_TRUE(bild_exportieren(seite, ziel, format, {120, 90}, Skalierung::winkeltreu));
        // A PDF holds its creation time; the others come out byte for byte the same.
        if (format == Bildformat::pdf) {
            EXPECT_EQ(kopf_lesen(format, lies(ziel)).groesse, QSizeF(90, 68));
        } else {
            EXPECT_EQ(lies(ziel), bild_daten(seite, format, {120, 90}, Skalierung::winkeltreu));
        }
    }
}

} // namespace
} // namespace zol

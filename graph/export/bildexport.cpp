#include "graph/export/bildexport.h"

#include "engine/zahlformat.h"
#include "graph/metadatei/metadatei.h"
#include "graph/seite.h"
#include "graph/tlist1.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <charconv>
#include <cmath>
#include <string>

namespace zol {

namespace {

// SVG and PDF at true size work in page units: 254 dots per inch are 0.1 mm per dot.
constexpr int seitendpi = 254;

QString zahl(std::int64_t wert) {
    return QString::fromStdString(format("0", static_cast<long double>(wert)));
}

void melde(QString* fehler, const QString& text) {
    if (fehler) *fehler = text;
}

bool groesse_pruefen(QSize pixel, QString* fehler) {
    auto innen = [](int n) { return n >= min_bildseite && n <= max_bildseite; };
    if (innen(pixel.width()) && innen(pixel.height())) return true;
    melde(fehler, QStringLiteral("Die Bildgröße muss zwischen %1 und %2 Pixel liegen.")
                      .arg(zahl(min_bildseite), zahl(max_bildseite)));
    return false;
}

bool ist_seitenformat(Bildformat format, Darstellung darstellung) {
    return darstellung.skalierung == Skalierung::massstabstreu &&
           (format == Bildformat::svg || format == Bildformat::pdf);
}

bool hat_flaeche(const Seitenausschnitt& a) {
    return a.breite > 0 && a.hoehe > 0;
}

// The part's top-left corner to the page origin, where the page mappings start.
QTransform verschiebung(const Seitenausschnitt& a) {
    return QTransform::fromTranslate(-a.links, -a.oben);
}

void malen(QPaintDevice& geraet, const Tlist1& liste, const QTransform& abbildung) {
    QPainter maler(&geraet);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.setTransform(abbildung);
    seite_malen(maler, liste);
}

QByteArray bitmap_daten(const QImage& bild, Bildformat format, QString* fehler) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, format == Bildformat::bmp ? "BMP" : "PNG");
    if (!schreiber.write(bild)) {
        melde(fehler, QStringLiteral("Das Bild kann nicht umgewandelt werden."));
        return {};
    }
    return bytes;
}

QByteArray metadatei_daten(const Tlist1& liste, Bildformat format, QSize pixel,
                           Darstellung darstellung) {
    Tmetadatei datei(format == Bildformat::wmf ? Metaformat::wmf : Metaformat::emf, pixel,
                     bild_dpi);
    malen(datei, liste, bildabbildung(liste, pixel, darstellung));
    return datei.daten();
}

QByteArray svg_daten(const Tlist1& liste, QSize pixel, Darstellung darstellung, bool ganze_seite) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    QSvgGenerator svg;
    svg.setTitle(QStringLiteral("Mathematik ZOL"));
    svg.setOutputDevice(&puffer);
    QTransform abbildung;
    const Seitenausschnitt a = seitenausschnitt(liste, darstellung.nur_zeichnung);
    if (ganze_seite && ist_seitenformat(Bildformat::svg, darstellung) && hat_flaeche(a)) {
        // The view box in page units and 254 dpi: width and height come out in millimetres.
        const QSize seite(int(std::ceil(a.breite)), int(std::ceil(a.hoehe)));
        svg.setResolution(seitendpi);
        svg.setSize(seite);
        svg.setViewBox(QRect(QPoint(0, 0), seite));
        abbildung = verschiebung(a) * massstabstreu(seitendpi);
    } else {
        svg.setResolution(bild_dpi);
        svg.setSize(pixel);
        svg.setViewBox(QRect(QPoint(0, 0), pixel));
        abbildung = bildabbildung(liste, pixel, darstellung);
    }
    malen(svg, liste, abbildung);
    return bytes;
}

QByteArray pdf_daten(const Tlist1& liste, QSize pixel, Darstellung darstellung, QString* fehler) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setCreator(QStringLiteral("Mathematik ZOL"));
    QPageSize blatt;
    QTransform abbildung;
    const Seitenausschnitt a = seitenausschnitt(liste, darstellung.nur_zeichnung);
    if (ist_seitenformat(Bildformat::pdf, darstellung) && hat_flaeche(a)) {
        blatt = QPageSize(QSizeF(a.breite / 10.0, a.hoehe / 10.0), QPageSize::Millimeter, QString(),
                          QPageSize::ExactMatch);
        pdf.setResolution(seitendpi);
        abbildung = verschiebung(a) * massstabstreu(seitendpi);
    } else {
        // 72 points per inch against 96 pixels per inch.
        const QSize punkte(int(std::lround(pixel.width() * 0.75)),
                           int(std::lround(pixel.height() * 0.75)));
        blatt = QPageSize(punkte, QString(), QPageSize::ExactMatch);
        pdf.setResolution(bild_dpi);
        abbildung = bildabbildung(liste, pixel, darstellung);
    }
    pdf.setPageLayout(QPageLayout(blatt, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    {
        QPainter maler;
        if (!maler.begin(&pdf)) {
            melde(fehler, QStringLiteral("Das PDF-Dokument kann nicht angelegt werden."));
            return {};
        }
        maler.setTransform(abbildung);
        seite_malen(maler, liste);
    }
    return bytes;
}

} // namespace

QString bildendung(Bildformat format) {
    switch (format) {
    case Bildformat::bmp:
        return QStringLiteral("bmp");
    case Bildformat::wmf:
        return QStringLiteral("wmf");
    case Bildformat::emf:
        return QStringLiteral("emf");
    case Bildformat::png:
        return QStringLiteral("png");
    case Bildformat::svg:
        return QStringLiteral("svg");
    case Bildformat::pdf:
        return QStringLiteral("pdf");
    }
    return {};
}

bool ist_bitmap(Bildformat format) {
    return format == Bildformat::bmp || format == Bildformat::png;
}

QSize bildgroesse(const Tlist1& liste, Bildformat format, QSize pixel, Darstellung darstellung) {
    if (!ist_seitenformat(format, darstellung)) return pixel;
    const Seitenausschnitt a = seitenausschnitt(liste, darstellung.nur_zeichnung);
    if (!hat_flaeche(a)) return pixel;
    auto px = [](double einheiten) {
        return std::max(1, int(std::lround(seiteneinheiten_zu_pixel(einheiten, bild_dpi))));
    };
    return {px(a.breite), px(a.hoehe)};
}

QTransform bildabbildung(const Tlist1& liste, QSize pixel, Darstellung darstellung, double dpi) {
    const Seitenausschnitt a = seitenausschnitt(liste, darstellung.nur_zeichnung);
    switch (darstellung.skalierung) {
    case Skalierung::willkuerlich:
        return verschiebung(a) * willkuerlich(a.breite, a.hoehe, QSizeF(pixel));
    case Skalierung::winkeltreu:
        return verschiebung(a) * winkeltreu(a.breite, a.hoehe, QSizeF(pixel));
    case Skalierung::massstabstreu:
        return verschiebung(a) * massstabstreu(dpi);
    }
    return {};
}

void seite_malen(QPainter& maler, const Tlist1& liste) {
    for (const auto& objekt : liste)
        objekt->zeichne(maler);
}

QImage bild_rendern(const Tlist1& liste, QSize pixel, Darstellung darstellung, QString* fehler) {
    if (!groesse_pruefen(pixel, fehler)) return {};
    const std::int64_t flaeche = std::int64_t(pixel.width()) * pixel.height();
    if (flaeche > max_bildpixel) {
        melde(fehler,
              QStringLiteral("Das Bild mit %1 × %2 Pixeln ist zu groß; höchstens %3 "
                             "Millionen Pixel sind möglich.")
                  .arg(zahl(pixel.width()), zahl(pixel.height()), zahl(max_bildpixel / 1'000'000)));
        return {};
    }
    QImage bild(pixel, QImage::Format_RGB32);
    if (bild.isNull()) {
        melde(fehler, QStringLiteral("Für das Bild ist nicht genug Speicher frei."));
        return {};
    }
    bild.setDotsPerMeterX(int(std::lround(bild_dpi / 0.0254)));
    bild.setDotsPerMeterY(int(std::lround(bild_dpi / 0.0254)));
    bild.fill(Qt::white);
    malen(bild, liste, bildabbildung(liste, pixel, darstellung));
    return bild;
}

QByteArray svg_bild(const Tlist1& liste, QSize pixel, Darstellung darstellung) {
    if (!groesse_pruefen(pixel, nullptr)) return {};
    return svg_daten(liste, pixel, darstellung, false);
}

QByteArray bild_daten(const Tlist1& liste, Bildformat format, QSize pixel, Darstellung darstellung,
                      QString* fehler) {
    if (!groesse_pruefen(pixel, fehler)) return {};
    switch (format) {
    case Bildformat::bmp:
    case Bildformat::png: {
        const QImage bild = bild_rendern(liste, pixel, darstellung, fehler);
        if (bild.isNull()) return {};
        return bitmap_daten(bild, format, fehler);
    }
    case Bildformat::wmf:
    case Bildformat::emf:
        return metadatei_daten(liste, format, pixel, darstellung);
    case Bildformat::svg:
        return svg_daten(liste, pixel, darstellung, true);
    case Bildformat::pdf:
        return pdf_daten(liste, pixel, darstellung, fehler);
    }
    return {};
}

bool datei_ersetzen(const QString& datei, const QByteArray& bytes, QString* fehler) {
    QSaveFile f(datei);
    // Unbuffered, so that a short write (disk full, file size limit) shows in the count; through
    // the buffer the shortened file would be committed.
    bool gut = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (gut && f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        f.commit(); // removes the temporary file
        gut = false;
    }
    if (gut) gut = f.commit();
    if (!gut)
        melde(fehler, QStringLiteral("Die Datei %1 kann nicht gespeichert werden.")
                          .arg(QDir::toNativeSeparators(datei)));
    return gut;
}

bool bild_exportieren(const Tlist1& liste, const QString& datei, Bildformat format, QSize pixel,
                      Darstellung darstellung, QString* fehler) {
    QString grund;
    const QByteArray bytes = bild_daten(liste, format, pixel, darstellung, &grund);
    if (bytes.isEmpty()) {
        melde(fehler,
              grund.isEmpty() ? QStringLiteral("Das Bild kann nicht erzeugt werden.") : grund);
        return false;
    }
    return datei_ersetzen(datei, bytes, fehler);
}

// --- Names on the command line

std::optional<Bildformat> bildformat_aus_dateiname(const QString& datei) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    for (Bildformat f : {Bildformat::bmp, Bildformat::wmf, Bildformat::emf, Bildformat::png,
                         Bildformat::svg, Bildformat::pdf})
        if (endung == bildendung(f)) return f;
    return std::nullopt;
}

std::optional<Skalierung> skalierung_aus_text(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QStringLiteral("willkürlich") || t == QStringLiteral("willkuerlich"))
        return Skalierung::willkuerlich;
    if (t == QStringLiteral("winkeltreu")) return Skalierung::winkeltreu;
    if (t == QStringLiteral("maßstabstreu") || t == QStringLiteral("massstabstreu"))
        return Skalierung::massstabstreu;
    return std::nullopt;
}

std::optional<QSize> bildgroesse_aus_text(const QString& text) {
    const std::string t = text.trimmed().toStdString();
    const auto x = t.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    auto seite = [](std::string_view s) -> std::optional<int> {
        // Digits only: from_chars would take a sign, and more than 7 digits cannot be in range.
        if (s.empty() || s.size() > 7 || s.find_first_not_of("0123456789") != s.npos)
            return std::nullopt;
        int n = 0;
        std::from_chars(s.data(), s.data() + s.size(), n);
        if (n < min_bildseite || n > max_bildseite) return std::nullopt;
        return n;
    };
    const auto b = seite(std::string_view(t).substr(0, x));
    const auto h = seite(std::string_view(t).substr(x + 1));
    if (!b || !h) return std::nullopt;
    return QSize(*b, *h);
}

std::optional<Exportauftrag> exportauftrag(const QString& datei, const QString& groesse,
                                           const QString& skalierung, QString* fehler) {
    Exportauftrag a;
    a.datei = datei;
    const auto format = bildformat_aus_dateiname(datei);
    if (!format) {
        melde(fehler, QStringLiteral("Unbekanntes Bildformat: %1 (möglich sind png, bmp, svg, "
                                     "pdf, wmf und emf).")
                          .arg(datei));
        return std::nullopt;
    }
    a.format = *format;
    if (!groesse.isEmpty()) {
        const auto g = bildgroesse_aus_text(groesse);
        if (!g) {
            melde(fehler, QStringLiteral("Ungültige Bildgröße: %1 (BREITExHÖHE, je %2 bis %3 "
                                         "Pixel).")
                              .arg(groesse, zahl(min_bildseite), zahl(max_bildseite)));
            return std::nullopt;
        }
        a.pixel = *g;
    }
    if (!skalierung.isEmpty()) {
        const auto s = skalierung_aus_text(skalierung);
        if (!s) {
            melde(fehler, QStringLiteral("Unbekannte Skalierung: %1 (willkürlich, winkeltreu "
                                         "oder maßstabstreu).")
                              .arg(skalierung));
            return std::nullopt;
        }
        a.skalierung = *s;
    }
    return a;
}

} // namespace zol

#pragma once
// Pictures of a plot page: the display list drawn into a bitmap (BMP, PNG), a metafile (WMF,
// EMF), an SVG drawing or a PDF page. The picture dialog and the command line both export
// through these functions, so a page comes out the same either way.
//
// A picture is breite x hoehe pixels at 96 dpi, and the page is mapped onto it:
//   willkuerlich   the page fills the picture, distorted if need be;
//   winkeltreu     the page as large as the picture allows, proportions kept (a strip remains
//                  at the right or at the bottom);
//   massstabstreu  0.1 mm per page unit at 96 dpi: the page at true size, cut to the picture.
// SVG and PDF are true-size formats: with massstabstreu they hold the whole page at true size
// (an SVG of page width x page height millimetres, a PDF page of the page's size) and ignore the
// pixel size.
//
// The picture shows the whole page or only the drawing: the box around everything drawn and a
// small margin, mapped in the same three ways (so a worksheet picture is the graph, not a page
// with the graph in a corner).
//
// The page background is not filled: bitmaps start white, the other formats transparent
// (PDF: the white paper).
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTransform>

#include <cstdint>
#include <optional>

class QPainter;

namespace zol {

class Tlist1;

enum class Bildformat { bmp, wmf, emf, png, svg, pdf };
enum class Skalierung { willkuerlich, winkeltreu, massstabstreu };

// How the page goes into a picture. A scaling alone means the whole page.
struct Darstellung {
    Skalierung skalierung = Skalierung::willkuerlich;
    bool nur_zeichnung = false;
    Darstellung(Skalierung s = Skalierung::willkuerlich, bool nur = false) // NOLINT: implicit
        : skalierung(s), nur_zeichnung(nur) {}
    friend bool operator==(const Darstellung&, const Darstellung&) = default;
};

// A part of the page in page units (y upward): its top-left corner and its size.
struct Seitenausschnitt {
    double links = 0;
    double oben = 0;
    double breite = 0;
    double hoehe = 0;
    friend bool operator==(const Seitenausschnitt&, const Seitenausschnitt&) = default;
};

inline constexpr int zeichnungsrand = 20; // page units (2 mm) around the drawing

inline constexpr int bild_dpi = 96; // resolution of pictures given in pixels
inline constexpr int min_bildseite = 2;
inline constexpr int max_bildseite = 999'999;
// Bitmaps beyond this many pixels are refused instead of allocating gigabytes.
inline constexpr std::int64_t max_bildpixel = 100'000'000;

// "bmp", "wmf", "emf", "png", "svg", "pdf".
QString bildendung(Bildformat format);
bool ist_bitmap(Bildformat format);

// The whole page, or with nur_zeichnung the box around what the objects draw (pen widths, point
// markers and texts included) grown by zeichnungsrand on every side. A page on which nothing is
// drawn is shown whole.
Seitenausschnitt seitenausschnitt(const Tlist1& liste, bool nur_zeichnung);

// The size in pixels (at bild_dpi) of the picture that a format holds: the given size, except
// for SVG and PDF at true size, which hold the whole page or drawing.
QSize bildgroesse(const Tlist1& liste, Bildformat format, QSize pixel, Darstellung darstellung);

// Page units onto a picture of the given pixels at dpi dots per inch.
QTransform bildabbildung(const Tlist1& liste, QSize pixel, Darstellung darstellung,
                         double dpi = bild_dpi);

// Draws the display list with the painter's transform in force. Painting sets the texts' rough
// extents (hit-test data), which is why it can work on a const list.
void seite_malen(QPainter& maler, const Tlist1& liste);

// The page drawn into a white bitmap of the given pixels. A null image, with a German reason
// in *fehler, when the size is outside 2 ... 999999 or above max_bildpixel, or memory runs out.
QImage bild_rendern(const Tlist1& liste, QSize pixel, Darstellung darstellung,
                    QString* fehler = nullptr);

// An SVG of the picture exactly as bild_rendern draws it (96 dpi, cut to the pixels also with
// massstabstreu): the vector form that goes with a bitmap on the clipboard.
QByteArray svg_bild(const Tlist1& liste, QSize pixel, Darstellung darstellung);

// The file's bytes in the format; empty with a German reason in *fehler on failure.
QByteArray bild_daten(const Tlist1& liste, Bildformat format, QSize pixel, Darstellung darstellung,
                      QString* fehler = nullptr);

// Writes the picture file. The file is replaced only when it was written completely; on
// failure an existing file stays as it was, and the result is false with a German reason.
bool bild_exportieren(const Tlist1& liste, const QString& datei, Bildformat format, QSize pixel,
                      Darstellung darstellung, QString* fehler = nullptr);

// Writes bytes through a temporary file that replaces the target only when complete.
bool datei_ersetzen(const QString& datei, const QByteArray& bytes, QString* fehler = nullptr);

// --- Names on the command line

// The format from the file name's extension (case-insensitive).
std::optional<Bildformat> bildformat_aus_dateiname(const QString& datei);
// "willkürlich"/"willkuerlich", "winkeltreu", "maßstabstreu"/"massstabstreu" (any case).
std::optional<Skalierung> skalierung_aus_text(const QString& text);
// "BREITExHOEHE", each 2 ... 999999 ("x" or "X").
std::optional<QSize> bildgroesse_aus_text(const QString& text);

// One export as the command line asks for it: zol --export DATEI.fkt BILD [--size BxH]
// [--scale NAME] [--crop]. Without --size the dialog's 300 x 400 pixels, without --scale
// willkuerlich, without --crop the whole page.
struct Exportauftrag {
    QString datei;
    Bildformat format = Bildformat::png;
    QSize pixel{300, 400};
    Skalierung skalierung = Skalierung::willkuerlich;
    bool nur_zeichnung = false;
    Darstellung darstellung() const { return {skalierung, nur_zeichnung}; }
};
// Empty groesse or skalierung take the defaults. Nothing, and a German reason, for an unknown
// extension, size or scaling name.
std::optional<Exportauftrag> exportauftrag(const QString& datei, const QString& groesse,
                                           const QString& skalierung, QString* fehler = nullptr);

} // namespace zol

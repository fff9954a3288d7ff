#pragma once
// Pens, brushes, fonts and coordinates of a page as plain values: the display list can be built
// without a GUI application, and Qt objects are only made when something is painted.
#include <QColor>
#include <QString>

#include <cstdint>
#include <string>

class QFont;
class QPainter;
class QPen;

namespace zol {

// A page point in units of 0.1 mm, y upward.
struct Tpunkt {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Tpunkt&, const Tpunkt&) = default;
};

// Two points: line ends, or a reference corner and a rough extent.
struct Trechteck {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    friend bool operator==(const Trechteck&, const Trechteck&) = default;
    // The same rectangle with the smaller coordinates first.
    Trechteck normalisiert() const;
    bool enthaelt(Tpunkt p) const; // borders included; expects a normalised rectangle
};

// Pen styles as the line style dialog numbers them. A polyline draws the styles 1 to 4 as point
// markers; a single line shows them as dash patterns.
enum Stiftstil : int {
    stil_linie = 0,
    stil_kleiner_kreis = 1,
    stil_grosser_kreis = 2,
    stil_kleines_quadrat = 3,
    stil_grosses_quadrat = 4,
    stil_unsichtbar = 5,
};

struct Tstift {
    QColor farbe = Qt::black;
    std::int32_t breite = 1; // page units (0.1 mm); at least one device pixel is drawn
    int stil = stil_linie;
    friend bool operator==(const Tstift&, const Tstift&) = default;
};

struct Tpinsel {
    QColor farbe = Qt::white;
    bool leer = false; // nothing is filled
    friend bool operator==(const Tpinsel&, const Tpinsel&) = default;
};

// A font as the windows keep it: a family name and a size in points.
struct Tschrift {
    std::string name = "Courier New";
    int groesse = 20;
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
    QColor farbe = Qt::black;
    friend bool operator==(const Tschrift&, const Tschrift&) = default;
};

// A font of n points is n * 4/3 page units high: the label offsets of a plot count the size
// directly in page units, and are laid out for text of that height.
inline constexpr double seiteneinheiten_je_punkt = 96.0 / 72.0;

// Page coordinates far outside any page are cut to this bound, so that sums of coordinates stay
// inside 32 bits and painting never sees absurd values.
inline constexpr std::int32_t seitengrenze = 10'000'000;
std::int32_t seitenkoordinate(long double wert); // rounded half to even and cut to the bound

// A pen for painting with the page mapping in force: never thinner than one device pixel.
QPen malstift(const QPainter& maler, const Tstift& stift, bool durchgezogen = false);
void setze_pinsel(QPainter& maler, const Tpinsel& pinsel);

} // namespace zol

#pragma once
// What the plot engine reads: the settings of a plot window and its list of curves. The window
// fills these before a rebuild; the engine never looks at widgets.
#include "graph/grafiktexte.h"
#include "graph/zeichenmittel.h"

#include <QColor>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zol {

class Tfktbaum;

struct Tzeichenvorgaben {
    // Ranges and tick steps (world units).
    long double xmin = -3, xmax = 3, xskala = 1;
    long double ymin = -3, ymax = 3, yskala = 1;
    // Plot area size and distance from the left and top page edge, whole mm.
    int xgroesse = 80, ygroesse = 60;
    int xabstand = 20, yabstand = 10;
    bool koord = true; // frame, axes, ticks, grid, tick labels
    bool gitterlinie = false;
    bool gitterpunkt = false;
    // Logarithmic axes. The engine clears a flag (and says so) when the range is not positive;
    // the window shows the flags again after a rebuild.
    bool logx = false;
    bool logy = false;
    int xinter = 1, yinter = 1; // every n-th tick is labelled
    bool autobeschrift = true;  // tick numbers and titles as text objects
    std::string xtext = grafiktexte::standard_xtext;
    std::string ytext = grafiktexte::standard_ytext;
    std::string uebertext = grafiktexte::standard_uebertext;
    Tschrift schrift; // labels, titles and the free text
    Tstift achsenstift;
    std::string zahlformat = "0.000"; // picture of the tick numbers
    // Text mode writes the label positions as lines of the free text instead of objects.
    bool textmodus = false;
    std::vector<std::string> freitext; // the window's free text; text mode appends to it
    // Formula table for the curves (the project formulas); without one no curve is drawn.
    Tfktbaum* formeln = nullptr;
};

// Colours of new curves, in order: black first, then colours that stay apart on white paper,
// for readers with weak colour vision and in grey print (no yellow).
inline constexpr std::array<QRgb, 8> kurvenpalette = {
    0xff000000, // black
    0xff0072b2, // blue
    0xffd55e00, // vermilion
    0xff009e73, // bluish green
    0xffcc79a7, // reddish purple
    0xffe69f00, // orange
    0xff56b4e9, // sky blue
    0xff8c564b, // brown
};

// The n-th colour of the palette, starting again after the last.
inline QColor kurvenfarbe(int n) {
    const int k = static_cast<int>(kurvenpalette.size());
    return QColor::fromRgb(kurvenpalette[static_cast<std::size_t>(((n % k) + k) % k)]);
}

// One entry of the plot window's function list.
struct Teinzelnefkt {
    enum Art : std::int32_t { funktion = 0, schar = 1, parameter = 2, tabelle = 3 };

    std::string name; // function definition; kind 2: x(t); kind 3: table file path
    std::int32_t art = funktion;
    bool zeigewert = true;
    bool zeigeableit = false;
    bool zeige2ableit = false;
    bool zeigeintegral = false;
    bool einschraenken = false; // sample von..bis instead of the whole x range
    long double von = -3, bis = 3;
    std::string name2;             // family parameter name; kind 2: y(t)
    long double scharvon = -3;     // first parameter value; kind 2: first t
    long double scharschritt = 1;  // parameter step; kind 2: last t
    std::int32_t scharanzahl = 4;  // family members; kind 2: steps in t
    std::int32_t aufloesung = 600; // steps over the x interval
    QColor farbe = Qt::black;
    std::int32_t breite = 1;
    std::uint8_t stil = 0;     // 0 line, 1 to 4 point markers
    std::int32_t simpson = 10; // kept with the entry, not used for drawing
    long double integralkonst = 0;
};

} // namespace zol

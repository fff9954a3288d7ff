#pragma once
// Layout of the text language of drawings. A line is written from left to right; commands
// start with "\" and take arguments in parentheses, separated by ";":
//   \p(x;y) position in mm from the top-left page corner   \k(a;t) t rotated by a degrees
//   \f(a;b) fraction    \w(a) square root    \r(a) root sign with a bar    \m multiplication dot
//   \v(a) vector arrow  \c(a) Symbol font    \d(a) index    \u(a) small    \Fn(name) \Fs(size)
// The text shape control has its own dialect: no \p, \k, \Fn, \Fs; in addition \z(a;b) stacked
// without a bar, \h(a) and \t(a) upper and lower limits, \S sum sign, \I integral sign; sizes
// shrink to two thirds instead of a half.
//
// The layout is computed from font metrics alone, so it can be checked and measured without
// painting; painting (textmalen.h) only replays it.
#include <QFont>
#include <QPointF>
#include <QString>

#include <string>
#include <vector>

namespace zol {

enum class Textdialekt {
    seite,    // text objects on a page
    textform, // the text shape control
};

struct Satzvorgaben {
    Textdialekt dialekt = Textdialekt::seite;
    QFont grundschrift;                      // family and style; its size is ignored
    int groesse = 20;                        // points
    double einheiten_je_punkt = 96.0 / 72.0; // layout units per point
};

// One drawn piece. Coordinates have y downward: on a page they are (x, -y) of page units.
struct Satzelement {
    enum Art { text, strich, punkt };
    Art art = text;
    QPointF a;           // text: top-left corner; strich: start; punkt: centre
    QPointF b;           // strich: end; punkt: (diameter, 0)
    double winkel = 0;   // text: degrees, counter-clockwise as seen
    QFont schrift;       // text
    QString inhalt;      // text
    bool symbol = false; // text written in the Symbol font (already translated to Unicode)
};

struct Textsatz {
    std::vector<Satzelement> elemente;
    double h = 0; // text height of the base font
    double w = 0; // width of "M" in the base font
    QPointF ende; // pen position after the last line (x after its text, y of its top)
};

// Lays out lines starting at start (top-left of the first line, y downward). Each further line
// starts one "M" width right of start, two text heights below the previous line.
Textsatz setze_text(const std::vector<QString>& zeilen, QPointF start, const Satzvorgaben& v);

// A font of the given size in points for the layout units (pixel size, no hinting, so that
// measuring and painting agree on every device).
QFont satzschrift(const QFont& grund, const QString& name, int groesse, double einheiten_je_punkt);

} // namespace zol

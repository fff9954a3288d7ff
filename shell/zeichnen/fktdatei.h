#pragma once
// The data file of the plot window (".fkt"): lines of text, fields inside a line ended by "#",
// numbers with the decimal comma.
//
//   1  "Zeichne"
//   2  the label format
//   3  view factor, axis pen (colour, width, style), function pen (colour, width, style), label
//      font (name, bold, italic, underline, strike-out, colour, size), "Eingabe zeigen"
//   4… the component block of the window
//   n  the number of list entries, then per entry a line with its definition and a line
//      "colour#width#style#kind#…" (kinds 1 and 2 add a line with the second definition)
//
// Kind 0 stores one curve digit (0 values, 1 first derivative, 2 second derivative, 3 integral)
// and the restriction as "0" when set and "1" when not. Colours are one integer, red lowest.
// Readers fail without side effects; the window applies what they return.
#include "graph/vorgaben.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zol::fktdatei {

inline constexpr const char* kennung = "Zeichne";

// Longest lines a plot file may hold. A number format picture is a few characters, a caption,
// a line of the free text or a definition a few dozen; a longer line is damage (a megabyte
// format would be drawn into every tick label of the page).
inline constexpr qsizetype max_formatlaenge = 255;
inline constexpr qsizetype max_zeilenlaenge = 1000;

// The first line (1-based) that is too long: line 2 (the number format) longer than
// max_formatlaenge, or any later line longer than max_zeilenlaenge; 0 when there is none. The
// window checks a file with it before loading anything and refuses to save one it could not
// read again.
int zu_lange_zeile(const QStringList& zeilen);

// Lines 2 and 3.
struct Kopf {
    QString zahlformat = QStringLiteral("0.000");
    double ansichtsfaktor = 0.3;
    Tstift achsenstift;
    Tstift funktionsstift;
    Tschrift schrift;
    bool eingabe_zeigen = true;
};

QStringList kopf_schreiben(const Kopf& kopf);
// Reads lines 1 to 3. False when line 1 is not the marker or line 3 is damaged; fehlerzeile is
// then the 1-based line at fault.
bool kopf_lesen(const QStringList& zeilen, Kopf& kopf, int& fehlerzeile);

QStringList eintraege_schreiben(const std::vector<Teinzelnefkt>& eintraege);
// Reads the entry count and the entries from zeilen[index] on and moves index past them. False
// (fehlerzeile 1-based) when the count or an entry is missing, truncated or holds nonsense.
bool eintraege_lesen(const QStringList& zeilen, int& index, std::vector<Teinzelnefkt>& eintraege,
                     int& fehlerzeile);

// The line of the function list: "Fkt:", "1.Abl:", "2.Abl:", "Integ:", "Schar:", "Para:" or
// "Tab:" and the definition.
QString listentext(const Teinzelnefkt& e);

// Kind 0: which curve is drawn, as the digit of the file (the first flag that is set).
int kurvenziffer(const Teinzelnefkt& e);
// Sets exactly one curve flag.
void setze_kurvenziffer(Teinzelnefkt& e, int ziffer);

// Colours as one integer, red in the lowest byte.
int farbe_als_zahl(const QColor& farbe);
QColor zahl_als_farbe(long long zahl);

} // namespace zol::fktdatei

#pragma once
// The main window's tool buttons. Each carries a Tag that fixes its place: in the main window's
// tool bar and in the palette window, the buttons stand in Tag order on a grid of square cells.
#include <QIcon>
#include <QString>

#include <vector>

class QWidget;

namespace zol {

inline constexpr int knopfzelle = 25; // cell size in pixels

struct Werkzeugknopf {
    int tag;
    const char* hinweis;
};

// Tags 1 to 51 with their hints.
const std::vector<Werkzeugknopf>& werkzeugknoepfe();

// The glyph of the tool button with this Tag.
QIcon knopfsymbol(int tag);
// Glyphs of the window management buttons ("Normal", "Maximieren", "Minimieren",
// "Liste der Fenster aktualisieren") and of the outline buttons ("Nur Themen anzeigen",
// "Alles anzeigen").
enum class Verwaltungssymbol { normal, maximieren, minimieren, aktualisieren, themen, alles };
QIcon verwaltungssymbol(Verwaltungssymbol art);

// Places the tool buttons among leiste's children (those with a "Tag" property above 0) in Tag
// order on knopfzelle-sized cells, breite / knopfzelle (at least one) to a row. Returns the
// number of rows used.
int knoepfe_anordnen(QWidget* leiste, int breite);

} // namespace zol

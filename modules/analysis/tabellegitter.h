#pragma once
// The spreadsheet's two grids: StringGrid1 shows each cell's display text, the hidden
// StringGrid2 holds its input. Row 0 and column 0 carry the column names and row numbers.
//
// A grid of a thousand rows and a hundred columns holds a hundred thousand items. Changing the
// size of a filled QTableWidget restyles and renumbers every item (and after a change of the
// column count every later item change searches the whole table), so sizes change here in one
// step: the texts are set aside, the grid is emptied, resized and filled again.
#include "modules/analysis/tabellenrechnung.h"

#include <QStringList>

namespace zol {

class TStringGrid;

// Both grids as the recalculation reads and writes them.
class Gitterpaar : public Tabellenzugriff {
public:
    Gitterpaar(TStringGrid& anzeige, TStringGrid& eingabe) : anzeige_(anzeige), eingabe_(eingabe) {}
    int zeilen() const override;
    int spalten() const override;
    std::string eingabe(int spalte, int zeile) const override;
    std::string anzeige(int spalte, int zeile) const override;
    void setzeAnzeige(int spalte, int zeile, const std::string& text) override;

private:
    TStringGrid& anzeige_;
    TStringGrid& eingabe_;
};

// The most cells a grid takes (a pasted text can ask for up to 16 million; a file for more).
inline constexpr int max_zellen = 1 << 24;

// New row and column count (fixed ones included) in one step; texts inside stay. Rows beyond
// max_zellen are not added.
void gittergroesse_setzen(TStringGrid& gitter, int zeilen, int spalten);
// Column names into row 0, row numbers into column 0, and the same as the grid's header
// labels, which stay in view while the cells scroll.
void kopfzeilen_schreiben(TStringGrid& gitter);
// A component block's grid lines (cells joined by TAB, fixed ones included): the grid takes
// their size and texts.
void gitter_fuellen(TStringGrid& gitter, const QStringList& zeilen);

} // namespace zol

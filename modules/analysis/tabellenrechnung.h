#pragma once
// The spreadsheet's arithmetic, free of the user interface.
//
// Every cell holds an input text (a number, a formula, a range sum or free text) and shows a
// display text. Every computed cell becomes a named quantity such as "B3" in a formula table
// that belongs to the sheet alone, so formulas use other cells by name. "Rechne" computes every
// cell once, after the cells it uses, so chains of references settle in any
// direction.
//
// Coordinates are (column, row) as in the grids: row 0 holds the column names and column 0 the
// row numbers, so the cells proper start at (1, 1).
#include <string>
#include <string_view>
#include <vector>

namespace zol {

class Tfktbaum;

// Column letters and row number, "A1", "AA12"; empty outside the three-letter columns.
std::string zellname(int spalte, int zeile);
// Columns that have a name (A … ZZZ), plus the fixed column 0.
inline constexpr int max_spalten = 26 + 26 * 26 + 26 * 26 * 26 + 1;

// A rectangle of cells, bounds included. An "empty" range has rechts < links or unten < oben.
struct Zellbereich {
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    bool enthaelt(int spalte, int zeile) const {
        return spalte >= links && spalte <= rechts && zeile >= oben && zeile <= unten;
    }
};

// "A1:C3" (capital letters) into a range; false unless both ends are cell references.
bool bereich_lesen(std::string_view text, Zellbereich& bereich);

// The cells as the recalculation sees them: the window's two grids, or a sheet in memory.
class Tabellenzugriff {
public:
    virtual ~Tabellenzugriff() = default;
    // Counts include the fixed row and column.
    virtual int zeilen() const = 0;
    virtual int spalten() const = 0;
    virtual std::string eingabe(int spalte, int zeile) const = 0;
    virtual std::string anzeige(int spalte, int zeile) const = 0;
    virtual void setzeAnzeige(int spalte, int zeile, const std::string& text) = 0;
};

// A sheet held in memory.
class Tabellenblatt : public Tabellenzugriff {
public:
    Tabellenblatt(int zeilen, int spalten);
    int zeilen() const override { return zeilen_; }
    int spalten() const override { return spalten_; }
    std::string eingabe(int spalte, int zeile) const override;
    std::string anzeige(int spalte, int zeile) const override;
    void setzeAnzeige(int spalte, int zeile, const std::string& text) override;
    // As typing does: the text becomes input and display.
    void setzeEingabe(int spalte, int zeile, const std::string& text);

private:
    std::size_t stelle(int spalte, int zeile) const;
    int zeilen_;
    int spalten_;
    std::vector<std::string> eingaben_;
    std::vector<std::string> anzeigen_;
};

// Empty, or nothing but blanks and tabs.
bool ist_leer(std::string_view text);

// How a cell's input is read, in the order the rules try.
enum class Zellart {
    leer,     // nothing to compute
    zahl,     // 2,5 or 2.5: the cell is that number
    summe,    // =SUMME(A1:A3): the sum of the shown values of a range
    formel,   // =A1*3: the cell is the value of the term
    rechnung, // 3*4=: the cell is the value of the left side
    text,     // anything else: free text, or a definition such as f(x)=x^2 for the table
};
Zellart zellart(std::string_view eingabe);

struct Zellergebnis {
    Zellart art = Zellart::leer;
    // The cell's name now stands for this cell's content in the table.
    bool definiert = false;
    // A sum whose range could not be read or summed: display and table were not touched.
    bool unveraendert = false;
};

// Recalculates one cell and writes its display text. Formulas the table refuses leave the cell
// showing its input text, silently.
Zellergebnis zelle_rechnen(Tfktbaum& baum, Tabellenzugriff& blatt, int spalte, int zeile,
                           std::string_view format);

// "Rechne": empties the table, then computes every cell with something in it once: after the
// cells and definitions its text names (all cells of a summed range), in row order where that
// leaves a choice; cells in a cycle, or using one, last in row order.
void blatt_rechnen(Tfktbaum& baum, Tabellenzugriff& blatt, std::string_view format);

// "Formeln anzeigen": every non-blank input becomes the display text.
void formeln_anzeigen(Tabellenzugriff& blatt);

// Cell texts from TAB-separated lines (LF or CR LF) placed from (links, oben) on.
struct Einfuegefeld {
    int spalte = 0;
    int zeile = 0;
    std::string text;
};
struct Einfuegeplan {
    int zeilen = 0; // grid size afterwards
    int spalten = 0;
    std::vector<Einfuegefeld> felder; // in line order, fields left to right
};
// With wachsen the grid grows (a row or column whenever a field lies beyond it, up to the
// last named column); otherwise what lies outside the grid is dropped.
Einfuegeplan einfuegen_planen(std::string_view text, int links, int oben, int zeilen, int spalten,
                              bool wachsen);

// "Zeichnen" needs two columns of several rows: empty when the selection will do, else the
// message for the user.
std::string zeichnen_pruefen(const Zellbereich& auswahl);

// "Größer" and "Kleiner": the factor in tenths (12 or 8), or 0 when the font size has reached
// its limit (30 upwards, 6 downwards). Sizes are multiplied and rounded down.
int zoomfaktor(int schriftgroesse, bool groesser);
inline int gezoomt(int wert, int faktor) {
    return wert * faktor / 10;
}

} // namespace zol

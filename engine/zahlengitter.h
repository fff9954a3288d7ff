#pragma once
// Reading a block of grid cells as numbers, the way every grid window takes its input: blanks
// and tabs removed, upper case, decimal comma. The first cell that is no number is reported by
// its row and column; the caller shows the message and keeps its results as they were.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// One cell's text as a number; false when it is none (an empty cell is none).
bool zellwert(std::string_view text, long double& wert);

// A cell in grid coordinates (fixed rows and columns counted); zeile 0 means none.
struct Gitterstelle {
    int spalte = 0;
    int zeile = 0;
    bool gefunden() const { return zeile != 0 || spalte != 0; }
};

// The cells of columns spalte0 .. spalte0 + spalten - 1 and rows zeile0 .. zeile0 + zeilen - 1,
// read column by column through zelle(spalte, zeile). werte[r][c] holds row r, column c of the
// block. On the first bad cell: false, fehler names it and werte is left unchanged.
bool zahlengitter_lesen(int spalte0, int spalten, int zeile0, int zeilen,
                        const std::function<std::string(int spalte, int zeile)>& zelle,
                        std::vector<std::vector<long double>>& werte, Gitterstelle& fehler);

// "Fehlerhafte Eingabe in Zeile:2Spalte:3", or with a matrix name "Fehlerhafte Eingabe in
// Matrix 1 Zeile:2Spalte:3".
std::string gitterfehlertext(const Gitterstelle& stelle, std::string_view matrix = {});

} // namespace zol

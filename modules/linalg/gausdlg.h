#pragma once
// "Lineares Gleichungssystem": n linear equations in n unknowns, typed into a grid with the
// right sides in column "b", solved by Gauss-Jordan elimination (gaussrechnung.h). The result
// grid shows x1 … xn, or, when there is no unique solution, "Gleichung nicht lösbar" and the
// eliminated matrix. "Kopieren" copies both grids, "Einfügen" fills the equations from their
// first cell.
#include "shell/rahmen/modulfenster.h"

namespace zol {

class Tspineditin;
class TStringGrid;

class Tgausdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tgausdlg(QWidget* eltern = nullptr);

    TStringGrid* eingabegitter() const { return StringGrid1; }
    TStringGrid* ergebnisgitter() const override { return StringGrid2; }

    // Reads the n equations; a cell that is no number is reported and nothing else changes.
    void rechne() override;
    // "&Neu": "0" into every input cell, the results empty.
    void neu() override;
    // Files of the polynomial windows share the marker "lgs": whatever a file holds, the grids
    // afterwards have the size of the (clamped) number of equations and their headers.
    bool laden(const QString& datei) override;
    // From the menu, the tool bar or a short cut, "Kopieren" writes both grids whole and
    // "Einfügen" fills the equations from their first cell (1, 1); while a field or cell is
    // being edited, and from a grid's context menu, the frame's clipboard applies.
    void zwischenablage(Befehl befehl, QWidget* ziel = nullptr) override;

private:
    // Layout (gausdlg_aufbau.cpp).
    void aufbauen();
    // Both grids for n equations, headers and row numbers; empty cells get "0".
    void gitterAnpassen(int n);
    void ergebnisseLeeren();

    Tspineditin* spineditin1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
};

// Makes the linear system window known to projects, menus, templates and batch mode (kind 105).
void gauss_registrieren();

} // namespace zol

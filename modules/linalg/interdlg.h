#pragma once
// "Interpolation": the polynomial of degree n − 1 meeting n conditions, each prescribing f, f'
// or f'' at a point (interpolationsrechnung.h). The marker columns "f(x)", "f'(x)", "f''(x)"
// hold one "X" per row (typing into one of them, or double-clicking it, moves the row's "X"
// there); the result "poly(x)=…" can be entered as a project formula or drawn
// with the prescribed points.
#include "shell/rahmen/modulfenster.h"

class QLineEdit;

namespace zol {

class Tdialogfkt;
class Tspineditin;
class TStringGrid;

class Tinterdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tinterdlg(QWidget* eltern = nullptr);

    TStringGrid* eingabegitter() const { return StringGrid1; }
    QList<QLineEdit*> ergebnisfelder() const override { return {Edit1}; }

    // Reads the conditions: a value that is no number or a row without marker gives
    // "Fehlerhafte Eingabe" and leaves the result; conditions that fix no single polynomial
    // give "Gleichung nicht lösbar" and an empty result.
    void rechne() override;
    // "Rechne", then a new plot window with the polynomial and, as points, the rows marked
    // "f(x)" (values of derivatives are no points of the curve).
    void zeichnen() override;
    // "&Neu": "0" into the value cells, "X" under "f(x)" in every row, the result empty.
    void neu() override;
    bool laden(const QString& datei) override;

    // The plot window the last "Zeichnen" opened.
    Tdialogfkt* zeichenfenster() const { return zeichenfenster_; }

    // Marker columns of the grid.
    static constexpr int spalte_fx = 3;
    static constexpr int spalte_f2 = 5;

private:
    // Layout (interdlg_aufbau.cpp).
    void aufbauen();
    void gitterAnpassen(int n);
    // The row's three marker cells empty and "X" in the chosen one.
    void markieren(int zeile, int spalte);
    void zelleGeaendert(int zeile, int spalte);
    bool berechnen();

    Tspineditin* spineditin1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    Tdialogfkt* zeichenfenster_ = nullptr;
    bool markiertGerade_ = false; // the window itself writes marker cells
};

// Makes the interpolation window known to projects, menus, templates and batch mode (kind 110).
void interpolation_registrieren();

} // namespace zol

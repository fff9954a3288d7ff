#pragma once
// "Gebrochen rationale Funktion": numerator and denominator polynomials of degree up to 30 given
// by their coefficients; the window writes the function, its split into polynomial part and
// proper fraction, the first derivative in both forms and the zeros of numerator and
// denominator as definition lines (text from gebrochenrechnung.h).
#include "shell/rahmen/modulfenster.h"

class QPlainTextEdit;

namespace zol {

class Tspineditin;
class TStringGrid;

class Tgebrochdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tgebrochdlg(QWidget* eltern = nullptr);

    // "Rechne": reads numerator, then denominator; an unreadable cell is reported and ends the
    // computation with the memo as it was.
    void rechne() override;
    // "Zeichnen": computes, then draws the "ratfkt(x)=" line in a new plot window.
    void zeichnen() override;
    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    // Both grids follow their degree fields after loading, whatever the file held.
    bool laden(const QString& datei) override;

private:
    void aufbauen();
    // Computes and fills the memo; false when a cell was refused (the memo is left as it was).
    bool berechnen();
    void gradAnpassen(int welches, int grad);
    void nachLaden(int welches);

    Tspineditin* spineditin1 = nullptr;
    Tspineditin* spineditin2 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    int grad_[2] = {2, 2}; // the degrees the grids are laid out for
};

// Makes the rational functions window known to projects, menus and templates (kind 45).
void gebrochen_registrieren();

} // namespace zol

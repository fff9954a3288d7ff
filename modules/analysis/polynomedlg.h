#pragma once
// "Polynom": a polynomial of degree up to 30 given by its coefficients, written with its
// derivatives, an antiderivative, its factorisation and its zeros (Bairstow's method) as
// definition lines for the calculation window. The text comes from polynomrechnung.h; this
// window keeps the coefficient grid in step with the degree and fills the memo.
#include "shell/rahmen/modulfenster.h"

class QPlainTextEdit;

namespace zol {

class Tspineditin;
class TStringGrid;

inline constexpr int polynom_hoechstgrad = 30;

class TPolynomedlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit TPolynomedlg(QWidget* eltern = nullptr);

    // "Rechne": reads the coefficients (an unreadable cell is reported and ends the computation
    // with the memo as it was) and writes the result lines.
    void rechne() override;
    // "Zeichnen": computes, then draws the "poly(x)=" line in a new plot window.
    void zeichnen() override;
    QPlainTextEdit* ergebnismemo() const override { return Memo1; }

    // The grid follows the degree field after loading, whatever the file held (the marker "lgs"
    // is shared with the linear systems window).
    bool laden(const QString& datei) override;

private:
    void aufbauen();
    // Computes and fills the memo; false when a cell was refused (the memo is left as it was).
    bool berechnen();
    void gradAnpassen(int grad);

    Tspineditin* spineditin1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    int grad_ = 2; // the degree the grid is laid out for
};

// Makes the polynomial window known to projects, menus and templates (kind 40).
void polynome_registrieren();

} // namespace zol

#pragma once
// "FFT": transforms n = 2^k complex numbers with the fast Fourier transform, forward ("FFT",
// also "Rechne") or back ("IFFT"). Real and imaginary parts are typed into the input grid; the
// transformed values appear in the result grid. The arithmetic lives in fftrechnung.h; files,
// clipboard, printing, number format, help and the hand-over to the spreadsheet come from the
// frame.
#include "modules/linalg/fftrechnung.h"
#include "shell/rahmen/modulfenster.h"

namespace zol {

class Tspineditin;
class TStringGrid;

class Tfftdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tfftdlg(QWidget* eltern = nullptr);

    TStringGrid* eingabegitter() const { return StringGrid1; }
    TStringGrid* ergebnisgitter() const override { return StringGrid2; }

    // "Rechne" carries no direction of its own and runs the forward transform, like "FFT".
    void rechne() override;
    // Reads the n input rows and writes the transformed values. A cell that is no number is
    // reported and the result grid keeps what it showed.
    void transformieren(Fftrichtung richtung);
    // "&Neu" and "&Null setzen": "0" into every input cell, every result cell empty.
    void neu() override;

private:
    // Layout (fftdlg_aufbau.cpp).
    void aufbauen();
    void befehleAufbauen();
    // Both grids for n = 2^k rows: empty cells get "0", typed values stay.
    void gitterAnpassen(int potenz);
    void ergebnisseLeeren();

    Tspineditin* spineditin1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
};

// Makes the FFT window known to projects, menus, templates and batch mode (kind 195).
void fft_registrieren();

} // namespace zol

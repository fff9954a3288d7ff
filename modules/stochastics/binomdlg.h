#pragma once
// "Binomialverteilung": for n trials with success probability p, the single probabilities
// B(n,p,k) for k from k1 to k2 in a table, the sums up to k1 and up to k2, their difference,
// expected value, variance and standard deviation in result fields. The arithmetic lives in
// binomialrechnung.h; files, clipboard, number format, help and the hand-over of the table to
// the spreadsheet come from the frame.
#include "modules/stochastics/statistikrechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

namespace zol {

class Tdialogfkt;
class Tergebnisfeld;
class Tspineditin;
class TSpinEditex;
class TStringGrid;

class Tbinom2dlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tbinom2dlg(QWidget* eltern = nullptr);

    TStringGrid* ergebnisgitter() const override { return StringGrid1; }
    // P1, P2, P2 - P1, n*p, n*p*(1-p), standard deviation.
    QList<QLineEdit*> ergebnisfelder() const override;

    // "Rechne": brings n, p, k1 and k2 into their ranges and fills table and fields. A value
    // that comes out not finite is reported and leaves no results.
    void rechne() override;
    // "Zeichnen": computes, then hands every row of the table (k, B) to a new plot window as
    // dotted points ("binom.dat"), with full precision rather than the rounded texts.
    void zeichnen() override;
    Tdialogfkt* zeichenfenster() const;

private:
    // Layout (binomdlg_aufbau.cpp).
    void aufbauen();
    QWidget* eingabe();
    QWidget* ergebnisse();
    // Computes and shows; with punkte, also the rows (k, B) for the plot window.
    bool berechnen(std::vector<Wertepaar>* punkte = nullptr);

    Tspineditin* spineditin1 = nullptr;   // n
    TSpinEditex* SpinEditex1 = nullptr;   // p
    Tspineditin* spineditin3 = nullptr;   // k1
    Tspineditin* spineditin4 = nullptr;   // k2
    Tergebnisfeld* SpinEditex3 = nullptr; // P1
    Tergebnisfeld* SpinEditex4 = nullptr; // P2
    Tergebnisfeld* SpinEditex2 = nullptr; // P2 - P1
    Tergebnisfeld* SpinEditex5 = nullptr; // n*p
    Tergebnisfeld* SpinEditex7 = nullptr; // n*p*(1-p)
    Tergebnisfeld* SpinEditex6 = nullptr; // standard deviation
    TStringGrid* StringGrid1 = nullptr;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the binomial distribution window known to projects, menus, templates and batch mode
// (kind 125).
void binomialverteilung_registrieren();

} // namespace zol

#pragma once
// "Statistik": value pairs (x, y) in the input grid; "Rechne" lists sums, means, standard
// deviations, the correlation coefficient and the regression line, exponential and power fit in
// the memo as definitions, which "Ergebnisse definieren" takes into the project formulas and
// "Zeichnen" draws with the points. The arithmetic lives in statistikrechnung.h; files,
// clipboard, number format, calculation window, help and the hand-over of the input grid to
// the spreadsheet come from the frame.
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

class QPlainTextEdit;

namespace zol {

class Tdialogfkt;
class Tspineditin;
class TStringGrid;

class Tstatistikdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tstatistikdlg(QWidget* eltern = nullptr);

    TStringGrid* eingabegitter() const { return StringGrid1; }
    // "Tabellenkalkulation" hands over the pairs: the input grid stands for the result grid.
    TStringGrid* ergebnisgitter() const override { return StringGrid1; }
    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    // Only the memo and the remembered fits are results; the pairs stay.
    void ergebnisseVerwerfen() override;

    // "Rechne": reads the pairs and lists the results. A cell that is no number, or pairs that
    // admit no line (every x equal), are reported and leave the memo empty.
    void rechne() override;
    // "Zeichnen": computes, then opens a plot window with the regression line and the pairs as
    // dotted points ("stat.dat"). Nothing opens after a refused input.
    void zeichnen() override;
    Tdialogfkt* zeichenfenster() const;

    // The last "Reglin(x)=", "Regexp(x)=", "Regpot(x)=" lines ("" when not computed).
    QString linear() const { return linear_; }
    QString exponential() const { return exponential_; }
    QString potenz() const { return potenz_; }

    // A file whose grid does not fit its "Anzahl" (one of the mappings window, which shares
    // the marker "sta", or a hand-edited one) gets a grid of the right size.
    bool laden(const QString& datei) override;

private:
    // Layout (statistikdlg_aufbau.cpp).
    void aufbauen();
    // The grid for n pairs: empty cells get "0", typed values stay.
    void gitterAnpassen(int n);
    int paarzahl();
    bool berechnen();

    Tspineditin* spineditin1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QString linear_, exponential_, potenz_;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the statistics window known to projects, menus, templates and batch mode (kind 130).
void statistik_registrieren();

} // namespace zol

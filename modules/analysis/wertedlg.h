#pragma once
// "Wertetabelle": tabulates one function of x over an equally spaced range, with optional
// columns for the numerical first and second derivative and the running integral. The
// arithmetic lives in wertetabellenrechnung.h; this window reads the controls, fills the grid
// and hands the table to a plot window or a spreadsheet (the frame's command).
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zol {

class Tdialogfkt;
class TextendEdit;
class TlongintEdit;
class TSpinEditex;
class TStringGrid;
struct Tabellenvorgaben;

class Twertedlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Twertedlg(QWidget* eltern = nullptr);

    TStringGrid* ergebnisgitter() const override { return StringGrid1; }

    // "Rechne": looks the definition up in the project formulas and builds the table. A refused
    // definition or range empties the grid, so no table of an earlier input is drawn or handed
    // on.
    void rechne() override;
    // "Zeichnen": the definition as a curve and the table's first value column as points in a
    // new plot window.
    void zeichnen() override;
    // The plot window the last "Zeichnen" opened, while it lives.
    Tdialogfkt* zeichenfenster() const;

private:
    void aufbauen();
    QWidget* seiteFunktion();
    QWidget* seiteKonstante();
    // The inputs as the computation takes them; h and n are first brought into their fields'
    // ranges, and exchanged limits are written back.
    Tabellenvorgaben vorgaben();

    QTabWidget* TabbedNotebook1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Funktionein = nullptr;
    TSpinEditex* xmin = nullptr;
    TSpinEditex* xmax = nullptr;
    TSpinEditex* xskala = nullptr;
    QCheckBox* artfunktion = nullptr;
    QCheckBox* art1ableitung = nullptr;
    QCheckBox* art2ableitung = nullptr;
    QCheckBox* artintegral = nullptr;
    TextendEdit* deltah = nullptr;
    TlongintEdit* simpson = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the value table known to projects, menus and templates (kind 25).
void wertetabelle_registrieren();

} // namespace zol

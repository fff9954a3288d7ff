#pragma once
// "Fourieranalyse": the first Fourier coefficients of a function given by a definition on an
// interval (page "Funktion") or by a table of points (page "Daten"), listed in the memo as
// definitions that "Ergebnisse definieren" takes into the project formulas and "Zeichnen" draws
// with the analysed function. The arithmetic lives in fourierrechnung.h; files, clipboard,
// number format, project formulas, calculation window and help come from the frame.
#include "modules/linalg/fourierrechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace zol {

class Tdialogfkt;
class TextendEdit;
class TlongintEdit;
class Tspineditin;
class TStringGrid;

class Tfouranadlg : public Tmodulfenster {
    Q_OBJECT
public:
    enum Seite { seite_funktion = 0, seite_daten = 1 };

    explicit Tfouranadlg(QWidget* eltern = nullptr);

    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    TStringGrid* punktgitter() const { return StringGrid1; }

    // "Rechne": the coefficients of the page shown, listed in the memo. A refused input is
    // reported and empties the memo, so nothing of an earlier input is defined or drawn.
    void rechne() override;
    // "Zeichnen": computes, defines the result lines as project formulas and opens a plot window
    // with "four(x)=AN(x)+BN(x)" and the analysed function (the definition, or the table as
    // "four.dat"). Stops after a refused input.
    void zeichnen() override;
    // The plot window the last "Zeichnen" opened, while it lives.
    Tdialogfkt* zeichenfenster() const;

private:
    // Layout (fourierdlg_aufbau.cpp).
    void aufbauen();
    QWidget* seiteFunktion();
    QWidget* seiteDaten();
    // The point grid for n points: empty cells get "0", typed values stay.
    void gitterAnpassen(int n);

    // Computes and lists; false (after a message) when the input was refused. With bereich,
    // also a plot range that shows the analysed interval.
    bool berechnen(Zeichenbereich* bereich = nullptr);
    // The analysed function and interval of the page shown; false after a message. The
    // function of page "Funktion" is the formula table's and is valid until it is redefined.
    bool funktionLesen(Reellefunktion& f, Fourierauftrag& auftrag);
    bool datenLesen(Reellefunktion& f, Fourierauftrag& auftrag);
    // The table's points; false after the message naming a bad cell or a refused table.
    bool punkteLesen(std::vector<Messpunkt>& punkte);
    // Every result line without ";" into the project formulas; refusals are reported.
    void ergebnisseEintragen();

    QTabWidget* TabbedNotebook1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TextendEdit* extendEdit1 = nullptr;
    TextendEdit* extendEdit2 = nullptr;
    TlongintEdit* longintEdit1 = nullptr;
    TlongintEdit* longintEdit2 = nullptr;
    Tspineditin* spineditin1 = nullptr;
    TlongintEdit* longintEdit3 = nullptr;
    TlongintEdit* longintEdit4 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the Fourier analysis known to projects, menus, templates and batch mode (kind 180).
void fourieranalyse_registrieren();

} // namespace zol

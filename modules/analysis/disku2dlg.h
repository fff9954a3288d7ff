#pragma once
// "Diskussion 2": two functions of x on a range, their intersection points (or those of one
// graph with the x-axis) with the angles of intersection, and the signed areas between the
// graphs. The window enters the generated difference definition "Differenz(x)=…" into the
// project formulas and hands the work to zweifunktionenrechnung.h.
#include "modules/analysis/zweifunktionenrechnung.h"
#include "shell/rahmen/modulfenster.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zol {

class TextendEdit;
class TlongintEdit;
class TRadioGroup;
class TSpinEditex;
class TStringGrid;

class Tdisku2dlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tdisku2dlg(QWidget* eltern = nullptr);

    // The intersection table goes to the spreadsheet and the clipboard's "Alles auswählen".
    TStringGrid* ergebnisgitter() const override { return StringGrid1; }
    // Both tables and the iteration message.
    QList<QWidget*> ergebnisanzeigen() const override;
    void ergebnisseVerwerfen() override;

    void rechne() override;
    // A new plot window with both definitions as curves.
    void zeichnen() override;

private:
    // Layout (disku2dlg_aufbau.cpp).
    void aufbauen();
    QWidget* seiteFunktion();
    QWidget* seiteKonstante();

    // The inputs; typed constants outside their ranges are brought into them.
    Zweifunktionenauftrag auftrag();
    void ergebnisseSchreiben(const Zweifunktionenergebnis& e);
    // "Fehlerhafte Eingabe:" with the refused text; both tables emptied.
    void ablehnen(const QString& text);

    QTabWidget* TabbedNotebook1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Funktionein = nullptr;
    QPushButton* Funktionein2 = nullptr;
    TSpinEditex* xmin = nullptr;
    TSpinEditex* xmax = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TextendEdit* Toleranz = nullptr;
    TlongintEdit* Iterationmax = nullptr;
    TlongintEdit* aufloesung = nullptr;
    TextendEdit* deltah = nullptr;
    TlongintEdit* simpson = nullptr;
    QLabel* Label3 = nullptr;
    QTabWidget* TabbedNotebook2 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
};

// Makes the discussion of two functions known to projects, menus and batch mode (kind 35).
void zweifunktionen_registrieren();

} // namespace zol

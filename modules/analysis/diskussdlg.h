#pragma once
// "Diskussion": zeros, extreme points, inflection points and poles of one function of x on a
// closed range, found numerically (diskussionsrechnung.h) and listed in a grid, two columns per
// ticked kind side by side. Files, clipboard, number format, help and the hand-over to the
// spreadsheet come from the frame; "Zeichnen" draws the function alone.
#include "modules/analysis/diskussionsrechnung.h"
#include "shell/rahmen/modulfenster.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zol {

class TextendEdit;
class TlongintEdit;
class TSpinEditex;
class TStringGrid;

class Tdiskussdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tdiskussdlg(QWidget* eltern = nullptr);

    TStringGrid* ergebnisgitter() const override { return StringGrid1; }
    // The grid and the iteration status below it.
    QList<QWidget*> ergebnisanzeigen() const override;

    void rechne() override;
    // A new plot window with the definition of Edit1 as its one curve; no results are drawn.
    void zeichnen() override;

    // "*" when a refinement of the last "Rechne" stopped at the iteration limit, else empty.
    QString iterationsstatus() const;

private:
    // Layout (diskussdlg_aufbau.cpp).
    void aufbauen();
    QWidget* seiteFunktion();
    QWidget* seiteKonstante();

    // The inputs of "Rechne"; typed values outside a field's range are brought into it.
    Diskussionsauftrag auftrag();
    void ergebnisseSchreiben();
    void artSchreiben(int spalte, const QString& kopf, const Diskussionspunkte& punkte);

    QTabWidget* TabbedNotebook1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Funktionein = nullptr;
    TSpinEditex* xmin = nullptr;
    TSpinEditex* xmax = nullptr;
    QCheckBox* artnullstellen = nullptr;
    QCheckBox* artextremwerte = nullptr;
    QCheckBox* artwendepunkte = nullptr;
    QCheckBox* artpolstelle = nullptr;
    TextendEdit* Toleranz = nullptr;
    TlongintEdit* Iterationmax = nullptr;
    TlongintEdit* aufloesung = nullptr;
    QLabel* Label3 = nullptr;
    TStringGrid* StringGrid1 = nullptr;

    // The samples and results live until the next "Rechne".
    Diskussionsergebnis ergebnis_;
};

// Makes the curve discussion known to projects, menus and batch mode (kind 30).
void diskussion_registrieren();

} // namespace zol

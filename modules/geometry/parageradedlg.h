#pragma once
// "Parabel - Gerade": the intersection of a parabola (five input forms) with a line (four input
// forms): the common points on the line and the angles between line and parabola there, as
// fields and as result lines for the project formulas. The arithmetic lives in
// parabelrechnung.h.
#include "modules/geometry/geradenfelder.h"
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

#include <array>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace zol {

class Tdialogfkt;
class Tergebnisfeld;

class Tparageradlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tparageradlg(QWidget* eltern = nullptr);

    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    QList<QWidget*> ergebnisanzeigen() const override;

    // "Rechne": parabola and line of the pages shown, then their common points. A refused
    // input is reported and empties every result.
    void rechne() override;
    // "Zeichnen": computes, then draws "poly(x)=…" and "g(x)=…" in a new plot window.
    void zeichnen() override;
    Tdialogfkt* zeichenfenster() const;

private:
    void aufbauen();
    QWidget* ergebnisgruppe(QWidget* eltern);
    bool berechnen(Parabelgleichung& p, Geradengleichung& g);
    void leeren();

    QTabWidget* TabbedNotebook1 = nullptr; // parabola
    QTabWidget* TabbedNotebook2 = nullptr; // line
    Parabeleingabe parabel_;
    Geradeneingabe gerade_;
    // extendEdit33 … extendEdit38: P1 (x, y), P2 (x, y), alpha1, alpha2.
    std::array<Tergebnisfeld*, 6> ergebnis_{};
    QLabel* Label1 = nullptr; // "Keine Schnittpunkte"
    QPlainTextEdit* Memo1 = nullptr;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the parabola–line window known to projects, menus and batch mode (kind 170).
void parabelgerade_registrieren();

} // namespace zol

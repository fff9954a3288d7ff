#pragma once
// "Geradengleichung (lineare Funktion)": the equation y = m·x + t of a line given by two points,
// slope and point, intercept and point, or slope and intercept; its axis intercepts and the
// angle with the x-axis, as fields and as result lines for the project formulas. The arithmetic
// lives in geradenrechnung.h.
#include "modules/geometry/geradenfelder.h"
#include "shell/rahmen/modulfenster.h"

#include <QPointer>

#include <array>

class QPlainTextEdit;
class QTabWidget;

namespace zol {

class Tdialogfkt;
class Tergebnisfeld;

class Tgeradengleich : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tgeradengleich(QWidget* eltern = nullptr);

    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    // The result fields and the memo.
    QList<QWidget*> ergebnisanzeigen() const override;

    // "Rechne": the line of the page shown; a refused input says "Fehlerhafte Eingabe" and
    // empties every result.
    void rechne() override;
    // "Zeichnen": computes, then draws "gerade(x)=…" in a new plot window.
    void zeichnen() override;
    Tdialogfkt* zeichenfenster() const;

private:
    void aufbauen();
    QWidget* ergebnisseite();
    bool berechnen(Geradengleichung& g);

    QTabWidget* TabbedNotebook1 = nullptr;
    QTabWidget* TabbedNotebook2 = nullptr;
    Geradeneingabe eingabe_;
    // extendEdit13 … extendEdit19: m, t, P1 (x, y), P2 (x, y), angle.
    std::array<Tergebnisfeld*, 7> ergebnis_{};
    QPlainTextEdit* Memo1 = nullptr;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the line window known to projects, menus and batch mode (kind 65).
void geradengleichung_registrieren();

} // namespace zol

#pragma once
// "Parabel (Quadratische Funktion)": a parabola given by three points, form factor and two
// points, vertex form, general form or linear factors, converted into every other form, with
// its zeros and y-intercept, as fields and as result lines for the project formulas. The
// arithmetic lives in parabelrechnung.h.
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

class Tparabelgleich : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tparabelgleich(QWidget* eltern = nullptr);

    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    // The result fields, the two notes and the memo.
    QList<QWidget*> ergebnisanzeigen() const override;

    // "Rechne": the parabola of the page shown in every form. A singular point system says
    // "Gleichung nicht lösbar", a = 0 "Fehlerhafte Eingabe"; both empty every result.
    void rechne() override;
    // "Zeichnen": computes, then draws "poly(x)=…" in a new plot window.
    void zeichnen() override;
    Tdialogfkt* zeichenfenster() const;

private:
    void aufbauen();
    QWidget* ergebnisseiten();
    bool berechnen(Parabelgleichung& p);
    void leeren();

    QTabWidget* Tabbednotebook = nullptr;
    QTabWidget* TabbedNotebook1 = nullptr;
    Parabeleingabe eingabe_;
    // extendEdit21 … extendEdit32: a, b, c; a, xs, ys; a, x1, x2; X1, X2, Y.
    std::array<Tergebnisfeld*, 12> ergebnis_{};
    QLabel* Label1 = nullptr; // "Zerlegung in Faktoren nicht möglich."
    QLabel* Label2 = nullptr; // "Keine Schnittpunkte  mit der x-Achse."
    QPlainTextEdit* Memo1 = nullptr;
    QPointer<Tdialogfkt> zeichenfenster_;
};

// Makes the parabola window known to projects, menus and batch mode (kind 70).
void parabelgleichung_registrieren();

} // namespace zol

#pragma once
// "Symbolisches Differenzieren": the derivative of one definition as a new definition
// "ablsym…", written by the term rewriter of symbolischrechnung.h and checked against the
// difference quotient. The result can be entered into the project formulas and drawn.
#include "shell/rahmen/modulfenster.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zol {

class Tsymdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tsymdlg(QWidget* eltern = nullptr);

    QList<QLineEdit*> ergebnisfelder() const override { return {Edit2}; }
    // The result and the probe's warning below it.
    QList<QWidget*> ergebnisanzeigen() const override;

    // After a failure Edit2 keeps its text: never a partial result.
    void rechne() override;
    // "Rechne", then a new plot window with the function and its derivative.
    void zeichnen() override;

private:
    bool ableiten();

    QLineEdit* Edit1 = nullptr;
    QPushButton* Funktionein = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Probe = nullptr;
};

// Makes the symbolic differentiation known to projects, menus and batch mode (kind 145).
void symbolisch_registrieren();

} // namespace zol

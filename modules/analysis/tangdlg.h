#pragma once
// "Tangente/Normale": tangent and normal of a graph at x0 as definitions "tang(x)=…" and
// "norm(x)=…" (tangentenrechnung.h), to be entered into the project formulas or drawn with the
// function.
#include "shell/rahmen/modulfenster.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zol {

class TextendEdit;

class Ttangdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Ttangdlg(QWidget* eltern = nullptr);

    QList<QLineEdit*> ergebnisfelder() const override { return {Edit2, Edit3}; }

    // A refused definition or a point where the slope cannot be computed empties both lines.
    void rechne() override;
    // "Rechne", then a new plot window with the function, the tangent and the normal.
    void zeichnen() override;

private:
    bool berechnen();

    QTabWidget* TabbedNotebook1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Funktionein = nullptr;
    TextendEdit* extendEdit1 = nullptr; // x0
    TextendEdit* extendEdit2 = nullptr; // h
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
};

// Makes the tangent window known to projects, menus and batch mode (kind 140).
void tangente_registrieren();

} // namespace zol

#pragma once
// "Komplexe Zahlen": two complex numbers, each typed in normal form (real and imaginary part) or
// polar form (modulus and angle in degrees, radians or gon), added, subtracted, multiplied or
// divided; the result as an equation in polar form and one in normal form. The arithmetic lives
// in komplexrechnung.h.
#include "modules/algebra/komplexrechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <array>

class QTabWidget;

namespace zol {

class TextendEdit;
class TRadioGroup;
class Ttxtshape;

class Tkomplexdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tkomplexdlg(QWidget* eltern = nullptr);

    // The polar and the normal equation.
    QList<QWidget*> ergebnisanzeigen() const override;

    // "+", "-", "*", "/": both operands from the pages their notebooks show, the other form
    // written beside them, then the two equations. A refusal changes nothing.
    void rechnen(Komplexart art);
    // ">Z1", ">Z2": the result's a, b, r, φ into the operand's four fields.
    void ergebnisUebernehmen(int operand);

    const Komplexzahl& ergebnis() const { return ergebnis_; }
    Winkeleinheit einheit() const;

private:
    // Layout (komplexdlg_aufbau.cpp).
    void aufbauen();
    QWidget* operandAufbauen(int operand, QWidget* eltern);
    void befehleAufbauen();

    // The four fields of an operand: real part, imaginary part, modulus, angle.
    std::array<TextendEdit*, 4> felder(int operand) const;
    QTabWidget* notizbuch(int operand) const;
    // Converts the form of the given page (0 normal, 1 polar) into the other one and writes it
    // into the other page's fields; returns the number in both forms.
    Komplexzahl umrechnen(int operand, int seite);
    void schreiben(int operand, const Komplexzahl& z);
    void wertSchreiben(TextendEdit& feld, long double wert) const;

    QTabWidget* TabbedNotebook1 = nullptr;
    QTabWidget* TabbedNotebook2 = nullptr;
    // extendEdit1..4 for number 1, extendEdit5..8 for number 2.
    std::array<TextendEdit*, 8> extendEdit{};
    TRadioGroup* RadioGroup1 = nullptr;
    Ttxtshape* txtshape1 = nullptr;
    Ttxtshape* txtshape2 = nullptr;

    Komplexzahl ergebnis_;
};

// Makes the complex numbers window known to projects, menus and batch mode (kind 185).
void komplex_registrieren();

} // namespace zol

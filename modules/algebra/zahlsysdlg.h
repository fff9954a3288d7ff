#pragma once
// "Zahlensysteme": two whole numbers, each typed in decimal, binary, hexadecimal, a chosen base
// from 2 to 16 or Roman numerals; each number on leaving its field, and the result of +, -, *
// and : as an equation, shown in all five systems; a conversion table in the memo. The
// arithmetic lives in zahlensystemrechnung.h.
#include "modules/algebra/zahlensystemrechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zol {

class Ttxtshape;

class Tzahlsysdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tzahlsysdlg(QWidget* eltern = nullptr);

    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    // The five shapes with the caption of the fourth, then the table.
    QList<QWidget*> ergebnisanzeigen() const override;

    // Leaving Edit1 or Edit2 (operand 1 or 2): the number in all five shapes.
    void zahlZeigen(int operand);
    // "+", "-", "*", ":": the equation in all five shapes. A refusal changes nothing.
    void rechnen(Rechenart art);
    // ">Z1", ">Z2": the result into the operand's field, in the operand's system.
    void ergebnisUebernehmen(int operand);
    // "T": the conversion table from number 1 to number 2.
    void tabelle();

    std::int32_t ergebnis() const { return ergebnis_; }
    // The base of the fourth shape and of the table's fourth column: number 1's drop-down.
    int basis() const;

protected:
    // Leaving Edit1 or Edit2 for another control of the window shows its number. Focus lost to a
    // message box, a drop-down list or another window is no leaving: a refused operation's
    // message must not replace the shapes it left alone.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Layout (zahlsysdlg_aufbau.cpp).
    void aufbauen();
    QWidget* eingabeAufbauen(int operand, QWidget* eltern);
    QWidget* ergebnisseAufbauen(QWidget* eltern);
    void befehleAufbauen();

    // The operand's chosen system and base.
    Zahlensystem system(int operand) const;
    int basis(int operand) const;
    void setzeSystem(int operand, Zahlensystem s);
    // The operand read in its system; a failure is told and gives 0.
    std::int32_t lesen(int operand);
    void captionAnpassen();

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    // RadioButton1..5 for number 1, RadioButton6..10 for number 2, in the order of Zahlensystem.
    std::array<QRadioButton*, 10> RadioButton{};
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    std::array<Ttxtshape*, 5> txtshape{};
    std::array<QLabel*, 5> Label{};
    QPlainTextEdit* Memo1 = nullptr;

    std::int32_t ergebnis_ = 0;
};

// Makes the number systems window known to projects, menus and batch mode (kind 200).
void zahlensysteme_registrieren();

} // namespace zol

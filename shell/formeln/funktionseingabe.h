#pragma once
// Pieces every window with a function field shares: the "Projektformel" button that puts a
// project formula into the field, and looking the definition up. Drawing in a plot
// window is in shell/zeichnen/uebergabe.h.
#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace zol {

class tfunktion;

// The button "Projektformel" (object name Funktionein): the project formula chosen in the
// insert dialog replaces the text of feld.
QPushButton* projektformelKnopf(QLineEdit* feld, QWidget* eltern);

// The compiled function of a definition such as "f(x)=x^2-4", entered into the project
// formulas; nullptr after showing "Fehlerhafte Eingabe:" and the text when it is refused.
const tfunktion* funktionNachschlagen(const QString& definition, QWidget* fenster);

} // namespace zol

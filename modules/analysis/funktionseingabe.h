#pragma once
// Pieces the analysis windows share around their function field: the "Projektformel" button
// that puts a project formula into the field, and drawing a definition or a table of points in
// a plot window.
#include <QList>
#include <QString>
#include <QStringList>

class QLineEdit;
class QPushButton;
class QWidget;

namespace zol {

class Tdialogfkt;
class tfunktion;

// The button "Projektformel" (object name Funktionein): the project formula chosen in the
// insert dialog replaces the text of feld.
QPushButton* projektformelKnopf(QLineEdit* feld, QWidget* eltern);

// The compiled function of a definition such as "f(x)=x^2-4", entered into the project
// formulas; nullptr after showing "Fehlerhafte Eingabe:" and the text when it is refused.
const tfunktion* funktionNachschlagen(const QString& definition, QWidget* fenster);

// A new plot window with the given number format, shown.
Tdialogfkt* neuesZeichenfenster(const QString& format);

// A new plot window with the given number format, on its page "Funktion f(x)", shown, with the
// definition added as a curve. The window lives on its own like one the main window opens.
Tdialogfkt* funktionZeichnen(const QString& format, const QString& definition);

// The file a hand-over's point table is written to: the name as it is (relative to the working
// folder), or the same name in the temporary folder when the program was started in a folder
// it may not write to, so the hand-over still works.
QString uebergabedatei(const QString& name);

// Adds rows of (x, y) texts to a plot window as a dotted point table written to
// uebergabedatei(datei); the function pen is solid again afterwards.
void punkteZeichnen(Tdialogfkt& fenster, const QString& datei, const QList<QStringList>& zeilen);

} // namespace zol

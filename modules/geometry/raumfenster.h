#pragma once
// What the space geometry windows share beside the frame: number format "0.00", the menu
// "&Ausgabe" with "&Rechnenfenster" and "&Projekt-Formeln definieren", a status label, and
// result lines built from the result fields.
//
// These windows hand on lines such as ";Schnittpunkt=(2,00;2,00;2,00)" (a comment) and
// "abstand=0,75" (a definition) rather than bare numbers, built from the result fields as they
// are shown when the lines are asked for.
#include "shell/rahmen/modulfenster.h"

class QLabel;

namespace zol {

class Traumfenster : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Traumfenster(const QString& klasse, QWidget* eltern = nullptr);

    // The result lines for the values now shown (empty ones left out).
    QStringList ergebniszeilen() const override;
    // The status label and the result fields, shown or hidden, for batch mode.
    QList<QWidget*> ergebnisanzeigen() const override { return anzeigen_; }
    // Empties the result fields and the lines; the status label keeps its message.
    void ergebnisseVerwerfen() override;
    // A loaded file brings new inputs: results of the old ones are dropped.
    bool laden(const QString& datei) override;

    // The result lines as the last computation left them.
    QStringList zeilen() const { return ergebniszeilen(); }

protected:
    // Menus and tool bar, number format "0.00"; at the end of the window's constructor.
    void raumrahmenAufbauen();
    // The status label "Label1".
    QLabel* statuslabel(QWidget* eltern);
    QLabel* status() const { return status_; }
    // The controls batch mode prints, in order (the status label first).
    void anzeigenSetzen(const QList<QWidget*>& anzeigen) { anzeigen_ = anzeigen; }
    // The result lines for the values now shown (none when nothing is).
    virtual QStringList zeilenBilden() const { return {}; }

private:
    QLabel* status_ = nullptr;
    QList<QWidget*> anzeigen_;
};

} // namespace zol

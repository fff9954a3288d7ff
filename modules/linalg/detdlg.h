#pragma once
// "Determinanten": the determinant of an n × n matrix by cofactor expansion along the first
// column (determinantenrechnung.h), shown as "deter=…" so that "Ergebnisse definieren" can
// enter it as a project formula.
#include "shell/rahmen/modulfenster.h"

class QLineEdit;

namespace zol {

class Tspineditin;
class TStringGrid;

class Tdetdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tdetdlg(QWidget* eltern = nullptr);

    TStringGrid* eingabegitter() const { return StringGrid1; }
    QList<QLineEdit*> ergebnisfelder() const override { return {Edit1}; }

    // Reads the matrix; a cell that is no number is reported and the result stays as it was.
    void rechne() override;
    // "&Neu": "0" into every cell, the result empty.
    void neu() override;
    // Whatever size a file holds, the grid afterwards has the (clamped) size of the field.
    bool laden(const QString& datei) override;

private:
    // Layout (detdlg_aufbau.cpp).
    void aufbauen();
    void gitterAnpassen(int n);

    Tspineditin* spineditin1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    QLineEdit* Edit1 = nullptr;
};

// Makes the determinant window known to projects, menus, templates and batch mode (kind 100).
void determinanten_registrieren();

} // namespace zol

#pragma once
// "Polynome rechnen": sum, difference, product and quotient with remainder of two polynomials
// of degree up to 20, and the first one raised to a whole power given as polynomial 2. The lines
// come from polyrechnung.h; this window keeps the grids in step with the degrees and fills the
// memo.
#include "shell/rahmen/modulfenster.h"

class QPlainTextEdit;

namespace zol {

class Tspineditin;
class TStringGrid;
enum class Polyoperation;

class Tpolyrechdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tpolyrechdlg(QWidget* eltern = nullptr);

    // One operation: reads both polynomials (an unreadable cell is reported and ends it with the
    // memo as it was) and writes the operand line and the result line, or shows why not.
    void rechnen(Polyoperation op);
    QPlainTextEdit* ergebnismemo() const override { return Memo1; }
    // Both grids follow their degree fields after loading.
    bool laden(const QString& datei) override;

private:
    void aufbauen();
    void befehleAufbauen();
    void gradAnpassen(int welches, int grad);
    void nachLaden(int welches);

    Tspineditin* spineditin1 = nullptr;
    Tspineditin* spineditin2 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    int grad_[2] = {2, 2};
};

// Makes the polynomial arithmetic window known to projects, menus and templates (kind 150).
void polyrechnen_registrieren();

} // namespace zol

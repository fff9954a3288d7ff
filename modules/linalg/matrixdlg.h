#pragma once
// "Matrizen": sum, difference and product of two n × n matrices, the inverse or the transpose
// of either (matrizenrechnung.h); the result grid can be copied back into matrix 1 or 2, so
// that results can be chained.
#include "modules/linalg/matrizenrechnung.h"
#include "shell/rahmen/modulfenster.h"

namespace zol {

class Tspineditin;
class TStringGrid;

class Tmatrixdlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tmatrixdlg(QWidget* eltern = nullptr);

    TStringGrid* matrixgitter(int nummer) const { return nummer == 1 ? StringGrid1 : StringGrid2; }
    TStringGrid* ergebnisgitter() const override { return StringGrid3; }

    enum class Verknuepfung { summe, differenz, produkt };
    // Reads both matrices; a cell that is no number is reported and the result stays.
    void verknuepfen(Verknuepfung art);
    // Inverse of matrix 1 or 2; a singular matrix gives one "Matrix nicht invertierbar !" and
    // an empty result.
    void invertieren(int nummer);
    void transponieren(int nummer);
    // "->M1" / "->M2": the result cells into matrix 1 or 2 (empty result cells are skipped).
    void ergebnisNach(int nummer);
    // "&Neu": "0" into both matrices, the result empty.
    void neu() override;
    bool laden(const QString& datei) override;

private:
    // Layout (matrixdlg_aufbau.cpp).
    void aufbauen();
    void befehleAufbauen();
    void gitterAnpassen(int n);
    // n brought into range and the grids sized for it.
    int groesse();
    bool lesen(int nummer, int n, Matrix& m);
    void zeigen(const Matrix& m);
    void ergebnisLeeren();

    Tspineditin* spineditin1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    TStringGrid* StringGrid3 = nullptr;
};

// Makes the matrix window known to projects, menus, templates and batch mode (kind 120).
void matrizen_registrieren();

} // namespace zol

#pragma once
// "Vektoren / Koordinaten": lengths, scalar product and angle of two plane vectors, and a point
// converted between Cartesian and polar coordinates in Grad, Radiant or Gon. The arithmetic
// lives in vektoren2rechnung.h and the geometry core.
#include "modules/geometry/vektoren2rechnung.h"
#include "shell/rahmen/modulfenster.h"

#include <array>

class QLabel;
class QTabWidget;

namespace zol {

class Tergebnisfeld;
class TextendEdit;
class TRadioGroup;

class Tvektor2dlg : public Tmodulfenster {
    Q_OBJECT
public:
    explicit Tvektor2dlg(QWidget* eltern = nullptr);

    // Lines such as "Betrag_a=5,00" for the results of the page computed last, in the number
    // format now set, so that "Rechnenfenster" and "Ergebnisse definieren" get definitions, not
    // bare numbers.
    QStringList ergebniszeilen() const override;
    // The status label and every result field, for batch mode.
    QList<QWidget*> ergebnisanzeigen() const override;
    void ergebnisseVerwerfen() override;

    // "Rechne" on the page shown. A zero vector shows "Fehlerhafte Eingabe" in the status label.
    void rechne() override;
    void neu() override;
    bool laden(const QString& datei) override;

private:
    QWidget* seiteVektoren();
    QWidget* seiteKartesisch();
    QWidget* seitePolar();
    TextendEdit* eingabe(int nummer, QWidget* eltern);
    Tergebnisfeld* ergebnis(int nummer, QWidget* eltern);
    TRadioGroup* einheiten(const char* name, QWidget* eltern);

    QTabWidget* newtab = nullptr;
    // extendEdit1 … extendEdit16 at index 0 … 15 (inputs and results alike).
    std::array<TextendEdit*, 16> extendEdit{};
    TRadioGroup* RadioGroup1 = nullptr;
    TRadioGroup* RadioGroup2 = nullptr;
    QLabel* Label1 = nullptr;

    enum class Letzte { nichts, vektoren, polar, kartesisch };
    Letzte letzte_ = Letzte::nichts;
    Vektorpaar paar_;
    Polarkoordinaten polar_;
    Vektor2 kartesisch_;
};

// Makes the plane vectors window known to projects, menus and batch mode (kind 155).
void vektoren2_registrieren();

} // namespace zol

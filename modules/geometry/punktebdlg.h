#pragma once
// "Punkt - Ebene ": a point and a plane in space. The perpendicular line from the point, its foot
// on the plane, the distance and the mirror point. The arithmetic lives in ebenenrechnung.h.
#include "modules/geometry/raumfenster.h"

#include <array>

class QTabWidget;

namespace zol {

class Tebeneneingabe;
class Tergebnisfeld;
class TextendEdit;

class Tpunkteb : public Traumfenster {
    Q_OBJECT
public:
    explicit Tpunkteb(QWidget* eltern = nullptr);

    // "Rechne": the plane from the page shown (converted to coordinate form there), then the
    // perpendicular from P. A plane without a normal shows "Fehlerhafte Eingabe" and hides the
    // results.
    void rechne() override;

    Tebeneneingabe* eingabe() const { return eingabe_; }

protected:
    QStringList zeilenBilden() const override;

private:
    void aufbauen();
    QWidget* ergebnisteil(QWidget* eltern);

    Tebeneneingabe* eingabe_ = nullptr;        // TabbedNotebook1, extendEdit1..28
    std::array<TextendEdit*, 3> p_{};          // extendEdit29..31
    QTabWidget* TabbedNotebook2 = nullptr;     // "Abstand/Lotfußpunkt", "Lotgerade"
    std::array<Tergebnisfeld*, 3> lotfuss_{};  // extendEdit57..59
    std::array<Tergebnisfeld*, 3> spiegel_{};  // extendEdit60..62
    Tergebnisfeld* abstand_ = nullptr;         // extendEdit63
    std::array<Tergebnisfeld*, 3> lotpunkt_{}; // extendEdit64..66
    std::array<Tergebnisfeld*, 3> lotricht_{}; // extendEdit67..69
};

// Makes the point–plane window known to projects, menus and batch mode (kind 160).
void punkt_ebene_registrieren();

} // namespace zol

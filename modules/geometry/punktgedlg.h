#pragma once
// "Punkt - Gerade": a point P and a line in space. The plane through P perpendicular to the
// line (normal and coordinate form), the foot of the perpendicular, the distance and the mirror
// point of P. The arithmetic lives in raumrechnung.h.
#include "modules/geometry/raumfenster.h"

#include <array>

class QTabWidget;

namespace zol {

class Tergebnisfeld;
class Tgeradeneingabe;
class TextendEdit;

class Tpunktge : public Traumfenster {
    Q_OBJECT
public:
    explicit Tpunktge(QWidget* eltern = nullptr);

    // "Rechne": the line from the page shown ("2 Punkte" is converted first, u := P1 − P2). A
    // zero direction shows "Fehlerhafte Eingabe" and hides the results.
    void rechne() override;

    Tgeradeneingabe* geradeneingabe() const { return gerade_; }

protected:
    QStringList zeilenBilden() const override;

private:
    void aufbauen();
    QWidget* ergebnisteil(QWidget* eltern);

    Tgeradeneingabe* gerade_ = nullptr;           // TabbedNotebook2
    std::array<TextendEdit*, 3> p_{};             // extendEdit23..25
    QWidget* ergebnisse_ = nullptr;               // everything hidden after a refusal
    QTabWidget* TabbedNotebook1 = nullptr;        // the plane: "Normalenform", "Koordinatenform"
    std::array<Tergebnisfeld*, 3> normaleN_{};    // extendEdit1..3
    std::array<Tergebnisfeld*, 3> normaleP_{};    // extendEdit4..6
    std::array<Tergebnisfeld*, 4> koordinaten_{}; // extendEdit19..22
    std::array<Tergebnisfeld*, 3> lotfuss_{};     // extendEdit57..59
    Tergebnisfeld* abstand_ = nullptr;            // extendEdit63
    std::array<Tergebnisfeld*, 3> spiegel_{};     // extendEdit10..12
};

// Makes the point–line window known to projects, menus and batch mode (kind 165).
void punkt_gerade_registrieren();

} // namespace zol

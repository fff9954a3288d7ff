#pragma once
// "Schnitt zwischen Ebenen": two planes in space, identical, parallel or meeting in a line; for
// meeting planes the line of intersection and the angle between them. The arithmetic lives in
// ebenenrechnung.h.
#include "modules/geometry/raumfenster.h"

#include <array>

namespace zol {

class Tebeneneingabe;
class Tergebnisfeld;

class Tzweiebene : public Traumfenster {
    Q_OBJECT
public:
    explicit Tzweiebene(QWidget* eltern = nullptr);

    // "Rechne": each plane from the page its notebook shows (converted to coordinate form
    // there). The seven result fields are shown only for a line of intersection.
    void rechne() override;

    Tebeneneingabe* eingabe(int nummer) const { return nummer == 1 ? ebene1_ : ebene2_; }

protected:
    QStringList zeilenBilden() const override;

private:
    void aufbauen();
    void ergebnisfelderZeigen(bool an);

    Tebeneneingabe* ebene1_ = nullptr;         // TabbedNotebook1, extendEdit1..28
    Tebeneneingabe* ebene2_ = nullptr;         // TabbedNotebook2, extendEdit29..56
    std::array<Tergebnisfeld*, 3> punkt_{};    // extendEdit57..59
    std::array<Tergebnisfeld*, 3> richtung_{}; // extendEdit60..62
    Tergebnisfeld* winkel_ = nullptr;          // extendEdit63
    QList<QWidget*> ergebnisteile_;            // captions and fields hidden with the results
};

// Makes the plane–plane window known to projects, menus and batch mode (kind 85).
void zwei_ebenen_registrieren();

} // namespace zol

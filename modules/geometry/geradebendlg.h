#pragma once
// "Ebene - Gerade": a plane and a line in space, parallel, lying in the plane or meeting it; for
// a meeting line the intersection point and the angle between line and plane. The arithmetic
// lives in ebenenrechnung.h.
#include "modules/geometry/raumfenster.h"

#include <array>

namespace zol {

class Tebeneneingabe;
class Tergebnisfeld;
class Tgeradeneingabe;

class Tgeradeben : public Traumfenster {
    Q_OBJECT
public:
    explicit Tgeradeben(QWidget* eltern = nullptr);

    // "Rechne": the plane from the page shown (converted to coordinate form there), the line
    // from its page ("2 Punkte" converted first, u := P2 − P1). Point and angle are shown only
    // when the line meets the plane.
    void rechne() override;

    Tebeneneingabe* ebeneneingabe() const { return ebene_; }
    Tgeradeneingabe* geradeneingabe() const { return gerade_; }

protected:
    QStringList zeilenBilden() const override;

private:
    void aufbauen();
    void ergebnisfelderZeigen(bool an);

    Tebeneneingabe* ebene_ = nullptr;       // TabbedNotebook1, extendEdit1..28
    Tgeradeneingabe* gerade_ = nullptr;     // TabbedNotebook2, extendEdit29..40
    std::array<Tergebnisfeld*, 3> punkt_{}; // extendEdit57..59
    Tergebnisfeld* winkel_ = nullptr;       // extendEdit63
    QList<QWidget*> ergebnisteile_;         // captions and fields hidden with the results
};

// Makes the line–plane window known to projects, menus and batch mode (kind 95).
void gerade_ebene_registrieren();

} // namespace zol

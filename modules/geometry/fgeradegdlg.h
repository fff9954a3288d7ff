#pragma once
// "Gerade-Gerade": two lines in space, identical, parallel, intersecting or skew; for
// intersecting lines the point and the angle between them. The arithmetic lives in
// geradenrechnung.h.
#include "modules/geometry/raumfenster.h"

#include <array>

namespace zol {

class Tergebnisfeld;
class Tgeradeneingabe;

class Tfgeradeg : public Traumfenster {
    Q_OBJECT
public:
    explicit Tfgeradeg(QWidget* eltern = nullptr);

    // "Rechne": each line from the page its notebook shows ("2 Punkte" converted first,
    // u := P2 − P1). The point and angle fields are shown only for intersecting lines.
    void rechne() override;

    Tgeradeneingabe* geradeneingabe(int nummer) const { return nummer == 1 ? gerade1_ : gerade2_; }

protected:
    QStringList zeilenBilden() const override;

private:
    void aufbauen();
    void ergebnisfelderZeigen(bool an);

    Tgeradeneingabe* gerade1_ = nullptr;    // TabbedNotebook1
    Tgeradeneingabe* gerade2_ = nullptr;    // TabbedNotebook2
    std::array<Tergebnisfeld*, 3> punkt_{}; // extendEdit57..59
    Tergebnisfeld* winkel_ = nullptr;       // extendEdit63
    QWidget* punktspalte_ = nullptr;
    QList<QWidget*> ergebnisteile_; // captions and fields hidden with the results
};

// Makes the line–line window known to projects, menus and batch mode (kind 90).
void gerade_gerade_registrieren();

} // namespace zol

#pragma once
// "Vektoren im R3": cross product, scalar product, lengths and the angle of two vectors, and
// whether they are linearly dependent. The arithmetic lives in raumrechnung.h.
#include "modules/geometry/raumfenster.h"

#include <array>

namespace zol {

class Tergebnisfeld;
class TextendEdit;

class Tvektordlg : public Traumfenster {
    Q_OBJECT
public:
    explicit Tvektordlg(QWidget* eltern = nullptr);

    // "Rechne". A zero vector shows "Fehlerhafte Eingabe" and leaves no result.
    void rechne() override;

protected:
    QStringList zeilenBilden() const override;

private:
    void aufbauen();

    std::array<TextendEdit*, 3> a_{};       // extendEdit1..3
    std::array<TextendEdit*, 3> b_{};       // extendEdit4..6
    std::array<Tergebnisfeld*, 3> kreuz_{}; // extendEdit7..9
    Tergebnisfeld* betragKreuz_ = nullptr;  // extendEdit14
    Tergebnisfeld* betragA_ = nullptr;      // extendEdit10
    Tergebnisfeld* betragB_ = nullptr;      // extendEdit11
    Tergebnisfeld* skalar_ = nullptr;       // extendEdit12
    Tergebnisfeld* winkel_ = nullptr;       // extendEdit13
};

// Makes the vector window known to projects, menus and batch mode (kind 75).
void vektoren_registrieren();

} // namespace zol

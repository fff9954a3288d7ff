#pragma once
// "Ebenengleichung": a plane given in one form (three points, parametric, normal or Hesse form)
// is converted into the forms that follow it, and its trace points are found. The arithmetic
// lives in ebenenrechnung.h.
#include "modules/geometry/raumfenster.h"

#include <array>

class QTabWidget;

namespace zol {

class Tebeneneingabe;
class Tergebnisfeld;

class TEbene : public Traumfenster {
    Q_OBJECT
public:
    // The pages of the result notebook.
    static constexpr int seite_parameter = 0;
    static constexpr int seite_normale = 1;
    static constexpr int seite_hesse = 2;
    static constexpr int seite_spur = 3;

    explicit TEbene(QWidget* eltern = nullptr);

    // "Rechne": from the input page shown to the Hesse form and the trace points. A plane
    // without a normal shows "Fehlerhafte Eingabe" and leaves no result.
    void rechne() override;

    Tebeneneingabe* eingabe() const { return eingabe_; }
    QTabWidget* ergebnisbuch() const { return TabbedNotebook2; }

protected:
    QStringList zeilenBilden() const override;

private:
    void aufbauen();
    QWidget* ergebnisteil(QWidget* eltern);
    // The result pages the input form cannot fill are captioned "-" and cannot be chosen.
    void ergebnisseitenAnpassen();
    void fehler();

    Tebeneneingabe* eingabe_ = nullptr;                        // TabbedNotebook1, extendEdit1..28
    QTabWidget* TabbedNotebook2 = nullptr;                     // the results
    std::array<std::array<Tergebnisfeld*, 3>, 3> parameter_{}; // A, u, v: extendEdit29..37
    std::array<std::array<Tergebnisfeld*, 3>, 2> normale_{};   // P, n: extendEdit38..43
    std::array<Tergebnisfeld*, 4> hesse_{};                    // extendEdit44..47
    std::array<std::array<Tergebnisfeld*, 3>, 3> spur_{};      // P1..P3: extendEdit48..56
    std::array<QWidget*, 3> spurteile_{};                      // caption and column of each
};

// Makes the plane window known to projects, menus and batch mode (kind 80).
void ebene_registrieren();

} // namespace zol

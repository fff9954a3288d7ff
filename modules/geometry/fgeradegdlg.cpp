#include "modules/geometry/fgeradegdlg.h"

#include "modules/geometry/geradeneingabe.h"
#include "modules/geometry/raumgeradenrechnung.h"
#include "shell/eingabe/ergebnisfeld.h"

#include <QLabel>

namespace zol {

void Tfgeradeg::ergebnisfelderZeigen(bool an) {
    for (QWidget* w : ergebnisteile_)
        w->setVisible(an);
}

void Tfgeradeg::rechne() {
    const Gerade3 g1 = gerade1_->gerade(format());
    const Gerade3 g2 = gerade2_->gerade(format());
    ergebnisfelderZeigen(false);
    ergebnisseVerwerfen();
    const Geradenschnitt e = geraden_schneiden(g1, g2);
    status()->setText(QString::fromUtf8(lagetext(e.lage)));
    if (e.lage == Geradenlage::schnitt) {
        vektor_zeigen(punkt_, e.schnittpunkt);
        winkel_->zeige(e.winkel);
        ergebnisfelderZeigen(true);
    }
}

// Only an intersection has values; every other position is a comment line of its own.
QStringList Tfgeradeg::zeilenBilden() const {
    if (status() == nullptr || status()->text().isEmpty()) return {};
    if (winkel_->text().isEmpty()) return {QStringLiteral(";") + status()->text()};
    return {QStringLiteral(";Schnittpunkt=") + vektortext(punkt_),
            QStringLiteral("winkel=") + winkel_->text()};
}

void gerade_gerade_registrieren() {
    fensterart_registrieren(QStringLiteral("Tfgeradeg"), [] { return new Tfgeradeg; });
}

} // namespace zol

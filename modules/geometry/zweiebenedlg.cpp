#include "modules/geometry/zweiebenedlg.h"

#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/ebenenrechnung.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/eingabe/ergebnisfeld.h"

#include <QLabel>

namespace zol {

void Tzweiebene::ergebnisfelderZeigen(bool an) {
    for (QWidget* w : ergebnisteile_)
        w->setVisible(an);
}

void Tzweiebene::rechne() {
    ergebnisfelderZeigen(false);
    ergebnisseVerwerfen();
    const Koordinatenebene e1 = ebene1_->ebene(format());
    const Koordinatenebene e2 = ebene2_->ebene(format());
    const Ebenenschnitt s = ebenen_schneiden(e1, e2);
    status()->setText(QString::fromUtf8(lagetext(s.lage)));
    if (s.lage == Ebenenlage::schnitt) {
        vektor_zeigen(punkt_, s.schnittgerade.a);
        vektor_zeigen(richtung_, s.schnittgerade.u);
        winkel_->zeige(s.winkel);
        ergebnisfelderZeigen(true);
    }
}

// Only a line of intersection has values; every other position is a comment line of its own.
QStringList Tzweiebene::zeilenBilden() const {
    if (status() == nullptr || status()->text().isEmpty()) return {};
    if (winkel_->text().isEmpty()) return {QStringLiteral(";") + status()->text()};
    return {
        QStringLiteral(";Schnittgerade: X=%1+l*%2").arg(vektortext(punkt_), vektortext(richtung_)),
        QStringLiteral("winkel=") + winkel_->text()};
}

void zwei_ebenen_registrieren() {
    fensterart_registrieren(QStringLiteral("Tzweiebene"), [] { return new Tzweiebene; });
}

} // namespace zol

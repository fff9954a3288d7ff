#include "modules/geometry/geradebendlg.h"

#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/ebenenrechnung.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/eingabe/ergebnisfeld.h"

#include <QLabel>

namespace zol {

void Tgeradeben::ergebnisfelderZeigen(bool an) {
    for (QWidget* w : ergebnisteile_)
        w->setVisible(an);
}

void Tgeradeben::rechne() {
    ergebnisfelderZeigen(false);
    ergebnisseVerwerfen();
    const Koordinatenebene e = ebene_->ebene(format());
    const Gerade3 g = gerade_->gerade(format());
    const GeradeEbeneSchnitt s = gerade_ebene_schneiden(e, g);
    status()->setText(QString::fromUtf8(lagetext(s.lage)));
    if (s.lage == GeradeEbeneLage::schnitt) {
        vektor_zeigen(punkt_, s.schnittpunkt);
        winkel_->zeige(s.winkel);
        ergebnisfelderZeigen(true);
    }
}

// Only an intersection has values; every other position is a comment line of its own.
QStringList Tgeradeben::zeilenBilden() const {
    if (winkel_ == nullptr) return {};
    if (winkel_->text().isEmpty()) {
        if (status()->text().isEmpty()) return {};
        return {QStringLiteral(";") + status()->text()};
    }
    return {QStringLiteral(";Schnittpunkt=") + vektortext(punkt_),
            QStringLiteral("schnittwinkel=") + winkel_->text()};
}

void gerade_ebene_registrieren() {
    fensterart_registrieren(QStringLiteral("Tgeradeben"), [] { return new Tgeradeben; });
}

} // namespace zol

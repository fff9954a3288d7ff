#include "modules/geometry/punktebdlg.h"

#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/ebenenrechnung.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/eingabe/ergebnisfeld.h"

#include <QLabel>
#include <QTabWidget>

namespace zol {

void Tpunkteb::rechne() {
    TabbedNotebook2->show();
    const Koordinatenebene e = eingabe_->ebene(format());
    const Vektor3 p = vektor_lesen(p_);
    PunktEbeneErgebnis r;
    if (!punkt_ebene(p, e, r)) {
        ergebnisseVerwerfen();
        TabbedNotebook2->hide();
        status()->setText(QStringLiteral("Fehlerhafte Eingabe"));
        return;
    }
    status()->clear();
    vektor_zeigen(lotpunkt_, r.lotgerade.a);
    vektor_zeigen(lotricht_, r.lotgerade.u);
    vektor_zeigen(lotfuss_, r.lotfuss);
    abstand_->zeige(r.abstand);
    vektor_zeigen(spiegel_, r.spiegelpunkt);
}

// The points and the perpendicular as comments, the distance as a definition.
QStringList Tpunkteb::zeilenBilden() const {
    if (abstand_ == nullptr || abstand_->text().isEmpty()) return {};
    return {
        QStringLiteral(";Lotfußpunkt F=") + vektortext(lotfuss_),
        QStringLiteral("abstand=") + abstand_->text(),
        QStringLiteral(";Spiegelpunkt P'=") + vektortext(spiegel_),
        QStringLiteral(";Lotgerade: X=%1+l*%2").arg(vektortext(lotpunkt_), vektortext(lotricht_))};
}

void punkt_ebene_registrieren() {
    fensterart_registrieren(QStringLiteral("Tpunkteb"), [] { return new Tpunkteb; });
}

} // namespace zol

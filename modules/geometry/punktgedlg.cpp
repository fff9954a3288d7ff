#include "modules/geometry/punktgedlg.h"

#include "modules/geometry/geradeneingabe.h"
#include "modules/geometry/raumrechnung.h"
#include "modules/kern/geometrie.h"
#include "shell/eingabe/ergebnisfeld.h"

#include <QLabel>

namespace zol {

void Tpunktge::rechne() {
    const Gerade3 g = gerade_->gerade(format());
    const Vektor3 p = vektor_lesen(p_);
    PunktGeradeErgebnis e;
    if (!punkt_gerade(p, g, e)) {
        ergebnisseVerwerfen();
        ergebnisse_->hide();
        status()->setText(QStringLiteral("Fehlerhafte Eingabe"));
        return;
    }
    ergebnisse_->show();
    status()->clear();
    vektor_zeigen(normaleN_, e.normale);
    vektor_zeigen(normaleP_, e.punkt);
    koordinaten_[0]->zeige(e.normale.x1);
    koordinaten_[1]->zeige(e.normale.x2);
    koordinaten_[2]->zeige(e.normale.x3);
    koordinaten_[3]->zeige(e.d);
    vektor_zeigen(lotfuss_, e.lotfuss);
    abstand_->zeige(e.abstand);
    vektor_zeigen(spiegel_, e.spiegelpunkt);
}

// The plane as a comment in the coordinate form the window shows, the points as comments, the
// distance as a definition.
QStringList Tpunktge::zeilenBilden() const {
    if (abstand_ == nullptr || abstand_->text().isEmpty()) return {};
    const QString ebene =
        QStringLiteral(";Ebene: %1*x1%2*x2%3*x3%4=0")
            .arg(koordinaten_[0]->text())
            .arg(QString::fromStdString(mit_vorzeichen(koordinaten_[1]->text().toStdString())))
            .arg(QString::fromStdString(mit_vorzeichen(koordinaten_[2]->text().toStdString())))
            .arg(QString::fromStdString(mit_vorzeichen(koordinaten_[3]->text().toStdString())));
    return {ebene, QStringLiteral(";Lotfußpunkt F=") + vektortext(lotfuss_),
            QStringLiteral("abstand=") + abstand_->text(),
            QStringLiteral(";Spiegelpunkt P'=") + vektortext(spiegel_)};
}

void punkt_gerade_registrieren() {
    fensterart_registrieren(QStringLiteral("Tpunktge"), [] { return new Tpunktge; });
}

} // namespace zol

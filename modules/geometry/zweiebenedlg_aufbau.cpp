// Layout of the plane–plane window: the two plane inputs side by side, the line of
// intersection, the angle and the status below.
#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/geradeneingabe.h"
#include "modules/geometry/zweiebenedlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/rahmen/felder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

Tzweiebene::Tzweiebene(QWidget* eltern) : Traumfenster(QStringLiteral("Tzweiebene"), eltern) {
    aufbauen();
    raumrahmenAufbauen();
    resize(980, 470);
}

void Tzweiebene::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingaben = new QHBoxLayout;
    for (int nummer : {1, 2}) {
        auto* gruppe =
            new QGroupBox(QStringLiteral("Eingabe Ebenengleichung %1").arg(nummer), mitte);
        auto* gl = new QVBoxLayout(gruppe);
        Ebenenvorgabe v;
        v.notizbuch = QStringLiteral("TabbedNotebook%1").arg(nummer);
        v.erste = nummer == 1 ? 1 : 29;
        auto* e = new Tebeneneingabe(v, gruppe);
        gl->addWidget(e);
        eingaben->addWidget(gruppe);
        (nummer == 1 ? ebene1_ : ebene2_) = e;
    }
    lage->addLayout(eingaben);

    auto* ergebnisgruppe = new QGroupBox(QStringLiteral("Ergebnisse:"), mitte);
    auto* rl = new QVBoxLayout(ergebnisgruppe);
    rl->addWidget(statuslabel(ergebnisgruppe));
    auto* zeile = new QHBoxLayout;
    punkt_ = ergebnisspalte({57, 58, 59}, ergebnisgruppe);
    richtung_ = ergebnisspalte({60, 61, 62}, ergebnisgruppe);
    winkel_ = felder::ergebnisfeld("extendEdit63", ergebnisgruppe);
    winkel_->setMaximumWidth(felder::zahlbreite);
    auto* x = new QLabel(QStringLiteral("X ="), ergebnisgruppe);
    auto* punktspalte = vektorspalte(punkt_, ergebnisgruppe);
    auto* plus = new QLabel(QStringLiteral("+"), ergebnisgruppe);
    auto* richtungsspalte = vektorspalte(richtung_, ergebnisgruppe);
    auto* winkeltext = new QLabel(QStringLiteral("Winkel zwischen den Ebenen:"), ergebnisgruppe);
    zeile->addWidget(x);
    zeile->addWidget(punktspalte);
    zeile->addWidget(plus);
    zeile->addWidget(richtungsspalte);
    zeile->addSpacing(24);
    zeile->addWidget(winkeltext);
    zeile->addWidget(winkel_);
    zeile->addStretch(1);
    rl->addLayout(zeile);
    rl->addStretch(1);
    lage->addWidget(ergebnisgruppe, 1);
    setCentralWidget(mitte);
    ergebnisteile_ = {x, punktspalte, plus, richtungsspalte, winkeltext, winkel_};
    ergebnisfelderZeigen(false);

    for (Tebeneneingabe* e : {ebene1_, ebene2_})
        for (QWidget* w : e->komponenten())
            komponente(w);
    QList<QWidget*> anzeigen{status()};
    for (const auto& spalte : {punkt_, richtung_})
        for (Tergebnisfeld* f : spalte)
            anzeigen << f;
    anzeigen << winkel_;
    anzeigenSetzen(anzeigen);
}

} // namespace zol

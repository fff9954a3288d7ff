// Layout of the point–plane window: the plane input and the point above, the status and the
// result notebook ("Abstand/Lotfußpunkt", "Lotgerade") below.
#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/geradeneingabe.h"
#include "modules/geometry/punktebdlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

Tpunkteb::Tpunkteb(QWidget* eltern) : Traumfenster(QStringLiteral("Tpunkteb"), eltern) {
    aufbauen();
    raumrahmenAufbauen();
    resize(820, 560);
}

void Tpunkteb::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingaben = new QHBoxLayout;
    auto* ebenengruppe = new QGroupBox(QStringLiteral("Eingabe Ebenengleichung "), mitte);
    auto* gl = new QVBoxLayout(ebenengruppe);
    eingabe_ = new Tebeneneingabe(Ebenenvorgabe{}, ebenengruppe);
    gl->addWidget(eingabe_);
    eingaben->addWidget(ebenengruppe, 3);

    auto* punktgruppe = new QGroupBox(QStringLiteral("Eingabe Punkt"), mitte);
    auto* pl = new QHBoxLayout(punktgruppe);
    p_ = eingabespalte({29, 30, 31}, punktgruppe);
    pl->addWidget(new QLabel(QStringLiteral("P ="), punktgruppe));
    pl->addWidget(vektorspalte(p_, punktgruppe));
    pl->addStretch(1);
    eingaben->addWidget(punktgruppe, 1);
    lage->addLayout(eingaben);

    auto* ergebnisgruppe = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* el = new QVBoxLayout(ergebnisgruppe);
    el->addWidget(statuslabel(ergebnisgruppe));
    el->addWidget(ergebnisteil(ergebnisgruppe));
    el->addStretch(1);
    lage->addWidget(ergebnisgruppe, 1);
    setCentralWidget(mitte);

    for (QWidget* w : eingabe_->komponenten())
        komponente(w);
    for (TextendEdit* f : p_)
        komponente(f);
    QList<QWidget*> anzeigen{status()};
    for (const auto& spalte : {lotfuss_, spiegel_})
        for (Tergebnisfeld* f : spalte)
            anzeigen << f;
    anzeigen << abstand_;
    for (const auto& spalte : {lotpunkt_, lotricht_})
        for (Tergebnisfeld* f : spalte)
            anzeigen << f;
    anzeigenSetzen(anzeigen);
}

QWidget* Tpunkteb::ergebnisteil(QWidget* eltern) {
    TabbedNotebook2 = new QTabWidget(eltern);
    TabbedNotebook2->setObjectName(QStringLiteral("TabbedNotebook2"));

    auto* abstandseite = new QWidget;
    auto* al = new QGridLayout(abstandseite);
    lotfuss_ = ergebnisspalte({57, 58, 59}, abstandseite);
    spiegel_ = ergebnisspalte({60, 61, 62}, abstandseite);
    abstand_ = felder::ergebnisfeld("extendEdit63", abstandseite);
    abstand_->setMaximumWidth(felder::zahlbreite);
    al->addWidget(new QLabel(QStringLiteral("Lotfußpunkt"), abstandseite), 0, 1);
    al->addWidget(new QLabel(QStringLiteral("F ="), abstandseite), 1, 0);
    al->addWidget(vektorspalte(lotfuss_, abstandseite), 1, 1);
    al->addWidget(new QLabel(QStringLiteral("Abstand:"), abstandseite), 0, 2);
    al->addWidget(abstand_, 1, 2, Qt::AlignTop);
    al->addWidget(new QLabel(QStringLiteral("Spiegelpunkt"), abstandseite), 0, 4);
    al->addWidget(new QLabel(QStringLiteral("P' ="), abstandseite), 1, 3);
    al->addWidget(vektorspalte(spiegel_, abstandseite), 1, 4);
    al->setColumnStretch(5, 1);
    TabbedNotebook2->addTab(abstandseite, QStringLiteral("Abstand/Lotfußpunkt"));

    auto* lotseite = new QWidget;
    auto* ll = new QHBoxLayout(lotseite);
    lotpunkt_ = ergebnisspalte({64, 65, 66}, lotseite);
    lotricht_ = ergebnisspalte({67, 68, 69}, lotseite);
    ll->addWidget(new QLabel(QStringLiteral("X  ="), lotseite));
    ll->addWidget(vektorspalte(lotpunkt_, lotseite));
    ll->addWidget(new QLabel(QStringLiteral("+ l"), lotseite));
    ll->addWidget(vektorspalte(lotricht_, lotseite));
    ll->addStretch(1);
    TabbedNotebook2->addTab(lotseite, QStringLiteral("Lotgerade"));
    return TabbedNotebook2;
}

} // namespace zol

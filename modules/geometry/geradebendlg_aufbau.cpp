// Layout of the line–plane window: the plane input and the line input side by side, the
// intersection point, the angle and the status below.
#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/geradebendlg.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

Tgeradeben::Tgeradeben(QWidget* eltern) : Traumfenster(QStringLiteral("Tgeradeben"), eltern) {
    aufbauen();
    raumrahmenAufbauen();
    resize(940, 470);
}

void Tgeradeben::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingaben = new QHBoxLayout;
    auto* ebenengruppe = new QGroupBox(QStringLiteral("Eingabe Ebenengleichung "), mitte);
    auto* el = new QVBoxLayout(ebenengruppe);
    ebene_ = new Tebeneneingabe(Ebenenvorgabe{}, ebenengruppe);
    el->addWidget(ebene_);
    eingaben->addWidget(ebenengruppe, 3);

    auto* geradengruppe = new QGroupBox(QStringLiteral("Eingabe Gerade"), mitte);
    auto* gl = new QVBoxLayout(geradengruppe);
    Geradenvorgabe v;
    v.notizbuch = QStringLiteral("TabbedNotebook2");
    v.p1 = {29, 30, 31};
    v.p2 = {32, 33, 34};
    v.a = {35, 36, 37};
    v.u = {38, 39, 40};
    v.richtung = Geradenvorgabe::Richtung::p2_minus_p1;
    gerade_ = new Tgeradeneingabe(v, geradengruppe);
    gl->addWidget(gerade_);
    eingaben->addWidget(geradengruppe, 2);
    lage->addLayout(eingaben);

    auto* ergebnisgruppe = new QGroupBox(QStringLiteral("Ausgabe der Ergebnisse"), mitte);
    auto* rl = new QVBoxLayout(ergebnisgruppe);
    auto* gitter = new QGridLayout;
    punkt_ = ergebnisspalte({57, 58, 59}, ergebnisgruppe);
    winkel_ = felder::ergebnisfeld("extendEdit63", ergebnisgruppe);
    winkel_->setMaximumWidth(felder::zahlbreite);
    auto* schnitttext = new QLabel(QStringLiteral("Schnittpunkt:"), ergebnisgruppe);
    auto* p = new QLabel(QStringLiteral("P ="), ergebnisgruppe);
    auto* punktspalte = vektorspalte(punkt_, ergebnisgruppe);
    auto* winkeltext = new QLabel(QStringLiteral("Schnittwinkel:"), ergebnisgruppe);
    gitter->addWidget(schnitttext, 0, 1);
    gitter->addWidget(p, 1, 0);
    gitter->addWidget(punktspalte, 1, 1);
    gitter->addWidget(winkeltext, 0, 3);
    gitter->addWidget(winkel_, 1, 3, Qt::AlignTop);
    gitter->setColumnMinimumWidth(2, 24);
    gitter->setColumnStretch(4, 1);
    rl->addLayout(gitter);
    rl->addWidget(statuslabel(ergebnisgruppe));
    rl->addStretch(1);
    lage->addWidget(ergebnisgruppe, 1);
    setCentralWidget(mitte);
    ergebnisteile_ = {schnitttext, p, punktspalte, winkeltext, winkel_};
    ergebnisfelderZeigen(false);

    for (QWidget* w : ebene_->komponenten())
        komponente(w);
    for (QWidget* w : gerade_->komponenten())
        komponente(w);
    QList<QWidget*> anzeigen{status()};
    for (Tergebnisfeld* f : punkt_)
        anzeigen << f;
    anzeigen << winkel_;
    anzeigenSetzen(anzeigen);
}

} // namespace zol

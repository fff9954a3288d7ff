// Layout of the line–line window: the two line inputs side by side, the results below.
#include "modules/geometry/fgeradegdlg.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

Tfgeradeg::Tfgeradeg(QWidget* eltern) : Traumfenster(QStringLiteral("Tfgeradeg"), eltern) {
    aufbauen();
    raumrahmenAufbauen();
    resize(820, 480);
}

void Tfgeradeg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingaben = new QHBoxLayout;
    const auto eingabe = [&](int nummer, const Geradenvorgabe& v) {
        auto* gruppe = new QGroupBox(QStringLiteral("Eingabe Gerade %1").arg(nummer), mitte);
        auto* gl = new QVBoxLayout(gruppe);
        auto* g = new Tgeradeneingabe(v, gruppe);
        gl->addWidget(g);
        eingaben->addWidget(gruppe, 1);
        return g;
    };
    Geradenvorgabe v1;
    v1.notizbuch = QStringLiteral("TabbedNotebook1");
    v1.p1 = {1, 2, 3};
    v1.p2 = {4, 5, 6};
    v1.a = {10, 11, 12};
    v1.u = {13, 14, 15};
    v1.text_x = QStringLiteral("X 1 =");
    gerade1_ = eingabe(1, v1);
    Geradenvorgabe v2;
    v2.notizbuch = QStringLiteral("TabbedNotebook2");
    v2.p1 = {7, 8, 9};
    v2.p2 = {16, 17, 18};
    v2.a = {19, 20, 21};
    v2.u = {22, 23, 24};
    v2.text_x = QStringLiteral("X2  =");
    v2.text_l = QStringLiteral("+ m");
    gerade2_ = eingabe(2, v2);
    lage->addLayout(eingaben);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ausgabe der Ergebnisse"), mitte);
    auto* el = new QGridLayout(ergebnisse);
    punkt_ = ergebnisspalte({57, 58, 59}, ergebnisse);
    winkel_ = felder::ergebnisfeld("extendEdit63", ergebnisse);
    winkel_->setMaximumWidth(felder::zahlbreite);
    auto* p = new QLabel(QStringLiteral("P ="), ergebnisse);
    punktspalte_ = vektorspalte(punkt_, ergebnisse);
    auto* w = new QLabel(QStringLiteral("Winkel:"), ergebnisse);
    el->addWidget(statuslabel(ergebnisse), 0, 0, 1, 5);
    el->addWidget(p, 1, 0);
    el->addWidget(punktspalte_, 1, 1);
    el->addWidget(w, 1, 2, Qt::AlignRight);
    el->addWidget(winkel_, 1, 3);
    el->setColumnStretch(4, 1);
    el->setRowStretch(2, 1);
    lage->addWidget(ergebnisse, 1);
    setCentralWidget(mitte);
    ergebnisteile_ = {p, punktspalte_, w, winkel_};
    ergebnisfelderZeigen(false);

    for (Tgeradeneingabe* g : {gerade1_, gerade2_})
        for (QWidget* k : g->komponenten())
            komponente(k);
    anzeigenSetzen({status(), punkt_[0], punkt_[1], punkt_[2], winkel_});
}

} // namespace zol

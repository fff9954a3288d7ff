// Layout of the point–line window: the line input and the point above, the results below (the
// plane through P in its two forms, foot of the perpendicular, distance, mirror point).
#include "modules/geometry/geradeneingabe.h"
#include "modules/geometry/punktgedlg.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

Tpunktge::Tpunktge(QWidget* eltern) : Traumfenster(QStringLiteral("Tpunktge"), eltern) {
    aufbauen();
    raumrahmenAufbauen();
    resize(760, 600);
}

void Tpunktge::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingaben = new QHBoxLayout;
    auto* geradengruppe = new QGroupBox(QStringLiteral("Eingabe Gerade"), mitte);
    auto* gl = new QVBoxLayout(geradengruppe);
    Geradenvorgabe v;
    v.notizbuch = QStringLiteral("TabbedNotebook2");
    v.p1 = {35, 36, 37};
    v.p2 = {38, 39, 40};
    v.a = {7, 8, 9};
    v.u = {32, 33, 34};
    v.richtung = Geradenvorgabe::Richtung::p1_minus_p2;
    gerade_ = new Tgeradeneingabe(v, geradengruppe);
    gl->addWidget(gerade_);
    eingaben->addWidget(geradengruppe, 2);

    auto* punktgruppe = new QGroupBox(QStringLiteral("Eingabe des Punktes"), mitte);
    auto* pl = new QHBoxLayout(punktgruppe);
    p_ = eingabespalte({23, 24, 25}, punktgruppe);
    pl->addWidget(new QLabel(QStringLiteral("P ="), punktgruppe));
    pl->addWidget(vektorspalte(p_, punktgruppe));
    pl->addStretch(1);
    eingaben->addWidget(punktgruppe, 1);
    lage->addLayout(eingaben);

    auto* ergebnisgruppe = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* el = new QVBoxLayout(ergebnisgruppe);
    el->addWidget(statuslabel(ergebnisgruppe));
    ergebnisse_ = ergebnisteil(ergebnisgruppe);
    el->addWidget(ergebnisse_);
    el->addStretch(1);
    lage->addWidget(ergebnisgruppe, 1);
    setCentralWidget(mitte);

    for (QWidget* w : gerade_->komponenten())
        komponente(w);
    for (TextendEdit* f : p_)
        komponente(f);
    QList<QWidget*> anzeigen{status()};
    for (const auto& spalte : {normaleP_, normaleN_})
        for (Tergebnisfeld* f : spalte)
            anzeigen << f;
    for (Tergebnisfeld* f : koordinaten_)
        anzeigen << f;
    for (Tergebnisfeld* f : lotfuss_)
        anzeigen << f;
    anzeigen << abstand_;
    for (Tergebnisfeld* f : spiegel_)
        anzeigen << f;
    anzeigenSetzen(anzeigen);
}

QWidget* Tpunktge::ergebnisteil(QWidget* eltern) {
    auto* teil = new QWidget(eltern);
    auto* lage = new QVBoxLayout(teil);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->addWidget(new QLabel(QStringLiteral("Ebene durch P senkrecht zur Geraden:"), teil));

    TabbedNotebook1 = new QTabWidget(teil);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    auto* normalenform = new QWidget;
    auto* nl = new QHBoxLayout(normalenform);
    normaleP_ = ergebnisspalte({4, 5, 6}, normalenform);
    normaleN_ = ergebnisspalte({1, 2, 3}, normalenform);
    nl->addWidget(new QLabel(QStringLiteral("[X  -"), normalenform));
    nl->addWidget(vektorspalte(normaleP_, normalenform));
    nl->addWidget(new QLabel(QStringLiteral("] *"), normalenform));
    nl->addWidget(vektorspalte(normaleN_, normalenform));
    nl->addWidget(new QLabel(QStringLiteral("=0"), normalenform));
    nl->addStretch(1);
    TabbedNotebook1->addTab(normalenform, QStringLiteral("Normalenform"));

    auto* koordinatenform = new QWidget;
    auto* kl = new QHBoxLayout(koordinatenform);
    const char* namen[] = {"extendEdit19", "extendEdit20", "extendEdit21", "extendEdit22"};
    const QString hinter[] = {QStringLiteral("x1 +"), QStringLiteral("x2 +"),
                              QStringLiteral("x3 +"), QStringLiteral("= 0")};
    for (std::size_t i = 0; i < 4; ++i) {
        koordinaten_[i] = felder::ergebnisfeld(namen[i], koordinatenform);
        koordinaten_[i]->setMaximumWidth(felder::zahlbreite);
        kl->addWidget(koordinaten_[i]);
        kl->addWidget(new QLabel(hinter[i], koordinatenform));
    }
    kl->addStretch(1);
    TabbedNotebook1->addTab(koordinatenform, QStringLiteral("Koordinatenform"));
    lage->addWidget(TabbedNotebook1);

    auto* punkte = new QGridLayout;
    lotfuss_ = ergebnisspalte({57, 58, 59}, teil);
    spiegel_ = ergebnisspalte({10, 11, 12}, teil);
    abstand_ = felder::ergebnisfeld("extendEdit63", teil);
    abstand_->setMaximumWidth(felder::zahlbreite);
    punkte->addWidget(new QLabel(QStringLiteral("Lotfußpunkt"), teil), 0, 1);
    punkte->addWidget(new QLabel(QStringLiteral("F ="), teil), 1, 0);
    punkte->addWidget(vektorspalte(lotfuss_, teil), 1, 1);
    punkte->addWidget(new QLabel(QStringLiteral("Abstand"), teil), 0, 2);
    punkte->addWidget(abstand_, 1, 2, Qt::AlignTop);
    punkte->addWidget(new QLabel(QStringLiteral("Spiegelpunkt"), teil), 0, 4);
    punkte->addWidget(new QLabel(QStringLiteral("P' ="), teil), 1, 3);
    punkte->addWidget(vektorspalte(spiegel_, teil), 1, 4);
    punkte->setColumnStretch(5, 1);
    lage->addLayout(punkte);
    return teil;
}

} // namespace zol

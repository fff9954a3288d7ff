// Layout of the plane window: the plane input above, the result notebook with the parametric,
// normal and Hesse form and the trace points below.
#include "modules/geometry/ebenedlg.h"
#include "modules/geometry/ebeneneingabe.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/rahmen/felder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

std::array<Tergebnisfeld*, 3> spalte(int& nummer, QWidget* eltern) {
    const std::array<int, 3> n{nummer, nummer + 1, nummer + 2};
    nummer += 3;
    return ergebnisspalte(n, eltern);
}

} // namespace

TEbene::TEbene(QWidget* eltern) : Traumfenster(QStringLiteral("TEbene"), eltern) {
    aufbauen();
    raumrahmenAufbauen();
    resize(760, 520);
}

void TEbene::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabegruppe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QVBoxLayout(eingabegruppe);
    Ebenenvorgabe v;
    v.ebenengleichung = true;
    eingabe_ = new Tebeneneingabe(v, eingabegruppe);
    el->addWidget(eingabe_);
    lage->addWidget(eingabegruppe);

    auto* ergebnisgruppe = new QGroupBox(QStringLiteral("Ergebnisse:"), mitte);
    auto* rl = new QVBoxLayout(ergebnisgruppe);
    rl->addWidget(ergebnisteil(ergebnisgruppe));
    rl->addStretch(1);
    lage->addWidget(ergebnisgruppe, 1);
    setCentralWidget(mitte);

    for (QWidget* w : eingabe_->komponenten())
        komponente(w);
    QList<QWidget*> anzeigen;
    for (const auto& s : parameter_)
        for (Tergebnisfeld* f : s)
            anzeigen << f;
    for (const auto& s : normale_)
        for (Tergebnisfeld* f : s)
            anzeigen << f;
    for (Tergebnisfeld* f : hesse_)
        anzeigen << f;
    for (const auto& s : spur_)
        for (Tergebnisfeld* f : s)
            anzeigen << f;
    anzeigenSetzen(anzeigen);

    connect(eingabe_->notizbuch(), &QTabWidget::currentChanged, this,
            [this] { ergebnisseitenAnpassen(); });
    ergebnisseitenAnpassen();
}

QWidget* TEbene::ergebnisteil(QWidget* eltern) {
    TabbedNotebook2 = new QTabWidget(eltern);
    TabbedNotebook2->setObjectName(QStringLiteral("TabbedNotebook2"));
    int nummer = 29;

    auto* parameterseite = new QWidget;
    auto* pl = new QHBoxLayout(parameterseite);
    const QString texte[] = {QStringLiteral("X ="), QStringLiteral("+l"), QStringLiteral("+m")};
    for (std::size_t i = 0; i < 3; ++i) {
        parameter_[i] = spalte(nummer, parameterseite);
        pl->addWidget(new QLabel(texte[i], parameterseite));
        pl->addWidget(vektorspalte(parameter_[i], parameterseite));
    }
    pl->addStretch(1);
    TabbedNotebook2->addTab(parameterseite, QStringLiteral("Parameterform"));

    auto* normalenseite = new QWidget;
    auto* nl = new QHBoxLayout(normalenseite);
    normale_[0] = spalte(nummer, normalenseite);
    normale_[1] = spalte(nummer, normalenseite);
    nl->addWidget(new QLabel(QStringLiteral("[X  -"), normalenseite));
    nl->addWidget(vektorspalte(normale_[0], normalenseite));
    nl->addWidget(new QLabel(QStringLiteral("] *"), normalenseite));
    nl->addWidget(vektorspalte(normale_[1], normalenseite));
    nl->addWidget(new QLabel(QStringLiteral("=0"), normalenseite));
    nl->addStretch(1);
    TabbedNotebook2->addTab(normalenseite, QStringLiteral("Normalenform"));

    auto* hesseseite = new QWidget;
    auto* hl = new QHBoxLayout(hesseseite);
    const QString hinter[] = {QStringLiteral("x1 +"), QStringLiteral("x2 +"),
                              QStringLiteral("x3 +"), QStringLiteral("= 0")};
    for (std::size_t i = 0; i < 4; ++i) {
        const QByteArray name = QStringLiteral("extendEdit%1").arg(nummer++).toLatin1();
        hesse_[i] = felder::ergebnisfeld(name.constData(), hesseseite);
        hesse_[i]->setMaximumWidth(felder::zahlbreite);
        hl->addWidget(hesse_[i]);
        hl->addWidget(new QLabel(hinter[i], hesseseite));
    }
    hl->addStretch(1);
    TabbedNotebook2->addTab(hesseseite, QStringLiteral("Hesseform"));

    auto* spurseite = new QWidget;
    auto* sl = new QHBoxLayout(spurseite);
    for (std::size_t i = 0; i < 3; ++i) {
        spurteile_[i] = new QWidget(spurseite);
        auto* tl = new QHBoxLayout(spurteile_[i]);
        tl->setContentsMargins(0, 0, 8, 0);
        spur_[i] = spalte(nummer, spurteile_[i]);
        tl->addWidget(new QLabel(QStringLiteral("P%1=").arg(i + 1), spurteile_[i]));
        tl->addWidget(vektorspalte(spur_[i], spurteile_[i]));
        sl->addWidget(spurteile_[i]);
    }
    sl->addStretch(1);
    TabbedNotebook2->addTab(spurseite, QStringLiteral("Spurpunkte"));
    TabbedNotebook2->setCurrentIndex(seite_hesse);
    return TabbedNotebook2;
}

} // namespace zol

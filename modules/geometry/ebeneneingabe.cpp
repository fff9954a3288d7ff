#include "modules/geometry/ebeneneingabe.h"

#include "engine/zahlformat.h"
#include "modules/geometry/geradeneingabe.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>

#include <algorithm>

namespace zol {

namespace {

QLabel* text(const QString& t, QWidget* eltern) {
    return new QLabel(t, eltern);
}

void zahl_schreiben(TextendEdit* feld, long double wert, const QString& bild) {
    const long double v = std::clamp(wert, feld->MinValue(), feld->MaxValue());
    feld->setText(QString::fromStdString(format(bild.toStdString(), v)));
}

} // namespace

Tebeneneingabe::Tebeneneingabe(const Ebenenvorgabe& vorgabe, QWidget* eltern)
    : QWidget(eltern), vorgabe_(vorgabe), naechste_(vorgabe.erste) {
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    notizbuch_ = new QTabWidget(this);
    notizbuch_->setObjectName(vorgabe.notizbuch);
    seiten_ = vorgabe.ebenengleichung
                  ? QList<Ebenenform>{Ebenenform::punkte, Ebenenform::parameter,
                                      Ebenenform::normale, Ebenenform::koordinaten}
                  : QList<Ebenenform>{Ebenenform::parameter, Ebenenform::normale,
                                      Ebenenform::koordinaten, Ebenenform::punkte};
    for (Ebenenform f : seiten_) {
        switch (f) {
        case Ebenenform::parameter:
            notizbuch_->addTab(parameterseite(), QStringLiteral("Parameterform"));
            break;
        case Ebenenform::normale:
            notizbuch_->addTab(normalenseite(), QStringLiteral("Normalenform"));
            break;
        case Ebenenform::koordinaten:
            notizbuch_->addTab(koordinatenseite(), vorgabe.ebenengleichung
                                                       ? QStringLiteral("Hesseform")
                                                       : QStringLiteral("Koordinatenform"));
            break;
        case Ebenenform::punkte:
            notizbuch_->addTab(punkteseite(), QStringLiteral("3 Punkte"));
            break;
        }
    }
    notizbuch_->setCurrentIndex(0);
    lage->addWidget(notizbuch_);
}

std::array<TextendEdit*, 3> Tebeneneingabe::spalte() {
    const std::array<int, 3> nummern{naechste_, naechste_ + 1, naechste_ + 2};
    naechste_ += 3;
    return eingabespalte(nummern, this);
}

TextendEdit* Tebeneneingabe::einzelfeld() {
    const QByteArray name = QStringLiteral("extendEdit%1").arg(naechste_++).toLatin1();
    auto* f = felder::dezimalfeld(name.constData(), 0, -1e60L, 1e60L, QStringLiteral("0.00"), this);
    f->setMaximumWidth(felder::zahlbreite);
    return f;
}

// "X =" (A) "+l" (u) "+m" (v)
QWidget* Tebeneneingabe::parameterseite() {
    auto* s = new QWidget;
    auto* lage = new QHBoxLayout(s);
    const QString texte[] = {QStringLiteral("X ="), QStringLiteral("+l"), QStringLiteral("+m")};
    for (std::size_t i = 0; i < 3; ++i) {
        parameter_[i] = spalte();
        lage->addWidget(text(texte[i], s));
        lage->addWidget(vektorspalte(parameter_[i], s));
    }
    lage->addStretch(1);
    return s;
}

// "[X  -" (P) "] *" (n) "=0"
QWidget* Tebeneneingabe::normalenseite() {
    auto* s = new QWidget;
    auto* lage = new QHBoxLayout(s);
    normale_[0] = spalte();
    normale_[1] = spalte();
    lage->addWidget(text(QStringLiteral("[X  -"), s));
    lage->addWidget(vektorspalte(normale_[0], s));
    lage->addWidget(text(QStringLiteral("] *"), s));
    lage->addWidget(vektorspalte(normale_[1], s));
    lage->addWidget(text(QStringLiteral("=0"), s));
    lage->addStretch(1);
    return s;
}

// a "x1 +" b "x2 +" c "x3 +" d "= 0"
QWidget* Tebeneneingabe::koordinatenseite() {
    auto* s = new QWidget;
    auto* lage = new QHBoxLayout(s);
    const QString hinter[] = {QStringLiteral("x1 +"), QStringLiteral("x2 +"),
                              QStringLiteral("x3 +"), QStringLiteral("= 0")};
    for (std::size_t i = 0; i < 4; ++i) {
        koordinaten_[i] = einzelfeld();
        koordinaten_[i]->setParent(s);
        lage->addWidget(koordinaten_[i]);
        lage->addWidget(text(hinter[i], s));
    }
    lage->addStretch(1);
    return s;
}

// "P1=" (…) "P2=" (…) "P3=" (…)
QWidget* Tebeneneingabe::punkteseite() {
    auto* s = new QWidget;
    auto* lage = new QHBoxLayout(s);
    for (std::size_t i = 0; i < 3; ++i) {
        punkte_[i] = spalte();
        if (i > 0) lage->addSpacing(8);
        lage->addWidget(text(QStringLiteral("P%1=").arg(i + 1), s));
        lage->addWidget(vektorspalte(punkte_[i], s));
    }
    lage->addStretch(1);
    return s;
}

QList<TextendEdit*> Tebeneneingabe::felder(Ebenenform form) const {
    QList<TextendEdit*> r;
    auto spalten = [&r](const auto& liste) {
        for (const auto& s : liste)
            for (TextendEdit* f : s)
                r << f;
    };
    switch (form) {
    case Ebenenform::parameter:
        spalten(parameter_);
        break;
    case Ebenenform::normale:
        spalten(normale_);
        break;
    case Ebenenform::koordinaten:
        for (TextendEdit* f : koordinaten_)
            r << f;
        break;
    case Ebenenform::punkte:
        spalten(punkte_);
        break;
    }
    return r;
}

QList<QWidget*> Tebeneneingabe::komponenten() const {
    QList<QWidget*> r{notizbuch_};
    for (Ebenenform f : seiten_)
        for (TextendEdit* feld : felder(f))
            r << feld;
    return r;
}

Ebenenform Tebeneneingabe::form() const {
    return seiten_.value(notizbuch_->currentIndex(), seiten_.first());
}

int Tebeneneingabe::seite(Ebenenform form) const {
    return static_cast<int>(seiten_.indexOf(form));
}

Dreipunkteebene Tebeneneingabe::punkte() const {
    return {vektor_lesen(punkte_[0]), vektor_lesen(punkte_[1]), vektor_lesen(punkte_[2])};
}

Parameterebene Tebeneneingabe::parameterform() const {
    return {vektor_lesen(parameter_[0]), vektor_lesen(parameter_[1]), vektor_lesen(parameter_[2])};
}

Normalenebene Tebeneneingabe::normalenform() const {
    return {vektor_lesen(normale_[0]), vektor_lesen(normale_[1])};
}

Koordinatenebene Tebeneneingabe::koordinatenform() const {
    return {felder::imBereich(*koordinaten_[0]), felder::imBereich(*koordinaten_[1]),
            felder::imBereich(*koordinaten_[2]), felder::imBereich(*koordinaten_[3])};
}

Koordinatenebene Tebeneneingabe::ebene(const QString& bild) {
    const Ebenenform f = form();
    if (f == Ebenenform::koordinaten) return koordinatenform();
    Normalenebene n;
    if (f == Ebenenform::normale) {
        n = normalenform();
    } else {
        const Parameterebene p =
            f == Ebenenform::punkte ? zol::parameterform(punkte()) : parameterform();
        if (f == Ebenenform::punkte)
            for (std::size_t i = 0; i < 3; ++i)
                vektor_schreiben(parameter_[i], i == 0 ? p.a : i == 1 ? p.u : p.v, bild);
        n = zol::normalenform(p);
        vektor_schreiben(normale_[0], n.p, bild);
        vektor_schreiben(normale_[1], n.n, bild);
    }
    const Koordinatenebene k = zol::koordinatenform(n);
    const long double werte[] = {k.a, k.b, k.c, k.d};
    for (std::size_t i = 0; i < 4; ++i)
        zahl_schreiben(koordinaten_[i], werte[i], bild);
    return k;
}

} // namespace zol

#include "modules/geometry/geradeneingabe.h"

#include "engine/zahlformat.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zol {

namespace {

// Round brackets as tall as the column they enclose, drawn rather than typed, so they grow with
// the fields' font.
class Tklammer : public QWidget {
public:
    Tklammer(bool links, QWidget* eltern) : QWidget(eltern), links_(links) {
        setFixedWidth(9);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(QPen(palette().color(QPalette::WindowText), 1.4));
        const qreal innen = links_ ? width() - 1.5 : 1.5;
        const qreal aussen = links_ ? 2.0 : width() - 2.0;
        QPainterPath bogen;
        bogen.moveTo(innen, 2);
        bogen.quadTo(aussen, height() / 2.0, innen, height() - 2);
        maler.drawPath(bogen);
    }

private:
    bool links_;
};

} // namespace

QWidget* vektorspalte(QWidget* x1, QWidget* x2, QWidget* x3, QWidget* eltern) {
    auto* spalte = new QWidget(eltern);
    // As high as the three fields: the brackets must not stretch with the surrounding group.
    spalte->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* lage = new QHBoxLayout(spalte);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->setSpacing(1);
    lage->addWidget(new Tklammer(true, spalte));
    auto* felder = new QVBoxLayout;
    felder->setSpacing(2);
    for (QWidget* f : {x1, x2, x3}) {
        f->setParent(spalte);
        felder->addWidget(f);
    }
    lage->addLayout(felder);
    lage->addWidget(new Tklammer(false, spalte));
    return spalte;
}

std::array<TextendEdit*, 3> eingabespalte(const std::array<int, 3>& nummern, QWidget* eltern) {
    std::array<TextendEdit*, 3> f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const QByteArray name = QStringLiteral("extendEdit%1").arg(nummern[i]).toLatin1();
        f[i] =
            felder::dezimalfeld(name.constData(), 0, -1e60L, 1e60L, QStringLiteral("0.00"), eltern);
    }
    return f;
}

std::array<Tergebnisfeld*, 3> ergebnisspalte(const std::array<int, 3>& nummern, QWidget* eltern) {
    std::array<Tergebnisfeld*, 3> f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const QByteArray name = QStringLiteral("extendEdit%1").arg(nummern[i]).toLatin1();
        f[i] = felder::ergebnisfeld(name.constData(), eltern);
        f[i]->setMaximumWidth(felder::zahlbreite);
    }
    return f;
}

Vektor3 vektor_lesen(const std::array<TextendEdit*, 3>& f) {
    return {felder::imBereich(*f[0]), felder::imBereich(*f[1]), felder::imBereich(*f[2])};
}

void vektor_schreiben(const std::array<TextendEdit*, 3>& f, Vektor3 wert, const QString& bild) {
    const std::string b = bild.toStdString();
    const long double w[] = {wert.x1, wert.x2, wert.x3};
    for (std::size_t i = 0; i < 3; ++i) {
        const long double v = std::clamp(w[i], f[i]->MinValue(), f[i]->MaxValue());
        f[i]->setText(QString::fromStdString(format(b, v)));
    }
}

void vektor_zeigen(const std::array<Tergebnisfeld*, 3>& f, Vektor3 wert) {
    f[0]->zeige(wert.x1);
    f[1]->zeige(wert.x2);
    f[2]->zeige(wert.x3);
}

QString vektortext(const std::array<Tergebnisfeld*, 3>& f) {
    return QStringLiteral("(%1;%2;%3)").arg(f[0]->text(), f[1]->text(), f[2]->text());
}

Tgeradeneingabe::Tgeradeneingabe(const Geradenvorgabe& vorgabe, QWidget* eltern)
    : QWidget(eltern), vorgabe_(vorgabe) {
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    notizbuch_ = new QTabWidget(this);
    notizbuch_->setObjectName(vorgabe.notizbuch);
    felder_[0] = eingabespalte(vorgabe.p1, this);
    felder_[1] = eingabespalte(vorgabe.p2, this);
    felder_[2] = eingabespalte(vorgabe.a, this);
    felder_[3] = eingabespalte(vorgabe.u, this);
    notizbuch_->addTab(seite(0, vorgabe.text_p1, QString(), 1, vorgabe.text_p2),
                       QStringLiteral("2 Punkte"));
    notizbuch_->addTab(seite(2, vorgabe.text_x, vorgabe.text_l, 3, QString()),
                       QStringLiteral("Gerade"));
    notizbuch_->setCurrentIndex(vorgabe.startseite);
    lage->addWidget(notizbuch_);
}

// "P1 =" (…) "P2 =" (…), or "X =" (…) "+ l" (…).
QWidget* Tgeradeneingabe::seite(int erster, const QString& text1, const QString& zwischen,
                                int zweiter, const QString& text2) {
    auto* s = new QWidget;
    auto* lage = new QHBoxLayout(s);
    lage->addWidget(new QLabel(text1, s));
    lage->addWidget(vektorspalte(felder_[static_cast<std::size_t>(erster)], s));
    lage->addSpacing(8);
    const QString mitte = zwischen.isEmpty() ? text2 : zwischen;
    lage->addWidget(new QLabel(mitte, s));
    lage->addWidget(vektorspalte(felder_[static_cast<std::size_t>(zweiter)], s));
    lage->addStretch(1);
    return s;
}

QList<QWidget*> Tgeradeneingabe::komponenten() const {
    QList<QWidget*> r{notizbuch_};
    for (const auto& spalte : felder_)
        for (TextendEdit* f : spalte)
            r << f;
    return r;
}

Gerade3 Tgeradeneingabe::geradenform() const {
    return {vektor_lesen(felder_[2]), vektor_lesen(felder_[3])};
}

Gerade3 Tgeradeneingabe::gerade(const QString& bild) {
    if (notizbuch_->currentIndex() != seite_2punkte) return geradenform();
    const Vektor3 p1 = vektor_lesen(felder_[0]);
    const Vektor3 p2 = vektor_lesen(felder_[1]);
    Gerade3 g{p1, vorgabe_.richtung == Geradenvorgabe::Richtung::p2_minus_p1 ? p2 - p1 : p1 - p2};
    vektor_schreiben(felder_[2], g.a, bild);
    vektor_schreiben(felder_[3], g.u, bild);
    return g;
}

} // namespace zol

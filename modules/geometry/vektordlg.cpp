#include "modules/geometry/vektordlg.h"

#include "modules/geometry/geradeneingabe.h"
#include "modules/geometry/raumrechnung.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

Tvektordlg::Tvektordlg(QWidget* eltern) : Traumfenster(QStringLiteral("Tvektordlg"), eltern) {
    aufbauen();
    raumrahmenAufbauen();
    resize(560, 460);
}

void Tvektordlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe "), mitte);
    auto* el = new QHBoxLayout(eingabe);
    a_ = eingabespalte({1, 2, 3}, eingabe);
    b_ = eingabespalte({4, 5, 6}, eingabe);
    el->addWidget(new QLabel(QStringLiteral("a ="), eingabe));
    el->addWidget(vektorspalte(a_, eingabe));
    el->addSpacing(16);
    el->addWidget(new QLabel(QStringLiteral("b ="), eingabe));
    el->addWidget(vektorspalte(b_, eingabe));
    el->addStretch(1);
    lage->addWidget(eingabe);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ergebnisse:"), mitte);
    auto* gl = new QGridLayout(ergebnisse);
    kreuz_ = ergebnisspalte({7, 8, 9}, ergebnisse);
    gl->addWidget(new QLabel(QStringLiteral("a  X b ="), ergebnisse), 0, 0);
    gl->addWidget(vektorspalte(kreuz_, ergebnisse), 0, 1, Qt::AlignLeft);
    const auto feld = [&](const char* name, const QString& text, int zeile) {
        Tergebnisfeld* f = felder::ergebnisfeld(name, ergebnisse);
        f->setMaximumWidth(felder::zahlbreite);
        gl->addWidget(new QLabel(text, ergebnisse), zeile, 0);
        gl->addWidget(f, zeile, 1, Qt::AlignLeft);
        return f;
    };
    betragKreuz_ = feld("extendEdit14", QStringLiteral("Betrag-Vektorprodukt:"), 1);
    betragA_ = feld("extendEdit10", QStringLiteral("|a|="), 2);
    betragB_ = feld("extendEdit11", QStringLiteral("|b|="), 3);
    skalar_ = feld("extendEdit12", QStringLiteral("Skalarprodukt:"), 4);
    winkel_ = feld("extendEdit13", QStringLiteral("Winkel:"), 5);
    gl->addWidget(statuslabel(ergebnisse), 6, 0, 1, 3);
    gl->setColumnStretch(2, 1);
    lage->addWidget(ergebnisse, 1);
    setCentralWidget(mitte);

    for (TextendEdit* f : a_)
        komponente(f);
    for (TextendEdit* f : b_)
        komponente(f);
    anzeigenSetzen({status(), kreuz_[0], kreuz_[1], kreuz_[2], betragKreuz_, betragA_, betragB_,
                    skalar_, winkel_});
}

void Tvektordlg::rechne() {
    Vektorergebnis e;
    if (!vektoren_berechnen(vektor_lesen(a_), vektor_lesen(b_), e)) {
        ergebnisseVerwerfen();
        status()->setText(QStringLiteral("Fehlerhafte Eingabe"));
        return;
    }
    vektor_zeigen(kreuz_, e.kreuz);
    betragKreuz_->zeige(e.betrag_kreuz);
    status()->setText(e.abhaengig ? QStringLiteral("Vektoren sind linear Abhängig (Parallel)")
                                  : QStringLiteral("Vektoren sind linear Unabhängig"));
    betragA_->zeige(e.betrag_a);
    betragB_->zeige(e.betrag_b);
    skalar_->zeige(e.skalar);
    winkel_->zeige(e.winkel);
}

QStringList Tvektordlg::zeilenBilden() const {
    if (winkel_ == nullptr || winkel_->text().isEmpty()) return {};
    return {QStringLiteral(";a X b=") + vektortext(kreuz_),
            QStringLiteral("betrag_axb=") + betragKreuz_->text(),
            QStringLiteral("betrag_a=") + betragA_->text(),
            QStringLiteral("betrag_b=") + betragB_->text(),
            QStringLiteral("skalarprodukt=") + skalar_->text(),
            QStringLiteral("winkel=") + winkel_->text(),
            QStringLiteral(";") + status()->text()};
}

void vektoren_registrieren() {
    fensterart_registrieren(QStringLiteral("Tvektordlg"), [] { return new Tvektordlg; });
}

} // namespace zol

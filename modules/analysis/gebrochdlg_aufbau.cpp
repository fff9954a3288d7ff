// Layout of the rational functions window: the two degree fields and the numerator and
// denominator grids under "Eingabe:", the result memo below, the frame's menus and tool bar.
#include "modules/analysis/gebrochdlg.h"
#include "modules/analysis/polynomedlg.h"
#include "modules/analysis/polynomedlg_gitter.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zol {

namespace {

Tspineditin* gradfeld(const char* name, QWidget* eltern) {
    auto* s = new Tspineditin(eltern);
    s->setObjectName(QString::fromLatin1(name));
    s->setMinValue(0);
    s->setMaxValue(polynom_hoechstgrad);
    s->setValue(2);
    s->setMaximumWidth(felder::zahlbreite);
    return s;
}

TStringGrid* koeffizientengitter(const char* name, const QString& kopf, QWidget* eltern) {
    TStringGrid* g = felder::eingabegitter(name, 80, 4, 2, eltern);
    g->setColumnWidth(0, 100);
    g->setFixedHeight(3 * 24);
    polynomgitter::gradSetzen(*g, polynomgitter::Lage::spalten, 2, 2, kopf);
    return g;
}

} // namespace

Tgebrochdlg::Tgebrochdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tgebrochdlg"), eltern) {
    aufbauen();
    abgelehnteZeilenUebergehen(true);
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::rechnenfenster, Befehl::ergebnisse_definieren, Befehl::zahlenformat,
                    Befehl::hilfe, Befehl::hauptmenue});
    resize(680, 540);
}

void Tgebrochdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(new QLabel(QStringLiteral("Eingabe:"), mitte));
    kopf->addStretch(1);
    spineditin1 = gradfeld("spineditin1", mitte);
    spineditin2 = gradfeld("spineditin2", mitte);
    for (auto [text, feld] : {std::pair{QStringLiteral("Zählergrad:"), spineditin1},
                              std::pair{QStringLiteral("Nennergrad:"), spineditin2}}) {
        auto* l = new QLabel(text, mitte);
        l->setBuddy(feld);
        kopf->addWidget(l);
        kopf->addWidget(feld);
        kopf->addSpacing(12);
    }
    lage->addLayout(kopf);

    StringGrid1 = koeffizientengitter("StringGrid1", QStringLiteral("Zähler"), mitte);
    StringGrid2 = koeffizientengitter("StringGrid2", QStringLiteral("Nenner"), mitte);
    felder::groesseFolgen(*spineditin1, [this](int n) { gradAnpassen(0, n); });
    felder::groesseFolgen(*spineditin2, [this](int n) { gradAnpassen(1, n); });
    for (TStringGrid* g : {StringGrid1, StringGrid2}) {
        gitterKontextmenue(g);
        lage->addWidget(g);
    }

    lage->addWidget(new QLabel(QStringLiteral("Ergebnisse:"), mitte));
    Memo1 = new QPlainTextEdit(mitte);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    lage->addWidget(Memo1, 1);
    setCentralWidget(mitte);

    // The order of the data file; the memo is computed again.
    for (QWidget* w :
         std::initializer_list<QWidget*>{spineditin1, spineditin2, StringGrid1, StringGrid2})
        komponente(w);
}

} // namespace zol

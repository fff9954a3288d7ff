// Layout of the polynomial window: degree field and coefficient grid under "Eingabe:", the
// result memo below, the frame's menus and tool bar.
#include "modules/analysis/polynomedlg.h"
#include "modules/analysis/polynomedlg_gitter.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zol {

TPolynomedlg::TPolynomedlg(QWidget* eltern)
    : Tmodulfenster(QStringLiteral("TPolynomedlg"), eltern) {
    aufbauen();
    abgelehnteZeilenUebergehen(true);
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::rechnenfenster, Befehl::ergebnisse_definieren, Befehl::zahlenformat,
                    Befehl::hilfe, Befehl::hauptmenue});
    resize(640, 480);
}

void TPolynomedlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(new QLabel(QStringLiteral("Eingabe:"), mitte));
    kopf->addStretch(1);
    auto* gradtext = new QLabel(QStringLiteral("Grad:"), mitte);
    spineditin1 = new Tspineditin(mitte);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setMinValue(0);
    spineditin1->setMaxValue(polynom_hoechstgrad);
    spineditin1->setValue(2);
    spineditin1->setMaximumWidth(felder::zahlbreite);
    gradtext->setBuddy(spineditin1);
    kopf->addWidget(gradtext);
    kopf->addWidget(spineditin1);
    lage->addLayout(kopf);

    StringGrid1 = felder::eingabegitter("StringGrid1", 80, 4, 2, mitte);
    StringGrid1->setColumnWidth(0, 100);
    StringGrid1->setFixedHeight(2 * 24 + 24);
    polynomgitter::gradSetzen(*StringGrid1, polynomgitter::Lage::spalten, 2, 2,
                              QStringLiteral("Polynom"));
    felder::groesseFolgen(*spineditin1, [this](int n) { gradAnpassen(n); });
    gitterKontextmenue(StringGrid1);
    lage->addWidget(StringGrid1);

    lage->addWidget(new QLabel(QStringLiteral("Ergebnisse:"), mitte));
    Memo1 = new QPlainTextEdit(mitte);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    lage->addWidget(Memo1, 1);
    setCentralWidget(mitte);

    // The order of the data file; the memo is computed again.
    komponente(spineditin1);
    komponente(StringGrid1);
}

} // namespace zol

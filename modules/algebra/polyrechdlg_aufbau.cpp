// Layout of the polynomial arithmetic window: the two polynomials side by side, each with its
// degree field and coefficient grid (one row per power, highest first), the result memo below;
// the operation buttons "+", "-", "*", "/" and "x^y" in the tool bar.
#include "modules/algebra/polyrechdlg.h"
#include "modules/algebra/polyrechnung.h"
#include "modules/analysis/polynomedlg_gitter.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QGroupBox>
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
    s->setMaxValue(polyrechnen_hoechstgrad);
    s->setValue(2);
    s->setMaximumWidth(felder::zahlbreite);
    return s;
}

} // namespace

Tpolyrechdlg::Tpolyrechdlg(QWidget* eltern)
    : Tmodulfenster(QStringLiteral("Tpolyrechdlg"), eltern) {
    aufbauen();
    befehleAufbauen();
    abgelehnteZeilenUebergehen(true);
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::ergebnisse_definieren,
                    Befehl::rechnenfenster, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(560, 560);
}

void Tpolyrechdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingaben = new QHBoxLayout;
    spineditin1 = gradfeld("spineditin1", mitte);
    spineditin2 = gradfeld("spineditin2", mitte);
    StringGrid1 = felder::eingabegitter("StringGrid1", 100, 2, 4, mitte);
    StringGrid2 = felder::eingabegitter("StringGrid2", 100, 2, 4, mitte);
    const struct {
        const char* titel;
        const char* grad;
        Tspineditin* feld;
        TStringGrid* gitter;
    } seiten[] = {{"Eingabe Polynom1:", "Polynom1:", spineditin1, StringGrid1},
                  {"Eingabe Polynom2:", "Polynom2:", spineditin2, StringGrid2}};
    for (int i = 0; i < 2; ++i) {
        auto* gruppe = new QGroupBox(QString::fromUtf8(seiten[i].titel), mitte);
        auto* gl = new QVBoxLayout(gruppe);
        auto* zeile = new QHBoxLayout;
        auto* l = new QLabel(QString::fromUtf8(seiten[i].grad), gruppe);
        l->setBuddy(seiten[i].feld);
        zeile->addWidget(l);
        zeile->addWidget(seiten[i].feld);
        zeile->addStretch(1);
        gl->addLayout(zeile);
        seiten[i].gitter->setColumnWidth(0, 80);
        polynomgitter::gradSetzen(*seiten[i].gitter, polynomgitter::Lage::zeilen, 2, 2,
                                  QStringLiteral("Polynom %1").arg(i + 1));
        gitterKontextmenue(seiten[i].gitter);
        gl->addWidget(seiten[i].gitter, 1);
        eingaben->addWidget(gruppe);
    }
    felder::groesseFolgen(*spineditin1, [this](int n) { gradAnpassen(0, n); });
    felder::groesseFolgen(*spineditin2, [this](int n) { gradAnpassen(1, n); });
    lage->addLayout(eingaben, 1);

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

void Tpolyrechdlg::befehleAufbauen() {
    static constexpr Polyoperation arten[] = {Polyoperation::summe, Polyoperation::differenz,
                                              Polyoperation::produkt, Polyoperation::division};
    const QList<QAction*> aktionen = grundrechenarten(
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")},
        [this](int i) { rechnen(arten[i]); });
    const char* const hinweise[] = {"Polynome addieren", "Polynome subtrahieren",
                                    "Polynome multiplizieren", "Polynome dividieren"};
    for (int i = 0; i < aktionen.size(); ++i)
        aktionen[i]->setToolTip(QString::fromUtf8(hinweise[i]));
    QAction* potenz = eigenerBefehl(QStringLiteral("Potenzieren"), QStringLiteral("&Potenzieren"),
                                    QStringLiteral("&Rechne"),
                                    QStringLiteral("Polynom potenzieren"), QStringLiteral("x^y"));
    connect(potenz, &QAction::triggered, this, [this] { rechnen(Polyoperation::potenz); });
}

} // namespace zol

// Layout of the binomial distribution window: the inputs n, p, k1, k2 in one row under
// "Eingabe"; under "Ergebnisse" the formula of B(n,p,k) and the result fields, each sum with its
// formula; the table filling the rest; the frame's menus and tool bar.
#include "modules/stochastics/binomdlg.h"
#include "modules/stochastics/binomialrechnung.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

namespace {

Tspineditin* ganzzahl(const char* name, QWidget* eltern) {
    auto* f = new Tspineditin(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setMinValue(0);
    f->setMaxValue(binom_max);
    f->setValue(0);
    f->setMaximumWidth(felder::zahlbreite);
    return f;
}

// A formula drawn with the text language, without a frame.
Ttxtshape* formel(const QString& text, int hoehe, QWidget* eltern) {
    auto* t = new Ttxtshape(eltern);
    t->setShowRahmen(false);
    t->setFont(QFont(QStringLiteral("Arial"), 11));
    t->setTextposx(2);
    t->setTextposy(hoehe / 3);
    t->setText(text);
    t->setFixedHeight(hoehe);
    t->setMinimumWidth(200);
    return t;
}

} // namespace

Tbinom2dlg::Tbinom2dlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tbinom2dlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(720, 540);
}

void Tbinom2dlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);
    lage->addWidget(eingabe());
    auto* unten = new QHBoxLayout;
    unten->addWidget(ergebnisse(), 0);
    StringGrid1 = felder::ergebnisgitter("StringGrid1", 70, 3, 2, mitte);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->setColumnWidth(0, 1);
    StringGrid1->setColumnWidth(2, 120);
    StringGrid1->setMinimumWidth(230);
    StringGrid1->setCell(1, 0, QStringLiteral("k"));
    StringGrid1->setCell(2, 0, QStringLiteral("B(n,p,k)"));
    gitterKontextmenue(StringGrid1, {Befehl::kopieren, Befehl::alles_auswaehlen});
    unten->addWidget(StringGrid1, 1);
    lage->addLayout(unten, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{
             spineditin1, SpinEditex1, spineditin3, spineditin4, SpinEditex3, SpinEditex4,
             SpinEditex2, SpinEditex5, SpinEditex7, SpinEditex6, StringGrid1})
        komponente(w);
}

QWidget* Tbinom2dlg::eingabe() {
    auto* gruppe = new QGroupBox(QStringLiteral("Eingabe"));
    auto* lage = new QHBoxLayout(gruppe);
    spineditin1 = ganzzahl("spineditin1", gruppe);
    // p keeps every digit typed: the window's number format never rewrites it.
    SpinEditex1 = new TSpinEditex(gruppe);
    SpinEditex1->setObjectName(QStringLiteral("SpinEditex1"));
    SpinEditex1->setMinValue(0);
    SpinEditex1->setMaxValue(1);
    SpinEditex1->setIncrement(0.1L);
    SpinEditex1->setValue(0);
    SpinEditex1->setMaximumWidth(felder::zahlbreite);
    spineditin3 = ganzzahl("spineditin3", gruppe);
    spineditin4 = ganzzahl("spineditin4", gruppe);
    const std::pair<const char*, QWidget*> felder[] = {
        {"&n=", spineditin1}, {"&p=", SpinEditex1}, {"k&1=", spineditin3}, {"k&2=", spineditin4}};
    for (const auto& [text, feld] : felder) {
        auto* l = new QLabel(QString::fromUtf8(text), gruppe);
        l->setBuddy(feld);
        lage->addWidget(l);
        lage->addWidget(feld);
        lage->addSpacing(8);
    }
    lage->addStretch(1);
    return gruppe;
}

QWidget* Tbinom2dlg::ergebnisse() {
    auto* gruppe = new QGroupBox(QStringLiteral("Ergebnisse"));
    auto* lage = new QGridLayout(gruppe);
    lage->addWidget(
        formel(QStringLiteral("B(n,p,k) = ( \\z(n;k) )\\m p\\z(k; )\\m (1 - p)\\z(n-k; )"), 52,
               gruppe),
        0, 0, 1, 3);
    SpinEditex3 = felder::ergebnisfeld("SpinEditex3", gruppe);
    SpinEditex4 = felder::ergebnisfeld("SpinEditex4", gruppe);
    SpinEditex2 = felder::ergebnisfeld("SpinEditex2", gruppe);
    SpinEditex5 = felder::ergebnisfeld("SpinEditex5", gruppe);
    SpinEditex7 = felder::ergebnisfeld("SpinEditex7", gruppe);
    SpinEditex6 = felder::ergebnisfeld("SpinEditex6", gruppe);
    struct Zeile {
        const char* text;
        Tergebnisfeld* feld;
        const char* formel;
    };
    const Zeile zeilen[] = {
        {"P1=", SpinEditex3, "\\S\\h(k1)\\t(k=0)   B(n,p,k)"},
        {"P2=", SpinEditex4, "\\S\\h(k2)\\t(k=0)   B(n,p,k)"},
        {"P2 - P1 =", SpinEditex2, nullptr},
        {"Erwartungswert n*p =", SpinEditex5, nullptr},
        {"Varianz n*p*(1-p) =", SpinEditex7, nullptr},
        {"Standardabweichung =", SpinEditex6, nullptr},
    };
    int r = 1;
    for (const Zeile& z : zeilen) {
        lage->addWidget(new QLabel(QString::fromUtf8(z.text), gruppe), r, 0);
        if (z.formel) lage->addWidget(formel(QString::fromUtf8(z.formel), 52, gruppe), r, 1);
        lage->addWidget(z.feld, r, 2);
        ++r;
    }
    lage->setRowStretch(r, 1);
    return gruppe;
}

} // namespace zol

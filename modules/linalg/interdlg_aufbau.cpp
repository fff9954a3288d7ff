// Layout of the interpolation window: the number of conditions, the grid of points with its
// marker columns under "Eingabe", the result field, the frame's menus and tool bar with
// "Null setzen" and "Zeichnen".
#include "modules/linalg/gaussrechnung.h"
#include "modules/linalg/interdlg.h"
#include "modules/linalg/linalgfenster.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zol {

Tinterdlg::Tinterdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tinterdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::drucken, Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren,
                    Befehl::einfuegen, Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne,
                    Befehl::zeichnen, Befehl::rechnenfenster, Befehl::ergebnisse_definieren,
                    Befehl::zahlenformat, Befehl::projektformeln, Befehl::hilfe,
                    Befehl::hauptmenue});
    // "Null setzen" clears the values only; the markers stay.
    connect(nullSetzenAnbieten({}), &QAction::triggered, this, [this] {
        for (int r = 1; r < StringGrid1->rowCount(); ++r)
            for (int c = 1; c < spalte_fx; ++c)
                StringGrid1->setCell(c, r, QStringLiteral("0"));
        Edit1->clear();
    });
    resize(560, 420);
}

void Tinterdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* oben = new QHBoxLayout;
    spineditin1 = new Tspineditin(mitte);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setMinValue(linalg_min_n);
    spineditin1->setMaxValue(linalg_max_n);
    spineditin1->setValue(2);
    spineditin1->setMaximumWidth(felder::zahlbreite);
    auto* anzahl = new QLabel(QStringLiteral("&Anzahl der Bedingungen"), mitte);
    anzahl->setBuddy(spineditin1);
    oben->addWidget(anzahl);
    oben->addWidget(spineditin1);
    oben->addStretch(1);
    lage->addLayout(oben);

    StringGrid1 = felder::eingabegitter("StringGrid1", 70, 6, 3, mitte);
    StringGrid1->setColumnWidth(0, 30);
    for (int c = 1; c < spalte_fx; ++c)
        StringGrid1->setColumnWidth(c, 90);
    felder::kopfzeile(*StringGrid1,
                      {QStringLiteral("x-Wert"), QStringLiteral("y-Wert"), QStringLiteral("f(x)"),
                       QStringLiteral("f'(x)"), QStringLiteral("f''(x)")});
    // The cells start as "0" everywhere; the marker columns start with "X" under "f(x)".
    for (int r = 1; r < StringGrid1->rowCount(); ++r)
        for (int c = spalte_fx; c <= spalte_f2; ++c)
            StringGrid1->setCell(c, r, c == spalte_fx ? QStringLiteral("X") : QString());
    felder::groesseFolgen(*spineditin1, [this](int n) { gitterAnpassen(n); });
    connect(StringGrid1, &TStringGrid::cellChanged, this,
            [this](int zeile, int spalte) { zelleGeaendert(zeile, spalte); });
    connect(StringGrid1, &TStringGrid::cellDoubleClicked, this, [this](int zeile, int spalte) {
        if (spalte >= spalte_fx && spalte <= spalte_f2 && zeile >= 1) {
            markieren(zeile, spalte);
            setzeGeaendert(true);
        }
    });
    gitterKontextmenue(StringGrid1);
    lage->addWidget(kopfteil(QStringLiteral("Eingabe"), mitte));
    lage->addWidget(StringGrid1, 1);

    auto* unten = new QHBoxLayout;
    Edit1 = new QLineEdit(mitte);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    auto* ergebnis = new QLabel(QStringLiteral("&Ergebnis:"), mitte);
    ergebnis->setBuddy(Edit1);
    unten->addWidget(ergebnis);
    unten->addWidget(Edit1, 1);
    lage->addLayout(unten);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{spineditin1, StringGrid1, Edit1})
        komponente(w);
}

} // namespace zol

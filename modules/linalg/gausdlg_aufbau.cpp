// Layout of the linear system window: the number of equations, the input grid under "Eingabe"
// and the result grid under "Ergebnisse", the frame's menus and tool bar with "Null setzen" and
// the grids' context menus.
#include "modules/linalg/gausdlg.h"
#include "modules/linalg/gaussrechnung.h"
#include "modules/linalg/linalgfenster.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

Tgausdlg::Tgausdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tgausdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::drucken, Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren,
                    Befehl::einfuegen, Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    connect(nullSetzenAnbieten({StringGrid1}), &QAction::triggered, this,
            [this] { ergebnisseLeeren(); });
    setTabOrder(StringGrid2, spineditin1);
    resize(620, 480);
}

void Tgausdlg::aufbauen() {
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
    auto* anzahl = new QLabel(QStringLiteral("&Anzahl der Gleichungen"), mitte);
    anzahl->setBuddy(spineditin1);
    oben->addWidget(anzahl);
    oben->addWidget(spineditin1);
    oben->addStretch(1);
    lage->addLayout(oben);

    StringGrid1 = felder::eingabegitter("StringGrid1", 64, 4, 3, mitte);
    StringGrid2 = felder::ergebnisgitter("StringGrid2", 64, 3, 2, mitte);
    StringGrid2->setTabKeyNavigation(true);
    for (TStringGrid* g : {StringGrid1, StringGrid2})
        g->setColumnWidth(0, 30);
    felder::groesseFolgen(*spineditin1, [this](int n) { gitterAnpassen(n); });
    gitterKontextmenue(StringGrid1);
    gitterKontextmenue(StringGrid2, {Befehl::kopieren, Befehl::alles_auswaehlen});

    lage->addWidget(kopfteil(QStringLiteral("Eingabe"), mitte));
    lage->addWidget(StringGrid1, 3);
    lage->addWidget(kopfteil(QStringLiteral("Ergebnisse"), mitte));
    lage->addWidget(StringGrid2, 2);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{spineditin1, StringGrid1, StringGrid2})
        komponente(w);
}

} // namespace zol

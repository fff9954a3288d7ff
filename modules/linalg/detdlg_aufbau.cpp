// Layout of the determinant window: the size, the matrix grid under "Eingabe" and the result
// field beside "Determinante:", the frame's menus and tool bar with "Null setzen".
#include "modules/linalg/detdlg.h"
#include "modules/linalg/gaussrechnung.h"
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

Tdetdlg::Tdetdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tdetdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::drucken, Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren,
                    Befehl::einfuegen, Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne,
                    Befehl::rechnenfenster, Befehl::ergebnisse_definieren, Befehl::zahlenformat,
                    Befehl::projektformeln, Befehl::hilfe, Befehl::hauptmenue});
    connect(nullSetzenAnbieten({StringGrid1}), &QAction::triggered, Edit1, &QLineEdit::clear);
    resize(560, 420);
}

void Tdetdlg::aufbauen() {
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
    auto* anzahl = new QLabel(QStringLiteral("&Zeilen/Spalten"), mitte);
    anzahl->setBuddy(spineditin1);
    oben->addWidget(anzahl);
    oben->addWidget(spineditin1);
    oben->addStretch(1);
    lage->addLayout(oben);

    StringGrid1 = felder::eingabegitter("StringGrid1", 64, 3, 3, mitte);
    StringGrid1->setColumnWidth(0, 30);
    felder::groesseFolgen(*spineditin1, [this](int n) { gitterAnpassen(n); });
    gitterKontextmenue(StringGrid1);
    lage->addWidget(kopfteil(QStringLiteral("Eingabe"), mitte));
    lage->addWidget(StringGrid1, 1);

    auto* unten = new QHBoxLayout;
    Edit1 = new QLineEdit(mitte);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    auto* det = new QLabel(QStringLiteral("&Determinante:"), mitte);
    det->setBuddy(Edit1);
    unten->addWidget(det);
    unten->addWidget(Edit1, 1);
    lage->addLayout(unten);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{spineditin1, StringGrid1, Edit1})
        komponente(w);
}

} // namespace zol

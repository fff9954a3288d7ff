// Layout of the value table window: the notebook with the pages "Funktion" and "Konstante"
// above the grid, the frame's menus and tool bar, and the grid's context menu.
#include "shell/formeln/funktionseingabe.h"
#include "modules/analysis/wertedlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

using felder::bereichsfeld;
using felder::dezimalfeld;
using felder::ganzfeld;
using felder::kaestchen;

Twertedlg::Twertedlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Twertedlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(640, 520);
}

void Twertedlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(2, 2, 2, 2);

    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seiteFunktion(), QStringLiteral("Funktion"));
    TabbedNotebook1->addTab(seiteKonstante(), QStringLiteral("Konstante"));
    lage->addWidget(TabbedNotebook1);

    // Two rows: a grid always keeps a row below its fixed one.
    StringGrid1 = felder::ergebnisgitter("StringGrid1", 100, 2, 2, mitte);
    StringGrid1->setColumnWidth(0, 60);
    StringGrid1->setCell(1, 0, QStringLiteral("x"));
    gitterKontextmenue(StringGrid1);
    lage->addWidget(StringGrid1, 1);
    setCentralWidget(mitte);

    // The order of the data file. The grid goes last: plot windows read the table of a ".wer"
    // file from its block.
    for (QWidget* w : std::initializer_list<QWidget*>{TabbedNotebook1, Edit1, xmin, xmax, xskala,
                                                      artfunktion, art1ableitung, art2ableitung,
                                                      artintegral, deltah, simpson, StringGrid1})
        komponente(w);
}

QWidget* Twertedlg::seiteFunktion() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);

    auto* zeile = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("f(x)=x^2-4"), seite);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Funktionein = projektformelKnopf(Edit1, seite);
    zeile->addWidget(Edit1, 1);
    zeile->addWidget(Funktionein);
    lage->addLayout(zeile);

    auto* gruppen = new QHBoxLayout;
    auto* bereich = new QGroupBox(QStringLiteral("Bereich für Variable"), seite);
    auto* bl = new QFormLayout(bereich);
    xmin = bereichsfeld("xmin", -3, bereich);
    xmax = bereichsfeld("xmax", 3, bereich);
    xskala = bereichsfeld("xskala", 1, bereich);
    bl->addRow(QStringLiteral("kleinster Wert:"), xmin);
    bl->addRow(QStringLiteral("größter Wert:"), xmax);
    bl->addRow(QStringLiteral("Schrittweite:"), xskala);
    gruppen->addWidget(bereich);

    auto* arten = new QGroupBox(QStringLiteral("Tabellenart:"), seite);
    auto* al = new QVBoxLayout(arten);
    artfunktion = kaestchen("artfunktion", QStringLiteral("Funktion"), true, arten);
    art1ableitung = kaestchen("art1ableitung", QStringLiteral("1. Ableitung"), false, arten);
    art2ableitung = kaestchen("art2ableitung", QStringLiteral("2. Ableitung"), false, arten);
    artintegral = kaestchen("artintegral", QStringLiteral("Integral"), false, arten);
    for (QCheckBox* k : {artfunktion, art1ableitung, art2ableitung, artintegral})
        al->addWidget(k);
    gruppen->addWidget(arten);
    gruppen->addStretch(1);
    lage->addLayout(gruppen);
    return seite;
}

QWidget* Twertedlg::seiteKonstante() {
    auto* seite = new QWidget;
    auto* lage = new QFormLayout(seite);
    deltah = dezimalfeld("deltah", 0.01L, 1e-30L, 1e60L, QStringLiteral("0.0e-0"), seite);
    simpson = ganzfeld("simpson", 20, 1, 1000, seite);
    lage->addRow(QStringLiteral("h für Ableitung:"), deltah);
    lage->addRow(QStringLiteral("Simpson-Konstante:"), simpson);
    return seite;
}

} // namespace zol

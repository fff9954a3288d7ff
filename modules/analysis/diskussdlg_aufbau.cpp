// Layout of the curve discussion window: the notebook with the pages "Funktion" and "Konstante"
// above the result grid, the frame's menus and tool bar, and the grid's context menu.
#include "modules/analysis/diskussdlg.h"
#include "shell/formeln/funktionseingabe.h"
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

Tdiskussdlg::Tdiskussdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tdiskussdlg"), eltern) {
    aufbauen();
    // The button takes the hint of its action when the tool bar is built.
    aktion(Befehl::rechne)->setToolTip(QStringLiteral("Ergebnisse berechnen"));
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(640, 520);
}

void Tdiskussdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(2, 2, 2, 2);

    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seiteFunktion(), QStringLiteral("Funktion"));
    TabbedNotebook1->addTab(seiteKonstante(), QStringLiteral("Konstante"));
    lage->addWidget(TabbedNotebook1);

    StringGrid1 = felder::ergebnisgitter("StringGrid1", 110, 6, 6, mitte);
    StringGrid1->setColumnWidth(0, 30);
    gitterKontextmenue(StringGrid1);
    lage->addWidget(StringGrid1, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{
             TabbedNotebook1, Edit1, xmin, xmax, artnullstellen, artextremwerte, artwendepunkte,
             artpolstelle, Toleranz, Iterationmax, aufloesung, StringGrid1})
        komponente(w);
}

QWidget* Tdiskussdlg::seiteFunktion() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);

    auto* zeile = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("disk(x)=x^3-2*x^2-2"), seite);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Funktionein = projektformelKnopf(Edit1, seite);
    zeile->addWidget(Edit1, 1);
    zeile->addWidget(Funktionein);
    lage->addLayout(zeile);

    auto* gruppen = new QHBoxLayout;
    auto* bereich = new QGroupBox(QStringLiteral("Bereich für Variable"), seite);
    auto* bl = new QFormLayout(bereich);
    xmin = bereichsfeld("xmin", -10, bereich);
    xmax = bereichsfeld("xmax", 10, bereich);
    bl->addRow(QStringLiteral("kleinster Wert:"), xmin);
    bl->addRow(QStringLiteral("größter Wert:"), xmax);
    gruppen->addWidget(bereich);

    auto* arten = new QGroupBox(QStringLiteral("Art der Diskussion"), seite);
    auto* al = new QVBoxLayout(arten);
    artnullstellen = kaestchen("artnullstellen", QStringLiteral("Nullstellen"), true, arten);
    artextremwerte = kaestchen("artextremwerte", QStringLiteral("Extremwerte"), false, arten);
    artwendepunkte = kaestchen("artwendepunkte", QStringLiteral("Wendepunkte"), false, arten);
    artpolstelle = kaestchen("artpolstelle", QStringLiteral("Polstellen"), false, arten);
    for (QCheckBox* k : {artnullstellen, artextremwerte, artwendepunkte, artpolstelle})
        al->addWidget(k);
    gruppen->addWidget(arten);
    gruppen->addStretch(1);
    lage->addLayout(gruppen);
    return seite;
}

QWidget* Tdiskussdlg::seiteKonstante() {
    auto* seite = new QWidget;
    auto* lage = new QFormLayout(seite);
    Toleranz = dezimalfeld("Toleranz", 0.0001L, 1e-20L, 1e60L, QStringLiteral("0.0E-0"), seite);
    Iterationmax = ganzfeld("Iterationmax", 30, 1, 1000, seite);
    aufloesung = ganzfeld("aufloesung", 400, 5, 999, seite);
    Label3 = new QLabel(seite);
    Label3->setObjectName(QStringLiteral("Label3"));
    lage->addRow(QStringLiteral("Toleranz:"), Toleranz);
    lage->addRow(QStringLiteral("Anzahl Intervalle"), Iterationmax);
    lage->addRow(QStringLiteral("Auflösung"), aufloesung);
    lage->addRow(Label3);
    return seite;
}

} // namespace zol

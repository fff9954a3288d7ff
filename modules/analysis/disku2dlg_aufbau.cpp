// Layout of the discussion of two functions: the notebook with the pages "Funktion" and
// "Konstante" above a second notebook with the intersection and the area table.
#include "modules/analysis/disku2dlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/funktionseingabe.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"

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

Tdisku2dlg::Tdisku2dlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tdisku2dlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(640, 560);
}

void Tdisku2dlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(2, 2, 2, 2);

    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seiteFunktion(), QStringLiteral("Funktion"));
    TabbedNotebook1->addTab(seiteKonstante(), QStringLiteral("Konstante"));
    lage->addWidget(TabbedNotebook1);

    TabbedNotebook2 = new QTabWidget(mitte);
    TabbedNotebook2->setObjectName(QStringLiteral("TabbedNotebook2"));
    StringGrid1 = felder::ergebnisgitter("StringGrid1", 100, 4, 2, mitte);
    StringGrid1->setColumnWidth(0, 120);
    StringGrid2 = felder::ergebnisgitter("StringGrid2", 100, 2, 2, mitte);
    StringGrid2->setColumnWidth(0, 120);
    gitterKontextmenue(StringGrid1);
    gitterKontextmenue(StringGrid2);
    TabbedNotebook2->addTab(StringGrid1, QStringLiteral("Schnittpunkte und Schnittwinkel"));
    TabbedNotebook2->addTab(StringGrid2, QStringLiteral("Flächen zwischen den Funktionen"));
    lage->addWidget(TabbedNotebook2, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{
             TabbedNotebook1, Edit1, Edit2, xmin, xmax, RadioGroup1, Toleranz, Iterationmax,
             aufloesung, deltah, simpson, TabbedNotebook2, StringGrid1, StringGrid2})
        komponente(w);
}

QWidget* Tdisku2dlg::seiteFunktion() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);

    auto zeile = [&](QLineEdit*& feld, QPushButton*& knopf, const char* name, const char* text,
                     const char* knopfname) {
        auto* z = new QHBoxLayout;
        feld = new QLineEdit(QString::fromLatin1(text), seite);
        feld->setObjectName(QString::fromLatin1(name));
        knopf = projektformelKnopf(feld, seite);
        knopf->setObjectName(QString::fromLatin1(knopfname));
        z->addWidget(feld, 1);
        z->addWidget(knopf);
        lage->addLayout(z);
    };
    zeile(Edit1, Funktionein, "Edit1", "fkt1(x)=-x^2", "Funktionein");
    zeile(Edit2, Funktionein2, "Edit2", "fkt2(x)=2*x-1", "Funktionein2");

    auto* gruppen = new QHBoxLayout;
    auto* bereich = new QGroupBox(QStringLiteral("Bereich für Variable"), seite);
    auto* bl = new QFormLayout(bereich);
    xmin = bereichsfeld("xmin", -3, bereich);
    xmax = bereichsfeld("xmax", 3, bereich);
    bl->addRow(QStringLiteral("kleinster Wert:"), xmin);
    bl->addRow(QStringLiteral("größter Wert:"), xmax);
    gruppen->addWidget(bereich);

    RadioGroup1 = new TRadioGroup(QStringLiteral("Art der Diskussion"), seite);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItems({QStringLiteral("Beide Funktionen"),
                           QStringLiteral("1. Funktion und x-Achse"),
                           QStringLiteral("2. Funktion und x-Achse")});
    RadioGroup1->setColumns(2);
    RadioGroup1->setItemIndex(0);
    gruppen->addWidget(RadioGroup1, 1);
    lage->addLayout(gruppen);
    return seite;
}

QWidget* Tdisku2dlg::seiteKonstante() {
    auto* seite = new QWidget;
    auto* lage = new QFormLayout(seite);
    Toleranz = dezimalfeld("Toleranz", 0.001L, 1e-20L, 1e60L, QStringLiteral("0.0e-0"), seite);
    Iterationmax = ganzfeld("Iterationmax", 20, 1, 1000, seite);
    aufloesung = ganzfeld("aufloesung", 400, 1, 1000, seite);
    deltah = dezimalfeld("deltah", 0.001L, 1e-30L, 1e60L, QStringLiteral("0.0e-0"), seite);
    simpson = ganzfeld("simpson", 30, 1, 1000, seite);
    Label3 = new QLabel(seite);
    Label3->setObjectName(QStringLiteral("Label3"));
    lage->addRow(QStringLiteral("Toleranz:"), Toleranz);
    lage->addRow(QStringLiteral("Anzahl Intervalle"), Iterationmax);
    lage->addRow(QStringLiteral("Auflösung"), aufloesung);
    lage->addRow(QStringLiteral("h für Ableitung"), deltah);
    lage->addRow(QStringLiteral("Simpson-Konstante"), simpson);
    lage->addRow(Label3);
    return seite;
}

} // namespace zol

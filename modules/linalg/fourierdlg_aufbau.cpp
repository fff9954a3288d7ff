// Layout of the Fourier analysis window: the group "Eingabe" with the notebook of the pages
// "Funktion" and "Daten" beside the group "Ergebnisse" with the memo, and the frame's menus and
// tool bar.
#include "modules/linalg/fourierdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

using felder::dezimalfeld;
using felder::ganzfeld;

Tfouranadlg::Tfouranadlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tfouranadlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::druckereinrichtung, Befehl::beenden, Befehl::ausschneiden,
                    Befehl::kopieren, Befehl::einfuegen, Befehl::loeschen, Befehl::alles_auswaehlen,
                    Befehl::rechne, Befehl::zeichnen, Befehl::rechnenfenster,
                    Befehl::ergebnisse_definieren, Befehl::zahlenformat, Befehl::projektformeln,
                    Befehl::hilfe, Befehl::hauptmenue});
    resize(720, 520);
}

void Tfouranadlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QHBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* eingabe = new QGroupBox(QStringLiteral("Eingabe"), mitte);
    auto* el = new QVBoxLayout(eingabe);
    TabbedNotebook1 = new QTabWidget(eingabe);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seiteFunktion(), QStringLiteral("Funktion"));
    TabbedNotebook1->addTab(seiteDaten(), QStringLiteral("Daten"));
    el->addWidget(TabbedNotebook1);
    lage->addWidget(eingabe, 1);

    auto* ergebnisse = new QGroupBox(QStringLiteral("Ergebnisse"), mitte);
    auto* rl = new QVBoxLayout(ergebnisse);
    Memo1 = new QPlainTextEdit(ergebnisse);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    rl->addWidget(Memo1);
    lage->addWidget(ergebnisse, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{
             TabbedNotebook1, Edit1, extendEdit1, extendEdit2, longintEdit1, longintEdit2,
             spineditin1, longintEdit3, longintEdit4, StringGrid1, Memo1})
        komponente(w);
}

QWidget* Tfouranadlg::seiteFunktion() {
    auto* seite = new QWidget;
    auto* lage = new QFormLayout(seite);
    Edit1 = new QLineEdit(QStringLiteral("f(x)=3*sgn(x-3,1415927)"), seite);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // The limits keep every digit typed: the window's number format never rounds them.
    extendEdit1 = dezimalfeld("extendEdit1", 0, -1e60L, 1e60L, QStringLiteral("0.00"), seite);
    extendEdit2 = dezimalfeld("extendEdit2", 6.28L, -1e60L, 1e60L, QStringLiteral("0.00"), seite);
    longintEdit1 = ganzfeld("longintEdit1", 100, fourier_min_simpson, fourier_max_simpson, seite);
    longintEdit2 = ganzfeld("longintEdit2", 4, fourier_min_glieder, fourier_max_glieder, seite);
    lage->addRow(QStringLiteral("Funktion:"), Edit1);
    lage->addRow(QStringLiteral("von:"), extendEdit1);
    lage->addRow(QStringLiteral("bis:"), extendEdit2);
    lage->addRow(QStringLiteral("Simpson"), longintEdit1);
    lage->addRow(QStringLiteral("Anzahl der Glieder"), longintEdit2);
    return seite;
}

QWidget* Tfouranadlg::seiteDaten() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);
    auto* felder = new QFormLayout;
    spineditin1 = new Tspineditin(seite);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setMinValue(0);
    spineditin1->setMaxValue(fourier_max_punkte);
    spineditin1->setValue(2);
    spineditin1->setMaximumWidth(felder::zahlbreite);
    longintEdit3 = ganzfeld("longintEdit3", 100, fourier_min_simpson, fourier_max_simpson, seite);
    longintEdit4 = ganzfeld("longintEdit4", 4, fourier_min_glieder, fourier_max_glieder, seite);
    felder->addRow(QStringLiteral("Anzahl:"), spineditin1);
    felder->addRow(QStringLiteral("Simpson"), longintEdit3);
    felder->addRow(QStringLiteral("Anzahl der Glieder"), longintEdit4);
    lage->addLayout(felder);

    StringGrid1 = felder::eingabegitter("StringGrid1", 90, 3, 3, seite);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(16);
    StringGrid1->setColumnWidth(0, 40);
    felder::groesseFolgen(*spineditin1, [this](int n) { gitterAnpassen(n); });
    gitterKontextmenue(StringGrid1);
    lage->addWidget(StringGrid1, 1);
    return seite;
}

} // namespace zol

// Layout of the matrix window: "Spalten/Zeilen", matrix 1 and matrix 2 side by side, the
// result grid below, the frame's menus and tool bar, the operation buttons and the commands
// that copy the result back.
#include "modules/linalg/gaussrechnung.h"
#include "modules/linalg/linalgfenster.h"
#include "modules/linalg/matrixdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

Tmatrixdlg::Tmatrixdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tmatrixdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::drucken, Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren,
                    Befehl::einfuegen, Befehl::loeschen, Befehl::alles_auswaehlen,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    befehleAufbauen();
    resize(720, 560);
}

void Tmatrixdlg::aufbauen() {
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
    auto* anzahl = new QLabel(QStringLiteral("&Spalten/Zeilen"), mitte);
    anzahl->setBuddy(spineditin1);
    oben->addWidget(anzahl);
    oben->addWidget(spineditin1);
    oben->addStretch(1);
    lage->addLayout(oben);

    StringGrid1 = felder::eingabegitter("StringGrid1", 56, 3, 3, mitte);
    StringGrid2 = felder::eingabegitter("StringGrid2", 56, 3, 3, mitte);
    StringGrid3 = felder::ergebnisgitter("StringGrid3", 56, 3, 3, mitte);
    StringGrid3->setTabKeyNavigation(true);
    for (TStringGrid* g : {StringGrid1, StringGrid2, StringGrid3})
        g->setColumnWidth(0, 30);
    felder::groesseFolgen(*spineditin1, [this](int n) { gitterAnpassen(n); });
    gitterKontextmenue(StringGrid1);
    gitterKontextmenue(StringGrid2);
    gitterKontextmenue(StringGrid3, {Befehl::kopieren, Befehl::alles_auswaehlen});

    auto* gitterlage = new QGridLayout;
    gitterlage->setHorizontalSpacing(4);
    gitterlage->setVerticalSpacing(0);
    gitterlage->addWidget(kopfteil(QStringLiteral("Eingabe: Matrix 1"), mitte), 0, 0);
    gitterlage->addWidget(kopfteil(QStringLiteral("Eingabe: Matrix 2"), mitte), 0, 1);
    gitterlage->addWidget(StringGrid1, 1, 0);
    gitterlage->addWidget(StringGrid2, 1, 1);
    gitterlage->addWidget(kopfteil(QStringLiteral("Ergebnisse"), mitte), 2, 0, 1, 2);
    gitterlage->addWidget(StringGrid3, 3, 0, 1, 2);
    gitterlage->setRowStretch(1, 1);
    gitterlage->setRowStretch(3, 1);
    lage->addLayout(gitterlage, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w :
         std::initializer_list<QWidget*>{spineditin1, StringGrid1, StringGrid2, StringGrid3})
        komponente(w);
}

void Tmatrixdlg::befehleAufbauen() {
    const QString rechne = QStringLiteral("&Rechne");
    const auto befehl = [this](const char* name, const char* text, const QString& menue,
                               const char* hinweis, const char* knopf, auto tun) {
        connect(eigenerBefehl(QString::fromUtf8(name), QString::fromUtf8(text), menue,
                              QString::fromUtf8(hinweis), QString::fromUtf8(knopf)),
                &QAction::triggered, this, tun);
    };
    befehl("Addieren", "Matrizen &addieren", rechne, "Matrizen addieren", "+",
           [this] { verknuepfen(Verknuepfung::summe); });
    befehl("Subtrahieren", "Matrizen &subtrahieren", rechne, "Matrizen subtrahieren", "-",
           [this] { verknuepfen(Verknuepfung::differenz); });
    befehl("Multiplizieren", "Matrizen &multiplizieren", rechne, "Matrizen multiplizieren", "*",
           [this] { verknuepfen(Verknuepfung::produkt); });
    befehl("Invertieren1", "Matrix &1 invertieren", rechne, "Matrix 1 invertieren", "1/M1",
           [this] { invertieren(1); });
    befehl("Invertieren2", "Matrix &2 invertieren", rechne, "", "", [this] { invertieren(2); });
    befehl("Transponieren1", "Matrix 1 &transponieren", rechne, "Matrix 1 transponieren", "M1/T",
           [this] { transponieren(1); });
    befehl("Transponieren2", "Matrix 2 t&ransponieren", rechne, "", "",
           [this] { transponieren(2); });
    const QString ergebnis = QStringLiteral("&Ergebnis");
    befehl("NachM1", "Ergebnis -> Matrix &1", ergebnis, "Ergebnis nach Matrix 1", "->M1",
           [this] { ergebnisNach(1); });
    befehl("NachM2", "Ergebnis -> Matrix &2", ergebnis, "Ergebnis nach Matrix 2", "->M2",
           [this] { ergebnisNach(2); });
    connect(nullSetzenAnbieten({StringGrid1, StringGrid2}), &QAction::triggered, this,
            [this] { ergebnisLeeren(); });
}

} // namespace zol

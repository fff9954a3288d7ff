// Layout of the statistics window: "Anzahl" above a header bar with "Eingabe" and
// "Ergebnisse", the pair grid on the left, the result memo filling the rest, and the frame's
// menus and tool bar with "Null setzen".
#include "modules/stochastics/statistikdlg.h"
#include "modules/stochastics/statistikrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zol {

namespace {

QLabel* kopfteil(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

Tstatistikdlg::Tstatistikdlg(QWidget* eltern)
    : Tmodulfenster(QStringLiteral("Tstatistikdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::tabellenkalkulation, Befehl::rechnenfenster,
                    Befehl::ergebnisse_definieren, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    nullSetzenAnbieten({StringGrid1});
    resize(560, 440);
}

void Tstatistikdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* oben = new QHBoxLayout;
    spineditin1 = new Tspineditin(mitte);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setMinValue(0);
    spineditin1->setMaxValue(statistik_max_paare);
    spineditin1->setValue(2);
    spineditin1->setMaximumWidth(felder::zahlbreite);
    auto* anzahl = new QLabel(QStringLiteral("&Anzahl"), mitte);
    anzahl->setBuddy(spineditin1);
    oben->addWidget(anzahl);
    oben->addWidget(spineditin1);
    oben->addStretch(1);
    lage->addLayout(oben);

    StringGrid1 = felder::eingabegitter("StringGrid1", 90, 3, 3, mitte);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(16);
    StringGrid1->setColumnWidth(0, 25);
    felder::groesseFolgen(*spineditin1, [this](int n) { gitterAnpassen(n); });
    gitterKontextmenue(StringGrid1);

    Memo1 = new QPlainTextEdit(mitte);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* gitterlage = new QGridLayout;
    gitterlage->setHorizontalSpacing(4);
    gitterlage->setVerticalSpacing(0);
    gitterlage->addWidget(kopfteil(QStringLiteral("Eingabe"), mitte), 0, 0);
    gitterlage->addWidget(kopfteil(QStringLiteral("Ergebnisse"), mitte), 0, 1);
    gitterlage->addWidget(StringGrid1, 1, 0);
    gitterlage->addWidget(Memo1, 1, 1);
    gitterlage->setColumnStretch(0, 1);
    gitterlage->setColumnStretch(1, 1);
    gitterlage->setRowStretch(1, 1);
    lage->addLayout(gitterlage, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{spineditin1, StringGrid1, Memo1})
        komponente(w);
}

} // namespace zol

// Layout of the FFT window: "Potenz von 2" above the two grids, each under its part of a header
// bar, the frame's menus and tool bar, the buttons "FFT" and "IFFT" and the grids' context
// menus.
#include "modules/linalg/fftdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace zol {

namespace {

QLabel* kopfteil(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// Row numbers need little room; the parts get the rest.
TStringGrid* gitter(TStringGrid* g) {
    g->horizontalHeader()->setMinimumSectionSize(16);
    g->setColumnWidth(0, 25);
    return g;
}

} // namespace

Tfftdlg::Tfftdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tfftdlg"), eltern) {
    aufbauen();
    rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::drucken, Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren,
                    Befehl::einfuegen, Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    befehleAufbauen();
    // The tool bar's word buttons take focus too; Tab from the result grid still goes back to
    // "Potenz von 2".
    setTabOrder(StringGrid2, spineditin1);
    resize(500, 520);
}

void Tfftdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* oben = new QHBoxLayout;
    spineditin1 = new Tspineditin(mitte);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setMinValue(fft_min_potenz);
    spineditin1->setMaxValue(fft_max_potenz);
    spineditin1->setValue(2);
    spineditin1->setMaximumWidth(felder::zahlbreite);
    auto* potenz = new QLabel(QStringLiteral("&Potenz von 2"), mitte);
    potenz->setBuddy(spineditin1);
    oben->addWidget(potenz);
    oben->addWidget(spineditin1);
    oben->addStretch(1);
    lage->addLayout(oben);

    // Created in the order Tab moves on: the last input cell leads to the result grid, its
    // last cell back to "Potenz von 2".
    StringGrid1 = gitter(felder::eingabegitter("StringGrid1", 100, 3, 5, mitte));
    StringGrid2 = gitter(felder::ergebnisgitter("StringGrid2", 100, 3, 5, mitte));
    StringGrid2->setTabKeyNavigation(true);
    felder::groesseFolgen(*spineditin1, [this](int k) { gitterAnpassen(k); });
    gitterKontextmenue(StringGrid1);
    gitterKontextmenue(StringGrid2, {Befehl::kopieren, Befehl::alles_auswaehlen});

    auto* gitterlage = new QGridLayout;
    gitterlage->setHorizontalSpacing(4);
    gitterlage->setVerticalSpacing(0);
    gitterlage->addWidget(kopfteil(QStringLiteral("Eingabe"), mitte), 0, 0);
    gitterlage->addWidget(kopfteil(QStringLiteral("Ergebnisse"), mitte), 0, 1);
    gitterlage->addWidget(StringGrid1, 1, 0);
    gitterlage->addWidget(StringGrid2, 1, 1);
    gitterlage->setRowStretch(1, 1);
    lage->addLayout(gitterlage, 1);
    setCentralWidget(mitte);

    // The order of the data file.
    for (QWidget* w : std::initializer_list<QWidget*>{spineditin1, StringGrid1, StringGrid2})
        komponente(w);
}

void Tfftdlg::befehleAufbauen() {
    const QString hinweis = QStringLiteral("Ergebnisse berechnen");
    connect(eigenerBefehl(QStringLiteral("FFT"), QStringLiteral("FFT"), {}, hinweis,
                          QStringLiteral("FFT")),
            &QAction::triggered, this, [this] { transformieren(Fftrichtung::hin); });
    connect(eigenerBefehl(QStringLiteral("IFFT"), QStringLiteral("IFFT"), {}, hinweis,
                          QStringLiteral("IFFT")),
            &QAction::triggered, this, [this] { transformieren(Fftrichtung::zurueck); });
    connect(nullSetzenAnbieten({StringGrid1}), &QAction::triggered, this,
            [this] { ergebnisseLeeren(); });
}

} // namespace zol

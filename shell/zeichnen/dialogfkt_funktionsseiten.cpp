// The page "Funktionen" of the plot window: one page per kind of entry.
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/aufbauhilfen.h"
#include "shell/zeichnen/dialogfkt.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

using namespace aufbau;

QWidget* Tdialogfkt::funktionsseiten() {
    TabbedNotebook2 = new QTabWidget;
    TabbedNotebook2->setObjectName(QStringLiteral("TabbedNotebook2"));
    TabbedNotebook2->setDocumentMode(true);
    TabbedNotebook2->addTab(seiteFunktion(), QStringLiteral("Funktion f(x)"));
    TabbedNotebook2->addTab(seiteSchar(), QStringLiteral("Scharfunktion"));
    TabbedNotebook2->addTab(seiteParameter(), QStringLiteral("Parameterfkt."));
    TabbedNotebook2->addTab(seiteTabellen(), QStringLiteral("Tabellen"));
    return TabbedNotebook2;
}

QWidget* Tdialogfkt::seiteFunktion() {
    auto* s = new QWidget;
    Edit1 = textfeld("Edit1", QStringLiteral("f(x)=x*x"), s);
    QPushButton* formel =
        knopf("Projektformel1", QStringLiteral("&Projektformel"), s, hinweis_projektformel);
    QPushButton* linie = knopf("Linienart1", QStringLiteral("&Linienart"), s);
    connect(formel, &QPushButton::clicked, this, [this] { projektformel(Edit1); });
    connect(linie, &QPushButton::clicked, this, [this] { linienartFunktion(); });

    auto* variable = new QGroupBox(QStringLiteral("Variable"), s);
    arteinsch = kaestchen("arteinsch", QStringLiteral("Bereich einschränken"), false, variable);
    vonx = dezimalfeld("vonx", -3, variable);
    bisx = dezimalfeld("bisx", 3, variable);
    aufloesung = ganzfeld("aufloesung", 600, 20, 1000, variable);
    auto* vg = new QGridLayout(variable);
    vg->addWidget(arteinsch, 0, 0, 1, 4);
    vg->addWidget(etikett(QStringLiteral("von:"), vonx), 1, 0);
    vg->addWidget(vonx, 1, 1);
    vg->addWidget(etikett(QStringLiteral("bis:"), bisx), 1, 2);
    vg->addWidget(bisx, 1, 3);
    vg->addWidget(etikett(QStringLiteral("Auflösung:"), aufloesung), 2, 0);
    vg->addWidget(aufloesung, 2, 1);

    auto* kurven = new QWidget(s);
    artwert = new QRadioButton(QStringLiteral("Funktion "), kurven);
    artwert->setObjectName(QStringLiteral("artwert"));
    artwert->setChecked(true);
    artableit = new QRadioButton(QStringLiteral("1. Ableitung"), kurven);
    artableit->setObjectName(QStringLiteral("artableit"));
    art2ableit = new QRadioButton(QStringLiteral("2. Ableitung"), kurven);
    art2ableit->setObjectName(QStringLiteral("art2ableit"));
    artintegral = new QRadioButton(QStringLiteral("Integralfunktion"), kurven);
    artintegral->setObjectName(QStringLiteral("artintegral"));
    auto* kl = new QVBoxLayout(kurven);
    kl->setContentsMargins(4, 8, 4, 0);
    for (QRadioButton* r : {artwert, artableit, art2ableit, artintegral})
        kl->addWidget(r);
    kl->addStretch();

    auto* integral = new QWidget(s);
    integralkonst = dezimalfeld("integralkonst", 0, integral);
    anzahlsimp = ganzfeld("anzahlsimp", 10, 1, 100000, integral);
    auto* il = new QFormLayout(integral);
    il->setContentsMargins(4, 8, 4, 0);
    il->addRow(QStringLiteral("Konstante"), integralkonst);
    il->addRow(QStringLiteral("Simpson"), anzahlsimp);

    auto* oben = new QHBoxLayout;
    oben->addWidget(Edit1, 1);
    oben->addWidget(formel);
    oben->addWidget(linie);
    auto* unten = new QHBoxLayout;
    unten->addWidget(variable);
    unten->addWidget(kurven);
    unten->addWidget(integral);
    unten->addStretch();
    unten->addWidget(hinzufuegenknopf("Hinzufuegen1", hinweis_hinzufuegen, s), 0, Qt::AlignBottom);
    auto* l = new QVBoxLayout(s);
    l->addLayout(oben);
    l->addLayout(unten);
    l->addStretch();
    return s;
}

QWidget* Tdialogfkt::seiteSchar() {
    auto* s = new QWidget;
    Edit2 = textfeld("Edit2", QStringLiteral("f(x)=x*x+t"), s);
    QPushButton* linie = knopf("Linienart2", QStringLiteral("&Linienart"), s);
    QPushButton* formel =
        knopf("Projektformel2", QStringLiteral("&Projektformel"), s, hinweis_projektformel);
    connect(formel, &QPushButton::clicked, this, [this] { projektformel(Edit2); });
    connect(linie, &QPushButton::clicked, this, [this] { linienartFunktion(); });

    auto* param = new QGroupBox(QStringLiteral("Bereich für Scharparameter"), s);
    Scharparam = textfeld("Scharparam", QStringLiteral("t"), param);
    Scharparam->setMaximumWidth(zahlbreite);
    vonschar = dezimalfeld("vonschar", -3, param);
    bisschar = dezimalfeld("bisschar", 1, param);
    aufloesungschar = ganzfeld("aufloesungschar", 4, 1, 10000, param);
    auto* pg = new QGridLayout(param);
    pg->addWidget(etikett(QStringLiteral("Scharparameter:"), Scharparam), 0, 0);
    pg->addWidget(Scharparam, 0, 1);
    pg->addWidget(etikett(QStringLiteral("von:"), vonschar), 1, 0);
    pg->addWidget(vonschar, 1, 1);
    pg->addWidget(etikett(QStringLiteral("Schrittweite"), bisschar), 0, 2);
    pg->addWidget(bisschar, 0, 3);
    pg->addWidget(etikett(QStringLiteral("Anzahl:"), aufloesungschar), 1, 2);
    pg->addWidget(aufloesungschar, 1, 3);

    auto* variable = new QGroupBox(QStringLiteral("Bereich für Variable"), s);
    arteinschscharx =
        kaestchen("arteinschscharx", QStringLiteral("Bereich einschränken"), false, variable);
    vonscharx = dezimalfeld("vonscharx", -3, variable);
    bisscharx = dezimalfeld("bisscharx", 3, variable);
    aufloesungscharx = ganzfeld("aufloesungscharx", 600, 20, 1000, variable);
    auto* vg = new QGridLayout(variable);
    vg->addWidget(arteinschscharx, 0, 0, 1, 4);
    vg->addWidget(etikett(QStringLiteral("von:"), vonscharx), 1, 0);
    vg->addWidget(vonscharx, 1, 1);
    vg->addWidget(etikett(QStringLiteral("bis:"), bisscharx), 1, 2);
    vg->addWidget(bisscharx, 1, 3);
    vg->addWidget(etikett(QStringLiteral("Auflösung:"), aufloesungscharx), 2, 0);
    vg->addWidget(aufloesungscharx, 2, 1);

    auto* oben = new QHBoxLayout;
    oben->addWidget(Edit2, 1);
    oben->addWidget(linie);
    oben->addWidget(formel);
    auto* unten = new QHBoxLayout;
    unten->addWidget(param);
    unten->addWidget(variable);
    unten->addStretch();
    unten->addWidget(hinzufuegenknopf("Hinzufuegen2", hinweis_hinzufuegen, s), 0, Qt::AlignBottom);
    auto* l = new QVBoxLayout(s);
    l->addLayout(oben);
    l->addLayout(unten);
    l->addStretch();
    return s;
}

QWidget* Tdialogfkt::seiteParameter() {
    auto* s = new QWidget;
    Edit3 = textfeld("Edit3", QStringLiteral("x(t)=sin(t)"), s);
    Edit4 = textfeld("Edit4", QStringLiteral("y(t)=cos(t)"), s);
    QPushButton* formelx = knopf("Projektformel3", QStringLiteral("Projektformel für &x"), s);
    QPushButton* formely = knopf("Projektformel4", QStringLiteral("Projektformel für &y"), s);
    QPushButton* linie = knopf("Linienart3", QStringLiteral("&Linienart"), s);
    connect(formelx, &QPushButton::clicked, this, [this] { projektformel(Edit3); });
    connect(formely, &QPushButton::clicked, this, [this] { projektformel(Edit4); });
    connect(linie, &QPushButton::clicked, this, [this] { linienartFunktion(); });

    auto* bereich = new QGroupBox(QStringLiteral("Bereich für den Parameter"), s);
    vonpara = dezimalfeld("vonpara", -3, bereich);
    bispara = dezimalfeld("bispara", 3, bereich);
    aufloesungpara = ganzfeld("aufloesungpara", 50, 1, 999999, bereich);
    auto* bg = new QGridLayout(bereich);
    bg->addWidget(etikett(QStringLiteral("von:"), vonpara), 0, 0);
    bg->addWidget(vonpara, 0, 1);
    bg->addWidget(etikett(QStringLiteral("bis:"), bispara), 0, 2);
    bg->addWidget(bispara, 0, 3);
    bg->addWidget(etikett(QStringLiteral("Auflösung:"), aufloesungpara), 1, 0);
    bg->addWidget(aufloesungpara, 1, 1);

    auto* definitionen = new QGridLayout;
    definitionen->addWidget(Edit3, 0, 0);
    definitionen->addWidget(formelx, 0, 1);
    definitionen->addWidget(Edit4, 1, 0);
    definitionen->addWidget(formely, 1, 1);
    definitionen->setColumnStretch(0, 1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(bereich);
    unten->addWidget(linie, 0, Qt::AlignBottom);
    unten->addStretch();
    unten->addWidget(hinzufuegenknopf("Hinzufuegen3",
                                      QStringLiteral("Angezeigte Funktion wird in die Liste "
                                                     "eingefügt."),
                                      s),
                     0, Qt::AlignBottom);
    auto* l = new QVBoxLayout(s);
    l->addLayout(definitionen);
    l->addLayout(unten);
    l->addStretch();
    return s;
}

QWidget* Tdialogfkt::seiteTabellen() {
    auto* s = new QWidget;
    edit5 = textfeld("edit5", {}, s);
    edit5->setPlaceholderText(QStringLiteral("Tabellendatei"));
    spineditin1 = ganzfeld("spineditin1", 2, 1, max_werte, s);
    StringGrid2 = new TStringGrid(s);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setColCount(3);
    StringGrid2->setDefaultColWidth(96);
    StringGrid2->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* einfuegen = new QAction(QStringLiteral("Einfügen "), StringGrid2);
    einfuegen->setObjectName(QStringLiteral("Einfuegen1"));
    auto* kopieren = new QAction(QStringLiteral("&Kopieren"), StringGrid2);
    kopieren->setObjectName(QStringLiteral("Kopieren1"));
    auto* alle = new QAction(QStringLiteral("&Alles auswählen"), StringGrid2);
    alle->setObjectName(QStringLiteral("Allesauswaehlen1"));
    StringGrid2->addActions({einfuegen, kopieren, alle});
    connect(einfuegen, &QAction::triggered, this,
            [this] { zwischenablage(Befehl::einfuegen, StringGrid2); });
    connect(kopieren, &QAction::triggered, this,
            [this] { zwischenablage(Befehl::kopieren, StringGrid2); });
    connect(alle, &QAction::triggered, this, [this] { StringGrid2->allesAuswaehlen(); });
    tabellenzeilenSetzen(2);

    QPushButton* oeffnen = knopf("Oeffnen1", QStringLiteral("&Öffnen"), s);
    QPushButton* speichern = knopf("Speichern1", QStringLiteral("&Speichern"), s);
    QPushButton* unter = knopf("Speichernunter1", QStringLiteral("Speichern &unter"), s);
    QPushButton* linie = knopf("Linienart4", QStringLiteral("&Linienart"), s);
    connect(oeffnen, &QPushButton::clicked, this, [this] { tabelleOeffnen(); });
    connect(speichern, &QPushButton::clicked, this, [this] { tabelleSpeichern(); });
    connect(unter, &QPushButton::clicked, this, [this] { tabelleSpeichernUnter(); });
    connect(linie, &QPushButton::clicked, this, [this] { linienartFunktion(); });

    auto* links = new QGridLayout;
    links->addWidget(edit5, 0, 0, 1, 3);
    links->addWidget(etikett(QStringLiteral("Anzahl der Werte:"), spineditin1), 1, 0);
    links->addWidget(spineditin1, 1, 1);
    links->addWidget(oeffnen, 2, 0);
    links->addWidget(speichern, 2, 1);
    links->addWidget(unter, 2, 2);
    links->addWidget(linie, 3, 0);
    links->addWidget(hinzufuegenknopf("Hinzufuegen4", hinweis_hinzufuegen, s), 3, 2);
    links->setRowStretch(4, 1);
    auto* l = new QHBoxLayout(s);
    l->addLayout(links);
    l->addWidget(StringGrid2, 1);
    return s;
}

} // namespace zol

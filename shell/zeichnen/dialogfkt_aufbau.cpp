// The frame of the plot window: the notebook above the function list and the page view, the
// menus and the tool bar. The order in which the controls are registered is the order of the
// component block in ".fkt" files; it must not change.
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/aufbauhilfen.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/seitenansicht.h"
#include "shell/zeichnen/zeichensymbole.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zol {

using namespace aufbau;

void Tdialogfkt::aufbauen() {
    auto* mitte = new QSplitter(Qt::Vertical, this);
    mitte->setObjectName(QStringLiteral("Teiler"));
    mitte->setChildrenCollapsible(false);

    oben_ = new QWidget(mitte);
    oben_->setObjectName(QStringLiteral("Eingabe"));
    auto* obenLayout = new QVBoxLayout(oben_);
    obenLayout->setContentsMargins(4, 4, 4, 0);
    TabbedNotebook1 = new QTabWidget(oben_);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(funktionsseiten(), QStringLiteral("Funktionen"));
    TabbedNotebook1->addTab(seiteKoordinaten(), QStringLiteral("Koordinatensystem"));
    TabbedNotebook1->addTab(seiteBeschriftung(), QStringLiteral("Beschriftung"));
    TabbedNotebook1->addTab(seiteText(), QStringLiteral("Text "));
    TabbedNotebook1->addTab(seiteEinrichten(), QStringLiteral("Seiteeinrichten"));
    obenLayout->addWidget(TabbedNotebook1);
    obenLayout->addWidget(listenfeld());

    ScrollBox1 = new QScrollArea(mitte);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    PaintBox1 = new Tseitenansicht(liste_);
    ScrollBox1->setWidget(PaintBox1);
    ScrollBox1->setWidgetResizable(false);

    mitte->addWidget(oben_);
    mitte->addWidget(ScrollBox1);
    mitte->setStretchFactor(0, 0);
    mitte->setStretchFactor(1, 1);
    // The input takes what it needs, the page the rest; the divider moves either way.
    mitte->setSizes({1, 100000});
    setCentralWidget(mitte);

    menuesAufbauen();
    werkzeugleisteAufbauen();

    // The component block: this order is the file format.
    // clang-format off
    const QList<QWidget*> gespeichert = {
        TabbedNotebook1, TabbedNotebook2,
        Edit1, arteinsch, vonx, bisx, aufloesung, artwert, artableit, art2ableit, artintegral,
        integralkonst, anzahlsimp,
        Edit2, Scharparam, vonschar, bisschar, aufloesungschar, arteinschscharx, vonscharx,
        bisscharx, aufloesungscharx,
        Edit3, Edit4, vonpara, bispara, aufloesungpara,
        edit5, spineditin1, StringGrid2,
        xmin, xmax, xskala, ymin, ymax, yskala, Zoom, Koord, Gitterlinie, Gitterpunkt, logx, logy,
        xtext, ytext, uebertext, autoBeschrift, xinter, yinter,
        Memo1,
        xseite, yseite, xgroesse, ygroesse, xabstand, yabstand};
    // clang-format on
    for (QWidget* w : gespeichert)
        komponente(w);
    verbinden();
}

QWidget* Tdialogfkt::listenfeld() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    ListBox1 = new QListWidget(panel);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(QStringLiteral("Liste der gezeichneten Funktionen. Doppelklick auf die "
                                        "Funktion, um sie zu bearbeiten."));
    ListBox1->setFixedHeight(84);
    QPushButton* bearbeitenKnopf = knopf("Bearbeiten1", QStringLiteral("&Bearbeiten"), panel);
    QPushButton* loeschenKnopf = knopf("Loeschen1", QStringLiteral("L&öschen"), panel);
    connect(bearbeitenKnopf, &QPushButton::clicked, this, [this] { bearbeiten(); });
    connect(loeschenKnopf, &QPushButton::clicked, this, [this] { loeschen(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { bearbeiten(); });
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(bearbeitenKnopf);
    knoepfe->addWidget(loeschenKnopf);
    knoepfe->addStretch();
    auto* l = new QHBoxLayout(panel);
    l->setContentsMargins(0, 2, 0, 2);
    l->addWidget(ListBox1, 1);
    l->addLayout(knoepfe);
    return panel;
}

void Tdialogfkt::menuesAufbauen() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    // "Neu" stands in the menu but does nothing in this window.
    auto* neu = new QAction(QStringLiteral("&Neu"), this);
    neu->setObjectName(QStringLiteral("Neu1"));
    datei->addAction(neu);
    datei->addAction(aktion(Befehl::oeffnen));
    datei->addAction(aktion(Befehl::speichern));
    datei->addAction(aktion(Befehl::speichern_unter));
    QAction* drucken = aktion(Befehl::drucken);
    drucken->setText(QStringLiteral("&Drucken"));
    datei->addAction(drucken);
    datei->addSeparator();
    datei->addAction(aktion(Befehl::beenden));

    QMenu* grafik = menuBar()->addMenu(QStringLiteral("&Grafik"));
    QAction* grafikdruck =
        eigenerBefehl(QStringLiteral("Grafikdrucken"), QStringLiteral("Grafik &drucken..."));
    connect(grafikdruck, &QAction::triggered, this, [this] { grafikDrucken(); });
    QAction* export_ = eigenerBefehl(QStringLiteral("Grafikexportieren"),
                                     QStringLiteral("Grafik &exportieren..."));
    connect(export_, &QAction::triggered, this, [this] { grafikExportieren(); });
    QAction* groesser =
        eigenerBefehl(QStringLiteral("Vergroessern"), QStringLiteral("Ver&größern"));
    groesser->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    groesser->setToolTip(QStringLiteral("Vergrößern"));
    groesser->setIcon(lupensymbol(true));
    connect(groesser, &QAction::triggered, this, [this] { vergroessern(); });
    QAction* kleiner = eigenerBefehl(QStringLiteral("Verkleinern"), QStringLiteral("Ver&kleinern"));
    kleiner->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    kleiner->setToolTip(QStringLiteral("Verkleinern"));
    kleiner->setIcon(lupensymbol(false));
    connect(kleiner, &QAction::triggered, this, [this] { verkleinern(); });
    grafik->addAction(grafikdruck);
    grafik->addAction(export_);
    grafik->addSeparator();
    grafik->addAction(groesser);
    grafik->addAction(kleiner);

    QAction* neuzeichnen =
        eigenerBefehl(QStringLiteral("Aktualisieren"), QStringLiteral("&Aktualisieren"));
    neuzeichnen->setToolTip(QStringLiteral("Zeichnung aktualisieren"));
    connect(neuzeichnen, &QAction::triggered, this, [this] { aktualisieren(); });
    menuBar()->addAction(neuzeichnen);

    QMenu* eigenschaften = menuBar()->addMenu(QStringLiteral("&Eigenschaften"));
    QAction* format = aktion(Befehl::zahlenformat);
    format->setText(QStringLiteral("&Zahlenformat"));
    eigenschaften->addAction(format);
    eingabeZeigen_ =
        eigenerBefehl(QStringLiteral("Eingabezeigen"), QStringLiteral("&Eingabe zeigen"));
    eingabeZeigen_->setCheckable(true);
    eingabeZeigen_->setChecked(true);
    eingabeZeigen_->setToolTip(QStringLiteral("Eingabe anzeigen ein/aus"));
    eingabeZeigen_->setIcon(eingabesymbol());
    connect(eingabeZeigen_, &QAction::toggled, this, [this](bool an) { eingabeZeigen(an); });
    automatisch_ = eigenerBefehl(QStringLiteral("AutomatischAktualisieren"),
                                 QStringLiteral("&Automatisch aktualisieren"));
    automatisch_->setCheckable(true);
    automatisch_->setChecked(true);
    connect(automatisch_, &QAction::toggled, this, [this](bool an) { setzeAutomatisch(an); });
    eigenschaften->addAction(eingabeZeigen_);
    eigenschaften->addAction(automatisch_);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->addAction(aktion(Befehl::hilfe));
}

void Tdialogfkt::werkzeugleisteAufbauen() {
    QToolBar* leiste = addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    leiste->setMovable(false);
    auto knopf = [&](const char* name, QAction* a, const QString& hinweis) {
        auto* k = new QToolButton(leiste);
        k->setObjectName(QString::fromLatin1(name));
        k->setDefaultAction(a);
        k->setToolTip(hinweis);
        leiste->addWidget(k);
        return k;
    };
    auto eigen = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name));
    };
    knopf("SpeedButton1", aktion(Befehl::oeffnen), QStringLiteral("Datei öffnen"));
    knopf("SpeedButton2", aktion(Befehl::speichern), QStringLiteral("Datei speichern"));
    knopf("SpeedButton3", aktion(Befehl::speichern_unter), QStringLiteral("Datei speichern unter"));
    leiste->addSeparator();
    QToolButton* neu =
        knopf("SpeedButton4", eigen("Aktualisieren"), QStringLiteral("Zeichnung aktualisieren"));
    neu->setToolButtonStyle(Qt::ToolButtonTextOnly);
    neu->setStyleSheet(QStringLiteral("QToolButton { color: #c00000; font-weight: bold; }"));
    knopf("SpeedButton5", aktion(Befehl::zahlenformat), QStringLiteral("Zahlenformat"));
    knopf("SpeedButton6", eigen("Vergroessern"), QStringLiteral("Vergrößern"));
    knopf("SpeedButton7", eigen("Verkleinern"), QStringLiteral("Verkleinern"));
    knopf("SpeedButton8", eingabeZeigen_, QStringLiteral("Eingabe anzeigen ein/aus"));
    leiste->addSeparator();
    knopf("SpeedButton9", aktion(Befehl::beenden), QStringLiteral("Beenden"));
    knopf("SpeedButton10", aktion(Befehl::hauptmenue), QStringLiteral("Hauptmenü"));
    knopf("SpeedButton11", aktion(Befehl::hilfe), QStringLiteral("Hilfe"));
}

} // namespace zol

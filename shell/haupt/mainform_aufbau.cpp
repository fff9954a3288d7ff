// Building the main window: menus, tool buttons and the client area.
#include "shell/dienste/programmhaken.h"
#include "shell/formeln/anzeigedlg.h"
#include "shell/formeln/dialogformel.h"
#include "shell/haupt/knopfleiste.h"
#include "shell/haupt/mainform.h"
#include "shell/rahmen/fensterarten.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

// A topic window in a menu: caption, class and the Tag of its tool button.
struct Fensterpunkt {
    const char* text;
    const char* klasse;
    int tag;
};

struct Fenstermenue {
    const char* titel;
    std::vector<Fensterpunkt> punkte;
};

const std::vector<Fenstermenue>& fenstermenues() {
    static const std::vector<Fenstermenue> menues = {
        {"&Funktionen",
         {{"&Zeichnen", "Tdialogfkt", 13},
          {"&Wertetabelle", "Twertedlg", 14},
          {"&Diskussion", "Tdiskussdlg", 15},
          {"Diskussion von 2 Fkt. ", "Tdisku2dlg", 16},
          {"&Polynome", "TPolynomedlg", 17},
          {"&Gebrochen rationale Fkt.", "Tgebrochdlg", 18},
          {"&Symbolisches Differenzieren", "Tsymdlg", 19},
          {"&Tangente/Normale", "Ttangdlg", 20}}},
        {"&Algebra",
         {{"&Zahlensysteme", "Tzahlsysdlg", 25},
          {"Primzahlen/ggT/kgV", "Tprimdlg", 21},
          {"&Bruchrechnung", "Tbruchdlg", 22},
          {"Polynome rechnen", "Tpolyrechdlg", 23},
          {"Komplexe Zahlen", "Tkomplexdlg", 24},
          {"&Fraktale", "Tfraktaldlg", 26}}},
        {"&Geo-R2",
         {{"&Dreiecke", "TDreieckdlg", 28},
          {"&Vierecke", "Tviereckdlg", 29},
          {"&Vektoren / Koordinaten", "Tvektor2dlg", 27},
          {"&Abbildungen", "Tabbilddlg", 30},
          {"&Gerade (lineare Fkt.)", "Tgeradengleich", 31},
          {"&Parabel (quadratische Fkt.)", "Tparabelgleich", 32},
          {"Parabel-Gerade", "Tparageradlg", 33}}},
        {"Geo-R3",
         {{"&Vektoren", "Tvektordlg", 34},
          {"Punkt-Gerade", "Tpunktge", 35},
          {"Punkt-Ebene", "Tpunkteb", 36},
          {"&Gerade-Gerade", "Tfgeradeg", 40},
          {"&Ebene", "TEbene", 37},
          {"&Gerade-Ebene", "Tgeradeben", 39},
          {"&Ebene-Ebene", "Tzweiebene", 38}}},
        {"D&aten",
         {{"&Determinanten", "Tdetdlg", 41},
          {"&Gleichungssystem", "Tgausdlg", 42},
          {"&Interpolation", "Tinterdlg", 43},
          {"&Matrizen", "Tmatrixdlg", 44},
          {"&Fourieranalyse", "Tfouranadlg", 45},
          {"Fast Fourier &Transformation (FFT)", "Tfftdlg", 46}}},
        {"&Stochastik",
         {{"&Binomialverteilung", "Tbinom2dlg", 47},
          {"&Statistik", "Tstatistikdlg", 48},
          {"Kombinatorik", "Tkombidlg", 49}}},
    };
    return menues;
}

QString hinweis_zu(int tag) {
    for (const Werkzeugknopf& k : werkzeugknoepfe())
        if (k.tag == tag) return QString::fromUtf8(k.hinweis);
    return {};
}

} // namespace

QAction* TMainForm::befehl(int tag) const {
    return befehle_.value(tag);
}

QAction* TMainForm::neuerBefehl(int tag, const QString& text,
                                const std::function<void()>& wirkung) {
    auto* a = new QAction(text, this);
    if (tag > 0) {
        a->setToolTip(hinweis_zu(tag));
        a->setIcon(knopfsymbol(tag));
        befehle_.insert(tag, a);
    }
    connect(a, &QAction::triggered, this, wirkung);
    return a;
}

void TMainForm::menuesAufbauen() {
    QMenu* projekt = menuBar()->addMenu(QStringLiteral("&Projekt"));
    projekt->addAction(
        neuerBefehl(0, QStringLiteral("&Neues Projekt"), [this] { neuesProjekt(); }));
    projekt->addAction(
        neuerBefehl(2, QStringLiteral("Projekt ö&ffnen..."), [this] { projektOeffnenDialog(); }));
    projekt->addAction(
        neuerBefehl(3, QStringLiteral("Projekt &speichern"), [this] { projektSpeichern(); }));
    projekt->addAction(neuerBefehl(4, QStringLiteral("Projekt speichern &unter..."),
                                   [this] { projektSpeichernUnter(); }));
    projekt->addSeparator();
    projekt->addAction(neuerBefehl(10, QStringLiteral("&Vorgabe Zahlenformat..."),
                                   [this] { vorgabeZahlenformat(); }));
    QAction* leiste =
        neuerBefehl(1, QStringLiteral("&Symbolleiste"), [this] { symbolleisteUmschalten(); });
    leiste->setShortcut(QKeySequence(Qt::Key_F2));
    projekt->addAction(leiste);
    projekt->addAction(neuerBefehl(0, QStringLiteral("&Verdeckte Fenster anzeigen"),
                                   [this] { verdeckteFensterAnzeigen(); }));
    projekt->addAction(
        neuerBefehl(0, QStringLiteral("V&orlagen bearbeiten"), [this] { vorlagenBearbeiten(); }));
    projekt->addSeparator();
    projekt->addAction(neuerBefehl(5, QStringLiteral("&Beenden"), [this] { close(); }));

    // The graphic commands live in the plot window; the menu stays hidden until it has entries.
    menuBar()->addMenu(QStringLiteral("&Grafik"))->menuAction()->setVisible(false);

    QMenu* rechnen = menuBar()->addMenu(QStringLiteral("&Rechnen"));
    auto fensterpunkt = [this](QMenu* menue, const Fensterpunkt& p) {
        const Fensterart* art = fensterart_nach_name(QString::fromUtf8(p.klasse));
        const int nummer = art ? art->art : -1;
        QAction* a = neuerBefehl(p.tag, QString::fromUtf8(p.text),
                                 [this, nummer] { fensterOeffnen(nummer); });
        a->setObjectName(QString::fromUtf8(p.klasse));
        // Kinds not built yet stay visible but cannot be chosen.
        a->setEnabled(art != nullptr && static_cast<bool>(art->erzeugen));
        menue->addAction(a);
        return a;
    };
    fensterpunkt(rechnen, {"&Rechnenfenster", "TEditForm", 11})
        ->setShortcut(QKeySequence(Qt::Key_F3));
    fensterpunkt(rechnen, {"&Tabellenkalkulation", "Ttabelleform", 12});
    rechnen->addSeparator();
    rechnen->addAction(neuerBefehl(9, QStringLiteral("&Projektformeln bearbeiten..."),
                                   [] { Tdialogformel::instanz().exec(); }));
    rechnen->addAction(neuerBefehl(8, QStringLiteral("Projektformeln &anzeigen"), [] {
        Tanzeigedlg::instanz().show();
        Tanzeigedlg::instanz().raise();
    }));

    for (const Fenstermenue& m : fenstermenues()) {
        QMenu* menue = menuBar()->addMenu(QString::fromUtf8(m.titel));
        for (const Fensterpunkt& p : m.punkte)
            fensterpunkt(menue, p);
    }

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* inhalt =
        neuerBefehl(6, QStringLiteral("&Inhalt"), [this] { hilfe_anzeigen(0, this); });
    inhalt->setShortcut(QKeySequence(Qt::Key_F1));
    hilfe->addAction(inhalt);
    hilfe->addAction(neuerBefehl(7, QStringLiteral("&Demo"), [this] { demoZeigen(); }));
    hilfe->addAction(neuerBefehl(0, QStringLiteral("In&fo..."), [this] { info(); }));

    // Buttons without a menu item.
    addAction(neuerBefehl(50, QStringLiteral("Vorherige Vorlage"), [this] { vorherigeVorlage(); }));
    addAction(neuerBefehl(51, QStringLiteral("Nächste Vorlage"), [this] { naechsteVorlage(); }));

    // Menus show their items' glyphs only where the style wants them; keep the menus plain.
    for (QAction* a : befehle_)
        a->setIconVisibleInMenu(false);
}

void TMainForm::knoepfeAufbauen() {
    SpeedBar = new QWidget;
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    // Two rows of buttons, laid out for a width of 650 pixels.
    SpeedBar->setFixedHeight(2 * knopfzelle);
    SpeedBar->setMinimumWidth(26 * knopfzelle);
    for (const Werkzeugknopf& k : werkzeugknoepfe()) {
        auto* knopf = new QToolButton(SpeedBar);
        knopf->setObjectName(QStringLiteral("SpeedButton%1").arg(k.tag));
        knopf->setProperty("Tag", k.tag);
        knopf->setDefaultAction(befehle_.value(k.tag));
        knopf->setAutoRaise(true);
        knopf->setIconSize(QSize(20, 20));
        knopf->setToolButtonStyle(Qt::ToolButtonIconOnly);
        knoepfe_.insert(k.tag, knopf);
    }
    knoepfe_anordnen(SpeedBar, 26 * knopfzelle);
}

void TMainForm::flaecheAufbauen() {
    auto* mitte = new QWidget;
    flaeche_ = new QVBoxLayout(mitte);
    flaeche_->setContentsMargins(4, 2, 4, 4);
    flaeche_->addWidget(SpeedBar);

    auto* vorlagen = new QGroupBox(QStringLiteral("Vorlagen"));
    vorlagen->setObjectName(QStringLiteral("GroupBox1"));
    flaeche_->addWidget(vorlagen, 1);
    auto* spalten = new QHBoxLayout(vorlagen);

    // Left: search, window management and the window list.
    auto* links = new QVBoxLayout;
    spalten->addLayout(links);
    auto* suche = new QGroupBox(QStringLiteral("Vorlagen suchen:"));
    suche->setObjectName(QStringLiteral("GroupBox2"));
    auto* sucheLayout = new QVBoxLayout(suche);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setToolTip(QStringLiteral("Geben Sie einen Suchbegriff ein und klicken auf SUCHEN."));
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { weitersuchen(); });
    sucheLayout->addWidget(Edit1);
    auto* sucheKnoepfe = new QHBoxLayout;
    auto* suchen = new QPushButton(QStringLiteral("&Suchen"));
    suchen->setObjectName(QStringLiteral("Suchen"));
    connect(suchen, &QPushButton::clicked, this, [this] { this->suchen(); });
    auto* weiter = new QPushButton(QStringLiteral("&Weiter"));
    weiter->setObjectName(QStringLiteral("Weiter"));
    connect(weiter, &QPushButton::clicked, this, [this] { weitersuchen(); });
    sucheKnoepfe->addWidget(suchen);
    sucheKnoepfe->addWidget(weiter);
    sucheLayout->addLayout(sucheKnoepfe);
    links->addWidget(suche);

    auto* verwaltung = new QGroupBox(QStringLiteral("Fensterverwaltung"));
    verwaltung->setObjectName(QStringLiteral("GroupBox3"));
    auto* verwaltungLayout = new QHBoxLayout(verwaltung);
    auto verwaltungsknopf = [&](const char* name, const char* hinweis, Verwaltungssymbol symbol,
                                const std::function<void()>& wirkung) {
        auto* k = new QToolButton;
        k->setObjectName(QString::fromUtf8(name));
        k->setToolTip(QString::fromUtf8(hinweis));
        k->setIcon(verwaltungssymbol(symbol));
        k->setIconSize(QSize(20, 20));
        connect(k, &QToolButton::clicked, this, wirkung);
        verwaltungLayout->addWidget(k);
        return k;
    };
    verwaltungsknopf("Aktualisieren", "Liste der Fenster aktualisieren",
                     Verwaltungssymbol::aktualisieren, [this] { fensterlisteAktualisieren(); });
    verwaltungsknopf("Normal", "Normal", Verwaltungssymbol::normal,
                     [this] { alleFensterZustand(Qt::WindowNoState); });
    verwaltungsknopf("Maximieren", "Maximieren", Verwaltungssymbol::maximieren,
                     [this] { alleFensterZustand(Qt::WindowMaximized); });
    verwaltungsknopf("Minimieren", "Minimieren", Verwaltungssymbol::minimieren,
                     [this] { alleFensterZustand(Qt::WindowMinimized); });
    verwaltungLayout->addStretch();
    links->addWidget(verwaltung);

    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    connect(ListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* e) { fensterlisteKlick(ListBox1->row(e)); });
    links->addWidget(ListBox1, 1);
    const int linksBreite = 230;
    suche->setFixedWidth(linksBreite);
    verwaltung->setFixedWidth(linksBreite);
    ListBox1->setFixedWidth(linksBreite);

    // Right: the selected template and the outline.
    auto* rechts = new QVBoxLayout;
    spalten->addLayout(rechts, 1);
    auto* titel = new QLabel(QStringLiteral("Vorlage"));
    titel->setObjectName(QStringLiteral("Label1"));
    rechts->addWidget(titel);
    auto* zeile = new QHBoxLayout;
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    zeile->addWidget(Edit2, 1);
    VorlageOeffnen = new QPushButton(QStringLiteral("&Vorlage öffnen"));
    VorlageOeffnen->setObjectName(QStringLiteral("VorlageOeffnen"));
    VorlageOeffnen->setToolTip(QStringLiteral("Angezeigte Vorlage laden"));
    VorlageOeffnen->setEnabled(false);
    connect(VorlageOeffnen, &QPushButton::clicked, this, [this] { vorlageOeffnen(); });
    zeile->addWidget(VorlageOeffnen);
    auto gliederungsknopf = [&](const char* name, const char* hinweis, Verwaltungssymbol symbol,
                                const std::function<void()>& wirkung) {
        auto* k = new QToolButton;
        k->setObjectName(QString::fromUtf8(name));
        k->setToolTip(QString::fromUtf8(hinweis));
        k->setIcon(verwaltungssymbol(symbol));
        k->setIconSize(QSize(20, 20));
        connect(k, &QToolButton::clicked, this, wirkung);
        zeile->addWidget(k);
    };
    gliederungsknopf("NurThemen", "Nur Themen anzeigen", Verwaltungssymbol::themen,
                     [this] { nurThemenAnzeigen(); });
    gliederungsknopf("AllesAnzeigen", "Alles anzeigen", Verwaltungssymbol::alles,
                     [this] { allesAnzeigen(); });
    rechts->addLayout(zeile);

    Outline1 = new QTreeWidget;
    Outline1->setObjectName(QStringLiteral("Outline1"));
    Outline1->setHeaderHidden(true);
    Outline1->setColumnCount(1);
    Outline1->setExpandsOnDoubleClick(false);
    Outline1->setToolTip(QStringLiteral("Doppelklick, um Vorlage zu laden."));
    Outline1->header()->setStretchLastSection(true);
    Outline1->installEventFilter(this);
    connect(Outline1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* e) { eintragGewaehlt(e); });
    connect(Outline1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* e) { eintragGeklickt(e); });
    connect(Outline1, &QTreeWidget::itemDoubleClicked, this, [this] { vorlageOeffnen(); });
    rechts->addWidget(Outline1, 1);

    setCentralWidget(mitte);
}

} // namespace zol

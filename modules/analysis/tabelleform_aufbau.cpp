// Layout of the spreadsheet window: edit line, grids, menus, tool bar and context menu.
#include "modules/analysis/tabelleform.h"

#include "modules/analysis/tabellegitter.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/rahmen/symbole.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zol {

namespace {

constexpr int anfangszeilen = 20;
constexpr int anfangsspalten = 10;

TStringGrid* gitter(QWidget* eltern, const char* name) {
    auto* g = new TStringGrid(eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setDefaultColWidth(100);
    g->setDefaultRowHeight(24);
    gittergroesse_setzen(*g, anfangszeilen, anfangsspalten);
    g->setColumnWidth(0, 30);
    kopfzeilen_schreiben(*g);
    return g;
}

} // namespace

void Ttabelleform::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(2, 2, 2, 2);
    lage->setSpacing(2);

    // Name of the current cell, accept and cancel, and the edit line with its input.
    auto* zeile = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("A1"), mitte);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(64);
    auto knopf = [&](const char* name, QStyle::StandardPixmap bild, const QString& hinweis) {
        auto* k = new QToolButton(mitte);
        k->setObjectName(QString::fromLatin1(name));
        k->setIcon(style()->standardIcon(bild));
        k->setToolTip(hinweis);
        k->setEnabled(false);
        k->setFocusPolicy(Qt::NoFocus);
        return k;
    };
    Annehmen =
        knopf("Annehmen", QStyle::SP_DialogApplyButton, QStringLiteral("Eingabe übernehmen"));
    Abbrechen =
        knopf("Abbrechen", QStyle::SP_DialogCancelButton, QStringLiteral("Eingabe verwerfen"));
    Edit1 = new QLineEdit(mitte);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->installEventFilter(this);
    connect(Annehmen, &QToolButton::clicked, this, &Ttabelleform::AnnehmenClick);
    connect(Abbrechen, &QToolButton::clicked, this, &Ttabelleform::AbbrechenClick);
    zeile->addWidget(Label1);
    zeile->addWidget(Annehmen);
    zeile->addWidget(Abbrechen);
    zeile->addWidget(Edit1, 1);
    lage->addLayout(zeile);

    StringGrid1 = gitter(mitte, "StringGrid1");
    // The grid's own headers show the names and stay in view; row 0 and column 0 keep them for
    // the files and the clipboard.
    StringGrid1->horizontalHeader()->show();
    StringGrid1->verticalHeader()->show();
    StringGrid1->horizontalHeader()->setSectionsClickable(false);
    StringGrid1->verticalHeader()->setSectionsClickable(false);
    StringGrid1->verticalHeader()->setMinimumWidth(30);
    StringGrid1->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    StringGrid1->setRowHidden(0, true);
    StringGrid1->setColumnHidden(0, true);
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    gitterKontextmenue(
        StringGrid1, {Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen, Befehl::loeschen});
    lage->addWidget(StringGrid1, 1);

    StringGrid2 = gitter(mitte, "StringGrid2");
    StringGrid2->hide();

    komponente(StringGrid1);
    komponente(StringGrid2);
    setCentralWidget(mitte);
}

QAction* Ttabelleform::befehl(const char* name, const QString& text,
                              std::function<void()> wirkung) {
    QAction* a = eigenerBefehl(QString::fromLatin1(name), text);
    connect(a, &QAction::triggered, this, [wirkung = std::move(wirkung)] { wirkung(); });
    return a;
}

void Ttabelleform::menuesAufbauen() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(aktion(Befehl::neu));
    datei->addAction(aktion(Befehl::oeffnen));
    datei->addAction(aktion(Befehl::speichern));
    datei->addAction(aktion(Befehl::speichern_unter));
    datei->addSeparator();
    datei->addAction(befehl("AlsTextdateispeichern", QStringLiteral("&Als Textdatei speichern"),
                            [this] { alsTextdateiSpeichern(); }));
    datei->addAction(befehl("Textdateieinfuegen", QStringLiteral("Textdatei &einfügen"),
                            [this] { textdateiEinfuegen(); }));
    datei->addAction(befehl("MarkiertenBereichspeichern",
                            QStringLiteral("&Markierten Bereich speichern"),
                            [this] { markiertenBereichSpeichern(); }));
    datei->addSeparator();
    datei->addAction(aktion(Befehl::drucken));
    datei->addSeparator();
    datei->addAction(aktion(Befehl::beenden));

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten->addAction(aktion(Befehl::ausschneiden));
    bearbeiten->addAction(aktion(Befehl::kopieren));
    bearbeiten->addAction(aktion(Befehl::einfuegen));
    QAction* loeschen = aktion(Befehl::loeschen);
    loeschen->setText(QStringLiteral("&Löschen"));
    loeschen->setShortcut(QKeySequence(Qt::Key_Delete));
    bearbeiten->addAction(loeschen);
    bearbeiten->addSeparator();
    bearbeiten->addAction(befehl("AlsBitmapkopieren", QStringLiteral("A&ls Bitmap kopieren"),
                                 [this] { alsBitmapKopieren(); }));

    QMenu* rechnen = menuBar()->addMenu(QStringLiteral("&Rechnen"));
    QAction* rechne = befehl("Rechne", QStringLiteral("Rechne"), [this] { this->rechne(); });
    rechne->setShortcut(QKeySequence(Qt::Key_F2));
    rechne->setToolTip(QStringLiteral("Ergebnisse berechnen"));
    rechnen->addAction(rechne);
    rechnen->addAction(befehl("Formelnanzeigen", QStringLiteral("&Formeln anzeigen"),
                              [this] { formelnAnzeigen(); }));
    rechnen->addAction(befehl("Formeleinfuegen", QStringLiteral("Formel &einfügen"),
                              [this] { formelEinfuegen(); }));
    rechnen->addAction(befehl("Summe", QStringLiteral("&Summe"), [this] { summe(); }));
    // Direct recalculation of an edited cell is always on; the entry stays hidden.
    direktRechnen_ =
        eigenerBefehl(QStringLiteral("DirektRechnen"), QStringLiteral("&Direkt rechnen"));
    direktRechnen_->setCheckable(true);
    direktRechnen_->setChecked(true);
    direktRechnen_->setVisible(false);
    rechnen->addAction(direktRechnen_);

    QMenu* eigenschaften = menuBar()->addMenu(QStringLiteral("&Eigenschaften"));
    eigenschaften->addAction(aktion(Befehl::zahlenformat));
    QAction* schrift =
        befehl("Schriftart", QStringLiteral("&Schriftart..."), [this] { schriftart(); });
    schrift->setIconText(QStringLiteral("Schrift"));
    schrift->setToolTip(QStringLiteral("Schriftart"));
    eigenschaften->addAction(schrift);
    QAction* groesser = befehl("Groesser", QStringLiteral("Größer"), [this] { this->groesser(); });
    groesser->setToolTip(QStringLiteral("Größer"));
    eigenschaften->addAction(groesser);
    QAction* kleiner = befehl("Kleiner", QStringLiteral("Kleiner"), [this] { this->kleiner(); });
    kleiner->setIconText(QStringLiteral("Verkleinern"));
    kleiner->setToolTip(QStringLiteral("Kleiner"));
    eigenschaften->addAction(kleiner);
    eigenschaften->addSeparator();
    eigenschaften->addAction(befehl("Formelnbearbeiten", QStringLiteral("&Formeln bearbeiten"),
                                    [this] { formelnBearbeiten(); }));
    eigenschaften->addAction(befehl("Formelnuebernehmen",
                                    QStringLiteral("Formeln aus der Tabelle in &Projektformeln..."),
                                    [this] { formelnUebernehmen(); }));
    eigenschaften->addAction(
        befehl("Einstellungen", QStringLiteral("&Einstellungen"), [this] { einstellungen(); }));

    QMenu* ausgabe = menuBar()->addMenu(QStringLiteral("&Ausgabe"));
    QAction* zeichnen =
        befehl("Zeichnen", QStringLiteral("&Zeichnen"), [this] { this->zeichnen(); });
    zeichnen->setToolTip(QStringLiteral("Zeichnen"));
    zeichnen->setIcon(befehlssymbol(Befehl::zeichnen));
    ausgabe->addAction(zeichnen);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->addAction(aktion(Befehl::hilfe));
}

void Ttabelleform::werkzeugleisteAufbauen() {
    QToolBar* leiste = addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    leiste->setMovable(false);
    auto eigene = [this](const char* name) {
        return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    };
    auto wort = [leiste](QAction* a, bool rot = false) {
        auto* k = new QToolButton(leiste);
        k->setObjectName(QStringLiteral("Knopf") + a->objectName());
        k->setDefaultAction(a);
        k->setToolButtonStyle(Qt::ToolButtonTextOnly);
        if (rot)
            k->setStyleSheet(QStringLiteral("QToolButton { color: #c00000; font-weight: bold; }"));
        leiste->addWidget(k);
    };
    leiste->addAction(aktion(Befehl::oeffnen));
    leiste->addAction(aktion(Befehl::speichern));
    leiste->addAction(aktion(Befehl::speichern_unter));
    leiste->addSeparator();
    leiste->addAction(aktion(Befehl::ausschneiden));
    leiste->addAction(aktion(Befehl::kopieren));
    leiste->addAction(aktion(Befehl::einfuegen));
    leiste->addSeparator();
    wort(eigene("Rechne"), true);
    leiste->addSeparator();
    leiste->addAction(aktion(Befehl::zahlenformat));
    wort(eigene("Schriftart"));
    wort(eigene("Groesser"));
    wort(eigene("Kleiner"));
    leiste->addSeparator();
    leiste->addAction(eigene("Zeichnen"));
    leiste->addSeparator();
    leiste->addAction(aktion(Befehl::hauptmenue));
}

} // namespace zol

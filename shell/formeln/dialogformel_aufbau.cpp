// Layout of "Projektformeln bearbeiten": three pages, the list of defined formulas below them,
// and the dialog's buttons.
#include "engine/fktbaum.h"
#include "engine/meldung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/formeln/dialogformel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

// Buttons never act on Enter: Enter in the formula field defines, nothing else.
QPushButton* knopf(const QString& text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QListWidget* liste(const char* name, QAbstractItemView::SelectionMode modus) {
    auto* l = new QListWidget;
    l->setObjectName(QString::fromLatin1(name));
    l->setSelectionMode(modus);
    return l;
}

struct Taste {
    const char* text;
    const char* name;
};

// Keypad rows as on a calculator.
constexpr Taste tasten[4][5] = {
    {{"7", "Taste7"},
     {"8", "Taste8"},
     {"9", "Taste9"},
     {"+", "TastePlus"},
     {"(", "TasteKlammerAuf"}},
    {{"4", "Taste4"},
     {"5", "Taste5"},
     {"6", "Taste6"},
     {"-", "TasteMinus"},
     {")", "TasteKlammerZu"}},
    {{"1", "Taste1"}, {"2", "Taste2"}, {"3", "Taste3"}, {"*", "TasteMal"}, {"^", "TasteHoch"}},
    {{"0", "Taste0"},
     {",", "TasteKomma"},
     {"E", "TasteE"},
     {"/", "TasteDurch"},
     {"=", "TasteGleich"}},
};

const char* const funktionen[] = {"SIN", "COS", "TAN",  "ARCSIN", "ARCCOS", "ARCTAN", "LG", "LN",
                                  "EXP", "SQR", "SQRT", "SGN",    "RAD",    "GRAD",   "ABS"};

const char* const beispiele[] = {
    "g1(x)=2*x",    "f1(x)=-2*x+1", "Pa(u)=2*u^2-6*u+1", "x=6*(3*5-4)",        "u=sqr(4)",
    "z=sqrt(9)",    "g2(x)=-3*x+4", "p1(x)=x^(2/3)",     "p2(x)=2*x^2+3*x+4",  "p3(x)=2*(x-2)^2+5",
    "t1(x)=sin(x)", "t2(x)=cos(x)", "e(x)=exp(x)",       "l(x)=(x-2)/(x-4)^3", ""};

QWidget* mit_titel(const QString& titel, QWidget* inhalt) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(new QLabel(titel));
    v->addWidget(inhalt);
    return w;
}

} // namespace

Tdialogformel::Tdialogformel(QWidget* eltern)
    : QDialog(eltern), formelbaum_(std::make_unique<Tfktbaum>()), tabelle_(formelbaum_.get()) {
    setObjectName(QStringLiteral("dialogformel"));
    setWindowTitle(QStringLiteral("Projektformeln bearbeiten"));

    // A refused self-reference is told by the engine; it must reach the user as a box.
    Meldungsempfaenger vorher = setze_meldungsempfaenger({});
    if (vorher)
        setze_meldungsempfaenger(std::move(vorher));
    else
        engine_meldungen_anzeigen();

    seiten_ = new QTabWidget;
    seiten_->setObjectName(QStringLiteral("TabbedNotebook1"));
    seiten_->addTab(seite_eingeben(), QStringLiteral("Formeln eingeben"));
    seiten_->addTab(seite_importieren(), QStringLiteral("Formeln importieren"));
    seiten_->addTab(seite_berechnen(), QStringLiteral("Ausdrücke berechnen"));

    auto* gruppe = new QGroupBox(QStringLiteral("Definierte Projektformeln"));
    gruppe->setObjectName(QStringLiteral("GroupBox1"));
    zeigeformel = liste("zeigeformel", QAbstractItemView::SingleSelection);
    (new QVBoxLayout(gruppe))->addWidget(zeigeformel);
    connect(zeigeformel, &QListWidget::itemClicked, this, &Tdialogformel::zeigeformelClick);
    connect(zeigeformel, &QListWidget::currentRowChanged, this, &Tdialogformel::zeigeformelClick);

    auto* zahlenformat = knopf(QStringLiteral("Zahlenformat"), "Zahlenformat");
    auto* hilfe = knopf(QStringLiteral("Hilfe"), "Hilfe");
    auto* schliessen = knopf(QStringLiteral("Schließen"), "Schliessen");
    connect(zahlenformat, &QPushButton::clicked, this, &Tdialogformel::ZahlenformatClick);
    connect(hilfe, &QPushButton::clicked, this, &Tdialogformel::HilfeClick);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(zahlenformat);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe);
    knoepfe->addWidget(schliessen);

    auto* haupt = new QVBoxLayout(this);
    // The function and example lists show all their entries; the formulas get the rest.
    haupt->addWidget(seiten_, 3);
    haupt->addWidget(gruppe, 2);
    haupt->addLayout(knoepfe);
    resize(600, 640);
}

QWidget* Tdialogformel::seite_eingeben() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("Formelneingeben"));

    Edit1 = new QLineEdit(QStringLiteral("f(x)=x"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit1->setToolTip(QStringLiteral("Geben Sie einen mathematischen Ausdruck ein"));
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::returnPressed, this, &Tdialogformel::DefinierenClick);

    auto* definieren = knopf(QStringLiteral("Definieren"), "Definieren");
    QPalette rot = definieren->palette();
    rot.setColor(QPalette::ButtonText, Qt::red);
    definieren->setPalette(rot);
    connect(definieren, &QPushButton::clicked, this, &Tdialogformel::DefinierenClick);

    // The keypad keeps the focus in the field, so its selection stays what the key replaces.
    auto* tastenfeld = new QGridLayout;
    tastenfeld->setSpacing(3);
    for (int zeile = 0; zeile < 4; ++zeile) {
        for (int spalte = 0; spalte < 5; ++spalte) {
            const Taste& t = tasten[zeile][spalte];
            auto* b = knopf(QString::fromLatin1(t.text), t.name);
            b->setFocusPolicy(Qt::NoFocus);
            b->setFixedSize(34, 28);
            connect(b, &QPushButton::clicked, this, &Tdialogformel::TasteClick);
            tastenfeld->addWidget(b, zeile, spalte);
        }
    }

    ListBox3 = liste("ListBox3", QAbstractItemView::SingleSelection);
    ListBox3->setToolTip(QStringLiteral("Wählen Sie eine Funktion aus"));
    for (const char* f : funktionen)
        ListBox3->addItem(QString::fromLatin1(f));
    connect(ListBox3, &QListWidget::itemClicked, this, &Tdialogformel::ListBox3Click);

    ListBox4 = liste("ListBox4", QAbstractItemView::SingleSelection);
    for (const char* b : beispiele)
        ListBox4->addItem(QString::fromLatin1(b));
    connect(ListBox4, &QListWidget::itemClicked, this, &Tdialogformel::ListBox4Click);

    auto* loeschen = knopf(QStringLiteral("Löschen"), "Loeschen");
    auto* loeschenalle = knopf(QStringLiteral("Löschen alle"), "Loeschenalle");
    connect(loeschen, &QPushButton::clicked, this, &Tdialogformel::LoeschenClick);
    connect(loeschenalle, &QPushButton::clicked, this, &Tdialogformel::LoeschenalleClick);

    auto* links = new QVBoxLayout;
    links->addLayout(tastenfeld);
    links->addStretch();
    links->addWidget(loeschen);
    links->addWidget(loeschenalle);

    auto* raster = new QGridLayout(seite);
    raster->addWidget(Edit1, 0, 0, 1, 3);
    raster->addWidget(definieren, 0, 3);
    raster->addLayout(links, 1, 0);
    raster->addWidget(mit_titel(QStringLiteral("Funktionen"), ListBox3), 1, 1);
    raster->addWidget(mit_titel(QStringLiteral("Beispiele"), ListBox4), 1, 2, 1, 2);
    raster->setColumnStretch(1, 1);
    raster->setColumnStretch(2, 2);
    return seite;
}

QWidget* Tdialogformel::seite_importieren() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("Formelnimportieren"));
    listbox2 = liste("listbox2", QAbstractItemView::ExtendedSelection);

    auto* oeffnen = knopf(QStringLiteral("Formeldatei öffnen"), "Formeldateioeffnen");
    auto* einfuegen = knopf(QStringLiteral("<"), "Einfuegen");
    auto* alleeinfuegen = knopf(QStringLiteral("<<"), "Alleeinfuegen");
    auto* speichern = knopf(QStringLiteral("Speichern unter"), "Speichernunter");
    connect(oeffnen, &QPushButton::clicked, this, &Tdialogformel::FormeldateioeffnenClick);
    connect(einfuegen, &QPushButton::clicked, this, &Tdialogformel::EinfuegenClick);
    connect(alleeinfuegen, &QPushButton::clicked, this, &Tdialogformel::AlleeinfuegenClick);
    connect(speichern, &QPushButton::clicked, this, &Tdialogformel::SpeichernunterClick);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(oeffnen);
    knoepfe->addSpacing(12);
    knoepfe->addWidget(einfuegen);
    knoepfe->addWidget(alleeinfuegen);
    knoepfe->addStretch();
    knoepfe->addWidget(speichern);

    auto* zeile = new QHBoxLayout(seite);
    zeile->addLayout(knoepfe);
    zeile->addWidget(listbox2, 1);
    return seite;
}

QWidget* Tdialogformel::seite_berechnen() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("Ausdrueckeberechnen"));
    ListBox1 = liste("ListBox1", QAbstractItemView::SingleSelection);
    (new QVBoxLayout(seite))->addWidget(ListBox1);
    return seite;
}

} // namespace zol

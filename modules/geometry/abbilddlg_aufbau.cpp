// Layout of the mappings window: "Anzahl:" and the grids of the points and their images on the
// left, the notebook of the four mappings on the right, menus and tool bar.
#include "modules/geometry/abbilddlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

TextendEdit* zahlfeld(int nummer, const char* wert, QWidget* eltern) {
    auto* f = new TextendEdit(eltern);
    f->setObjectName(QStringLiteral("extendEdit%1").arg(nummer));
    f->setText(QString::fromLatin1(wert));
    f->setMaximumWidth(felder::zahlbreite);
    return f;
}

// A heading over an "x-Wert"/"y-Wert" pair of fields.
QWidget* punktgruppe(const QString& titel, TextendEdit* x, TextendEdit* y, QWidget* eltern) {
    auto* gruppe = new QGroupBox(titel, eltern);
    auto* fl = new QFormLayout(gruppe);
    fl->addRow(QStringLiteral("x-Wert"), x);
    fl->addRow(QStringLiteral("y-Wert"), y);
    return gruppe;
}

} // namespace

Tabbilddlg::Tabbilddlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tabbilddlg"), eltern) {
    aufbauen();
    QAction* uebernehmen = eigenerBefehl(
        QStringLiteral("ErgebnisEingabe"), QStringLiteral("&Ergebnis->Eingabe"),
        QStringLiteral("&Bearbeiten"), QStringLiteral("Ergebnis->Eingabe"), QStringLiteral(">E"));
    connect(uebernehmen, &QAction::triggered, this, [this] { ergebnisAlsEingabe(); });
    nullSetzenAnbieten({StringGrid1});
    rahmenAufbauen({Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                    Befehl::beenden, Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen,
                    Befehl::loeschen, Befehl::alles_auswaehlen, Befehl::rechne, Befehl::zeichnen,
                    Befehl::tabellenkalkulation, Befehl::zahlenformat, Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(760, 480);
}

void Tabbilddlg::aufbauen() {
    for (int i = 0; i < 12; ++i) {
        // A rotation by 90° and a dilation by 2 show something at once; the rest starts at 0.
        const char* wert = i == 8 ? "90" : i == 11 ? "2" : "0";
        extendEdit[static_cast<std::size_t>(i)] = zahlfeld(i + 1, wert, this);
    }
    auto* mitte = new QWidget(this);
    auto* lage = new QHBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);

    auto* links = new QVBoxLayout;
    auto* anzahl = new QFormLayout;
    spineditin1 = new Tspineditin(mitte);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setMinValue(0);
    spineditin1->setMaxValue(1000);
    spineditin1->setValue(2);
    spineditin1->setMaximumWidth(felder::zahlbreite);
    anzahl->addRow(QStringLiteral("Anzahl:"), spineditin1);
    links->addLayout(anzahl);
    auto* gitter = new QHBoxLayout;
    auto* urbild = new QGroupBox(QStringLiteral("Punkte"), mitte);
    auto* ul = new QVBoxLayout(urbild);
    StringGrid1 = felder::eingabegitter("StringGrid1", 70, 3, 3, urbild);
    ul->addWidget(StringGrid1);
    auto* bild = new QGroupBox(QStringLiteral("Bildpunkte"), mitte);
    auto* bl = new QVBoxLayout(bild);
    StringGrid2 = felder::ergebnisgitter("StringGrid2", 70, 3, 3, bild);
    bl->addWidget(StringGrid2);
    for (TStringGrid* g : {StringGrid1, StringGrid2}) {
        g->horizontalHeader()->setMinimumSectionSize(16);
        g->setColumnWidth(0, 40);
        gitterKontextmenue(g);
    }
    gitter->addWidget(urbild);
    gitter->addWidget(bild);
    links->addLayout(gitter, 1);
    lage->addLayout(links, 3);
    felder::groesseFolgen(*spineditin1, [this](int n) { gitterAnpassen(n); });

    Note = new QTabWidget(mitte);
    Note->setObjectName(QStringLiteral("Note"));
    Note->addTab(seiteVerschiebung(), QStringLiteral("Verschiebung"));
    Note->addTab(seiteSpiegelung(), QStringLiteral("Spiegelung"));
    Note->addTab(seiteDrehung(), QStringLiteral("Drehung"));
    Note->addTab(seiteStreckung(), QStringLiteral("Zentrische Streckung"));
    lage->addWidget(Note, 2);
    setCentralWidget(mitte);

    // The order of the data file: count and points first, as the statistics window that shares
    // the marker "sta" writes them; the images are computed again.
    komponente(spineditin1);
    komponente(StringGrid1);
    komponente(Note);
    komponente(RadioGroup2);
    for (TextendEdit* f : extendEdit)
        komponente(f);
}

QWidget* Tabbilddlg::seiteVerschiebung() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);
    auto* vektor = new QGroupBox(QStringLiteral("a ="), seite);
    auto* fl = new QFormLayout(vektor);
    extendEdit[0]->setParent(vektor);
    extendEdit[1]->setParent(vektor);
    fl->addRow(QStringLiteral("x-Wert"), extendEdit[0]);
    fl->addRow(QStringLiteral("y-Wert"), extendEdit[1]);
    lage->addWidget(vektor);
    lage->addStretch(1);
    return seite;
}

QWidget* Tabbilddlg::seiteSpiegelung() {
    auto* seite = new QWidget;
    auto* lage = new QHBoxLayout(seite);
    RadioGroup2 = new TRadioGroup(QStringLiteral("Spiegelung"), seite);
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2->setItems({QStringLiteral("Ursprung"), QStringLiteral("Punkt P(x/y)"),
                           QStringLiteral("x-Achse"), QStringLiteral("y-Achse"),
                           QStringLiteral("Gerade y=mx"), QStringLiteral("Geraden y=mx+t"),
                           QStringLiteral("Gerade (2 Punkte)"), QStringLiteral("Gerade x=k"),
                           QStringLiteral("Gerade y=k")});
    RadioGroup2->setItemIndex(0);
    lage->addWidget(RadioGroup2);

    // extendEdit3, 5 (first pair) and 6, 4 (second pair), captioned by the button chosen.
    auto* werte = new QWidget(seite);
    auto* gl = new QGridLayout(werte);
    punkt1titel = new QLabel(werte);
    punkt2titel = new QLabel(werte);
    const int felder[] = {3, 5, 6, 4};
    const int zeilen[] = {1, 2, 4, 5};
    gl->addWidget(punkt1titel, 0, 0, 1, 2);
    gl->addWidget(punkt2titel, 3, 0, 1, 2);
    for (std::size_t i = 0; i < 4; ++i) {
        spiegelfeldtitel[i] = new QLabel(werte);
        TextendEdit* f = extendEdit[static_cast<std::size_t>(felder[i] - 1)];
        f->setParent(werte);
        gl->addWidget(spiegelfeldtitel[i], zeilen[i], 0);
        gl->addWidget(f, zeilen[i], 1);
    }
    gl->setRowStretch(6, 1);
    lage->addWidget(werte, 1);
    connect(RadioGroup2, &TRadioGroup::itemIndexChanged, this,
            [this](int art) { spiegelbeschriftung(art); });
    spiegelbeschriftung(0);
    return seite;
}

void Tabbilddlg::spiegelbeschriftung(int art) {
    struct Beschriftung {
        const char* punkt1;
        const char* punkt2;
        const char* felder[4];
    };
    static const Beschriftung beschriftungen[spiegelarten] = {
        {"", "", {"", "", "", ""}},
        {"Punkt", "", {"x-Wert", "y-Wert", "", ""}},
        {"", "", {"", "", "", ""}},
        {"", "", {"", "", "", ""}},
        {"", "", {"m=", "", "", ""}},
        {"", "", {"m =", "t =", "", ""}},
        {"Punkt1", "Punkt2", {"x-Wert", "y-Wert", "x-Wert", "y-Wert"}},
        {"", "", {"k =", "", "", ""}},
        {"", "", {"k =", "", "", ""}},
    };
    const Beschriftung& b = beschriftungen[art >= 0 && art < spiegelarten ? art : 0];
    const auto setzen = [](QLabel* titel, const char* text) {
        titel->setText(QString::fromUtf8(text));
        titel->setVisible(*text != 0);
    };
    setzen(punkt1titel, b.punkt1);
    setzen(punkt2titel, b.punkt2);
    const int felder[] = {3, 5, 6, 4};
    for (std::size_t i = 0; i < 4; ++i) {
        setzen(spiegelfeldtitel[i], b.felder[i]);
        extendEdit[static_cast<std::size_t>(felder[i] - 1)]->setVisible(*b.felder[i] != 0);
    }
}

QWidget* Tabbilddlg::seiteDrehung() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);
    lage->addWidget(punktgruppe(QStringLiteral("Drehpunkt"), extendEdit[6], extendEdit[7], seite));
    auto* winkel = new QFormLayout;
    extendEdit[8]->setParent(seite);
    winkel->addRow(QStringLiteral("Drehwinkel:"), extendEdit[8]);
    lage->addLayout(winkel);
    lage->addStretch(1);
    return seite;
}

QWidget* Tabbilddlg::seiteStreckung() {
    auto* seite = new QWidget;
    auto* lage = new QVBoxLayout(seite);
    lage->addWidget(
        punktgruppe(QStringLiteral("Streckzentrum:"), extendEdit[9], extendEdit[10], seite));
    auto* faktor = new QFormLayout;
    extendEdit[11]->setParent(seite);
    faktor->addRow(QStringLiteral("Streckungsfaktor:"), extendEdit[11]);
    lage->addLayout(faktor);
    lage->addStretch(1);
    return seite;
}

} // namespace zol

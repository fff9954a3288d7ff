#include "modules/geometry/dreieckdlg.h"

#include "engine/zahlformat.h"
#include "graph/vorgaben.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace zol {

namespace {

constexpr int seite_allgemein = 0;
constexpr int seite_koordinaten = 1;
constexpr int seite_rechtwinklig = 2;

// The groups of a page: the first three on the general page, the last two on the right-angled.
bool gleicheSeite(int g, int h) {
    return (g < 3) == (h < 3);
}

} // namespace

Tdialogfkt* TDreieckdlg::zeichenfenster() const {
    return zeichenfenster_.data();
}

void TDreieckdlg::beschriften(int g) {
    const TRadioGroup* gr = RadioGroup[static_cast<std::size_t>(g)];
    const int i = gr->itemIndex();
    Label[static_cast<std::size_t>(g)]->setText(
        i >= 0 && i < gr->items().size() ? gr->items()[i] + QStringLiteral("=") : QString());
}

void TDreieckdlg::gewaehlt(int g) {
    const int i = RadioGroup[static_cast<std::size_t>(g)]->itemIndex();
    for (int h = 0; h < 5; ++h) {
        if (h == g || !gleicheSeite(g, h) ||
            RadioGroup[static_cast<std::size_t>(h)]->itemIndex() != i)
            continue;
        meldung(QStringLiteral("Größe wurde bereits gewählt"), this);
        RadioGroup[static_cast<std::size_t>(g)]->setItemIndex(-1);
        return;
    }
}

std::array<long double, dreiecksgroessen>
TDreieckdlg::groessenLesen(std::initializer_list<int> gruppen) {
    std::array<long double, dreiecksgroessen> werte{};
    bool doppelt = false;
    QList<int> gewaehlt;
    for (int g : gruppen) {
        const int i = RadioGroup[static_cast<std::size_t>(g)]->itemIndex();
        if (i < 0 || i >= dreiecksgroessen || gewaehlt.contains(i)) {
            doppelt = true;
            continue;
        }
        gewaehlt << i;
        werte[static_cast<std::size_t>(i)] =
            felder::imBereich(*wertfeld[static_cast<std::size_t>(g)]);
    }
    // Like the window always did: say so, and let the solver find that too little is given.
    if (doppelt)
        meldung(QStringLiteral("Die einzelnen Größen können nur einmal gewählt werden."), this);
    return werte;
}

void TDreieckdlg::rechne() {
    Memo1->clear();
    loesung_ = {};
    switch (TabbedNotebook1->currentIndex()) {
    case seite_koordinaten: {
        std::array<long double, 6> k{};
        for (std::size_t i = 0; i < 6; ++i)
            k[i] = felder::imBereich(*koordinate[i]);
        loesung_ = dreieck_aus_ecken({k[0], k[1]}, {k[2], k[3]}, {k[4], k[5]});
        break;
    }
    case seite_rechtwinklig: {
        auto werte = groessenLesen({3, 4});
        werte[static_cast<std::size_t>(Dreiecksgroesse::gamma)] = 90;
        loesung_ = dreieck_aus_groessen(werte);
        break;
    }
    default:
        loesung_ = dreieck_aus_groessen(groessenLesen({0, 1, 2}));
        break;
    }
    for (const std::string& m : loesung_.meldungen)
        meldung(QString::fromStdString(m), this);
    if (!loesung_.berechnet) {
        ergebnisseVerwerfen();
        return;
    }
    QStringList zeilen;
    for (const std::string& z : dreieckszeilen(loesung_, format().toStdString()))
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
}

void TDreieckdlg::zeichnen() {
    if (!loesung_.berechnet) {
        meldung(QStringLiteral("Keine Werte berechnet!"), this);
        return;
    }
    const Dreieck& d = loesung_.dreieck;
    Tdialogfkt* fenster = neuesZeichenfenster(format());
    zeichenfenster_ = fenster;
    fenster->setzeKoordinatenachsen(false);
    fenster->setzeBeschriftung({}, {}, QString::fromStdString(loesung_.fall));
    const Tzeichenvorgaben v = fenster->vorgaben();
    const Dreiecksbereich b = dreiecksbereich(loesung_.ecken, v.xgroesse, v.ygroesse);
    fenster->setzeBereich(b.xmin, b.xmax, b.xskala, b.ymin, b.ymax, b.yskala);

    // The outline A, B, C, A in full precision: a coarse number format must not bend the
    // drawing.
    QList<QStringList> zeilen;
    for (int i : {0, 1, 2, 0}) {
        const Vektor2& p = loesung_.ecken[static_cast<std::size_t>(i)];
        zeilen << QStringList{QString::fromStdString(allgemeinformat(p.x)),
                              QString::fromStdString(allgemeinformat(p.y))};
    }
    const std::string bild = format().toStdString();
    const std::pair<const char*, long double> texte[] = {
        {"a=", d.seite[0]},
        {"b=", d.seite[1]},
        {"c=", d.seite[2]},
        {"\\c(a)=", d.winkel[0]},
        {"\\c(b)=", d.winkel[1]},
        {"\\c(g)=", d.winkel[2]},
        {"Fläche=", d.flaeche},
        {"Umfang=", d.umfang},
        {"Inkreisradius=", d.inkreisradius},
        {"Umkreisradius=", d.umkreisradius},
    };
    for (const auto& [name, wert] : texte)
        fenster->freitextAnhaengen(QString::fromUtf8(name) +
                                   QString::fromStdString(zol::format(bild, wert)));
    punkteZeichnen(*fenster, QStringLiteral("geo.dat"), zeilen, stil_linie);
}

void TDreieckdlg::neu() {
    Tmodulfenster::neu();
    vorgaben();
}

// A loaded file brings other inputs; the results of the old ones may not be drawn.
bool TDreieckdlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    loesung_ = {};
    for (int g = 0; g < 5; ++g)
        beschriften(g);
    return true;
}

void dreieck_registrieren() {
    fensterart_registrieren(QStringLiteral("TDreieckdlg"), [] { return new TDreieckdlg; });
}

} // namespace zol

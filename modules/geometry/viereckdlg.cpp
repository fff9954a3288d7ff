#include "modules/geometry/viereckdlg.h"

#include "modules/geometry/viereckrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

Tviereckdlg::Tviereckdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tviereckdlg"), eltern) {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);
    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seiteQuadrat(), QStringLiteral("Quadrat"));
    TabbedNotebook1->addTab(seiteRechteck(), QStringLiteral("Rechteck"));
    lage->addWidget(TabbedNotebook1, 3);
    auto* ausgabe = new QGroupBox(QStringLiteral("Ausgabe der Ergebnisse"), mitte);
    auto* al = new QVBoxLayout(ausgabe);
    Memo1 = new QPlainTextEdit(ausgabe);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    al->addWidget(Memo1);
    lage->addWidget(ausgabe, 2);
    setCentralWidget(mitte);

    komponente(TabbedNotebook1);
    for (TRadioGroup* g : RadioGroup)
        komponente(g);
    for (TextendEdit* f : wertfeld)
        komponente(f);
    komponente(Memo1);
    rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::drucken, Befehl::druckereinrichtung, Befehl::beenden,
                    Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen, Befehl::loeschen,
                    Befehl::alles_auswaehlen, Befehl::rechne, Befehl::rechnenfenster,
                    Befehl::ergebnisse_definieren, Befehl::zahlenformat, Befehl::projektformeln,
                    Befehl::hilfe, Befehl::hauptmenue});
    resize(520, 420);
}

TRadioGroup* Tviereckdlg::gruppe(int nummer, const QString& titel, const QStringList& eintraege,
                                 int vorwahl, QWidget* eltern) {
    const std::size_t i = static_cast<std::size_t>(nummer - 1);
    auto* g = new TRadioGroup(titel, eltern);
    g->setObjectName(QStringLiteral("RadioGroup%1").arg(nummer));
    g->setItems(eintraege);
    RadioGroup[i] = g;
    Label[i] = new QLabel(eltern);
    Label[i]->setObjectName(QStringLiteral("Label%1").arg(nummer));
    wertfeld[i] = new TextendEdit(eltern);
    wertfeld[i]->setObjectName(QStringLiteral("extendEdit%1").arg(nummer));
    wertfeld[i]->setText(QStringLiteral("0"));
    wertfeld[i]->setMaximumWidth(felder::zahlbreite);
    connect(g, &TRadioGroup::itemIndexChanged, this,
            [this, i] { beschriften(static_cast<int>(i)); });
    connect(g, &TRadioGroup::geklickt, this, [this, i] { gewaehlt(static_cast<int>(i)); });
    g->setItemIndex(vorwahl);
    return g;
}

QWidget* Tviereckdlg::seiteQuadrat() {
    auto* seite = new QWidget;
    auto* raster = new QGridLayout(seite);
    TRadioGroup* g = gruppe(1, QStringLiteral("Gegebene Größe wählen"),
                            {QStringLiteral("Seite a"), QStringLiteral("Diagonale d"),
                             QStringLiteral("Fläche A"), QStringLiteral("Umfang U")},
                            0, seite);
    raster->addWidget(g, 0, 0, 3, 1);
    raster->addWidget(Label[0], 0, 1);
    raster->addWidget(wertfeld[0], 1, 1);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(2, 1);
    return seite;
}

QWidget* Tviereckdlg::seiteRechteck() {
    auto* seite = new QWidget;
    auto* raster = new QGridLayout(seite);
    const QStringList eintraege = {QStringLiteral("Länge l"), QStringLiteral("Breite b"),
                                   QStringLiteral("Fläche A"), QStringLiteral("Umfang U")};
    for (int n = 2; n <= 3; ++n) {
        TRadioGroup* g =
            gruppe(n, QStringLiteral("%1. Größe wählen").arg(n - 1), eintraege, n - 2, seite);
        raster->addWidget(g, 0, n - 2);
        raster->addWidget(Label[static_cast<std::size_t>(n - 1)], 1, n - 2);
        raster->addWidget(wertfeld[static_cast<std::size_t>(n - 1)], 2, n - 2);
    }
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(2, 1);
    return seite;
}

void Tviereckdlg::beschriften(int g) {
    const TRadioGroup* gr = RadioGroup[static_cast<std::size_t>(g)];
    const int i = gr->itemIndex();
    Label[static_cast<std::size_t>(g)]->setText(
        i >= 0 && i < gr->items().size() ? gr->items()[i] + QStringLiteral("=") : QString());
}

void Tviereckdlg::gewaehlt(int g) {
    if (g == 0) return;
    const int andere = g == 1 ? 2 : 1;
    if (RadioGroup[static_cast<std::size_t>(g)]->itemIndex() !=
        RadioGroup[static_cast<std::size_t>(andere)]->itemIndex())
        return;
    meldung(QStringLiteral("Größe wurde bereits gewählt"), this);
    RadioGroup[static_cast<std::size_t>(g)]->setItemIndex(-1);
}

void Tviereckdlg::rechne() {
    Memo1->clear();
    const std::string bild = format().toStdString();
    Viereckergebnis r;
    if (TabbedNotebook1->currentIndex() == 1) {
        const int i = RadioGroup[1]->itemIndex(), j = RadioGroup[2]->itemIndex();
        if (i < 0 || j < 0 || i == j) {
            r.meldung = meldung_doppelt;
        } else {
            r = rechteck(static_cast<Rechteckgroesse>(i), felder::imBereich(*wertfeld[1]),
                         static_cast<Rechteckgroesse>(j), felder::imBereich(*wertfeld[2]), bild);
        }
    } else {
        const int i = RadioGroup[0]->itemIndex();
        // A file without a choice counts as the side, the first item.
        r = quadrat(static_cast<Quadratgroesse>(i >= 0 && i < 4 ? i : 0),
                    felder::imBereich(*wertfeld[0]), bild);
    }
    if (!r.berechnet) {
        ergebnisseVerwerfen();
        meldung(QString::fromStdString(r.meldung), this);
        return;
    }
    QStringList zeilen;
    for (const std::string& z : r.zeilen)
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
}

void Tviereckdlg::vorgaben() {
    RadioGroup[0]->setItemIndex(0);
    RadioGroup[1]->setItemIndex(0);
    RadioGroup[2]->setItemIndex(1);
    for (TextendEdit* f : wertfeld)
        f->setText(QStringLiteral("0"));
    Memo1->clear();
    TabbedNotebook1->setCurrentIndex(0);
}

void Tviereckdlg::neu() {
    Tmodulfenster::neu();
    vorgaben();
}

bool Tviereckdlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    for (int g = 0; g < 3; ++g)
        beschriften(g);
    return true;
}

void vierecke_registrieren() {
    fensterart_registrieren(QStringLiteral("Tviereckdlg"), [] { return new Tviereckdlg; });
}

} // namespace zol

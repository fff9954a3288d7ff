// Layout of the triangle window: the notebook of the three ways to give a triangle, each with a
// sketch naming its pieces, and the result memo below.
#include "modules/geometry/dreieckdlg.h"
#include "modules/geometry/skizze.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

const QStringList allgemeineGroessen = {
    QStringLiteral("Seite a"),      QStringLiteral("Seite b"),     QStringLiteral("Seite c"),
    QStringLiteral("Winkel alpha"), QStringLiteral("Winkel beta"), QStringLiteral("Winkel gamma")};

TextendEdit* zahlfeld(const QString& name, QWidget* eltern) {
    auto* f = new TextendEdit(eltern);
    f->setObjectName(name);
    f->setText(QStringLiteral("0"));
    f->setMaximumWidth(felder::zahlbreite);
    return f;
}

} // namespace

TDreieckdlg::TDreieckdlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("TDreieckdlg"), eltern) {
    aufbauen();
    // The case label heads the memo; it is no definition and is passed over quietly.
    abgelehnteZeilenUebergehen(true);
    rahmenAufbauen({Befehl::neu,
                    Befehl::oeffnen,
                    Befehl::speichern,
                    Befehl::speichern_unter,
                    Befehl::drucken,
                    Befehl::druckereinrichtung,
                    Befehl::beenden,
                    Befehl::ausschneiden,
                    Befehl::kopieren,
                    Befehl::einfuegen,
                    Befehl::loeschen,
                    Befehl::alles_auswaehlen,
                    Befehl::rechne,
                    Befehl::rechnenfenster,
                    Befehl::ergebnisse_definieren,
                    Befehl::zeichnen,
                    Befehl::zahlenformat,
                    Befehl::projektformeln,
                    Befehl::hilfe,
                    Befehl::hauptmenue});
    resize(602, 446);
}

void TDreieckdlg::aufbauen() {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);
    TabbedNotebook1 = new QTabWidget(mitte);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->addTab(seiteAllgemein(), QStringLiteral("Allg. Dreieck "));
    TabbedNotebook1->addTab(seiteKoordinaten(), QStringLiteral("Allg. Dreieck (Koordinaten)"));
    TabbedNotebook1->addTab(seiteRechtwinklig(), QStringLiteral("Rechtwinkeliges Dreieck"));
    lage->addWidget(TabbedNotebook1, 3);

    auto* ausgabe = new QGroupBox(QStringLiteral("Ausgabe der Ergebnisse"), mitte);
    auto* al = new QVBoxLayout(ausgabe);
    Memo1 = new QPlainTextEdit(ausgabe);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    al->addWidget(Memo1);
    lage->addWidget(ausgabe, 2);
    setCentralWidget(mitte);

    // A solved triangle belongs to the page it was solved on.
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this,
            [this] { loesung_.berechnet = false; });

    komponente(TabbedNotebook1);
    for (TRadioGroup* g : RadioGroup)
        komponente(g);
    for (TextendEdit* f : wertfeld)
        komponente(f);
    for (TextendEdit* f : koordinate)
        komponente(f);
    komponente(Memo1);
}

TRadioGroup* TDreieckdlg::gruppe(int nummer, const QStringList& eintraege, int vorwahl,
                                 QWidget* eltern) {
    const std::size_t i = static_cast<std::size_t>(nummer - 1);
    auto* g =
        new TRadioGroup(QStringLiteral("%1.Größe").arg(nummer > 3 ? nummer - 3 : nummer), eltern);
    g->setObjectName(QStringLiteral("RadioGroup%1").arg(nummer));
    g->setItems(eintraege);
    RadioGroup[i] = g;
    Label[i] = new QLabel(eltern);
    Label[i]->setObjectName(QStringLiteral("Label%1").arg(nummer));
    wertfeld[i] = zahlfeld(QStringLiteral("extendEdit%1").arg(nummer), eltern);
    connect(g, &TRadioGroup::itemIndexChanged, this,
            [this, i] { beschriften(static_cast<int>(i)); });
    connect(g, &TRadioGroup::geklickt, this, [this, i] { gewaehlt(static_cast<int>(i)); });
    g->setItemIndex(vorwahl);
    return g;
}

QWidget* TDreieckdlg::seiteAllgemein() {
    auto* seite = new QWidget;
    auto* lage = new QHBoxLayout(seite);
    lage->addWidget(new Dreiecksskizze(false, seite));
    auto* raster = new QGridLayout;
    for (int n = 1; n <= 3; ++n) {
        TRadioGroup* g = gruppe(n, allgemeineGroessen, n - 1, seite);
        raster->addWidget(g, 0, n - 1);
        raster->addWidget(Label[static_cast<std::size_t>(n - 1)], 1, n - 1);
        raster->addWidget(wertfeld[static_cast<std::size_t>(n - 1)], 2, n - 1);
    }
    raster->setRowStretch(3, 1);
    lage->addLayout(raster, 1);
    return seite;
}

QWidget* TDreieckdlg::seiteKoordinaten() {
    auto* seite = new QWidget;
    auto* lage = new QHBoxLayout(seite);
    lage->addWidget(new Dreiecksskizze(false, seite));
    auto* raster = new QGridLayout;
    const char* ecken[] = {"A", "B", "C"};
    for (int e = 0; e < 3; ++e) {
        raster->addWidget(new QLabel(QString::fromLatin1(ecken[e]), seite), e, 0);
        raster->addWidget(new QLabel(QStringLiteral("("), seite), e, 1);
        for (int k = 0; k < 2; ++k) {
            const std::size_t i = static_cast<std::size_t>(2 * e + k);
            koordinate[i] = zahlfeld(QStringLiteral("extendEdit%1").arg(7 + i), seite);
            raster->addWidget(koordinate[i], e, 2 + 2 * k);
        }
        raster->addWidget(new QLabel(QStringLiteral("/"), seite), e, 3);
        raster->addWidget(new QLabel(QStringLiteral(")"), seite), e, 5);
    }
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(6, 1);
    lage->addLayout(raster, 1);
    return seite;
}

QWidget* TDreieckdlg::seiteRechtwinklig() {
    auto* seite = new QWidget;
    auto* lage = new QHBoxLayout(seite);
    lage->addWidget(new Dreiecksskizze(true, seite));
    auto* raster = new QGridLayout;
    const QStringList eintraege = allgemeineGroessen.mid(0, 5);
    for (int n = 4; n <= 5; ++n) {
        TRadioGroup* g = gruppe(n, eintraege, n - 4, seite);
        raster->addWidget(g, 0, n - 4);
        raster->addWidget(Label[static_cast<std::size_t>(n - 1)], 1, n - 4);
        raster->addWidget(wertfeld[static_cast<std::size_t>(n - 1)], 2, n - 4);
    }
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(2, 1);
    lage->addLayout(raster, 1);
    return seite;
}

void TDreieckdlg::vorgaben() {
    for (int i = 0; i < 5; ++i)
        RadioGroup[static_cast<std::size_t>(i)]->setItemIndex(i < 3 ? i : i - 3);
    for (TextendEdit* f : wertfeld)
        f->setText(QStringLiteral("0"));
    for (TextendEdit* f : koordinate)
        f->setText(QStringLiteral("0"));
    Memo1->clear();
    TabbedNotebook1->setCurrentIndex(0);
    loesung_ = {};
}

} // namespace zol

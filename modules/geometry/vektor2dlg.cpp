#include "modules/geometry/vektor2dlg.h"

#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zol {

namespace {

// The result fields of the vectors page, by field number.
constexpr int ergebnisse_vektoren[] = {10, 11, 12, 13};

// "A =" followed by the two fields of a point.
QWidget* punktzeile(const QString& titel, TextendEdit* x, TextendEdit* y, QWidget* eltern) {
    auto* gruppe = new QGroupBox(titel, eltern);
    auto* zeile = new QHBoxLayout(gruppe);
    zeile->addWidget(new QLabel(QStringLiteral("A ="), gruppe));
    x->setParent(gruppe);
    y->setParent(gruppe);
    zeile->addWidget(x);
    zeile->addWidget(y);
    zeile->addStretch(1);
    return gruppe;
}

} // namespace

Tvektor2dlg::Tvektor2dlg(QWidget* eltern) : Tmodulfenster(QStringLiteral("Tvektor2dlg"), eltern) {
    auto* mitte = new QWidget(this);
    auto* lage = new QVBoxLayout(mitte);
    lage->setContentsMargins(4, 4, 4, 4);
    newtab = new QTabWidget(mitte);
    newtab->setObjectName(QStringLiteral("newtab"));
    newtab->addTab(seiteVektoren(), QStringLiteral("Vektoren"));
    newtab->addTab(seiteKartesisch(), QStringLiteral("Kartesische Koordinaten"));
    newtab->addTab(seitePolar(), QStringLiteral("Polarkoordinaten"));
    lage->addWidget(newtab);
    setCentralWidget(mitte);

    komponente(newtab);
    for (int n : {1, 2, 4, 5, 3, 6})
        komponente(extendEdit[static_cast<std::size_t>(n - 1)]);
    komponente(RadioGroup1);
    for (int n : {9, 14})
        komponente(extendEdit[static_cast<std::size_t>(n - 1)]);
    komponente(RadioGroup2);
    rahmenAufbauen({Befehl::neu, Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter,
                    Befehl::drucken, Befehl::druckereinrichtung, Befehl::beenden,
                    Befehl::ausschneiden, Befehl::kopieren, Befehl::einfuegen, Befehl::loeschen,
                    Befehl::alles_auswaehlen, Befehl::rechne, Befehl::rechnenfenster,
                    Befehl::ergebnisse_definieren, Befehl::zahlenformat, Befehl::projektformeln,
                    Befehl::hilfe, Befehl::hauptmenue});
    setzeFormat(QStringLiteral("0.00"));
    resize(560, 360);
}

TextendEdit* Tvektor2dlg::eingabe(int nummer, QWidget* eltern) {
    auto* f = new TextendEdit(eltern);
    f->setObjectName(QStringLiteral("extendEdit%1").arg(nummer));
    f->setText(QStringLiteral("0"));
    f->setMaximumWidth(felder::zahlbreite);
    extendEdit[static_cast<std::size_t>(nummer - 1)] = f;
    return f;
}

Tergebnisfeld* Tvektor2dlg::ergebnis(int nummer, QWidget* eltern) {
    Tergebnisfeld* f = felder::ergebnisfeld(
        QStringLiteral("extendEdit%1").arg(nummer).toLatin1().constData(), eltern);
    f->setMaximumWidth(felder::zahlbreite + 20);
    extendEdit[static_cast<std::size_t>(nummer - 1)] = f;
    return f;
}

TRadioGroup* Tvektor2dlg::einheiten(const char* name, QWidget* eltern) {
    auto* g = new TRadioGroup(QStringLiteral("Winkelberechnungen"), eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setItems({QStringLiteral("Grad"), QStringLiteral("Radiant"), QStringLiteral("Gon")});
    g->setItemIndex(0);
    return g;
}

QWidget* Tvektor2dlg::seiteVektoren() {
    auto* seite = new QWidget;
    auto* lage = new QHBoxLayout(seite);
    auto* ein = new QGroupBox(QStringLiteral("Eingabe "), seite);
    auto* el = new QGridLayout(ein);
    el->addWidget(new QLabel(QStringLiteral("a ="), ein), 0, 0);
    el->addWidget(eingabe(1, ein), 0, 1);
    el->addWidget(eingabe(2, ein), 0, 2);
    el->addWidget(new QLabel(QStringLiteral("b ="), ein), 1, 0);
    el->addWidget(eingabe(4, ein), 1, 1);
    el->addWidget(eingabe(5, ein), 1, 2);
    el->setRowStretch(2, 1);
    lage->addWidget(ein);

    auto* aus = new QGroupBox(QStringLiteral("Ergebnisse:"), seite);
    auto* al = new QGridLayout(aus);
    al->addWidget(new QLabel(QStringLiteral("Beträge:"), aus), 0, 0, 1, 2);
    al->addWidget(new QLabel(QStringLiteral("|a|="), aus), 1, 0);
    al->addWidget(ergebnis(10, aus), 1, 1);
    al->addWidget(new QLabel(QStringLiteral("|b|="), aus), 2, 0);
    al->addWidget(ergebnis(11, aus), 2, 1);
    al->addWidget(new QLabel(QStringLiteral("Skalarprodukt:"), aus), 3, 0, 1, 2);
    al->addWidget(new QLabel(QStringLiteral("a*b="), aus), 4, 0);
    al->addWidget(ergebnis(12, aus), 4, 1);
    al->addWidget(new QLabel(QStringLiteral("Eingeschlossener Winkel:"), aus), 5, 0, 1, 2);
    al->addWidget(ergebnis(13, aus), 6, 1);
    Label1 = new QLabel(aus);
    Label1->setObjectName(QStringLiteral("Label1"));
    QPalette farben = Label1->palette();
    farben.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    Label1->setPalette(farben);
    al->addWidget(Label1, 7, 0, 1, 2);
    lage->addWidget(aus, 1);
    return seite;
}

QWidget* Tvektor2dlg::seiteKartesisch() {
    auto* seite = new QWidget;
    auto* lage = new QGridLayout(seite);
    lage->addWidget(punktzeile(QStringLiteral("Kartesische Koordinaten A(x;y)"), eingabe(3, seite),
                               eingabe(6, seite), seite),
                    0, 0);
    RadioGroup1 = einheiten("RadioGroup1", seite);
    lage->addWidget(RadioGroup1, 0, 1, 2, 1);
    lage->addWidget(punktzeile(QStringLiteral("Polarkoordinaten A(Betrag;Winkel)"),
                               ergebnis(7, seite), ergebnis(8, seite), seite),
                    1, 0);
    lage->setRowStretch(2, 1);
    return seite;
}

QWidget* Tvektor2dlg::seitePolar() {
    auto* seite = new QWidget;
    auto* lage = new QGridLayout(seite);
    lage->addWidget(punktzeile(QStringLiteral("Polarkoordinaten A(Betrag;Winkel)"),
                               eingabe(9, seite), eingabe(14, seite), seite),
                    0, 0);
    RadioGroup2 = einheiten("RadioGroup2", seite);
    lage->addWidget(RadioGroup2, 0, 1, 2, 1);
    lage->addWidget(punktzeile(QStringLiteral("Kartesische Koordinaten A(x;y)"),
                               ergebnis(15, seite), ergebnis(16, seite), seite),
                    1, 0);
    lage->setRowStretch(2, 1);
    return seite;
}

QList<QWidget*> Tvektor2dlg::ergebnisanzeigen() const {
    QList<QWidget*> r{Label1};
    for (int n : {10, 11, 12, 13, 7, 8, 15, 16})
        r << extendEdit[static_cast<std::size_t>(n - 1)];
    return r;
}

void Tvektor2dlg::ergebnisseVerwerfen() {
    Tmodulfenster::ergebnisseVerwerfen();
    for (int n : {10, 11, 12, 13, 7, 8, 15, 16})
        static_cast<Tergebnisfeld*>(extendEdit[static_cast<std::size_t>(n - 1)])->leeren();
    letzte_ = Letzte::nichts;
}

void Tvektor2dlg::rechne() {
    auto wert = [this](int n) {
        return felder::imBereich(*extendEdit[static_cast<std::size_t>(n - 1)]);
    };
    auto feld = [this](int n) {
        return static_cast<Tergebnisfeld*>(extendEdit[static_cast<std::size_t>(n - 1)]);
    };
    switch (newtab->currentIndex()) {
    case 1:
        kartesisch_ = {wert(3), wert(6)};
        polar_ = polar_aus_kartesisch(kartesisch_, winkeleinheit(RadioGroup1->itemIndex()));
        feld(7)->zeige(polar_.r);
        feld(8)->zeige(polar_.phi);
        letzte_ = Letzte::polar;
        break;
    case 2:
        polar_ = {wert(9), wert(14)};
        kartesisch_ = kartesisch_aus_polar(polar_, winkeleinheit(RadioGroup2->itemIndex()));
        feld(15)->zeige(kartesisch_.x);
        feld(16)->zeige(kartesisch_.y);
        letzte_ = Letzte::kartesisch;
        break;
    default:
        paar_ = vektorpaar({wert(1), wert(2)}, {wert(4), wert(5)});
        if (!paar_.berechnet) {
            // The old results belong to other vectors: they go.
            for (int n : ergebnisse_vektoren)
                feld(n)->leeren();
            letzte_ = Letzte::nichts;
            Label1->setText(QStringLiteral("Fehlerhafte Eingabe"));
            return;
        }
        feld(10)->zeige(paar_.betrag_a);
        feld(11)->zeige(paar_.betrag_b);
        feld(12)->zeige(paar_.skalarprodukt);
        feld(13)->zeige(paar_.winkel);
        letzte_ = Letzte::vektoren;
        break;
    }
    Label1->clear();
}

QStringList Tvektor2dlg::ergebniszeilen() const {
    const std::string bild = format().toStdString();
    std::vector<std::string> zeilen;
    switch (letzte_) {
    case Letzte::vektoren:
        zeilen = vektorzeilen(paar_, bild);
        break;
    case Letzte::polar:
        zeilen = polarzeilen(polar_, bild);
        break;
    case Letzte::kartesisch:
        zeilen = kartesischzeilen(kartesisch_, bild);
        break;
    case Letzte::nichts:
        break;
    }
    QStringList r;
    for (const std::string& z : zeilen)
        r << QString::fromStdString(z);
    return r;
}

void Tvektor2dlg::neu() {
    Tmodulfenster::neu();
    for (int n : {1, 2, 4, 5, 3, 6, 9, 14})
        extendEdit[static_cast<std::size_t>(n - 1)]->setText(QStringLiteral("0"));
    RadioGroup1->setItemIndex(0);
    RadioGroup2->setItemIndex(0);
    newtab->setCurrentIndex(0);
    Label1->clear();
    ergebnisseVerwerfen();
}

// Results of the inputs replaced by the file's would be stale.
bool Tvektor2dlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    Label1->clear();
    ergebnisseVerwerfen();
    return true;
}

void vektoren2_registrieren() {
    fensterart_registrieren(QStringLiteral("Tvektor2dlg"), [] { return new Tvektor2dlg; });
}

} // namespace zol

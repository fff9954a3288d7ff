#include "modules/geometry/geradendlg.h"

#include "modules/geometry/parabelrechnung.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QPlainTextEdit>
#include <QStringList>

namespace zol {

Tdialogfkt* Tgeradengleich::zeichenfenster() const {
    return zeichenfenster_.data();
}

QList<QWidget*> Tgeradengleich::ergebnisanzeigen() const {
    QList<QWidget*> r;
    for (Tergebnisfeld* f : ergebnis_)
        r << f;
    return r << Memo1;
}

bool Tgeradengleich::berechnen(Geradengleichung& g) {
    std::string fehler;
    if (!gerade_bestimmen(eingabe_.vorgabe(), g, fehler)) {
        ergebnisseVerwerfen();
        for (Tergebnisfeld* f : ergebnis_)
            f->leeren();
        meldung(QString::fromStdString(fehler), this);
        return false;
    }
    long double x0 = 0;
    const bool nullstelle = gerade_nullstelle(g, x0);
    ergebnis_[0]->zeige(g.m);
    ergebnis_[1]->zeige(g.t);
    ergebnis_[2]->zeige(0);
    ergebnis_[3]->zeige(g.t);
    ergebnis_[4]->zeige(x0, nullstelle);
    ergebnis_[5]->zeige(0, nullstelle);
    ergebnis_[6]->zeige(steigungswinkel(g));
    QStringList zeilen;
    for (const std::string& z : geradenzeilen(g, format().toStdString()))
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    return true;
}

void Tgeradengleich::rechne() {
    Geradengleichung g;
    berechnen(g);
}

void Tgeradengleich::zeichnen() {
    Geradengleichung g;
    if (!berechnen(g)) return;
    Tdialogfkt* fenster = funktionZeichnen(
        format(), QStringLiteral("gerade(x)=") +
                      QString::fromStdString(geradenterm(g, format().toStdString())));
    zeichenfenster_ = fenster;
    const Zeichenrahmen b = geradenrahmen(g);
    fenster->setzeBereich(b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt);
}

void geradengleichung_registrieren() {
    fensterart_registrieren(QStringLiteral("Tgeradengleich"), [] { return new Tgeradengleich; });
}

} // namespace zol

#include "modules/geometry/parageradedlg.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

namespace zol {

Tdialogfkt* Tparageradlg::zeichenfenster() const {
    return zeichenfenster_.data();
}

QList<QWidget*> Tparageradlg::ergebnisanzeigen() const {
    QList<QWidget*> r;
    for (Tergebnisfeld* f : ergebnis_)
        r << f;
    return r << Label1 << Memo1;
}

void Tparageradlg::leeren() {
    ergebnisseVerwerfen();
    for (Tergebnisfeld* f : ergebnis_)
        f->leeren();
    Label1->clear();
}

// The parabola first: after its refusal the line is not looked at.
bool Tparageradlg::berechnen(Parabelgleichung& p, Geradengleichung& g) {
    std::string fehler;
    if (!parabel_bestimmen(parabel_.vorgabe(), p, fehler) ||
        !gerade_bestimmen(gerade_.vorgabe(), g, fehler)) {
        leeren();
        meldung(QString::fromStdString(fehler), this);
        return false;
    }
    const Parabelgeradenschnitt s = parabel_gerade(p, g);
    const long double werte[] = {s.s1.x, s.s1.y, s.s2.x, s.s2.y, s.alpha1, s.alpha2};
    for (std::size_t i = 0; i < ergebnis_.size(); ++i) {
        if (s.hat_schnittpunkte)
            ergebnis_[i]->zeige(werte[i]);
        else
            ergebnis_[i]->leeren();
    }
    Label1->setText(s.hat_schnittpunkte ? QString() : QStringLiteral("Keine Schnittpunkte"));
    QStringList zeilen;
    for (const std::string& z : schnittzeilen(g, s, format().toStdString()))
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    return true;
}

void Tparageradlg::rechne() {
    Parabelgleichung p;
    Geradengleichung g;
    berechnen(p, g);
}

void Tparageradlg::zeichnen() {
    Parabelgleichung p;
    Geradengleichung g;
    if (!berechnen(p, g)) return;
    const std::string bild = format().toStdString();
    Tdialogfkt* fenster = funktionZeichnen(
        format(), QStringLiteral("poly(x)=") + QString::fromStdString(parabelterm(p, bild)));
    zeichenfenster_ = fenster;
    const Zeichenrahmen b = schnittrahmen(parabel_auswerten(p), g, parabel_gerade(p, g));
    fenster->setzeBereich(b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt);
    fenster->setzeDefinition(QStringLiteral("g(x)=") +
                             QString::fromStdString(geradenterm(g, bild)));
    fenster->hinzufuegen();
}

void parabelgerade_registrieren() {
    fensterart_registrieren(QStringLiteral("Tparageradlg"), [] { return new Tparageradlg; });
}

} // namespace zol

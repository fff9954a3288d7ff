#include "modules/geometry/parabeldlg.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

namespace zol {

Tdialogfkt* Tparabelgleich::zeichenfenster() const {
    return zeichenfenster_.data();
}

QList<QWidget*> Tparabelgleich::ergebnisanzeigen() const {
    QList<QWidget*> r;
    for (Tergebnisfeld* f : ergebnis_)
        r << f;
    return r << Label1 << Label2 << Memo1;
}

void Tparabelgleich::leeren() {
    ergebnisseVerwerfen();
    for (Tergebnisfeld* f : ergebnis_)
        f->leeren();
    Label1->clear();
    Label2->clear();
}

bool Tparabelgleich::berechnen(Parabelgleichung& p) {
    std::string fehler;
    if (!parabel_bestimmen(eingabe_.vorgabe(), p, fehler)) {
        leeren();
        meldung(QString::fromStdString(fehler), this);
        return false;
    }
    const Parabelergebnis e = parabel_auswerten(p);
    const bool z = e.hat_nullstellen;
    const long double werte[] = {p.a, p.b, p.c, p.a, e.xs, e.ys, p.a, e.x1, e.x2, e.x1, e.x2, p.c};
    const bool berechnet[] = {true, true, true, true, true, true, z, z, z, z, z, true};
    for (std::size_t i = 0; i < ergebnis_.size(); ++i) {
        // Without zeros the fields stay empty and the notes say why.
        if (berechnet[i])
            ergebnis_[i]->zeige(werte[i]);
        else
            ergebnis_[i]->leeren();
    }
    Label1->setText(z ? QString() : QStringLiteral("Zerlegung in Faktoren nicht möglich."));
    Label2->setText(z ? QString() : QStringLiteral("Keine Schnittpunkte  mit der x-Achse."));
    QStringList zeilen;
    for (const std::string& zeile : parabelzeilen(e, format().toStdString()))
        zeilen << QString::fromStdString(zeile);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    return true;
}

void Tparabelgleich::rechne() {
    Parabelgleichung p;
    berechnen(p);
}

void Tparabelgleich::zeichnen() {
    Parabelgleichung p;
    if (!berechnen(p)) return;
    Tdialogfkt* fenster = funktionZeichnen(
        format(), QStringLiteral("poly(x)=") +
                      QString::fromStdString(parabelterm(p, format().toStdString())));
    zeichenfenster_ = fenster;
    const Zeichenrahmen b = parabelrahmen(parabel_auswerten(p));
    fenster->setzeBereich(b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt);
}

void parabelgleichung_registrieren() {
    fensterart_registrieren(QStringLiteral("Tparabelgleich"), [] { return new Tparabelgleich; });
}

} // namespace zol

#include "modules/analysis/gebrochdlg.h"

#include "modules/analysis/gebrochenrechnung.h"
#include "modules/analysis/polynomedlg_gitter.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace zol {

using polynomgitter::Lage;

namespace {

QString kopf(int welches) {
    return welches == 0 ? QStringLiteral("Zähler") : QStringLiteral("Nenner");
}

} // namespace

void Tgebrochdlg::gradAnpassen(int welches, int grad) {
    if (laedtGerade()) return;
    TStringGrid* gitter = welches == 0 ? StringGrid1 : StringGrid2;
    polynomgitter::gradSetzen(*gitter, Lage::spalten, grad_[welches], grad, kopf(welches));
    grad_[welches] = grad;
}

void Tgebrochdlg::nachLaden(int welches) {
    Tspineditin* feld = welches == 0 ? spineditin1 : spineditin2;
    TStringGrid* gitter = welches == 0 ? StringGrid1 : StringGrid2;
    const int grad = felder::begrenzterWert(*feld);
    grad_[welches] = grad;
    polynomgitter::gradSetzen(*gitter, Lage::spalten, grad, grad, kopf(welches));
    felder::imBereich(*feld);
}

bool Tgebrochdlg::laden(const QString& datei) {
    const bool ok = Tmodulfenster::laden(datei);
    nachLaden(0);
    nachLaden(1);
    return ok;
}

void Tgebrochdlg::rechne() {
    berechnen();
}

bool Tgebrochdlg::berechnen() {
    const int gz = felder::imBereich(*spineditin1);
    const int gn = felder::imBereich(*spineditin2);
    polynom::Polynom zaehler, nenner;
    if (!polynomgitter::lesen(*StringGrid1, Lage::spalten, gz, zaehler, this)) return false;
    if (!polynomgitter::lesen(*StringGrid2, Lage::spalten, gn, nenner, this)) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Gebrochenergebnis e = gebrochene_funktion(zaehler, nenner, format().toStdString());
    QStringList zeilen;
    for (const std::string& z : e.zeilen)
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    QApplication::restoreOverrideCursor();
    if (!e.meldung.empty()) meldung(QString::fromStdString(e.meldung), this);
    return true;
}

void Tgebrochdlg::zeichnen() {
    // After a refused cell the memo still holds the previous result: nothing to draw then.
    if (!berechnen()) return;
    const QStringList zeilen = Memo1->toPlainText().split(QLatin1Char('\n'));
    for (const QString& z : zeilen)
        if (z.startsWith(QStringLiteral("ratfkt(x)="))) {
            funktionZeichnen(format(), z);
            return;
        }
}

void gebrochen_registrieren() {
    fensterart_registrieren(QStringLiteral("Tgebrochdlg"), [] { return new Tgebrochdlg; });
}

} // namespace zol

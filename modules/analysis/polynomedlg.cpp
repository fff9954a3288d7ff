#include "modules/analysis/polynomedlg.h"

#include "modules/analysis/polynomedlg_gitter.h"
#include "modules/analysis/polynomrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace zol {

using polynomgitter::Lage;

void TPolynomedlg::gradAnpassen(int grad) {
    // While a file is read, the grid comes from the file; laden lays it out afterwards.
    if (laedtGerade()) return;
    polynomgitter::gradSetzen(*StringGrid1, Lage::spalten, grad_, grad, QStringLiteral("Polynom"));
    grad_ = grad;
}

bool TPolynomedlg::laden(const QString& datei) {
    const bool ok = Tmodulfenster::laden(datei);
    // The loaded cells belong to the loaded degree; a value out of range is written back only
    // after the grid is laid out for it, so nothing is shifted.
    grad_ = felder::begrenzterWert(*spineditin1);
    polynomgitter::gradSetzen(*StringGrid1, Lage::spalten, grad_, grad_, QStringLiteral("Polynom"));
    felder::imBereich(*spineditin1);
    return ok;
}

void TPolynomedlg::rechne() {
    berechnen();
}

bool TPolynomedlg::berechnen() {
    const int grad = felder::imBereich(*spineditin1);
    if (grad != grad_) gradAnpassen(grad);
    polynom::Polynom p;
    if (!polynomgitter::lesen(*StringGrid1, Lage::spalten, grad, p, this)) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Polynomergebnis e = polynomfunktion(p, format().toStdString());
    QStringList zeilen;
    for (const std::string& z : e.zeilen)
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    QApplication::restoreOverrideCursor();
    if (!e.meldung.empty()) meldung(QString::fromStdString(e.meldung), this);
    return true;
}

void TPolynomedlg::zeichnen() {
    // After a refused cell the memo still holds the previous result: nothing to draw then.
    if (!berechnen()) return;
    const QStringList zeilen = Memo1->toPlainText().split(QLatin1Char('\n'));
    for (const QString& z : zeilen)
        if (z.startsWith(QStringLiteral("poly(x)="))) {
            funktionZeichnen(format(), z);
            return;
        }
}

void polynome_registrieren() {
    fensterart_registrieren(QStringLiteral("TPolynomedlg"), [] { return new TPolynomedlg; });
}

} // namespace zol

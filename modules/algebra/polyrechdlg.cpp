#include "modules/algebra/polyrechdlg.h"

#include "modules/algebra/polyrechnung.h"
#include "modules/analysis/polynomedlg_gitter.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"

#include <QPlainTextEdit>

namespace zol {

using polynomgitter::Lage;

namespace {

QString kopf(int welches) {
    return QStringLiteral("Polynom %1").arg(welches + 1);
}

} // namespace

void Tpolyrechdlg::gradAnpassen(int welches, int grad) {
    if (laedtGerade()) return;
    TStringGrid* gitter = welches == 0 ? StringGrid1 : StringGrid2;
    polynomgitter::gradSetzen(*gitter, Lage::zeilen, grad_[welches], grad, kopf(welches));
    grad_[welches] = grad;
}

void Tpolyrechdlg::nachLaden(int welches) {
    Tspineditin* feld = welches == 0 ? spineditin1 : spineditin2;
    TStringGrid* gitter = welches == 0 ? StringGrid1 : StringGrid2;
    const int grad = felder::begrenzterWert(*feld);
    grad_[welches] = grad;
    polynomgitter::gradSetzen(*gitter, Lage::zeilen, grad, grad, kopf(welches));
    felder::imBereich(*feld);
}

bool Tpolyrechdlg::laden(const QString& datei) {
    const bool ok = Tmodulfenster::laden(datei);
    nachLaden(0);
    nachLaden(1);
    return ok;
}

void Tpolyrechdlg::rechnen(Polyoperation op) {
    const int g1 = felder::imBereich(*spineditin1);
    const int g2 = felder::imBereich(*spineditin2);
    polynom::Polynom p1, p2;
    if (!polynomgitter::lesen(*StringGrid1, Lage::zeilen, g1, p1, this)) return;
    if (!polynomgitter::lesen(*StringGrid2, Lage::zeilen, g2, p2, this)) return;
    const Polyrechenergebnis e = polynome_rechnen(op, p1, p2, format().toStdString());
    if (!e.meldung.empty()) {
        meldung(QString::fromStdString(e.meldung), this);
        return;
    }
    QStringList zeilen;
    for (const std::string& z : e.zeilen)
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
}

void polyrechnen_registrieren() {
    fensterart_registrieren(QStringLiteral("Tpolyrechdlg"), [] { return new Tpolyrechdlg; });
}

} // namespace zol

#include "modules/linalg/detdlg.h"

#include "modules/linalg/determinantenrechnung.h"
#include "modules/linalg/gaussrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QLineEdit>
#include <QRect>

namespace zol {

void Tdetdlg::gitterAnpassen(int n) {
    n = linalg_groesse(n);
    felder::eingabegroesse(*StringGrid1, n + 1, n + 1);
    QStringList koepfe;
    for (int j = 1; j <= n; ++j)
        koepfe << QString::number(j);
    felder::kopfzeile(*StringGrid1, koepfe);
    felder::zeilennummern(*StringGrid1);
}

void Tdetdlg::neu() {
    felder::nullSetzen(*StringGrid1);
    Edit1->clear();
}

bool Tdetdlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    gitterAnpassen(felder::begrenzterWert(*spineditin1));
    return true;
}

void Tdetdlg::rechne() {
    const int n = linalg_groesse(felder::imBereich(*spineditin1));
    if (StringGrid1->rowCount() != n + 1 || StringGrid1->colCount() != n + 1) gitterAnpassen(n);
    std::vector<std::vector<long double>> werte;
    if (!felder::gitterLesen(*StringGrid1, QRect(1, 1, n, n), werte, this)) return;
    Edit1->setText(QString::fromStdString(
        determinantentext(determinante(werte).wert, format().toStdString())));
}

void determinanten_registrieren() {
    fensterart_registrieren(QStringLiteral("Tdetdlg"), [] { return new Tdetdlg; });
}

} // namespace zol

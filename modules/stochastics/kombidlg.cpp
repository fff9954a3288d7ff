#include "modules/stochastics/kombidlg.h"

#include "modules/stochastics/kombinatorikrechnung.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"

#include <cmath>

namespace zol {

namespace {

// An overflow is said in words: "INF" or "n. d." would hide why there is no number. The text
// is the field's own, so a new number format leaves it alone.
void zeigen(Tergebnisfeld& feld, long double wert) {
    feld.zeige(wert);
    if (!std::isfinite(wert)) feld.setText(QString::fromUtf8(kombi_ueberlauf));
}

} // namespace

QList<QLineEdit*> Tkombidlg::ergebnisfelder() const {
    return {extendEdit1, extendEdit2, extendEdit3, extendEdit4, extendEdit5, extendEdit6};
}

void Tkombidlg::rechne() {
    const qint32 n = felder::verwendeterWert(*longintEdit1);
    const qint32 k = felder::verwendeterWert(*longintEdit2);
    const Kombinatorik e = kombinatorik_berechnen(n, k);
    zeigen(*extendEdit1, e.n_fakultaet);
    zeigen(*extendEdit2, e.k_fakultaet);
    zeigen(*extendEdit3, e.k1);
    zeigen(*extendEdit4, e.k2);
    zeigen(*extendEdit5, e.v1);
    zeigen(*extendEdit6, e.v2);
}

void kombinatorik_registrieren() {
    fensterart_registrieren(QStringLiteral("Tkombidlg"), [] { return new Tkombidlg; });
}

} // namespace zol

#include "modules/linalg/matrixdlg.h"

#include "modules/linalg/gaussrechnung.h"
#include "modules/linalg/linalgfenster.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QRect>

namespace zol {

void Tmatrixdlg::gitterAnpassen(int n) {
    n = linalg_groesse(n);
    QStringList koepfe;
    for (int j = 1; j <= n; ++j)
        koepfe << QString::number(j);
    for (TStringGrid* g : {StringGrid1, StringGrid2, StringGrid3}) {
        felder::eingabegroesse(*g, n + 1, n + 1);
        felder::kopfzeile(*g, koepfe);
        felder::zeilennummern(*g);
    }
}

int Tmatrixdlg::groesse() {
    const int n = linalg_groesse(felder::imBereich(*spineditin1));
    for (const TStringGrid* g : {StringGrid1, StringGrid2, StringGrid3})
        if (g->rowCount() != n + 1 || g->colCount() != n + 1) {
            gitterAnpassen(n);
            break;
        }
    return n;
}

bool Tmatrixdlg::lesen(int nummer, int n, Matrix& m) {
    return felder::gitterLesen(*matrixgitter(nummer), QRect(1, 1, n, n), m, this,
                               QStringLiteral("Matrix %1").arg(nummer));
}

void Tmatrixdlg::zeigen(const Matrix& m) {
    texteSchreiben(*StringGrid3, matrix_texte(m, format().toStdString()));
}

void Tmatrixdlg::ergebnisLeeren() {
    StringGrid3->setUpdatesEnabled(false);
    for (int r = 1; r < StringGrid3->rowCount(); ++r)
        for (int c = 1; c < StringGrid3->colCount(); ++c)
            StringGrid3->setCell(c, r, QString());
    StringGrid3->setUpdatesEnabled(true);
}

void Tmatrixdlg::neu() {
    felder::nullSetzen(*StringGrid1);
    felder::nullSetzen(*StringGrid2);
    ergebnisLeeren();
}

bool Tmatrixdlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    gitterAnpassen(felder::begrenzterWert(*spineditin1));
    return true;
}

void Tmatrixdlg::verknuepfen(Verknuepfung art) {
    const int n = groesse();
    Matrix a, b;
    if (!lesen(1, n, a) || !lesen(2, n, b)) return;
    switch (art) {
    case Verknuepfung::summe:
        zeigen(matrix_summe(a, b));
        break;
    case Verknuepfung::differenz:
        zeigen(matrix_differenz(a, b));
        break;
    case Verknuepfung::produkt:
        zeigen(matrix_produkt(a, b));
        break;
    }
}

void Tmatrixdlg::invertieren(int nummer) {
    const int n = groesse();
    Matrix a;
    if (!lesen(nummer, n, a)) return;
    const std::optional<Matrix> inverse = matrix_inverse(a);
    if (!inverse) {
        // An earlier result must not pass for the inverse.
        ergebnisLeeren();
        meldung(QStringLiteral("Matrix nicht invertierbar !"), this);
        return;
    }
    zeigen(*inverse);
}

void Tmatrixdlg::transponieren(int nummer) {
    const int n = groesse();
    const TStringGrid* quelle = matrixgitter(nummer);
    StringGrid3->setUpdatesEnabled(false);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            StringGrid3->setCell(r, c, quelle->cell(c, r));
    StringGrid3->setUpdatesEnabled(true);
}

void Tmatrixdlg::ergebnisNach(int nummer) {
    const int n = groesse();
    TStringGrid* ziel = matrixgitter(nummer);
    ziel->setUpdatesEnabled(false);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (const QString text = StringGrid3->cell(c, r); !text.isEmpty())
                ziel->setCell(c, r, text);
    ziel->setUpdatesEnabled(true);
    setzeGeaendert(true);
}

void matrizen_registrieren() {
    fensterart_registrieren(QStringLiteral("Tmatrixdlg"), [] { return new Tmatrixdlg; });
}

} // namespace zol

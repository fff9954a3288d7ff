#include "modules/linalg/fftdlg.h"

#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QRect>

namespace zol {

void Tfftdlg::gitterAnpassen(int potenz) {
    const int n = fft_punktzahl(potenz);
    for (TStringGrid* g : {StringGrid1, StringGrid2}) {
        felder::eingabegroesse(*g, 3, n + 1);
        felder::kopfzeile(*g, {QStringLiteral("x"), QStringLiteral("y")});
        felder::zeilennummern(*g);
    }
}

void Tfftdlg::ergebnisseLeeren() {
    StringGrid2->setUpdatesEnabled(false);
    for (int r = 1; r < StringGrid2->rowCount(); ++r)
        for (int c = 1; c < StringGrid2->colCount(); ++c)
            StringGrid2->setCell(c, r, QString());
    StringGrid2->setUpdatesEnabled(true);
}

void Tfftdlg::neu() {
    felder::nullSetzen(*StringGrid1);
    ergebnisseLeeren();
}

void Tfftdlg::rechne() {
    transformieren(Fftrichtung::hin);
}

void Tfftdlg::transformieren(Fftrichtung richtung) {
    const int potenz = felder::imBereich(*spineditin1);
    const int n = fft_punktzahl(potenz);
    // A file whose grids do not match its "Potenz von 2" gets grids of the right size; cells
    // the user emptied stay empty and are reported below.
    if (StringGrid1->rowCount() != n + 1 || StringGrid1->colCount() != 3 ||
        StringGrid2->rowCount() != n + 1 || StringGrid2->colCount() != 3)
        gitterAnpassen(potenz);
    std::vector<std::vector<long double>> werte;
    if (!felder::gitterLesen(*StringGrid1, QRect(1, 1, 2, n), werte, this)) return;
    Komplexfolge a;
    a.reserve(werte.size());
    for (const std::vector<long double>& zeile : werte)
        a.emplace_back(zeile[0], zeile[1]);
    fft_transformieren(a, richtung);
    const std::vector<std::array<std::string, 2>> texte = fft_texte(a, format().toStdString());
    StringGrid2->setUpdatesEnabled(false);
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < 2; ++c)
            StringGrid2->setCell(c + 1, i + 1, QString::fromStdString(texte[i][c]));
    StringGrid2->setUpdatesEnabled(true);
}

void fft_registrieren() {
    fensterart_registrieren(QStringLiteral("Tfftdlg"), [] { return new Tfftdlg; });
}

} // namespace zol

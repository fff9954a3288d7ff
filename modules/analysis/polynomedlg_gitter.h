#pragma once
// The coefficient grids of the polynomial windows: one cell per power, highest power first,
// either along row 1 (polynomial and rational functions) or down column 1 (polynomial
// arithmetic). Inline, so the algebra windows share it without linking the analysis library.
#include "modules/kern/polynom.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QPoint>
#include <QStringList>

namespace zol::polynomgitter {

enum class Lage {
    spalten, // row 0 "x^n" ... "x^0", row 1 the coefficients
    zeilen,  // column 0 "x^n" ... "x^0", column 1 the coefficients
};

// The grid cell (column, row) of the coefficient of x^k at degree grad.
inline QPoint zelle(Lage lage, int grad, int k) {
    const int i = grad - k + 1;
    return lage == Lage::spalten ? QPoint(i, 1) : QPoint(1, i);
}

// Lays the grid out for degree neu, with kopf in the corner and "Koeffizienten" as the caption
// of the coefficient row or column. Every coefficient typed for degree alt stays with its power
// (a higher degree puts the new powers in front); new cells get "0". Cells beyond the grid's
// present size (a file of another window) count as empty.
inline void gradSetzen(TStringGrid& gitter, Lage lage, int alt, int neu, const QString& kopf) {
    QStringList texte;
    for (int k = 0; k <= neu; ++k) {
        const QPoint z = zelle(lage, alt, k);
        texte << (k <= alt ? gitter.cell(z.x(), z.y()) : QString());
    }
    if (lage == Lage::spalten)
        felder::eingabegroesse(gitter, neu + 2, 2);
    else
        felder::eingabegroesse(gitter, 2, neu + 2);
    gitter.setUpdatesEnabled(false);
    gitter.setCell(0, 0, kopf);
    const QPoint beschriftung = lage == Lage::spalten ? QPoint(0, 1) : QPoint(1, 0);
    gitter.setCell(beschriftung.x(), beschriftung.y(), QStringLiteral("Koeffizienten"));
    for (int k = 0; k <= neu; ++k) {
        const QPoint z = zelle(lage, neu, k);
        const QString text = texte[k].isEmpty() ? QStringLiteral("0") : texte[k];
        gitter.setCell(z.x(), z.y(), text);
        const QString potenz = QStringLiteral("x^%1").arg(k);
        if (lage == Lage::spalten)
            gitter.setCell(z.x(), 0, potenz);
        else
            gitter.setCell(0, z.y(), potenz);
    }
    gitter.setUpdatesEnabled(true);
}

// The coefficients of degree grad. At the first cell (highest power first) that is no number
// the message "Fehler bei der Eingabe von: x^k" is shown and the result is false.
inline bool lesen(const TStringGrid& gitter, Lage lage, int grad, polynom::Polynom& p,
                  QWidget* fenster) {
    std::vector<std::string> texte;
    for (int k = 0; k <= grad; ++k) {
        const QPoint z = zelle(lage, grad, k);
        texte.push_back(gitter.cell(z.x(), z.y()).toStdString());
    }
    int fehler = 0;
    if (polynom::lesen(texte, p, fehler)) return true;
    meldung(QStringLiteral("Fehler bei der Eingabe von: x^%1").arg(fehler), fenster);
    return false;
}

} // namespace zol::polynomgitter

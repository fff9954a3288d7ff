#include "modules/stochastics/binomdlg.h"

#include "engine/zahlformat.h"
#include "modules/stochastics/binomialrechnung.h"
#include "modules/stochastics/statistikrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/eingabe/zahlfilter.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>

namespace zol {

Tdialogfkt* Tbinom2dlg::zeichenfenster() const {
    return zeichenfenster_.data();
}

QList<QLineEdit*> Tbinom2dlg::ergebnisfelder() const {
    return {SpinEditex3, SpinEditex4, SpinEditex2, SpinEditex5, SpinEditex7, SpinEditex6};
}

namespace {

// Brought into range, and written back when the text is no number (an emptied field), so the
// window shows what it computed with.
qint32 verwendet(Tspineditin& feld) {
    const qint32 n = felder::imBereich(feld);
    qint32 gelesen = 0;
    if (!eingabe::ganz_lesen(feld.text(), gelesen)) feld.setValue(n);
    return n;
}

long double verwendet(TSpinEditex& feld) {
    const long double p = felder::imBereich(feld);
    long double gelesen = 0;
    if (!eingabe::dezimal_lesen(feld.text(), gelesen)) feld.setValue(p);
    return p;
}

} // namespace

bool Tbinom2dlg::berechnen(std::vector<Wertepaar>* punkte) {
    Binomauftrag a;
    a.n = verwendet(*spineditin1);
    a.p = verwendet(*SpinEditex1);
    a.k1 = verwendet(*spineditin3);
    a.k2 = verwendet(*spineditin4);
    Binomverteilung v;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = binom_berechnen(a, v);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        ergebnisseVerwerfen();
        meldung(QString::fromLatin1(binom_fehler), this);
        return false;
    }
    const auto texte = binom_texte(v, format().toStdString());
    // Sized once and filled with updates off: 32 001 rows, row by row, would restyle the grid
    // for every row.
    StringGrid1->setUpdatesEnabled(false);
    StringGrid1->setRowCount(static_cast<int>(texte.size()) + 1);
    StringGrid1->setCell(1, 0, QStringLiteral("k"));
    StringGrid1->setCell(2, 0, QStringLiteral("B(n,p,k)"));
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const int zeile = static_cast<int>(i) + 1;
        StringGrid1->setCell(1, zeile, QString::fromStdString(texte[i][0]));
        StringGrid1->setCell(2, zeile, QString::fromStdString(texte[i][1]));
    }
    StringGrid1->setUpdatesEnabled(true);
    SpinEditex3->zeige(v.p1);
    SpinEditex4->zeige(v.p2);
    SpinEditex2->zeige(v.differenz);
    SpinEditex5->zeige(v.erwartung);
    SpinEditex7->zeige(v.varianz);
    SpinEditex6->zeige(v.abweichung);
    if (punkte != nullptr) {
        punkte->clear();
        punkte->reserve(v.b.size());
        for (std::size_t i = 0; i < v.b.size(); ++i)
            punkte->push_back({static_cast<long double>(v.von + static_cast<int>(i)), v.b[i]});
    }
    return true;
}

void Tbinom2dlg::rechne() {
    berechnen();
}

void Tbinom2dlg::zeichnen() {
    std::vector<Wertepaar> punkte;
    if (!berechnen(&punkte)) return;
    Tdialogfkt* fenster = neuesZeichenfenster(format());
    zeichenfenster_ = fenster;
    // The rows decide the range, with the axis B = 0 in it: the plot window's default -3 … 3
    // would show a distribution as a flat line.
    const Punktbereich b = punktbereich(punkte, true);
    fenster->setzeBereich(b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt);
    QList<QStringList> zeilen;
    zeilen.reserve(static_cast<qsizetype>(punkte.size()));
    for (const Wertepaar& p : punkte)
        zeilen << QStringList{QString::fromStdString(allgemeinformat(p.x)),
                              QString::fromStdString(allgemeinformat(p.y))};
    punkteZeichnen(*fenster, QStringLiteral("binom.dat"), zeilen, stil_kleiner_kreis);
}

void binomialverteilung_registrieren() {
    fensterart_registrieren(QStringLiteral("Tbinom2dlg"), [] { return new Tbinom2dlg; });
}

} // namespace zol

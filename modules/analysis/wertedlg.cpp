#include "modules/analysis/wertedlg.h"

#include "engine/fktbaum.h"
#include "shell/formeln/funktionseingabe.h"
#include "modules/analysis/wertetabellenrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

namespace zol {

namespace {

// Grows the grid once to its final size and fills it; growing row by row would restyle the
// whole grid for every row.
void gitter_fuellen(TStringGrid& gitter, const Wertetabelle& tabelle, const QString& bild) {
    const std::vector<std::vector<std::string>> texte = tabellentexte(tabelle, bild.toStdString());
    gitter.setUpdatesEnabled(false);
    gitter.setRowCount(1);
    gitter.setColCount(static_cast<int>(tabelle.kopf.size()) + 1);
    gitter.setCell(0, 0, QString());
    for (std::size_t c = 0; c < tabelle.kopf.size(); ++c)
        gitter.setCell(static_cast<int>(c) + 1, 0, QString::fromStdString(tabelle.kopf[c]));
    gitter.setRowCount(static_cast<int>(texte.size()) + 1);
    for (std::size_t r = 0; r < texte.size(); ++r) {
        const int zeile = static_cast<int>(r) + 1;
        gitter.setCell(0, zeile, QString::number(zeile));
        for (std::size_t c = 0; c < texte[r].size(); ++c)
            gitter.setCell(static_cast<int>(c) + 1, zeile, QString::fromStdString(texte[r][c]));
    }
    gitter.setUpdatesEnabled(true);
}

} // namespace

Tdialogfkt* Twertedlg::zeichenfenster() const {
    return zeichenfenster_.data();
}

Tabellenvorgaben Twertedlg::vorgaben() {
    Tabellenvorgaben v;
    felder::grenzenOrdnen(*xmin, *xmax);
    v.xmin = xmin->Value();
    v.xmax = xmax->Value();
    v.schritt = xskala->Value();
    v.h = felder::imBereich(*deltah);
    v.simpson = felder::imBereich(*simpson);
    v.arten.funktion = artfunktion->isChecked();
    v.arten.ableitung1 = art1ableitung->isChecked();
    v.arten.ableitung2 = art2ableitung->isChecked();
    v.arten.integral = artintegral->isChecked();
    return v;
}

void Twertedlg::rechne() {
    const tfunktion* funktion = funktionNachschlagen(Edit1->text(), this);
    if (funktion == nullptr) {
        ergebnisseVerwerfen();
        return;
    }
    const Tabellenvorgaben v = vorgaben();
    Wertetabelle tabelle;
    std::string fehler;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = tabelle_berechnen(als_reellefunktion(*funktion), v, tabelle, fehler);
    if (ok)
        gitter_fuellen(*StringGrid1, tabelle, format());
    else
        ergebnisseVerwerfen();
    QApplication::restoreOverrideCursor();
    StringGrid1->setFixedRows(1);
    if (!ok) meldung(QString::fromStdString(fehler), this);
}

// The curve first; then x and the first value column as dotted points. Without a computed
// value column there are no points to add, and the curve stays alone.
void Twertedlg::zeichnen() {
    Tdialogfkt* fenster = funktionZeichnen(format(), Edit1->text());
    zeichenfenster_ = fenster;
    const int daten = StringGrid1->rowCount() - 1;
    if (daten < 1 || StringGrid1->colCount() < 3) return;
    QList<QStringList> zeilen;
    zeilen.reserve(daten);
    for (int r = 1; r <= daten; ++r)
        zeilen << QStringList{StringGrid1->cell(1, r), StringGrid1->cell(2, r)};
    punkteZeichnen(*fenster, QStringLiteral("werte.dat"), zeilen, stil_kleiner_kreis);
}

void wertetabelle_registrieren() {
    fensterart_registrieren(QStringLiteral("Twertedlg"), [] { return new Twertedlg; });
}

} // namespace zol

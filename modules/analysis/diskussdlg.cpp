#include "modules/analysis/diskussdlg.h"

#include "engine/fktbaum.h"
#include "engine/reellefunktion.h"
#include "engine/zahlformat.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/funktionseingabe.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace zol {

QString Tdiskussdlg::iterationsstatus() const {
    return QString::fromStdString(ergebnis_.iterationsstatus);
}

Diskussionsauftrag Tdiskussdlg::auftrag() {
    Diskussionsauftrag a;
    a.xmin = xmin->Value();
    a.xmax = xmax->Value();
    a.aufloesung = felder::imBereich(*aufloesung);
    a.grenzen.toleranz = felder::imBereich(*Toleranz);
    a.grenzen.grenze = felder::imBereich(*Iterationmax);
    a.nullstellen = artnullstellen->isChecked();
    a.extremwerte = artextremwerte->isChecked();
    a.wendepunkte = artwendepunkte->isChecked();
    a.polstellen = artpolstelle->isChecked();
    return a;
}

QList<QWidget*> Tdiskussdlg::ergebnisanzeigen() const {
    return Tmodulfenster::ergebnisanzeigen() << Label3;
}

void Tdiskussdlg::rechne() {
    felder::grenzenOrdnen(*xmin, *xmax);
    Label3->clear();
    ergebnis_ = Diskussionsergebnis();
    // Headers and row numbers stay until a kind writes its own.
    for (int r = StringGrid1->fixedRows(); r < StringGrid1->rowCount(); ++r)
        for (int c = StringGrid1->fixedCols(); c < StringGrid1->colCount(); ++c)
            StringGrid1->setCell(c, r, QString());

    const tfunktion* funktion = funktionNachschlagen(Edit1->text(), this);
    if (funktion == nullptr) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ergebnis_ = diskutieren(als_diskussionsfunktion(*funktion), auftrag());
    ergebnisseSchreiben();
    QApplication::restoreOverrideCursor();
    Label3->setText(ergebnis_.iterationsstatus == "*"
                        ? QStringLiteral("Abbruch der Iteration durch max. Iteration")
                        : QStringLiteral("Abbruch der Iteration durch die Toleranz"));
    if (ergebnis_.ausser_reichweite)
        meldung(QStringLiteral("Nicht jeder Punkt ließ sich in diesem Bereich genau genug "
                               "eingrenzen. Bitte den Bereich verkleinern oder „Anzahl "
                               "Intervalle“ erhöhen."),
                this);
}

// The ticked kinds side by side in the fixed order, two columns each from column 1 on.
void Tdiskussdlg::ergebnisseSchreiben() {
    StringGrid1->setUpdatesEnabled(false);
    StringGrid1->setColCount(3);
    StringGrid1->setRowCount(2);
    const struct {
        QCheckBox* haken;
        const char* kopf;
        const Diskussionspunkte& punkte;
    } arten[] = {
        {artnullstellen, "Nullstelle", ergebnis_.nullstellen},
        {artextremwerte, "Extremwert", ergebnis_.extremwerte},
        {artwendepunkte, "Wendepunkte", ergebnis_.wendepunkte},
        {artpolstelle, "Polstellen", ergebnis_.polstellen},
    };
    int spalten = 1;
    for (const auto& art : arten) {
        if (!art.haken->isChecked()) continue;
        spalten += 2;
        StringGrid1->setColCount(spalten);
        artSchreiben(spalten - 2, QString::fromLatin1(art.kopf), art.punkte);
    }
    StringGrid1->setUpdatesEnabled(true);
}

void Tdiskussdlg::artSchreiben(int spalte, const QString& kopf, const Diskussionspunkte& punkte) {
    StringGrid1->setCell(spalte, 0, kopf + QStringLiteral(" x-Wert"));
    StringGrid1->setCell(spalte + 1, 0, kopf + QStringLiteral(" y-Wert"));
    const int zeilen = static_cast<int>(punkte.size()) + 1;
    if (zeilen > StringGrid1->rowCount()) StringGrid1->setRowCount(zeilen);
    const std::string bild = format().toStdString();
    // The function has no value at a pole: what the refinement ends on is only a large number
    // somewhere beside it, so the pole's row shows no y value.
    const bool pole = &punkte == &ergebnis_.polstellen;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const Diskussionspunkt& p = punkte[i];
        const int zeile = static_cast<int>(i) + 1;
        QString x = QString::fromStdString(zol::format(bild, p.x));
        if (p.art == Diskussionspunkt::minimum) x.prepend(QStringLiteral("T "));
        if (p.art == Diskussionspunkt::maximum) x.prepend(QStringLiteral("H "));
        StringGrid1->setCell(0, zeile, QString::number(zeile));
        StringGrid1->setCell(spalte, zeile, x);
        StringGrid1->setCell(
            spalte + 1, zeile,
            QString::fromStdString(pole ? std::string(nicht_definiert) : ergebnistext(bild, p.y)));
    }
}

void Tdiskussdlg::zeichnen() {
    funktionZeichnen(format(), Edit1->text());
}

void diskussion_registrieren() {
    fensterart_registrieren(QStringLiteral("Tdiskussdlg"), [] { return new Tdiskussdlg; });
}

} // namespace zol

#include "modules/analysis/diskussdlg.h"

#include "engine/fktbaum.h"
#include "engine/zahlformat.h"
#include "modules/analysis/funktionseingabe.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stringgrid.h"

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
    // Reading a field never clamps; a typed value outside its range would divide by zero
    // (N = 0) or take ages, so it is brought into range where the user sees it.
    const long double t = Toleranz->Value();
    if (!(t >= Toleranz->MinValue() && t <= Toleranz->MaxValue())) Toleranz->setValue(t);
    for (TlongintEdit* f : {Iterationmax, aufloesung}) {
        const qint32 n = f->Value();
        if (n < f->MinValue() || n > f->MaxValue()) f->setValue(n);
    }
    Diskussionsauftrag a;
    a.xmin = xmin->Value();
    a.xmax = xmax->Value();
    a.aufloesung = aufloesung->Value();
    a.grenzen.toleranz = Toleranz->Value();
    a.grenzen.grenze = Iterationmax->Value();
    a.nullstellen = artnullstellen->isChecked();
    a.extremwerte = artextremwerte->isChecked();
    a.wendepunkte = artwendepunkte->isChecked();
    a.polstellen = artpolstelle->isChecked();
    return a;
}

void Tdiskussdlg::rechne() {
    if (xmax->Value() < xmin->Value()) {
        const long double kleiner = xmax->Value();
        xmax->setValue(xmin->Value());
        xmin->setValue(kleiner);
    }
    Label3->clear();
    ergebnis_ = Diskussionsergebnis();
    // Headers and row numbers stay until a kind writes its own.
    for (int r = StringGrid1->fixedRows(); r < StringGrid1->rowCount(); ++r)
        for (int c = StringGrid1->fixedCols(); c < StringGrid1->colCount(); ++c)
            StringGrid1->setCell(c, r, QString());

    const QString definition = Edit1->text();
    Tfktzelle* zelle = nullptr;
    if (!formelbaum().suchezeigerstr(definition.toStdString(), zelle) || zelle == nullptr ||
        !zelle->funktion) {
        meldung(QStringLiteral("Fehlerhafte Eingabe:") + definition, this);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ergebnis_ = diskutieren(als_diskussionsfunktion(*zelle->funktion), auftrag());
    ergebnisseSchreiben();
    QApplication::restoreOverrideCursor();
    Label3->setText(ergebnis_.iterationsstatus == "*"
                        ? QStringLiteral("Abbruch der Iteration durch max. Iteration")
                        : QStringLiteral("Abbruch der Iteration durch die Toleranz"));
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
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const Diskussionspunkt& p = punkte[i];
        const int zeile = static_cast<int>(i) + 1;
        QString x = QString::fromStdString(zol::format(bild, p.x));
        if (p.art == Diskussionspunkt::minimum) x.prepend(QStringLiteral("T "));
        if (p.art == Diskussionspunkt::maximum) x.prepend(QStringLiteral("H "));
        StringGrid1->setCell(0, zeile, QString::number(zeile));
        StringGrid1->setCell(spalte, zeile, x);
        StringGrid1->setCell(spalte + 1, zeile, QString::fromStdString(zol::format(bild, p.y)));
    }
}

void Tdiskussdlg::zeichnen() {
    funktionZeichnen(format(), Edit1->text());
}

void diskussion_registrieren() {
    fensterart_registrieren(QStringLiteral("Tdiskussdlg"), [] { return new Tdiskussdlg; });
}

} // namespace zol

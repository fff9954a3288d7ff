#include "modules/linalg/gausdlg.h"

#include "modules/linalg/gaussrechnung.h"
#include "modules/linalg/linalgfenster.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRect>

namespace zol {

namespace {

// Pasting reads at most this much of the clipboard.
constexpr int max_einfuegen = 32000;

} // namespace

void Tgausdlg::gitterAnpassen(int n) {
    n = linalg_groesse(n);
    felder::eingabegroesse(*StringGrid1, n + 2, n + 1);
    felder::kopfzeile(*StringGrid1, unbekanntenkoepfe(n, true));
    felder::zeilennummern(*StringGrid1);
    felder::eingabegroesse(*StringGrid2, n + 1, 2);
    felder::kopfzeile(*StringGrid2, unbekanntenkoepfe(n, false));
}

void Tgausdlg::ergebnisseLeeren() {
    StringGrid2->setUpdatesEnabled(false);
    for (int r = 1; r < StringGrid2->rowCount(); ++r)
        for (int c = 1; c < StringGrid2->colCount(); ++c)
            StringGrid2->setCell(c, r, QString());
    StringGrid2->setUpdatesEnabled(true);
}

void Tgausdlg::neu() {
    felder::nullSetzen(*StringGrid1);
    ergebnisseLeeren();
}

bool Tgausdlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    gitterAnpassen(felder::begrenzterWert(*spineditin1));
    return true;
}

void Tgausdlg::rechne() {
    const int n = linalg_groesse(felder::imBereich(*spineditin1));
    // A file whose grid does not match its number of equations gets grids of the right size.
    if (StringGrid1->rowCount() != n + 1 || StringGrid1->colCount() != n + 2) gitterAnpassen(n);
    std::vector<std::vector<long double>> werte;
    if (!felder::gitterLesen(*StringGrid1, QRect(1, 1, n + 1, n), werte, this)) return;
    const Lgsergebnis e = lgs_rechnen(werte, format().toStdString());
    if (e.loesbar) {
        StringGrid2->setColCount(n + 1);
        StringGrid2->setRowCount(2);
        felder::kopfzeile(*StringGrid2, unbekanntenkoepfe(n, false));
        StringGrid2->setCell(0, 1, QString());
        texteSchreiben(*StringGrid2, {e.loesung});
        return;
    }
    // The eliminated matrix shows where the elimination got stuck.
    StringGrid2->setColCount(n + 2);
    StringGrid2->setRowCount(n + 1);
    felder::kopfzeile(*StringGrid2, unbekanntenkoepfe(n, true));
    felder::zeilennummern(*StringGrid2);
    texteSchreiben(*StringGrid2, e.matrix);
    meldung(QStringLiteral("Gleichung nicht lösbar"), this);
}

void Tgausdlg::zwischenablage(Befehl befehl, QWidget* ziel) {
    QWidget* fokus = QApplication::focusWidget();
    const bool tippt = qobject_cast<QLineEdit*>(fokus) || qobject_cast<QAbstractSpinBox*>(fokus);
    if (ziel != nullptr || tippt || (befehl != Befehl::kopieren && befehl != Befehl::einfuegen)) {
        Tmodulfenster::zwischenablage(befehl, ziel);
        return;
    }
    QClipboard* ablage = QApplication::clipboard();
    if (befehl == Befehl::kopieren) {
        QString text;
        for (const TStringGrid* g : {StringGrid1, StringGrid2})
            text += g->alsText(QRect(0, 0, g->colCount(), g->rowCount()));
        ablage->setText(text);
        return;
    }
    const QString text = ablage->text();
    if (text.isEmpty()) return;
    StringGrid1->textEinfuegen(text.left(max_einfuegen), 1, 1, false);
    setzeGeaendert(true);
}

void gauss_registrieren() {
    fensterart_registrieren(QStringLiteral("Tgausdlg"), [] { return new Tgausdlg; });
}

} // namespace zol

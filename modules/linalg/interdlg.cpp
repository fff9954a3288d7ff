#include "modules/linalg/interdlg.h"

#include "engine/zahlengitter.h"
#include "modules/linalg/gaussrechnung.h"
#include "modules/linalg/interpolationsrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace zol {

void Tinterdlg::gitterAnpassen(int n) {
    n = linalg_groesse(n);
    const QScopedValueRollback<bool> selbst(markiertGerade_, true);
    const int vorher = StringGrid1->rowCount();
    StringGrid1->setUpdatesEnabled(false);
    if (StringGrid1->colCount() != spalte_f2 + 1) StringGrid1->setColCount(spalte_f2 + 1);
    if (vorher != n + 1) StringGrid1->setRowCount(n + 1);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c < spalte_fx; ++c)
            if (StringGrid1->cell(c, r).isEmpty()) StringGrid1->setCell(c, r, QStringLiteral("0"));
        if (r >= vorher) StringGrid1->setCell(spalte_fx, r, QStringLiteral("X"));
    }
    felder::kopfzeile(*StringGrid1,
                      {QStringLiteral("x-Wert"), QStringLiteral("y-Wert"), QStringLiteral("f(x)"),
                       QStringLiteral("f'(x)"), QStringLiteral("f''(x)")});
    felder::zeilennummern(*StringGrid1);
    StringGrid1->setUpdatesEnabled(true);
}

void Tinterdlg::markieren(int zeile, int spalte) {
    const QScopedValueRollback<bool> selbst(markiertGerade_, true);
    for (int c = spalte_fx; c <= spalte_f2; ++c)
        StringGrid1->setCell(c, zeile, c == spalte ? QStringLiteral("X") : QString());
}

void Tinterdlg::zelleGeaendert(int zeile, int spalte) {
    // Typing into a marker column marks that column, whatever was typed; emptying the cell only
    // empties it (the way to leave a row unmarked). A file being read keeps its cells as
    // written.
    if (markiertGerade_ || laedtGerade() || zeile < 1 || spalte < spalte_fx || spalte > spalte_f2)
        return;
    if (StringGrid1->cell(spalte, zeile).trimmed().isEmpty()) return;
    markieren(zeile, spalte);
}

void Tinterdlg::neu() {
    const QScopedValueRollback<bool> selbst(markiertGerade_, true);
    for (int r = 1; r < StringGrid1->rowCount(); ++r) {
        for (int c = 1; c < spalte_fx; ++c)
            StringGrid1->setCell(c, r, QStringLiteral("0"));
        for (int c = spalte_fx; c <= spalte_f2; ++c)
            StringGrid1->setCell(c, r, c == spalte_fx ? QStringLiteral("X") : QString());
    }
    Edit1->clear();
}

bool Tinterdlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    gitterAnpassen(felder::begrenzterWert(*spineditin1));
    return true;
}

bool Tinterdlg::berechnen() {
    const int n = linalg_groesse(felder::imBereich(*spineditin1));
    if (StringGrid1->rowCount() != n + 1 || StringGrid1->colCount() != spalte_f2 + 1)
        gitterAnpassen(n);
    std::vector<std::vector<long double>> werte;
    Gitterstelle fehler;
    const bool zahlen = zahlengitter_lesen(
        1, 2, 1, n, [this](int c, int r) { return StringGrid1->cell(c, r).toStdString(); }, werte,
        fehler);
    std::vector<Bedingung> bedingungen;
    for (int r = 1; zahlen && r <= n; ++r) {
        const auto art = markierung(StringGrid1->cell(spalte_fx, r).toStdString(),
                                    StringGrid1->cell(spalte_fx + 1, r).toStdString(),
                                    StringGrid1->cell(spalte_f2, r).toStdString());
        if (!art) break;
        const auto& w = werte[static_cast<std::size_t>(r - 1)];
        bedingungen.push_back({w[0], w[1], *art});
    }
    if (!zahlen || static_cast<int>(bedingungen.size()) != n) {
        meldung(QStringLiteral("Fehlerhafte Eingabe"), this);
        return false;
    }
    const auto p = interpolieren(bedingungen);
    if (!p) {
        Edit1->clear();
        meldung(QStringLiteral("Gleichung nicht lösbar"), this);
        return false;
    }
    Edit1->setText(QString::fromStdString(interpolationstext(*p, format().toStdString())));
    return true;
}

void Tinterdlg::rechne() {
    berechnen();
}

void Tinterdlg::zeichnen() {
    if (!berechnen()) return;
    Tdialogfkt* fenster = funktionZeichnen(format(), Edit1->text());
    zeichenfenster_ = fenster;
    QList<QStringList> punkte;
    for (int r = 1; r < StringGrid1->rowCount(); ++r)
        if (markierung(StringGrid1->cell(spalte_fx, r).toStdString(), {}, {}))
            punkte << QStringList{StringGrid1->cell(1, r).trimmed(),
                                  StringGrid1->cell(2, r).trimmed()};
    if (!punkte.isEmpty())
        punkteZeichnen(*fenster, QStringLiteral("inter.dat"), punkte, stil_kleiner_kreis);
}

void interpolation_registrieren() {
    fensterart_registrieren(QStringLiteral("Tinterdlg"), [] { return new Tinterdlg; });
}

} // namespace zol

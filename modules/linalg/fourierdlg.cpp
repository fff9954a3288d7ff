#include "modules/linalg/fourierdlg.h"

#include "shell/formeln/funktionseingabe.h"

#include "engine/fktbaum.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRect>
#include <QTabWidget>

#include <algorithm>
#include <utility>

namespace zol {

Tdialogfkt* Tfouranadlg::zeichenfenster() const {
    return zeichenfenster_.data();
}

void Tfouranadlg::gitterAnpassen(int n) {
    felder::eingabegroesse(*StringGrid1, 3, n + 1);
    felder::kopfzeile(*StringGrid1, {QStringLiteral("x"), QStringLiteral("y")});
    felder::zeilennummern(*StringGrid1);
}

bool Tfouranadlg::funktionLesen(Reellefunktion& f, Fourierauftrag& auftrag) {
    auftrag.a = felder::imBereich(*extendEdit1);
    auftrag.b = felder::imBereich(*extendEdit2);
    auftrag.simpson = felder::imBereich(*longintEdit1);
    auftrag.glieder = felder::imBereich(*longintEdit2);
    // The interval first: a wrong one needs no look at the definition.
    const std::string fehler = fourier_pruefen(auftrag);
    if (!fehler.empty()) {
        meldung(QString::fromStdString(fehler), this);
        return false;
    }
    const tfunktion* funktion = funktionNachschlagen(Edit1->text(), this);
    if (funktion == nullptr) return false;
    f = als_reellefunktion(*funktion);
    return true;
}

bool Tfouranadlg::punkteLesen(std::vector<Messpunkt>& punkte) {
    const int n = felder::imBereich(*spineditin1);
    // A file whose grid does not match its "Anzahl:" gets a grid of the right size first; a
    // cell the user emptied stays empty and is reported.
    if (StringGrid1->rowCount() != std::max(n, 1) + 1 || StringGrid1->colCount() != 3)
        gitterAnpassen(n);
    std::vector<std::vector<long double>> werte;
    if (!felder::gitterLesen(*StringGrid1, QRect(1, 1, 2, n), werte, this)) return false;
    punkte.clear();
    for (const std::vector<long double>& zeile : werte)
        punkte.push_back({zeile[0], zeile[1]});
    const std::string fehler = punkte_pruefen(punkte);
    if (fehler.empty()) return true;
    meldung(QString::fromStdString(fehler), this);
    return false;
}

bool Tfouranadlg::datenLesen(Reellefunktion& f, Fourierauftrag& auftrag) {
    std::vector<Messpunkt> punkte;
    if (!punkteLesen(punkte)) return false;
    auftrag.a = punkte.front().x;
    auftrag.b = punkte.back().x;
    auftrag.simpson = felder::imBereich(*longintEdit3);
    auftrag.glieder = felder::imBereich(*longintEdit4);
    // Points too far apart for one number (-1E4932 and 1E4932) leave no interval.
    const std::string fehler = fourier_pruefen(auftrag);
    if (!fehler.empty()) {
        meldung(QString::fromStdString(fehler), this);
        return false;
    }
    f = stueckweise_linear(std::move(punkte));
    return true;
}

bool Tfouranadlg::berechnen(Zeichenbereich* bereich) {
    const bool funktion = TabbedNotebook1->currentIndex() == seite_funktion;
    Reellefunktion f;
    Fourierauftrag auftrag;
    if (!(funktion ? funktionLesen(f, auftrag) : datenLesen(f, auftrag))) {
        ergebnisseVerwerfen();
        return false;
    }
    Fourierreihe reihe;
    std::string fehler;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = fourier_berechnen(f, auftrag, reihe, fehler);
    if (ok && bereich != nullptr) *bereich = fourier_zeichenbereich(f, auftrag.a, auftrag.b);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        meldung(QString::fromStdString(fehler), this);
        ergebnisseVerwerfen();
        return false;
    }
    // The definition heads the list only when it is what was analysed.
    const std::string kopf = funktion ? Edit1->text().toStdString() : std::string();
    QStringList zeilen;
    for (const std::string& z : fourier_zeilen(reihe, format().toStdString(), kopf))
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    return true;
}

void Tfouranadlg::rechne() {
    berechnen();
}

void Tfouranadlg::ergebnisseEintragen() {
    for (const QString& zeile : ergebniszeilen()) {
        if (zeile.contains(QLatin1Char(';'))) continue;
        if (!formelbaum().definiere(zeile.toStdString()))
            meldung(QStringLiteral(" Fehlerhafter Ausdruck\n") + zeile, this);
    }
}

// The plot shows the analysed interval, where the series stands for the function; beyond it
// the series repeats.
void Tfouranadlg::zeichnen() {
    Zeichenbereich b;
    if (!berechnen(&b)) return;
    ergebnisseEintragen();
    Tdialogfkt* fenster = funktionZeichnen(format(), QStringLiteral("four(x)=AN(x)+BN(x)"));
    zeichenfenster_ = fenster;
    fenster->setzeBereich(b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt);
    if (TabbedNotebook1->currentIndex() == seite_funktion) {
        fenster->setzeDefinition(Edit1->text());
        fenster->hinzufuegen();
        return;
    }
    // The table as the analysis sees it: straight lines between the points.
    QList<QStringList> zeilen;
    for (int r = 1; r <= spineditin1->Value(); ++r)
        zeilen << QStringList{StringGrid1->cell(1, r), StringGrid1->cell(2, r)};
    punkteZeichnen(*fenster, QStringLiteral("four.dat"), zeilen, stil_linie);
}

void fourieranalyse_registrieren() {
    fensterart_registrieren(QStringLiteral("Tfouranadlg"), [] { return new Tfouranadlg; });
}

} // namespace zol

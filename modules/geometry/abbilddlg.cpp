#include "modules/geometry/abbilddlg.h"

#include "modules/geometry/zeichenrahmen.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/eingabe/zahlfilter.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QRect>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

namespace zol {

Tdialogfkt* Tabbilddlg::zeichenfenster() const {
    return zeichenfenster_.data();
}

void Tabbilddlg::gitterAnpassen(int n) {
    bilderBerechnet_ = false;
    for (TStringGrid* g : {StringGrid1, StringGrid2}) {
        felder::eingabegroesse(*g, 3, n + 1);
        felder::kopfzeile(*g, {QStringLiteral("x"), QStringLiteral("y")});
        felder::zeilennummern(*g);
        // A grid keeps one row below its header; without points that row stays blank.
        if (n == 0)
            for (int c = 0; c < g->colCount(); ++c)
                g->setCell(c, 1, QString());
    }
}

// A file of the statistics window shares the marker "sta" and is read as far as its controls
// match; afterwards the grids fit the count again and the reflection has a choice.
bool Tabbilddlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    gitterAnpassen(felder::begrenzterWert(*spineditin1));
    if (RadioGroup2->itemIndex() < 0 || RadioGroup2->itemIndex() >= spiegelarten)
        RadioGroup2->setItemIndex(0);
    return true;
}

bool Tabbilddlg::abbildungLesen(Ebenenabbildung& abbildung) {
    auto wert = [this](int nummer) { return felder::imBereich(*extendEdit[nummer - 1]); };
    Abbildungsvorgabe v;
    v.art = static_cast<Abbildungsart>(std::clamp(Note->currentIndex(), 0, 3));
    switch (v.art) {
    case Abbildungsart::verschiebung:
        v.verschiebung = {wert(1), wert(2)};
        break;
    case Abbildungsart::spiegelung:
        v.spiegelart =
            static_cast<Spiegelart>(std::clamp(RadioGroup2->itemIndex(), 0, spiegelarten - 1));
        // The fields in the order the buttons use them: 3 and 5 for the first value pair, 6 and
        // 4 for the second.
        v.punkt1 = {wert(3), wert(5)};
        v.punkt2 = {wert(6), wert(4)};
        v.m = wert(3);
        v.t = wert(5);
        v.k = wert(3);
        break;
    case Abbildungsart::drehung:
        v.drehpunkt = {wert(7), wert(8)};
        v.drehwinkel = wert(9);
        break;
    case Abbildungsart::streckung:
        v.streckzentrum = {wert(10), wert(11)};
        v.streckfaktor = wert(12);
        break;
    }
    std::string fehler;
    if (abbildung_aufstellen(v, abbildung, fehler)) return true;
    meldung(QString::fromStdString(fehler), this);
    return false;
}

bool Tabbilddlg::punkteLesen(std::vector<Vektor2>& punkte) {
    const int n = felder::imBereich(*spineditin1);
    if (StringGrid1->rowCount() != std::max(n, 1) + 1 || StringGrid1->colCount() != 3 ||
        StringGrid2->rowCount() != StringGrid1->rowCount())
        gitterAnpassen(n);
    punkte.clear();
    if (n == 0) return true;
    std::vector<std::vector<long double>> werte;
    if (!felder::gitterLesen(*StringGrid1, QRect(1, 1, 2, n), werte, this)) return false;
    punkte.reserve(werte.size());
    for (const std::vector<long double>& zeile : werte)
        punkte.push_back({zeile[0], zeile[1]});
    return true;
}

bool Tabbilddlg::berechnen() {
    std::vector<Vektor2> punkte;
    Ebenenabbildung abbildung;
    bilderBerechnet_ = false;
    if (!punkteLesen(punkte) || !abbildungLesen(abbildung)) {
        for (int r = 1; r < StringGrid2->rowCount(); ++r)
            for (int c = 1; c < StringGrid2->colCount(); ++c)
                StringGrid2->setCell(c, r, QString());
        return false;
    }
    const std::vector<std::vector<std::string>> texte =
        bildtexte(abbildung, punkte, format().toStdString());
    StringGrid2->setUpdatesEnabled(false);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const int zeile = static_cast<int>(i) + 1;
        StringGrid2->setCell(1, zeile, QString::fromStdString(texte[i][0]));
        StringGrid2->setCell(2, zeile, QString::fromStdString(texte[i][1]));
    }
    StringGrid2->setUpdatesEnabled(true);
    bilderBerechnet_ = true;
    return true;
}

void Tabbilddlg::rechne() {
    berechnen();
}

void Tabbilddlg::zeichnen() {
    if (felder::imBereich(*spineditin1) == 0) {
        hinweis(QStringLiteral("Es gibt nichts zu zeichnen: die Anzahl der Punkte ist 0."), this);
        return;
    }
    if (!berechnen()) return;
    const int n = spineditin1->Value();
    QList<QStringList> urbild, bild;
    urbild.reserve(n);
    bild.reserve(n);
    std::vector<Vektor2> alle;
    alle.reserve(2 * static_cast<std::size_t>(n));
    for (TStringGrid* g : {StringGrid1, StringGrid2}) {
        QList<QStringList>& zeilen = g == StringGrid1 ? urbild : bild;
        for (int r = 1; r <= n; ++r) {
            zeilen << QStringList{g->cell(1, r), g->cell(2, r)};
            Vektor2 p;
            if (eingabe::dezimal_lesen(g->cell(1, r), p.x) &&
                eingabe::dezimal_lesen(g->cell(2, r), p.y))
                alle.push_back(p);
        }
    }
    Tdialogfkt* fenster = neuesZeichenfenster(format());
    zeichenfenster_ = fenster;
    const Zeichenrahmen b = zeichenrahmen(alle);
    fenster->setzeBereich(b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt);
    punkteZeichnen(*fenster, QStringLiteral("urbild.dat"), urbild, stil_grosser_kreis);
    punkteZeichnen(*fenster, QStringLiteral("bild.dat"), bild, stil_kleines_quadrat);
}

void Tabbilddlg::ergebnisAlsEingabe() {
    const int n = std::min(felder::begrenzterWert(*spineditin1), StringGrid2->rowCount() - 1);
    for (int r = 1; r <= n; ++r)
        if (!bilderBerechnet_ || StringGrid2->cell(1, r).isEmpty() ||
            StringGrid2->cell(2, r).isEmpty()) {
            meldung(QStringLiteral("Es sind keine Bildpunkte berechnet."), this);
            return;
        }
    StringGrid1->setUpdatesEnabled(false);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= 2; ++c)
            StringGrid1->setCell(c, r, StringGrid2->cell(c, r));
    StringGrid1->setUpdatesEnabled(true);
    setzeGeaendert(true);
}

void abbildungen_registrieren() {
    fensterart_registrieren(QStringLiteral("Tabbilddlg"), [] { return new Tabbilddlg; });
}

} // namespace zol

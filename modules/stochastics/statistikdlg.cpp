#include "modules/stochastics/statistikdlg.h"

#include "engine/zahlformat.h"
#include "modules/stochastics/statistikrechnung.h"
#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "shell/zeichnen/uebergabe.h"

#include <QPlainTextEdit>
#include <QRect>

namespace zol {

Tdialogfkt* Tstatistikdlg::zeichenfenster() const {
    return zeichenfenster_.data();
}

void Tstatistikdlg::gitterAnpassen(int n) {
    felder::eingabegroesse(*StringGrid1, 3, statistik_paarzahl(n) + 1);
    felder::kopfzeile(*StringGrid1, {QStringLiteral("x"), QStringLiteral("y")});
    felder::zeilennummern(*StringGrid1);
}

int Tstatistikdlg::paarzahl() {
    return statistik_paarzahl(felder::imBereich(*spineditin1));
}

bool Tstatistikdlg::laden(const QString& datei) {
    if (!Tmodulfenster::laden(datei)) return false;
    const int n = statistik_paarzahl(felder::begrenzterWert(*spineditin1));
    if (StringGrid1->rowCount() != n + 1 || StringGrid1->colCount() != 3) gitterAnpassen(n);
    return true;
}

void Tstatistikdlg::ergebnisseVerwerfen() {
    Memo1->clear();
    linear_.clear();
    exponential_.clear();
    potenz_.clear();
}

bool Tstatistikdlg::berechnen() {
    // The previous results go first, so that nothing of earlier data is drawn or defined.
    ergebnisseVerwerfen();
    const int n = paarzahl();
    if (StringGrid1->rowCount() != n + 1 || StringGrid1->colCount() != 3) gitterAnpassen(n);
    std::vector<std::vector<long double>> werte;
    if (!felder::gitterLesen(*StringGrid1, QRect(1, 1, 2, n), werte, this)) return false;
    std::vector<Wertepaar> paare;
    paare.reserve(werte.size());
    for (const std::vector<long double>& zeile : werte)
        paare.push_back({zeile[0], zeile[1]});
    Statistik s;
    if (!statistik_berechnen(paare, s)) {
        meldung(QString::fromLatin1(statistik_fehler), this);
        return false;
    }
    const std::string bild = format().toStdString();
    QStringList zeilen;
    for (const std::string& z : statistik_zeilen(s, bild))
        zeilen << QString::fromStdString(z);
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    linear_ = QString::fromStdString(reglin_zeile(s, bild));
    exponential_ = QString::fromStdString(regexp_zeile(s, bild));
    potenz_ = QString::fromStdString(regpot_zeile(s, bild));
    return true;
}

void Tstatistikdlg::rechne() {
    berechnen();
}

// The points go over as the numbers read, not as typed: a cell " 1,5 " or "1e1" is a number
// here, and the plot window gets it in the general form.
void Tstatistikdlg::zeichnen() {
    if (!berechnen()) return;
    Tdialogfkt* fenster = funktionZeichnen(format(), linear_);
    zeichenfenster_ = fenster;
    const int n = paarzahl();
    std::vector<std::vector<long double>> werte;
    if (!felder::gitterLesen(*StringGrid1, QRect(1, 1, 2, n), werte, this)) return;
    QList<QStringList> zeilen;
    zeilen.reserve(n);
    std::vector<Wertepaar> punkte;
    for (const std::vector<long double>& w : werte) {
        zeilen << QStringList{QString::fromStdString(allgemeinformat(w[0])),
                              QString::fromStdString(allgemeinformat(w[1]))};
        punkte.push_back({w[0], w[1]});
    }
    // The points decide the range; the plot window's default -3 … 3 would hide most data.
    const Punktbereich b = punktbereich(punkte);
    fenster->setzeBereich(b.xmin, b.xmax, b.xschritt, b.ymin, b.ymax, b.yschritt);
    punkteZeichnen(*fenster, QStringLiteral("stat.dat"), zeilen, stil_kleiner_kreis);
}

void statistik_registrieren() {
    fensterart_registrieren(QStringLiteral("Tstatistikdlg"), [] { return new Tstatistikdlg; });
}

} // namespace zol

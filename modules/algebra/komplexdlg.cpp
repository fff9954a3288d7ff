#include "modules/algebra/komplexdlg.h"

#include "shell/dienste/meldungsdienst.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/radiogruppe.h"

#include "engine/zahlformat.h"

#include <QTabWidget>

#include <algorithm>

namespace zol {

// Within the field's range, in the window's number format.
void Tkomplexdlg::wertSchreiben(TextendEdit& feld, long double wert) const {
    const long double w = std::clamp(wert, feld.MinValue(), feld.MaxValue());
    feld.setText(QString::fromStdString(zol::format(format().toStdString(), w)));
}

QList<QWidget*> Tkomplexdlg::ergebnisanzeigen() const {
    return {txtshape1, txtshape2};
}

Winkeleinheit Tkomplexdlg::einheit() const {
    switch (RadioGroup1->itemIndex()) {
    case 1:
        return Winkeleinheit::radiant;
    case 2:
        return Winkeleinheit::gon;
    default:
        return Winkeleinheit::grad;
    }
}

std::array<TextendEdit*, 4> Tkomplexdlg::felder(int operand) const {
    const std::size_t erster = operand == 1 ? 0 : 4;
    return {extendEdit[erster], extendEdit[erster + 1], extendEdit[erster + 2],
            extendEdit[erster + 3]};
}

QTabWidget* Tkomplexdlg::notizbuch(int operand) const {
    return operand == 1 ? TabbedNotebook1 : TabbedNotebook2;
}

void Tkomplexdlg::schreiben(int operand, const Komplexzahl& z) {
    const std::array<TextendEdit*, 4> f = felder(operand);
    wertSchreiben(*f[0], z.a);
    wertSchreiben(*f[1], z.b);
    wertSchreiben(*f[2], z.r);
    wertSchreiben(*f[3], z.phi);
}

// The fields of the page are first brought into their range, so the conversion uses what the
// user then sees.
Komplexzahl Tkomplexdlg::umrechnen(int operand, int seite) {
    const std::array<TextendEdit*, 4> f = felder(operand);
    Komplexzahl z;
    if (seite == 0) {
        z.a = felder::imBereich(*f[0]);
        z.b = felder::imBereich(*f[1]);
        polar_aus_normal(z, einheit());
        wertSchreiben(*f[2], z.r);
        wertSchreiben(*f[3], z.phi);
    } else {
        z.r = felder::imBereich(*f[2]);
        z.phi = felder::imBereich(*f[3]);
        normal_aus_polar(z, einheit());
        wertSchreiben(*f[0], z.a);
        wertSchreiben(*f[1], z.b);
    }
    return z;
}

void Tkomplexdlg::rechnen(Komplexart art) {
    const Komplexzahl z1 = umrechnen(1, TabbedNotebook1->currentIndex());
    const Komplexzahl z2 = umrechnen(2, TabbedNotebook2->currentIndex());
    std::string fehler;
    if (!komplex_rechnen(art, z1, z2, einheit(), ergebnis_, fehler)) {
        meldung(QString::fromStdString(fehler), this);
        return;
    }
    const std::string bild = format().toStdString();
    txtshape1->setText(QString::fromStdString(polargleichung(z1, z2, art, ergebnis_, bild)));
    txtshape2->setText(QString::fromStdString(normalgleichung(z1, z2, art, ergebnis_, bild)));
}

void Tkomplexdlg::ergebnisUebernehmen(int operand) {
    schreiben(operand, ergebnis_);
}

void komplex_registrieren() {
    fensterart_registrieren(QStringLiteral("Tkomplexdlg"), [] { return new Tkomplexdlg; });
}

} // namespace zol

#include "shell/eingabe/ergebnisfeld.h"

#include "engine/reellefunktion.h"
#include "shell/eingabe/zahlfilter.h"

#include <cmath>

namespace zol {

Tergebnisfeld::Tergebnisfeld(QWidget* eltern) : TextendEdit(eltern) {
    setReadOnly(true);
    setMinValue(0);
    setMaxValue(0); // no bounds
    TextendEdit::setFormatstr(QStringLiteral("0.00"));
    TextendEdit::setFormatenabled(true);
    leeren();
}

void Tergebnisfeld::zeige(long double wert, bool berechnet) {
    wert_ = wert;
    zustand_ = berechnet && std::isfinite(wert) ? Zustand::zahl : Zustand::undefiniert;
    anzeigen();
}

void Tergebnisfeld::leeren() {
    zustand_ = Zustand::leer;
    wert_ = 0;
    anzeigen();
}

bool Tergebnisfeld::wert(long double& ergebnis) const {
    if (text() != gezeigt_) return eingabe::dezimal_lesen(text(), ergebnis);
    if (zustand_ != Zustand::zahl) return false;
    ergebnis = wert_;
    return true;
}

void Tergebnisfeld::anzeigen() {
    switch (zustand_) {
    case Zustand::leer:
        gezeigt_.clear();
        break;
    case Zustand::undefiniert:
        gezeigt_ = QString::fromLatin1(nicht_definiert);
        break;
    case Zustand::zahl:
        gezeigt_ = eingabe::dezimal_text(wert_, Formatenabled(), Formatstr());
        break;
    }
    setText(gezeigt_);
}

template <class Aenderung> void Tergebnisfeld::neuFormatieren(Aenderung aenderung) {
    const QString vorher = text();
    long double w = 0;
    const bool zahl = wert(w);
    const bool eigen = vorher == gezeigt_;
    aenderung(); // the input field's rule rewrites the text; this field decides it below
    if (zahl)
        zeige(w);
    else if (eigen)
        anzeigen();
    else
        setText(vorher); // a text from a file that is no number stays as it was
}

void Tergebnisfeld::setFormatstr(const QString& bild) {
    neuFormatieren([&] { TextendEdit::setFormatstr(bild); });
}

void Tergebnisfeld::setFormatenabled(bool an) {
    neuFormatieren([&] { TextendEdit::setFormatenabled(an); });
}

} // namespace zol

#include "shell/eingabe/spineditex.h"

namespace zol {

TSpinEditex::TSpinEditex(QWidget* eltern) : Tspinbasis(eingabe::Zahlart::dezimal, eltern) {}

long double TSpinEditex::Value() const {
    long double wert = 0;
    eingabe::dezimal_lesen(text(), wert);
    return wert;
}

void TSpinEditex::setValue(long double wert) {
    if (min_ != max_) wert = eingabe::begrenzt(wert, min_, max_);
    setText(eingabe::dezimal_text(wert, formatenabled_, formatstr_));
}

void TSpinEditex::setFormatstr(const QString& bild) {
    const long double wert = Value();
    formatstr_ = bild;
    setValue(wert);
}

void TSpinEditex::setFormatenabled(bool an) {
    const long double wert = Value();
    formatenabled_ = an;
    setValue(wert);
}

void TSpinEditex::schritt(int schritte) {
    setValue(Value() + schritte * schritt_);
}

} // namespace zol

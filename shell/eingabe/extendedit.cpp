#include "shell/eingabe/extendedit.h"

#include "shell/eingabe/zahlfilter.h"

#include <QKeyEvent>

namespace zol {

TextendEdit::TextendEdit(QWidget* eltern) : QLineEdit(QStringLiteral("0"), eltern) {
    // Input methods would bypass the keystroke filter; numbers need none.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

long double TextendEdit::Value() const {
    long double wert = 0;
    eingabe::dezimal_lesen(text(), wert);
    return wert;
}

void TextendEdit::setValue(long double wert) {
    if (min_ < max_) wert = eingabe::begrenzt(wert, min_, max_);
    setText(eingabe::dezimal_text(wert, formatenabled_, formatstr_));
}

void TextendEdit::setFormatstr(const QString& bild) {
    const long double wert = Value();
    formatstr_ = bild;
    setValue(wert);
}

void TextendEdit::setFormatenabled(bool an) {
    const long double wert = Value();
    formatenabled_ = an;
    setValue(wert);
}

void TextendEdit::keyPressEvent(QKeyEvent* e) {
    if (eingabe::taste_abweisen(e, this, eingabe::Zahlart::dezimal, true, !isEnabled())) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace zol

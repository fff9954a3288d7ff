#include "shell/eingabe/longintedit.h"

#include "shell/eingabe/zahlfilter.h"

#include <QKeyEvent>

namespace zol {

TlongintEdit::TlongintEdit(QWidget* eltern) : QLineEdit(QStringLiteral("0"), eltern) {
    // Input methods would bypass the keystroke filter; numbers need none.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

qint32 TlongintEdit::Value() const {
    qint32 wert = 0;
    eingabe::ganz_lesen(text(), wert);
    return wert;
}

void TlongintEdit::setValue(qint32 wert) {
    if (min_ != max_) wert = eingabe::begrenzt(wert, min_, max_);
    setText(eingabe::ganz_text(wert));
}

void TlongintEdit::keyPressEvent(QKeyEvent* e) {
    if (eingabe::taste_abweisen(e, this, eingabe::Zahlart::ganz, true, !isEnabled())) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace zol

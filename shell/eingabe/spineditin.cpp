#include "shell/eingabe/spineditin.h"

#include <limits>

namespace zol {

Tspineditin::Tspineditin(QWidget* eltern) : Tspinbasis(eingabe::Zahlart::ganz, eltern) {}

qint32 Tspineditin::Value() const {
    qint32 wert = 0;
    return eingabe::ganz_lesen(text(), wert) ? wert : min_;
}

qint32 Tspineditin::begrenzt(qint64 wert) const {
    // Steps near the ends of the 32-bit range stop there instead of wrapping around.
    wert = eingabe::begrenzt<qint64>(wert, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max());
    if (min_ != max_) wert = eingabe::begrenzt<qint64>(wert, min_, max_);
    return static_cast<qint32>(wert);
}

void Tspineditin::setValue(qint32 wert) {
    setText(eingabe::ganz_text(begrenzt(wert)));
}

void Tspineditin::schritt(int schritte) {
    setValue(begrenzt(qint64{Value()} + qint64{schritte} * schritt_));
}

void Tspineditin::focusOutEvent(QFocusEvent* e) {
    Tspinbasis::focusOutEvent(e);
    const qint32 wert = Value();
    if (begrenzt(wert) != wert) setValue(wert);
}

} // namespace zol

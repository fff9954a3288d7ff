#pragma once
// Tspineditin: a 32-bit whole number with up/down buttons (see zahleingaben.h).
#include "shell/eingabe/spinbasis.h"

namespace zol {

class Tspineditin : public Tspinbasis {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)

public:
    // Starts with the text "0", no bounds (MinValue = MaxValue = 0) and Increment 1.
    explicit Tspineditin(QWidget* eltern = nullptr);

    // The number in the text; MinValue when the text is no 32-bit whole number.
    qint32 Value() const;
    // Clamps to the bounds (only when MinValue and MaxValue differ) and writes the number.
    void setValue(qint32 wert);

    qint32 MinValue() const { return min_; }
    void setMinValue(qint32 wert) { min_ = wert; }
    qint32 MaxValue() const { return max_; }
    void setMaxValue(qint32 wert) { max_ = wert; }
    qint32 Increment() const { return schritt_; }
    void setIncrement(qint32 wert) { schritt_ = wert; }

protected:
    void schritt(int schritte) override;
    // Leaving the field replaces a value outside the bounds by the clamped one.
    void focusOutEvent(QFocusEvent* e) override;

private:
    qint32 begrenzt(qint64 wert) const;

    qint32 min_ = 0;
    qint32 max_ = 0;
    qint32 schritt_ = 1;
};

} // namespace zol

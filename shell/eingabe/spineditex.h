#pragma once
// TSpinEditex: a decimal number with up/down buttons (see zahleingaben.h).
#include "shell/eingabe/spinbasis.h"

namespace zol {

class TSpinEditex : public Tspinbasis {
    Q_OBJECT
    Q_PROPERTY(QString Formatstr READ Formatstr WRITE setFormatstr)
    Q_PROPERTY(bool Formatenabled READ Formatenabled WRITE setFormatenabled)

public:
    // Starts with the text "0", no bounds (MinValue = MaxValue = 0), Increment 1 and the
    // picture "000.00" switched off.
    explicit TSpinEditex(QWidget* eltern = nullptr);

    // The number in the text; 0 when the text is no number. Reading never clamps.
    long double Value() const;
    // Clamps to the bounds (only when MinValue and MaxValue differ), then writes the general
    // form or, with Formatenabled, the picture Formatstr.
    void setValue(long double wert);

    long double MinValue() const { return min_; }
    void setMinValue(long double wert) { min_ = wert; }
    long double MaxValue() const { return max_; }
    void setMaxValue(long double wert) { max_ = wert; }
    long double Increment() const { return schritt_; }
    void setIncrement(long double wert) { schritt_ = wert; }

    // Both rewrite the current value with the new setting at once.
    QString Formatstr() const { return formatstr_; }
    void setFormatstr(const QString& bild);
    bool Formatenabled() const { return formatenabled_; }
    void setFormatenabled(bool an);

protected:
    void schritt(int schritte) override;

private:
    long double min_ = 0;
    long double max_ = 0;
    long double schritt_ = 1;
    QString formatstr_ = QStringLiteral("000.00");
    bool formatenabled_ = false;
};

} // namespace zol

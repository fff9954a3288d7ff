#pragma once
// TextendEdit: a one-line field for a decimal number (see zahleingaben.h for the family).
#include <QLineEdit>

namespace zol {

class TextendEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Formatstr READ Formatstr WRITE setFormatstr)
    Q_PROPERTY(bool Formatenabled READ Formatenabled WRITE setFormatenabled)

public:
    // Starts with the text "0", bounds -1E60 and 1E60, picture "000.00" switched off.
    explicit TextendEdit(QWidget* eltern = nullptr);

    // The number in the text; 0 when the text is no number. Reading never clamps.
    long double Value() const;
    // Clamps to the bounds (only when MinValue < MaxValue), then writes the general form or,
    // with Formatenabled, the picture Formatstr.
    void setValue(long double wert);

    long double MinValue() const { return min_; }
    void setMinValue(long double wert) { min_ = wert; }
    long double MaxValue() const { return max_; }
    void setMaxValue(long double wert) { max_ = wert; }

    // Both rewrite the current value with the new setting at once.
    QString Formatstr() const { return formatstr_; }
    void setFormatstr(const QString& bild);
    bool Formatenabled() const { return formatenabled_; }
    void setFormatenabled(bool an);

    // The raw text: QLineEdit::text() and setText() (no clamping, no formatting).

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    long double min_ = -1e60L;
    long double max_ = 1e60L;
    QString formatstr_ = QStringLiteral("000.00");
    bool formatenabled_ = false;
};

} // namespace zol

#pragma once
// TlongintEdit: a one-line field for a 32-bit whole number (see zahleingaben.h).
#include <QLineEdit>

namespace zol {

class TlongintEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)

public:
    // Starts with the text "0" and without bounds (MinValue = MaxValue = 0).
    explicit TlongintEdit(QWidget* eltern = nullptr);

    // The number in the text; 0 when the text is no 32-bit whole number. Never clamps.
    qint32 Value() const;
    // Clamps to the bounds (only when MinValue and MaxValue differ) and writes the number.
    void setValue(qint32 wert);

    qint32 MinValue() const { return min_; }
    void setMinValue(qint32 wert) { min_ = wert; }
    qint32 MaxValue() const { return max_; }
    void setMaxValue(qint32 wert) { max_ = wert; }

    // The raw text: QLineEdit::text() and setText().

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    qint32 min_ = 0;
    qint32 max_ = 0;
};

} // namespace zol

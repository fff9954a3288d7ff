#pragma once
// Shared by the four numeric input controls: which typed character a number field accepts,
// and the conversions between field text and number (always with the decimal comma).
#include <QString>

class QKeyEvent;
class QLineEdit;

namespace zol::eingabe {

enum class Zahlart { dezimal, ganz };

// Whether c may be inserted at caret into text. text is the field's text as it will be just
// before the insertion, i.e. without any selection that the character replaces.
bool zeichen_erlaubt(Zahlart art, QChar c, const QString& text, int caret);

// Applies the keystroke filter to a key event aimed at feld. True means the key is refused:
// the caller accepts the event and does not pass it on. leerzeichen_weg removes leading
// blanks and tabs before an accepted candidate is checked; gesperrt refuses every printable
// character as well as Backspace and Delete (editor switched off).
bool taste_abweisen(const QKeyEvent* e, QLineEdit* feld, Zahlart art, bool leerzeichen_weg,
                    bool gesperrt);

// Field text to number. Blanks around the number are ignored; false (and 0) for anything
// that is not a number, never a message.
bool dezimal_lesen(const QString& text, long double& wert);
// A 32-bit whole number with an optional sign; false (and 0) otherwise, also out of range.
bool ganz_lesen(const QString& text, qint32& wert);

// Number to field text: the general form, or the picture when formatiert is set.
QString dezimal_text(long double wert, bool formatiert, const QString& bild);
// A whole number as plain decimal digits with a leading "-" when negative.
QString ganz_text(qint32 wert);

// Clamps wert to [min, max] (below min gives min, above max gives max).
template <class T> T begrenzt(T wert, T min, T max) {
    if (wert < min) return min;
    if (wert > max) return max;
    return wert;
}

} // namespace zol::eingabe

#pragma once
// Tergebnisfeld: a read-only decimal field that shows a computed result. Unlike an input field
// it has no bounds (50! shows as 3,04140932017134E64, not clamped to 1E60), and a value that
// could not be computed shows "n. d.", never "INF", "NAN" or a stand-in number. It remembers the
// full value, so a new number format re-displays it without the rounding of the old one.
#include "shell/eingabe/extendedit.h"

namespace zol {

class Tergebnisfeld : public TextendEdit {
    Q_OBJECT
    // Shadows the input field's properties, so the frame's number format reaches this class.
    Q_PROPERTY(QString Formatstr READ Formatstr WRITE setFormatstr)
    Q_PROPERTY(bool Formatenabled READ Formatenabled WRITE setFormatenabled)

public:
    // Read-only, empty, with the picture "0.00" switched on.
    explicit Tergebnisfeld(QWidget* eltern = nullptr);

    // Shows a result; "n. d." when it was not computed or is not finite.
    void zeige(long double wert, bool berechnet = true);
    // No result (after a failed computation, or before the first).
    void leeren();
    // The value shown: true with the full value when the field holds a number.
    bool wert(long double& ergebnis) const;

    void setFormatstr(const QString& bild);
    void setFormatenabled(bool an);

private:
    void anzeigen();
    // Runs a change of the picture and shows the result again in the new form.
    template <class Aenderung> void neuFormatieren(Aenderung aenderung);

    enum class Zustand { leer, undefiniert, zahl };
    long double wert_ = 0;
    Zustand zustand_ = Zustand::leer;
    QString gezeigt_; // the text this field wrote last; other text came from a file or a user
};

} // namespace zol

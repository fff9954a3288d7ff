#pragma once
// What Tspineditin and TSpinEditex share: a text field with an up/down button pair drawn by
// the style, the editor and button switches, the keystroke filter and the read-only beep.
#include "shell/eingabe/zahlfilter.h"

#include <QAbstractSpinBox>

namespace zol {

class Tspinbasis : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(bool spinEnabled READ spinEnabled WRITE setSpinEnabled)
    Q_PROPERTY(bool Ergekont READ Ergekont WRITE setErgekont)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)

public:
    // The raw text: text() (from QAbstractSpinBox) and setText(), no clamping or formatting.
    void setText(const QString& text);

    // Typing, Backspace, Delete, cut and paste are possible only while the editor is on.
    bool EditorEnabled() const { return editor_an_; }
    void setEditorEnabled(bool an);
    // Switches the up/down buttons, the Up/Down keys and the mouse wheel on or off.
    bool spinEnabled() const { return spin_an_; }
    void setSpinEnabled(bool an);
    // Kept for the windows; the control itself does not use it.
    bool Ergekont() const { return ergekont_; }
    void setErgekont(bool an) { ergekont_ = an; }
    // Select the whole text when focus arrives other than by a mouse click.
    bool AutoSelect() const { return autoselect_; }
    void setAutoSelect(bool an) { autoselect_ = an; }

    // One step up (+1) or down (-1) by Increment; on a read-only control only a beep.
    void stepBy(int schritte) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void textChanged(const QString& text);
    // Only for the user's typing, pasting or stepping, not for texts a program sets.
    void textEdited();

protected:
    Tspinbasis(eingabe::Zahlart art, QWidget* eltern);
    // Value := Value + schritte * Increment, clamped.
    virtual void schritt(int schritte) = 0;

    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void editor_sperren();

    eingabe::Zahlart art_;
    bool editor_an_ = true;
    bool spin_an_ = true;
    bool ergekont_ = false;
    bool autoselect_ = true;
};

} // namespace zol

#pragma once
// Helpers for the input control tests: the text field inside a control, preset text and caret,
// and key events with a chosen text.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace zol::testhilfe {

// The field that holds the text: the control itself or the spin box's editor.
inline QLineEdit* editfeld(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e;
    return w->findChild<QLineEdit*>();
}

// Text with the caret at `caret` (-1: at the end) and `laenge` characters selected from there.
inline void vorgeben(QWidget* w, const QString& text, int caret = -1, int laenge = 0) {
    QLineEdit* e = editfeld(w);
    e->setText(text);
    const int anfang = caret < 0 ? static_cast<int>(text.size()) : caret;
    if (laenge > 0)
        e->setSelection(anfang, laenge);
    else
        e->setCursorPosition(anfang);
}

// A key press and release carrying `text`, as a keyboard delivers it.
inline void taste(QWidget* w, int key, const QString& text = {},
                  Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QKeyEvent druck(QEvent::KeyPress, key, mod, text);
    QApplication::sendEvent(w, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, mod, text);
    QApplication::sendEvent(w, &los);
}

// Centre of the up or down button of a spin control, as the style lays them out.
inline QPoint knopfmitte(QAbstractSpinBox* w, bool hoch) {
    QStyleOptionSpinBox opt;
    opt.initFrom(w);
    opt.subControls = QStyle::SC_All;
    opt.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    opt.frame = true;
    opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    return w->style()
        ->subControlRect(QStyle::CC_SpinBox, &opt,
                         hoch ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, w)
        .center();
}

} // namespace zol::testhilfe

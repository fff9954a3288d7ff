#include "shell/eingabe/spinbasis.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace zol {

Tspinbasis::Tspinbasis(eingabe::Zahlart art, QWidget* eltern)
    : QAbstractSpinBox(eltern), art_(art) {
    // Input methods would bypass the keystroke filter; numbers need none.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &Tspinbasis::textChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &Tspinbasis::textEdited);
    setText(QStringLiteral("0"));
}

void Tspinbasis::setText(const QString& text) {
    lineEdit()->setText(text);
}

void Tspinbasis::setEditorEnabled(bool an) {
    editor_an_ = an;
    editor_sperren();
}

void Tspinbasis::setSpinEnabled(bool an) {
    spin_an_ = an;
    update(); // the buttons are drawn enabled or disabled from stepEnabled()
}

// A read-only editor refuses cut, paste and drops, from the keyboard and the context menu.
void Tspinbasis::editor_sperren() {
    lineEdit()->setReadOnly(isReadOnly() || !editor_an_);
}

void Tspinbasis::stepBy(int schritte) {
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    schritt(schritte);
    emit textEdited();
}

QAbstractSpinBox::StepEnabled Tspinbasis::stepEnabled() const {
    // Read-only controls keep their buttons so that a click beeps instead of doing nothing.
    return spin_an_ ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void Tspinbasis::keyPressEvent(QKeyEvent* e) {
    if (eingabe::taste_abweisen(e, lineEdit(), art_, art_ == eingabe::Zahlart::dezimal,
                                !editor_an_ || !isEnabled())) {
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        e->accept();
        if (spin_an_) stepBy(e->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QAbstractSpinBox::keyPressEvent(e);
}

void Tspinbasis::focusInEvent(QFocusEvent* e) {
    QAbstractSpinBox::focusInEvent(e);
    if (e->reason() == Qt::MouseFocusReason) return;
    if (autoselect_)
        selectAll();
    else
        lineEdit()->deselect();
}

void Tspinbasis::wheelEvent(QWheelEvent* e) {
    // Scrolling over a read-only field must not beep; let the parent have the wheel.
    if (isReadOnly()) {
        e->ignore();
        return;
    }
    QAbstractSpinBox::wheelEvent(e);
}

void Tspinbasis::changeEvent(QEvent* e) {
    // QAbstractSpinBox::setReadOnly sets the editor's read-only flag directly.
    if (e->type() == QEvent::ReadOnlyChange) editor_sperren();
    QAbstractSpinBox::changeEvent(e);
}

QSize Tspinbasis::sizeHint() const {
    // Room for a typical number such as "-1234567,89" besides the buttons.
    ensurePolished();
    QStyleOptionSpinBox opt;
    initStyleOption(&opt);
    const QFontMetrics fm(fontMetrics());
    const QSize inhalt(fm.horizontalAdvance(QStringLiteral("-1234567,89")) + 4,
                       lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &opt, inhalt, this);
}

QSize Tspinbasis::minimumSizeHint() const {
    ensurePolished();
    QStyleOptionSpinBox opt;
    initStyleOption(&opt);
    const QFontMetrics fm(fontMetrics());
    const QSize inhalt(fm.horizontalAdvance(QStringLiteral("000")) + 4,
                       lineEdit()->minimumSizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &opt, inhalt, this);
}

} // namespace zol

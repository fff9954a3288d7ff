#include "shell/eingabe/zahlfilter.h"

#include "engine/zahlformat.h"
#include "engine/zahlwert.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace zol::eingabe {

namespace {

bool ist_ziffer(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool ist_vorzeichen(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

bool ist_e(QChar c) {
    return c == QLatin1Char('E') || c == QLatin1Char('e');
}

bool kandidat(Zahlart art, QChar c) {
    if (ist_ziffer(c) || ist_vorzeichen(c)) return true;
    return art == Zahlart::dezimal && (ist_e(c) || c == QLatin1Char(dezimalzeichen));
}

// What the key types: empty for keys that type nothing (navigation, function keys) and for
// control characters and shortcuts (Ctrl+V, Backspace, Escape), which pass unfiltered.
QString getippt(const QKeyEvent* e) {
    const QString t = e->text();
    const auto mod = e->modifiers();
    // Ctrl+Alt stands for AltGr on some keyboards and then types a character.
    if (((mod & Qt::ControlModifier) && !(mod & Qt::AltModifier)) || (mod & Qt::MetaModifier))
        return {};
    const bool druckbar =
        std::any_of(t.begin(), t.end(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
    return druckbar ? t : QString();
}

void fuehrende_leerzeichen_entfernen(QLineEdit* feld) {
    const QString t = feld->text();
    qsizetype k = 0;
    while (k < t.size() && (t[k] == QLatin1Char(' ') || t[k] == QLatin1Char('\t')))
        ++k;
    if (k == 0) return;
    const int weg = static_cast<int>(k);
    const int pos = feld->cursorPosition();
    const int anfang = feld->selectionStart();
    const int laenge = feld->selectionLength();
    feld->setText(t.mid(k));
    if (anfang >= 0 && laenge > 0) {
        const int a = std::max(0, anfang - weg);
        const int b = std::max(0, anfang + laenge - weg);
        if (pos <= anfang)
            feld->setSelection(b, a - b);
        else
            feld->setSelection(a, b - a);
    } else {
        feld->setCursorPosition(std::max(0, pos - weg));
    }
}

} // namespace

bool zeichen_erlaubt(Zahlart art, QChar c, const QString& text, int caret) {
    if (!kandidat(art, c)) return false;
    if (ist_ziffer(c)) return true;
    if (ist_vorzeichen(c)) {
        if (caret == 0) return text.isEmpty() || !ist_vorzeichen(text[0]);
        // A sign only right after the exponent letter, and only one there.
        if (art != Zahlart::dezimal || caret > text.size() || !ist_e(text[caret - 1])) return false;
        return caret == text.size() || !ist_vorzeichen(text[caret]);
    }
    if (ist_e(c)) return !text.contains(QLatin1Char('E'), Qt::CaseInsensitive);
    // The decimal comma: one only, and never inside the exponent.
    if (text.contains(c)) return false;
    return !text.left(caret).contains(QLatin1Char('E'), Qt::CaseInsensitive);
}

bool taste_abweisen(const QKeyEvent* e, QLineEdit* feld, Zahlart art, bool leerzeichen_weg,
                    bool gesperrt) {
    const int taste = e->key();
    if (gesperrt && (taste == Qt::Key_Backspace || taste == Qt::Key_Delete)) return true;
    const QString t = getippt(e);
    if (t.isEmpty()) return false;
    if (gesperrt) return true;
    // A read-only field ignores typing by itself and must not be tidied up either.
    if (feld->isReadOnly()) return false;
    if (t.size() != 1 || !kandidat(art, t[0])) return true;
    if (leerzeichen_weg) fuehrende_leerzeichen_entfernen(feld);

    QString text = feld->text();
    int caret = feld->cursorPosition();
    if (feld->hasSelectedText()) {
        caret = feld->selectionStart();
        text.remove(caret, feld->selectionLength());
    }
    return !zeichen_erlaubt(art, t[0], text, caret);
}

bool dezimal_lesen(const QString& text, long double& wert) {
    const QByteArray u = text.trimmed().toUtf8();
    return zahlwert(std::string_view(u.constData(), static_cast<std::size_t>(u.size())), wert);
}

bool ganz_lesen(const QString& text, qint32& wert) {
    wert = 0;
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negativ = false;
    if (i < t.size() && ist_vorzeichen(t[i])) negativ = t[i++] == QLatin1Char('-');
    if (i == t.size()) return false;
    long long betrag = 0;
    for (; i < t.size(); ++i) {
        if (!ist_ziffer(t[i])) return false;
        betrag = 10 * betrag + (t[i].unicode() - '0');
        if (betrag > 1LL + std::numeric_limits<qint32>::max()) return false;
    }
    const long long v = negativ ? -betrag : betrag;
    if (v > std::numeric_limits<qint32>::max()) return false;
    wert = static_cast<qint32>(v);
    return true;
}

QString dezimal_text(long double wert, bool formatiert, const QString& bild) {
    return QString::fromStdString(formatiert ? format(bild.toStdString(), wert)
                                             : allgemeinformat(wert));
}

QString ganz_text(qint32 wert) {
    return QString::fromStdString(format("0", wert));
}

} // namespace zol::eingabe

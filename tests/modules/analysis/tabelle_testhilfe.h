#pragma once
// Shared by the spreadsheet window tests: cells by name, typing into them, answering a modal
// dialog once it is open.
#include "engine/hilfen.h"
#include "modules/analysis/tabelleform.h"
#include "shell/rahmen/stringgrid.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPoint>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace zol::test {

inline QPoint zelle(const char* name) {
    int c = 0, r = 0;
    EXPECT_TRUE(zellbezug(name, c, r)) << name;
    return QPoint(c, r);
}

// As accepting a typed text does.
inline void tippe(Ttabelleform& f, const char* name, const QString& text) {
    const QPoint z = zelle(name);
    f.zelleEingeben(z.x(), z.y(), text);
}

inline QString zeigt(const Ttabelleform& f, const char* name) {
    const QPoint z = zelle(name);
    return f.anzeige(z.x(), z.y());
}

inline QString eingabe_von(const Ttabelleform& f, const char* name) {
    const QPoint z = zelle(name);
    return f.eingabe(z.x(), z.y());
}

inline void waehle(Ttabelleform& f, const char* von, const char* bis) {
    const QPoint a = zelle(von);
    const QPoint b = zelle(bis);
    f.anzeigegitter()->setCurrentCell(a.y(), a.x());
    f.anzeigegitter()->setAuswahl(QRect(a, b));
}

inline void waehle(Ttabelleform& f, const char* name) {
    waehle(f, name, name);
}

// The grid's open cell editor (closed ones may linger until deleted).
inline QLineEdit* offener_editor(TStringGrid* gitter) {
    for (QLineEdit* e : gitter->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible()) return e;
    return nullptr;
}

// Runs handeln on the next modal dialog of type T as soon as it shows (polling, so it works
// for dialogs that a command opens with exec()); gives up after a while.
template <typename T> void bei_dialog(std::function<void(T&)> handeln) {
    auto* zeitgeber = new QTimer;
    auto versuche = std::make_shared<int>(0);
    zeitgeber->setInterval(10);
    QObject::connect(zeitgeber, &QTimer::timeout, [zeitgeber, versuche, handeln] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            zeitgeber->stop();
            zeitgeber->deleteLater();
            handeln(*d);
        } else if (++*versuche > 500) {
            zeitgeber->stop();
            zeitgeber->deleteLater();
        }
    });
    zeitgeber->start();
}

} // namespace zol::test

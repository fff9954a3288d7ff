#pragma once
// Driving the plot window in tests: its controls by object name, its buttons, leaving a field,
// and the page it built.
#include "engine/fktbaum.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/stringgrid.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/graph/seitenhilfe.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failures for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* o) {
    *o << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* o) {
    *o << '{' << l.join("|").toStdString() << '}';
}

namespace zol::test {

inline QWidget* kind(QWidget& f, const QString& name) {
    QWidget* w = f.findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

template <class T> T* kind(QWidget& f, const QString& name) {
    T* w = f.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// The text of an edit or spin field.
inline QString text(QWidget& f, const QString& name) {
    QWidget* w = kind(f, name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) return s->text();
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
    return {};
}

// Types a text into a field and leaves it, as Tab would.
inline void eingeben(QWidget& f, const QString& name, const QString& inhalt) {
    QWidget* w = kind(f, name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(inhalt);
        emit e->editingFinished();
    } else if (auto* s = qobject_cast<Tspinbasis*>(w)) {
        s->setText(inhalt);
        emit s->editingFinished();
    }
}

inline void klick(QWidget& f, const QString& name) {
    if (auto* k = kind<QPushButton>(f, name)) k->click();
}

inline void ankreuzen(QWidget& f, const QString& name, bool an) {
    if (auto* k = kind<QAbstractButton>(f, name)) k->setChecked(an);
}

inline QStringList listentexte(QWidget& f) {
    QStringList r;
    auto* l = kind<QListWidget>(f, QStringLiteral("ListBox1"));
    for (int i = 0; l && i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

inline void markieren(QWidget& f, int zeile) {
    auto* l = kind<QListWidget>(f, QStringLiteral("ListBox1"));
    l->setCurrentRow(zeile);
}

inline QByteArray dateiinhalt(const QString& datei) {
    QFile d(datei);
    if (!d.open(QIODevice::ReadOnly)) return {};
    return d.readAll();
}

inline void schreibe(const QString& datei, const QByteArray& inhalt) {
    QFile d(datei);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
    d.write(inhalt);
}

// The polylines of the page with their style.
inline std::vector<int> zugstile(const Tlist1& l) {
    std::vector<int> r;
    for (const auto& o : l)
        if (o->art == art_linienzug) r.push_back(o->stift.stil);
    return r;
}

// Every test starts with empty project formulas and records messages and file dialogs.
class Zeichnen : public ::testing::Test {
protected:
    void SetUp() override { formelbaum().alle_loeschen(); }
    void TearDown() override { formelbaum().alle_loeschen(); }
    QString pfad(const QString& name) const { return ordner.filePath(name); }

    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

} // namespace zol::test

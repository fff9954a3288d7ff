#pragma once
// Shared by the formula dialog tests: a clean project table and recording message service per
// test, control lookup by object name, files on disk, and answering modal dialogs.
#include "engine/fktbaum.h"
#include "shell/eingabe/zahlenform.h"
#include "shell/formeln/dialogformel.h"
#include "shell/formeln/formelbaum.h"
#include "shell/formeln/formelhilfen.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Readable failure output for Qt texts (QStringList prints as a list of these).
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace zol::test {

template <class T> T* kind(QObject& eltern, const char* name) {
    T* w = eltern.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QStringList zeilen(const QListWidget* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

inline QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Runs aktion on the modal dialog of type T as soon as it is shown. Should it never appear,
// the test fails; a modal dialog still open after the wait is closed, so the run never hangs.
template <class T> void bei_modal(std::function<void(T*)> aktion) {
    auto* timer = new QTimer;
    auto versuche = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, aktion, versuche] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            aktion(w);
        } else if (++*versuche > 2000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "modal dialog " << T::staticMetaObject.className() << " not shown";
            if (auto* offen = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                offen->reject();
        }
    });
    timer->start(5);
}

class Formeltest : public ::testing::Test {
protected:
    Testmeldungsdienst dienst;
    Tdialogformel& dialog = Tdialogformel::instanz();
    QTemporaryDir ordner;

    void SetUp() override {
        formelbaum().alle_loeschen();
        Tzahlenform::instanz().format = QStringLiteral("0.00E-0");
        kind<QListWidget>(dialog, "listbox2")->clear();
        kind<QLineEdit>(dialog, "Edit1")->setText(QStringLiteral("f(x)=x"));
        dialog.aktualisieren();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }

    QString pfad(const char* name) const { return ordner.filePath(QString::fromLatin1(name)); }
    QLineEdit* edit1() { return kind<QLineEdit>(dialog, "Edit1"); }
    QListWidget* liste(const char* name) { return kind<QListWidget>(dialog, name); }
    void klick(const char* name) { kind<QPushButton>(dialog, name)->click(); }
    void definiere_alle(const QStringList& texte) {
        for (const QString& t : texte)
            ASSERT_TRUE(formelbaum().definiere(t.toStdString())) << t.toStdString();
        dialog.aktualisieren();
    }
    QStringList tabelle() const { return formelliste(formelbaum()); }
};

} // namespace zol::test

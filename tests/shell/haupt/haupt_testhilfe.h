#pragma once
// A main window over a data folder of its own: $XDG_DATA_HOME points into a temporary folder,
// so the user's data folder of the tests is "<temp>/zol" and nothing outside is read.
#include "engine/fktbaum.h"
#include "shell/formeln/formelbaum.h"
#include "shell/haupt/mainform.h"
#include "shell/rahmen/datei.h"
#include "shell/rahmen/modulfenster.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace zol {

class HauptTest : public ::testing::Test {
protected:
    void SetUp() override {
        editform_registrieren();
        altesXdg_ = qgetenv("XDG_DATA_HOME");
        altesVerzeichnis_ = QDir::currentPath();
        qputenv("XDG_DATA_HOME", ordner.path().toLocal8Bit());
        QDir().mkpath(daten(QStringLiteral("Lektion")));
        formelbaum().alle_loeschen();
    }
    void TearDown() override {
        haupt_.reset();
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            delete f;
        formelbaum().alle_loeschen();
        qputenv("XDG_DATA_HOME", altesXdg_);
        QDir::setCurrent(altesVerzeichnis_);
    }

    // A path in the test's data folder.
    QString daten(const QString& relativ) const {
        return QDir(ordner.path()).filePath(QStringLiteral("zol/") + relativ);
    }
    void schreiben(const QString& relativ, const QStringList& zeilen) {
        ASSERT_TRUE(zeilen_schreiben(daten(relativ), zeilen));
    }
    // A template that defines only the constant v with its number and opens no window.
    void vorlage(const QString& name, int nummer) {
        schreiben(QStringLiteral("Lektion/") + name,
                  {"[Hauptfenster]", "Version=ZOL50", "Width=700", "Height=500", "Top=0", "Left=0",
                   "WindowState=0", "Format=0.00", "", "[Formeln]", "Anzahl=1",
                   QStringLiteral("Nr0=v=%1").arg(nummer), "", "[Fenster]", "Anzahl=0"});
    }
    // The outline used by most tests, with three templates and two entries without one.
    void testvorlagen() {
        schreiben(QStringLiteral("Lektion/lekt.out"),
                  {"Erste Vorlage (t1)", "Thema A", "\tZweite Vorlage (t2)", "\tOhne Klammern",
                   "Thema B", "\tDritte Vorlage (t3)"});
        vorlage(QStringLiteral("t1.pro"), 1);
        vorlage(QStringLiteral("t2.pro"), 2);
        vorlage(QStringLiteral("t3.pro"), 3);
    }
    // The main window, created on first use (after the test has prepared its data).
    TMainForm& haupt() {
        if (!haupt_) haupt_ = std::make_unique<TMainForm>();
        return *haupt_;
    }
    std::unique_ptr<TMainForm>& hauptZeiger() { return haupt_; }

    // The value of the constant v, i.e. which test template is open; 0 for none.
    static int offeneVorlage() {
        for (int i = 0; i < formelbaum().anzahl(); ++i) {
            const std::string& f = formelbaum().eintrag(i);
            if (f.rfind("v=", 0) == 0) return std::stoi(f.substr(2));
        }
        return 0;
    }
    QString ausgewaehlt() {
        QTreeWidgetItem* e = haupt().gliederung()->currentItem();
        return e ? e->text(0) : QString();
    }

    QTemporaryDir ordner;
    Testmeldungsdienst dienst;

private:
    std::unique_ptr<TMainForm> haupt_;
    QByteArray altesXdg_;
    QString altesVerzeichnis_;
};

} // namespace zol

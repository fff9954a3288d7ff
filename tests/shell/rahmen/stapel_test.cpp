// Batch mode with the program's real windows: what the command line may not do to a window or
// to a file, and the exit codes that say so.
#include "app/fensterliste.h"
#include "shell/rahmen/stapel.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace zol;

struct Lauf {
    int code;
    std::string aus, err;
};

Lauf stapel(const QStringList& argumente) {
    alle_fensterarten_registrieren();
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren(QStringList{"zol", "--batch"} + argumente, aus, err);
    return {code, aus.str(), err.str()};
}

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

TEST(Stapel, FalscheWerteSindAufruffehler) {
    Testmeldungsdienst dienst;
    struct Fall {
        const char* setzen;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"StringGrid1[1,2147483646]=x", "liegt außerhalb des Gitters"},
        {"StringGrid1[99999999999,1]=x", "liegt außerhalb des Gitters"},
        {"StringGrid1[1,3]=x", "liegt außerhalb des Gitters"},
        {"xmin=abc", "Keine gültige Zahl für xmin: abc"},
        {"artintegral=ja", "Keine gültige Zahl für artintegral: ja"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = stapel({"Twertedlg", "--set", f.setzen});
        EXPECT_EQ(l.code, 2) << f.setzen;
        EXPECT_NE(l.err.find(f.meldung), std::string::npos) << l.err;
    }
    // Numbers with the decimal comma and an empty field are values.
    EXPECT_EQ(stapel({"Twertedlg", "--set", "xmin=-0,5", "--set", "StringGrid1[1,1]=7"}).code, 0);
    EXPECT_EQ(stapel({"Twertedlg", "--set", "xmax="}).code, 0);
}

TEST(Stapel, NichtGeladeneDateiWirdNichtUeberschrieben) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    // A window's own file cut short before its grid ends loads only in part.
    const QString ganz = ordner.filePath("ganz.wer");
    ASSERT_EQ(stapel({"Twertedlg", "--save", ganz}).code, 0);
    QByteArray gekuerzt = inhalt(ganz);
    gekuerzt.truncate(gekuerzt.indexOf("DATEN_ENDE"));
    struct Fall {
        QByteArray text;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"Kein Fenster\r\nsondern ein Brief\r\n", "Die Datei kann nicht geladen werden"},
        {gekuerzt, "Die Datei ist unvollständig; sie wurde nur teilweise geladen"},
    };
    for (const Fall& f : faelle) {
        const QString datei = ordner.filePath("fremd.wer");
        {
            QFile d(datei);
            ASSERT_TRUE(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
            d.write(f.text);
        }
        const Lauf l =
            stapel({"Twertedlg", "--load", datei, "--command", "Rechne", "--save", datei});
        EXPECT_EQ(l.code, 1) << f.meldung;
        EXPECT_NE(l.err.find(f.meldung), std::string::npos) << l.err;
        EXPECT_EQ(l.aus.find("== Twertedlg =="), std::string::npos) << "no command may run";
        EXPECT_EQ(inhalt(datei), f.text);
    }
}

TEST(Stapel, NichtGespeichertIstEinFehler) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    for (const QString& ziel : {ordner.path(), ordner.filePath("fehlt/ordner/x.wer")}) {
        const Lauf l = stapel({"Twertedlg", "--save", ziel});
        EXPECT_EQ(l.code, 1) << ziel.toStdString();
        EXPECT_NE(l.err.find("Die Datei kann nicht gespeichert werden"), std::string::npos);
    }
    const QString gut = ordner.filePath("gut.wer");
    EXPECT_EQ(stapel({"Twertedlg", "--save", gut}).code, 0);
    EXPECT_TRUE(QFile::exists(gut));
}

} // namespace

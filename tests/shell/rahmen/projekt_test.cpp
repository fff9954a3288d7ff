// Project files: save and restore with formulas and calculation windows.
#include "engine/fktbaum.h"
#include "shell/formeln/formelbaum.h"
#include "shell/projekt/winrestorer.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zol;

// The main window's side, reduced to what a project holds.
class Testumgebung : public Projektumgebung {
public:
    Fensterlage haupt{true, 640, 480, 10, 20, 0}, werkzeug{false, 200, 200, 0, 500, 0},
        anzeige{false, 100, 100, 0, 0, 0};
    QString format = QStringLiteral("0.00");
    QList<QPointer<Tmodulfenster>> fenster;

    ~Testumgebung() override { schliessen(); }
    void schliessen() {
        for (auto& f : fenster)
            delete f.data();
        fenster.clear();
    }
    Fensterlage hauptfenster() const override { return haupt; }
    void setzeHauptfenster(const Fensterlage& l) override { haupt = l; }
    QString vorgabeformat() const override { return format; }
    void setzeVorgabeformat(const QString& b) override { format = b; }
    Fensterlage werkzeugfenster() const override { return werkzeug; }
    void setzeWerkzeugfenster(const Fensterlage& l) override { werkzeug = l; }
    Fensterlage anzeigefenster() const override { return anzeige; }
    void setzeAnzeigefenster(const Fensterlage& l) override { anzeige = l; }
    QList<Tmodulfenster*> modulfenster() const override {
        QList<Tmodulfenster*> r;
        for (const auto& f : fenster)
            if (f) r << f.data();
        return r;
    }
    Tmodulfenster* fensterErzeugen(int art) override {
        Tmodulfenster* f = fenster_erzeugen(art);
        if (f) fenster << f;
        return f;
    }
};

QByteArray inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEditForm* rechnenfenster(Testumgebung& u, const QString& text, const QString& datei) {
    auto* f = static_cast<TEditForm*>(u.fensterErzeugen(5));
    f->memo()->setPlainText(text);
    f->setzeDateiname(datei);
    return f;
}

class Projekt : public ::testing::Test {
protected:
    void SetUp() override {
        editform_registrieren();
        formelbaum().alle_loeschen();
    }
    void TearDown() override { formelbaum().alle_loeschen(); }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

TEST_F(Projekt, RundreiseMitZweiRechnenfenstern) {
    const QString projekt = ordner.filePath("stunde.pro");
    {
        Testumgebung u;
        ASSERT_TRUE(formelbaum().definiere("f(x)=x^2"));
        ASSERT_TRUE(formelbaum().definiere("a=3"));
        rechnenfenster(u, "F(3)=\n9,00", ordner.filePath("erstes.ref"));
        rechnenfenster(u, "a*2=", ordner.filePath("zweites.ref"));
        ASSERT_TRUE(TWinRestorer(projekt).save(u));
    }
    const QString text = QString::fromLatin1(inhalt(projekt));
    // The window opened last is stored first.
    EXPECT_LT(text.indexOf("zweites.ref"), text.indexOf("erstes.ref"));
    EXPECT_TRUE(text.startsWith("[Hauptfenster]\r\nVersion=ZOL50\r\nWidth=640\r\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("[Formeln]\r\nAnzahl=2\r\nNr0=f(x)=x^2\r\nNr1=a=3\r\n"));
    EXPECT_TRUE(text.contains("WindowState=0\r\nAnzahl=2\r\n")); // count of windows, in "Fenster"

    formelbaum().alle_loeschen();
    Testumgebung wieder;
    ASSERT_TRUE(TWinRestorer(projekt).restore(wieder));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    ASSERT_EQ(formelbaum().anzahl(), 2);
    EXPECT_EQ(formelbaum().eintrag(0), "f(x)=x^2");
    const QList<Tmodulfenster*> fenster = wieder.modulfenster();
    ASSERT_EQ(fenster.size(), 2);
    EXPECT_EQ(static_cast<TEditForm*>(fenster[0])->memo()->toPlainText(), "F(3)=\n9,00");
    EXPECT_EQ(static_cast<TEditForm*>(fenster[1])->memo()->toPlainText(), "a*2=");
    EXPECT_EQ(wieder.haupt.breite, 640);

    // Loaded and saved again: the same bytes.
    const QByteArray vorher = inhalt(projekt);
    ASSERT_TRUE(TWinRestorer(projekt).save(wieder));
    EXPECT_EQ(inhalt(projekt), vorher);
}

TEST_F(Projekt, LeeresProjektBringtDieStandardformel) {
    const QString projekt = ordner.filePath("leer.PRO");
    Testumgebung u;
    ASSERT_TRUE(TWinRestorer(projekt).save(u));
    const QString text = QString::fromLatin1(inhalt(projekt));
    EXPECT_FALSE(text.contains("[Formeln]"));
    EXPECT_TRUE(text.contains("Anzahl=0"));
    Testumgebung wieder;
    ASSERT_TRUE(TWinRestorer(projekt).restore(wieder));
    ASSERT_EQ(formelbaum().anzahl(), 1);
    EXPECT_EQ(formelbaum().eintrag(0), "f(x)=x");
    EXPECT_TRUE(wieder.modulfenster().isEmpty());
}

TEST_F(Projekt, FehlerUndFundorte) {
    const QString modul = ordner.filePath("kurve.ref");
    {
        Testumgebung u;
        rechnenfenster(u, "1+1=", modul);
        u.fenster.first()->speichern();
    }
    const QString projekt = ordner.filePath("fehler.pro");
    QFile f(projekt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Hauptfenster]\r\nVersion=ZOL50\r\n[Fenster]\r\nAnzahl=4\r\n"
            "[Formelfenster1]\r\nArt=5\r\nDatei=C:\\Schule\\kurve.ref\r\n"
            "[Formelfenster2]\r\nArt=115\r\n"
            "[Formelfenster3]\r\nArt=5\r\nDatei=C:\\Schule\\fehlt.ref\r\n"
            "[Formelfenster4]\r\nArt=205\r\n");
    f.close();
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    Testumgebung u;
    ASSERT_TRUE(TWinRestorer(projekt).restore(u, true));
    QDir::setCurrent(vorher);
    EXPECT_EQ(
        dienst.meldungen,
        (QStringList{"Das Fenster \"Fraktale\" gibt es in dieser Fassung noch nicht.",
                     "C:\\Schule\\fehlt.ref Datei nicht gefunden!", "Unbekannte Fensterart 115."}));
    const QList<Tmodulfenster*> fenster = u.modulfenster();
    ASSERT_EQ(fenster.size(), 2);
    // Found by its bare name in the current folder; a template forgets the file names.
    EXPECT_EQ(static_cast<TEditForm*>(fenster[1])->memo()->toPlainText(), "1+1=");
    EXPECT_EQ(fenster[1]->windowTitle(), "Rechnen");
    EXPECT_TRUE(fenster[1]->dateiname().isEmpty());

    dienst.meldungen.clear();
    formelbaum().alle_loeschen();
    QFile alt(ordner.filePath("alt.pro"));
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("[Hauptfenster]\r\nVersion=ZOL40\r\n");
    alt.close();
    Testumgebung v;
    EXPECT_FALSE(TWinRestorer(ordner.filePath("alt.pro")).restore(v));
    EXPECT_FALSE(TWinRestorer(ordner.filePath("gibtesnicht.pro")).restore(v));
    EXPECT_EQ(dienst.meldungen, (QStringList{"Datei nicht gefunden oder fehlerhaft!",
                                             "Datei nicht gefunden oder fehlerhaft!"}));
    EXPECT_EQ(formelbaum().anzahl(), 0);
}

} // namespace

// Project files: save and restore with formulas and calculation windows.
#include "engine/fktbaum.h"
#include "shell/formeln/formelbaum.h"
#include "shell/projekt/winrestorer.h"
#include "shell/rechnen/editform.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/shell/rahmen/testfenster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

#include <functional>

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
    // All problems of one project in one box.
    EXPECT_EQ(dienst.meldungen,
              QStringList{"Beim Laden des Projekts:\n"
                          "Das Fenster \"Fraktale\" gibt es in dieser Fassung noch nicht.\n"
                          "C:\\Schule\\fehlt.ref Datei nicht gefunden!\n"
                          "Unbekannte Fensterart 115."});
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

// Switches the current folder for a while, as opening a project elsewhere does.
class Arbeitsordner {
public:
    explicit Arbeitsordner(const QString& ordner) : vorher_(QDir::currentPath()) {
        QDir().mkpath(ordner);
        QDir::setCurrent(ordner);
    }
    ~Arbeitsordner() { QDir::setCurrent(vorher_); }

private:
    QString vorher_;
};

void projekt_schreiben(const QString& datei, const QString& modul) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Hauptfenster]\r\nVersion=ZOL50\r\n[Fenster]\r\nAnzahl=1\r\n"
            "[Formelfenster1]\r\nArt=5\r\nDatei=" +
            modul.toLatin1() + "\r\n");
}

QString text_des_fensters(const Testumgebung& u) {
    const QList<Tmodulfenster*> f = u.modulfenster();
    return f.size() == 1 ? static_cast<TEditForm*>(f[0])->memo()->toPlainText() : QString();
}

// The start-up project names its calculation file by its bare name; saved into another folder
// the project must still find that file after the current folder has changed.
TEST_F(Projekt, ZuGrosseFensterzahlOeffnetKeineFenster) {
    const QString projekt = ordner.filePath("kaputt.pro");
    QFile f(projekt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Hauptfenster]\r\nVersion=ZOL50\r\nWidth=99999\r\nHeight=99999\r\n"
            "[Fenster]\r\nAnzahl=10000\r\n[Formelfenster2]\r\nArt=5\r\n");
    f.close();
    Testumgebung u;
    ASSERT_TRUE(TWinRestorer(projekt).restore(u));
    EXPECT_EQ(u.modulfenster().size(), 1);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A window that shows when it computed.
class Rechnendes : public Testfenster {
public:
    void rechne() override { memo->setPlainText(QStringLiteral("gerechnet")); }
};

// A window section may name commands the window runs once the project is open (a lesson opens
// computed). Only computing commands run: a project file must not save, print or ask; a name
// it may not run is reported with the project's other problems.
TEST_F(Projekt, BefehleLaufenNachDemOeffnen) {
    fensterart_registrieren("Tviereckdlg", [] { return new Rechnendes; });
    const QString modul = ordner.filePath("b.vie");
    {
        Rechnendes f;
        f.setzeDateiname(modul);
        ASSERT_TRUE(f.speichern());
    }
    const QByteArray vorher = inhalt(modul);
    const QString projekt = ordner.filePath("b.pro");
    QFile f(projekt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Hauptfenster]\r\nVersion=ZOL50\r\n[Fenster]\r\nAnzahl=1\r\n"
            "[Formelfenster1]\r\nArt=60\r\nDatei=b.vie\r\n"
            "Befehl=Rechne|Speichern|Gibtsnicht\r\n");
    f.close();
    Testumgebung u;
    ASSERT_TRUE(TWinRestorer(projekt).restore(u));
    fensterart_registrieren("Tviereckdlg", {});
    ASSERT_EQ(u.modulfenster().size(), 1);
    auto* fenster = static_cast<Rechnendes*>(u.modulfenster().first());
    EXPECT_EQ(fenster->memo->toPlainText(), "gerechnet");
    ASSERT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(dienst.meldungen[0].contains(
        "Dieser Befehl wird beim Öffnen eines Projekts nicht ausgeführt: Speichern"));
    EXPECT_TRUE(dienst.meldungen[0].contains("Unbekannter Befehl: Gibtsnicht"));
    EXPECT_EQ(inhalt(modul), vorher);
    // What the commands computed is no change of the window's file.
    EXPECT_FALSE(fenster->standGeaendert());
}

// Saving a project leaves the files of unchanged windows as they are, byte for byte.
TEST_F(Projekt, UnveraenderteFensterdateiBleibtWieSieIst) {
    const QString modul = ordner.filePath("lf.ref");
    {
        Testumgebung u;
        rechnenfenster(u, "1+1=", modul);
        ASSERT_TRUE(u.fenster.first()->speichern());
    }
    // The same file with LF line ends, as another program may have written it.
    QByteArray lf = inhalt(modul);
    lf.replace("\r\n", "\n");
    {
        QFile f(modul);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lf);
    }
    const QString projekt = ordner.filePath("lf.pro");
    {
        QFile f(projekt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Hauptfenster]\r\nVersion=ZOL50\r\n[Fenster]\r\nAnzahl=1\r\n"
                "[Formelfenster1]\r\nArt=5\r\nDatei=lf.ref\r\n");
    }
    Testumgebung u;
    ASSERT_TRUE(TWinRestorer(projekt).restore(u));
    ASSERT_EQ(u.modulfenster().size(), 1);
    ASSERT_TRUE(TWinRestorer(projekt).save(u));
    EXPECT_EQ(inhalt(modul), lf);
    // A change is written.
    static_cast<TEditForm*>(u.modulfenster().first())->memo()->setPlainText("2+2=");
    ASSERT_TRUE(TWinRestorer(projekt).save(u));
    EXPECT_TRUE(inhalt(modul).contains("2+2=\r\n"));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A project may merely point at a file that says more than the window reads, or says it in
// another way. Saving the project leaves such a file alone, byte for byte, until the window's
// state changes, whatever changed it: typing and computing, a text the program set, another
// number format.
TEST_F(Projekt, FensterdateiNurNachAenderungGeschrieben) {
    const QString modul = ordner.filePath("geteilt.ref");
    QByteArray windows;
    {
        Testumgebung u;
        rechnenfenster(u, "1+1=", modul);
        ASSERT_TRUE(u.fenster.first()->speichern());
        windows = inhalt(modul);
    }
    QByteArray lf = windows;
    lf.replace("\r\n", "\n");
    const struct {
        const char* was;
        QByteArray datei;
    } dateien[] = {
        {"eine Zeile mehr", windows + "von Hand dazugeschrieben\r\n"},
        {"LF, ohne letzten Zeilenwechsel", lf.chopped(1)},
    };
    const struct {
        const char* was;
        std::function<void(TEditForm&)> aendern;
        const char* danach; // in the file written
    } aenderungen[] = {
        {"getippt und gerechnet",
         [](TEditForm& f) {
             f.memo()->moveCursor(QTextCursor::End);
             f.memo()->insertPlainText("\n2*3=");
             QTest::keyClick(f.memo(), Qt::Key_Return);
         },
         "2*3=\r\n6,00"},
        {"vom Programm gesetzt", [](TEditForm& f) { f.memo()->setPlainText("5+5="); }, "5+5="},
        {"Zahlenformat", [](TEditForm& f) { f.setzeFormat("0.000"); }, "\r\n0.000\r\n"},
    };
    const QString projekt = ordner.filePath("geteilt.pro");
    projekt_schreiben(projekt, "geteilt.ref");
    for (const auto& d : dateien)
        for (const auto& a : aenderungen) {
            const std::string fall = std::string(d.was) + ", " + a.was;
            {
                QFile f(modul);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(d.datei);
            }
            Testumgebung u;
            ASSERT_TRUE(TWinRestorer(projekt).restore(u)) << fall;
            ASSERT_EQ(u.modulfenster().size(), 1) << fall;
            ASSERT_TRUE(TWinRestorer(projekt).save(u)) << fall;
            EXPECT_EQ(inhalt(modul).toStdString(), d.datei.toStdString()) << fall;
            u.modulfenster().first()->show();
            u.modulfenster().first()->move(40, 30); // a move alone changes nothing
            ASSERT_TRUE(TWinRestorer(projekt).save(u)) << fall;
            EXPECT_EQ(inhalt(modul).toStdString(), d.datei.toStdString()) << fall;

            a.aendern(*static_cast<TEditForm*>(u.modulfenster().first()));
            ASSERT_TRUE(TWinRestorer(projekt).save(u)) << fall;
            const QByteArray geschrieben = inhalt(modul);
            EXPECT_TRUE(geschrieben.contains(a.danach)) << fall << "\n"
                                                        << geschrieben.toStdString();
            // Saved once, the window agrees with its file again.
            const QByteArray danach = geschrieben + "noch eine Zeile\r\n";
            {
                QFile f(modul);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(danach);
            }
            ASSERT_TRUE(TWinRestorer(projekt).save(u)) << fall;
            EXPECT_EQ(inhalt(modul).toStdString(), danach.toStdString()) << fall;
            u.schliessen();
        }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A text file in the calculation window has no place-and-size line: a line of that shape is text
// like any other.
TEST_F(Projekt, TextdateiImRechnenfensterOhneLagezeile) {
    const QString text = ordner.filePath("notiz.txt");
    const QString projekt = ordner.filePath("notiz.pro");
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1#2#3#4#5#\nx\n");
    }
    projekt_schreiben(projekt, "notiz.txt");
    Testumgebung u;
    ASSERT_TRUE(TWinRestorer(projekt).restore(u));
    ASSERT_EQ(text_des_fensters(u), "1#2#3#4#5#\nx");
    ASSERT_TRUE(TWinRestorer(projekt).save(u));
    EXPECT_EQ(inhalt(text), "1#2#3#4#5#\nx\n");
    static_cast<TEditForm*>(u.modulfenster().first())->memo()->setPlainText("6#7#8#9#0#\nx");
    ASSERT_TRUE(TWinRestorer(projekt).save(u));
    EXPECT_TRUE(inhalt(text).startsWith("6#7#8#9#0#\r\n")) << inhalt(text).toStdString();
}

// A plot window keeps its curves beside its controls; a curve added after loading is a change
// the project's save must write.
TEST_F(Projekt, NeueKurveImZeichenfensterWirdGeschrieben) {
    dialogfkt_registrieren();
    const QString modul = ordner.filePath("kurven.fkt");
    auto kurve = [](Tmodulfenster* f, const char* term) {
        auto* z = static_cast<Tdialogfkt*>(f);
        z->findChild<QLineEdit*>("Edit1")->setText(term);
        return z->hinzufuegen();
    };
    {
        Testumgebung u;
        Tmodulfenster* f = u.fensterErzeugen(0);
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(kurve(f, "f(x)=x*x"));
        dienst.dateinamen << modul;
        ASSERT_TRUE(f->speichern());
    }
    const QByteArray vorher = inhalt(modul);
    const QString projekt = ordner.filePath("kurven.pro");
    {
        QFile f(projekt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Hauptfenster]\r\nVersion=ZOL50\r\n[Fenster]\r\nAnzahl=1\r\n"
                "[Formelfenster1]\r\nArt=0\r\nDatei=kurven.fkt\r\n");
    }
    Testumgebung u;
    ASSERT_TRUE(TWinRestorer(projekt).restore(u));
    ASSERT_EQ(u.modulfenster().size(), 1);
    ASSERT_TRUE(TWinRestorer(projekt).save(u));
    EXPECT_EQ(inhalt(modul), vorher);
    ASSERT_TRUE(kurve(u.modulfenster().first(), "g(x)=x+1"));
    ASSERT_TRUE(TWinRestorer(projekt).save(u));
    EXPECT_TRUE(inhalt(modul).contains("g(x)=x+1")) << inhalt(modul).toStdString();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Projekt, InAnderenOrdnerGespeichertesProjektFindetSeineFenster) {
    const QString programm = ordner.filePath("programm");
    QDir().mkpath(programm);
    {
        Testumgebung u;
        rechnenfenster(u, "3*4=", QDir(programm).filePath("Standard.ref"))->speichern();
    }
    projekt_schreiben(QDir(programm).filePath("Standard.pro"), "Standard.ref");
    const QString meins = ordner.filePath("anderswo/meinprojekt.pro");
    QDir().mkpath(ordner.filePath("anderswo"));
    {
        Arbeitsordner da(programm);
        Testumgebung u;
        ASSERT_TRUE(TWinRestorer(QDir(programm).filePath("Standard.pro")).restore(u));
        ASSERT_EQ(text_des_fensters(u), "3*4=");
        ASSERT_TRUE(TWinRestorer(meins).save(u));
    }
    // Outside the project's folder: the full name.
    EXPECT_TRUE(QString::fromLatin1(inhalt(meins))
                    .contains("Datei=" + QDir::toNativeSeparators(
                                             QDir(programm).absoluteFilePath("Standard.ref"))))
        << inhalt(meins).toStdString();

    Arbeitsordner woanders(ordner.filePath("dritter"));
    Testumgebung wieder;
    ASSERT_TRUE(TWinRestorer(meins).restore(wieder));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_EQ(text_des_fensters(wieder).toStdString(), "3*4=");
}

// A project whose files lie in its folder names them relative to it, so the whole folder can
// move (another computer, a USB stick) and the project still opens.
TEST_F(Projekt, ProjektordnerZiehtMitSeinenDateienUm) {
    const QString alt = ordner.filePath("stunde");
    QDir().mkpath(alt + "/teil");
    {
        Testumgebung u;
        rechnenfenster(u, "F(3)=", alt + "/teil/kurve.ref")->speichern();
        ASSERT_TRUE(TWinRestorer(alt + "/stunde.pro").save(u));
    }
    EXPECT_TRUE(QString::fromLatin1(inhalt(alt + "/stunde.pro"))
                    .contains("Datei=" + QDir::toNativeSeparators("teil/kurve.ref") + "\r\n"));
    const QString neu = ordner.filePath("umgezogen");
    ASSERT_TRUE(QDir().rename(alt, neu));

    Arbeitsordner woanders(ordner.filePath("dritter"));
    Testumgebung wieder;
    ASSERT_TRUE(TWinRestorer(neu + "/stunde.pro").restore(wieder));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    EXPECT_EQ(text_des_fensters(wieder).toStdString(), "F(3)=");
    ASSERT_EQ(wieder.modulfenster().size(), 1);
    EXPECT_EQ(QFileInfo(wieder.modulfenster()[0]->dateiname()).absoluteFilePath().toStdString(),
              QFileInfo(neu + "/teil/kurve.ref").absoluteFilePath().toStdString());
}

TEST(Moduldateien, EintragRelativNurImProjektordner) {
    const QString p = QDir::cleanPath(QDir::tempPath() + "/projekt");
    const struct {
        QString datei, erwartet;
    } faelle[] = {
        {p + "/a.ref", "a.ref"},
        {p + "/teil/b.ref", QDir::toNativeSeparators("teil/b.ref")},
        {p + "/..c.ref", "..c.ref"}, // a name that only starts with two dots
        {p + "/teil/../d.ref", "d.ref"},
        {p + "/../nachbar/e.ref", QDir::toNativeSeparators(QDir::tempPath() + "/nachbar/e.ref")},
        {p + "x/f.ref", QDir::toNativeSeparators(p + "x/f.ref")}, // same start, other folder
        {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(modul_datei_eintrag(f.datei, p).toStdString(), f.erwartet.toStdString());
}

TEST(Moduldateien, SucheProjektordnerDatenordnerBlosserName) {
    QTemporaryDir wurzel;
    const bool xdgGesetzt = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray altesXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", wurzel.filePath("xdg").toLocal8Bit());
    const auto anlegen = [&](const QString& relativ) {
        const QString pfad = wurzel.filePath(relativ);
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return QFileInfo(pfad).absoluteFilePath();
    };
    const QString projekt = wurzel.filePath("projekt");
    const QString imProjekt = anlegen("projekt/teil/a.ref");
    const QString beide = anlegen("projekt/b.ref");
    anlegen("xdg/zol/b.ref");
    const QString inDaten = anlegen("xdg/zol/Lektion/c.ref");
    const QString blossImProjekt = anlegen("projekt/d.ref");
    const QString imArbeitsordner = anlegen("arbeit/e.ref");
    Arbeitsordner arbeit(wurzel.filePath("arbeit"));
    const struct {
        QString gespeichert, erwartet;
    } faelle[] = {
        {"teil/a.ref", imProjekt},
        {"teil\\a.ref", imProjekt},
        {imProjekt, imProjekt},
        {"b.ref", beide}, // the project's folder before the data folders
        {"Lektion\\c.ref", inDaten},
        {"C:\\Schule\\d.ref", blossImProjekt},
        {"/gibt/es/nicht/d.ref", blossImProjekt},
        {"C:\\Schule\\e.ref", imArbeitsordner},
        {"C:\\Schule\\fehlt.ref", ""},
        {"C:\\Schule\\", ""},
        {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(modul_datei_finden(f.gespeichert, projekt).toStdString(),
                  f.erwartet.toStdString())
            << f.gespeichert.toStdString();
    if (xdgGesetzt)
        qputenv("XDG_DATA_HOME", altesXdg);
    else
        qunsetenv("XDG_DATA_HOME");
}

} // namespace

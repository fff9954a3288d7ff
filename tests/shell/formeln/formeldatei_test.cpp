// Formula files: opening into the import list, "<" and "<<", "Speichern unter", bad files.
#include "formeltesthilfe.h"

#include "shell/formeln/formeldatei.h"

#include <QDir>

namespace zol::test {
namespace {

const QString fehlerhaft = QStringLiteral("Fehlerhafter Ausdruck");

struct Import {
    QByteArray datei;
    QList<int> auswahl; // rows selected for "<"; empty: "<<"
    QStringList tabelle;
    QStringList liste_danach;
    int meldungen;
};

void PrintTo(const Import& i, std::ostream* aus) {
    *aus << i.datei.left(60).toStdString();
}

class Importieren : public Formeltest, public ::testing::WithParamInterface<Import> {};

TEST_P(Importieren, DefiniertUndMeldetJedeFehlerhafteZeile) {
    const Import& i = GetParam();
    schreiben(pfad("formeln.for"), i.datei);
    dienst.dateinamen.enqueue(pfad("formeln.for"));
    klick("Formeldateioeffnen");
    QListWidget* l = liste("listbox2");
    for (const int zeile : i.auswahl)
        l->item(zeile)->setSelected(true);
    klick(i.auswahl.isEmpty() ? "Alleeinfuegen" : "Einfuegen");
    EXPECT_EQ(tabelle(), i.tabelle);
    EXPECT_EQ(zeilen(liste("zeigeformel")), i.tabelle);
    EXPECT_EQ(zeilen(l), i.liste_danach);
    EXPECT_EQ(dienst.meldungen, QStringList(i.meldungen, fehlerhaft));
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Importieren,
    ::testing::Values(
        Import{"A=1\r\nB=A+1\r\n", {}, {"A=1", "B=A+1"}, {"A=1", "B=A+1"}, 0},
        Import{"B=A+1\r\nA=1\r\n", {}, {"A=1"}, {"B=A+1", "A=1"}, 1},
        // Selected lines go in file order and leave the list, refused ones too.
        Import{"A=1\nB=A+1\nC=B*2\n", {0, 1}, {"A=1", "B=A+1"}, {"C=B*2"}, 0},
        Import{"A=1\nB=A+1\nC=B*2\n", {1, 2}, {}, {"A=1"}, 2},
        Import{"A=1\r\n\r\n   \r\nf(x)=x^2", {}, {"A=1", "f(x)=x^2"}, {"A=1", "f(x)=x^2"}, 0},
        Import{"g1(x)=2*x\r\n\xE4=1\r\nq=SQRT(-1)\r\n",
               {},
               {"g1(x)=2*x", "q=SQRT(-1)"},
               {"g1(x)=2*x", "ä=1", "q=SQRT(-1)"},
               1},
        Import{"A=" + QByteArray(5000, '1') + "\r\nB=2\r\n",
               {},
               {"B=2"},
               {"A=" + QString(5000, '1'), "B=2"},
               1}));

// The file holds the formulas as typed, in Windows-1252 with CRLF, and reads back the same.
TEST_F(Formeltest, SpeichernUndWiederEinlesen) {
    const QStringList formeln = {"A=1", "B = A+1", "f(x)=x*2", "Pa(u)=2*u^2-6*u+1"};
    definiere_alle(formeln);
    dienst.dateinamen.enqueue(pfad("projekt.for"));
    klick("Speichernunter");
    EXPECT_EQ(lesen(pfad("projekt.for")), "A=1\r\nB = A+1\r\nf(x)=x*2\r\nPa(u)=2*u^2-6*u+1\r\n");
    EXPECT_TRUE(dienst.meldungen.isEmpty());

    formelbaum().alle_loeschen();
    dienst.dateinamen.enqueue(pfad("projekt.for"));
    klick("Formeldateioeffnen");
    klick("Alleeinfuegen");
    EXPECT_EQ(tabelle(), formeln);
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Formeltest, UmlauteWerdenAlsWindows1252Geschrieben) {
    QString fehler;
    ASSERT_TRUE(formeldatei_schreiben(pfad("u.for"), {"Ä=1", "€"}, fehler));
    EXPECT_EQ(lesen(pfad("u.for")), QByteArray("\xC4=1\r\n\x80\r\n"));
    const auto zurueck = formeldatei_lesen(pfad("u.for"), fehler);
    ASSERT_TRUE(zurueck.has_value());
    EXPECT_EQ(*zurueck, (QStringList{"Ä=1", "€"}));
}

TEST_F(Formeltest, AbgebrocheneDateidialogeAendernNichts) {
    definiere_alle({"A=1"});
    liste("listbox2")->addItem("B=2");
    klick("Formeldateioeffnen");
    klick("Speichernunter");
    EXPECT_EQ(dienst.dateidialoge, (QStringList{"Formeldatei öffnen", "Speichern unter"}));
    EXPECT_EQ(zeilen(liste("listbox2")), QStringList{"B=2"});
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList());
}

struct Falsch {
    const char* name;
    QByteArray inhalt; // empty: the path is left as it is
    bool ordner;
    const char* grund;
};

void PrintTo(const Falsch& f, std::ostream* aus) {
    *aus << f.name;
}

class DefekteDatei : public Formeltest, public ::testing::WithParamInterface<Falsch> {};

TEST_P(DefekteDatei, MeldungOhneDefinitionDialogBleibtBenutzbar) {
    const Falsch& f = GetParam();
    const QString p = pfad(f.name);
    if (f.ordner) {
        ASSERT_TRUE(QDir().mkpath(p));
    }
    if (!f.inhalt.isEmpty()) schreiben(p, f.inhalt);
    liste("listbox2")->addItem("B=2");
    dienst.dateinamen.enqueue(p);
    klick("Formeldateioeffnen");
    ASSERT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(dienst.meldungen.first().startsWith("Datei kann nicht geladen werden."));
    EXPECT_TRUE(dienst.meldungen.first().contains(QDir::toNativeSeparators(p)));
    EXPECT_TRUE(dienst.meldungen.first().contains(QString::fromUtf8(f.grund)));
    EXPECT_EQ(zeilen(liste("listbox2")), QStringList{"B=2"});
    EXPECT_TRUE(tabelle().isEmpty());

    edit1()->setText("A=1");
    klick("Definieren");
    EXPECT_EQ(tabelle(), QStringList{"A=1"});
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, DefekteDatei,
    ::testing::Values(Falsch{"fehlt.for", {}, false, "gibt es nicht"},
                      Falsch{"bild.for", QByteArray("A=1\r\n\0\x01\x02", 8), false, "Binärdaten"},
                      Falsch{"utf16.for",
                             "\xFF\xFE"
                             "A\0=\0"
                             "1\0",
                             false, "Binärdaten"},
                      Falsch{"gross.for", QByteArray((1 << 20) + 1, 'A'), false, "größer als 1 MB"},
                      // Under 1 MB, but a million and one lines.
                      Falsch{"zeilen.for", QByteArray(1'000'001, '\n'), false,
                             "mehr als 1 000 000 Zeilen"},
                      Falsch{"ordner.for", {}, true, "kann nicht gelesen werden"}));

TEST_F(Formeltest, SchreibfehlerMeldetUndLaesstAllesStehen) {
    definiere_alle({"A=1"});
    const QString ordnerziel = pfad("ordner.for");
    ASSERT_TRUE(QDir().mkpath(ordnerziel + "/innen"));
    const QString ohne_ordner = pfad("gibtsnicht/neu.for");
    for (const QString& ziel : {ordnerziel, ohne_ordner}) {
        dienst.meldungen.clear();
        dienst.dateinamen.enqueue(ziel);
        klick("Speichernunter");
        ASSERT_EQ(dienst.meldungen.size(), 1) << ziel.toStdString();
        EXPECT_TRUE(dienst.meldungen.first().startsWith("Datei kann nicht gespeichert werden."));
        EXPECT_TRUE(dienst.meldungen.first().contains(QDir::toNativeSeparators(ziel)));
    }
    EXPECT_TRUE(QFileInfo(ordnerziel + "/innen").isDir());
    EXPECT_FALSE(QFileInfo::exists(ohne_ordner));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList());
    EXPECT_EQ(tabelle(), QStringList{"A=1"});
}

// A file without write permission is not replaced, even by a user who could.
TEST_F(Formeltest, SchreibgeschuetzteDateiBleibtUnveraendert) {
    const QString ziel = pfad("fest.for");
    schreiben(ziel, "A=1\r\n");
    QFile::setPermissions(ziel, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QString fehler;
    EXPECT_FALSE(formeldatei_schreiben(ziel, {"B=2"}, fehler));
    EXPECT_TRUE(fehler.startsWith("Datei kann nicht gespeichert werden."));
    EXPECT_TRUE(fehler.contains("schreibgeschützt")) << fehler.toStdString();
    EXPECT_EQ(lesen(ziel), "A=1\r\n");
    EXPECT_FALSE(QFile::permissions(ziel) &
                 (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(Formeltest, DateifilterUndEndung) {
    EXPECT_EQ(formeldatei_filter(),
              (QStringList{"Formeln (*.for)", "Text (*.txt)", "Alle Dateien (*)"}));
    EXPECT_EQ(formeldatei_endung, "for");
}

} // namespace
} // namespace zol::test

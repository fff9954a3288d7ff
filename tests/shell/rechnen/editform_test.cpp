// The calculation window: direct mode, program mode, its files.
#include "engine/fktbaum.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace zol;

class Rechnen : public ::testing::Test {
protected:
    void SetUp() override { formelbaum().alle_loeschen(); }
    void TearDown() override { formelbaum().alle_loeschen(); }

    // Types a line at the end of the text and presses Enter.
    void eingeben(TEditForm& f, const QString& zeile) {
        f.memo()->moveCursor(QTextCursor::End);
        f.memo()->insertPlainText(zeile); // typed; key clicks know no umlauts
        QTest::keyClick(f.memo(), Qt::Key_Return);
    }
    Testmeldungsdienst dienst;
};

TEST_F(Rechnen, Direktmodus) {
    TEditForm f;
    f.setzeFormat("0.00");
    struct Fall {
        const char* zeile;
        const char* danach; // whole text afterwards
        const char* meldung;
    };
    const Fall faelle[] = {
        {"3*4=", "3*4=\n12,00\n", ""},
        {"A=5", "3*4=\n12,00\nA=5\n", "Formel aufgenommen!"},
        {"A*2=", "3*4=\n12,00\nA=5\nA*2=\n10,00\n", ""},
        {"3+4", "3*4=\n12,00\nA=5\nA*2=\n10,00\n3+4\n", "ungültiger Ausdruck"},
        {";1/0=", "3*4=\n12,00\nA=5\nA*2=\n10,00\n3+4\n;1/0=\n", ""},
        {"CLS", "\n", ""},
        {"zeige_fkt", "\nzeige_fkt\nA=5\n", ""},
        {"lösche_alle", "\nzeige_fkt\nA=5\nlösche_alle\n", "Alle Formeln gelöscht!"},
    };
    for (const Fall& fall : faelle) {
        dienst.meldungen.clear();
        eingeben(f, QString::fromUtf8(fall.zeile));
        EXPECT_EQ(f.memo()->toPlainText().toStdString(), fall.danach) << fall.zeile;
        const QString erwartet = QString::fromUtf8(fall.meldung);
        EXPECT_EQ(dienst.meldungen, erwartet.isEmpty() ? QStringList{} : QStringList{erwartet})
            << fall.zeile;
    }
    EXPECT_EQ(formelbaum().anzahl(), 0);
}

TEST_F(Rechnen, ProgrammModus) {
    TEditForm f;
    f.setzeFormat("0");
    f.setzeModus(0);
    EXPECT_TRUE(f.findChild<QAction*>("Programmstarten")->isEnabled());
    f.memo()->setPlainText("F(X)=X^2\nAusgabe(F(3))\n3 * 4=");
    // Enter only breaks the line in program mode.
    f.memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(f.memo(), Qt::Key_Return);
    EXPECT_EQ(f.memo()->toPlainText(), "F(X)=X^2\nAusgabe(F(3))\n3 * 4=\n");
    EXPECT_EQ(formelbaum().anzahl(), 0);

    TEditForm* ausgabe = f.programmStarten();
    ASSERT_NE(ausgabe, nullptr);
    EXPECT_EQ(ausgabe->memo()->toPlainText(), ";F(3)=9\nFehler:3 * 4=");
    EXPECT_EQ(ausgabe->format(), "0");
    EXPECT_EQ(ausgabe->windowTitle(), "Ausgabe"); // told apart from the calculation window
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    delete ausgabe;

    // The mode switch button changes between the two modes.
    f.findChild<QToolButton*>("SpeedButton15")->click();
    EXPECT_EQ(f.modus(), 1);
    EXPECT_FALSE(f.findChild<QAction*>("Programmstarten")->isEnabled());
    EXPECT_TRUE(f.findChild<QAction*>("DirektModus")->isChecked());
    f.findChild<QToolButton*>("SpeedButton15")->click();
    EXPECT_EQ(f.modus(), 0);
}

TEST_F(Rechnen, FensterdateiUndTextdatei) {
    QTemporaryDir ordner;
    const QString ref = ordner.filePath("rechnung.ref");
    TEditForm f;
    f.setzeFormat("0.000");
    f.setzeModus(0);
    f.memo()->setPlainText("A=2\nAusgabe(A)");
    ASSERT_TRUE(f.inDateiSchreiben(ref));
    QFile datei(ref);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QList<QByteArray> zeilen = datei.readAll().split('\n');
    ASSERT_GE(zeilen.size(), 8);
    EXPECT_EQ(zeilen[0], "Rechnenfenster\r");
    EXPECT_EQ(zeilen[1], "0.000\r");
    EXPECT_TRUE(zeilen[2].startsWith("1#")) << zeilen[2].toStdString(); // program mode
    EXPECT_EQ(zeilen[4], "DATEN_ANFANG\r");
    EXPECT_EQ(zeilen[5], "A=2\r");

    TEditForm g;
    ASSERT_TRUE(g.laden(ref));
    EXPECT_EQ(g.memo()->toPlainText(), "A=2\nAusgabe(A)");
    EXPECT_EQ(g.format(), "0.000");
    EXPECT_EQ(g.modus(), 0);
    EXPECT_EQ(g.windowTitle(), "rechnung.ref");

    const QString txt = ordner.filePath("notiz.txt");
    ASSERT_TRUE(f.inDateiSchreiben(txt));
    TEditForm h;
    ASSERT_TRUE(h.laden(txt));
    EXPECT_EQ(h.memo()->toPlainText(), "A=2\nAusgabe(A)");

    // A ".ref" file of another kind is refused and changes nothing.
    const QString fremd = ordner.filePath("fremd.ref");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("Wertetabelle\r\n0.00\r\n");
    ff.close();
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(h.memo()->toPlainText(), "A=2\nAusgabe(A)");
}

// A text of a million and one empty lines would take about half a gigabyte in the window (and
// thirty million lines crashed it): such files are refused before anything is held, and the
// window goes on as before.
TEST_F(Rechnen, ZuGrosseDateiWirdAbgewiesenFensterBleibtBenutzbar) {
    QTemporaryDir ordner;
    struct Fall {
        const char* name;
        QByteArray bytes;
    };
    const Fall faelle[] = {
        {"leer.txt", QByteArray(1'000'001, '\n')},
        {"leer_crlf.txt", QByteArray(1'000'001, '\n').replace("\n", "\r\n")},
        {"lang.txt", "A=1\r\n" + QByteArray((1 << 20) + 1, '1')},
        {"zeilen.ref", "Rechnenfenster\r\n0.00\r\n" + QByteArray(1'000'001, '\n')},
    };
    TEditForm f;
    f.setzeFormat("0");
    f.memo()->setPlainText("A=2\n");
    for (const Fall& fall : faelle) {
        const QString datei = ordner.filePath(fall.name);
        QFile aus(datei);
        ASSERT_TRUE(aus.open(QIODevice::WriteOnly));
        aus.write(fall.bytes);
        aus.close();
        dienst.meldungen.clear();
        EXPECT_FALSE(f.laden(datei)) << fall.name;
        ASSERT_EQ(dienst.meldungen.size(), 1) << fall.name;
        EXPECT_TRUE(dienst.meldungen.first().contains("ist zu groß"))
            << dienst.meldungen.first().toStdString();
        EXPECT_EQ(f.memo()->toPlainText(), "A=2\n") << fall.name;
        EXPECT_NE(f.windowTitle(), QString::fromUtf8(fall.name));
    }
    dienst.meldungen.clear();
    eingeben(f, "3*4=");
    EXPECT_EQ(f.memo()->toPlainText(), "A=2\n3*4=\n12\n");
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

} // namespace

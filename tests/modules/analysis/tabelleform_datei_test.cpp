// The spreadsheet window's files and clipboard: ".tab" round trip and load sequence, text
// files, copy, cut, delete, paste with growth, and the hand-over of another window's grid.
#include "engine/fktbaum.h"
#include "modules/analysis/tabelleform.h"
#include "shell/rahmen/komponentenblock.h"
#include "shell/rahmen/modulfenster.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/fenster_testhilfe.h"
#include "tests/modules/analysis/tabelle_testhilfe.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using namespace zol;
using namespace zol::test;

void schreibe(const QString& datei, const QByteArray& bytes) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class TabelleDatei : public ::testing::Test {
protected:
    void SetUp() override { tabelle_registrieren(); }
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
};

TEST_F(TabelleDatei, SpeichernUndLaden) {
    const QString datei = ordner.filePath("blatt.tab");
    Ttabelleform f;
    f.setzeFormat("0.00");
    tippe(f, "A1", "2");
    tippe(f, "A2", "=A1*3");
    tippe(f, "B1", "=SUMME(A1:A2)");
    tippe(f, "C1", "Ergebnis");
    tippe(f, "D1", "=summe(b1:b1)");
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern()); // no name yet: asks like "Speichern unter"
    EXPECT_EQ(f.windowTitle(), "blatt.tab");
    EXPECT_EQ(zeigt(f, "A2"), "6,00"); // values again after saving

    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 5);
    EXPECT_EQ(z[0], "Rechnenfenster");
    EXPECT_EQ(z[1], "0.00");
    const QStringList schrift = z[2].split('#');
    ASSERT_EQ(schrift.size(), 10);
    EXPECT_EQ(schrift.mid(1, 4), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(schrift[7], "20");
    EXPECT_EQ(schrift[8], "10");
    EXPECT_EQ(schrift[9], "");
    // The block keeps the inputs, not the values.
    EXPECT_TRUE(z.contains("1\t2\t=SUMME(A1:A2)\tErgebnis\t=summe(b1:b1)\t\t\t\t\t"));
    EXPECT_TRUE(z.contains("2\t=A1*3\t\t\t\t\t\t\t\t"));
    EXPECT_EQ(z.count("DATEN_ANFANG"), 2);

    Ttabelleform g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.windowTitle(), "blatt.tab");
    EXPECT_EQ(g.dateiname(), datei);
    EXPECT_EQ(g.format(), "0.00");
    EXPECT_EQ(zeigt(g, "A2"), "6,00");
    EXPECT_EQ(zeigt(g, "B1"), "8,00");
    EXPECT_EQ(zeigt(g, "D1"), "8,00");
    EXPECT_EQ(zeigt(g, "C1"), "Ergebnis");
    EXPECT_EQ(eingabe_von(g, "A2"), "=A1*3");
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_GE(g.zelltabelle().sucheeintrag("B1"), 0);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(TabelleDatei, GroesseUndSchriftKommenZurueck) {
    const QString datei = ordner.filePath("gross.tab");
    Ttabelleform f;
    f.groesseSetzen(40, 30);
    QFont schrift = f.anzeigegitter()->font();
    schrift.setPointSize(14);
    schrift.setBold(true);
    f.anzeigegitter()->setFont(schrift);
    tippe(f, "AB39", "=1+1");
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    Ttabelleform g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.anzeigegitter()->rowCount(), 40);
    EXPECT_EQ(g.anzeigegitter()->colCount(), 30);
    EXPECT_EQ(g.eingabegitter()->colCount(), 30);
    EXPECT_EQ(g.schriftgroesse(), 14);
    EXPECT_TRUE(g.anzeigegitter()->font().bold());
    EXPECT_EQ(zeigt(g, "AB39"), "2,000");
    EXPECT_EQ(g.anzeigegitter()->model()->headerData(28, Qt::Horizontal).toString(), "AB");
}

TEST_F(TabelleDatei, NurGezeigteTexteWerdenEingaben) {
    // A grid cell that holds text without input (written straight into the visible grid)
    // comes back as that cell's input, as the load sequence copies the shown cells over.
    const QString datei = ordner.filePath("rund.tab");
    Ttabelleform f;
    f.anzeigegitter()->setCell(1, 1, "4,5");
    f.eingabegitter()->setCell(2, 2, "7");
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    Ttabelleform g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_EQ(zeigt(g, "A1"), "4,500");
    EXPECT_EQ(zeigt(g, "B2"), "7,000");
}

TEST_F(TabelleDatei, FremdeUndKaputteDateienAendernNichts) {
    const struct {
        const char* name;
        QByteArray bytes;
        const char* meldung;
    } faelle[] = {
        {"fremd.tab", "Wertetabelle\r\n0.00\r\n", "Datei kann nicht geladen werden."},
        {"leer.tab", "", "Datei kann nicht geladen werden."},
        {"fehlt.tab", QByteArray(), " Datei nicht gefunden!"},
    };
    for (const auto& fall : faelle) {
        const QString datei = ordner.filePath(fall.name);
        if (QString(fall.name) != "fehlt.tab") schreibe(datei, fall.bytes);
        Ttabelleform f;
        tippe(f, "A1", "2");
        dienst.meldungen.clear();
        EXPECT_FALSE(f.laden(datei)) << fall.name;
        ASSERT_EQ(dienst.meldungen.size(), 1) << fall.name;
        EXPECT_TRUE(dienst.meldungen.first().contains(fall.meldung)) << fall.name;
        EXPECT_EQ(zeigt(f, "A1"), "2,000");
        EXPECT_EQ(f.windowTitle(), "Tabellenkalkulation");
    }
}

TEST_F(TabelleDatei, VerstuemmelteDateiWirdGelesenSoweitEsGeht) {
    const QString datei = ordner.filePath("kurz.tab");
    schreibe(datei, "Rechnenfenster\r\n0.0\r\nArial#1#x#0#0#0#abc#5#4#\r\n0#400#300#10#10#\r\n"
                    "DATEN_ANFANG\r\n\tA\tB\r\n1\t3\t=A1*2\r\n");
    Ttabelleform f;
    ASSERT_TRUE(f.laden(datei));
    // The grid has lost its end: said, and the window counts as changed.
    EXPECT_EQ(dienst.meldungen, QStringList{QString::fromUtf8(datei_unvollstaendig)});
    EXPECT_TRUE(f.geaendert());
    dienst.meldungen.clear();
    EXPECT_EQ(f.anzeigegitter()->rowCount(), 2);
    EXPECT_EQ(f.anzeigegitter()->colCount(), 3);
    EXPECT_EQ(zeigt(f, "B1"), "6,0");
    EXPECT_TRUE(f.anzeigegitter()->font().bold());
    EXPECT_FALSE(f.anzeigegitter()->font().italic());

    // Absurd counts in the settings line: the cells decide the size.
    const QString gross = ordner.filePath("gross.tab");
    schreibe(gross, "Rechnenfenster\r\n0.0\r\n#1#1#1#1#-5#0#999999999#-3#\r\n0#400#300#10#10#\r\n"
                    "DATEN_ANFANG\r\n\tA\r\n1\t=2+2\r\n2\t\r\nDATEN_ENDE\r\n");
    Ttabelleform g;
    ASSERT_TRUE(g.laden(gross));
    EXPECT_EQ(g.anzeigegitter()->rowCount(), 3);
    EXPECT_EQ(g.anzeigegitter()->colCount(), 2);
    EXPECT_EQ(zeigt(g, "A1"), "4,0");
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(TabelleDatei, Textdateien) {
    Ttabelleform f;
    tippe(f, "A1", "1");
    tippe(f, "B1", "=A1+1");
    tippe(f, "A2", "x");

    const QString ganz = ordner.filePath("ganz.txt");
    dienst.dateinamen.enqueue(ganz);
    ASSERT_TRUE(f.alsTextdateiSpeichern());
    const QStringList g = zeilen_von(ganz);
    ASSERT_EQ(g.size(), 20);
    EXPECT_EQ(g[0], "\tA\tB\tC\tD\tE\tF\tG\tH\tI");
    EXPECT_EQ(g[1], "1\t1,000\t2,000\t\t\t\t\t\t\t");

    const QString teil = ordner.filePath("teil.txt");
    waehle(f, "A1", "B2");
    dienst.dateinamen.enqueue(teil);
    ASSERT_TRUE(f.markiertenBereichSpeichern());
    EXPECT_EQ(zeilen_von(teil), QStringList({"1,000\t2,000", "x\t"}));

    // Inserting a text file: from the selection's top-left, no growth, no recalculation.
    const QString ein = ordner.filePath("ein.txt");
    schreibe(ein, "5\t=H8*2\tweg\r\n\t7\r\n8\r\n");
    waehle(f, "H18");
    dienst.dateinamen.enqueue(ein);
    ASSERT_TRUE(f.textdateiEinfuegen());
    EXPECT_EQ(f.anzeigegitter()->rowCount(), 20);
    EXPECT_EQ(f.anzeigegitter()->colCount(), 10);
    EXPECT_EQ(zeigt(f, "H18"), "5");
    EXPECT_EQ(eingabe_von(f, "I18"), "=H8*2");
    EXPECT_EQ(zeigt(f, "I18"), "=H8*2");
    EXPECT_EQ(eingabe_von(f, "I19"), "7");
    EXPECT_EQ(zeigt(f, "H19"), "");
    f.rechne();
    EXPECT_EQ(zeigt(f, "H18"), "5,000");

    // Cancelled dialogs do nothing.
    EXPECT_FALSE(f.alsTextdateiSpeichern());
    EXPECT_FALSE(f.textdateiEinfuegen());
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(TabelleDatei, KopierenAusschneidenLoeschen) {
    Ttabelleform f;
    tippe(f, "A1", "1");
    tippe(f, "B1", "=A1*2");
    tippe(f, "A2", "Text");
    tippe(f, "B2", "4");
    QClipboard* ablage = QApplication::clipboard();

    waehle(f, "A1", "B2");
    f.zwischenablage(Befehl::kopieren, f.anzeigegitter());
    EXPECT_EQ(ablage->text(), "1,000\t2,000\r\nText\t4,000\r\n");

    waehle(f, "B1", "B2");
    f.zwischenablage(Befehl::ausschneiden, f.anzeigegitter());
    EXPECT_EQ(ablage->text(), "2,000\r\n4,000\r\n");
    EXPECT_EQ(zeigt(f, "B1"), "");
    EXPECT_EQ(eingabe_von(f, "B1"), "");
    EXPECT_EQ(eingabe_von(f, "B2"), "");

    waehle(f, "A2");
    f.aktion(Befehl::loeschen)->trigger(); // on the grid, as nothing else has the focus
    EXPECT_EQ(zeigt(f, "A2"), "");
    EXPECT_EQ(eingabe_von(f, "A2"), "");
    EXPECT_EQ(zeigt(f, "A1"), "1,000");

    f.zwischenablage(Befehl::alles_auswaehlen, f.anzeigegitter());
    EXPECT_EQ(f.anzeigegitter()->auswahl(), QRect(QPoint(1, 1), QPoint(9, 19)));

    f.alsBitmapKopieren();
    EXPECT_TRUE(ablage->mimeData()->hasImage());
}

TEST_F(TabelleDatei, EinfuegenWaechstUndRechnet) {
    Ttabelleform f;
    QApplication::clipboard()->setText("1\t2\t=I19+J19\tx\r\n3,5\t\t\t=summe(i19:i21)\r\n5\r\n");
    waehle(f, "I19");
    f.zwischenablage(Befehl::einfuegen, f.anzeigegitter());
    EXPECT_EQ(f.anzeigegitter()->rowCount(), 22);
    EXPECT_EQ(f.anzeigegitter()->colCount(), 13);
    EXPECT_EQ(f.eingabegitter()->rowCount(), 22);
    EXPECT_EQ(f.eingabegitter()->colCount(), 13);
    EXPECT_EQ(f.anzeigegitter()->cell(12, 0), "L");
    EXPECT_EQ(f.anzeigegitter()->cell(0, 21), "21");
    EXPECT_EQ(f.anzeigegitter()->model()->headerData(12, Qt::Horizontal).toString(), "L");
    EXPECT_EQ(zeigt(f, "I19"), "1,000");
    EXPECT_EQ(zeigt(f, "K19"), "3,000");
    EXPECT_EQ(zeigt(f, "L19"), "x");
    EXPECT_EQ(zeigt(f, "I20"), "3,500");
    EXPECT_EQ(eingabe_von(f, "J20"), "");
    EXPECT_EQ(zeigt(f, "L20"), "9,500");
    EXPECT_EQ(eingabe_von(f, "I21"), "5");

    // No text on the clipboard: nothing happens.
    auto* bild = new QMimeData;
    bild->setImageData(QImage(2, 2, QImage::Format_RGB32));
    QApplication::clipboard()->setMimeData(bild);
    waehle(f, "A1");
    f.zwischenablage(Befehl::einfuegen, f.anzeigegitter());
    EXPECT_EQ(zeigt(f, "A1"), "");
}

TEST_F(TabelleDatei, EinfuegenNimmtHoechstens32000Zeichen) {
    Ttabelleform f;
    QString text;
    for (int r = 0; text.size() < 40000; ++r)
        text += QStringLiteral("1,5\t2,5\t=A%1+B%1\r\n").arg(r + 1);
    QApplication::clipboard()->setText(text);
    waehle(f, "A1");
    f.zwischenablage(Befehl::einfuegen, f.anzeigegitter());
    const int zeilen = static_cast<int>(text.left(32000).count(QLatin1Char('\n')));
    EXPECT_GE(f.anzeigegitter()->rowCount(), zeilen + 1);
    EXPECT_LE(f.anzeigegitter()->rowCount(), zeilen + 2);
    EXPECT_EQ(f.anzeige(3, 1000), "4,000");
}

// A small topic window with a result grid and the frame's "Tabellenkalkulation" command.
class Quellfenster : public Tmodulfenster {
public:
    TStringGrid* gitter = new TStringGrid;
    Quellfenster() : Tmodulfenster(QStringLiteral("Twertedlg")) {
        gitter->setColCount(3);
        gitter->setRowCount(4);
        const char* zellen[4][3] = {
            {"", "x", "f(x)"}, {"1", "0", "1,5"}, {"2", "1", "2,5"}, {"3", "2", "Pol"}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                gitter->setCell(c, r, zellen[r][c]);
        setCentralWidget(gitter);
        rahmenAufbauen({Befehl::tabellenkalkulation});
    }
    TStringGrid* ergebnisgitter() const override { return gitter; }
};

TEST_F(TabelleDatei, UebergabeAusEinemAnderenFenster) {
    Quellfenster quelle;
    QAction* befehl = quelle.aktion(Befehl::tabellenkalkulation);
    ASSERT_TRUE(befehl->isEnabled());
    befehl->trigger();
    auto* tabelle = qobject_cast<Ttabelleform*>(letzteTabellenkalkulation());
    ASSERT_NE(tabelle, nullptr);
    EXPECT_TRUE(tabelle->isVisible());
    // The data cells arrive from A1 on, numbers computed, text kept.
    EXPECT_EQ(zeigt(*tabelle, "A1"), "0,000");
    EXPECT_EQ(zeigt(*tabelle, "B1"), "1,500");
    EXPECT_EQ(zeigt(*tabelle, "B2"), "2,500");
    EXPECT_EQ(eingabe_von(*tabelle, "B2"), "2,5");
    EXPECT_EQ(zeigt(*tabelle, "A3"), "2,000");
    EXPECT_EQ(zeigt(*tabelle, "B3"), "Pol");
    EXPECT_EQ(zeigt(*tabelle, "A4"), "");
    EXPECT_GE(tabelle->zelltabelle().sucheeintrag("B2"), 0);
    // The pasted cells are usable at once.
    tippe(*tabelle, "C1", "=SUMME(B1:B2)");
    EXPECT_EQ(zeigt(*tabelle, "C1"), "4,000");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    delete tabelle;
}

} // namespace

// The pages "Tabellen", "Text " and "Seiteeinrichten": table files, the symbol panel, positions
// by mouse, labels as text, printing at true size and the picture dialog.
#include "tests/shell/zeichnen/zeichnen_testhilfe.h"

#include "shell/zeichnen/seitendruck.h"
#include "tests/hilfe/modalwaechter.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTest>

#include <functional>

namespace zol::test {
namespace {

QList<QStringList> gitterzeilen(Tdialogfkt& f) {
    auto* g = kind<TStringGrid>(f, "StringGrid2");
    QList<QStringList> r;
    for (int z = 1; z < g->rowCount(); ++z) {
        QStringList zellen;
        for (int s = 1; s < g->colCount(); ++s)
            zellen << g->cell(s, z);
        r << zellen;
    }
    return r;
}

TEST_F(Zeichnen, TabellenOeffnen) {
    struct Fall {
        const char* name;
        const char* inhalt;
        QList<QStringList> gitter;
        bool name_in_edit5;
    };
    const Fall faelle[] = {
        {"a.dat",
         "Kopf\r\nDATEN_ANFANG\r\n1\t2\r\n3\t4,5\r\n-1\t0\r\nDATEN_ENDE\r\nRest\r\n",
         {{"1", "2"}, {"3", "4,5"}, {"-1", "0"}},
         true},
        {"b.DAT", "xDATEN_ANFANGx\r\n7\t8\r\nDATEN_ENDE\r\n", {{"7", "8"}}, true},
        {"c.dat", "DATEN_ANFANG\r\n1\t2\t3\r\nDATEN_ENDE\r\n", {{"1", "2", "3"}}, true},
        // A value table: its header line and its row numbers are left out.
        {"d.wer",
         "Wertetabelle\r\n0.00\r\n0#400#300#0#0#\r\nDATEN_ANFANG\r\n\tx\tf(x)\r\n1\t-1,00\t1,00\r\n"
         "2\t0,00\t0,00\r\nDATEN_ENDE\r\n",
         {{"-1,00", "1,00"}, {"0,00", "0,00"}},
         false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Tdialogfkt f;
        kind<QLineEdit>(f, "edit5")->setText("vorher.dat");
        const QString datei = pfad(fall.name);
        schreibe(datei, fall.inhalt);
        dienst.dateinamen << datei;
        klick(f, "Oeffnen1");
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
        EXPECT_EQ(gitterzeilen(f), fall.gitter);
        EXPECT_EQ(text(f, "spineditin1"), QString::number(fall.gitter.size()));
        EXPECT_EQ(text(f, "edit5"), fall.name_in_edit5 ? datei : "vorher.dat");
        auto* g = kind<TStringGrid>(f, "StringGrid2");
        EXPECT_EQ(g->cell(1, 0), "x-Wert");
        EXPECT_EQ(g->cell(0, static_cast<int>(fall.gitter.size())),
                  QString::number(fall.gitter.size()));
    }
}

TEST_F(Zeichnen, TabellenOhneMarkenBleibenDraussen) {
    const std::pair<const char*, const char*> faelle[] = {
        {"ohne.dat", "1\t2\r\n3\t4\r\n"},
        {"leer.dat", "DATEN_ANFANG\r\nDATEN_ENDE\r\n"},
        {"verkehrt.dat", "DATEN_ENDE\r\n1\t2\r\nDATEN_ANFANG\r\n"},
        {"bild.png", "DATEN_ANFANG\r\n1\t2\r\nDATEN_ENDE\r\n"},
    };
    for (const auto& [name, inhalt] : faelle) {
        SCOPED_TRACE(name);
        dienst.meldungen.clear();
        Tdialogfkt f;
        f.setzeTabelle("alt.dat", {{"5", "6"}});
        schreibe(pfad(name), inhalt);
        const bool geladen = f.tabelleLaden(pfad(name));
        if (QString(name).endsWith(".png")) {
            // Any other file is read like a table file.
            EXPECT_TRUE(geladen);
            continue;
        }
        EXPECT_FALSE(geladen);
        EXPECT_EQ(dienst.meldungen.size(), 1);
        EXPECT_EQ(gitterzeilen(f), (QList<QStringList>{{"5", "6"}}));
        EXPECT_EQ(text(f, "edit5"), "alt.dat");
    }
}

TEST_F(Zeichnen, TabellenSpeichern) {
    Tdialogfkt f;
    f.setzeTabelle({}, {{"1", "2,5"}, {"3", "-4"}});
    // Without a name "&Speichern" asks like "Speichern &unter".
    dienst.dateinamen << pfad("s.dat");
    klick(f, "Speichern1");
    EXPECT_EQ(text(f, "edit5"), pfad("s.dat"));
    const QByteArray erwartet = "DATEN_ANFANG\r\n1\t2,5\r\n3\t-4\r\nDATEN_ENDE\r\n";
    EXPECT_EQ(dateiinhalt(pfad("s.dat")), erwartet);
    // With a name it writes there without asking.
    kind<TStringGrid>(f, "StringGrid2")->setCell(2, 2, "8");
    klick(f, "Speichern1");
    EXPECT_EQ(dienst.dateidialoge.size(), 1);
    EXPECT_EQ(dateiinhalt(pfad("s.dat")), "DATEN_ANFANG\r\n1\t2,5\r\n3\t8\r\nDATEN_ENDE\r\n");
    dienst.dateinamen << pfad("u.dat");
    klick(f, "Speichernunter1");
    EXPECT_EQ(text(f, "edit5"), pfad("u.dat"));
    EXPECT_TRUE(QFile::exists(pfad("u.dat")));
    // Read back, the grid is the same.
    Tdialogfkt g;
    ASSERT_TRUE(g.tabelleLaden(pfad("u.dat")));
    EXPECT_EQ(gitterzeilen(g), gitterzeilen(f));
}

TEST_F(Zeichnen, AnzahlDerWerteSetztDieZeilen) {
    Tdialogfkt f;
    auto* g = kind<TStringGrid>(f, "StringGrid2");
    kind<Tspineditin>(f, "spineditin1")->setText("5");
    EXPECT_EQ(g->rowCount(), 6);
    EXPECT_EQ(g->cell(0, 5), "5");
    kind<Tspineditin>(f, "spineditin1")->setText("");
    EXPECT_EQ(g->rowCount(), 2); // an empty field reads as its smallest value
    // "&Alles auswählen" of the grid's pop-up menu: every data cell.
    kind<Tspineditin>(f, "spineditin1")->setText("3");
    kind<QAction>(f, "Allesauswaehlen1")->trigger();
    EXPECT_EQ(g->auswahl(), QRect(QPoint(1, 1), QPoint(2, 3)));
}

TEST_F(Zeichnen, SymbolfeldFuegtAmCursorEin) {
    struct Fall {
        std::function<void(Tdialogfkt&)> aktion;
        const char* danach;
        int cursor; // caret position afterwards
    };
    auto zelle = [](int zeile, int spalte) {
        return [=](Tdialogfkt& f) {
            emit kind<TStringGrid>(f, "StringGrid1")->cellClicked(zeile, spalte);
        };
    };
    const Fall faelle[] = {
        {[](Tdialogfkt& f) { klick(f, "Wurzel1"); }, "ab\\w()cd", 5},
        {[](Tdialogfkt& f) { klick(f, "Bruch1"); }, "ab\\f( ; )cd", 5},
        {zelle(0, 0), "ab\\c(A)cd", 7},
        {zelle(2, 3), "ab\\c(Z)cd", 7},
        {zelle(2, 4), "ab\\c(a)cd", 7},
        {zelle(4, 10), "ab\\c(})cd", 7},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.danach);
        Tdialogfkt f;
        auto* memo = kind<QPlainTextEdit>(f, "Memo1");
        memo->setPlainText("abcd");
        QTextCursor c = memo->textCursor();
        c.setPosition(2);
        memo->setTextCursor(c);
        fall.aktion(f);
        EXPECT_EQ(memo->toPlainText(), fall.danach);
        EXPECT_EQ(memo->textCursor().position(), fall.cursor);
    }
}

TEST_F(Zeichnen, PositionPerMaus) {
    struct Fall {
        int vergroessern;
        QPoint pixel;
        const char* eingefuegt;
    };
    const Fall faelle[] = {
        {0, {60, 30}, "\\p(20;10)"},
        {0, {1, 1}, "\\p(0;0)"},
        {0, {599, 809}, "\\p(199;269)"},
        {1, {72, 36}, "\\p(20;10)"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.eingefuegt);
        Tdialogfkt f;
        for (int i = 0; i < fall.vergroessern; ++i)
            f.vergroessern();
        auto* memo = kind<QPlainTextEdit>(f, "Memo1");
        QWidget* ansicht = kind(f, "PaintBox1");
        // Not on page "Text ": nothing.
        QTest::mouseDClick(ansicht, Qt::LeftButton, {}, fall.pixel);
        EXPECT_EQ(memo->toPlainText(), "");
        kind<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(Tdialogfkt::seite_text);
        QTest::mousePress(ansicht, Qt::LeftButton, {}, fall.pixel);
        QTest::mouseRelease(ansicht, Qt::LeftButton, {}, fall.pixel);
        QTest::mouseDClick(ansicht, Qt::LeftButton, {}, fall.pixel);
        EXPECT_EQ(memo->toPlainText(), fall.eingefuegt);
    }
}

TEST_F(Zeichnen, BeschriftungAlsText) {
    Tdialogfkt f;
    kind<QPlainTextEdit>(f, "Memo1")->setPlainText("Hallo");
    klick(f, "BeschriftungalsText");
    EXPECT_FALSE(kind<QCheckBox>(f, "autoBeschrift")->isChecked());
    EXPECT_FALSE(kind(f, "xtext")->isEnabled());
    EXPECT_EQ(kind<QTabWidget>(f, "TabbedNotebook1")->currentIndex(), Tdialogfkt::seite_text);
    const QStringList z = text(f, "Memo1").split('\n');
    // The font first (at the caret, here the start), then tick labels, then the titles.
    EXPECT_EQ(z[0], "\\Fn(Courier New)\\Fs(20)Hallo");
    EXPECT_TRUE(z.contains("\\p(58;72)0,000")) << z.join("|").toStdString();
    EXPECT_TRUE(z.contains("\\p(15;40)\\k(270;0,000)")) << z.join("|").toStdString();
    // The x title moves below the numbers: at 74 mm it would run into "-2,000".
    EXPECT_EQ(z.mid(z.size() - 3), (QStringList{"\\p(10;70)\\k(270;y-Achse)",
                                                "\\p(20;2)Überschrift", "\\p(20;75)x-Achse"}));
    // On the page the labels are now lines of the one free text object.
    const auto t = texte(f.anzeigeliste());
    ASSERT_EQ(t.size(), 1u);
    const auto& frei = static_cast<const Ttext&>(f.anzeigeliste()[f.anzeigeliste().anzahl() - 1]);
    EXPECT_EQ(frei.zeilen.size(), static_cast<std::size_t>(z.size()));
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

// The first and last dark pixel of a row.
std::pair<int, int> dunkle_spalten(const QImage& bild, int zeile) {
    int erste = -1, letzte = -1;
    for (int x = 0; x < bild.width(); ++x) {
        if (qGray(bild.pixel(x, zeile)) < 128) {
            if (erste < 0) erste = x;
            letzte = x;
        }
    }
    return {erste, letzte};
}

TEST_F(Zeichnen, DruckInWahrerGroesse) {
    struct Fall {
        double dpi;
        int xgroesse;
    };
    for (const Fall fall : {Fall{300, 80}, Fall{300, 100}, Fall{600, 100}, Fall{150, 150}}) {
        SCOPED_TRACE(std::to_string(fall.dpi) + " dpi, " + std::to_string(fall.xgroesse) + " mm");
        Tdialogfkt f;
        eingeben(f, "xgroesse", QString::number(fall.xgroesse));
        const double px_je_mm = fall.dpi / 25.4;
        QImage bild(static_cast<int>(210 * px_je_mm), static_cast<int>(120 * px_je_mm),
                    QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter maler(&bild);
            f.seiteZeichnen(maler, fall.dpi);
        }
        // The top edge of the frame, 10 mm below the page's top, from 20 mm to 20 mm + width:
        // the row near 10 mm with the longest dark run.
        int zeile = 0, laengste = -1;
        for (int y = static_cast<int>(10 * px_je_mm) - 2; y <= static_cast<int>(10 * px_je_mm) + 2;
             ++y) {
            const auto [a, b] = dunkle_spalten(bild, y);
            if (b - a > laengste) {
                laengste = b - a;
                zeile = y;
            }
        }
        const auto [links, rechts] = dunkle_spalten(bild, zeile);
        EXPECT_NEAR(links, 20 * px_je_mm, 2);
        EXPECT_NEAR(rechts - links, fall.xgroesse * px_je_mm, 3);
    }
}

TEST_F(Zeichnen, DruckAufPdfDrucker) {
    Tdialogfkt f;
    ASSERT_TRUE(f.hinzufuegen());
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad("seite.pdf"));
    EXPECT_TRUE(seite_drucken(drucker, const_cast<Tlist1&>(f.anzeigeliste())));
    EXPECT_TRUE(dateiinhalt(pfad("seite.pdf")).startsWith("%PDF"));
}

TEST_F(Zeichnen, DruckerwerteUebernehmen) {
    Tdialogfkt f;
    klick(f, "Druckerwerte");
    const QRectF bereich =
        QPrinter(QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Millimeter);
    const QSize mm(qRound(bereich.width()), qRound(bereich.height()));
    ASSERT_GT(mm.width(), 50);
    EXPECT_EQ(text(f, "xseite"), QString::number(mm.width()));
    EXPECT_EQ(text(f, "yseite"), QString::number(mm.height()));
    EXPECT_EQ(f.anzeigeliste().seitenbreite, 10 * mm.width());
    EXPECT_EQ(kind(f, "PaintBox1")->width(), static_cast<int>(0.3 * 10 * mm.width()));
}

TEST_F(Zeichnen, GrafikExportierenZeigtDenBilddialog) {
    Tdialogfkt f;
    ModalWaechter waechter;
    kind<QAction>(f, "Grafikexportieren")->trigger();
    EXPECT_EQ(waechter.gesehen, QStringList{"zol::Tgrafkopdlg"});
}

// Buttons and menu items that open a dialog: which one, and that cancelling changes nothing.
TEST_F(Zeichnen, DialogeWerdenGeoeffnet) {
    struct Fall {
        const char* ausloeser;
        const char* dialog;
    };
    const Fall faelle[] = {
        {"Linienart1", "zol::Tliniedlg"},
        {"Linienart4", "zol::Tliniedlg"},
        {"koordlinie", "zol::Tliniedlg"},
        {"Projektformel1", "zol::Teinffordlg"},
        {"Projektformel4", "zol::Teinffordlg"},
        {"Schriftart1", "QFontDialog"},
        {"Schrift1", "QFontDialog"},
        {"Druckereinrichten", "QPageSetupDialog"},
        {"Grafikdrucken", "QPrintDialog"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.ausloeser);
        Tdialogfkt f;
        const QString vorher = text(f, "Edit1") + text(f, "Memo1");
        const Tstift stift = f.funktionsstift();
        const Tschrift schrift = f.beschriftungsschrift();
        ModalWaechter waechter;
        if (auto* a = f.findChild<QAction*>(fall.ausloeser))
            a->trigger();
        else
            klick(f, fall.ausloeser);
        EXPECT_EQ(waechter.gesehen, QStringList{fall.dialog});
        EXPECT_EQ(text(f, "Edit1") + text(f, "Memo1"), vorher);
        EXPECT_EQ(f.funktionsstift(), stift);
        EXPECT_EQ(f.beschriftungsschrift(), schrift);
    }
}

} // namespace
} // namespace zol::test

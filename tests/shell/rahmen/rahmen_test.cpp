// The frame commands on a small test window: data files, clipboard, number format, results.
#include "engine/fktbaum.h"
#include "shell/formeln/formelbaum.h"
#include "shell/rahmen/fensterarten.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/shell/rahmen/testfenster.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace zol;

QByteArray inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibe(const QString& datei, const QByteArray& bytes) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(Rahmen, SpeichernUndLadenMitKennung) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("viereck.vie");
    Testfenster f;
    f.setzeFormat("0.000");
    f.edit->setText("g(x)=2*x");
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern()); // no file name yet: asks like "Speichern unter"
    EXPECT_EQ(f.windowTitle(), "viereck.vie");
    EXPECT_TRUE(inhalt(datei).startsWith("Gerade\r\n0.000\r\n"));

    // Another kind with the same marker accepts the file.
    Testfenster gerade("Tgeradengleich");
    ASSERT_TRUE(gerade.laden(datei));
    EXPECT_EQ(gerade.edit->text(), "g(x)=2*x");
    EXPECT_EQ(gerade.format(), "0.000");
    EXPECT_EQ(gerade.windowTitle(), "viereck.vie");
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST(Rahmen, FalscheUndKaputteDateienAendernNichts) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    struct Fall {
        const char* name;
        QByteArray bytes;
        const char* meldung; // start of the expected message
    };
    const Fall faelle[] = {
        {"fremd.wer", "Wertetabelle\r\n0.00\r\n", "Datei kann nicht geladen werden."},
        {"leer.vie", "", "Datei kann nicht geladen werden."},
        {"binaer.vie", QByteArray("Gerade\0\1\2", 9), "Die Datei"},
        {"fehlt.vie", QByteArray(), " Datei nicht gefunden!"},
        // Refused before a line is held: a million and one lines, or a line over 1 MB.
        {"zeilen.vie", "Gerade\r\n" + QByteArray(1'000'001, '\n'), "ist zu groß"},
        {"lang.vie", "Gerade\r\n0.00\r\n" + QByteArray((1 << 20) + 1, 'x'), "ist zu groß"},
    };
    for (const Fall& fall : faelle) {
        const QString datei = ordner.filePath(fall.name);
        if (QString(fall.name) != "fehlt.vie") schreibe(datei, fall.bytes);
        Testfenster f;
        f.edit->setText("bleibt");
        f.setzeFormat("0.0");
        dienst.meldungen.clear();
        EXPECT_FALSE(f.laden(datei)) << fall.name;
        ASSERT_EQ(dienst.meldungen.size(), 1) << fall.name;
        EXPECT_TRUE(dienst.meldungen.first().contains(fall.meldung))
            << dienst.meldungen.first().toStdString();
        EXPECT_EQ(f.edit->text(), "bleibt");
        EXPECT_EQ(f.format(), "0.0");
        EXPECT_EQ(f.windowTitle(), f.art().titel);
    }
    // Marker, then nonsense: read as far as it goes, never a crash.
    const QString unsinn = ordner.filePath("unsinn.vie");
    schreibe(unsinn, "Gerade\r\n0.00\r\n#####\r\n" + QByteArray(100000, 'x') + "\r\n");
    Testfenster f;
    EXPECT_TRUE(f.laden(unsinn));
}

TEST(Rahmen, AbgebrochenesUndMisslungenesSpeichern) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    Testfenster f;
    EXPECT_FALSE(f.speichern()); // the dialog is cancelled
    EXPECT_EQ(dienst.dateidialoge, QStringList{"Speichern unter – Vierecke"});
    EXPECT_EQ(f.windowTitle(), "Vierecke");
    EXPECT_TRUE(f.dateiname().isEmpty());

    // A folder that is a file: the save fails with a message, the old file stays.
    const QString alt = ordner.filePath("alt.vie");
    schreibe(alt, "Gerade\r\nalt\r\n");
    f.setzeDateiname(ordner.filePath("alt.vie/drin.vie"));
    EXPECT_FALSE(f.speichern());
    ASSERT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(dienst.meldungen.first().contains("kann nicht gespeichert werden"));
    EXPECT_EQ(inhalt(alt), "Gerade\r\nalt\r\n");

    // "Speichern unter" to a place that cannot be written keeps the window's name and title.
    Testfenster g;
    dienst.dateinamen.enqueue(ordner.filePath("alt.vie/neu.vie"));
    EXPECT_FALSE(g.speichernUnter());
    EXPECT_TRUE(g.dateiname().isEmpty());
    EXPECT_EQ(g.windowTitle(), "Vierecke");
}

// Dragging the border between fixed cells sizes a column or a row; a press elsewhere selects
// as before.
TEST(Rahmen, GitterRaenderZiehen) {
    TStringGrid g;
    g.setDefaultColWidth(60);
    g.setDefaultRowHeight(24);
    g.resize(400, 300);
    g.show();
    auto maus = [&](QEvent::Type typ, QPoint stelle) {
        QMouseEvent e(typ, stelle, g.viewport()->mapToGlobal(stelle), Qt::LeftButton,
                      typ == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(g.viewport(), &e);
    };
    auto ziehen = [&](QPoint von, QPoint nach) {
        maus(QEvent::MouseButtonPress, von);
        maus(QEvent::MouseMove, nach);
        maus(QEvent::MouseButtonRelease, nach);
    };
    const int rand = g.columnViewportPosition(2) + g.columnWidth(2); // right border of column 2
    ziehen({rand, 10}, {rand + 40, 10});
    EXPECT_EQ(g.columnWidth(2), 100);
    EXPECT_EQ(g.columnWidth(1), 60);
    const int unten = g.rowViewportPosition(3) + g.rowHeight(3); // bottom border of row 3
    ziehen({10, unten}, {10, unten - 100});
    EXPECT_LT(g.rowHeight(3), 24);
    EXPECT_GE(g.rowHeight(3), 4); // never below a few pixels
    // Borders of ordinary cells are cells: the press selects.
    const QPoint zelle(g.columnViewportPosition(2) + 5, g.rowViewportPosition(2) + 5);
    ziehen(zelle, zelle);
    EXPECT_EQ(g.auswahl(), QRect(2, 2, 1, 1));
    EXPECT_EQ(g.columnWidth(2), 100);
}

TEST(Rahmen, GitterZwischenablage) {
    Testfenster f;
    TStringGrid* g = f.gitter;
    QClipboard* ablage = QApplication::clipboard();

    ablage->setText("a\tb\r\nc\td\r\ne\tf\r\n");
    g->setAuswahl(QRect(2, 3, 1, 1));
    f.zwischenablage(Befehl::einfuegen, g);
    const QString erwartet[3][2] = {{"a", "b"}, {"c", "d"}, {"e", "f"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(g->cell(2 + c, 3 + r), erwartet[r][c]);

    g->setAuswahl(QRect(2, 3, 1, 1));
    f.zwischenablage(Befehl::kopieren, g);
    EXPECT_EQ(ablage->text(), "a\r\n"); // one cell: its text, a line break, no TAB

    g->setAuswahl(QRect(QPoint(2, 3), QPoint(3, 4)));
    f.zwischenablage(Befehl::ausschneiden, g);
    EXPECT_EQ(ablage->text(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(g->cell(3, 4), "");
    EXPECT_EQ(g->cell(2, 5), "e");

    f.zwischenablage(Befehl::alles_auswaehlen, g);
    EXPECT_EQ(g->auswahl(), QRect(QPoint(1, 1), QPoint(5, 7)));
    f.zwischenablage(Befehl::loeschen, g);
    EXPECT_EQ(g->cell(2, 5), "");

    // Nothing but text is pasted; what lies outside the grid is dropped.
    ablage->clear();
    g->setAuswahl(QRect(1, 1, 1, 1));
    f.zwischenablage(Befehl::einfuegen, g);
    EXPECT_EQ(g->cell(1, 1), "");
    ablage->setText("1\t2\t3\t4\t5\t6\t7\n8");
    g->setAuswahl(QRect(4, 7, 1, 1));
    f.zwischenablage(Befehl::einfuegen, g);
    EXPECT_EQ(g->cell(4, 7), "1");
    EXPECT_EQ(g->cell(5, 7), "2");
    EXPECT_EQ(g->colCount(), 6);
    EXPECT_EQ(g->rowCount(), 8);
}

TEST(Rahmen, ZahlenformatWirktSofortUndNeuLeert) {
    Testfenster f;
    f.zahl->setFormatenabled(true);
    f.zahl->setValue(2);
    f.setzeFormat("0.000");
    EXPECT_EQ(f.zahl->text(), "2,000");
    f.ganz->setText("5");
    f.ausfuehren(Befehl::neu);
    EXPECT_EQ(f.zahl->text(), "");
    EXPECT_EQ(f.ganz->text(), "");
    EXPECT_EQ(f.edit->text(), "");
}

TEST(Rahmen, ErgebnisseDefinieren) {
    Testmeldungsdienst dienst;
    ModalWaechter waechter;
    formelbaum().alle_loeschen();
    Testfenster f;
    f.memo->setPlainText("a=2\nb=a*3\n;Kommentar=1\n1+\nc=");
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_EQ(formelbaum().anzahl(), 2);
    long double w = 0;
    EXPECT_TRUE(formelbaum().fktberechnen("B", 0, w));
    EXPECT_EQ(w, 6);
    EXPECT_EQ(dienst.meldungen,
              (QStringList{" Fehlerhafter Ausdruck\n1+", " Fehlerhafter Ausdruck\nc="}));
    EXPECT_EQ(waechter.gesehen, QStringList{"zol::Tdialogformel"});
    formelbaum().alle_loeschen();
}

TEST(Rahmen, RechnenfensterUebernimmtErgebnisse) {
    editform_registrieren();
    Testfenster f;
    f.memo->setPlainText("x=1\ny=2");
    ASSERT_TRUE(f.aktion(Befehl::rechnenfenster)->isEnabled());
    const auto vorher = QApplication::topLevelWidgets().size();
    f.ausfuehren(Befehl::rechnenfenster);
    TEditForm* neu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TEditForm*>(w); e && e->isVisible()) neu = e;
    ASSERT_NE(neu, nullptr);
    EXPECT_GT(QApplication::topLevelWidgets().size(), vorher);
    EXPECT_EQ(neu->memo()->toPlainText(), "x=1\ny=2");
    EXPECT_TRUE(neu->dateiname().isEmpty());
    neu->close();
}

// Every frame command finds its own caption and name, whatever the menu order of the list.
TEST(Rahmen, JederBefehlHatSeineBeschreibung) {
    for (const Befehlsbeschreibung& b : alle_befehle()) {
        EXPECT_EQ(beschreibung(b.befehl).name, b.name);
        Testfenster f;
        EXPECT_EQ(f.aktion(b.befehl)->objectName(), QString::fromUtf8(b.name));
    }
}

TEST(Rahmen, MenuesUndWerkzeugleisteAusDemAngebot) {
    Testfenster f;
    struct Fall {
        Befehl befehl;
        const char *text, *hinweis;
    };
    const Fall faelle[] = {
        {Befehl::oeffnen, "Ö&ffnen...", "Datei öffnen"},
        {Befehl::speichern_unter, "Speichern &unter...", "Datei speichern unter"},
        {Befehl::rechne, "&Rechne", "Ergebnisse berechnen"},
        {Befehl::zahlenformat, "&Zahlenformat...", "Zahlenformat"},
        {Befehl::projektformeln, "&Projekt-Formeln...", "Projektformeln bearbeiten"},
        {Befehl::hilfe, "&Inhalt", "Hilfe"}};
    for (const Fall& fall : faelle) {
        QAction* a = f.aktion(fall.befehl);
        EXPECT_EQ(a->text(), QString::fromUtf8(fall.text));
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(fall.hinweis));
    }
    EXPECT_EQ(f.aktion(Befehl::hilfe)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_FALSE(f.bietet(Befehl::zeichnen));
    EXPECT_TRUE(f.bietet(Befehl::rechne));
}

// Batch mode finds a kind by class, kind name or a former kind name.
TEST(Rahmen, FensterartNachName) {
    struct Fall {
        const char* name;
        int art;
    };
    const Fall faelle[] = {
        {"Tbinom2dlg", 125},
        {"Binomialverteilung", 125},
        {"binominalverteilung", 125},
        {"Fourieranalyse", 180},
        {"Fourierananlyse", 180},
        {"Gerade (lineare Fkt.)", 65},
        {"Gerade (lineare Fkt)", 65},
        {"Parabel (quadratische Fkt.)", 70},
        {"Parabel (quadratische Fkt)", 70},
        {"Rechnen", 5},
        {"Binomial", -1},
        {"", -1},
    };
    for (const Fall& fall : faelle) {
        const Fensterart* a = fensterart_nach_name(QString::fromUtf8(fall.name));
        EXPECT_EQ(a ? a->art : -1, fall.art) << fall.name;
    }
    const Fensterart* binom = fensterart_nach_nummer(125);
    ASSERT_NE(binom, nullptr);
    EXPECT_EQ(binom->artname, "Binomialverteilung");
    EXPECT_EQ(binom->kennung, "Binom");
}

} // namespace

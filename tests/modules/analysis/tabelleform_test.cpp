// The spreadsheet window: creation, editing with the edit line and the cell editor, the
// commands of "Rechnen" and "Eigenschaften", and "Zeichnen".
#include "engine/fktbaum.h"
#include "modules/analysis/tabelleform.h"
#include "modules/analysis/tabelleoptiondlg.h"
#include "modules/analysis/tabellesummedlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/formeln/dialogformel.h"
#include "shell/formeln/einffordlg.h"
#include "shell/formeln/expfordlg.h"
#include "shell/formeln/formelbaum.h"
#include "shell/zeichnen/dialogfkt.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/modules/analysis/tabelle_testhilfe.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace zol;
using namespace zol::test;

class Tabelle : public ::testing::Test {
protected:
    void SetUp() override { tabelle_registrieren(); }
    QLineEdit* zeile(Ttabelleform& f) { return f.findChild<QLineEdit*>("Edit1"); }
    QLabel* name(Ttabelleform& f) { return f.findChild<QLabel*>("Label1"); }
    Testmeldungsdienst dienst;
};

TEST_F(Tabelle, NeuesFenster) {
    Ttabelleform f;
    EXPECT_EQ(f.windowTitle(), "Tabellenkalkulation");
    EXPECT_EQ(f.objectName(), "Ttabelleform");
    EXPECT_EQ(f.format(), "0.000");
    TStringGrid* g = f.anzeigegitter();
    EXPECT_EQ(g->rowCount(), 20);
    EXPECT_EQ(g->colCount(), 10);
    EXPECT_EQ(g->cell(1, 0), "A");
    EXPECT_EQ(g->cell(9, 0), "I");
    EXPECT_EQ(g->cell(0, 19), "19");
    EXPECT_EQ(g->model()->headerData(2, Qt::Horizontal).toString(), "B");
    EXPECT_EQ(g->model()->headerData(7, Qt::Vertical).toString(), "7");
    // Row 0 and column 0 hold the names; the grid's own headers show them.
    EXPECT_TRUE(g->isColumnHidden(0));
    EXPECT_TRUE(g->isRowHidden(0));
    EXPECT_FALSE(g->horizontalHeader()->isHidden());
    EXPECT_EQ(g->columnWidth(3), 100);
    EXPECT_EQ(g->rowHeight(4), 24);
    EXPECT_TRUE(f.eingabegitter()->isHidden());
    EXPECT_EQ(name(f)->text(), "A1");
    EXPECT_EQ(f.aktuelleZelle(), QPoint(1, 1));
    EXPECT_FALSE(f.findChild<QToolButton*>("Annehmen")->isEnabled());
    // Kind 20 comes from the registry as this window.
    Tmodulfenster* neu = fenster_erzeugen(20);
    ASSERT_NE(qobject_cast<Ttabelleform*>(neu), nullptr);
    delete neu;
}

TEST_F(Tabelle, MenueUndWerkzeugleiste) {
    Ttabelleform f;
    QStringList menues;
    for (QAction* a : f.menuBar()->actions())
        menues << a->text();
    EXPECT_EQ(menues, QStringList({"&Datei", "&Bearbeiten", "&Rechnen", "&Eigenschaften",
                                   "&Ausgabe", "&Hilfe"}));
    auto* rechne = f.findChild<QAction*>("Rechne");
    ASSERT_NE(rechne, nullptr);
    EXPECT_EQ(rechne->shortcut(), QKeySequence(Qt::Key_F2));
    auto* direkt = f.findChild<QAction*>("DirektRechnen");
    EXPECT_TRUE(direkt->isChecked());
    EXPECT_FALSE(direkt->isVisible());
    EXPECT_EQ(f.aktion(Befehl::loeschen)->text(), "&Löschen");
    EXPECT_EQ(f.aktion(Befehl::loeschen)->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(f.findChild<QToolButton*>("KnopfKleiner")->text(), "Verkleinern");
    EXPECT_EQ(f.findChild<QToolButton*>("KnopfSchriftart")->text(), "Schrift");
    EXPECT_EQ(f.findChild<QToolButton*>("KnopfRechne")->text(), "Rechne");
}

TEST_F(Tabelle, TippenRechnetDieZelleSofort) {
    Ttabelleform f;
    tippe(f, "A1", "2");
    tippe(f, "A2", "=A1*3");
    tippe(f, "B1", "Hallo");
    EXPECT_EQ(zeigt(f, "A1"), "2,000");
    EXPECT_EQ(zeigt(f, "A2"), "6,000");
    EXPECT_EQ(eingabe_von(f, "A2"), "=A1*3");
    EXPECT_EQ(zeigt(f, "B1"), "Hallo");
    // No dependency tracking: A2 follows a changed A1 with the next "Rechne".
    tippe(f, "A1", "5");
    EXPECT_EQ(zeigt(f, "A2"), "6,000");
    f.rechne();
    EXPECT_EQ(zeigt(f, "A2"), "15,000");
    // A cell that no longer stands for a value leaves the table at once.
    tippe(f, "A1", "Text");
    EXPECT_LT(f.zelltabelle().sucheeintrag("A1"), 0);
    tippe(f, "A2", "   ");
    EXPECT_EQ(eingabe_von(f, "A2"), "");
    EXPECT_EQ(zeigt(f, "A2"), "");
    EXPECT_LT(f.zelltabelle().sucheeintrag("A2"), 0);
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Tabelle, Eingabezeile) {
    Ttabelleform f;
    tippe(f, "B2", "7");
    struct Fall {
        const char* titel;
        const char* zelle;
        const char* getippt; // nullptr: the line is left as it shows the input
        bool abbrechen;
        const char* eingabe; // input of the cell afterwards
        const char* anzeige;
        const char* zeile; // edit line afterwards
    };
    const Fall faelle[] = {
        {"Formel annehmen", "B3", "=B2*2", false, "=B2*2", "14,000", "=B2*2"},
        {"Abbrechen stellt die Eingabe wieder her", "B2", "99", true, "7", "7,000", "7"},
        {"unverändert verlassen", "B2", nullptr, false, "7", "7,000", "7"},
        {"geleerte Zeile leert die Zelle", "B3", "", false, "", "", ""},
        {"leere Zelle bleibt leer", "C5", nullptr, false, "", "", ""},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        const QPoint z = zelle(fall.zelle);
        f.anzeigegitter()->setCurrentCell(z.y(), z.x());
        EXPECT_EQ(name(f)->text(), fall.zelle);
        f.Edit1Enter();
        EXPECT_TRUE(f.findChild<QToolButton*>("Annehmen")->isEnabled());
        EXPECT_TRUE(f.findChild<QToolButton*>("Abbrechen")->isEnabled());
        EXPECT_EQ(zeile(f)->text(), eingabe_von(f, fall.zelle));
        if (fall.getippt) {
            zeile(f)->selectAll();
            if (*fall.getippt)
                QTest::keyClicks(zeile(f), fall.getippt);
            else
                QTest::keyClick(zeile(f), Qt::Key_Backspace);
        }
        if (fall.abbrechen)
            f.AbbrechenClick();
        else
            f.Edit1Exit();
        EXPECT_FALSE(f.findChild<QToolButton*>("Annehmen")->isEnabled());
        EXPECT_EQ(eingabe_von(f, fall.zelle), fall.eingabe);
        EXPECT_EQ(zeigt(f, fall.zelle), fall.anzeige);
        EXPECT_EQ(zeile(f)->text(), fall.zeile);
    }
}

TEST_F(Tabelle, ZeilenwechselZeigtNameUndEingabe) {
    Ttabelleform f;
    tippe(f, "C4", "=2*3");
    f.anzeigegitter()->setCurrentCell(4, 3);
    EXPECT_EQ(name(f)->text(), "C4");
    EXPECT_EQ(zeile(f)->text(), "=2*3");
    EXPECT_EQ(zeigt(f, "C4"), "6,000");
    f.anzeigegitter()->setCurrentCell(2, 2);
    EXPECT_EQ(name(f)->text(), "B2");
    EXPECT_EQ(zeile(f)->text(), "");
}

TEST_F(Tabelle, ZelleneditorBearbeitetDieEingabe) {
    Ttabelleform f;
    f.show();
    QApplication::setActiveWindow(&f);
    tippe(f, "A1", "4");
    tippe(f, "A2", "=A1+1");
    TStringGrid* g = f.anzeigegitter();
    g->setFocus();
    g->setCurrentCell(2, 1);
    g->editItem(g->item(2, 1));
    auto* editor = offener_editor(g);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "=A1+1"); // the input, not the value 5,000
    EXPECT_EQ(zeile(f)->text(), "=A1+1");
    editor->selectAll();
    QTest::keyClicks(editor, "=A1*10");
    EXPECT_EQ(zeile(f)->text(), "=A1*10"); // typing shows in the edit line
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits from the event loop
    EXPECT_EQ(eingabe_von(f, "A2"), "=A1*10");
    EXPECT_EQ(zeigt(f, "A2"), "40,000");

    // Starting to type replaces the cell; a command takes over what is typed so far.
    g->setCurrentCell(3, 1);
    QTest::keyClick(g, '1');
    editor = offener_editor(g);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, '2');
    f.rechne();
    EXPECT_EQ(eingabe_von(f, "A3"), "12");
    EXPECT_EQ(zeigt(f, "A3"), "12,000");
}

TEST_F(Tabelle, FormelnAnzeigenUndRechne) {
    Ttabelleform f;
    tippe(f, "A1", "2");
    tippe(f, "A2", "=A1*3");
    tippe(f, "A3", "3*4=");
    f.formelnAnzeigen();
    EXPECT_EQ(zeigt(f, "A1"), "2");
    EXPECT_EQ(zeigt(f, "A2"), "=A1*3");
    EXPECT_EQ(zeigt(f, "A3"), "3*4=");
    f.rechne();
    EXPECT_EQ(zeigt(f, "A1"), "2,000");
    EXPECT_EQ(zeigt(f, "A2"), "6,000");
    EXPECT_EQ(zeigt(f, "A3"), "12,000");
    // A new number format shows at once.
    f.setzeFormat("0.0");
    EXPECT_EQ(zeigt(f, "A2"), "6,0");
}

TEST_F(Tabelle, RechneUebernimmtGezeigteTexteOhneEingabe) {
    Ttabelleform f;
    f.anzeigegitter()->setCell(1, 1, "3");
    f.anzeigegitter()->setCell(1, 2, "=A1+1");
    f.rechne();
    EXPECT_EQ(eingabe_von(f, "A2"), "=A1+1");
    EXPECT_EQ(zeigt(f, "A2"), "4,000");
}

TEST_F(Tabelle, SummeUeberDenDatenbereich) {
    Ttabelleform f;
    tippe(f, "B1", "1");
    tippe(f, "B2", "2,5");
    tippe(f, "B3", "=B1+B2");
    waehle(f, "B1", "B3");
    f.summe();
    Tsummedlg* d = f.summendialog();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Datenbereich");
    EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(d->daten1->text(), "B1");
    EXPECT_EQ(d->daten3->text(), "B3");
    EXPECT_EQ(d->Edit1->text(), "B2"); // below the current cell B1
    d->Edit1->setText("B4");
    d->EinfuegenClick();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(eingabe_von(f, "B4"), "=Summe(B1:B3)");
    EXPECT_EQ(zeigt(f, "B4"), "7,000");
    EXPECT_GE(f.zelltabelle().sucheeintrag("B4"), 0);

    // "Schließen" changes nothing; a target outside the sheet is refused with a message.
    f.summe();
    d->Edit1->setText("B5");
    d->SchliessenClick();
    EXPECT_EQ(eingabe_von(f, "B5"), "");
    f.summe();
    d->Edit1->setText("Z99");
    d->EinfuegenClick();
    ASSERT_EQ(dienst.meldungen.size(), 1);
    EXPECT_TRUE(dienst.meldungen.first().contains("Z99"));
}

TEST_F(Tabelle, GroesserUndKleiner) {
    Ttabelleform f;
    QFont schrift = f.anzeigegitter()->font();
    schrift.setPointSize(10);
    f.anzeigegitter()->setFont(schrift);
    f.anzeigegitter()->setColumnWidth(2, 50);
    struct Schritt {
        bool groesser;
        int schrift, spalte1, spalte2, zeile;
    };
    const Schritt schritte[] = {
        {true, 12, 120, 60, 28}, {true, 14, 144, 72, 33}, {false, 11, 115, 57, 26},
        {false, 8, 92, 45, 20},  {false, 6, 73, 36, 16},  {false, 6, 73, 36, 16},
    };
    for (const Schritt& s : schritte) {
        s.groesser ? f.groesser() : f.kleiner();
        EXPECT_EQ(f.schriftgroesse(), s.schrift);
        EXPECT_EQ(f.anzeigegitter()->columnWidth(1), s.spalte1);
        EXPECT_EQ(f.anzeigegitter()->columnWidth(2), s.spalte2);
        EXPECT_EQ(f.anzeigegitter()->rowHeight(5), s.zeile);
    }
    schrift.setPointSize(30);
    f.anzeigegitter()->setFont(schrift);
    const int breite = f.anzeigegitter()->columnWidth(1);
    f.groesser();
    EXPECT_EQ(f.schriftgroesse(), 30);
    EXPECT_EQ(f.anzeigegitter()->columnWidth(1), breite);
}

TEST_F(Tabelle, EinstellungenAendernDieGroesse) {
    Ttabelleform f;
    tippe(f, "B2", "5");
    bei_dialog<TTabOptiondlg>([](TTabOptiondlg& d) {
        EXPECT_EQ(d.windowTitle(), "Optionen");
        EXPECT_EQ(d.spineditin1->Value(), 20);
        EXPECT_EQ(d.spineditin2->Value(), 10);
        d.spineditin1->setText("30");
        d.spineditin2->setText("2000"); // beyond the limit: 1000
        d.OKButton->click();
    });
    f.einstellungen();
    EXPECT_EQ(f.anzeigegitter()->rowCount(), 30);
    EXPECT_EQ(f.anzeigegitter()->colCount(), 1000);
    EXPECT_EQ(f.eingabegitter()->colCount(), 1000);
    EXPECT_EQ(f.anzeigegitter()->cell(999, 0), "ALK");
    EXPECT_EQ(f.anzeigegitter()->cell(0, 29), "29");
    EXPECT_EQ(zeigt(f, "B2"), "5,000");

    bei_dialog<TTabOptiondlg>([](TTabOptiondlg& d) {
        d.spineditin1->setText("2");
        d.spineditin2->setText("3");
        d.AbbrechenButton->click();
    });
    f.einstellungen();
    EXPECT_EQ(f.anzeigegitter()->rowCount(), 30);

    bei_dialog<TTabOptiondlg>([](TTabOptiondlg& d) {
        d.spineditin1->setText("2");
        d.spineditin2->setText("3");
        d.OKButton->click();
    });
    f.einstellungen();
    EXPECT_EQ(f.anzeigegitter()->rowCount(), 2);
    EXPECT_EQ(f.anzeigegitter()->colCount(), 3);
    EXPECT_EQ(zeigt(f, "B1"), "");
}

TEST_F(Tabelle, FormelEinfuegenOeffnetDenZelleneditor) {
    formelbaum().alle_loeschen();
    ASSERT_TRUE(formelbaum().definiere("g(x)=2*x"));
    Ttabelleform f;
    f.show();
    QApplication::setActiveWindow(&f);
    f.anzeigegitter()->setCurrentCell(1, 2);
    bei_dialog<Teinffordlg>([](Teinffordlg& d) {
        auto* liste = d.findChild<QListWidget*>("zeigeformel");
        ASSERT_NE(liste, nullptr);
        ASSERT_EQ(liste->count(), 1);
        liste->setCurrentRow(0);
        d.zeigeformelClick();
        d.accept();
    });
    f.formelEinfuegen();
    EXPECT_EQ(zeigt(f, "B1"), "g(x)=2*x");
    auto* editor = offener_editor(f.anzeigegitter());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "g(x)=2*x");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(eingabe_von(f, "B1"), "g(x)=2*x");
    tippe(f, "B2", "=g(4)");
    EXPECT_EQ(zeigt(f, "B2"), "8,000");
    formelbaum().alle_loeschen();
}

TEST_F(Tabelle, FormelnBearbeitenZeigtDieZelltabelle) {
    Ttabelleform f;
    tippe(f, "A1", "2");
    bool gesehen = false;
    bei_dialog<Tdialogformel>([&](Tdialogformel& d) {
        gesehen = &d.tabelle() == &f.zelltabelle();
        d.reject();
    });
    f.formelnBearbeiten();
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(&Tdialogformel::instanz().tabelle(), &Tdialogformel::instanz().projekttabelle());
}

TEST_F(Tabelle, FormelnInDieProjektformelnUebernehmen) {
    formelbaum().alle_loeschen();
    Ttabelleform f;
    tippe(f, "A1", "f(x)=x+1");
    bei_dialog<Texpfordlg>([](Texpfordlg& d) {
        d.AlleuebernehmenClick();
        d.accept();
    });
    f.formelnUebernehmen();
    EXPECT_GE(formelbaum().sucheeintrag("F"), 0);
    EXPECT_EQ(Texpfordlg::instanz().quelle(), nullptr); // forgotten once closed
    formelbaum().alle_loeschen();
}

TEST_F(Tabelle, NeuLeertBeideGitterUndDieZelltabelle) {
    Ttabelleform f;
    tippe(f, "A1", "2");
    tippe(f, "C3", "Text");
    f.neu();
    EXPECT_EQ(zeigt(f, "A1"), "");
    EXPECT_EQ(eingabe_von(f, "C3"), "");
    EXPECT_EQ(f.anzeigegitter()->cell(3, 0), "C");
    EXPECT_EQ(f.anzeigegitter()->cell(0, 3), "3");
    EXPECT_EQ(f.zelltabelle().anzahl(), 0);
    tippe(f, "B1", "=A1+1");
    EXPECT_EQ(zeigt(f, "B1"), "=A1+1");
}

TEST_F(Tabelle, ZeichnenPrueftDieAuswahl) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner.path()); // the plot window writes its table file here
    Ttabelleform f;
    tippe(f, "A1", "1");
    tippe(f, "B1", "=A1^2");
    tippe(f, "A2", "2");
    tippe(f, "B2", "=A2^2");
    tippe(f, "A3", "3");
    tippe(f, "B3", "=A3^2");
    const struct {
        const char* von;
        const char* bis;
        const char* meldung;
    } faelle[] = {
        {"A1", "A1", "Sie müssen zuerst Werte markieren!"},
        {"A1", "A3", "Sie müssen zuerst Werte markieren!"},
        {"A1", "C3", "Es müssen genau 2 Spalten markiert werden."},
    };
    for (const auto& fall : faelle) {
        dienst.meldungen.clear();
        waehle(f, fall.von, fall.bis);
        f.zeichnen();
        EXPECT_EQ(dienst.meldungen, QStringList{QString::fromUtf8(fall.meldung)}) << fall.von;
        EXPECT_EQ(f.zeichenfenster(), nullptr);
    }
    dienst.meldungen.clear();
    waehle(f, "A1", "B3");
    f.zeichnen();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    Tdialogfkt* z = f.zeichenfenster();
    ASSERT_NE(z, nullptr);
    EXPECT_TRUE(z->isVisible());
    EXPECT_EQ(z->format(), "0.000");
    ASSERT_EQ(z->eintraege().size(), 1u);
    EXPECT_EQ(z->funktionsstift().stil, 0); // solid again after adding
    QFile tabelle(ordner.filePath("tabelle.dat"));
    ASSERT_TRUE(tabelle.open(QIODevice::ReadOnly));
    const QString inhalt = QString::fromLatin1(tabelle.readAll());
    EXPECT_TRUE(inhalt.contains("2,000\t4,000")) << inhalt.toStdString();
    delete z;
    QDir::setCurrent(vorher);
}

} // namespace

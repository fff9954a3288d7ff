// The pieces topic windows share beyond the standard commands: result fields, own commands in
// the frame's menus and tool bar, input grids and their reader, clamping of spin fields,
// results that never go stale, radio groups and notebooks, and what batch mode prints.
#include "engine/fktbaum.h"
#include "shell/eingabe/ergebnisfeld.h"
#include "shell/formeln/formelbaum.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/felder.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/shell/rahmen/testfenster.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>

namespace {

using namespace zol;

// A window whose results are edit fields, with an input grid sized by a spin field, an own
// operation and a notebook that carries a value over from the page being left.
class Stueckfenster : public Testfenster {
public:
    Tergebnisfeld* ergebnis1 = felder::ergebnisfeld("Ergebnis1", this);
    QLineEdit* ergebnis2 = new QLineEdit(this);
    Tspineditin* groesse = new Tspineditin(this);
    TStringGrid* eingabe = felder::eingabegitter("Eingabe", 40, 4, 3, this);
    QLabel* status = new QLabel(this);
    Ttxtshape* form = new Ttxtshape(this);
    QLabel* bild = new QLabel(this);
    QStringList wechsel;
    int plus = 0;
    using Tmodulfenster::abgelehnteZeilenUebergehen;

    explicit Stueckfenster(const QString& klasse = QStringLiteral("Tbruchdlg"))
        : Testfenster(klasse) {
        ergebnis2->setObjectName(QStringLiteral("Ergebnis2"));
        status->setObjectName(QStringLiteral("Label1"));
        form->setObjectName(QStringLiteral("Ergebnisform"));
        bild->setObjectName(QStringLiteral("Bild1"));
        groesse->setObjectName(QStringLiteral("spineditin1"));
        groesse->setMinValue(1);
        groesse->setMaxValue(10);
        groesse->setValue(2);
        felder::groesseFolgen(*groesse, [this](int n) {
            felder::eingabegroesse(*eingabe, n + 2, n + 1);
            felder::zeilennummern(*eingabe);
        });
        komponente(groesse);
        komponente(eingabe);
        connect(eigenerBefehl(QStringLiteral("Plus"), QStringLiteral("&Addieren"),
                              QStringLiteral("&Operationen"), QStringLiteral("Addieren"),
                              QStringLiteral("+")),
                &QAction::triggered, this, [this] { ++plus; });
        nullSetzenAnbieten({eingabe});
        seitenwechsel(reiter, [this](int alt, int neu) {
            wechsel << QStringLiteral("%1->%2").arg(alt).arg(neu);
        });
    }

    QList<QLineEdit*> ergebnisfelder() const override { return {ergebnis1, ergebnis2}; }
    QList<QWidget*> ergebnisanzeigen() const override {
        return Tmodulfenster::ergebnisanzeigen() << status << form << bild;
    }
    void rechne() override {
        // A size typed out of range and not yet left is brought into range before it is used.
        const int n = felder::imBereich(*groesse);
        std::vector<std::vector<long double>> werte;
        if (!felder::gitterLesen(*eingabe, QRect(1, 1, n + 1, n), werte, this)) {
            ergebnisseVerwerfen();
            return;
        }
        long double summe = 0;
        for (const auto& zeile : werte)
            for (long double w : zeile)
                summe += w;
        ergebnis1->zeige(summe);
        ergebnis2->setText(QStringLiteral("s=%1").arg(static_cast<double>(summe)));
        status->setText(QStringLiteral("gerechnet"));
        form->setText(QStringLiteral("\\f(%1;4)").arg(static_cast<double>(summe)));
        QImage b(4, 2, QImage::Format_RGB32);
        b.fill(Qt::white);
        b.setPixel(0, 0, qRgb(255, 0, 0));
        bild->setPixmap(QPixmap::fromImage(b));
    }
};

QStringList menuetitel(QMainWindow& f) {
    QStringList t;
    for (QAction* a : f.menuBar()->actions())
        if (a->menu()) t << a->menu()->title();
    return t;
}

TEST(Stuecke, ErgebnisfelderDefinierenUndGehenInsRechnenfenster) {
    Testmeldungsdienst dienst;
    ModalWaechter waechter;
    formelbaum().alle_loeschen();
    Stueckfenster f;
    f.ergebnis1->setText("u=4");
    f.ergebnis2->setText("1+");
    f.memo->setPlainText("m=1"); // the fields stand for the memo
    f.ausfuehren(Befehl::ergebnisse_definieren);
    long double w = 0;
    EXPECT_TRUE(formelbaum().fktberechnen("U", 0, w));
    EXPECT_FALSE(formelbaum().fktberechnen("M", 0, w));
    EXPECT_EQ(dienst.meldungen, QStringList{"Fehlerhafter Ausdruck\n1+"});

    // Silent mode skips refused lines; empty fields are no lines at all.
    dienst.meldungen.clear();
    f.abgelehnteZeilenUebergehen(true);
    f.ergebnis1->setText("");
    f.ergebnis2->setText("komplexe Nullstellen:");
    f.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty());

    // A memo with an empty last line reports nothing for it.
    Testfenster m;
    m.memo->setPlainText("p=1\n\n");
    m.ausfuehren(Befehl::ergebnisse_definieren);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    formelbaum().alle_loeschen();

    editform_registrieren();
    f.ergebnis1->setText("u=4");
    f.ergebnis2->setText("v=5");
    f.ausfuehren(Befehl::rechnenfenster);
    TEditForm* neu = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* e = qobject_cast<TEditForm*>(t); e && e->isVisible()) neu = e;
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->memo()->toPlainText(), "u=4\nv=5");
    delete neu;
}

TEST(Stuecke, EigeneBefehleInMenueUndWerkzeugleiste) {
    Stueckfenster f;
    EXPECT_EQ(menuetitel(f), (QStringList{"&Datei", "&Bearbeiten", "&Ausgabe", "&Operationen",
                                          "&Eigenschaften", "&Hilfe"}));
    QAction* plus = f.findChild<QAction*>("Plus");
    ASSERT_NE(plus, nullptr);
    EXPECT_EQ(plus->toolTip(), "Addieren");
    // "&Null setzen" stands last under "&Bearbeiten".
    for (QAction* a : f.menuBar()->actions()) {
        if (a->menu() && a->menu()->title() == "&Bearbeiten") {
            EXPECT_EQ(a->menu()->actions().last()->text(), "&Null setzen");
        }
    }
    // The operation button shows its face and follows the compute button.
    auto* leiste = f.findChild<QToolBar*>("Werkzeugleiste");
    ASSERT_NE(leiste, nullptr);
    QStringList knoepfe;
    for (QAction* a : leiste->actions()) {
        if (!a->isVisible() || a->isSeparator()) continue;
        auto* k = qobject_cast<QToolButton*>(leiste->widgetForAction(a));
        knoepfe << (k ? k->text() : a->objectName());
    }
    ASSERT_GE(knoepfe.size(), 5);
    EXPECT_EQ(knoepfe.mid(3, 2), (QStringList{"Rechne", "+"}));
    plus->trigger();
    EXPECT_EQ(f.plus, 1);
    // Batch mode reaches it by name or caption.
    EXPECT_TRUE(f.fensterbefehle().contains(plus));
}

TEST(Stuecke, EingabegitterWaechstMitDemGroessenfeld) {
    Stueckfenster f;
    TStringGrid& g = *f.eingabe;
    EXPECT_EQ(g.colCount(), 4);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cell(3, 2), "0");
    EXPECT_EQ(g.cell(0, 2), "2");
    g.setCell(1, 1, "7");
    g.setCell(2, 2, "");
    f.groesse->setText("3"); // typing follows at once
    EXPECT_EQ(g.colCount(), 5);
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cell(1, 1), "7");
    EXPECT_EQ(g.cell(2, 2), "0");
    EXPECT_EQ(g.cell(4, 3), "0");
    EXPECT_EQ(g.cell(0, 3), "3");
    f.groesse->setText("99"); // out of range: the grid takes the largest size, the text stays
    EXPECT_EQ(g.colCount(), 12);
    EXPECT_EQ(f.groesse->text(), "99");
    f.groesse->setText("1");
    EXPECT_EQ(g.colCount(), 3);
    EXPECT_EQ(g.cell(1, 1), "7");

    g.setCell(2, 1, "5");
    f.findChild<QAction*>("Nullsetzen")->trigger();
    EXPECT_EQ(g.cell(1, 1), "0");
    EXPECT_EQ(g.cell(2, 1), "0");
    EXPECT_EQ(g.cell(0, 1), "1"); // fixed cells stay
}

TEST(Stuecke, TabVerlaesstDasGitterNachDerLetztenZelle) {
    Stueckfenster f;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    TStringGrid& g = *f.eingabe;
    g.setFocus();
    g.setCurrentCell(1, 1);
    QTest::keyClick(&g, Qt::Key_Tab);
    EXPECT_EQ(g.currentRow(), 1);
    EXPECT_EQ(g.currentColumn(), 2);
    g.setCurrentCell(g.rowCount() - 1, g.colCount() - 1);
    ASSERT_TRUE(g.hasFocus());
    QTest::keyClick(&g, Qt::Key_Tab);
    EXPECT_FALSE(g.hasFocus());
    EXPECT_EQ(g.currentRow(), g.rowCount() - 1); // not wrapped to the first cell

    // Typing into the last cell and pressing Tab keeps the text and leaves the grid too.
    g.setFocus();
    QTest::keyClick(&g, Qt::Key_5);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, &g);
    ASSERT_TRUE(g.isAncestorOf(editor));
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(g.cell(g.colCount() - 1, g.rowCount() - 1), "5");
    EXPECT_FALSE(g.isAncestorOf(QApplication::focusWidget()));
    EXPECT_NE(QApplication::focusWidget(), &g);
}

TEST(Stuecke, FalscheZelleWirdGemeldetUndErgebnisseVerworfen) {
    Testmeldungsdienst dienst;
    Stueckfenster f;
    f.groesse->setText("3");
    f.rechne();
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_EQ(f.ergebnis1->text(), "0,00");
    f.eingabe->setCell(1, 1, " 1, 5 ");
    f.eingabe->setCell(2, 3, "2e1");
    f.rechne();
    EXPECT_EQ(f.ergebnis1->text(), "21,50");

    f.eingabe->setCell(3, 2, "x");
    f.ergebnisgitter()->setCell(1, 1, "alt");
    f.memo->setPlainText("alt");
    f.rechne();
    EXPECT_EQ(dienst.meldungen, QStringList{"Fehlerhafte Eingabe in Zeile:2Spalte:3"});
    EXPECT_EQ(f.ergebnis1->text(), "");
    EXPECT_EQ(f.ergebnis2->text(), "");
    EXPECT_EQ(f.memo->toPlainText(), "");
    EXPECT_EQ(f.ergebnisgitter()->rowCount(), 2);
    EXPECT_EQ(f.ergebnisgitter()->cell(1, 1), "");
    EXPECT_TRUE(f.ergebniszeilen().isEmpty());
}

TEST(Stuecke, SpinfelderKommenVorDemGebrauchInIhrenBereich) {
    Stueckfenster f;
    f.groesse->setText("25"); // typed, not yet left
    f.rechne();
    EXPECT_EQ(f.groesse->text(), "10");
    f.groesse->setText("-3");
    EXPECT_EQ(felder::imBereich(*f.groesse), 1);

    TSpinEditex x;
    x.setMinValue(0.5L);
    x.setMaxValue(2);
    x.setText("7");
    EXPECT_EQ(felder::imBereich(x), 2);
    EXPECT_EQ(x.text(), "2");
    x.setText("1,5");
    EXPECT_EQ(felder::imBereich(x), 1.5L);
    EXPECT_EQ(x.text(), "1,5");
    TSpinEditex frei; // no bounds: nothing to bring in
    frei.setText("1E300");
    EXPECT_EQ(felder::imBereich(frei), 1e300L);
}

TEST(Stuecke, ErgebnisfeldOhneGrenzenUndOhneINF) {
    Stueckfenster f;
    Tergebnisfeld& e = *f.ergebnis1;
    EXPECT_TRUE(e.isReadOnly());
    EXPECT_EQ(e.text(), "");
    long double fak50 = 1;
    for (int i = 2; i <= 50; ++i)
        fak50 *= i;
    e.zeige(fak50);
    EXPECT_EQ(e.text(), "3,04140932017134E64");
    long double w = 0;
    ASSERT_TRUE(e.wert(w));
    EXPECT_EQ(w, fak50);
    e.zeige(1.0L / 3);
    f.setzeFormat("0.0000"); // the full value comes back with more digits
    EXPECT_EQ(e.text(), "0,3333");
    for (long double schlecht : {std::numeric_limits<long double>::infinity(),
                                 -std::numeric_limits<long double>::infinity(),
                                 std::numeric_limits<long double>::quiet_NaN()}) {
        e.zeige(schlecht);
        EXPECT_EQ(e.text(), "n. d.");
        EXPECT_FALSE(e.wert(w));
    }
    e.zeige(2, false);
    EXPECT_EQ(e.text(), "n. d.");
    f.setzeFormat("0.00"); // still not a number
    EXPECT_EQ(e.text(), "n. d.");
    e.leeren();
    f.setzeFormat("0.000");
    EXPECT_EQ(e.text(), "");
    e.setText("abc"); // from a file: stays as it is
    f.setzeFormat("0.0");
    EXPECT_EQ(e.text(), "abc");
}

TEST(Stuecke, RadiogruppeMeldetNurKlicks) {
    TRadioGroup g;
    g.setItems({"a", "b", "c"});
    QStringList klicks, wechsel;
    QObject::connect(&g, &TRadioGroup::geklickt, [&](int i) { klicks << QString::number(i); });
    QObject::connect(&g, &TRadioGroup::itemIndexChanged,
                     [&](int i) { wechsel << QString::number(i); });
    g.setItemIndex(1);
    EXPECT_TRUE(klicks.isEmpty());
    EXPECT_EQ(wechsel, QStringList{"1"});
    g.show();
    auto* knopf = g.findChildren<QRadioButton*>().at(2);
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(klicks, QStringList{"2"});
    EXPECT_EQ(g.itemIndex(), 2);
}

TEST(Stuecke, SeitenwechselKenntDieVerlasseneSeiteAberNichtBeimLaden) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("b.bru");
    Stueckfenster f;
    f.reiter->setCurrentIndex(1);
    f.reiter->setCurrentIndex(0);
    EXPECT_EQ(f.wechsel, (QStringList{"0->1", "1->0"}));
    f.reiter->setCurrentIndex(1);
    ASSERT_TRUE(f.inDateiSchreiben(datei));
    Stueckfenster g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.reiter->currentIndex(), 1);
    EXPECT_TRUE(g.wechsel.isEmpty());
    g.reiter->setCurrentIndex(0); // the loaded page is the one being left
    EXPECT_EQ(g.wechsel, QStringList{"1->0"});
}

// Hidden results are printed too: batch mode checks every result without a display.
TEST(Stuecke, StapelbetriebDruecktFelderTexteFormenUndBilder) {
    fensterart_registrieren("Tbruchdlg", [] {
        auto* f = new Stueckfenster;
        f->ergebnis1->hide();
        f->bild->hide();
        return f;
    });
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren({"zol", "--batch", "Tbruchdlg", "--set", "Eingabe[1,1]=2",
                                        "--command", "+", "--command", "Rechne"},
                                       aus, err);
    fensterart_registrieren("Tbruchdlg", {});
    EXPECT_EQ(code, 0) << err.str();
    const std::string text = aus.str();
    for (const char* zeile :
         {"Ergebnis1: 2,00\n", "Ergebnis2: s=2\n", "Label1: gerechnet\n",
          "Ergebnisform: \\f(2;4)\n", "Bild1: Bild 4x2\n  #ffffff: 7\n  #ff0000: 1\n"})
        EXPECT_NE(text.find(zeile), std::string::npos) << zeile << " in\n" << text;
}

} // namespace

namespace {

using namespace zol;

// Typing changes a window; what the program writes, a computation, loading and saving do not.
TEST(Aenderungen, NurEingabenDesBenutzersZaehlen) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    Stueckfenster f;
    f.edit->setText("vom Programm");
    f.memo->setPlainText("vom Programm");
    f.groesse->setText("3");
    f.eingabe->setCell(1, 1, "4");
    f.rechne();
    EXPECT_FALSE(f.geaendert());

    QTest::keyClicks(f.edit, "x");
    EXPECT_TRUE(f.geaendert());
    const QString datei = ordner.filePath("a.bru");
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    EXPECT_FALSE(f.geaendert());

    struct Fall {
        const char* was;
        std::function<void(Stueckfenster&)> tun;
    };
    const Fall faelle[] = {
        {"memo", [](Stueckfenster& g) { QTest::keyClicks(g.memo, "y"); }},
        {"spin", [](Stueckfenster& g) { QTest::keyClick(g.groesse, Qt::Key_Up); }},
        {"haken", [](Stueckfenster& g) { g.haken->click(); }},
        {"gruppe",
         [](Stueckfenster& g) { g.gruppe->findChildren<QRadioButton*>().at(1)->click(); }},
        {"gitter einfuegen",
         [](Stueckfenster& g) {
             QApplication::clipboard()->setText("9");
             g.zwischenablage(Befehl::einfuegen, g.eingabe);
         }},
    };
    for (const Fall& fall : faelle) {
        Stueckfenster g;
        ASSERT_TRUE(g.laden(datei));
        EXPECT_FALSE(g.geaendert()) << fall.was;
        fall.tun(g);
        EXPECT_TRUE(g.geaendert()) << fall.was;
        g.setzeOhneNachfrage(true);
    }
}

TEST(Aenderungen, SchliessenFragtEinmalMitJaNeinAbbrechen) {
    Testmeldungsdienst dienst;
    QTemporaryDir ordner;
    auto* f = new Stueckfenster;
    f->setWindowTitle("Bruchrechnung");
    QPointer<Stueckfenster> lebt = f;
    QTest::keyClicks(f->edit, "1");

    dienst.dreifach.enqueue(Meldungsdienst::Antwort::abbrechen);
    EXPECT_FALSE(f->close());
    ASSERT_TRUE(lebt);
    EXPECT_EQ(dienst.fragen, QStringList{"Die folgenden Fenster wurden geändert:\n"
                                         "    Bruchrechnung\nÄnderungen speichern?"});

    // "Ja" saves; a cancelled file dialog keeps the window open with its work.
    dienst.dreifach.enqueue(Meldungsdienst::Antwort::ja);
    EXPECT_FALSE(f->close());
    ASSERT_TRUE(lebt);
    dienst.dreifach.enqueue(Meldungsdienst::Antwort::ja);
    dienst.dateinamen.enqueue(ordner.filePath("b.bru"));
    EXPECT_TRUE(f->close());
    QApplication::processEvents();
    EXPECT_TRUE(QFile::exists(ordner.filePath("b.bru")));

    // Several windows: one question naming each; "Nein" discards.
    Stueckfenster a, b, c;
    a.setWindowTitle("Eins");
    b.setWindowTitle("Zwei");
    QTest::keyClicks(a.edit, "1");
    QTest::keyClicks(b.edit, "2");
    dienst.fragen.clear();
    dienst.dreifach.enqueue(Meldungsdienst::Antwort::nein);
    EXPECT_TRUE(aenderungenBehandeln({&a, &b, &c}, nullptr));
    EXPECT_EQ(dienst.fragen, QStringList{"Die folgenden Fenster wurden geändert:\n    Eins\n"
                                         "    Zwei\nÄnderungen speichern?"});
    // Windows of the demo and batch mode never ask.
    dienst.fragen.clear();
    a.setzeOhneNachfrage(true);
    Tmodulfenster::nachfragenAbschalten(true);
    EXPECT_TRUE(aenderungenBehandeln({&a, &b}, nullptr));
    Tmodulfenster::nachfragenAbschalten(false);
    b.setzeOhneNachfrage(true);
    EXPECT_TRUE(dienst.fragen.isEmpty());
}

TEST(Aenderungen, DateivorschlagAusProjektUndFenster) {
    Stueckfenster f; // the fractions window's kind: "Bruchrechnung", ".bru"
    EXPECT_EQ(f.dateivorschlag("/home/lehrer/unterricht.pro"),
              "/home/lehrer/unterricht_bruchrechnung.bru");
    Testfenster g("Tdisku2dlg");
    EXPECT_EQ(g.dateivorschlag("/tmp/Klasse 9.pro"), "/tmp/Klasse 9_diskussion_2_fkt.di2");
    Testfenster h("Tprimdlg");
    EXPECT_EQ(h.dateivorschlag("/a.pro"), "/a_primzahlen_ggt_kgv.pri");
}

} // namespace

// The main window: start-up, projects, topic windows, window list, menus and closing.
#include "shell/dienste/programmhaken.h"
#include "shell/eingabe/zahlenform.h"
#include "shell/formeln/anzeigedlg.h"
#include "shell/haupt/fensterdlg.h"
#include "shell/haupt/infodlg.h"
#include "shell/haupt/knopfleiste.h"
#include "shell/haupt/start.h"
#include "shell/haupt/zeitdlg.h"
#include "shell/rahmen/fensterarten.h"
#include "tests/hilfe/modalwaechter.h"
#include "tests/shell/haupt/haupt_testhilfe.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using namespace zol;

class Hauptfenster : public HauptTest {
protected:
    // A start-up project with one formula and one calculation window beside it.
    void startprojekt() {
        schreiben("Standard.ref", {"Rechnenfenster", "0.000", "0#Courier New#0#0#0#0#0#11#",
                                   "0#400#300#10#20#", "DATEN_ANFANG", "3*4=", "DATEN_ENDE"});
        schreiben("Standard.pro", {"[Hauptfenster]", "Version=ZOL50", "Format=0.0", "[Formeln]",
                                   "Anzahl=1", "Nr0=f(x)=x^2", "[Formelfenster1]", "Art=5",
                                   "Datei=Standard.ref", "[Fenster]", "Anzahl=1"});
    }
    static QList<TEditForm*> rechnenfenster() {
        QList<TEditForm*> r;
        for (Tmodulfenster* f : Tmodulfenster::alleFenster())
            if (auto* e = qobject_cast<TEditForm*>(f)) r << e;
        return r;
    }
};

TEST_F(Hauptfenster, StartMitNeinLaedtStandardPro) {
    startprojekt();
    dienst.antworten.enqueue(false);
    hauptZeiger() = programm_starten(0);
    EXPECT_EQ(dienst.fragen, QStringList{"Lernprogramm starten:"});
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join('|').toStdString();
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_FALSE(haupt().demo().laeuft());
    EXPECT_EQ(haupt().windowTitle(), "Standard.pro");
    EXPECT_EQ(QFileInfo(haupt().projektname()), QFileInfo(daten("Standard.pro")));
    EXPECT_EQ(haupt().vorgabeformat(), "0.0");
    ASSERT_EQ(formelbaum().anzahl(), 1);
    EXPECT_EQ(formelbaum().eintrag(0), "f(x)=x^2");
    const QList<TEditForm*> fenster = rechnenfenster();
    ASSERT_EQ(fenster.size(), 1);
    EXPECT_EQ(fenster[0]->memo()->toPlainText(), "3*4=");
    EXPECT_EQ(fenster[0]->format(), "0.000");
    EXPECT_EQ(fenster[0]->windowTitle(), "Standard.ref");
}

TEST_F(Hauptfenster, StartOhneStandardProMeldetUndBleibtBenutzbar) {
    dienst.antworten.enqueue(false);
    hauptZeiger() = programm_starten(0);
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei nicht vorhanden."});
    EXPECT_EQ(haupt().windowTitle(), "Mathematik ZOL");
    EXPECT_TRUE(haupt().projektname().isEmpty());
    haupt().befehl(11)->trigger();
    EXPECT_EQ(rechnenfenster().size(), 1);
}

TEST_F(Hauptfenster, StartMitJaStartetDieDemo) {
    testvorlagen();
    dienst.antworten.enqueue(true);
    hauptZeiger() = programm_starten(0);
    EXPECT_TRUE(haupt().demo().laeuft());
    EXPECT_EQ(haupt().demo().seite(), 1);
    EXPECT_EQ(offeneVorlage(), 1); // the selected entry, the first
    haupt().demo().hide();
}

TEST_F(Hauptfenster, ModulfensterBekommtVorgabeformatUndWinkelmodus) {
    haupt().setzeVorgabeformat("0.000");
    const int vorher = Tzahlenform::instanz().winkelmodus;
    Tzahlenform::instanz().winkelmodus = 2;
    auto* f = qobject_cast<TEditForm*>(haupt().fensterOeffnen(5));
    Tzahlenform::instanz().winkelmodus = vorher;
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->format(), "0.000");
    EXPECT_EQ(f->winkelmodus, 2);
    EXPECT_TRUE(f->dateiname().isEmpty());
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(haupt().letztesFenster(5), f);
}

TEST_F(Hauptfenster, ZweiRechnenfensterInDerFensterliste) {
    haupt().befehl(11)->trigger();
    haupt().befehl(11)->trigger();
    const QList<TEditForm*> fenster = rechnenfenster();
    ASSERT_EQ(fenster.size(), 2);
    EXPECT_NE(fenster[0], fenster[1]);
    fenster[1]->setWindowTitle("zweites.ref");
    EXPECT_EQ(haupt().fensterliste()->count(), 0); // filled on request
    haupt().findChild<QToolButton*>("Aktualisieren")->click();
    ASSERT_EQ(haupt().fensterliste()->count(), 2);
    EXPECT_EQ(haupt().fensterliste()->item(0)->text(), "Rechnen");
    EXPECT_EQ(haupt().fensterliste()->item(1)->text(), "zweites.ref");

    // A click restores the window; a window closed since the list was made is skipped.
    fenster[0]->showMinimized();
    haupt().fensterlisteKlick(0);
    EXPECT_FALSE(fenster[0]->isMinimized());
    delete fenster[1];
    haupt().fensterlisteKlick(1);
}

TEST_F(Hauptfenster, FensterverwaltungWirktAufAlleFenster) {
    haupt().befehl(11)->trigger();
    haupt().befehl(11)->trigger();
    struct Fall {
        const char* knopf;
        Qt::WindowState zustand;
    };
    for (const Fall& fall :
         {Fall{"Minimieren", Qt::WindowMinimized}, Fall{"Maximieren", Qt::WindowMaximized},
          Fall{"Normal", Qt::WindowNoState}}) {
        haupt().findChild<QToolButton*>(fall.knopf)->click();
        for (TEditForm* f : rechnenfenster())
            EXPECT_EQ(f->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), fall.zustand)
                << fall.knopf;
    }
    rechnenfenster()[0]->hide();
    haupt().verdeckteFensterAnzeigen();
    EXPECT_TRUE(rechnenfenster()[0]->isVisible());
}

TEST_F(Hauptfenster, NeuesProjektSchliesstAllesUndLeertDieFormeln) {
    ASSERT_TRUE(formelbaum().definiere("a=3"));
    haupt().befehl(11)->trigger();
    haupt().befehl(11)->trigger();
    haupt().fensterlisteAktualisieren();
    haupt().setzeVorgabeformat("0.0000");
    haupt().neuesProjekt();
    EXPECT_EQ(formelbaum().anzahl(), 0);
    EXPECT_TRUE(Tmodulfenster::alleFenster().isEmpty());
    EXPECT_EQ(haupt().windowTitle(), "Neues Projekt");
    EXPECT_TRUE(haupt().projektname().isEmpty());
    EXPECT_EQ(haupt().vorgabeformat(), "0.00");
    EXPECT_EQ(haupt().fensterliste()->count(), 0);
    EXPECT_EQ(haupt().letztesFenster(5), nullptr);
}

TEST_F(Hauptfenster, ProjektSpeichernUndOeffnen) {
    const QString projekt = QDir(ordner.path()).filePath("stunde.pro");
    const QString modul = QDir(ordner.path()).filePath("rechnung.ref");
    ASSERT_TRUE(formelbaum().definiere("g(x)=2*x"));
    haupt().befehl(11)->trigger();
    rechnenfenster()[0]->memo()->setPlainText("g(4)=");

    // No name yet: "Projekt speichern" asks, and the window without a file asks too.
    dienst.dateinamen << projekt << modul;
    haupt().befehl(3)->trigger();
    EXPECT_EQ(dienst.dateidialoge.first(), "Projekt speichern unter");
    EXPECT_EQ(haupt().windowTitle(), "stunde.pro");
    EXPECT_EQ(haupt().projektname(), projekt);
    ASSERT_TRUE(QFile::exists(projekt));
    ASSERT_TRUE(QFile::exists(modul));

    haupt().neuesProjekt();
    dienst.dateinamen << projekt;
    haupt().befehl(2)->trigger();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join('|').toStdString();
    EXPECT_EQ(haupt().windowTitle(), "stunde.pro");
    EXPECT_EQ(haupt().projektname(), projekt);
    ASSERT_EQ(formelbaum().anzahl(), 1);
    EXPECT_EQ(formelbaum().eintrag(0), "g(x)=2*x");
    ASSERT_EQ(rechnenfenster().size(), 1);
    EXPECT_EQ(rechnenfenster()[0]->memo()->toPlainText(), "g(4)=");
    EXPECT_EQ(rechnenfenster()[0]->dateiname(), modul);

    // Saving again needs no dialog.
    const int dialoge = static_cast<int>(dienst.dateidialoge.size());
    haupt().befehl(3)->trigger();
    EXPECT_EQ(dienst.dateidialoge.size(), dialoge);

    // A project that does not exist changes nothing but the window list.
    EXPECT_FALSE(haupt().projektOeffnen(QDir(ordner.path()).filePath("fehlt.pro")));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei nicht vorhanden."});
    EXPECT_EQ(haupt().windowTitle(), "stunde.pro");
    EXPECT_EQ(formelbaum().anzahl(), 1);
}

// A damaged or hand-made project: a window count without its sections opens only the windows
// that are there, all problems come in one box, and no window lands off the screen.
TEST_F(Hauptfenster, BeschaedigtesProjektOeffnetSichInGrenzen) {
    schreiben("kaputt.pro",
              {"[Hauptfenster]",  "Version=ZOL50",    "Width=99999",       "Height=99999",
               "Top=-5000",       "Left=-5000",       "WindowState=0",     "[Fenster]",
               "visible=1",       "Width=50000",      "Height=40000",      "Top=90000",
               "Left=90000",      "WindowState=0",    "Anzahl=10000",      "[Formelfenster9999]",
               "Art=5",           "Datei=fehlt1.ref", "[Formelfenster17]", "Art=5",
               "Datei=fehlt2.ref"});
    ASSERT_TRUE(haupt().projektOeffnen(daten("kaputt.pro")));
    EXPECT_EQ(rechnenfenster().size(), 2);
    ASSERT_EQ(dienst.meldungen.size(), 1) << dienst.meldungen.join('|').toStdString();
    EXPECT_TRUE(dienst.meldungen[0].contains("fehlt1.ref Datei nicht gefunden!"));
    EXPECT_TRUE(dienst.meldungen[0].contains("fehlt2.ref Datei nicht gefunden!"));
    // The window's own area; its frame comes around it.
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QWidget* w : std::initializer_list<const QWidget*>{&haupt(), &haupt().palette()}) {
        const QRect lage = w->geometry();
        EXPECT_TRUE(frei.contains(lage.topLeft())) << lage.x() << "," << lage.y();
        EXPECT_LE(lage.width(), frei.width());
        EXPECT_LE(lage.height(), frei.height());
    }
}

// Each window's dialog names the window and proposes a file beside the project; a window that
// is not saved stops the project's save, which then keeps its old title.
TEST_F(Hauptfenster, ProjektSpeichernBenenntUndSchlaegtVor) {
    const QString projekt = QDir(ordner.path()).filePath("unterricht.pro");
    haupt().befehl(11)->trigger();
    dienst.dateinamen << projekt; // the window's own dialog is cancelled
    haupt().befehl(4)->trigger();
    EXPECT_EQ(dienst.dateidialoge,
              (QStringList{"Projekt speichern unter", "Speichern unter – Rechnen"}));
    EXPECT_EQ(dienst.vorschlaege.last(), QDir(ordner.path()).filePath("unterricht_rechnen.ref"));
    EXPECT_FALSE(QFile::exists(projekt));
    EXPECT_EQ(haupt().windowTitle(), "Mathematik ZOL");
    EXPECT_TRUE(haupt().projektname().isEmpty());

    dienst.dateinamen << projekt << dienst.vorschlaege.last();
    haupt().befehl(4)->trigger();
    EXPECT_TRUE(QFile::exists(projekt));
    EXPECT_EQ(haupt().windowTitle(), "unterricht.pro");
}

// Work typed into a window is not thrown away without a question.
TEST_F(Hauptfenster, GeaenderteFensterWerdenNichtStillVerworfen) {
    haupt().befehl(11)->trigger();
    haupt().befehl(11)->trigger();
    QTest::keyClicks(rechnenfenster()[0]->memo(), "a=1");
    rechnenfenster()[0]->setWindowTitle("Rechnen 1");
    dienst.dreifach << Meldungsdienst::Antwort::abbrechen;
    haupt().neuesProjekt();
    EXPECT_EQ(dienst.fragen, QStringList{"Die folgenden Fenster wurden geändert:\n"
                                         "    Rechnen 1\nÄnderungen speichern?"});
    EXPECT_EQ(rechnenfenster().size(), 2);

    dienst.dreifach << Meldungsdienst::Antwort::nein;
    haupt().neuesProjekt();
    EXPECT_TRUE(rechnenfenster().isEmpty());
    EXPECT_EQ(dienst.fragen.size(), 2); // asked once, not once per window
}

TEST_F(Hauptfenster, SpeichernUnterAbgebrochenAendertNichts) {
    haupt().befehl(4)->trigger();
    EXPECT_EQ(dienst.dateidialoge, QStringList{"Projekt speichern unter"});
    EXPECT_EQ(haupt().windowTitle(), "Mathematik ZOL");
    EXPECT_TRUE(haupt().projektname().isEmpty());
}

TEST_F(Hauptfenster, MenuesUndKnoepfe) {
    // Every Tag from 1 to 51 has its button, hint and glyph.
    for (const Werkzeugknopf& k : werkzeugknoepfe()) {
        QToolButton* knopf = haupt().werkzeugknopf(k.tag);
        ASSERT_NE(knopf, nullptr) << k.tag;
        EXPECT_EQ(knopf->property("Tag").toInt(), k.tag);
        EXPECT_EQ(knopf->toolTip(), QString::fromUtf8(k.hinweis));
        EXPECT_FALSE(knopf->icon().isNull()) << k.tag;
    }
    EXPECT_EQ(werkzeugknoepfe().size(), 51u);

    struct Fall {
        const char* menue;
        const char* punkt;
        const char* kurz;
    };
    const Fall faelle[] = {
        {"&Projekt", "&Neues Projekt", ""},
        {"&Projekt", "Projekt ö&ffnen...", ""},
        {"&Projekt", "Projekt &speichern", ""},
        {"&Projekt", "Projekt speichern &unter...", ""},
        {"&Projekt", "&Vorgabe Zahlenformat...", ""},
        {"&Projekt", "&Symbolleiste", "F2"},
        {"&Projekt", "&Verdeckte Fenster anzeigen", ""},
        {"&Projekt", "V&orlagen bearbeiten", ""},
        {"&Projekt", "&Beenden", ""},
        {"&Rechnen", "&Rechnenfenster", "F3"},
        {"&Rechnen", "&Projektformeln bearbeiten...", ""},
        {"&Funktionen", "Diskussion von 2 Fkt. ", ""},
        {"Geo-R3", "&Gerade-Ebene", ""},
        {"D&aten", "&Gleichungssystem", ""},
        {"&Stochastik", "&Binomialverteilung", ""},
        {"&Hilfe", "&Inhalt", "F1"},
        {"&Hilfe", "&Demo", ""},
        {"&Hilfe", "In&fo...", ""},
    };
    for (const Fall& fall : faelle) {
        QAction* gefunden = nullptr;
        for (QAction* m : haupt().menuBar()->actions())
            if (m->text() == QString::fromUtf8(fall.menue) && m->menu())
                for (QAction* a : m->menu()->actions())
                    if (a->text() == QString::fromUtf8(fall.punkt)) gefunden = a;
        ASSERT_NE(gefunden, nullptr) << fall.menue << " " << fall.punkt;
        EXPECT_EQ(gefunden->shortcut().toString(), QString::fromUtf8(fall.kurz)) << fall.punkt;
    }
    QStringList menues;
    for (QAction* m : haupt().menuBar()->actions())
        menues << m->text();
    EXPECT_EQ(menues, (QStringList{"&Projekt", "&Grafik", "&Rechnen", "&Funktionen", "&Algebra",
                                   "&Geo-R2", "Geo-R3", "D&aten", "&Stochastik", "&Hilfe"}));
    // No menu opens empty: "&Grafik" has nothing to offer yet and stays hidden.
    for (QAction* m : haupt().menuBar()->actions())
        EXPECT_EQ(m->isVisible(), !m->menu()->isEmpty()) << m->text().toStdString();
    EXPECT_EQ(haupt().werkzeugknopf(25)->icon().isNull(), false);
}

TEST_F(Hauptfenster, BefehleOeffnenIhreDialoge) {
    haupt().show();
    {
        ModalWaechter waechter;
        haupt().befehl(9)->trigger(); // "Projektformeln bearbeiten..."
        for (QAction* a : haupt().menuBar()->actions())
            if (a->text() == "&Hilfe")
                for (QAction* p : a->menu()->actions())
                    if (p->text() == "In&fo...") p->trigger();
        EXPECT_EQ(waechter.gesehen, (QStringList{"zol::Tdialogformel", "zol::Tinfodlg"}));
    }

    // "Vorgabe Zahlenformat...": the confirmed picture becomes the default format.
    QTimer::singleShot(0, [] {
        Tzahlenform& dialog = Tzahlenform::instanz();
        dialog.FormatEdit->setText("0.000");
        dialog.OKButton->click();
    });
    haupt().befehl(10)->trigger();
    EXPECT_EQ(haupt().vorgabeformat(), "0.000");
    EXPECT_EQ(haupt().fensterOeffnen(5)->format(), "0.000");

    haupt().befehl(8)->trigger(); // "Projektformeln anzeigen"
    EXPECT_TRUE(Tanzeigedlg::instanz().isVisible());
    Tanzeigedlg::instanz().hide();

    QList<int> hilfe;
    setze_hilfeanzeige([&hilfe](int kontext, QWidget*) { hilfe << kontext; });
    haupt().befehl(6)->trigger();
    setze_hilfeanzeige({});
    EXPECT_EQ(hilfe, QList<int>{0}); // the contents
}

TEST_F(Hauptfenster, InfoZeigtDieVersion) {
    Tinfodlg info(&haupt());
    auto* version = info.findChild<QLabel*>("Version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text().toStdString(), "Version " ZOL_VERSION);
    EXPECT_FALSE(QStringLiteral(ZOL_VERSION).isEmpty());
}

TEST_F(Hauptfenster, FensterartenOhneFensterSindGesperrtBisSieSichAnmelden) {
    // Only the calculation window is built in this test program.
    struct Fall {
        int tag;
        bool frei;
    };
    for (const Fall& fall : {Fall{11, true}, Fall{12, false}, Fall{15, false}, Fall{49, false}}) {
        EXPECT_EQ(haupt().befehl(fall.tag)->isEnabled(), fall.frei) << fall.tag;
        EXPECT_EQ(haupt().werkzeugknopf(fall.tag)->isEnabled(), fall.frei) << fall.tag;
    }
    // A window that registers is offered by every main window created afterwards.
    ASSERT_TRUE(fensterart_registrieren("Tkombidlg", [] { return new TEditForm; }));
    TMainForm spaeter;
    EXPECT_TRUE(spaeter.befehl(49)->isEnabled());
    fensterart_registrieren("Tkombidlg", {});
}

TEST_F(Hauptfenster, BeendenFragtNach) {
    haupt().show();
    haupt().befehl(11)->trigger();
    dienst.antworten << false << true;
    haupt().befehl(5)->trigger();
    EXPECT_EQ(dienst.fragen, QStringList{"ZOL beenden?"});
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_EQ(rechnenfenster().size(), 1);
    haupt().befehl(5)->trigger();
    EXPECT_FALSE(haupt().isVisible());
    EXPECT_TRUE(rechnenfenster().isEmpty());
}

TEST_F(Hauptfenster, HauptmenueKnopfHoltDasHauptfenster) {
    haupt().show();
    haupt().symbolleisteUmschalten();
    ASSERT_FALSE(haupt().isVisible());
    auto* f = qobject_cast<TEditForm*>(haupt().fensterOeffnen(5));
    f->aktion(Befehl::hauptmenue)->trigger();
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_FALSE(haupt().palette().isVisible());
    EXPECT_EQ(haupt().speedBar()->parentWidget(), haupt().centralWidget());
}

} // namespace

// Lesson templates: the outline, opening, stepping, searching, the template editor and the
// templates shipped with the program.
#include "app/fensterliste.h"
#include "engine/rechnen.h"
#include "shell/haupt/datenordner.h"
#include "shell/haupt/vorlagenliste.h"
#include "shell/haupt/vorlbeadlg.h"
#include "shell/rahmen/stringgrid.h"
#include "tests/shell/haupt/haupt_testhilfe.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

using namespace zol;

TEST(Vorlagenliste, NameUndBeschreibung) {
    struct Fall {
        const char* eintrag;
        const char* name;
        const char* beschreibung;
    };
    const Fall faelle[] = {
        {"Eingabe und Bearbeiten von Funktionen (Zeich)", "Zeich",
         "Eingabe und Bearbeiten von Funktionen"},
        {"Gerade (Lineare Fkt.) (gerade1)", "gerade1", "Gerade (Lineare Fkt.)"},
        {"  Mit Endung (stunde.pro)  ", "stunde.pro", "Mit Endung"},
        {"(nur)", "nur", ""},
        {"Ohne Klammern", "", "Ohne Klammern"},
        {"Leere Klammern ()", "", "Leere Klammern ()"},
        {"Klammer (mitten) im Text", "", "Klammer (mitten) im Text"},
        {"", "", ""},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(vorlagenname(QString::fromUtf8(f.eintrag)), QString::fromUtf8(f.name))
            << f.eintrag;
        EXPECT_EQ(vorlagenbeschreibung(QString::fromUtf8(f.eintrag)),
                  QString::fromUtf8(f.beschreibung))
            << f.eintrag;
    }
}

TEST(Vorlagenliste, EbenenAusTabulatoren) {
    struct Fall {
        QStringList zeilen;
        QStringList zurueck; // as written back
    };
    const Fall faelle[] = {
        {{"A", "\tB", "\t\tC", "\tD", "E"}, {"A", "\tB", "\t\tC", "\tD", "E"}},
        // Too deep hangs under the entry before; empty lines are dropped.
        {{"A", "\t\t\tB", "", "\t", "C"}, {"A", "\tB", "C"}},
        // Leading tabs on the first line cannot make it a child.
        {{"\tA", "B"}, {"A", "B"}},
        {{"Bogenmaß (ü)"}, {"Bogenmaß (ü)"}},
    };
    for (const Fall& f : faelle) {
        QTreeWidget baum;
        gliederung_fuellen(&baum, f.zeilen);
        EXPECT_EQ(gliederung_zeilen(&baum), f.zurueck) << f.zeilen.join('|').toStdString();
    }
    QTreeWidget baum;
    gliederung_fuellen(&baum, {"A", "\tB", "\t\tC", "D"});
    QStringList reihenfolge;
    for (QTreeWidgetItem* e : gliederung_eintraege(&baum))
        reihenfolge << e->text(0);
    EXPECT_EQ(reihenfolge, (QStringList{"A", "B", "C", "D"}));
}

class Vorlagen : public HauptTest {
protected:
    void SetUp() override {
        HauptTest::SetUp();
        testvorlagen();
    }
    void waehlen(const QString& text) {
        for (QTreeWidgetItem* e : gliederung_eintraege(haupt().gliederung()))
            if (e->text(0) == text) haupt().gliederung()->setCurrentItem(e);
        ASSERT_EQ(ausgewaehlt(), text);
    }
};

TEST_F(Vorlagen, GliederungNachDemStart) {
    QTreeWidget* g = haupt().gliederung();
    EXPECT_EQ(gliederung_eintraege(g).size(), 6);
    for (QTreeWidgetItem* e : gliederung_eintraege(g))
        EXPECT_TRUE(e->childCount() == 0 || e->isExpanded()) << e->text(0).toStdString();
    EXPECT_EQ(ausgewaehlt(), "Erste Vorlage (t1)");
    EXPECT_EQ(haupt().vorlagentext()->text(), "Erste Vorlage (t1)");
    EXPECT_TRUE(haupt().vorlageOeffnenKnopf()->isEnabled());
}

TEST_F(Vorlagen, EintragOhneKlammernSperrtVorlageOeffnen) {
    struct Fall {
        const char* eintrag;
        bool frei;
        const char* name;
    };
    const Fall faelle[] = {
        {"Zweite Vorlage (t2)", true, "t2"},
        {"Ohne Klammern", false, ""},
        {"Dritte Vorlage (t3)", true, "t3"},
        {"Thema B", false, ""},
    };
    for (const Fall& f : faelle) {
        waehlen(QString::fromUtf8(f.eintrag));
        EXPECT_EQ(haupt().vorlageOeffnenKnopf()->isEnabled(), f.frei) << f.eintrag;
        EXPECT_EQ(haupt().vorlagenname(), QString::fromUtf8(f.name)) << f.eintrag;
        EXPECT_EQ(haupt().vorlagentext()->text(), f.frei ? QString::fromUtf8(f.eintrag) : "")
            << f.eintrag;
    }
    // Opening now does nothing: the topic entry names no template.
    haupt().vorlageOeffnen();
    EXPECT_EQ(offeneVorlage(), 0);
}

TEST_F(Vorlagen, OeffnenLeertFormelnUndFensterUndVergisstDenProjektnamen) {
    ASSERT_TRUE(formelbaum().definiere("alt=1"));
    haupt().fensterOeffnen(5);
    waehlen("Zweite Vorlage (t2)");
    haupt().vorlageOeffnenKnopf()->click();
    EXPECT_EQ(offeneVorlage(), 2);
    EXPECT_EQ(formelbaum().anzahl(), 1);
    EXPECT_TRUE(Tmodulfenster::alleFenster().isEmpty());
    EXPECT_EQ(haupt().windowTitle(), "Mathematik ZOL");
    EXPECT_TRUE(haupt().projektname().isEmpty());

    // Double click and Enter in the outline open the template too.
    waehlen("Dritte Vorlage (t3)");
    emit haupt().gliederung()->itemDoubleClicked(haupt().gliederung()->currentItem(), 0);
    EXPECT_EQ(offeneVorlage(), 3);
    waehlen("Erste Vorlage (t1)");
    QTest::keyClick(haupt().gliederung(), Qt::Key_Return);
    EXPECT_EQ(offeneVorlage(), 1);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join('|').toStdString();
}

TEST_F(Vorlagen, AlsProjektLadenBehaeltDenNamen) {
    haupt().vorlagenEditor().alsProjektFeld()->setChecked(true);
    waehlen("Zweite Vorlage (t2)");
    haupt().vorlageOeffnen();
    EXPECT_EQ(haupt().windowTitle(), "t2.pro");
    EXPECT_EQ(QFileInfo(haupt().projektname()), QFileInfo(daten("Lektion/t2.pro")));
}

TEST_F(Vorlagen, FehlendeVorlageWirdStillNichtGeoeffnet) {
    QFile::remove(daten("Lektion/t3.pro"));
    ASSERT_TRUE(formelbaum().definiere("alt=1"));
    waehlen("Dritte Vorlage (t3)");
    haupt().vorlageOeffnen();
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_EQ(formelbaum().anzahl(), 1);
    EXPECT_EQ(formelbaum().eintrag(0), "alt=1");
}

TEST_F(Vorlagen, NameWirdOhneRuecksichtAufGrossschreibungGefunden) {
    schreiben("Lektion/lekt.out", {"Gross (T1)", "Pfad (Lektion\\t2.PRO)"});
    haupt().vorlagenLaden();
    haupt().vorlageOeffnen();
    EXPECT_EQ(offeneVorlage(), 1);
    haupt().naechsteVorlage();
    EXPECT_EQ(offeneVorlage(), 2);
}

TEST_F(Vorlagen, NaechsteUndVorherigeVorlageLaufenUm) {
    struct Schritt {
        int tag; // 51 "Nächste Vorlage", 50 "Vorherige Vorlage"
        const char* danach;
        int vorlage; // open afterwards
    };
    const Schritt schritte[] = {
        {51, "Thema A", 1}, // no template there: the one open stays
        {51, "Zweite Vorlage (t2)", 2},
        {51, "Ohne Klammern", 2},
        {51, "Thema B", 2},
        {51, "Dritte Vorlage (t3)", 3},
        {51, "Erste Vorlage (t1)", 1},  // after the last, the first
        {50, "Dritte Vorlage (t3)", 3}, // before the first, the last
        {50, "Thema B", 3},
    };
    haupt().vorlageOeffnen();
    ASSERT_EQ(offeneVorlage(), 1);
    haupt().nurThemenAnzeigen();
    for (const Schritt& s : schritte) {
        haupt().befehl(s.tag)->trigger();
        EXPECT_EQ(ausgewaehlt(), QString::fromUtf8(s.danach)) << s.danach;
        EXPECT_EQ(offeneVorlage(), s.vorlage) << s.danach;
        EXPECT_TRUE(haupt().gliederung()->currentItem()->parent() == nullptr ||
                    haupt().gliederung()->currentItem()->parent()->isExpanded());
    }
}

TEST_F(Vorlagen, SuchenFindetUndBeginntNachDemEndeVonVorn) {
    struct Schritt {
        const char* knopf; // "Suchen", "Weiter" or "Enter" in the search field
        const char* text;
        const char* danach;
        bool nichtGefunden;
    };
    const Schritt schritte[] = {
        {"Suchen", "VORLAGE", "Erste Vorlage (t1)", false},
        {"Weiter", "VORLAGE", "Zweite Vorlage (t2)", false},
        {"Enter", "VORLAGE", "Dritte Vorlage (t3)", false},
        {"Weiter", "VORLAGE", "Dritte Vorlage (t3)", true},
        {"Weiter", "VORLAGE", "Erste Vorlage (t1)", false},
        {"Weiter", "vorlage", "Zweite Vorlage (t2)", false},
        {"Suchen", "thema", "Thema A", false},
        {"Suchen", "gibt es nicht", "Thema A", true},
        {"Weiter", "klammern", "Ohne Klammern", false},
    };
    haupt().nurThemenAnzeigen();
    for (const Schritt& s : schritte) {
        dienst.meldungen.clear();
        dienst.hinweise.clear();
        haupt().suchfeld()->setText(QString::fromUtf8(s.text));
        if (QString::fromUtf8(s.knopf) == "Enter")
            QTest::keyClick(haupt().suchfeld(), Qt::Key_Return);
        else
            haupt().findChild<QPushButton*>(s.knopf)->click();
        EXPECT_EQ(ausgewaehlt(), QString::fromUtf8(s.danach)) << s.knopf << " " << s.text;
        EXPECT_EQ(dienst.meldungen,
                  s.nichtGefunden ? QStringList{"Ausdruck nicht gefunden"} : QStringList{})
            << s.knopf << " " << s.text;
        EXPECT_EQ(dienst.hinweise, dienst.meldungen); // a search without hit is no error
    }
    EXPECT_EQ(offeneVorlage(), 0); // searching only selects
}

TEST_F(Vorlagen, EditorBearbeitetDieGliederung) {
    Tvorlbeadlg& editor = haupt().vorlagenEditor();
    editor.laden();
    QTreeWidget* g = editor.gliederung();
    auto zeilen = [g] { return gliederung_zeilen(g); };
    auto waehle = [g](const QString& text) {
        for (QTreeWidgetItem* e : gliederung_eintraege(g))
            if (e->text(0) == text) g->setCurrentItem(e);
    };

    waehle("Zweite Vorlage (t2)");
    editor.BearbeitenClick();
    EXPECT_EQ(editor.beschreibung()->text(), "Zweite Vorlage");
    EXPECT_EQ(editor.projektname()->text(), "t2");

    editor.beschreibung()->setText("Neue Stunde");
    editor.projektname()->setText("t9");
    editor.GleicheEbeneClick();
    EXPECT_EQ(zeilen(), (QStringList{"Erste Vorlage (t1)", "Thema A", "\tZweite Vorlage (t2)",
                                     "\tNeue Stunde (t9)", "\tOhne Klammern", "Thema B",
                                     "\tDritte Vorlage (t3)"}));
    editor.projektname()->clear();
    editor.beschreibung()->setText("Unterthema");
    editor.UntergeordneteEbeneClick();
    EXPECT_EQ(zeilen()[4], "\t\tUnterthema");
    editor.beschreibung()->setText("Ersetzt");
    editor.projektname()->setText("t1");
    editor.ErsetzenClick();
    EXPECT_EQ(zeilen()[4], "\t\tErsetzt (t1)");

    // "Aktuelles Projekt" takes the main window's project name.
    haupt().vorlagenEditor().alsProjektFeld()->setChecked(true);
    haupt().vorlageOeffnen();
    editor.AktuellesProjektClick();
    EXPECT_EQ(QFileInfo(editor.projektname()->text()), QFileInfo(daten("Lektion/t1.pro")));

    // Deleting a topic deletes its entries; the following entry is selected.
    waehle("Thema A");
    editor.LoeschenClick();
    EXPECT_EQ(zeilen(), (QStringList{"Erste Vorlage (t1)", "Thema B", "\tDritte Vorlage (t3)"}));
    EXPECT_EQ(g->currentItem()->text(0), "Thema B");

    // Previous and next wrap around.
    waehle("Erste Vorlage (t1)");
    editor.VorherigerClick();
    EXPECT_EQ(g->currentItem()->text(0), "Dritte Vorlage (t3)");
    editor.NaechsterClick();
    EXPECT_EQ(g->currentItem()->text(0), "Erste Vorlage (t1)");
}

TEST_F(Vorlagen, EditorSchreibtDieGliederungBeiOk) {
    Tvorlbeadlg& editor = haupt().vorlagenEditor();
    // Runs inside the modal dialog, after it loaded the outline.
    QTimer::singleShot(0, &editor, [&editor] {
        editor.beschreibung()->setText("Bogenmaß und Grad");
        editor.projektname()->setText("trigo");
        editor.GleicheEbeneClick();
        editor.accept();
    });
    haupt().vorlagenBearbeiten();
    QFile datei(daten("Lektion/lekt.out"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), QByteArray("Erste Vorlage (t1)\r\nBogenma\xDF und Grad (trigo)\r\n"
                                          "Thema A\r\n\tZweite Vorlage (t2)\r\n\tOhne Klammern\r\n"
                                          "Thema B\r\n\tDritte Vorlage (t3)\r\n"));
    // The main window shows the new outline.
    EXPECT_EQ(gliederung_eintraege(haupt().gliederung())[1]->text(0), "Bogenmaß und Grad (trigo)");

    // "Abbrechen" writes nothing.
    QTimer::singleShot(0, &editor, [&editor] {
        editor.LoeschenClick();
        editor.reject();
    });
    haupt().vorlagenBearbeiten();
    haupt().vorlagenLaden();
    EXPECT_EQ(gliederung_eintraege(haupt().gliederung()).size(), 7);
}

TEST_F(Vorlagen, DatenordnerDesBenutzersGehtVor) {
    // The program's own folder (beside the executable) comes after the user's.
    const QStringList ordner = datenordner();
    ASSERT_EQ(ordner.size(), 3);
    EXPECT_EQ(QFileInfo(ordner[0]), QFileInfo(daten("")));
    EXPECT_EQ(QFileInfo(ordner[1]), QFileInfo(QCoreApplication::applicationDirPath()));
    EXPECT_EQ(QFileInfo(ordner[2]),
              QFileInfo(QCoreApplication::applicationDirPath() + "/../share/zol"));

    const QString name = QStringLiteral("datentest_%1.txt").arg(QCoreApplication::applicationPid());
    const QString programm = QDir(ordner[1]).filePath(name);
    ASSERT_TRUE(zeilen_schreiben(programm, {"programm"}));
    EXPECT_EQ(QFileInfo(datenpfad(name)), QFileInfo(programm));
    schreiben(name, {"benutzer"});
    EXPECT_EQ(QFileInfo(datenpfad(name)), QFileInfo(daten(name)));
    QFile::remove(programm);

    // Writing always goes to the user's folder, which is created when missing.
    EXPECT_EQ(QFileInfo(datenpfad("Neu/x.txt", true)), QFileInfo(daten("Neu/x.txt")));
    EXPECT_TRUE(QFileInfo(daten("Neu")).isDir());
    EXPECT_TRUE(datenpfad("gibt/es/nicht.txt").isEmpty());
}

// The data shipped with the program: "Standard.pro" and every template of "lekt.out".
class Mitgeliefert : public HauptTest {
protected:
    void SetUp() override {
        HauptTest::SetUp();
        alle_fensterarten_registrieren();
        const QDir quelle(QStringLiteral(ZOL_DATENQUELLE));
        QDirIterator it(quelle.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString datei = it.next();
            const QString relativ = quelle.relativeFilePath(datei);
            if (relativ.startsWith("hilfe/")) continue;
            QDir().mkpath(QFileInfo(daten(relativ)).absolutePath());
            ASSERT_TRUE(QFile::copy(datei, daten(relativ))) << relativ.toStdString();
        }
    }
};

// What a lesson left uncomputed in a topic window: the names of its empty result grids and
// memos, or "Ergebnisfelder" when none of its result fields shows anything. Displays on pages
// the window does not show (another notebook page) do not count.
QStringList leere_ergebnisse(const Tmodulfenster& f) {
    QStringList leer;
    bool feldGefuellt = false, felder = false;
    for (QWidget* w : f.ergebnisanzeigen()) {
        if (!w->isVisibleTo(&f)) continue;
        if (auto* g = qobject_cast<TStringGrid*>(w)) {
            bool gefuellt = false;
            for (int r = g->fixedRows(); r < g->rowCount() && !gefuellt; ++r)
                for (int c = g->fixedCols(); c < g->colCount() && !gefuellt; ++c)
                    gefuellt = !g->cell(c, r).trimmed().isEmpty();
            if (!gefuellt) leer << w->objectName();
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            if (m->toPlainText().trimmed().isEmpty()) leer << w->objectName();
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            felder = true;
            feldGefuellt = feldGefuellt || !e->text().trimmed().isEmpty();
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            felder = true;
            feldGefuellt = feldGefuellt || !l->text().trimmed().isEmpty() || !l->pixmap().isNull();
        }
    }
    if (felder && !feldGefuellt) leer << QStringLiteral("Ergebnisfelder");
    return leer;
}

// A lesson's calculation window explains in comment lines (";") what to look at.
int kommentarzeilen(const QString& text) {
    int n = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        if (zeile.trimmed().startsWith(QLatin1Char(';'))) ++n;
    return n;
}

TEST_F(Mitgeliefert, JedeVorlageOeffnetOhneMeldung) {
    int vorlagen = 0;
    QSet<int> arten;
    for (QTreeWidgetItem* e : gliederung_eintraege(haupt().gliederung())) {
        haupt().gliederung()->setCurrentItem(e);
        if (haupt().vorlagenname().isEmpty()) continue;
        ++vorlagen;
        const std::string name = e->text(0).toStdString();
        formelbaum().alle_loeschen();
        haupt().vorlageOeffnen();
        EXPECT_TRUE(dienst.meldungen.isEmpty())
            << name << ": " << dienst.meldungen.join('|').toStdString();
        dienst.meldungen.clear();
        const QList<Tmodulfenster*> fenster = Tmodulfenster::alleFenster();
        for (Tmodulfenster* f : fenster)
            arten.insert(f->art().art);
        EXPECT_FALSE(fenster.isEmpty()) << name;
        for (Tmodulfenster* f : fenster) {
            // A template's windows show their kind; a window a lesson's command opened (a plot)
            // its own title.
            EXPECT_TRUE(f->windowTitle() == f->art().artname || f->windowTitle() == f->art().titel)
                << name << ": " << f->windowTitle().toStdString();
            EXPECT_TRUE(f->dateiname().isEmpty()) << name;
            // A calculation window brings its lesson text, free of failed lines; every other
            // window opens computed.
            if (auto* rechnen = qobject_cast<TEditForm*>(f)) {
                const QString text = rechnen->memo()->toPlainText();
                EXPECT_GE(kommentarzeilen(text), 2) << name;
                for (const QString& zeile : text.split(QLatin1Char('\n')))
                    EXPECT_FALSE(!zeile.trimmed().startsWith(QLatin1Char(';')) &&
                                 zeile.contains(QStringLiteral("Fehler:")))
                        << name << ": " << zeile.toStdString();
            } else {
                EXPECT_TRUE(leere_ergebnisse(*f).isEmpty())
                    << name << ", " << f->art().klasse.toStdString() << ": "
                    << leere_ergebnisse(*f).join(',').toStdString();
            }
        }
        const auto rechnen = std::count_if(fenster.begin(), fenster.end(), [](auto* f) {
            return qobject_cast<TEditForm*>(f) != nullptr;
        });
        EXPECT_GE(rechnen, 1) << name << ": no calculation window explains the lesson";
        EXPECT_EQ(haupt().windowTitle(), "Mathematik ZOL");
    }
    EXPECT_GE(vorlagen, 45);
    // Every topic window has a lesson of its own.
    for (const Fensterart& a : fensterarten())
        EXPECT_TRUE(arten.contains(a.art)) << a.artname.toStdString();

    // The outline is a curriculum: the school years in order, then the tools.
    QStringList themen;
    for (int i = 0; i < haupt().gliederung()->topLevelItemCount(); ++i)
        themen << haupt().gliederung()->topLevelItem(i)->text(0);
    EXPECT_EQ(themen,
              QStringList({"Klasse 5/6", "Klasse 7/8", "Klasse 9/10", "Oberstufe", "Werkzeuge"}));
}

TEST_F(Mitgeliefert, StandardProLaedtOhneMeldung) {
    haupt().startprojektLaden();
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join('|').toStdString();
    EXPECT_EQ(haupt().windowTitle(), "Standard.pro");
    EXPECT_EQ(Tmodulfenster::alleFenster().size(), 1);
}

// A fresh project knows PI, so SIN(PI/2)= works at once; PI is a project formula, the
// formula language itself has no constants.
TEST_F(Mitgeliefert, StandardProDefiniertPi) {
    haupt().startprojektLaden();
    ASSERT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join('|').toStdString();
    const struct {
        const char* zeile;
        const char* bild;
        const char* ergebnis;
    } faelle[] = {
        {"PI=", "0.00000000000000", "3,14159265358979"},
        {"SIN(PI/2)=", "0.0000000000", "1,0000000000"},
        {"COS(PI)=", "0.0000000000", "-1,0000000000"},
    };
    for (const auto& f : faelle) {
        const Direktergebnis e = direktzeile(formelbaum(), f.zeile, f.bild);
        ASSERT_EQ(e.art, Direktergebnis::Art::ergebnis) << f.zeile << " " << e.meldung;
        EXPECT_EQ(e.zeilen.front(), f.ergebnis) << f.zeile;
    }
}

TEST_F(Mitgeliefert, SchreibgeschuetztesStandardProLaedtOhneNamen) {
    QFile(daten("Standard.pro")).setPermissions(QFileDevice::ReadOwner);
    QFile(QFileInfo(daten("Standard.pro")).absolutePath())
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool schreibbar = QFileInfo(daten("Standard.pro")).isWritable();
    haupt().startprojektLaden();
    QFile(QFileInfo(daten("Standard.pro")).absolutePath())
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (schreibbar) GTEST_SKIP() << "runs as a user who may write everywhere";
    EXPECT_TRUE(haupt().projektname().isEmpty());
    ASSERT_EQ(Tmodulfenster::alleFenster().size(), 1);
    EXPECT_TRUE(Tmodulfenster::alleFenster()[0]->dateiname().isEmpty());
}

} // namespace

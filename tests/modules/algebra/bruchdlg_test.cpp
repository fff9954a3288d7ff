// The fractions window: controls and commands, the operations through the frame's buttons, the
// pages kept in step, refusals that change nothing, ".bru" files, batch mode and the lesson
// template.
#include "engine/zahlformat.h"
#include "modules/algebra/bruchdlg.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <sstream>

// Readable failures for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* o) {
    *o << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* o) {
    *o << '{' << l.join("|").toStdString() << '}';
}

namespace {

using namespace zol;
using namespace zol::test;

QString text_von(Tbruchdlg& f, const char* name) {
    if (auto* t = f.findChild<Ttxtshape*>(QString::fromLatin1(name))) return t->text();
    return steuer<QLineEdit>(f, name)->text();
}

void setze(Tbruchdlg& f, const char* name, const QString& text) {
    steuer<QLineEdit>(f, name)->setText(text);
}

// Operand n as the three fraction fields' texts.
QStringList bruchfelder(Tbruchdlg& f, int n) {
    const int erstes = n == 1 ? 1 : 4;
    QStringList t;
    for (int i = erstes; i < erstes + 3; ++i)
        t << steuer<QLineEdit>(f, QStringLiteral("longintEdit%1").arg(i).toLatin1().constData())
                 ->text();
    return t;
}

void bruch_setzen(Tbruchdlg& f, int n, const QString& ganze, const QString& zaehler,
                  const QString& nenner) {
    const int erstes = n == 1 ? 1 : 4;
    const QString werte[] = {ganze, zaehler, nenner};
    for (int i = 0; i < 3; ++i)
        steuer<QLineEdit>(f, QStringLiteral("longintEdit%1").arg(erstes + i).toLatin1().constData())
            ->setText(werte[i]);
}

QAction* befehl(Tbruchdlg& f, const char* name) {
    for (QAction* a : f.fensterbefehle())
        if (a->objectName() == QLatin1String(name)) return a;
    ADD_FAILURE() << name;
    return nullptr;
}

class Bruchdlg : public ::testing::Test {
protected:
    void SetUp() override { bruchrechnung_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Bruchdlg, AufbauUndVorgaben) {
    Tbruchdlg f;
    EXPECT_EQ(f.windowTitle(), "Bruchrechnung");
    EXPECT_EQ(f.format(), "0.000");
    EXPECT_EQ(f.art().hilfekontext, 310);
    EXPECT_EQ(f.art().art, 175);
    EXPECT_EQ(f.size(), QSize(464, 373));
    struct Feld {
        const char* name;
        const char* text;
        qint32 min, max;
    };
    for (const Feld& feld :
         {Feld{"longintEdit1", "0", -999999999, 999999999},
          Feld{"longintEdit2", "1", -999999999, 999999999}, Feld{"longintEdit3", "3", 1, 999999999},
          Feld{"longintEdit4", "0", -999999999, 999999999},
          Feld{"longintEdit5", "1", -999999999, 999999999},
          Feld{"longintEdit6", "3", 1, 999999999}}) {
        auto* e = steuer<TlongintEdit>(f, feld.name);
        EXPECT_EQ(e->text(), feld.text) << feld.name;
        EXPECT_EQ(e->MinValue(), feld.min) << feld.name;
        EXPECT_EQ(e->MaxValue(), feld.max) << feld.name;
    }
    for (const char* name : {"extendEdit1", "extendEdit2"}) {
        auto* e = steuer<TextendEdit>(f, name);
        EXPECT_EQ(e->text(), "0,000");
        EXPECT_TRUE(e->Formatenabled());
        EXPECT_EQ(e->MinValue(), -1e60L);
        EXPECT_EQ(e->MaxValue(), 1e60L);
    }
    EXPECT_TRUE(steuer<QCheckBox>(f, "CheckBox1")->isChecked());
    EXPECT_TRUE(steuer<QCheckBox>(f, "CheckBox1")->isTristate());
    EXPECT_TRUE(steuer<QCheckBox>(f, "CheckBox2")->isChecked());
    EXPECT_FALSE(steuer<QCheckBox>(f, "CheckBox2")->isTristate());
    EXPECT_EQ(steuer<QCheckBox>(f, "CheckBox2")->text(), "Unendliche Zahl");
    for (int n : {1, 2}) {
        auto* seiten =
            steuer<QTabWidget>(f, QStringLiteral("TabbedNotebook%1").arg(n).toLatin1().constData());
        ASSERT_EQ(seiten->count(), 2);
        EXPECT_EQ(seiten->tabText(0), QStringLiteral("Bruch %1").arg(n));
        EXPECT_EQ(seiten->tabText(1), QStringLiteral("Dezimal %1").arg(n));
    }
    EXPECT_EQ(text_von(f, "txtshape1"), "0");
    EXPECT_EQ(text_von(f, "txtshape2"), "0");
    EXPECT_EQ(steuer<Ttxtshape>(f, "txtshape1")->palette().color(QPalette::WindowText),
              QColor(Qt::red));

    QStringList menues;
    for (QAction* a : f.menuBar()->actions())
        if (a->menu()) menues << a->menu()->title();
    EXPECT_EQ(menues,
              (QStringList{"&Datei", "&Bearbeiten", "&Rechne", "&Eigenschaften", "&Hilfe"}));
    QStringList rechne, bearbeiten;
    for (QAction* a : f.menuBar()->actions()) {
        if (a->menu() == nullptr) continue;
        for (QAction* eintrag : a->menu()->actions()) {
            if (a->menu()->title() == "&Rechne") rechne << eintrag->text();
            if (a->menu()->title() == "&Bearbeiten") bearbeiten << eintrag->text();
        }
    }
    EXPECT_EQ(rechne,
              (QStringList{"&Addieren", "&Subtrahieren", "&Multiplizieren", "&Dividieren"}));
    EXPECT_EQ(bearbeiten, (QStringList{"Ergebnis -> Bruch &1", "Ergebnis -> Bruch &2"}));
    QStringList knoepfe, hinweise;
    for (QToolButton* k : f.findChild<QToolBar*>("Werkzeugleiste")->findChildren<QToolButton*>()) {
        if (k->defaultAction() && !k->defaultAction()->iconText().isEmpty() &&
            f.fensterbefehle().contains(k->defaultAction())) {
            knoepfe << k->text();
            hinweise << k->defaultAction()->toolTip();
        }
    }
    EXPECT_EQ(knoepfe, (QStringList{"+", "-", "*", "/", ">B1", ">B2"}));
    EXPECT_EQ(hinweise.mid(0, 4),
              (QStringList{"Addieren", "Subtrahieren", "Multiplizieren", "Dividieren"}));
    for (Befehl b : {Befehl::oeffnen, Befehl::speichern, Befehl::speichern_unter, Befehl::drucken,
                     Befehl::beenden, Befehl::zahlenformat, Befehl::hilfe, Befehl::hauptmenue})
        EXPECT_TRUE(f.bietet(b));
    EXPECT_FALSE(f.bietet(Befehl::rechne));
}

TEST_F(Bruchdlg, DieVierRechenartenUeberDieKnoepfe) {
    struct Fall {
        const char* befehl;
        QStringList a, b;
        const char* brueche;
        const char* dezimal;
        bruch::Bruch ergebnis;
    };
    const Fall faelle[] = {
        {"Multiplizieren1",
         {"1", "1", "2"},
         {"2", "1", "3"},
         "1 \\f(1;2) * 2 \\f(1;3) = 3 \\f(1;2)",
         "1,500 * 2,333 = 3,500",
         {3, 1, 2}},
        {"Addieren1",
         {"0", "1", "2"},
         {"0", "1", "3"},
         " \\f(1;2) +  \\f(1;3) =  \\f(5;6)",
         "0,500 + 0,333 = 0,833",
         {0, 5, 6}},
        {"Subtrahieren1",
         {"0", "1", "3"},
         {"0", "2", "3"},
         " \\f(1;3) -  \\f(2;3) =  \\f(-1;3)",
         "0,333 - 0,667 = -0,333",
         {0, -1, 3}},
        {"Subtrahieren1",
         {"0", "8", "3"},
         {"0", "1", "3"},
         "2 \\f(2;3) -  \\f(1;3) = 2 \\f(1;3)",
         "2,667 - 0,333 = 2,333",
         {2, 1, 3}},
        {"Dividieren1",
         {"-2", "1", "3"},
         {"0", "4", "6"},
         "-2 \\f(1;3) :  \\f(2;3) = -3 \\f(1;2)",
         "-2,333 : 0,667 = -3,500",
         {-3, 1, 2}},
    };
    for (const Fall& fall : faelle) {
        Tbruchdlg f;
        bruch_setzen(f, 1, fall.a[0], fall.a[1], fall.a[2]);
        bruch_setzen(f, 2, fall.b[0], fall.b[1], fall.b[2]);
        befehl(f, fall.befehl)->trigger();
        EXPECT_EQ(text_von(f, "txtshape1"), fall.brueche);
        EXPECT_EQ(text_von(f, "txtshape2"), fall.dezimal);
        EXPECT_EQ(f.ergebnis(), fall.ergebnis) << fall.brueche;
        // The fraction pages write their values into the decimal fields.
        EXPECT_EQ(text_von(f, "extendEdit2"), QString::fromLatin1(fall.dezimal).section(' ', 2, 2));
    }
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// Every field is brought into range before use: a denominator 0 or emptied becomes 1.
TEST_F(Bruchdlg, FelderWerdenInIhrenBereichGebracht) {
    Tbruchdlg f;
    bruch_setzen(f, 1, "", "1", "0");
    bruch_setzen(f, 2, "0", "1", "");
    f.operation(bruch::Rechenart::plus);
    EXPECT_EQ(bruchfelder(f, 1), (QStringList{"0", "1", "1"}));
    EXPECT_EQ(bruchfelder(f, 2), (QStringList{"0", "1", "1"}));
    EXPECT_EQ(text_von(f, "txtshape1"), "1 + 1 = 2");
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

// Refusals: the message, and results, result fields and copy source stay as they were.
TEST_F(Bruchdlg, AbweisungenAendernNichts) {
    struct Fall {
        bruch::Rechenart op;
        QStringList a, b;
        const char* meldung;
    };
    const Fall faelle[] = {
        {bruch::Rechenart::durch, {"1", "1", "2"}, {"0", "0", "5"}, "Nenner darf nie Null sein!"},
        {bruch::Rechenart::mal,
         {"0", "99999", "100000"},
         {"0", "99999", "100000"},
         "Das Ergebnis ist zu groß für die Bruchrechnung."},
        {bruch::Rechenart::plus,
         {"999999999", "0", "1"},
         {"1", "0", "1"},
         "Das Ergebnis ist zu groß für die Bruchrechnung."},
    };
    for (const Fall& fall : faelle) {
        Tbruchdlg f;
        f.operation(bruch::Rechenart::plus); // 1/3 + 1/3
        const QString vorher1 = text_von(f, "txtshape1"), vorher2 = text_von(f, "txtshape2");
        ASSERT_EQ(vorher1, " \\f(1;3) +  \\f(1;3) =  \\f(2;3)");
        bruch_setzen(f, 1, fall.a[0], fall.a[1], fall.a[2]);
        bruch_setzen(f, 2, fall.b[0], fall.b[1], fall.b[2]);
        dienst.meldungen.clear();
        f.operation(fall.op);
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung});
        EXPECT_EQ(text_von(f, "txtshape1"), vorher1);
        EXPECT_EQ(text_von(f, "txtshape2"), vorher2);
        EXPECT_EQ(f.ergebnis(), (bruch::Bruch{0, 2, 3}));
    }
}

TEST_F(Bruchdlg, DezimalseiteWirdEntwickelt) {
    struct Fall {
        const char* dezimal;
        Qt::CheckState unendlich;
        QStringList felder;
    };
    const Fall faelle[] = {
        {"3,14159", Qt::Checked, {"3", "1", "7"}},
        {"0,333", Qt::Checked, {"0", "1", "3"}},
        {"0,333", Qt::Unchecked, {"0", "333", "1000"}},
        // The grey third state counts as not checked.
        {"0,333", Qt::PartiallyChecked, {"0", "333", "1000"}},
        {"2,5", Qt::Checked, {"2", "1", "2"}},
        {"2,5", Qt::Unchecked, {"2", "1", "2"}},
        {"-2,5", Qt::Checked, {"-2", "1", "2"}},
        {"-0,5", Qt::Unchecked, {"0", "-1", "2"}},
        {"0", Qt::Checked, {"0", "0", "1"}},
    };
    for (const Fall& fall : faelle) {
        Tbruchdlg f;
        steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
        setze(f, "extendEdit1", fall.dezimal);
        steuer<QCheckBox>(f, "CheckBox1")->setCheckState(fall.unendlich);
        befehl(f, "Addieren1")->trigger();
        EXPECT_EQ(bruchfelder(f, 1), fall.felder) << fall.dezimal;
        // The decimal equation takes the digits as typed.
        EXPECT_TRUE(text_von(f, "txtshape2")
                        .startsWith(QString::fromStdString(
                            format("0.000", steuer<TextendEdit>(f, "extendEdit1")->Value()))));
    }
    Tbruchdlg f;
    steuer<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(1);
    setze(f, "extendEdit1", "3,14159");
    f.operation(bruch::Rechenart::plus);
    EXPECT_EQ(text_von(f, "txtshape1"), "3 \\f(1;7) +  \\f(1;3) = 3 \\f(10;21)");
    EXPECT_EQ(text_von(f, "txtshape2"), "3,142 + 0,333 = 3,475");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Bruchdlg, ZuGrosseDezimalzahlWirdAbgewiesen) {
    Tbruchdlg f;
    f.operation(bruch::Rechenart::plus);
    steuer<QTabWidget>(f, "TabbedNotebook2")->setCurrentIndex(1);
    bruch_setzen(f, 2, "5", "1", "3");
    setze(f, "extendEdit2", "1000000000");
    dienst.meldungen.clear();
    f.operation(bruch::Rechenart::plus);
    EXPECT_EQ(dienst.meldungen, QStringList{"Die Dezimalzahl ist zu groß für die Bruchrechnung."});
    EXPECT_EQ(bruchfelder(f, 2), (QStringList{"5", "1", "3"}));
    EXPECT_EQ(text_von(f, "txtshape1"), " \\f(1;3) +  \\f(1;3) =  \\f(2;3)");
}

// Leaving a page carries its operand over to the other one.
TEST_F(Bruchdlg, SeitenwechselGleichtAb) {
    Tbruchdlg f;
    auto* seiten1 = steuer<QTabWidget>(f, "TabbedNotebook1");
    bruch_setzen(f, 1, "1", "1", "2");
    seiten1->setCurrentIndex(1);
    EXPECT_EQ(text_von(f, "extendEdit1"), "1,500");
    setze(f, "extendEdit1", "0,25");
    seiten1->setCurrentIndex(0);
    EXPECT_EQ(bruchfelder(f, 1), (QStringList{"0", "1", "4"}));
    // A negative whole part: the decimal is -(2 + 1/3).
    auto* seiten2 = steuer<QTabWidget>(f, "TabbedNotebook2");
    bruch_setzen(f, 2, "-2", "1", "3");
    seiten2->setCurrentIndex(1);
    EXPECT_EQ(text_von(f, "extendEdit2"), "-2,333");
}

TEST_F(Bruchdlg, ErgebnisInDieBruchfelder) {
    Tbruchdlg f;
    // 1/3 - 8/3 = -2 1/3, kept with its sign.
    bruch_setzen(f, 1, "0", "1", "3");
    bruch_setzen(f, 2, "0", "8", "3");
    befehl(f, "Subtrahieren1")->trigger();
    EXPECT_EQ(text_von(f, "txtshape1"), " \\f(1;3) - 2 \\f(2;3) = -2 \\f(1;3)");
    befehl(f, "ErgebnisBruch11")->trigger();
    EXPECT_EQ(bruchfelder(f, 1), (QStringList{"-2", "1", "3"}));
    f.operation(bruch::Rechenart::minus); // -2 1/3 - 2 2/3 = -5
    befehl(f, "ErgebnisBruch21")->trigger();
    EXPECT_EQ(bruchfelder(f, 2), (QStringList{"-5", "0", "1"}));

    // With the decimal page shown the next operation takes the decimal field instead.
    Tbruchdlg g;
    g.operation(bruch::Rechenart::plus); // 2/3
    auto* seiten = steuer<QTabWidget>(g, "TabbedNotebook1");
    seiten->setCurrentIndex(1);
    setze(g, "extendEdit1", "0,5");
    befehl(g, "ErgebnisBruch11")->trigger();
    EXPECT_EQ(bruchfelder(g, 1), (QStringList{"0", "2", "3"}));
    g.operation(bruch::Rechenart::plus);
    EXPECT_EQ(bruchfelder(g, 1), (QStringList{"0", "1", "2"}));
    EXPECT_EQ(text_von(g, "txtshape1"), " \\f(1;2) +  \\f(1;3) =  \\f(5;6)");
}

TEST_F(Bruchdlg, DateiMitKennungUndGleichungen) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("a.bru");
    {
        Tbruchdlg f;
        bruch_setzen(f, 1, "1", "1", "2");
        steuer<QTabWidget>(f, "TabbedNotebook2")->setCurrentIndex(1);
        setze(f, "extendEdit2", "3,14159");
        steuer<QCheckBox>(f, "CheckBox2")->setChecked(false);
        f.operation(bruch::Rechenart::mal);
        ASSERT_TRUE(f.inDateiSchreiben(datei));
    }
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 5);
    EXPECT_EQ(z.mid(0, 4), (QStringList{"brueche", "0.000",
                                        "1 \\f(1;2) * 3 \\f(3432;24239) = 4 \\f(34535;48478)",
                                        "1,500 * 3,142 = 4,712"}));
    Tbruchdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(g.windowTitle(), "a.bru");
    EXPECT_EQ(text_von(g, "txtshape1"), "1 \\f(1;2) * 3 \\f(3432;24239) = 4 \\f(34535;48478)");
    EXPECT_EQ(text_von(g, "txtshape2"), "1,500 * 3,142 = 4,712");
    EXPECT_EQ(bruchfelder(g, 1), (QStringList{"1", "1", "2"}));
    EXPECT_EQ(steuer<QTabWidget>(g, "TabbedNotebook2")->currentIndex(), 1);
    EXPECT_FALSE(steuer<QCheckBox>(g, "CheckBox2")->isChecked());
    // The typed digits survive loading; the picture does not round them.
    EXPECT_EQ(text_von(g, "extendEdit2"), "3,14159");
    EXPECT_EQ(zustand(g), z.mid(5));

    // A foreign file changes nothing.
    const QString fremd = ordner.filePath("b.bru");
    QFile d(fremd);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write("Primzahlen\r\n0.00\r\nx\r\ny\r\n");
    d.close();
    Tbruchdlg h;
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(text_von(h, "txtshape1"), "0");
    EXPECT_EQ(h.windowTitle(), "Bruchrechnung");
}

TEST_F(Bruchdlg, NeuesZahlenformatZeigtDieDezimalfelderNeu) {
    Tbruchdlg f;
    setze(f, "extendEdit1", "3,14159");
    f.setzeFormat("0.0");
    EXPECT_EQ(text_von(f, "extendEdit1"), "3,1");
    f.operation(bruch::Rechenart::plus);
    EXPECT_EQ(text_von(f, "txtshape2"), "0,3 + 0,3 = 0,7");
}

TEST_F(Bruchdlg, StapelbetriebDruecktBeideGleichungen) {
    std::ostringstream aus, err;
    const int code = stapel_ausfuehren({"zol",
                                        "--batch",
                                        "Bruchrechnung",
                                        "--set",
                                        "longintEdit1=1",
                                        "--set",
                                        "longintEdit2=1",
                                        "--set",
                                        "longintEdit3=2",
                                        "--set",
                                        "longintEdit4=2",
                                        "--set",
                                        "longintEdit5=1",
                                        "--set",
                                        "longintEdit6=3",
                                        "--command",
                                        "*",
                                        "--command",
                                        ">B2",
                                        "--command",
                                        "Addieren"},
                                       aus, err);
    EXPECT_EQ(code, 0) << err.str();
    EXPECT_EQ(aus.str(), "== Tbruchdlg ==\n"
                         "txtshape1: 1 \\f(1;2) + 3 \\f(1;2) = 5\n"
                         "txtshape2: 1,500 + 3,500 = 5,000\n");
}

// The template opens as a project: the window of kind 175 with its file, whose inputs give the
// saved equations again.
TEST_F(Bruchdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f =
        qobject_cast<Tbruchdlg*>(u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/bruch1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Bruchrechnung");
    EXPECT_EQ(bruchfelder(*f, 1), (QStringList{"2", "3", "4"}));
    EXPECT_EQ(bruchfelder(*f, 2), (QStringList{"1", "5", "6"}));
    const QString vorher = text_von(*f, "txtshape1");
    EXPECT_EQ(vorher, "2 \\f(3;4) + 1 \\f(5;6) = 4 \\f(7;12)");
    f->operation(bruch::Rechenart::plus);
    EXPECT_EQ(text_von(*f, "txtshape1"), vorher);
    EXPECT_EQ(text_von(*f, "txtshape2"), "2,750 + 1,833 = 4,583");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace

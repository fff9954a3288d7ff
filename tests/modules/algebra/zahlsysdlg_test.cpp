// The number systems window: controls and commands, converting a number on leaving its field,
// the operations and their refusals, copying the result back, the table, ".zah" files and batch
// mode.
#include "modules/algebra/zahlsysdlg.h"
#include "shell/grafik/ttxtshape.h"
#include "shell/rahmen/stapel.h"
#include "shell/rechnen/editform.h"
#include "tests/hilfe/testmeldungsdienst.h"
#include "tests/hilfe/lektionshilfe.h"
#include "tests/modules/analysis/fenster_testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <sstream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace {

using namespace zol;
using namespace zol::test;

QStringList formen(Tzahlsysdlg& f) {
    QStringList texte;
    for (int i = 1; i <= 5; ++i)
        texte << steuer<Ttxtshape>(f, QStringLiteral("txtshape%1").arg(i).toLatin1())->text();
    return texte;
}

QRadioButton* knopf(Tzahlsysdlg& f, int nummer) {
    return steuer<QRadioButton>(f, QStringLiteral("RadioButton%1").arg(nummer).toLatin1());
}

// Number 1 or 2 with its system (0 decimal ... 4 Roman).
void eingeben(Tzahlsysdlg& f, int operand, const QString& text, int system = 0) {
    knopf(f, (operand - 1) * 5 + system + 1)->setChecked(true);
    steuer<QLineEdit>(f, operand == 1 ? "Edit1" : "Edit2")->setText(text);
}

// A command of the window by the face of its tool button.
QAction* befehl(Tzahlsysdlg& f, const QString& knopftext) {
    for (QAction* a : f.fensterbefehle())
        if (a->iconText() == knopftext) return a;
    ADD_FAILURE() << knopftext.toStdString();
    return nullptr;
}

class Zahlsysdlg : public ::testing::Test {
protected:
    void SetUp() override { zahlensysteme_registrieren(); }
    Testmeldungsdienst dienst;
};

TEST_F(Zahlsysdlg, AufbauUndVorgaben) {
    Tzahlsysdlg f;
    EXPECT_EQ(f.windowTitle(), "Zahlensysteme");
    EXPECT_EQ(f.format(), "0.000");
    EXPECT_EQ(f.art().hilfekontext, 420);
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit1")->text(), "0");
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit2")->text(), "0");
    const QStringList systeme = {"Dezimal", "Dual (Binär)", "Hexadezimal", "Basis", "Römisch"};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(knopf(f, i)->text(), systeme[(i - 1) % 5]) << i;
        EXPECT_EQ(knopf(f, i)->isChecked(), i == 1 || i == 6) << i;
    }
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        auto* c = steuer<QComboBox>(f, name);
        ASSERT_EQ(c->count(), 15);
        EXPECT_EQ(c->itemText(0), "2");
        EXPECT_EQ(c->itemText(14), "16");
        EXPECT_EQ(c->currentText(), "8");
    }
    QStringList titel;
    for (int i = 1; i <= 5; ++i)
        titel << steuer<QLabel>(f, QStringLiteral("Label%1").arg(i).toLatin1())->text();
    EXPECT_EQ(titel, (QStringList{"Dezimal", "Dual (Binär)", "Hexadezimal", "Basis 8", "Römisch"}));
    EXPECT_EQ(formen(f), QStringList(5, QString()));
    EXPECT_NE(f.ergebnismemo(), nullptr);

    // Buttons with their hints; the copies under "Bearbeiten", operations under "Rechne".
    const QList<QPair<QString, QString>> knoepfe = {
        {"+", "Addieren"},   {"-", "Subtrahieren"},         {"*", "Multiplizieren"},
        {":", "Dividieren"}, {">Z1", "Ergebnis -> Zahl 1"}, {">Z2", "Ergebnis -> Zahl 2"},
        {"T", "Tabelle"}};
    auto* leiste = f.findChild<QToolBar*>("Werkzeugleiste");
    ASSERT_NE(leiste, nullptr);
    for (const auto& [text, hinweis] : knoepfe) {
        QAction* a = befehl(f, text);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->toolTip(), hinweis);
        bool gefunden = false;
        for (auto* k : leiste->findChildren<QToolButton*>())
            gefunden = gefunden || k->defaultAction() == a;
        EXPECT_TRUE(gefunden) << text.toStdString();
    }
    QStringList bearbeiten, rechne;
    for (QAction* m : f.menuBar()->actions()) {
        if (m->menu() == nullptr) continue;
        for (QAction* a : m->menu()->actions()) {
            if (m->text() == "&Bearbeiten") bearbeiten << a->text();
            if (m->text() == "&Rechne") rechne << a->text();
        }
    }
    EXPECT_TRUE(bearbeiten.contains("Ergebnis -> Zahl &1"));
    EXPECT_TRUE(bearbeiten.contains("Ergebnis -> Zahl &2"));
    EXPECT_EQ(rechne, (QStringList{"&Addieren", "&Subtrahieren", "&Multiplizieren", "&Dividieren",
                                   "&Tabelle"}));
}

// Leaving a field shows its number in all five systems; a bad number is told and shows 0.
TEST_F(Zahlsysdlg, FeldVerlassenZeigtDieZahlInAllenSystemen) {
    struct Fall {
        int operand;
        QString text;
        int system;
        QString basis;
        QStringList formen;
        QStringList meldungen;
    };
    const QStringList null = {"0", "0", "0", "0", ""};
    const QStringList z255 = {"255", "11111111", "FF", "377", "CCLV"};
    const Fall faelle[] = {
        {1, "255", 0, "8", z255, {}},
        {1, "11111111", 1, "8", z255, {}},
        {1, "ff", 2, "8", z255, {}},
        {1, "377", 3, "8", z255, {}},
        {1, "CCLV", 4, "8", z255, {}},
        {1, "2024", 0, "8", {"2024", "11111101000", "7E8", "3750", "MMXXIV"}, {}},
        {1, "1999", 0, "8", {"1999", "11111001111", "7CF", "3717", "MIM"}, {}},
        {1, "4000", 0, "8", {"4000", "111110100000", "FA0", "7640", "Zahl zu groß!"}, {}},
        {1, "102", 1, "8", null, {"Fehlerhafte Eingabe"}},
        {1, "-5", 0, "8", null, {"Fehlerhafte Eingabe"}},
        {1, "2147483648", 0, "8", null, {"Fehlerhafte Eingabe"}},
        {1, "MMMM", 4, "8", null, {"Fehlerhafter Ausdruck"}},
        // The fourth shape follows number 1's base, whatever base number 2 was typed in.
        {2, "21", 3, "3", {"7", "111", "7", "7", "VII"}, {}},
    };
    for (const Fall& fall : faelle) {
        Tzahlsysdlg f;
        eingeben(f, fall.operand, fall.text, fall.system);
        steuer<QComboBox>(f, fall.operand == 1 ? "ComboBox1" : "ComboBox2")
            ->setCurrentText(fall.basis);
        dienst.meldungen.clear();
        QTest::keyClick(steuer<QLineEdit>(f, fall.operand == 1 ? "Edit1" : "Edit2"),
                        Qt::Key_Return);
        EXPECT_EQ(formen(f), fall.formen) << fall.text.toStdString();
        EXPECT_EQ(dienst.meldungen, fall.meldungen) << fall.text.toStdString();
    }
}

// Leaving for another control counts; losing the focus to a message box or another window
// does not, so a refused operation's message leaves the shapes alone.
TEST_F(Zahlsysdlg, NurDasVerlassenZumNaechstenFeldZaehlt) {
    Tzahlsysdlg f;
    auto* feld = steuer<QLineEdit>(f, "Edit2");
    feld->setText("12");
    QFocusEvent fenster(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(feld, &fenster);
    QFocusEvent liste(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(feld, &liste);
    EXPECT_EQ(formen(f), QStringList(5, QString()));
    QFocusEvent weiter(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(feld, &weiter);
    EXPECT_EQ(formen(f), (QStringList{"12", "1100", "C", "14", "XII"}));

    // For real: typing into the shown window and leaving with Tab.
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    auto* eins = steuer<QLineEdit>(f, "Edit1");
    eins->setFocus(Qt::OtherFocusReason);
    eins->selectAll();
    QTest::keyClicks(eins, "MMXXIV");
    knopf(f, 5)->setChecked(true);
    QTest::keyClick(eins, Qt::Key_Tab);
    EXPECT_FALSE(eins->hasFocus());
    EXPECT_EQ(formen(f), (QStringList{"2024", "11111101000", "7E8", "3750", "MMXXIV"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Zahlsysdlg, Operationen) {
    Tzahlsysdlg f;
    eingeben(f, 1, "17");
    eingeben(f, 2, "5");
    befehl(f, ":")->trigger();
    EXPECT_EQ(formen(f),
              (QStringList{"17 : 5 =3 Rest 2", "10001 : 101 =11 Rest 10", "11 : 5 =3 Rest 2",
                           "21 : 5 =3 Rest 2", "XVII : V =III Rest II"}));
    EXPECT_EQ(f.ergebnis(), 3);

    // Each number in its own system: Roman 17 times hexadecimal a.
    eingeben(f, 1, "xvii", 4);
    eingeben(f, 2, "a", 2);
    befehl(f, "*")->trigger();
    EXPECT_EQ(formen(f)[0], "17 * 10 =170");
    EXPECT_EQ(formen(f)[4], "XVII * X =CLXX");
    befehl(f, "+")->trigger();
    EXPECT_EQ(formen(f)[2], "11 + A =1B");
    befehl(f, "-")->trigger();
    EXPECT_EQ(formen(f)[1], "10001 - 1010 =111");
    EXPECT_EQ(f.ergebnis(), 7);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    // Refusals show their message and change nothing.
    struct Fall {
        QString z1, z2, op, meldung;
    };
    const Fall abweisungen[] = {
        {"5", "5", "-", "Zahl 1 muss größer als Zahl 2  sein."},
        {"3", "5", "-", "Zahl 1 muss größer als Zahl 2  sein."},
        {"2147483647", "1", "+", "Zahl zu groß!"},
        {"65536", "65536", "*", "Zahl zu groß!"},
        {"17", "0", ":", "Division durch 0 ist nicht erlaubt."},
    };
    const QStringList vorher = formen(f);
    for (const Fall& a : abweisungen) {
        eingeben(f, 1, a.z1);
        eingeben(f, 2, a.z2);
        dienst.meldungen.clear();
        befehl(f, a.op)->trigger();
        EXPECT_EQ(dienst.meldungen, QStringList{a.meldung}) << a.op.toStdString();
        EXPECT_EQ(formen(f), vorher) << a.op.toStdString();
        EXPECT_EQ(f.ergebnis(), 7);
    }

    // A number that cannot be read is told and counts as 0.
    eingeben(f, 1, "102", 1);
    eingeben(f, 2, "4");
    dienst.meldungen.clear();
    befehl(f, "+")->trigger();
    EXPECT_EQ(dienst.meldungen, QStringList{"Fehlerhafte Eingabe"});
    EXPECT_EQ(formen(f)[0], "0 + 4 =4");
}

TEST_F(Zahlsysdlg, ErgebnisInDieZahlen) {
    Tzahlsysdlg f;
    eingeben(f, 1, "17");
    eingeben(f, 2, "5");
    befehl(f, ":")->trigger();
    befehl(f, ">Z1")->trigger();
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit1")->text(), "3");
    // In the operand's system.
    knopf(f, 7)->setChecked(true); // number 2 binary
    befehl(f, ">Z2")->trigger();
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit2")->text(), "11");
    knopf(f, 10)->setChecked(true); // Roman
    befehl(f, ">Z2")->trigger();
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit2")->text(), "III");

    // 0 has no Roman numeral: it goes in as a decimal number.
    eingeben(f, 1, "3");
    eingeben(f, 2, "V", 4);
    befehl(f, ":")->trigger();
    EXPECT_EQ(f.ergebnis(), 0);
    befehl(f, ">Z2")->trigger();
    EXPECT_EQ(steuer<QLineEdit>(f, "Edit2")->text(), "0");
    EXPECT_TRUE(knopf(f, 6)->isChecked());
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Zahlsysdlg, Tabelle) {
    Tzahlsysdlg f;
    eingeben(f, 1, "254");
    eingeben(f, 2, "100000000", 1);
    steuer<QComboBox>(f, "ComboBox1")->setCurrentText("16");
    EXPECT_EQ(steuer<QLabel>(f, "Label4")->text(), "Basis 16");
    befehl(f, "T")->trigger();
    EXPECT_EQ(
        f.ergebnismemo()->toPlainText().split('\n'),
        (QStringList{"Dezimal\t\tDual\t\tHex\t\tBasis16\t\tRömisch",
                     "254\t\t11111110\t\tFE\t\tFE\t\tCCLIV", "255\t\t11111111\t\tFF\t\tFF\t\tCCLV",
                     "256\t\t100000000\t\t100\t\t100\t\tCCLVI"}));
    EXPECT_TRUE(dienst.meldungen.isEmpty());

    // Exchanged limits: the header alone.
    eingeben(f, 2, "3");
    befehl(f, "T")->trigger();
    EXPECT_EQ(f.ergebnismemo()->toPlainText(), "Dezimal\t\tDual\t\tHex\t\tBasis16\t\tRömisch");

    // At most 10000 numbers, with a notice.
    eingeben(f, 1, "1");
    eingeben(f, 2, "2147483647");
    befehl(f, "T")->trigger();
    const QStringList zeilen = f.ergebnismemo()->toPlainText().split('\n');
    EXPECT_EQ(zeilen.size(), 10001);
    EXPECT_EQ(zeilen.last(), "10000\t\t10011100010000\t\t2710\t\t2710\t\tZahl zu groß!");
    EXPECT_EQ(dienst.hinweise, QStringList{"Die Ausgabe wurde nach 10000 Einträgen abgebrochen."});
}

TEST_F(Zahlsysdlg, DateiHinUndZurueck) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("zahlen.zah");
    Tzahlsysdlg f;
    eingeben(f, 1, "MMXXIV", 4);
    eingeben(f, 2, "7E8", 3);
    steuer<QComboBox>(f, "ComboBox1")->setCurrentText("5");
    steuer<QComboBox>(f, "ComboBox2")->setCurrentText("16");
    befehl(f, "T")->trigger();
    dienst.dateinamen.enqueue(datei);
    ASSERT_TRUE(f.speichern());
    EXPECT_EQ(f.windowTitle(), "zahlen.zah");
    const QStringList z = zeilen_von(datei);
    ASSERT_GE(z.size(), 3);
    EXPECT_EQ(z[0], "zahlensystem");
    EXPECT_EQ(z[1], "0.000");

    Tzahlsysdlg g;
    ASSERT_TRUE(g.laden(datei));
    EXPECT_EQ(zustand(g), zustand(f));
    EXPECT_TRUE(knopf(g, 5)->isChecked());
    EXPECT_TRUE(knopf(g, 9)->isChecked());
    EXPECT_FALSE(knopf(g, 1)->isChecked());
    EXPECT_EQ(steuer<QLabel>(g, "Label4")->text(), "Basis 5");
    EXPECT_EQ(g.windowTitle(), "zahlen.zah");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();

    // The marker of another window changes nothing.
    const QString fremd = ordner.filePath("fremd.zah");
    QFile ff(fremd);
    ASSERT_TRUE(ff.open(QIODevice::WriteOnly));
    ff.write("komplex\r\n0.00\r\n0#400#300#0#0#\r\n12\r\n");
    ff.close();
    Tzahlsysdlg h;
    const QStringList vorher = zustand(h);
    EXPECT_FALSE(h.laden(fremd));
    EXPECT_EQ(dienst.meldungen, QStringList{"Datei kann nicht geladen werden."});
    EXPECT_EQ(zustand(h), vorher);
    EXPECT_EQ(h.format(), "0.000");
}

TEST_F(Zahlsysdlg, Stapelbetrieb) {
    struct Fall {
        QStringList argumente;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {{"--set", "Edit1=17", "--set", "Edit2=5", "--command", ":"},
         {"txtshape1: 17 : 5 =3 Rest 2", "txtshape4: 21 : 5 =3 Rest 2", "Label4: Basis 8",
          "txtshape5: XVII : V =III Rest II"}},
        {{"--set", "Edit1=2024", "--command", "Edit1Exit"},
         {"txtshape2: 11111101000", "txtshape3: 7E8", "txtshape5: MMXXIV"}},
        {{"--set", "Edit1=5", "--set", "Edit2=5", "--command", "Subtrahieren"},
         {"Meldung: Zahl 1 muss größer als Zahl 2  sein.", "txtshape1: "}},
        {{"--set", "Edit1=1", "--set", "Edit2=3", "--set", "ComboBox1=1", "--command", "T"},
         {"Memo1:", "Dezimal\t\tDual\t\tHex\t\tBasis3\t\tRömisch", "3\t\t11\t\t3\t\t10\t\tIII"}},
    };
    for (const Fall& fall : faelle) {
        std::ostringstream aus, err;
        const int code =
            stapel_ausfuehren(QStringList{"zol", "--batch", "200"} + fall.argumente, aus, err);
        EXPECT_EQ(code, 0) << err.str();
        const QStringList zeilen = QString::fromStdString(aus.str()).split('\n');
        EXPECT_TRUE(zeilen.contains("== Tzahlsysdlg ==")) << aus.str();
        for (const QString& z : fall.zeilen)
            EXPECT_TRUE(zeilen.contains(z)) << z.toStdString() << " in\n" << aus.str();
    }
}

// The template opens as a project: the window of kind 200 with its file and the table of 1 to 20.
TEST_F(Zahlsysdlg, LektionsvorlageOeffnetSich) {
    editform_registrieren(); // the lesson explains itself in a calculation window
    Lektionsumgebung u;
    auto* f = qobject_cast<Tzahlsysdlg*>(
        u.oeffnen(QStringLiteral(ZOL_DATENQUELLE "/Lektion/zahlsys1.pro")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Zahlensysteme");
    EXPECT_EQ(steuer<QLineEdit>(*f, "Edit2")->text(), "10100");
    EXPECT_TRUE(knopf(*f, 7)->isChecked());
    // It opens with its sum worked out, 1 + 10100 (dual), in every system.
    EXPECT_EQ(formen(*f), (QStringList{"1 + 20 =21", "1 + 10100 =10101", "1 + 14 =15", "1 + 24 =25",
                                       "I + XX =XXI"}));
    const QString tabelle = f->ergebnismemo()->toPlainText();
    befehl(*f, "T")->trigger();
    EXPECT_EQ(f->ergebnismemo()->toPlainText(), tabelle);
    EXPECT_EQ(tabelle.split('\n').size(), 21);
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

TEST_F(Zahlsysdlg, FensterartErzeugtDasFenster) {
    Tmodulfenster* f = fenster_erzeugen(200);
    ASSERT_NE(qobject_cast<Tzahlsysdlg*>(f), nullptr);
    delete f;
}

} // namespace

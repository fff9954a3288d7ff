// "Projektformeln bearbeiten": defining, deleting, the keypad and lists, the constant values.
#include "formeltesthilfe.h"

#include "engine/meldung.h"
#include "shell/dienste/programmhaken.h"

#include <QSignalSpy>
#include <QTabWidget>

namespace zol::test {
namespace {

const QString fehlerhaft = QStringLiteral("Fehlerhafter Ausdruck");
const QString rekursiv = QStringLiteral("Rekursive Definitionen nicht erlaubt!");

TEST_F(Formeltest, DieTabelleGehoertDemEinenDialog) {
    EXPECT_EQ(&Tdialogformel::instanz(), &dialog);
    EXPECT_EQ(&formelbaum(), &dialog.projekttabelle());
    EXPECT_EQ(&dialog.tabelle(), &formelbaum());
    EXPECT_EQ(dialog.windowTitle(), "Projektformeln bearbeiten");
    EXPECT_EQ(edit1()->maxLength(), 255);
    auto* seiten = kind<QTabWidget>(dialog, "TabbedNotebook1");
    ASSERT_EQ(seiten->count(), 3);
    EXPECT_EQ(seiten->tabText(0), "Formeln eingeben");
    EXPECT_EQ(seiten->tabText(1), "Formeln importieren");
    EXPECT_EQ(seiten->tabText(2), "Ausdrücke berechnen");
}

struct Definition {
    QStringList eingaben;
    bool mit_enter; // Enter in the field instead of "Definieren"
    QStringList tabelle;
    QStringList meldungen;
};

void PrintTo(const Definition& d, std::ostream* aus) {
    *aus << d.eingaben.join(" | ").toStdString();
}

class Definieren : public Formeltest, public ::testing::WithParamInterface<Definition> {};

TEST_P(Definieren, TabelleUndMeldungen) {
    const Definition& d = GetParam();
    for (const QString& eingabe : d.eingaben) {
        edit1()->setText(eingabe);
        if (d.mit_enter)
            emit edit1()->returnPressed();
        else
            klick("Definieren");
    }
    EXPECT_EQ(tabelle(), d.tabelle);
    EXPECT_EQ(zeilen(liste("zeigeformel")), d.tabelle);
    EXPECT_EQ(dienst.meldungen, d.meldungen);
}

INSTANTIATE_TEST_SUITE_P(
    Formeln, Definieren,
    ::testing::Values(
        Definition{{"f(x)=x*2", "f(x)=x*2"}, false, {"f(x)=x*2"}, {}},
        Definition{{"f(x)=x*2", "F(X) = X*3"}, true, {"F(X) = X*3"}, {}},
        Definition{{"A=2", "f(x)=x*2", "A=5"}, false, {"A=5", "f(x)=x*2"}, {}},
        Definition{{"f(x)=x*2", "f(x)=x*"}, false, {"f(x)=x*2"}, {fehlerhaft}},
        Definition{{"A=1", "A=A+1"}, true, {"A=1"}, {rekursiv, fehlerhaft}},
        Definition{{"A=1", "B=A+1", "A=B"}, false, {"A=1", "B=A+1"}, {rekursiv, fehlerhaft}},
        Definition{{"", "=", "2X=5", "3*4=", "f(x)=2x", "1.5", "ä=2", "A=ä"},
                   false,
                   {},
                   QStringList(8, fehlerhaft)},
        Definition{{"A=" + QString(198, '1'), "B=" + QString(253, '1'), QString(255, 'A') + "=1"},
                   false,
                   {"A=" + QString(198, '1')},
                   {fehlerhaft, fehlerhaft}}));

TEST_F(Formeltest, DasFeldNimmtHoechstens255Zeichen) {
    edit1()->setText("A=" + QString(400, '1'));
    EXPECT_EQ(edit1()->text().size(), 255);
    klick("Definieren");
    EXPECT_TRUE(tabelle().isEmpty());
    EXPECT_EQ(dienst.meldungen, QStringList{fehlerhaft});
}

struct Bildwerte {
    const char* bild;
    QStringList formeln;
    QStringList werte;
};

void PrintTo(const Bildwerte& b, std::ostream* aus) {
    *aus << b.bild << ": " << b.formeln.join(" | ").toStdString();
}

class Werte : public Formeltest, public ::testing::WithParamInterface<Bildwerte> {};

// Constants, and functions whose variable names a constant, are listed with their values.
TEST_P(Werte, DritteSeiteZeigtKonstantenImAktuellenFormat) {
    Tzahlenform::instanz().format = QString::fromLatin1(GetParam().bild);
    definiere_alle(GetParam().formeln);
    EXPECT_EQ(zeilen(liste("ListBox1")), GetParam().werte);
}

INSTANTIATE_TEST_SUITE_P(
    Bilder, Werte,
    ::testing::Values(Bildwerte{"0", {"A=2", "B=A*3"}, {"A=2", "B=6"}},
                      Bildwerte{"0.00", {"A=2", "B=A*3"}, {"A=2,00", "B=6,00"}},
                      Bildwerte{"0.00E-0", {"A=2", "B=A*3"}, {"A=2,00E0", "B=6,00E0"}},
                      Bildwerte{"0.00", {"f(x)=x*2", "C = 1/4"}, {"C=0,25"}},
                      Bildwerte{"0", {"f(x)=x*2", "X=3", "g(t)=t"}, {"f(x)=6", "X=3"}}));

TEST_F(Formeltest, ZahlenformatDialogAendertDieWerte) {
    definiere_alle({"A=2", "B=A*3"});
    bei_modal<Tzahlenform>([](Tzahlenform* z) {
        z->format = QStringLiteral("0");
        z->reject();
    });
    klick("Zahlenformat");
    EXPECT_EQ(zeilen(liste("ListBox1")), (QStringList{"A=2", "B=6"}));
}

TEST_F(Formeltest, AuswahlInDerListeKommtInsFeld) {
    definiere_alle({"A=2", "g(x)=x^2"});
    liste("zeigeformel")->setCurrentRow(1);
    EXPECT_EQ(edit1()->text(), "g(x)=x^2");
    liste("zeigeformel")->setCurrentRow(0);
    EXPECT_EQ(edit1()->text(), "A=2");
}

struct Loeschfall {
    QStringList formeln;
    int zeile;
    bool antwort;
    QStringList danach;
    QStringList meldungen;
    QStringList fragen;
};

void PrintTo(const Loeschfall& f, std::ostream* aus) {
    *aus << f.formeln.join(" | ").toStdString() << ", Zeile " << f.zeile;
}

class Loeschen : public Formeltest, public ::testing::WithParamInterface<Loeschfall> {};

TEST_P(Loeschen, NurUnbenutzteFormelnNachRueckfrage) {
    const Loeschfall& f = GetParam();
    definiere_alle(f.formeln);
    if (f.zeile >= 0) liste("zeigeformel")->setCurrentRow(f.zeile);
    dienst.antworten.enqueue(f.antwort);
    klick("Loeschen");
    EXPECT_EQ(tabelle(), f.danach);
    EXPECT_EQ(zeilen(liste("zeigeformel")), f.danach);
    EXPECT_EQ(dienst.meldungen, f.meldungen);
    EXPECT_EQ(dienst.fragen, f.fragen);
}

const QString nicht_loeschbar = QStringLiteral(
    " Formel kann nicht gelöscht werden, da sie in einer anderen Formel enthalten ist.");

INSTANTIATE_TEST_SUITE_P(
    Faelle, Loeschen,
    ::testing::Values(
        Loeschfall{{"A=2", "B=A*3"}, 0, true, {"A=2", "B=A*3"}, {"A=2" + nicht_loeschbar}, {}},
        Loeschfall{{"A=2", "B=A*3"}, 1, true, {"A=2"}, {}, {"B=A*3 wirklich löschen?"}},
        Loeschfall{{"A=2", "B=A*3"}, 1, false, {"A=2", "B=A*3"}, {}, {"B=A*3 wirklich löschen?"}},
        Loeschfall{{"A=2"}, 0, true, {}, {}, {"A=2 wirklich löschen?"}},
        Loeschfall{{"A=2", "B=3"}, -1, true, {"A=2", "B=3"}, {}, {}},
        // A name inside another name or keyword counts as used.
        Loeschfall{{"S=1", "f(x)=SIN(x)"},
                   0,
                   true,
                   {"S=1", "f(x)=SIN(x)"},
                   {"S=1" + nicht_loeschbar},
                   {}}));

TEST_F(Formeltest, ErstBDannALoeschen) {
    definiere_alle({"A=2", "B=A*3"});
    for (const int zeile : {1, 0}) {
        liste("zeigeformel")->setCurrentRow(zeile);
        klick("Loeschen");
    }
    EXPECT_TRUE(tabelle().isEmpty());
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    EXPECT_EQ(dienst.fragen, (QStringList{"B=A*3 wirklich löschen?", "A=2 wirklich löschen?"}));
}

TEST_F(Formeltest, LoeschenAlleNurNachJa) {
    for (const bool ja : {false, true}) {
        definiere_alle({"A=2", "f(x)=x"});
        dienst.antworten.enqueue(ja);
        klick("Loeschenalle");
        EXPECT_EQ(tabelle(), (ja ? QStringList() : QStringList{"A=2", "f(x)=x"}));
        EXPECT_EQ(zeilen(liste("zeigeformel")), tabelle());
        EXPECT_EQ(dienst.fragen.last(), "Alle Formeln löschen?");
    }
}

struct Eingabe {
    QString text;
    int anfang;
    int laenge;
    const char* taste; // object name of a keypad key, or nullptr for the function
    QString funktion;
    QString ergebnis;
    int cursor;
};

void PrintTo(const Eingabe& e, std::ostream* aus) {
    *aus << e.text.toStdString() << " + " << (e.taste ? e.taste : e.funktion.toStdString());
}

class Tastatur : public Formeltest, public ::testing::WithParamInterface<Eingabe> {};

TEST_P(Tastatur, ErsetztDieAuswahl) {
    const Eingabe& e = GetParam();
    edit1()->setText(e.text);
    if (e.laenge > 0)
        edit1()->setSelection(e.anfang, e.laenge);
    else
        edit1()->setCursorPosition(e.anfang);
    if (e.taste) {
        klick(e.taste);
    } else {
        const auto treffer = liste("ListBox3")->findItems(e.funktion, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1);
        dialog.ListBox3Click(treffer.first());
    }
    EXPECT_EQ(edit1()->text(), e.ergebnis);
    EXPECT_EQ(edit1()->cursorPosition(), e.cursor);
    EXPECT_FALSE(edit1()->hasSelectedText());
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, Tastatur,
    ::testing::Values(Eingabe{"F(X)=", 5, 0, nullptr, "SQRT", "F(X)=SQRT()", 10},
                      Eingabe{"F(X)=X", 5, 1, nullptr, "SIN", "F(X)=SIN()", 9},
                      Eingabe{"F(X)=X+1", 0, 0, nullptr, "ABS", "ABS()F(X)=X+1", 4},
                      Eingabe{"F(X)=", 5, 0, "Taste2", "", "F(X)=2", 6},
                      Eingabe{"F(X)=X*3", 6, 1, "TastePlus", "", "F(X)=X+3", 7},
                      Eingabe{"A=12", 2, 2, "TasteKlammerAuf", "", "A=(", 3},
                      Eingabe{"", 0, 0, "TasteKomma", "", ",", 1}));

TEST_F(Formeltest, JedeTasteSchreibtIhreBeschriftung) {
    const QList<QPair<const char*, QString>> tasten = {
        {"Taste0", "0"},    {"Taste1", "1"},     {"Taste2", "2"},          {"Taste3", "3"},
        {"Taste4", "4"},    {"Taste5", "5"},     {"Taste6", "6"},          {"Taste7", "7"},
        {"Taste8", "8"},    {"Taste9", "9"},     {"TastePlus", "+"},       {"TasteMinus", "-"},
        {"TasteHoch", "^"}, {"TasteMal", "*"},   {"TasteDurch", "/"},      {"TasteGleich", "="},
        {"TasteE", "E"},    {"TasteKomma", ","}, {"TasteKlammerAuf", "("}, {"TasteKlammerZu", ")"}};
    edit1()->clear();
    QString erwartet;
    for (const auto& [name, text] : tasten) {
        klick(name);
        erwartet += text;
    }
    EXPECT_EQ(edit1()->text(), erwartet);
}

// A click into the function list takes the focus; the field's selection is still replaced.
TEST_F(Formeltest, AuswahlBleibtWennDieListeDenFokusNimmt) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit1()->setFocus();
    edit1()->setText("F(X)=X^2");
    edit1()->setSelection(5, 1);
    liste("ListBox3")->setFocus();
    QApplication::processEvents();
    if (!QApplication::focusWidget() || QApplication::focusWidget() != liste("ListBox3")) {
        dialog.hide();
        GTEST_SKIP() << "no focus changes on this platform";
    }
    EXPECT_FALSE(edit1()->hasSelectedText());
    dialog.ListBox3Click(liste("ListBox3")->findItems("LN", Qt::MatchExactly).first());
    EXPECT_EQ(edit1()->text(), "F(X)=LN()^2");
    EXPECT_EQ(edit1()->cursorPosition(), 8);
    dialog.hide();
}

TEST_F(Formeltest, FunktionslisteUndBeispiele) {
    const QStringList funktionen = {"SIN", "COS", "TAN",  "ARCSIN", "ARCCOS", "ARCTAN", "LG", "LN",
                                    "EXP", "SQR", "SQRT", "SGN",    "RAD",    "GRAD",   "ABS"};
    EXPECT_EQ(zeilen(liste("ListBox3")), funktionen);
    EXPECT_EQ(liste("ListBox3")->toolTip(), "Wählen Sie eine Funktion aus");
    EXPECT_EQ(edit1()->toolTip(), "Geben Sie einen mathematischen Ausdruck ein");

    // Every example defines at once; together they also give constants to list.
    QStringList beispiele = zeilen(liste("ListBox4"));
    ASSERT_EQ(beispiele.size(), 15);
    EXPECT_EQ(beispiele.takeLast(), "");
    Tzahlenform::instanz().format = QStringLiteral("0");
    for (int i = 0; i < beispiele.size(); ++i)
        dialog.ListBox4Click(liste("ListBox4")->item(i));
    EXPECT_EQ(tabelle(), beispiele);
    EXPECT_TRUE(dienst.meldungen.isEmpty());
    for (const char* wert : {"x=66", "u=16", "z=3", "Pa(u)=417", "g1(x)=132"})
        EXPECT_TRUE(zeilen(liste("ListBox1")).contains(wert)) << wert;

    // The empty line only clears the field.
    dialog.ListBox4Click(liste("ListBox4")->item(14));
    EXPECT_EQ(edit1()->text(), "");
    EXPECT_EQ(tabelle(), beispiele);
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Formeltest, HilfeOeffnetIhrenKontext) {
    QSignalSpy spion(&dialog, &Tdialogformel::hilfeAngefordert);
    QList<int> geoeffnet;
    setze_hilfeanzeige([&geoeffnet](int kontext, QWidget*) { geoeffnet << kontext; });
    klick("Hilfe");
    setze_hilfeanzeige({});
    EXPECT_EQ(geoeffnet, QList<int>{hilfekontext_projektformeln});
    ASSERT_EQ(spion.size(), 1);
    EXPECT_EQ(spion.first().first().toInt(), hilfekontext_projektformeln);
}

// A spreadsheet edits its own cells with the same dialog; the project formulas stay as they are.
TEST_F(Formeltest, BearbeitenEinerAnderenTabelle) {
    definiere_alle({"P=1"});
    Tfktbaum zellen;
    ASSERT_TRUE(zellen.definiere("A1=2"));
    bei_modal<Tdialogformel>([this](Tdialogformel* d) {
        EXPECT_EQ(zeilen(liste("zeigeformel")), QStringList{"A1=2"});
        edit1()->setText("B1=A1*3");
        klick("Definieren");
        kind<QPushButton>(*d, "Schliessen")->click();
    });
    dialog.bearbeiten(zellen);
    EXPECT_EQ(formelliste(zellen), (QStringList{"A1=2", "B1=A1*3"}));
    EXPECT_EQ(tabelle(), QStringList{"P=1"});
    EXPECT_EQ(&dialog.tabelle(), &formelbaum());
}

} // namespace
} // namespace zol::test

// The picker "Formel auswählen", the transfer from a spreadsheet table and the display window.
#include "formeltesthilfe.h"

#include "shell/formeln/anzeigedlg.h"
#include "shell/formeln/einffordlg.h"
#include "shell/formeln/expfordlg.h"

#include <QAction>

namespace zol::test {
namespace {

const QString fehlerhaft = QStringLiteral("Fehlerhafter Ausdruck");

using Einfuegen = Formeltest;

TEST_F(Einfuegen, KlickWaehltUndOkGibtDieFormel) {
    definiere_alle({"A=1", "f(x)=x^2"});
    Teinffordlg& picker = Teinffordlg::instanz();
    EXPECT_EQ(picker.windowTitle(), "Formel auswählen");
    EXPECT_TRUE(kind<QLineEdit>(picker, "Edit1")->isReadOnly());
    EXPECT_EQ(kind<QPushButton>(picker, "OKBtn")->text(), "Formel einfügen");

    for (const bool ok : {true, false}) {
        bei_modal<Teinffordlg>([ok](Teinffordlg* d) {
            EXPECT_EQ(zeilen(kind<QListWidget>(*d, "zeigeformel")),
                      (QStringList{"A=1", "f(x)=x^2"}));
            kind<QListWidget>(*d, "zeigeformel")->setCurrentRow(1);
            EXPECT_EQ(d->formel(), "f(x)=x^2");
            kind<QPushButton>(*d, ok ? "OKBtn" : "CancelBtn")->click();
        });
        QString feld = QStringLiteral("bisher");
        EXPECT_EQ(formel_waehlen(feld), ok);
        EXPECT_EQ(feld, ok ? "f(x)=x^2" : "bisher");
    }
}

// "Projektformeln bearbeiten" opens the editor; the picker then lists the new formula.
TEST_F(Einfuegen, BearbeitenFuelltDieListeNeu) {
    definiere_alle({"A=1"});
    bei_modal<Teinffordlg>([this](Teinffordlg* d) {
        bei_modal<Tdialogformel>([this](Tdialogformel* editor) {
            edit1()->setText("g(x)=x+A");
            klick("Definieren");
            kind<QPushButton>(*editor, "Schliessen")->click();
        });
        kind<QPushButton>(*d, "Bearbeiten")->click();
        EXPECT_EQ(zeilen(kind<QListWidget>(*d, "zeigeformel")), (QStringList{"A=1", "g(x)=x+A"}));
        d->reject();
    });
    QString feld;
    EXPECT_FALSE(formel_waehlen(feld));
    EXPECT_EQ(tabelle(), (QStringList{"A=1", "g(x)=x+A"}));
}

struct Uebertrag {
    QStringList quelle;
    QStringList projekt; // defined before
    QList<int> auswahl;  // rows for ">"; empty: ">>"
    QStringList danach;  // project formulas afterwards
    QStringList liste;   // source list afterwards
    int meldungen;
};

void PrintTo(const Uebertrag& u, std::ostream* aus) {
    *aus << u.quelle.join(" | ").toStdString();
}

class Uebertragen : public Formeltest, public ::testing::WithParamInterface<Uebertrag> {};

TEST_P(Uebertragen, InDieProjektformeln) {
    const Uebertrag& u = GetParam();
    Tfktbaum zellen;
    for (const QString& t : u.quelle)
        ASSERT_TRUE(zellen.definiere(t.toStdString()));
    definiere_alle(u.projekt);

    Texpfordlg& d = Texpfordlg::instanz();
    d.setze_quelle(&zellen);
    d.aktualisieren();
    auto* quelle = kind<QListWidget>(d, "listbox2");
    EXPECT_EQ(zeilen(quelle), u.quelle);
    EXPECT_EQ(zeilen(kind<QListWidget>(d, "zeigeformel")), u.projekt);
    for (const int zeile : u.auswahl)
        quelle->item(zeile)->setSelected(true);
    kind<QPushButton>(d, u.auswahl.isEmpty() ? "Alleuebernehmen" : "Uebernehmen")->click();

    EXPECT_EQ(tabelle(), u.danach);
    EXPECT_EQ(zeilen(kind<QListWidget>(d, "zeigeformel")), u.danach);
    EXPECT_EQ(zeilen(quelle), u.liste);
    EXPECT_EQ(dienst.meldungen, QStringList(u.meldungen, fehlerhaft));
    EXPECT_EQ(formelliste(zellen), u.quelle); // the spreadsheet keeps its cells
    d.setze_quelle(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Uebertragen,
    ::testing::Values(Uebertrag{{"A1=2", "B1=A1*3", "C1=B1+1"},
                                {},
                                {},
                                {"A1=2", "B1=A1*3", "C1=B1+1"},
                                {"A1=2", "B1=A1*3", "C1=B1+1"},
                                0},
                      Uebertrag{{"A1=2", "B1=A1*3", "C1=B1+1"},
                                {"P=1"},
                                {0, 1},
                                {"P=1", "A1=2", "B1=A1*3"},
                                {"C1=B1+1"},
                                0},
                      Uebertrag{
                          {"A1=2", "B1=A1*3", "C1=B1+1"}, {}, {2}, {}, {"A1=2", "B1=A1*3"}, 1},
                      // A project formula of the same name is replaced in its place.
                      Uebertrag{{"A1=2", "B1=A1*3"},
                                {"A1=7", "P=A1"},
                                {},
                                {"A1=2", "P=A1", "B1=A1*3"},
                                {"A1=2", "B1=A1*3"},
                                0}));

TEST_F(Formeltest, UebertragenOhneQuelleTutNichts) {
    Texpfordlg& d = Texpfordlg::instanz();
    EXPECT_EQ(d.windowTitle(), "Formeln aus der Tabelle in Projektformeln");
    Tfktbaum zellen;
    d.setze_quelle(&zellen);
    d.show();
    d.hide();
    EXPECT_EQ(d.quelle(), nullptr); // a closed dialog keeps no table that may go away
    kind<QPushButton>(d, "Alleuebernehmen")->click();
    kind<QPushButton>(d, "Uebernehmen")->click();
    EXPECT_TRUE(tabelle().isEmpty());
    EXPECT_TRUE(zeilen(kind<QListWidget>(d, "listbox2")).isEmpty());
}

TEST_F(Formeltest, AnzeigeBleibtObenUndVerstecktSichBeimSchliessen) {
    Tanzeigedlg& anzeige = Tanzeigedlg::instanz();
    EXPECT_EQ(anzeige.windowTitle(), "Projektformeln anzeigen");
    EXPECT_TRUE(anzeige.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(anzeige.isModal());
    auto* liste = kind<QListWidget>(anzeige, "ListBox1");

    definiere_alle({"A=1"});
    anzeige.show();
    EXPECT_EQ(zeilen(liste), QStringList{"A=1"});

    ASSERT_TRUE(formelbaum().definiere("f(x)=x"));
    EXPECT_EQ(zeilen(liste), QStringList{"A=1"});
    QAction* aktualisieren = kind<QAction>(anzeige, "Aktualisieren");
    EXPECT_EQ(aktualisieren->toolTip(), "Funktionsliste aktualisieren");
    aktualisieren->trigger();
    EXPECT_EQ(zeilen(liste), (QStringList{"A=1", "f(x)=x"}));

    QAction* bearbeiten = kind<QAction>(anzeige, "Bearbeiten");
    EXPECT_EQ(bearbeiten->toolTip(), "Funktionen bearbeiten");
    bei_modal<Tdialogformel>([this](Tdialogformel* editor) {
        edit1()->setText("B=2");
        klick("Definieren");
        editor->accept();
    });
    bearbeiten->trigger();
    EXPECT_EQ(zeilen(liste), (QStringList{"A=1", "f(x)=x", "B=2"}));

    EXPECT_TRUE(anzeige.close());
    EXPECT_TRUE(anzeige.isHidden());
    EXPECT_EQ(&Tanzeigedlg::instanz(), &anzeige);
}

} // namespace
} // namespace zol::test

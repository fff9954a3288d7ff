// The function list: adding the four kinds, refusals, editing and deleting entries, and the
// interface other windows draw through.
#include "tests/shell/zeichnen/zeichnen_testhilfe.h"

#include <algorithm>
#include <functional>

namespace zol::test {
namespace {

std::size_t zuganzahl(const Tdialogfkt& f) {
    return zuege(f.anzeigeliste()).size();
}

// Every curve point lies inside the plot area (the frame of the default page).
bool im_rahmen(const Tdialogfkt& f) {
    for (const auto& zug : zuege(f.anzeigeliste()))
        for (const Tpunkt& p : zug)
            if (p.x < 200 || p.x > 1000 || p.y < -700 || p.y > -100) return false;
    return true;
}

TEST_F(Zeichnen, VierArtenWerdenGezeichnet) {
    struct Fall {
        int seite;
        const char* knopf;
        std::function<void(Tdialogfkt&)> vorbereiten;
        const char* listentext;
        std::size_t mindestens; // polylines the entry adds
    };
    const QString tabelle = pfad("punkte.dat");
    const Fall faelle[] = {
        {0, "Hinzufuegen1", [](Tdialogfkt&) {}, "Fkt:f(x)=x*x", 1},
        {0, "Hinzufuegen1", [](Tdialogfkt& f) { ankreuzen(f, "artableit", true); },
         "1.Abl:f(x)=x*x", 1},
        {0, "Hinzufuegen1", [](Tdialogfkt& f) { ankreuzen(f, "art2ableit", true); },
         "2.Abl:f(x)=x*x", 1},
        {0, "Hinzufuegen1", [](Tdialogfkt& f) { ankreuzen(f, "artintegral", true); },
         "Integ:f(x)=x*x", 1},
        {1, "Hinzufuegen2", [](Tdialogfkt&) {}, "Schar:f(x)=x*x+t", 4},
        {2, "Hinzufuegen3", [](Tdialogfkt&) {}, "Para:x(t)=sin(t) y(t)=cos(t)", 1},
        {3, "Hinzufuegen4",
         [&](Tdialogfkt& f) {
             f.setzeTabelle(tabelle, {{"-2", "1"}, {"0", "-1,5"}, {"2", "1"}});
         },
         "", 1},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.knopf + std::string(" ") + fall.listentext);
        Tdialogfkt f;
        kind<QTabWidget>(f, "TabbedNotebook2")->setCurrentIndex(fall.seite);
        fall.vorbereiten(f);
        const std::size_t vorher = zuganzahl(f);
        klick(f, fall.knopf);
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
        ASSERT_EQ(f.eintraege().size(), 1u);
        EXPECT_EQ(f.eintraege()[0].art, fall.seite);
        const QString erwartet =
            fall.seite == 3 ? "Tab:" + tabelle : QString::fromUtf8(fall.listentext);
        EXPECT_EQ(listentexte(f), QStringList{erwartet});
        EXPECT_GE(zuganzahl(f) - vorher, fall.mindestens);
        EXPECT_TRUE(im_rahmen(f));
        // The entry carries the function pen.
        EXPECT_EQ(f.eintraege()[0].breite, f.funktionsstift().breite);
    }
}

TEST_F(Zeichnen, TabelleWirdGeschriebenUndDasFeldGeleert) {
    Tdialogfkt f;
    dienst.dateinamen << pfad("neu.dat");
    kind<QTabWidget>(f, "TabbedNotebook2")->setCurrentIndex(3);
    auto* gitter = kind<TStringGrid>(f, "StringGrid2");
    gitter->setCell(1, 1, "1");
    gitter->setCell(2, 1, "2,5");
    gitter->setCell(1, 2, "2");
    gitter->setCell(2, 2, "-1");
    klick(f, "Hinzufuegen4");
    // No name yet: the save dialog asked for one.
    EXPECT_EQ(dienst.dateidialoge.size(), 1);
    EXPECT_EQ(dateiinhalt(pfad("neu.dat")), "DATEN_ANFANG\r\n1\t2,5\r\n2\t-1\r\nDATEN_ENDE\r\n");
    EXPECT_EQ(listentexte(f), QStringList{"Tab:" + pfad("neu.dat")});
    EXPECT_EQ(text(f, "edit5"), "");
    EXPECT_EQ(zuege(f.anzeigeliste()).back().size(), 2u);
}

TEST_F(Zeichnen, FehlerhafteEingabe) {
    struct Fall {
        int seite;
        const char* feld;
        const char* eingabe;
        const char* meldung;
    };
    const Fall faelle[] = {
        {0, "Edit1", "f(x)=x*", "Fehlerhafte Eingabe:f(x)=x*"},
        {0, "Edit1", "", "Fehlerhafte Eingabe:"},
        {1, "Edit2", "g(x)=(x+t", "Fehlerhafte Eingabe:g(x)=(x+t"},
        {1, "Scharparam", "", "Fehlerhafte Eingabe:=-3"},
        {2, "Edit3", "x(t)=sin(", "Fehlerhafte Eingabe:x(t)=sin("},
        {2, "Edit4", "y(t)=)", "Fehlerhafte Eingabe:y(t)=)"},
    };
    const char* knoepfe[] = {"Hinzufuegen1", "Hinzufuegen2", "Hinzufuegen3"};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.eingabe);
        dienst.meldungen.clear();
        Tdialogfkt f;
        kind<QTabWidget>(f, "TabbedNotebook2")->setCurrentIndex(fall.seite);
        kind<QLineEdit>(f, fall.feld)->setText(fall.eingabe);
        const std::size_t objekte = static_cast<std::size_t>(f.anzeigeliste().anzahl());
        klick(f, knoepfe[fall.seite]);
        EXPECT_EQ(dienst.meldungen, QStringList{fall.meldung});
        EXPECT_TRUE(f.eintraege().empty());
        EXPECT_TRUE(listentexte(f).isEmpty());
        EXPECT_EQ(static_cast<std::size_t>(f.anzeigeliste().anzahl()), objekte);
    }
}

TEST_F(Zeichnen, TabelleMitFehlerhafterZelle) {
    struct Fall {
        const char* zelle;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"abc", "'abc' ist keine gültige Zahl (Tabelle, Zeile 2, Spalte 2)."},
        {"1.5", "'1.5' ist keine gültige Zahl (Tabelle, Zeile 2, Spalte 2)."},
        {"", "Die Tabelle ist in Zeile 2, Spalte 2 leer."},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.zelle);
        dienst.meldungen.clear();
        dienst.dateidialoge.clear();
        Tdialogfkt f;
        f.setzeTabelle(pfad("falsch.dat"), {{"1", "2"}, {"3", fall.zelle}});
        klick(f, "Hinzufuegen4");
        EXPECT_EQ(dienst.meldungen, QStringList{QString::fromUtf8(fall.meldung)});
        EXPECT_TRUE(f.eintraege().empty());
        EXPECT_TRUE(dienst.dateidialoge.isEmpty());
        EXPECT_FALSE(QFile::exists(pfad("falsch.dat"))); // nothing written
        EXPECT_EQ(text(f, "edit5"), pfad("falsch.dat"));
    }
}

TEST_F(Zeichnen, TabelleOhneNamenAbgebrochen) {
    Tdialogfkt f;
    f.setzeTabelle({}, {{"1", "2"}});
    klick(f, "Hinzufuegen4"); // the save dialog is cancelled
    EXPECT_EQ(dienst.dateidialoge.size(), 1);
    EXPECT_TRUE(f.eintraege().empty());
    EXPECT_TRUE(dienst.meldungen.isEmpty());
}

TEST_F(Zeichnen, OhneMarkierung) {
    Tdialogfkt f;
    klick(f, "Hinzufuegen1");
    for (const char* knopf : {"Bearbeiten1", "Loeschen1"}) {
        dienst.meldungen.clear();
        klick(f, knopf);
        EXPECT_EQ(dienst.meldungen, QStringList{"Keine Funktion in der Liste markiert"}) << knopf;
        EXPECT_EQ(f.eintraege().size(), 1u);
    }
}

TEST_F(Zeichnen, BearbeitenHoltDenEintragZurueck) {
    Tdialogfkt f;
    // A restricted first derivative with a dotted pen, a family and a parametric curve.
    kind<QLineEdit>(f, "Edit1")->setText("g(x)=x^3");
    ankreuzen(f, "artableit", true);
    ankreuzen(f, "arteinsch", true);
    kind<TextendEdit>(f, "vonx")->setText("-1");
    kind<TextendEdit>(f, "bisx")->setText("2,5");
    kind<Tspineditin>(f, "aufloesung")->setText("300");
    f.setzeFunktionsstil(stil_kleiner_kreis);
    klick(f, "Hinzufuegen1");
    f.setzeFunktionsstil(stil_linie);
    kind<QLineEdit>(f, "Scharparam")->setText("a");
    kind<QLineEdit>(f, "Edit2")->setText("h(x)=a*x");
    kind<TextendEdit>(f, "bisschar")->setText("0,5");
    klick(f, "Hinzufuegen2");
    kind<TextendEdit>(f, "bispara")->setText("6");
    klick(f, "Hinzufuegen3");
    ASSERT_EQ(listentexte(f),
              (QStringList{"1.Abl:g(x)=x^3", "Schar:h(x)=a*x", "Para:x(t)=sin(t) y(t)=cos(t)"}));
    const std::vector<Teinzelnefkt> vorher = f.eintraege();
    // Fresh controls, so that what comes back is the entry's.
    kind<QLineEdit>(f, "Edit1")->setText("f(x)=1");
    ankreuzen(f, "artwert", true);
    ankreuzen(f, "arteinsch", false);
    kind<QLineEdit>(f, "Edit2")->setText("");
    kind<QLineEdit>(f, "Edit3")->setText("");
    kind<QTabWidget>(f, "TabbedNotebook1")->setCurrentIndex(2);

    struct Fall {
        int zeile;
        int seite;
        std::vector<std::pair<const char*, const char*>> felder;
        const char* knopf;
    };
    const Fall faelle[] = {
        {0,
         0,
         {{"Edit1", "g(x)=x^3"}, {"vonx", "-1"}, {"bisx", "2,5"}, {"aufloesung", "300"}},
         "Hinzufuegen1"},
        {0, 1, {{"Edit2", "h(x)=a*x"}, {"Scharparam", "a"}, {"bisschar", "0,5"}}, "Hinzufuegen2"},
        {0,
         2,
         {{"Edit3", "x(t)=sin(t)"}, {"Edit4", "y(t)=cos(t)"}, {"bispara", "6"}},
         "Hinzufuegen3"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.knopf);
        markieren(f, fall.zeile);
        klick(f, "Bearbeiten1");
        EXPECT_EQ(f.eintraege().size(), 2u); // the entry left the list
        EXPECT_EQ(kind<QTabWidget>(f, "TabbedNotebook1")->currentIndex(), 0);
        EXPECT_EQ(kind<QTabWidget>(f, "TabbedNotebook2")->currentIndex(), fall.seite);
        for (const auto& [name, erwartet] : fall.felder)
            EXPECT_EQ(text(f, name), erwartet) << name;
        // Added again unchanged, it is the same entry at the end of the list.
        klick(f, fall.knopf);
        ASSERT_EQ(f.eintraege().size(), 3u);
        const Teinzelnefkt& neu = f.eintraege().back();
        const Teinzelnefkt& alt = vorher[static_cast<std::size_t>(fall.seite)];
        EXPECT_EQ(neu.name, alt.name);
        EXPECT_EQ(neu.name2, alt.name2);
        EXPECT_EQ(neu.art, alt.art);
        EXPECT_EQ(neu.zeigeableit, alt.zeigeableit);
        EXPECT_EQ(neu.einschraenken, alt.einschraenken);
        EXPECT_EQ(neu.von, alt.von);
        EXPECT_EQ(neu.bis, alt.bis);
        EXPECT_EQ(neu.aufloesung, alt.aufloesung);
        EXPECT_EQ(neu.scharvon, alt.scharvon);
        EXPECT_EQ(neu.scharschritt, alt.scharschritt);
        EXPECT_EQ(neu.scharanzahl, alt.scharanzahl);
        EXPECT_EQ(neu.stil, alt.stil); // the pen came back with the entry
    }
    EXPECT_TRUE(kind<QRadioButton>(f, "artableit")->isChecked());
    EXPECT_TRUE(kind<QCheckBox>(f, "arteinsch")->isChecked());
}

TEST_F(Zeichnen, BearbeitenOhneHinzufuegenVerliertDenEintrag) {
    Tdialogfkt f;
    klick(f, "Hinzufuegen1");
    const std::size_t mit = zuganzahl(f);
    ASSERT_GT(mit, 0u);
    markieren(f, 0);
    klick(f, "Bearbeiten1");
    EXPECT_TRUE(f.eintraege().empty());
    EXPECT_TRUE(listentexte(f).isEmpty());
    EXPECT_EQ(zuganzahl(f), 0u);
}

TEST_F(Zeichnen, LoeschenEntferntNurDenMarkierten) {
    Tdialogfkt f;
    klick(f, "Hinzufuegen1");
    ankreuzen(f, "artintegral", true);
    klick(f, "Hinzufuegen1");
    markieren(f, 0);
    klick(f, "Loeschen1");
    EXPECT_EQ(listentexte(f), QStringList{"Integ:f(x)=x*x"});
    ASSERT_EQ(f.eintraege().size(), 1u);
    EXPECT_TRUE(f.eintraege()[0].zeigeintegral);
}

TEST_F(Zeichnen, TabelleBearbeitenLiestDieDatei) {
    Tdialogfkt f;
    f.setzeTabelle(pfad("t.dat"), {{"1", "2"}, {"2", "3"}, {"3", "5"}});
    ASSERT_TRUE(f.hinzufuegen());
    kind<TStringGrid>(f, "StringGrid2")->clearContents();
    markieren(f, 0);
    klick(f, "Bearbeiten1");
    EXPECT_EQ(text(f, "edit5"), pfad("t.dat"));
    EXPECT_EQ(text(f, "spineditin1"), "3");
    auto* gitter = kind<TStringGrid>(f, "StringGrid2");
    EXPECT_EQ(gitter->cell(2, 3), "5");
    EXPECT_TRUE(f.eintraege().empty());
}

// What the value table, the statistics and the other windows do.
TEST_F(Zeichnen, SchnittstelleFuerAndereFenster) {
    Tdialogfkt f;
    f.setzeFormat("0.0");
    f.setzeDefinition("w(x)=x^2-4");
    EXPECT_EQ(kind<QTabWidget>(f, "TabbedNotebook2")->currentIndex(), 0);
    ASSERT_TRUE(f.hinzufuegen());
    f.setzeTabelle(pfad("werte.dat"), {{"-2", "0"}, {"0", "-2"}, {"2", "0"}});
    EXPECT_EQ(kind<QTabWidget>(f, "TabbedNotebook2")->currentIndex(), 3);
    EXPECT_EQ(text(f, "spineditin1"), "3");
    f.setzeFunktionsstil(stil_kleiner_kreis);
    ASSERT_TRUE(f.hinzufuegen());
    f.setzeFunktionsstil(stil_linie);
    EXPECT_EQ(listentexte(f), (QStringList{"Fkt:w(x)=x^2-4", "Tab:" + pfad("werte.dat")}));
    EXPECT_EQ(dateiinhalt(pfad("werte.dat")),
              "DATEN_ANFANG\r\n-2\t0\r\n0\t-2\r\n2\t0\r\nDATEN_ENDE\r\n");
    // The table is drawn with markers, the function as a line.
    const std::vector<int> stile = zugstile(f.anzeigeliste());
    ASSERT_FALSE(stile.empty());
    EXPECT_EQ(stile.front(), stil_linie);
    EXPECT_EQ(stile.back(), stil_kleiner_kreis);
    EXPECT_EQ(zuege(f.anzeigeliste()).back().size(), 3u);
    EXPECT_EQ(f.funktionsstift().stil, stil_linie);

    f.setzeBereich(0, 10, 2, -5, 5, 1);
    f.setzeBeschriftung("t", "s", "Weg");
    f.setzeKoordinatenachsen(false);
    f.freitextAnhaengen("a=3,0");
    const Tzeichenvorgaben v = f.vorgaben();
    EXPECT_EQ(v.xmax, 10);
    EXPECT_EQ(v.yskala, 1);
    EXPECT_FALSE(v.koord);
    EXPECT_EQ(v.freitext.back(), "a=3,0");
    // Without axes only the titles and the free text are texts.
    const auto t = texte(f.anzeigeliste());
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1].text, "Weg");
    EXPECT_EQ(t[2].text, "t");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

} // namespace
} // namespace zol::test

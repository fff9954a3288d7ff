// Hand-overs from other windows: points with gaps, one table per window although the names are
// fixed, saving such a window, and tables of tens of thousands of rows.
#include "shell/zeichnen/uebergabe.h"
#include "tests/shell/zeichnen/zeichnen_testhilfe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

namespace zol::test {
namespace {

// The curve points of the page, all polylines together.
std::vector<Tpunkt> punkte(const Tdialogfkt& f) {
    std::vector<Tpunkt> r;
    for (const auto& zug : zuege(f.anzeigeliste()))
        r.insert(r.end(), zug.begin(), zug.end());
    return r;
}

QList<QStringList> kehrwerte() {
    // f(x)=1/x from -1 to 1 step 0,5 as the value table shows it.
    return {{"-1,00", "-1,00"},
            {"-0,50", "-2,00"},
            {"0,00", "n. d."},
            {"0,50", "2,00"},
            {"1,00", "1,00"}};
}

// Dots leave out the rows that are not numbers; a solid line is broken there.
TEST_F(Zeichnen, PunkteLassenNichtDefinierteZeilenAus) {
    struct Fall {
        int stil;
        QStringList listen;
        std::vector<std::size_t> zugpunkte;
    };
    const QString datei = pfad("werte.dat");
    const Fall faelle[] = {
        {stil_kleiner_kreis, {"Tab:" + datei}, {4}},
        {stil_linie, {"Tab:" + datei, "Tab:" + datei}, {2, 2}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.stil);
        Tdialogfkt f;
        f.setzeFunktionsstil(stil_grosses_quadrat);
        ASSERT_TRUE(punkteZeichnen(f, datei, kehrwerte(), fall.stil));
        EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
        EXPECT_EQ(listentexte(f), fall.listen);
        EXPECT_EQ(dateiinhalt(datei), "DATEN_ANFANG\r\n-1,00\t-1,00\r\n-0,50\t-2,00\r\n"
                                      "0,50\t2,00\r\n1,00\t1,00\r\nDATEN_ENDE\r\n");
        std::vector<std::size_t> zugpunkte;
        for (const auto& zug : zuege(f.anzeigeliste()))
            zugpunkte.push_back(zug.size());
        EXPECT_EQ(zugpunkte, fall.zugpunkte);
        for (const Teinzelnefkt& e : f.eintraege())
            EXPECT_EQ(e.stil, fall.stil);
        EXPECT_EQ(f.funktionsstift().stil, stil_grosses_quadrat); // the pen as it was
    }
    // Nothing defined: nothing added, nothing asked.
    Tdialogfkt f;
    EXPECT_FALSE(punkteZeichnen(f, datei, {{"0", "n. d."}, {"x", "1"}}, stil_linie));
    EXPECT_TRUE(f.eintraege().empty());
    EXPECT_TRUE(dienst.dateidialoge.isEmpty());
}

// Two hand-overs under the same name: each window keeps drawing its own points, also when it
// reads its tables again on activation.
TEST_F(Zeichnen, ZweiUebergabenBehaltenIhreDaten) {
    const QString datei = pfad("werte.dat");
    auto erste = std::unique_ptr<Tdialogfkt>(neuesZeichenfenster("0.00"));
    ASSERT_TRUE(punkteZeichnen(*erste, datei, {{"-2", "-2"}, {"2", "2"}}, stil_linie));
    const std::vector<Tpunkt> vorher = punkte(*erste);
    auto zweite = std::unique_ptr<Tdialogfkt>(neuesZeichenfenster("0.00"));
    ASSERT_TRUE(punkteZeichnen(*zweite, datei, {{"-2", "2"}, {"2", "-2"}}, stil_linie));
    const std::vector<Tpunkt> nachher = punkte(*zweite);
    ASSERT_EQ(vorher.size(), 2u);
    ASSERT_EQ(nachher.size(), 2u);
    EXPECT_NE(vorher, nachher);
    for (Tdialogfkt* f : {erste.get(), zweite.get(), erste.get()}) {
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    }
    EXPECT_EQ(punkte(*erste), vorher);
    EXPECT_EQ(punkte(*zweite), nachher);
    // Both keep the name the hand-over gave, and the named file holds the last hand-over.
    EXPECT_EQ(listentexte(*erste), QStringList{"Tab:" + datei});
    EXPECT_EQ(listentexte(*zweite), QStringList{"Tab:" + datei});
    EXPECT_EQ(dateiinhalt(datei), "DATEN_ANFANG\r\n-2\t2\r\n2\t-2\r\nDATEN_ENDE\r\n");
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
}

// A saved window reloads with its own points, after another hand-over overwrote the named file
// and after the window that held them is gone.
TEST_F(Zeichnen, GespeicherteUebergabeLaedtIhreDaten) {
    const QString datei = pfad("werte.dat");
    const QString fkt = pfad("kurven.fkt");
    std::vector<Tpunkt> gezeichnet;
    {
        Tdialogfkt f;
        ASSERT_TRUE(punkteZeichnen(f, datei, {{"-1", "1"}, {"1", "2"}}, stil_kleiner_kreis));
        gezeichnet = punkte(f);
        ASSERT_TRUE(f.inDateiSchreiben(fkt));
        EXPECT_EQ(listentexte(f), QStringList{"Tab:" + datei}); // saving changes no entry
    }
    Tdialogfkt andere;
    ASSERT_TRUE(punkteZeichnen(andere, datei, {{"0", "0"}}, stil_kleiner_kreis));

    formelbaum().alle_loeschen();
    Tdialogfkt g;
    ASSERT_TRUE(g.laden(fkt));
    EXPECT_TRUE(dienst.meldungen.isEmpty()) << dienst.meldungen.join("|").toStdString();
    ASSERT_EQ(g.eintraege().size(), 1u);
    const QString kopie = QString::fromStdString(g.eintraege()[0].name);
    EXPECT_EQ(kopie, pfad("kurven_werte.dat"));
    EXPECT_EQ(dateiinhalt(kopie), "DATEN_ANFANG\r\n-1\t1\r\n1\t2\r\nDATEN_ENDE\r\n");
    EXPECT_EQ(punkte(g), gezeichnet);
}

// A table the user edits and adds again stays the window's own; a table of the user's is
// written and read where the user put it.
TEST_F(Zeichnen, BearbeiteteUebergabeBleibtEigen) {
    const QString datei = pfad("werte.dat");
    Tdialogfkt f;
    ASSERT_TRUE(punkteZeichnen(f, datei, {{"-1", "1"}, {"1", "2"}}, stil_kleiner_kreis));
    markieren(f, 0);
    klick(f, "Bearbeiten1");
    EXPECT_EQ(text(f, "edit5"), datei);
    kind<TStringGrid>(f, "StringGrid2")->setCell(2, 2, "3");
    ASSERT_TRUE(f.hinzufuegen());
    EXPECT_EQ(listentexte(f), QStringList{"Tab:" + datei});
    EXPECT_NE(QString::fromStdString(f.eintraege()[0].name), datei);
    Tdialogfkt andere;
    ASSERT_TRUE(punkteZeichnen(andere, datei, {{"0", "0"}}, stil_kleiner_kreis));
    f.aktualisieren();
    EXPECT_EQ(zuege(f.anzeigeliste()).back().size(), 2u);

    const QString eigen = pfad("eigen.dat");
    f.setzeTabelle(eigen, {{"0", "1"}});
    ASSERT_TRUE(f.hinzufuegen());
    EXPECT_EQ(QString::fromStdString(f.eintraege().back().name), eigen);
    EXPECT_EQ(listentexte(f).back(), "Tab:" + eigen);
}

// The binomial window hands over 32 001 rows; they all draw, fast. Beyond the limit the user
// is told what is drawn.
TEST_F(Zeichnen, GrosseTabellen) {
    struct Fall {
        int zeilen;
        int letztes_x; // of the last row drawn
        QStringList meldungen;
    };
    const int n = Tdialogfkt::max_werte;
    const Fall faelle[] = {
        {32001, 32000, {}},
        {n + 5, n - 1, {QStringLiteral("Es werden nur die ersten %1 Werte gezeichnet.").arg(n)}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.zeilen);
        dienst.meldungen.clear();
        QList<QStringList> zeilen;
        for (int k = 0; k < fall.zeilen; ++k)
            zeilen << QStringList{QString::number(k), QString::number(k)};
        Tdialogfkt f;
        f.setzeBereich(0, fall.letztes_x, 1000, 0, fall.letztes_x, 1000);
        QElapsedTimer uhr;
        uhr.start();
        ASSERT_TRUE(punkteZeichnen(f, pfad("binom.dat"), zeilen, stil_kleiner_kreis));
        EXPECT_LT(uhr.elapsed(), 10000);
        EXPECT_EQ(dienst.meldungen, fall.meldungen);
        EXPECT_EQ(text(f, "spineditin1"), QString::number(std::min(fall.zeilen, n)));
        // The last row drawn lies in the top right corner of the plot area.
        const std::vector<Tpunkt> p = punkte(f);
        ASSERT_FALSE(p.empty());
        EXPECT_EQ(p.back(), (Tpunkt{1000, -100}));
    }
}

} // namespace
} // namespace zol::test

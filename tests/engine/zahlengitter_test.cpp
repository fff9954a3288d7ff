// Grid cells read as numbers, and values that could not be computed.
#include "engine/fktbaum.h"
#include "engine/reellefunktion.h"
#include "engine/zahlengitter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace {

using namespace zol;

TEST(Zahlengitter, Zellwerte) {
    struct Fall {
        const char* text;
        bool ok;
        long double wert;
    };
    const Fall faelle[] = {
        {"1,5", true, 1.5L}, {" -2 ", true, -2},   {"1\t000", true, 1000}, {"1,5e3", true, 1500},
        {"+0", true, 0},     {"", false, 0},       {"   ", false, 0},      {"abc", false, 0},
        {"1,2,3", false, 0}, {"1E5000", false, 0}, {"n. d.", false, 0},    {"2x", false, 0},
    };
    for (const Fall& f : faelle) {
        long double w = -7;
        EXPECT_EQ(zellwert(f.text, w), f.ok) << f.text;
        if (f.ok)
            EXPECT_NEAR(static_cast<double>(w), static_cast<double>(f.wert), 1e-12) << f.text;
        else
            EXPECT_EQ(w, -7) << f.text << ": a refused cell leaves the value alone";
    }
}

// A 3 x 3 block at (1,1): columns are read first, so of two bad cells the one in the earlier
// column is reported; a refused block leaves the earlier values as they were.
TEST(Zahlengitter, ErsteFalscheZelleNachSpalten) {
    std::map<std::pair<int, int>, std::string> zellen;
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            zellen[{c, r}] = std::to_string(10 * r + c);
    auto leser = [&](int c, int r) { return zellen[{c, r}]; };

    std::vector<std::vector<long double>> werte;
    Gitterstelle fehler;
    ASSERT_TRUE(zahlengitter_lesen(1, 3, 1, 3, leser, werte, fehler));
    EXPECT_FALSE(fehler.gefunden());
    ASSERT_EQ(werte.size(), 3u);
    EXPECT_EQ(werte[1][2], 23); // row 2, column 3

    zellen[{3, 2}] = "x";
    zellen[{2, 3}] = "y"; // in an earlier column, so it is found first
    const auto vorher = werte;
    EXPECT_FALSE(zahlengitter_lesen(1, 3, 1, 3, leser, werte, fehler));
    EXPECT_EQ(fehler.spalte, 2);
    EXPECT_EQ(fehler.zeile, 3);
    EXPECT_EQ(werte, vorher);

    zellen[{2, 3}] = "0,5";
    EXPECT_FALSE(zahlengitter_lesen(1, 3, 1, 3, leser, werte, fehler));
    EXPECT_EQ(gitterfehlertext(fehler), "Fehlerhafte Eingabe in Zeile:2Spalte:3");
    EXPECT_EQ(gitterfehlertext(fehler, "Matrix 1"),
              "Fehlerhafte Eingabe in Matrix 1 Zeile:2Spalte:3");
}

TEST(Reellefunktion, FehlschlagIstNaNUndWirdNieEineZahl) {
    Tfktbaum baum;
    Tfktzelle* zelle = nullptr;
    ASSERT_TRUE(baum.suchezeigerstr("f(x)=1/x", zelle));
    const Reellefunktion f = als_reellefunktion(*zelle->funktion);
    EXPECT_NEAR(static_cast<double>(f(0.5L)), 2.0, 1e-15);
    EXPECT_TRUE(std::isnan(f(0)));
    // An integral over the failure stays undefined instead of silently counting it as 0.
    EXPECT_TRUE(std::isnan(simpson(f, -1, 1, 4)));

    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(ergebnistext("0.00", 2.5L), "2,50");
    EXPECT_EQ(ergebnistext("0.00", 0, false), "n. d.");
    EXPECT_EQ(ergebnistext("0.00", inf), "n. d.");
    EXPECT_EQ(ergebnistext("0.00", -inf), "n. d.");
    EXPECT_EQ(ergebnistext("0.00", f(0)), "n. d.");
}

} // namespace

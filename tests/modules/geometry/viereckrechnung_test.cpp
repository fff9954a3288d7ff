// Squares and rectangles: every given quantity, every pair, data that admit no figure, and the
// result lines in the formula table.
#include "modules/geometry/viereckrechnung.h"
#include "tests/modules/geometry/formelzeilen_hilfe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace zol;
using Q = Quadratgroesse;
using R = Rechteckgroesse;

TEST(Viereckrechnung, Quadrat) {
    struct Fall {
        Q gegeben;
        long double wert;
        std::vector<std::string> zeilen;
    };
    const std::vector<std::string> seite2 = {"Seite_a=2,00",       "Diagonale_a=2,83",
                                             "Umfang=8,00",        "Fläche=4,00",
                                             "Umkreisradius=1,41", "Innkreisradius=1,00"};
    const Fall faelle[] = {
        {Q::seite, 2, seite2},
        {Q::diagonale, 2 * std::sqrt(2.0L), seite2},
        {Q::flaeche, 4, seite2},
        {Q::umfang, 8, seite2},
        {Q::diagonale,
         2,
         {"Seite_a=1,41", "Diagonale_a=2,00", "Umfang=5,66", "Fläche=2,00", "Umkreisradius=1,00",
          "Innkreisradius=0,71"}},
    };
    for (const Fall& f : faelle) {
        const Viereckergebnis r = quadrat(f.gegeben, f.wert, "0.00");
        EXPECT_TRUE(r.berechnet);
        EXPECT_EQ(r.zeilen, f.zeilen) << static_cast<int>(f.gegeben);
    }
}

TEST(Viereckrechnung, Rechteck) {
    struct Fall {
        R erste;
        long double w1;
        R zweite;
        long double w2;
        const char* laenge;
        const char* breite;
    };
    const Fall faelle[] = {
        {R::laenge, 5, R::breite, 4, "Länge=5,00", "Breite=4,00"},
        {R::breite, 4, R::laenge, 5, "Länge=5,00", "Breite=4,00"},
        {R::flaeche, 20, R::breite, 4, "Länge=5,00", "Breite=4,00"},
        {R::laenge, 5, R::flaeche, 20, "Länge=5,00", "Breite=4,00"},
        {R::laenge, 3, R::umfang, 10, "Länge=3,00", "Breite=2,00"},
        {R::umfang, 10, R::breite, 2, "Länge=3,00", "Breite=2,00"},
        {R::flaeche, 12, R::umfang, 14, "Länge=4,00", "Breite=3,00"},
        {R::umfang, 14, R::flaeche, 12, "Länge=4,00", "Breite=3,00"},
        // U² = 16A: the square.
        {R::flaeche, 4, R::umfang, 8, "Länge=2,00", "Breite=2,00"},
    };
    for (const Fall& f : faelle) {
        const Viereckergebnis r = rechteck(f.erste, f.w1, f.zweite, f.w2, "0.00");
        ASSERT_TRUE(r.berechnet) << f.laenge;
        ASSERT_EQ(r.zeilen.size(), 6u);
        EXPECT_EQ(r.zeilen[0], f.laenge);
        EXPECT_EQ(r.zeilen[1], f.breite);
    }
    const Viereckergebnis r = rechteck(R::flaeche, 20, R::breite, 4, "0.00");
    EXPECT_EQ(r.zeilen,
              (std::vector<std::string>{"Länge=5,00", "Breite=4,00", "Diagonale=6,40",
                                        "Umfang=18,00", "Fläche=20,00", "Umkreisradius=3,20"}));
}

TEST(Viereckrechnung, KeinViereck) {
    struct Fall {
        const char* name;
        bool rechteck;
        int g1;
        long double w1;
        int g2;
        long double w2;
    };
    const Fall faelle[] = {
        {"Quadrat Seite 0", false, 0, 0, 0, 0},
        {"Quadrat Seite negativ", false, 0, -2, 0, 0},
        {"Quadrat Fläche negativ", false, 2, -4, 0, 0},
        {"Quadrat Umfang negativ", false, 3, -4, 0, 0},
        {"Quadrat Umfang NaN", false, 3, NAN, 0, 0},
        {"U = 10, l = 6", true, 0, 6, 3, 10},
        {"U = 10, l = 5", true, 0, 5, 3, 10},
        {"U² < 16A", true, 2, 10, 3, 8},
        {"A negativ", true, 0, 3, 2, -6},
        {"l = 0", true, 0, 0, 1, 4},
        {"l = 0, A", true, 0, 0, 2, 4},
        {"A = 0, U", true, 2, 0, 3, 10},
        {"A, U negativ", true, 2, 6, 3, -10},
    };
    for (const Fall& f : faelle) {
        const Viereckergebnis r =
            f.rechteck ? rechteck(static_cast<R>(f.g1), f.w1, static_cast<R>(f.g2), f.w2, "0.00")
                       : quadrat(static_cast<Q>(f.g1), f.w1, "0.00");
        EXPECT_FALSE(r.berechnet) << f.name;
        EXPECT_TRUE(r.zeilen.empty()) << f.name;
        EXPECT_FALSE(r.meldung.empty()) << f.name;
    }
    for (int g = 0; g < 4; ++g) {
        const Viereckergebnis r = rechteck(static_cast<R>(g), 3, static_cast<R>(g), 4, "0.00");
        EXPECT_FALSE(r.berechnet);
        EXPECT_EQ(r.meldung, meldung_doppelt);
    }
}

TEST(Viereckrechnung, ZeilenSindProjektformeln) {
    const auto q = test::formelwerte(quadrat(Q::seite, 2, "0.0000").zeilen);
    ASSERT_EQ(q.size(), 6u);
    EXPECT_NEAR(static_cast<double>(q.at("Diagonale_a")), 2.8284, 1e-9);
    EXPECT_NEAR(static_cast<double>(q.at("Fläche")), 4, 1e-12);
    EXPECT_NEAR(static_cast<double>(q.at("Innkreisradius")), 1, 1e-12);
    const auto r = test::formelwerte(rechteck(R::flaeche, 12, R::umfang, 14, "0.00").zeilen);
    ASSERT_EQ(r.size(), 6u);
    EXPECT_NEAR(static_cast<double>(r.at("Länge")), 4, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.at("Breite")), 3, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.at("Diagonale")), 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.at("Umkreisradius")), 2.5, 1e-12);
}

} // namespace

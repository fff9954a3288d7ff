#include "modules/analysis/gebrochenrechnung.h"
#include "modules/analysis/polynomrechnung.h"

#include <gtest/gtest.h>

namespace zol {
namespace {

using polynom::Polynom;

TEST(GebrochenRational, GanzerTextFuerXQuadratMinusEinsDurchXMinusEins) {
    const Gebrochenergebnis e = gebrochene_funktion({-1, 0, 1}, {-1, 1}, "0.00");
    EXPECT_TRUE(e.meldung.empty());
    const std::vector<std::string> soll = {
        ";Funktion:",
        "ratfkt(x)=(1,00*x^2-1,00)/(1,00*x-1,00)",
        "ratfktsum(x)=1,00*x+1,00+(0)/(1,00*x-1,00)",
        ";1. Ableitung:",
        "ablratfkt(x)=(1,00*x^2-2,00*x+1,00)/(1,00*x^2-2,00*x+1,00)",
        "ablratfktsum(x)=1,00+(0)/(1,00*x^2-2,00*x+1,00)",
        ";Nullstellen des Zählers:",
        "NSTZ1=1,00",
        "NSTZ2=-1,00",
        "komplexe Nullstellen:",
        ";Nullstellen des Nenners:",
        "NSTN1=1,00",
        "komplexe Nullstellen:",
    };
    EXPECT_EQ(e.zeilen, soll);
}

bool enthaelt(const std::vector<std::string>& z, const std::string& zeile) {
    return std::find(z.begin(), z.end(), zeile) != z.end();
}

bool beginnt(const std::vector<std::string>& z, const std::string& anfang) {
    return std::any_of(z.begin(), z.end(),
                       [&](const std::string& s) { return s.rfind(anfang, 0) == 0; });
}

TEST(GebrochenRational, Faelle) {
    struct Fall {
        Polynom u, v;
        std::vector<std::string> soll;
        std::vector<std::string> nicht; // line beginnings that must be missing
    };
    const Fall faelle[] = {
        {{1, 0, 0, 1},
         {0, 1},
         {"ratfktsum(x)=1,00*x^2+(1,00)/(1,00*x)", "ablratfkt(x)=(2,00*x^3-1,00)/(1,00*x^2)",
          "ablratfktsum(x)=2,00*x+(-1,00)/(1,00*x^2)", "NSTN1=0,00"},
         {}},
        // The fresh window's default 2/2 after typing (x^2+1)/(x^2-1): the derivative's
        // numerator has the lower degree, its quotient is 0.
        {{1, 0, 1},
         {-1, 0, 1},
         {"ratfktsum(x)=1,00+(2,00)/(1,00*x^2-1,00)",
          "ablratfktsum(x)=0+(-4,00*x)/(1,00*x^4-2,00*x^2+1,00)", "realZ1=0,00", "imaZ1=1,00",
          "imaZ2=-1,00", "NSTN1=1,00", "NSTN2=-1,00"},
         {}},
        // Numerator degree below denominator degree: no split lines.
        {{1}, {1, 0, 1}, {"realN1=0,00", "imaN1=1,00"}, {"ratfktsum(x)=", "ablratfktsum(x)="}},
        // Leading zeros count by the effective degree: 1/(x+0x^2) splits nothing.
        {{1, 0, 0}, {0, 1, 0}, {"ratfkt(x)=(1,00)/(1,00*x)"}, {"ratfktsum(x)="}},
        // Zero numerator over a constant.
        {{0, 0}, {2}, {"ratfkt(x)=(0)/(2,00)", "ablratfkt(x)=(0)/(4,00)"}, {"NSTZ", "NSTN"}},
    };
    for (const Fall& f : faelle) {
        const Gebrochenergebnis e = gebrochene_funktion(f.u, f.v, "0.00");
        EXPECT_TRUE(e.meldung.empty()) << e.meldung;
        for (const std::string& s : f.soll)
            EXPECT_TRUE(enthaelt(e.zeilen, s)) << s;
        for (const std::string& s : f.nicht)
            EXPECT_FALSE(beginnt(e.zeilen, s)) << s;
    }
}

TEST(GebrochenRational, NennerNullpolynom) {
    // The fresh window holds zeros everywhere: no 0/0, only the function lines.
    const Gebrochenergebnis e = gebrochene_funktion({0, 0, 0}, {0, 0, 0}, "0.00");
    EXPECT_EQ(e.meldung, nenner_null);
    EXPECT_EQ(e.zeilen, (std::vector<std::string>{";Funktion:", "ratfkt(x)=(0)/(0)"}));
}

// Degree 30 over degree 30: v*v reaches degree 60 and u'v - uv' here degree 58, beyond the 31
// places of a single input polynomial.
TEST(GebrochenRational, AbleitungBisGrad60) {
    Polynom u(31, 0), v(31, 0);
    u[30] = 1;
    u[0] = 1;
    v[30] = 1;
    v[29] = 1;
    const Gebrochenergebnis e = gebrochene_funktion(u, v, "0.00");
    EXPECT_TRUE(enthaelt(e.zeilen, "ablratfkt(x)=(1,00*x^58-30,00*x^29-29,00*x^28)/"
                                   "(1,00*x^60+2,00*x^59+1,00*x^58)"));
    EXPECT_TRUE(enthaelt(e.zeilen, "ratfktsum(x)=1,00+(-1,00*x^29+1,00)/(1,00*x^30+1,00*x^29)"));
}

TEST(GebrochenRational, BairstowFehlschlagImNenner) {
    const Polynom v{-6, 7, 8, -10, 6, 5, -7, 6, -2, -4, 10, -2, -4, -5, 10, -4};
    const Gebrochenergebnis e = gebrochene_funktion({1}, v, "0.00");
    EXPECT_EQ(e.meldung, bairstow_fehlschlag);
    EXPECT_TRUE(enthaelt(e.zeilen, ";Nullstellen des Nenners:"));
    EXPECT_FALSE(beginnt(e.zeilen, "NSTN"));
}

} // namespace
} // namespace zol

#include "modules/analysis/polynomrechnung.h"

#include <gtest/gtest.h>

namespace zol {
namespace {

using polynom::Polynom;

std::vector<std::string> zeilen(const Polynom& p, const char* bild = "0.00") {
    const Polynomergebnis e = polynomfunktion(p, bild);
    EXPECT_TRUE(e.meldung.empty()) << e.meldung;
    return e.zeilen;
}

TEST(Polynomfunktion, GanzerTextFuerXQuadratMinusVier) {
    const std::vector<std::string> soll = {
        ";Funktion:",
        "poly(x)=1,00*x^2-4,00",
        ";1. Ableitung:",
        "dpoly(x)=2,00*x",
        ";2. Ableitung:",
        "d2poly(x)=2,00",
        ";Stammfunktion ",
        "Ipoly(x)=0,33*x^3-4,00*x",
        ";Zerlegung in Linearfaktoren:",
        "polylin(x)=1,00*(x-2,00)*(x+2,00)",
        ";Nullstellen:",
        "NST1=2,00",
        "NST2=-2,00",
        ";komplexe Nullstellen:",
    };
    EXPECT_EQ(zeilen({-4, 0, 1}), soll);
}

// Single lines of the result, found by their name.
std::string zeile(const std::vector<std::string>& z, const std::string& name) {
    for (const std::string& s : z)
        if (s.rfind(name, 0) == 0) return s;
    return "fehlt: " + name;
}

TEST(Polynomfunktion, EinzelneZeilen) {
    struct Fall {
        Polynom p;
        std::vector<std::string> soll;
    };
    const Fall faelle[] = {
        {{-6, 11, -6, 1},
         {"poly(x)=1,00*x^3-6,00*x^2+11,00*x-6,00", "dpoly(x)=3,00*x^2-12,00*x+11,00",
          "polylin(x)=1,00*(x-3,00)*(x-2,00)*(x-1,00)", "NST1=3,00", "NST3=1,00"}},
        {{-1, 0, 0, 0, 0, 1},
         {"polylin(x)=1,00*(x^2+1,62*x+1,00)*(x^2-0,62*x+1,00)*(x-1,00)", "NST1=1,00",
          "real1=-0,81", "ima1=0,59", "real2=-0,81", "ima2=-0,59", "real3=0,31", "ima4=-0,95"}},
        // x^2 + 1: a complex pair with real part 0 (never "-0,00").
        {{1, 0, 1},
         {"polylin(x)=1,00*(x^2+0,00*x+1,00)", "real1=0,00", "ima1=1,00", "real2=0,00",
          "ima2=-1,00"}},
        // Degree 0: derivatives 0, the factor line is the leading coefficient alone.
        {{5}, {"poly(x)=5,00", "dpoly(x)=0", "d2poly(x)=0", "Ipoly(x)=5,00*x", "polylin(x)=5,00"}},
        // Degree 1.
        {{3, -2},
         {"dpoly(x)=-2,00", "d2poly(x)=0", "Ipoly(x)=-1,00*x^2+3,00*x", "polylin(x)=-2,00*(x-1,50)",
          "NST1=1,50"}},
        // The fresh window: all coefficients 0. No zeros, no division by 0.
        {{0, 0, 0}, {"poly(x)=0", "dpoly(x)=0", "d2poly(x)=0", "Ipoly(x)=0", "polylin(x)=0"}},
        // A leading 0 typed into the grid: the effective degree is 1.
        {{-2, 1, 0, 0}, {"poly(x)=1,00*x-2,00", "polylin(x)=1,00*(x-2,00)", "NST1=2,00"}},
        // 0.004 shows as 0,00 and is left out.
        {{1, 0.004L, 1}, {"poly(x)=1,00*x^2+1,00"}},
    };
    for (const Fall& f : faelle) {
        const std::vector<std::string> z = zeilen(f.p);
        for (const std::string& s : f.soll)
            EXPECT_EQ(zeile(z, s.substr(0, s.find('=') + 1)), s);
    }
    // The zero polynomial has no zeros: the lists are empty.
    const std::vector<std::string> null = zeilen({0, 0, 0});
    EXPECT_EQ(zeile(null, "NST"), "fehlt: NST");
    EXPECT_EQ(zeile(null, "real"), "fehlt: real");
}

TEST(Polynomfunktion, AndereZahlenformate) {
    const std::vector<std::string> z = zeilen({-4, 0, 1}, "0.000");
    EXPECT_EQ(zeile(z, "Ipoly(x)="), "Ipoly(x)=0,333*x^3-4,000*x");
}

// Degree 15 with random whole coefficients: the search gives up at once; the lines hold the
// zeros found (none here), a factor line that still equals the polynomial, and no "nan".
TEST(Polynomfunktion, BairstowFehlschlagWirdBerichtet) {
    const Polynom p{-6, 7, 8, -10, 6, 5, -7, 6, -2, -4, 10, -2, -4, -5, 10, -4};
    const Polynomergebnis e = polynomfunktion(p, "0.00");
    EXPECT_EQ(e.meldung, bairstow_fehlschlag);
    EXPECT_EQ(zeile(e.zeilen, ";Das Bairstow"), std::string(";") + bairstow_fehlschlag);
    EXPECT_EQ(zeile(e.zeilen, "polylin(x)="),
              "polylin(x)=-4,00*(1,00*x^15-2,50*x^14+1,25*x^13+1,00*x^12+0,50*x^11-2,50*x^10+"
              "1,00*x^9+0,50*x^8-1,50*x^7+1,75*x^6-1,25*x^5-1,50*x^4+2,50*x^3-2,00*x^2-1,75*x+"
              "1,50)");
    for (const std::string& s : e.zeilen) {
        EXPECT_EQ(s.find("nan"), std::string::npos) << s;
        EXPECT_EQ(s.find("inf"), std::string::npos) << s;
    }
}

TEST(Polynomfunktion, UeberlaufGibtMeldungStattZahlen) {
    const Polynomergebnis e = polynomfunktion({1, 1, 1e4932L}, "0.00");
    EXPECT_EQ(e.meldung, koeffizienten_zu_gross);
    EXPECT_TRUE(e.zeilen.empty());
}

} // namespace
} // namespace zol

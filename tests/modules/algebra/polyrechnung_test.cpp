#include "modules/algebra/polyrechnung.h"

#include <gtest/gtest.h>

namespace zol {
namespace {

using polynom::Polynom;

TEST(Polynomrechnen, ZeilenJeOperation) {
    struct Fall {
        Polyoperation op;
        Polynom p1, p2;
        std::vector<std::string> soll;
    };
    const Fall faelle[] = {
        {Polyoperation::produkt,
         {1, 1},
         {-1, 1},
         {"polynom(x)=( 1,00*x+1,00)*( 1,00*x-1,00)", "polymul(x)= 1,00*x^2-1,00"}},
        {Polyoperation::summe,
         {1, -2, 3},
         {0, 2, 1},
         {"polynom(x)=( 3,00*x^2-2,00*x+1,00)+( 1,00*x^2+2,00*x)", "polysum(x)= 4,00*x^2+1,00"}},
        {Polyoperation::differenz,
         {1, 1},
         {1, 1},
         {"polynom(x)=( 1,00*x+1,00)-( 1,00*x+1,00)", "polysub(x)=0"}},
        {Polyoperation::differenz,
         {0, 1},
         {0, 0, 1},
         {"polynom(x)=( 1,00*x)-( 1,00*x^2)", "polysub(x)=-1,00*x^2+1,00*x"}},
        {Polyoperation::division,
         {-1, 0, 1},
         {-1, 1},
         {"polynom(x)=( 1,00*x^2-1,00)/( 1,00*x-1,00)",
          "polydivi(x)= 1,00*x+1,00+(0)/( 1,00*x-1,00)"}},
        {Polyoperation::division,
         {1, 0, 0, 1},
         {1, 0, 1},
         {"polynom(x)=( 1,00*x^3+1,00)/( 1,00*x^2+1,00)",
          "polydivi(x)= 1,00*x+(-1,00*x+1,00)/( 1,00*x^2+1,00)"}},
        // Divisor of higher degree: quotient 0, remainder the dividend.
        {Polyoperation::division,
         {1, 1},
         {1, 0, 1},
         {"polynom(x)=( 1,00*x+1,00)/( 1,00*x^2+1,00)",
          "polydivi(x)=0+( 1,00*x+1,00)/( 1,00*x^2+1,00)"}},
        {Polyoperation::potenz,
         {1, 1},
         {3},
         {"polynom(x)=( 1,00*x+1,00)^3", "polypotenz(x)= 1,00*x^3+3,00*x^2+3,00*x+1,00"}},
        {Polyoperation::potenz, {1, 1}, {0}, {"polynom(x)=( 1,00*x+1,00)^0", "polypotenz(x)=1"}},
        {Polyoperation::potenz, {1, 1}, {}, {"polynom(x)=( 1,00*x+1,00)^0", "polypotenz(x)=1"}},
        {Polyoperation::potenz,
         {-1, 2},
         {1, 0, 0},
         {"polynom(x)=( 2,00*x-1,00)^1", "polypotenz(x)= 2,00*x-1,00"}},
        // Degree 20 exactly is allowed.
        {Polyoperation::potenz,
         {0, 1},
         {20},
         {"polynom(x)=( 1,00*x)^20", "polypotenz(x)= 1,00*x^20"}},
        {Polyoperation::produkt,
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         {"polynom(x)=( 1,00*x^10)*( 1,00*x^10)", "polymul(x)= 1,00*x^20"}},
    };
    for (const Fall& f : faelle) {
        const Polyrechenergebnis e = polynome_rechnen(f.op, f.p1, f.p2, "0.00");
        EXPECT_TRUE(e.meldung.empty()) << e.meldung;
        EXPECT_EQ(e.zeilen, f.soll);
    }
}

TEST(Polynomrechnen, AbgelehnteRechnungenMitMeldung) {
    struct Fall {
        Polyoperation op;
        Polynom p1, p2;
        const char* meldung_anfang;
    };
    Polynom grad11(12, 0), grad10(11, 0);
    grad11[11] = 1;
    grad10[10] = 1;
    const Fall faelle[] = {
        {Polyoperation::division, {1, 1}, {0, 0}, "Durch das Nullpolynom"},
        {Polyoperation::division, {1, 1}, {}, "Durch das Nullpolynom"},
        {Polyoperation::potenz, {1, 1}, {1, 1}, "Polynom 2 muss den Exponenten enthalten."},
        {Polyoperation::potenz, {1, 1}, {-1}, "Der Exponent muss eine ganze Zahl"},
        {Polyoperation::potenz, {1, 1}, {2.5L}, "Der Exponent muss eine ganze Zahl"},
        {Polyoperation::potenz, {1, 1}, {21}, "Das Ergebnis hätte einen Grad über 20"},
        {Polyoperation::potenz, {1, 1}, {1e9L}, "Das Ergebnis hätte einen Grad über 20"},
        {Polyoperation::potenz, {1, 1}, {1e30L}, "Das Ergebnis hätte einen Grad über 20"},
        {Polyoperation::potenz, {10}, {1e9L}, "Das Ergebnis ist zu groß"},
        {Polyoperation::produkt, grad11, grad10, "Das Ergebnis hätte einen Grad über 20"},
    };
    for (const Fall& f : faelle) {
        const Polyrechenergebnis e = polynome_rechnen(f.op, f.p1, f.p2, "0.00");
        EXPECT_EQ(e.meldung.rfind(f.meldung_anfang, 0), 0u) << e.meldung;
        EXPECT_TRUE(e.zeilen.empty());
    }
}

} // namespace
} // namespace zol

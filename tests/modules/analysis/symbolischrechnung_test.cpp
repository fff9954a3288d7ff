// Symbolic differentiation without its window: splitting the definition, tokenizing, the
// derivative texts of the term rewriter, its refusals, the limit of the token lists, and the
// self-check against the difference quotient.
#include "modules/analysis/symbolischrechnung.h"

#include "engine/fktbaum.h"

#include <gtest/gtest.h>

namespace {

using namespace zol;

std::string verbunden(const std::vector<std::string>& texte) {
    std::string t;
    for (const std::string& s : texte)
        t += (t.empty() ? "" : "|") + s;
    return t;
}

TEST(Symbolischrechnung, DefinitionZerlegen) {
    const struct {
        const char* definition;
        bool ok;
        const char *name, *variable, *rumpf;
    } faelle[] = {
        {"fsym(x)=x^4", true, "FSYM", "X", "X^4"},
        {" f ( t ) = t * a ", true, "F", "T", "T*A"},
        {"c=5", true, "C", "", "5"},
        {"f()=5", true, "F", "", "5"},
        {"f(x)=", true, "F", "X", ""},
        {"f(x)", false, "", "", ""},
        {"(x)=x", false, "", "", ""},
        {"", false, "", "", ""},
    };
    for (const auto& f : faelle) {
        std::string name, variable, rumpf;
        EXPECT_EQ(definition_zerlegen(f.definition, name, variable, rumpf), f.ok) << f.definition;
        if (!f.ok) continue;
        EXPECT_EQ(name, f.name) << f.definition;
        EXPECT_EQ(variable, f.variable) << f.definition;
        EXPECT_EQ(rumpf, f.rumpf) << f.definition;
    }
}

TEST(Symbolischrechnung, Symbole) {
    Symbolliste l;
    std::vector<std::string> meldungen;
    ASSERT_TRUE(symbole_lesen("-2,5E-1*SQRT(X)^A+LN(1.5)", 'X', l, meldungen));
    const std::vector<Symbol::Art> arten = {
        Symbol::vorzeichen, Symbol::zahl, Symbol::punkt, Symbol::funktion,  Symbol::auf,
        Symbol::variable,   Symbol::zu,   Symbol::hoch,  Symbol::konstante, Symbol::strich,
        Symbol::funktion,   Symbol::auf,  Symbol::zahl,  Symbol::zu};
    ASSERT_EQ(l.size(), arten.size());
    for (std::size_t i = 0; i < l.size(); ++i)
        EXPECT_EQ(l[i].art, arten[i]) << i;
    EXPECT_EQ(l[1].wert, 0.25L);
    EXPECT_EQ(l[3].name, "SQRT");
    EXPECT_EQ(l[12].wert, 1.5L);
    // Back to text: numbers in the picture, names as they are.
    EXPECT_EQ(symboltext(l, ""), "-0,25*SQRT(X)^A+LN(1,5)");
    EXPECT_EQ(symboltext(l, "0.00"), "-0,25*SQRT(X)^A+LN(1,50)");
    EXPECT_TRUE(meldungen.empty());
}

TEST(Symbolischrechnung, FalschGeleseneSymboleWerdenAbgelehnt) {
    const struct {
        const char* rumpf;
        const char* meldungen;
    } faelle[] = {
        // Function names without a rule are read as letters: a letter after a letter.
        {"ABS(X)", "Ungültiger Ausdruck!"},  {"X*-2", "FEHLER|Ungültiger Ausdruck!"},
        {"2X", "Ungültiger Ausdruck!"},      {"X2", "Ungültiger Ausdruck!"},
        {"X(2)", "Ungültiger Ausdruck!"},    {"*X", "Ungültiger Ausdruck!"},
        {"SIN X", "Ungültiger Ausdruck!"},   {"SINX", "Ungültiger Ausdruck!"},
        {"1,2,3*X", "Ungültiger Ausdruck!"}, {"X+", "Ungültiger Ausdruck!"},
        {"X!", "Ungültiger Ausdruck!"},
    };
    for (const auto& f : faelle) {
        Symbolliste l;
        std::vector<std::string> meldungen;
        EXPECT_FALSE(symbole_lesen(f.rumpf, 'X', l, meldungen)) << f.rumpf;
        EXPECT_EQ(verbunden(meldungen), f.meldungen) << f.rumpf;
    }
}

struct Ableitungsfall {
    const char* definition;
    const char* ableitung;
};

// Definitions the formula table accepts, with their derivatives in the general number form.
const Ableitungsfall ableitungen[] = {
    {"fsym(x)=x^4", "ablsymFSYM(X)=4*X^3"},
    {"f(x)=x^2+3*x", "ablsymF(X)=2*X^1+3*1"},
    {"f(x)=sin(x)", "ablsymF(X)=COS(X)"},
    {"f(x)=a^x", "ablsymF(X)=A^X*LN(A)"},
    {"f(x)=a*x", "ablsymF(X)=A*1"},
    {"f(x)=1/x", "ablsymF(X)=1*(-1*1)/((X)^2)"},
    {"f(x)=x*sin(x)", "ablsymF(X)=(X*COS(X)+1*SIN(X))"},
    {"f(x)=sqrt(x)", "ablsymF(X)=0,5/SQRT(X)"},
    {"f(x)=5", "ablsymF(X)=0"},
    {"f(x)=-x^2", "ablsymF(X)=-2*X^1"},
    // (x^2)^3 and sin(x^2): how the formula language reads them.
    {"f(x)=x^2^3", "ablsymF(X)=3*(X^2)^2*(2*X^1)"},
    {"f(x)=sin(x)^2", "ablsymF(X)=COS((X)^2)*(2*(X)^1)"},
    {"f(x)=cos(x)", "ablsymF(X)=(-1)*SIN(X)"},
    {"f(x)=tan(x)", "ablsymF(X)=1/((COS(X))^2)"},
    {"f(x)=exp(2*x)", "ablsymF(X)=EXP(2*X)*(2*1)"},
    {"f(x)=ln(x^2+1)", "ablsymF(X)=1/(X^2+1)*(2*X^1)"},
    {"f(x)=lg(x)", "ablsymF(X)=1/((X)*LN(10))"},
    {"f(x)=arctan(x)", "ablsymF(X)=1/(1+(X)^2)"},
    {"f(x)=(x+1)^2", "ablsymF(X)=2*(X+1)^1*(1)"},
    {"f(x)=x/2", "ablsymF(X)=1/(2)*1"},
    // Decimal comma and point; 0,1 stays 0,1.
    {"f(x)=2,5*x", "ablsymF(X)=2,5*1"},
    {"f(x)=0,1*x^3", "ablsymF(X)=0,1*3*X^2"},
    {"f(t)=t^3", "ablsymF(T)=3*T^2"},
    // Nothing in front of the first written summand, no sign after "*", no "^-".
    {"f(x)=3+x^2", "ablsymF(X)=2*X^1"},
    {"f(x)=3-x^2", "ablsymF(X)=-2*X^1"},
    {"f(x)=-x*2", "ablsymF(X)=-2*1"},
    {"f(x)=x^0,5", "ablsymF(X)=0,5*X^(-0,5)"},
    {"f(x)=x^(-2)", "ablsymF(X)=(-2)*X^(-2-1)"},
    {"f(x)=2*(3+x)", "ablsymF(X)=2*1*(1)"},
    // The quotient rule keeps u' whenever u holds the variable.
    {"f(x)=2^x/x", "ablsymF(X)=(2^X*LN(2)*(X)-2^X*1)/((X)^2)"},
};

TEST(Symbolischrechnung, Ableitungen) {
    for (const Ableitungsfall& f : ableitungen) {
        const Symbolergebnis e = symbolisch_ableiten(f.definition, "");
        EXPECT_TRUE(e.ok) << f.definition;
        EXPECT_EQ(e.text, f.ableitung) << f.definition;
        EXPECT_TRUE(e.meldungen.empty()) << f.definition << ": " << verbunden(e.meldungen);
    }
    // Every number goes through the picture.
    EXPECT_EQ(symbolisch_ableiten("f(x)=x^2+3*x", "0.00").text, "ablsymF(X)=2,00*X^1,00+3,00*1,00");
}

TEST(Symbolischrechnung, Ablehnungen) {
    const struct {
        const char* definition;
        const char* meldungen;
    } faelle[] = {
        {"f(x)", "Fehlerhafter Ausdruck"},
        {"f(x)=abs(x)", "Ungültiger Ausdruck!"},
        {"f(x)=x*-2", "FEHLER|Ungültiger Ausdruck!"},
        // The a^u rule would be wrong with the variable in the base as well.
        {"f(x)=x^x", "Fehler bei ableitpotenz"},
        {"f(x)=(x+1)^(2*x)", "Fehler bei ableitpotenz"},
        {"f(x)=x^a", "Fehler bei ableitpotenz"},
        {"f(x)=x*x*x*x*x*x*x*x*x", "Der Ausdruck ist zum Ableiten zu lang."},
    };
    for (const auto& f : faelle) {
        const Symbolergebnis e = symbolisch_ableiten(f.definition, "");
        EXPECT_FALSE(e.ok) << f.definition;
        EXPECT_EQ(e.text, "") << f.definition;
        EXPECT_EQ(verbunden(e.meldungen), f.meldungen) << f.definition;
    }
}

// Eight factors fill 99 of the 119 places of a list; nine would need 121.
TEST(Symbolischrechnung, GrenzeDerSymbollisten) {
    const Symbolergebnis acht = symbolisch_ableiten("f(x)=x*x*x*x*x*x*x*x", "");
    ASSERT_TRUE(acht.ok) << verbunden(acht.meldungen);
    EXPECT_EQ(acht.text.size(), std::string("ablsymF(X)=").size() + 99);
    // An input of 120 tokens does not fit at all.
    std::string lang = "f(x)=x";
    for (int i = 0; i < 60; ++i)
        lang += "+1";
    const Symbolergebnis e = symbolisch_ableiten(lang, "");
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(verbunden(e.meldungen), "Der Ausdruck ist zum Ableiten zu lang.");
}

class SymbolischeProbe : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(baum.definiere("a=2")); }
    const tfunktion& funktion(const char* definition) {
        Tfktzelle* zelle = nullptr;
        EXPECT_TRUE(baum.suchezeigerstr(definition, zelle)) << definition;
        return *zelle->funktion;
    }
    Tfktbaum baum;
};

// The rewriter's results agree with the difference quotient wherever both are defined.
TEST_F(SymbolischeProbe, StimmtFuerAlleAbleitungen) {
    for (const Ableitungsfall& f : ableitungen) {
        const Ableitungsprobe p = ableitung_pruefen(baum, funktion(f.definition), f.ableitung);
        EXPECT_EQ(p.ausgang, Ableitungsprobe::stimmt) << f.definition << " x=" << p.x;
        EXPECT_EQ(p.punkte, 5) << f.definition;
        EXPECT_EQ(probentext(p), "") << f.definition;
    }
}

TEST_F(SymbolischeProbe, MeldetAbweichungUndUnberechenbaresErgebnis) {
    const tfunktion& f = funktion("f(x)=x^3");
    const Ableitungsprobe falsch = ableitung_pruefen(baum, f, "ablsymF(X)=3*X^2+0,001");
    EXPECT_EQ(falsch.ausgang, Ableitungsprobe::stimmt_nicht);
    EXPECT_EQ(probentext(falsch),
              "Achtung: Die Probe mit dem Differenzenquotienten stimmt bei x = -1,7 nicht.");
    const Ableitungsprobe kaputt = ableitung_pruefen(baum, f, "ablsymF(X)=+3*X^2");
    EXPECT_EQ(kaputt.ausgang, Ableitungsprobe::nicht_berechenbar);
    EXPECT_NE(probentext(kaputt), "");
    // Rounded by a picture, the derivative no longer agrees: the probe says so.
    const Symbolergebnis gerundet = symbolisch_ableiten("g(x)=0,123*x", "0.00");
    EXPECT_EQ(ableitung_pruefen(baum, funktion("g(x)=0,123*x"), gerundet.text).ausgang,
              Ableitungsprobe::stimmt_nicht);
}

} // namespace

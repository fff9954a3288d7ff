// Splitting definitions and compiling right-hand sides.
#include "engine/fktbaum.h"
#include "engine/meldung.h"

#include <gtest/gtest.h>

namespace {

using namespace zol;

// The program in readable postfix form: numbers, X, constant names, operator codes as tokens.
std::string postfix(const tfunktion& f) {
    static const char* namen[] = {"",     "+",      "-",      "/",      "*",      "(",   ")",
                                  "NEG",  "^",      "LN",     "SQR",    "COS",    "SIN", "TAN",
                                  "EXP",  "ABS",    "SGN",    "RAD",    "GRAD",   "COT", "FAK",
                                  "SQRT", "ARCCOS", "ARCSIN", "ARCTAN", "ARCCOT", "LG",  "FN"};
    std::string r;
    for (int i = 0; i < f.programmlaenge(); ++i) {
        const Tfktsymbol& s = f.symbol(i);
        if (!r.empty()) r += ' ';
        if (s.art == Tfktsymbol::zahl_art)
            r += std::to_string(static_cast<long long>(s.zahl));
        else if (s.art == Tfktsymbol::operand_art)
            r += s.marke == 'x' ? std::string("x") : s.zelle->name;
        else if (s.code == op_funktion)
            r += s.zelle->name + "()";
        else
            r += namen[s.code];
    }
    return r;
}

TEST(Aufspalten, DreiFormenEinerEingabe) {
    struct Fall {
        const char* text;
        bool ok;
        const char *name, *rechts, *variable;
    };
    const Fall faelle[] = {
        {"F(X)=X^2-1", true, "F", "X^2-1", "X"},
        {"f(t) = t ^ 2", true, "F", "T^2", "T"},
        {"A=3,5*2", true, "A", "3,5*2", ""},
        {"3*4=", true, "3*4", "", ""},
        {"F(2)=", true, "F", "", "2"},
        {"2X=5", true, "2X", "", ""}, // first character no letter: an evaluation request
        {"F()=1", true, "F", "1", ""},
        {"3+4", false, "", "", ""},
        {"", false, "", "", ""},
    };
    for (const Fall& f : faelle) {
        std::string name, rechts, variable;
        EXPECT_EQ(Tfktbaum::aufspalten(f.text, name, rechts, variable), f.ok) << f.text;
        EXPECT_EQ(name, f.name) << f.text;
        EXPECT_EQ(rechts, f.rechts) << f.text;
        EXPECT_EQ(variable, f.variable) << f.text;
    }
}

TEST(Aufspalten, OhneGleichheitszeichen) {
    struct Fall {
        const char *text, *name, *variable;
    };
    const Fall faelle[] = {{"f", "F", ""}, {"g(x)", "G", "X"}, {"h()", "H()", ""}};
    for (const Fall& f : faelle) {
        std::string name, rechts, variable;
        EXPECT_TRUE(Tfktbaum::aufspalten2(f.text, name, rechts, variable)) << f.text;
        EXPECT_EQ(name, f.name) << f.text;
        EXPECT_EQ(variable, f.variable) << f.text;
        EXPECT_TRUE(rechts.empty());
    }
    std::string name, rechts, variable;
    EXPECT_TRUE(Tfktbaum::aufspalten2("F(X)=X+1", name, rechts, variable));
    EXPECT_EQ(rechts, "X+1");
    EXPECT_FALSE(Tfktbaum::aufspalten2("", name, rechts, variable));
}

TEST(Analyse, Vorrang) {
    Tfktbaum baum;
    struct Fall {
        const char* rechts;
        const char* programm; // empty: refused
    };
    const Fall faelle[] = {
        {"2^3^2", "2 3 ^ 2 ^"}, // left-associative, also "^"
        {"-2^2", "2 2 ^ NEG"},  // -(2^2)
        {"-X^2", "x 2 ^ NEG"},
        {"SIN(X)^2", "x 2 ^ SIN"}, // the function binds more weakly than "^"
        {"(SIN(X))^2", "x SIN 2 ^"},
        {"2*(-3)", "2 3 NEG *"},
        {"X^3-2*X^2-2", "x 3 ^ 2 x 2 ^ * - 2 -"},
        {"sqrt(x):2", "x SQRT 2 /"},
        {"lg(x)+ln(x)", "x LG x LN +"},
        {"arccot(arccos(x))", "x ARCCOS ARCCOT"},
        {"2^(SIN(X))", "2 x SIN ^"},
        {"2^SIN(X)", ""},
        {"2*-3", ""},
        {"+3", ""},
        {"((X)", ""},
        {"X)", ""},
        {"2X", ""}, // no implicit multiplication
        {"X(X+1)", ""},
        {"1.5", ""}, // the point is no token
        {"", ""},
        {"()", ""},
        {"SIN X", ""},
        {"Y", ""}, // unknown name
    };
    for (const Fall& f : faelle) {
        tfunktion fn(&baum);
        const bool ok = fn.analyse(f.rechts, "X", "F");
        EXPECT_EQ(ok, *f.programm != '\0') << f.rechts;
        if (ok) {
            EXPECT_EQ(postfix(fn), f.programm) << f.rechts;
        }
    }
}

TEST(Analyse, ZahlenMitKommaUndExponent) {
    Tfktbaum baum;
    struct Fall {
        const char* rechts;
        bool ok;
        long double wert;
    };
    const Fall faelle[] = {{"1,5E-3", true, 0.0015L}, {"1,5e+3", true, 1500},
                           {"2,5", true, 2.5L},       {"1,5E", false, 0},
                           {"1,2,3", false, 0},       {"1E99999", false, 0}};
    for (const Fall& f : faelle) {
        tfunktion fn(&baum);
        ASSERT_EQ(fn.analyse(f.rechts, "", "A"), f.ok) << f.rechts;
        long double w = 0;
        if (f.ok) {
            EXPECT_TRUE(fn.funktionsberechnung(0, w));
            EXPECT_EQ(w, f.wert) << f.rechts;
        }
    }
}

TEST(Analyse, NamenSuche) {
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("A=2"));
    ASSERT_TRUE(baum.definiere("AB=3"));
    long double w = 0;
    EXPECT_TRUE(baum.fktberechnen("AB", 0, w));
    std::string t = "AB*10=";
    ASSERT_TRUE(baum.untersuche(t, w));
    EXPECT_EQ(w, 30); // the longest name wins

    Tfktbaum baum2;
    ASSERT_TRUE(baum2.definiere("A=2"));
    ASSERT_TRUE(baum2.definiere("AB(X)=X"));
    t = "AB=";
    EXPECT_FALSE(baum2.untersuche(t, w)); // not read as A followed by B
    t = "AB(5)+A=";
    ASSERT_TRUE(baum2.untersuche(t, w));
    EXPECT_EQ(w, 7);

    // The variable is matched before any constant.
    Tfktbaum baum3;
    ASSERT_TRUE(baum3.definiere("XA=1"));
    EXPECT_FALSE(baum3.definiere("F(X)=XA"));
    EXPECT_TRUE(baum3.definiere("G(T)=XA*T"));
}

TEST(Analyse, Grenzen) {
    Tfktbaum baum;
    std::string lang = "X";
    for (int i = 0; i < 49; ++i)
        lang += "+X"; // 99 symbols
    tfunktion fn(&baum);
    EXPECT_TRUE(fn.analyse(lang, "X", "F"));
    EXPECT_FALSE(fn.analyse(lang + "+X", "X", "F")); // 101 symbols

    std::string tief(49, '(');
    tief += "X" + std::string(49, ')');
    EXPECT_TRUE(fn.analyse(tief, "X", "F"));
    std::string zutief(50, '(');
    zutief += "X" + std::string(50, ')');
    EXPECT_FALSE(fn.analyse(zutief, "X", "F")); // operator stack overflow
}

TEST(Analyse, SelbstbezugWirdGemeldet) {
    std::vector<std::string> gemeldet;
    auto vorher = setze_meldungsempfaenger([&](const std::string& m) { gemeldet.push_back(m); });
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("F(X)=X"));
    ASSERT_TRUE(baum.definiere("A=1"));
    EXPECT_FALSE(baum.definiere("F(X)=F(X)+1"));
    EXPECT_FALSE(baum.definiere("A=A+1"));
    EXPECT_EQ(gemeldet, (std::vector<std::string>{meldungen::rekursiv, meldungen::rekursiv}));
    long double w = 0;
    EXPECT_TRUE(baum.fktberechnen("F", 4, w)); // the old definitions stay
    EXPECT_EQ(w, 4);
    gemeldet.clear();
    EXPECT_FALSE(baum.definiere("B=B+1")); // B does not exist: a plain syntax fault
    EXPECT_TRUE(gemeldet.empty());
    setze_meldungsempfaenger(std::move(vorher));
}

} // namespace

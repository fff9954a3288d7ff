// The table of definitions: defining, redefining, removing, cycles and limits.
#include "engine/fktbaum.h"
#include "engine/meldung.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace zol;

struct Meldungsprotokoll {
    std::vector<std::string> texte;
    Meldungsempfaenger vorher;
    Meldungsprotokoll()
        : vorher(setze_meldungsempfaenger([this](const std::string& m) { texte.push_back(m); })) {}
    ~Meldungsprotokoll() { setze_meldungsempfaenger(std::move(vorher)); }
};

long double wert_von(Tfktbaum& baum, const char* name, long double x = 0) {
    long double w = -1;
    EXPECT_TRUE(baum.fktberechnen(name, x, w)) << name;
    return w;
}

TEST(Fktbaum, NeudefinitionBehaeltPlatzUndZelle) {
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("F(X)=X^2"));
    ASSERT_TRUE(baum.definiere("a = 5"));
    Tfktzelle* f = nullptr;
    ASSERT_TRUE(baum.suchezeigerstr("f", f));
    EXPECT_EQ(f->name, "F");
    EXPECT_EQ(f->variable, "X");

    ASSERT_TRUE(baum.definiere("f(t)=t^3"));
    EXPECT_EQ(baum.sucheeintrag("F"), 0);
    EXPECT_EQ(baum.eintrag(0), "f(t)=t^3");
    EXPECT_EQ(baum.eintrag(1), "a = 5"); // as typed
    long double w = 0;
    EXPECT_TRUE(f->funktion->funktionsberechnung(2, w)); // a held cell follows the redefinition
    EXPECT_EQ(w, 8);

    EXPECT_FALSE(baum.definiere("F(X)=X+"));
    EXPECT_EQ(wert_von(baum, "F", 2), 8); // the old definition stays
    EXPECT_EQ(baum.anzahl(), 2);
}

TEST(Fktbaum, EntfernenUndWiederDefinieren) {
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("G(X)=X+1"));
    ASSERT_TRUE(baum.definiere("F(X)=2*G(X)"));
    ASSERT_TRUE(baum.definiere("C=F(1)"));
    EXPECT_TRUE(baum.loesche_fkt("G"));
    EXPECT_FALSE(baum.loesche_fkt("G"));
    EXPECT_EQ(baum.sucheeintrag("G"), -1);
    EXPECT_EQ(baum.sucheeintrag("F"), 0);
    EXPECT_EQ(baum.sucheeintrag("C"), 1);
    long double w = -1;
    EXPECT_FALSE(baum.fktberechnen("F", 1, w)); // uses a removed entry: fails, no crash
    EXPECT_EQ(w, 0);
    EXPECT_FALSE(baum.definiere("H(X)=G(X)")); // a removed name is unknown

    ASSERT_TRUE(baum.definiere("G(X)=X+10"));
    EXPECT_EQ(wert_von(baum, "F", 1), 22); // formulas that used it work again
    EXPECT_EQ(wert_von(baum, "C"), 22);

    baum.alle_loeschen();
    EXPECT_EQ(baum.anzahl(), 0);
    EXPECT_EQ(baum.sucheeintrag("F"), -1);
    EXPECT_TRUE(baum.definiere("F(X)=X"));
}

TEST(Fktbaum, ZyklenWerdenAbgewiesen) {
    Meldungsprotokoll protokoll;
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("G(X)=X"));
    ASSERT_TRUE(baum.definiere("F(X)=G(X)+1"));
    EXPECT_FALSE(baum.definiere("G(X)=F(X)")); // G -> F -> G
    ASSERT_TRUE(baum.definiere("A=1"));
    ASSERT_TRUE(baum.definiere("B=A+1"));
    ASSERT_TRUE(baum.definiere("C=B*F(B)"));
    EXPECT_FALSE(baum.definiere("A=C")); // A -> C -> B -> A
    EXPECT_EQ(protokoll.texte.size(), 2u);
    EXPECT_EQ(protokoll.texte[0], meldungen::rekursiv);
    EXPECT_EQ(wert_von(baum, "C"), 2 * 3);
    // Redefinitions that keep the chain acyclic are fine.
    EXPECT_TRUE(baum.definiere("A=5"));
    EXPECT_EQ(wert_von(baum, "C"), 6 * 7);

    // A removed entry that is defined again must not close a cycle either.
    ASSERT_TRUE(baum.loesche_fkt("A"));
    EXPECT_FALSE(baum.definiere("A=C"));
}

TEST(Fktbaum, LaengengrenzenWerdenAbgewiesen) {
    Tfktbaum baum;
    EXPECT_TRUE(baum.definiere(std::string(20, 'N') + "=1"));
    EXPECT_FALSE(baum.definiere(std::string(21, 'N') + "=1"));
    EXPECT_TRUE(baum.definiere("F(" + std::string(20, 'V') + ")=1"));
    EXPECT_FALSE(baum.definiere("F(" + std::string(21, 'V') + ")=1"));
    std::string text = "L=" + std::string(18, '1');
    while (text.size() < 200)
        text += "+123456789";
    ASSERT_EQ(text.size(), 200u);
    EXPECT_TRUE(baum.definiere(text));
    EXPECT_FALSE(baum.definiere(text + " "));
    EXPECT_FALSE(baum.definiere(std::string(100000, 'A') + "=1"));
    EXPECT_FALSE(baum.definiere(""));
    EXPECT_FALSE(baum.definiere("=5"));
}

TEST(Fktbaum, Untersuche) {
    Tfktbaum baum;
    struct Fall {
        const char* text;
        bool ok;
        long double wert;
        const char* danach;
    };
    const Fall faelle[] = {
        {"3*4=", true, 12, "1,2e+1"}, {"F(X)=X+1", true, 0, ""},  {"F(2)=", true, 3, "3e+0"},
        {"3+4", false, 0, "3+4"},     {"2X=5", false, 0, "2X=5"}, {"3*4=5", false, 0, "3*4=5"},
        {"1/0=", false, 0, "1/0="},   {"=", false, 0, "="},
    };
    for (const Fall& f : faelle) {
        std::string t = f.text;
        long double w = -1;
        EXPECT_EQ(baum.untersuche(t, w), f.ok) << f.text;
        EXPECT_EQ(w, f.wert) << f.text;
        EXPECT_EQ(t, f.danach) << f.text;
    }
}

TEST(Fktbaum, Suchezeiger) {
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("F(X)=X"));
    const std::string liste = "F;G(X)=2*X;H;";
    std::size_t pos = 0;
    Tfktzelle* z = nullptr;
    ASSERT_TRUE(baum.suchezeiger(liste, pos, z));
    EXPECT_EQ(z->name, "F");
    ASSERT_TRUE(baum.suchezeiger(liste, pos, z)); // defines G on the way
    EXPECT_EQ(z->name, "G");
    EXPECT_FALSE(baum.suchezeiger(liste, pos, z)); // H unknown
    EXPECT_EQ(pos, 11u);

    pos = 0;
    ASSERT_TRUE(baum.suchezeiger("G;", pos, z));
    EXPECT_EQ(pos, std::string_view::npos); // ";" as last character ends the list
    EXPECT_FALSE(baum.suchezeiger("G;", pos, z));
    EXPECT_FALSE(baum.suchezeigerstr("", z));
    EXPECT_FALSE(baum.suchezeigerstr("K(X)=X+", z));
    EXPECT_EQ(baum.sucheeintrag("K"), -1);
}

// A spreadsheet defines one entry per cell; look-ups and long chains must stay cheap and safe.
TEST(Fktbaum, GrosseTabellenUndLangeKetten) {
    Tfktbaum baum;
    for (int i = 0; i < 100000; ++i)
        ASSERT_TRUE(baum.definiere("K" + std::to_string(i) + "=" + std::to_string(i)));
    EXPECT_EQ(baum.sucheeintrag("K99999"), 99999);
    EXPECT_EQ(wert_von(baum, "K99999"), 99999);
    std::string t = "K99999+K0=";
    long double w = 0;
    ASSERT_TRUE(baum.untersuche(t, w));
    EXPECT_EQ(w, 99999);

    Tfktbaum kette;
    ASSERT_TRUE(kette.definiere("A0=1"));
    for (int i = 1; i <= 20000; ++i)
        ASSERT_TRUE(kette.definiere("A" + std::to_string(i) + "=A" + std::to_string(i - 1) + "+1"));
    EXPECT_EQ(wert_von(kette, "A20000"), 20001);
    EXPECT_TRUE(kette.definiere("A0=2")); // redefinition at the bottom of a long chain
    EXPECT_EQ(wert_von(kette, "A20000"), 20002);
    EXPECT_FALSE(kette.definiere("A0=A20000"));
}

} // namespace

namespace {

// K0=1, K1=K0+K0, … each constant used twice by the next: 2^(n+1) evaluations unless every
// constant is computed once.
void verdopplungskette(Tfktbaum& baum, int n, const char* name) {
    ASSERT_TRUE(baum.definiere(std::string(name) + "0=1"));
    for (int i = 1; i <= n; ++i)
        ASSERT_TRUE(baum.definiere(std::string(name) + std::to_string(i) + "=" + name +
                                   std::to_string(i - 1) + "+" + name + std::to_string(i - 1)));
}

TEST(Fktbaum, KonstantenWerdenEinmalJeAenderungBerechnet) {
    Tfktbaum baum;
    verdopplungskette(baum, 40, "K");
    EXPECT_EQ(wert_von(baum, "K40"), 1099511627776.0L);
    // A change anywhere below is seen at once.
    ASSERT_TRUE(baum.definiere("K0=2"));
    EXPECT_EQ(wert_von(baum, "K40"), 2199023255552.0L);
    ASSERT_TRUE(baum.loesche_fkt("K20"));
    long double w = 0;
    EXPECT_FALSE(baum.fktberechnen("K40", 0, w));
    ASSERT_TRUE(baum.definiere("K20=1"));
    EXPECT_EQ(wert_von(baum, "K40"), 1048576.0L);
    // Functions of x are not constants: each call sees its own argument.
    ASSERT_TRUE(baum.definiere("F(X)=X*K0"));
    ASSERT_TRUE(baum.definiere("G(X)=F(X)+F(X+1)"));
    EXPECT_EQ(wert_von(baum, "G", 3), 14.0L);
    EXPECT_EQ(wert_von(baum, "G", 5), 22.0L);
}

TEST(Fktbaum, ExponentielleArbeitScheitertStattEwigZuLaufen) {
    // Functions cannot be cached; forty doublings would run for hours.
    Tfktbaum baum;
    ASSERT_TRUE(baum.definiere("F0(X)=X"));
    for (int i = 1; i <= 40; ++i)
        ASSERT_TRUE(baum.definiere("F" + std::to_string(i) + "(X)=F" + std::to_string(i - 1) +
                                   "(X)+F" + std::to_string(i - 1) + "(X)"));
    long double w = 7;
    EXPECT_FALSE(baum.fktberechnen("F40", 1, w));
    EXPECT_EQ(w, 0);
    // Work within the budget still computes.
    EXPECT_EQ(wert_von(baum, "F10", 1), 1024.0L);
}

} // namespace

// The primes window's texts without the window: prime test and factorisation, the sieve that
// lists whole ranges, set lines with their wrapping, gcd and lcm, and the entry cap.
#include "modules/algebra/primzahlrechnung.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace zol::primzahlen;

std::vector<std::string> zeilen(const Memotext& m) {
    std::vector<std::string> z;
    if (m.zeilen() == 0) return z;
    std::istringstream ein(m.text());
    for (std::string s; std::getline(ein, s);)
        z.push_back(s);
    return z;
}

// Appends a line to a memo text built by hand.
void anhaengen(std::string& text, const std::string& zeile) {
    if (!text.empty()) text += '\n';
    text += zeile;
}

TEST(Primzahlrechnung, PrimtestUndZerlegung) {
    struct Fall {
        std::int64_t k;
        bool prim;
        const char* zeile;
    };
    const Fall faelle[] = {
        {1, true, "1=  Primzahl"}, // 1 passes the test and is listed
        {2, true, "2=  Primzahl"}, // the divisor equal to the number does not count
        {3, true, "3=  Primzahl"},
        {4, false, "4=  2*2"},
        {7, true, "7=  Primzahl"},
        {12, false, "12=  2*2*3"},
        {49, false, "49=  7*7"},
        {91, false, "91=  7*13"},
        {96, false, "96=  2*2*2*2*2*3"},
        {97, true, "97=  Primzahl"},
        {961, false, "961=  31*31"},
        {536870912, false, "536870912=  2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2"},
        {999002449, false, "999002449=  31607*31607"}, // the largest prime square in range
        {999999937, true, "999999937=  Primzahl"},
        {999999999, false, "999999999=  3*3*3*3*37*333667"},
        {999999998, false, "999999998=  2*691*723589"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(ist_primzahl(f.k), f.prim) << f.k;
        EXPECT_EQ(zerlegung(f.k), f.zeile);
        // The sieve that lists ranges says the same.
        const Primseite s = primseite(f.k, f.k);
        EXPECT_EQ(s.faktoren.text(), f.zeile);
        EXPECT_EQ(s.primzahlen.text(), f.prim ? std::to_string(f.k) : "");
    }
}

TEST(Primzahlrechnung, SeitePrimzahlenVon1Bis30) {
    const Primseite s = primseite(1, 30);
    EXPECT_EQ(s.primzahlen.text(), "1\n2\n3\n5\n7\n11\n13\n17\n19\n23\n29");
    const std::vector<std::string> f = zeilen(s.faktoren);
    ASSERT_EQ(f.size(), 30u);
    EXPECT_EQ(f.front(), "1=  Primzahl");
    EXPECT_EQ(f.back(), "30=  2*3*5");
    EXPECT_FALSE(s.primzahlen.abgebrochen() || s.faktoren.abgebrochen());

    const std::vector<std::string> bis100 = zeilen(primseite(90, 100).faktoren);
    EXPECT_EQ(bis100, (std::vector<std::string>{"90=  2*3*3*5", "91=  7*13", "92=  2*2*23",
                                                "93=  3*31", "94=  2*47", "95=  5*19",
                                                "96=  2*2*2*2*2*3", "97=  Primzahl", "98=  2*7*7",
                                                "99=  3*3*11", "100=  2*2*5*5"}));
}

// The sieve against the literal trial division, at both ends of the fields' range and across
// block borders.
TEST(Primzahlrechnung, SiebGleichProbedivision) {
    for (const auto& [von, bis] :
         {std::pair<std::int64_t, std::int64_t>{1, 40000}, {999999000, 999999999}}) {
        const Primseite s = primseite(von, bis);
        std::string primzahlen, faktoren;
        for (std::int64_t k = von; k <= bis; ++k) {
            if (ist_primzahl(k)) anhaengen(primzahlen, std::to_string(k));
            anhaengen(faktoren, zerlegung(k));
        }
        EXPECT_EQ(s.primzahlen.text(), primzahlen) << von;
        EXPECT_EQ(s.faktoren.text(), faktoren) << von;
    }
}

TEST(Primzahlrechnung, BisKleinerAlsVon) {
    // The primes page still treats its first number; the set pages write nothing.
    const Primseite s = primseite(7, 3);
    EXPECT_EQ(s.primzahlen.text(), "7");
    EXPECT_EQ(s.faktoren.text(), "7=  Primzahl");
    EXPECT_EQ(primseite(10, 5).primzahlen.text(), "");
    EXPECT_EQ(primseite(10, 5).faktoren.text(), "10=  2*5");
    EXPECT_EQ(teilermengen(10, 5).text(), "");
    EXPECT_EQ(vielfachmengen(10, 5, 100).text(), "");
}

TEST(Primzahlrechnung, GgtUndKgv) {
    const Memotext m = ggt_kgv(6, 30, "6", "30");
    EXPECT_EQ(m.text(), "größter gemeinsamer Teiler\n"
                        "ggT(6;30)=6\n"
                        "kleinstes gemeinsames Vielfaches\n"
                        "kgV(6;30)=30\n"
                        "Teilermenge\n"
                        "T(6)=(1,2,3,6)\n"
                        "T(30)=(1,2,3,5,6,10,15,30)\n"
                        "Vielfachmenge\n"
                        "V(6)=(6,12,18,24,30)\n"
                        "V(30)=(30)");
    // The field texts stand in the lines as typed.
    EXPECT_EQ(zeilen(ggt_kgv(6, 30, "006", "30"))[1], "ggT(006;30)=6");
    // The lcm in 64 bits; its multiple sets reach the cap.
    const Memotext gross = ggt_kgv(65536, 65537, "65536", "65537");
    const std::vector<std::string> z = zeilen(gross);
    EXPECT_EQ(z[1], "ggT(65536;65537)=1");
    EXPECT_EQ(z[3], "kgV(65536;65537)=4295032832");
    EXPECT_TRUE(gross.abgebrochen());
    EXPECT_EQ(gross.eintraege(), hoechstens);
    const Memotext prim = ggt_kgv(999999937, 999999929, "999999937", "999999929");
    EXPECT_EQ(zeilen(prim)[3], "kgV(999999937;999999929)=999999866000004473");
    EXPECT_EQ(zeilen(prim)[8].substr(0, 35), "V(999999937)=(999999937,1999999874,");
    EXPECT_TRUE(prim.abgebrochen());
}

TEST(Primzahlrechnung, MengenzeilenWerdenUmbrochen) {
    Memotext t;
    teilermenge(5040, t);
    EXPECT_EQ(zeilen(t),
              (std::vector<std::string>{
                  "T(5040)=(1,2,3,4,5,6,7,8,9,10,12,14,15,16,18,20,21,24,28,30,35,36,40,42,45,48,"
                  "56,60,63,70,72,80,84,90",
                  ",105,112,120,126,140,144,168,180,210,240,252,280,315,336,360,420,504,560,630,"
                  "720,840,1008,1260,1680,2520",
                  ",5040)"}));
    // When the last element ends a line, ")" stands alone.
    Memotext v;
    vielfachmenge(1, 35, v);
    EXPECT_EQ(zeilen(v), (std::vector<std::string>{"V(1)=(1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,"
                                                   "17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,"
                                                   "32,33,34,35",
                                                   ")"}));
    // k above the bound still shows k.
    EXPECT_EQ(vielfachmengen(150, 150, 100).text(), "V(150)=(150)");
    EXPECT_EQ(vielfachmengen(4, 5, 12).text(), "V(4)=(4,8,12)\nV(5)=(5,10)");
    EXPECT_EQ(teilermengen(1, 4).text(), "T(1)=(1)\nT(2)=(1,2)\nT(3)=(1,3)\nT(4)=(1,2,4)");
    // Pairing divisors up to the root gives the same sets as trying every number.
    for (std::int64_t k : {1, 2, 36, 97, 5040, 720720, 997920}) {
        Memotext gepaart, alle;
        teilermenge(k, gepaart);
        std::string z = "T(" + std::to_string(k) + ")=(";
        std::string text;
        bool erstes = true;
        for (std::int64_t d = 1; d <= k; ++d) {
            if (k % d != 0) continue;
            if (!erstes) z += ',';
            z += std::to_string(d);
            erstes = false;
            if (z.size() > zeilenlaenge) {
                anhaengen(text, z);
                z.clear();
            }
        }
        anhaengen(text, z + ")");
        EXPECT_EQ(gepaart.text(), text) << k;
    }
    Memotext gross;
    teilermenge(999999937, gross);
    EXPECT_EQ(gross.text(), "T(999999937)=(1,999999937)");
}

// Inputs outside 1 ... 999999999 are taken as their nearest bound, so V(0) and V(-5) end.
TEST(Primzahlrechnung, EingabenAusserhalbDesBereichs) {
    EXPECT_EQ(vielfachmengen(0, 0, 5).text(), "V(1)=(1,2,3,4,5)");
    EXPECT_EQ(vielfachmengen(-5, -5, -5).text(), "V(1)=(1)");
    EXPECT_EQ(teilermengen(0, 0).text(), "T(1)=(1)");
    EXPECT_EQ(primseite(-3, 0).faktoren.text(), "1=  Primzahl");
    EXPECT_EQ(zeilen(ggt_kgv(0, 30, "0", "30"))[1], "ggT(0;30)=1");
}

TEST(Primzahlrechnung, HoechstensHunderttausendEintraege) {
    // Exactly at the cap is no cut-off; one entry more is.
    Memotext m(3);
    EXPECT_TRUE(m.eintragszeile("a"));
    m.zeile("Überschrift");
    EXPECT_TRUE(m.eintragszeile("b"));
    EXPECT_TRUE(m.eintragszeile("c"));
    EXPECT_FALSE(m.abgebrochen());
    EXPECT_FALSE(m.eintragszeile("d"));
    EXPECT_TRUE(m.abgebrochen());
    EXPECT_EQ(m.text(), "a\nÜberschrift\nb\nc");

    // A set cut off keeps its line so far, without ")"; a set not begun leaves no prefix.
    EXPECT_EQ(teilermengen(1, 3, 5).text(), "T(1)=(1)\nT(2)=(1,2)\nT(3)=(1,3)");
    EXPECT_FALSE(teilermengen(1, 3, 5).abgebrochen());
    const Memotext t = teilermengen(1, 4, 5);
    EXPECT_EQ(t.text(), "T(1)=(1)\nT(2)=(1,2)\nT(3)=(1,3)");
    EXPECT_TRUE(t.abgebrochen());
    EXPECT_EQ(vielfachmengen(1, 1, 100, 4).text(), "V(1)=(1,2,3,4");

    const Primseite s = primseite(1, 999999999);
    EXPECT_TRUE(s.faktoren.abgebrochen());
    EXPECT_TRUE(s.primzahlen.abgebrochen());
    EXPECT_EQ(zeilen(s.faktoren).back(), "100000=  2*2*2*2*2*5*5*5*5*5");
    EXPECT_EQ(s.faktoren.zeilen(), hoechstens);
    // 1 is the first entry, so the list ends at the 99999th prime.
    EXPECT_EQ(zeilen(s.primzahlen).back(), "1299689");
    EXPECT_EQ(s.primzahlen.zeilen(), hoechstens);
    const Primseite genau = primseite(1, 100000);
    EXPECT_FALSE(genau.faktoren.abgebrochen());
    EXPECT_EQ(genau.faktoren.zeilen(), hoechstens);

    const Memotext teiler = teilermengen(1, 999999999);
    EXPECT_TRUE(teiler.abgebrochen());
    EXPECT_EQ(teiler.eintraege(), hoechstens);
    EXPECT_NE(zeilen(teiler).back().back(), ')');
    const Memotext vielfache = vielfachmengen(1, 1, 999999999);
    EXPECT_TRUE(vielfache.abgebrochen());
    EXPECT_EQ(vielfache.eintraege(), hoechstens);
    // Divisor sets 1 ... 10000 stay below the cap.
    EXPECT_FALSE(teilermengen(1, 10000).abgebrochen());
}

} // namespace

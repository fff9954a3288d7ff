// The Fourier analysis' arithmetic: the default step function, a known trigonometric sum, the
// two-point table, the result lines, the ranges of M and N, refused intervals and tables, the
// function through a table and values that cannot be computed.
#include "modules/linalg/fourierrechnung.h"

#include "engine/hilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

using namespace zol;

long double sgn(long double x) {
    return x > 0 ? 1.0L : (x < 0 ? -1.0L : 0.0L);
}

// The window's default: a step of height 3 at x = 3,1415927 on 0 … 6,28.
const Reellefunktion stufe = [](long double x) { return 3 * sgn(x - 3.1415927L); };

Fourierreihe rechne(const Reellefunktion& f, Fourierauftrag auftrag) {
    Fourierreihe r;
    std::string fehler;
    EXPECT_TRUE(fourier_berechnen(f, auftrag, r, fehler)) << fehler;
    return r;
}

bool enthaelt(const std::vector<std::string>& zeilen, const std::string& z) {
    return std::find(zeilen.begin(), zeilen.end(), z) != zeilen.end();
}

void erwarte_relativ(long double ist, long double soll, long double toleranz, const char* was) {
    EXPECT_LE(std::fabs(ist - soll), toleranz * std::fabs(soll))
        << was << ": " << static_cast<double>(ist) << " statt " << static_cast<double>(soll);
}

TEST(Fourierrechnung, VorgabeStufe) {
    const Fourierreihe r = rechne(stufe, {0, 6.28L, 100, 4});
    ASSERT_EQ(r.glieder(), 4);
    // Odd k: close to -12/(k pi); even k: close to 0.
    for (int k = 1; k <= 4; ++k) {
        if (k % 2 == 1)
            erwarte_relativ(r.b[k], -12 / (k * pi_ld), 0.01L, "b ungerade");
        else
            EXPECT_LT(std::fabs(r.b[k]), 0.05L) << k;
    }
    const std::vector<std::string> z = fourier_zeilen(r, "0.00", "f(x)=3*sgn(x-3,1415927)");
    const std::vector<std::string> soll = {"f(x)=3*sgn(x-3,1415927)",
                                           "a0=-0,04",
                                           "a1(x)=0,04*cos(1,00*x)",
                                           "b1(x)=-3,82*sin(1,00*x)",
                                           "a2(x)=-0,04*cos(2,00*x)",
                                           "b2(x)=0,00*sin(2,00*x)",
                                           "a3(x)=0,04*cos(3,00*x)",
                                           "b3(x)=-1,27*sin(3,00*x)",
                                           "a4(x)=-0,04*cos(4,00*x)",
                                           "b4(x)=0,00*sin(4,00*x)",
                                           "AN(x)=a0/2+a1(x)+a2(x)+a3(x)+a4(x)",
                                           "BN(x)=b1(x)+b2(x)+b3(x)+b4(x)",
                                           "four(x)=AN(x)+BN(x)",
                                           "betrag1=3,82",
                                           "betrag2=0,04",
                                           "betrag3=1,27",
                                           "betrag4=0,04"};
    EXPECT_EQ(z, soll);
}

// The normalisation 2/(b - a): on an interval of length 2 pi it is the usual 1/pi, on [0, 1]
// the mean value of a straight line comes out right.
TEST(Fourierrechnung, BekannteReihen) {
    const Fourierreihe r =
        rechne([](long double x) { return std::sin(x) + 0.5L * std::cos(2 * x) + 1; },
               {0, 6.2831853L, 100, 2});
    erwarte_relativ(r.a[0], 2, 1e-6L, "a0");
    erwarte_relativ(r.b[1], 1, 1e-6L, "b1");
    erwarte_relativ(r.a[2], 0.5L, 1e-6L, "a2");
    EXPECT_LT(std::fabs(r.a[1]), 1e-6L);
    EXPECT_LT(std::fabs(r.b[2]), 1e-6L);
    const std::vector<std::string> z = fourier_zeilen(r, "0.00", "");
    for (const char* zeile : {"a0=2,00", "b1(x)=1,00*sin(1,00*x)", "a2(x)=0,50*cos(2,00*x)",
                              "a1(x)=0,00*cos(1,00*x)", "b2(x)=0,00*sin(2,00*x)"})
        EXPECT_TRUE(enthaelt(z, zeile)) << zeile;
    EXPECT_EQ(z.front(), "a0=2,00"); // no definition line without one

    // f(x) = x on [0, 1]: a0 = 1, ak = 0, bk = -1/(k pi).
    const Fourierreihe g = rechne(stueckweise_linear({{0, 0}, {1, 1}}), {0, 1, 100, 3});
    erwarte_relativ(g.a[0], 1, 1e-12L, "a0 Gerade");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_LT(std::fabs(g.a[k]), 1e-6L) << k;
        erwarte_relativ(g.b[k], -1 / (k * pi_ld), 1e-4L, "bk Gerade");
    }
    EXPECT_EQ(fourier_zeilen(g, "0.00", "")[0], "a0=1,00");

    // f(x) = x - 2 on [2, 4]: mean value 1, so a0 = 2.
    const Fourierreihe h = rechne(stueckweise_linear({{2, 0}, {4, 2}}), {2, 4, 100, 1});
    erwarte_relativ(h.a[0], 2, 1e-12L, "a0 verschoben");
    erwarte_relativ(h.omega, pi_ld, 1e-15L, "omega");
}

TEST(Fourierrechnung, EinGliedHatBNAllein) {
    const Fourierreihe r = rechne(stufe, {0, 6.28L, 100, 1});
    const std::vector<std::string> soll = {"a0=-0,04",
                                           "a1(x)=0,04*cos(1,00*x)",
                                           "b1(x)=-3,82*sin(1,00*x)",
                                           "AN(x)=a0/2+a1(x)",
                                           "BN(x)=b1(x)",
                                           "four(x)=AN(x)+BN(x)",
                                           "betrag1=3,82"};
    EXPECT_EQ(fourier_zeilen(r, "0.00", ""), soll);
}

// M and N are brought into 1 … 20 and 2 … 100000; the evaluations of f show the N used, the
// arrays the M.
TEST(Fourierrechnung, GliederUndSimpsonInIhrenBereichen) {
    struct Fall {
        int glieder, simpson;
        int m, n;
    };
    const Fall faelle[] = {{0, 1, 1, 2},           {-5, -5, 1, 2},     {1, 2, 1, 2},
                           {20, 100, 20, 100},     {21, 101, 20, 101}, {1000, 7, 20, 7},
                           {1, 1000000, 1, 100000}};
    for (const Fall& fall : faelle) {
        long long aufrufe = 0;
        const Reellefunktion zaehler = [&aufrufe](long double) {
            ++aufrufe;
            return 1.0L;
        };
        const Fourierreihe r = rechne(zaehler, {0, 1, fall.simpson, fall.glieder});
        EXPECT_EQ(r.glieder(), fall.m) << fall.glieder;
        EXPECT_EQ(r.a.size(), static_cast<std::size_t>(fall.m) + 1);
        EXPECT_EQ(r.b.size(), static_cast<std::size_t>(fall.m) + 1);
        // 2M + 1 integrals of N + 1 values each (an odd N takes one value less: N div 2 pairs).
        const long long werte = fall.n % 2 == 0 ? fall.n + 1 : fall.n;
        EXPECT_EQ(aufrufe, (2LL * fall.m + 1) * werte) << fall.simpson;
        // An odd N is used as the Simpson rule has it: N div 2 pairs, then f(b), so the
        // integral of 1 over [0, 1] is (N - 1)/N.
        const long double integral = fall.n % 2 == 0 ? 1.0L : (fall.n - 1.0L) / fall.n;
        erwarte_relativ(r.a[0], 2 * integral, 1e-12L, "a0 der Eins");
    }
}

TEST(Fourierrechnung, IntervallVonNichtUnterBisWirdAbgelehnt) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const std::pair<long double, long double> faelle[] = {
        {1, 1}, {2, 1}, {0, -6.28L}, {nan, 1}, {0, nan}, {-inf, 0}, {0, inf}};
    for (auto [a, b] : faelle) {
        Fourierreihe r;
        r.a = {7};
        std::string fehler;
        EXPECT_FALSE(fourier_berechnen(stufe, {a, b, 100, 4}, r, fehler));
        EXPECT_EQ(fehler, "Fehlerhafte Eingabe: „von:“ muss kleiner als „bis:“ sein.");
        EXPECT_EQ(r.a, std::vector<long double>{7}); // unchanged
    }
}

TEST(Fourierrechnung, TabellenpruefungVerlangtAufsteigendeX) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const std::string fehler = "Fehlerhafte Eingabe: Die Tabelle braucht mindestens zwei Punkte, "
                               "deren x-Werte von Zeile zu Zeile zunehmen.";
    struct Fall {
        const char* name;
        std::vector<Messpunkt> punkte;
        bool gut;
    };
    const Fall faelle[] = {
        {"leer", {}, false},
        {"ein Punkt", {{1, 2}}, false},
        {"zwei Punkte", {{0, 0}, {1, 1}}, true},
        {"gleiche x", {{0, 0}, {1, 1}, {1, 2}}, false},
        {"fallende x", {{0, 0}, {2, 1}, {1, 2}}, false},
        {"alle null", {{0, 0}, {0, 0}}, false},
        {"NaN", {{0, 0}, {nan, 1}}, false},
        {"unendlich", {{0, inf}, {1, 1}}, false},
        {"negativ aufsteigend", {{-3, 5}, {-2, 1}, {10, 0}}, true},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(punkte_pruefen(f.punkte), f.gut ? "" : fehler) << f.name;
}

// The binary search gives what scanning the rows in order gives.
TEST(Fourierrechnung, FunktionDurchDieTabelle) {
    const Reellefunktion f = stueckweise_linear({{0, 1}, {1, 3}, {3, -1}, {4, -1}});
    const std::pair<long double, long double> werte[] = {{0, 1},  {0.5L, 2},    {1, 3},  {2, 1},
                                                         {3, -1}, {3.5L, -1},   {4, -1}, {-1, 1},
                                                         {5, -1}, {0.25L, 1.5L}};
    for (auto [x, y] : werte)
        EXPECT_EQ(f(x), y) << static_cast<double>(x);

    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> schritt(0.01, 2), y(-5, 5), x(-1, 1200);
    std::vector<Messpunkt> p;
    long double xi = 0;
    for (int i = 0; i < 1000; ++i) {
        p.push_back({xi, y(zufall)});
        xi += schritt(zufall);
    }
    const Reellefunktion g = stueckweise_linear(p);
    for (int t = 0; t < 2000; ++t) {
        const long double s = x(zufall);
        long double soll = s <= p.front().x ? p.front().y : p.back().y;
        for (std::size_t i = 1; i < p.size(); ++i) {
            if (s == p[i].x) {
                soll = p[i].y;
                break;
            }
            if (p[i - 1].x < s && s < p[i].x) {
                soll =
                    p[i - 1].y + (p[i].y - p[i - 1].y) * (s - p[i - 1].x) / (p[i].x - p[i - 1].x);
                break;
            }
        }
        EXPECT_EQ(g(s), soll) << static_cast<double>(s);
    }
}

// A value that cannot be computed is never shown as a number.
TEST(Fourierrechnung, NichtBerechenbarerWertGibtNichtDefiniert) {
    const Reellefunktion wurzel = [](long double x) {
        return x < 0 ? std::numeric_limits<long double>::quiet_NaN() : std::sqrt(x);
    };
    const Fourierreihe r = rechne(wurzel, {-1, 1, 10, 1});
    EXPECT_TRUE(std::isnan(r.a[0]));
    const std::vector<std::string> z = fourier_zeilen(r, "0.00", "");
    EXPECT_EQ(z[0], "a0=n. d.");
    EXPECT_EQ(z[1], "a1(x)=n. d.*cos(3,14*x)");
    EXPECT_EQ(z.back(), "betrag1=n. d.");
}

TEST(Fourierrechnung, ZeilenOhneMinusNullUndImZahlenformat) {
    Fourierreihe r;
    r.omega = 0.5L;
    r.a = {-0.0L, -0.001L};
    r.b = {0, 2.25L};
    const std::vector<std::string> soll = {"a0=0,00",
                                           "a1(x)=0,00*cos(0,50*x)",
                                           "b1(x)=2,25*sin(0,50*x)",
                                           "AN(x)=a0/2+a1(x)",
                                           "BN(x)=b1(x)",
                                           "four(x)=AN(x)+BN(x)",
                                           "betrag1=2,25"};
    EXPECT_EQ(fourier_zeilen(r, "0.00", ""), soll);
    EXPECT_EQ(fourier_zeilen(r, "0.0E+0", "")[0], "a0=0,0E+0");
    EXPECT_EQ(fourier_zeilen(r, "0.000", "")[2], "b1(x)=2,250*sin(0,500*x)");
}

// The plot range shows the analysed interval and the function's values with a little room.
TEST(Fourierrechnung, Zeichenbereich) {
    struct Fall {
        const char* name;
        Reellefunktion f;
        long double a, b;
        Zeichenbereich soll;
    };
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const Fall faelle[] = {
        {"Stufe", stufe, 0, 6.28L, {0, 6.28L, 1, -4, 4, 1}},
        {"Konstante", [](long double) { return 2.0L; }, -1, 1, {-1, 1, 0.5L, 1, 3, 0.5L}},
        {"gross",
         [](long double x) { return 1000 * x; },
         0,
         100,
         {0, 100, 20, -20000, 120000, 20000}},
        {"teils undefiniert",
         [](long double x) { return x < 0 ? std::sqrt(x) : x; },
         -1,
         1,
         {-1, 1, 0.5L, -0.2L, 1.2L, 0.2L}},
        {"nirgends definiert", [nan](long double) { return nan; }, 0, 2, {0, 2, 0.5L, -1, 1, 1}},
    };
    for (const Fall& f : faelle) {
        const Zeichenbereich z = fourier_zeichenbereich(f.f, f.a, f.b);
        const long double ist[] = {z.xmin, z.xmax, z.xschritt, z.ymin, z.ymax, z.yschritt};
        const long double soll[] = {f.soll.xmin, f.soll.xmax, f.soll.xschritt,
                                    f.soll.ymin, f.soll.ymax, f.soll.yschritt};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(static_cast<double>(ist[i]), static_cast<double>(soll[i]),
                        1e-12 * std::max(1.0, std::fabs(static_cast<double>(soll[i]))))
                << f.name << " Wert " << i;
    }
}

} // namespace

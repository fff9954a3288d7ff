// Lines and parabolas as functions: every input form, the edge cases of slopes, zeros and
// intersections, refused inputs, and for every result line: the formula table takes it and its
// value is the right one.
#include "engine/fktbaum.h"
#include "modules/geometry/parabelrechnung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

namespace {

using namespace zol;

void nah(long double ist, long double soll, const std::string& was) {
    EXPECT_NEAR(static_cast<double>(ist), static_cast<double>(soll),
                1e-12 * std::max(1.0, std::fabs(static_cast<double>(soll))))
        << was;
}

// Defines every line without ";" in a fresh formula table and returns the value of each name
// at x (constants: their value). A refused line fails the test.
std::map<std::string, long double> werte_der_zeilen(const std::vector<std::string>& zeilen,
                                                    long double x) {
    Tfktbaum baum;
    std::map<std::string, long double> werte;
    for (const std::string& z : zeilen) {
        if (z.find(';') != std::string::npos) continue;
        EXPECT_TRUE(baum.definiere(z)) << z;
        std::string name = z.substr(0, z.find_first_of("=("));
        std::string gross = name;
        std::transform(gross.begin(), gross.end(), gross.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        long double w = NAN;
        EXPECT_TRUE(baum.fktberechnen(gross, x, w)) << z;
        werte[name] = w;
    }
    return werte;
}

Geradenangabe zwei_punkte(long double x1, long double y1, long double x2, long double y2) {
    Geradenangabe v;
    v.form = Geradenform::zwei_punkte;
    v.p1 = {x1, y1};
    v.p2 = {x2, y2};
    return v;
}

TEST(Geradenrechnung, AlleEingabeformen) {
    struct Fall {
        const char* name;
        Geradenangabe v;
        long double m, t;
        std::vector<std::string> zeilen;
    };
    Geradenangabe sp;
    sp.form = Geradenform::steigung_punkt;
    sp.m = -0.5L;
    sp.p1 = {2, 0};
    Geradenangabe ap;
    ap.form = Geradenform::abschnitt_punkt;
    ap.p1 = {2, 5};
    ap.t = 1;
    Geradenangabe sa;
    sa.form = Geradenform::steigung_abschnitt;
    sa.m = -1;
    sa.t = 2;
    Geradenangabe null_abschnitt = sa;
    null_abschnitt.m = 2;
    null_abschnitt.t = 0;
    const Fall faelle[] = {
        {"2 Punkte",
         zwei_punkte(0, 1, 2, 5),
         2,
         1,
         {";Geradengleichung:", "gerade(x)=2,00*x+1,00",
          ";Schnittpunkt mit der x-Achse:", "x=-0,50", ";Schnittpunkt mit der y-Achse:", "y=1,00",
          ";Winkel zwischen Gerade und x-Achse", "w=63,43"}},
        {"Steigung + Punkt",
         sp,
         -0.5L,
         1,
         {";Geradengleichung:", "gerade(x)=-0,50*x+1,00",
          ";Schnittpunkt mit der x-Achse:", "x=2,00", ";Schnittpunkt mit der y-Achse:", "y=1,00",
          ";Winkel zwischen Gerade und x-Achse", "w=153,43"}},
        {"y-Abschnitt + Punkt", ap, 2, 1, {}},
        {"y = -x + 2",
         sa,
         -1,
         2,
         {";Geradengleichung:", "gerade(x)=-1,00*x+2,00",
          ";Schnittpunkt mit der x-Achse:", "x=2,00", ";Schnittpunkt mit der y-Achse:", "y=2,00",
          ";Winkel zwischen Gerade und x-Achse", "w=135,00"}},
        // t = 0 keeps its "+": never "2,00*x0,00".
        {"t = 0",
         null_abschnitt,
         2,
         0,
         {";Geradengleichung:", "gerade(x)=2,00*x+0,00", ";Schnittpunkt mit der x-Achse:", "x=0,00",
          ";Schnittpunkt mit der y-Achse:", "y=0,00", ";Winkel zwischen Gerade und x-Achse",
          "w=63,43"}},
        // One-decimal points: t is a rounding remainder, counted as 0.
        {"Dezimalpunkte", zwei_punkte(0.1L, 0.3L, 0.2L, 0.6L), 3, 0, {}},
        {"waagerecht",
         zwei_punkte(1, 3, 4, 3),
         0,
         3,
         {";Geradengleichung:", "gerade(x)=0,00*x+3,00",
          ";Schnittpunkt mit der x-Achse:", ";Keiner, die Gerade ist parallel zur x-Achse.",
          ";Schnittpunkt mit der y-Achse:", "y=3,00", ";Winkel zwischen Gerade und x-Achse",
          "w=0,00"}},
        {"x-Achse",
         zwei_punkte(-1, 0, 4, 0),
         0,
         0,
         {";Geradengleichung:", "gerade(x)=0,00*x+0,00", ";Schnittpunkt mit der x-Achse:",
          ";Die Gerade ist die x-Achse.", ";Schnittpunkt mit der y-Achse:", "y=0,00",
          ";Winkel zwischen Gerade und x-Achse", "w=0,00"}},
        {"fallend, negatives t",
         zwei_punkte(0, -1, 1, -3),
         -2,
         -1,
         {";Geradengleichung:", "gerade(x)=-2,00*x-1,00",
          ";Schnittpunkt mit der x-Achse:", "x=-0,50", ";Schnittpunkt mit der y-Achse:", "y=-1,00",
          ";Winkel zwischen Gerade und x-Achse", "w=116,57"}},
    };
    for (const Fall& f : faelle) {
        Geradengleichung g;
        std::string fehler;
        ASSERT_TRUE(gerade_bestimmen(f.v, g, fehler)) << f.name;
        nah(g.m, f.m, f.name);
        nah(g.t, f.t, f.name);
        const std::vector<std::string> zeilen = geradenzeilen(g, "0.00");
        if (!f.zeilen.empty()) {
            EXPECT_EQ(zeilen, f.zeilen) << f.name;
        }
        // Every definition is taken and has the value it shows.
        const auto w = werte_der_zeilen(zeilen, 3);
        nah(w.at("gerade"), g.m * 3 + g.t, f.name);
        nah(w.at("y"), g.t, f.name);
        long double x0 = 0;
        if (gerade_nullstelle(g, x0)) {
            nah(w.at("x"), std::round(x0 * 100) / 100, f.name);
        } else {
            EXPECT_EQ(w.count("x"), 0u) << f.name;
        }
    }
}

TEST(Geradenrechnung, FehlerhafteEingabe) {
    Geradenangabe ap;
    ap.form = Geradenform::abschnitt_punkt;
    ap.p1 = {0, 5};
    ap.t = 1;
    Geradenangabe gross;
    gross.form = Geradenform::steigung_punkt;
    gross.m = 1e4000L;
    gross.p1 = {-1e4000L, 1e4000L};
    const std::pair<const char*, Geradenangabe> faelle[] = {
        {"senkrecht", zwei_punkte(1, 0, 1, 5)},
        {"senkrecht gerundet", zwei_punkte(0.1L + 0.2L, 0, 0.3L, 1)},
        {"Punkt auf der y-Achse", ap},
        {"nicht endlich", gross},
    };
    for (const auto& [name, v] : faelle) {
        Geradengleichung g{7, 8};
        std::string fehler;
        EXPECT_FALSE(gerade_bestimmen(v, g, fehler)) << name;
        EXPECT_EQ(fehler, "Fehlerhafte Eingabe") << name;
        EXPECT_EQ(g.m, 7) << name;
    }
}

TEST(Geradenrechnung, Steigungswinkel) {
    const std::pair<long double, long double> faelle[] = {
        {0, 0}, {1, 45}, {-1, 135}, {2, 63.43494882292201L}, {-1e-30L, 0}, {1e30L, 90}};
    for (const auto& [m, w] : faelle)
        nah(steigungswinkel({m, 0}), w, std::to_string(static_cast<double>(m)));
}

Parabelangabe drei_punkte(Vektor2 a, Vektor2 b, Vektor2 c) {
    Parabelangabe v;
    v.form = Parabelform::drei_punkte;
    v.p1 = a;
    v.p2 = b;
    v.p3 = c;
    return v;
}

TEST(Parabelrechnung, AlleEingabeformen) {
    struct Fall {
        const char* name;
        Parabelangabe v;
        long double a, b, c;
    };
    Parabelangabe ff;
    ff.form = Parabelform::formfaktor_zwei_punkte;
    ff.a = 1;
    ff.p1 = {1, 0};
    ff.p2 = {3, 0};
    Parabelangabe sf;
    sf.form = Parabelform::scheitelform;
    sf.a = 2;
    sf.xs = -1;
    sf.ys = 3;
    Parabelangabe af;
    af.form = Parabelform::allgemein;
    af.a = 0.5L;
    af.b = -1;
    af.c = 2;
    Parabelangabe lf;
    lf.form = Parabelform::linearfaktoren;
    lf.a = -1;
    lf.x1 = 2;
    lf.x2 = 3;
    const Fall faelle[] = {
        {"3 Punkte", drei_punkte({0, 3}, {1, 0}, {3, 0}), 1, -4, 3},
        {"3 Punkte symmetrisch", drei_punkte({-1, 0}, {1, 0}, {0, -1}), 1, 0, -1},
        {"Formfaktor + 2 Punkte", ff, 1, -4, 3},
        {"Scheitelform", sf, 2, 4, 5},
        {"Allgemeine Form", af, 0.5L, -1, 2},
        {"Linearfaktoren", lf, -1, 5, -6},
    };
    for (const Fall& f : faelle) {
        Parabelgleichung p;
        std::string fehler;
        ASSERT_TRUE(parabel_bestimmen(f.v, p, fehler)) << f.name;
        nah(p.a, f.a, f.name);
        nah(p.b, f.b, f.name);
        nah(p.c, f.c, f.name);
    }
}

TEST(Parabelrechnung, AbgelehnteEingaben) {
    Parabelangabe ff;
    ff.form = Parabelform::formfaktor_zwei_punkte;
    ff.a = 1;
    ff.p1 = {2, 0};
    ff.p2 = {2, 5};
    Parabelangabe ff0 = ff;
    ff0.a = 0;
    ff0.p2 = {3, 1};
    Parabelangabe af;
    af.form = Parabelform::allgemein;
    af.a = 0;
    Parabelangabe sf;
    sf.form = Parabelform::scheitelform;
    sf.a = 0;
    const std::tuple<const char*, Parabelangabe, const char*> faelle[] = {
        {"zwei Punkte mit einem x", drei_punkte({1, 0}, {1, 2}, {3, 0}), "Gleichung nicht lösbar"},
        {"Formfaktor, gleiche x", ff, "Gleichung nicht lösbar"},
        {"Punkte auf einer Geraden", drei_punkte({0, 0}, {1, 1}, {2, 2}), "Fehlerhafte Eingabe"},
        {"Dezimalpunkte auf einer Geraden", drei_punkte({0.1L, 0.3L}, {0.2L, 0.6L}, {0.3L, 0.9L}),
         "Fehlerhafte Eingabe"},
        {"Formfaktor 0", ff0, "Fehlerhafte Eingabe"},
        {"a = 0", af, "Fehlerhafte Eingabe"},
        {"Scheitelform a = 0", sf, "Fehlerhafte Eingabe"},
    };
    for (const auto& [name, v, meldung] : faelle) {
        Parabelgleichung p{7, 8, 9};
        std::string fehler;
        EXPECT_FALSE(parabel_bestimmen(v, p, fehler)) << name;
        EXPECT_EQ(fehler, meldung) << name;
        EXPECT_EQ(p.a, 7) << name;
    }
    // A small but honest a stays.
    Parabelgleichung p;
    std::string fehler;
    EXPECT_TRUE(parabel_bestimmen(drei_punkte({0, 0}, {1000, 1}, {2000, 4}), p, fehler));
    nah(p.a, 1e-6L, "kleines a");
}

TEST(Parabelrechnung, ZeilenUndIhreWerte) {
    struct Fall {
        const char* name;
        Parabelgleichung p;
        std::vector<std::string> zeilen;
        long double x;    // every function line is evaluated here
        long double wert; // and gives this
    };
    const Fall faelle[] = {
        {"drei Punkte",
         {1, -4, 3},
         {"poly(x)=1,00*x^2-4,00*x+3,00", "Paraline(x)=1,00*(x-3,00)*(x-1,00)",
          "Parascheit(x)=1,00*(x-2,00)^2-1,00"},
         2,
         -1},
        {"Scheitel im Ursprung",
         {1, 0, -1},
         {"poly(x)=1,00*x^2+0,00*x-1,00", "Paraline(x)=1,00*(x-1,00)*(x+1,00)",
          "Parascheit(x)=1,00*(x+0,00)^2-1,00"},
         3,
         8},
        {"ohne Nullstellen",
         {1, 0, 1},
         {"poly(x)=1,00*x^2+0,00*x+1,00", "Parascheit(x)=1,00*(x+0,00)^2+1,00"},
         2,
         5},
        {"nach unten offen",
         {-1, 5, -6},
         {"poly(x)=-1,00*x^2+5,00*x-6,00", "Paraline(x)=-1,00*(x-2,00)*(x-3,00)",
          "Parascheit(x)=-1,00*(x-2,50)^2+0,25"},
         4,
         -2},
        {"doppelte Nullstelle",
         {1, -2, 1},
         {"poly(x)=1,00*x^2-2,00*x+1,00", "Paraline(x)=1,00*(x-1,00)*(x-1,00)",
          "Parascheit(x)=1,00*(x-1,00)^2+0,00"},
         3,
         4},
    };
    for (const Fall& f : faelle) {
        const Parabelergebnis e = parabel_auswerten(f.p);
        const std::vector<std::string> zeilen = parabelzeilen(e, "0.00");
        EXPECT_EQ(zeilen, f.zeilen) << f.name;
        for (const auto& [name, w] : werte_der_zeilen(zeilen, f.x))
            nah(w, f.wert, std::string(f.name) + " " + name);
    }
}

TEST(Parabelrechnung, ScheitelUndNullstellen) {
    Parabelergebnis e = parabel_auswerten({1, 0, -1});
    nah(e.xs, 0, "xs");
    nah(e.ys, -1, "ys");
    ASSERT_TRUE(e.hat_nullstellen);
    nah(e.x1, 1, "x1"); // (−b + √D)/(2a)
    nah(e.x2, -1, "x2");
    e = parabel_auswerten({1, 0, 1});
    EXPECT_FALSE(e.hat_nullstellen);
    // A discriminant that is a rounding remainder is a double root.
    e = parabel_auswerten({0.01L, -0.2L, 1});
    ASSERT_TRUE(e.hat_nullstellen);
    nah(e.x1, 10, "doppelt");
    nah(e.x2, 10, "doppelt");
    // Far apart zeros both keep their digits.
    e = parabel_auswerten({1, -1e8L, 1});
    ASSERT_TRUE(e.hat_nullstellen);
    nah(e.x1, 1e8L, "groß");
    nah(e.x2, 1e-8L, "klein");
    // For a < 0 the order of the formula stays: x1 = (−b + √D)/(2a).
    e = parabel_auswerten({-1, 5, -6});
    nah(e.x1, 2, "x1 a<0");
    nah(e.x2, 3, "x2 a<0");
}

TEST(Parabelrechnung, SchnittMitGerade) {
    struct Fall {
        const char* name;
        Parabelgleichung p;
        Geradengleichung g;
        std::vector<std::string> zeilen;
    };
    const Fall faelle[] = {
        {"zwei Schnittpunkte",
         {1, -2, -3},
         {1, 1},
         {";Geradengleichung:", "g(x)=1,00*x+1,00", ";Schnittpunkte:", "x1=4,00", "x2=-1,00",
          ";Winkel zwischen Gerade und x-Achse", "alpha1=35,54", "alpha2=59,04"}},
        {"waagerechte Gerade",
         {1, 0, 0},
         {0, 1},
         {";Geradengleichung:", "g(x)=0,00*x+1,00", ";Schnittpunkte:", "x1=1,00", "x2=-1,00",
          ";Winkel zwischen Gerade und x-Achse", "alpha1=63,43", "alpha2=63,43"}},
        {"Tangente",
         {1, 0, 0},
         {2, -1},
         {";Geradengleichung:", "g(x)=2,00*x-1,00", ";Schnittpunkte:", "x1=1,00", "x2=1,00",
          ";Winkel zwischen Gerade und x-Achse", "alpha1=0,00", "alpha2=0,00"}},
        {"senkrecht aufeinander",
         {1, 0, 0},
         {-0.5L, 1.5L},
         {";Geradengleichung:", "g(x)=-0,50*x+1,50", ";Schnittpunkte:", "x1=1,00", "x2=-1,50",
          ";Winkel zwischen Gerade und x-Achse", "alpha1=90,00", "alpha2=45,00"}},
        {"kein Schnittpunkt",
         {1, 0, 0},
         {0, -1},
         {";Geradengleichung:", "g(x)=0,00*x-1,00", ";Schnittpunkte:", ";Keine Schnittpunkte"}},
    };
    for (const Fall& f : faelle) {
        const Parabelgeradenschnitt s = parabel_gerade(f.p, f.g);
        const std::vector<std::string> zeilen = schnittzeilen(f.g, s, "0.00");
        EXPECT_EQ(zeilen, f.zeilen) << f.name;
        const auto w = werte_der_zeilen(zeilen, 2);
        nah(w.at("g"), f.g.m * 2 + f.g.t, f.name);
        if (s.hat_schnittpunkte) {
            nah(w.at("x1"), std::round(s.s1.x * 100) / 100, f.name);
            nah(w.at("alpha2"), std::round(s.alpha2 * 100) / 100, f.name);
            // The points lie on both curves.
            for (Vektor2 q : {s.s1, s.s2}) {
                nah(q.y, f.p.a * q.x * q.x + f.p.b * q.x + f.p.c, f.name);
                nah(q.y, f.g.m * q.x + f.g.t, f.name);
            }
        }
    }
}

} // namespace

namespace {

using namespace zol;

// The plot shows what the windows compute: intersections, vertex and zeros lie inside.
TEST(Parabelrechnung, Zeichenrahmen) {
    const Parabelgleichung p{1, -2, -3};
    const Geradengleichung g{1, 1};
    const Zeichenrahmen s = schnittrahmen(parabel_auswerten(p), g, parabel_gerade(p, g));
    EXPECT_EQ(s.xmin, -2);
    EXPECT_EQ(s.xmax, 5);
    EXPECT_EQ(s.xschritt, 1);
    EXPECT_EQ(s.ymin, -6);
    EXPECT_EQ(s.ymax, 6);
    EXPECT_EQ(s.yschritt, 2);
    // y = x²: the vertex alone would give a tiny range; the points beside it open it up.
    const Zeichenrahmen q = parabelrahmen(parabel_auswerten({1, 0, 0}));
    EXPECT_EQ(q.xmin, -3);
    EXPECT_EQ(q.xmax, 3);
    EXPECT_EQ(q.ymax, 5);
    const Zeichenrahmen r = geradenrahmen({-0.5L, 3});
    EXPECT_LE(r.xmin, 0);
    EXPECT_GE(r.xmax, 6);
    EXPECT_GE(r.ymax, 3);
}

} // namespace

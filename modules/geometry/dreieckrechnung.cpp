#include "modules/geometry/dreieckrechnung.h"

#include "engine/zahlformat.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace zol {

namespace {

constexpr long double pi = std::numbers::pi_v<long double>;

long double bogen(long double grad) {
    return grad * pi / 180;
}
long double grad(long double bogenmass) {
    return bogenmass * 180 / pi;
}
long double sin_grad(long double w) {
    return std::sin(bogen(w));
}

const char* const meldung_arcsin = "Dreieck kann nicht berechnet werden 1.";
const char* const meldung_arccos = "Dreieck kann nicht berechnet werden 2.";
const char* const meldung_allgemein = "Dreieck kann nicht berechnet werden. ";

// The case labels by the set of given quantities (bit i for Dreiecksgroesse i).
struct Fall {
    unsigned maske;
    const char* text;
};
constexpr unsigned bit(Dreiecksgroesse g) {
    return 1u << static_cast<unsigned>(g);
}
constexpr unsigned A = bit(Dreiecksgroesse::a), B = bit(Dreiecksgroesse::b),
                   C = bit(Dreiecksgroesse::c), AL = bit(Dreiecksgroesse::alpha),
                   BE = bit(Dreiecksgroesse::beta), GA = bit(Dreiecksgroesse::gamma);
constexpr Fall faelle[] = {
    {A | B | C, " Seite - Seite - Seite "},     {A | B | GA, " Seite - Winkel - Seite "},
    {A | C | BE, " Seite - Winkel - Seite "},   {B | C | AL, " Seite - Winkel - Seite "},
    {A | B | AL, " Seite - Seite - Winkel "},   {B | C | BE, " Seite - Seite - Winkel "},
    {A | C | GA, " Seite - Seite - Winkel "},   {A | B | BE, "Winkel- Seite - Seite "},
    {B | C | GA, " Winkel - Seite - Seite  "},  {A | C | AL, " Winkel - Seite - Seite  "},
    {C | AL | BE, " Winkel - Seite - Winkel "}, {A | BE | GA, " Winkel - Seite - Winkel "},
    {B | AL | GA, " Winkel - Seite - Winkel "}, {B | AL | BE, " Seite - Winkel - Winkel "},
    {C | BE | GA, " Seite - Winkel - Winkel "}, {A | AL | GA, " Seite - Winkel - Winkel "},
    {A | AL | BE, " Winkel - Winkel - Seite"},  {B | BE | GA, " Winkel - Winkel - Seite "},
    {C | AL | GA, " Winkel - Winkel - Seite"},
};

// Solves in place; index k of s and w are the side and the angle opposite each other.
class Loeser {
public:
    std::array<long double, 3> s{};
    std::array<long double, 3> w{};
    std::vector<std::string>& meldungen;
    bool fehler = false;

    explicit Loeser(std::vector<std::string>& m) : meldungen(m) {}

    // A ratio that misses [−1, 1] by more than rounding means the data fit no triangle; within
    // rounding it is clamped (1,0000000000000002 from a right angle).
    long double arcsin(long double x) {
        if (!ausserhalb(x, meldung_arcsin)) return grad(asin_begrenzt(x));
        return 0;
    }
    long double arccos(long double x) {
        if (!ausserhalb(x, meldung_arccos)) return grad(acos_begrenzt(x));
        return 0;
    }

    // The angle opposite side k from the three sides (law of cosines).
    long double winkel_gegenueber(int k) {
        const long double p = s[andere1(k)], q = s[andere2(k)];
        return arccos((p * p + q * q - s[k] * s[k]) / (2 * p * q));
    }
    static int andere1(int k) { return (k + 1) % 3; }
    static int andere2(int k) { return (k + 2) % 3; }

private:
    bool ausserhalb(long double x, const char* text) {
        if (!(std::fabs(x) > 1 + geo_toleranz)) return false; // NaN fails later, unnamed
        meldungen.emplace_back(text);
        fehler = true;
        return true;
    }
};

// Three sides.
void seite_seite_seite(Loeser& l) {
    l.w[0] = l.winkel_gegenueber(0);
    if (!l.fehler) l.w[1] = l.winkel_gegenueber(1);
    l.w[2] = 180 - l.w[0] - l.w[1];
}

// Sides i and j and the angle k between them. The third side from the law of cosines; the angle
// opposite the longer given side from the law of cosines too, since only arccos tells an obtuse
// angle from its supplement.
void seite_winkel_seite(Loeser& l, int k) {
    const int i = Loeser::andere1(k), j = Loeser::andere2(k);
    const long double q =
        l.s[i] * l.s[i] + l.s[j] * l.s[j] - 2 * l.s[i] * l.s[j] * std::cos(bogen(l.w[k]));
    l.s[k] = std::sqrt(std::max(q, 0.0L));
    const int laenger = std::fabs(l.s[i]) >= std::fabs(l.s[j]) ? i : j;
    const int kuerzer = laenger == i ? j : i;
    l.w[laenger] = l.winkel_gegenueber(laenger);
    l.w[kuerzer] = 180 - l.w[k] - l.w[laenger];
}

// Sides i and j and the angle opposite i: the angle opposite j by the law of sines (the solution
// of at most 90°), then the rest.
void seite_seite_winkel(Loeser& l, int i, int j) {
    const int m = 3 - i - j;
    l.w[j] = l.arcsin(l.s[j] * sin_grad(l.w[i]) / l.s[i]);
    l.w[m] = 180 - l.w[i] - l.w[j];
    l.s[m] = l.s[i] * sin_grad(l.w[m]) / sin_grad(l.w[i]);
}

// Side g and two angles: the third angle, then the sides by the law of sines.
void seite_zwei_winkel(Loeser& l, int g, int fehlender_winkel) {
    l.w[fehlender_winkel] =
        180 - l.w[Loeser::andere1(fehlender_winkel)] - l.w[Loeser::andere2(fehlender_winkel)];
    for (int k = 0; k < 3; ++k)
        if (k != g) l.s[k] = l.s[g] * sin_grad(l.w[k]) / sin_grad(l.w[g]);
}

// A proper triangle: finite, positive sides, angles strictly between 0° and 180°, positive
// area. Then the derived values.
bool abschliessen(const Loeser& l, Dreieck& d) {
    long double groesste = 0;
    for (int k = 0; k < 3; ++k) {
        if (!(std::isfinite(l.s[k]) && l.s[k] > 0)) return false;
        if (!(std::isfinite(l.w[k]) && l.w[k] > 0 && l.w[k] < 180)) return false;
        if (fast_null(l.w[k], 180) || fast_gleich(l.w[k], 180)) return false;
        groesste = std::max(groesste, l.s[k]);
    }
    d.seite = l.s;
    d.winkel = l.w;
    const long double a = l.s[0], b = l.s[1], c = l.s[2];
    const long double sa = sin_grad(l.w[0]), sb = sin_grad(l.w[1]), sg = sin_grad(l.w[2]);
    d.flaeche = a * b * sg / 2;
    if (!(std::isfinite(d.flaeche) && d.flaeche > 0) || fast_null(d.flaeche, groesste * groesste))
        return false;
    d.umfang = a + b + c;
    d.hoehe_a = c * sb;
    d.hoehe_b = c * sa;
    d.hoehe_c = b * sa;
    d.umkreisradius = c / (2 * sg);
    // Equal to c·tan(α/2)·tan(β/2) / (tan(α/2) + tan(β/2)), without a tangent's pole.
    d.inkreisradius = 2 * d.flaeche / d.umfang;
    for (long double v :
         {d.umfang, d.hoehe_a, d.hoehe_b, d.hoehe_c, d.umkreisradius, d.inkreisradius})
        if (!(std::isfinite(v) && v > 0)) return false;
    return true;
}

void fertig(Dreiecksloesung& r, const Loeser& l) {
    if (!l.fehler && abschliessen(l, r.dreieck)) {
        r.berechnet = true;
        return;
    }
    r.berechnet = false;
    r.fall.clear();
    r.dreieck = {};
    r.meldungen.emplace_back(meldung_allgemein);
}

} // namespace

Dreiecksloesung dreieck_aus_groessen(const std::array<long double, dreiecksgroessen>& werte) {
    Dreiecksloesung r;
    Loeser l(r.meldungen);
    unsigned maske = 0;
    for (int i = 0; i < dreiecksgroessen; ++i)
        if (werte[static_cast<std::size_t>(i)] != 0) maske |= 1u << i;
    for (int k = 0; k < 3; ++k) {
        l.s[static_cast<std::size_t>(k)] = werte[static_cast<std::size_t>(k)];
        l.w[static_cast<std::size_t>(k)] = werte[static_cast<std::size_t>(k) + 3];
    }
    const Fall* fall = std::find_if(std::begin(faelle), std::end(faelle),
                                    [maske](const Fall& f) { return f.maske == maske; });
    const bool endlich =
        std::all_of(werte.begin(), werte.end(), [](long double w) { return std::isfinite(w); });
    if (fall == std::end(faelle) || !endlich) {
        l.fehler = true;
        fertig(r, l);
        return r;
    }
    r.fall = fall->text;
    const unsigned seiten = maske & 7u, winkel = maske >> 3;
    const int anzahl_seiten = std::popcount(seiten);
    if (anzahl_seiten == 3) {
        seite_seite_seite(l);
    } else if (anzahl_seiten == 2) {
        const int k = std::countr_zero(winkel);
        if ((seiten & (1u << k)) == 0) {
            seite_winkel_seite(l, k);
        } else {
            const int j = std::countr_zero(seiten & ~(1u << k));
            seite_seite_winkel(l, k, j);
        }
    } else {
        seite_zwei_winkel(l, std::countr_zero(seiten), std::countr_zero(~winkel & 7u));
    }
    fertig(r, l);
    if (r.berechnet) {
        const Dreieck& d = r.dreieck;
        r.ecken = {Vektor2{0, 0}, Vektor2{d.seite[2], 0},
                   Vektor2{d.seite[1] * std::cos(bogen(d.winkel[0])),
                           d.seite[1] * std::sin(bogen(d.winkel[0]))}};
    }
    return r;
}

Dreiecksloesung dreieck_aus_ecken(Vektor2 a, Vektor2 b, Vektor2 c) {
    Dreiecksloesung r;
    Loeser l(r.meldungen);
    l.s = {laenge(c - b), laenge(c - a), laenge(b - a)};
    const long double skala = std::max({laenge(a), laenge(b), laenge(c), l.s[0], l.s[1], l.s[2]});
    if (std::any_of(l.s.begin(), l.s.end(),
                    [skala](long double s) { return fast_null(s, skala); })) {
        l.fehler = true;
    } else {
        r.fall = " Dreieck im Koordinatensystem ";
        seite_seite_seite(l);
    }
    fertig(r, l);
    if (r.berechnet) r.ecken = {a, b, c};
    return r;
}

std::vector<std::string> dreieckszeilen(const Dreiecksloesung& loesung, std::string_view bild) {
    if (!loesung.berechnet) return {};
    const Dreieck& d = loesung.dreieck;
    const std::pair<const char*, long double> werte[] = {
        {"Seite_a=", d.seite[0]},
        {"Seite_b=", d.seite[1]},
        {"Seite_c=", d.seite[2]},
        {"Alpha=", d.winkel[0]},
        {"Beta=", d.winkel[1]},
        {"Gamma=", d.winkel[2]},
        {"hoehe_a=", d.hoehe_a},
        {"hoehe_b=", d.hoehe_b},
        {"hoehe_c=", d.hoehe_c},
        {"Umfang=", d.umfang},
        {"Fläche=", d.flaeche},
        {"Umkreisradius=", d.umkreisradius},
        {"Innkreisradius=", d.inkreisradius},
    };
    std::vector<std::string> zeilen{loesung.fall};
    for (const auto& [name, wert] : werte)
        zeilen.push_back(name + format(bild, wert));
    return zeilen;
}

namespace {

// About five ticks: 1, 2 or 5 times a power of ten.
long double schritt_fuer(long double spanne) {
    const long double roh = spanne / 5;
    if (!(roh > 0 && std::isfinite(roh))) return 1;
    const long double zehner = std::pow(10.0L, std::floor(std::log10(roh)));
    for (long double f : {1.0L, 2.0L, 5.0L})
        if (f * zehner >= roh) return f * zehner;
    return 10 * zehner;
}

} // namespace

Dreiecksbereich dreiecksbereich(const std::array<Vektor2, 3>& ecken, long double breite,
                                long double hoehe) {
    Dreiecksbereich z;
    long double xmin = ecken[0].x, xmax = xmin, ymin = ecken[0].y, ymax = ymin;
    for (const Vektor2& p : ecken) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    if (!(std::isfinite(xmin) && std::isfinite(xmax) && std::isfinite(ymin) && std::isfinite(ymax)))
        return z;
    z.xmin = std::floor(xmin);
    z.xmax = std::ceil(xmax);
    z.ymin = std::floor(ymin);
    z.ymax = std::ceil(ymax);
    if (z.xmax <= z.xmin) z.xmax = z.xmin + 1;
    if (z.ymax <= z.ymin) z.ymax = z.ymin + 1;
    if (breite > 0 && hoehe > 0) {
        // Units per millimetre must agree: widen the direction that has fewer.
        const long double je_mm_x = (z.xmax - z.xmin) / breite;
        const long double je_mm_y = (z.ymax - z.ymin) / hoehe;
        if (je_mm_x > je_mm_y) {
            const long double mehr = je_mm_x * hoehe - (z.ymax - z.ymin);
            z.ymin -= mehr / 2;
            z.ymax += mehr / 2;
        } else {
            const long double mehr = je_mm_y * breite - (z.xmax - z.xmin);
            z.xmin -= mehr / 2;
            z.xmax += mehr / 2;
        }
    }
    z.xskala = schritt_fuer(z.xmax - z.xmin);
    z.yskala = schritt_fuer(z.ymax - z.ymin);
    return z;
}

} // namespace zol

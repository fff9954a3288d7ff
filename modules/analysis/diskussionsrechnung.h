#pragma once
// The curve discussion's arithmetic, free of the window: the function is sampled on N equal
// intervals, candidate intervals are picked from sign and shape changes of the samples, and each
// candidate is narrowed by interval halving until the tolerance or the iteration limit is reached.
//
// Samples whose evaluation failed are never candidates for zeros, extreme points or inflection
// points; points inside a refinement are used with whatever value the evaluation gives.
// A range without width (xmin = xmax) or with a width that is not finite finds nothing.
//
// Halving stops where the arithmetic cannot tell the points apart any more (a few units in the
// last place of x for zeros, more for extreme and inflection points, which are found from
// differences of values), however small the tolerance. A refinement whose interval is still
// wider than the point it estimates (a range of ±1E300 with 30 halvings) gives no point; the
// functions below then set *zu_grob, when given, so the caller can say the input is out of reach.
#include <functional>
#include <string>
#include <vector>

namespace zol {

class tfunktion;

// One evaluation: the value and whether it succeeded (a failure gives the value 0).
struct Funktionswert {
    long double wert = 0;
    bool gueltig = false;
};
using Diskussionsfunktion = std::function<Funktionswert(long double)>;

// A compiled formula as a discussion function (funktionsberechnung).
Diskussionsfunktion als_diskussionsfunktion(const tfunktion& f);

// The sample arrays hold N + 1 points; N is brought into 1 … max_intervalle.
inline constexpr int max_intervalle = 1000;

struct Abtastung {
    std::vector<long double> x;
    std::vector<long double> y;
    std::vector<bool> gueltig;
    long double schritt = 0;

    int intervalle() const { return static_cast<int>(x.size()) - 1; }
};

// h = (xmax - xmin)/N; x starts at xmin and grows by repeated addition of h.
Abtastung abtasten(const Diskussionsfunktion& f, long double xmin, long double xmax,
                   int intervalle);

struct Iterationsgrenzen {
    long double toleranz = 1e-4L; // compared with the width of the search interval in x
    int grenze = 30;              // most halving steps per candidate
};

struct Diskussionspunkt {
    enum Art { punkt, minimum, maximum };
    long double x = 0;
    long double y = 0;
    Art art = punkt; // extreme points only
    // The refinement ended with its counter at the limit (not for a zero hit by a sample).
    bool grenzeErreicht = false;
    // Found by a refinement; false for a zero hit by a sample.
    bool verfeinert = false;
};
using Diskussionspunkte = std::vector<Diskussionspunkt>;

// Zeros: a sample that is exactly 0 is a zero (the next two intervals are skipped); an interval
// rising to a positive or falling to a negative value is halved, and dropped as soon as the
// midpoint's value grows beyond the end of the same sign. A midpoint value of exactly 0 moves
// neither end, so that refinement runs to the limit. After the halving a candidate is kept only
// when its interval still changes sign or the last midpoint's value is exactly 0 (without a
// halving step it is kept as it is). The two-function discussion finds intersections with this
// scan on the samples of the difference f1 - f2, so parallel lines give none.
Diskussionspunkte nullstellen(const Abtastung& proben, const Diskussionsfunktion& f,
                              const Iterationsgrenzen& grenzen, bool* zu_grob = nullptr);
// Extreme points: where the direction of the samples changes, five points on half the width are
// checked for a smooth minimum or maximum and the interval moves to the extreme one.
Diskussionspunkte extremwerte(const Abtastung& proben, const Diskussionsfunktion& f,
                              const Iterationsgrenzen& grenzen, bool* zu_grob = nullptr);
// Inflection points: where the curvature of sample triples changes, the steepest (or flattest)
// of five differences is followed; three triples are skipped after each point. The curvature
// also changes across a pole: a refined point near which |f| grows far beyond the values two and
// three sampling steps away, or whose value cannot be computed or is not finite, is dropped.
Diskussionspunkte wendepunkte(const Abtastung& proben, const Diskussionsfunktion& f,
                              const Iterationsgrenzen& grenzen, bool* zu_grob = nullptr);
// Poles: a change of direction whose neighbourhood fails the shape check of the extreme points
// at least once; two intervals are skipped after each candidate.
Diskussionspunkte polstellen(const Abtastung& proben, const Diskussionsfunktion& f,
                             const Iterationsgrenzen& grenzen, bool* zu_grob = nullptr);

// True when one of the points' refinements stopped at the iteration limit.
bool grenze_erreicht(const Diskussionspunkte& punkte);

struct Diskussionsauftrag {
    long double xmin = -10;
    long double xmax = 10;
    int aufloesung = 400; // N, the number of sampling intervals
    Iterationsgrenzen grenzen;
    bool nullstellen = true;
    bool extremwerte = false;
    bool wendepunkte = false;
    bool polstellen = false;
};

struct Diskussionsergebnis {
    Abtastung proben;
    Diskussionspunkte nullstellen, extremwerte, wendepunkte, polstellen;
    // "*" once a refinement that gave a point stopped at the iteration limit, else empty.
    std::string iterationsstatus;
    // Some candidate could not be narrowed below its own size: points may be missing.
    bool ausser_reichweite = false;
};

// Samples once and runs the requested kinds; kinds not requested stay empty. The caller orders
// the limits (xmin <= xmax).
Diskussionsergebnis diskutieren(const Diskussionsfunktion& f, const Diskussionsauftrag& auftrag);

} // namespace zol

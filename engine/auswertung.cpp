// Running a checked postfix program in extended precision.
//
// Failures are found by checking operands and results (domain tests, non-finite results), never
// through the floating-point exception flags, which the optimiser does not keep in order.
#include "engine/fktbaum.h"
#include "engine/hilfen.h"

#include <cmath>
#include <vector>

namespace zol {

namespace {

constexpr long double pi_halbe = pi_ld / 2;

inline bool endlich(long double v) { return std::isfinite(v); }

bool potenz(long double a, long double b, long double& r) {
    if (b == 0) {
        r = 1;
        return true;
    }
    if (b != std::trunc(b)) {
        if (a <= 0) return false;
        r = std::exp(b * std::log(a));
        return endlich(r);
    }
    return ganzpotenz(a, b, r);
}

bool fakultaet(long double x, long double& r) {
    if (x < 0 || x != std::trunc(x)) return false;
    long double p = x;
    // The product overflows long before the factors run out for any large x, which also ends
    // the loop for arguments too big to count down in steps of one.
    for (long double k = x - 1; k >= 1; k -= 1) {
        p *= k;
        if (!endlich(p)) return false;
    }
    r = p;
    return true;
}

bool arcus(long double x, bool sinus, long double& r) {
    const long double q = x * x;
    if (q > 1) return false;
    if (q == 1) {
        if (sinus)
            r = x > 0 ? pi_halbe : -pi_halbe;
        else
            r = x > 0 ? 0.0L : pi_ld;
        return true;
    }
    const long double a = std::atan(x / std::sqrt(1 - q));
    r = sinus ? a : pi_halbe - a;
    return true;
}

// Applies one operator to the top of the value stack; sp is the number of values on it.
// The program passed its check, so the operands are always there.
[[gnu::always_inline]] inline bool anwenden(std::uint16_t code, long double* st, int& sp) {
    long double& x = st[sp - 1];
    switch (code) {
    case op_plus:
        --sp;
        st[sp - 1] += x;
        return endlich(st[sp - 1]);
    case op_minus:
        --sp;
        st[sp - 1] -= x;
        return endlich(st[sp - 1]);
    case op_mal:
        --sp;
        st[sp - 1] *= x;
        return endlich(st[sp - 1]);
    case op_durch:
        --sp;
        if (x == 0) return false;
        st[sp - 1] /= x;
        return endlich(st[sp - 1]);
    case op_hoch: {
        --sp;
        long double r;
        if (!potenz(st[sp - 1], x, r)) return false;
        st[sp - 1] = r;
        return true;
    }
    case op_negativ:
        x = -x;
        return true;
    case op_ln:
        if (x <= 0) return false;
        x = std::log(x);
        return true;
    case op_lg:
        if (x <= 0) return false;
        x = std::log(x) / std::log(10.0L);
        return true;
    case op_sqr:
        x = x * x;
        return endlich(x);
    case op_sqrt:
        if (x < 0) return false;
        x = std::sqrt(x);
        return true;
    case op_exp:
        x = std::exp(x);
        return endlich(x);
    case op_abs:
        x = std::fabs(x);
        return true;
    case op_sgn:
        x = static_cast<long double>(vorzeichen(x));
        return true;
    case op_sin:
        x = std::sin(x);
        return true;
    case op_cos:
        x = std::cos(x);
        return true;
    case op_tan: {
        const long double c = std::cos(x);
        if (c == 0) return false;
        x = std::sin(x) / c;
        return endlich(x);
    }
    case op_cot: {
        const long double s = std::sin(x);
        if (s == 0) return false;
        x = std::cos(x) / s;
        return endlich(x);
    }
    case op_arctan:
        x = std::atan(x);
        return true;
    case op_arccot:
        x = pi_halbe - std::atan(x);
        return true;
    case op_arcsin:
        return arcus(x, true, x);
    case op_arccos:
        return arcus(x, false, x);
    case op_rad:
        x = gradinrad(x);
        return endlich(x);
    case op_grad:
        x = radingrad(x);
        return endlich(x);
    case op_fak:
        return fakultaet(x, x);
    default:
        return false;
    }
}

// Frame of the evaluation without recursion: a program being run, its position, how many values
// it has on the shared value stack, where they start, and its x.
struct Rahmen {
    const tfunktion* funktion;
    int position;
    int sp;
    std::size_t basis;
    long double x;
};

} // namespace

bool tfunktion::funktionsberechnung(long double x, long double& wert) const {
    wert = 0;
    if (programm_.empty()) return false;
    if (!verweise_.empty()) return berechnung_mit_verweisen(x, wert);

    // The common case, a formula of x alone, runs on a local stack.
    long double st[max_stapel];
    int sp = 0;
    for (const Tfktsymbol& s : programm_) {
        if (s.art == Tfktsymbol::zahl_art) {
            st[sp++] = s.zahl;
        } else if (s.art == Tfktsymbol::operand_art) {
            st[sp++] = x;
        } else if (!anwenden(s.code, st, sp)) {
            return false;
        }
    }
    wert = st[0];
    return true;
}

// Constants and functions of the table are run on an explicit stack of frames, so a long chain
// of definitions (a spreadsheet column where each cell uses the one above) cannot exhaust the
// machine stack.
bool tfunktion::berechnung_mit_verweisen(long double x, long double& wert) const {
    thread_local std::vector<long double> werte;
    thread_local std::vector<Rahmen> rahmen;
    const std::size_t werte_anfang = werte.size();
    const std::size_t rahmen_anfang = rahmen.size();
    auto betreten = [&](const tfunktion* f, long double arg) {
        rahmen.push_back({f, 0, 0, werte.size(), arg});
        werte.resize(werte.size() + static_cast<std::size_t>(f->max_tiefe_));
    };
    auto aufrufen = [&](const Tfktzelle* z, long double arg) {
        if (z == nullptr || !z->eingetragen() || !z->funktion || z->funktion->programm_.empty() ||
            rahmen.size() - rahmen_anfang >= Tfktbaum::max_verschachtelung)
            return false;
        betreten(z->funktion.get(), arg);
        return true;
    };
    auto abbruch = [&] {
        werte.resize(werte_anfang);
        rahmen.resize(rahmen_anfang);
        return false;
    };

    betreten(this, x);
    for (;;) {
        Rahmen& r = rahmen.back();
        long double* st = werte.data() + r.basis;
        const auto& prog = r.funktion->programm_;
        if (r.position == static_cast<int>(prog.size())) {
            const long double ergebnis = st[0];
            werte.resize(r.basis);
            rahmen.pop_back();
            if (rahmen.size() == rahmen_anfang) {
                wert = ergebnis;
                return true;
            }
            Rahmen& aufrufer = rahmen.back();
            werte[aufrufer.basis + static_cast<std::size_t>(aufrufer.sp++)] = ergebnis;
            continue;
        }
        const Tfktsymbol& s = prog[static_cast<std::size_t>(r.position++)];
        if (s.art == Tfktsymbol::zahl_art) {
            st[r.sp++] = s.zahl;
        } else if (s.art == Tfktsymbol::operand_art) {
            if (s.marke == 'x')
                st[r.sp++] = r.x;
            else if (!aufrufen(s.zelle, 0))
                return abbruch();
        } else if (s.code == op_funktion) {
            const long double arg = st[--r.sp];
            if (!aufrufen(s.zelle, arg)) return abbruch();
        } else if (!anwenden(s.code, st, r.sp)) {
            return abbruch();
        }
    }
}

} // namespace zol

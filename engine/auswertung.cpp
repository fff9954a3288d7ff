// Running a checked program in extended precision.
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

// Folded forms of the run-time program, beside the operator codes (which stay below 32).
enum Form : std::uint8_t {
    f_zahl = 32,
    f_x,
    f_konstante,
    f_funktion,
    f_plus_k,
    f_minus_k,
    f_mal_k,
    f_durch_k,
    f_hoch_k,
    f_hoch_n, // whole exponent up to 64 by repeated multiplication
    f_plus_x,
    f_minus_x,
    f_mal_x,
    f_durch_x,
    f_hoch_x,
};

inline bool endlich(long double v) {
    return std::isfinite(v);
}

// a to the whole power n, |n| <= 64, factor by factor starting from a.
inline bool hoch_n(long double& a, int n) {
    if (n == 0) {
        a = 1;
        return true;
    }
    const int m = n < 0 ? -n : n;
    long double p = a;
    for (int i = 1; i < m; ++i)
        p *= a;
    if (!endlich(p)) return false;
    if (n < 0) {
        if (p == 0) return false;
        p = 1 / p;
        if (!endlich(p)) return false;
    }
    a = p;
    return true;
}

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
    if (b >= -64 && b <= 64) {
        if (!hoch_n(a, static_cast<int>(b))) return false;
        r = a;
        return true;
    }
    return ganzpotenz(a, b, r);
}

// x! for whole x >= 0, with 0! = 1 as in every textbook, so binomial coefficients such as
// FAK(5)/(FAK(0)*FAK(5)) work.
bool fakultaet(long double x, long double& r) {
    if (x < 0 || x != std::trunc(x)) return false;
    long double p = x == 0 ? 1 : x;
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

inline bool teile(long double& a, long double b) {
    if (b == 0) return false;
    a /= b;
    return endlich(a);
}

inline bool hoch(long double& a, long double b) {
    long double r;
    if (!potenz(a, b, r)) return false;
    a = r;
    return true;
}

// One step of a run, except constants and function calls. sp counts the values on the stack;
// the program passed its check, so the operands are always there.
[[gnu::always_inline]] inline bool schritt(const auto& b, long double* st, int& sp, long double x) {
    switch (b.op) {
    case f_zahl:
        st[sp++] = b.k;
        return true;
    case f_x:
        st[sp++] = x;
        return true;
    case f_plus_k:
        return endlich(st[sp - 1] += b.k);
    case f_minus_k:
        return endlich(st[sp - 1] -= b.k);
    case f_mal_k:
        return endlich(st[sp - 1] *= b.k);
    case f_durch_k:
        return teile(st[sp - 1], b.k);
    case f_hoch_k:
        return hoch(st[sp - 1], b.k);
    case f_hoch_n:
        return hoch_n(st[sp - 1], b.n);
    case f_plus_x:
        return endlich(st[sp - 1] += x);
    case f_minus_x:
        return endlich(st[sp - 1] -= x);
    case f_mal_x:
        return endlich(st[sp - 1] *= x);
    case f_durch_x:
        return teile(st[sp - 1], x);
    case f_hoch_x:
        return hoch(st[sp - 1], x);
    case op_plus:
        --sp;
        return endlich(st[sp - 1] += st[sp]);
    case op_minus:
        --sp;
        return endlich(st[sp - 1] -= st[sp]);
    case op_mal:
        --sp;
        return endlich(st[sp - 1] *= st[sp]);
    case op_durch:
        --sp;
        return teile(st[sp - 1], st[sp]);
    case op_hoch:
        --sp;
        return hoch(st[sp - 1], st[sp]);
    default:
        break;
    }
    long double& v = st[sp - 1];
    switch (b.op) {
    case op_negativ:
        v = -v;
        return true;
    case op_ln:
        if (v <= 0) return false;
        v = std::log(v);
        return true;
    case op_lg:
        if (v <= 0) return false;
        v = std::log(v) / std::log(10.0L);
        return true;
    case op_sqr:
        v = v * v;
        return endlich(v);
    case op_sqrt:
        if (v < 0) return false;
        v = std::sqrt(v);
        return true;
    case op_exp:
        v = std::exp(v);
        return endlich(v);
    case op_abs:
        v = std::fabs(v);
        return true;
    case op_sgn:
        v = static_cast<long double>(vorzeichen(v));
        return true;
    case op_sin:
        v = std::sin(v);
        return true;
    case op_cos:
        v = std::cos(v);
        return true;
    case op_tan: {
        const long double c = std::cos(v);
        if (c == 0) return false;
        v = std::sin(v) / c;
        return endlich(v);
    }
    case op_cot: {
        const long double s = std::sin(v);
        if (s == 0) return false;
        v = std::cos(v) / s;
        return endlich(v);
    }
    case op_arctan:
        v = std::atan(v);
        return true;
    case op_arccot:
        v = pi_halbe - std::atan(v);
        return true;
    case op_arcsin:
        return arcus(v, true, v);
    case op_arccos:
        return arcus(v, false, v);
    case op_rad:
        v = gradinrad(v);
        return endlich(v);
    case op_grad:
        v = radingrad(v);
        return endlich(v);
    case op_fak:
        return fakultaet(v, v);
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
    const Tfktzelle* konstante; // the constant whose value this frame computes, if any
};

} // namespace

void tfunktion::uebersetzen() {
    befehle_.clear();
    befehle_.reserve(programm_.size());
    for (std::size_t i = 0; i < programm_.size(); ++i) {
        const Tfktsymbol& s = programm_[i];
        Befehl b;
        b.zelle = s.zelle;
        if (s.art == Tfktsymbol::operator_art) {
            b.op = s.code == op_funktion ? std::uint8_t{f_funktion}
                                         : static_cast<std::uint8_t>(s.code);
            befehle_.push_back(b);
            continue;
        }
        const bool ist_zahl = s.art == Tfktsymbol::zahl_art;
        const bool ist_x = s.art == Tfktsymbol::operand_art && s.marke == 'x';
        const Tfktsymbol* naechstes = i + 1 < programm_.size() ? &programm_[i + 1] : nullptr;
        const bool zweistellig = naechstes && naechstes->art == Tfktsymbol::operator_art &&
                                 operandenzahl(naechstes->code) == 2;
        if ((ist_zahl || ist_x) && zweistellig) {
            // The operand goes straight into the operator as its right-hand side.
            b.k = s.zahl;
            switch (naechstes->code) {
            case op_plus:
                b.op = ist_zahl ? f_plus_k : f_plus_x;
                break;
            case op_minus:
                b.op = ist_zahl ? f_minus_k : f_minus_x;
                break;
            case op_mal:
                b.op = ist_zahl ? f_mal_k : f_mal_x;
                break;
            case op_durch:
                b.op = ist_zahl ? f_durch_k : f_durch_x;
                break;
            default:
                b.op = ist_zahl ? f_hoch_k : f_hoch_x;
                if (ist_zahl && s.zahl == std::trunc(s.zahl) && s.zahl >= -64 && s.zahl <= 64) {
                    b.op = f_hoch_n;
                    b.n = static_cast<std::int16_t>(s.zahl);
                }
                break;
            }
            befehle_.push_back(b);
            ++i;
            continue;
        }
        b.k = s.zahl;
        b.op = ist_zahl ? std::uint8_t{f_zahl}
                        : (ist_x ? std::uint8_t{f_x} : std::uint8_t{f_konstante});
        befehle_.push_back(b);
    }
    befehle_.shrink_to_fit();
}

bool tfunktion::funktionsberechnung(long double x, long double& wert) const {
    wert = 0;
    if (befehle_.empty()) return false;
    if (!verweise_.empty()) return berechnung_mit_verweisen(x, wert);

    // The common case, a formula of x alone, runs on a local stack.
    long double st[max_stapel];
    int sp = 0;
    for (const Befehl& b : befehle_)
        if (!schritt(b, st, sp, x)) return false;
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
    const std::uint64_t generation = besitzer_ ? besitzer_->generation() : 0;
    std::uint64_t schritte = 0;
    auto betreten = [&](const tfunktion* f, long double arg, const Tfktzelle* konstante) {
        rahmen.push_back({f, 0, 0, werte.size(), arg, konstante});
        werte.resize(werte.size() + static_cast<std::size_t>(f->max_tiefe_));
    };
    auto aufrufen = [&](const Tfktzelle* z, long double arg, const Tfktzelle* konstante) {
        if (z == nullptr || !z->eingetragen() || !z->funktion || z->funktion->befehle_.empty() ||
            rahmen.size() - rahmen_anfang >= Tfktbaum::max_verschachtelung)
            return false;
        betreten(z->funktion.get(), arg, konstante);
        return true;
    };
    auto abbruch = [&] {
        werte.resize(werte_anfang);
        rahmen.resize(rahmen_anfang);
        return false;
    };

    betreten(this, x, nullptr);
    for (;;) {
        Rahmen& r = rahmen.back();
        long double* st = werte.data() + r.basis;
        const auto& befehle = r.funktion->befehle_;
        if (r.position == static_cast<int>(befehle.size())) {
            const long double ergebnis = st[0];
            if (r.konstante != nullptr && generation != 0) {
                r.konstante->wert_ = ergebnis;
                r.konstante->wert_generation_ = generation;
            }
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
        if (++schritte > Tfktbaum::max_schritte) return abbruch();
        const Befehl& b = befehle[static_cast<std::size_t>(r.position++)];
        if (b.op == f_konstante) {
            const Tfktzelle* z = b.zelle;
            if (generation != 0 && z != nullptr && z->wert_generation_ == generation &&
                z->eingetragen()) {
                st[r.sp++] = z->wert_;
            } else if (!aufrufen(z, 0, z)) {
                return abbruch();
            }
        } else if (b.op == f_funktion) {
            const long double arg = st[--r.sp];
            if (!aufrufen(b.zelle, arg, nullptr)) return abbruch();
        } else if (!schritt(b, st, r.sp, r.x)) {
            return abbruch();
        }
    }
}

} // namespace zol

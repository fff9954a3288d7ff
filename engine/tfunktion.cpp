// Compiling a right-hand side into a checked postfix program.
#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "engine/meldung.h"
#include "engine/zahlwert.h"

#include <algorithm>
#include <array>

namespace zol {

namespace {

struct Schluesselwort {
    std::string_view text; // with its "("
    std::uint16_t code;
};

// Tried in this order; the first that the text begins with wins.
constexpr std::array<Schluesselwort, 18> schluesselwoerter{{
    {"LG(", op_lg},
    {"LN(", op_ln},
    {"SQR(", op_sqr},
    {"COS(", op_cos},
    {"SIN(", op_sin},
    {"TAN(", op_tan},
    {"EXP(", op_exp},
    {"ABS(", op_abs},
    {"SGN(", op_sgn},
    {"RAD(", op_rad},
    {"GRAD(", op_grad},
    {"SQRT(", op_sqrt},
    {"ARCCOS(", op_arccos},
    {"ARCSIN(", op_arcsin},
    {"ARCTAN(", op_arctan},
    {"COT(", op_cot},
    {"ARCCOT(", op_arccot},
    {"FAK(", op_fak},
}};

struct Stapeleintrag {
    std::uint16_t code;
    Tfktzelle* zelle;
};

} // namespace

int prioritaet(std::uint16_t code) {
    switch (code) {
    case op_plus:
    case op_minus:
    case op_negativ:
        return 2;
    case op_durch:
    case op_mal:
        return 3;
    case op_klammer_zu:
        return 7;
    case op_hoch:
        return 5;
    case op_keiner:
    case op_klammer_auf:
        return 0;
    default:
        return code <= op_funktion ? 4 : 0;
    }
}

int operandenzahl(std::uint16_t code) {
    switch (code) {
    case op_plus:
    case op_minus:
    case op_durch:
    case op_mal:
    case op_hoch:
        return 2;
    case op_keiner:
    case op_klammer_auf:
    case op_klammer_zu:
        return 0;
    default:
        return code <= op_funktion ? 1 : 0;
    }
}

tfunktion::tfunktion(Tfktbaum* besitzer) : besitzer_(besitzer) {}

bool tfunktion::anhaengen(const Tfktsymbol& s) {
    if (programm_.size() >= static_cast<std::size_t>(max_programm)) {
        ok_ = false;
        return false;
    }
    programm_.push_back(s);
    return true;
}

bool tfunktion::liesoperator(const std::string& t, std::size_t& pos, std::uint16_t& code,
                             Tfktzelle*& zelle) const {
    zelle = nullptr;
    switch (t[pos]) {
    case '+':
        code = op_plus;
        ++pos;
        return true;
    case '-':
        code = op_minus;
        ++pos;
        return true;
    case '*':
        code = op_mal;
        ++pos;
        return true;
    case '/':
    case ':':
        code = op_durch;
        ++pos;
        return true;
    case '^':
        code = op_hoch;
        ++pos;
        return true;
    case '(':
        code = op_klammer_auf;
        ++pos;
        return true;
    case ')':
        code = op_klammer_zu;
        ++pos;
        return true;
    default:
        break;
    }
    const std::string_view rest = std::string_view(t).substr(pos);
    for (const auto& w : schluesselwoerter) {
        if (rest.starts_with(w.text)) {
            code = w.code;
            pos += w.text.size() - 1; // the "(" is read as a token of its own
            return true;
        }
    }
    Tfktzelle* z = besitzer_ ? besitzer_->laengster_praefix(rest, true) : nullptr;
    if (z == nullptr || !z->ist_funktion()) return false;
    code = op_funktion;
    zelle = z;
    pos += z->name.size();
    return true;
}

bool tfunktion::lieszahl(const std::string& t, std::size_t& pos, long double& wert) const {
    std::size_t i = pos;
    while (i < t.size() && (ist_ziffer(t[i]) || t[i] == ','))
        ++i;
    if (i < t.size() && t[i] == 'E') {
        ++i;
        while (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        while (i < t.size() && ist_ziffer(t[i]))
            ++i;
    }
    if (i == pos || !zahlwert(std::string_view(t).substr(pos, i - pos), wert)) return false;
    pos = i;
    return true;
}

bool tfunktion::liesoperand(const std::string& t, std::size_t& pos, char& marke,
                            Tfktzelle*& zelle) const {
    const std::string_view rest = std::string_view(t).substr(pos);
    zelle = nullptr;
    if (!variable_.empty() && rest.starts_with(variable_)) {
        marke = 'x';
        pos += variable_.size();
        return true;
    }
    Tfktzelle* z = besitzer_ ? besitzer_->laengster_praefix(rest, false) : nullptr;
    if (z == nullptr || z->ist_funktion()) return false;
    marke = '0';
    zelle = z;
    pos += z->name.size();
    return true;
}

bool tfunktion::analyse(std::string rechts, std::string_view variable, std::string_view name) {
    rechts = gross(rechts);
    rechts.push_back(')');
    variable_ = gross(variable);
    programm_.clear();
    verweise_.clear();
    max_tiefe_ = 0;
    ok_ = true;

    std::array<Stapeleintrag, max_stapel> stapel{};
    std::size_t tiefe = 0;
    auto push = [&](std::uint16_t code, Tfktzelle* z) {
        if (tiefe >= stapel.size()) {
            ok_ = false;
            return;
        }
        stapel[tiefe++] = {code, z};
    };
    auto operator_anhaengen = [&](const Stapeleintrag& e) {
        Tfktsymbol s;
        s.art = Tfktsymbol::operator_art;
        s.code = e.code;
        s.zelle = e.zelle;
        anhaengen(s);
    };
    auto pop = [&](Stapeleintrag& e) {
        if (tiefe == 0) {
            ok_ = false;
            return false;
        }
        e = stapel[--tiefe];
        return true;
    };

    push(op_klammer_auf, nullptr);
    bool operand_erwartet = true;
    std::size_t pos = 0;
    while (pos < rechts.size() && ok_) {
        std::uint16_t code = 0;
        Tfktzelle* zelle = nullptr;
        long double zahl = 0;
        char marke = 0;
        if (liesoperator(rechts, pos, code, zelle)) {
            if (code == op_klammer_auf) {
                push(code, nullptr);
                operand_erwartet = true;
            } else if (code == op_klammer_zu) {
                Stapeleintrag e{};
                while (pop(e) && e.code != op_klammer_auf)
                    operator_anhaengen(e);
            } else {
                if (code == op_minus && operand_erwartet) code = op_negativ;
                Stapeleintrag oben{};
                while (ok_ && pop(oben)) {
                    if (prioritaet(code) <= prioritaet(oben.code)) {
                        operator_anhaengen(oben);
                    } else {
                        push(oben.code, oben.zelle);
                        break;
                    }
                }
                push(code, zelle);
                operand_erwartet = false;
            }
        } else if (lieszahl(rechts, pos, zahl)) {
            Tfktsymbol s;
            s.art = Tfktsymbol::zahl_art;
            s.zahl = zahl;
            anhaengen(s);
            operand_erwartet = false;
        } else if (liesoperand(rechts, pos, marke, zelle)) {
            Tfktsymbol s;
            s.art = Tfktsymbol::operand_art;
            s.marke = marke;
            s.zelle = zelle;
            anhaengen(s);
            operand_erwartet = false;
        } else {
            ok_ = false;
        }
    }
    if (tiefe != 0) ok_ = false;
    if (ok_) ok_ = pruefe(name);
    if (!ok_) {
        programm_.clear();
        befehle_.clear();
        verweise_.clear();
        return false;
    }
    programm_.shrink_to_fit();
    uebersetzen();
    return true;
}

bool tfunktion::pruefe(std::string_view name) {
    int tiefe = 0;
    auto selbstbezug = [&](const Tfktzelle* z) {
        if (z->name != name) return false;
        melde(meldungen::rekursiv);
        return true;
    };
    for (const Tfktsymbol& s : programm_) {
        switch (s.art) {
        case Tfktsymbol::zahl_art:
            ++tiefe;
            break;
        case Tfktsymbol::operand_art:
            if (s.marke == '0' && selbstbezug(s.zelle)) return false;
            ++tiefe;
            break;
        case Tfktsymbol::operator_art: {
            if (s.code == op_funktion && selbstbezug(s.zelle)) return false;
            const int n = operandenzahl(s.code);
            if (n == 0 || tiefe < n) return false;
            tiefe -= n - 1;
            break;
        }
        default:
            return false;
        }
        if (tiefe > max_stapel) return false;
        max_tiefe_ = std::max(max_tiefe_, tiefe);
        if (s.zelle != nullptr &&
            std::find(verweise_.begin(), verweise_.end(), s.zelle) == verweise_.end())
            verweise_.push_back(s.zelle);
    }
    return tiefe == 1;
}

} // namespace zol

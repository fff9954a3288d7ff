#include "modules/analysis/symbolischrechnung.h"

#include "engine/fktbaum.h"
#include "engine/hilfen.h"
#include "engine/zahlformat.h"
#include "engine/zahlwert.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>

namespace zol {

namespace {

// A failure inside the differentiation; the message is shown and the result dropped.
struct Ableitfehler {
    std::string meldung;
};

constexpr const char* ungueltig = "Ungültiger Ausdruck!";
constexpr const char* zu_lang = "Der Ausdruck ist zum Ableiten zu lang.";
constexpr const char* potenzfehler = "Fehler bei ableitpotenz";
constexpr const char* ausdrucksfehler = "Fehlerhafter Ausdruck";

Symbol zeichen(Symbol::Art art, char c) {
    Symbol s;
    s.art = art;
    s.zeichen = c;
    return s;
}

Symbol zahl(long double wert) {
    Symbol s;
    s.art = Symbol::zahl;
    s.wert = wert;
    return s;
}

Symbol funktion(std::string name) {
    Symbol s;
    s.art = Symbol::funktion;
    s.name = std::move(name);
    return s;
}

bool ist(const Symbol& s, Symbol::Art art) {
    return s.art == art;
}

// Appending checks the limit every time, so no list ever grows past its array.
void dazu(Symbolliste& l, const Symbol& s) {
    if (l.size() + 1 >= max_symbole) throw Ableitfehler{zu_lang};
    l.push_back(s);
}
void dazu(Symbolliste& l, const Symbolliste& teil, std::size_t von = 0,
          std::size_t bis = std::string::npos) {
    bis = std::min(bis, teil.size());
    for (std::size_t i = von; i < bis; ++i)
        dazu(l, teil[i]);
}
void einfuegen(Symbolliste& l, std::size_t pos, const Symbol& s) {
    if (l.size() + 1 >= max_symbole) throw Ableitfehler{zu_lang};
    l.insert(l.begin() + static_cast<std::ptrdiff_t>(pos), s);
}
Symbolliste teil(const Symbolliste& l, std::size_t von, std::size_t bis = std::string::npos) {
    Symbolliste t;
    dazu(t, l, von, bis);
    return t;
}

// The next token from position ab on that satisfies passt and stands outside all brackets.
template <class Passt>
std::optional<std::size_t> oben_suchen(const Symbolliste& l, std::size_t ab, Passt passt) {
    int tiefe = 0;
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (i >= ab && tiefe == 0 && passt(l[i])) return i;
        if (ist(l[i], Symbol::auf)) ++tiefe;
        if (ist(l[i], Symbol::zu)) --tiefe;
    }
    return std::nullopt;
}
std::optional<std::size_t> oben(const Symbolliste& l, std::size_t ab, Symbol::Art art) {
    return oben_suchen(l, ab, [art](const Symbol& s) { return s.art == art; });
}

std::optional<std::size_t> erste_variable(const Symbolliste& l, std::size_t ab = 0) {
    for (std::size_t i = ab; i < l.size(); ++i)
        if (ist(l[i], Symbol::variable)) return i;
    return std::nullopt;
}
bool hat_variable(const Symbolliste& l) {
    return erste_variable(l).has_value();
}

// The ")" that closes the "(" at auf.
std::size_t passende_klammer(const Symbolliste& l, std::size_t auf) {
    int tiefe = 0;
    for (std::size_t i = auf; i < l.size(); ++i) {
        if (ist(l[i], Symbol::auf)) ++tiefe;
        if (ist(l[i], Symbol::zu) && --tiefe == 0) return i;
    }
    throw Ableitfehler{ungueltig};
}

struct Gruppe {
    std::size_t auf, zu;
};
// The outermost brackets around position pos; none when pos stands outside all brackets.
std::optional<Gruppe> gruppe(const Symbolliste& l, std::size_t pos) {
    int tiefe = 0;
    std::size_t aussen = 0;
    for (std::size_t i = 0; i < pos; ++i) {
        if (ist(l[i], Symbol::auf) && tiefe++ == 0) aussen = i;
        if (ist(l[i], Symbol::zu)) --tiefe;
    }
    if (tiefe <= 0) return std::nullopt;
    return Gruppe{aussen, passende_klammer(l, aussen)};
}

// A token pattern of the derivative table, written with blanks between tokens: numbers, the
// operators, brackets, function names, and "#" for the bracketed argument (u). A "-" right
// after "(" is a sign.
void muster(Symbolliste& aus, std::string_view text, const Symbolliste& argument) {
    std::istringstream woerter{std::string(text)};
    std::string w;
    while (woerter >> w) {
        const char c = w[0];
        if (w == "#")
            dazu(aus, argument);
        else if (ist_ziffer(c))
            // Whatever the process locale: the table holds only 0.5 and whole numbers.
            dazu(aus, zahl(w == "0.5" ? 0.5L : static_cast<long double>(std::stoi(w))));
        else if (c == '-' || c == '+')
            dazu(aus, zeichen(!aus.empty() && ist(aus.back(), Symbol::auf) ? Symbol::vorzeichen
                                                                           : Symbol::strich,
                              c));
        else if (c == '*' || c == '/')
            dazu(aus, zeichen(Symbol::punkt, c));
        else if (c == '^')
            dazu(aus, zeichen(Symbol::hoch, c));
        else if (c == '(')
            dazu(aus, zeichen(Symbol::auf, c));
        else if (c == ')')
            dazu(aus, zeichen(Symbol::zu, c));
        else
            dazu(aus, funktion(w));
    }
}

// The outer derivatives; the argument stands for (u).
struct Regel {
    const char* name;
    const char* ableitung;
};
constexpr Regel funktionsregeln[] = {
    {"SQR", "2 * #"},
    {"SQRT", "0.5 / SQRT #"},
    {"SIN", "COS #"},
    {"COS", "( - 1 ) * SIN #"},
    {"TAN", "1 / ( ( COS # ) ^ 2 )"},
    {"COT", "( - 1 ) / ( ( SIN # ) ^ 2 )"},
    {"ARCSIN", "1 / ( ( 1 - # ^ 2 ) ^ 0.5 )"},
    {"ARCCOS", "( - 1 ) / ( ( 1 - # ^ 2 ) ^ 0.5 )"},
    {"ARCTAN", "1 / ( 1 + # ^ 2 )"},
    {"ARCCOT", "( - 1 ) / ( 1 + # ^ 2 )"},
    {"EXP", "EXP #"},
    {"LN", "1 / #"},
    {"LG", "1 / ( # * LN ( 10 ) )"},
};

// Names in the order they are tried: a longer name that starts like a shorter one comes first.
constexpr const char* funktionsnamen[] = {"LG",     "LN",  "SQRT",  "SQR",    "COS",
                                          "SIN",    "TAN", "EXP",   "ARCCOS", "ARCSIN",
                                          "ARCTAN", "COT", "ARCCOT"};

// Writes a power's exponent minus 1; a negative one in brackets, since the formula language
// reads no sign right after "^".
void exponent_minus_eins(Symbolliste& aus, long double n) {
    const long double e = n - 1;
    if (e < 0) {
        dazu(aus, zeichen(Symbol::auf, '('));
        dazu(aus, zeichen(Symbol::vorzeichen, '-'));
        dazu(aus, zahl(-e));
        dazu(aus, zeichen(Symbol::zu, ')'));
    } else {
        dazu(aus, zahl(e));
    }
}

class Ableiter {
public:
    // Appends the derivative of l to aus.
    void ableiten(const Symbolliste& l, Symbolliste& aus) {
        if (++tiefe_ > 200) throw Ableitfehler{zu_lang};
        const std::size_t anfang = aus.size();
        std::size_t i = 0;
        while (i < l.size()) {
            const std::size_t ende = oben_suchen(l, i + 1, [](const Symbol& s) {
                                         return s.art == Symbol::strich;
                                     }).value_or(l.size());
            Symbolliste summand = teil(l, i, ende);
            i = ende;
            if (hat_variable(summand)) summand_ableiten(summand, aus, anfang);
        }
        --tiefe_;
    }

private:
    void summand_ableiten(Symbolliste s, Symbolliste& aus, std::size_t anfang) {
        // A "+" in front of everything this derivative writes would be refused by the formula
        // language ("=+2*X", "(+1)"); it is left out.
        if (ist(s.front(), Symbol::strich)) {
            if (s.front().zeichen != '+' || aus.size() != anfang) dazu(aus, s.front());
            s.erase(s.begin());
        }
        // The sign goes in front of the constant factors, so it never follows a "*".
        if (ist(s.front(), Symbol::vorzeichen)) {
            if (s.front().zeichen == '-') dazu(aus, s.front());
            s.erase(s.begin());
        }
        if (oben(s, 0, Symbol::punkt)) s = faktoren_ordnen(s, aus);

        if (const auto k = oben(s, 0, Symbol::punkt)) {
            const Symbolliste u = teil(s, 0, *k), v = teil(s, *k + 1);
            if (s[*k].zeichen == '*')
                produktregel(u, v, aus);
            else
                quotientenregel(u, v, aus);
            return;
        }
        einzelfaktor(s, aus);
    }

    // Constant factors are written in front (constant divisors after "/"); the summand keeps
    // the factors with the variable.
    Symbolliste faktoren_ordnen(const Symbolliste& s, Symbolliste& aus) {
        Symbolliste liste;
        dazu(liste, zeichen(Symbol::punkt, '*'));
        dazu(liste, s);
        Symbolliste kprodukt, kdivisor, vprodukt, vdivisor;
        std::size_t pos = 0;
        while (pos < liste.size()) {
            const std::size_t naechster =
                oben(liste, pos + 1, Symbol::punkt).value_or(liste.size());
            const Symbolliste faktor = teil(liste, pos + 1, naechster);
            const bool mal = liste[pos].zeichen == '*';
            const bool variabel = hat_variable(faktor);
            Symbolliste& ziel =
                mal ? (variabel ? vprodukt : kprodukt) : (variabel ? vdivisor : kdivisor);
            if (mal || !ziel.empty()) dazu(ziel, zeichen(Symbol::punkt, '*'));
            dazu(ziel, faktor);
            pos = naechster;
        }
        bool geschrieben = false;
        if (!kprodukt.empty()) {
            dazu(aus, kprodukt, 1);
            geschrieben = true;
        } else if (!kdivisor.empty()) {
            dazu(aus, zahl(1));
            geschrieben = true;
        }
        divisor_schreiben(aus, kdivisor);
        if (geschrieben) dazu(aus, zeichen(Symbol::punkt, '*'));

        Symbolliste rest;
        if (!vprodukt.empty())
            dazu(rest, vprodukt, 1);
        else if (!vdivisor.empty())
            dazu(rest, zahl(1));
        divisor_schreiben(rest, vdivisor);
        return rest;
    }

    static void divisor_schreiben(Symbolliste& aus, const Symbolliste& divisor) {
        if (divisor.empty()) return;
        dazu(aus, zeichen(Symbol::punkt, '/'));
        dazu(aus, zeichen(Symbol::auf, '('));
        dazu(aus, divisor);
        dazu(aus, zeichen(Symbol::zu, ')'));
    }

    // (u*v' + u'*v)
    void produktregel(const Symbolliste& u, const Symbolliste& v, Symbolliste& aus) {
        dazu(aus, zeichen(Symbol::auf, '('));
        dazu(aus, u);
        dazu(aus, zeichen(Symbol::punkt, '*'));
        ableiten(v, aus);
        dazu(aus, zeichen(Symbol::strich, '+'));
        ableiten(u, aus);
        dazu(aus, zeichen(Symbol::punkt, '*'));
        dazu(aus, v);
        dazu(aus, zeichen(Symbol::zu, ')'));
    }

    // (u'*v - u*v')/(v^2); a part whose derivative is 0 is left out.
    void quotientenregel(const Symbolliste& u, const Symbolliste& v, Symbolliste& aus) {
        dazu(aus, zeichen(Symbol::auf, '('));
        if (hat_variable(u)) {
            ableiten(u, aus);
            dazu(aus, zeichen(Symbol::punkt, '*'));
            dazu(aus, v);
        }
        dazu(aus, zeichen(Symbol::strich, '-'));
        dazu(aus, u);
        if (hat_variable(v)) {
            dazu(aus, zeichen(Symbol::punkt, '*'));
            ableiten(v, aus);
        }
        dazu(aus, zeichen(Symbol::zu, ')'));
        dazu(aus, zeichen(Symbol::punkt, '/'));
        dazu(aus, zeichen(Symbol::auf, '('));
        dazu(aus, v);
        dazu(aus, zeichen(Symbol::hoch, '^'));
        dazu(aus, zahl(2));
        dazu(aus, zeichen(Symbol::zu, ')'));
    }

    void einzelfaktor(Symbolliste s, Symbolliste& aus) {
        // F(u)^n is read as F((u)^n), and a^b^c as (a^b)^c.
        if (ist(s.front(), Symbol::funktion) && oben(s, 0, Symbol::hoch)) {
            dazu(s, zeichen(Symbol::zu, ')'));
            einfuegen(s, 1, zeichen(Symbol::auf, '('));
        }
        while (true) {
            const auto q = oben(s, 0, Symbol::hoch);
            const auto weiter = q ? oben(s, *q + 1, Symbol::hoch) : std::nullopt;
            if (!weiter) break;
            einfuegen(s, *weiter, zeichen(Symbol::zu, ')'));
            einfuegen(s, 0, zeichen(Symbol::auf, '('));
        }
        faktorregel(s, aus);
        // Chain rule: the inner expression that the factor rule left.
        if (s.empty() || (s.size() == 1 && ist(s[0], Symbol::variable))) return;
        dazu(aus, zeichen(Symbol::punkt, '*'));
        dazu(aus, zeichen(Symbol::auf, '('));
        ableiten(s, aus);
        dazu(aus, zeichen(Symbol::zu, ')'));
    }

    // Writes the outer derivative of the factor and leaves its inner expression in s.
    void faktorregel(Symbolliste& s, Symbolliste& aus) {
        const std::size_t p = *erste_variable(s);
        const auto q = oben(s, 0, Symbol::hoch);
        const bool im_exponenten = q && erste_variable(s, *q + 1);
        if (ist(s.front(), Symbol::funktion)) {
            funktionsregel(s, p, aus);
        } else if (!im_exponenten) {
            potenzregel(s, p, q, aus);
        } else {
            // a^u: the variable in the base as well fits no rule here (x^x).
            if (p < *q) throw Ableitfehler{potenzfehler};
            dazu(aus, s);
            dazu(aus, zeichen(Symbol::punkt, '*'));
            dazu(aus, funktion("LN"));
            const Symbolliste basis = teil(s, 0, *q);
            const bool geklammert = ist(basis.front(), Symbol::auf);
            if (!geklammert) dazu(aus, zeichen(Symbol::auf, '('));
            dazu(aus, basis);
            if (!geklammert) dazu(aus, zeichen(Symbol::zu, ')'));
            s = teil(s, *q + 1);
        }
    }

    void funktionsregel(Symbolliste& s, std::size_t p, Symbolliste& aus) {
        const auto g = gruppe(s, p);
        if (!g || g->auf == 0 || !ist(s[g->auf - 1], Symbol::funktion))
            throw Ableitfehler{ausdrucksfehler};
        const std::string& name = s[g->auf - 1].name;
        const Symbolliste argument = teil(s, g->auf, g->zu + 1);
        bool bekannt = false;
        for (const Regel& r : funktionsregeln) {
            if (name != r.name) continue;
            muster(aus, r.ableitung, argument);
            bekannt = true;
        }
        if (!bekannt) throw Ableitfehler{ausdrucksfehler};
        s = teil(s, g->auf + 1, g->zu);
    }

    void potenzregel(Symbolliste& s, std::size_t p, std::optional<std::size_t> q,
                     Symbolliste& aus) {
        const std::size_t letzte = s.size() - 1;
        if (!q) {
            // x leaves nothing, (u) leaves u.
            if (ist(s.front(), Symbol::auf)) {
                if (passende_klammer(s, 0) != letzte) throw Ableitfehler{potenzfehler};
                s.pop_back();
            } else if (!ist(s.front(), Symbol::variable)) {
                throw Ableitfehler{potenzfehler};
            }
            dazu(aus, zahl(1));
            s.erase(s.begin());
            return;
        }
        // The exponent after q: a number, or a bracket reaching to the end.
        const bool zahlexponent = *q + 1 == letzte && ist(s[letzte], Symbol::zahl);
        const bool klammerexponent = *q + 1 <= letzte && ist(s[*q + 1], Symbol::auf) &&
                                     passende_klammer(s, *q + 1) == letzte;
        Symbolliste basis;
        bool variable_als_basis = false;
        if (ist(s.front(), Symbol::variable) && *q == 1) {
            basis = teil(s, 0, 1);
            variable_als_basis = true;
        } else if (const auto g = gruppe(s, p); g && g->auf == 0 && g->zu + 1 == *q) {
            basis = teil(s, 0, *q);
        } else {
            throw Ableitfehler{potenzfehler};
        }
        if (zahlexponent) {
            dazu(aus, s[letzte]);
            dazu(aus, zeichen(Symbol::punkt, '*'));
            dazu(aus, basis);
            dazu(aus, zeichen(Symbol::hoch, '^'));
            exponent_minus_eins(aus, s[letzte].wert);
        } else if (klammerexponent) {
            const Symbolliste e = teil(s, *q + 1);
            dazu(aus, e);
            dazu(aus, zeichen(Symbol::punkt, '*'));
            dazu(aus, basis);
            dazu(aus, zeichen(Symbol::hoch, '^'));
            dazu(aus, zeichen(Symbol::auf, '('));
            dazu(aus, e, 1, e.size() - 1);
            dazu(aus, zeichen(Symbol::strich, '-'));
            dazu(aus, zahl(1));
            dazu(aus, zeichen(Symbol::zu, ')'));
        } else {
            throw Ableitfehler{potenzfehler};
        }
        // x^n leaves nothing; (u)^n leaves u.
        s = variable_als_basis ? Symbolliste{} : teil(basis, 1, basis.size() - 1);
    }

    int tiefe_ = 0;
};

} // namespace

bool definition_zerlegen(std::string_view definition, std::string& name, std::string& variable,
                         std::string& rumpf) {
    name.clear();
    variable.clear();
    rumpf.clear();
    const std::string t = leerzeichenweg(gross(definition));
    if (t.empty()) return false;
    const std::size_t gleich = t.find('=');
    if (gleich == std::string::npos) return false;
    const std::size_t auf = t.find('(');
    const std::size_t zu = t.find(')');
    const bool klammern = auf < gleich && zu < gleich;
    if (klammern && zu > auf + 1) variable = t.substr(auf + 1, zu - auf - 1);
    if (auf < gleich && auf == 0 && klammern) return false;
    name = auf < gleich && auf != 0 ? t.substr(0, auf) : t.substr(0, gleich);
    rumpf = t.substr(gleich + 1);
    return true;
}

bool symbole_lesen(std::string_view text, char variable, Symbolliste& liste,
                   std::vector<std::string>& meldungen) {
    liste.clear();
    bool operand = true; // an operand is expected
    std::size_t i = 0;
    auto fehler = [&meldungen] {
        meldungen.emplace_back(ungueltig);
        return false;
    };
    auto neu = [&liste](const Symbol& s) {
        if (liste.size() + 1 >= max_symbole) return false;
        liste.push_back(s);
        return true;
    };
    while (i < text.size()) {
        const char c = text[i];
        Symbol s;
        if (ist_ziffer(c) || c == '.' || c == ',') {
            std::size_t j = i;
            while (j < text.size() && (ist_ziffer(text[j]) || text[j] == '.' || text[j] == ','))
                ++j;
            // An exponent only when digits follow, so "2E" is no number.
            if (j < text.size() && text[j] == 'E') {
                std::size_t k = j + 1;
                if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
                if (k < text.size() && ist_ziffer(text[k])) {
                    while (k < text.size() && ist_ziffer(text[k]))
                        ++k;
                    j = k;
                }
            }
            std::string zahltext(text.substr(i, j - i));
            for (char& z : zahltext)
                if (z == '.') z = ',';
            long double wert = 0;
            if (!operand || !zahlwert(zahltext, wert)) return fehler();
            s = zahl(wert);
            operand = false;
            i = j;
        } else if (c == '+' || c == '-') {
            if (!operand) {
                s = zeichen(Symbol::strich, c);
            } else if (liste.empty() || ist(liste.back(), Symbol::auf)) {
                s = zeichen(Symbol::vorzeichen, c);
            } else {
                meldungen.emplace_back("FEHLER");
                return fehler();
            }
            operand = true;
            ++i;
        } else if (c == '*' || c == '/' || c == '^') {
            if (operand) return fehler();
            s = zeichen(c == '^' ? Symbol::hoch : Symbol::punkt, c);
            operand = true;
            ++i;
        } else if (c == '(' || c == ')') {
            if (operand != (c == '(')) return fehler();
            s = zeichen(c == '(' ? Symbol::auf : Symbol::zu, c);
            operand = c == '(';
            ++i;
        } else if (ist_buchstabe(c)) {
            if (!operand) return fehler();
            const std::string_view rest = text.substr(i);
            const char* gefunden = nullptr;
            for (const char* name : funktionsnamen)
                if (rest.starts_with(name)) {
                    gefunden = name;
                    break;
                }
            if (gefunden != nullptr) {
                const std::size_t laenge = std::string_view(gefunden).size();
                if (rest.size() <= laenge || rest[laenge] != '(') return fehler();
                s = funktion(gefunden);
                i += laenge;
            } else {
                s = zeichen(c == variable ? Symbol::variable : Symbol::konstante, c);
                operand = false;
                ++i;
            }
        } else {
            return fehler();
        }
        if (!neu(s)) {
            meldungen.emplace_back(zu_lang);
            return false;
        }
    }
    if (operand) return fehler();
    return true;
}

std::string symboltext(const Symbolliste& liste, std::string_view bild) {
    std::string t;
    for (const Symbol& s : liste) {
        if (s.art == Symbol::zahl)
            t += format(bild, s.wert);
        else if (s.art == Symbol::funktion)
            t += s.name;
        else
            t += s.zeichen;
    }
    return t;
}

Symbolergebnis symbolisch_ableiten(std::string_view definition, std::string_view bild) {
    Symbolergebnis e;
    std::string name, variable, rumpf;
    if (!definition_zerlegen(definition, name, variable, rumpf)) {
        e.meldungen.emplace_back(ausdrucksfehler);
        return e;
    }
    Symbolliste eingabe;
    if (!symbole_lesen(rumpf, variable.empty() ? '\0' : variable[0], eingabe, e.meldungen))
        return e;
    Symbolliste ausgabe;
    try {
        Ableiter().ableiten(eingabe, ausgabe);
    } catch (const Ableitfehler& f) {
        e.meldungen.push_back(f.meldung);
        return e;
    }
    const std::string rechts = ausgabe.empty() ? std::string("0") : symboltext(ausgabe, bild);
    e.text = "ablsym" + name + "(" + variable + ")=" + rechts;
    e.ok = true;
    return e;
}

Ableitungsprobe ableitung_pruefen(Tfktbaum& baum, const tfunktion& f, std::string_view ableitung) {
    Ableitungsprobe probe;
    std::string name, rechts, variable;
    tfunktion g(&baum);
    if (!Tfktbaum::aufspalten(ableitung, name, rechts, variable) ||
        !g.analyse(rechts, variable, name)) {
        probe.ausgang = Ableitungsprobe::nicht_berechenbar;
        return probe;
    }
    constexpr long double h = 1e-4L, toleranz = 1e-4L;
    // Points off the usual special places (0, ±1, ±2), so a pole or a root's end is rarely hit.
    constexpr long double stellen[] = {-1.7L, -0.9L, 0.3L,   1.1L,   1.9L,  -1.3L, -0.45L,
                                       0.65L, 1.45L, -1.95L, -0.15L, 0.85L, 1.65L, 0.05L};
    auto wert = [](const tfunktion& fn, long double x, long double& w) {
        return fn.funktionsberechnung(x, w) && std::isfinite(w);
    };
    for (const long double x : stellen) {
        if (probe.punkte == 5) break;
        long double rechts_wert = 0, links_wert = 0, mitte = 0, a = 0;
        if (!wert(f, x + h, rechts_wert) || !wert(f, x - h, links_wert) || !wert(f, x, mitte) ||
            !wert(g, x, a))
            continue;
        ++probe.punkte;
        const long double n = (rechts_wert - links_wert) / (2 * h);
        const long double massstab = std::max({1.0L, std::fabs(a), std::fabs(n)});
        if (std::fabs(a - n) > toleranz * massstab) {
            probe.ausgang = Ableitungsprobe::stimmt_nicht;
            probe.x = x;
            return probe;
        }
    }
    return probe;
}

std::string probentext(const Ableitungsprobe& probe) {
    switch (probe.ausgang) {
    case Ableitungsprobe::stimmt:
        return {};
    case Ableitungsprobe::stimmt_nicht:
        return "Achtung: Die Probe mit dem Differenzenquotienten stimmt bei x = " +
               format("", probe.x) + " nicht.";
    case Ableitungsprobe::nicht_berechenbar:
        return "Achtung: Das Ergebnis lässt sich nicht berechnen, die Probe entfällt.";
    }
    return {};
}

} // namespace zol

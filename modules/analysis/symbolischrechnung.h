#pragma once
// Symbolic differentiation, free of the window: a small term rewriter on a flat list of tokens
// (not on the engine's expression tree) that writes the derivative of a definition such as
// "fsym(x)=x^4" unsimplified as "ablsymFSYM(X)=4*X^3". Sums are differentiated summand by
// summand; constant factors are pulled in front; products and quotients follow the product and
// quotient rule; a single factor gets its outer derivative from a table (functions) or the
// power rule, and the chain rule differentiates what is left inside.
//
// Every token list holds at most max_symbole records, the end mark included; a list that would
// grow beyond refuses the whole derivative.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

class Tfktbaum;
class tfunktion;

inline constexpr std::size_t max_symbole = 120;

struct Symbol {
    enum Art : std::uint8_t {
        zahl = 0,       // a number
        strich = 1,     // infix "+" or "-"
        punkt = 2,      // "*" or "/"
        hoch = 3,       // "^"
        variable = 4,   // the differentiation variable
        konstante = 5,  // any other letter
        auf = 6,        // "("
        zu = 7,         // ")"
        funktion = 8,   // a function name
        vorzeichen = 9, // "+" or "-" in front of an operand
        ende = 10,
    };
    Art art = ende;
    char zeichen = 0;     // kinds 1 to 7 and 9
    std::string name;     // kind 8
    long double wert = 0; // kind 0, in extended precision
};
using Symbolliste = std::vector<Symbol>; // without the end mark

// The parts of a definition: upper-cased, blanks removed; the variable is the text between "("
// and ")" in front of "=" (possibly empty). False when there is no "=", the definition is empty,
// or "(" is its first character.
bool definition_zerlegen(std::string_view definition, std::string& name, std::string& variable,
                         std::string& rumpf);

// Tokenizes a body (upper case, no blanks). Numbers are read with the decimal comma or point.
// Anything read in the wrong place (an operator where an operand belongs, a letter or number
// after an operand, a function name without "(") fails; the messages to show are appended:
// "FEHLER" for a sign inside a term, then "Ungültiger Ausdruck!".
bool symbole_lesen(std::string_view rumpf, char variable, Symbolliste& liste,
                   std::vector<std::string>& meldungen);

// The text of a list: numbers with the picture bild (empty: the general form), function tokens
// by name, everything else by its character, nothing between tokens.
std::string symboltext(const Symbolliste& liste, std::string_view bild);

struct Symbolergebnis {
    bool ok = false;
    std::string text;                   // "ablsymF(X)=…" when ok
    std::vector<std::string> meldungen; // to show in this order, also when ok is false
};

// The whole computation for a definition the formula table accepted. A derivative that is 0
// everywhere reads "…=0".
Symbolergebnis symbolisch_ableiten(std::string_view definition, std::string_view bild);

// The self-check: the derivative against the central difference of f (h = 1E-4) at five points
// of [-2, 2] where both are defined, with the relative tolerance 1E-4.
struct Ableitungsprobe {
    enum Ausgang { stimmt, stimmt_nicht, nicht_berechenbar };
    Ausgang ausgang = stimmt;
    long double x = 0; // the first point of disagreement
    int punkte = 0;    // points compared
};
Ableitungsprobe ableitung_pruefen(Tfktbaum& baum, const tfunktion& f, std::string_view ableitung);
// The line shown below the result; empty when the probe agrees.
std::string probentext(const Ableitungsprobe& probe);

} // namespace zol

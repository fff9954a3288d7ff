#pragma once
// The formula table and its compiled formulas.
//
// A definition such as "F(X)=X^2-1" or "A=3,5*2" is split into name, variable and right-hand
// side; the right-hand side is compiled into a postfix program that is checked once and then run
// for any number of x values. Every text is upper-cased and the decimal separator is the comma.
// Failures are a false result (and the value 0), never an exception.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zol {

class Tfktbaum;
class Tfktzelle;

// Operator and function codes of the formula language.
enum Opcode : std::uint16_t {
    op_keiner = 0,
    op_plus = 1,
    op_minus = 2,
    op_durch = 3,
    op_mal = 4,
    op_klammer_auf = 5,
    op_klammer_zu = 6,
    op_negativ = 7,
    op_hoch = 8,
    op_ln = 9,
    op_sqr = 10,
    op_cos = 11,
    op_sin = 12,
    op_tan = 13,
    op_exp = 14,
    op_abs = 15,
    op_sgn = 16,
    op_rad = 17,
    op_grad = 18,
    op_cot = 19,
    op_fak = 20,
    op_sqrt = 21,
    op_arccos = 22,
    op_arcsin = 23,
    op_arctan = 24,
    op_arccot = 25,
    op_lg = 26,
    op_funktion = 27,
};

// Priority of an operator code while compiling.
int prioritaet(std::uint16_t code);
// Number of operands of an operator code (0 for the parentheses and op_keiner).
int operandenzahl(std::uint16_t code);

// One element of a postfix program.
struct Tfktsymbol {
    enum Art : std::uint8_t { zahl_art = 1, operator_art = 2, operand_art = 3 };
    long double zahl = 0;       // art 1: the literal's value
    Tfktzelle* zelle = nullptr; // art 2 code 27: called function; art 3 marke '0': the constant
    std::uint16_t code = 0;     // art 2: operator code
    std::uint8_t art = 0;
    char marke = 0; // art 3: 'x' for the variable, '0' for a constant
};

// One compiled formula: a checked postfix program.
class tfunktion {
public:
    static constexpr int max_programm = 100;
    static constexpr int max_stapel = 50;

    explicit tfunktion(Tfktbaum* besitzer);
    tfunktion(const tfunktion&) = delete;
    tfunktion& operator=(const tfunktion&) = delete;

    // Compiles the right-hand side with the given variable (empty for none) for the definition
    // called name; true if it compiled and passed the check.
    bool analyse(std::string rechts, std::string_view variable, std::string_view name);
    // Runs the program for x; false and wert = 0 on any failure.
    bool funktionsberechnung(long double x, long double& wert) const;

    int programmlaenge() const { return static_cast<int>(programm_.size()); }
    // Symbols of the program, counted from 0.
    const Tfktsymbol& symbol(int i) const { return programm_[static_cast<std::size_t>(i)]; }
    // Cells this program uses (constants and functions), each once.
    const std::vector<Tfktzelle*>& verweise() const { return verweise_; }

private:
    bool liesoperator(const std::string& t, std::size_t& pos, std::uint16_t& code,
                      Tfktzelle*& zelle) const;
    bool lieszahl(const std::string& t, std::size_t& pos, long double& wert) const;
    bool liesoperand(const std::string& t, std::size_t& pos, char& marke, Tfktzelle*& zelle) const;
    bool pruefe(std::string_view name);
    bool anhaengen(const Tfktsymbol& s);
    bool berechnung_mit_verweisen(long double x, long double& wert) const;
    void uebersetzen();

    // The program as it is run: a number or x that is directly consumed by a two-operand
    // operator is folded into that operator, and small whole powers multiply directly. The
    // arithmetic is the same, step by step; only stack traffic is saved.
    struct Befehl {
        long double k = 0;          // the folded number, or the number to push
        Tfktzelle* zelle = nullptr; // constant or called function
        std::uint8_t op = 0;        // an operator code, or one of the folded forms
        std::int16_t n = 0;         // whole exponent of a folded power
    };

    Tfktbaum* besitzer_;
    std::string variable_;
    std::vector<Tfktsymbol> programm_;
    std::vector<Befehl> befehle_;
    std::vector<Tfktzelle*> verweise_;
    int max_tiefe_ = 0; // deepest value stack the program needs
    bool ok_ = false;
};

// One named definition, owned by its table.
class Tfktzelle {
public:
    std::string formeltext; // the definition as it was handed in
    std::string name;       // upper case
    std::string variable;   // upper case; empty for a constant
    std::unique_ptr<tfunktion> funktion;

    bool ist_funktion() const { return !variable.empty(); }
    // True while the entry stands in its table; a removed entry that other formulas still use
    // stays alive, but every evaluation through it fails.
    bool eingetragen() const { return eingetragen_; }

private:
    friend class Tfktbaum;
    bool eingetragen_ = true;
    std::uint64_t besuch_ = 0; // marker for the cycle search
    // The value of a constant, valid while the table's generation is still the one it was
    // computed in: any change of any definition may change it.
    friend class tfunktion;
    mutable std::uint64_t wert_generation_ = 0;
    mutable long double wert_ = 0;
};

// The ordered table of definitions.
class Tfktbaum {
public:
    static constexpr std::size_t max_name = 20;
    static constexpr std::size_t max_text = 200;
    // Nesting of constants and functions allowed while evaluating (a chain of spreadsheet
    // cells each using its neighbour is such a nesting).
    static constexpr std::size_t max_verschachtelung = 200000;
    // Steps one evaluation may take: a few hundred bytes of definitions can describe work that
    // would run for hours (a function calling another twice, forty levels deep); such an
    // evaluation fails like any other that cannot be computed.
    static constexpr std::uint64_t max_schritte = 100'000'000;

    Tfktbaum();
    ~Tfktbaum();
    Tfktbaum(const Tfktbaum&) = delete;
    Tfktbaum& operator=(const Tfktbaum&) = delete;

    bool definiere(std::string_view definition);
    bool fktanalyse(std::string_view text);
    int sucheeintrag(std::string_view name) const;
    bool loesche_fkt(std::string_view name);
    void alle_loeschen();

    static bool aufspalten(std::string_view text, std::string& name, std::string& rechts,
                           std::string& variable);
    static bool aufspalten2(std::string_view text, std::string& name, std::string& rechts,
                            std::string& variable);

    // Items separated by ";": the item from pos on is defined if it is a definition, then its
    // name is looked up. pos moves behind the ";", or to std::string_view::npos when the list
    // is finished.
    bool suchezeiger(std::string_view liste, std::size_t& pos, Tfktzelle*& zelle);
    bool suchezeigerstr(std::string_view item, Tfktzelle*& zelle);

    bool fktberechnen(std::string_view name, long double x, long double& wert) const;
    // Evaluates "3*4=" (text becomes the value in the picture "#.##e+##") or defines
    // "F(X)=X^2" (text becomes empty). The caller has removed the blanks.
    bool untersuche(std::string& text, long double& wert);

    int anzahl() const { return static_cast<int>(eintraege_.size()); }
    // Room for n entries, so a sheet of a million cells is not rehashed on the way.
    void reservieren(std::size_t n) {
        eintraege_.reserve(n);
        index_.reserve(n);
    }
    Tfktzelle* zelle(int index) const { return eintraege_[static_cast<std::size_t>(index)].get(); }
    const std::string& eintrag(int index) const { return zelle(index)->formeltext; }

    // Longest entry name that is a prefix of text (followed by "(" when klammer is set);
    // nullptr if there is none.
    Tfktzelle* laengster_praefix(std::string_view text, bool klammer) const;

    // Counts every change of the table (a definition added, changed or removed). Values of
    // constants are kept for one generation, so each constant is computed once per change.
    std::uint64_t generation() const { return generation_; }

private:
    bool erzeugt_zyklus(Tfktzelle* ziel, const tfunktion& programm);

    struct Namenshash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::vector<std::unique_ptr<Tfktzelle>> eintraege_;
    std::unordered_map<std::string, int, Namenshash, std::equal_to<>> index_;
    // Removed entries that other formulas may still use, by name.
    std::unordered_map<std::string, std::unique_ptr<Tfktzelle>, Namenshash, std::equal_to<>>
        entfernt_;
    std::size_t laengster_name_ = 0; // an upper bound: removing entries does not lower it
    // The characters names are made of (again an upper bound): a prefix can only be a name up
    // to the first character no name has, so "A1+1" is looked up as "A1" and "A", not longer.
    std::array<bool, 256> namenszeichen_{};
    std::uint64_t besuchsrunde_ = 0;
    std::uint64_t generation_ = 1; // cached values carry 0 until computed
};

} // namespace zol

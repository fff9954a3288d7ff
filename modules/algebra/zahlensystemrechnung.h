#pragma once
// The number systems window's arithmetic, free of the window: whole numbers read from and
// written in a base from 2 to 16 or in Roman numerals, the four operations with their refusals,
// the equation text of one result shape and the conversion table.
//
// Values are signed 32-bit, as the window's fields hold them; sums and products that leave
// that range are refused instead of wrapping.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

enum class Zahlensystem { dezimal, dual, hexadezimal, basis, roemisch };

// The base of a system; basis is the chosen one (2 ... 16), Roman numerals have none (0).
int basis_von(Zahlensystem system, int basis);

// Reads the digits of base basis (2 ... 16). Every character must be a digit below the base;
// "A" to "F" count 10 to 15 in either case. Blanks around the number are ignored, an empty text
// is 0. False (and 0) for any other character ("-5" is no decimal number) and for a value above
// 2 147 483 647.
bool basis_lesen(std::string_view text, int basis, std::int32_t& wert);

// Reads a Roman numeral of 1 ... 3999 in either case: thousands M, MM, MMM, then the usual
// digit patterns of the hundreds, tens and units, where the short forms IM (999), ID (499),
// XM (990), XD (490) may stand for the last three digits and IC (99), IL (49) for the last two.
// Blanks around it are ignored. False (and 0) for any other text, the empty one included.
bool roemisch_lesen(std::string_view text, std::int32_t& wert);

// What went wrong when reading an operand.
enum class Lesefehler { keiner, eingabe, ausdruck };
// Reads text in the given system; a failure gives 0.
std::int32_t zahl_lesen(std::string_view text, Zahlensystem system, int basis, Lesefehler& fehler);
// The messages of the failures: "Fehlerhafte Eingabe", "Fehlerhafter Ausdruck"; empty for none.
std::string lesefehlertext(Lesefehler fehler);

// The digits of wert in base basis (2 ... 16), "A" to "F" for 10 to 15; 0 gives "0"; a
// negative value gets a leading "-".
std::string basis_text(std::int64_t wert, int basis);

// Roman numerals for 1 ... 3999, each decimal digit with the symbols of its place, except that
// the last three digits 999, 499, 990, 490 are written IM, ID, XM, XD and the last two 99, 49
// IC, IL (1999 MIM, 1990 MXM, 149 CIL). 0 and negative values give an empty text, 4000 and more
// the text "Zahl zu groß!".
std::string roemisch_text(std::int64_t wert);

// wert written in the system.
std::string zahl_text(std::int64_t wert, Zahlensystem system, int basis);

enum class Rechenart { plus, minus, mal, geteilt };
// The operator character as the equations show it: "+", "-", "*", ":".
std::string_view operatorzeichen(Rechenart art);

struct Rechenergebnis {
    std::int32_t wert = 0;
    std::int32_t rest = 0; // remainder of a division, truncated toward zero
};
// z1 op z2; false with the German message in fehler when refused: a difference needs z2 < z1,
// a result outside the 32-bit range is too large, a division by 0 is not allowed.
bool rechnen(Rechenart art, std::int32_t z1, std::int32_t z2, Rechenergebnis& ergebnis,
             std::string& fehler);

// One result shape's equation: Z1 + " " + op + " " + Z2 + " =" + R, with " Rest " and the
// remainder for a division that leaves one, every number in the given system.
std::string gleichung(std::int32_t z1, std::int32_t z2, Rechenart art,
                      const Rechenergebnis& ergebnis, Zahlensystem system, int basis);

// The conversion table lists at most this many numbers.
inline constexpr std::int64_t max_tabellenzeilen = 10000;

struct Umrechnungstabelle {
    std::vector<std::string> zeilen; // the header, then one line per number
    bool gekappt = false;            // more numbers were asked for than listed
};
// Header "Dezimal", "Dual", "Hex", "Basis" + base, "Römisch" and one line per number from von
// to bis in these systems, separated by two tabs each; no number lines when bis < von.
Umrechnungstabelle umrechnungstabelle(std::int32_t von, std::int32_t bis, int basis);
// The message for a cut table.
std::string kappungsmeldung();

} // namespace zol

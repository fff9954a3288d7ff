#pragma once
// Small numeric and text routines shared by every part of the program.
#include <string>
#include <string_view>

namespace zol {

inline constexpr long double pi_ld = 3.14159265358979323846264338327950288L;

// Removes every blank and tab.
std::string leerzeichenweg(std::string_view text);
// Upper case for the ASCII letters only; other bytes (UTF-8 sequences) stay as they are.
std::string gross(std::string_view text);
char gross(char c);
bool ist_buchstabe(char c); // 'A'..'Z' after upper-casing
bool ist_ziffer(char c);

// -1, 0 or 1 by the sign of x.
int vorzeichen(long double x);
// a to the whole power n by repeated multiplication (binary powering for large |n| so it never
// takes long). Returns false on overflow and on zero to a negative power.
bool ganzpotenz(long double a, long double n, long double& ergebnis);
long double gradinrad(long double grad);
long double radingrad(long double rad);
// Decimal logarithm; 0 for a non-positive argument.
long double lg10(long double x);

// Spreadsheet column names: 1 -> "A", 26 -> "Z", 27 -> "AA", 702 -> "ZZ", 703 -> "AAA".
// Empty for columns below 1 or beyond three letters.
std::string spaltenname(int spalte);
// A cell reference such as "B7" or "AA12": one to three capital letters and a decimal row
// number. False for anything else.
bool zellbezug(std::string_view text, int& spalte, int& zeile);

} // namespace zol
